// The lamp's setting effects.
#include "lamp/setting_effects.h"

#include "lamp/lamp_scene.h"
#include "lava/lava_field.h"
#include "lava/lava_parameters.h"
#include "platform/dialog_port.h"
#include "settings/colour_model.h"
#include "settings/settings.h"

namespace {

float percent(int value) { return static_cast<float>(value) * 0.01f; }

Point3D colourOf(const IntSetting& hue, const IntSetting& saturation, const IntSetting& luminance) {
    return hueSatLumToRgb(percent(hue.value()), percent(saturation.value()), percent(luminance.value()));
}

void enableHotColour(Settings& s, DialogPort* dialog, bool on) {
    for (FloatSetting* control : {&s.lavaHueHot, &s.lavaRotateColorHot, &s.lavaSaturationHot, &s.lavaLuminanceHot}) {
        // When the dialog opens the check box is attached before the trackbars it governs.
        if (control->dialog()) {
            control->enable(on);
        } else if (dialog) {
            dialog->enableControl(control->controlId(), on);
        }
    }
    if (dialog)
        for (int label : hotColourLabelIds) dialog->enableControl(label, on);
}

}  // namespace

SettingEffects lampSettingEffects(LampScene& scene, const std::unique_ptr<Settings>& settings) {
    // Colour effects read their sibling settings, so they wait until all of them exist (the
    // pointer is set once the settings are made); the creator's loadAll then runs them.
    SettingEffects effects;
    LavaParameters& lava = scene.glass.engine.parameters;
    effects.viscosity = [&lava](DialogPort*, int value) { lava.viscosity = percent(value); };
    effects.buoyancy = [&lava](DialogPort*, int value) { lava.buoyancy = percent(value); };
    effects.surfaceTension = [&lava](DialogPort*, int value) { lava.surfaceTension = percent(value); };
    effects.coolingRate = [&lava](DialogPort*, int value) { lava.coolingRate = percent(value); };
    effects.heatDiffusion = [&lava](DialogPort*, int value) { lava.heatDiffusion = percent(value); };
    effects.renderAccuracy = [&scene](DialogPort*, int value) {
        scene.glass.engine.renderer.setCellSize(cellSizeForAccuracy(value));
    };
    effects.lampHeat = [&scene, &lava](DialogPort*, int value) {
        lava.setLampHeat(percent(value));
        scene.setLampHeat(percent(value));
    };
    effects.numParticles = [&scene](DialogPort*, int value) { scene.setParticleCount(value); };
    effects.lavaColour = [&scene, &lava, &settings](DialogPort*, float) {
        if (!settings) return;
        const Settings& s = *settings;
        const Point3D rgb = hueSatLumToRgb(s.lavaHue.value(), s.lavaSaturation.value(), s.lavaLuminance.value());
        lava.lavaColour = rgb;
        scene.setLavaColour(rgb);
    };
    effects.hotColour = [&lava, &settings](DialogPort*, float) {
        if (!settings) return;
        const Settings& s = *settings;
        const Point3D rgb =
            hueSatLumToRgb(s.lavaHueHot.value(), s.lavaSaturationHot.value(), s.lavaLuminanceHot.value());
        lava.hotColour = rgb;
    };
    effects.differentHotColor = [&lava, &settings](DialogPort* dialog, int on) {
        lava.differentHotColor = on != 0;
        if (settings) enableHotColour(*settings, dialog, on != 0);
    };
    effects.liquidColour = [&scene, &settings](DialogPort*, int) {
        if (settings) scene.setLiquidColour(colourOf(settings->liquidHue, settings->liquidSaturation, settings->liquidLuminance));
    };
    effects.lampColour = [&scene, &settings](DialogPort*, int) {
        if (settings) scene.setLampColour(colourOf(settings->lampHue, settings->lampSaturation, settings->lampLuminance));
    };
    effects.background = [&scene, &settings](DialogPort*, int) {
        if (settings) scene.setBackground(colourOf(settings->bgHue, settings->bgSaturation, settings->bgLuminance));
    };
    return effects;
}
