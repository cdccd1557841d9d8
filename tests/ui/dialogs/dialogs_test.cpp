#include "tests/ui/window/window_harness.h"

#include "phone/page_maker.h"
#include "ui/dialogs/frm_cstm.h"
#include "ui/dialogs/frm_mphone.h"

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QTimer>

#include <functional>

using namespace tovalo::ui;
using namespace tovalo::ui::test;

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

const std::u16string kSource = u"あいうえおかきくけこさしすせそたちつてと";

// The main window with a source text and the phone dialog opened by its button.
struct Opened : WindowHarness {
    FrmMphone *dialog = nullptr;

    Opened() {
        open();
        pane("TxtOri")->setText(kSource);
        press();
    }
    void press() {
        click(button("BtnMphone"));
        dialog = form().findChild<FrmMphone *>(QStringLiteral("FrmMphone"));
    }
    template <class T> T *in(const char *name) const { return ::in<T>(dialog, name); }
    QLineEdit *box(const char *name) const { return in<QLineEdit>(name); }
    QString view() const { return q(in<Pane>("TxtView")->text()); }
    QStringList boxes() const {
        return {box("TxtH")->text(), box("TxtW")->text(), box("TxtSep")->text()};
    }
    QString pages(std::int16_t height, std::int16_t width, bool breaks = true) {
        const tovalo::phone::PhoneParams options{height, width, breaks, form().settings().pageRule};
        return q(tovalo::phone::MpMaker(pane("TxtOri")->text(), options).text);
    }
};

