// Start-up and shut-down of the main window with the settings file and the manual.
#include "window_harness.h"

#include "app/pane.h"
#include "engine/convert.h"
#include "platform/text/cp932.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace tovalo::app;
using namespace tovalo::app::test;
using tovalo::engine::ParamTexts;

namespace {

const std::u16string kManual =
    u"Tovalo 説明書\r\n\r\n左の欄に文章を入れます。\r\n右の欄に縦書きが出ます。";
const char16_t kFailure[] =
    u"ファイル読み込み中にエラーが発生しましたが大した問題にはならないでしょう";

std::u16string fileWith(std::u16string_view recordOne, std::u16string_view recordThree,
                        std::u16string_view source, std::u16string_view vertical) {
    return std::u16string(recordOne) + u"\r\n#TRUE#,#FALSE#,#FALSE#\r\n" +
           std::u16string(recordThree) + u"\r\n\"/usr/bin/mailer\"\r\n\"" + std::u16string(source) +
           u"\"\r\n\"" + std::u16string(vertical) + u"\"\r\n";
}

QString converted(std::u16string_view source, ParamTexts params,
                  const tovalo::engine::ConvOptions &options = {}) {
    return q(tovalo::engine::Convert(source, params, options).vertical);
}

} // namespace

class StartUpTest : public QObject {
    Q_OBJECT
private slots:
    void firstStartShowsTheConvertedManualAndWritesTheDefaults() {
        WindowHarness h;
        h.putManual(kManual);
        Form1 &form = h.open();

        QCOMPARE(h.paneText("TxtOri"), q(kManual));
        QCOMPARE(h.boxText("TxtH"), QStringLiteral("35"));
        QCOMPARE(h.boxText("TxtWidth"), QStringLiteral("30"));
        QCOMPARE(h.find<QScrollBar>("ScrHeight")->value(), 35);
        QCOMPARE(h.find<QScrollBar>("ScrWidth")->value(), 30);
        QCOMPARE(h.paneText("TxtTate"), converted(kManual, {u"35", u"30", u"0", true, false}));
        QVERIFY(h.find<QPushButton>("Command1")->isEnabled());
        QVERIFY(!form.shared().Loading);
        QCOMPARE(form.shared().MpH, 6);
        QCOMPARE(form.shared().MpW, 8);
        QVERIFY(h.dialogs.messages.isEmpty());

        h.close();
        const std::u16string file = h.settingsText();
        QVERIFY(file.starts_with(
            u"1,1,\"＊\"\r\n#FALSE#,#FALSE#,#TRUE#\r\n\"35\",\"30\",0\r\n\"\"\r\n\"" + kManual +
            u"\"\r\n\""));
        QVERIFY(h.files.normalized.contains(h.settingsPath()));
    }

    void withoutManualOrFileBothPanesStayEmpty() {
        WindowHarness h;
        h.open();
        QVERIFY(h.paneText("TxtOri").isEmpty());
        QVERIFY(h.paneText("TxtTate").isEmpty());
        QVERIFY(!h.find<QPushButton>("Command1")->isEnabled());
        QCOMPARE(h.boxText("TxtH"), QStringLiteral("10"));
        QCOMPARE(h.find<QScrollBar>("ScrHeight")->value(), 1);
    }

