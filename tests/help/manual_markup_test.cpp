#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>

#include "help/manual_markup.h"
#include "scene/image.h"
#include "version.h"
#include "help/manual_terminal.h"
#include "resources/web_site.h"

namespace {

const PictureLoader noPictures = [](const std::string&, std::string& error) {
    error = "no pictures here";
    return std::unique_ptr<Image>();
};

size_t count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

// A picture whose pixel (x, y) is blue 10x + 1, green 10y + 2, red 200.
std::unique_ptr<Image> picture(int width, int height) {
    auto image = std::make_unique<Image>(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image->pixel(x, y) = {200, static_cast<uint8_t>(10 * y + 2), static_cast<uint8_t>(10 * x + 1), 255};
    return image;
}

TEST(ManualMarkup, BlocksBecomeParagraphsInTheTextAndTheRtf) {
    const ManualDocument document = convertManual(
        "# a comment\n= Title\n\nFirst line\nsecond line.\n\n== Section\n- one\n  more\n- two\n"
        "term :: its meaning\n=== Sub\nlast",
        noPictures);
    ASSERT_TRUE(document.errors.empty()) << document.errors.front();
    EXPECT_EQ(document.plainText,
              "Title\nFirst line second line.\nSection\n\xE2\x80\xA2\tone more\n\xE2\x80\xA2\ttwo\n"
              "term\tits meaning\nSub\nlast\n");
    EXPECT_EQ(document.rtf.rfind("{\\rtf1", 0), 0u);
    EXPECT_EQ(count(document.rtf, "\\par\n"), 8u);
    EXPECT_EQ(document.rtf.back(), '\n');
    EXPECT_EQ(document.rtf[document.rtf.size() - 2], '}');
    EXPECT_EQ(count(document.rtf, "{"), count(document.rtf, "}"));
    EXPECT_EQ(count(document.rtf, "a comment"), 0u);
}

TEST(ManualMarkup, LongTermsGetALineOfTheirOwn) {
    const ManualDocument document = convertManual(
        "Short term :: beside it\nA term far too long for the definition column :: below it\n", noPictures);
    ASSERT_TRUE(document.errors.empty());
    EXPECT_EQ(document.plainText,
              "Short term\tbeside it\nA term far too long for the definition column\nbelow it\n");
    EXPECT_EQ(count(document.rtf, "\\tab "), 1u);
    EXPECT_EQ(count(document.rtf, "\\par\n"), 3u);
}

TEST(ManualMarkup, SpecialCharactersAreEscaped) {
    const ManualDocument document =
        convertManual("Braces {x} and C:\\\\Windows, caf\xC3\xA9 \xE2\x80\x94 \xF0\x9F\x98\x80", noPictures);
    ASSERT_TRUE(document.errors.empty());
    EXPECT_NE(document.rtf.find("Braces \\{x\\} and C:\\\\Windows, caf\\u233? \\u8212? \\u-10179?\\u-8704?"), std::string::npos)
        << document.rtf;
    EXPECT_EQ(document.plainText, "Braces {x} and C:\\Windows, caf\xC3\xA9 \xE2\x80\x94 \xF0\x9F\x98\x80\n");
}

TEST(ManualMarkup, EmphasisOnlyAroundWords) {
    const ManualDocument document =
        convertManual("Press *OK* or _Cancel_; HKEY_LOCAL_MACHINE, Frame Rate* and 2 * 3 stay.", noPictures);
    ASSERT_TRUE(document.errors.empty()) << document.errors.front();
    EXPECT_NE(document.rtf.find("Press \\b OK\\b0  or \\i Cancel\\i0 ; HKEY_LOCAL_MACHINE, Frame Rate* and 2 * 3"),
              std::string::npos)
        << document.rtf;
    EXPECT_EQ(document.plainText, "Press OK or Cancel; HKEY_LOCAL_MACHINE, Frame Rate* and 2 * 3 stay.\n");
}

TEST(ManualMarkup, ProblemsAreReportedWithTheirLine) {
    const ManualDocument document =
        convertManual("= Title\n\nan *open span\nstill open\n\n@movie x\n@picture missing.bmp Caption\n", noPictures);
    ASSERT_EQ(document.errors.size(), 3u);
    EXPECT_EQ(document.errors[0], "line 3: a *bold* span is not closed");
    EXPECT_EQ(document.errors[1], "line 6: unknown directive @movie x");
    EXPECT_EQ(document.errors[2], "line 7: picture missing.bmp: no pictures here");
}

TEST(ManualMarkup, PicturesAreEmbeddedAtTheirOwnSizeWithTheirCaption) {
    std::string asked;
    const PictureLoader loader = [&](const std::string& name, std::string&) {
        asked = name;
        return picture(3, 2);
    };
    const ManualDocument document = convertManual("@picture lamp.bmp The lamp, lit.\n", loader);
    ASSERT_TRUE(document.errors.empty()) << document.errors.front();
    EXPECT_EQ(asked, "lamp.bmp");
    EXPECT_EQ(document.pictureCount, 1);
    EXPECT_NE(document.rtf.find("{\\pict\\dibitmap0\\picw3\\pich2\\picwgoal45\\pichgoal30\n"), std::string::npos);
    // The header, then 3 x 2 pixels of 4 bytes, then the 4 spare bytes, as hex.
    const size_t start = document.rtf.find("\\pichgoal30\n") + 12;
    const size_t end = document.rtf.find('}', start);
    std::string hex = document.rtf.substr(start, end - start);
    hex.erase(std::remove(hex.begin(), hex.end(), '\n'), hex.end());
    EXPECT_EQ(hex.size(), 2u * (40 + 24 + 4));
    EXPECT_EQ(hex.substr(80, 8), "0102c800");  // first pixel: blue 1, green 2, red 200, spare 0
    EXPECT_EQ(document.plainText, "\xEF\xBF\xBC\nThe lamp, lit.\n");
}

TEST(ManualMarkup, APictureIsEmbeddedAs32BitRowsBottomRowFirst) {
    const std::vector<uint8_t> dib = pictureDib(*picture(5, 3));
    ASSERT_EQ(dib.size(), 40u + 5 * 3 * 4 + 4);
    EXPECT_EQ(dib[14], 32);               // bits per pixel
    EXPECT_EQ(dib[20] | dib[21] << 8, 60);  // bytes of rows
    // Pixel (4, 2): the last of the top row.
    const size_t at = 40 + (2 * 5 + 4) * 4;
    EXPECT_EQ(dib[at], 41);
    EXPECT_EQ(dib[at + 1], 22);
    EXPECT_EQ(dib[at + 2], 200);
    EXPECT_EQ(dib[at + 3], 0);
}

// The manual itself: it converts cleanly, every picture it names is committed, and it
// covers what a user looks for.
TEST(Manual, ConvertsCleanlyAndCoversTheProgram) {
    std::ifstream in(GLIMMERJAR_SOURCE_DIR "/help/manual.txt", std::ios::binary);
    ASSERT_TRUE(in);
    const std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const PictureLoader committed = [](const std::string& name, std::string& error) {
        const std::string png = GLIMMERJAR_SOURCE_DIR "/help/pictures/" + name.substr(0, name.rfind('.')) + ".png";
        if (!std::ifstream(png)) {
            error = png + " is not committed";
            return std::unique_ptr<Image>();
        }
        return picture(2, 2);
    };
    const ManualDocument document = convertManual(source, committed);
    for (const std::string& problem : document.errors) ADD_FAILURE() << problem;
    EXPECT_EQ(document.plainText.rfind("Glimmerjar\n", 0), 0u);
    EXPECT_GE(document.pictureCount, 3);
    for (const char* topic :
         {"Installing the screen saver", "The configuration dialog", "The keys", "The mouse", "The menu",
          "Screenshots and movies", "Where your settings are kept", "Command line", "Troubleshooting",
          GLIMMERJAR_WEB_SITE_NAME, "Restore Defaults", "Lava changes color as it heats", "Frame Rate*",
          "Number of Particles*", "Lava Render Quality*", "Surface Tension", "Heat Diffusion",
          "GlimmerjarScreenshot_0.bmp", "GlimmerjarMovie0", "Ctrl+Shift+M", "/s", "/p HANDLE", "/w 800x600"})
        EXPECT_NE(document.plainText.find(topic), std::string::npos) << topic;
}

}  // namespace

// One source, two documents: the help viewer's rich text takes the parts for Windows, the
// Linux manual page the parts for Linux, both the rest.
TEST(ManualPage, EachPlatformGetsItsOwnParts) {
    const std::vector<ManualOption> options = {{"--speed N", "0 to 1000, 100 as it comes"}};
    const ManualDocument document = convertManual(
        "= Glimmerjar\n"
        "@linux\n"
        "== Name\n"
        "glimmerjar - a lava lamp\n"
        "@both\n"
        "== The keys\n"
        "P :: show the *polygons*.\n"
        "Ctrl+Shift+M :: start a movie.\n"
        "@windows\n"
        "C :: open the configuration dialog.\n"
        "@linux\n"
        "C :: open the settings file.\n"
        ".hidden starts a line; so does 'quote, and C:\\\\path has a backslash\n"
        "@options\n"
        "@both\n"
        "- an _item_\n",
        noPictures, options);
    ASSERT_TRUE(document.errors.empty()) << document.errors[0];

    EXPECT_EQ(count(document.rtf, "configuration dialog"), 1u);
    EXPECT_EQ(count(document.rtf, "settings file"), 0u);
    EXPECT_EQ(count(document.rtf, "a lava lamp"), 0u);
    EXPECT_EQ(count(document.plainText, "settings file"), 0u);
    EXPECT_EQ(count(document.manPage, "configuration dialog"), 0u);

    const std::string& page = document.manPage;
    EXPECT_EQ(page.rfind(".TH GLIMMERJAR 6 ", 0), 0u) << page;
    EXPECT_NE(page.find(".SH NAME\n.PP\nglimmerjar \\- a lava lamp\n"), std::string::npos) << page;
    EXPECT_NE(page.find(".SH THE KEYS\n"), std::string::npos);
    EXPECT_NE(page.find(".TP\n\\fBP\\fR\nshow the \\fBpolygons\\fR.\n"), std::string::npos) << page;
    EXPECT_NE(page.find(".TP\n\\fBCtrl+Shift+M\\fR\nstart a movie.\n"), std::string::npos);
    EXPECT_NE(page.find(".TP\n\\fBC\\fR\nopen the settings file.\n"), std::string::npos);
    // A text line starting with a dot or a quote is protected; a backslash is printed.
    EXPECT_NE(page.find("\n\\&.hidden starts a line; so does 'quote, and C:\\epath"), std::string::npos) << page;
    EXPECT_NE(page.find(".TP\n\\fB\\-\\-speed N\\fR\n0 to 1000, 100 as it comes\n"), std::string::npos) << page;
    EXPECT_NE(page.find(".IP \\(bu 2\nan \\fIitem\\fR\n"), std::string::npos) << page;

    // The Linux parts as plain text, by section, for --help.
    ASSERT_EQ(document.linuxSections.size(), 2u);
    EXPECT_EQ(document.linuxSections[1].heading, "The keys");
    EXPECT_NE(document.linuxSections[1].text.find("C\topen the settings file.\n"), std::string::npos);
    EXPECT_EQ(document.linuxSections[1].text.find("configuration dialog"), std::string::npos);
}

// The real manual's Linux documents speak of the Linux program: no link to click, the
// corner text opens the web site; and --help sets every term of the mouse and the keys in
// its column with its text at column 32, beside it or below it, never wrapped to the left.
TEST(ManualPage, TheLinuxManualSpeaksToATerminal) {
    std::ifstream in(GLIMMERJAR_SOURCE_DIR "/help/manual.txt", std::ios::binary);
    ASSERT_TRUE(in);
    const std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const ManualDocument document = convertManual(source, noPictures);
    for (const char* windowsOnly : {"link below", "program's version", "registry", "desktop folder"})
        EXPECT_EQ(document.manPage.find(windowsOnly), std::string::npos) << windowsOnly;
    EXPECT_NE(document.manPage.find("open the site in your web browser"), std::string::npos);
    EXPECT_NE(document.manPage.find("man glimmerjar"), std::string::npos);
    EXPECT_NE(document.rtf.find("program's version"), std::string::npos) << "the Windows help keeps its own";
    // The version is the build's, in the page's header and in the About section of both.
    EXPECT_NE(document.manPage.find("\"Glimmerjar " GLIMMERJAR_VERSION "\""), std::string::npos);
    EXPECT_NE(document.plainText.find("Glimmerjar version " GLIMMERJAR_VERSION "."), std::string::npos);
    EXPECT_NE(document.manPage.find("Glimmerjar version " GLIMMERJAR_VERSION "."), std::string::npos);
    EXPECT_EQ(document.rtf.find("@VERSION@"), std::string::npos);

    int definitions = 0;
    for (const ManualSection& section : document.linuxSections) {
        if (section.heading != "The keys" && section.heading != "The mouse") continue;
        const std::string shown = terminalText(section.text);
        if (section.heading == "The keys") {
            EXPECT_NE(section.text.find("Alt+arrows, Ctrl+Shift+arrows\tmove the lamp"), std::string::npos)
                << "a long term is a definition too";
        }
        std::istringstream lines(section.text);
        for (std::string line; std::getline(lines, line);) {
            const size_t tab = line.find('\t');
            if (tab == std::string::npos) continue;
            ++definitions;
            const std::string term = "  " + line.substr(0, tab);
            const std::string firstWord = line.substr(tab + 1, line.find(' ', tab) - tab - 1);
            const std::string beside = term + std::string(term.size() < 31 ? 32 - term.size() : 1, ' ') + firstWord;
            const std::string below = term + "\n" + std::string(32, ' ') + firstWord;
            EXPECT_TRUE(shown.find(beside + " ") != std::string::npos || shown.find(below + " ") != std::string::npos)
                << term;
        }
        std::istringstream out(shown);
        for (std::string line; std::getline(out, line);) EXPECT_LE(line.size(), 79u) << line;
    }
    EXPECT_GE(definitions, 20);
}

TEST(ManualPage, PlatformPartsAreChecked) {
    const ManualDocument options = convertManual("@options\n", noPictures);
    ASSERT_EQ(options.errors.size(), 1u);
    EXPECT_EQ(options.errors[0], "line 1: @options belongs in a @linux part");
    const ManualDocument picture = convertManual("\n@linux\n@picture lamp.bmp The lamp\n", noPictures);
    ASSERT_EQ(picture.errors.size(), 1u);
    EXPECT_EQ(picture.errors[0], "line 3: @picture belongs where the help viewer reads it");
}
