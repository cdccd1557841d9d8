// "開く" and "保存" through the dialogs and files of the harness.
#include "menu_action.h"
#include "tests/app/window_harness.h"

#include "app/pane.h"
#include "platform/text/cp932.h"

#include <QCheckBox>
#include <QPushButton>

using namespace tovalo::app;
using namespace tovalo::app::test;
using namespace tovalo::io::test;
using tovalo::platform::MessageIcon;

namespace {

const QString kSaveFilter = QStringLiteral("テキスト ファイル (*.txt)|*.txt|"
                                           "htmlファイル (*.htm)|*.htm|"
                                           "すべてのファイル (*.*)|*.*|");
const QString kOpenFilter = QStringLiteral("テキスト ファイル (*.txt)|*.txt|"
                                           "すべてのファイル (*.*)|*.*|");

QByteArray sjis(std::u16string_view text) {
    return QByteArray::fromStdString(tovalo::text::toCp932(text));
}

} // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void saveWritesTheVerticalPaneAsTheNameAsks_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("html");
        QTest::newRow("text") << "/home/u/縦.txt" << false;
        QTest::newRow("page") << "/home/u/縦.htm" << true;
    }
    void saveWritesTheVerticalPaneAsTheNameAsks() {
        QFETCH(QString, name);
        QFETCH(bool, html);
        WindowHarness h;
        Form1 &form = h.open();
        h.pane("TxtTate")->setText(u"縦\r\n書き");
        h.dialogs.fileAnswer = name;
        choose(form, "MnuSave");
        QCOMPARE(h.dialogs.fileDialogs.size(), 1);
        QVERIFY(h.dialogs.fileDialogs[0].save);
        QCOMPARE(h.dialogs.fileDialogs[0].request.filter, kSaveFilter);
        QVERIFY(h.dialogs.fileDialogs[0].request.title.isEmpty());
        const QByteArray saved = h.files.contents.value(name);
        if (html) {
            QVERIFY(saved.startsWith("<HTML><HEAD>"));
            QVERIFY(saved.contains(sjis(u"\r\n縦\r\n書き\r\n\r\n</Font></Pre>\r\n")));
        } else {
            QCOMPARE(saved, sjis(u"縦\r\n書き\r\n"));
        }
        QVERIFY(h.dialogs.messages.isEmpty());
    }

    void cancelledDialogsChangeNothing() {
        WindowHarness h;
        Form1 &form = h.open();
        h.pane("TxtOri")->setText(u"元");
        const int writes = h.files.writeCount;
        choose(form, "MnuSave");
        choose(form, "MnuOpen");
        QCOMPARE(h.files.writeCount, writes);
        QCOMPARE(h.paneText("TxtOri"), QStringLiteral("元"));
        QVERIFY(h.dialogs.messages.isEmpty());
    }

    void failedSaveSaysWhyAndKeepsTheOldFile() {
        WindowHarness h;
        Form1 &form = h.open();
        h.files.contents["/t/a.txt"] = "old";
        h.files.failWrites = true;
        h.pane("TxtTate")->setText(u"新");
        h.dialogs.fileAnswer = QStringLiteral("/t/a.txt");
        choose(form, "MnuSave");
        QCOMPARE(h.files.contents.value("/t/a.txt"), QByteArray("old"));
        QCOMPARE(h.dialogs.messages.size(), 1);
        QCOMPARE(h.dialogs.messages[0].caption, QStringLiteral("Tovalo"));
        QCOMPARE(h.dialogs.messages[0].icon, MessageIcon::Warning);
        QVERIFY(h.dialogs.messages[0].text.startsWith(
            QStringLiteral("ファイルを保存できませんでした。")));
        QVERIFY(h.dialogs.messages[0].text.contains(QStringLiteral("/t/a.txt")));
        QVERIFY(h.dialogs.messages[0].text.contains(QStringLiteral("Permission denied")));
    }

    void openReadsTheFileIntoTheSourcePane_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("code page 932, ending in a line end")
            << sjis(u"縦書き\r\n二行目\r\n") << "縦書き\r\n二行目\r\n";
        QTest::newRow("UTF-8") << QByteArray("\xe7\xb8\xa6\r\nA") << "縦\r\nA";
        QTest::newRow("UTF-16 with mark")
            << QByteArray("\xff\xfe\x26\x7e\x0d\x00\x0a\x00", 8) << "縦\r\n";
        QTest::newRow("line feeds only") << QByteArray("a\nb\n") << "a\r\nb\r\n";
        QTest::newRow("not text") << QByteArray("\x00\x01\xff\xfe\x80", 5)
                                  << QString::fromUtf16(u"\x0000\x0001\xFFFD\xFFFD\xFFFD", 5);
    }
    void openReadsTheFileIntoTheSourcePane() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        WindowHarness h;
        Form1 &form = h.open();
        h.pane("TxtOri")->setText(u"前の文章");
        h.files.contents["/t/in.txt"] = bytes;
        h.dialogs.fileAnswer = QStringLiteral("/t/in.txt");
        choose(form, "MnuOpen");
        QCOMPARE(h.dialogs.fileDialogs[0].request.filter, kOpenFilter);
        QVERIFY(!h.dialogs.fileDialogs[0].save);
        QCOMPARE(h.paneText("TxtOri"), text);
    }

    void openFollowsWithAutomaticUpdate() {
        WindowHarness h;
        Form1 &form = h.open();
        h.find<QCheckBox>("ChkAuto")->setChecked(true);
        h.files.contents["/t/in.txt"] = sjis(u"あいう");
        h.dialogs.fileAnswer = QStringLiteral("/t/in.txt");
        choose(form, "MnuOpen");
        QVERIFY(h.paneText("TxtTate").contains(QStringLiteral("あ")));
        QVERIFY(h.find<QPushButton>("Command1")->isEnabled());
    }

    void openOfAnUnreadableFileKeepsThePane_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("no such file") << "/t/missing.txt";
        QTest::newRow("unreadable") << "/t/locked.txt";
        QTest::newRow("empty name") << "";
    }
    void openOfAnUnreadableFileKeepsThePane() {
        QFETCH(QString, name);
        WindowHarness h;
        Form1 &form = h.open();
        h.pane("TxtOri")->setText(u"前の文章");
        h.files.contents["/t/locked.txt"] = "x";
        h.files.unreadable.insert("/t/locked.txt");
        h.dialogs.fileAnswer = name;
        choose(form, "MnuOpen");
        QCOMPARE(h.paneText("TxtOri"), QStringLiteral("前の文章"));
        QVERIFY(h.dialogs.messages.isEmpty());
    }

    // The open and save dialogs propose the name last chosen in either, never the
    // mail program.
    void dialogsProposeTheLastOpenedOrSavedName() {
        WindowHarness h;
        Form1 &form = h.open();
        h.files.contents["/t/in.txt"] = "a";
        h.files.contents["/usr/bin/mailer"] = "#!";
        h.dialogs.fileAnswer = QStringLiteral("/t/in.txt");
        choose(form, "MnuOpen");
        h.dialogs.fileAnswer = QStringLiteral("/usr/bin/mailer");
        QTest::mousePress(h.find<QPushButton>("BtnMail"), Qt::LeftButton);
        h.dialogs.fileAnswer.reset();
        choose(form, "MnuSave");
        h.dialogs.fileAnswer = QStringLiteral("/t/out.htm");
        choose(form, "MnuSave");
        h.dialogs.fileAnswer.reset();
        choose(form, "MnuOpen");
        QStringList proposed;
        for (const auto &dialog : h.dialogs.fileDialogs)
            proposed.append(dialog.request.fileName);
        QCOMPARE(proposed, (QStringList{"", "", "/t/in.txt", "/t/in.txt", "/t/out.htm"}));
    }
};

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
