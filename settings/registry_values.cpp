// Typed reads and writes over the settings store, with the program's formats: numbers and
// flags as 32-bit DWORDs, floats as "%f" text.
#include "settings/registry_values.h"

#include <cstdio>
#include <cstring>

#include "platform/settings_store.h"

SettingsBatch::SettingsBatch(SettingsStore* store) : store_(store) {
    if (store_) store_->beginBatch();
}

SettingsBatch::~SettingsBatch() {
    if (store_) store_->endBatch();
}

bool writeDword(SettingsStore* store, const char* name, int32_t value) {
    return store && store->setDword(name, static_cast<uint32_t>(value));
}

bool readDword(SettingsStore* store, const char* name, int32_t* value) {
    StoredType type;
    std::string bytes;
    if (!store || !store->readValue(name, type, bytes)) return false;
    if (type != StoredType::Dword || bytes.size() != 4) return false;
    uint32_t raw;
    std::memcpy(&raw, bytes.data(), 4);
    *value = static_cast<int32_t>(raw);
    return true;
}

int32_t readDword(SettingsStore* store, const char* name, int32_t defaultValue) {
    int32_t value = defaultValue;
    return readDword(store, name, &value) ? value : defaultValue;
}

bool writeBoolValue(SettingsStore* store, const char* name, bool value) {
    return writeDword(store, name, value ? 1 : 0);
}

bool readBoolValue(SettingsStore* store, const char* name, bool defaultValue) {
    int32_t value;
    return readDword(store, name, &value) ? value != 0 : defaultValue;
}

bool writeString(SettingsStore* store, const char* name, const char* text) {
    return store && store->setString(name, text);
}

bool readString(SettingsStore* store, const char* name, std::string& text) {
    StoredType type;
    std::string bytes;
    if (!store || !store->readValue(name, type, bytes)) return false;
    if (type != StoredType::String) return false;
    // A value written by another program may lack its terminating zero, or hold several.
    text.assign(bytes.c_str(), std::strlen(bytes.c_str()));
    return true;
}

bool writeFloatValue(SettingsStore* store, const char* name, float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%f", static_cast<double>(value));
    return writeString(store, name, text);
}

float readFloatValue(SettingsStore* store, const char* name, float defaultValue) {
    std::string text;
    if (!readString(store, name, text)) return defaultValue;
    float value;
    return std::sscanf(text.c_str(), "%f", &value) == 1 ? value : defaultValue;
}
