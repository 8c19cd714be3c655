// The table of settings.
#include "settings/settings_table.h"

#include <cstring>

namespace {

using E = SettingEffects;
using G = SettingGroup;

// What the rows say of a setting a person reads: its words, its group, its unit.
struct Words {
    const char* label;
    SettingGroup group;
    const char* unitWord = "";
    SettingUnit unit = SettingUnit::Stored;
    bool readWithGroup = false;
};

constexpr SettingRow boolRow(const char* name, Words words, int control, bool defaultValue,
                             SettingCallback E::*effect = nullptr) {
    return {name, words.label, words.readWithGroup, words.group, words.unit, words.unitWord, SettingKind::Bool, control, 0,
            1, defaultValue ? 1.0f : 0.0f, 0, 0, 0, LabelFormat::None, effect, nullptr, control != 0};
}

constexpr SettingRow intRow(const char* name, Words words, int control, int minimum, int maximum, int defaultValue,
                            SettingCallback E::*effect, int label = 0, LabelFormat format = LabelFormat::None) {
    return {name, words.label, words.readWithGroup, words.group, words.unit, words.unitWord, SettingKind::Int, control,
            static_cast<float>(minimum), static_cast<float>(maximum), static_cast<float>(defaultValue), 0, 0, label,
            format, effect, nullptr, control != 0};
}

// Every float setting's trackbar has positions 0 to 100.
constexpr SettingRow floatRow(const char* name, Words words, int control, float minimum, float maximum,
                              float defaultValue, FloatSettingCallback E::*effect = nullptr) {
    return {name, words.label, words.readWithGroup, words.group, words.unit, words.unitWord, SettingKind::Float, control,
            minimum, maximum, defaultValue, 0, 100, 0, LabelFormat::None, nullptr, effect, control != 0};
}

// A setting whose control and label ids are kept although the dialog does not show them.
constexpr SettingRow outsideTheDialog(SettingRow row) {
    row.inDialog = false;
    return row;
}

constexpr Words percent(const char* label, SettingGroup group) { return {label, group, "%"}; }
// A colour's hue, saturation or brightness: the dialog's label under its group's name.
constexpr Words colour(const char* label, SettingGroup group) { return {label, group, "", SettingUnit::Stored, true}; }

}  // namespace

const SettingRow settingRows[] = {
    // The view: no control; the mouse, the keys and the frame change them.
    floatRow("rot_angle", {"Lamp Turn", G::View, "degrees"}, 0, 0, 360, 0),
    floatRow("rot_speed", {"Spin", G::View, "degrees a frame"}, 0, -100, 100, 0),
    floatRow("zoom", {"Zoom", G::View}, 0, -60, 300, 0),  // viewing distance
    floatRow("translateX", {"Move Sideways", G::View}, 0, -100, 100, 0),
    floatRow("shiftX", {"Burn-in Shift Now", G::View}, 0, -20, 20, 0),
    floatRow("translateY", {"Move Up and Down", G::View}, 0, -100, 100, 0),
    floatRow("rotateViewX", {"View Turn", G::View, "degrees"}, 0, 0, 360, 0),  // about the vertical axis
    floatRow("rotateViewY", {"View Tilt", G::View, "degrees"}, 0, 0, 360, 0),  // about the horizontal axis
    boolRow("showParticles", {"Show Particles", G::General}, 1007, false),
    boolRow("showPolygons", {"Show Polygons", G::General}, 1008, false),
    boolRow("resumeFromLastPos", {"Resume from last position on startup", G::General}, 1052, true),
    // Name and default per run mode: shiftSwitchFor.
    boolRow("shiftLeftRight", {"Slowly shift lamp left and right to avoid burn-in", G::General}, 1049, true),
    // Percentages; the lava advances by speed x 0.01 x 0.02 per frame.
    intRow("speed", percent("Time Step", G::Simulation), 1053, 0, 1000, 100, nullptr, 1029, LabelFormat::Percent),
    intRow("viscosity", percent("Viscosity", G::Simulation), 1054, 0, 300, 100, &E::viscosity, 1033,
           LabelFormat::Percent),
    intRow("buoyancy", percent("Buoyancy", G::Simulation), 1055, 0, 300, 100, &E::buoyancy, 1034, LabelFormat::Percent),
    intRow("surfaceTension", percent("Surface Tension", G::Simulation), 1056, 0, 300, 100, &E::surfaceTension, 1035,
           LabelFormat::Percent),
    intRow("coolingRate", percent("Cooling Rate", G::Simulation), 1058, 0, 300, 100, &E::coolingRate, 1036,
           LabelFormat::Percent),
    intRow("heatDiffusion", percent("Heat Diffusion", G::Simulation), 1059, 0, 300, 100, &E::heatDiffusion, 1037,
           LabelFormat::Percent),
    // Stored as an index into the frame-rate table (9: 25 frames a second).
    intRow("frameRate", {"Frame Rate", G::Simulation, "frames a second", SettingUnit::FramesPerSecond}, 1006, 0, 11, 9,
           &E::frameRate, 1021, LabelFormat::FramesPerSecond),
    // Kept and applied at start-up; the dialog does not show it.
    outsideTheDialog(intRow("priority", {"Priority", G::Simulation, "", SettingUnit::PriorityName}, 1015, 0, 2, 0,
                            &E::priority, 1022, LabelFormat::PriorityName)),
    intRow("renderAccuracy", percent("Lava Render Quality", G::Simulation), 1005, 10, 200, 100, &E::renderAccuracy,
           1020, LabelFormat::Percent),
    intRow("lampHeat", percent("Lamp Heat", G::Simulation), 1041, 0, 200, 100, &E::lampHeat, 1024,
           LabelFormat::Percent),
    intRow("numParticles", {"Number of Particles", G::Simulation}, 1042, 0, 400, 175, &E::numParticles, 1032,
           LabelFormat::Number),
    // Colours: hue, saturation and brightness 0 to 1 (the lava) or 0 to 100 (the rest).
    floatRow("lavaHue", colour("Color", G::Lava), 1023, 0, 1, 0, &E::lavaColour),
    floatRow("lavaSaturation", colour("Saturation", G::Lava), 1026, 0, 1, 1, &E::lavaColour),
    floatRow("lavaLuminance", colour("Brightness", G::Lava), 1027, 0, 1, 0.44f, &E::lavaColour),
    boolRow("differentHotColor", {"Lava changes color as it heats", G::Lava}, 1061, false, &E::differentHotColor),
    floatRow("lavaHueHot", {"Hot Color", G::Lava}, 1039, 0, 1, 0.1f, &E::hotColour),
    // Hue added to lavaHue every frame.
    floatRow("lavaRotateColor", {"Color Wanders", G::Lava, "a frame", SettingUnit::Stored, true}, 1038, 0, 0.015f, 0),
    floatRow("lavaSaturationHot", {"Hot Saturation", G::Lava}, 1040, 0, 1, 1, &E::hotColour),
    floatRow("lavaLuminanceHot", {"Hot Brightness", G::Lava}, 1057, 0, 1, 0.75f, &E::hotColour),
    intRow("liquidHue", colour("Color", G::Liquid), 1025, 0, 100, 6, &E::liquidColour),
    // Hue added to lavaHueHot every frame.
    floatRow("lavaRotateColorHot", {"Hot Color Wanders", G::Lava, "a frame"}, 1062, 0, 0.015f, 0),
    intRow("liquidSaturation", colour("Saturation", G::Liquid), 1030, 0, 100, 100, &E::liquidColour),
    intRow("liquidLuminance", colour("Brightness", G::Liquid), 1031, 0, 100, 64, &E::liquidColour),
    intRow("lampHue", colour("Color", G::Lamp), 1043, 0, 100, 70, &E::lampColour),
    intRow("lampSaturation", colour("Saturation", G::Lamp), 1044, 0, 100, 70, &E::lampColour),
    intRow("lampLuminance", colour("Brightness", G::Lamp), 1045, 0, 100, 35, &E::lampColour),
    intRow("bgHue", colour("Color", G::Background), 1046, 0, 100, 0, &E::background),
    intRow("bgSaturation", colour("Saturation", G::Background), 1047, 0, 100, 100, &E::background),
    intRow("bgLuminance", colour("Brightness", G::Background), 1048, 0, 100, 0, &E::background),
};

