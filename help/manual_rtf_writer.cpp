// The manual as rich text.
#include "help/manual_rtf_writer.h"

#include <cstdio>

#include "scene/bmp.h"
#include "scene/image.h"

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
const char* const pictureFormat = "\\pard\\qc\\sb120\\sa40\\f0\\fs20\\cf1 ";
const char* const captionFormat = "\\pard\\qc\\sa240\\f0\\fs18\\i\\cf3 ";
const char* const paragraphEnd = "\\plain\\par\n";

// Twips per pixel at the usual 96 pixels per inch: pictures show at their own size there.
constexpr int twipsPerPixel = 15;

// RTF's \u takes a signed 16-bit number; the '?' is what older readers show instead.
void appendUnicodeEscape(std::string& out, uint32_t unit) {
    char escaped[24];
    const int value = static_cast<int>(unit);
    std::snprintf(escaped, sizeof escaped, "\\u%d?", value > 32767 ? value - 65536 : value);
    out += escaped;
}

void appendText(std::string& out, const ManualText& text) {
    for (const ManualInline& piece : text) {
        switch (piece.kind) {
            case ManualInline::BoldOn:
                out += "\\b ";
                continue;
            case ManualInline::BoldOff:
                out += "\\b0 ";
                continue;
            case ManualInline::ItalicOn:
                out += "\\i ";
                continue;
            case ManualInline::ItalicOff:
                out += "\\i0 ";
                continue;
            case ManualInline::Character:
                break;
        }
        const uint32_t code = piece.code;
        if (code == '\\' || code == '{' || code == '}') {
            out += '\\';
            out += static_cast<char>(code);
        } else if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code <= 0xFFFF) {
            appendUnicodeEscape(out, code);
        } else {
            // Beyond 16 bits RTF wants the UTF-16 surrogate pair.
            appendUnicodeEscape(out, 0xD800 + ((code - 0x10000) >> 10));
            appendUnicodeEscape(out, 0xDC00 + ((code - 0x10000) & 0x3FF));
        }
    }
}

void appendParagraph(std::string& out, const char* format, const ManualText& text) {
    out += format;
    appendText(out, text);
    out += paragraphEnd;
}

void appendPicture(std::string& out, const std::vector<uint8_t>& dib, int width, int height) {
    char size[160];
    std::snprintf(size, sizeof size, "{\\pict\\dibitmap0\\picw%d\\pich%d\\picwgoal%d\\pichgoal%d\n", width, height,
                  width * twipsPerPixel, height * twipsPerPixel);
    out += pictureFormat;
    out += size;
    static const char hex[] = "0123456789abcdef";
    for (size_t i = 0; i < dib.size(); ++i) {
        out += hex[dib[i] >> 4];
        out += hex[dib[i] & 15];
        if (i % 64 == 63) out += '\n';
    }
    out += "}";
    out += paragraphEnd;
}

}  // namespace

std::vector<uint8_t> pictureDib(const Image& image) {
    // The document carries 32-bit rows although the file has 24-bit ones: some rich-edit
    // readers (Wine's) look for the rows one colour-table entry, 4 bytes, after the header.
    // With 4-byte pixels that misreading is a one-pixel shift rather than mixed-up colour
    // channels, and the 4 spare bytes at the end keep it within the data.
    const uint32_t rows = static_cast<uint32_t>(image.width) * 4 * static_cast<uint32_t>(image.height);
    std::vector<uint8_t> dib;
    dib.reserve(BMP_BI_SIZE + rows + 4);
    appendBitmapInfoHeader(dib, image.width, image.height, 32, rows);
    const size_t pixels = static_cast<size_t>(image.width) * static_cast<size_t>(image.height);
    for (size_t n = 0; n < pixels; ++n) {
        const Image::Pixel& p = image.pixels[n];
        dib.insert(dib.end(), {p.b, p.g, p.r, 0});
    }
    dib.insert(dib.end(), 4, 0);
    return dib;
}

ManualRtf writeManualRtf(const std::vector<ManualBlock>& blocks, const PictureLoader& loadPicture) {
    ManualRtf out;
    std::string& rtf = out.rtf;
    rtf = documentHeader;
    for (const ManualBlock& block : blocks) {
        if (!block.forWindows()) continue;
        switch (block.kind) {
            case ManualBlock::Title:
                appendParagraph(rtf, titleFormat, block.text);
                break;
            case ManualBlock::Heading:
                appendParagraph(rtf, headingFormat, block.text);
                break;
            case ManualBlock::Subheading:
                appendParagraph(rtf, subheadingFormat, block.text);
                break;
            case ManualBlock::Paragraph:
                appendParagraph(rtf, paragraphFormat, block.text);
                break;
            case ManualBlock::Bullet:
                appendParagraph(rtf, bulletFormat, block.text);
                break;
            case ManualBlock::Definition:
                if (block.written.size() > shortTermLength) {
                    rtf += termFormat;
                    rtf += "\\b ";
                    appendText(rtf, block.term);
                    rtf += "\\b0";
                    rtf += paragraphEnd;
                    appendParagraph(rtf, termTextFormat, block.text);
                } else {
                    rtf += definitionFormat;
                    rtf += "\\b ";
                    appendText(rtf, block.term);
                    rtf += "\\b0\\tab ";
                    appendText(rtf, block.text);
                    rtf += paragraphEnd;
                }
                break;
            case ManualBlock::Picture: {
                std::string why;
                const std::unique_ptr<Image> picture = loadPicture ? loadPicture(block.written, why) : nullptr;
                if (!picture || !picture->isValid()) {
                    out.problems.push_back({block.line, "picture " + block.written + ": " + why});
                    break;
                }
                appendPicture(rtf, pictureDib(*picture), picture->width, picture->height);
                ++out.pictureCount;
                if (!block.text.empty()) appendParagraph(rtf, captionFormat, block.text);
                break;
            }
            case ManualBlock::Options:
                break;
        }
    }
    rtf += "}\n";
    return out;
}
