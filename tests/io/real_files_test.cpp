// The commands and platform services on the real file system, in a temporary folder.
#include "menu_action.h"

#include "app/pane.h"
#include "platform/qt/fake_clipboard.h"
#include "platform/qt/fake_dialogs.h"
#include "platform/qt/fake_shell.h"
#include "platform/qt/fake_window_order.h"
#include "platform/qt/file_chooser.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_files.h"
#include "platform/qt/qt_shell.h"
#include "platform/qt/qt_window_order.h"
#include "platform/registry/fake_registry.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

using namespace tovalo;
using namespace tovalo::io::test;

namespace {

void writeFile(const QString &path, const QByteArray &bytes,
               QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QVERIFY(file.setPermissions(permissions));
}

QByteArray readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// A main window on the real file system; it is neither started up nor closed, so that
// no settings file is read or written.
struct RealWindow {
    platform::FakeDialogs dialogs;
    platform::QtFiles files;
    platform::FakeRegistry registry;
    platform::FakeClipboard clipboard;
    platform::FakeShell shell;
    platform::FakeWindowOrder windowOrder;
    app::Form1 form{{dialogs, files, registry, clipboard, shell, windowOrder}};

    app::Pane *pane(const char *name) {
        return form.findChild<app::Pane *>(QString::fromLatin1(name));
    }
};

// The names that an open dialog lists in its folder, once the listing has arrived.
QStringList listedNames(QFileDialog *dialog) {
    auto *view = dialog->findChild<QAbstractItemView *>(QStringLiteral("listView"));
    QStringList names;
    for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
        names.append(view->model()->index(row, 0, view->rootIndex()).data().toString());
    names.sort();
    return names;
}

} // namespace

class RealFilesTest : public QObject {
    Q_OBJECT
private slots:
    void savedPageIsByteExact() {
        QTemporaryDir folder;
        RealWindow w;
        w.pane("TxtTate")->setText(u"縦　書\r\nき<&>😀");
        const QString name = folder.filePath(QStringLiteral("page.htm"));
        w.dialogs.fileAnswer = name;
        choose(w.form, "MnuSave");
        const QByteArray expected =
            "<HTML><HEAD><META http-equiv=\"Content-Type\" content=\"text/html; "
            "charset=Shift_JIS\">"
            "<Title>\r\n" +
            name.toUtf8() +
            "\r\n"
            "</Title></HEAD><Body>\r\n"
            "\r\n"
            "<Table border  CELLPADDING=\"20\"\r\n"
            " ALIGN=\"center\"><TR><TD>\r\n"
            "<PRE><Font face=\"FixedSys,\x82l\x82r \x83S\x83V\x83"
            "b\x83N, Osaka\x81|\x93\x99\x95\x9D, "
            "mono\">\r\n"
            "\x8F"
            "c\x81@\x8F\x91\r\n"
            "\x82\xAB&lt;&amp;&gt;&#128512;\r\n"
            "\r\n"
            "</Font></Pre>\r\n"
            "\x82\xB1\x82\xCC\x95\xB6\x8F\xCD\x82\xCD\xA2Tovalo\xA3\x82\xC5\x8D\xEC\x90\xAC\x82\xB5"
            "\x82\xDC\x82\xB5\x82\xBD\x81"
            "B<BR>\r\n"
            "<A HREF=\"https://tovalo.example/download/\">\x93\xFC\x8E\xE8!</A>\r\n"
            "</TD></TR></Table>\r\n"
            "</Body></Html>\r\n";
        QCOMPARE(readFile(name), expected);
    }

    void savedTextIsExactlyTheVerticalText() {
        QTemporaryDir folder;
        RealWindow w;
        w.pane("TxtTate")->setText(u"縦　書\r\nき<&>");
        const QString name = folder.filePath(QStringLiteral("text"));
        writeFile(name, "an older and longer content");
        w.dialogs.fileAnswer = name;
        choose(w.form, "MnuSave");
        QCOMPARE(readFile(name), QByteArray("\x8F"
                                            "c\x81@\x8F\x91\r\n\x82\xAB<&>\r\n"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"text"});
    }

