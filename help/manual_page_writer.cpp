// The manual as a manual page.
#include "help/manual_page_writer.h"

#include <functional>

#include "version.h"

namespace {

class RoffWriter {
public:
    // Text: a line that would start with a control character is protected.
    void text(const std::string& words) {
        for (char c : words) {
            const bool lineStart = page.empty() || page.back() == '\n';
            if (lineStart && (c == '.' || c == '\'')) page += "\\&";
            page += c;
        }
    }
    // A request or a line of requests, written as it stands, on a line of its own.
    void request(const std::string& request) {
        if (!page.empty() && page.back() != '\n') page += '\n';
        page += request;
    }
    void character(uint32_t code) {
        if (code == '\\') return text("\\e");
        if (code == '-') return text("\\-");
        if (uppercase && code >= 'a' && code <= 'z') code = code - 'a' + 'A';
        std::string utf8;
        appendUtf8(utf8, code);
        text(utf8);
    }
    void plainText(const std::string& words) {
        for (size_t i = 0; i < words.size();) character(nextCodePoint(words, i));
    }
    void richText(const ManualText& words) {
        bool bold = false, italic = false;
        for (const ManualInline& piece : words) {
            switch (piece.kind) {
                case ManualInline::Character:
                    character(piece.code);
                    continue;
                case ManualInline::BoldOn:
                case ManualInline::BoldOff:
                    bold = piece.kind == ManualInline::BoldOn;
                    break;
                case ManualInline::ItalicOn:
                case ManualInline::ItalicOff:
                    italic = piece.kind == ManualInline::ItalicOn;
                    break;
            }
            text(bold ? "\\fB" : italic ? "\\fI" : "\\fR");
        }
    }
    // A tagged paragraph: the term in bold on its first line, the text after it.
    void tagged(const std::function<void()>& writeTerm, const std::function<void()>& writeText) {
        request(".TP\n");
        text("\\fB");
        writeTerm();
        text("\\fR\n");
        writeText();
        text("\n");
    }

    std::string page;
    bool uppercase = false;  // section headings are capitals in a manual page
};

}  // namespace

std::string writeManualPage(const std::vector<ManualBlock>& blocks, const std::vector<ManualOption>& options) {
    RoffWriter roff;
    for (const ManualBlock& block : blocks) {
        if (!block.forLinux()) continue;
        switch (block.kind) {
            case ManualBlock::Title: {
                // The title is the page's header line; the text does not repeat it.
                std::string name;
                for (char c : block.written) name += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
                roff.request(".TH " + name + " 6 \"2026\" \"Glimmerjar " GLIMMERJAR_VERSION "\" \"Screen savers\"\n");
                break;
            }
            case ManualBlock::Heading:
                roff.request(".SH ");
                roff.uppercase = true;
                roff.richText(block.text);
                roff.uppercase = false;
                roff.text("\n");
                break;
            case ManualBlock::Subheading:
                roff.request(".SS ");
                roff.richText(block.text);
                roff.text("\n");
                break;
            case ManualBlock::Paragraph:
            case ManualBlock::Bullet:
                roff.request(block.kind == ManualBlock::Bullet ? ".IP \\(bu 2\n" : ".PP\n");
                roff.richText(block.text);
                roff.text("\n");
                break;
            case ManualBlock::Definition:
                roff.tagged([&] { roff.richText(block.term); }, [&] { roff.richText(block.text); });
                break;
            case ManualBlock::Options:
                // Given as they are: an option's words hold no markup.
                for (const ManualOption& option : options)
                    roff.tagged([&] { roff.plainText(option.option); }, [&] { roff.plainText(option.text); });
                break;
            case ManualBlock::Picture:
                break;
        }
    }
    return roff.page;
}
