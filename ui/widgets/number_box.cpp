#include "ui/widgets/number_box.h"

#include "ui/widgets/box_rule.h"

#include <QValidator>

namespace tovalo::ui {
namespace {

// Turns the full-width digits that a Japanese input method types into ASCII ones as they
// come in, so that "２０" reads as 20; it refuses nothing.
class AsciiDigits : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override {
        const std::u16string ascii = asciiNumberText(input.toStdU16String());
        if (ascii != input.toStdU16String())
            input = QString::fromStdU16String(ascii);
        return Acceptable;
    }
};

} // namespace

NumberBox::NumberBox(QWidget *parent) : QLineEdit(parent) {
    setValidator(new AsciiDigits(this));
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
