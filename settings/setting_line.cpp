// The settings file's lines: keys, values in a person's words, comments kept.
#include "settings/setting_line.h"

#include <climits>
#include <cstring>

#include "settings/stored_value_names.h"

const char* const settingsFileHeader =
    "# Glimmerjar settings: key = value, one a line, in the units man glimmerjar gives";
const char* const settingsFileHeaderOfFrameRateIndex =
    "# Glimmerjar settings: name = value, one a line (see man glimmerjar)";

namespace {

std::string trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    const size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::string dwordBytes(int32_t value) {
    std::string bytes(4, '\0');
    std::memcpy(&bytes[0], &value, 4);
    return bytes;
}

FileValue dwordValue(int32_t value, SpokenRead read = SpokenRead::Exact) {
    FileValue result;
    result.usable = true;
    result.read = read;
    result.type = StoredType::Dword;
    result.bytes = dwordBytes(value);
    return result;
}

FileValue textValue(const std::string& text) {
    FileValue result;
    result.usable = true;
    result.read = SpokenRead::Exact;
    result.bytes = text + '\0';
    return result;
}

FileValue settingValue(const SettingRow& row, const std::string& value, FileUnits units) {
    float stored = 0;
    SpokenRead read = SpokenRead::Bad;
    if (units == FileUnits::FrameRateIndex && row.unit == SettingUnit::FramesPerSecond) {
        long long index = 0;
        bool taken = false;
        if (wholeInRange(value, static_cast<long long>(row.minimum), static_cast<long long>(row.maximum), index,
                         taken)) {
            stored = static_cast<float>(index);
            read = taken ? SpokenRead::OutOfRange : SpokenRead::Exact;
        }
    } else {
        read = readSpokenValue(row, value, stored);
    }
    if (read == SpokenRead::Bad) return {};
    FileValue result = row.kind == SettingKind::Float ? textValue(numberText(stored))
                                                      : dwordValue(static_cast<int32_t>(stored));
    result.read = read;
    if (read != SpokenRead::Exact) result.taken = spokenValue(row, stored);
    return result;
}

}  // namespace

bool splitSettingLine(const std::string& line, SettingLineParts& parts) {
    const size_t equals = line.find('=');
    if (equals == std::string::npos) return false;
    parts.key = trimmed(line.substr(0, equals));
    std::string rest = line.substr(equals + 1);
    parts.comment.clear();
    // A '#' after a blank (or right after the '=') begins a comment; a '#' inside a word
    // is the value's own.
    for (size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] != '#' || (i > 0 && rest[i - 1] != ' ' && rest[i - 1] != '\t')) continue;
        size_t start = i;
        while (start > 0 && (rest[start - 1] == ' ' || rest[start - 1] == '\t')) --start;
        parts.comment = rest.substr(start);
        rest.erase(start);
        break;
    }
    parts.value = trimmed(rest);
    return !parts.key.empty() && parts.key.find_first_of(" \t") == std::string::npos;
}

std::string joinSettingLine(const SettingLineParts& parts) { return parts.key + " = " + parts.value + parts.comment; }

FileKey fileKeyOf(const std::string& key) {
    FileKey result;
    result.storedName = key;
    for (const KeyedSetting& setting : keyedSettings()) {
        if (key != setting.key && key != setting.registryName) continue;
        result.kind = FileValueKind::Setting;
        result.storedName = setting.registryName;
        result.row = setting.row;
        result.legacy = key != setting.key;
        return result;
    }
    if (isBlobRecordName(key)) {
        result.kind = FileValueKind::Text;
    } else if (key == startFullScreenValue) {
        result.kind = FileValueKind::Flag;
    } else if (key == blobCountValue || key == handOverXValue || key == handOverYValue) {
        result.kind = FileValueKind::Whole;
    }
    return result;
}

std::string keyOfStoredName(const std::string& storedName) {
    const KeyedSetting* setting = keyedSettingStoredAs(storedName);
    return setting ? setting->key : storedName;
}

FileValue fileValueOf(const FileKey& key, const std::string& value, FileUnits units) {
    switch (key.kind) {
        case FileValueKind::Setting:
            return settingValue(*key.row, value, units);
        case FileValueKind::Flag: {
            bool flag = false;
            return flagOf(value, flag) ? dwordValue(flag ? 1 : 0) : FileValue{};
        }
        case FileValueKind::Whole: {
            long long whole = 0;
            bool taken = false;
            if (!wholeInRange(value, INT32_MIN, INT32_MAX, whole, taken)) return {};
            FileValue result = dwordValue(static_cast<int32_t>(whole), taken ? SpokenRead::OutOfRange : SpokenRead::Exact);
            if (taken) result.taken = std::to_string(whole);
            return result;
        }
        case FileValueKind::Text:
            return textValue(value);
        case FileValueKind::Unknown:
            break;
    }
    // A value this run wrote under a name of its own: a number stays a number.
    long long whole = 0;
    bool outside = false;
    if (value.find_first_not_of("-0123456789") == std::string::npos &&
        wholeInRange(value, INT32_MIN, INT32_MAX, whole, outside) && !outside)
        return dwordValue(static_cast<int32_t>(whole));
    return textValue(value);
}

std::string fileTextOfDword(const FileKey& key, uint32_t value) {
    const int32_t number = static_cast<int32_t>(value);
    if (key.kind == FileValueKind::Setting) return spokenValue(*key.row, static_cast<float>(number));
    if (key.kind == FileValueKind::Flag) return value ? "true" : "false";
    return std::to_string(number);
}

std::string fileTextOfString(const FileKey& key, const std::string& text) {
    if (key.kind == FileValueKind::Setting && key.row->kind == SettingKind::Float) return tidyDecimal(text);
    return text;
}

std::string fileKindWords(const FileKey& key) {
    switch (key.kind) {
        case FileValueKind::Setting:
            switch (key.row->unit) {
                case SettingUnit::FramesPerSecond:
                    return "a number of frames a second";
                case SettingUnit::PriorityName:
                    return "low, normal or high";
                case SettingUnit::Stored:
                    break;
            }
            if (key.row->kind == SettingKind::Bool) return "true or false";
            return key.row->kind == SettingKind::Int ? "a whole number" : "a number";
        case FileValueKind::Flag:
            return "true or false";
        case FileValueKind::Whole:
            return "a whole number";
        case FileValueKind::Text:
        case FileValueKind::Unknown:
            break;
    }
    return "a value";
}
