// The settings text file: reading with one report per unusable line, values by the kind
// their name holds and within their setting's range, and saves that merge this run's
// changes into the file as it stands.
#include "settings/settings_file.h"

#include <algorithm>
#include <map>

#include "settings/settings_table.h"
#include "settings/stored_value_names.h"

namespace {

// How many of a parse's problems are named one by one; the rest are counted.
constexpr int problemsNamed = 5;

bool isLavaRecord(const std::string& name) { return isBlobRecordName(name) || name == blobCountValue; }

}  // namespace

SettingsFile::SettingsFile(std::string path, const Report& report) : file_(std::move(path)), report_(report) {
    reload();
}

SettingsText SettingsFile::parse(const std::string& bytes, bool reportProblems) {
    int problems = 0;
    const auto problem = [&](int number, const std::string& line, const std::string& what) {
        // Each line once: a file read again reports only what is new in it.
        if (!reportProblems || !report_ || reported_.count(line)) return;
        if (++problems > problemsNamed) return;
        reported_.insert(line);
        report_(path() + " line " + std::to_string(number) + ": " + what);
    };
    SettingsText text = SettingsText::parse(bytes, problem);
    if (problems > problemsNamed)
        report_(path() + ": " + std::to_string(problems - problemsNamed) +
                " more lines it cannot use, each ignored and left as it is");
    return text;
}

const SettingsChange* SettingsFile::changeOf(const std::string& name) const {
    for (const SettingsChange& change : pending_)
        if (change.name == name) return &change;
    return nullptr;
}

bool SettingsFile::readValue(const char* name, StoredType& type, std::string& bytes) {
    std::string value;
    bool ours = true;
    FileUnits units = FileUnits::Current;  // this run's own values are in today's units
    if (const SettingsChange* change = changeOf(name)) {
        if (change->remove) return false;
        value = change->value;
    } else if (const SettingsTextLine* line = base_.lineOf(name)) {
        value = valueOfLine(line->text);
        ours = line->ours;
        if (!ours) units = base_.units;
    } else {
        return false;
    }
    const FileKey key = fileKeyOf(keyOfStoredName(name));
    if (key.kind == FileValueKind::Unknown && !ours) return false;  // a person's line the program does not know
    const FileValue meaning = fileValueOf(key, value, units);
    if (!meaning.usable) return false;
    type = meaning.type;
    bytes = meaning.bytes;
    return true;
}

bool SettingsFile::sameValue(const std::string& name, const std::string& a, const std::string& b) const {
    if (a == b) return true;
    const FileKey key = fileKeyOf(keyOfStoredName(name));
    if (key.kind == FileValueKind::Unknown || key.kind == FileValueKind::Text) return false;
    const FileValue x = fileValueOf(key, a), y = fileValueOf(key, b);
    // A number taken into its range says something else than it did.
    return x.read == SpokenRead::Exact && y.read == SpokenRead::Exact && x.bytes == y.bytes;
}

bool SettingsFile::put(const std::string& name, const std::string& value) {
    if (name.empty() || name.find_first_of(" \t\r\n=#;") != std::string::npos ||
        value.find_first_of("\r\n") != std::string::npos || value.find(" #") != std::string::npos ||
        value.find("\t#") != std::string::npos)
        return false;
    for (size_t i = 0; i < pending_.size(); ++i)
        if (pending_[i].name == name) pending_.erase(pending_.begin() + static_cast<std::ptrdiff_t>(i--));
    // The value as the file last had it is no change: the file keeps what it holds now
    // (in a file of older units, only a line already written this run can say the same).
    const SettingsTextLine* base = base_.lineOf(name);
    if (base && (base_.units == FileUnits::Current || base->ours) && sameValue(name, valueOfLine(base->text), value))
        return true;
    pending_.push_back({name, false, value});
    return commit();
}

bool SettingsFile::setDword(const char* name, uint32_t value) {
    return put(name, fileTextOfDword(fileKeyOf(keyOfStoredName(name)), value));
}

bool SettingsFile::setString(const char* name, const char* text) {
    return put(name, fileTextOfString(fileKeyOf(keyOfStoredName(name)), text));
}

bool SettingsFile::deleteValue(const char* name) {
    const bool had = base_.lineOf(name) || (changeOf(name) && !changeOf(name)->remove);
    for (size_t i = 0; i < pending_.size(); ++i)
        if (pending_[i].name == name) pending_.erase(pending_.begin() + static_cast<std::ptrdiff_t>(i--));
    if (!had) return false;
    if (base_.lineOf(name)) pending_.push_back({name, true, ""});
    return commit();
}

void SettingsFile::reportUnusable(const char* name, const std::string& what, const std::string& instead) {
    if (report_) report_(path() + ": " + keyOfStoredName(name) + " is not " + what + "; " + instead);
}

void SettingsFile::tell(const std::string& sentence) {
    if (report_) report_(path() + ": " + sentence);
}

void SettingsFile::beginBatch() { ++batchDepth_; }

bool SettingsFile::endBatch() {
    if (batchDepth_ == 0 || --batchDepth_ > 0) return true;
    return commit();
}

bool SettingsFile::commit() { return batchDepth_ > 0 || save(); }

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
            foreign = foreign && text != base_.bytes();
            SettingsText now = parse(text, false);
            now.apply(pending_);
            text = now.bytes();
        },
        stamp, error);
    if (saved) {
        base_.apply(pending_);
        stamp_ = stamp;
        knownFresh_ = !foreign;
    } else if (report_ && failuresReported_.insert(error).second) {
        // What was not kept, as a person knows it: the settings by their keys, the lava whole.
        std::vector<std::string> lost;
        for (const SettingsChange& change : pending_) {
            const std::string what = isLavaRecord(change.name) ? "the lava" : keyOfStoredName(change.name);
            if (std::find(lost.begin(), lost.end(), what) == lost.end()) lost.push_back(what);
        }
        std::string list;
        for (size_t i = 0; i < lost.size(); ++i) list += (i == 0 ? "" : i + 1 == lost.size() ? " and " : ", ") + lost[i];
        report_("cannot write " + path() + " (" + error + "); not kept: " + list);
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
    SettingsText now = parse(text, true);
    // The last line of each name is its value; values are compared as the store holds them.
    const std::map<std::string, std::string> before = base_.storedValues(), after = now.storedValues();
    std::vector<std::string> changed;
    for (const auto& [name, value] : after) {
        const auto old = before.find(name);
        if (old == before.end() || old->second != value) changed.push_back(name);
    }
    for (const auto& [name, value] : before)
        if (!after.count(name)) changed.push_back(name);
    base_ = std::move(now);
    stamp_ = stamp;
    knownFresh_ = true;
    return changed;
}
