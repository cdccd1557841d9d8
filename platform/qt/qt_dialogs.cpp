#include "platform/qt/qt_dialogs.h"

#include "platform/qt/file_chooser.h"
#include "platform/qt/font_color_dialog.h"

#include <QMessageBox>

namespace tovalo::platform {

void QtDialogs::showMessage(QWidget *parent, const QString &caption, const QString &text,
                            MessageIcon icon) {
    const QMessageBox::Icon shown = icon == MessageIcon::Information ? QMessageBox::Information
                                    : icon == MessageIcon::Warning   ? QMessageBox::Warning
                                                                     : QMessageBox::NoIcon;
    QMessageBox box(shown, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

std::optional<FontChoice> QtDialogs::chooseFont(QWidget *parent, const FontChoice &current) {
    FontColorDialog dialog(current, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

std::optional<QString> QtDialogs::openFileName(QWidget *parent, const FileDialogRequest &request) {
    return FileChooser(request, QFileDialog::AcceptOpen, parent).choose();
}

std::optional<QString> QtDialogs::saveFileName(QWidget *parent, const FileDialogRequest &request) {
    return FileChooser(request, QFileDialog::AcceptSave, parent).choose();
}

} // namespace tovalo::platform
