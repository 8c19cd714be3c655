// The settings table read as command-line options.
#include "settings/setting_options.h"

#include <algorithm>
#include <cctype>

#include "settings/setting_values.h"

namespace {

struct OptionTarget {
    const SettingRow* row = nullptr;
    const char* registryName = nullptr;  // null: the row's own (this run's shift switch)
};

OptionTarget targetOf(const std::string& name) {
    for (const KeyedSetting& setting : keyedSettings()) {
        if (optionNameOf(setting.key) != name) continue;
        const bool ownName = setting.key == setting.row->name;
        return {setting.row, ownName ? nullptr : setting.registryName};
    }
    // The shift switch's option before it had one a kind of run: this run's.
    for (size_t i = 0; i < settingRowCount; ++i)
        if (isShiftSwitchRow(settingRows[i]) && optionNameOf(settingRows[i].name) == name) return {&settingRows[i]};
    return {};
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

std::string quotedArgument(const std::string& text) {
    constexpr size_t longest = 40;
    return text.size() <= longest ? text : text.substr(0, longest) + "...";
}

std::string optionNameOf(const char* key) {
    std::string option;
    for (const char* c = key; *c; ++c) {
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

OptionRead readSettingOption(const std::vector<std::string>& arguments, size_t& index,
                             std::vector<SettingOverride>& overrides, std::string& error, std::string& note) {
    std::string name, value;
    bool inlineValue = false;
    if (!splitOption(arguments[index], name, value, inlineValue)) return OptionRead::NotASetting;
    const std::string option = "--" + quotedArgument(name);

    bool negated = false;
    OptionTarget target = targetOf(name);
    if (!target.row && name.rfind("no-", 0) == 0) {
        target = targetOf(name.substr(3));
        negated = target.row && target.row->kind == SettingKind::Bool;
        if (!negated) target = {};
    }
    const SettingRow* row = target.row;
    if (!row) return OptionRead::NotASetting;

    if (row->kind == SettingKind::Bool) {
        if (inlineValue) {
            error = option + " takes no value";
            return OptionRead::Bad;
        }
        overrides.push_back({row, negated ? 0.0f : 1.0f, target.registryName});
        ++index;
        return OptionRead::Taken;
    }
    if (!inlineValue) {
        if (index + 1 >= arguments.size()) {
            error = option + " needs " + (row->unit == SettingUnit::PriorityName ? "low, normal or high" : "a number");
            return OptionRead::Bad;
        }
        value = arguments[index + 1];
    }
    float stored = 0;
    switch (readSpokenValue(*row, value, stored)) {
        case SpokenRead::Bad:
            error = option + ": \"" + quotedArgument(value) + "\" is not " +
                    (row->unit == SettingUnit::PriorityName ? "low, normal or high"
                     : row->kind == SettingKind::Int    ? "a whole number"
                                                        : "a number");
            return OptionRead::Bad;
        case SpokenRead::OutOfRange:
            error = option + ": " + quotedArgument(value) + " is outside " + spokenRange(*row);
            return OptionRead::Bad;
        case SpokenRead::Nearest:
            note = option + " " + value + ": the lamp draws " + spokenValue(*row, stored) +
                   " frames a second, the nearest of its rates (" + spokenFrameRates() + ")";
            break;
        case SpokenRead::Exact:
            break;
    }
    overrides.push_back({row, stored, target.registryName});
    index += inlineValue ? 1 : 2;
    return OptionRead::Taken;
}

std::vector<SettingOptionHelp> settingOptionHelp() {
    std::vector<SettingOptionHelp> help;
    for (const KeyedSetting& setting : keyedSettings()) {
        const SettingRow& row = *setting.row;
        const std::string name = optionNameOf(setting.key);
        const std::string key = std::string(" In the settings file: ") + setting.key +
                                (row.kind == SettingKind::Bool ? " = true or false." : ".");
        if (row.kind == SettingKind::Bool) {
            help.push_back({"--" + name + ", --no-" + name, setting.label + ": on or off; default " +
                                                                (setting.defaultValue != 0 ? "on." : "off.") + key});
            continue;
        }
        std::string range = spokenRange(row);
        if (row.unit == SettingUnit::FramesPerSecond) range += ", the nearest of " + spokenFrameRates();
        // How much of the processor the lamp may take before other programs.
        if (row.unit == SettingUnit::PriorityName) range += " (low gives way to every other program)";
        help.push_back({"--" + name + (row.unit == SettingUnit::PriorityName ? " NAME"
                                       : row.kind == SettingKind::Int     ? " N"
                                                                          : " X"),
                        setting.label + ": " + range + "; default " + spokenValue(row, setting.defaultValue) + "." +
                            key});
    }
    return help;
}

std::vector<std::string> settingOptionLines() {
    // As --help shows the manual's definitions: the option from column 2 (the lines come
    // without that indent), its text from column 32 (below an option too long for the
    // column), every line ending by column 79.
    constexpr size_t textColumn = 30, lineEnd = 77;
    std::vector<std::string> lines;
    for (const SettingOptionHelp& option : settingOptionHelp()) {
        std::string line = option.option;
        if (line.size() + 2 > textColumn) {
            lines.push_back(line);
            line.clear();
        }
        line.resize(textColumn, ' ');
        size_t at = 0;
        while (at < option.text.size()) {
            size_t end = option.text.size();
            if (end - at > lineEnd - textColumn) {
                end = option.text.rfind(' ', at + (lineEnd - textColumn));
                if (end == std::string::npos || end <= at) end = option.text.find(' ', at + 1);
                if (end == std::string::npos) end = option.text.size();
            }
            lines.push_back(line + option.text.substr(at, end - at));
            line.assign(textColumn, ' ');
            at = end < option.text.size() ? end + 1 : end;
        }
    }
    return lines;
}
