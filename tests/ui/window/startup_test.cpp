// Start-up and shut-down with the settings files, the manual and the registry store, sound or not.
#include "window_harness.h"

#include "platform/registry/file_registry.h"
#include "platform/text/unicode.h"
#include "product/program_info.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace tovalo;
using namespace tovalo::ui;
using namespace tovalo::ui::test;

namespace {

const std::u16string kManual = u"Tovalo 説明書\r\n\r\n左の欄に文章を入れます。\r\n右の欄に縦書き。";

std::u16string fileWith(std::u16string_view recordOne, std::u16string_view recordThree,
                        std::u16string_view source, std::u16string_view vertical = u"") {
    return std::u16string(recordOne) + u"\r\n#TRUE#,#FALSE#,#FALSE#\r\n" +
           std::u16string(recordThree) + u"\r\n\"/usr/bin/mailer\"\r\n\"" + std::u16string(source) +
           u"\"\r\n\"" + std::u16string(vertical) + u"\"\r\n";
}

// Six records whose texts hold line breaks, doubled quotation marks and double-byte characters.
const QByteArray kWholeFile =
    sjis(u"2,3,\"＃\"\r\n#TRUE#,#FALSE#,#TRUE#\r\n\"12\",\"7\",1\r\n\"/usr/bin/mailer\"\r\n"
         u"\"吾輩は\"\"猫\"\"である。\r\n名前はまだ無い。\"\r\n\"saved\r\nvertical\"\r\n");

QString copyPath(const WindowHarness &h) {
    return h.settingsPath() + QStringLiteral(".bak");
}

Form1 &openOn(WindowHarness &h, const QByteArray &file) {
    h.files.contents[h.settingsPath()] = file;
    return h.open();
}

// Types with automatic update; shut-down writes the settings whole and keeps a file not read whole.
void typeConvertAndClose(WindowHarness &h, const QByteArray &fileFound) {
    const QByteArray olderCopy = h.files.contents.value(copyPath(h));
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
    QCOMPARE(h.files.contents.value(copyPath(h)), wholeSettings(fileFound) ? olderCopy : fileFound);
}

QByteArray oddFile(std::string_view recordOne, std::string_view recordThree,
                   std::string_view source) {
    return QByteArray::fromStdString(std::string(recordOne) + "\r\n#TRUE#,#TRUE#,#TRUE#\r\n" +
                                     std::string(recordThree) + "\r\n\"\"\r\n\"" +
                                     std::string(source) + "\"\r\n\"\"\r\n");
}

void writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// Under AddressSanitizer, several times slower, the largest file loaded is smaller.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

constexpr qint64 kLargestOpened = qint64{4} << 20;

struct StartChoice {
    const char *name;
    std::u16string choice; // of record 1
    bool blank = false;
};

// The settings file in the user's configuration folder.
const QString kConfigured = QStringLiteral("/home/user/.config/tovalo/Tov.ini");

struct Location {
    const char *name;
    QString folder, manual;                // the program's; manual: empty for none
    bool readOnly = false, beside = false; // beside: the settings beside the program
};

// What turns read-only or fails while the program runs.
struct Unwritable {
    const char *name;
    bool program = false, config = false, everyWrite = false, iniFile = false; // folders, file
    QString file = kConfigured; // the file written, or the one complained of
    QString reason = {};        // empty: no warning
};

} // namespace

