#include "help/manual_markup.h"

#include <cstdio>
#include <cstring>
#include "version.h"

namespace {

// Paragraph formats. Sizes are in half points, distances in twips (1/20 point).
const char* const documentHeader =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n"
    "{\\fonttbl{\\f0\\fswiss\\fcharset0 Segoe UI;}{\\f1\\fswiss\\fcharset0 Arial;}}\n"
    "{\\colortbl;\\red0\\green0\\blue0;\\red158\\green42\\blue18;\\red96\\green96\\blue96;}\n"
    "\\viewkind4\\f0\\fs20\\cf1\n";
const char* const titleFormat = "\\pard\\qc\\sb120\\sa240\\f1\\fs44\\b\\cf2 ";
// Every block sits 200 twips in from both sides, so the text does not touch the frame.
const char* const headingFormat = "\\pard\\keepn\\li200\\ri200\\sb300\\sa100\\f1\\fs30\\b\\cf2 ";
const char* const subheadingFormat = "\\pard\\keepn\\li200\\ri200\\sb200\\sa60\\f1\\fs24\\b\\cf1 ";
const char* const paragraphFormat = "\\pard\\li200\\ri200\\sa120\\f0\\fs20\\cf1 ";
const char* const bulletFormat = "\\pard\\fi-240\\li680\\ri200\\tx680\\sa60\\f0\\fs20\\cf1 \\u8226?\\tab ";
// A definition with a short term: the term, then its text from a column to the right.
const char* const definitionFormat = "\\pard\\fi-3500\\li3900\\ri200\\tx3900\\sa60\\f0\\fs20\\cf1 ";
// A long term has a line of its own, with its text indented below it.
const char* const termFormat = "\\pard\\keepn\\li400\\ri200\\sb60\\f0\\fs20\\cf1 ";
const char* const termTextFormat = "\\pard\\li960\\ri200\\sa60\\f0\\fs20\\cf1 ";
// The longest term that fits the definition column.
constexpr size_t shortTermLength = 28;
const char* const pictureFormat = "\\pard\\qc\\sb120\\sa40\\f0\\fs20\\cf1 ";
const char* const captionFormat = "\\pard\\qc\\sa240\\f0\\fs18\\i\\cf3 ";
const char* const paragraphEnd = "\\plain\\par\n";

// Twips per pixel at the usual 96 pixels per inch: pictures show at their own size there.
constexpr int twipsPerPixel = 15;

uint32_t readLe(const std::vector<uint8_t>& bytes, size_t at, int count) {
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes[at + static_cast<size_t>(i)];
    return value;
}

// Decodes one UTF-8 sequence at text[i]; advances i. Malformed bytes come back as U+FFFD.
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

std::string trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    const size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

class ManualWriter {
public:
    ManualWriter(ManualDocument& document, const PictureLoader& loadPicture, const std::vector<ManualOption>& options)
        : document_(document), loadPicture_(loadPicture), options_(options) {
        document_.rtf = documentHeader;
    }

    void convert(const std::string& source) {
        size_t start = 0;
        while (start <= source.size()) {
            size_t end = source.find('\n', start);
            if (end == std::string::npos) end = source.size();
            ++lineNumber_;
            handleLine(source.substr(start, end - start));
            start = end + 1;
        }
        flush();
        document_.rtf += "}\n";
    }

private:
    enum class Block { None, Paragraph, Bullet };
    // Which document a part of the source is for: the help viewer's (Windows), the manual
    // page's (Linux), or both.
    enum class Audience { Both, Windows, Linux };
    enum class RoffHeading { Title, Section, Subsection };

    // The plain text comes in two: the help viewer's (plainOutput) and the Linux sections'
    // that --help shows (sectionOutput), which differ only in the form of a long term.
    static constexpr unsigned rtfOutput = 1, plainOutput = 2, roffOutput = 4, sectionOutput = 8,
                              allOutputs = rtfOutput | plainOutput | roffOutput | sectionOutput,
                              notRoffOutputs = rtfOutput | plainOutput | sectionOutput;
    // Narrows the outputs written to while it lives (nested, the narrowest holds).
    class OnlyTo {
    public:
        OnlyTo(unsigned& outputs, unsigned only) : outputs_(outputs), saved_(outputs) { outputs_ &= only; }
        ~OnlyTo() { outputs_ = saved_; }
        OnlyTo(const OnlyTo&) = delete;
        OnlyTo& operator=(const OnlyTo&) = delete;

