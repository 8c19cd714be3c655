// Following the settings file while the lamp runs: a person's editor (or another lamp)
// changes it, and the lamp takes the values that changed, but for this run's own.
#pragma once

#include <string>

#include <cstdint>

class LampLife;
class SettingsFile;

// The life's settings store as the file it is; null when there is none (no HOME).
SettingsFile* settingsFile(LampLife& life);
std::string settingsFilePath(LampLife& life);
// Once a second at most (`watchedAt` is when it last looked): reads the file again when it
// changed and takes its new values.
void watchSettingsFile(LampLife& life, uint32_t& watchedAt);
