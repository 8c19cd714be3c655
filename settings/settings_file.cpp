// The settings text file: reading with one report per unusable line, values by the kind
// their name holds and within their setting's range, and saves that merge this run's
// changes into the file as it stands.
#include "settings/settings_file.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>

#include "settings/settings_table.h"
#include "settings/stored_value_names.h"

namespace {

const char* const header = "# Glimmerjar settings: name = value, one a line (see man glimmerjar)";

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

// A number as a person writes one: digits, a sign, a point, an exponent (no hex, no
// "inf" or "nan"), finite.
bool decimalOf(const std::string& value, double& number) {
    if (value.empty() || value.find_first_not_of("0123456789+-.eE") != std::string::npos) return false;
    char* end = nullptr;
    number = std::strtod(value.c_str(), &end);
    return *end == '\0' && std::isfinite(number);
}

// The range a whole number or a decimal of this name must lie in.
void rangeOf(const std::string& name, double& minimum, double& maximum) {
    if (const SettingRow* row = findSettingRow(name.c_str())) {
        minimum = row->minimum;
        maximum = row->maximum;
        return;
    }
    minimum = INT32_MIN;
    maximum = INT32_MAX;
}

std::string dwordBytes(int32_t value) {
    std::string bytes(4, '\0');
    std::memcpy(&bytes[0], &value, 4);
    return bytes;
}

// What a value line means, by its name's kind.
struct Meaning {
    bool usable = false;
    bool outOfRange = false;  // taken into the range
    StoredType type = StoredType::String;
    std::string bytes;        // what the store hands on: in range
    std::string taken;        // the value as taken, for the report
};

std::string numberText(double number) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6f", number);
    return tidyDecimal(text);
}

Meaning meaningOf(const std::string& name, FileValueKind kind, const std::string& value) {
    Meaning meaning;
    bool flag = false;
    switch (kind) {
        case FileValueKind::Flag:
            if (!flagOf(value, flag)) return meaning;
            meaning.type = StoredType::Dword;
            meaning.bytes = dwordBytes(flag ? 1 : 0);
            break;
        case FileValueKind::Whole: {
            double minimum = 0, maximum = 0;
            rangeOf(name, minimum, maximum);
            long long whole = 0;
            if (!wholeInRange(value, static_cast<long long>(minimum), static_cast<long long>(maximum), whole,
                              meaning.outOfRange))
                return meaning;
            meaning.type = StoredType::Dword;
            meaning.bytes = dwordBytes(static_cast<int32_t>(whole));
            meaning.taken = std::to_string(whole);
            break;
        }
        case FileValueKind::Decimal: {
            double number = 0, minimum = 0, maximum = 0;
            if (!decimalOf(value, number)) return meaning;
            rangeOf(name, minimum, maximum);
            meaning.outOfRange = number < minimum || number > maximum;
            if (meaning.outOfRange) {
                number = number < minimum ? minimum : maximum;
                meaning.taken = numberText(number);
                meaning.bytes = meaning.taken + '\0';
            } else {
                meaning.bytes = value + '\0';
            }
            break;
        }
        case FileValueKind::Unknown: {  // a value this run wrote under a name of its own
            long long whole = 0;
            bool outside = false;
            if (value.find_first_not_of("-0123456789") == std::string::npos &&
                wholeInRange(value, INT32_MIN, INT32_MAX, whole, outside) && !outside) {
                meaning.type = StoredType::Dword;
                meaning.bytes = dwordBytes(static_cast<int32_t>(whole));
                break;
            }
            meaning.bytes = value + '\0';
            break;
        }
        case FileValueKind::Text:
            meaning.bytes = value + '\0';
            break;
    }
    meaning.usable = true;
    return meaning;
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

// Whether two texts of a value say the same, by its kind: "0.33" and "0.330000" do, and so
// do "yes" and "true"; a number taken into its range says something else than it did.
bool sameValue(const std::string& name, const std::string& a, const std::string& b) {
    if (a == b) return true;
    double x = 0, y = 0;
    bool p = false, q = false;
    switch (fileValueKindOf(name)) {
        case FileValueKind::Flag:
            return flagOf(a, p) && flagOf(b, q) && p == q;
        case FileValueKind::Whole:
        case FileValueKind::Decimal:
            return decimalOf(a, x) && decimalOf(b, y) && static_cast<float>(x) == static_cast<float>(y);
        case FileValueKind::Text:
        case FileValueKind::Unknown:
            break;
    }
    return false;
}

std::string valueOf(const std::string& line) {
    std::string name, value;
    splitSettingLine(line, name, value);
    return value;
}

}  // namespace

