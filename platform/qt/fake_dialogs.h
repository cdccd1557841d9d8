#pragma once

#include "platform/qt/dialogs.h"

#include <QList>
#include <QWidget>

namespace tovalo::platform {

// Dialogs that answer at once, for tests: they record what was shown and give the
// answer prepared for them.
class FakeDialogs : public Dialogs {
public:
    struct Message {
        QString caption;
        QString text;
        MessageIcon icon;
        bool overShownWindow; // the window it belongs to was still on the screen
    };
    QList<Message> messages;
    std::optional<FontChoice> fontAnswer; // nothing: the user cancels
    QList<FontChoice> fontDialogs;        // the choice each font dialog opened with
    struct FileDialog {
        bool save;
        FileDialogRequest request;
    };
    std::optional<QString> fileAnswer; // nothing: the user cancels
    QList<FileDialog> fileDialogs;     // every open and save dialog shown

    void showMessage(QWidget *parent, const QString &caption, const QString &text,
                     MessageIcon icon) override {
        messages.append({caption, text, icon, parent && parent->isVisible()});
    }
    std::optional<FontChoice> chooseFont(QWidget *, const FontChoice &current) override {
        fontDialogs.append(current);
        return fontAnswer;
    }
    std::optional<QString> openFileName(QWidget *, const FileDialogRequest &request) override {
        fileDialogs.append({false, request});
        return fileAnswer;
    }
    std::optional<QString> saveFileName(QWidget *, const FileDialogRequest &request) override {
        fileDialogs.append({true, request});
        return fileAnswer;
    }
};

} // namespace tovalo::platform