    private:
        unsigned& outputs_;
        unsigned saved_;
    };
    bool forWindows() const { return audience_ != Audience::Linux; }
    bool forLinux() const { return audience_ != Audience::Windows; }
    void rtf(const std::string& text) {
        if (forWindows() && (outputs_ & rtfOutput)) document_.rtf += text;
    }
    void rtf(char c) {  // the pictures' hex digits: no string made for each
        if (forWindows() && (outputs_ & rtfOutput)) document_.rtf += c;
    }
    void plain(const std::string& text) {
        if (forWindows() && (outputs_ & plainOutput)) document_.plainText += text;
        if (forLinux() && (outputs_ & sectionOutput) && !document_.linuxSections.empty())
            document_.linuxSections.back().text += text;
    }
    void plain(char c) { plain(std::string(1, c)); }
    // Manual-page text: a line that would start with a control character is protected.
    void roff(const std::string& text) {
        if (!forLinux() || !(outputs_ & roffOutput)) return;
        for (char c : text) {
            const bool lineStart = document_.manPage.empty() || document_.manPage.back() == '\n';
            if (lineStart && (c == '.' || c == '\'') ) document_.manPage += "\\&";
            document_.manPage += c;
        }
    }
    // A request or a line of requests, written as it stands.
    void roffRequest(const std::string& request) {
        if (!forLinux() || !(outputs_ & roffOutput)) return;
        if (!document_.manPage.empty() && document_.manPage.back() != '\n') document_.manPage += '\n';
        document_.manPage += request;
    }
    void roffCharacter(uint32_t code) {
        if (code == '\\') return roff("\\e");
        if (code == '-') return roff("\\-");
        if (roffUppercase_ && code >= 'a' && code <= 'z') code = code - 'a' + 'A';
        std::string utf8;
        appendUtf8(utf8, code);
        roff(utf8);
    }

    void optionList() {
        for (const ManualOption& option : options_) {
            roffRequest(".TP\n");
            roff("\\fB");
            for (size_t i = 0; i < option.option.size();) roffCharacter(nextCodePoint(option.option, i));
            roff("\\fR\n");
            for (size_t i = 0; i < option.text.size();) roffCharacter(nextCodePoint(option.text, i));
            roff("\n");
        }
    }

    void handleLine(std::string line) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string text = trim(line);
        if (text.empty()) {
            flush();
            return;
        }
        if (block_ == Block::Bullet && startsWith(line, "  ") && !startsWith(text, "- ")) {
            pending_ += ' ' + text;
            return;
        }
        if (startsWith(line, "#")) return;
        if (startsWith(line, "===")) return single(subheadingFormat, trim(line.substr(3)), RoffHeading::Subsection);
        if (startsWith(line, "==")) return single(headingFormat, trim(line.substr(2)), RoffHeading::Section);
        if (startsWith(line, "=")) return single(titleFormat, trim(line.substr(1)), RoffHeading::Title);
        if (startsWith(line, "@picture")) return picture(trim(line.substr(8)));
        if (text == "@windows" || text == "@linux" || text == "@both") {
            flush();
            audience_ = text == "@windows" ? Audience::Windows : text == "@linux" ? Audience::Linux : Audience::Both;
            return;
        }
        if (text == "@options") {
            flush();
            pendingLine_ = lineNumber_;
            if (audience_ != Audience::Linux) return error("@options belongs in a @linux part");
            return optionList();
        }
        if (startsWith(line, "@")) {
            flush();
            pendingLine_ = lineNumber_;
            return error("unknown directive " + text);
        }
        if (startsWith(line, "- ")) {
            flush();
            block_ = Block::Bullet;
            pendingLine_ = lineNumber_;
            pending_ = trim(line.substr(2));
            return;
        }
        const size_t separator = line.find(" :: ");
        if (separator != std::string::npos) {
            flush();
            return definition(line, separator);
        }
        if (block_ == Block::None) {
            block_ = Block::Paragraph;
            pendingLine_ = lineNumber_;
            pending_ = text;
        } else {
            pending_ += ' ' + text;
        }
    }

    void flush() {
        if (block_ == Block::Paragraph) {
            emitParagraph(paragraphFormat, "", pending_, ".PP\n");
        } else if (block_ == Block::Bullet) {
            emitParagraph(bulletFormat, "\xE2\x80\xA2\t", pending_, ".IP \\(bu 2\n");
        }
        block_ = Block::None;
        pending_.clear();
    }

    void single(const char* format, const std::string& text, RoffHeading heading) {
        flush();
        pendingLine_ = lineNumber_;
        if (text.empty()) return error("a heading needs text");
        if (heading != RoffHeading::Title && forLinux()) document_.linuxSections.push_back({text, ""});
        switch (heading) {
            case RoffHeading::Title: {
                std::string name;
                for (char c : text) name += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
                roffRequest(".TH " + name + " 6 \"2026\" \"Glimmerjar " GLIMMERJAR_VERSION "\" \"Screen savers\"\n");
                // The title is the page's header line; the text does not repeat it.
                emitParagraph(format, "", text, "");
                return;
            }
            case RoffHeading::Section:
                roffUppercase_ = true;
                emitParagraph(format, "", text, ".SH ");
                roffUppercase_ = false;
                return;
            case RoffHeading::Subsection:
                emitParagraph(format, "", text, ".SS ");
                return;
        }
    }

