// The Linux program's command line: XScreenSaver's forms, the settings as options, and a
// clear refusal of anything else.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/setting_options.h"
#include "settings/setting_values.h"
#include "shell/program_options.h"

namespace {

ProgramOptions parse(const std::vector<std::string>& arguments, const char* saverWindow = nullptr) {
    return parseProgramOptions(arguments, saverWindow);
}

}  // namespace

TEST(ProgramOptions, WhereTheLampGoes) {
    EXPECT_EQ(parse({}).target, ProgramTarget::OwnWindow);
    EXPECT_FALSE(parse({}).targetChosen);
    EXPECT_EQ(parse({"--fullscreen"}).target, ProgramTarget::FullScreen);
    EXPECT_TRUE(parse({"-f"}).targetChosen);
    EXPECT_EQ(parse({"-root"}).target, ProgramTarget::Root);

    const ProgramOptions hex = parse({"--window-id", "0x1e00007"});
    EXPECT_EQ(hex.target, ProgramTarget::ForeignWindow);
    EXPECT_EQ(hex.windowId, 0x1e00007u);
    EXPECT_EQ(parse({"-window-id=31457287"}).windowId, 31457287u);

    // XScreenSaver names its window in the environment and passes --root.
    const ProgramOptions saver = parse({"--root"}, "0x2a00003");
    EXPECT_EQ(saver.target, ProgramTarget::ForeignWindow);
    EXPECT_EQ(saver.windowId, 0x2a00003u);
    const ProgramOptions junk = parse({"--root"}, "not a window");
    EXPECT_EQ(junk.target, ProgramTarget::Root);
    ASSERT_EQ(junk.notes.size(), 1u);  // said, not silently drawn on the root window
    EXPECT_EQ(junk.notes[0], "XSCREENSAVER_WINDOW is \"not a window\", not the number of a window; drawing on the "
                             "root window");
    EXPECT_EQ(parse({}, "0x2a00003").target, ProgramTarget::OwnWindow);  // only --root reads it
    // The last word on where wins, as in the description's command line plus a test's window.
    EXPECT_EQ(parse({"--root", "--window-id", "77"}).target, ProgramTarget::ForeignWindow);

    const ProgramOptions sized = parse({"--size", "800x600", "--fps", "-install", "-visual", "default"});
    EXPECT_EQ(sized.action, ProgramAction::Run);
    EXPECT_EQ(sized.width, 800);
    EXPECT_EQ(sized.height, 600);
    EXPECT_TRUE(sized.showFrameRate);
}

TEST(ProgramOptions, SettingsAsOptions) {
    const ProgramOptions options =
        parse({"--lava-hue", "0.33", "-speed=120", "--show-particles", "--no-resume-from-last-pos", "--rot-speed", "-20"});
    ASSERT_EQ(options.action, ProgramAction::Run) << options.error;
    ASSERT_EQ(options.settings.size(), 5u);
    EXPECT_STREQ(options.settings[0].row->name, "lavaHue");
    EXPECT_FLOAT_EQ(options.settings[0].value, 0.33f);
    EXPECT_STREQ(options.settings[1].row->name, "speed");
    EXPECT_FLOAT_EQ(options.settings[1].value, 120);
    EXPECT_STREQ(options.settings[2].row->name, "showParticles");
    EXPECT_FLOAT_EQ(options.settings[2].value, 1);
    EXPECT_STREQ(options.settings[3].row->name, "resumeFromLastPos");
    EXPECT_FLOAT_EQ(options.settings[3].value, 0);
    EXPECT_STREQ(options.settings[4].row->name, "rot_speed");
    EXPECT_FLOAT_EQ(options.settings[4].value, -20);  // a value, not an option: it was asked for
}

TEST(ProgramOptions, EverySettingHasItsOwnOption) {
    const std::vector<KeyedSetting>& keyed = keyedSettings();
    for (size_t i = 0; i < keyed.size(); ++i) {
        const SettingRow& row = *keyed[i].row;
        const std::string option = "--" + optionNameOf(keyed[i].key);
        for (size_t j = 0; j < i; ++j) EXPECT_NE(optionNameOf(keyed[j].key), optionNameOf(keyed[i].key));
        const std::vector<std::string> arguments =
            row.kind == SettingKind::Bool ? std::vector<std::string>{option}
                                          : std::vector<std::string>{option, spokenValue(row, row.maximum)};
        const ProgramOptions options = parse(arguments);
        ASSERT_EQ(options.action, ProgramAction::Run) << option << ": " << options.error;
        ASSERT_EQ(options.settings.size(), 1u);
        EXPECT_EQ(options.settings[0].row, &row);
        EXPECT_FLOAT_EQ(options.settings[0].value, row.maximum) << option;
        // An option that names a kind of run's switch stores it under that run's name.
        const char* stored = options.settings[0].registryName ? options.settings[0].registryName : row.name;
        EXPECT_STREQ(stored, keyed[i].registryName) << option;
    }
}

