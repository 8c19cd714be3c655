// Settings given for one run only (the Linux program's command-line options): set over the
// settings as loaded, and kept out of the store when the settings are saved, so that the
// store keeps the user's own values.
#pragma once

#include <string>
#include <vector>

#include "platform/settings_store.h"
#include "settings/run_mode.h"
#include "settings/setting_options.h"

class RunSettings {
public:
    RunSettings(std::vector<SettingOverride> overrides, RunMode mode);

    // Notes what the current store holds under each setting's name, then sets them on
    // theSettings.
    void apply();
    // Sets them again, after the settings were loaded again from the store.
    void reapply() const;
    // Saves every setting of theSettings, then puts each of these back in the store as it
    // was when apply noted it (or removes it, when the store had none).
    void saveAll() const;

private:
    struct StoredValue {
        std::string name;
        bool present = false;
        StoredType type = StoredType::Other;
        std::string bytes;
    };
    std::vector<SettingOverride> overrides_;
    RunMode mode_;
    std::vector<StoredValue> stored_;
};

// Every setting of theSettings as the settings file writes it, "name = value" a line, in
// table order (the drift switch under its table name).
std::string settingsListing(RunMode mode);
