// Reading scene-file text.
#include "scene/scene_tokens.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {

bool isSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

// The length of the number strtof reads at text, 0 when none starts there.
size_t floatLength(const char* text, float* value) {
    char* end = nullptr;
    const float v = std::strtof(text, &end);
    if (value) *value = v;
    return static_cast<size_t>(end - text);
}

}  // namespace

void SceneTokens::skipSpace() {
    while (pos_ < text_.size() && isSpace(text_[pos_])) ++pos_;
}

bool SceneTokens::directive(std::string& word) {
    skipSpace();
    if (pos_ >= text_.size() || text_[pos_] != '#') return false;
    // Like "%s", the word may stand apart from its '#'.
    size_t start = pos_ + 1;
    while (start < text_.size() && isSpace(text_[start])) ++start;
    size_t end = start;
    while (end < text_.size() && !isSpace(text_[end])) ++end;
    // "%s" needs at least one character.
    if (end == start) {
        pos_ = end;
        return false;
    }
    word.assign(text_, start, end - start);
    pos_ = end;
    return true;
}

bool SceneTokens::number(float& value) {
    skipSpace();
    // strtof stops at the terminating zero of the string, which c_str() guarantees.
    const size_t length = floatLength(text_.c_str() + pos_, &value);
    pos_ += length;
    return length > 0;
}

bool SceneTokens::integer(int& value) {
    skipSpace();
    const char* start = text_.c_str() + pos_;
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(start, &end, 10);
    if (end == start) return false;
    value = v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : static_cast<int>(v);
    pos_ += static_cast<size_t>(end - start);
    return true;
}

bool SceneTokens::word(std::string& value) {
    skipSpace();
    const size_t start = pos_;
    while (pos_ < text_.size() && !isSpace(text_[pos_])) ++pos_;
    value.assign(text_, start, pos_ - start);
    return pos_ > start;
}

bool SceneTokens::letter(char c) {
    skipSpace();
    if (pos_ >= text_.size() || text_[pos_] != c) return false;
    ++pos_;
    return true;
}

bool SceneTokens::numbers(float* values, int n) {
    for (int k = 0; k < n; ++k)
        if (!number(values[k])) return false;
    return true;
}

int SceneTokens::numbersAhead() const {
    int count = 0;
    size_t at = pos_;
    for (;;) {
        while (at < text_.size() && isSpace(text_[at])) ++at;
        const size_t length = floatLength(text_.c_str() + at, nullptr);
        if (length == 0) return count;
        at += length;
        ++count;
    }
}

int SceneTokens::line() const {
    int line = 1;
    for (size_t i = 0; i < pos_ && i < text_.size(); ++i) line += text_[i] == '\n';
    return line;
}
