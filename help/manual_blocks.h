// The manual is written in a small plain-text markup (help/manual.txt), read once into
// blocks here; each document has a writer of its own that turns the blocks into its format
// (manual_rtf_writer.h, manual_page_writer.h, manual_text_writer.h). The markup, one
// construct per line:
//
//   = Title                      the document's title
//   == Heading                   a section heading
//   === Heading                  a subsection heading
//   text lines                   a paragraph (lines are joined; a blank line ends it)
//   - item                       a bullet item (following lines indented by two spaces
//                                continue it)
//   term :: text                 a definition: the term in bold, the text indented after it
//                                (below it, for a term too long for the column)
//   @picture NAME caption        a picture (a 24-bit BMP found by the picture loader),
//                                centred, with its caption below
//   # comment                    ignored
//   @windows  @linux  @both      the lines that follow are for the help viewer of the
//                                Windows program only, for the Linux manual page only,
//                                or for both (as at the start)
//   @options                     (in a @linux part) the program's options, as given
//
// Inside text, *words* are bold and _words_ italic; a backslash makes the next character
// plain (\* \_ \\). The source is UTF-8; the text names the version as @VERSION@.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A block's words: its characters and the switches of style between them, in order.
struct ManualInline {
    enum Kind : uint8_t { Character, BoldOn, BoldOff, ItalicOn, ItalicOff };
    Kind kind = Character;
    uint32_t code = 0;  // a character's code point
};
using ManualText = std::vector<ManualInline>;

// Who reads a part of the source: both documents, the help viewer of the Windows program
// only, or the Linux manual page only.
enum class ManualAudience { Both, Windows, Linux };

struct ManualBlock {
    enum Kind { Title, Heading, Subheading, Paragraph, Bullet, Definition, Picture, Options };
    Kind kind = Paragraph;
    ManualAudience audience = ManualAudience::Both;
    int line = 0;           // where it starts in the source
    ManualText text;        // the words; a definition's text; a picture's caption
    ManualText term;        // a definition's term
    std::string written;    // a heading as written; a definition's term as written; a picture's file

    bool forWindows() const { return audience != ManualAudience::Linux; }
    bool forLinux() const { return audience != ManualAudience::Windows; }
};

// The longest term (as written) that fits the definition column; a longer one has a line
// of its own in the help viewer.
constexpr size_t shortTermLength = 28;

// A problem in the source, at a line of it.
struct ManualProblem {
    int line = 0;
    std::string message;
};

struct ManualSource {
    std::vector<ManualBlock> blocks;
    std::vector<ManualProblem> problems;
};

ManualSource readManual(const std::string& source);

// Decodes one UTF-8 sequence at text[i] and advances i; malformed bytes come back as
// U+FFFD. And a code point appended as UTF-8.
uint32_t nextCodePoint(const std::string& text, size_t& i);
void appendUtf8(std::string& out, uint32_t code);
