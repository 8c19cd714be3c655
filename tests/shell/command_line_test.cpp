// The command-line rules, with the switches the display settings and users really send.
#include <gtest/gtest.h>

#include "shell/command_line.h"

namespace {

StartRequest parse(const std::string& full, const std::string& args = "") {
    return parseCommandLine(full, args);
}

}  // namespace

TEST(CommandLine, QuotedUpperCaseSaverPathWithSlashS) {
    const StartRequest r = parse("\"C:\\WINDOWS\\SYSTEM32\\GLIMMERJAR.SCR\" /S", "/S");
    EXPECT_EQ(r.action, StartAction::RunWindow);
    EXPECT_EQ(r.mode, ScreenSaver);
    EXPECT_FALSE(r.startedAsProgramFile);
    EXPECT_EQ(r.argumentText, "\" /s");
}

TEST(CommandLine, PreviewHandleInEveryForm) {
    for (const char* args : {"/p:1234", "/p 1234", "/l1234", "-P  1234", "/p : 1234"}) {
        const StartRequest r = parse(std::string("glimmerjar.scr ") + args);
        EXPECT_EQ(r.mode, Preview) << args;
        EXPECT_EQ(r.handle, 1234) << args;
    }
    // No number reads as 0, which the entry point refuses.
    EXPECT_EQ(parse("glimmerjar.scr /p").handle, 0);
    EXPECT_EQ(parse("glimmerjar.scr /p:abc").handle, 0);
    // Reading stops at the first non-digit; a sign is allowed.
    EXPECT_EQ(parse("glimmerjar.scr /p 12x34").handle, 12);
    EXPECT_EQ(parse("glimmerjar.scr /p -5").handle, -5);
}

TEST(CommandLine, ConfigureTakesItsOwnerFromTheHandle) {
    for (const char* args : {"/c:0", "/c", "/c:4242", "/configure"}) {
        const StartRequest r = parse(std::string("c:\\glimmerjar.scr ") + args);
        EXPECT_EQ(r.mode, Configure) << args;
        EXPECT_TRUE(r.ownerFromHandle) << args;
    }
    EXPECT_EQ(parse("c:\\glimmerjar.scr /c:4242").handle, 4242);
    EXPECT_EQ(parse("c:\\glimmerjar.scr /c:0").handle, 0);
}

TEST(CommandLine, SaverFileWithoutArgumentsConfigures) {
    const StartRequest r = parse("\"C:\\Windows\\glimmerjar.scr\"");
    EXPECT_EQ(r.mode, Configure);
    EXPECT_FALSE(r.ownerFromHandle);
    EXPECT_FALSE(r.modeFromStartFullScreen);
}

TEST(CommandLine, CopyUnderAnotherNameBehavesLikeTheSaverFile) {
    EXPECT_EQ(parse("\"C:\\Windows\\Lamp.scr\"", "").mode, Configure);
    // Its arguments come from the entry point's own text.
    const StartRequest r = parse("\"C:\\Windows\\Lamp.scr\" /S", "/S");
    EXPECT_EQ(r.mode, ScreenSaver);
    EXPECT_FALSE(r.startedAsProgramFile);
    EXPECT_EQ(parse("lamp.scr /p 77", "/P 77").handle, 77);
}

TEST(CommandLine, ProgramFileWithoutArgumentsAsksForTheStoredChoice) {
    const StartRequest r = parse("\"D:\\Apps\\Glimmerjar.EXE\"");
    EXPECT_EQ(r.action, StartAction::RunWindow);
    EXPECT_TRUE(r.startedAsProgramFile);
    EXPECT_TRUE(r.modeFromStartFullScreen);
    // Trailing blanks are no switch either.
    EXPECT_TRUE(parse("glimmerjar.exe   ").modeFromStartFullScreen);
}

TEST(CommandLine, ProgramFileNameWinsOverTheSaverName) {
    // A folder named after the saver file does not hide the program file's name.
    const StartRequest r = parse("c:\\glimmerjar.scr.d\\glimmerjar.exe /f");
    EXPECT_TRUE(r.startedAsProgramFile);
    EXPECT_EQ(r.mode, FullScreen);
}

TEST(CommandLine, WindowSizes) {
    StartRequest r = parse("glimmerjar.exe /w 800x600");
    EXPECT_EQ(r.mode, Windowed);
    EXPECT_EQ(r.width, 800);
    EXPECT_EQ(r.height, 600);
    r = parse("glimmerjar.exe /w800x600");
    EXPECT_EQ(r.width, 800);
    EXPECT_EQ(r.height, 600);
    r = parse("glimmerjar.exe /w");
    EXPECT_EQ(r.width, -1);
    EXPECT_EQ(r.height, -1);
    // What is no size (a zero, numbers too large to hold) is no size: the default window.
    for (const char* none : {"glimmerjar.exe /w 0x600", "glimmerjar.exe /w 99999999999999999999x5",
                             "glimmerjar.exe /w 2147483648x600"}) {
        r = parse(none);
        EXPECT_EQ(r.mode, Windowed) << none;
        EXPECT_EQ(r.width, -1) << none;
        EXPECT_EQ(r.height, -1) << none;
    }
    r = parse("glimmerjar.exe /w 800");
    EXPECT_EQ(r.width, -1);
    EXPECT_EQ(r.height, -1);
    r = parse("glimmerjar.exe /wide");
    EXPECT_EQ(r.mode, Windowed);
    EXPECT_EQ(r.width, -1);
}

TEST(CommandLine, OnlyTheFirstLetterCounts) {
    EXPECT_EQ(parse("glimmerjar.scr /screen").mode, ScreenSaver);
    EXPECT_EQ(parse("glimmerjar.scr -s").mode, ScreenSaver);
    EXPECT_EQ(parse("glimmerjar.scr s").mode, ScreenSaver);
    EXPECT_EQ(parse("glimmerjar.scr /save").mode, ScreenSaver);
    EXPECT_EQ(parse("glimmerjar.scr -/\"-s").mode, ScreenSaver);
    EXPECT_EQ(parse("glimmerjar.exe /F").mode, FullScreen);
}

TEST(CommandLine, UnknownLettersAndPassword) {
    EXPECT_EQ(parse("glimmerjar.exe /x").action, StartAction::Reject);
    EXPECT_EQ(parse("glimmerjar.exe 5").action, StartAction::Reject);
    EXPECT_EQ(parse("glimmerjar.exe :s").action, StartAction::Reject);
    EXPECT_EQ(parse("glimmerjar.scr /a 1234").action, StartAction::ChangePassword);
}
