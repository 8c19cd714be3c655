// The settings as a whole: the table and the members built from it, defaults and their
// effects, loading hostile registry values, the configuration dialog's logic, and the
// agreement between the table and dialog 7001 of the resource script.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "settings/config_dialog.h"
#include "tests/fakes/fake_settings_store.h"
#include "settings/registry_values.h"
#include "settings/settings.h"
#include "settings/xscreensaver_config.h"
#include "tests/fakes/fake_dialog_port.h"

namespace {

// The last value each effect was given.
std::map<std::string, double> applied;

SettingEffects recordingEffects() {
    SettingEffects e;
    e.viscosity = [](DialogPort*, int v) { applied["viscosity"] = v; };
    e.buoyancy = [](DialogPort*, int v) { applied["buoyancy"] = v; };
    e.surfaceTension = [](DialogPort*, int v) { applied["surfaceTension"] = v; };
    e.coolingRate = [](DialogPort*, int v) { applied["coolingRate"] = v; };
    e.heatDiffusion = [](DialogPort*, int v) { applied["heatDiffusion"] = v; };
    e.frameRate = [](DialogPort*, int v) { applied["frameRate"] = v; };
    e.priority = [](DialogPort*, int v) { applied["priority"] = v; };
    e.renderAccuracy = [](DialogPort*, int v) { applied["renderAccuracy"] = v; };
    e.lampHeat = [](DialogPort*, int v) { applied["lampHeat"] = v; };
    e.numParticles = [](DialogPort*, int v) { applied["numParticles"] = v; };
    e.lavaColour = [](DialogPort*, float v) { applied["lavaColour"] = v; };
    e.differentHotColor = [](DialogPort*, int v) { applied["differentHotColor"] = v; };
    e.hotColour = [](DialogPort*, float v) { applied["hotColour"] = v; };
    e.liquidColour = [](DialogPort*, int v) { applied["liquidColour"] = v; };
    e.lampColour = [](DialogPort*, int v) { applied["lampColour"] = v; };
    e.background = [](DialogPort*, int v) { applied["background"] = v; };
    return e;
}

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { applied.clear(); }
    Settings& make(RunMode mode = Windowed) {
        made = std::make_unique<Settings>(mode, recordingEffects(), store);
        made->loadAll();
        return *made;
    }
    // An empty store from now on.
    FakeSettingsStore* freshStore() {
        stores.push_back(std::make_unique<FakeSettingsStore>());
        return store = stores.back().get();
    }
    std::vector<std::unique_ptr<FakeSettingsStore>> stores;
    FakeSettingsStore* store = freshStore();
    std::unique_ptr<Settings> made;
};

// A number a setting holds, whatever its kind.
double valueOf(const Setting* setting) {
    if (auto* f = dynamic_cast<const FloatSetting*>(setting)) return f->value();
    if (auto* i = dynamic_cast<const IntSetting*>(setting)) return i->value();
    return dynamic_cast<const BoolSetting*>(setting)->value() ? 1 : 0;
}

TEST_F(SettingsTest, ListHoldsEveryMemberOnceInTableOrder) {
    Settings& settings = make();
    ASSERT_EQ(settings.list().size(), settingRowCount);
    std::set<const Setting*> distinct(settings.list().begin(), settings.list().end());
    EXPECT_EQ(distinct.size(), settingRowCount);
    for (size_t i = 0; i < settingRowCount; ++i) {
        const std::string name = settingRows[i].name;
        const std::string stored = settings.list()[i]->registryName();
        EXPECT_EQ(stored, name == "shiftLeftRight" ? "shiftLeftRightWin" : name) << i;
        EXPECT_EQ(settings.list()[i]->controlId(), settingRows[i].controlId) << name;
    }
}