    void definition(const std::string& line, size_t separator) {
        pendingLine_ = lineNumber_;
        const std::string term = trim(line.substr(0, separator));
        const std::string text = trim(line.substr(separator + 4));
        {
            OnlyTo notRoff(outputs_, notRoffOutputs);  // the manual page's form follows below
            if (term.size() > shortTermLength) {
                {
                    OnlyTo viewer(outputs_, rtfOutput | plainOutput);
                    rtf(termFormat);
                    rtf("\\b ");
                    writeText(term);
                    rtf("\\b0");
                    rtf(paragraphEnd);
                    plain('\n');
                    emitParagraph(termTextFormat, "", text, "");
                }
                // A terminal has room for a long term beside its text: --help sets it on
                // a line of its own and indents the text below it.
                OnlyTo sections(outputs_, sectionOutput);
                writeText(term);
                plain('\t');
                writeText(text);
                plain('\n');
            } else {
                rtf(definitionFormat);
                rtf("\\b ");
                writeText(term);
                rtf("\\b0\\tab ");
                plain('\t');
                writeText(text);
                rtf(paragraphEnd);
                plain('\n');
            }
        }
        roffDefinition(term, text);
    }

    // A definition in the manual page: the term in bold on the tagged paragraph's first line.
    // The other documents have it already.
    void roffDefinition(const std::string& term, const std::string& text) {
        OnlyTo roffOnly(outputs_, roffOutput);
        roffRequest(".TP\n");
        roff("\\fB");
        writeText(term);
        roff("\\fR\n");
        writeText(text);
        roff("\n");
    }

    void picture(const std::string& arguments) {
        flush();
        pendingLine_ = lineNumber_;
        const size_t space = arguments.find(' ');
        const std::string name = arguments.substr(0, space);
        const std::string caption = space == std::string::npos ? "" : trim(arguments.substr(space + 1));
        if (name.empty()) return error("@picture needs a file name");
        // Pictures and their captions are for the help viewer only.
        OnlyTo notRoff(outputs_, notRoffOutputs);
        ManualPicture picture;
        std::string why;
        if (!forWindows()) return error("@picture belongs where the help viewer reads it");
        if (!loadPicture_ || !loadPicture_(name, picture, why)) return error("picture " + name + ": " + why);

        char size[160];
        std::snprintf(size, sizeof size, "{\\pict\\dibitmap0\\picw%d\\pich%d\\picwgoal%d\\pichgoal%d\n",
                      picture.width, picture.height, picture.width * twipsPerPixel,
                      picture.height * twipsPerPixel);
        rtf(pictureFormat);
        rtf(size);
        static const char hex[] = "0123456789abcdef";
        for (size_t i = 0; i < picture.dib.size(); ++i) {
            rtf(hex[picture.dib[i] >> 4]);
            rtf(hex[picture.dib[i] & 15]);
            if (i % 64 == 63) rtf('\n');
        }
        rtf("}");
        rtf(paragraphEnd);
        std::string replacement;
        appendUtf8(replacement, 0xFFFC);
        plain(replacement + '\n');
        ++document_.pictureCount;
        if (!caption.empty()) emitParagraph(captionFormat, "", caption, "");
    }

    // roffPrefix starts the paragraph in the manual page (".PP\n", ".SH "); an empty one
    // leaves the paragraph out of it.
    void emitParagraph(const char* format, const std::string& plainPrefix, const std::string& text,
                       const std::string& roffPrefix) {
        OnlyTo scope(outputs_, roffPrefix.empty() ? notRoffOutputs : allOutputs);
        rtf(format);
        plain(plainPrefix);
        roffRequest(roffPrefix);
        writeText(text);
        rtf(paragraphEnd);
        plain('\n');
        roff("\n");
    }