    void startChoice_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<bool>("blank");
        QTest::newRow("blank") << 2 << true;
        QTest::newRow("last texts") << 3 << false;
        QTest::newRow("zero, as last texts") << 0 << false;
        QTest::newRow("four, as last texts") << 4 << false;
    }
    void startChoice() {
        QFETCH(int, choice);
        QFETCH(bool, blank);
        const std::u16string source = u"一行目\r\n\r\n三行目、\r\n";
        const std::u16string vertical = u"saved\r\nvertical text";
        WindowHarness h;
        h.putManual(kManual);
        const std::u16string recordOne =
            u"3," + std::u16string(1, static_cast<char16_t>(u'0' + choice)) + u",\"＊\"";
        h.putSettings(fileWith(recordOne, u"\"10\",\"5\",0", source, vertical));
        h.open();
        QCOMPARE(h.paneText("TxtOri"), blank ? QString() : q(source));
        QCOMPARE(h.paneText("TxtTate"), blank ? QString() : q(vertical));
        QCOMPARE(h.find<QPushButton>("Command1")->isEnabled(), !blank);
    }

    void savedFixedLineCountIsRestoredWithoutConverting() {
        WindowHarness h;
        h.putSettings(fileWith(u"1,3,\"＊\"", u"\"12\",\"7\",1", u"あいう", u"kept as saved"));
        Form1 &form = h.open();
        QCOMPARE(h.boxText("TxtH"), QStringLiteral("12"));
        QCOMPARE(h.boxText("TxtWidth"), QStringLiteral("7"));
        QVERIFY(h.find<QCheckBox>("ChkWidth")->isChecked());
        QVERIFY(h.find<QLineEdit>("TxtWidth")->isEnabled());
        QVERIFY(h.find<QScrollBar>("ScrWidth")->isEnabled());
        QCOMPARE(h.find<QScrollBar>("ScrHeight")->value(), 12);
        QCOMPARE(h.find<QScrollBar>("ScrWidth")->value(), 7);
        QCOMPARE(h.paneText("TxtTate"), QStringLiteral("kept as saved"));
        QCOMPARE(form.shared().Spc12A, 1);
        QVERIFY(form.shared().ChkChg0);
        QVERIFY(!form.shared().maruFix);
        QCOMPARE(q(form.shared().MailSoft), QStringLiteral("/usr/bin/mailer"));
    }

    void fileWithThreeRecordsStopsStartUpButKeepsWhatWasRead() {
        WindowHarness h;
        h.putManual(kManual);
        h.putSettings(u"4,3,\"＃\"\r\n#TRUE#,#TRUE#,#FALSE#\r\n\"12\",\"7\",1\r\n");
        Form1 &form = h.open();
        QCOMPARE(h.paneText("TxtOri"), q(kFailure));
        QVERIFY(h.paneText("TxtTate").isEmpty());
        QCOMPARE(form.shared().Spc12A, 4);
        QCOMPARE(form.shared().StMBL, 3);
        QCOMPARE(q(form.shared().MpTsep), QStringLiteral("＃"));
        QVERIFY(form.shared().ChkChg0 && form.shared().ChkChg1 && !form.shared().maruFix);
        QCOMPARE(h.boxText("TxtH"), QStringLiteral("10"));
        QVERIFY(!h.find<QCheckBox>("ChkWidth")->isChecked());

        // The failure leaves nothing switched off: conversion works and the file is written.
        QVERIFY(!form.shared().Loading);
        click(h.find<QCheckBox>("ChkSpc"));
        QCOMPARE(h.paneText("TxtTate"), converted(kFailure, {u"10", u"5", u"0", false, false},
                                                  form.shared().convOptions()));
        h.close();
        QVERIFY(h.settingsText().starts_with(u"4,3,\"＃\"\r\n#TRUE#,#TRUE#,#FALSE#\r\n"));
    }

    void unreadableFilesTakeTheFailurePath_data() {
        QTest::addColumn<bool>("settings");
        QTest::newRow("settings file") << true;
        QTest::newRow("manual") << false;
    }
    void unreadableFilesTakeTheFailurePath() {
        QFETCH(bool, settings);
        WindowHarness h;
        h.putManual(kManual);
        if (settings) {
            h.putSettings(fileWith(u"1,1,\"＊\"", u"\"10\",\"5\",0", u"", u""));
            h.files.unreadable.insert(h.settingsPath());
        } else {
            h.files.unreadable.insert(h.files.programFolderPath + QStringLiteral("/説明書.txt"));
        }
        h.open();
        QCOMPARE(h.paneText("TxtOri"), q(kFailure));
    }

    void newerBuildIsAnnounced_data() {
        QTest::addColumn<int>("latestBuild");
        QTest::addColumn<bool>("announced");
        QTest::newRow("newer") << 211 << true;
        QTest::newRow("same") << 210 << false;
    }
    void newerBuildIsAnnounced() {
        QFETCH(int, latestBuild);
        QFETCH(bool, announced);
        WindowHarness h;
        h.installUpdateChecker(static_cast<std::uint32_t>(latestBuild));
        h.open();
        QCOMPARE(h.dialogs.messages.size(), announced ? 1 : 0);
        if (announced) {
            QCOMPARE(h.dialogs.messages[0].text, QStringLiteral("最新バージョンが存在します"));
            QCOMPARE(h.dialogs.messages[0].caption, QStringLiteral("Tovalo"));
            QCOMPARE(h.dialogs.messages[0].icon, tovalo::platform::MessageIcon::Information);
        }
        QVERIFY(h.paneText("TxtOri").isEmpty());
    }

    void updateCheckerErrorTakesTheFailurePath() {
        WindowHarness h;
        h.installUpdateChecker(200);
        h.registry.failCall(tovalo::platform::FakeRegistry::Call::SetValue);
        h.putSettings(fileWith(u"1,3,\"＊\"", u"\"12\",\"7\",1", u"never read", u""));
        h.open();
        QCOMPARE(h.paneText("TxtOri"), q(kFailure));
        QCOMPARE(h.boxText("TxtH"), QStringLiteral("10"));
    }

    void readOnlyProgramFolderKeepsSettingsInTheUserConfigFolder() {
        WindowHarness h;
        h.files.readOnlyFolders.insert(h.files.programFolderPath);
        const QString userFile = h.files.configFolderPath + QStringLiteral("/tovalo/Tov.ini");
        h.files.contents[userFile] = QByteArray::fromStdString(tovalo::text::toCp932(
            fileWith(u"1,3,\"＊\"", u"\"10\",\"5\",0", u"from the user's folder", u"")));
        h.open();
        QCOMPARE(h.paneText("TxtOri"), QStringLiteral("from the user's folder"));
        typeAtEnd(h.pane("TxtOri"), QStringLiteral("。"));
        h.close();
        QVERIFY(!h.files.contents.contains(h.settingsPath()));
        QVERIFY(h.files.contents.value(userFile).contains("folder\x81\x42"));
    }

    void unwritableSettingsFileStillLetsTheWindowClose() {
        WindowHarness h;
        h.open();
        h.files.failWrites = true;
        QVERIFY(h.form().close());
        QVERIFY(!h.form().isVisible());
        QCOMPARE(h.files.writeCount, 1);
    }

    void everythingSavedComesBackAtTheNextStart() {
        const std::u16string source = u"彼は\"こんにちは\"と言った。\r\n\r\n\"引用\", 次の行";
        QString vertical;
        {
            WindowHarness h;
            h.putSettings(fileWith(u"5,3,\"\"\"＊\"\"\"", u"\"10\",\"5\",0", u"", u""));
            Form1 &form = h.open();
            form.shared().MailSoft = u"/opt/\"mail\"/bin";
            typeAtEnd(h.pane("TxtOri"), QString::fromStdU16String(source));
            click(h.find<QPushButton>("Command1"));
            vertical = h.paneText("TxtTate");
            h.close();

            WindowHarness again;
            again.files.contents = h.files.contents;
            Form1 &next = again.open();
            QCOMPARE(next.shared().Spc12A, 5);
            QCOMPARE(q(next.shared().MpTsep), QStringLiteral("\"＊\""));
            QCOMPARE(q(next.shared().MailSoft), QStringLiteral("/opt/\"mail\"/bin"));
            QCOMPARE(again.paneText("TxtOri"), q(source));
            QCOMPARE(again.paneText("TxtTate"), vertical);
            QCOMPARE(again.boxText("TxtWidth"), h.boxText("TxtWidth"));
        }
    }
};

QTEST_MAIN(StartUpTest)
#include "startup_test.moc"
