// "開く" and "保存" through the dialogs and files of the harness.
#include "window_harness.h"

#include "platform/text/cp932.h"

using namespace tovalo::ui::test;

namespace {

QByteArray sjis(std::u16string_view text) {
    return QByteArray::fromStdString(tovalo::text::toCp932(text));
}

struct Saved {
    const char *name;
    QString vertical;
    QByteArray bytes;
};

struct Opened {
    const char *name;
    std::optional<QString> answer; // what the dialog returns; nothing when cancelled
    QByteArray bytes;              // of "/t/in.txt"
    QString text;                  // the source pane afterwards; empty: as it was
    bool autoUpdate = false, refused = false;
};

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
        const Saved rows[] = {
            {"code page 932", "縦　書き", sjis(u"縦　書き\r\n")},
            {"half-width and circled digits", "ｱ①", "\xB1\x87\x40\r\n"},
            {"emoji", "顔😀", "\xEF\xBB\xBF\xE9\xA1\x94\xF0\x9F\x98\x80\r\n"},
            {"character beyond code page 932", "𠮷野家",
             "\xEF\xBB\xBF\xF0\xA0\xAE\xB7\xE9\x87\x8E\xE5\xAE\xB6\r\n"},
        };
        addRows(rows);
    }
    void savedTextKeepsEveryCharacter() {
        QFETCH(Saved, row);
        OpenWindow h;
        h.pane("TxtTate")->setText(row.vertical.toStdU16String());
        h.dialogs.fileAnswer = QStringLiteral("/t/out.txt");
        h.choose("MnuSave");
        QCOMPARE(h.files.contents.value("/t/out.txt"), row.bytes);
        h.choose("MnuOpen");
        QCOMPARE(h.paneText("TxtOri"), row.vertical + QStringLiteral("\r\n"));
    }

    // The title names the file last saved; a failed save leaves it.
    void failedSaveSaysWhyAndKeepsTheOldFileAndTheTitle() {
        OpenWindow h;
        h.dialogs.fileAnswer = QStringLiteral("/t/縦書き.htm");
        h.choose("MnuSave");
        QCOMPARE(h.form().windowTitle(), QStringLiteral("縦書き.htm — Tovalo"));
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
        QCOMPARE(h.form().windowTitle(), QStringLiteral("縦書き.htm — Tovalo"));
    }

    // Loading the pane is an edit of the source text, so automatic update follows. That
    // trims the source text, so a trailing line end is checked with it off. The file's
    // encoding is recognised; a file that is no text is refused by name; a cancelled
    // dialog or a file that cannot be read leaves the pane and the title as they were.
    void openReadsTheFileIntoTheSourcePane_data() {
        const QString in = QStringLiteral("/t/in.txt");
        const Opened rows[] = {
            {.name = "code page 932, ending in a line end",
             .answer = in,
             .bytes = sjis(u"縦書き\r\n二行目\r\n"),
             .text = "縦書き\r\n二行目\r\n"},
            {.name = "UTF-8, line feeds only",
             .answer = in,
             .bytes = "\xe7\xb8\xa6\nA\n",
             .text = "縦\r\nA\r\n"},
            {.name = "EUC-JP",
             .answer = in,
             .bytes = "\xa4\xb3\xa4\xec\xa4\xcf\xbd\xc4\xbd\xf1\xa4\xad\xa4\xce\xa5\xc6\xa5\xad"
                      "\xa5\xb9\xa5\xc8\xa4\xc7\xa4\xb9\xa1\xa3\r\n",
             .text = "これは縦書きのテキストです。\r\n"},
            {.name = "automatic update",
             .answer = in,
             .bytes = sjis(u"あいう"),
             .text = "あいう",
             .autoUpdate = true},
            {.name = "picture",
             .answer = in,
             .bytes = QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10", 20),
             .refused = true},
            {.name = "cancelled", .answer = std::nullopt},
            {.name = "no such file", .answer = "/t/missing.txt"},
            {.name = "unreadable", .answer = "/t/locked.txt"},
            {.name = "empty name", .answer = ""},
        };
        addRows(rows);
    }
    void openReadsTheFileIntoTheSourcePane() {
        QFETCH(Opened, row);
        OpenWindow h;
        h.check("ChkAuto")->setChecked(row.autoUpdate);
        h.pane("TxtOri")->setText(u"前の文章");
        h.files.contents["/t/in.txt"] = row.bytes;
        h.files.contents["/t/locked.txt"] = "x";
        h.files.unreadable.insert("/t/locked.txt");
        h.dialogs.fileAnswer = row.answer;
        h.choose("MnuOpen");
        QVERIFY(!h.dialogs.fileDialogs[0].save);
        QCOMPARE(h.dialogs.fileDialogs[0].request.filter,
                 QStringLiteral("テキスト ファイル (*.txt)|*.txt|すべてのファイル (*.*)|*.*|"));
        const bool read = !row.text.isEmpty();
        QCOMPARE(h.paneText("TxtOri"), read ? row.text : QStringLiteral("前の文章"));
        QCOMPARE(h.form().windowTitle(), read ? QStringLiteral("in.txt — Tovalo") : "Tovalo");
        QCOMPARE(h.dialogs.messages.size(), row.refused ? 1 : 0);
        if (row.refused)
            QVERIFY(h.dialogs.messages[0].text.contains(QStringLiteral("/t/in.txt")));
        QVERIFY(h.button("Command1")->isEnabled());
        if (row.autoUpdate)
            QCOMPARE(h.paneText("TxtTate"), convertedNow(h.form()));
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
        QTest::mousePress(h.button("BtnMail"), Qt::LeftButton);
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