const size_t settingRowCount = sizeof settingRows / sizeof settingRows[0];

const char* groupName(SettingGroup group) {
    switch (group) {
        case SettingGroup::General:
            return "General";
        case SettingGroup::Lava:
            return "Lava";
        case SettingGroup::Liquid:
            return "Liquid";
        case SettingGroup::Lamp:
            return "Lamp";
        case SettingGroup::Background:
            return "Background";
        case SettingGroup::Simulation:
            return "Simulation";
        case SettingGroup::View:
            break;
    }
    return "View";
}

std::string spokenName(const SettingRow& row) {
    return row.readWithGroup ? std::string(groupName(row.group)) + " " + row.label : row.label;
}

const SettingRow* findSettingRow(const char* name) {
    for (const SettingRow& row : settingRows)
        if (std::strcmp(row.name, name) == 0) return &row;
    return nullptr;
}

bool isShiftSwitchRow(const SettingRow& row) { return std::strcmp(row.name, "shiftLeftRight") == 0; }

ShiftSwitch shiftSwitchFor(RunMode mode) {
    switch (mode) {
        case Windowed:
            return {"shiftLeftRightWin", "shiftLeftRightWindow", "in a window", false};
        case FullScreen:
            return {"shiftLeftRightFull", "shiftLeftRightFullScreen", "full screen", false};
        case Preview:
        case ScreenSaver:
        case Configure:
            break;
    }
    return {"shiftLeftRightSS", "shiftLeftRightSaver", "as a screen saver", true};
}

const std::vector<KeyedSetting>& keyedSettings() {
    static const std::vector<KeyedSetting> keyed = [] {
        std::vector<KeyedSetting> all;
        for (const SettingRow& row : settingRows) {
            if (!isShiftSwitchRow(row)) {
                all.push_back({&row, row.name, row.name, spokenName(row), row.defaultValue});
                continue;
            }
            for (RunMode mode : shiftSwitchModes) {
                const ShiftSwitch shift = shiftSwitchFor(mode);
                all.push_back({&row, shift.key, shift.registryName, std::string(row.label) + ", " + shift.kind,
                               shift.defaultValue ? 1.0f : 0.0f});
            }
        }
        return all;
    }();
    return keyed;
}

const KeyedSetting* keyedSettingStoredAs(const std::string& registryName) {
    for (const KeyedSetting& setting : keyedSettings())
        if (registryName == setting.registryName) return &setting;
    return nullptr;
}
