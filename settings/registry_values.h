// The typed value functions every setting and the lava state use, over a settings store
// (null: a store in which every read fails and every write is refused). They never report
// an error: a failed read gives the default.
#pragma once

#include <cstdint>
#include <string>

class SettingsStore;

// Everything written while one lives reaches the store at once, when the outermost ends.
class SettingsBatch {
public:
    explicit SettingsBatch(SettingsStore* store);
    ~SettingsBatch();
    SettingsBatch(const SettingsBatch&) = delete;
    SettingsBatch& operator=(const SettingsBatch&) = delete;

private:
    SettingsStore* store_;
};

bool writeDword(SettingsStore* store, const char* name, int32_t value);
bool readDword(SettingsStore* store, const char* name, int32_t* value);
int32_t readDword(SettingsStore* store, const char* name, int32_t defaultValue);
bool writeBoolValue(SettingsStore* store, const char* name, bool value);
bool readBoolValue(SettingsStore* store, const char* name, bool defaultValue);
bool writeString(SettingsStore* store, const char* name, const char* text);
bool readString(SettingsStore* store, const char* name, std::string& text);
bool writeFloatValue(SettingsStore* store, const char* name, float value);
float readFloatValue(SettingsStore* store, const char* name, float defaultValue);