TEST_F(SettingsTest, AFreshStoreGivesEveryDefaultAndItsEffect) {
    Settings& settings = make();
    for (size_t i = 0; i < settingRowCount; ++i) {
        const SettingRow& row = settingRows[i];
        if (std::string(row.name) == "shiftLeftRight") continue;
        EXPECT_NEAR(valueOf(settings.list()[i]), row.defaultValue, 1e-6) << row.name;
    }
    EXPECT_FALSE(settings.shiftLeftRight.value());  // a window: no drift
    EXPECT_EQ(applied["frameRate"], 9);
    EXPECT_EQ(applied["priority"], 0);
    EXPECT_EQ(applied["numParticles"], 175);
    EXPECT_EQ(applied["renderAccuracy"], 100);
    EXPECT_EQ(applied["lampHeat"], 100);
    EXPECT_EQ(applied["viscosity"], 100);
    EXPECT_EQ(applied["liquidColour"], 64);  // the last of its three to load
    EXPECT_FLOAT_EQ(static_cast<float>(applied["lavaColour"]), 0.44f);
    EXPECT_EQ(applied["differentHotColor"], 0);
}

TEST_F(SettingsTest, TheShiftSwitchAndTheStartModeFollowTheRun) {
    struct Case {
        RunMode mode;
        const char* name;
        bool drift;
        const char* startFullScreen;
    };
    for (const Case& c : {Case{ScreenSaver, "shiftLeftRightSS", true, nullptr},
                          Case{Preview, "shiftLeftRightSS", true, nullptr},
                          Case{Configure, "shiftLeftRightSS", true, nullptr},
                          Case{Windowed, "shiftLeftRightWin", false, "0"},
                          Case{FullScreen, "shiftLeftRightFull", false, "1"}}) {
        freshStore();
        Settings& settings = make(c.mode);
        EXPECT_STREQ(settings.shiftLeftRight.registryName(), c.name);
        EXPECT_EQ(settings.shiftLeftRight.value(), c.drift) << c.name;
        EXPECT_EQ(settings.find(c.name), &settings.shiftLeftRight);
        settings.saveAll();
        if (c.startFullScreen) {
            EXPECT_EQ(readDword(store, "startFullScreen", -1), std::atoi(c.startFullScreen)) << c.name;
        } else {
            EXPECT_FALSE(store->contains("startFullScreen")) << c.name;
        }
    }
    // A full-screen run keeps its own choice beside the window's.
    freshStore();
    writeBoolValue(store, "shiftLeftRightWin", false);
    writeBoolValue(store, "shiftLeftRightFull", true);
    EXPECT_TRUE(make(FullScreen).shiftLeftRight.value());
    EXPECT_FALSE(make(Windowed).shiftLeftRight.value());
}

TEST_F(SettingsTest, SaveAndLoadRoundTripEveryValue) {
    Settings& settings = make();
    settings.setByName("lavaHue", 0.33f);
    settings.setByName("numParticles", 222);
    settings.setByName("showPolygons", 1);
    settings.setByName("rot_angle", 123.5f);
    EXPECT_FALSE(settings.setByName("noSuchSetting", 1));
    settings.saveAll();
    for (const Setting* setting : settings.list()) EXPECT_TRUE(store->contains(setting->registryName()));
    Settings& again = make();
    EXPECT_FLOAT_EQ(again.lavaHue.value(), 0.33f);
    EXPECT_EQ(again.numParticles.value(), 222);
    EXPECT_TRUE(again.showPolygons.value());
    EXPECT_FLOAT_EQ(again.rot_angle.value(), 123.5f);
}

