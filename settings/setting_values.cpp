// The setting values and their defaults.
#include "settings/setting_values.h"

SettingValues settingValues;

SettingValues SettingValues::defaultsFor(RunMode mode) {
    SettingValues values;
    values.shiftLeftRight = mode == Preview || mode == ScreenSaver || mode == Configure;
    return values;
}

namespace {

// Each value under the name it is stored by, for tools that set values by name.
struct NamedValue {
    const char* name;
    float SettingValues::*floatMember;
    int SettingValues::*intMember;
    bool SettingValues::*boolMember;
};

const NamedValue namedValues[] = {
    {"rot_angle", &SettingValues::rot_angle, nullptr, nullptr},
    {"rot_speed", &SettingValues::rot_speed, nullptr, nullptr},
    {"zoom", &SettingValues::zoom, nullptr, nullptr},
    {"translateX", &SettingValues::translateX, nullptr, nullptr},
    {"translateY", &SettingValues::translateY, nullptr, nullptr},
    {"rotateViewX", &SettingValues::rotateViewX, nullptr, nullptr},
    {"rotateViewY", &SettingValues::rotateViewY, nullptr, nullptr},
    {"showParticles", nullptr, nullptr, &SettingValues::showParticles},
    {"showPolygons", nullptr, nullptr, &SettingValues::showPolygons},
    {"lampHeat", nullptr, &SettingValues::lampHeat, nullptr},
    {"numParticles", nullptr, &SettingValues::numParticles, nullptr},
    {"renderAccuracy", nullptr, &SettingValues::renderAccuracy, nullptr},
    {"lavaHue", &SettingValues::lavaHue, nullptr, nullptr},
    {"lavaSaturation", &SettingValues::lavaSaturation, nullptr, nullptr},
    {"lavaLuminance", &SettingValues::lavaLuminance, nullptr, nullptr},
    {"differentHotColor", nullptr, nullptr, &SettingValues::differentHotColor},
    {"lavaHueHot", &SettingValues::lavaHueHot, nullptr, nullptr},
    {"lavaSaturationHot", &SettingValues::lavaSaturationHot, nullptr, nullptr},
    {"lavaLuminanceHot", &SettingValues::lavaLuminanceHot, nullptr, nullptr},
    {"liquidHue", nullptr, &SettingValues::liquidHue, nullptr},
    {"liquidSaturation", nullptr, &SettingValues::liquidSaturation, nullptr},
    {"liquidLuminance", nullptr, &SettingValues::liquidLuminance, nullptr},
    {"lampHue", nullptr, &SettingValues::lampHue, nullptr},
    {"lampSaturation", nullptr, &SettingValues::lampSaturation, nullptr},
    {"lampLuminance", nullptr, &SettingValues::lampLuminance, nullptr},
    {"bgHue", nullptr, &SettingValues::bgHue, nullptr},
    {"bgSaturation", nullptr, &SettingValues::bgSaturation, nullptr},
    {"bgLuminance", nullptr, &SettingValues::bgLuminance, nullptr},
};

}  // namespace

bool SettingValues::set(const std::string& name, float value) {
    for (const NamedValue& named : namedValues) {
        if (name != named.name) continue;
        if (named.floatMember) this->*named.floatMember = value;
        if (named.intMember) this->*named.intMember = static_cast<int>(value);
        if (named.boolMember) this->*named.boolMember = value != 0;
        return true;
    }
    return false;
}
