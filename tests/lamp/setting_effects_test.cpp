// The lamp's setting effects: the settings reach the lava and the lamp, and the hot-colour
// controls of the dialog are greyed exactly while "Lava changes color as it heats" is off.
#include <gtest/gtest.h>

#include <memory>

#include "lamp/lamp_scene.h"
#include "lamp/setting_effects.h"
#include "lava/lava_parameters.h"
#include "settings/colour_model.h"
#include "settings/config_dialog.h"
#include "tests/fakes/fake_settings_store.h"
#include "settings/settings.h"
#include "tests/fakes/fake_dialog_port.h"

namespace {

class SettingEffectsTest : public ::testing::Test {
protected:
    void SetUp() override {
        made = std::make_unique<Settings>(Windowed, lampSettingEffects(scene, made), &store);
        made->loadAll();
    }
    LampScene scene{5};
    FakeSettingsStore store;
    std::unique_ptr<Settings> made;
    const LavaParameters& lava = scene.glass.engine.parameters;
};

const int hotTrackbars[4] = {1039, 1062, 1040, 1057};

void expectHotControlsEnabled(const FakeDialogPort& dialog, bool enabled) {
    for (int id : hotTrackbars) EXPECT_EQ(dialog.isEnabled(id), enabled) << id;
    for (int id : hotColourLabelIds) EXPECT_EQ(dialog.isEnabled(id), enabled) << id;
}

TEST_F(SettingEffectsTest, HotColourControlsAreGreyedExactlyWhileTheBoxIsOff) {
    Settings& settings = *made;
    FakeDialogPort dialog;
    configDialogOpened(settings, &dialog);
    expectHotControlsEnabled(dialog, false);
    EXPECT_FALSE(lava.differentHotColor);

    dialog.checks[1061] = true;
    configDialogCommand(settings, &dialog, 1061, 0, 1061);
    expectHotControlsEnabled(dialog, true);
    EXPECT_TRUE(lava.differentHotColor);

    configDialogCommand(settings, &dialog, configRestoreDefaultsButton, 0, 0);
    EXPECT_FALSE(dialog.checks[1061]);
    expectHotControlsEnabled(dialog, false);

    // Opened with the box stored on: the controls start enabled.
    settings.differentHotColor.setValue(true);
    configDialogCommand(settings, &dialog, configOkButton, 0, 0);
    FakeDialogPort again;
    configDialogOpened(settings, &again);
    expectHotControlsEnabled(again, true);
}

TEST_F(SettingEffectsTest, SettingsReachTheLavaAndTheLamp) {
    Settings& settings = *made;
    EXPECT_EQ(scene.glass.group.blobCount(), 175);
    settings.numParticles.setValue(60);
    EXPECT_EQ(scene.glass.group.blobCount(), 60);
    settings.numParticles.setValue(100000);  // the lamp holds at most 400
    EXPECT_EQ(scene.glass.group.blobCount(), 400);

    settings.viscosity.setValue(250);
    EXPECT_FLOAT_EQ(lava.viscosity, 2.5f);
    settings.lampHeat.setValue(50);
    EXPECT_FLOAT_EQ(lava.lampHeat, 0.5f);

    settings.lavaHue.setValue(0.33f);  // green
    EXPECT_GT(lava.lavaColour.y, lava.lavaColour.x);
    EXPECT_GT(lava.lavaColour.y, lava.lavaColour.z);
    // The lava material holds the lava's colour; the hot colour is made of the hot controls.
    EXPECT_EQ(scene.material[LampScene::lavaMaterial].diffuse.y, lava.lavaColour.y);
    settings.lavaHueHot.setValue(0.6f);  // blue
    settings.lavaLuminanceHot.setValue(0.5f);
    const Point3D hot = hueSatLumToRgb(0.6f, 1, 0.5f);
    EXPECT_FLOAT_EQ(lava.hotColour.x, hot.x);
    EXPECT_FLOAT_EQ(lava.hotColour.y, hot.y);
    EXPECT_FLOAT_EQ(lava.hotColour.z, hot.z);
    EXPECT_GT(lava.hotColour.z, lava.hotColour.y);

    const float cell = scene.glass.engine.renderer.cellSize();
    settings.renderAccuracy.setValue(200);
    EXPECT_FLOAT_EQ(scene.glass.engine.renderer.cellSize(), cell / 2);
}

}  // namespace
