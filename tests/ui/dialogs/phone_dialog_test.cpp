// The phone dialog: opening from the phone button, the page-size boxes with their
// spin bars, the rule text, the counter, the copy button and the dialog's life.
#include "tests/ui/window/window_harness.h"

#include "phone/page_maker.h"
#include "ui/dialogs/frm_mphone.h"

#include <QLabel>

using namespace tovalo::ui;
using namespace tovalo::ui::test;
using tovalo::ui::FrmMphone;

namespace {

const std::u16string kSource = u"あいうえおかきくけこさしすせそたちつてと";

// The main window with a source text and the phone dialog opened by its button.
struct Opened : WindowHarness {
    FrmMphone *dialog = nullptr;

    explicit Opened(std::u16string_view source = kSource) {
        open();
        pane("TxtOri")->setText(source);
        press();
    }
    void press() {
        click(button("BtnMphone"));
        dialog = form().findChild<FrmMphone *>(QStringLiteral("FrmMphone"));
    }
    template <class T> T *in(const char *name) const {
        return dialog->findChild<T *>(QString::fromLatin1(name));
    }
    QLineEdit *box(const char *name) const { return in<QLineEdit>(name); }
    int side(const char *bar) const { return -in<QScrollBar>(bar)->value(); }
    QString view() const { return q(in<Pane>("TxtView")->text()); }
    QString pages(std::int16_t height, std::int16_t width, bool breaks = true) {
        const tovalo::phone::PhoneParams options{.height = height,
                                                 .width = width,
                                                 .lineBreaks = breaks,
                                                 .rule = form().settings().pageRule};
        return q(tovalo::phone::MpMaker(pane("TxtOri")->text(), options).text);
    }
};

// Replaces a box's text in one go, as pasting does. Typed digit by digit, "10" would
// pass through "1", which the box raises to 3 at once.
void putInto(QLineEdit *box, const QString &text) {
    box->selectAll();
    pasteInto(box, text);
}

} // namespace

class PhoneDialogTest : public QObject {
    Q_OBJECT
private slots:
    void buttonOpensStandardPagesModelessWithControlsInTabOrder() {
        Opened o;
        QVERIFY(o.dialog->isVisible() && !o.dialog->isModal());
        QCOMPARE(o.view(), o.pages(6, 8));
        QCOMPARE(o.box("TxtH")->text(), QStringLiteral("6"));
        QCOMPARE(o.box("TxtW")->text(), QStringLiteral("8"));
        QCOMPARE(o.side("ScrH"), 6);
        QCOMPARE(o.side("ScrW"), 8);
        QVERIFY(o.in<QCheckBox>("ChkRtn")->isChecked() && !o.in<QCheckBox>("ChkWin")->isChecked());
        QCOMPARE(o.box("TxtSep")->text(), QStringLiteral("＊"));
        QCOMPARE(o.in<QLabel>("LblNum")->text(), QStringLiteral("約 %1文字").arg(o.view().size()));
        QCOMPARE(tabOrder(o.in<QWidget>("TxtView"), 9),
                 QStringList({"TxtView", "Command5", "TxtW", "TxtH", "ScrH", "ScrW", "ChkRtn",
                              "ChkWin", "TxtSep"}));
    }

    // A size typed key by key, pasted whole, or stepped by an arrow of its spin bar.
    void sizesAreHeldToThreeToFifty_data() {
        QTest::addColumn<bool>("height"); // TxtH, else TxtW
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("arrow"); // clicked after typing
        QTest::addColumn<int>("side");
        QTest::addColumn<QString>("shown");
        QTest::newRow("2") << true << "2" << false << "" << 3 << "3";
        QTest::newRow("99") << true << "99" << false << "" << 50 << "50";
        QTest::newRow("7.9 typed") << true << "7.9" << false << "" << 7 << "7.9";
        QTest::newRow("7.9 pasted") << true << "7.9" << true << "" << 7 << "7";
        QTest::newRow("width 12 typed") << false << "12" << false << "" << 32 << "32";
        QTest::newRow("width 12 pasted") << false << "12" << true << "" << 12 << "12";
        QTest::newRow("up from 6") << true << "6" << false << "up" << 7 << "7";
        QTest::newRow("down from 6") << true << "6" << false << "down" << 5 << "5";
        QTest::newRow("up at 50") << true << "50" << false << "up" << 50 << "50";
        QTest::newRow("down at 3") << true << "3" << false << "down" << 3 << "3";
    }
    void sizesAreHeldToThreeToFifty() {
        QFETCH(bool, height);
        QFETCH(QString, typed);
        QFETCH(bool, pasted);
        QFETCH(QString, arrow);
        QFETCH(int, side);
        QFETCH(QString, shown);
        Opened o;
        QLineEdit *edit = o.box(height ? "TxtH" : "TxtW");
        pasted ? putInto(edit, typed) : replaceBoxText(edit, typed);
        if (!arrow.isEmpty())
            clickArrow(o.in<QScrollBar>("ScrH"), arrow == QStringLiteral("up")
                                                     ? QStyle::SC_ScrollBarSubLine
                                                     : QStyle::SC_ScrollBarAddLine);
        QCOMPARE(edit->text(), shown);
        QCOMPARE(o.side(height ? "ScrH" : "ScrW"), side);
        QCOMPARE(o.view(), height ? o.pages(side, 8) : o.pages(6, side));
    }

