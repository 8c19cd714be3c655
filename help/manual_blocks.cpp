// Reading the manual's markup into blocks.
#include "help/manual_blocks.h"

#include <cstring>

#include "version.h"

namespace {

std::string trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    const size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool isWordCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

class ManualReader {
public:
    explicit ManualReader(ManualSource& out) : out_(out) {}

    void read(const std::string& source) {
        size_t start = 0;
        while (start <= source.size()) {
            size_t end = source.find('\n', start);
            if (end == std::string::npos) end = source.size();
            ++lineNumber_;
            handleLine(source.substr(start, end - start));
            start = end + 1;
        }
        flush();
    }

private:
    enum class Pending { None, Paragraph, Bullet };

    void handleLine(std::string line) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string text = trim(line);
        if (text.empty()) return flush();
        if (pending_ == Pending::Bullet && startsWith(line, "  ") && !startsWith(text, "- ")) {
            pendingText_ += ' ' + text;
            return;
        }
        if (startsWith(line, "#")) return;
        if (startsWith(line, "===")) return heading(ManualBlock::Subheading, trim(line.substr(3)));
        if (startsWith(line, "==")) return heading(ManualBlock::Heading, trim(line.substr(2)));
        if (startsWith(line, "=")) return heading(ManualBlock::Title, trim(line.substr(1)));
        if (startsWith(line, "@picture")) return picture(trim(line.substr(8)));
        if (text == "@windows" || text == "@linux" || text == "@both") {
            flush();
            audience_ = text == "@windows" ? ManualAudience::Windows
                        : text == "@linux"  ? ManualAudience::Linux
                                            : ManualAudience::Both;
            return;
        }
        if (text == "@options") {
            flush();
            if (audience_ != ManualAudience::Linux) return problem("@options belongs in a @linux part");
            add(ManualBlock::Options);
            return;
        }
        if (startsWith(line, "@")) {
            flush();
            return problem("unknown directive " + text);
        }
        if (startsWith(line, "- ")) {
            flush();
            pending_ = Pending::Bullet;
            pendingLine_ = lineNumber_;
            pendingText_ = trim(line.substr(2));
            return;
        }
        const size_t separator = line.find(" :: ");
        if (separator != std::string::npos) {
            flush();
            return definition(line, separator);
        }
        if (pending_ == Pending::None) {
            pending_ = Pending::Paragraph;
            pendingLine_ = lineNumber_;
            pendingText_ = text;
        } else {
            pendingText_ += ' ' + text;
        }
    }

    // The paragraph or bullet item the lines so far make.
    void flush() {
        if (pending_ != Pending::None) {
            ManualBlock& block = add(pending_ == Pending::Bullet ? ManualBlock::Bullet : ManualBlock::Paragraph,
                                     pendingLine_);
            block.text = inlineOf(pendingText_, pendingLine_);
        }
        pending_ = Pending::None;
        pendingText_.clear();
    }

    ManualBlock& add(ManualBlock::Kind kind, int line = 0) {
        ManualBlock block;
        block.kind = kind;
        block.audience = audience_;
        block.line = line ? line : lineNumber_;
        out_.blocks.push_back(std::move(block));
        return out_.blocks.back();
    }

    void problem(const std::string& message, int line = 0) {
        out_.problems.push_back({line ? line : lineNumber_, message});
    }

    void heading(ManualBlock::Kind kind, const std::string& text) {
        flush();
        if (text.empty()) return problem("a heading needs text");
        ManualBlock& block = add(kind);
        block.written = text;
        block.text = inlineOf(text, lineNumber_);
    }

    void definition(const std::string& line, size_t separator) {
        const std::string term = trim(line.substr(0, separator));
        ManualBlock& block = add(ManualBlock::Definition);
        block.written = term;
        block.term = inlineOf(term, lineNumber_);
        block.text = inlineOf(trim(line.substr(separator + 4)), lineNumber_);
    }

    void picture(const std::string& arguments) {
        flush();
        const size_t space = arguments.find(' ');
        const std::string name = arguments.substr(0, space);
        const std::string caption = space == std::string::npos ? "" : trim(arguments.substr(space + 1));
        if (name.empty()) return problem("@picture needs a file name");
        // Pictures and their captions are for the help viewer only.
        if (audience_ == ManualAudience::Linux) return problem("@picture belongs where the help viewer reads it");
        ManualBlock& block = add(ManualBlock::Picture);
        block.written = name;
        block.text = inlineOf(caption, lineNumber_);
    }

    // Text with its *bold* and _italic_ spans.
    ManualText inlineOf(const std::string& text, int line) {
        ManualText out;
        bool bold = false, italic = false;
        for (size_t i = 0; i < text.size();) {
            const char c = text[i];
            if (c == '\\' && i + 1 < text.size()) {
                ++i;
                out.push_back({ManualInline::Character, nextCodePoint(text, i)});
                continue;
            }
            if (c == '*' || c == '_') {
                // A marker opens a span only before a word and closes one only after a word,
                // so snake_case names and lone asterisks ("Frame Rate*") stay as they are.
                const bool before = i + 1 < text.size() && text[i + 1] != ' ';
                const bool after = i > 0 && text[i - 1] != ' ';
                bool& on = c == '*' ? bold : italic;
                const bool opens = !on && before && (i == 0 || !isWordCharacter(text[i - 1]));
                const bool closes = on && after && (i + 1 == text.size() || !isWordCharacter(text[i + 1]));
                if (opens || closes) {
                    on = !on;
                    out.push_back({c == '*' ? (on ? ManualInline::BoldOn : ManualInline::BoldOff)
                                            : (on ? ManualInline::ItalicOn : ManualInline::ItalicOff),
                                   0});
                    ++i;
                    continue;
                }
            }
            out.push_back({ManualInline::Character, nextCodePoint(text, i)});
        }
        if (bold) problem("a *bold* span is not closed", line);
        if (italic) problem("an _italic_ span is not closed", line);
        return out;
    }

    ManualSource& out_;
    ManualAudience audience_ = ManualAudience::Both;
    Pending pending_ = Pending::None;
    std::string pendingText_;
    int pendingLine_ = 0;
    int lineNumber_ = 0;
};

}  // namespace

uint32_t nextCodePoint(const std::string& text, size_t& i) {
    const auto byte = [&](size_t k) { return static_cast<uint8_t>(text[k]); };
    const uint8_t first = byte(i++);
    if (first < 0x80) return first;
    int extra = first >= 0xF0 ? 3 : first >= 0xE0 ? 2 : first >= 0xC0 ? 1 : -1;
    if (extra < 0 || i + static_cast<size_t>(extra) > text.size()) return 0xFFFD;
    uint32_t code = first & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        if ((byte(i) & 0xC0) != 0x80) return 0xFFFD;
        code = (code << 6) | (byte(i++) & 0x3F);
    }
    return code;
}

void appendUtf8(std::string& out, uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

ManualSource readManual(const std::string& source) {
    static const std::string placeholder = "@VERSION@";
    std::string text = source;
    for (size_t at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder, at)) {
        text.replace(at, placeholder.size(), GLIMMERJAR_VERSION);
        at += std::strlen(GLIMMERJAR_VERSION);
    }
    ManualSource out;
    ManualReader(out).read(text);
    return out;
}
