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

template <class T = QAbstractButton> T *in(QWidget *dialog, const char *name) {
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
            click(in(dialog, "BtnOK"));
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

class OptionsDialogTest : public QObject {
    Q_OBJECT
private slots:
    // The first focus and Tab land on the selected button of each group, wherever it
    // stands, and follow the selection; the font button keeps the dialog open.
    void modalWithTabOnTheSelectedOptionsAndAFontButtonThatKeepsItOpen() {
        WindowHarness h;
        h.dialogs.fontAnswer =
            tovalo::platform::FontChoice{QFont(QStringLiteral("Serif"), 14), Qt::blue};
        withOptions(openWith(h, 4, 2), [&h](FrmCstm &d) {
            QVERIFY(d.isModal());
            QTRY_COMPARE(QApplication::focusWidget(), in<QWidget>(&d, "StBlank"));
            QCOMPARE(tabOrder(in<QWidget>(&d, "StBlank"), 10),
                     QStringList({"StBlank", "Check(0)", "Check(1)", "ChkVert", "ChkTcy", "chkMaru",
                                  "BtnOK", "SpcI", "BtnFont", "StBlank"}));
            click(in(&d, "SpcL"));
            QCOMPARE(tabOrder(in<QWidget>(&d, "BtnOK"), 3),
                     QStringList({"BtnOK", "SpcL", "BtnFont"}));
            click(in(&d, "BtnFont"));
            QVERIFY(h.dialogs.messages.size() == 1 && h.dialogs.fontDialogs.size() == 1);
            QVERIFY(d.isVisible());
        });
        QCOMPARE(h.pane("TxtTate")->font().pointSize(), 14);
    }

    // Untouched settings stay as they were, those out of range become the first choice,
    // and the source is converted again unless it is empty.
    void openingAndClosingKeepsTheSettingsAndConvertsAgain() {
        const struct {
            int spc12a, stmbl;
            bool characters, maru; // both character options, and shaping
            int storedSpc12A, storedStMBL;
        } cases[] = {
            {5, 3, true, true, 5, 3},   // full-width bar, last texts, all options
            {2, 2, false, false, 2, 2}, // two spaces, blank, no options
            {4, 1, false, true, 4, 1},  // half-width bar, manual, shaping
            {7, 9, false, true, 1, 1},  // out of range
        };
        for (const auto &c : cases) {
            WindowHarness h;
            Form1 &form = openWith(h, c.spc12a, c.stmbl, c.characters, c.maru);
            h.pane("TxtOri")->setText(c.stmbl == 2 ? u"" : u"abc 123"); // blank: no conversion
            h.pane("TxtTate")->setText(u"edited");
            withOptions(form, [](FrmCstm &) {});
            const tovalo::engine::Settings &s = form.settings();
            QCOMPARE(s.separatorKind, c.storedSpc12A);
            QCOMPARE(s.startText, c.storedStMBL);
            QVERIFY(s.barForLongVowel == c.characters && s.fullWidth == c.characters &&
                    s.shaping == c.maru);
            QCOMPARE(h.paneText("TxtTate"),
                     c.stmbl == 2 ? QStringLiteral("edited") : convertedNow(form));
        }
    }

    void everyWayOfClosingStoresTheChoices() {
        for (Closing how : {Closing::OK, Closing::CloseButton, Closing::Escape}) {
            WindowHarness h;
            Form1 &form = h.open();
            h.pane("TxtOri")->setText(u"abc 123");
            const auto choose = [](FrmCstm &d) {
                for (const char *name : {"SpcL", "StLast", "Check(0)", "Check(1)", "chkMaru"})
                    click(in(&d, name));
            };
            withOptions(form, choose, how);
            const tovalo::engine::Settings &s = form.settings();
            QVERIFY(s.separatorKind == 5 && s.startText == 3 && s.barForLongVowel && s.fullWidth &&
                    !s.shaping);
            QVERIFY(h.paneText("TxtTate").contains(QStringLiteral("ａ")));
            QVERIFY(!form.findChild<FrmCstm *>()); // discarded
        }
    }

    // Every control shows the dialog's own font, those inside the frames included, except
    // the font button with its smaller one; the typography boxes' captions fit them, and
    // every control stands inside its frame and the dialog, which grew for them.
    void everyControlShowsTheDialogFontAndFits() {
        WindowHarness h;
        withOptions(h.open(), [](FrmCstm &d) {
            const QFontInfo dialogFont(d.font());
            for (QAbstractButton *control : d.findChildren<QAbstractButton *>()) {
                const QFontInfo shown(control->font());
                const QString name = control->objectName();
                QVERIFY2(name == QStringLiteral("BtnFont") ||
                             (shown.family() == dialogFont.family() &&
                              shown.pointSizeF() == dialogFont.pointSizeF()),
                         qPrintable(name + QLatin1Char(' ') + shown.family()));
                if (name == QStringLiteral("ChkVert") || name == QStringLiteral("ChkTcy"))
                    QVERIFY2(control->sizeHint().width() <= control->width(), qPrintable(name));
                const QRect inDialog(control->mapTo(&d, QPoint(0, 0)), control->size());
                QVERIFY2(control->parentWidget()->rect().contains(control->geometry()) &&
                             d.rect().contains(inDialog),
                         qPrintable(name));
            }
        });
    }

    // The two vertical-typography boxes store their options, which reconvert at once and
    // come back checked after a restart; "Tov.ini" keeps its six records without them.
    void typographyBoxesAreKeptAcrossARestart() {
        for (const auto &[vertical, tcy] :
             {std::pair{false, false}, {true, false}, {false, true}, {true, true}}) {
            WindowHarness h;
            Form1 &form = h.open();
            h.pane("TxtOri")->setText(u"「12」");
            withOptions(form, [&](FrmCstm &d) {
                QVERIFY(!in(&d, "ChkVert")->isChecked() && !in(&d, "ChkTcy")->isChecked());
                if (vertical)
                    click(in(&d, "ChkVert"));
                if (tcy)
                    click(in(&d, "ChkTcy"));
            });
            QVERIFY(form.settings().verticalForms == vertical &&
                    form.settings().tateChuYoko == tcy);
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
                QCOMPARE(in(&d, "ChkVert")->isChecked(), vertical);
                QCOMPARE(in(&d, "ChkTcy")->isChecked(), tcy);
            });
        }
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
