// The options dialog: opened modally by the menu entry "設定", loaded from the main
// window's settings and storing them back however it closes, with the reconversion after.
#include "tests/ui/window/window_harness.h"

#include "settings/settings_file.h"
#include "ui/dialogs/frm_cstm.h"

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QRadioButton>
#include <QTimer>

#include <functional>

using namespace tovalo::ui;
using namespace tovalo::settings;
using namespace tovalo::ui::test;
using tovalo::ui::FrmCstm;

namespace {

template <class T> T *in(QWidget *dialog, const char *name) {
    return dialog->findChild<T *>(QString::fromLatin1(name));
}

enum class Closing { OK, CloseButton, Escape };

// Chooses "設定" and lets `act` work on the modal dialog, which is then closed as `how` says.
void withOptions(Form1 &form, const std::function<void(FrmCstm &)> &act,
                 Closing how = Closing::OK) {
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<FrmCstm *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        act(*dialog);
        if (how == Closing::OK)
            click(in<QPushButton>(dialog, "BtnOK"));
        else if (how == Closing::CloseButton)
            dialog->close();
        else
            QTest::keyClick(dialog, Qt::Key_Escape);
    });
    form.MnuOption()->trigger();
}

// A window started on a settings file with these values.
Form1 &openWith(WindowHarness &h, int spc12a, int stmbl, bool characters = false,
                bool maru = true) {
    auto flag = [](bool on) { return on ? QStringLiteral("#TRUE#") : QStringLiteral("#FALSE#"); };
    h.putSettings(QStringLiteral("%1,%2,\"＊\"\r\n%3,%4,%5\r\n\"10\",\"5\",0\r\n\"\"\r\n"
                                 "\"abc 123\"\r\n\"old\"\r\n")
                      .arg(spc12a)
                      .arg(stmbl)
                      .arg(flag(characters), flag(characters), flag(maru))
                      .toStdU16String());
    return h.open();
}

} // namespace

Q_DECLARE_METATYPE(Closing)

class OptionsDialogTest : public QObject {
    Q_OBJECT
private slots:
    void modalWithControlsInTabOrderAndAFontButtonThatKeepsItOpen() {
        WindowHarness h;
        h.dialogs.fontAnswer =
            tovalo::platform::FontChoice{QFont(QStringLiteral("Serif"), 14), Qt::blue};
        withOptions(h.open(), [&h](FrmCstm &d) {
            QVERIFY(d.isModal());
            // Of each group of option buttons, Tab reaches the selected one.
            QCOMPARE(tabOrder(in<QWidget>(&d, "StManual"), 10),
                     QStringList({"StManual", "Spch1", "Check(0)", "Check(1)", "ChkVert", "ChkTcy",
                                  "chkMaru", "BtnOK", "BtnFont", "StManual"}));
            click(in<QPushButton>(&d, "BtnFont"));
            QVERIFY(h.dialogs.messages.size() == 1 && h.dialogs.fontDialogs.size() == 1);
            QVERIFY(d.isVisible());
        });
        QCOMPARE(h.pane("TxtTate")->font().pointSize(), 14);
    }

