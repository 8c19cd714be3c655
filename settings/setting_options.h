// Every setting of the table as a command-line option of the Linux program, named after
// its key in the settings file ("lavaHue" is "--lava-hue", "frameRate" "--frame-rate"): a
// value in a person's words ("--lava-hue 0.33", "--frame-rate=25", "--priority low") or a
// flag ("--show-particles", "--no-show-particles"). One dash works as well as two, as
// XScreenSaver's hacks are used to.
#pragma once

#include <string>
#include <vector>

#include "settings/settings_table.h"

// An option's parts: "--speed=120" and "-speed=120" give name "speed", value "120" and
// inlineValue true; false for an argument that is no option ("lamp", "-", "--").
bool splitOption(const std::string& argument, std::string& name, std::string& value, bool& inlineValue);

// What a person typed, as a message quotes it: whole when short, else its first 40
// characters and "..." (an option of 100 kB is not echoed back whole).
std::string quotedArgument(const std::string& text);

// A key as an option's name: "lavaHue" -> "lava-hue", "rot_angle" -> "rot-angle",
// "translateX" -> "translate-x".
std::string optionNameOf(const char* key);

struct SettingOverride {
    const SettingRow* row;
    float value;  // as the store keeps it (a frame-rate index, not frames a second)
    // The name it is stored under where the option names one kind of run's shift switch
    // ("shiftLeftRightWin" for --shift-left-right-window); null for the row's own name,
    // which for the shift switch means this run's.
    const char* registryName = nullptr;
};

enum class OptionRead { NotASetting, Taken, Bad };

// Reads the option at arguments[index]; on Taken, index is moved past its value and the
// override appended (and `note` says so when a frame rate was taken as the nearest the
// lamp has); on Bad, error says what was wrong ("--speed: 5000 is not between 0 and 1000").
OptionRead readSettingOption(const std::vector<std::string>& arguments, size_t& index,
                             std::vector<SettingOverride>& overrides, std::string& error, std::string& note);

// Each setting's option with what it takes, in plain words: its name as a person reads it,
// its range, its default and its key in the settings file.
struct SettingOptionHelp {
    std::string option, text;
};
std::vector<SettingOptionHelp> settingOptionHelp();
// The same as lines for --help.
std::vector<std::string> settingOptionLines();
