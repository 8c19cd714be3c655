// The settings text file: reading with one report per unusable line, values by the kind
// their name holds, writing back with every other line untouched.
#include "settings/settings_file.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "settings/settings_table.h"
#include "settings/stored_value_names.h"

namespace {

std::string trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    const size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

bool isComment(const std::string& text) {
    const std::string line = trimmed(text);
    return line.empty() || line[0] == '#' || line[0] == ';';
}

bool flagOf(const std::string& value, bool& flag) {
    static const char* const truths[] = {"true", "yes", "on", "1"};
    static const char* const falsehoods[] = {"false", "no", "off", "0"};
    for (const char* word : truths) {
        if (value != word) continue;
        flag = true;
        return true;
    }
    for (const char* word : falsehoods) {
        if (value != word) continue;
        flag = false;
        return true;
    }
    return false;
}

bool wholeOf(const std::string& value, int32_t& whole) {
    if (value.empty()) return false;
    errno = 0;
    char* end = nullptr;
    const long long number = std::strtoll(value.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || number < INT32_MIN || number > UINT32_MAX) return false;
    whole = static_cast<int32_t>(static_cast<uint32_t>(number));
    return true;
}

bool decimalOf(const std::string& value) {
    if (value.empty()) return false;
    char* end = nullptr;
    const float number = std::strtof(value.c_str(), &end);
    return *end == '\0' && std::isfinite(number);
}

std::string dwordBytes(int32_t value) {
    std::string bytes(4, '\0');
    std::memcpy(&bytes[0], &value, 4);
    return bytes;
}

// The value as the store hands it on, by kind; false when the text is not such a value.
bool storedValue(FileValueKind kind, const std::string& value, StoredType& type, std::string& bytes) {
    int32_t whole = 0;
    bool flag = false;
    switch (kind) {
        case FileValueKind::Flag:
            if (!flagOf(value, flag)) return false;
            type = StoredType::Dword;
            bytes = dwordBytes(flag ? 1 : 0);
            return true;
        case FileValueKind::Whole:
            if (!wholeOf(value, whole)) return false;
            type = StoredType::Dword;
            bytes = dwordBytes(whole);
            return true;
        case FileValueKind::Decimal:
            if (!decimalOf(value)) return false;
            break;
        case FileValueKind::Text:
            break;
        case FileValueKind::Unknown:  // a value this run wrote under a name of its own
            if (wholeOf(value, whole)) {
                type = StoredType::Dword;
                bytes = dwordBytes(whole);
                return true;
            }
            break;
    }
    type = StoredType::String;
    bytes = value + '\0';
    return true;
}

const char* kindWords(FileValueKind kind) {
    switch (kind) {
        case FileValueKind::Flag:
            return "true or false";
        case FileValueKind::Whole:
            return "a whole number";
        case FileValueKind::Decimal:
            return "a number";
        case FileValueKind::Text:
        case FileValueKind::Unknown:
            break;
    }
    return "a value";
}

}  // namespace

FileValueKind fileValueKindOf(const std::string& name) {
    if (const SettingRow* row = findSettingRow(name.c_str())) {
        switch (row->kind) {
            case SettingKind::Bool:
                return FileValueKind::Flag;
            case SettingKind::Int:
                return FileValueKind::Whole;
            case SettingKind::Float:
                return FileValueKind::Decimal;
        }
    }
    if (isBlobRecordName(name)) return FileValueKind::Text;
    for (RunMode mode : {Windowed, FullScreen, ScreenSaver})
        if (name == shiftSwitchFor(mode).registryName) return FileValueKind::Flag;
    if (name == startFullScreenValue) return FileValueKind::Flag;
    if (name == blobCountValue || name == handOverXValue || name == handOverYValue) return FileValueKind::Whole;
    return FileValueKind::Unknown;
}

bool splitSettingLine(const std::string& line, std::string& name, std::string& value) {
    const size_t equals = line.find('=');
    if (equals == std::string::npos) return false;
    name = trimmed(line.substr(0, equals));
    value = trimmed(line.substr(equals + 1));
    return !name.empty() && name.find_first_of(" \t") == std::string::npos;
}

std::string tidyDecimal(const std::string& text) {
    if (text.find('.') == std::string::npos || text.find_first_of("eE") != std::string::npos) return text;
    std::string tidy = text;
    while (tidy.size() > 1 && tidy.back() == '0') tidy.pop_back();
    if (tidy.back() == '.') tidy.pop_back();
    return tidy == "-0" ? "0" : tidy;
}

SettingsFile::SettingsFile(std::string path, const Report& report) : path_(std::move(path)), report_(report) {
    read();
}

