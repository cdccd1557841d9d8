#pragma once

#include "platform/qt/dialogs.h"

namespace tovalo::platform {

// The dialogs as real windows.
class QtDialogs : public Dialogs {
public:
    void showMessage(QWidget *parent, const QString &caption, const QString &text,
                     MessageIcon icon) override;
    std::optional<FontChoice> chooseFont(QWidget *parent, const FontChoice &current) override;
    std::optional<QString> openFileName(QWidget *parent, const FileDialogRequest &request) override;
    std::optional<QString> saveFileName(QWidget *parent, const FileDialogRequest &request) override;
};

} // namespace tovalo::platform
