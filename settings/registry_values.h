// The typed value functions every setting and the lava state use. They act on the current
// store, settingsKey, and never report an error: a failed read gives the default.
#pragma once

#include <cstdint>
#include <string>

class SettingsStore;

// The current store; owned here. Null until openSettingsKey (or useSettingsStore).
extern SettingsStore* settingsKey;

// Closes the current store and opens the program's own (registry key on Windows).
void openSettingsKey();
// Replaces the current store (tests, tools); takes ownership.
void useSettingsStore(SettingsStore* store);

// Everything written while one lives reaches the store at once, when the outermost ends.
// The store it began on must stay the current store until then.
class SettingsBatch {
public:
    SettingsBatch();
    ~SettingsBatch();
    SettingsBatch(const SettingsBatch&) = delete;
    SettingsBatch& operator=(const SettingsBatch&) = delete;

private:
    SettingsStore* store_;
};

bool writeDword(const char* name, int32_t value);
bool readDword(const char* name, int32_t* value);
int32_t readDword(const char* name, int32_t defaultValue);
bool writeBoolValue(const char* name, bool value);
bool readBoolValue(const char* name, bool defaultValue);
bool writeString(const char* name, const char* text);
bool readString(const char* name, std::string& text);
bool writeFloatValue(const char* name, float value);
float readFloatValue(const char* name, float defaultValue);
