// Start-up and shut-down of the main window with the settings file, the manual and the
// registry store, sound, damaged or unwritable.
#include "window_harness.h"

#include "platform/registry/file_registry.h"
#include "platform/text/unicode.h"
#include "product/program_info.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace tovalo::ui;
using namespace tovalo::ui::test;
namespace fs = std::filesystem;

namespace {

const std::u16string kManual = u"Tovalo 説明書\r\n\r\n左の欄に文章を入れます。\r\n右の欄に縦書き。";

std::u16string fileWith(std::u16string_view recordOne, std::u16string_view recordThree,
                        std::u16string_view source, std::u16string_view vertical = u"") {
    return std::u16string(recordOne) + u"\r\n#TRUE#,#FALSE#,#FALSE#\r\n" +
           std::u16string(recordThree) + u"\r\n\"/usr/bin/mailer\"\r\n\"" + std::u16string(source) +
           u"\"\r\n\"" + std::u16string(vertical) + u"\"\r\n";
}

const std::u16string kSavedSource = u"吾輩は\"猫\"である。\r\n名前はまだ無い。";
// A whole file of six records whose texts hold line breaks, doubled quotation marks
// and double-byte characters.
const QByteArray kWholeFile =
    sjis(u"2,3,\"＃\"\r\n#TRUE#,#FALSE#,#TRUE#\r\n\"12\",\"7\",1\r\n\"/usr/bin/mailer\"\r\n"
         u"\"吾輩は\"\"猫\"\"である。\r\n名前はまだ無い。\"\r\n\"saved\r\nvertical\"\r\n");
const QByteArray kDamaged = kWholeFile.left(60);

// Installs the update checker and lets it know of the given latest build.
void installUpdateChecker(WindowHarness &h, std::uint32_t latestBuild) {
    using namespace tovalo;
    const std::string programKey = "Software\\Upcheck\\" + text::toUtf8(program_info::kAuthorMail) +
                                   "\\" + text::toUtf8(program_info::kName);
    platform::KeyHandle key = 0;
    h.registry.createKey(platform::RegistryRoot::CurrentUser, programKey, key);
    h.registry.setNumber(key, "LatestBuild", latestBuild);
    h.registry.closeKey(key);
}

QString copyPath(const WindowHarness &h) {
    return h.settingsPath() + QStringLiteral(".bak");
}

Form1 &openOn(WindowHarness &h, const QByteArray &file) {
    h.files.contents[h.settingsPath()] = file;
    return h.open();
}

// The user turns on automatic update and types, which converts; shut-down then rewrites
// the settings file whole, after keeping the file start-up found as a copy unless it
// read that file whole.
void typeConvertAndClose(WindowHarness &h, const QByteArray &fileFound) {
    click(h.check("ChkAuto"));
    typeAtEnd(h.pane("TxtOri"), QStringLiteral("あ"));
    QCOMPARE(h.paneText("TxtTate"), convertedNow(h.form()));
    const QString source = h.paneText("TxtOri");
    const QString vertical = h.paneText("TxtTate");
    h.close();
    QVERIFY(!h.form().isVisible());
    QVERIFY(h.dialogs.messages.isEmpty());
    const auto written = wholeSettings(h.settingsBytes());
    QVERIFY(written && q(written->source) == source && q(written->vertical) == vertical);
    if (wholeSettings(fileFound))
        QVERIFY(!h.files.contents.contains(copyPath(h)));
    else
        QCOMPARE(h.files.contents.value(copyPath(h)), fileFound);
}

QByteArray oddFile(std::string_view recordOne, std::string_view recordThree,
                   std::string_view source) {
    return QByteArray::fromStdString(std::string(recordOne) + "\r\n#TRUE#,#TRUE#,#TRUE#\r\n" +
                                     std::string(recordThree) + "\r\n\"\"\r\n\"" +
                                     std::string(source) + "\"\r\n\"\"\r\n");
}

std::string bytesOf(const fs::path &file) {
    std::ostringstream out;
    out << std::ifstream(file, std::ios::binary).rdbuf();
    return out.str();
}

struct StartChoice {
    const char *name;
    std::u16string choice; // of record 1; empty: no settings file
    bool manual, blank;
};

struct Location {
    const char *name;
    QString programFolder, manual; // manual: empty for none
    bool writable;
    QString settings;
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

} // namespace

class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    // Record 3's parameters are restored; the height bar steps on from its box.
    void startChoice_data() {
        const StartChoice rows[] = {
            {.name = "no settings file, no manual", .choice = u"", .manual = false, .blank = true},
            {.name = "blank", .choice = u"2", .manual = true, .blank = true},
            {.name = "last texts", .choice = u"3", .manual = true, .blank = false},
            {.name = "zero, as last texts", .choice = u"0", .manual = true, .blank = false},
        };
        addRows(rows);
    }
    void startChoice() {
        QFETCH(StartChoice, row);
        const std::u16string source = u"一行目\r\n\r\n三行目、\r\n";
        const int height = row.choice.empty() ? 10 : 12;
        WindowHarness h;
        if (row.manual)
            h.putManual(kManual);
        if (!row.choice.empty())
            h.putSettings(fileWith(u"3," + row.choice + u",\"＊\"", u"\"12\",\"7\",1", source,
                                   u"saved\r\nvertical text"));
        h.open();
        QCOMPARE(h.paneText("TxtOri"), row.blank ? QString() : q(source));
        QCOMPARE(h.paneText("TxtTate"),
                 row.blank ? QString() : QStringLiteral("saved\r\nvertical text"));
        QCOMPARE(h.button("Command1")->isEnabled(), !row.blank);
        if (!row.choice.empty())
            QVERIFY(h.boxText("TxtWidth") == "7" && h.check("ChkWidth")->isChecked() &&
                    h.bar("ScrWidth")->isEnabled() && h.bar("ScrWidth")->value() == 7);
        clickArrow(h.bar("ScrHeight"), QStyle::SC_ScrollBarAddLine);
        QCOMPARE(h.boxText("TxtH"), QString::number(height + 1));
    }