void SettingsFile::read() {
    std::ifstream in(path_);
    std::string text;
    int number = 0;
    auto problem = [&](const std::string& what) {
        if (report_) report_(path_ + " line " + std::to_string(number) + ": " + what);
    };
    while (std::getline(in, text)) {
        ++number;
        Line line{text, "", false};
        std::string name, value;
        if (isComment(text)) {
        } else if (!splitSettingLine(text, name, value)) {
            problem("not a setting (a setting reads \"name = value\"); ignored");
        } else if (const FileValueKind kind = fileValueKindOf(name); kind == FileValueKind::Unknown) {
            line.name = name;  // kept, so that a later write of the name replaces it
            problem("\"" + name + "\" is no setting of Glimmerjar; ignored");
        } else {
            line.name = name;
            StoredType type;
            std::string bytes;
            line.usable = storedValue(kind, value, type, bytes);
            if (!line.usable)
                problem("\"" + value + "\" is not " + kindWords(kind) + " for " + name + "; the setting keeps its default");
        }
        lines_.push_back(line);
    }
}

SettingsFile::Line* SettingsFile::lineOf(const std::string& name) {
    for (size_t i = lines_.size(); i-- > 0;)
        if (lines_[i].name == name) return &lines_[i];
    return nullptr;
}

bool SettingsFile::readValue(const char* name, StoredType& type, std::string& bytes) {
    const Line* line = lineOf(name);
    if (!line || !line->usable) return false;
    std::string key, value;
    splitSettingLine(line->text, key, value);
    return storedValue(fileValueKindOf(name), value, type, bytes);
}

bool SettingsFile::put(const std::string& name, const std::string& value) {
    if (name.empty() || name.find_first_of(" \t\r\n=#;") != std::string::npos ||
        value.find_first_of("\r\n") != std::string::npos)
        return false;
    std::vector<Line> before = undoCopy();
    const Line written{name + " = " + value, name, true};
    if (Line* line = lineOf(name))
        *line = written;
    else
        lines_.push_back(written);
    return commit(std::move(before));
}

bool SettingsFile::setDword(const char* name, uint32_t value) {
    if (fileValueKindOf(name) == FileValueKind::Flag) return put(name, value ? "true" : "false");
    return put(name, std::to_string(static_cast<int32_t>(value)));
}

bool SettingsFile::setString(const char* name, const char* text) {
    return put(name, fileValueKindOf(name) == FileValueKind::Decimal ? tidyDecimal(text) : std::string(text));
}

bool SettingsFile::deleteValue(const char* name) {
    std::vector<Line> before = undoCopy();
    bool found = false;
    for (size_t i = lines_.size(); i-- > 0;) {
        if (lines_[i].name != name) continue;
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(i));
        found = true;
    }
    if (!found) return false;
    return commit(std::move(before));
}

std::vector<SettingsFile::Line> SettingsFile::undoCopy() const {
    return batchDepth_ > 0 ? std::vector<Line>() : lines_;
}

bool SettingsFile::commit(std::vector<Line>&& before) {
    if (batchDepth_ > 0) {
        batchChanged_ = true;
        return true;
    }
    if (write()) return true;
    lines_ = std::move(before);  // a write that did not reach the file did not happen
    return false;
}

void SettingsFile::beginBatch() {
    if (batchDepth_++ == 0) {
        beforeBatch_ = lines_;
        batchChanged_ = false;
    }
}

bool SettingsFile::endBatch() {
    if (batchDepth_ == 0 || --batchDepth_ > 0 || !batchChanged_) return true;
    batchChanged_ = false;
    return commit(std::move(beforeBatch_));
}

bool SettingsFile::write() {
    const std::string temporary = path_ + ".new";
    std::FILE* out = std::fopen(temporary.c_str(), "w");
    if (!out) return writeFailed(std::strerror(errno));
    bool written = true;
    if (lines_.empty() || lines_.front().text.rfind("# Glimmerjar", 0) != 0)
        written = std::fputs("# Glimmerjar settings: name = value, one a line (see man glimmerjar)\n", out) >= 0;
    // Every byte of a line goes back, a zero byte among them (a text file can hold one).
    for (const Line& line : lines_)
        written = written && std::fwrite(line.text.data(), 1, line.text.size(), out) == line.text.size() &&
                  std::fputc('\n', out) != EOF;
    written = (std::fclose(out) == 0) && written;
    if (written && std::rename(temporary.c_str(), path_.c_str()) == 0) return true;
    const std::string reason = std::strerror(errno);
    std::remove(temporary.c_str());
    return writeFailed(reason);
}

bool SettingsFile::writeFailed(const std::string& reason) {
    if (report_ && !writeFailureReported_)
        report_("cannot write " + path_ + " (" + reason + "); the settings are not kept");
    writeFailureReported_ = true;
    return false;
}
