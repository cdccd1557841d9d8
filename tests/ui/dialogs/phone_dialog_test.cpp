// The phone dialog: opening from the phone button, the page-size boxes with their
// spin bars, the rule text, the counter, the copy button and the dialog's life.
#include "tests/ui/window/window_harness.h"

#include "phone/page_maker.h"
#include "ui/dialogs/frm_mphone.h"

#include <QAccessible>
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

    // A size typed key by key (then Enter, or not yet), pasted whole, or stepped by an
    // arrow of its spin bar. Typing follows every valid number; the range holds once the
    // box is left, so that "12" can be typed over a selection digit by digit.
    void sizesAreHeldToThreeToFifty_data() {
        QTest::addColumn<bool>("height"); // TxtH, else TxtW
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("how");   // keys, keys+Enter, appended+Enter, pasted
        QTest::addColumn<QString>("arrow"); // clicked after typing
        QTest::addColumn<int>("side");
        QTest::addColumn<QString>("shown");
        QTest::newRow("2 being typed") << true << "2"
                                       << "keys"
                                       << "" << 6 << "2";
        QTest::newRow("2 entered") << true << "2"
                                   << "keys+Enter"
                                   << "" << 3 << "3";
        QTest::newRow("99 being typed") << true << "99"
                                        << "keys"
                                        << "" << 9 << "99";
        QTest::newRow("99 entered") << true << "99"
                                    << "keys+Enter"
                                    << "" << 50 << "50";
        QTest::newRow("50.5 entered at 50") << true << ".5"
                                            << "appended+Enter"
                                            << "" << 50 << "50";
        QTest::newRow("7.9 typed") << true << "7.9"
                                   << "keys"
                                   << "" << 7 << "7.9";
        QTest::newRow("7.9 pasted") << true << "7.9"
                                    << "pasted"
                                    << "" << 7 << "7";
        QTest::newRow("width 12 typed") << false << "12"
                                        << "keys"
                                        << "" << 12 << "12";
        QTest::newRow("width 12 pasted") << false << "12"
                                         << "pasted"
                                         << "" << 12 << "12";
        QTest::newRow("full-width 20") << false << "２０"
                                       << "pasted"
                                       << "" << 20 << "20";
        QTest::newRow("up from 6") << true << "6"
                                   << "keys"
                                   << "up" << 7 << "7";
        QTest::newRow("down from 6") << true << "6"
                                     << "keys"
                                     << "down" << 5 << "5";
        QTest::newRow("up at 50") << true << "50"
                                  << "keys"
                                  << "up" << 50 << "50";
        QTest::newRow("down at 3") << true << "3"
                                   << "keys"
                                   << "down" << 3 << "3";
    }
    void sizesAreHeldToThreeToFifty() {
        QFETCH(bool, height);
        QFETCH(QString, typed);
        QFETCH(QString, how);
        QFETCH(QString, arrow);
        QFETCH(int, side);
        QFETCH(QString, shown);
        Opened o;
        QLineEdit *edit = o.box(height ? "TxtH" : "TxtW");
        if (how == QStringLiteral("pasted")) {
            putInto(edit, typed);
        } else if (how.startsWith(QStringLiteral("appended"))) {
            putInto(edit, QStringLiteral("50"));
            edit->end(false);
            QTest::keyClicks(edit, typed);
        } else {
            replaceBoxText(edit, typed);
        }
        if (how.endsWith(QStringLiteral("Enter")))
            QTest::keyClick(edit, Qt::Key_Return);
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
        QTest::keyClick(o.box("TxtW"), Qt::Key_Return); // gives the kept size back
        QCOMPARE(o.box("TxtW")->text(), QStringLiteral("10"));
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
        clearBox(o.box("TxtSep"));
        pasteInto(o.box("TxtSep"), QStringLiteral("xyz")); // the first two are kept
        QCOMPARE(q(o.form().settings().pageRule), QStringLiteral("xy"));
    }

    // A wide page scrolls instead of wrapping its rows, the counter shows whole, and the
    // dialog keeps its size.
    void widePagesScrollAndTheCounterShowsWhole() {
        Opened o;
        putInto(o.box("TxtW"), QStringLiteral("20"));
        auto *view = o.in<Pane>("TxtView");
        QCOMPARE(view->lineWrapMode(), QPlainTextEdit::NoWrap);
        QTRY_VERIFY(view->horizontalScrollBar()->maximum() > 0);
        QCOMPARE(o.dialog->size(), QSize(180, 311));
        view->setText(std::u16string(123456, u'あ'));
        auto *counter = o.in<QLabel>("LblNum");
        QCOMPARE(counter->text(), QStringLiteral("約 123456文字"));
        QVERIFY(counter->sizeHint().width() <= counter->width());
        QVERIFY(counter->geometry().right() < o.dialog->width());
    }

    void controlsAreNamedAsTheUserReadsThem() {
        Opened o;
        const std::pair<const char *, QString> names[] = {
            {"TxtView", QStringLiteral("携帯電話用")},
            {"Command5", QStringLiteral("コピー")},
            {"TxtH", QStringLiteral("縦")},
            {"TxtW", QStringLiteral("横")},
            {"ScrH", QStringLiteral("縦")},
            {"ScrW", QStringLiteral("横")},
            {"ChkRtn", QStringLiteral("改行を入れる")},
            {"ChkWin", QStringLiteral("前面に表示")},
            {"TxtSep", QStringLiteral("区切り記号")},
            {"LblNum", QStringLiteral("約 %1文字").arg(o.view().size())},
        };
        for (const auto &[control, name] : names) {
            QAccessibleInterface *accessible =
                QAccessible::queryAccessibleInterface(o.in<QWidget>(control));
            QCOMPARE(accessible->text(QAccessible::Name), name);
            QCOMPARE(accessible->text(QAccessible::Description), QString::fromLatin1(control));
        }
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

    // Not only the mouse: the keyboard and assistive technology change the box too.
    void onTopFollowsEveryChangeOfItsBox() {
        Opened o;
        auto *onTop = o.in<QCheckBox>("ChkWin");
        QTest::keyClick(onTop, Qt::Key_Space);
        QVERIFY(onTop->isChecked());
        onTop->setChecked(false);
        onTop->setChecked(false); // no change, no call
        QCOMPARE(o.windowOrder.calls.size(), 2);
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
