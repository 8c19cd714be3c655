// Following the settings file: looked at once a second; what a person changed there the
// lamp takes, but for this run's command-line settings.
#include "shell/x11/settings_watch_x11.h"

#include "platform/clock.h"
#include "platform/diagnostics.h"
#include "platform/settings_store.h"
#include "settings/registry_values.h"
#include "settings/settings.h"
#include "settings/settings_file.h"
#include "shell/lamp_life.h"
#include "shell/x11/x11_program.h"

namespace {
constexpr uint32_t settingsWatchPeriodMs = 1000;
}  // namespace

SettingsFile* settingsFile() { return dynamic_cast<SettingsFile*>(settingsKey); }

std::string settingsFilePath() {
    const SettingsFile* file = settingsFile();
    return file ? file->path() : "";
}

void watchSettingsFile() {
    X11Program* program = x11Program();
    const uint32_t now = clockMs();
    if (!program || now - program->settingsWatchedAt < settingsWatchPeriodMs) return;
    program->settingsWatchedAt = now;
    SettingsFile* file = settingsFile();
    if (!file || !theSettings || !file->changedOnDisk()) return;
    const std::vector<std::string> taken = lampLife().runSettings().loadChanged(file->reload());
    if (taken.empty()) return;
    std::string keys;
    for (const std::string& key : taken) keys += (keys.empty() ? "" : ", ") + key;
    diagError("glimmerjar: took %zu changed setting%s from %s: %s\n", taken.size(), taken.size() == 1 ? "" : "s",
              file->path().c_str(), keys.c_str());
}
