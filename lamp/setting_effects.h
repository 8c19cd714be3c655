// What each setting does to the running lamp when it is set: the colours through the
// colour model, the simulation values, the lattice spacing, the blob count, the hot-colour
// controls. The settings table names the effect of each setting; these are the lamp's.
#pragma once

#include <memory>

#include "settings/settings_table.h"

class LampScene;
class Settings;

// The lamp's effects on `scene`; the colours read their sibling settings from `settings`
// once it holds them. The frame period and the process priority are left to the shell,
// which owns the frame timer and the process.
SettingEffects lampSettingEffects(LampScene& scene, const std::unique_ptr<Settings>& settings);

// The hot colour's three labels in the configuration dialog, greyed out with its trackbars.
constexpr int hotColourLabelIds[3] = {1063, 1064, 1065};
