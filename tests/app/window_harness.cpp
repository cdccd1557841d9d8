#include "window_harness.h"

#include "app/pane.h"
#include "app/program_info.h"
#include "platform/text/cp932.h"
#include "platform/text/unicode.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace tovalo::app::test {

WindowHarness::WindowHarness() = default;
WindowHarness::~WindowHarness() = default;

Form1 &WindowHarness::open() {
    form_ = std::make_unique<Form1>(Form1Services{dialogs, files, registry, clipboard, shell, windowOrder});
    form_->startUp();
    form_->show();
    return *form_;
}

void WindowHarness::close() {
    form_->close();
}

QString WindowHarness::settingsPath() const {
    return files.programFolderPath + QStringLiteral("/Tov.ini");
}

void WindowHarness::putSettings(std::u16string_view text) {
    files.contents[settingsPath()] = QByteArray::fromStdString(text::toCp932(text));
}

std::u16string WindowHarness::settingsText() const {
    const QByteArray bytes = files.contents.value(settingsPath());
    return text::fromCp932(std::string_view(bytes.data(), bytes.size()));
}

void WindowHarness::putManual(std::u16string_view text) {
    files.contents[files.programFolderPath + QStringLiteral("/説明書.txt")] =
        QByteArray::fromStdString(text::toCp932(text));
}

void WindowHarness::installUpdateChecker(std::uint32_t latestBuild) {
    using platform::RegistryRoot;
    const std::string programKey = "Software\\Upcheck\\" + text::toUtf8(program_info::kAuthorMail) +
                                   "\\" + text::toUtf8(program_info::kName);
    platform::KeyHandle key = 0;
    registry.createKey(RegistryRoot::CurrentUser, programKey, key);
    registry.setNumber(key, "LatestBuild", latestBuild);
    registry.closeKey(key);
}

Pane *WindowHarness::pane(const char *name) const {
    return find<Pane>(name);
}

QString WindowHarness::paneText(const char *name) const {
    return q(pane(name)->text());
}

QString WindowHarness::boxText(const char *name) const {
    return find<QLineEdit>(name)->text();
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

} // namespace tovalo::app::test
