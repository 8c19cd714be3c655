// The setting objects.
#include "settings/setting.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/diagnostics.h"
#include "platform/dialog_port.h"
#include "settings/frame_rates.h"
#include "settings/registry_values.h"

const char* labelText(LabelFormat format, int value, char (&buffer)[32]) {
    switch (format) {
        case LabelFormat::Percent:
            std::snprintf(buffer, sizeof buffer, "%d%%", value);
            return buffer;
        case LabelFormat::Number:
            std::snprintf(buffer, sizeof buffer, "%d", value);
            return buffer;
        case LabelFormat::FramesPerSecond:
            std::snprintf(buffer, sizeof buffer, "%d", shownFrameRate(value));
            return buffer;
        case LabelFormat::PriorityName:
            return priorityName(value);
        case LabelFormat::None:
            break;
    }
    buffer[0] = 0;
    return buffer;
}

// --- BoolSetting ---

BoolSetting::BoolSetting(int controlId, bool defaultValue, bool initialValue, SettingCallback callback,
                         const char* registryName)
    : Setting(controlId, registryName), defaultValue_(defaultValue), callback_(callback) {
    setValue(initialValue);
}

void BoolSetting::setValue(bool value) {
    value_ = value;
    if (dialog_) dialog_->checkButton(controlId_, value_);
    notify();
}

void BoolSetting::attach(DialogPort* dialog) {
    dialog_ = dialog;
    if (dialog_) dialog_->checkButton(controlId_, value_);
    notify();
}

void BoolSetting::save(SettingsStore* store) {
    if (registryName_) writeBoolValue(store, registryName_, value_);
}

void BoolSetting::load(SettingsStore* store) {
    if (registryName_) setValue(readBoolValue(store, registryName_, value_));
}

bool BoolSetting::handleMessage(DialogPort* dialog, int senderId) {
    if (!answers(dialog, senderId)) return false;
    value_ = dialog_->isButtonChecked(controlId_);
    notify();
    return true;
}

void BoolSetting::notify() {
    if (callback_) callback_(dialog_, value_ ? 1 : 0);
}

// --- IntSetting ---

IntSetting::IntSetting(int controlId, int minimum, int maximum, int defaultValue, int initialValue,
                       SettingCallback callback, const char* registryName, int labelId, LabelFormat labelFormat)
    : Setting(controlId, registryName),
      minimum_(minimum),
      maximum_(maximum),
      defaultValue_(defaultValue),
      callback_(callback),
      labelId_(labelId),
      labelFormat_(labelFormat) {
    setValue(initialValue);
}

void IntSetting::setValue(int value) {
    value_ = value;
    if (dialog_) dialog_->setTrackbarPosition(controlId_, value_);
    notify();
}

void IntSetting::setUpTrackbar(int position) {
    dialog_->setTrackbarRange(controlId_, minimum_, maximum_);
    dialog_->setTrackbarPosition(controlId_, position);
    dialog_->setTrackbarSteps(controlId_, 1, 1);
}

void IntSetting::attach(DialogPort* dialog) {
    dialog_ = dialog;
    if (dialog_) setUpTrackbar(value_);
    notify();
}

void IntSetting::save(SettingsStore* store) {
    if (registryName_) writeDword(store, registryName_, value_);
}

void IntSetting::load(SettingsStore* store) {
    if (!registryName_) return;
    int32_t stored = 0;
    if (!readDword(store, registryName_, &stored)) {
        setValue(value_);
        return;
    }
    // A stored DWORD is unsigned: 4294967295 is a large number, not -1, for a setting that
    // has no negative values. Whatever lies outside the range is taken into it, never
    // wrapped, and said once.
    const long long number = minimum_ >= 0 ? static_cast<long long>(static_cast<uint32_t>(stored)) : stored;
    const int value = static_cast<int>(std::clamp<long long>(number, minimum_, maximum_));
    if (value != number) diag("Setting %s: %lld is outside %d to %d; taken as %d\n", registryName_, number, minimum_, maximum_, value);
    setValue(value);
}

bool IntSetting::handleMessage(DialogPort* dialog, int senderId) {
    if (!answers(dialog, senderId)) return false;
    value_ = dialog_->trackbarPosition(controlId_);
    notify();
    return true;
}

void IntSetting::notify() {
    if (dialog_ && labelId_ != 0) {
        char buffer[32];
        dialog_->setControlText(labelId_, labelText(labelFormat_, value_, buffer));
    }
    if (callback_) callback_(dialog_, value_);
}

void IntSetting::enable(bool enabled) {
    if (dialog_) dialog_->enableControl(controlId_, enabled);
}

// --- FloatSetting ---

FloatSetting::FloatSetting(int controlId, int minimumPosition, int maximumPosition, float minimum, float maximum,
                           float defaultValue, float initialValue, FloatSettingCallback callback,
                           const char* registryName)
    : IntSetting(controlId, minimumPosition, maximumPosition, 0, 0, nullptr, registryName),
      minimumValue_(minimum),
      maximumValue_(maximum),
      step_((maximum - minimum) / static_cast<float>(maximumPosition - minimumPosition)),
      defaultValue_(defaultValue),
      callback_(callback) {
    setValue(initialValue);
}

float FloatSetting::clamp(float value) const {
    if (value > maximumValue_) return maximumValue_;
    if (!(value >= minimumValue_)) return minimumValue_;  // also a value that is not a number
    return value;
}

void FloatSetting::setValue(float value) {
    value_ = clamp(value);
    if (dialog_) dialog_->setTrackbarPosition(controlId_, positionOf(value_));
    notify();
}

int FloatSetting::positionOf(float value) const {
    const float position = (value - minimumValue_) / step_;
    return static_cast<int>(std::nearbyint(position));
}

float FloatSetting::valueAt(int position) const { return clamp(static_cast<float>(position) * step_ + minimumValue_); }

void FloatSetting::attach(DialogPort* dialog) {
    dialog_ = dialog;
    if (dialog_) setUpTrackbar(positionOf(value_));
    notify();
}

void FloatSetting::save(SettingsStore* store) {
    if (registryName_) writeFloatValue(store, registryName_, value_);
}

void FloatSetting::load(SettingsStore* store) {
    if (registryName_) setValue(readFloatValue(store, registryName_, value_));
}

bool FloatSetting::handleMessage(DialogPort* dialog, int senderId) {
    if (!answers(dialog, senderId)) return false;
    value_ = valueAt(dialog_->trackbarPosition(controlId_));
    notify();
    return true;
}

void FloatSetting::notify() {
    if (callback_) callback_(dialog_, value_);
}
