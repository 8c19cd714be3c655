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
#include "help/manual_terminal.h"
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
    const ManualSource manual = readManual(source);
    for (const std::string& problem : problemLines(manual.problems)) std::fprintf(stderr, "%s:%s\n", argv[1], problem.c_str());
    if (!manual.problems.empty()) return 1;
    const std::vector<ManualSection> sections = manualSections(manual.blocks);

    std::string include = "// Made by tools/manual_page.\n";
    for (const auto& part : helpParts) {
        std::string help;
        for (const char* wanted : part.sections) {
            bool found = false;
            for (const ManualSection& section : sections) {
                if (section.heading != wanted) continue;
                help += section.heading + ":\n" + terminalText(section.text) + "\n";
                found = true;
            }
            if (!found) {
                std::fprintf(stderr, "manual_page: the manual has no section \"%s\" for --help\n", wanted);
                return 1;
            }
        }
        include += std::string("const char* const ") + part.constant + " =\n" + literal(help) + ";\n";
    }
    if (!writeFile(argv[2], writeManualPage(manual.blocks, options)) || !writeFile(argv[3], include)) {
        std::fprintf(stderr, "manual_page: cannot write the output\n");
        return 1;
    }
    return 0;
}
