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

namespace tovalo::io {

// What the version dialog needs of the system.
struct AboutServices {
    platform::Dialogs &dialogs;
    platform::Files &files;
    platform::Registry &registry;
    platform::Shell &shell;
};

// The version dialog: the program's icon, title, version, author and mail address, with
// a button that starts the system-information viewer.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    // `owner` lends the dialog its icon.
    frmAbout(AboutServices services, QWidget *owner);

    // Starts the system-information viewer that the machine-wide registry names, or says
    // that it is unavailable.
    void StartSysInfo();

    // Reads the text value SubKeyRef of the key KeyName into KeyVal. False, with KeyVal
    // empty, when the key or the value cannot be read; true with KeyVal unchanged for a
    // value that is neither text nor a number.
    bool GetKeyValue(platform::RegistryRoot KeyRoot, const QString &KeyName,
                     const QString &SubKeyRef, QString &KeyVal);

private:
    AboutServices services_;
};

} // namespace tovalo::io
