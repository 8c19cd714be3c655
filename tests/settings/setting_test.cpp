// The setting objects: conversions between values and trackbar positions, clamping, what
// they show in a dialog and take from it, and their registry formats.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "tests/fakes/fake_settings_store.h"
#include "settings/registry_values.h"
#include "settings/setting.h"
#include "tests/fakes/fake_dialog_port.h"

namespace {

class SettingTest : public ::testing::Test {
protected:
    void SetUp() override {
        calls.clear();
        floatCalls.clear();
    }

    static void record(DialogPort* dialog, int value) { calls.push_back({dialog, value}); }
    static void recordFloat(DialogPort* dialog, float value) { floatCalls.push_back({dialog, value}); }

    FakeSettingsStore fake;
    FakeSettingsStore* store = &fake;
    static std::vector<std::pair<DialogPort*, int>> calls;
    static std::vector<std::pair<DialogPort*, float>> floatCalls;
};

std::vector<std::pair<DialogPort*, int>> SettingTest::calls;
std::vector<std::pair<DialogPort*, float>> SettingTest::floatCalls;

std::string stored(FakeSettingsStore* store, const char* name) {
    StoredType type;
    std::string bytes;
    return store->readValue(name, type, bytes) ? bytes : "(missing)";
}

TEST_F(SettingTest, FloatPositionsMapOntoTheValueRange) {
    FloatSetting brightness(1027, 0, 100, 0, 1, 0.44f, 0.44f, recordFloat, "lavaLuminance");
    EXPECT_EQ(brightness.positionOf(0.44f), 44);
    EXPECT_FLOAT_EQ(brightness.valueAt(45), 0.45f);
    EXPECT_FLOAT_EQ(brightness.valueAt(130), 1.0f);   // beyond the track: clamped
    EXPECT_FLOAT_EQ(brightness.valueAt(-5), 0.0f);
    // Ties go to the even position.
    FloatSetting half(1, 0, 4, 0, 1, 0, 0.125f, nullptr, nullptr);
    EXPECT_EQ(half.positionOf(0.125f), 0);
    EXPECT_EQ(half.positionOf(0.375f), 2);
    // A range that does not start at 0.
    FloatSetting spin(0, 0, 100, -100, 100, 0, 0, nullptr, "rot_speed");
    EXPECT_EQ(spin.positionOf(-100), 0);
    EXPECT_EQ(spin.positionOf(0), 50);
    EXPECT_FLOAT_EQ(spin.valueAt(75), 50.0f);
}

TEST_F(SettingTest, ConstructionRunsTheCallbackOnceWithNoDialog) {
    IntSetting heat(1041, 0, 200, 100, 100, record, "lampHeat");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].first, nullptr);
    EXPECT_EQ(calls[0].second, 100);
    FloatSetting hue(1023, 0, 100, 0, 1, 0, 0, recordFloat, "lavaHue");
    ASSERT_EQ(floatCalls.size(), 1u);
}

TEST_F(SettingTest, FloatValuesAreClampedAndNotANumberBecomesTheMinimum) {
    FloatSetting zoom(0, 0, 100, -60, 300, 0, 0, nullptr, "zoom");
    zoom.setValue(1000);
    EXPECT_FLOAT_EQ(zoom.value(), 300);
    zoom.setValue(-1e30f);
    EXPECT_FLOAT_EQ(zoom.value(), -60);
    zoom.setValue(std::numeric_limits<float>::quiet_NaN());
    EXPECT_FLOAT_EQ(zoom.value(), -60);
    zoom.setValue(std::numeric_limits<float>::infinity());
    EXPECT_FLOAT_EQ(zoom.value(), 300);
}

TEST_F(SettingTest, FloatsAreStoredAsSixDecimalText) {
    FloatSetting brightness(1027, 0, 100, 0, 1, 0.44f, 0.44f, nullptr, "lavaLuminance");
    FakeDialogPort dialog;
    brightness.attach(&dialog);
    dialog.positions[1027] = 45;
    EXPECT_TRUE(brightness.handleMessage(&dialog, 1027));
    brightness.save(store);
    EXPECT_EQ(stored(store, "lavaLuminance"), std::string("0.450000", 9));  // with its zero
}

