// The settings table read as command-line options.
#include "settings/setting_options.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

const SettingRow* rowOfOption(const std::string& name) {
    for (size_t i = 0; i < settingRowCount; ++i)
        if (optionNameOf(settingRows[i]) == name) return &settingRows[i];
    return nullptr;
}

}  // namespace

bool splitOption(const std::string& argument, std::string& name, std::string& value, bool& inlineValue) {
    size_t dashes = 0;
    while (dashes < argument.size() && dashes < 2 && argument[dashes] == '-') ++dashes;
    if (dashes == 0 || dashes == argument.size()) return false;
    name = argument.substr(dashes);
    const size_t equals = name.find('=');
    inlineValue = equals != std::string::npos;
    if (inlineValue) {
        value = name.substr(equals + 1);
        name.erase(equals);
    }
    return true;
}

std::string optionNameOf(const SettingRow& row) {
    std::string option;
    for (const char* c = row.name; *c; ++c) {
        if (*c == '_') {
            option += '-';
        } else if (std::isupper(static_cast<unsigned char>(*c))) {
            option += '-';
            option += static_cast<char>(std::tolower(static_cast<unsigned char>(*c)));
        } else {
            option += *c;
        }
    }
    return option;
}

std::string optionNumber(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
    return text;
}

OptionRead readSettingOption(const std::vector<std::string>& arguments, size_t& index,
                             std::vector<SettingOverride>& overrides, std::string& error) {
    std::string name, value;
    bool inlineValue = false;
    if (!splitOption(arguments[index], name, value, inlineValue)) return OptionRead::NotASetting;
    const std::string option = "--" + name;

    bool negated = false;
    const SettingRow* row = rowOfOption(name);
    if (!row && name.rfind("no-", 0) == 0) {
        row = rowOfOption(name.substr(3));
        negated = row && row->kind == SettingKind::Bool;
        if (!negated) row = nullptr;
    }
    if (!row) return OptionRead::NotASetting;

    if (row->kind == SettingKind::Bool) {
        if (inlineValue) {
            error = option + " takes no value";
            return OptionRead::Bad;
        }
        overrides.push_back({row, negated ? 0.0f : 1.0f});
        ++index;
        return OptionRead::Taken;
    }
    if (!inlineValue) {
        if (index + 1 >= arguments.size()) {
            error = option + " needs a number";
            return OptionRead::Bad;
        }
        value = arguments[index + 1];
    }
    char* end = nullptr;
    const float number = value.empty() ? NAN : std::strtof(value.c_str(), &end);
    if (!std::isfinite(number) || *end != '\0' ||
        (row->kind == SettingKind::Int && number != std::floor(number))) {
        error = option + ": \"" + value + "\" is not " + (row->kind == SettingKind::Int ? "a whole number" : "a number");
        return OptionRead::Bad;
    }
    if (number < row->minimum || number > row->maximum) {
        error = option + ": " + value + " is not between " + optionNumber(row->minimum) + " and " +
                optionNumber(row->maximum);
        return OptionRead::Bad;
    }
    overrides.push_back({row, number});
    index += inlineValue ? 1 : 2;
    return OptionRead::Taken;
}

std::vector<SettingOptionHelp> settingOptionHelp() {
    std::vector<SettingOptionHelp> help;
    for (size_t i = 0; i < settingRowCount; ++i) {
        const SettingRow& row = settingRows[i];
        const std::string name = optionNameOf(row);
        if (row.kind == SettingKind::Bool) {
            help.push_back({"--" + name + ", --no-" + name,
                            std::string("on or off; ") + (row.defaultValue != 0 ? "on" : "off") + " as it comes"});
        } else {
            help.push_back({"--" + name + (row.kind == SettingKind::Int ? " N" : " X"),
                            optionNumber(row.minimum) + " to " + optionNumber(row.maximum) + ", " +
                                optionNumber(row.defaultValue) + " as it comes"});
        }
    }
    return help;
}

std::vector<std::string> settingOptionLines() {
    std::vector<std::string> lines;
    for (const SettingOptionHelp& option : settingOptionHelp()) {
        std::string line = option.option;
        line.resize(std::max<size_t>(line.size() + 2, 30), ' ');  // the manual's column, after an indent of 2
        lines.push_back(line + option.text);
    }
    return lines;
}
