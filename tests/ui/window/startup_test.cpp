// Start-up and shut-down of the main window with the settings file and the manual.
// Damaged and unwritable settings files are the resilience test's.
#include "window_harness.h"

#include "platform/text/cp932.h"

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

struct StartChoice {
    const char *name;
    std::u16string choice; // of record 1; empty: no settings file
    bool manual, blank;
};

struct Failing {
    const char *name;
    QString failing;
    int height; // 12 once the settings were applied
};

struct Location {
    const char *name;
    QString programFolder, manual; // manual: empty for none
    bool writable;
    QString settings;
};

} // namespace

class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    void firstStartShowsTheConvertedManualAndWritesTheDefaults() {
        WindowHarness h;
        h.putManual(kManual);
        h.open();
        QCOMPARE(h.paneText("TxtOri"), q(kManual));
        QCOMPARE(h.boxText("TxtH"), QStringLiteral("35"));
        QCOMPARE(h.boxText("TxtWidth"), QStringLiteral("30"));
        QCOMPARE(h.bar("ScrWidth")->value(), 30);
        QCOMPARE(h.paneText("TxtTate"), convertedNow(h.form()));
        QVERIFY(h.dialogs.messages.isEmpty());
        h.close();
        QVERIFY(h.settingsText().starts_with(
            u"1,1,\"＊\"\r\n#FALSE#,#FALSE#,#TRUE#\r\n\"35\",\"30\",0\r\n\"\"\r\n\"" + kManual +
            u"\"\r\n\""));
        QVERIFY(h.files.normalized.contains(h.settingsPath()));
    }

    // Record 3's parameters and fixed line count are restored, and nothing is converted;
    // the height's scroll bar steps on from the number in its box.
    void startChoice_data() {
        const StartChoice rows[] = {
            {.name = "no settings file, no manual", .choice = u"", .manual = false, .blank = true},
            {.name = "blank, no manual", .choice = u"2", .manual = false, .blank = true},
            {.name = "last texts, no manual", .choice = u"3", .manual = false, .blank = false},
            {.name = "blank", .choice = u"2", .manual = true, .blank = true},
            {.name = "last texts", .choice = u"3", .manual = true, .blank = false},
            {.name = "zero, as last texts", .choice = u"0", .manual = true, .blank = false},
            {.name = "four, as last texts", .choice = u"4", .manual = true, .blank = false},
        };
        addRows(rows);
    }
    void startChoice() {
        QFETCH(StartChoice, row);
        const std::u16string source = u"一行目\r\n\r\n三行目、\r\n";
        const QString height = row.choice.empty() ? QStringLiteral("10") : QStringLiteral("12");
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
        QCOMPARE(h.boxText("TxtH"), height);
        QCOMPARE(h.bar("ScrHeight")->value(), height.toInt());
        if (!row.choice.empty()) {
            QCOMPARE(h.boxText("TxtWidth"), QStringLiteral("7"));
            QVERIFY(h.check("ChkWidth")->isChecked() && h.box("TxtWidth")->isEnabled());
            QVERIFY(h.bar("ScrWidth")->isEnabled());
            QCOMPARE(h.bar("ScrWidth")->value(), 7);
        }
        clickArrow(h.bar("ScrHeight"), QStyle::SC_ScrollBarAddLine);
        QCOMPARE(h.boxText("TxtH"), QString::number(height.toInt() + 1));
    }

    // The parameters of record 3 are applied only once all six records have been read.
    void fileWithThreeRecordsStopsStartUpButKeepsWhatWasRead() {
        WindowHarness h;
        h.putManual(kManual);
        h.putSettings(u"4,3,\"＃\"\r\n#TRUE#,#TRUE#,#FALSE#\r\n\"12\",\"7\",1\r\n");
        const tovalo::engine::Settings &s = h.open().settings();
        QCOMPARE(h.paneText("TxtOri"), kStartUpFailure);
        QVERIFY(s.separatorKind == 4 && s.startText == 3 && s.pageRule == u"＃");
        QVERIFY(s.barForLongVowel && s.fullWidth && !s.shaping);
        QVERIFY(!h.check("ChkWidth")->isChecked());
    }

    void failuresStopStartUpWithTheMessage_data() {
        const Failing rows[] = {
            {.name = "settings file unreadable", .failing = "settings", .height = 10},
            {.name = "manual unreadable", .failing = "manual", .height = 12},
            {.name = "update checker error", .failing = "registry", .height = 10},
        };
        addRows(rows);
    }
    void failuresStopStartUpWithTheMessage() {
        QFETCH(Failing, row);
        WindowHarness h;
        h.putManual(kManual);
        h.putSettings(fileWith(u"1,1,\"＊\"", u"\"12\",\"7\",1", u"never shown"));
        if (row.failing == QStringLiteral("settings"))
            h.files.unreadable.insert(h.settingsPath());
        if (row.failing == QStringLiteral("manual"))
            h.files.unreadable.insert(h.files.programFolderPath + QStringLiteral("/説明書.txt"));
        if (row.failing == QStringLiteral("registry")) {
            h.installUpdateChecker(200);
            h.registry.failCall(tovalo::platform::FakeRegistry::Call::SetValue);
        }
        h.open();
        QCOMPARE(h.paneText("TxtOri"), kStartUpFailure);
        QCOMPARE(h.boxText("TxtH"), QString::number(row.height));
    }

    void newerBuildIsAnnounced() {
        for (const std::uint32_t latest : {210u, 211u}) {
            WindowHarness h;
            h.installUpdateChecker(latest);
            h.open();
            QCOMPARE(h.dialogs.messages.size(), latest > 210 ? 1 : 0);
            for (const auto &message : h.dialogs.messages) {
                QCOMPARE(message.text, QStringLiteral("最新バージョンが存在します"));
                QCOMPARE(message.caption, QStringLiteral("Tovalo"));
                QCOMPARE(message.icon, tovalo::platform::MessageIcon::Information);
            }
            QVERIFY(h.paneText("TxtOri").isEmpty());
        }
    }

    // The user writes a text in a run that started with the manual (1) or a blank page
    // (2). A later run of the same kind in which the source pane is left alone keeps that
    // text in the file; one in which the user writes replaces it.
    void lastTextsSurviveRunsThatShowedOthers() {
        for (const QString &choice : {QStringLiteral("1"), QStringLiteral("2")}) {
            for (const QString &typedLater : {QString(), QStringLiteral("追記")}) {
                const QString text = QStringLiteral("大切な原稿です。");
                WindowHarness first;
                first.putManual(kManual);
                first.putSettings(
                    fileWith(u"1," + choice.toStdU16String() + u",\"＊\"", u"\"10\",\"5\",0", u""));
                first.open();
                first.pane("TxtOri")->selectAll();
                QTest::keyClick(first.pane("TxtOri"), Qt::Key_Delete);
                typeAtEnd(first.pane("TxtOri"), text);
                click(first.button("Command1"));
                first.close();
                const auto written = wholeSettings(first.settingsBytes());
                QVERIFY(written && q(written->source) == text);

                WindowHarness second;
                second.files.contents = first.files.contents;
                second.open();
                QCOMPARE(second.paneText("TxtOri"), choice == "1" ? q(kManual) : QString());
                if (!typedLater.isEmpty())
                    typeAtEnd(second.pane("TxtOri"), typedLater);
                const QString sourceLater = second.paneText("TxtOri");
                second.close();

                const auto kept = wholeSettings(second.settingsBytes());
                QVERIFY(kept);
                QCOMPARE(q(kept->source), typedLater.isEmpty() ? text : sourceLater);
                QCOMPARE(q(kept->vertical),
                         typedLater.isEmpty() ? q(written->vertical) : second.paneText("TxtTate"));
                QCOMPARE(QString::number(kept->settings.startText), choice);
            }
        }
    }

    // Beside the program only when it runs from a folder of its own, which holds its
    // manual, and may write there; an installed program never writes into its bin
    // folder, even when run as root.
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
            h.files.contents[row.manual] =
                QByteArray::fromStdString(tovalo::text::toCp932(kManual));
        if (!row.writable)
            h.files.readOnlyFolders.insert(row.programFolder);
        h.open();
        QCOMPARE(h.paneText("TxtOri"), row.manual.isEmpty() ? QString() : q(kManual));
        h.close();
        QCOMPARE(h.settingsPath(), row.settings);
        QStringList written = h.files.contents.keys();
        written.removeOne(row.manual);
        QCOMPARE(written, QStringList{row.settings});
    }
};

QTEST_MAIN(StartUpTest)
#include "startup_test.moc"