bool wholeInRange(const std::string& text, long long minimum, long long maximum, long long& value, bool& taken) {
    const std::string number = trimmed(text);
    taken = false;
    size_t digits = number[0] == '-' || number[0] == '+' ? 1 : 0;
    if (number.size() > digits && number.find_first_not_of("0123456789", digits) == std::string::npos) {
        // Digits only: any length, so that nothing wraps.
        errno = 0;
        const long long whole = std::strtoll(number.c_str(), nullptr, 10);
        if (errno == ERANGE) {
            value = whole < 0 ? minimum : maximum;
        } else {
            value = whole < minimum ? minimum : whole > maximum ? maximum : whole;
        }
        taken = errno == ERANGE || value != whole;
        return true;
    }
    // A whole number in a decimal's form (1e9, 250.0); a fraction is no whole number.
    double decimal = 0;
    if (!decimalOf(number, decimal) || decimal != std::floor(decimal)) return false;
    const double rounded = decimal;
    value = rounded < static_cast<double>(minimum)   ? minimum
            : rounded > static_cast<double>(maximum) ? maximum
                                                     : static_cast<long long>(rounded);
    taken = static_cast<double>(value) != rounded;
    return true;
}

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

SettingsFile::SettingsFile(std::string path, const Report& report) : file_(std::move(path)), report_(report) {
    reload();
}

std::vector<SettingsFile::Line> SettingsFile::parse(const std::string& text, bool reportProblems) {
    std::vector<Line> lines;
    int number = 0;
    auto problem = [&](const std::string& line, const std::string& what) {
        // Each line once: a file read again reports only what is new in it.
        if (!reportProblems || !report_ || !reported_.insert(line).second) return;
        report_(path() + " line " + std::to_string(number) + ": " + what);
    };
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        Line line{text.substr(start, end - start), "", false};
        start = end + 1;
        ++number;
        std::string name, value;
        if (isComment(line.text)) {
        } else if (!splitSettingLine(line.text, name, value)) {
            problem(line.text, "not a setting (a setting reads \"name = value\"); ignored");
        } else if (const FileValueKind kind = fileValueKindOf(name); kind == FileValueKind::Unknown) {
            line.name = name;  // kept, so that a later write of the name replaces it
            problem(line.text, "\"" + name + "\" is no setting of Glimmerjar; ignored");
        } else {
            line.name = name;
            const Meaning meaning = meaningOf(name, kind, value);
            if (!meaning.usable) {
                problem(line.text,
                        "\"" + value + "\" is not " + kindWords(kind) + " for " + name + "; the setting keeps its default");
            } else if (meaning.outOfRange) {
                double minimum = 0, maximum = 0;
                rangeOf(name, minimum, maximum);
                problem(line.text, name + " = " + value + " is outside " + numberText(minimum) + " to " +
                                       numberText(maximum) + "; taken as " + meaning.taken);
            }
        }
        lines.push_back(line);
    }
    return lines;
}

const SettingsFile::Line* SettingsFile::lineOf(const std::string& name) const {
    for (size_t i = lines_.size(); i-- > 0;)
        if (lines_[i].name == name) return &lines_[i];
    return nullptr;
}

const SettingsFile::Change* SettingsFile::changeOf(const std::string& name) const {
    for (const Change& change : pending_)
        if (change.name == name) return &change;
    return nullptr;
}

bool SettingsFile::readValue(const char* name, StoredType& type, std::string& bytes) {
    std::string text;
    bool ours = true;
    if (const Change* change = changeOf(name)) {
        if (change->remove) return false;
        text = change->line;
    } else if (const Line* line = lineOf(name)) {
        text = line->text;
        ours = line->ours;
    } else {
        return false;
    }
    const FileValueKind kind = fileValueKindOf(name);
    if (kind == FileValueKind::Unknown && !ours) return false;  // a person's line the program does not know
    const Meaning meaning = meaningOf(name, kind, valueOf(text));
    if (!meaning.usable) return false;
    type = meaning.type;
    bytes = meaning.bytes;
    return true;
}

bool SettingsFile::put(const std::string& name, const std::string& value) {
    if (name.empty() || name.find_first_of(" \t\r\n=#;") != std::string::npos ||
        value.find_first_of("\r\n") != std::string::npos)
        return false;
    for (size_t i = 0; i < pending_.size(); ++i)
        if (pending_[i].name == name) pending_.erase(pending_.begin() + static_cast<std::ptrdiff_t>(i--));
    // The value as the file last had it is no change: the file keeps what it holds now.
    const Line* base = lineOf(name);
    if (base && sameValue(name, valueOf(base->text), value)) return true;
    pending_.push_back({name, false, name + " = " + value});
    return commit();
}

