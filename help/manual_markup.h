// The manual is written in a small plain-text markup (help/manual.txt) and turned into the
// rich-text document the help viewer shows. The markup, one construct per line:
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
// plain (\* \_ \\). The source is UTF-8.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A picture for the document: a device-independent bitmap, a BITMAPINFOHEADER followed by
// 32-bit rows, bottom row first.
struct ManualPicture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> dib;
};

// Reads a 24-bit uncompressed BMP file (as ImageMagick's BMP3 writes it) into a picture. On failure returns false and says
// why in error.
bool pictureFromBmp(const std::vector<uint8_t>& file, ManualPicture& picture, std::string& error);

// Finds a picture by the name the source gives; false (with a reason) when it cannot.
using PictureLoader = std::function<bool(const std::string& name, ManualPicture& picture, std::string& error)>;

// An option of the Linux program for the manual page: "--lava-hue X", "the lava's hue...".
struct ManualOption {
    std::string option, text;
};

// A section of the Linux manual as plain text (the program's --help shows some of them).
struct ManualSection {
    std::string heading, text;
};

struct ManualDocument {
    std::string rtf;
    // The manual page of the Linux program (roff, man(7) macros): the parts for both and
    // for Linux, without pictures.
    std::string manPage;
    std::vector<ManualSection> linuxSections;
    // The text as a reader of the document sees it: one line per paragraph, a bullet and a
    // tab before each item, the term and a tab before each definition, and the object
    // replacement character U+FFFC where a picture stands.
    std::string plainText;
    std::vector<std::string> errors;  // "line N: ..." for each problem in the source
    int pictureCount = 0;
};

ManualDocument convertManual(const std::string& source, const PictureLoader& loadPicture,
                             const std::vector<ManualOption>& options = {});