TEST(ProgramOptions, ValuesInAPersonsUnits) {
    // Frames a second: a rate the lamp has is taken as it is, another as the nearest, said.
    ProgramOptions options = parse({"--frame-rate", "25", "--priority", "Normal"});
    ASSERT_EQ(options.action, ProgramAction::Run) << options.error;
    EXPECT_FLOAT_EQ(options.settings[0].value, 9);  // the table's index of 25 a second
    EXPECT_FLOAT_EQ(options.settings[1].value, 1);
    EXPECT_TRUE(options.notes.empty());
    options = parse({"--frame-rate=30", "--priority", "2"});
    EXPECT_FLOAT_EQ(options.settings[0].value, 10);  // 33 a second
    ASSERT_EQ(options.notes.size(), 1u);
    EXPECT_EQ(options.notes[0], "--frame-rate 30: the lamp draws 33 frames a second, the nearest of its rates (1, 2, 5, "
                                "7, 10, 12, 15, 17, 20, 25, 33 or 50)");
    EXPECT_FLOAT_EQ(options.settings[1].value, 2);
    EXPECT_EQ(parse({"--frame-rate", "9"}).settings[0].value, 4);  // 10 a second: frames, never an index
    EXPECT_EQ(parse({"--frame-rate", "60"}).error, "--frame-rate: 60 is outside 1 to 50 frames a second");
    EXPECT_EQ(parse({"--priority", "fast"}).error, "--priority: \"fast\" is not low, normal or high");
    // The drift switch of one kind of run, or (as 1.1.0 spelt it) of this run.
    options = parse({"--no-shift-left-right-window", "--shift-left-right-saver", "--no-shift-left-right"});
    ASSERT_EQ(options.settings.size(), 3u);
    EXPECT_STREQ(options.settings[0].registryName, "shiftLeftRightWin");
    EXPECT_STREQ(options.settings[1].registryName, "shiftLeftRightSS");
    EXPECT_EQ(options.settings[2].registryName, nullptr);
    EXPECT_FLOAT_EQ(options.settings[2].value, 0);
}

TEST(ProgramOptions, BadCommandLinesSayWhy) {
    const struct {
        std::vector<std::string> arguments;
        const char* error;
    } cases[] = {
        {{"--speed", "5000"}, "--speed: 5000 is outside 0 to 1000%"},
        {{"--speed", "1.5"}, "--speed: \"1.5\" is not a whole number"},
        {{"--lava-hue"}, "--lava-hue needs a number"},
        {{"--lava-hue", "red"}, "--lava-hue: \"red\" is not a number"},
        {{"--lava-hue", "nan"}, "--lava-hue: \"nan\" is not a number"},
        {{"--lava-hue="}, "--lava-hue: \"\" is not a number"},
        {{"--show-particles=1"}, "--show-particles takes no value"},
        {{"--no-speed"}, "unknown option --no-speed (glimmerjar --help lists them)"},
        {{"--window-id"}, "--window-id needs the number of an X window, like 0x1e00007"},
        {{"--window-id", "-5"}, "--window-id needs the number of an X window, like 0x1e00007"},
        {{"--window-id", "0x100000000"}, "--window-id needs the number of an X window, like 0x1e00007"},
        {{"--size", "800"}, "--size needs a width and a height, like 800x600"},
        {{"--size", "99999999999x10"}, "--size needs a width and a height, like 800x600"},
        {{"lamp"}, "unknown option lamp (glimmerjar --help lists them)"},
        {{"-"}, "unknown option - (glimmerjar --help lists them)"},
    };
    for (const auto& c : cases) {
        const ProgramOptions options = parse(c.arguments);
        EXPECT_EQ(options.action, ProgramAction::Reject) << c.arguments[0];
        EXPECT_EQ(options.error, c.error);
    }
    // What is echoed of a long argument is its beginning.
    const std::string huge(100000, 'x');
    EXPECT_EQ(parse({"--" + huge}).error, "unknown option --" + huge.substr(0, 38) + "... (glimmerjar --help lists them)");
    EXPECT_EQ(parse({"--speed", huge}).error, "--speed: \"" + huge.substr(0, 40) + "...\" is not a whole number");
    EXPECT_EQ(parse({"--help"}).action, ProgramAction::Help);
    EXPECT_EQ(parse({"--version"}).action, ProgramAction::Version);
    EXPECT_EQ(parse({"--print-settings", "--speed", "3"}).action, ProgramAction::PrintSettings);
    EXPECT_EQ(parse({"--xscreensaver-config"}).action, ProgramAction::PrintConfig);
}

TEST(ProgramOptions, ASwitchOfScreenModeKeepsTheSettings) {
    const std::vector<std::string> given = {"--window", "--lava-hue", "0.2", "--size", "400x400", "-fps",
                                            "--window-id", "77", "--speed=5", "--root", "--window-id=9"};
    const std::vector<std::string> full = {"--fullscreen", "--lava-hue", "0.2", "--size", "400x400", "-fps",
                                           "--speed=5"};
    EXPECT_EQ(argumentsForScreenMode(given, true), full);
    const std::vector<std::string> window = {"--window", "--show-particles"};
    EXPECT_EQ(argumentsForScreenMode({"-f", "--show-particles"}, false), window);
    // What it gives is read as it was meant.
    const ProgramOptions again = parseProgramOptions(argumentsForScreenMode(given, true), nullptr);
    EXPECT_EQ(again.target, ProgramTarget::FullScreen);
    EXPECT_EQ(again.settings.size(), 2u);
    EXPECT_TRUE(again.showFrameRate);
}
