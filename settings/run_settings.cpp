// Settings for one run, and the listing of all of them.
#include "settings/run_settings.h"

#include <algorithm>

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

RunSettings::RunSettings(Settings& settings, std::vector<SettingOverride> overrides)
    : settings_(settings), overrides_(std::move(overrides)) {}

void RunSettings::apply() const {
    for (const SettingOverride& setting : overrides_)
        settings_.setByName(storedNameOf(setting, settings_.runMode()), setting.value);
}

std::vector<const Setting*> RunSettings::overridden() const {
    std::vector<const Setting*> settings;
    for (const SettingOverride& setting : overrides_)
        if (const Setting* s = settings_.find(storedNameOf(setting, settings_.runMode()))) settings.push_back(s);
    return settings;
}

std::vector<std::string> RunSettings::loadChanged(const std::vector<std::string>& names) const {
    std::vector<std::string> taken;
    const std::vector<const Setting*> own = overridden();
    for (const std::string& name : names) {
        Setting* setting = settings_.find(name);
        if (!setting || std::find(own.begin(), own.end(), setting) != own.end()) continue;
        const float before = valueOf(*setting);
        setting->load(settings_.store());
        if (valueOf(*setting) == before) continue;
        const KeyedSetting* keyed = keyedSettingStoredAs(name);
        taken.push_back(keyed ? keyed->key : name);
    }
    return taken;
}

void RunSettings::saveAll() const { settings_.saveAll(overridden()); }

std::string settingsListing(const Settings& settings) {
    std::string listing;
    for (const KeyedSetting& keyed : keyedSettings())
        if (const Setting* setting = settings.find(keyed.registryName))
            listing += std::string(keyed.key) + " = " + spokenValue(*keyed.row, valueOf(*setting)) + "\n";
    return listing;
}
