#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

class QWidget;

namespace tovalo::platform {

enum class MessageIcon { None, Information, Warning };

// A font with its effects (underline, strikethrough) and a text colour.
struct FontChoice {
    QFont font;
    QColor color;
};

// What an open or save dialog starts from.
struct FileDialogRequest {
    QString title;    // empty: the platform's own title
    QString fileName; // the name proposed, a full path or empty
    // The kinds of file offered, in order: each a description, '|', a pattern, '|'.
    // As on Windows, "*.*" stands for every file and "*.exe" for programs; patterns
    // ignore case.
    QString filter;
};

// The standard dialogs, each modal: it returns when the user has closed it.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A message with a single OK button.
    virtual void showMessage(QWidget *parent, const QString &caption, const QString &text,
                             MessageIcon icon) = 0;
    // Face, size, style, effects and colour, starting from `current`; nothing when the
    // user cancels.
    virtual std::optional<FontChoice> chooseFont(QWidget *parent, const FontChoice &current) = 0;
    // The full path of a file to open; nothing when the user cancels.
    virtual std::optional<QString> openFileName(QWidget *parent,
                                                const FileDialogRequest &request) = 0;
    // The full path of a file to save to; an existing file is chosen without a question.
    // Nothing when the user cancels.
    virtual std::optional<QString> saveFileName(QWidget *parent,
                                                const FileDialogRequest &request) = 0;
};

} // namespace tovalo::platform
