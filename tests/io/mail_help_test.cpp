// The mail button, the help menu and the version dialog.
#include "menu_action.h"
#include "tests/app/window_harness.h"

#include "io/frm_about.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace tovalo::app;
using namespace tovalo::app::test;
using namespace tovalo::io::test;
using tovalo::io::frmAbout;
using tovalo::platform::RegistryRoot;

namespace {

const QString kMailer = QStringLiteral("/usr/bin/mailer");

void pressMail(WindowHarness &h, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
               Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(h.find<QPushButton>("BtnMail"), button, modifiers);
    QTest::mouseRelease(h.find<QPushButton>("BtnMail"), button, modifiers);
}

void putString(tovalo::platform::Registry &registry, const char *key, const char *name,
               std::string_view value) {
    tovalo::platform::KeyHandle handle = 0;
    registry.createKey(RegistryRoot::LocalMachine, key, handle);
    registry.setString(handle, name, value);
    registry.closeKey(handle);
}

const char *const kViewerKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const char *const kViewerFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

} // namespace

class MailHelpTest : public QObject {
    Q_OBJECT
private slots:
    void mailButtonAsksOnlyWhenItMust_data() {
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("asks");
        const int left = Qt::LeftButton;
        QTest::newRow("nothing remembered") << "" << left << int(Qt::NoModifier) << true;
        QTest::newRow("remembered program gone")
            << "/gone/mailer" << left << int(Qt::NoModifier) << true;
        QTest::newRow("remembered program") << kMailer << left << int(Qt::NoModifier) << false;
        QTest::newRow("right button") << kMailer << int(Qt::RightButton) << 0 << false;
        QTest::newRow("middle button") << kMailer << int(Qt::MiddleButton) << 0 << false;
        QTest::newRow("Shift") << kMailer << left << int(Qt::ShiftModifier) << true;
        QTest::newRow("Shift+Ctrl")
            << kMailer << left << int(Qt::ShiftModifier | Qt::ControlModifier) << false;
        QTest::newRow("Ctrl") << kMailer << left << int(Qt::ControlModifier) << false;
    }
    void mailButtonAsksOnlyWhenItMust() {
        QFETCH(QString, remembered);
        QFETCH(int, button);
        QFETCH(int, modifiers);
        QFETCH(bool, asks);
        WindowHarness h;
        Form1 &form = h.open();
        h.files.contents[kMailer] = "#!";
        form.shared().MailSoft = remembered.toStdU16String();
        h.dialogs.fileAnswer = kMailer;
        pressMail(h, Qt::KeyboardModifiers(modifiers), Qt::MouseButton(button));
        QCOMPARE(h.dialogs.fileDialogs.size(), asks ? 1 : 0);
        if (asks) {
            const auto &request = h.dialogs.fileDialogs[0].request;
            QCOMPARE(request.title, QStringLiteral("メールソフトを指定してください"));
            QCOMPARE(request.filter, QStringLiteral("アプリケーション (*.exe)|*.exe|"
                                                    "すべてのファイル (*.*)|*.*|"));
            QCOMPARE(request.fileName, remembered);
        }
        QCOMPARE(h.shell.startedPrograms, QStringList{kMailer});
    }

    void cancellingTheChooserStartsNothing() {
        WindowHarness h;
        Form1 &form = h.open();
        h.files.contents[kMailer] = "#!";
        form.shared().MailSoft = kMailer.toStdU16String();
        pressMail(h, Qt::ShiftModifier);
        QCOMPARE(h.dialogs.fileDialogs.size(), 1);
        QVERIFY(h.shell.startedPrograms.isEmpty());
        QCOMPARE(q(form.shared().MailSoft), kMailer);
    }

    // A file that is no program stays remembered; every press then fails quietly.
    void aChosenDocumentIsRememberedAndStartsNothing() {
        WindowHarness h;
        Form1 &form = h.open();
        h.files.contents["/t/notes.txt"] = "text";
        h.shell.fail = true;
        h.dialogs.fileAnswer = QStringLiteral("/t/notes.txt");
        pressMail(h);
        pressMail(h);
        QCOMPARE(h.dialogs.fileDialogs.size(), 1);
        QCOMPARE(q(form.shared().MailSoft), QStringLiteral("/t/notes.txt"));
        QVERIFY(h.dialogs.messages.isEmpty());
    }