bool SettingsFile::setDword(const char* name, uint32_t value) {
    if (fileValueKindOf(name) == FileValueKind::Flag) return put(name, value ? "true" : "false");
    return put(name, std::to_string(static_cast<int32_t>(value)));
}

bool SettingsFile::setString(const char* name, const char* text) {
    return put(name, fileValueKindOf(name) == FileValueKind::Decimal ? tidyDecimal(text) : std::string(text));
}

bool SettingsFile::deleteValue(const char* name) {
    const bool had = lineOf(name) || (changeOf(name) && !changeOf(name)->remove);
    for (size_t i = 0; i < pending_.size(); ++i)
        if (pending_[i].name == name) pending_.erase(pending_.begin() + static_cast<std::ptrdiff_t>(i--));
    if (!had) return false;
    if (lineOf(name)) pending_.push_back({name, true, ""});
    return commit();
}

void SettingsFile::beginBatch() { ++batchDepth_; }

bool SettingsFile::endBatch() {
    if (batchDepth_ == 0 || --batchDepth_ > 0) return true;
    return commit();
}

bool SettingsFile::commit() { return batchDepth_ > 0 || save(); }

namespace {

bool isLavaRecord(const std::string& name) { return isBlobRecordName(name) || name == blobCountValue; }

// The lines with the changes made: a changed value in the place of its line (the last, if
// the name stands twice), a new one at the end (a setting above the lava's records), a
// removed one gone.
template <typename Line, typename Change>
void applyChanges(std::vector<Line>& lines, const std::vector<Change>& changes) {
    for (const Change& change : changes) {
        bool replaced = false;
        for (size_t i = lines.size(); i-- > 0;) {
            if (lines[i].name != change.name) continue;
            if (change.remove) {
                lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
            } else if (!replaced) {
                lines[i].text = change.line;
                lines[i].ours = true;
                replaced = true;
            }
        }
        if (!change.remove && !replaced) {
            // A new setting goes above the lava's records, which the file keeps last.
            size_t at = lines.size();
            if (!isLavaRecord(change.name))
                for (size_t i = 0; i < lines.size(); ++i)
                    if (isLavaRecord(lines[i].name)) {
                        at = i;
                        break;
                    }
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), {change.line, change.name, true});
        }
    }
    if (lines.empty() || lines.front().text.rfind("# Glimmerjar", 0) != 0) lines.insert(lines.begin(), {header, "", false});
}

template <typename Line>
std::string textOf(const std::vector<Line>& lines) {
    std::string text;
    // Every byte of a line goes back, a zero byte among them (a text file can hold one).
    for (const Line& line : lines) text += line.text + '\n';
    return text;
}

}  // namespace

bool SettingsFile::save() {
    if (pending_.empty()) return true;
    bool foreign = false;
    std::string error;
    FileStamp stamp;
    const bool saved = file_.update(
        [&](std::string& text) {
            // Someone else wrote the file since the base: their values stay, and the
            // program is to take them (changedOnDisk) rather than count them as its own.
            foreign = knownFresh_ ? file_.stamp() != stamp_ : true;
            foreign = foreign && text != textOf(lines_);
            std::vector<Line> lines = parse(text, false);
            applyChanges(lines, pending_);
            text = textOf(lines);
        },
        stamp, error);
    if (saved) {
        applyChanges(lines_, pending_);
        stamp_ = stamp;
        knownFresh_ = !foreign;
    } else if (report_ && !writeFailureReported_) {
        report_("cannot write " + path() + " (" + error + "); the settings are not kept");
        writeFailureReported_ = true;
    }
    pending_.clear();
    return saved;
}

bool SettingsFile::changedOnDisk() const { return !knownFresh_ || file_.stamp() != stamp_; }

std::vector<std::string> SettingsFile::reload() {
    const FileStamp stamp = file_.stamp();
    std::string text, error;
    if (!file_.read(text, error)) {
        if (report_ && reported_.insert("cannot read").second) report_("cannot read " + path() + " (" + error + ")");
        stamp_ = stamp;
        knownFresh_ = true;
        return {};
    }
    std::vector<Line> lines = parse(text, true);
    // The last line of each name is its value.
    std::map<std::string, std::string> before, after;
    for (const Line& line : lines_)
        if (!line.name.empty()) before[line.name] = valueOf(line.text);
    for (const Line& line : lines)
        if (!line.name.empty()) after[line.name] = valueOf(line.text);
    std::vector<std::string> changed;
    for (const auto& [name, value] : after) {
        const auto old = before.find(name);
        if (old == before.end() || !sameValue(name, old->second, value)) changed.push_back(name);
    }
    for (const auto& [name, value] : before)
        if (!after.count(name)) changed.push_back(name);
    lines_ = std::move(lines);
    stamp_ = stamp;
    knownFresh_ = true;
    return changed;
}
