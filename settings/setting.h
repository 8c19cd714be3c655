// The setting objects: one user-adjustable value each, tied to its registry value, its
// control in the configuration dialog (through the dialog seam) and the code that applies
// it to the running lamp (a callback). Values are set through setValue, which runs the
// callback; the callback must accept a null dialog (the setting is not attached).
#pragma once

#include <functional>

class DialogPort;
class SettingsStore;

// Applies a value. The int form serves bool (0 or 1) and int settings. A callback may hold
// what it applies the value to (the lamp it changes).
using SettingCallback = std::function<void(DialogPort* dialog, int value)>;
using FloatSettingCallback = std::function<void(DialogPort* dialog, float value)>;

// How an int setting's value label in the dialog reads.
enum class LabelFormat { None, Percent, Number, FramesPerSecond, PriorityName };

// The text of a value label: "%d%%", "%d", the frames per second of a frame-rate index,
// or "Low" / "Normal" / "High".
const char* labelText(LabelFormat format, int value, char (&buffer)[32]);

class Setting {
public:
    Setting(int controlId, const char* registryName) : controlId_(controlId), registryName_(registryName) {}
    virtual ~Setting() = default;
    Setting(const Setting&) = delete;
    Setting& operator=(const Setting&) = delete;

    // Remembers the dialog, sets up the control, shows the value, then notify().
    virtual void attach(DialogPort* dialog) = 0;
    virtual void detach() { dialog_ = nullptr; }
    virtual void resetToDefault() = 0;
    // Writes the value under its registry name to the store; nothing for a setting
    // without one.
    virtual void save(SettingsStore* store) = 0;
    // Reads the value from the store, with the current one as fallback, and sets it.
    virtual void load(SettingsStore* store) = 0;
    // Takes the value from the control when the message came from it (senderId is the id
    // of the control that sent it, 0 for none) in the attached dialog; true when it did.
    virtual bool handleMessage(DialogPort* dialog, int senderId) = 0;
    virtual void notify() = 0;

    int controlId() const { return controlId_; }
    const char* registryName() const { return registryName_; }
    DialogPort* dialog() const { return dialog_; }

protected:
    bool answers(DialogPort* dialog, int senderId) const {
        return dialog && dialog == dialog_ && controlId_ != 0 && senderId == controlId_;
    }

    DialogPort* dialog_ = nullptr;
    int controlId_;
    const char* registryName_;
};

class BoolSetting : public Setting {
public:
    BoolSetting(int controlId, bool defaultValue, bool initialValue, SettingCallback callback,
                const char* registryName);

    void attach(DialogPort* dialog) override;
    void resetToDefault() override { setValue(defaultValue_); }
    void save(SettingsStore* store) override;
    void load(SettingsStore* store) override;
    bool handleMessage(DialogPort* dialog, int senderId) override;
    void notify() override;

    bool value() const { return value_; }
    bool defaultValue() const { return defaultValue_; }
    void setValue(bool value);
    void toggle() { setValue(!value_); }

private:
    bool defaultValue_;
    bool value_ = false;
    SettingCallback callback_;
};

class IntSetting : public Setting {
public:
    IntSetting(int controlId, int minimum, int maximum, int defaultValue, int initialValue,
               SettingCallback callback, const char* registryName, int labelId = 0,
               LabelFormat labelFormat = LabelFormat::None);

    void attach(DialogPort* dialog) override;
    void resetToDefault() override { setValue(defaultValue_); }
    void save(SettingsStore* store) override;
    // A stored number outside the range is taken into it: the registry is open to anyone,
    // and a count of a billion blobs must not reach the lamp.
    void load(SettingsStore* store) override;
    bool handleMessage(DialogPort* dialog, int senderId) override;
    void notify() override;
    // Enables or greys out the control in the attached dialog.
    virtual void enable(bool enabled);

    int value() const { return value_; }
    int defaultValue() const { return defaultValue_; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    // Stores the value as given (the dialog only offers values in range).
    void setValue(int value);

protected:
    // The trackbar's position range, its position, and single steps.
    void setUpTrackbar(int position);

    int minimum_, maximum_;

private:
    int defaultValue_;
    int value_ = 0;
    SettingCallback callback_;
    int labelId_;
    LabelFormat labelFormat_;
};

// A float value on a trackbar: the base's minimum and maximum are the trackbar's position
// range, and the value range maps linearly onto it.
class FloatSetting : public IntSetting {
public:
    FloatSetting(int controlId, int minimumPosition, int maximumPosition, float minimum, float maximum,
                 float defaultValue, float initialValue, FloatSettingCallback callback, const char* registryName);

    void attach(DialogPort* dialog) override;
    void resetToDefault() override { setValue(defaultValue_); }
    void save(SettingsStore* store) override;
    void load(SettingsStore* store) override;
    bool handleMessage(DialogPort* dialog, int senderId) override;
    void notify() override;

    float value() const { return value_; }
    float defaultValue() const { return defaultValue_; }
    float minimumValue() const { return minimumValue_; }
    float maximumValue() const { return maximumValue_; }
    // Clamps into the range (a value that is not a number becomes the minimum).
    void setValue(float value);
    int positionOf(float value) const;
    float valueAt(int position) const;

private:
    float clamp(float value) const;

    float value_ = 0;
    float minimumValue_, maximumValue_;
    float step_;
    float defaultValue_;
    FloatSettingCallback callback_;
};
