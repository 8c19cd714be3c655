// Settings for one run, and the listing of all of them.
#include "settings/run_settings.h"

#include <algorithm>
#include <cstring>

#include "settings/registry_values.h"
#include "settings/settings.h"

namespace {

// The name a setting is stored under in a run of this mode (the drift switch's depends on it).
std::string storedNameOf(const SettingRow& row, RunMode mode) {
    return std::strcmp(row.name, "shiftLeftRight") == 0 ? shiftSwitchFor(mode).registryName : row.name;
}

}  // namespace

RunSettings::RunSettings(std::vector<SettingOverride> overrides, RunMode mode)
    : overrides_(std::move(overrides)), mode_(mode) {}

void RunSettings::apply() const {
    if (!theSettings) return;
    for (const SettingOverride& setting : overrides_) theSettings->setByName(storedNameOf(*setting.row, mode_), setting.value);
}

std::vector<const Setting*> RunSettings::overridden() const {
    std::vector<const Setting*> settings;
    if (!theSettings) return settings;
    for (const SettingOverride& setting : overrides_)
        if (const Setting* s = theSettings->find(storedNameOf(*setting.row, mode_))) settings.push_back(s);
    return settings;
}

void RunSettings::loadChanged(const std::vector<std::string>& names) const {
    if (!theSettings) return;
    const std::vector<const Setting*> own = overridden();
    for (const std::string& name : names) {
        Setting* setting = theSettings->find(name);
        if (setting && std::find(own.begin(), own.end(), setting) == own.end()) setting->load();
    }
}

void RunSettings::saveAll() const {
    if (theSettings) theSettings->saveAll(overridden());
}

std::string settingsListing(RunMode mode) {
    std::string listing;
    if (!theSettings) return listing;
    for (size_t i = 0; i < settingRowCount; ++i) {
        const SettingRow& row = settingRows[i];
        Setting* setting = theSettings->find(storedNameOf(row, mode));
        std::string value = "?";
        if (auto* floating = dynamic_cast<FloatSetting*>(setting)) {
            value = optionNumber(floating->value());
        } else if (auto* whole = dynamic_cast<IntSetting*>(setting)) {
            value = std::to_string(whole->value());
        } else if (auto* flag = dynamic_cast<BoolSetting*>(setting)) {
            value = flag->value() ? "true" : "false";
        }
        listing += std::string(row.name) + " = " + value + "\n";
    }
    return listing;
}
