// The hack's configuration file for XScreenSaver's settings tool. Its conventions: the
// <command> element gives what is always passed; <number type="slider"> is a value between
// low and high passed as arg with % replaced, whole numbers unless low, high or default
// carries a decimal point; <boolean> a check box passing arg-set when checked (for a
// default that is off) or arg-unset when cleared (for a default that is on); <select> a
// menu whose options pass their arg-set (the default one none); <hgroup> and <vgroup> lay
// their children side by side or one above the other. A slider's _label stands above it,
// its _low-label left of it and its _high-label right of it.
//
// The page is laid out as the configuration dialog groups its controls, in its order, and
// kept short enough for a 768-pixel screen: the switches across the top, then three
// columns (the lava; the liquid, the lamp and the background; the simulation), each group
// under its title and each slider named in the dialog's words.
#include "settings/xscreensaver_config.h"

#include <cstring>
#include <vector>

#include "settings/frame_rates.h"
#include "settings/setting_options.h"
#include "settings/setting_values.h"
#include "settings/settings_table.h"

namespace {

// XScreenSaver's own switch of every hack, which no row of the table holds.
const char* const showFrameRate = "showfps";

// The page: the switches across the top (three small columns), then three columns of
// sliders, every entry a table row by name. Each group of the dialog a column holds is
// headed by the group box's title. The colours' wandering is left to the settings file:
// the tool writes a slider's value with three decimals, which leaves its range of 0 to
// 0.015 sixteen steps.
using Column = std::vector<const char*>;
const std::vector<Column> switchColumns = {
    {"showParticles", "showPolygons"}, {"resumeFromLastPos", "shiftLeftRight"}, {showFrameRate, "frameRate"}};
const std::vector<Column> sliderColumns = {
    {"lavaHue", "lavaSaturation", "lavaLuminance", "differentHotColor", "lavaHueHot", "lavaSaturationHot",
     "lavaLuminanceHot"},
    {"liquidHue", "liquidSaturation", "liquidLuminance", "lampHue", "lampSaturation", "lampLuminance", "bgHue",
     "bgSaturation", "bgLuminance"},
    {"numParticles", "renderAccuracy", "lampHeat", "speed", "viscosity", "buoyancy", "surfaceTension",
     "coolingRate", "heatDiffusion"}};

// A number as the tool reads it: with a decimal point for a value that has fractions.
std::string toolNumber(const SettingRow& row, float value) {
    std::string text = numberText(value);
    if (row.kind == SettingKind::Float && text.find('.') == std::string::npos) text += ".0";
    return text;
}

// The key a row has on the saver's page: the shift switch's is the saver's.
const char* keyOf(const SettingRow& row) { return isShiftSwitchRow(row) ? shiftSwitchFor(ScreenSaver).key : row.name; }

std::string optionOf(const SettingRow& row) { return "--" + optionNameOf(keyOf(row)); }

std::string booleanOf(const SettingRow& row, const std::string& indent) {
    const bool on = isShiftSwitchRow(row) ? shiftSwitchFor(ScreenSaver).defaultValue : row.defaultValue != 0;
    const std::string option = optionOf(row);
    return indent + "<boolean id=\"" + keyOf(row) + "\" _label=\"" + row.label + "\" " +
           (on ? "arg-unset=\"--no-" + option.substr(2) : "arg-set=\"" + option) + "\"/>\n";
}

std::string frameRateMenu(const SettingRow& row, const std::string& indent) {
    std::string xml = indent + "<select id=\"" + std::string(row.name) + "\">\n";
    for (int i = 0; i < frameRateCount; ++i) {
        const std::string rate = spokenValue(row, static_cast<float>(i));
        xml += indent + "  <option id=\"rate" + rate + "\" _label=\"" + rate + (i == 0 ? " frame" : " frames") +
               " a second\"";
        if (i != static_cast<int>(row.defaultValue)) xml += " arg-set=\"" + optionOf(row) + " " + rate + "\"";
        xml += "/>\n";
    }
    return xml + indent + "</select>\n";
}

// A slider named on its right in the dialog's words, so that the sliders of a column line
// up whatever their names' lengths; the heading, when there is one, stands above it.
std::string sliderOf(const SettingRow& row, const char* heading, const std::string& indent) {
    std::string xml = indent + "<number id=\"" + row.name + "\" type=\"slider\" arg=\"" + optionOf(row) + " %\"";
    if (heading) xml += " _label=\"" + std::string(heading) + "\"";
    return xml + " _high-label=\"" + row.label + "\" low=\"" + toolNumber(row, row.minimum) +
           "\" high=\"" + toolNumber(row, row.maximum) + "\" default=\"" + toolNumber(row, row.defaultValue) +
           "\"/>\n";
}

std::string columnOf(const Column& names, const std::string& indent) {
    std::string xml = indent + "<vgroup>\n";
    const SettingRow* headed = nullptr;  // the last row that stood under a heading
    for (const char* name : names) {
        if (std::strcmp(name, showFrameRate) == 0) {
            xml += indent + "  <boolean id=\"showfps\" _label=\"Show frame rate\" arg-set=\"--fps\"/>\n";
            continue;
        }
        const SettingRow& row = *findSettingRow(name);
        if (row.kind == SettingKind::Bool) {
            xml += booleanOf(row, indent + "  ");
        } else if (row.unit == SettingUnit::FramesPerSecond) {
            xml += frameRateMenu(row, indent + "  ");
        } else {
            const bool newGroup = !headed || headed->group != row.group;
            xml += sliderOf(row, newGroup ? groupName(row.group) : nullptr, indent + "  ");
            headed = &row;
        }
    }
    return xml + indent + "</vgroup>\n";
}

}  // namespace

std::vector<const char*> xscreensaverPageSettings() {
    std::vector<const char*> names;
    for (const auto* columns : {&switchColumns, &sliderColumns})
        for (const Column& column : *columns)
            for (const char* name : column)
                if (std::strcmp(name, showFrameRate) != 0) names.push_back(name);
    return names;
}

std::string xscreensaverConfig() {
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
        "<!-- Made from Glimmerjar's settings table when the program is built. -->\n"
        "<screensaver name=\"glimmerjar\" _label=\"Glimmerjar\">\n"
        "  <command arg=\"--root\"/>\n"
        "  <hgroup>\n";
    for (const Column& column : switchColumns) xml += columnOf(column, "    ");
    xml +=
        "  </hgroup>\n"
        "  <hgroup>\n";
    for (const Column& column : sliderColumns) xml += columnOf(column, "    ");
    xml +=
        "  </hgroup>\n"
        "  <_description>\n"
        "A lava lamp, simulated and drawn as you watch: wax heats, rises, cools and sinks.\n"
        "\n"
        "The view, the priority and how fast the colors wander are set in\n"
        "~/.config/glimmerjar/settings (man glimmerjar tells how).\n"
        "  </_description>\n"
        "</screensaver>\n";
    return xml;
}
