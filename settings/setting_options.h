// Every setting of the table as a command-line option of the Linux program: a number
// ("--lava-hue 0.33", "--speed=120") or a flag ("--show-particles", "--no-show-particles").
// One dash works as well as two, as XScreenSaver's hacks are used to.
#pragma once

#include <string>
#include <vector>

#include "settings/settings_table.h"

// An option's parts: "--speed=120" and "-speed=120" give name "speed", value "120" and
// inlineValue true; false for an argument that is no option ("lamp", "-", "--").
bool splitOption(const std::string& argument, std::string& name, std::string& value, bool& inlineValue);

// "lavaHue" -> "lava-hue", "rot_angle" -> "rot-angle", "translateX" -> "translate-x".
std::string optionNameOf(const SettingRow& row);

struct SettingOverride {
    const SettingRow* row;
    float value;
};

enum class OptionRead { NotASetting, Taken, Bad };

// Reads the option at arguments[index]; on Taken, index is moved past its value and the
// override appended; on Bad, error says what was wrong ("--speed: 5000 is not between 0
// and 1000").
OptionRead readSettingOption(const std::vector<std::string>& arguments, size_t& index,
                             std::vector<SettingOverride>& overrides, std::string& error);

// Each setting's option with what it takes, its range and default: "--lava-hue X" and
// "0 to 1, as it comes 0".
struct SettingOptionHelp {
    std::string option, text;
};
std::vector<SettingOptionHelp> settingOptionHelp();
// The same as lines for --help.
std::vector<std::string> settingOptionLines();
// How a row's number reads in options and configuration files ("0.44", "100").
std::string optionNumber(float value);
