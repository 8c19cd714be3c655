// The settings object.
#include "settings/settings.h"

#include <algorithm>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "settings/registry_values.h"
#include "settings/stored_value_names.h"

namespace {

const SettingRow& rowNamed(const char* name, SettingKind kind) {
    const SettingRow* row = findSettingRow(name);
    if (!row || row->kind != kind) {
        // A member without its row is a mistake in this program, not in anyone's input.
        std::fprintf(stderr, "Settings: no %s row for %s\n", kind == SettingKind::Float ? "float" : "int", name);
        std::abort();
    }
    return *row;
}

}  // namespace

Settings::Settings(RunMode mode, const SettingEffects& effects, SettingsStore* store)
    : mode_(mode), effects_(effects), store_(store) {
    const std::vector<Setting*> all = members();
    for (size_t i = 0; i < settingRowCount; ++i) {
        const SettingRow& row = settingRows[i];
        const char* name = isShiftSwitchRow(row) ? shiftSwitch().registryName : row.name;
        for (Setting* setting : all)
            if (std::strcmp(setting->registryName(), name) == 0) list_.push_back(setting);
    }
}

ShiftSwitch Settings::shiftSwitch() const { return shiftSwitchFor(mode_); }

BoolSetting Settings::boolSetting(const char* name) const {
    const SettingRow& row = rowNamed(name, SettingKind::Bool);
    if (isShiftSwitchRow(row)) {
        const ShiftSwitch shift = shiftSwitch();
        return BoolSetting(row.controlId, shift.defaultValue, shift.defaultValue, nullptr, shift.registryName);
    }
    const SettingCallback callback = row.effect ? effects_.*row.effect : nullptr;
    return BoolSetting(row.controlId, row.defaultValue != 0, row.defaultValue != 0, callback, row.name);
}

IntSetting Settings::intSetting(const char* name) const {
    const SettingRow& row = rowNamed(name, SettingKind::Int);
    const SettingCallback callback = row.effect ? effects_.*row.effect : nullptr;
    const int defaultValue = static_cast<int>(row.defaultValue);
    return IntSetting(row.controlId, static_cast<int>(row.minimum), static_cast<int>(row.maximum), defaultValue,
                      defaultValue, callback, row.name, row.labelId, row.labelFormat);
}

FloatSetting Settings::floatSetting(const char* name) const {
    const SettingRow& row = rowNamed(name, SettingKind::Float);
    const FloatSettingCallback callback = row.floatEffect ? effects_.*row.floatEffect : nullptr;
    return FloatSetting(row.controlId, row.minimumPosition, row.maximumPosition, row.minimum, row.maximum,
                        row.defaultValue, row.defaultValue, callback, row.name);
}

std::vector<Setting*> Settings::members() {
    return {&rot_angle,         &rot_speed,          &zoom,           &translateX,        &shiftX,
            &translateY,        &rotateViewX,        &rotateViewY,    &showParticles,     &showPolygons,
            &resumeFromLastPos, &shiftLeftRight,     &speed,          &viscosity,         &buoyancy,
            &surfaceTension,    &coolingRate,        &heatDiffusion,  &frameRate,         &priority,
            &renderAccuracy,    &lampHeat,           &numParticles,   &lavaHue,           &lavaRotateColor,
            &lavaSaturation,    &lavaLuminance,      &differentHotColor, &lavaHueHot,     &lavaRotateColorHot,
            &lavaSaturationHot, &lavaLuminanceHot,   &liquidHue,      &liquidSaturation,  &liquidLuminance,
            &lampHue,           &lampSaturation,     &lampLuminance,  &bgHue,             &bgSaturation,
            &bgLuminance};
}

void Settings::attachAll(DialogPort* dialog) {
    for (Setting* setting : list_) setting->attach(dialog);
}

void Settings::detachAll() {
    for (Setting* setting : list_) setting->detach();
}

void Settings::resetAll() {
    for (Setting* setting : list_) setting->resetToDefault();
}

void Settings::saveAll(const std::vector<const Setting*>& except) {
    SettingsBatch batch(store_);
    for (Setting* setting : list_)
        if (std::find(except.begin(), except.end(), setting) == except.end()) setting->save(store_);
    // A start without arguments comes back in the mode the user left.
    if (mode_ == Windowed) writeBoolValue(store_, startFullScreenValue, false);
    if (mode_ == FullScreen) writeBoolValue(store_, startFullScreenValue, true);
}

void Settings::loadAll() {
    for (Setting* setting : list_) setting->load(store_);
}

bool Settings::handleMessage(DialogPort* dialog, int senderId) {
    for (Setting* setting : list_)
        if (setting->handleMessage(dialog, senderId)) return true;
    return false;
}

Setting* Settings::find(const std::string& registryName) const {
    for (Setting* setting : list_)
        if (registryName == setting->registryName()) return setting;
    return nullptr;
}

bool Settings::setByName(const std::string& registryName, float value) {
    Setting* setting = find(registryName);
    if (auto* floating = dynamic_cast<FloatSetting*>(setting)) {
        floating->setValue(value);
    } else if (auto* whole = dynamic_cast<IntSetting*>(setting)) {
        whole->setValue(static_cast<int>(std::lround(std::fmax(-1e9f, std::fmin(value, 1e9f)))));
    } else if (auto* flag = dynamic_cast<BoolSetting*>(setting)) {
        flag->setValue(value != 0);
    } else {
        return false;
    }
    return true;
}
