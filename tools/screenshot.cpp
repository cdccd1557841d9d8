// Takes the pictures of the program for its documentation: the main window with a
// sample text, the phone dialog and the options dialog, each saved as a PNG file.
//   tovalo-screenshot SAMPLE_TEXT OUTPUT_FOLDER
// The window runs on the system's real services, in a temporary program folder that
// holds the sample text as its manual, so the first start shows it converted.

#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_files.h"
#include "platform/qt/qt_shell.h"
#include "platform/qt/qt_window_order.h"
#include "platform/registry/file_registry.h"
#include "platform/text/cp932.h"
#include "platform/text/decode.h"
#include "ui/window/form1.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace {

using namespace tovalo;

void settle() {
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
}

QWidget *topLevel(const QString &name) {
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name && widget->isVisible())
            return widget;
    return nullptr;
}

bool save(QWidget *window, const QString &path) {
    settle();
    const bool saved = window && window->grab().save(path);
    std::fprintf(stderr, "%s %s\n", saved ? "saved" : "could not save", qPrintable(path));
    return saved;
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fputs("usage: tovalo-screenshot SAMPLE_TEXT OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[2]);
    // The manual is read as Shift_JIS, whatever the sample is written in.
    QFile sample(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir folder;
    QFile manual(folder.filePath(QStringLiteral("説明書.txt")));
    if (!sample.open(QIODevice::ReadOnly) || !manual.open(QIODevice::WriteOnly))
        return 1;
    const QByteArray bytes = sample.readAll();
    const std::string manualBytes =
        text::toCp932(text::decodeText(std::string_view(bytes.data(), bytes.size())));
    if (manual.write(manualBytes.data(), static_cast<qint64>(manualBytes.size())) !=
        static_cast<qint64>(manualBytes.size()))
        return 1;
    manual.close();

    platform::QtDialogs dialogs;
    platform::QtFilesInFolder files(folder.path());
    platform::FileRegistry registry(folder.filePath(QStringLiteral("registry")).toStdString());
    platform::QtClipboard clipboard;
    platform::QtShell shell;
    platform::QtWindowOrder windowOrder;
    ui::Form1 form({dialogs, files, registry, clipboard, shell, windowOrder});
    form.startUp();
    form.show();
    settle();

    bool ok = save(&form, out + QStringLiteral("/main-window.png"));

    form.findChild<QPushButton *>(QStringLiteral("BtnMphone"))->click();
    // Pages 20 cells wide, wider than the view, which then scrolls.
    if (QWidget *phone = topLevel(QStringLiteral("FrmMphone")))
        if (auto *width = phone->findChild<QLineEdit *>(QStringLiteral("TxtW"))) {
            width->setText(QStringLiteral("20"));
            emit width->editingFinished();
        }
    ok = save(topLevel(QStringLiteral("FrmMphone")), out + QStringLiteral("/phone-dialog.png")) &&
         ok;
    if (QWidget *phone = topLevel(QStringLiteral("FrmMphone")))
        phone->close();

    // The options dialog is modal: take its picture while it is open, then close it.
    QTimer::singleShot(300, [&] {
        QWidget *options = topLevel(QStringLiteral("FrmCstm"));
        ok = save(options, out + QStringLiteral("/options-dialog.png")) && ok;
        if (options)
            options->close();
    });
    form.MnuOption()->trigger();
    return ok ? 0 : 1;
}
