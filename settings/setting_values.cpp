// The setting values and their defaults.
#include "settings/setting_values.h"

SettingValues settingValues;

SettingValues SettingValues::defaultsFor(RunMode mode) {
    SettingValues values;
    values.shiftLeftRight = mode == Preview || mode == ScreenSaver || mode == Configure;
    return values;
}
