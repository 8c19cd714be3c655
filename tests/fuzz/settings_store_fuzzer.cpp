// Fuzzes loading the settings (and the lava state) from a store holding arbitrary values:
// each record of the input is a value-name index, a type and the value's bytes. Every
// setting ends in its range, every blob finite.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "lamp/lamp_scene.h"
#include "lamp/lava_state.h"
#include "lamp/setting_effects.h"
#include "lava/blob.h"
#include "tests/fakes/fake_settings_store.h"
#include "settings/settings.h"

namespace {

std::string valueName(uint8_t index) {
    if (index < settingRowCount) return settingRows[index].name;
    if (index < settingRowCount + 3) {
        static const char* const extra[3] = {"shiftLeftRightWin", "noBlobsSaved", "startFullScreen"};
        return extra[index - settingRowCount];
    }
    char name[16];
    std::snprintf(name, sizeof name, "blob%03d", index % 200);
    return name;
}

double valueOf(const Setting* setting) {
    if (auto* f = dynamic_cast<const FloatSetting*>(setting)) return f->value();
    if (auto* i = dynamic_cast<const IntSetting*>(setting)) return i->value();
    return dynamic_cast<const BoolSetting*>(setting)->value() ? 1 : 0;
}

}  // namespace

// One lamp for all inputs: making it is the slow part, and each input's settings change it
// (the blob count among them) as they would change the running lamp.
LampScene& scene() {
    static LampScene lamp(1);
    return lamp;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    scene();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FakeSettingsStore fake;
    FakeSettingsStore* store = &fake;
    for (size_t at = 0; at + 3 <= size;) {
        const std::string name = valueName(data[at]);
        const StoredType type = data[at + 1] % 3 == 0 ? StoredType::Dword
                                : data[at + 1] % 3 == 1 ? StoredType::String
                                                        : StoredType::Other;
        const size_t length = std::min<size_t>(data[at + 2], size - at - 3);
        store->setRaw(name, type, std::string(reinterpret_cast<const char*>(data + at + 3), length));
        at += 3 + length;
    }
    std::unique_ptr<Settings> settings;
    settings = std::make_unique<Settings>(Windowed, lampSettingEffects(scene(), settings), store);
    settings->loadAll();
    for (size_t i = 0; i < settingRowCount; ++i) {
        const double value = valueOf(settings->list()[i]);
        if (!std::isfinite(value) || value < settingRows[i].minimum || value > settingRows[i].maximum) std::abort();
    }
    restoreLavaState(scene(), store);
    for (const Blob* blob : scene().glass.group.blobs)
        if (!std::isfinite(blob->position.x + blob->position.y + blob->position.z + blob->radius)) std::abort();
    return 0;
}
