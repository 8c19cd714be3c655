// Makes the Linux program's manual page and the part of the manual its --help shows, from
// the same source as the Windows help:
//   manual_page SOURCE OUTPUT.6 HELP_OUTPUT.inc
// The options of the settings come from the settings table. Pictures are left out of the
// manual page. Any problem in the source is reported with its line and fails the build.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "help/manual_markup.h"
#include "settings/setting_options.h"

namespace {

// What --help shows of the manual: the options (before the list of the settings' options)
// and the mouse and the keys (after it), each as a constant the program includes.
const struct {
    const char* constant;
    std::vector<const char*> sections;
} helpParts[] = {{"manualOptionsHelp", {"Options"}}, {"manualInputHelp", {"The mouse", "The keys"}}};

bool writeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out);
}

// A C++ string literal of the text, for the program to include.
std::string literal(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\n') {
            out += "\\n\"\n\"";
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\t') {
            out += "  ";
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// A section's plain text for a terminal: the heading line left out (--help names it), a
// definition's term in a column of its own, every line wrapped at 79 characters.
std::string helpText(const std::string& sectionText) {
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
            if (lead.size() + 1 > termColumn) {
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

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: manual_page SOURCE OUTPUT.6 HELP_OUTPUT.inc\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "manual_page: cannot read %s\n", argv[1]);
        return 1;
    }
    const std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<ManualOption> options;
    for (const SettingOptionHelp& option : settingOptionHelp()) options.push_back({option.option, option.text});
    // The manual page has no pictures: each is taken as read without being drawn.
    const PictureLoader noPicture = [](const std::string&, ManualPicture&, std::string&) { return true; };
    const ManualDocument document = convertManual(source, noPicture, options);
    for (const std::string& problem : document.errors) std::fprintf(stderr, "%s:%s\n", argv[1], problem.c_str());
    if (!document.errors.empty()) return 1;

    std::string include = "// Made by tools/manual_page.\n";
    for (const auto& part : helpParts) {
        std::string help;
        for (const char* wanted : part.sections) {
            bool found = false;
            for (const ManualSection& section : document.linuxSections) {
                if (section.heading != wanted) continue;
                help += section.heading + ":\n" + helpText(section.text) + "\n";
                found = true;
            }
            if (!found) {
                std::fprintf(stderr, "manual_page: the manual has no section \"%s\" for --help\n", wanted);
                return 1;
            }
        }
        include += std::string("const char* const ") + part.constant + " =\n" + literal(help) + ";\n";
    }
    if (!writeFile(argv[2], document.manPage) || !writeFile(argv[3], include)) {
        std::fprintf(stderr, "manual_page: cannot write the output\n");
        return 1;
    }
    return 0;
}
