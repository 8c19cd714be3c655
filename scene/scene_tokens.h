// SceneTokens: a cursor over the text of a scene file, reading it the way the format is
// defined — white space (line breaks included) separates everything, numbers are read as
// by strtof/strtol, a directive is '#' and the word after it.
#pragma once

#include <cstddef>
#include <string>

class SceneTokens {
public:
    explicit SceneTokens(std::string text) : text_(std::move(text)) {}

    // " #%s": skips white space, then '#' and the word up to the next white space (white
    // space between the two is skipped too). False at the end or before anything else.
    bool directive(std::string& word);
    // " %f" and " %d". False, with nothing consumed, when no number starts here.
    bool number(float& value);
    bool integer(int& value);
    // " %s": the next run of characters that are not white space.
    bool word(std::string& value);
    // " c": the single character c, consumed only when it is next.
    bool letter(char c);
    // n numbers in a row; false as soon as one is missing.
    bool numbers(float* values, int n);
    // How many numbers follow in a row from here, without consuming them.
    int numbersAhead() const;
    // The line the cursor is on, from 1 (for messages).
    int line() const;

private:
    void skipSpace();
    std::string text_;
    size_t pos_ = 0;
};
