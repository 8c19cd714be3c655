// The lava's state in the settings store.
#include "lamp/lava_state.h"

#include <string>

#include "lamp/lamp_scene.h"
#include "lava/blob.h"
#include "lava/blob_record.h"
#include "platform/settings_store.h"
#include "settings/registry_values.h"
#include "settings/stored_value_names.h"

void saveLavaState() {
    if (!theLampScene) return;
    SettingsBatch batch;
    writeDword(blobCountValue, 0);
    int written = 0;
    for (const Blob* blob : theLampScene->glass.group.blobs)
        writeString(blobRecordName(written++).c_str(), blobRecord(*blob).c_str());
    writeDword(blobCountValue, written);
}

bool restoreLavaState() {
    if (!theLampScene) return false;
    const std::vector<Blob*>& blobs = theLampScene->glass.group.blobs;
    int32_t saved = 0;
    if (!readDword(blobCountValue, &saved)) return false;  // nothing saved yet: nothing to say
    const int32_t held = static_cast<int32_t>(blobs.size());
    if (saved != held) {
        if (settingsKey)
            settingsKey->tell(saved == 0 && held > 0
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
        if (!readString(name.c_str(), text)) {
            ++missing;
            continue;
        }
        if (!readBlobRecord(text, *blob) && settingsKey)
            settingsKey->reportUnusable(name.c_str(), "a blob of the lava", "that blob starts afresh");
    }
    if (missing > 0 && settingsKey)
        settingsKey->tell("the saved lava lacks " + std::to_string(missing) + " of its " + std::to_string(saved) +
                          " blob records; those blobs start afresh");
    return true;
}