    // Text with its *bold* and _italic_ spans, escaped for RTF.
    void writeText(const std::string& text) {
        bool bold = false, italic = false;
        for (size_t i = 0; i < text.size();) {
            const char c = text[i];
            if (c == '\\' && i + 1 < text.size()) {
                ++i;
                appendCharacter(nextCodePoint(text, i));
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
                    rtf(c == '*' ? (on ? "\\b " : "\\b0 ") : (on ? "\\i " : "\\i0 "));
                    roff(bold ? "\\fB" : italic ? "\\fI" : "\\fR");
                    ++i;
                    continue;
                }
            }
            appendCharacter(nextCodePoint(text, i));
        }
        if (bold) error("a *bold* span is not closed");
        if (italic) error("an _italic_ span is not closed");
    }

    static bool isWordCharacter(char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    }

    void appendCharacter(uint32_t code) {
        std::string utf8;
        appendUtf8(utf8, code);
        plain(utf8);
        roffCharacter(code);
        if (code == '\\' || code == '{' || code == '}') {
            rtf('\\');
            rtf(static_cast<char>(code));
        } else if (code < 0x80) {
            rtf(static_cast<char>(code));
        } else if (code <= 0xFFFF) {
            appendUnicodeEscape(code);
        } else {
            // Beyond 16 bits RTF wants the UTF-16 surrogate pair.
            appendUnicodeEscape(0xD800 + ((code - 0x10000) >> 10));
            appendUnicodeEscape(0xDC00 + ((code - 0x10000) & 0x3FF));
        }
    }

    // RTF's \u takes a signed 16-bit number; the '?' is what older readers show instead.
    void appendUnicodeEscape(uint32_t unit) {
        char escaped[24];
        const int value = static_cast<int>(unit);
        std::snprintf(escaped, sizeof escaped, "\\u%d?", value > 32767 ? value - 65536 : value);
        rtf(escaped);
    }

    void error(const std::string& message) {
        document_.errors.push_back("line " + std::to_string(pendingLine_ ? pendingLine_ : lineNumber_) +
                                   ": " + message);
    }

    ManualDocument& document_;
    const PictureLoader& loadPicture_;
    const std::vector<ManualOption>& options_;
    Audience audience_ = Audience::Both;
    unsigned outputs_ = allOutputs;
    bool roffUppercase_ = false;  // section headings are capitals in a manual page
    Block block_ = Block::None;
    std::string pending_;
    int lineNumber_ = 0;
    int pendingLine_ = 0;
};

}  // namespace

bool pictureFromBmp(const std::vector<uint8_t>& file, ManualPicture& picture, std::string& error) {
    constexpr size_t fileHeader = 14, infoHeader = 40;
    if (file.size() < fileHeader + infoHeader || file[0] != 'B' || file[1] != 'M') {
        error = "not a BMP file";
        return false;
    }
    const uint32_t headerSize = readLe(file, 14, 4);
    const int32_t width = static_cast<int32_t>(readLe(file, 18, 4));
    const int32_t height = static_cast<int32_t>(readLe(file, 22, 4));
    const uint32_t bits = readLe(file, 28, 2);
    const uint32_t compression = readLe(file, 30, 4);
    const uint32_t dataOffset = readLe(file, 10, 4);
    if (headerSize != infoHeader || bits != 24 || compression != 0) {
        error = "not a 24-bit uncompressed BMP with a 40-byte header";
        return false;
    }
    if (width <= 0 || height <= 0 || width > 4096 || height > 4096) {
        error = "picture size out of range";
        return false;
    }
    const size_t rowBytes = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
    const size_t pixels = rowBytes * static_cast<size_t>(height);
    if (dataOffset < fileHeader + infoHeader || dataOffset > file.size() || file.size() - dataOffset < pixels) {
        error = "the file does not hold every row";
        return false;
    }
    // The document carries 32-bit rows although the file has 24-bit ones: some rich-edit
    // readers (Wine's) look for the rows one colour-table entry, 4 bytes, after the header.
    // With 4-byte pixels that misreading is a one-pixel shift rather than mixed-up colour
    // channels, and the 4 spare bytes at the end keep it within the data.
    const size_t rows32 = static_cast<size_t>(width) * 4 * static_cast<size_t>(height);
    picture.width = width;
    picture.height = height;
    picture.dib.assign(file.begin() + fileHeader, file.begin() + fileHeader + infoHeader);
    picture.dib[14] = 32;
    const uint32_t imageSize = static_cast<uint32_t>(rows32);
    for (int i = 0; i < 4; ++i) picture.dib[20 + i] = static_cast<uint8_t>(imageSize >> (8 * i));
    picture.dib.reserve(infoHeader + rows32 + 4);
    for (int32_t y = 0; y < height; ++y) {
        const size_t row = dataOffset + rowBytes * static_cast<size_t>(y);
        for (int32_t x = 0; x < width; ++x) {
            const size_t at = row + static_cast<size_t>(x) * 3;
            picture.dib.insert(picture.dib.end(), {file[at], file[at + 1], file[at + 2], 0});
        }
    }
    picture.dib.insert(picture.dib.end(), 4, 0);
    return true;
}

ManualDocument convertManual(const std::string& source, const PictureLoader& loadPicture,
                             const std::vector<ManualOption>& options) {
    // The text names the version as @VERSION@, so that it is written in one place only.
    static const std::string placeholder = "@VERSION@";
    std::string text = source;
    for (size_t at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder, at)) {
        text.replace(at, placeholder.size(), GLIMMERJAR_VERSION);
        at += std::strlen(GLIMMERJAR_VERSION);
    }
    ManualDocument document;
    ManualWriter(document, loadPicture, options).convert(text);
    return document;
}
