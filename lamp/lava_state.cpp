// The lava's state in the settings store.
#include "lamp/lava_state.h"

#include <string>

#include "lamp/lamp_scene.h"
#include "lava/blob.h"
#include "lava/blob_record.h"
#include "platform/settings_store.h"
#include "settings/registry_values.h"
#include "settings/stored_value_names.h"

void saveLavaState(const LampScene& lamp, SettingsStore* store) {
    SettingsBatch batch(store);
    writeDword(store, blobCountValue, 0);
    int written = 0;
    for (const Blob* blob : lamp.glass.group.blobs)
        writeString(store, blobRecordName(written++).c_str(), blobRecord(*blob).c_str());
    writeDword(store, blobCountValue, written);
}

bool restoreLavaState(LampScene& lamp, SettingsStore* store) {
    const std::vector<Blob*>& blobs = lamp.glass.group.blobs;
    int32_t saved = 0;
    if (!readDword(store, blobCountValue, &saved)) return false;  // nothing saved yet: nothing to say
    const int32_t held = static_cast<int32_t>(blobs.size());
    if (saved != held) {
        if (store)
            store->tell(saved == 0 && held > 0
                                  ? std::string("the lava's last save was cut short (") + blobCountValue +
                                        " is 0); the lava starts afresh"
                                  : "the saved lava has " + std::to_string(saved) + " blobs (" + blobCountValue +
                                        ") and the lamp " + std::to_string(held) + "; the lava starts afresh");
        return false;
    }
    int index = 0, missing = 0;
    for (Blob* blob : blobs) {
        const std::string name = blobRecordName(index++);
        std::string text;
        if (!readString(store, name.c_str(), text)) {
            ++missing;
            continue;
        }
        if (!readBlobRecord(text, *blob) && store)
            store->reportUnusable(name.c_str(), "a blob of the lava", "that blob starts afresh");
    }
    if (missing > 0 && store)
        store->tell("the saved lava lacks " + std::to_string(missing) + " of its " + std::to_string(saved) +
                          " blob records; those blobs start afresh");
    return true;
}