// Replaces a box's text in one go: typed, "10" would pass through "1", raised to 3.
void putInto(QLineEdit *box, const QString &text) {
    box->selectAll();
    pasteInto(box, text);
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    // Out-of-range settings become the first choice; start-up loads the dialog unless StManual.
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

    // Focus lands on the selected buttons; all but the font button show the dialog's font.
    void focusFontsAndTheTypographyBoxesComeBackChecked() {
        WindowHarness h;
        Form1 &form = openWith(h, 4, 2);
        withOptions(form, [&h](FrmCstm &d) {
            QTRY_COMPARE(QApplication::focusWidget(), in<QWidget>(&d, "StBlank"));
            const QFontInfo dialogFont(d.font());
            for (QAbstractButton *control : d.findChildren<QAbstractButton *>()) {
                const QFontInfo shown(control->font());
                const QRect inDialog(control->mapTo(&d, QPoint(0, 0)), control->size());
                QVERIFY2((control->objectName() == QStringLiteral("BtnFont") ||
                          (shown.family() == dialogFont.family() &&
                           shown.pointSizeF() == dialogFont.pointSizeF())) &&
                             control->parentWidget()->rect().contains(control->geometry()) &&
                             d.rect().contains(inDialog),
                         qPrintable(control->objectName() + QLatin1Char(' ') + shown.family()));
            }
            click(in(&d, "BtnFont"));
            QVERIFY(h.dialogs.fontDialogs.size() == 1 && d.isVisible());
            click(in(&d, "ChkTcy"));
        });
        QVERIFY(form.settings().tateChuYoko && !form.settings().verticalForms);
        withOptions(form, [](FrmCstm &d) {
            QVERIFY(in(&d, "ChkTcy")->isChecked() && !in(&d, "ChkVert")->isChecked());
        });
    }

    // Cleared size boxes keep the last size; the rule is stored, at most two characters. Copy
    // takes the user's edits; on top follows its box, not a setting that changes nothing.
    void clearedBoxesRuleCopyOnTopScrollingAndTheCounterOfLongAndFailedPages() {
        Opened o;
        putInto(o.box("TxtW"), QStringLiteral("10"));
        clearBox(o.box("TxtH"));
        clearBox(o.box("TxtW"));
        clearBox(o.box("TxtSep"));
        QVERIFY(o.form().settings().pageRule.empty());
        QVERIFY(o.view().startsWith(QStringLiteral(" \r\n")));
        QTest::keyClicks(o.box("TxtSep"), QStringLiteral("abc"));
        pasteInto(o.box("TxtSep"), QStringLiteral("x"));
        QCOMPARE(q(o.form().settings().pageRule), QStringLiteral("ab"));
        QCOMPARE(o.view(), o.pages(6, 10));

        typeAtEnd(o.in<Pane>("TxtView"), QStringLiteral("メモ"));
        click(o.in<QPushButton>("Command5"));
        QVERIFY(o.clipboard.clearCount == 1 && o.clipboard.content == o.view());
        auto *onTop = o.in<QCheckBox>("ChkWin");
        click(onTop);
        onTop->setChecked(true);
        const auto &calls = o.windowOrder.calls;
        QVERIFY(calls.size() == 1 && calls[0].window == o.dialog && calls[0].onTop);

        putInto(o.box("TxtW"), QStringLiteral("20"));
        auto *view = o.in<Pane>("TxtView");
        QTRY_VERIFY(view->horizontalScrollBar()->maximum() > 0);
        view->setText(std::u16string(123456, u'あ'));
        auto *counter = o.in<QLabel>("LblNum");
        QCOMPARE(counter->text(), QStringLiteral("約 123456文字"));
        QVERIFY(counter->sizeHint().width() <= counter->width() &&
                counter->geometry().right() < o.dialog->width());
        o.pane("TxtOri")->setText(std::u16string(32767, u'あ')); // too long for the page maker
        o.press();
        QCOMPARE(o.view(), QStringLiteral("えらー"));
        QCOMPARE(counter->text(), QStringLiteral("約 3文字"));
    }

    // Sizes are held to 3 to 50 and follow the arrows. After closing, the next press loads the
    // dialog anew, with a rule longer than the box.
    void sizesAndPressesRebuildTheStandardPagesAndReloadAfterClosing() {
        Opened o;
        QVERIFY(o.dialog->isVisible() && !o.dialog->isModal());
        replaceBoxText(o.box("TxtH"), QStringLiteral("2"));
        QTest::keyClick(o.box("TxtH"), Qt::Key_Return);
        clickArrow(o.in<QScrollBar>("ScrH"), QStyle::SC_ScrollBarAddLine); // down at 3
        QCOMPARE(o.box("TxtH")->text(), QStringLiteral("3"));
        QCOMPARE(o.view(), o.pages(3, 8));
        putInto(o.box("TxtH"), QStringLiteral("9"));
        clickArrow(o.in<QScrollBar>("ScrH"), QStyle::SC_ScrollBarSubLine); // up to 10
        click(o.in<QCheckBox>("ChkRtn"));
        QCOMPARE(o.view(), o.pages(10, 8)); // the line-break box waits for the next rebuild
        putInto(o.box("TxtW"), QStringLiteral("２０"));
        QCOMPARE(o.view(), o.pages(10, 20, false));
        const QString shown = o.view();
        o.pane("TxtOri")->setText(kSource + u"なにぬねの"); // no rebuild of its own
        QCOMPARE(o.view(), shown);
        o.press();
        QCOMPARE(o.form().findChildren<FrmMphone *>().size(), 1);
        QCOMPARE(o.view(), o.pages(6, 8));
        QCOMPARE(o.boxes(), QStringList({"10", "20", "＊"}));

        QPointer<FrmMphone> first = o.dialog;
        o.dialog->close();
        QTRY_VERIFY(!first);
        o.form().settings().pageRule = u"◆◇◆";
        o.press();
        QCOMPARE(o.boxes(), QStringList({"6", "8", "◆◇◆"}));
        QVERIFY(o.in<QCheckBox>("ChkRtn")->isChecked());
        QCOMPARE(q(o.form().settings().pageRule), QStringLiteral("◆◇◆"));
        QCOMPARE(o.view(), o.pages(6, 8));
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
