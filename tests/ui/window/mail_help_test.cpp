// The mail button, the help menu and the version dialog.
#include "window_harness.h"

#include "product/program_info.h"
#include "ui/dialogs/about_dialog.h"

#include <QLabel>
#include <QTimer>

using namespace tovalo::ui::test;
using tovalo::platform::RegistryRoot;
using tovalo::ui::AboutDialog;

namespace {

const QString kMailer = QStringLiteral("/usr/bin/mailer");

void pressMail(WindowHarness &h, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::mousePress(h.button("BtnMail"), Qt::LeftButton, modifiers);
    QTest::mouseRelease(h.button("BtnMail"), Qt::LeftButton, modifiers);
}

void putString(tovalo::platform::Registry &registry, const char *key, const char *name,
               std::string_view value) {
    tovalo::platform::KeyHandle handle = 0;
    registry.createKey(RegistryRoot::LocalMachine, key, handle);
    registry.setString(handle, name, value);
    registry.closeKey(handle);
}

struct Mail {
    const char *name;
    QString remembered;
    Qt::KeyboardModifiers modifiers;
    bool asks, cancel;
};

struct SysInfo {
    const char *name;
    QString path;
    bool startFails;
    QString folder;      // only /opt/loc holds MSINFO32.EXE
    QStringList started; // none: the message instead
};

} // namespace

class MailHelpTest : public QObject {
    Q_OBJECT
private slots:
    // The copy button's tests pin down which mouse buttons and modifiers count; the two
    // buttons share that decision.
    void mailButtonAsksOnlyWhenItMust_data() {
        const Mail rows[] = {
            {"nothing remembered", "", Qt::NoModifier, true, false},
            {"remembered program gone", "/gone/mailer", Qt::NoModifier, true, false},
            {"remembered program", kMailer, Qt::NoModifier, false, false},
            {"Shift", kMailer, Qt::ShiftModifier, true, false},
            {"Shift, cancelled", kMailer, Qt::ShiftModifier, true, true},
            {"Shift+Ctrl", kMailer, Qt::ShiftModifier | Qt::ControlModifier, false, false},
        };
        addRows(rows);
    }
    void mailButtonAsksOnlyWhenItMust() {
        QFETCH(Mail, row);
        OpenWindow h;
        h.files.contents[kMailer] = "#!";
        h.form().settings().mailProgram = row.remembered.toStdU16String();
        if (!row.cancel)
            h.dialogs.fileAnswer = kMailer;
        pressMail(h, row.modifiers);
        QCOMPARE(h.dialogs.fileDialogs.size(), row.asks ? 1 : 0);
        if (row.asks) {
            const auto &request = h.dialogs.fileDialogs[0].request;
            QCOMPARE(request.title, QStringLiteral("メールソフトを指定してください"));
            QCOMPARE(request.filter, QStringLiteral("アプリケーション (*.exe)|*.exe|"
                                                    "すべてのファイル (*.*)|*.*|"));
            QCOMPARE(request.fileName, row.remembered);
        }
        QCOMPARE(h.shell.startedPrograms, row.cancel ? QStringList() : QStringList{kMailer});
        QCOMPARE(q(h.form().settings().mailProgram), row.cancel ? row.remembered : kMailer);
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

    // The manual opens once installed. Without a browser or an opener program the user
    // learns which page to open himself.
    void manualAndHomePageOpen() {
        for (const bool fail : {false, true}) {
            OpenWindow h;
            h.shell.fail = fail;
            h.choose("MnuManual"); // not installed: nothing happens
            QVERIFY(h.shell.openedDocuments.isEmpty() && h.dialogs.messages.isEmpty());
            const QString page = h.files.programFolderPath + QStringLiteral("/help.htm");
            const QString home = q(tovalo::program_info::kDownloadPage);
            h.files.contents[page] = "<HTML>";
            h.choose("MnuManual");
            h.choose("MnuHome");
            if (fail) {
                QCOMPARE(h.dialogs.messages.size(), 2);
                QVERIFY(h.dialogs.messages[0].text.contains(page));
                QVERIFY(h.dialogs.messages[1].text.contains(home));
                QCOMPARE(h.dialogs.messages[0].caption, QStringLiteral("Tovalo"));
            } else {
                QCOMPARE(h.shell.openedDocuments, QStringList{page});
                QCOMPARE(h.shell.openedUrls, QList<QUrl>{QUrl(home)});
                QVERIFY(h.dialogs.messages.isEmpty());
            }
        }
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
        // The value is read into 1024 bytes, its terminating NUL included.
        const QString longest(1023, u'x');
        const QString viewer = QStringLiteral("/opt/info/viewer");
        const QStringList inFolder{"/opt/loc/MSINFO32.EXE"};
        const SysInfo rows[] = {
            {"PATH, even of a missing file", viewer, false, "/opt/loc", {viewer}},
            {"PATH, start fails", viewer, true, "", {}},
            {"longest PATH", longest, false, "/opt/loc", {longest}},
            {"PATH too long, the folder instead", longest + u'x', false, "/opt/loc", inFolder},
            {"folder with the viewer", "", false, "/opt/loc", inFolder},
            {"folder without the viewer", "", false, "/opt/other", {}},
            {"neither", "", false, "", {}},
        };
        addRows(rows);
    }
    void systemInformationStartsTheViewerTheRegistryNames() {
        QFETCH(SysInfo, row);
        OpenWindow h;
        if (!row.path.isEmpty())
            putString(h.registry, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                      row.path.toStdString());
        if (!row.folder.isEmpty())
            putString(h.registry, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO",
                      row.folder.toStdString());
        h.files.contents["/opt/loc/MSINFO32.EXE"] = "MZ";
        h.shell.fail = row.startFails;
        AboutDialog about({h.dialogs, h.files, h.registry, h.shell}, &h.form());
        click(about.findChild<QPushButton *>(QStringLiteral("cmdSysInfo")));
        QCOMPARE(h.shell.startedPrograms, row.started);
        QCOMPARE(h.dialogs.messages.size(), row.started.isEmpty() ? 1 : 0);
        if (row.started.isEmpty()) {
            QCOMPARE(h.dialogs.messages[0].text,
                     QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"));
            QCOMPARE(h.dialogs.messages[0].caption, QStringLiteral("Tovalo"));
        }
        QCOMPARE(h.registry.openKeyCount(), 0);
    }
};

QTEST_MAIN(MailHelpTest)
#include "mail_help_test.moc"
