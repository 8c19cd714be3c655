// Settings for one run: they hold in the run, and the store keeps the user's own values.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/fakes/fake_settings_store.h"
#include "settings/registry_values.h"
#include "settings/run_settings.h"
#include "settings/settings.h"

namespace {

class RunSettingsTest : public ::testing::Test {
protected:
    std::vector<SettingOverride> overrides(const std::vector<std::pair<const char*, float>>& values) {
        std::vector<SettingOverride> list;
        for (const auto& [name, value] : values) list.push_back({findSettingRow(name), value});
        return list;
    }
    FakeSettingsStore fake;
    FakeSettingsStore* store = &fake;
};

}  // namespace

TEST_F(RunSettingsTest, HoldForTheRunAndAreNotSaved) {
    writeFloatValue(store, "lavaHue", 0.5f);
    writeDword(store, "numParticles", 120);
    writeBoolValue(store, "shiftLeftRightSS", true);
    Settings settings(ScreenSaver, SettingEffects{}, store);
    settings.loadAll();
    RunSettings run(settings, overrides({{"lavaHue", 0.2f}, {"speed", 250}, {"shiftLeftRight", 0}}));
    run.apply();
    EXPECT_FLOAT_EQ(settings.lavaHue.value(), 0.2f);
    EXPECT_EQ(settings.speed.value(), 250);
    EXPECT_FALSE(settings.shiftLeftRight.value());

    settings.numParticles.setValue(300);  // changed in the run by the user: saved
    run.saveAll();
    EXPECT_FLOAT_EQ(readFloatValue(store, "lavaHue", 0), 0.5f);
    EXPECT_FALSE(store->contains("speed"));
    EXPECT_TRUE(readBoolValue(store, "shiftLeftRightSS", false));
    EXPECT_EQ(readDword(store, "numParticles", 0), 300);
    EXPECT_EQ(readDword(store, "viscosity", 0), 100);

    // The store changed under some names (the settings file edited while the lamp runs):
    // the others take the new values, the run's own keep theirs, and a save still leaves
    // the store's value of them alone.
    writeFloatValue(store, "lavaHue", 0.7f);
    writeDword(store, "numParticles", 50);
    // Only what really changed is said to be taken (bgHue's value is the one it has).
    EXPECT_EQ(run.loadChanged({"lavaHue", "numParticles", "bgHue", "noSuchSetting"}),
              std::vector<std::string>{"numParticles"});
    EXPECT_FLOAT_EQ(settings.lavaHue.value(), 0.2f);
    EXPECT_EQ(settings.numParticles.value(), 50);
    run.saveAll();
    EXPECT_FLOAT_EQ(readFloatValue(store, "lavaHue", 0), 0.7f);
}

TEST_F(RunSettingsTest, TheListingHasEverySettingInItsUnits) {
    Settings settings(Windowed, SettingEffects{}, store);
    settings.loadAll();
    RunSettings(settings, overrides({{"lavaHue", 0.25f}, {"showParticles", 1}})).apply();
    const std::string listing = settingsListing(settings);
    EXPECT_NE(listing.find("lavaHue = 0.25\n"), std::string::npos) << listing;
    EXPECT_NE(listing.find("showParticles = true\n"), std::string::npos);
    EXPECT_NE(listing.find("shiftLeftRightWindow = false\n"), std::string::npos);  // a window's default
    EXPECT_NE(listing.find("speed = 100\n"), std::string::npos);
    EXPECT_NE(listing.find("frameRate = 25\n"), std::string::npos);
    EXPECT_NE(listing.find("priority = low\n"), std::string::npos);
    EXPECT_EQ(static_cast<size_t>(std::count(listing.begin(), listing.end(), '\n')), settingRowCount);
}