TEST_F(SettingsTest, CancelGoesBackToTheValuesOfTheMomentTheDialogOpened) {
    Settings& settings = make();
    settings.lavaHue.setValue(0.2f);
    FakeDialogPort dialog;
    configDialogOpened(settings, &dialog);
    EXPECT_EQ(dialog.positions[1023], 20);
    EXPECT_EQ(dialog.texts[1032], "175");

    // Move the lava colour, check a box, then cancel.
    dialog.positions[1023] = 70;
    EXPECT_TRUE(configDialogScrolled(settings, &dialog, 1023));
    EXPECT_FLOAT_EQ(static_cast<float>(applied["lavaColour"]), 0.7f);
    dialog.checks[1007] = true;
    ConfigCommandResult result = configDialogCommand(settings, &dialog, 1007, 0, 1007);
    EXPECT_FALSE(result.handled);
    EXPECT_TRUE(settings.showParticles.value());
    result = configDialogCommand(settings, &dialog, configCancelButton, 0, 0);
    EXPECT_TRUE(result.handled);
    EXPECT_EQ(result.endDialog, configCancelButton);
    EXPECT_FLOAT_EQ(settings.lavaHue.value(), 0.2f);
    EXPECT_FLOAT_EQ(static_cast<float>(applied["lavaColour"]), 0.44f);  // the lamp follows
    EXPECT_FALSE(settings.showParticles.value());
    EXPECT_EQ(settings.lavaHue.dialog(), nullptr);

    // Restore Defaults, then Cancel: back to the snapshot, not to the defaults.
    settings.numParticles.setValue(300);
    configDialogOpened(settings, &dialog);
    configDialogCommand(settings, &dialog, configRestoreDefaultsButton, 0, 0);
    EXPECT_EQ(settings.numParticles.value(), 175);
    EXPECT_FLOAT_EQ(settings.lavaHue.value(), 0.0f);
    EXPECT_EQ(dialog.positions[1042], 175);
    configDialogCommand(settings, &dialog, configCancelButton, 0, 0);
    EXPECT_EQ(settings.numParticles.value(), 300);
    EXPECT_FLOAT_EQ(settings.lavaHue.value(), 0.2f);
}

TEST_F(SettingsTest, OkStoresTheChangesAndRestoreDefaultsResetsTheViewAndPriority) {
    Settings& settings = make();
    settings.rot_angle.setValue(90);
    settings.zoom.setValue(40);
    settings.priority.setValue(2);
    FakeDialogPort dialog;
    configDialogOpened(settings, &dialog);
    configDialogCommand(settings, &dialog, configRestoreDefaultsButton, 0, 0);
    EXPECT_FLOAT_EQ(settings.rot_angle.value(), 0);
    EXPECT_FLOAT_EQ(settings.zoom.value(), 0);
    EXPECT_EQ(settings.priority.value(), 0);
    EXPECT_EQ(applied["priority"], 0);
    EXPECT_EQ(readDword(store, "priority", -1), 2);  // nothing written yet
    dialog.positions[1041] = 150;
    configDialogScrolled(settings, &dialog, 1041);
    const ConfigCommandResult result = configDialogCommand(settings, &dialog, configOkButton, 0, 0);
    EXPECT_EQ(result.endDialog, configOkButton);
    EXPECT_EQ(readDword(store, "lampHeat", -1), 150);
    EXPECT_EQ(readDword(store, "priority", -1), 0);
    EXPECT_EQ(settings.lampHeat.dialog(), nullptr);
    EXPECT_EQ(dialog.texts[1024], "150%");
}

// --- the table against dialog 7001 ---

struct DialogControls {
    std::set<int> trackbars, checkBoxes, texts;
    std::map<int, std::string> labels;  // a check box's text, or the text on a trackbar's left
};

