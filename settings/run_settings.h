// Settings given for one run only (the Linux program's command-line options): set over the
// settings as loaded, and kept out of the store when the settings are saved, so that the
// store keeps the user's own values.
#pragma once

#include <string>
#include <vector>

#include "settings/run_mode.h"
#include "settings/setting_options.h"

class Settings;

class RunSettings {
public:
    RunSettings(Settings& settings, std::vector<SettingOverride> overrides);

    // Sets them on the settings.
    void apply() const;
    // The store changed under these names (a person edited the settings file): each
    // setting among them takes its stored value, but for this run's own. Returns the keys
    // of those whose value it changed.
    std::vector<std::string> loadChanged(const std::vector<std::string>& names) const;
    // Saves every setting but these: the store keeps its own values of them.
    void saveAll() const;

private:
    std::vector<const Setting*> overridden() const;
    Settings& settings_;
    std::vector<SettingOverride> overrides_;
};

// Every setting as the settings file writes it, "key = value" a line in a person's words,
// in table order (the drift switch of this run only).
std::string settingsListing(const Settings& settings);
