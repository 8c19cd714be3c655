// The Linux settings file: values survive reopening, hostile lines are skipped.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/settings_store.h"
#include "settings/registry_values.h"

namespace {

class SettingsFileStoreTest : public ::testing::Test {
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
    std::string path;
};

}  // namespace

TEST_F(SettingsFileStoreTest, ValuesSurviveReopening) {
    openSettingsKey();
    ASSERT_NE(settingsKey, nullptr);
    EXPECT_TRUE(writeDword("speed", -3));
    EXPECT_TRUE(writeFloatValue("zoom", 12.5f));
    EXPECT_TRUE(writeBoolValue("startFullScreen", true));
    openSettingsKey();
    EXPECT_EQ(readDword("speed", 0), -3);
    EXPECT_FLOAT_EQ(readFloatValue("zoom", 0), 12.5f);
    EXPECT_TRUE(readBoolValue("startFullScreen", false));
    EXPECT_TRUE(settingsKey->deleteValue("speed"));
    openSettingsKey();
    EXPECT_EQ(readDword("speed", 42), 42);
}

TEST_F(SettingsFileStoreTest, MalformedLinesAreSkipped) {
    {
        std::ofstream out(path);
        out << "speed d 05000000\n"
               "broken d 0g000000\n"
               "odd d 123\n"
               "\n"
               "lonely\n"
               "zoom s 312e3500\n";
    }
    openSettingsKey();
    EXPECT_EQ(readDword("speed", 0), 5);
    EXPECT_EQ(readDword("broken", 9), 9);
    EXPECT_EQ(readDword("odd", 9), 9);
    EXPECT_FLOAT_EQ(readFloatValue("zoom", 0), 1.5f);
    // Names the file could not hold are refused, not mangled.
    EXPECT_FALSE(writeDword("two words", 1));
    EXPECT_FALSE(writeDword("", 1));
}

TEST_F(SettingsFileStoreTest, UnwritableLocationFailsQuietly) {
    setenv("GLIMMERJAR_SETTINGS_FILE", "/nonexistent-folder/settings", 1);
    openSettingsKey();
    EXPECT_FALSE(writeDword("speed", 1));
    EXPECT_EQ(readDword("speed", 4), 4);
}
