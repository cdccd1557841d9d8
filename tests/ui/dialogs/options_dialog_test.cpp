#include "tests/ui/window/window_harness.h"

#include "ui/dialogs/frm_cstm.h"

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QTimer>

#include <functional>

using namespace tovalo::ui;
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
    // The first focus and Tab land on the selected button of each group.
    void modalWithTabOnTheSelectedOptionsAndAFontButtonThatKeepsItOpen() {
        WindowHarness h;
        withOptions(openWith(h, 4, 2), [&h](FrmCstm &d) {
            QTRY_COMPARE(QApplication::focusWidget(), in<QWidget>(&d, "StBlank"));
            QCOMPARE(tabOrder(in<QWidget>(&d, "StBlank"), 10),
                     QStringList({"StBlank", "Check(0)", "Check(1)", "ChkVert", "ChkTcy", "chkMaru",
                                  "BtnOK", "SpcI", "BtnFont", "StBlank"}));
            click(in(&d, "BtnFont"));
            QVERIFY(h.dialogs.fontDialogs.size() == 1 && d.isVisible());
        });
    }

    // Out-of-range settings become the first choice; however the dialog closes it stores
    // the choices, and the source is converted again unless it is empty. Start-up loads the
    // dialog hidden unless the manual is chosen, and the opening shows that one.
    void everyClosingStoresTheChoicesAndConvertsAgain() {
        const struct {
            int spc12a, stmbl;
            bool characters, maru; // both character options, and shaping
            int storedSpc12A, storedStMBL;
            Closing how = Closing::OK;
            bool choose = false; // SpcL, StLast and a click on every box but ChkTcy
        } cases[] = {
            {5, 3, true, true, 5, 3},   // full-width bar, last texts, all options
            {2, 2, false, false, 2, 2}, // two spaces, blank, no options
            {4, 1, false, true, 4, 1},  // half-width bar, manual, shaping
            {7, 9, false, true, 1, 1},  // out of range
            {1, 1, false, true, 5, 3, Closing::CloseButton, true},
            {1, 1, false, true, 5, 3, Closing::Escape, true},
        };
        for (const auto &c : cases) {
            WindowHarness h;
            Form1 &form = openWith(h, c.spc12a, c.stmbl, c.characters, c.maru);
            h.pane("TxtOri")->setText(c.stmbl == 2 ? u"" : u"abc 123"); // blank: no conversion
            h.pane("TxtTate")->setText(u"edited");
            const FrmCstm *loaded = form.findChild<FrmCstm *>();
            const auto choose = [&](FrmCstm &d) {
                QCOMPARE(&d == loaded, c.stmbl != 1);
                if (c.choose)
                    for (const char *name :
                         {"SpcL", "StLast", "Check(0)", "Check(1)", "chkMaru", "ChkVert"})
                        click(in(&d, name));
            };
            withOptions(form, choose, c.how);
            const tovalo::engine::Settings &s = form.settings();
            QCOMPARE(s.separatorKind, c.storedSpc12A);
            QCOMPARE(s.startText, c.storedStMBL);
            const bool characters = c.characters != c.choose;
            QVERIFY(s.barForLongVowel == characters && s.fullWidth == characters &&
                    s.shaping == (c.maru != c.choose) && s.verticalForms == c.choose);
            QCOMPARE(h.paneText("TxtTate"),
                     c.stmbl == 2 ? QStringLiteral("edited") : convertedNow(form));
        }
    }

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
                const QRect inDialog(control->mapTo(&d, QPoint(0, 0)), control->size());
                QVERIFY2(control->parentWidget()->rect().contains(control->geometry()) &&
                             d.rect().contains(inDialog),
                         qPrintable(name));
            }
        });
    }

    void typographyBoxesComeBackCheckedAtTheNextOpening() {
        WindowHarness h;
        Form1 &form = h.open();
        withOptions(form, [](FrmCstm &d) { click(in(&d, "ChkTcy")); });
        QVERIFY(form.settings().tateChuYoko && !form.settings().verticalForms);
        withOptions(form, [](FrmCstm &d) {
            QVERIFY(in(&d, "ChkTcy")->isChecked() && !in(&d, "ChkVert")->isChecked());
        });
    }
};

QTEST_MAIN(OptionsDialogTest)
#include "options_dialog_test.moc"
