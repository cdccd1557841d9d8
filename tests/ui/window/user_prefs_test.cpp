// The per-user file "tovalo.conf" beside "Tov.ini": what it keeps across a real restart,
// what a damaged one gives, and the vertical-typography options in the window's output.
#include "real_window.h"
#include "window_harness.h"

#include "settings/settings_file.h"
#include "ui/window/settings_location.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>

using namespace tovalo;
using namespace tovalo::ui::test;

namespace {

void writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The program started up on the real file system as if it lived in `folder`.
struct ProgramIn : WindowOnRealFiles<platform::QtFilesInFolder> {
    explicit ProgramIn(const QString &folder) : WindowOnRealFiles(folder) {
        form.startUp();
        form.show();
    }
    QLineEdit *box(const char *name) {
        return form.findChild<QLineEdit *>(QString::fromLatin1(name));
    }
    QCheckBox *check(const char *name) {
        return form.findChild<QCheckBox *>(QString::fromLatin1(name));
    }
};

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
            first.check("ChkAuto")->setChecked(true);
            first.form.findChild<QScrollBar *>(QStringLiteral("ScrMgn"))->setValue(3);
            first.form.settings().verticalForms = true;
            first.form.settings().tateChuYoko = true;
            first.form.close();
            QVERIFY(first.dialogs.messages.size() == 1); // the font warning only
        }
        const QByteArray ini = [&] {
            QFile file(folder.ini());
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        settings::SettingsRecords records;
        QCOMPARE(settings::readSettingsFile(std::string_view(ini.data(), ini.size()), records),
                 settings::kSettingsRecordCount);
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
        QVERIFY(next.check("ChkAuto")->isChecked());
        QCOMPARE(next.box("TxtMgn")->text(), QStringLiteral("3"));
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

    // A file that is not readable whole, or values that make no sense, give the defaults
    // for what they spoil; shut-down then writes a sound file over it.
    void damagedFileGivesTheDefaults_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("marginKept"); // margin=4 in the file survives
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("binary") << QByteArray("\x00\xFF\xFE[\x01=\n\x80\x81", 10) << false;
        QTest::newRow("cut off in a group") << QByteArray("[window]\nmargin=4\n[opt") << false;
        QTest::newRow("values of the wrong kind")
            << QByteArray("[window]\nmargin=4\nautoUpdate=yes\nwidth=abc\nleft=1\ntop=1\n"
                          "height=1e9\n[options]\nverticalForms=1\ntateChuYoko=\n"
                          "[font]\nface=\npoints=-3\n")
            << true;
        QTest::newRow("out of range") << QByteArray("[window]\nmargin=11\n") << false;
        QTest::newRow("a list, not a text") << QByteArray("[window]\nmargin=4, 5\n") << false;
    }
    void damagedFileGivesTheDefaults() {
        QFETCH(QByteArray, content);
        QFETCH(bool, marginKept);
        ProgramFolder folder;
        writeFile(folder.conf(), content);
        {
            ProgramIn first(folder.dir.path());
            QCOMPARE(first.box("TxtMgn")->text(), marginKept ? QStringLiteral("4") : "0");
            QVERIFY(!first.check("ChkAuto")->isChecked());
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

    // Both options reach the convert command, the estimate and the phone pages alike, and
    // closing the options dialog with them changed converts again.
    void windowConvertsWithBothOptions_data() {
        QTest::addColumn<bool>("verticalForms");
        QTest::addColumn<bool>("tateChuYoko");
        QTest::addColumn<QString>("present"); // in the vertical pane and the phone pages
        QTest::addColumn<QString>("absent");
        QTest::newRow("neither") << false << false << "「"
                                 << "﹁";
        QTest::newRow("vertical forms") << true << false << "﹁"
                                        << "「";
        QTest::newRow("tate-chu-yoko") << false << true << "12"
                                       << "1 ";
        QTest::newRow("both") << true << true << "﹂"
                              << "2 ";
    }
    void windowConvertsWithBothOptions() {
        QFETCH(bool, verticalForms);
        QFETCH(bool, tateChuYoko);
        QFETCH(QString, present);
        QFETCH(QString, absent);
        WindowHarness h;
        ui::Form1 &form = h.open();
        h.pane("TxtOri")->setText(u"「12」と");
        form.convert();
        form.settings().verticalForms = verticalForms;
        form.settings().tateChuYoko = tateChuYoko;
        form.convert();
        const QString vertical = h.paneText("TxtTate");
        QCOMPARE(vertical, convertedNow(form));
        const QString pages = q(form.MpMaker(6, 8, true));
        for (const QString &output : {vertical, pages}) {
            QVERIFY2(output.contains(present) && !output.contains(absent), qPrintable(output));
        }
    }
};

QTEST_MAIN(UserPrefsTest)
#include "user_prefs_test.moc"
