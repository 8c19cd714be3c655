// The lamp's setting effects.
#include "lamp/setting_effects.h"

#include "lamp/lamp_scene.h"
#include "lava/lava_colours.h"
#include "lava/lava_field.h"
#include "lava/lava_parameters.h"
#include "platform/dialog_port.h"
#include "settings/colour_model.h"
#include "settings/settings.h"

namespace {

float percent(int value) { return static_cast<float>(value) * 0.01f; }

// Colour effects read their sibling settings, so they wait until all of them exist; the
// creator's loadAll then runs them.
void lavaColour(DialogPort*, float) {
    if (!theSettings) return;
    const Settings& s = *theSettings;
    const Point3D rgb = hueSatLumToRgb(s.lavaHue.value(), s.lavaSaturation.value(), s.lavaLuminance.value());
    setLavaColour(rgb.x, rgb.y, rgb.z);
    if (theLampScene) theLampScene->setLavaColour(rgb);
}

void hotColour(DialogPort*, float) {
    if (!theSettings) return;
    const Settings& s = *theSettings;
    const Point3D rgb = hueSatLumToRgb(s.lavaHueHot.value(), s.lavaSaturationHot.value(), s.lavaLuminanceHot.value());
    setHotColour(rgb.x, rgb.y, rgb.z);
}

void differentHotColor(DialogPort* dialog, int on) {
    setDifferentHotColor(on != 0);
    if (!theSettings) return;
    Settings& s = *theSettings;
    for (FloatSetting* control : {&s.lavaHueHot, &s.lavaRotateColorHot, &s.lavaSaturationHot, &s.lavaLuminanceHot}) {
        // When the dialog opens the check box is attached before the trackbars it governs.
        if (control->dialog()) {
            control->enable(on != 0);
        } else if (dialog) {
            dialog->enableControl(control->controlId(), on != 0);
        }
    }
    if (dialog)
        for (int label : hotColourLabelIds) dialog->enableControl(label, on != 0);
}

Point3D colourOf(const IntSetting& hue, const IntSetting& saturation, const IntSetting& luminance) {
    return hueSatLumToRgb(percent(hue.value()), percent(saturation.value()), percent(luminance.value()));
}

void liquidColour(DialogPort*, int) {
    if (!theSettings || !theLampScene) return;
    const Settings& s = *theSettings;
    theLampScene->setLiquidColour(colourOf(s.liquidHue, s.liquidSaturation, s.liquidLuminance));
}

void lampColour(DialogPort*, int) {
    if (!theSettings || !theLampScene) return;
    const Settings& s = *theSettings;
    theLampScene->setLampColour(colourOf(s.lampHue, s.lampSaturation, s.lampLuminance));
}

void background(DialogPort*, int) {
    if (!theSettings || !theLampScene) return;
    const Settings& s = *theSettings;
    theLampScene->setBackground(colourOf(s.bgHue, s.bgSaturation, s.bgLuminance));
}

void lampHeat(DialogPort*, int value) {
    setLampHeat(percent(value));
    if (theLampScene) theLampScene->setLampHeat(percent(value));
}

void renderAccuracy(DialogPort*, int value) {
    if (theLampScene) theLampScene->glass.engine.renderer.setCellSize(cellSizeForAccuracy(value));
}

void numParticles(DialogPort*, int value) {
    if (theLampScene) theLampScene->setParticleCount(value);
}

}  // namespace

SettingEffects lampSettingEffects() {
    SettingEffects effects;
    effects.viscosity = [](DialogPort*, int value) { setViscosity(percent(value)); };
    effects.buoyancy = [](DialogPort*, int value) { setBuoyancy(percent(value)); };
    effects.surfaceTension = [](DialogPort*, int value) { setSurfaceTension(percent(value)); };
    effects.coolingRate = [](DialogPort*, int value) { setCoolingRate(percent(value)); };
    effects.heatDiffusion = [](DialogPort*, int value) { setHeatDiffusion(percent(value)); };
    effects.renderAccuracy = renderAccuracy;
    effects.lampHeat = lampHeat;
    effects.numParticles = numParticles;
    effects.lavaColour = lavaColour;
    effects.differentHotColor = differentHotColor;
    effects.hotColour = hotColour;
    effects.liquidColour = liquidColour;
    effects.lampColour = lampColour;
    effects.background = background;
    return effects;
}