    void manualOpensTheHelpPageBesideTheProgram() {
        WindowHarness h;
        Form1 &form = h.open();
        choose(form, "MnuManual"); // not installed: nothing happens
        QVERIFY(h.shell.openedDocuments.isEmpty());
        QVERIFY(h.dialogs.messages.isEmpty());
        const QString page = h.files.programFolderPath + QStringLiteral("/help.htm");
        h.files.contents[page] = "<HTML>";
        choose(form, "MnuManual");
        QCOMPARE(h.shell.openedDocuments, QStringList{page});
    }

    void homeOpensTheDownloadPage() {
        WindowHarness h;
        Form1 &form = h.open();
        choose(form, "MnuHome");
        QCOMPARE(h.shell.openedUrls,
                 QList<QUrl>{QUrl(QStringLiteral("https://tovalo.example/download/"))});
        h.shell.fail = true;
        choose(form, "MnuHome");
        QVERIFY(h.dialogs.messages.isEmpty());
    }

    void versionShowsTheAboutBoxModally() {
        WindowHarness h;
        Form1 &form = h.open();
        QString title;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            QWidget *dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            title = dialog->windowTitle();
            modal = dialog->isModal();
            click(dialog->findChild<QPushButton *>(QStringLiteral("cmdOK")));
        });
        choose(form, "MnuVer");
        QCOMPARE(title, QStringLiteral("Tovaloのﾊﾞｰｼﾞｮﾝ情報"));
        QVERIFY(modal);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void aboutBoxShowsTheProgramAndItsAuthor() {
        WindowHarness h;
        Form1 &form = h.open();
        frmAbout about({h.dialogs, h.files, h.registry, h.shell}, &form);
        const auto text = [&](const char *name) {
            auto *label = about.findChild<QLabel *>(QString::fromLatin1(name));
            return label ? label->text() : QStringLiteral("(missing)");
        };
        QCOMPARE(text("lblTitle"), QStringLiteral("Tovalo"));
        QCOMPARE(text("lblVersion"), QStringLiteral("ﾊﾞｰｼﾞｮﾝ 2.1.0"));
        QCOMPARE(text("Label2"), QStringLiteral("Tovalo Project"));
        QCOMPARE(text("Label1"), QStringLiteral("tovalo@tovalo.example"));
        QVERIFY(about.findChild<QFrame *>(QStringLiteral("Line1")));
        QVERIFY(!about.findChild<QLabel *>(QStringLiteral("picIcon"))->pixmap().isNull());
        QCOMPARE(about.findChild<QLabel *>(QStringLiteral("lblTitle"))->font().pointSizeF(), 15.75);
        QVERIFY(about.findChild<QLabel *>(QStringLiteral("Label1"))->font().bold());
        auto *ok = about.findChild<QPushButton *>(QStringLiteral("cmdOK"));
        auto *sysInfo = about.findChild<QPushButton *>(QStringLiteral("cmdSysInfo"));
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(ok->isDefault());
        QCOMPARE(sysInfo->text(), QStringLiteral("ｼｽﾃﾑ情報(&S)..."));
        QCOMPARE(sysInfo->accessibleName(), QStringLiteral("cmdSysInfo"));

        about.show();
        QTest::keyClick(&about, Qt::Key_Escape);
        QVERIFY(!about.isVisible());
        about.show();
        QTest::keyClick(&about, Qt::Key_Return);
        QVERIFY(!about.isVisible());
    }

    void systemInformationStartsTheViewerTheRegistryNames_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("viewerInFolder");
        QTest::addColumn<QString>("started"); // empty: the message instead
        QTest::newRow("PATH, even of a missing file") << "/opt/info/viewer"
                                                      << "/opt/loc" << true << "/opt/info/viewer";
        QTest::newRow("folder with the viewer") << ""
                                                << "/opt/loc" << true << "/opt/loc/MSINFO32.EXE";
        QTest::newRow("folder without the viewer") << ""
                                                   << "/opt/loc" << false << "";
        QTest::newRow("neither") << ""
                                 << "" << false << "";
    }
    void systemInformationStartsTheViewerTheRegistryNames() {
        QFETCH(QString, path);
        QFETCH(QString, folder);
        QFETCH(bool, viewerInFolder);
        QFETCH(QString, started);
        WindowHarness h;
        Form1 &form = h.open();
        if (!path.isEmpty())
            putString(h.registry, kViewerKey, "PATH", path.toStdString());
        if (!folder.isEmpty())
            putString(h.registry, kViewerFolderKey, "MSINFO", folder.toStdString());
        if (viewerInFolder)
            h.files.contents[folder + "/MSINFO32.EXE"] = "MZ";
        frmAbout about({h.dialogs, h.files, h.registry, h.shell}, &form);
        click(about.findChild<QPushButton *>(QStringLiteral("cmdSysInfo")));
        QCOMPARE(h.shell.startedPrograms, started.isEmpty() ? QStringList() : QStringList{started});
        QCOMPARE(h.dialogs.messages.size(), started.isEmpty() ? 1 : 0);
        if (started.isEmpty()) {
            QCOMPARE(h.dialogs.messages[0].text,
                     QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"));
            QCOMPARE(h.dialogs.messages[0].caption, QStringLiteral("Tovalo"));
        }
        QCOMPARE(h.registry.openKeyCount(), 0);
    }

    void systemInformationSaysSoWhenTheViewerFailsToStart() {
        WindowHarness h;
        Form1 &form = h.open();
        putString(h.registry, kViewerKey, "PATH", "/opt/info/viewer");
        h.shell.fail = true;
        frmAbout about({h.dialogs, h.files, h.registry, h.shell}, &form);
        about.StartSysInfo();
        QCOMPARE(h.dialogs.messages.size(), 1);
    }

    void keyValuesReadAsText() {
        WindowHarness h;
        Form1 &form = h.open();
        frmAbout about({h.dialogs, h.files, h.registry, h.shell}, &form);
        tovalo::platform::KeyHandle key = 0;
        h.registry.createKey(RegistryRoot::LocalMachine, "SOFTWARE\\T", key);
        h.registry.setString(key, "text", "日本語\\path");
        h.registry.setString(key, "long", std::string(1023, 'x'));
        h.registry.setString(key, "too long", std::string(1024, 'x'));
        h.registry.setNumber(key, "number", 4000000000u);
        h.registry.closeKey(key);
        const auto read = [&](const char *keyName, const char *name, QString &value) {
            return about.GetKeyValue(RegistryRoot::LocalMachine, QString::fromLatin1(keyName),
                                     QString::fromUtf8(name), value);
        };
        QString value = QStringLiteral("before");
        QVERIFY(read("SOFTWARE\\T", "text", value));
        QCOMPARE(value, QStringLiteral("日本語\\path"));
        QVERIFY(read("SOFTWARE\\T", "long", value));
        QCOMPARE(value.size(), 1023);
        QVERIFY(read("SOFTWARE\\T", "number", value));
        QCOMPARE(value, QStringLiteral("4000000000"));
        value = QStringLiteral("kept");
        QVERIFY(!read("SOFTWARE\\T", "too long", value)); // larger than the buffer
        QCOMPARE(value, QString());
        value = QStringLiteral("kept");
        QVERIFY(!read("SOFTWARE\\T", "missing", value));
        QCOMPARE(value, QString());
        value = QStringLiteral("kept");
        QVERIFY(!read("SOFTWARE\\None", "text", value));
        QCOMPARE(value, QString());
        QCOMPARE(h.registry.openKeyCount(), 0);
    }
};

QTEST_MAIN(MailHelpTest)
#include "mail_help_test.moc"
