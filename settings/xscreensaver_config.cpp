// The hack's configuration file for XScreenSaver's settings tool. Its conventions: the
// <command> element gives what is always passed, <number type="slider"> a value between
// low and high passed as arg with % replaced, <boolean> a check box passing arg-set when
// checked (for a default that is off) or arg-unset when cleared (for a default that is on).
#include "settings/xscreensaver_config.h"

#include <cctype>
#include <cstring>

#include "settings/setting_options.h"
#include "settings/settings_table.h"

namespace {

// "lavaHue" -> "Lava hue"; where the dialog says it in other words, its words.
std::string labelOf(const SettingRow& row) {
    static const struct {
        const char* name;
        const char* label;
    } spoken[] = {
        // The configuration dialog's own words where they differ from the name's.
        {"speed", "Time step"},
        {"numParticles", "Number of particles"},
        {"renderAccuracy", "Lava render quality"},
        {"differentHotColor", "Lava changes color as it heats"},
        {"lavaHueHot", "Hot lava hue"},
        {"lavaSaturationHot", "Hot lava saturation"},
        {"lavaLuminanceHot", "Hot lava brightness"},
        {"lavaRotateColor", "Lava color wanders"},
        {"lavaRotateColorHot", "Hot color wanders"},
        {"shiftLeftRight", "Slowly shift lamp left and right to avoid burn-in"},
        {"resumeFromLastPos", "Resume from last position on startup"},
        {"bgHue", "Background hue"},
        {"bgSaturation", "Background saturation"},
        {"bgLuminance", "Background brightness"},
    };
    for (const auto& entry : spoken)
        if (std::strcmp(entry.name, row.name) == 0) return entry.label;
    std::string label;
    for (const char* c = row.name; *c; ++c) {
        const unsigned char letter = static_cast<unsigned char>(*c);
        if (c == row.name) {
            label += static_cast<char>(std::toupper(letter));
        } else if (std::isupper(letter)) {
            label += ' ';
            label += static_cast<char>(std::tolower(letter));
        } else {
            label += *c;
        }
    }
    // The table's own spelling of "luminance" is the brightness the dialog shows.
    const size_t luminance = label.find("luminance");
    if (luminance != std::string::npos) label.replace(luminance, 9, "brightness");
    return label;
}

std::string endLabel(const SettingRow& row, float value) {
    char buffer[32];
    const char* text = labelText(row.labelFormat, static_cast<int>(value), buffer);
    if (row.labelFormat == LabelFormat::FramesPerSecond) return std::string(text) + " a second";
    return *text ? text : optionNumber(value);
}

}  // namespace

std::string xscreensaverConfig() {
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
        "<!-- Made from Glimmerjar's settings table when the program is built. -->\n"
        "<screensaver name=\"glimmerjar\" _label=\"Glimmerjar\">\n"
        "  <command arg=\"--root\"/>\n";
    for (size_t i = 0; i < settingRowCount; ++i) {
        const SettingRow& row = settingRows[i];
        if (!row.inDialog) continue;
        const std::string option = "--" + optionNameOf(row);
        if (row.kind == SettingKind::Bool) {
            xml += "  <boolean id=\"" + std::string(row.name) + "\" _label=\"" + labelOf(row) + "\" " +
                   (row.defaultValue != 0 ? "arg-unset=\"--no-" + optionNameOf(row) : "arg-set=\"" + option) +
                   "\"/>\n";
        } else {
            xml += "  <number id=\"" + std::string(row.name) + "\" type=\"slider\" arg=\"" + option +
                   " %\" _label=\"" + labelOf(row) + "\" _low-label=\"" + endLabel(row, row.minimum) +
                   "\" _high-label=\"" + endLabel(row, row.maximum) + "\" low=\"" + optionNumber(row.minimum) +
                   "\" high=\"" + optionNumber(row.maximum) + "\" default=\"" + optionNumber(row.defaultValue) +
                   "\"/>\n";
        }
    }
    xml +=
        "  <boolean id=\"showfps\" _label=\"Show frame rate\" arg-set=\"--fps\"/>\n"
        "  <_description>\n"
        "A lava lamp: wax heats at the bottom of a glass vessel, rises, cools and sinks; touching\n"
        "blobs form lumps held together by surface tension. Every frame is simulated and drawn\n"
        "as it is shown, so the lamp never repeats itself.\n"
        "  </_description>\n"
        "</screensaver>\n";
    return xml;
}
