// A section of the manual laid out for a terminal.
#include "help/manual_terminal.h"

std::string terminalText(const std::string& sectionText) {
    constexpr size_t termColumn = 32, width = 79;
    std::string out;
    size_t start = sectionText.find('\n');
    start = start == std::string::npos ? sectionText.size() : start + 1;
    while (start < sectionText.size()) {
        size_t end = sectionText.find('\n', start);
        if (end == std::string::npos) end = sectionText.size();
        const std::string line = sectionText.substr(start, end - start);
        start = end + 1;
        const size_t tab = line.find('\t');
        std::string text = line, lead = "  ";
        size_t indent = 2;
        if (tab != std::string::npos) {
            lead = "  " + line.substr(0, tab);
            text = line.substr(tab + 1);
            indent = termColumn;
            if (lead.size() + 2 > termColumn) {  // at least two spaces before the text
                out += lead + "\n";
                lead.clear();
            }
            lead.resize(termColumn, ' ');
        }
        std::string current = lead;
        size_t wordStart = 0;
        while (wordStart < text.size()) {
            size_t wordEnd = text.find(' ', wordStart);
            if (wordEnd == std::string::npos) wordEnd = text.size();
            const std::string word = text.substr(wordStart, wordEnd - wordStart);
            wordStart = wordEnd + 1;
            const bool empty = current.find_first_not_of(' ') == std::string::npos && current.size() == indent;
            if (!empty && current.size() + 1 + word.size() > width) {
                out += current + "\n";
                current = std::string(indent, ' ');
            }
            if (!current.empty() && current.back() != ' ') current += ' ';
            current += word;
        }
        out += current + "\n";
    }
    return out;
}
