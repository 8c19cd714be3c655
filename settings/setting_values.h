// The values the lamp reads from its settings, in one place. Until the settings objects
// exist these are their defaults; nothing else in the program holds its own copy.
#pragma once

#include <string>

#include "settings/run_mode.h"

struct SettingValues {
    // View (degrees and scene units).
    float rot_angle = 0, rot_speed = 0, zoom = 0, translateX = 0, shiftX = 0, translateY = 0;
    float rotateViewX = 0, rotateViewY = 0;
    bool showParticles = false;
    bool showPolygons = false;
    bool resumeFromLastPos = true;
    // Slowly shift the lamp left and right against burn-in: on for the saver, off in a window.
    bool shiftLeftRight = true;
    // Simulation, percentages.
    int speed = 100, viscosity = 100, buoyancy = 100, surfaceTension = 100, coolingRate = 100;
    int heatDiffusion = 100;
    int frameRate = 9;  // index into the frame-rate table: 25 frames per second
    int priority = 0;
    int renderAccuracy = 100;
    int lampHeat = 100;
    int numParticles = 175;
    // Colours: hue, rotation per frame, saturation, brightness.
    float lavaHue = 0, lavaRotateColor = 0, lavaSaturation = 1, lavaLuminance = 0.44f;
    bool differentHotColor = false;
    float lavaHueHot = 0.1f, lavaRotateColorHot = 0, lavaSaturationHot = 1, lavaLuminanceHot = 0.75f;
    int liquidHue = 6, liquidSaturation = 100, liquidLuminance = 64;
    int lampHue = 70, lampSaturation = 70, lampLuminance = 35;
    int bgHue = 0, bgSaturation = 100, bgLuminance = 0;

    // The defaults of a run in this mode.
    static SettingValues defaultsFor(RunMode mode);

    // Sets the value stored under name (view, display, lava and colour values); false for
    // a name it does not know.
    bool set(const std::string& name, float value);
};

extern SettingValues settingValues;
