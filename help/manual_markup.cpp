// The manual's documents made at once.
#include "help/manual_markup.h"

#include <algorithm>

std::vector<std::string> problemLines(std::vector<ManualProblem> problems) {
    std::stable_sort(problems.begin(), problems.end(),
                     [](const ManualProblem& a, const ManualProblem& b) { return a.line < b.line; });
    std::vector<std::string> lines;
    for (const ManualProblem& problem : problems)
        lines.push_back("line " + std::to_string(problem.line) + ": " + problem.message);
    return lines;
}

ManualDocument convertManual(const std::string& source, const PictureLoader& loadPicture,
                             const std::vector<ManualOption>& options) {
    ManualSource read = readManual(source);
    ManualRtf rtf = writeManualRtf(read.blocks, loadPicture);
    ManualDocument document;
    document.rtf = std::move(rtf.rtf);
    document.pictureCount = rtf.pictureCount;
    document.manPage = writeManualPage(read.blocks, options);
    document.linuxSections = manualSections(read.blocks);
    document.plainText = manualPlainText(read.blocks);
    read.problems.insert(read.problems.end(), rtf.problems.begin(), rtf.problems.end());
    document.errors = problemLines(std::move(read.problems));
    return document;
}
