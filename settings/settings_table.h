// The one table of settings: for each, its registry name (also the key a person writes in
// the settings file and, spelt with dashes, the option), the name a person reads, kind,
// control, range, default, value label and the effect that applies it. Defaults, loading,
// saving, the dialog binding, the options, --help, the manual page and XScreenSaver's page
// all read it; nothing else states these facts.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

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

// Where a setting stands among the others, as the configuration dialog groups them: the
// view (no control; the mouse and the keys change it), then the dialog's group boxes.
enum class SettingGroup { View, General, Lava, Liquid, Lamp, Background, Simulation };
const char* groupName(SettingGroup group);  // the group box's title: "Lava", "Simulation", …

// How a person writes a value where it differs from the number stored: the frame rate in
// frames a second (stored as an index into the frame-rate table), the priority by name.
enum class SettingUnit { Stored, FramesPerSecond, PriorityName };

struct SettingRow {
    const char* name;  // the registry value name; the member of Settings of the same name
    const char* label; // what a person reads: the dialog's words ("Color", "Frame Rate")
    bool readWithGroup;  // the label names it only under its group's title ("Color" of "Lava")
    SettingGroup group;
    SettingUnit unit;
    const char* unitWord;  // after a number in words ("degrees", "%"); "" for none
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
// The name a person reads where the dialog's group box is not around it: "Lava Color",
// "Frame Rate".
std::string spokenName(const SettingRow& row);

// The shift-left-right switch keeps a separate choice per kind of run: its row is named
// "shiftLeftRight" in the table, and stored under the registry name this gives, with this
// default. A person reads and writes it under `key` (the settings file's line and, with
// dashes, the option), and `kind` names the run in words ("as a screen saver").
struct ShiftSwitch {
    const char* registryName;
    const char* key;
    const char* kind;
    bool defaultValue;
};
ShiftSwitch shiftSwitchFor(RunMode mode);
// The three, saver first.
constexpr RunMode shiftSwitchModes[] = {ScreenSaver, Windowed, FullScreen};
bool isShiftSwitchRow(const SettingRow& row);

// A setting as a person meets it: under one key (the settings file's line, the option) and
// one name to read. Every row is one, but the shift switch, which is three: one a kind of
// run, each under its run's registry name ("shiftLeftRightSaver" is "shiftLeftRightSS").
struct KeyedSetting {
    const SettingRow* row;
    const char* key;
    const char* registryName;
    std::string label;  // "Slowly shift … to avoid burn-in, as a screen saver" for the three
    float defaultValue;
};
// In table order.
const std::vector<KeyedSetting>& keyedSettings();
// The keyed setting stored under a registry name; null for a name that is no setting's.
const KeyedSetting* keyedSettingStoredAs(const std::string& registryName);
