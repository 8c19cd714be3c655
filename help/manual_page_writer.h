// The manual page of the Linux program (roff, man(7) macros): the manual's blocks for both
// programs and for Linux, without pictures, and the program's options where @options
// stands.
#pragma once

#include <string>
#include <vector>

#include "help/manual_blocks.h"

// An option of the Linux program for the manual page: "--lava-hue X", "the lava's hue...".
struct ManualOption {
    std::string option, text;
};

std::string writeManualPage(const std::vector<ManualBlock>& blocks, const std::vector<ManualOption>& options);
