#pragma once

#include "platform/qt/fake_clipboard.h"
#include "platform/qt/fake_dialogs.h"
#include "platform/qt/fake_files.h"
#include "platform/qt/fake_shell.h"
#include "platform/qt/fake_window_order.h"
#include "platform/registry/fake_registry.h"
#include "ui/widgets/pane.h"
#include "ui/window/form1.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QString>
#include <QStringList>
#include <QStyle>
#include <QTest>

#include <memory>
#include <string>
#include <string_view>

namespace tovalo::ui::test {

// A main window on fakes: files in memory, dialogs that answer at once and a registry
// in memory. Each test makes its own.
class WindowHarness {
public:
    platform::FakeDialogs dialogs;
    platform::FakeFiles files;
    platform::FakeRegistry registry;
    platform::FakeClipboard clipboard;
    platform::FakeShell shell;
    platform::FakeWindowOrder windowOrder;

    WindowHarness();
    ~WindowHarness();

    // Makes the window, runs its start-up and shows it; on the registry fake, or on the
    // given store.
    Form1 &open() { return open(registry); }
    Form1 &open(platform::Registry &store);
    // Closes the window as the user does; its shut-down writes the settings file.
    void close();
    Form1 &form() { return *form_; }

    // Where the window reads and writes the settings file, as the files stand now.
    QString settingsPath() const;
    void putSettings(std::u16string_view text);
    std::u16string settingsText() const;
    void putManual(std::u16string_view text);
    // Installs the update checker and lets it know of the given latest build.
    void installUpdateChecker(std::uint32_t latestBuild);

    template <class T> T *find(const char *name) const {
        return form_->findChild<T *>(QString::fromLatin1(name));
    }
    Pane *pane(const char *name) const;
    QLineEdit *box(const char *name) const { return find<QLineEdit>(name); }
    QScrollBar *bar(const char *name) const { return find<QScrollBar>(name); }
    QCheckBox *check(const char *name) const { return find<QCheckBox>(name); }
    QPushButton *button(const char *name) const { return find<QPushButton>(name); }
    QString paneText(const char *name) const;
    QString boxText(const char *name) const;

private:
    std::unique_ptr<Form1> form_;
};

// What the user does.
void typeAtEnd(QWidget *pane, const QString &text);       // through the input method
void replaceBoxText(QLineEdit *box, const QString &text); // select all, then type
void clearBox(QLineEdit *box);
void click(QAbstractButton *button);
void pasteInto(QWidget *widget, const QString &text);
void clickArrow(QScrollBar *bar, QStyle::SubControl arrow); // SC_ScrollBarSubLine or AddLine

// The object names of the first `count` widgets in tab order from `first`, each marked
// when its accessible description differs.
QStringList tabOrder(QWidget *first, int count);

// What the convert command makes of the window's source pane with its parameters and
// options as they stand: the vertical text, or the failure text.
QString convertedNow(const Form1 &form);

inline QString q(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace tovalo::ui::test
