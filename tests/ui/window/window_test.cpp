// The main window's controls, layout, fonts and panes.
#include "window_harness.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QSignalSpy>

using namespace tovalo::ui;
using namespace tovalo::ui::test;

namespace {

// Pixels of a length in twips at the test screen's 96 dots per inch.
int px(double twips) {
    return qRound(twips / 15);
}

// Resizes the window so that its outer size, frame included, is the given one.
void resizeOuter(QWidget &window, int width, int height) {
    window.resize(QSize(width, height) - (window.frameGeometry().size() - window.size()));
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(WindowHarness().open().logicalDpiX(), 96); }

    void opensWithPicturesOnTheButtonsAndJapaneseInputOnlyInTheSourcePane() {
        WindowHarness h;
        h.open();
        for (const char *name : {"Command1", "BtnMphone", "BtnPaste", "BtnCopy", "BtnMail"})
            QVERIFY2(!h.button(name)->icon().pixmap(24).isNull(), name);
        QVERIFY(h.pane("TxtOri")->testAttribute(Qt::WA_InputMethodEnabled));
        for (const char *box : {"TxtMgn", "TxtH", "TxtWidth"})
            QVERIFY(!h.box(box)->testAttribute(Qt::WA_InputMethodEnabled));
        QVERIFY(!h.bar("ScrWidth")->isEnabled() && !h.box("TxtWidth")->isEnabled());
    }

    void resizeSharesTheWidthAndStopsEarlyForTooSmallWindows() {
        WindowHarness h;
        Form1 &form = h.open();
        resizeOuter(form, 600, 400); // 9000 x 6000 twips
        const QRect source = h.pane("TxtOri")->geometry();
        const QRect tate = h.pane("TxtTate")->geometry();
        QCOMPARE(source, QRect(0, px(1020), px(3888), px(4342.5)));
        QCOMPARE(tate, QRect(px(4989.6), px(1020), px(3888), px(4342.5)));
        QCOMPARE(h.bar("ScrWidth")->geometry(), QRect(px(6544.8), px(720), px(2332.8), px(255)));
        QCOMPARE(h.button("BtnPaste")->pos(), QPoint(px(120), px(120)));

        resizeOuter(form, 80, 400); // narrower than two convert buttons: nothing moves
        QCOMPARE(h.pane("TxtOri")->geometry(), source);
        QCOMPARE(h.pane("TxtTate")->geometry(), tate);
        resizeOuter(form, 300, 100); // too low: only the source pane's width and top change
        QCOMPARE(h.pane("TxtOri")->width(), px((4500 - 1224) * 0.5));
        QCOMPARE(h.pane("TxtOri")->height(), source.height());
        QCOMPARE(h.pane("TxtTate")->geometry(), tate);
        resizeOuter(form, 600, 400);
        QCOMPARE(h.pane("TxtOri")->geometry(), source);
    }

    void panesShowFullWidthCharactersTwiceAsWideAsHalfWidth() {
        WindowHarness h;
        h.open();
        for (const char *name : {"TxtOri", "TxtTate"}) {
            const QFontMetricsF metrics(h.pane(name)->font());
            QCOMPARE(metrics.horizontalAdvance(QStringLiteral("縦")),
                     2 * metrics.horizontalAdvance(QStringLiteral("a")));
            QCOMPARE(metrics.horizontalAdvance(QStringLiteral("｜")),
                     2 * metrics.horizontalAdvance(QStringLiteral(" ")));
            QCOMPARE(QFontInfo(h.pane(name)->font()).pointSize(), 9);
        }
    }

    void fontChangeWarnsFirstAndAppliesTheChoiceToTheVerticalPaneOnly() {
        WindowHarness h;
        Form1 &form = h.open();
        const QFont before = h.pane("TxtTate")->font();
        const QColor sourceColor = h.pane("TxtOri")->palette().color(QPalette::Text);
        form.FontChange(); // cancelled
        QCOMPARE(h.dialogs.messages.size(), 1);
        QCOMPARE(h.dialogs.messages[0].text,
                 QStringLiteral("フォントによっては表示がおかしくなります"));
        QCOMPARE(h.dialogs.messages[0].icon, tovalo::platform::MessageIcon::None);
        QCOMPARE(h.dialogs.fontDialogs.size(), 1);
        QCOMPARE(h.dialogs.fontDialogs[0].font, before); // opens on the pane's own font
        QCOMPARE(h.pane("TxtTate")->font(), before);

        QFont chosen(QStringLiteral("DejaVu Sans"), 12);
        chosen.setBold(true);
        chosen.setItalic(true);
        chosen.setUnderline(true);
        chosen.setStrikeOut(true);
        h.dialogs.fontAnswer = tovalo::platform::FontChoice{chosen, Qt::red};
        form.FontChange();
        QCOMPARE(h.dialogs.messages.size(), 2);
        const QFont font = h.pane("TxtTate")->font();
        QVERIFY(font.family() == chosen.family() && font.pointSize() == 12);
        QVERIFY(font.bold() && font.italic() && font.underline() && font.strikeOut());
        QCOMPARE(h.pane("TxtTate")->palette().color(QPalette::Text), QColor(Qt::red));
        QCOMPARE(h.pane("TxtOri")->font(), before);
        QCOMPARE(h.pane("TxtOri")->palette().color(QPalette::Text), sourceColor);
    }

    void paneTextHasCrLfLineBreaksAndReportsOnlyRealChanges() {
        WindowHarness h;
        h.open();
        Pane *pane = h.pane("TxtOri");
        QSignalSpy changes(pane, &Pane::changed);
        typeAtEnd(pane, QStringLiteral("あい"));
        QTest::keyClick(pane, Qt::Key_Return);
        typeAtEnd(pane, QStringLiteral("う"));
        QCOMPARE(q(pane->text()), QStringLiteral("あい\r\nう"));
        QCOMPARE(changes.count(), 3);
        pane->setText(u"a\nb\rc\r\nd");
        QCOMPARE(q(pane->text()), QStringLiteral("a\r\nb\r\nc\r\nd"));
        QCOMPARE(pane->blockCount(), 4);
        pane->setText(u"a\r\nb\r\nc\nd"); // the same text once its line breaks are CR LF
        pane->selectAll();
        pane->insertPlainText(QStringLiteral("a\nb\nc\nd")); // pasted over itself
        QCOMPARE(changes.count(), 4);
        pane->setText(u"");
        QCOMPARE(changes.count(), 5);
    }

    void programRewriteKeepsTheCaretClamped() {
        WindowHarness h;
        h.open();
        Pane *pane = h.pane("TxtOri");
        // Inside the text that stays, and beyond its new end.
        for (const auto &[caret, after] : {std::pair{1, 1}, std::pair{5, 3}}) {
            pane->setText(u"あいう  ");
            QTextCursor cursor = pane->textCursor();
            cursor.setPosition(caret);
            pane->setTextCursor(cursor);
            click(h.button("Command1"));
            QCOMPARE(h.paneText("TxtOri"), QStringLiteral("あいう"));
            QCOMPARE(pane->textCursor().position(), after);
        }
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
