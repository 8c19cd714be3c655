// The manual as plain text.
#include "help/manual_text_writer.h"

namespace {

std::string plain(const ManualText& text) {
    std::string out;
    for (const ManualInline& piece : text)
        if (piece.kind == ManualInline::Character) appendUtf8(out, piece.code);
    return out;
}

// A block as plain lines; a long term on a line of its own when `longTermsBelow`.
std::string linesOf(const ManualBlock& block, bool longTermsBelow) {
    switch (block.kind) {
        case ManualBlock::Title:
        case ManualBlock::Heading:
        case ManualBlock::Subheading:
        case ManualBlock::Paragraph:
            return plain(block.text) + '\n';
        case ManualBlock::Bullet:
            return "\xE2\x80\xA2\t" + plain(block.text) + '\n';
        case ManualBlock::Definition: {
            const bool below = longTermsBelow && block.written.size() > shortTermLength;
            return plain(block.term) + (below ? '\n' : '\t') + plain(block.text) + '\n';
        }
        case ManualBlock::Picture: {
            std::string lines;
            appendUtf8(lines, 0xFFFC);
            lines += '\n';
            if (!block.text.empty()) lines += plain(block.text) + '\n';
            return lines;
        }
        case ManualBlock::Options:
            break;
    }
    return "";
}

}  // namespace

std::string manualPlainText(const std::vector<ManualBlock>& blocks) {
    std::string text;
    for (const ManualBlock& block : blocks)
        if (block.forWindows()) text += linesOf(block, true);
    return text;
}

std::vector<ManualSection> manualSections(const std::vector<ManualBlock>& blocks) {
    std::vector<ManualSection> sections;
    for (const ManualBlock& block : blocks) {
        if (!block.forLinux()) continue;
        if (block.kind == ManualBlock::Heading || block.kind == ManualBlock::Subheading)
            sections.push_back({block.written, ""});
        if (!sections.empty()) sections.back().text += linesOf(block, false);
    }
    return sections;
}