    // Untouched settings stay as they were, those out of range become the first choice,
    // and the source is converted again unless it is empty.
    void openingAndClosingKeepsTheSettingsAndConvertsAgain_data() {
        QTest::addColumn<int>("spc12a");
        QTest::addColumn<int>("stmbl");
        QTest::addColumn<bool>("characters"); // both character options
        QTest::addColumn<bool>("maru");
        QTest::addColumn<int>("storedSpc12A");
        QTest::addColumn<int>("storedStMBL");
        QTest::newRow("full-width bar, last texts, all options")
            << 5 << 3 << true << true << 5 << 3;
        QTest::newRow("two spaces, blank, no options") << 2 << 2 << false << false << 2 << 2;
        QTest::newRow("half-width bar, manual, shaping") << 4 << 1 << false << true << 4 << 1;
        QTest::newRow("out of range") << 7 << 9 << false << true << 1 << 1;
    }
    void openingAndClosingKeepsTheSettingsAndConvertsAgain() {
        QFETCH(int, spc12a);
        QFETCH(int, stmbl);
        QFETCH(bool, characters);
        QFETCH(bool, maru);
        QFETCH(int, storedSpc12A);
        QFETCH(int, storedStMBL);
        WindowHarness h;
        Form1 &form = openWith(h, spc12a, stmbl, characters, maru);
        h.pane("TxtOri")->setText(stmbl == 2 ? u"" : u"abc 123"); // blank: nothing to convert
        h.pane("TxtTate")->setText(u"edited");
        withOptions(form, [](FrmCstm &) {});
        const tovalo::engine::Settings &s = form.settings();
        QCOMPARE(s.separatorKind, storedSpc12A);
        QCOMPARE(s.startText, storedStMBL);
        QVERIFY(s.barForLongVowel == characters && s.fullWidth == characters && s.shaping == maru);
        QCOMPARE(h.paneText("TxtTate"), stmbl == 2 ? QStringLiteral("edited") : convertedNow(form));
    }

    void everyWayOfClosingStoresTheChoices_data() {
        QTest::addColumn<Closing>("how");
        QTest::newRow("OK") << Closing::OK;
        QTest::newRow("close button") << Closing::CloseButton;
        QTest::newRow("Escape") << Closing::Escape;
    }
    void everyWayOfClosingStoresTheChoices() {
        QFETCH(Closing, how);
        WindowHarness h;
        Form1 &form = h.open();
        h.pane("TxtOri")->setText(u"abc 123");
        const auto choose = [](FrmCstm &d) {
            for (const char *name : {"SpcL", "StLast", "Check(0)", "Check(1)", "chkMaru"})
                click(in<QAbstractButton>(&d, name));
        };
        withOptions(form, choose, how);
        const tovalo::engine::Settings &s = form.settings();
        QVERIFY(s.separatorKind == 5 && s.startText == 3 && s.barForLongVowel && s.fullWidth &&
                !s.shaping);
        QVERIFY(h.paneText("TxtTate").contains(QStringLiteral("ａ")));
        QVERIFY(!form.findChild<FrmCstm *>()); // discarded
    }

    // The first focus and Tab land on the selected button of each group, wherever it
    // stands, and follow the selection.
    void tabReachesTheSelectedOptionOfEachGroup() {
        WindowHarness h;
        withOptions(openWith(h, 4, 2), [](FrmCstm &d) {
            QTRY_COMPARE(QApplication::focusWidget(), in<QWidget>(&d, "StBlank"));
            QCOMPARE(tabOrder(in<QWidget>(&d, "StBlank"), 9),
                     QStringList({"StBlank", "Check(0)", "Check(1)", "ChkVert", "ChkTcy", "chkMaru",
                                  "BtnOK", "SpcI", "BtnFont"}));
            click(in<QAbstractButton>(&d, "SpcL"));
            QCOMPARE(tabOrder(in<QWidget>(&d, "BtnOK"), 3),
                     QStringList({"BtnOK", "SpcL", "BtnFont"}));
        });
    }

    // Every control shows the dialog's own font, those inside the frames included; only
    // the font button has its smaller one.
    void controlsShowTheDialogFont() {
        WindowHarness h;
        withOptions(h.open(), [](FrmCstm &d) {
            const QFontInfo dialogFont(d.font());
            for (QAbstractButton *control : d.findChildren<QAbstractButton *>()) {
                if (control->objectName() == QStringLiteral("BtnFont"))
                    continue;
                const QFontInfo shown(control->font());
                QVERIFY2(shown.family() == dialogFont.family() &&
                             shown.pointSizeF() == dialogFont.pointSizeF(),
                         qPrintable(control->objectName() + QLatin1Char(' ') + shown.family() +
                                    QLatin1Char(' ') + QString::number(shown.pointSizeF())));
            }
        });
    }

