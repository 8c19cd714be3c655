// Following the settings file: looked at once a second; what a person changed there the
// lamp takes, but for this run's command-line settings.
#include "shell/x11/settings_watch_x11.h"

#include "platform/clock.h"
#include "platform/diagnostics.h"
#include "settings/run_settings.h"
#include "settings/settings_file.h"
#include "shell/lamp_life.h"

namespace {
constexpr uint32_t settingsWatchPeriodMs = 1000;
}  // namespace

SettingsFile* settingsFile(LampLife& life) { return dynamic_cast<SettingsFile*>(life.store()); }

std::string settingsFilePath(LampLife& life) {
    const SettingsFile* file = settingsFile(life);
    return file ? file->path() : "";
}

void watchSettingsFile(LampLife& life, uint32_t& watchedAt) {
    const uint32_t now = clockMs();
    if (now - watchedAt < settingsWatchPeriodMs) return;
    watchedAt = now;
    SettingsFile* file = settingsFile(life);
    RunSettings* runSettings = life.runSettings();
    if (!file || !runSettings || !file->changedOnDisk()) return;
    const std::vector<std::string> taken = runSettings->loadChanged(file->reload());
    if (taken.empty()) return;
    std::string keys;
    for (const std::string& key : taken) keys += (keys.empty() ? "" : ", ") + key;
    diagError("glimmerjar: took %zu changed setting%s from %s: %s\n", taken.size(), taken.size() == 1 ? "" : "s",
              file->path().c_str(), keys.c_str());
}
