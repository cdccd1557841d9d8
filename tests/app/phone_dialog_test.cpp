// The phone dialog: opening from the phone button, the page-size boxes with their
// spin bars, the rule text, the counter, the copy button and the dialog's life.
#include "window_harness.h"

#include "app/pane.h"
#include "phone/frm_mphone.h"
#include "phone/page_maker.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>

using namespace tovalo::app;
using namespace tovalo::app::test;
using tovalo::phone::FrmMphone;

namespace {

const std::u16string kSource = u"あいうえおかきくけこさしすせそたちつてと";

// The main window with a source text and the phone dialog opened by its button.
struct Opened {
    WindowHarness h;
    FrmMphone *dialog;

    explicit Opened(std::u16string_view source = kSource) {
        h.open();
        h.pane("TxtOri")->setText(source);
        click(h.find<QPushButton>("BtnMphone"));
        dialog = h.form().findChild<FrmMphone *>(QStringLiteral("FrmMphone"));
    }
    template <class T> T *find(const char *name) const {
        return dialog->findChild<T *>(QString::fromLatin1(name));
    }
    QLineEdit *box(const char *name) const { return find<QLineEdit>(name); }
    QScrollBar *bar(const char *name) const { return find<QScrollBar>(name); }
    QString view() const { return q(find<Pane>("TxtView")->text()); }
    QString pages(int height, int width, bool breaks = true) {
        return q(tovalo::phone::MpMaker(h.pane("TxtOri")->text(),
                                        {static_cast<std::int16_t>(height),
                                         static_cast<std::int16_t>(width), breaks,
                                         h.form().shared().MpTsep, false})
                     .text);
    }
};

// Replaces a box's text in one go, as pasting does. Typed digit by digit, "10" would
// pass through "1", which the box raises to 3 at once.
void putInto(QLineEdit *box, const QString &text) {
    box->selectAll();
    pasteInto(box, text);
}

// Presses an arrow of a spin bar with the mouse.
void clickArrow(QScrollBar *bar, QStyle::SubControl arrow) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    const QRect rect = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, arrow, bar);
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, rect.center());
    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, rect.center());
}

} // namespace

class PhoneDialogTest : public QObject {
    Q_OBJECT
private slots:
    void buttonOpensStandardPagesModeless() {
        Opened o;
        QVERIFY(o.dialog && o.dialog->isVisible() && !o.dialog->isModal());
        QCOMPARE(o.dialog->windowTitle(), QStringLiteral("携帯電話用"));
        QCOMPARE(o.dialog->size(), QSize(180, 311));
        QCOMPARE(o.view(), o.pages(6, 8));
        QCOMPARE(o.box("TxtH")->text(), QStringLiteral("6"));
        QCOMPARE(o.box("TxtW")->text(), QStringLiteral("8"));
        QCOMPARE(o.bar("ScrH")->value(), -6);
        QCOMPARE(o.bar("ScrW")->value(), -8);
        QVERIFY(o.find<QCheckBox>("ChkRtn")->isChecked());
        QVERIFY(!o.find<QCheckBox>("ChkWin")->isChecked());
        QCOMPARE(o.box("TxtSep")->text(), QStringLiteral("＊"));
        QCOMPARE(o.find<QLabel>("LblNum")->text(),
                 QStringLiteral("約 %1文字").arg(o.view().size()));
    }

    void controlsCarryTheirNamesInTabOrder() {
        Opened o;
        QStringList order;
        QWidget *w = o.find<QWidget>("TxtView");
        for (int i = 0; i < 9; ++i, w = w->nextInFocusChain()) {
            while (!(w->focusPolicy() & Qt::TabFocus))
                w = w->nextInFocusChain();
            QCOMPARE(w->accessibleName(), w->objectName());
            order << w->objectName();
        }
        QCOMPARE(order, QStringList({"TxtView", "Command5", "TxtW", "TxtH", "ScrH", "ScrW",
                                     "ChkRtn", "ChkWin", "TxtSep"}));
    }