    void textThatIsNoNumberKeepsTheLastSize_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("cleared") << QString();
        QTest::newRow("letters") << QStringLiteral("abc");
    }
    void textThatIsNoNumberKeepsTheLastSize() {
        QFETCH(QString, typed);
        Opened o;
        putInto(o.box("TxtW"), QStringLiteral("10"));
        for (const char *name : {"TxtH", "TxtW"}) {
            clearBox(o.box(name));
            QTest::keyClicks(o.box(name), typed);
            QCOMPARE(o.box(name)->text(), typed);
        }
        putInto(o.box("TxtSep"), QStringLiteral("＃")); // rebuilds with the kept sizes
        QCOMPARE(o.view(), o.pages(6, 10));
        putInto(o.box("TxtH"), QStringLiteral("12"));
        QCOMPARE(o.view(), o.pages(12, 10));
    }

    void lineBreakBoxWaitsForTheNextRebuild() {
        Opened o;
        const QString before = o.view();
        click(o.in<QCheckBox>("ChkRtn"));
        QCOMPARE(o.view(), before);
        clickArrow(o.in<QScrollBar>("ScrH"), QStyle::SC_ScrollBarSubLine);
        QCOMPARE(o.view(), o.pages(7, 8, false));
    }

    void ruleTextIsStoredAndLimitedToTwoCharacters() {
        Opened o;
        clearBox(o.box("TxtSep"));
        QVERIFY(o.form().settings().pageRule.empty());
        QVERIFY(o.view().startsWith(QStringLiteral(" \r\n")));
        QTest::keyClicks(o.box("TxtSep"), QStringLiteral("abc"));
        pasteInto(o.box("TxtSep"), QStringLiteral("x"));
        QCOMPARE(q(o.form().settings().pageRule), QStringLiteral("ab"));
        QCOMPARE(o.view(), o.pages(6, 8));
    }

    void failedPagesAreCountedAsThreeCharacters() {
        Opened o(std::u16string(32767, u'あ')); // too long for the page maker
        QCOMPARE(o.view(), QStringLiteral("えらー"));
        QCOMPARE(o.in<QLabel>("LblNum")->text(), QStringLiteral("約 3文字"));
    }

    void copyPutsTheViewWithTheUsersEditsAndOnTopFollowsItsBox() {
        Opened o;
        typeAtEnd(o.in<Pane>("TxtView"), QStringLiteral("メモ"));
        click(o.in<QPushButton>("Command5"));
        QCOMPARE(o.clipboard.clearCount, 1);
        QCOMPARE(o.clipboard.content, o.view());
        QVERIFY(o.clipboard.content.endsWith(QStringLiteral("\r\nメモ")));
        click(o.in<QCheckBox>("ChkWin"));
        click(o.in<QCheckBox>("ChkWin"));
        QCOMPARE(o.windowOrder.calls.size(), 2);
        QCOMPARE(o.windowOrder.calls[0].window, o.dialog);
        QVERIFY(o.windowOrder.calls[0].onTop && !o.windowOrder.calls[1].onTop);
    }

    // A press while the dialog is open rebuilds the standard pages and leaves the boxes;
    // after closing, the next press loads the dialog anew, a rule longer than the box
    // takes included.
    void pressesRebuildTheStandardPagesAndReloadAfterClosing() {
        Opened o;
        putInto(o.box("TxtH"), QStringLiteral("10"));
        click(o.in<QCheckBox>("ChkRtn"));
        putInto(o.box("TxtW"), QStringLiteral("20"));
        QCOMPARE(o.view(), o.pages(10, 20, false));
        const QString shown = o.view();
        o.pane("TxtOri")->setText(kSource + u"なにぬねの"); // no rebuild of its own
        QCOMPARE(o.view(), shown);
        o.press();
        QCOMPARE(o.form().findChildren<FrmMphone *>().size(), 1);
        QCOMPARE(o.view(), o.pages(6, 8));
        QCOMPARE(o.box("TxtH")->text(), QStringLiteral("10"));
        QCOMPARE(o.box("TxtW")->text(), QStringLiteral("20"));

        QPointer<FrmMphone> first = o.dialog;
        o.dialog->close();
        QTRY_VERIFY(!first);
        o.form().settings().pageRule = u"◆◇◆";
        o.press();
        QCOMPARE(o.box("TxtH")->text(), QStringLiteral("6"));
        QVERIFY(o.in<QCheckBox>("ChkRtn")->isChecked());
        QCOMPARE(o.box("TxtSep")->text(), QStringLiteral("◆◇◆"));
        QCOMPARE(q(o.form().settings().pageRule), QStringLiteral("◆◇◆"));
        QCOMPARE(o.view(), o.pages(6, 8));
    }
};

QTEST_MAIN(PhoneDialogTest)
#include "phone_dialog_test.moc"
