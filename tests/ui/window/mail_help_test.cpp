// The mail button, the help menu and the version dialog.
#include "menu_action.h"

#include "product/program_info.h"

#include "ui/dialogs/about_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace tovalo::ui::test;
using namespace tovalo::ui::test;
using tovalo::platform::RegistryRoot;
using tovalo::ui::AboutDialog;

namespace {

const QString kMailer = QStringLiteral("/usr/bin/mailer");

void pressMail(WindowHarness &h, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::mousePress(h.find<QPushButton>("BtnMail"), Qt::LeftButton, modifiers);
    QTest::mouseRelease(h.find<QPushButton>("BtnMail"), Qt::LeftButton, modifiers);
}

void putString(tovalo::platform::Registry &registry, const char *key, const char *name,
               std::string_view value) {
    tovalo::platform::KeyHandle handle = 0;
    registry.createKey(RegistryRoot::LocalMachine, key, handle);
    registry.setString(handle, name, value);
    registry.closeKey(handle);
}

} // namespace

class MailHelpTest : public QObject {
    Q_OBJECT
private slots:
    // The copy button's tests pin down which mouse buttons and modifiers count; the two
    // buttons share that decision.
    void mailButtonAsksOnlyWhenItMust_data() {
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("asks");
        QTest::addColumn<bool>("cancel");
        const int shift = Qt::ShiftModifier;
        QTest::newRow("nothing remembered") << "" << 0 << true << false;
        QTest::newRow("remembered program gone") << "/gone/mailer" << 0 << true << false;
        QTest::newRow("remembered program") << kMailer << 0 << false << false;
        QTest::newRow("Shift") << kMailer << shift << true << false;
        QTest::newRow("Shift, cancelled") << kMailer << shift << true << true;
        QTest::newRow("Shift+Ctrl")
            << kMailer << int(Qt::ShiftModifier | Qt::ControlModifier) << false << false;
    }
    void mailButtonAsksOnlyWhenItMust() {
        QFETCH(QString, remembered);
        QFETCH(int, modifiers);
        QFETCH(bool, asks);
        QFETCH(bool, cancel);
        OpenWindow h;
        h.files.contents[kMailer] = "#!";
        h.form().settings().mailProgram = remembered.toStdU16String();
        if (!cancel)
            h.dialogs.fileAnswer = kMailer;
        pressMail(h, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(h.dialogs.fileDialogs.size(), asks ? 1 : 0);
        if (asks) {
            const auto &request = h.dialogs.fileDialogs[0].request;
            QCOMPARE(request.title, QStringLiteral("メールソフトを指定してください"));
            QCOMPARE(request.filter, QStringLiteral("アプリケーション (*.exe)|*.exe|"
                                                    "すべてのファイル (*.*)|*.*|"));
            QCOMPARE(request.fileName, remembered);
        }
        QCOMPARE(h.shell.startedPrograms, cancel ? QStringList() : QStringList{kMailer});
        QCOMPARE(q(h.form().settings().mailProgram), cancel ? remembered : kMailer);
    }

    // A file that is no program stays remembered; every press then fails quietly.
    void aChosenDocumentIsRememberedAndStartsNothing() {
        OpenWindow h;
        h.files.contents["/t/notes.txt"] = "text";
        h.shell.fail = true;
        h.dialogs.fileAnswer = QStringLiteral("/t/notes.txt");
        pressMail(h);
        pressMail(h);
        QCOMPARE(h.dialogs.fileDialogs.size(), 1);
        QCOMPARE(q(h.form().settings().mailProgram), QStringLiteral("/t/notes.txt"));
        QVERIFY(h.dialogs.messages.isEmpty());
    }

    void manualAndHomePageOpen() {
        OpenWindow h;
        h.choose("MnuManual"); // not installed: nothing happens
        QVERIFY(h.shell.openedDocuments.isEmpty());
        const QString page = h.files.programFolderPath + QStringLiteral("/help.htm");
        h.files.contents[page] = "<HTML>";
        h.choose("MnuManual");
        QCOMPARE(h.shell.openedDocuments, QStringList{page});
        h.choose("MnuHome");
        QCOMPARE(h.shell.openedUrls, QList<QUrl>{QUrl(q(tovalo::program_info::kDownloadPage))});
        QVERIFY(h.dialogs.messages.isEmpty());
    }

    // Without a browser or an opener program the user learns which page to open himself.
    void failingOpenerNamesThePage_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("named");
        QTest::newRow("manual") << "MnuManual"
                                << "/opt/tovalo/help.htm";
        QTest::newRow("home page") << "MnuHome" << q(tovalo::program_info::kDownloadPage);
    }
    void failingOpenerNamesThePage() {
        QFETCH(QString, entry);
        QFETCH(QString, named);
        OpenWindow h;
        h.files.contents[QStringLiteral("/opt/tovalo/help.htm")] = "<HTML>";
        h.shell.fail = true;
        h.choose(entry.toLatin1().constData());
        QCOMPARE(h.dialogs.messages.size(), 1);
        QVERIFY(h.dialogs.messages[0].text.contains(named));
        QCOMPARE(h.dialogs.messages[0].caption, QStringLiteral("Tovalo"));
    }

