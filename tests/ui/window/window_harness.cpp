#include "window_harness.h"

#include "engine/convert.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QRadioButton>
#include <QStyleOptionSlider>

namespace tovalo::ui::test {

void choose(const Form1 &form, const char *name) {
    auto *action = form.findChild<QAction *>(QString::fromLatin1(name));
    QVERIFY2(action && action->isEnabled(), name);
    action->trigger();
}

std::optional<settings::SettingsRecords> wholeSettings(const QByteArray &file) {
    settings::SettingsRecords records;
    if (settings::readSettingsFile(std::string_view(file.data(), file.size()), records) !=
        settings::kSettingsRecordCount)
        return std::nullopt;
    return records;
}

QString convertedNow(const Form1 &form) {
    auto box = [&](const char *name) {
        return form.findChild<QLineEdit *>(QString::fromLatin1(name))->text().toStdU16String();
    };
    auto checked = [&](const char *name) {
        return form.findChild<QCheckBox *>(QString::fromLatin1(name))->isChecked();
    };
    const engine::Conversion command = engine::MakeTate(
        form.findChild<Pane *>(QStringLiteral("TxtOri"))->text(),
        {box("TxtH"), box("TxtWidth"), box("TxtMgn"), checked("ChkSpc"), checked("ChkWidth")},
        form.settings());
    return q(command.ok() ? std::u16string_view(command.vertical) : engine::kFailureText);
}

void typeAtEnd(QWidget *widget, const QString &text) {
    auto *pane = qobject_cast<Pane *>(widget);
    pane->setFocus();
    pane->moveCursor(QTextCursor::End);
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(pane, &commit);
}

void replaceBoxText(QLineEdit *box, const QString &text) {
    box->selectAll();
    QTest::keyClicks(box, text);
}

void clearBox(QLineEdit *box) {
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
}

void click(QAbstractButton *button) {
    // Inside the indicator of a check box or option button, or the middle of a push button.
    const QPoint at = qobject_cast<QCheckBox *>(button) || qobject_cast<QRadioButton *>(button)
                          ? QPoint(button->height() / 2, button->height() / 2)
                          : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, at);
}

void pasteInto(QWidget *widget, const QString &text) {
    QApplication::clipboard()->setText(text);
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
}

void clickArrow(QScrollBar *bar, QStyle::SubControl arrow) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    const QRect rect = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, arrow, bar);
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, rect.center());
}

QStringList tabOrder(QWidget *first, int count) {
    QStringList order;
    for (QWidget *w = first; order.size() < count; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            order << (w->accessibleDescription() == w->objectName()
                          ? w->objectName()
                          : w->objectName() + QStringLiteral(" described as ") +
                                w->accessibleDescription());
    return order;
}

} // namespace tovalo::ui::test
