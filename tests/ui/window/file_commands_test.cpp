// "開く" and "保存" through the dialogs and files of the harness.
#include "menu_action.h"

#include "platform/text/cp932.h"
#include "ui/widgets/pane.h"

#include <QCheckBox>
#include <QPushButton>

using namespace tovalo::ui::test;
using namespace tovalo::ui::test;

namespace {

using Answer = std::optional<QString>; // what the dialog returns; nothing when cancelled

QByteArray sjis(std::u16string_view text) {
    return QByteArray::fromStdString(tovalo::text::toCp932(text));
}

} // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT
private slots:
    // A cancelled dialog or an empty name writes nothing. The saved page is compared byte
    // for byte on the real file system.
    void saveWritesTheVerticalPane() {
        OpenWindow h;
        h.pane("TxtTate")->setText(u"縦\r\n書き");
        const int writes = h.files.writeCount;
        h.choose("MnuSave");
        h.dialogs.fileAnswer = QString();
        h.choose("MnuSave");
        QCOMPARE(h.files.writeCount, writes);
        h.dialogs.fileAnswer = QStringLiteral("/home/u/縦.txt");
        h.choose("MnuSave");
        QCOMPARE(h.dialogs.fileDialogs.size(), 3);
        QVERIFY(h.dialogs.fileDialogs[0].save);
        QVERIFY(h.dialogs.fileDialogs[0].request.title.isEmpty());
        QCOMPARE(h.dialogs.fileDialogs[0].request.filter,
                 QStringLiteral("テキスト ファイル (*.txt)|*.txt|htmlファイル (*.htm)|*.htm|"
                                "すべてのファイル (*.*)|*.*|"));
        QCOMPARE(h.files.contents.value(QStringLiteral("/home/u/縦.txt")), sjis(u"縦\r\n書き\r\n"));
        QVERIFY(h.dialogs.messages.isEmpty());
    }

    // A saved text file stays code page 932 while that code page holds every character;
    // otherwise it is UTF-8 with a byte-order mark. "開く" reads either back unchanged.
    void savedTextKeepsEveryCharacter_data() {
        QTest::addColumn<QString>("vertical");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("code page 932") << "縦　書き" << sjis(u"縦　書き\r\n");
        QTest::newRow("half-width and circled digits") << "ｱ①" << QByteArray("\xB1\x87\x40\r\n");
        QTest::newRow("emoji") << "顔😀"
                               << QByteArray("\xEF\xBB\xBF\xE9\xA1\x94\xF0\x9F\x98\x80\r\n");
        QTest::newRow("character beyond code page 932")
            << "𠮷野家" << QByteArray("\xEF\xBB\xBF\xF0\xA0\xAE\xB7\xE9\x87\x8E\xE5\xAE\xB6\r\n");
    }
    void savedTextKeepsEveryCharacter() {
        QFETCH(QString, vertical);
        QFETCH(QByteArray, bytes);
        OpenWindow h;
        h.pane("TxtTate")->setText(vertical.toStdU16String());
        h.dialogs.fileAnswer = QStringLiteral("/t/out.txt");
        h.choose("MnuSave");
        QCOMPARE(h.files.contents.value("/t/out.txt"), bytes);
        h.choose("MnuOpen");
        QCOMPARE(h.paneText("TxtOri"), vertical + QStringLiteral("\r\n"));
    }

    void failedSaveSaysWhyAndKeepsTheOldFile() {
        OpenWindow h;
        h.files.contents["/t/a.txt"] = "old";
        h.files.failWrites = true;
        h.pane("TxtTate")->setText(u"新");
        h.dialogs.fileAnswer = QStringLiteral("/t/a.txt");
        h.choose("MnuSave");
        QCOMPARE(h.files.contents.value("/t/a.txt"), QByteArray("old"));
        QCOMPARE(h.dialogs.messages.size(), 1);
        const auto &message = h.dialogs.messages[0];
        QCOMPARE(message.caption, QStringLiteral("Tovalo"));
        QCOMPARE(message.icon, tovalo::platform::MessageIcon::Warning);
        QVERIFY(message.text.startsWith(QStringLiteral("ファイルを保存できませんでした。")));
        QVERIFY(message.text.contains(QStringLiteral("/t/a.txt")));
        QVERIFY(message.text.contains(QStringLiteral("Permission denied")));
    }

    // Loading the pane is an edit of the source text, so automatic update follows. That
    // trims the source text, so a trailing line end is checked with it off.
    void openReadsTheFileIntoTheSourcePane_data() {
        QTest::addColumn<bool>("autoUpdate");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("code page 932, ending in a line end")
            << false << sjis(u"縦書き\r\n二行目\r\n") << "縦書き\r\n二行目\r\n";
        QTest::newRow("UTF-8, line feeds only")
            << false << QByteArray("\xe7\xb8\xa6\nA\n") << "縦\r\nA\r\n";
        QTest::newRow("automatic update") << true << sjis(u"あいう") << "あいう";
    }
    void openReadsTheFileIntoTheSourcePane() {
        QFETCH(bool, autoUpdate);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        OpenWindow h;
        h.find<QCheckBox>("ChkAuto")->setChecked(autoUpdate);
        h.pane("TxtOri")->setText(u"前の文章");
        h.files.contents["/t/in.txt"] = bytes;
        h.dialogs.fileAnswer = QStringLiteral("/t/in.txt");
        h.choose("MnuOpen");
        QVERIFY(!h.dialogs.fileDialogs[0].save);
        QCOMPARE(h.dialogs.fileDialogs[0].request.filter,
                 QStringLiteral("テキスト ファイル (*.txt)|*.txt|すべてのファイル (*.*)|*.*|"));
        QCOMPARE(h.paneText("TxtOri"), text);
        QVERIFY(h.find<QPushButton>("Command1")->isEnabled());
        if (autoUpdate)
            QCOMPARE(h.paneText("TxtTate"), convertedNow(h.form()));
    }

    void openOfAnUnreadableFileKeepsThePane_data() {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("cancelled") << Answer();
        QTest::newRow("no such file") << Answer("/t/missing.txt");
        QTest::newRow("unreadable") << Answer("/t/locked.txt");
        QTest::newRow("empty name") << Answer("");
    }
    void openOfAnUnreadableFileKeepsThePane() {
        QFETCH(Answer, answer);
        OpenWindow h;
        h.pane("TxtOri")->setText(u"前の文章");
        h.files.contents["/t/locked.txt"] = "x";
        h.files.unreadable.insert("/t/locked.txt");
        h.dialogs.fileAnswer = answer;
        h.choose("MnuOpen");
        QCOMPARE(h.paneText("TxtOri"), QStringLiteral("前の文章"));
        QVERIFY(h.dialogs.messages.isEmpty());
    }

    // The open and save dialogs propose the name last chosen in either, never the
    // mail program.
    void dialogsProposeTheLastOpenedOrSavedName() {
        OpenWindow h;
        h.files.contents["/t/in.txt"] = "a";
        h.files.contents["/usr/bin/mailer"] = "#!";
        h.dialogs.fileAnswer = QStringLiteral("/t/in.txt");
        h.choose("MnuOpen");
        h.dialogs.fileAnswer = QStringLiteral("/usr/bin/mailer");
        QTest::mousePress(h.find<QPushButton>("BtnMail"), Qt::LeftButton);
        h.dialogs.fileAnswer.reset();
        h.choose("MnuSave");
        h.dialogs.fileAnswer = QStringLiteral("/t/out.htm");
        h.choose("MnuSave");
        h.dialogs.fileAnswer.reset();
        h.choose("MnuOpen");
        QStringList proposed;
        for (const auto &dialog : h.dialogs.fileDialogs)
            proposed.append(dialog.request.fileName);
        QCOMPARE(proposed, (QStringList{"", "", "/t/in.txt", "/t/in.txt", "/t/out.htm"}));
    }
};

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
