// Settings for one run, and the listing of all of them.
#include "settings/run_settings.h"

#include <algorithm>

#include "settings/registry_values.h"
#include "settings/setting_values.h"
#include "settings/settings.h"

namespace {

// The name an override's setting is stored under in a run of this mode (the drift
// switch's depends on it, unless the option named a kind of run).
std::string storedNameOf(const SettingOverride& setting, RunMode mode) {
    if (setting.registryName) return setting.registryName;
    return isShiftSwitchRow(*setting.row) ? shiftSwitchFor(mode).registryName : setting.row->name;
}

// A setting's value as a number the table's rows speak of.
float valueOf(const Setting& setting) {
    if (auto* floating = dynamic_cast<const FloatSetting*>(&setting)) return floating->value();
    if (auto* whole = dynamic_cast<const IntSetting*>(&setting)) return static_cast<float>(whole->value());
    if (auto* flag = dynamic_cast<const BoolSetting*>(&setting)) return flag->value() ? 1.0f : 0.0f;
    return 0;
}

}  // namespace

RunSettings::RunSettings(std::vector<SettingOverride> overrides, RunMode mode)
    : overrides_(std::move(overrides)), mode_(mode) {}

void RunSettings::apply() const {
    if (!theSettings) return;
    for (const SettingOverride& setting : overrides_) theSettings->setByName(storedNameOf(setting, mode_), setting.value);
}

std::vector<const Setting*> RunSettings::overridden() const {
    std::vector<const Setting*> settings;
    if (!theSettings) return settings;
    for (const SettingOverride& setting : overrides_)
        if (const Setting* s = theSettings->find(storedNameOf(setting, mode_))) settings.push_back(s);
    return settings;
}

std::vector<std::string> RunSettings::loadChanged(const std::vector<std::string>& names) const {
    std::vector<std::string> taken;
    if (!theSettings) return taken;
    const std::vector<const Setting*> own = overridden();
    for (const std::string& name : names) {
        Setting* setting = theSettings->find(name);
        if (!setting || std::find(own.begin(), own.end(), setting) != own.end()) continue;
        const float before = valueOf(*setting);
        setting->load();
        if (valueOf(*setting) == before) continue;
        const KeyedSetting* keyed = keyedSettingStoredAs(name);
        taken.push_back(keyed ? keyed->key : name);
    }
    return taken;
}

void RunSettings::saveAll() const {
    if (theSettings) theSettings->saveAll(overridden());
}

std::string settingsListing() {
    std::string listing;
    if (!theSettings) return listing;
    for (const KeyedSetting& keyed : keyedSettings())
        if (const Setting* setting = theSettings->find(keyed.registryName))
            listing += std::string(keyed.key) + " = " + spokenValue(*keyed.row, valueOf(*setting)) + "\n";
    return listing;
}