    // The parameters of record 3 are applied only once all six records have been read.
    void fileWithThreeRecordsStopsStartUpButKeepsWhatWasRead() {
        WindowHarness h;
        h.putSettings(u"4,3,\"＃\"\r\n#TRUE#,#TRUE#,#FALSE#\r\n\"12\",\"7\",1\r\n");
        const tovalo::engine::Settings &s = h.open().settings();
        QCOMPARE(h.paneText("TxtOri"), kStartUpFailure);
        QVERIFY(s.separatorKind == 4 && s.pageRule == u"＃" && s.fullWidth && !s.shaping);
        QVERIFY(!h.check("ChkWidth")->isChecked());
    }

    // The manual fails after the settings were applied, hence a height of 12; when nothing
    // fails, the manual is shown with its own height and a newer build is announced.
    void failuresStopStartUpWithTheMessage() {
        for (const std::string_view failing : {"settings", "manual", "registry", "nothing"}) {
            WindowHarness h;
            h.putManual(kManual);
            h.putSettings(fileWith(u"1,1,\"＊\"", u"\"12\",\"7\",1", u"never shown"));
            installUpdateChecker(h, failing == "nothing" ? 211 : 200);
            if (failing == "settings")
                h.files.unreadable.insert(h.settingsPath());
            if (failing == "manual")
                h.files.unreadable.insert(h.files.programFolderPath +
                                          QStringLiteral("/説明書.txt"));
            if (failing == "registry")
                h.registry.failCall(tovalo::platform::FakeRegistry::Call::SetValue);
            h.open();
            QCOMPARE(h.paneText("TxtOri"), failing == "nothing" ? q(kManual) : kStartUpFailure);
            QCOMPARE(h.boxText("TxtH"),
                     failing == "manual" ? "12" : (failing == "nothing" ? "35" : "10"));
            QCOMPARE(h.dialogs.messages.value(0).text,
                     failing == "nothing" ? QStringLiteral("最新バージョンが存在します")
                                          : QString());
        }
    }

