// The commands and platform services on the real file system, in a temporary folder.
#include "window_harness.h"

#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_shell.h"
#include "platform/qt/qt_window_order.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

using namespace tovalo;
using namespace tovalo::ui::test;

namespace {

const QFile::Permissions kExecutable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

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
    // The page is compared byte for byte; saving leaves no other file behind.
    void savedPageIsByteExact() {
        QTemporaryDir folder;
        RealWindow w;
        w.pane("TxtTate")->setText(u"縦　書\r\nき<&>😀");
        const QString page = folder.filePath(QStringLiteral("page.htm"));
        w.dialogs.fileAnswer = page;
        choose(w.form, "MnuSave");
        const QByteArray expected =
            "<HTML><HEAD><META http-equiv=\"Content-Type\" content=\"text/html; "
            "charset=Shift_JIS\">"
            "<Title>\r\n"
            "page.htm"
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
        QCOMPARE(readFile(page), expected);

        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"page.htm"});
    }

    // Saving never creates a folder: a name in a missing folder fails and says so.
    void savingIntoAMissingFolderFailsAndCreatesNothing() {
        QTemporaryDir folder;
        RealWindow w;
        w.pane("TxtTate")->setText(u"縦");
        for (const char *name : {"missing/a.txt", "missing/deeper/a.htm"}) {
            w.dialogs.fileAnswer = folder.filePath(QString::fromLatin1(name));
            choose(w.form, "MnuSave");
        }
        QCOMPARE(w.dialogs.messages.size(), 2);
        QVERIFY(w.dialogs.messages[0].text.startsWith(
            QStringLiteral("ファイルを保存できませんでした。")));
        QVERIFY(
            QDir(folder.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    }

    // An installed program's settings go to a configuration folder that may not exist yet.
    void settingsCreateTheirConfigurationFolder() {
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.filePath(QStringLiteral("new"))));
        QTemporaryDir program; // no manual beside the program: as installed
        {
            ProgramIn installed(program.path());
            installed.pane("TxtOri")->setText(u"設定");
            installed.form.close();
        }
        qunsetenv("XDG_CONFIG_HOME");
        QVERIFY(QFileInfo(config.filePath(QStringLiteral("new/tovalo/Tov.ini"))).isFile());
    }

    // The real dialog shows the kinds under their descriptions and lists what each kind
    // stands for as on Windows: any letter case, programs for "*.exe", also names without
    // a dot for "*.*", and folders always. The name comes back as typed.
    void openDialogListsEachKindAsOnWindows() {
        QTemporaryDir folder;
        writeFile(folder.filePath(QStringLiteral("mail")), "#!/bin/sh\n", kExecutable);
        for (const char *name : {"a.txt", "B.TXT", "c.htm", "notes", "setup.exe"})
            writeFile(folder.filePath(QString::fromLatin1(name)), "x");
        QDir(folder.path()).mkdir(QStringLiteral("sub"));
        const QList<QStringList> expected = {
            {"B.TXT", "a.txt", "sub"},
            {"mail", "sub"},
            {"B.TXT", "a.txt", "c.htm", "mail", "notes", "setup.exe", "sub"}};
        QStringList kinds;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto *combo = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
            [&] { // a failed check still closes the dialog below
                QCOMPARE(dialog->windowTitle(), QStringLiteral("メールソフトを指定してください"));
                for (int i = 0; i < combo->count(); ++i) {
                    kinds.append(combo->itemText(i));
                    combo->setCurrentIndex(i);
                    emit combo->activated(i);
                    emit combo->textActivated(combo->currentText());
                    QTRY_COMPARE(listedNames(dialog), expected.value(i));
                }
            }();
            dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))
                ->setText(QStringLiteral("notes"));
            static_cast<QDialog *>(dialog)->accept(); // runs the file dialog's own accept
        });
        const std::optional<QString> chosen = platform::QtDialogs().openFileName(
            nullptr, {QStringLiteral("メールソフトを指定してください"),
                      folder.filePath(QStringLiteral("mail")),
                      QStringLiteral("テキスト (*.txt)|*.txt|アプリケーション (*.exe)|*.exe|"
                                     "すべてのファイル (*.*)|*.*|")});
        QCOMPARE(kinds, (QStringList{"テキスト (*.txt)", "アプリケーション (*.exe)",
                                     "すべてのファイル (*.*)"}));
        QCOMPARE(chosen, std::optional<QString>(folder.filePath(QStringLiteral("notes"))));
    }

    void programsStartOnlyWhenExecutable() {
        QTemporaryDir folder;
        const QString marker = folder.filePath(QStringLiteral("started"));
        const QString program = folder.filePath(QStringLiteral("prog"));
        writeFile(program, "#!/bin/sh\ntouch '" + marker.toUtf8() + "'\n", kExecutable);
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
