// The one table of settings: for each, its registry name, kind, control, range, default,
// value label and the effect that applies it. Defaults, loading, saving and the dialog
// binding all read it; nothing else states these facts.
#pragma once

#include <cstddef>

#include "settings/run_mode.h"
#include "settings/setting.h"

// The code that applies settings to the running program, supplied by whoever creates the
// settings (the lamp supplies its effects, the shell the frame timer and the priority).
// An effect left null does nothing.
struct SettingEffects {
    SettingCallback viscosity = nullptr;
    SettingCallback buoyancy = nullptr;
    SettingCallback surfaceTension = nullptr;
    SettingCallback coolingRate = nullptr;
    SettingCallback heatDiffusion = nullptr;
    SettingCallback frameRate = nullptr;
    SettingCallback priority = nullptr;
    SettingCallback renderAccuracy = nullptr;
    SettingCallback lampHeat = nullptr;
    SettingCallback numParticles = nullptr;
    FloatSettingCallback lavaColour = nullptr;
    SettingCallback differentHotColor = nullptr;
    FloatSettingCallback hotColour = nullptr;
    SettingCallback liquidColour = nullptr;
    SettingCallback lampColour = nullptr;
    SettingCallback background = nullptr;
};

enum class SettingKind { Bool, Int, Float };

struct SettingRow {
    const char* name;  // the registry value name; the member of Settings of the same name
    SettingKind kind;
    int controlId;     // in dialog 7001; 0 for none
    // The value range and default (bools: 0 or 1; ints: whole numbers).
    float minimum, maximum, defaultValue;
    // Float settings: the trackbar's position range the value range maps onto.
    int minimumPosition, maximumPosition;
    int labelId;  // the value label beside the trackbar, 0 for none
    LabelFormat labelFormat;
    SettingCallback SettingEffects::*effect;            // bool and int settings
    FloatSettingCallback SettingEffects::*floatEffect;  // float settings
    bool inDialog;  // whether dialog 7001 has its control
};

// The rows, in list order (the order the dialog offers messages and the program loads
// and saves).
extern const SettingRow settingRows[];
extern const size_t settingRowCount;

// The row of a name; null for a name that is not in the table.
const SettingRow* findSettingRow(const char* name);

// The shift-left-right switch keeps a separate choice per kind of run: its row is named
// "shiftLeftRight" in the table, and stored under the name this gives, with this default.
struct ShiftSwitch {
    const char* registryName;
    bool defaultValue;
};
ShiftSwitch shiftSwitchFor(RunMode mode);
