// The manual as plain text: the help viewer's text as a reader of it sees it, and the Linux
// manual's sections that the program's --help shows.
#pragma once

#include <string>
#include <vector>

#include "help/manual_blocks.h"

// The Windows program's document: one line per paragraph, a bullet and a tab before each
// item, the term and a tab before each definition (a long term on a line of its own), and
// the object replacement character U+FFFC where a picture stands.
std::string manualPlainText(const std::vector<ManualBlock>& blocks);

// A section of the Linux manual (from a heading to the next): its heading, and its text as
// above, but with every term beside its definition, as a terminal has room for.
struct ManualSection {
    std::string heading, text;
};
std::vector<ManualSection> manualSections(const std::vector<ManualBlock>& blocks);
