// The configuration dialog's logic.
#include "settings/config_dialog.h"

#include "settings/settings.h"

void configDialogOpened(Settings& settings, DialogPort* dialog) {
    settings.attachAll(dialog);
    settings.saveAll();
}

bool configDialogScrolled(Settings& settings, DialogPort* dialog, int senderId) {
    return settings.handleMessage(dialog, senderId);
}

ConfigCommandResult configDialogCommand(Settings& settings, DialogPort* dialog, int controlId, int notification,
                                        int senderId) {
    ConfigCommandResult result;
    // A check box was clicked: the setting takes it, and the dialog lets the default
    // handling go on.
    if (notification == 0 && settings.handleMessage(dialog, senderId)) return result;
    switch (controlId) {
        case configHelpButton:
            result.handled = true;
            result.openHelp = true;
            break;
        case configRestoreDefaultsButton:
            settings.resetAll();
            result.handled = true;
            break;
        case configOkButton:
            settings.saveAll();
            settings.detachAll();
            result.handled = true;
            result.endDialog = configOkButton;
            break;
        case configCancelButton:
            settings.loadAll();
            settings.detachAll();
            result.handled = true;
            result.endDialog = configCancelButton;
            break;
        default:
            break;
    }
    return result;
}
