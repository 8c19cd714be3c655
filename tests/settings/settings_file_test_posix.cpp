// The Linux settings file: values in their own units survive reopening; comments, unknown
// and malformed lines stay where they were, each reported once; a file that cannot be
// written changes nothing.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/settings_store.h"
#include "settings/registry_values.h"
#include "settings/settings_file.h"

namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        path = ::testing::TempDir() + "glimmerjar-settings-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::remove(path.c_str());
        setenv("GLIMMERJAR_SETTINGS_FILE", path.c_str(), 1);
    }
    void TearDown() override {
        useSettingsStore(nullptr);
        unsetenv("GLIMMERJAR_SETTINGS_FILE");
        std::remove(path.c_str());
    }
    void writeFile(const std::string& text) { std::ofstream(path) << text; }
    std::string fileText() const {
        std::ifstream in(path);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    // Opens the file as the program does, collecting what it reports.
    void open() {
        reports.clear();
        useSettingsStore(new SettingsFile(path, [this](const std::string& line) { reports.push_back(line); }));
    }
    std::string path;
    std::vector<std::string> reports;
};

}  // namespace

TEST_F(SettingsFileTest, ValuesInTheirOwnUnitsSurviveReopening) {
    openSettingsKey();
    ASSERT_NE(settingsKey, nullptr);
    EXPECT_TRUE(writeDword("speed", -3));
    EXPECT_TRUE(writeFloatValue("lavaHue", 0.33f));
    EXPECT_TRUE(writeBoolValue("showParticles", true));
    EXPECT_TRUE(writeBoolValue("startFullScreen", false));
    EXPECT_TRUE(writeString("blob007", "1.5 2 -3 0.25"));
    const std::string text = fileText();
    EXPECT_NE(text.find("speed = -3\n"), std::string::npos) << text;
    EXPECT_NE(text.find("lavaHue = 0.33\n"), std::string::npos) << text;
    EXPECT_NE(text.find("showParticles = true\n"), std::string::npos) << text;
    EXPECT_NE(text.find("startFullScreen = false\n"), std::string::npos) << text;
    openSettingsKey();
    EXPECT_EQ(readDword("speed", 0), -3);
    EXPECT_FLOAT_EQ(readFloatValue("lavaHue", 0), 0.33f);
    EXPECT_TRUE(readBoolValue("showParticles", false));
    EXPECT_FALSE(readBoolValue("startFullScreen", true));
    std::string record;
    EXPECT_TRUE(readString("blob007", record));
    EXPECT_EQ(record, "1.5 2 -3 0.25");
    EXPECT_TRUE(settingsKey->deleteValue("speed"));
    openSettingsKey();
    EXPECT_EQ(readDword("speed", 42), 42);
}

TEST_F(SettingsFileTest, APersonsEditsAreKeptAndBadLinesReportedOnce) {
    writeFile("# my lamp\n"
              "speed = 250   \n"
              "showPolygons = yes\n"
              "\n"
              "; the colour I like\n"
              "lavaHue=0.5\n"
              "viscosity = thick\n"
              "sparkle = 11\n"
              "just some words\n"
              "zoom = 2\n"
              "zoom = 3\n");
    open();
    ASSERT_EQ(reports.size(), 3u);
    EXPECT_EQ(reports[0], path + " line 7: \"thick\" is not a whole number for viscosity; the setting keeps its default");
    EXPECT_EQ(reports[1], path + " line 8: \"sparkle\" is no setting of Glimmerjar; ignored");
    EXPECT_EQ(reports[2], path + " line 9: not a setting (a setting reads \"name = value\"); ignored");
    EXPECT_EQ(readDword("speed", 0), 250);
    EXPECT_TRUE(readBoolValue("showPolygons", false));
    EXPECT_FLOAT_EQ(readFloatValue("lavaHue", 0), 0.5f);
    EXPECT_EQ(readDword("viscosity", 100), 100);
    EXPECT_EQ(readDword("sparkle", -1), -1);
    EXPECT_FLOAT_EQ(readFloatValue("zoom", 0), 3.0f);  // the later line counts

    // Reading reports nothing more; writing replaces lines in place and keeps the rest.
    readDword("viscosity", 1);
    EXPECT_TRUE(writeDword("viscosity", 120));
    EXPECT_TRUE(writeDword("speed", 90));
    EXPECT_TRUE(writeDword("heatDiffusion", 80));
    EXPECT_EQ(reports.size(), 3u);
    EXPECT_EQ(fileText(),
              "# Glimmerjar settings: name = value, one a line (see man glimmerjar)\n"
              "# my lamp\n"
              "speed = 90\n"
              "showPolygons = yes\n"
              "\n"
              "; the colour I like\n"
              "lavaHue=0.5\n"
              "viscosity = 120\n"
              "sparkle = 11\n"
              "just some words\n"
              "zoom = 2\n"
              "zoom = 3\n"
              "heatDiffusion = 80\n");
}

