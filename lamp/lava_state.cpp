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
    if (static_cast<int32_t>(blobs.size()) != readDword(blobCountValue, 0)) return false;
    int index = 0;
    for (Blob* blob : blobs) {
        const std::string name = blobRecordName(index++);
        std::string text;
        if (!readString(name.c_str(), text)) continue;
        if (!readBlobRecord(text, *blob) && settingsKey)
            settingsKey->reportUnusable(name.c_str(), "a blob of the lava", "that blob starts afresh");
    }
    return true;
}
