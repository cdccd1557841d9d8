// The settings file when it is damaged at start-up or cannot be written at shut-down:
// the window opens, keeps converting and closes all the same.
#include "window_harness.h"

#include "platform/text/cp932.h"

#include <QFileInfo>

using namespace tovalo::ui;
using namespace tovalo::ui::test;

namespace {

const std::u16string kSavedSource = u"吾輩は\"猫\"である。\r\n名前はまだ無い。";
// A whole file of six records whose texts hold line breaks, doubled quotation marks
// and double-byte characters.
const QByteArray kWholeFile = QByteArray::fromStdString(tovalo::text::toCp932(
    u"2,3,\"＊\"\r\n#TRUE#,#FALSE#,#TRUE#\r\n\"12\",\"7\",1\r\n\"/usr/bin/mailer\"\r\n"
    u"\"吾輩は\"\"猫\"\"である。\r\n名前はまだ無い。\"\r\n\"saved\r\nvertical\"\r\n"));
const QByteArray kDamaged = kWholeFile.left(60);

QString copyPath(const WindowHarness &h) {
    return h.settingsPath() + QStringLiteral(".bak");
}

// A window started on the given settings file.
Form1 &openOn(WindowHarness &h, const QByteArray &file) {
    h.files.contents[h.settingsPath()] = file;
    return h.open();
}

// The user turns on automatic update and types, which converts; shut-down then rewrites
// the settings file whole, with what the window held, after keeping the file start-up
// found as a copy unless it read that file whole.
void typeConvertAndClose(WindowHarness &h, const QByteArray &fileFound) {
    QVERIFY(!h.form().isStartingUp());
    click(h.check("ChkAuto"));
    typeAtEnd(h.pane("TxtOri"), QStringLiteral("あ"));
    QVERIFY(h.paneText("TxtOri").contains(QStringLiteral("あ")));
    QCOMPARE(h.paneText("TxtTate"), convertedNow(h.form()));
    const QString source = h.paneText("TxtOri");
    const QString vertical = h.paneText("TxtTate");
    h.close();
    QVERIFY(!h.form().isVisible());
    QVERIFY(h.dialogs.messages.isEmpty());
    const auto written = wholeSettings(h.settingsBytes());
    QVERIFY(written);
    QCOMPARE(q(written->source), source);
    QCOMPARE(q(written->vertical), vertical);
    if (wholeSettings(fileFound))
        QVERIFY(!h.files.contents.contains(copyPath(h)));
    else
        QCOMPARE(h.files.contents.value(copyPath(h)), fileFound);
}

struct Odd {
    const char *name;
    QByteArray file;
    bool failure;
};

struct Unread {
    const char *name;
    QByteArray file;
    bool unreadable, olderCopy, folderReadOnly;
};

struct Unwritable {
    const char *name;
    QString unwritable;
    QString written; // the file written, or the one complained of
    QString reason;
};

QByteArray oddFile(std::string_view recordOne, std::string_view recordThree,
                   std::string_view source) {
    return QByteArray::fromStdString(std::string(recordOne) + "\r\n#TRUE#,#TRUE#,#TRUE#\r\n" +
                                     std::string(recordThree) + "\r\n\"\"\r\n\"" +
                                     std::string(source) + "\"\r\n\"\"\r\n");
}

} // namespace

class SettingsResilienceTest : public QObject {
    Q_OBJECT
private slots:
    // A file cut short fails at start-up unless the cut only takes its last line end.
    void fileCutAtAnyByte_data() {
        QTest::addColumn<int>("length");
        for (int length = 0; length <= kWholeFile.size(); ++length)
            QTest::addRow("%d of %d bytes", length, int(kWholeFile.size())) << length;
    }
    void fileCutAtAnyByte() {
        QFETCH(int, length);
        const bool whole = length >= kWholeFile.size() - 2;
        WindowHarness h;
        openOn(h, kWholeFile.left(length));
        if (whole) {
            QCOMPARE(h.paneText("TxtOri"), q(kSavedSource));
            QCOMPARE(h.paneText("TxtTate"), QStringLiteral("saved\r\nvertical"));
            QCOMPARE(h.boxText("TxtH"), QStringLiteral("12"));
            QVERIFY(h.check("ChkWidth")->isChecked());
        } else {
            QCOMPARE(h.paneText("TxtOri"), kStartUpFailure);
            QVERIFY(h.paneText("TxtTate").isEmpty());
            QCOMPARE(h.boxText("TxtH"), QStringLiteral("10"));
        }
        typeConvertAndClose(h, kWholeFile.left(length));
    }

    // Whole files with values the program never writes.
    void oddValues_data() {
        using namespace std::string_view_literals;
        const Odd rows[] = {
            {"choices out of range", oddFile("32767,-32768,\"\"", "\"12\",\"7\",1", "text"), false},
            {"number beyond 16 bits", oddFile("40000,3,\"\"", "\"12\",\"7\",1", "text"), true},
            {"parameters that are no numbers", oddFile("1,3,\"x\"", "\"abc\",\"-3\",1", "text"),
             false},
            {"largest parameters", oddFile("1,3,\"x\"", "\"2147483647\",\"32767\",0", "text"),
             false},
            {"control characters in the text",
             oddFile("1,3,\"\"", "\"10\",\"5\",0", "a\0b\x01\tc\x7f"sv), false},
            {"half a double-byte character", oddFile("1,3,\"\x82\"", "\"10\",\"5\",0", "\x82"),
             false},
        };
        addRows(rows);
    }
    void oddValues() {
        QFETCH(Odd, row);
        WindowHarness h;
        openOn(h, row.file);
        QCOMPARE(h.paneText("TxtOri") == kStartUpFailure, row.failure);
        typeConvertAndClose(h, row.file);
    }