TEST_F(SettingTest, LoadsClampFloatsAndIntegersAndIgnoreWhatIsNotTheirs) {
    FloatSetting hue(1023, 0, 100, 0, 1, 0, 0, nullptr, "lavaHue");
    IntSetting particles(1042, 0, 400, 175, 175, nullptr, "numParticles");
    BoolSetting resume(1052, true, true, nullptr, "resumeFromLastPos");

    writeString(store, "lavaHue", "7.5");
    writeDword(store, "numParticles", 1000000000);
    hue.load(store);
    particles.load(store);
    EXPECT_FLOAT_EQ(hue.value(), 1.0f);
    EXPECT_EQ(particles.value(), 400);
    // A DWORD is unsigned: 3000000000 and 0xFFFFFFFD are large numbers, never wrapped to
    // negative ones and taken as 0.
    for (const uint32_t large : {3000000000u, 0xFFFFFFFDu, 0x80000000u}) {
        writeDword(store, "numParticles", static_cast<int32_t>(large));
        particles.load(store);
        EXPECT_EQ(particles.value(), 400) << large;
    }

    // Wrong types and text that is no number leave the current value.
    particles.setValue(175);
    hue.setValue(0.3f);
    writeString(store, "numParticles", "12");
    writeDword(store, "lavaHue", 1);
    writeString(store, "resumeFromLastPos", "no");
    particles.load(store);
    hue.load(store);
    resume.load(store);
    EXPECT_EQ(particles.value(), 175);
    EXPECT_FLOAT_EQ(hue.value(), 0.3f);
    EXPECT_TRUE(resume.value());
    for (const char* text : {"", "green", "--1", ",5"}) {
        writeString(store, "lavaHue", text);
        hue.load(store);
        EXPECT_FLOAT_EQ(hue.value(), 0.3f) << "'" << text << "'";
    }
    // Numbers that are not finite end at an end of the range.
    writeString(store, "lavaHue", "nan");
    hue.load(store);
    EXPECT_FLOAT_EQ(hue.value(), 0.0f);
    writeString(store, "lavaHue", "1e999");
    hue.load(store);
    EXPECT_FLOAT_EQ(hue.value(), 1.0f);
}

TEST_F(SettingTest, AttachShowsTheValueAndTakesChangesOnlyFromItsOwnControl) {
    IntSetting speed(1053, 0, 1000, 100, 100, record, "speed", 1029, LabelFormat::Percent);
    FakeDialogPort dialog, otherDialog;
    calls.clear();
    speed.attach(&dialog);
    EXPECT_EQ(dialog.ranges[1053], std::make_pair(0, 1000));
    EXPECT_EQ(dialog.positions[1053], 100);
    EXPECT_EQ(dialog.steps[1053], std::make_pair(1, 1));
    EXPECT_EQ(dialog.texts[1029], "100%");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].first, &dialog);

    dialog.positions[1053] = 250;
    EXPECT_FALSE(speed.handleMessage(&dialog, 1054));       // another control
    EXPECT_FALSE(speed.handleMessage(&otherDialog, 1053));  // another dialog
    EXPECT_FALSE(speed.handleMessage(nullptr, 1053));
    EXPECT_EQ(speed.value(), 100);
    EXPECT_TRUE(speed.handleMessage(&dialog, 1053));
    EXPECT_EQ(speed.value(), 250);
    EXPECT_EQ(dialog.texts[1029], "250%");

    speed.detach();
    speed.setValue(300);
    EXPECT_EQ(dialog.positions[1053], 250);  // detached: the dialog is left alone
    EXPECT_FALSE(speed.handleMessage(&dialog, 1053));
}

TEST_F(SettingTest, BoolsFollowTheirCheckBoxAndToggle) {
    BoolSetting particles(1007, false, false, record, "showParticles");
    FakeDialogPort dialog;
    particles.attach(&dialog);
    EXPECT_FALSE(dialog.checks[1007]);
    dialog.checks[1007] = true;
    EXPECT_TRUE(particles.handleMessage(&dialog, 1007));
    EXPECT_TRUE(particles.value());
    particles.toggle();
    EXPECT_FALSE(particles.value());
    EXPECT_FALSE(dialog.checks[1007]);
    particles.save(store);
    EXPECT_EQ(readDword(store, "showParticles", 7), 0);
}

TEST_F(SettingTest, ValueLabelsReadAsTheDialogShowsThem) {
    char buffer[32];
    EXPECT_STREQ(labelText(LabelFormat::Percent, 100, buffer), "100%");
    EXPECT_STREQ(labelText(LabelFormat::Number, 175, buffer), "175");
    EXPECT_STREQ(labelText(LabelFormat::FramesPerSecond, 9, buffer), "25");
    EXPECT_STREQ(labelText(LabelFormat::FramesPerSecond, 11, buffer), "50");
    EXPECT_STREQ(labelText(LabelFormat::PriorityName, 0, buffer), "Low");
    EXPECT_STREQ(labelText(LabelFormat::PriorityName, 1, buffer), "Normal");
    EXPECT_STREQ(labelText(LabelFormat::PriorityName, 2, buffer), "High");
    EXPECT_STREQ(labelText(LabelFormat::PriorityName, 7, buffer), "Low");
}

}  // namespace
