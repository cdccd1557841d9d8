#include "platform/qt/qt_dialogs.h"

#include "platform/qt/font_color_dialog.h"

#include <QMessageBox>

namespace tovalo::platform {

void QtDialogs::showMessage(QWidget *parent, const QString &caption, const QString &text,
                            MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Information ? QMessageBox::Information
                                                     : QMessageBox::NoIcon,
                    caption, text, QMessageBox::Ok, parent);
    box.exec();
}

std::optional<FontChoice> QtDialogs::chooseFont(QWidget *parent, const FontChoice &current) {
    FontColorDialog dialog(current, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

} // namespace tovalo::platform
