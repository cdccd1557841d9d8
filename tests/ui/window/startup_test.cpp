// Start-up and shut-down of the main window with the settings file and the manual.
// Damaged and unwritable settings files are the resilience test's.
#include "window_harness.h"

#include "platform/text/cp932.h"
#include "settings/settings_file.h"

using namespace tovalo::ui;
using namespace tovalo::settings;
using namespace tovalo::ui::test;

namespace {

const std::u16string kManual = u"Tovalo 説明書\r\n\r\n左の欄に文章を入れます。\r\n右の欄に縦書き。";
const QString kFailure =
    QStringLiteral("ファイル読み込み中にエラーが発生しましたが大した問題にはならないでしょう");

std::u16string fileWith(std::u16string_view recordOne, std::u16string_view recordThree,
                        std::u16string_view source, std::u16string_view vertical = u"") {
    return std::u16string(recordOne) + u"\r\n#TRUE#,#FALSE#,#FALSE#\r\n" +
           std::u16string(recordThree) + u"\r\n\"/usr/bin/mailer\"\r\n\"" + std::u16string(source) +
           u"\"\r\n\"" + std::u16string(vertical) + u"\"\r\n";
}

SettingsRecords savedRecords(const WindowHarness &h) {
    const QByteArray bytes = h.files.contents.value(h.settingsPath());
    SettingsRecords records;
    if (readSettingsFile(std::string_view(bytes.data(), bytes.size()), records) !=
        kSettingsRecordCount)
        qWarning("the settings file is not whole");
    return records;
}

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

    // The height's scroll bar steps on from the number in its box, whatever the start.
    void withoutManualThePanesStayEmptyAndTheHeightBarStepsFromItsBox_data() {
        QTest::addColumn<QString>("settings"); // empty: no settings file
        QTest::newRow("no settings file") << "";
        QTest::newRow("blank start, height 10") << "2";
        QTest::newRow("last texts, height 10") << "3";
    }
    void withoutManualThePanesStayEmptyAndTheHeightBarStepsFromItsBox() {
        QFETCH(QString, settings);
        WindowHarness h;
        if (!settings.isEmpty())
            h.putSettings(fileWith(u"1," + settings.toStdU16String() + u",\"＊\"",
                                   u"\"10\",\"5\",0", u"", u""));
        h.open();
        QVERIFY(h.paneText("TxtOri").isEmpty() && h.paneText("TxtTate").isEmpty());
        QVERIFY(!h.button("Command1")->isEnabled());
        QCOMPARE(h.boxText("TxtH"), QStringLiteral("10"));
        clickArrow(h.bar("ScrHeight"), QStyle::SC_ScrollBarAddLine);
        QCOMPARE(h.boxText("TxtH"), QStringLiteral("11"));
    }

    // Record 3 holds a fixed line count; it is restored, and nothing is converted.
    void startChoice_data() {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<bool>("blank");
        QTest::newRow("blank") << "2" << true;
        QTest::newRow("last texts") << "3" << false;
        QTest::newRow("zero, as last texts") << "0" << false;
        QTest::newRow("four, as last texts") << "4" << false;
    }
    void startChoice() {
        QFETCH(QString, choice);
        QFETCH(bool, blank);
        const std::u16string source = u"一行目\r\n\r\n三行目、\r\n";
        WindowHarness h;
        h.putManual(kManual);
        h.putSettings(fileWith(u"3," + choice.toStdU16String() + u",\"＊\"", u"\"12\",\"7\",1",
                               source, u"saved\r\nvertical text"));
        h.open();
        QCOMPARE(h.paneText("TxtOri"), blank ? QString() : q(source));
        QCOMPARE(h.paneText("TxtTate"),
                 blank ? QString() : QStringLiteral("saved\r\nvertical text"));
        QCOMPARE(h.button("Command1")->isEnabled(), !blank);
        QCOMPARE(h.boxText("TxtH"), QStringLiteral("12"));
        QCOMPARE(h.boxText("TxtWidth"), QStringLiteral("7"));
        QVERIFY(h.check("ChkWidth")->isChecked() && h.box("TxtWidth")->isEnabled());
        QVERIFY(h.bar("ScrWidth")->isEnabled());
        QCOMPARE(h.bar("ScrHeight")->value(), 12);
        QCOMPARE(h.bar("ScrWidth")->value(), 7);
    }

    // The parameters of record 3 are applied only once all six records have been read.
    void fileWithThreeRecordsStopsStartUpButKeepsWhatWasRead() {
        WindowHarness h;
        h.putManual(kManual);
        h.putSettings(u"4,3,\"＃\"\r\n#TRUE#,#TRUE#,#FALSE#\r\n\"12\",\"7\",1\r\n");
        const tovalo::engine::Settings &s = h.open().settings();
        QCOMPARE(h.paneText("TxtOri"), kFailure);
        QVERIFY(s.separatorKind == 4 && s.startText == 3 && s.pageRule == u"＃");
        QVERIFY(s.barForLongVowel && s.fullWidth && !s.shaping);
        QVERIFY(!h.check("ChkWidth")->isChecked());
    }