    void arrowsStepTheHeightWithinThreeToFifty_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("arrow");
        QTest::addColumn<int>("height");
        QTest::newRow("up from 6") << "6" << int(QStyle::SC_ScrollBarSubLine) << 7;
        QTest::newRow("down from 6") << "6" << int(QStyle::SC_ScrollBarAddLine) << 5;
        QTest::newRow("up at 50") << "50" << int(QStyle::SC_ScrollBarSubLine) << 50;
        QTest::newRow("down at 3") << "3" << int(QStyle::SC_ScrollBarAddLine) << 3;
    }
    void arrowsStepTheHeightWithinThreeToFifty() {
        QFETCH(QString, start);
        QFETCH(int, arrow);
        QFETCH(int, height);
        Opened o;
        replaceBoxText(o.box("TxtH"), start);
        clickArrow(o.bar("ScrH"), QStyle::SubControl(arrow));
        QCOMPARE(o.box("TxtH")->text(), QString::number(height));
        QCOMPARE(o.bar("ScrH")->value(), -height);
        QCOMPARE(o.view(), o.pages(height, 8));
    }

    void typedSizesAreHeldToThreeToFifty_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("side");
        QTest::newRow("2") << "TxtH"
                           << "2" << false << "3" << 3;
        QTest::newRow("99") << "TxtH"
                            << "99" << false << "50" << 50;
        QTest::newRow("7.9 typed") << "TxtH"
                                   << "7.9" << false << "7.9" << 7;
        QTest::newRow("7.9 pasted") << "TxtH"
                                    << "7.9" << true << "7" << 7;
        QTest::newRow("huge") << "TxtH"
                              << "1e400" << true << "50" << 50;
        QTest::newRow("hugely negative") << "TxtH"
                                         << "-1e400" << true << "3" << 3;
        QTest::newRow("width 0") << "TxtW"
                                 << "0" << false << "3" << 3;
        QTest::newRow("width 12 typed") << "TxtW"
                                        << "12" << false << "32" << 32;
        QTest::newRow("width 12 pasted") << "TxtW"
                                         << "12" << true << "12" << 12;
    }
    void typedSizesAreHeldToThreeToFifty() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(bool, pasted);
        QFETCH(QString, shown);
        QFETCH(int, side);
        Opened o;
        QLineEdit *edit = o.box(qPrintable(box));
        if (pasted)
            putInto(edit, typed);
        else
            replaceBoxText(edit, typed);
        const bool height = box == QStringLiteral("TxtH");
        QCOMPARE(edit->text(), shown);
        QCOMPARE(o.bar(height ? "ScrH" : "ScrW")->value(), -side);
        QCOMPARE(o.view(), height ? o.pages(side, 8) : o.pages(6, side));
    }

    void textThatIsNoNumberKeepsTheLastSize_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("cleared") << QString();
        QTest::newRow("letters") << QStringLiteral("abc");
        QTest::newRow("lone point") << QStringLiteral(".");
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
        QCOMPARE(o.bar("ScrH")->value(), -6);
        QCOMPARE(o.bar("ScrW")->value(), -10);
        putInto(o.box("TxtSep"), QStringLiteral("＃")); // rebuilds with the kept sizes
        QCOMPARE(o.view(), o.pages(6, 10));
        putInto(o.box("TxtH"), QStringLiteral("12"));
        QCOMPARE(o.bar("ScrH")->value(), -12);
        QCOMPARE(o.view(), o.pages(12, 10));
    }

    void lineBreakBoxWaitsForTheNextRebuild() {
        Opened o;
        const QString before = o.view();
        click(o.find<QCheckBox>("ChkRtn"));
        QCOMPARE(o.view(), before);
        clickArrow(o.bar("ScrH"), QStyle::SC_ScrollBarSubLine);
        QCOMPARE(o.view(), o.pages(7, 8, false));
    }

    void ruleTextIsStoredAndLimitedToTwoCharacters() {
        Opened o;
        clearBox(o.box("TxtSep"));
        QVERIFY(o.h.form().shared().MpTsep.empty());
        QVERIFY(o.view().startsWith(QStringLiteral(" \r\n")));
        QTest::keyClicks(o.box("TxtSep"), QStringLiteral("abc"));
        QCOMPARE(o.box("TxtSep")->text(), QStringLiteral("ab"));
        pasteInto(o.box("TxtSep"), QStringLiteral("x"));
        QCOMPARE(q(o.h.form().shared().MpTsep), QStringLiteral("ab"));
        QCOMPARE(o.view(), o.pages(6, 8));
    }

    void longerRuleFromTheSettingsStaysWhole() {
        WindowHarness h;
        h.putSettings(u"1,3,\"◆◇◆\"\r\n#FALSE#,#FALSE#,#TRUE#\r\n\"10\",\"5\",0\r\n\"\"\r\n\"" +
                      kSource + u"\"\r\n\"\"\r\n");
        h.open();
        click(h.find<QPushButton>("BtnMphone"));
        auto *dialog = h.form().findChild<FrmMphone *>();
        QCOMPARE(dialog->findChild<QLineEdit *>(QStringLiteral("TxtSep"))->text(),
                 QStringLiteral("◆◇◆"));
        QCOMPARE(q(h.form().shared().MpTsep), QStringLiteral("◆◇◆"));
    }

    void failedPagesAreCountedAsThreeCharacters() {
        Opened o(std::u16string(32767, u'あ')); // too long for the page maker
        QCOMPARE(o.view(), QStringLiteral("えらー"));
        QCOMPARE(o.find<QLabel>("LblNum")->text(), QStringLiteral("約 3文字"));
    }

    void copyPutsTheViewWithTheUsersEdits() {
        Opened o;
        typeAtEnd(o.find<Pane>("TxtView"), QStringLiteral("メモ"));
        click(o.find<QPushButton>("Command5"));
        QCOMPARE(o.h.clipboard.clearCount, 1);
        QCOMPARE(o.h.clipboard.content, o.view());
        QVERIFY(o.h.clipboard.content.endsWith(QStringLiteral("\r\nメモ")));
    }

    void onTopBoxKeepsTheDialogAbove() {
        Opened o;
        click(o.find<QCheckBox>("ChkWin"));
        click(o.find<QCheckBox>("ChkWin"));
        QCOMPARE(o.h.windowOrder.calls.size(), 2);
        QCOMPARE(o.h.windowOrder.calls[0].window, o.dialog);
        QVERIFY(o.h.windowOrder.calls[0].onTop);
        QVERIFY(!o.h.windowOrder.calls[1].onTop);
    }

    void secondPressResetsThePagesButNotTheBoxes() {
        Opened o;
        putInto(o.box("TxtH"), QStringLiteral("10"));
        putInto(o.box("TxtW"), QStringLiteral("20"));
        QCOMPARE(o.view(), o.pages(10, 20));
        const QString shown = o.view();
        o.h.pane("TxtOri")->setText(kSource + u"なにぬねの"); // no rebuild of its own
        QCOMPARE(o.view(), shown);
        click(o.h.find<QPushButton>("BtnMphone"));
        QCOMPARE(o.h.form().findChildren<FrmMphone *>().size(), 1);
        QCOMPARE(o.view(), o.pages(6, 8));
        QCOMPARE(o.box("TxtH")->text(), QStringLiteral("10"));
        QCOMPARE(o.box("TxtW")->text(), QStringLiteral("20"));
    }

    void closingDiscardsTheDialogAndTheNextPressLoadsAgain() {
        Opened o;
        putInto(o.box("TxtH"), QStringLiteral("10"));
        click(o.find<QCheckBox>("ChkRtn"));
        QPointer<FrmMphone> first = o.dialog;
        o.dialog->close();
        QTRY_VERIFY(!first);
        o.h.form().shared().MpTsep = std::u16string(u"＃");
        click(o.h.find<QPushButton>("BtnMphone"));
        o.dialog = o.h.form().findChild<FrmMphone *>();
        QCOMPARE(o.box("TxtH")->text(), QStringLiteral("6"));
        QVERIFY(o.find<QCheckBox>("ChkRtn")->isChecked());
        QCOMPARE(o.box("TxtSep")->text(), QStringLiteral("＃"));
        QCOMPARE(o.view(), o.pages(6, 8));
    }
};

QTEST_MAIN(PhoneDialogTest)
#include "phone_dialog_test.moc"
