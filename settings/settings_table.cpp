// The table of settings.
#include "settings/settings_table.h"

#include <cstring>

namespace {

using E = SettingEffects;

constexpr SettingRow boolRow(const char* name, int control, bool defaultValue,
                             SettingCallback E::*effect = nullptr) {
    return {name, SettingKind::Bool, control, 0, 1, defaultValue ? 1.0f : 0.0f, 0, 0, 0, LabelFormat::None,
            effect, nullptr, control != 0};
}

constexpr SettingRow intRow(const char* name, int control, int minimum, int maximum, int defaultValue,
                            SettingCallback E::*effect, int label = 0, LabelFormat format = LabelFormat::None) {
    return {name, SettingKind::Int, control, static_cast<float>(minimum), static_cast<float>(maximum),
            static_cast<float>(defaultValue), 0, 0, label, format, effect, nullptr, control != 0};
}

// Every float setting's trackbar has positions 0 to 100.
constexpr SettingRow floatRow(const char* name, int control, float minimum, float maximum, float defaultValue,
                              FloatSettingCallback E::*effect = nullptr) {
    return {name, SettingKind::Float, control, minimum, maximum, defaultValue, 0, 100, 0, LabelFormat::None,
            nullptr, effect, control != 0};
}

// A setting whose control and label ids are kept although the dialog does not show them.
constexpr SettingRow outsideTheDialog(SettingRow row) {
    row.inDialog = false;
    return row;
}

}  // namespace

const SettingRow settingRows[] = {
    // The view: no control; the mouse, the keys and the frame change them.
    floatRow("rot_angle", 0, 0, 360, 0),       // the lamp's own turn, degrees
    floatRow("rot_speed", 0, -100, 100, 0),    // its turning speed, degrees per frame
    floatRow("zoom", 0, -60, 300, 0),          // viewing distance
    floatRow("translateX", 0, -100, 100, 0),   // horizontal pan
    floatRow("shiftX", 0, -20, 20, 0),         // the present anti-burn-in shift
    floatRow("translateY", 0, -100, 100, 0),   // vertical pan
    floatRow("rotateViewX", 0, 0, 360, 0),     // view turn about the vertical axis, degrees
    floatRow("rotateViewY", 0, 0, 360, 0),     // view tilt about the horizontal axis, degrees
    boolRow("showParticles", 1007, false),
    boolRow("showPolygons", 1008, false),
    boolRow("resumeFromLastPos", 1052, true),
    boolRow("shiftLeftRight", 1049, true),  // name and default per run mode: shiftSwitchFor
    // Percentages; the lava advances by speed x 0.01 x 0.02 per frame.
    intRow("speed", 1053, 0, 1000, 100, nullptr, 1029, LabelFormat::Percent),
    intRow("viscosity", 1054, 0, 300, 100, &E::viscosity, 1033, LabelFormat::Percent),
    intRow("buoyancy", 1055, 0, 300, 100, &E::buoyancy, 1034, LabelFormat::Percent),
    intRow("surfaceTension", 1056, 0, 300, 100, &E::surfaceTension, 1035, LabelFormat::Percent),
    intRow("coolingRate", 1058, 0, 300, 100, &E::coolingRate, 1036, LabelFormat::Percent),
    intRow("heatDiffusion", 1059, 0, 300, 100, &E::heatDiffusion, 1037, LabelFormat::Percent),
    intRow("frameRate", 1006, 0, 11, 9, &E::frameRate, 1021, LabelFormat::FramesPerSecond),  // 25 per second
    // Kept and applied at start-up; the dialog does not show it.
    outsideTheDialog(intRow("priority", 1015, 0, 2, 0, &E::priority, 1022, LabelFormat::PriorityName)),
    intRow("renderAccuracy", 1005, 10, 200, 100, &E::renderAccuracy, 1020, LabelFormat::Percent),
    intRow("lampHeat", 1041, 0, 200, 100, &E::lampHeat, 1024, LabelFormat::Percent),
    intRow("numParticles", 1042, 0, 400, 175, &E::numParticles, 1032, LabelFormat::Number),
    // Colours: hue, saturation and brightness 0 to 1 (the lava) or 0 to 100 (the rest).
    floatRow("lavaHue", 1023, 0, 1, 0, &E::lavaColour),
    floatRow("lavaSaturation", 1026, 0, 1, 1, &E::lavaColour),
    floatRow("lavaLuminance", 1027, 0, 1, 0.44f, &E::lavaColour),
    boolRow("differentHotColor", 1061, false, &E::differentHotColor),
    floatRow("lavaHueHot", 1039, 0, 1, 0.1f, &E::hotColour),
    floatRow("lavaRotateColor", 1038, 0, 0.015f, 0),  // hue added to lavaHue every frame
    floatRow("lavaSaturationHot", 1040, 0, 1, 1, &E::hotColour),
    floatRow("lavaLuminanceHot", 1057, 0, 1, 0.75f, &E::hotColour),
    intRow("liquidHue", 1025, 0, 100, 6, &E::liquidColour),
    floatRow("lavaRotateColorHot", 1062, 0, 0.015f, 0),  // hue added to lavaHueHot every frame
    intRow("liquidSaturation", 1030, 0, 100, 100, &E::liquidColour),
    intRow("liquidLuminance", 1031, 0, 100, 64, &E::liquidColour),
    intRow("lampHue", 1043, 0, 100, 70, &E::lampColour),
    intRow("lampSaturation", 1044, 0, 100, 70, &E::lampColour),
    intRow("lampLuminance", 1045, 0, 100, 35, &E::lampColour),
    intRow("bgHue", 1046, 0, 100, 0, &E::background),
    intRow("bgSaturation", 1047, 0, 100, 100, &E::background),
    intRow("bgLuminance", 1048, 0, 100, 0, &E::background),
};

const size_t settingRowCount = sizeof settingRows / sizeof settingRows[0];

const SettingRow* findSettingRow(const char* name) {
    for (const SettingRow& row : settingRows)
        if (std::strcmp(row.name, name) == 0) return &row;
    return nullptr;
}

ShiftSwitch shiftSwitchFor(RunMode mode) {
    switch (mode) {
        case Windowed:
            return {"shiftLeftRightWin", false};
        case FullScreen:
            return {"shiftLeftRightFull", false};
        case Preview:
        case ScreenSaver:
        case Configure:
            break;
    }
    return {"shiftLeftRightSS", true};
}