    // A name that is taken by a folder cannot become a file, whoever runs the test.
    void failedSaveLeavesWhatWasThereAndSaysSo() {
        QTemporaryDir folder;
        RealWindow w;
        const QString name = folder.filePath(QStringLiteral("taken.txt"));
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("taken.txt")));
        writeFile(name + QStringLiteral("/inside"), "old");
        w.pane("TxtTate")->setText(u"新しい縦書き");
        w.dialogs.fileAnswer = name;
        choose(w.form, "MnuSave");
        QCOMPARE(readFile(name + QStringLiteral("/inside")), QByteArray("old"));
        QCOMPARE(w.dialogs.messages.size(), 1);
        QVERIFY(w.dialogs.messages[0].text.contains(name));
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"taken.txt"});
    }

    void openOfAFolderOrMissingFileKeepsThePane() {
        QTemporaryDir folder;
        RealWindow w;
        w.pane("TxtOri")->setText(u"前");
        for (const QString &name : {folder.path(), folder.filePath(QStringLiteral("none.txt"))}) {
            w.dialogs.fileAnswer = name;
            choose(w.form, "MnuOpen");
            QCOMPARE(QString::fromStdU16String(w.pane("TxtOri")->text()), QStringLiteral("前"));
        }
        const QString utf8 = folder.filePath(QStringLiteral("utf8.txt"));
        writeFile(utf8, "\xe7\xb8\xa6\xe6\x9b\xb8\xe3\x81\x8d\n");
        w.dialogs.fileAnswer = utf8;
        choose(w.form, "MnuOpen");
        QCOMPARE(QString::fromStdU16String(w.pane("TxtOri")->text()), QStringLiteral("縦書き\r\n"));
    }

    // Windows patterns as Linux users need them: "*.*" also finds names without a dot,
    // "*.exe" finds programs, and letter case does not matter.
    void fileKindsMatchAsOnWindows_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("*.txt") << "*.txt" << QStringList{"A.TXT", "a.txt", "sub"};
        QTest::newRow("*.htm") << "*.htm" << QStringList{"b.htm", "sub"};
        QTest::newRow("*.*") << "*.*" << QStringList{"A.TXT", "README",    "a.txt", "b.htm",
                                                     "prog",  "setup.exe", "sub"};
        QTest::newRow("*.exe") << "*.exe" << QStringList{"prog", "sub"};
    }
    void fileKindsMatchAsOnWindows() {
        QFETCH(QString, pattern);
        QFETCH(QStringList, shown);
        QTemporaryDir folder;
        for (const char *name : {"a.txt", "A.TXT", "b.htm", "README", "setup.exe"})
            writeFile(folder.filePath(QString::fromLatin1(name)), "x");
        writeFile(folder.filePath(QStringLiteral("prog")), "#!/bin/sh\n",
                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir(folder.path()).mkdir(QStringLiteral("sub"));
        const platform::FileKind kind{QStringLiteral("kind"), pattern};
        QStringList got;
        for (const QFileInfo &entry :
             QDir(folder.path()).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name))
            if (kind.accepts(entry))
                got.append(entry.fileName());
        got.sort();
        QCOMPARE(got, shown);
    }

    // The real dialog keeps the descriptions and lists what each kind stands for.
    void openDialogShowsTheKindsUnderTheirDescriptions() {
        QTemporaryDir folder;
        writeFile(folder.filePath(QStringLiteral("mail")), "#!/bin/sh\n",
                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        writeFile(folder.filePath(QStringLiteral("notes")), "x");
        platform::QtDialogs dialogs;
        QStringList kinds, programs, everything;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("メールソフトを指定してください"));
            auto *combo = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
            for (int i = 0; i < combo->count(); ++i)
                kinds.append(combo->itemText(i));
            QTRY_VERIFY(!listedNames(dialog).isEmpty());
            programs = listedNames(dialog);
            combo->setCurrentIndex(1);
            emit combo->activated(1);
            emit combo->textActivated(combo->currentText());
            QTRY_COMPARE(listedNames(dialog).size(), 2);
            everything = listedNames(dialog);
            dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))
                ->setText(QStringLiteral("notes"));
            static_cast<QDialog *>(dialog)->accept(); // runs the file dialog's own accept
        });
        const std::optional<QString> chosen = dialogs.openFileName(
            nullptr,
            {QStringLiteral("メールソフトを指定してください"),
             folder.filePath(QStringLiteral("mail")),
             QStringLiteral("アプリケーション (*.exe)|*.exe|すべてのファイル (*.*)|*.*|")});
        QCOMPARE(kinds, (QStringList{"アプリケーション (*.exe)", "すべてのファイル (*.*)"}));
        QCOMPARE(programs, QStringList{"mail"});
        QCOMPARE(everything, (QStringList{"mail", "notes"}));
        QCOMPARE(chosen, std::optional<QString>(folder.filePath(QStringLiteral("notes"))));
    }

    void programsStartOnlyWhenExecutable() {
        QTemporaryDir folder;
        const QString marker = folder.filePath(QStringLiteral("started"));
        const QString program = folder.filePath(QStringLiteral("prog"));
        writeFile(program, "#!/bin/sh\ntouch '" + marker.toUtf8() + "'\n",
                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString document = folder.filePath(QStringLiteral("doc.txt"));
        writeFile(document, "#!/bin/sh\n");
        platform::QtShell shell;
        QVERIFY(!shell.startProgram(document));
        QVERIFY(!shell.startProgram(folder.filePath(QStringLiteral("missing"))));
        QVERIFY(!shell.startProgram(folder.path()));
        QVERIFY(shell.startProgram(program));
        QTRY_VERIFY(QFile::exists(marker));
    }

    void topMostKeepsTheWindowShownWhereItWas() {
        QWidget window;
        window.setGeometry(100, 120, 300, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect before = window.geometry();
        platform::QtWindowOrder order;
        for (bool onTop : {true, true, false, false}) {
            QVERIFY(order.setTopMost(window, onTop));
            QCOMPARE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
            QVERIFY(window.isVisible());
            QCOMPARE(window.geometry(), before);
        }
        QWidget hidden;
        QVERIFY(order.setTopMost(hidden, true));
        QVERIFY(!hidden.isVisible());
    }
};

QTEST_MAIN(RealFilesTest)
#include "real_files_test.moc"
