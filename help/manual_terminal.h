// A section of the manual as a terminal shows it (the Linux program's --help): the
// heading line left out (--help names it), each definition's term from column 2 and its
// text from column 32 (below the term when the term leaves fewer than two spaces), every
// line wrapped at 79 characters.
#pragma once

#include <string>

// sectionText: a ManualSection's text, the heading's line first.
std::string terminalText(const std::string& sectionText);