    // A file start-up could not read whole is kept, replacing an older copy. When no
    // copy can be made, nothing is written and the user is told.
    void unreadFileIsKept_data() {
        const Unread rows[] = {
            {"damaged", kDamaged, false, false, false},
            {"damaged, older copy", kDamaged, false, true, false},
            {"unreadable", kWholeFile, true, false, false},
            {"damaged, folder read-only", kDamaged, false, false, true},
        };
        addRows(rows);
    }
    void unreadFileIsKept() {
        QFETCH(Unread, row);
        WindowHarness h;
        if (row.unreadable)
            h.files.unreadable.insert(h.settingsPath());
        if (row.olderCopy)
            h.files.contents[copyPath(h)] = "older copy";
        openOn(h, row.file);
        QCOMPARE(h.paneText("TxtOri"), kStartUpFailure);
        if (row.folderReadOnly)
            h.files.readOnlyFolders.insert(h.files.configFolderPath + QStringLiteral("/tovalo"));
        h.close();
        if (row.folderReadOnly) {
            QCOMPARE(h.settingsBytes(), row.file);
            QVERIFY(!h.files.contents.contains(copyPath(h)));
            QCOMPARE(h.dialogs.messages.size(), 1);
        } else {
            QCOMPARE(h.files.contents.value(copyPath(h)), row.file);
            QVERIFY(wholeSettings(h.settingsBytes()));
            QVERIFY(h.dialogs.messages.isEmpty());
        }
    }

    // Where the settings go when the program's folder cannot take them, and what the
    // user is told, before the window closes, when they cannot be written.
    void shutDownWithUnwritableFiles_data() {
        const QString config = QStringLiteral("/home/user/.config/tovalo/Tov.ini");
        const QString beside = QStringLiteral("/opt/tovalo/Tov.ini");
        const Unwritable rows[] = {
            {"program folder read-only", "program folder", config, ""},
            {"both folders read-only", "both folders", config, "Permission denied"},
            {"every write fails", "every write", beside, "Permission denied"},
            {"Tov.ini read-only", "Tov.ini", beside, "the file is read-only"},
        };
        addRows(rows);
    }
    void shutDownWithUnwritableFiles() {
        QFETCH(Unwritable, row);
        WindowHarness h;
        h.putManual(u"説明書");
        const QString besideTheProgram = h.settingsPath();
        Form1 &form = openOn(h, kWholeFile);
        QCOMPARE(h.paneText("TxtOri"), q(kSavedSource));
        typeAtEnd(h.pane("TxtOri"), QStringLiteral("。"));

        // The files change while the program runs.
        if (row.unwritable.endsWith(QStringLiteral("folder")) ||
            row.unwritable == QStringLiteral("both folders"))
            h.files.readOnlyFolders.insert(h.files.programFolderPath);
        if (row.unwritable == QStringLiteral("both folders"))
            h.files.readOnlyFolders.insert(h.files.configFolderPath + QStringLiteral("/tovalo"));
        h.files.failWrites = row.unwritable == QStringLiteral("every write");
        if (row.unwritable == QStringLiteral("Tov.ini"))
            h.files.readOnly.insert(besideTheProgram);
        h.close();

        QVERIFY(!form.isVisible());
        QCOMPARE(h.files.contents.value(besideTheProgram), kWholeFile);
        if (row.reason.isEmpty()) {
            QVERIFY(h.dialogs.messages.isEmpty());
            const auto records = wholeSettings(h.files.contents.value(row.written));
            QVERIFY(records);
            QCOMPARE(q(records->source), q(kSavedSource) + QStringLiteral("。"));
            QVERIFY(h.files.normalized.contains(row.written));
        } else {
            QVERIFY(
                !h.files.contents.contains(QStringLiteral("/home/user/.config/tovalo/Tov.ini")));
            QCOMPARE(h.dialogs.messages.size(), 1);
            const auto &message = h.dialogs.messages[0];
            QCOMPARE(message.caption, QStringLiteral("Tovalo"));
            QCOMPARE(message.icon, tovalo::platform::MessageIcon::Warning);
            QVERIFY(message.overShownWindow);
            // The per-user file beside it fails alike, unless only "Tov.ini" is read-only.
            QString expected = QStringLiteral("設定ファイルを保存できませんでした。\n") +
                               row.written + '\n' + row.reason;
            if (row.unwritable != QStringLiteral("Tov.ini"))
                expected += '\n' + QFileInfo(row.written).path() + "/tovalo.conf\n" + row.reason;
            QCOMPARE(message.text, expected);
        }

        // The next start finds what this one saved, in the folder it will look in.
        WindowHarness next;
        next.files.contents = h.files.contents;
        next.files.readOnlyFolders = h.files.readOnlyFolders;
        next.open();
        QCOMPARE(next.paneText("TxtOri"),
                 row.reason.isEmpty() ? q(kSavedSource) + QStringLiteral("。")
                 : row.unwritable == QStringLiteral("both folders")
                     ? QStringLiteral("説明書") // none found
                     : q(kSavedSource));
    }
};

QTEST_MAIN(SettingsResilienceTest)
#include "settings_resilience_test.moc"
