// The manual's documents made from its source at once (the tests and the fuzzer read them
// side by side): the markup read into blocks (manual_blocks.h), then each document from
// its own writer.
#pragma once

#include <string>
#include <vector>

#include "help/manual_page_writer.h"
#include "help/manual_rtf_writer.h"
#include "help/manual_text_writer.h"

struct ManualDocument {
    std::string rtf;
    std::string manPage;
    std::vector<ManualSection> linuxSections;
    std::string plainText;
    std::vector<std::string> errors;  // "line N: ..." for each problem in the source, in order
    int pictureCount = 0;
};

ManualDocument convertManual(const std::string& source, const PictureLoader& loadPicture,
                             const std::vector<ManualOption>& options = {});

// Problems as the tools print them, "line N: ...", by line.
std::vector<std::string> problemLines(std::vector<ManualProblem> problems);