    // The two vertical-typography boxes store their options, which reconvert at once and
    // come back checked after a restart; "Tov.ini" keeps its six records without them.
    void typographyBoxesAreKeptAcrossARestart_data() {
        QTest::addColumn<QStringList>("clicked");
        QTest::newRow("none") << QStringList();
        QTest::newRow("vertical forms") << QStringList{"ChkVert"};
        QTest::newRow("tate-chu-yoko") << QStringList{"ChkTcy"};
        QTest::newRow("both") << QStringList{"ChkVert", "ChkTcy"};
    }
    void typographyBoxesAreKeptAcrossARestart() {
        QFETCH(QStringList, clicked);
        const bool vertical = clicked.contains(QStringLiteral("ChkVert"));
        const bool tcy = clicked.contains(QStringLiteral("ChkTcy"));
        WindowHarness h;
        Form1 &form = h.open();
        h.pane("TxtOri")->setText(u"「12」");
        withOptions(form, [&](FrmCstm &d) {
            QVERIFY(!in<QCheckBox>(&d, "ChkVert")->isChecked() &&
                    !in<QCheckBox>(&d, "ChkTcy")->isChecked());
            for (const QString &name : clicked)
                click(in<QAbstractButton>(&d, qPrintable(name)));
        });
        QVERIFY(form.settings().verticalForms == vertical && form.settings().tateChuYoko == tcy);
        QCOMPARE(h.paneText("TxtTate").contains(QStringLiteral("﹁")), vertical);
        QCOMPARE(h.paneText("TxtTate"), convertedNow(form));
        h.close();
        SettingsRecords records;
        const std::string ini = h.files.contents.value(h.settingsPath()).toStdString();
        QCOMPARE(readSettingsFile(ini, records), kSettingsRecordCount);

        WindowHarness next;
        next.files.contents = h.files.contents;
        next.files.iniContents = h.files.iniContents;
        withOptions(next.open(), [&](FrmCstm &d) {
            QCOMPARE(in<QCheckBox>(&d, "ChkVert")->isChecked(), vertical);
            QCOMPARE(in<QCheckBox>(&d, "ChkTcy")->isChecked(), tcy);
        });
        QVERIFY(next.form().settings().verticalForms == vertical &&
                next.form().settings().tateChuYoko == tcy);
    }

    // The captions of the two typography boxes fit them, and every control stands inside
    // its frame and the dialog, which grew for them.
    void everyControlFits() {
        WindowHarness h;
        withOptions(h.open(), [](FrmCstm &d) {
            for (const char *name : {"ChkVert", "ChkTcy"})
                QVERIFY2(in<QWidget>(&d, name)->sizeHint().width() <=
                             in<QWidget>(&d, name)->width(),
                         name);
            for (QAbstractButton *control : d.findChildren<QAbstractButton *>()) {
                const QRect inDialog(control->mapTo(&d, QPoint(0, 0)), control->size());
                QVERIFY2(control->parentWidget()->rect().contains(control->geometry()) &&
                             d.rect().contains(inDialog),
                         qPrintable(control->objectName()));
            }
        });
    }

    void startUpLoadsTheDialogHiddenUnlessTheManualIsChosen() {
        for (const int stmbl : {1, 2, 3}) {
            WindowHarness h;
            Form1 &form = openWith(h, 3, stmbl);
            QPointer<FrmCstm> hidden = form.findChild<FrmCstm *>();
            QCOMPARE(bool(hidden), stmbl != 1);
            QVERIFY(!hidden || !hidden->isVisible());
            withOptions(form, [&](FrmCstm &d) { QCOMPARE(&d == hidden, stmbl != 1); });
            QVERIFY(!form.findChild<FrmCstm *>());
        }
    }
};

QTEST_MAIN(OptionsDialogTest)
#include "options_dialog_test.moc"
