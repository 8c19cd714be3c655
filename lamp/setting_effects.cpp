// Setting effects.
#include "lamp/setting_effects.h"

#include <algorithm>

#include "lava/lava_colours.h"
#include "lava/lava_field.h"
#include "lava/lava_parameters.h"
#include "lamp/lamp_scene.h"
#include "settings/colour_model.h"
#include "settings/setting_values.h"

namespace {
float percent(int value) { return static_cast<float>(value) * 0.01f; }
}  // namespace

void applyLavaColour() {
    const SettingValues& v = settingValues;
    const Point3D rgb = hueSatLumToRgb(v.lavaHue, v.lavaSaturation, v.lavaLuminance);
    setLavaColour(rgb.x, rgb.y, rgb.z);
}

void applyHotColour() {
    const SettingValues& v = settingValues;
    const Point3D rgb = hueSatLumToRgb(v.lavaHueHot, v.lavaSaturationHot, v.lavaLuminanceHot);
    setHotColour(rgb.x, rgb.y, rgb.z);
    setDifferentHotColor(v.differentHotColor);
}

void applyLiquidColour() {
    const SettingValues& v = settingValues;
    if (theLampScene)
        theLampScene->setLiquidColour(
            hueSatLumToRgb(percent(v.liquidHue), percent(v.liquidSaturation), percent(v.liquidLuminance)));
}

void applyLampColour() {
    const SettingValues& v = settingValues;
    if (theLampScene)
        theLampScene->setLampColour(
            hueSatLumToRgb(percent(v.lampHue), percent(v.lampSaturation), percent(v.lampLuminance)));
}

void applyBackground() {
    const SettingValues& v = settingValues;
    if (theLampScene)
        theLampScene->setBackground(hueSatLumToRgb(percent(v.bgHue), percent(v.bgSaturation), percent(v.bgLuminance)));
}

void applyLampHeat() {
    setLampHeat(percent(settingValues.lampHeat));
    if (theLampScene) theLampScene->setLampHeat(percent(settingValues.lampHeat));
}

void applySimulationValues() {
    const SettingValues& v = settingValues;
    setViscosity(percent(v.viscosity));
    setBuoyancy(percent(v.buoyancy));
    setSurfaceTension(percent(v.surfaceTension));
    setCoolingRate(percent(v.coolingRate));
    setHeatDiffusion(percent(v.heatDiffusion));
}

void applyRenderAccuracy() {
    if (theLampScene) theLampScene->glass.engine.renderer.setCellSize(cellSizeForAccuracy(settingValues.renderAccuracy));
}

void applyParticleCount() {
    if (theLampScene) theLampScene->setParticleCount(settingValues.numParticles);
}

uint32_t frameIntervalMs(int frameRateIndex) {
    static const uint32_t periods[12] = {1000, 500, 200, 150, 100, 80, 70, 60, 50, 40, 30, 20};
    return periods[std::clamp(frameRateIndex, 0, 11)];
}

int shownFrameRate(int frameRateIndex) {
    static const int rates[12] = {1, 2, 5, 7, 10, 12, 15, 17, 20, 25, 33, 50};
    return rates[std::clamp(frameRateIndex, 0, 11)];
}

void applyAllSettings() {
    applySimulationValues();
    applyRenderAccuracy();
    applyLampHeat();
    applyParticleCount();
    applyLavaColour();
    applyHotColour();
    applyLiquidColour();
    applyLampColour();
    applyBackground();
}
