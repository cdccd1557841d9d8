#pragma once

#include "platform/registry/registry.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace tovalo::platform {
class Dialogs;
class Files;
class Shell;
} // namespace tovalo::platform

namespace tovalo::ui {

// What the version dialog needs of the system.
struct AboutServices {
    platform::Dialogs &dialogs;
    platform::Files &files;
    platform::Registry &registry;
    platform::Shell &shell;
};

// The version dialog (object name "frmAbout"): the program's icon, title, version, author and mail
// address, with a button that starts the system-information viewer.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    // `owner` lends the dialog its icon.
    AboutDialog(AboutServices services, QWidget *owner);

    // Starts the system-information viewer that the machine-wide registry names, or says
    // that it is unavailable.
    void StartSysInfo();

    // Reads the value `valueName` of the key `keyName` into `value`, as text. False, with
    // `value` empty, when the key or the value cannot be read; true with `value` unchanged
    // for a value that is neither text nor a number.
    bool GetKeyValue(platform::RegistryRoot root, const QString &keyName, const QString &valueName,
                     QString &value);

private:
    AboutServices services_;
};

} // namespace tovalo::ui