class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    // Record 3's parameters restored, the height bar steps on; a blank run keeps the last texts.
    void startChoice_data() {
        const StartChoice rows[] = {
            {.name = "blank", .choice = u"2", .blank = true},
            {.name = "last texts", .choice = u"3"},
            {.name = "zero, as last texts", .choice = u"0"},
        };
        addRows(rows);
    }
    void startChoice() {
        QFETCH(StartChoice, row);
        const std::u16string source = u"一行目\r\n\r\n三行目、\r\n";
        WindowHarness h;
        h.putManual(kManual);
        h.putSettings(fileWith(u"3," + row.choice + u",\"＊\"", u"\"12\",\"7\",1", source,
                               u"saved\r\nvertical text"));
        h.open();
        QCOMPARE(h.paneText("TxtOri"), row.blank ? QString() : q(source));
        QCOMPARE(h.paneText("TxtTate"),
                 row.blank ? QString() : QStringLiteral("saved\r\nvertical text"));
        QCOMPARE(h.button("Command1")->isEnabled(), !row.blank);
        QVERIFY(h.boxText("TxtWidth") == "7" && h.check("ChkWidth")->isChecked() &&
                h.bar("ScrWidth")->isEnabled() && h.bar("ScrWidth")->value() == 7);
        clickArrow(h.bar("ScrHeight"), QStyle::SC_ScrollBarAddLine);
        QCOMPARE(h.boxText("TxtH"), QStringLiteral("13"));
        if (row.choice != u"2")
            return;
        h.close();
        const auto written = wholeSettings(h.settingsBytes());
        QVERIFY(written && written->source == source &&
                q(written->vertical) == QStringLiteral("saved\r\nvertical text"));
    }

    // A failure stops start-up; when none, the manual shows and a newer build is announced.
    void failuresStopStartUpWithTheMessage() {
        for (const std::string_view failing : {"settings", "manual", "registry", "nothing"}) {
            WindowHarness h;
            h.putManual(kManual);
            h.putSettings(fileWith(u"1,1,\"＊\"", u"\"12\",\"7\",1", u"never shown"));
            // The update checker, installed, knows of a newer build or of none.
            platform::KeyHandle key = 0;
            h.registry.createKey(platform::RegistryRoot::CurrentUser,
                                 "Software\\Upcheck\\" + text::toUtf8(program_info::kAuthorMail) +
                                     "\\" + text::toUtf8(program_info::kName),
                                 key);
            h.registry.setNumber(key, "LatestBuild", failing == "nothing" ? 211 : 200);
            h.registry.closeKey(key);
            if (failing == "settings")
                h.files.unreadable.insert(h.settingsPath());
            if (failing == "manual")
                h.files.unreadable.insert(h.files.programFolderPath +
                                          QStringLiteral("/説明書.txt"));
            if (failing == "registry")
                h.registry.failCall(platform::FakeRegistry::Call::SetValue);
            h.open();
            QCOMPARE(h.paneText("TxtOri"), failing == "nothing" ? q(kManual) : kStartUpFailure);
            QCOMPARE(h.boxText("TxtH"),
                     failing == "manual" ? "12" : (failing == "nothing" ? "35" : "10"));
            QCOMPARE(h.dialogs.messages.value(0).text,
                     failing == "nothing" ? QStringLiteral("最新バージョンが存在します")
                                          : QString());
        }
    }

    // Beside the program only in its own folder with the manual; the defaults written first.
    void settingsLocation_data() {
        const QString build = QStringLiteral("/home/u/tovalo/build"), cd = "/media/cd/tovalo";
        const QString installed = QStringLiteral("/usr/share/tovalo/説明書.txt");
        const QString manual = QStringLiteral("/説明書.txt");
        const Location rows[] = {
            {.name = "build folder", .folder = build, .manual = build + manual, .beside = true},
            {.name = "read-only disc", .folder = cd, .manual = cd + manual, .readOnly = true},
            {.name = "installed, run as root", .folder = "/usr/bin", .manual = installed},
            {.name = "no manual anywhere", .folder = "/opt/tools"},
        };
        addRows(rows);
    }
    void settingsLocation() {
        QFETCH(Location, row);
        WindowHarness h;
        h.files.programFolderPath = row.folder;
        if (!row.manual.isEmpty())
            h.files.contents[row.manual] = sjis(kManual);
        if (row.readOnly)
            h.files.readOnlyFolders.insert(row.folder);
        h.open();
        QCOMPARE(h.paneText("TxtOri"), row.manual.isEmpty() ? QString() : q(kManual));
        h.close();
        const QString settings = row.beside ? row.folder + "/Tov.ini" : kConfigured;
        QCOMPARE(h.settingsPath(), settings);
        const std::u16string parameters = row.manual.isEmpty() ? u"\"10\",\"5\"" : u"\"35\",\"30\"";
        QVERIFY(h.settingsBytes().startsWith(
            sjis(u"1,1,\"＊\"\r\n#FALSE#,#FALSE#,#TRUE#\r\n" + parameters + u",0\r\n\"\"\r\n")));
        QStringList written = h.files.contents.keys();
        written.removeOne(row.manual);
        QCOMPARE(written, QStringList{settings});
    }

    // A file cut short fails unless only its last line end is cut; odd values start up.
    void damagedOrOddFile_data() {
        using namespace std::string_view_literals;
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("failure");
        for (int length = 0; length <= kWholeFile.size(); ++length)
            QTest::addRow("%d of %d bytes", length, int(kWholeFile.size()))
                << kWholeFile.left(length) << (length < kWholeFile.size() - 2);
        QTest::newRow("choices out of range")
            << oddFile("32767,-32768,\"\"", "\"12\",\"7\",1", "text") << false;
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
        h.files.contents[copyPath(h)] = "older copy";
        openOn(h, file);
        QCOMPARE(h.paneText("TxtOri") == kStartUpFailure, failure);
        if (failure) // the parameters of record 3 wait until all six records are read
            QVERIFY(!h.check("ChkWidth")->isChecked());
        typeConvertAndClose(h, file);
    }

    // An unreadable file is kept as a copy; without a copy nothing is written, with a warning.
    void unreadableFileIsKept() {
        for (const bool folderReadOnly : {false, true}) {
            WindowHarness h;
            h.files.unreadable.insert(h.settingsPath());
            openOn(h, kWholeFile);
            QCOMPARE(h.paneText("TxtOri"), kStartUpFailure);
            if (folderReadOnly)
                h.files.readOnlyFolders.insert(h.files.configFolderPath +
                                               QStringLiteral("/tovalo"));
            h.close();
            QCOMPARE(h.dialogs.messages.size(), folderReadOnly ? 1 : 0);
            QCOMPARE(h.files.contents.value(copyPath(h)),
                     folderReadOnly ? QByteArray() : kWholeFile);
            QVERIFY(folderReadOnly ? h.settingsBytes() == kWholeFile
                                   : wholeSettings(h.settingsBytes()).has_value());
        }
    }

    // Where the settings go, and the warning before the window closes when they cannot.
    void shutDownWithUnwritableFiles_data() {
        const QString beside = QStringLiteral("/opt/tovalo/Tov.ini");
        const QString denied = QStringLiteral("Permission denied");
        const QString readOnly = QStringLiteral("the file is read-only");
        const Unwritable rows[] = {
            {.name = "program folder read-only", .program = true},
            {.name = "both folders read-only", .program = true, .config = true, .reason = denied},
            {.name = "every write fails", .everyWrite = true, .file = beside, .reason = denied},
            {.name = "Tov.ini read-only", .iniFile = true, .file = beside, .reason = readOnly},
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
        if (row.program)
            h.files.readOnlyFolders.insert(h.files.programFolderPath);
        if (row.config)
            h.files.readOnlyFolders.insert(h.files.configFolderPath + QStringLiteral("/tovalo"));
        h.files.failWrites = row.everyWrite;
        if (row.iniFile)
            h.files.readOnly.insert(besideTheProgram);
        h.close();
        QCOMPARE(h.files.contents.value(besideTheProgram), kWholeFile);
        QCOMPARE(h.dialogs.messages.size(), row.reason.isEmpty() ? 0 : 1);
        if (row.reason.isEmpty()) {
            QVERIFY(h.files.normalized.contains(row.file));
            return;
        }
        QVERIFY(!h.files.contents.contains(kConfigured));
        const auto &message = h.dialogs.messages[0];
        QVERIFY(message.icon == platform::MessageIcon::Warning && message.overShownWindow);
        // The per-user file beside it fails alike, unless only "Tov.ini" is read-only.
        QString expected =
            QStringLiteral("設定ファイルを保存できませんでした。\n") + row.file + '\n' + row.reason;
        if (!row.iniFile)
            expected += '\n' + QFileInfo(row.file).path() + "/tovalo.conf\n" + row.reason;
        QCOMPARE(message.text, expected);
    }

    // A damaged registry store is left alone; the settings file is read and written.
    void startUpReadsTheSettingsFileWhateverTheStore() {
        const QByteArray installed = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Upcheck]\r\n";
        for (const bool damaged : {true, false}) {
            QTemporaryDir folder;
            platform::FileRegistry store(folder.path().toStdString());
            const QString storeFile =
                QString::fromStdString(store.fileOf(platform::RegistryRoot::CurrentUser).string());
            const QByteArray before = installed + (damaged ? "\"Author\"=\"no end\r\n" : "");
            writeFile(storeFile, before);
            WindowHarness h;
            h.files.contents[h.settingsPath()] = kWholeFile;
            h.open(&store);
            QCOMPARE(h.paneText("TxtOri"), q(wholeSettings(kWholeFile)->source));
            typeConvertAndClose(h, kWholeFile);
            QVERIFY(damaged ? readFile(storeFile) == before
                            : readFile(storeFile).contains("\"Build\"=dword:000000d2"));
        }
    }

    // The page byte for byte, and no other file: a missing folder fails and is not created.
    void savedPageIsByteExact() {
        QTemporaryDir folder;
        RealWindow w;
        w.pane("TxtTate")->setText(u"縦　書\r\nき<&>😀");
        const QString page = folder.filePath(QStringLiteral("page.htm"));
        w.dialogs.fileAnswer = page;
        choose(w.form(), "MnuSave");
        const QByteArray expected =
            "<HTML><HEAD><META http-equiv=\"Content-Type\" content=\"text/html; "
            "charset=Shift_JIS\">"
            "<Title>\r\npage.htm\r\n</Title></HEAD><Body>\r\n\r\n"
            "<Table border  CELLPADDING=\"20\"\r\n ALIGN=\"center\"><TR><TD>\r\n"
            "<PRE><Font face=\"FixedSys,\x82l\x82r \x83S\x83V\x83\x62\x83N, "
            "Osaka\x81|\x93\x99\x95\x9D, mono\">\r\n"
            "\x8F\x63\x81@\x8F\x91\r\n\x82\xAB&lt;&amp;&gt;&#128512;\r\n\r\n</Font></Pre>\r\n"
            "\x82\xB1\x82\xCC\x95\xB6\x8F\xCD\x82\xCD\xA2Tovalo\xA3\x82\xC5\x8D\xEC\x90\xAC\x82\xB5"
            "\x82\xDC\x82\xB5\x82\xBD\x81\x42<BR>\r\n"
            "<A HREF=\"https://tovalo.example/download/\">\x93\xFC\x8E\xE8!</A>\r\n"
            "</TD></TR></Table>\r\n</Body></Html>\r\n";
        QCOMPARE(readFile(page), expected);
        w.dialogs.fileAnswer = folder.filePath(QStringLiteral("missing/deeper/a.htm"));
        choose(w.form(), "MnuSave");
        QCOMPARE(w.dialogs.messages.size(), 1);
        QCOMPARE(
            QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{"page.htm"});
    }

    // An installed program's settings go to a configuration folder that may not exist yet.
    void settingsCreateTheirConfigurationFolder() {
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.filePath(QStringLiteral("new"))));
        QTemporaryDir program; // no manual beside the program: as installed
        ProgramIn(program.path()).close();
        qunsetenv("XDG_CONFIG_HOME");
        QVERIFY(QFileInfo(config.filePath(QStringLiteral("new/tovalo/Tov.ini"))).isFile());
    }

    // A missing or damaged per-user file gives the defaults; an unwritable one is reported.
    void perUserFileAcrossARealRestart() {
        for (const std::string_view perUser : {"missing", "damaged", "unwritable"}) {
            QTemporaryDir dir;
            writeFile(dir.filePath(QStringLiteral("説明書.txt")), "manual");
            const QString conf = dir.filePath(QStringLiteral("tovalo.conf"));
            if (perUser == "damaged")
                writeFile(conf, "[window]\nmargin=4\n[opt");
            if (perUser == "unwritable")
                QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("tovalo.conf")));
            const QRect place(40, 30, 700, 500);
            {
                ProgramIn first(dir.path());
                QCOMPARE(first.find<QLineEdit>("TxtMgn")->text(), QStringLiteral("0"));
                QVERIFY(!first.form().settings().tateChuYoko);
                QCOMPARE(first.pane("TxtOri")->text(), u"manual");
                first.form().setGeometry(place);
                first.dialogs.fontAnswer =
                    platform::FontChoice{QFont(QStringLiteral("Serif"), 14, QFont::Bold), Qt::red};
                first.form().FontChange(); // warns first
                first.find<QCheckBox>("ChkAuto")->setChecked(true);
                first.find<QScrollBar>("ScrMgn")->setValue(3);
                first.form().settings().verticalForms = true;
                first.form().settings().tateChuYoko = true;
                first.form().close();
                QCOMPARE(first.dialogs.messages.value(0).text,
                         QStringLiteral("フォントによっては表示がおかしくなります"));
                QCOMPARE(first.dialogs.messages.value(1).text,
                         perUser == "unwritable"
                             ? QStringLiteral("設定ファイルを保存できませんでした。\n") + conf +
                                   QStringLiteral("\nnot an ordinary file")
                             : QString());
            }
            QVERIFY(wholeSettings(readFile(dir.filePath(QStringLiteral("Tov.ini")))));
            ProgramIn next(dir.path());
            QCOMPARE(next.form().settings().tateChuYoko, perUser != "unwritable");
            if (perUser == "unwritable")
                continue;
            // Qt's own reader understands the file.
            QCOMPARE(QSettings(conf, QSettings::IniFormat).status(), QSettings::NoError);
            QCOMPARE(next.form().normalGeometry(), place);
            const QFont font = next.pane("TxtTate")->font();
            QVERIFY(font.family() == QStringLiteral("Serif") && font.pointSize() == 14 &&
                    font.bold());
            QCOMPARE(next.pane("TxtTate")->palette().color(QPalette::Text), QColor(Qt::red));
            QCOMPARE(next.pane("TxtOri")->font(), next.form().font());
            QVERIFY(next.find<QCheckBox>("ChkAuto")->isChecked() &&
                    next.form().settings().verticalForms);
            // The manual was converted once, with the restored margin and options.
            QVERIFY(next.pane("TxtTate")->text().starts_with(u"   "));
            next.form().showMaximized();
            next.form().close();
            QVERIFY(ProgramIn(dir.path()).form().isMaximized());
        }
    }

    // Up to 4 MB a file opens and converts; larger, endless or never opening: refused.
    void openFilesUpToTheLimit_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<qint64>("size"); // of a file written: 0 for none
        QTest::newRow("largest") << "file" << (kSanitized ? kLargestOpened / 8 : kLargestOpened);
        QTest::newRow("one byte too many") << "file" << kLargestOpened + 1;
        QTest::newRow("endless device") << "/dev/zero" << qint64{0};
        QTest::newRow("pipe") << "pipe" << qint64{0};
        QTest::newRow("folder") << "folder" << qint64{0};
    }
    void openFilesUpToTheLimit() {
        QFETCH(QString, kind);
        QFETCH(qint64, size);
        QTemporaryDir folder;
        QString name = kind.startsWith(u'/') ? kind : folder.filePath(kind);
        // Japanese text in UTF-8 on one line, of exactly `size` bytes.
        const QByteArray unit = QStringLiteral("吾輩は猫である。").toUtf8();
        QByteArray bytes = unit.repeated(size / unit.size());
        bytes.append(size - bytes.size(), 'x');
        if (size > 0)
            writeFile(name, bytes);
        if (kind == QStringLiteral("pipe"))
            QCOMPARE(::mkfifo(QFile::encodeName(name).constData(), 0600), 0);
        if (kind == QStringLiteral("folder"))
            name = folder.path();
        RealWindow w;
        w.form().show();
        w.pane("TxtOri")->setText(u"前の文章です。");
        w.find<QCheckBox>("ChkAuto")->setChecked(true);
        const QString source = w.paneText("TxtOri");
        const QString vertical = w.paneText("TxtTate");
        w.dialogs.fileAnswer = name;
        choose(w.form(), "MnuOpen");
        const bool opens = size > 0 && size <= kLargestOpened;
        QCOMPARE(w.paneText("TxtOri"), opens ? QString::fromUtf8(bytes) : source);
        QCOMPARE(w.paneText("TxtTate"), opens ? convertedNow(w.form()) : vertical);
        QCOMPARE(w.dialogs.messages.size(), size > kLargestOpened ? 1 : 0);
        if (size > kLargestOpened)
            QCOMPARE(w.dialogs.messages[0].text,
                     QStringLiteral("ファイルが大きすぎるため開けませんでした（4 MB まで）。\n") +
                         name);
    }
};

QTEST_MAIN(StartUpTest)
#include "startup_test.moc"
