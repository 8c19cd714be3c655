// Following the settings file while the lamp runs: a person's editor (or another lamp)
// changes it, and the lamp takes the values that changed, but for this run's own.
#pragma once

#include <string>

class SettingsFile;

// The settings store as the file it is; null when there is none (no HOME).
SettingsFile* settingsFile();
std::string settingsFilePath();
// Once a second at most: reads the file again when it changed and takes its new values.
void watchSettingsFile();