    // The version is the three numbers, not the version text "2.01". Enter presses OK,
    // Escape cancels.
    void versionShowsTheAboutBoxModally() {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            OpenWindow h;
            QStringList shown;
            QTimer::singleShot(0, [&] {
                QWidget *dialog = QApplication::activeModalWidget();
                QVERIFY(dialog && dialog->isModal());
                shown << dialog->windowTitle();
                for (const char *name : {"lblTitle", "lblVersion"})
                    shown << dialog->findChild<QLabel *>(QString::fromLatin1(name))->text();
                shown << dialog->findChild<QPushButton *>(QStringLiteral("cmdSysInfo"))->text();
                QVERIFY(!dialog->findChild<QLabel *>(QStringLiteral("picIcon"))->pixmap().isNull());
                QTest::keyClick(dialog, key);
            });
            h.choose("MnuVer");
            QCOMPARE(shown, (QStringList{"Tovaloのﾊﾞｰｼﾞｮﾝ情報", "Tovalo", "ﾊﾞｰｼﾞｮﾝ 2.1.0",
                                         "ｼｽﾃﾑ情報(&S)..."}));
            QVERIFY(!QApplication::activeModalWidget());
        }
    }

    void systemInformationStartsTheViewerTheRegistryNames_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("startFails");
        QTest::addColumn<QString>("folder");      // only /opt/loc holds MSINFO32.EXE
        QTest::addColumn<QStringList>("started"); // none: the message instead
        QTest::newRow("PATH, even of a missing file")
            << "/opt/info/viewer" << false << "/opt/loc" << QStringList{"/opt/info/viewer"};
        QTest::newRow("PATH, start fails") << "/opt/info/viewer" << true << "" << QStringList();
        // The value is read into 1024 bytes, its terminating NUL included.
        const QString longest(1023, u'x');
        QTest::newRow("longest PATH") << longest << false << "/opt/loc" << QStringList{longest};
        QTest::newRow("PATH too long, the folder instead")
            << longest + u'x' << false << "/opt/loc" << QStringList{"/opt/loc/MSINFO32.EXE"};
        QTest::newRow("folder with the viewer")
            << "" << false << "/opt/loc" << QStringList{"/opt/loc/MSINFO32.EXE"};
        QTest::newRow("folder without the viewer") << "" << false << "/opt/other" << QStringList();
        QTest::newRow("neither") << "" << false << "" << QStringList();
    }
    void systemInformationStartsTheViewerTheRegistryNames() {
        QFETCH(QString, path);
        QFETCH(bool, startFails);
        QFETCH(QString, folder);
        QFETCH(QStringList, started);
        OpenWindow h;
        if (!path.isEmpty())
            putString(h.registry, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                      path.toStdString());
        if (!folder.isEmpty())
            putString(h.registry, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO",
                      folder.toStdString());
        h.files.contents["/opt/loc/MSINFO32.EXE"] = "MZ";
        h.shell.fail = startFails;
        AboutDialog about({h.dialogs, h.files, h.registry, h.shell}, &h.form());
        click(about.findChild<QPushButton *>(QStringLiteral("cmdSysInfo")));
        QCOMPARE(h.shell.startedPrograms, started);
        QCOMPARE(h.dialogs.messages.size(), started.isEmpty() ? 1 : 0);
        if (started.isEmpty()) {
            QCOMPARE(h.dialogs.messages[0].text,
                     QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"));
            QCOMPARE(h.dialogs.messages[0].caption, QStringLiteral("Tovalo"));
        }
        QCOMPARE(h.registry.openKeyCount(), 0);
    }
};

QTEST_MAIN(MailHelpTest)
#include "mail_help_test.moc"
