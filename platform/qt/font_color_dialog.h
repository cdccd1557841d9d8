#pragma once

#include "platform/qt/dialogs.h"

#include <QDialog>

class QComboBox;
class QFontDialog;

namespace tovalo::platform {

// The font dialog with a text colour: Qt's own font chooser (face, size, style,
// underline, strikethrough) with a colour list below it, and OK, Cancel and Apply.
class FontColorDialog : public QDialog {
    Q_OBJECT
public:
    explicit FontColorDialog(const FontChoice &current, QWidget *parent = nullptr);

    FontChoice choice() const;

private:
    QFontDialog *fonts_;
    QComboBox *colors_;
};

} // namespace tovalo::platform
