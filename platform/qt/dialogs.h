#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

class QWidget;

namespace tovalo::platform {

enum class MessageIcon { None, Information };

// A font with its effects (underline, strikethrough) and a text colour.
struct FontChoice {
    QFont font;
    QColor color;
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
};

} // namespace tovalo::platform
