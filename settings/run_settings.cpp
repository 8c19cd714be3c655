// Settings for one run, and the listing of all of them.
#include "settings/run_settings.h"

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

void RunSettings::apply() {
    stored_.clear();
    for (const SettingOverride& setting : overrides_) {
        StoredValue value;
        value.name = storedNameOf(*setting.row, mode_);
        value.present = settingsKey && settingsKey->readValue(value.name.c_str(), value.type, value.bytes);
        stored_.push_back(value);
    }
    reapply();
}

void RunSettings::reapply() const {
    if (!theSettings) return;
    for (const SettingOverride& setting : overrides_) theSettings->setByName(storedNameOf(*setting.row, mode_), setting.value);
}

void RunSettings::saveAll() const {
    // One write: the store never holds this run's own values, even for a moment.
    SettingsBatch batch;
    if (theSettings) theSettings->saveAll();
    if (!settingsKey) return;
    for (const StoredValue& value : stored_) {
        if (!value.present) {
            settingsKey->deleteValue(value.name.c_str());
        } else if (value.type == StoredType::Dword && value.bytes.size() == 4) {
            uint32_t number = 0;
            std::memcpy(&number, value.bytes.data(), 4);
            settingsKey->setDword(value.name.c_str(), number);
        } else {
            settingsKey->setString(value.name.c_str(), value.bytes.c_str());
        }
    }
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
