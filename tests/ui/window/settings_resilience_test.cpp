// The settings file when it is damaged at start-up or cannot be written at shut-down:
// the window opens, keeps converting and closes all the same.
#include "window_harness.h"

#include "platform/text/cp932.h"
#include "settings/settings_file.h"
#include "ui/widgets/pane.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTest>

using namespace tovalo::ui;
using namespace tovalo::settings;
using namespace tovalo::ui::test;

namespace {

const QString kFailure =
    QStringLiteral("ファイル読み込み中にエラーが発生しましたが大した問題にはならないでしょう");

const std::u16string kSavedSource = u"吾輩は\"猫\"である。\r\n名前はまだ無い。";
// A whole file of six records whose texts hold line breaks, doubled quotation marks
// and double-byte characters.
const QByteArray kWholeFile = QByteArray::fromStdString(tovalo::text::toCp932(
    u"2,3,\"＊\"\r\n#TRUE#,#FALSE#,#TRUE#\r\n\"12\",\"7\",1\r\n\"/usr/bin/mailer\"\r\n"
    u"\"吾輩は\"\"猫\"\"である。\r\n名前はまだ無い。\"\r\n\"saved\r\nvertical\"\r\n"));

// A window started on the given settings file.
Form1 &openOn(WindowHarness &h, const QByteArray &file) {
    h.files.contents[h.settingsPath()] = file;
    return h.open();
}

int readBack(const QByteArray &file, SettingsRecords &records) {
    return readSettingsFile(std::string_view(file.data(), file.size()), records);
}

bool startUpFailed(const WindowHarness &h) {
    return h.paneText("TxtOri") == kFailure;
}

QString copyPath(const WindowHarness &h) {
    return h.settingsPath() + QStringLiteral(".bak");
}

// The user turns on automatic update and types, which converts; shut-down then rewrites
// the settings file whole, with what the window held, after keeping the file start-up
// found as a copy unless it read that file whole.
void typeConvertAndClose(WindowHarness &h, const QByteArray &fileFound) {
    Form1 &form = h.form();
    QVERIFY(!form.isStartingUp());

    click(h.find<QCheckBox>("ChkAuto"));
    typeAtEnd(h.pane("TxtOri"), QStringLiteral("あ"));
    QVERIFY(h.paneText("TxtOri").contains(QStringLiteral("あ")));
    QCOMPARE(h.paneText("TxtTate"), convertedNow(form));

    const std::u16string source = h.pane("TxtOri")->text();
    const std::u16string vertical = h.pane("TxtTate")->text();
    h.close();
    QVERIFY(!form.isVisible());
    QVERIFY(h.dialogs.messages.isEmpty());
    SettingsRecords written;
    QCOMPARE(readBack(h.files.contents.value(h.settingsPath()), written), kSettingsRecordCount);
    QCOMPARE(written.source, source);
    QCOMPARE(written.vertical, vertical);
    SettingsRecords found;
    if (readBack(fileFound, found) == kSettingsRecordCount)
        QVERIFY(!h.files.contents.contains(copyPath(h)));
    else
        QCOMPARE(h.files.contents.value(copyPath(h)), fileFound);
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
            QVERIFY(h.find<QCheckBox>("ChkWidth")->isChecked());
        } else {
            QCOMPARE(h.paneText("TxtOri"), kFailure);
            QVERIFY(h.paneText("TxtTate").isEmpty());
            QCOMPARE(h.boxText("TxtH"), QStringLiteral("10"));
        }
        typeConvertAndClose(h, kWholeFile.left(length));
    }

    // Random bytes, and the whole file with a few bytes changed at random.
    void randomlyDamagedFile_data() {
        QTest::addColumn<QByteArray>("file");
        QRandomGenerator random(20240611);
        for (int i = 0; i < 40; ++i) {
            QByteArray bytes(random.bounded(400), '\0');
            for (char &byte : bytes)
                byte = static_cast<char>(random.bounded(256));
            QTest::addRow("random bytes %d", i) << bytes;
        }
        for (int i = 0; i < 40; ++i) {
            QByteArray bytes = kWholeFile;
            for (int changes = random.bounded(1, 5); changes > 0; --changes)
                bytes[random.bounded(int(bytes.size()))] = static_cast<char>(random.bounded(256));
            QTest::addRow("changed bytes %d", i) << bytes;
        }
    }
    void randomlyDamagedFile() {
        QFETCH(QByteArray, file);
        WindowHarness h;
        openOn(h, file);
        typeConvertAndClose(h, file);
    }

    // Whole files with values the program never writes.
    void oddValues_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("failure");
        auto file = [](std::string_view recordOne, std::string_view recordThree,
                       std::string_view source) {
            return QByteArray::fromStdString(
                std::string(recordOne) + "\r\n#TRUE#,#TRUE#,#TRUE#\r\n" + std::string(recordThree) +
                "\r\n\"\"\r\n\"" + std::string(source) + "\"\r\n\"\"\r\n");
        };
        using namespace std::string_view_literals;
        QTest::newRow("choices out of range")
            << file("32767,-32768,\"\"", "\"12\",\"7\",1", "text") << false;
        QTest::newRow("number beyond 16 bits")
            << file("40000,3,\"\"", "\"12\",\"7\",1", "text") << true;
        QTest::newRow("parameters that are no numbers")
            << file("1,3,\"x\"", "\"abc\",\"-3\",1", "text") << false;
        QTest::newRow("largest parameters")
            << file("1,3,\"x\"", "\"2147483647\",\"32767\",0", "text") << false;
        QTest::newRow("control characters in the text")
            << file("1,3,\"\"", "\"10\",\"5\",0", "a\0b\x01\tc\x7f"sv) << false;
        QTest::newRow("half a double-byte character")
            << file("1,3,\"\x82\"", "\"10\",\"5\",0", "\x82") << false;
    }
    void oddValues() {
        QFETCH(QByteArray, file);
        QFETCH(bool, failure);
        WindowHarness h;
        openOn(h, file);
        QCOMPARE(startUpFailed(h), failure);
        typeConvertAndClose(h, file);
    }

    // A file start-up could not read whole is kept, replacing an older copy. When no
    // copy can be made, nothing is written and the user is told.
    void unreadFileIsKept_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("unreadable");
        QTest::addColumn<bool>("olderCopy");
        QTest::addColumn<bool>("folderReadOnly");
        QTest::newRow("damaged") << kWholeFile.left(60) << false << false << false;
        QTest::newRow("damaged, older copy") << kWholeFile.left(60) << false << true << false;
        QTest::newRow("unreadable") << kWholeFile << true << false << false;
        QTest::newRow("damaged, folder read-only") << kWholeFile.left(60) << false << false << true;
    }
    void unreadFileIsKept() {
        QFETCH(QByteArray, file);
        QFETCH(bool, unreadable);
        QFETCH(bool, olderCopy);
        QFETCH(bool, folderReadOnly);
        WindowHarness h;
        if (unreadable)
            h.files.unreadable.insert(h.settingsPath());
        if (olderCopy)
            h.files.contents[copyPath(h)] = "older copy";
        openOn(h, file);
        QVERIFY(startUpFailed(h));
        if (folderReadOnly)
            h.files.readOnlyFolders.insert(h.files.configFolderPath + QStringLiteral("/tovalo"));
        h.close();
        if (folderReadOnly) {
            QCOMPARE(h.files.contents.value(h.settingsPath()), file);
            QVERIFY(!h.files.contents.contains(copyPath(h)));
            QCOMPARE(h.dialogs.messages.size(), 1);
        } else {
            QCOMPARE(h.files.contents.value(copyPath(h)), file);
            SettingsRecords written;
            QCOMPARE(readBack(h.files.contents.value(h.settingsPath()), written),
                     kSettingsRecordCount);
            QVERIFY(h.dialogs.messages.isEmpty());
        }
    }

    // Where the settings go when the program's folder cannot take them, and what the
    // user is told, before the window closes, when they cannot be written.
    void shutDownWithUnwritableFiles_data() {
        QTest::addColumn<QString>("unwritable");
        QTest::addColumn<QString>("written"); // the file written, or the one complained of
        QTest::addColumn<QString>("reason");
        QTest::newRow("program folder read-only") << "program folder"
                                                  << "/home/user/.config/tovalo/Tov.ini"
                                                  << "";
        QTest::newRow("both folders read-only") << "both folders"
                                                << "/home/user/.config/tovalo/Tov.ini"
                                                << "Permission denied";
        QTest::newRow("every write fails") << "every write"
                                           << "/opt/tovalo/Tov.ini"
                                           << "Permission denied";
        QTest::newRow("Tov.ini read-only") << "Tov.ini"
                                           << "/opt/tovalo/Tov.ini"
                                           << "the file is read-only";
    }
    void shutDownWithUnwritableFiles() {
        QFETCH(QString, unwritable);
        QFETCH(QString, written);
        QFETCH(QString, reason);
        WindowHarness h;
        h.putManual(u"説明書");
        const QString besideTheProgram = h.settingsPath();
        Form1 &form = openOn(h, kWholeFile);
        QCOMPARE(h.paneText("TxtOri"), q(kSavedSource));
        typeAtEnd(h.pane("TxtOri"), QStringLiteral("。"));

        // The files change while the program runs.
        if (unwritable.endsWith(QStringLiteral("folder")) ||
            unwritable == QStringLiteral("both folders"))
            h.files.readOnlyFolders.insert(h.files.programFolderPath);
        if (unwritable == QStringLiteral("both folders"))
            h.files.readOnlyFolders.insert(h.files.configFolderPath + QStringLiteral("/tovalo"));
        h.files.failWrites = unwritable == QStringLiteral("every write");
        if (unwritable == QStringLiteral("Tov.ini"))
            h.files.readOnly.insert(besideTheProgram);
        h.close();

        QVERIFY(!form.isVisible());
        QCOMPARE(h.files.contents.value(besideTheProgram), kWholeFile);
        if (reason.isEmpty()) {
            QVERIFY(h.dialogs.messages.isEmpty());
            SettingsRecords records;
            QCOMPARE(readBack(h.files.contents.value(written), records), kSettingsRecordCount);
            QCOMPARE(q(records.source), q(kSavedSource) + QStringLiteral("。"));
            QVERIFY(h.files.normalized.contains(written));
        } else {
            QVERIFY(
                !h.files.contents.contains(QStringLiteral("/home/user/.config/tovalo/Tov.ini")));
            QCOMPARE(h.dialogs.messages.size(), 1);
            const auto &message = h.dialogs.messages[0];
            QCOMPARE(message.caption, QStringLiteral("Tovalo"));
            QCOMPARE(message.icon, tovalo::platform::MessageIcon::Warning);
            QVERIFY(message.overShownWindow);
            // The per-user file beside it fails alike, unless only "Tov.ini" is read-only.
            QString expected =
                QStringLiteral("設定ファイルを保存できませんでした。\n") + written + '\n' + reason;
            if (unwritable != QStringLiteral("Tov.ini"))
                expected += '\n' + QFileInfo(written).path() + "/tovalo.conf\n" + reason;
            QCOMPARE(message.text, expected);
        }

        // The next start finds what this one saved, in the folder it will look in.
        WindowHarness next;
        next.files.contents = h.files.contents;
        next.files.readOnlyFolders = h.files.readOnlyFolders;
        next.open();
        QCOMPARE(next.paneText("TxtOri"), reason.isEmpty() ? q(kSavedSource) + QStringLiteral("。")
                                          : unwritable == QStringLiteral("both folders")
                                              ? QStringLiteral("説明書") // no settings found
                                              : q(kSavedSource));
    }
};

QTEST_MAIN(SettingsResilienceTest)
#include "settings_resilience_test.moc"
