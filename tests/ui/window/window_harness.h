#pragma once

#include "platform/qt/fake_clipboard.h"
#include "platform/qt/fake_dialogs.h"
#include "platform/qt/fake_files.h"
#include "platform/qt/fake_shell.h"
#include "platform/qt/fake_window_order.h"
#include "platform/qt/qt_files.h"
#include "platform/registry/fake_registry.h"
#include "platform/text/cp932.h"
#include "settings/settings_file.h"
#include "ui/widgets/pane.h"
#include "ui/window/form1.h"
#include "ui/window/settings_location.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QString>
#include <QStringList>
#include <QStyle>
#include <QTest>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace tovalo::ui::test {

inline QString q(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}
inline QByteArray sjis(std::u16string_view text) {
    return QByteArray::fromStdString(text::toCp932(text));
}

// Chooses the menu entry of that name as the user does; it must be enabled.
void choose(const Form1 &form, const char *name);

// A main window on the given file service and clipboard, with fakes for every other service.
template <class Files, class Clipboard = platform::FakeClipboard> class WindowOn {
public:
    platform::FakeDialogs dialogs;
    Files files;
    platform::FakeRegistry registry;
    Clipboard clipboard;
    platform::FakeShell shell;
    platform::FakeWindowOrder windowOrder;

    template <class... FilesArgs>
    explicit WindowOn(FilesArgs &&...args) : files(std::forward<FilesArgs>(args)...) {}

    // Makes the window without start-up; on the registry fake unless a store is given.
    Form1 &make(platform::Registry *store = nullptr) {
        form_ = std::make_unique<Form1>(Form1Services{dialogs, files, store ? *store : registry,
                                                      clipboard, shell, windowOrder});
        return *form_;
    }
    // Makes the window, runs its start-up and shows it.
    Form1 &open(platform::Registry *store = nullptr) {
        make(store).startUp();
        form_->show();
        return *form_;
    }
    // Closes the window as the user does; its shut-down writes the settings file.
    void close() { form_->close(); }
    Form1 &form() { return *form_; }

    template <class T> T *find(const char *name) const {
        return form_->findChild<T *>(QString::fromLatin1(name));
    }
    Pane *pane(const char *name) const { return find<Pane>(name); }
    QLineEdit *box(const char *name) const { return find<QLineEdit>(name); }
    QScrollBar *bar(const char *name) const { return find<QScrollBar>(name); }
    QCheckBox *check(const char *name) const { return find<QCheckBox>(name); }
    QPushButton *button(const char *name) const { return find<QPushButton>(name); }
    QString paneText(const char *name) const { return q(pane(name)->text()); }
    QString boxText(const char *name) const { return box(name)->text(); }

private:
    std::unique_ptr<Form1> form_;
};

// A main window on fakes: files, dialogs and registry in memory.
struct WindowHarness : WindowOn<platform::FakeFiles> {
    // Where the window reads and writes the settings file, as the files stand now.
    QString settingsPath() const { return settingsFilePath(files); }
    void putSettings(std::u16string_view text) { files.contents[settingsPath()] = sjis(text); }
    QByteArray settingsBytes() const { return files.contents.value(settingsPath()); }
    void putManual(std::u16string_view text) {
        files.contents[files.programFolderPath + QStringLiteral("/説明書.txt")] = sjis(text);
    }
};

// The main window on fakes, started up and shown.
struct OpenWindow : WindowHarness {
    OpenWindow() { open(); }
    void choose(const char *entry) { test::choose(form(), entry); }
};

// A window on the real file system, neither started up nor shown.
struct RealWindow : WindowOn<platform::QtFiles> {
    RealWindow() { make(); }
};

// The program started up and shown on the real file system as if it lived in `folder`.
struct ProgramIn : WindowOn<platform::QtFilesInFolder> {
    explicit ProgramIn(const QString &folder) : WindowOn(folder) { open(); }
};

// The records of a settings file when it holds all six, else nothing.
std::optional<settings::SettingsRecords> wholeSettings(const QByteArray &file);

// What the user does.
void typeAtEnd(QWidget *pane, const QString &text);       // through the input method
void replaceBoxText(QLineEdit *box, const QString &text); // select all, then type
void clearBox(QLineEdit *box);
void click(QAbstractButton *button);
void pasteInto(QWidget *widget, const QString &text);
void clickArrow(QScrollBar *bar, QStyle::SubControl arrow); // SC_ScrollBarSubLine or AddLine

// The first `count` widgets in tab order by name, marked where the description differs.
QStringList tabOrder(QWidget *first, int count);

// What converting the source pane with the parameters and options as they stand gives.
QString convertedNow(const Form1 &form);

// What the source pane shows when start-up stops at a failure.
inline const QString kStartUpFailure =
    QStringLiteral("ファイル読み込み中にエラーが発生しましたが大した問題にはならないでしょう");
// What the vertical pane shows when a conversion fails.
inline const QString kFailed = QStringLiteral("\r\nえらー");

// One data row per case, named by its `name`; the test function takes QFETCH(Row, row).
template <class Row, std::size_t N> void addRows(const Row (&rows)[N]) {
    QTest::addColumn<Row>("row");
    for (const Row &row : rows)
        QTest::newRow(row.name) << row;
}

} // namespace tovalo::ui::test