    // A run that showed the manual or a blank page keeps the last texts it left alone.
    void lastTextsSurviveRunsThatShowedOthers() {
        for (const std::u16string choice : {u"1", u"2"}) {
            const QString text = QStringLiteral("大切な原稿です。");
            WindowHarness first;
            first.putManual(kManual);
            first.putSettings(fileWith(u"1," + choice + u",\"＊\"", u"\"10\",\"5\",0", u""));
            first.open();
            first.pane("TxtOri")->selectAll();
            QTest::keyClick(first.pane("TxtOri"), Qt::Key_Delete);
            typeAtEnd(first.pane("TxtOri"), text);
            click(first.button("Command1"));
            first.close();
            const auto written = wholeSettings(first.settingsBytes());

            WindowHarness second;
            second.files.contents = first.files.contents;
            second.open();
            QCOMPARE(second.paneText("TxtOri"), choice == u"1" ? q(kManual) : QString());
            second.close();
            const auto kept = wholeSettings(second.settingsBytes());
            QVERIFY(written && kept && q(kept->source) == text);
            QCOMPARE(kept->vertical, written->vertical);
            QCOMPARE(kept->settings.startText, choice == u"1" ? 1 : 2);
        }
    }

    // Beside the program only in a folder of its own with the manual that it may write;
    // the first start writes the defaults.
    void settingsLocation_data() {
        const QString config = QStringLiteral("/home/user/.config/tovalo/Tov.ini");
        const QString installedManual = QStringLiteral("/usr/share/tovalo/説明書.txt");
        const Location rows[] = {
            {"build folder", "/home/u/tovalo/build", "/home/u/tovalo/build/説明書.txt", true,
             "/home/u/tovalo/build/Tov.ini"},
            {"unpacked copy on a read-only disc", "/media/cd/tovalo", "/media/cd/tovalo/説明書.txt",
             false, config},
            {"installed, run as root", "/usr/bin", installedManual, true, config},
            {"installed, run by a user", "/usr/bin", installedManual, false, config},
            {"no manual anywhere", "/opt/tools", "", true, config},
        };
        addRows(rows);
    }
    void settingsLocation() {
        QFETCH(Location, row);
        WindowHarness h;
        h.files.programFolderPath = row.programFolder;
        if (!row.manual.isEmpty())
            h.files.contents[row.manual] = sjis(kManual);
        if (!row.writable)
            h.files.readOnlyFolders.insert(row.programFolder);
        h.open();
        QCOMPARE(h.paneText("TxtOri"), row.manual.isEmpty() ? QString() : q(kManual));
        QCOMPARE(h.paneText("TxtTate"), row.manual.isEmpty() ? QString() : convertedNow(h.form()));
        h.close();
        QCOMPARE(h.settingsPath(), row.settings);
        const std::u16string parameters = row.manual.isEmpty() ? u"\"10\",\"5\"" : u"\"35\",\"30\"";
        QVERIFY(h.settingsBytes().startsWith(
            sjis(u"1,1,\"＊\"\r\n#FALSE#,#FALSE#,#TRUE#\r\n" + parameters + u",0\r\n\"\"\r\n")));
        QStringList written = h.files.contents.keys();
        written.removeOne(row.manual);
        QCOMPARE(written, QStringList{row.settings});
    }