    void failuresStopStartUpWithTheMessage_data() {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<int>("height"); // 12 once the settings were applied
        QTest::newRow("settings file unreadable") << "settings" << 10;
        QTest::newRow("manual unreadable") << "manual" << 12;
        QTest::newRow("update checker error") << "registry" << 10;
    }
    void failuresStopStartUpWithTheMessage() {
        QFETCH(QString, failing);
        QFETCH(int, height);
        WindowHarness h;
        h.putManual(kManual);
        h.putSettings(fileWith(u"1,1,\"＊\"", u"\"12\",\"7\",1", u"never shown"));
        if (failing == QStringLiteral("settings"))
            h.files.unreadable.insert(h.settingsPath());
        if (failing == QStringLiteral("manual"))
            h.files.unreadable.insert(h.files.programFolderPath + QStringLiteral("/説明書.txt"));
        if (failing == QStringLiteral("registry")) {
            h.installUpdateChecker(200);
            h.registry.failCall(tovalo::platform::FakeRegistry::Call::SetValue);
        }
        h.open();
        QCOMPARE(h.paneText("TxtOri"), kFailure);
        QCOMPARE(h.boxText("TxtH"), QString::number(height));
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

    // Quotation marks in every text field, written doubled, come back as they were.
    void everythingSavedComesBackAtTheNextStart() {
        const std::u16string source = u"彼は\"こんにちは\"と言った。\r\n\r\n\"引用\", 次の行";
        WindowHarness h;
        h.putSettings(fileWith(u"5,3,\"\"\"＊\"\"\"", u"\"10\",\"5\",0", u""));
        Form1 &form = h.open();
        form.settings().mailProgram = u"/opt/\"mail\"/bin";
        typeAtEnd(h.pane("TxtOri"), q(source));
        click(h.button("Command1"));
        h.close();

        WindowHarness again;
        again.files.contents = h.files.contents;
        const tovalo::engine::Settings &next = again.open().settings();
        QVERIFY(next.separatorKind == 5 && next.pageRule == u"\"＊\"" &&
                next.mailProgram == form.settings().mailProgram);
        QCOMPARE(again.paneText("TxtOri"), q(source));
        QCOMPARE(again.paneText("TxtTate"), h.paneText("TxtTate"));
        QCOMPARE(again.boxText("TxtWidth"), h.boxText("TxtWidth"));
    }

    // The user writes a text in a run that started with the manual or a blank page.
    // A later run of the same kind in which the source pane is left alone keeps that
    // text in the file; one in which the user writes replaces it.
    void lastTextsSurviveRunsThatShowedOthers_data() {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("typedLater"); // in the second run
        QTest::newRow("manual") << "1"
                                << "";
        QTest::newRow("blank") << "2"
                               << "";
        QTest::newRow("manual, then the user writes") << "1"
                                                      << "追記";
        QTest::newRow("blank, then the user writes") << "2"
                                                     << "追記";
    }
    void lastTextsSurviveRunsThatShowedOthers() {
        QFETCH(QString, choice);
        QFETCH(QString, typedLater);
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
        const SettingsRecords written = savedRecords(first);
        QCOMPARE(q(written.source), text);

        WindowHarness second;
        second.files.contents = first.files.contents;
        second.open();
        QCOMPARE(second.paneText("TxtOri"), choice == QStringLiteral("1") ? q(kManual) : QString());
        if (!typedLater.isEmpty())
            typeAtEnd(second.pane("TxtOri"), typedLater);
        const QString sourceLater = second.paneText("TxtOri");
        second.close();

        const SettingsRecords kept = savedRecords(second);
        QCOMPARE(q(kept.source), typedLater.isEmpty() ? text : sourceLater);
        QCOMPARE(q(kept.vertical),
                 typedLater.isEmpty() ? q(written.vertical) : second.paneText("TxtTate"));
        QCOMPARE(QString::number(kept.settings.startText), choice);
    }

    // Beside the program only when it runs from a folder of its own, which holds its
    // manual, and may write there; an installed program never writes into its bin
    // folder, even when run as root.
    void settingsLocation_data() {
        QTest::addColumn<QString>("programFolder");
        QTest::addColumn<QString>("manual");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QString>("settings");
        const QString config = QStringLiteral("/home/user/.config/tovalo/Tov.ini");
        QTest::newRow("build folder")
            << "/home/u/tovalo/build"
            << "/home/u/tovalo/build/説明書.txt" << true << "/home/u/tovalo/build/Tov.ini";
        QTest::newRow("unpacked copy on a read-only disc")
            << "/media/cd/tovalo"
            << "/media/cd/tovalo/説明書.txt" << false << config;
        QTest::newRow("installed, run as root") << "/usr/bin"
                                                << "/usr/share/tovalo/説明書.txt" << true << config;
        QTest::newRow("installed, run by a user")
            << "/usr/bin"
            << "/usr/share/tovalo/説明書.txt" << false << config;
        QTest::newRow("no manual anywhere") << "/opt/tools"
                                            << "" << true << config;
    }
    void settingsLocation() {
        QFETCH(QString, programFolder);
        QFETCH(QString, manual);
        QFETCH(bool, writable);
        QFETCH(QString, settings);
        WindowHarness h;
        h.files.programFolderPath = programFolder;
        if (!manual.isEmpty())
            h.files.contents[manual] = QByteArray::fromStdString(tovalo::text::toCp932(kManual));
        if (!writable)
            h.files.readOnlyFolders.insert(programFolder);
        h.open();
        QCOMPARE(h.paneText("TxtOri"), manual.isEmpty() ? QString() : q(kManual));
        h.close();
        QCOMPARE(h.settingsPath(), settings);
        QStringList written = h.files.contents.keys();
        written.removeOne(manual);
        QCOMPARE(written, QStringList{settings});
    }
};

QTEST_MAIN(StartUpTest)
#include "startup_test.moc"