DialogControls controlsOfDialog7001() {
    std::ifstream in(GLIMMERJAR_SOURCE_DIR "/resources/glimmerjar.rc");
    const std::string script((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t start = script.find("RES_DIALOG_CONFIGURE DIALOGEX");
    const size_t end = script.find("\nEND", start);
    EXPECT_NE(start, std::string::npos);
    const std::string body = script.substr(start, end - start);
    DialogControls controls;
    // Line by line: a trackbar's label is the text just before it, where it has one of its
    // own (the small trackbars beside Color have none).
    const std::regex control(R"re(^\s*CONTROL\s+"([^"]*)",\s*(\d+),\s*(\S+),\s*([^,]*),)re");
    const std::regex label(R"re(^\s*LTEXT\s+"([^"#]+)",)re");
    std::istringstream lines(body);
    std::string line, pending;
    std::smatch match;
    while (std::getline(lines, line)) {
        if (std::regex_search(line, match, label)) {
            pending = match[1];
            continue;
        }
        if (!std::regex_search(line, match, control)) continue;
        const int id = std::stoi(match[2]);
        if (match[3] == "TRACKBAR_CLASS") {
            controls.trackbars.insert(id);
            if (!pending.empty()) controls.labels[id] = pending;
        }
        if (std::string(match[4]).find("BS_AUTOCHECKBOX") != std::string::npos) {
            controls.checkBoxes.insert(id);
            controls.labels[id] = match[1];
        }
        pending.clear();
    }
    const std::regex text(R"((?:LTEXT|CTEXT)\s+"[^"]*",\s*(\d+),)");
    for (std::sregex_iterator it(body.begin(), body.end(), text), last; it != last; ++it)
        controls.texts.insert(std::stoi((*it)[1]));
    return controls;
}

// XScreenSaver's page for the hack shows every setting of the dialog once, but the two
// whose range its sliders cannot set finely enough (the colours' wandering).
TEST(XScreenSaverPage, ShowsTheDialogsSettingsOnce) {
    std::multiset<std::string> page;
    for (const char* name : xscreensaverPageSettings()) page.insert(name);
    for (size_t i = 0; i < settingRowCount; ++i) {
        const SettingRow& row = settingRows[i];
        const bool leftToTheFile = std::string(row.name).find("RotateColor") != std::string::npos;
        EXPECT_EQ(page.count(row.name), row.inDialog && !leftToTheFile ? 1u : 0u) << row.name;
    }
}

TEST(ConfigurationDialogTemplate, EveryControlHasItsSettingAndEverySettingItsControl) {
    const DialogControls dialog = controlsOfDialog7001();
    EXPECT_EQ(dialog.trackbars.size(), 27u);
    EXPECT_EQ(dialog.checkBoxes.size(), 5u);
    std::set<int> bound;
    for (size_t i = 0; i < settingRowCount; ++i) {
        const SettingRow& row = settingRows[i];
        if (!row.inDialog) continue;
        bound.insert(row.controlId);
        if (row.kind == SettingKind::Bool) {
            EXPECT_TRUE(dialog.checkBoxes.count(row.controlId)) << row.name << " has no check box";
        } else {
            EXPECT_TRUE(dialog.trackbars.count(row.controlId)) << row.name << " has no trackbar";
        }
        if (row.labelId != 0) {
            EXPECT_TRUE(dialog.texts.count(row.labelId)) << row.name << " has no value label";
        }
    }
    for (int id : dialog.trackbars) EXPECT_TRUE(bound.count(id)) << "trackbar " << id << " has no setting";
    // A person reads each setting by the dialog's own words (without its * for the costly).
    for (size_t i = 0; i < settingRowCount; ++i) {
        const SettingRow& row = settingRows[i];
        const auto label = dialog.labels.find(row.controlId);
        if (!row.inDialog || label == dialog.labels.end()) continue;
        std::string words = label->second;
        if (!words.empty() && words.back() == '*') words.pop_back();
        EXPECT_EQ(words, row.label) << row.name;
    }
    for (int id : dialog.checkBoxes) EXPECT_TRUE(bound.count(id)) << "check box " << id << " has no setting";
    // The settings the dialog does not show: the view, and the priority.
    const SettingRow* priority = findSettingRow("priority");
    ASSERT_NE(priority, nullptr);
    EXPECT_FALSE(priority->inDialog);
    EXPECT_FALSE(dialog.trackbars.count(priority->controlId));
}

}  // namespace
