// What the configuration dialog does, apart from being a window: it binds every setting to
// its control when it opens and stores the values as they are (which Cancel returns to),
// passes the controls' changes to the settings, and answers its four buttons.
#pragma once

class DialogPort;
class Settings;

// The dialog's buttons besides the settings' own controls.
constexpr int configOkButton = 1;
constexpr int configCancelButton = 2;
constexpr int configRestoreDefaultsButton = 1017;
constexpr int configHelpButton = 1060;

// Attaches every setting (each control shows its value, each callback runs) and saves them
// all: the snapshot Cancel goes back to.
void configDialogOpened(Settings& settings, DialogPort* dialog);

// A trackbar moved: true when a setting took the message.
bool configDialogScrolled(Settings& settings, DialogPort* dialog, int senderId);

struct ConfigCommandResult {
    bool handled = false;    // the dialog procedure's answer
    bool openHelp = false;   // the Help button: open the help viewer over the dialog
    int endDialog = 0;       // non-zero: end the dialog with this code
};

// A command message: a check box of a setting (notification 0 from it), or a button.
// OK saves and detaches; Cancel reloads the snapshot and detaches; Restore Defaults resets
// every setting without saving.
ConfigCommandResult configDialogCommand(Settings& settings, DialogPort* dialog, int controlId, int notification,
                                        int senderId);
