// The per-user file "tovalo.conf" beside "Tov.ini": what it keeps across a real restart,
// what a damaged one gives, and the vertical-typography options in the window's output.
#include "window_harness.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

using namespace tovalo;
using namespace tovalo::ui::test;

namespace {

// A folder of its own, with the manual, where the program keeps its files beside it.
struct ProgramFolder {
    QTemporaryDir dir;
    ProgramFolder() { writeFile(dir.filePath(QStringLiteral("説明書.txt")), "manual"); }
    QString conf() const { return dir.filePath(QStringLiteral("tovalo.conf")); }
    QString ini() const { return dir.filePath(QStringLiteral("Tov.ini")); }
};

} // namespace

class UserPrefsTest : public QObject {
    Q_OBJECT
private slots:
    // The window's place, the vertical pane's font and colour, automatic update, the
    // margin and both typography options come back; "Tov.ini" keeps its six records.
    void rememberedAcrossARealRestart() {
        ProgramFolder folder;
        const QRect place(40, 30, 700, 500);
        {
            ProgramIn first(folder.dir.path());
            first.form.setGeometry(place);
            first.dialogs.fontAnswer =
                platform::FontChoice{QFont(QStringLiteral("Serif"), 14, QFont::Bold), Qt::red};
            first.form.FontChange();
            first.find<QCheckBox>("ChkAuto")->setChecked(true);
            first.find<QScrollBar>("ScrMgn")->setValue(3);
            first.form.settings().verticalForms = true;
            first.form.settings().tateChuYoko = true;
            first.form.close();
            QVERIFY(first.dialogs.messages.size() == 1); // the font warning only
        }
        const QByteArray ini = readFile(folder.ini());
        QVERIFY(wholeSettings(ini));
        QVERIFY(ini.startsWith("1,1,\"\x81\x96\"\r\n#FALSE#,#FALSE#,#TRUE#\r\n"));
        // Qt's own reader understands the file.
        const QSettings conf(folder.conf(), QSettings::IniFormat);
        QCOMPARE(conf.status(), QSettings::NoError);
        QCOMPARE(conf.value(QStringLiteral("options/tateChuYoko")).toString(),
                 QStringLiteral("true"));

        ProgramIn next(folder.dir.path());
        QCOMPARE(next.form.normalGeometry(), place);
        QVERIFY(!next.form.isMaximized());
        const QFont font = next.pane("TxtTate")->font();
        QVERIFY(font.family() == QStringLiteral("Serif") && font.pointSize() == 14 && font.bold() &&
                !font.italic());
        QCOMPARE(next.pane("TxtTate")->palette().color(QPalette::Text), QColor(Qt::red));
        QCOMPARE(next.pane("TxtOri")->font(), next.form.font()); // the source pane never changes
        QVERIFY(next.find<QCheckBox>("ChkAuto")->isChecked());
        QCOMPARE(next.find<QLineEdit>("TxtMgn")->text(), QStringLiteral("3"));
        QVERIFY(next.form.settings().verticalForms && next.form.settings().tateChuYoko);
        // The manual was converted once, with the restored margin and options.
        QVERIFY(next.pane("TxtTate")->text().starts_with(u"   "));
    }

    void maximisedStateComesBack() {
        ProgramFolder folder;
        {
            ProgramIn first(folder.dir.path());
            first.form.showMaximized();
            QVERIFY(first.form.isMaximized());
            first.form.close();
        }
        ProgramIn next(folder.dir.path());
        QVERIFY(next.form.isMaximized());
    }

    // A file that is not readable whole gives the defaults; shut-down then writes a sound
    // file over it. Values that make no sense are the per-user file's own test's.
    void damagedFileGivesTheDefaults_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("binary") << QByteArray("\x00\xFF\xFE[\x01=\n\x80\x81", 10);
        QTest::newRow("cut off in a group") << QByteArray("[window]\nmargin=4\n[opt");
        QTest::newRow("a list, not a text") << QByteArray("[window]\nmargin=4, 5\n");
    }
    void damagedFileGivesTheDefaults() {
        QFETCH(QByteArray, content);
        ProgramFolder folder;
        writeFile(folder.conf(), content);
        {
            ProgramIn first(folder.dir.path());
            QCOMPARE(first.find<QLineEdit>("TxtMgn")->text(), QStringLiteral("0"));
            QVERIFY(!first.find<QCheckBox>("ChkAuto")->isChecked());
            QVERIFY(!first.form.settings().verticalForms && !first.form.settings().tateChuYoko);
            QCOMPARE(first.pane("TxtTate")->font(), first.pane("TxtOri")->font());
            QCOMPARE(first.pane("TxtOri")->text(), u"manual"); // start-up went on
            first.form.settings().tateChuYoko = true;
            first.form.close();
            QVERIFY(first.dialogs.messages.isEmpty());
        }
        ProgramIn next(folder.dir.path());
        QVERIFY(next.form.settings().tateChuYoko);
    }

    // A tovalo.conf that cannot be written is reported before the window closes, with
    // "Tov.ini" still written.
    void unwritableFileIsReported() {
        ProgramFolder folder;
        QVERIFY(QDir(folder.dir.path()).mkdir(QStringLiteral("tovalo.conf")));
        ProgramIn first(folder.dir.path());
        first.form.close();
        QCOMPARE(first.dialogs.messages.size(), 1);
        QCOMPARE(first.dialogs.messages[0].text,
                 QStringLiteral("設定ファイルを保存できませんでした。\n") + folder.conf() +
                     QStringLiteral("\nnot an ordinary file"));
        QVERIFY(QFile::exists(folder.ini()));
    }

    // Both options reach the convert command, the estimate and the phone pages alike.
    void windowConvertsWithBothOptions() {
        for (const bool on : {false, true}) {
            WindowHarness h;
            ui::Form1 &form = h.open();
            h.pane("TxtOri")->setText(u"「12」と");
            form.convert();
            form.settings().verticalForms = on;
            form.settings().tateChuYoko = on;
            form.convert();
            const QString vertical = h.paneText("TxtTate");
            QCOMPARE(vertical, convertedNow(form));
            for (const QString &output : {vertical, q(form.MpMaker(6, 8, true))})
                QVERIFY2(output.contains(on ? QStringLiteral("﹂") : QStringLiteral("「")) &&
                             !output.contains(on ? QStringLiteral("2 ") : QStringLiteral("﹁")),
                         qPrintable(output));
        }
    }
};

QTEST_MAIN(UserPrefsTest)
#include "user_prefs_test.moc"