TEST_F(SettingsFileTest, NumbersAndFlagsAreCheckedByKind) {
    writeFile("showParticles = 2\nspeed = 1.5\nspeed2 = 1\nlavaHue = 0.5x\nbgHue = 99999999999\n"
              "resumeFromLastPos = off\nlavaLuminance = nan\n");
    open();
    EXPECT_EQ(reports.size(), 6u);
    EXPECT_TRUE(readBoolValue("showParticles", true));
    EXPECT_EQ(readDword("speed", 7), 7);
    EXPECT_FLOAT_EQ(readFloatValue("lavaHue", 0.25f), 0.25f);
    EXPECT_EQ(readDword("bgHue", 3), 3);
    EXPECT_FALSE(readBoolValue("resumeFromLastPos", true));
    EXPECT_FLOAT_EQ(readFloatValue("lavaLuminance", 0.44f), 0.44f);
}

TEST_F(SettingsFileTest, ValuesTheFileCannotHoldAreRefused) {
    open();
    EXPECT_FALSE(writeDword("two words", 1));
    EXPECT_FALSE(writeDword("", 1));
    EXPECT_FALSE(writeString("blob001", "two\nlines"));
    EXPECT_FALSE(writeDword("a=b", 1));
}

TEST_F(SettingsFileTest, UnwritableLocationChangesNothingAndSaysSoOnce) {
    writeFile("speed = 5\n");
    open();
    path = "/nonexistent-folder/settings";
    useSettingsStore(new SettingsFile(path, [this](const std::string& line) { reports.push_back(line); }));
    EXPECT_FALSE(writeDword("speed", 1));
    EXPECT_FALSE(writeDword("zoom", 1));
    EXPECT_EQ(readDword("speed", 4), 4);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], "cannot write /nonexistent-folder/settings (No such file or directory); the settings are not kept");
    setenv("GLIMMERJAR_SETTINGS_FILE", path.c_str(), 1);
    openSettingsKey();
    EXPECT_FALSE(writeDword("speed", 1));
}

// Saving the lava writes hundreds of values: a batch writes the file once, at its end.
TEST_F(SettingsFileTest, ABatchReachesTheFileAtOnceOrNotAtAll) {
    writeFile("# Glimmerjar, mine\nspeed = 5\n");
    open();
    {
        SettingsBatch outer;
        {
            SettingsBatch inner;
            EXPECT_TRUE(writeDword("speed", 6));
            EXPECT_TRUE(writeString("blob000", "1 2 3"));
        }
        EXPECT_TRUE(settingsKey->deleteValue("blob000"));
        EXPECT_TRUE(writeDword("zoom", 2));
        EXPECT_EQ(readDword("speed", 0), 6);
        EXPECT_EQ(fileText(), "# Glimmerjar, mine\nspeed = 5\n");
    }
    EXPECT_EQ(fileText(), "# Glimmerjar, mine\nspeed = 6\nzoom = 2\n");

    path = "/nonexistent-folder/settings";
    useSettingsStore(new SettingsFile(path, [this](const std::string& line) { reports.push_back(line); }));
    settingsKey->beginBatch();
    EXPECT_TRUE(writeDword("speed", 1));
    EXPECT_TRUE(writeDword("zoom", 1));
    EXPECT_FALSE(settingsKey->endBatch());
    EXPECT_EQ(readDword("speed", 4), 4);
    EXPECT_EQ(reports.size(), 1u);
}

TEST_F(SettingsFileTest, TheConfigurationFolderIsMadeWithTheFoldersAboveIt) {
    const std::string home = ::testing::TempDir() + "glimmerjar-fresh-account";
    unsetenv("GLIMMERJAR_SETTINGS_FILE");
    setenv("XDG_CONFIG_HOME", (home + "/config/deeper").c_str(), 1);
    openSettingsKey();
    EXPECT_TRUE(writeDword("speed", 7));
    std::ifstream in(home + "/config/deeper/glimmerjar/settings");
    EXPECT_TRUE(in.good());
    unsetenv("XDG_CONFIG_HOME");
    useSettingsStore(nullptr);
    std::remove((home + "/config/deeper/glimmerjar/settings").c_str());
}

TEST(TidyDecimal, ShortensOnlyTrailingZeros) {
    EXPECT_EQ(tidyDecimal("0.440000"), "0.44");
    EXPECT_EQ(tidyDecimal("100.000000"), "100");
    EXPECT_EQ(tidyDecimal("-0.000000"), "0");
    EXPECT_EQ(tidyDecimal("1000"), "1000");
    EXPECT_EQ(tidyDecimal("1e+10"), "1e+10");
}
