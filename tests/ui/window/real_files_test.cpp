// The commands and the per-user file "tovalo.conf" on the real file system, in a
// temporary folder, and "開く" with files that could freeze the window or exhaust its memory.
#include "window_harness.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace tovalo;
using namespace tovalo::ui::test;

namespace {

void writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// Everything runs several times slower under AddressSanitizer; there the files that
// are loaded are smaller, so that the test stays quick.
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

constexpr qint64 kMB = qint64{1} << 20;
constexpr qint64 kLargestOpened = 4 * kMB;

// Japanese text in UTF-8 of exactly `size` bytes: lines of 33 characters, or a single
// line; the last bytes are ASCII letters.
QByteArray japaneseText(qint64 size, bool lineBreaks) {
    QByteArray unit =
        QStringLiteral("吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。")
            .toUtf8();
    if (lineBreaks)
        unit += "\r\n";
    QByteArray text = unit.repeated(size / unit.size());
    text.append(size - text.size(), 'x');
    return text;
}

// A folder of its own, with the manual, where the program keeps its files beside it.
struct ProgramFolder {
    QTemporaryDir dir;
    ProgramFolder() { writeFile(dir.filePath(QStringLiteral("説明書.txt")), "manual"); }
    QString conf() const { return dir.filePath(QStringLiteral("tovalo.conf")); }
    QString ini() const { return dir.filePath(QStringLiteral("Tov.ini")); }
};

} // namespace

class RealFilesTest : public QObject {
    Q_OBJECT
private slots:
    // The page is compared byte for byte; saving leaves no other file behind.
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
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"page.htm"});
    }

    // Saving never creates a folder: a name in a missing folder fails and says so.
    void savingIntoAMissingFolderFailsAndCreatesNothing() {
        QTemporaryDir folder;
        RealWindow w;
        w.pane("TxtTate")->setText(u"縦");
        w.dialogs.fileAnswer = folder.filePath(QStringLiteral("missing/deeper/a.htm"));
        choose(w.form(), "MnuSave");
        QCOMPARE(w.dialogs.messages.size(), 1);
        QVERIFY(
            QDir(folder.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
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

    void rememberedAcrossARealRestart() {
        ProgramFolder folder;
        const QRect place(40, 30, 700, 500);
        {
            ProgramIn first(folder.dir.path());
            first.form().setGeometry(place);
            first.dialogs.fontAnswer =
                platform::FontChoice{QFont(QStringLiteral("Serif"), 14, QFont::Bold), Qt::red};
            first.form().FontChange(); // warns first
            QCOMPARE(first.dialogs.messages.value(0).text,
                     QStringLiteral("フォントによっては表示がおかしくなります"));
            first.find<QCheckBox>("ChkAuto")->setChecked(true);
            first.find<QScrollBar>("ScrMgn")->setValue(3);
            first.form().settings().verticalForms = true;
            first.form().settings().tateChuYoko = true;
            first.form().close();
        }
        QVERIFY(wholeSettings(readFile(folder.ini())));
        // Qt's own reader understands the file.
        QCOMPARE(QSettings(folder.conf(), QSettings::IniFormat).status(), QSettings::NoError);

        ProgramIn next(folder.dir.path());
        QCOMPARE(next.form().normalGeometry(), place);
        const QFont font = next.pane("TxtTate")->font();
        QVERIFY(font.family() == QStringLiteral("Serif") && font.pointSize() == 14 && font.bold());
        QCOMPARE(next.pane("TxtTate")->palette().color(QPalette::Text), QColor(Qt::red));
        QCOMPARE(next.pane("TxtOri")->font(), next.form().font());
        QVERIFY(next.find<QCheckBox>("ChkAuto")->isChecked());
        QVERIFY(next.form().settings().verticalForms && next.form().settings().tateChuYoko);
        // The manual was converted once, with the restored margin and options.
        QVERIFY(next.pane("TxtTate")->text().starts_with(u"   "));
        next.form().showMaximized();
        next.form().close();
        QVERIFY(ProgramIn(folder.dir.path()).form().isMaximized());
    }

    // A damaged file gives the defaults; shut-down writes a sound one over it.
    void damagedFileGivesTheDefaults() {
        ProgramFolder folder;
        writeFile(folder.conf(), "[window]\nmargin=4\n[opt");
        {
            ProgramIn first(folder.dir.path());
            QCOMPARE(first.find<QLineEdit>("TxtMgn")->text(), QStringLiteral("0"));
            QVERIFY(!first.form().settings().tateChuYoko);
            QCOMPARE(first.pane("TxtOri")->text(), u"manual");
            first.form().settings().tateChuYoko = true;
            first.form().close();
            QVERIFY(first.dialogs.messages.isEmpty());
        }
        QVERIFY(ProgramIn(folder.dir.path()).form().settings().tateChuYoko);
    }

    // Reported before the window closes, with "Tov.ini" still written.
    void unwritableFileIsReported() {
        ProgramFolder folder;
        QVERIFY(QDir(folder.dir.path()).mkdir(QStringLiteral("tovalo.conf")));
        ProgramIn first(folder.dir.path());
        first.form().close();
        QCOMPARE(first.dialogs.messages.size(), 1);
        QCOMPARE(first.dialogs.messages[0].text,
                 QStringLiteral("設定ファイルを保存できませんでした。\n") + folder.conf() +
                     QStringLiteral("\nnot an ordinary file"));
        QVERIFY(QFile::exists(folder.ini()));
    }

    // The largest file opens whole and converts; one too large, endless or never opening
    // is refused, and the panes stay.
    void openFilesUpToTheLimit_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<qint64>("size"); // of a file written: 0 for none
        QTest::newRow("largest, one line")
            << "line" << (kSanitized ? kLargestOpened / 8 : kLargestOpened);
        QTest::newRow("100 MB of lines") << "lines" << 100 * kMB;
        QTest::newRow("one byte too many") << "lines" << kLargestOpened + 1;
        QTest::newRow("endless device") << "/dev/zero" << qint64{0};
        QTest::newRow("pipe") << "pipe" << qint64{0};
        QTest::newRow("folder") << "folder" << qint64{0};
    }
    void openFilesUpToTheLimit() {
        QFETCH(QString, kind);
        QFETCH(qint64, size);
        QTemporaryDir folder;
        QString name = kind.startsWith(u'/') ? kind : folder.filePath(kind);
        const QByteArray bytes = japaneseText(size, kind == QStringLiteral("lines"));
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

QTEST_MAIN(RealFilesTest)
#include "real_files_test.moc"
