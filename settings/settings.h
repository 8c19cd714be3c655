// All the settings of the program in one object: the 41 setting objects as named members
// (built from the table in settings_table.cpp) and a list of them in table order, so that
// start-up, shut-down and the configuration dialog can treat them as one.
#pragma once

#include <string>
#include <vector>

#include "settings/run_mode.h"
#include "settings/setting.h"
#include "settings/settings_table.h"

class SettingsStore;

class Settings {
public:
    // Builds every setting from its row with its default (each construction runs the
    // setting's callback). The shift-left-right switch takes its name and default from the
    // run mode. Loading from the store (null: none, every read fails and nothing is kept)
    // is the creator's next step (loadAll).
    Settings(RunMode mode, const SettingEffects& effects, SettingsStore* store);
    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    void attachAll(DialogPort* dialog);
    void detachAll();
    void resetAll();
    // Also writes startFullScreen in Windowed (0) and FullScreen (1) runs. The settings in
    // `except` are not written (a run's command-line settings).
    void saveAll(const std::vector<const Setting*>& except = {});
    void loadAll();
    SettingsStore* store() const { return store_; }
    RunMode runMode() const { return mode_; }
    // Offers a dialog message to each setting in list order; true at the first that took it.
    bool handleMessage(DialogPort* dialog, int senderId);

    const std::vector<Setting*>& list() const { return list_; }
    // The setting stored under a registry name (the shift switch under its run's name).
    Setting* find(const std::string& registryName) const;
    // Sets a setting by its registry name from a number (tools, tests); false for a name it
    // does not know.
    bool setByName(const std::string& registryName, float value);

private:
    const RunMode mode_;
    const SettingEffects effects_;
    SettingsStore* const store_;

    ShiftSwitch shiftSwitch() const;
    // Each member is made from its row (guaranteed copy elision builds it in place).
    BoolSetting boolSetting(const char* name) const;
    IntSetting intSetting(const char* name) const;
    FloatSetting floatSetting(const char* name) const;

public:
    // The view.
    FloatSetting rot_angle = floatSetting("rot_angle");
    FloatSetting rot_speed = floatSetting("rot_speed");
    FloatSetting zoom = floatSetting("zoom");
    FloatSetting translateX = floatSetting("translateX");
    FloatSetting shiftX = floatSetting("shiftX");
    FloatSetting translateY = floatSetting("translateY");
    FloatSetting rotateViewX = floatSetting("rotateViewX");
    FloatSetting rotateViewY = floatSetting("rotateViewY");
    // What is shown and how the lamp starts.
    BoolSetting showParticles = boolSetting("showParticles");
    BoolSetting showPolygons = boolSetting("showPolygons");
    BoolSetting resumeFromLastPos = boolSetting("resumeFromLastPos");
    BoolSetting shiftLeftRight = boolSetting("shiftLeftRight");
    // The simulation.
    IntSetting speed = intSetting("speed");
    IntSetting viscosity = intSetting("viscosity");
    IntSetting buoyancy = intSetting("buoyancy");
    IntSetting surfaceTension = intSetting("surfaceTension");
    IntSetting coolingRate = intSetting("coolingRate");
    IntSetting heatDiffusion = intSetting("heatDiffusion");
    IntSetting frameRate = intSetting("frameRate");
    IntSetting priority = intSetting("priority");
    IntSetting renderAccuracy = intSetting("renderAccuracy");
    IntSetting lampHeat = intSetting("lampHeat");
    IntSetting numParticles = intSetting("numParticles");
    // The lava colour, and the hot colour it blends to.
    FloatSetting lavaHue = floatSetting("lavaHue");
    FloatSetting lavaRotateColor = floatSetting("lavaRotateColor");
    FloatSetting lavaSaturation = floatSetting("lavaSaturation");
    FloatSetting lavaLuminance = floatSetting("lavaLuminance");
    BoolSetting differentHotColor = boolSetting("differentHotColor");
    FloatSetting lavaHueHot = floatSetting("lavaHueHot");
    FloatSetting lavaRotateColorHot = floatSetting("lavaRotateColorHot");
    FloatSetting lavaSaturationHot = floatSetting("lavaSaturationHot");
    FloatSetting lavaLuminanceHot = floatSetting("lavaLuminanceHot");
    // The liquid, the lamp and the background, 0 to 100 each.
    IntSetting liquidHue = intSetting("liquidHue");
    IntSetting liquidSaturation = intSetting("liquidSaturation");
    IntSetting liquidLuminance = intSetting("liquidLuminance");
    IntSetting lampHue = intSetting("lampHue");
    IntSetting lampSaturation = intSetting("lampSaturation");
    IntSetting lampLuminance = intSetting("lampLuminance");
    IntSetting bgHue = intSetting("bgHue");
    IntSetting bgSaturation = intSetting("bgSaturation");
    IntSetting bgLuminance = intSetting("bgLuminance");

private:
    // Every member, in member order.
    std::vector<Setting*> members();

    std::vector<Setting*> list_;  // in table order
};