    // A file cut short fails unless the cut only takes its last line end; whole files with
    // values the program never writes start up.
    void damagedOrOddFile_data() {
        using namespace std::string_view_literals;
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("failure");
        for (int length = 0; length <= kWholeFile.size(); ++length)
            QTest::addRow("%d of %d bytes", length, int(kWholeFile.size()))
                << kWholeFile.left(length) << (length < kWholeFile.size() - 2);
        QTest::newRow("choices out of range")
            << oddFile("32767,-32768,\"\"", "\"12\",\"7\",1", "text") << false;
        QTest::newRow("number beyond 16 bits")
            << oddFile("40000,3,\"\"", "\"12\",\"7\",1", "text") << true;
        QTest::newRow("parameters that are no numbers")
            << oddFile("1,3,\"x\"", "\"abc\",\"-3\",1", "text") << false;
        QTest::newRow("largest parameters")
            << oddFile("1,3,\"x\"", "\"2147483647\",\"32767\",0", "text") << false;
        QTest::newRow("control characters in the text")
            << oddFile("1,3,\"\"", "\"10\",\"5\",0", "a\0b\x01\tc\x7f"sv) << false;
        QTest::newRow("half a double-byte character")
            << oddFile("1,3,\"\x82\"", "\"10\",\"5\",0", "\x82") << false;
    }
    void damagedOrOddFile() {
        QFETCH(QByteArray, file);
        QFETCH(bool, failure);
        WindowHarness h;
        openOn(h, file);
        QCOMPARE(h.paneText("TxtOri") == kStartUpFailure, failure);
        typeConvertAndClose(h, file);
    }

    // A file not read whole is kept as a copy; without a copy nothing is written.
    void unreadFileIsKept_data() {
        const Unread rows[] = {
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
        QCOMPARE(h.dialogs.messages.size(), row.folderReadOnly ? 1 : 0);
        if (row.folderReadOnly) {
            QCOMPARE(h.settingsBytes(), row.file);
            QVERIFY(!h.files.contents.contains(copyPath(h)));
        } else {
            QCOMPARE(h.files.contents.value(copyPath(h)), row.file);
            QVERIFY(wholeSettings(h.settingsBytes()));
        }
    }

    // Where the settings go, and the warning before the window closes when they cannot.
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
        openOn(h, kWholeFile);
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

        QCOMPARE(h.files.contents.value(besideTheProgram), kWholeFile);
        if (row.reason.isEmpty()) {
            QVERIFY(h.dialogs.messages.isEmpty());
            QVERIFY(h.files.normalized.contains(row.written));
        } else {
            QVERIFY(
                !h.files.contents.contains(QStringLiteral("/home/user/.config/tovalo/Tov.ini")));
            QCOMPARE(h.dialogs.messages.size(), 1);
            const auto &message = h.dialogs.messages[0];
            QCOMPARE(message.icon, tovalo::platform::MessageIcon::Warning);
            QVERIFY(message.overShownWindow);
            // The per-user file beside it fails alike, unless only "Tov.ini" is read-only.
            QString expected = QStringLiteral("設定ファイルを保存できませんでした。\n") +
                               row.written + '\n' + row.reason;
            if (row.unwritable != QStringLiteral("Tov.ini"))
                expected += '\n' + QFileInfo(row.written).path() + "/tovalo.conf\n" + row.reason;
            QCOMPARE(message.text, expected);
        }
    }

    // A damaged registry store is left alone; the settings file is read and written.
    void startUpReadsTheSettingsFileWhateverTheStore() {
        const std::string installed = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Upcheck]\r\n";
        for (const bool damaged : {true, false}) {
            QTemporaryDir folder;
            tovalo::platform::FileRegistry store(folder.path().toStdString());
            const fs::path storeFile = store.fileOf(tovalo::platform::RegistryRoot::CurrentUser);
            const std::string before = installed + (damaged ? "\"Author\"=\"no end\r\n" : "");
            std::ofstream(storeFile, std::ios::binary) << before;
            WindowHarness h;
            h.files.contents[h.settingsPath()] = kWholeFile;
            h.open(&store);
            QCOMPARE(h.paneText("TxtOri"), q(kSavedSource));
            typeConvertAndClose(h, kWholeFile);
            const std::string after = bytesOf(storeFile);
            QVERIFY(damaged ? after == before
                            : after.find("\"Build\"=dword:000000d2") != std::string::npos);
        }
    }
};

QTEST_MAIN(StartUpTest)
#include "startup_test.moc"
