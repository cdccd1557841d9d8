#include "ui/widgets/number_box.h"

namespace tovalo::ui {

NumberBox::NumberBox(QWidget *parent) : QLineEdit(parent) {
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setInputMethodHints(Qt::ImhDigitsOnly);
    connect(this, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (text == last_)
            return;
        last_ = text;
        emit changed();
    });
}

} // namespace tovalo::ui
