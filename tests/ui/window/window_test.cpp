// The main window's controls, layout, fonts and panes.
#include "window_harness.h"

#include <QAccessible>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QSignalSpy>
#include <QStatusBar>

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

void everyControlIsWhole(Form1 &form) {
    QWidget *client = form.centralWidget();
    for (QWidget *control : client->findChildren<QWidget *>())
        QVERIFY2(client->rect().contains(control->mapTo(client, control->rect().bottomRight())),
                 qPrintable(control->objectName()));
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

    // The first window shows every control whole, the frame at the top right included; so
    // does a window made very small, which stops at the size where every control fits.
    void resizeSharesTheWidthAndKeepsEveryControlWhole() {
        WindowHarness h;
        Form1 &form = h.open();
        everyControlIsWhole(form);
        resizeOuter(form, 600, 400); // 9000 x 6000 twips
        const QRect source = h.pane("TxtOri")->geometry();
        const QRect tate = h.pane("TxtTate")->geometry();
        // The status line at the bottom takes its height from the panes.
        const double status = form.statusBar()->sizeHint().height() * 15.0;
        QCOMPARE(source, QRect(0, px(1020), px(3888), px(4342.5 - status)));
        QCOMPARE(tate, QRect(px(4989.6), px(1020), px(3888), px(4342.5 - status)));
        QCOMPARE(h.bar("ScrWidth")->geometry(), QRect(px(6544.8), px(720), px(2332.8), px(255)));
        QCOMPARE(h.button("BtnPaste")->pos(), QPoint(px(120), px(120)));

        for (const QSize small : {QSize(80, 400), QSize(300, 100)}) {
            resizeOuter(form, small.width(), small.height());
            everyControlIsWhole(form);
        }
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

    // After a conversion the vertical pane shows where a reader begins: the first row and
    // the right end of the rows; the caret stays where it was.
    void conversionShowsTheStartOfTheVerticalText() {
        WindowHarness h;
        h.open();
        Pane *tate = h.pane("TxtTate");
        h.pane("TxtOri")->setText(std::u16string(3000, u'あ'));
        replaceBoxText(h.box("TxtH"), QStringLiteral("40"));
        tate->verticalScrollBar()->setValue(tate->verticalScrollBar()->maximum());
        tate->horizontalScrollBar()->setValue(0);
        QTextCursor caret = tate->textCursor();
        caret.setPosition(5);
        tate->setTextCursor(caret);
        click(h.button("Command1"));
        QVERIFY(tate->horizontalScrollBar()->maximum() > 0);
        QCOMPARE(tate->horizontalScrollBar()->value(), tate->horizontalScrollBar()->maximum());
        QCOMPARE(tate->verticalScrollBar()->value(), 0);
        QCOMPARE(tate->textCursor().position(), 5);
    }

    // The manual converted at start-up, before the window is shown, also shows its start
    // when the window appears.
    void manualStartShowsTheStartOfTheVerticalText() {
        WindowHarness h;
        h.putManual(std::u16string(3000, u'あ'));
        h.open();
        QVERIFY(QTest::qWaitForWindowExposed(&h.form()));
        Pane *tate = h.pane("TxtTate");
        QTRY_VERIFY(tate->horizontalScrollBar()->maximum() > 0);
        QTRY_COMPARE(tate->horizontalScrollBar()->value(), tate->horizontalScrollBar()->maximum());
        QCOMPARE(tate->verticalScrollBar()->value(), 0);
    }

    // Screen readers say what a sighted user reads; scripts find the control's name in
    // the description.
    void controlsAreNamedAsTheUserReadsThem() {
        const std::pair<const char *, const char16_t *> names[] = {
            {"TxtOri", u"もとの文章"},    {"TxtTate", u"縦書き"},    {"Command1", u"変換"},
            {"BtnMphone", u"携帯電話用"}, {"BtnPaste", u"貼り付け"}, {"BtnCopy", u"コピー"},
            {"BtnMail", u"メールソフト"}, {"ChkAuto", u"自動更新"},  {"ChkSpc", u"行を空ける"},
            {"ChkWidth", u"行数"},        {"TxtMgn", u"余白"},       {"TxtH", u"本文"},
            {"TxtWidth", u"行数"},        {"ScrMgn", u"余白"},       {"ScrHeight", u"本文"},
            {"ScrWidth", u"行数"},        {"LblChars", u"文字数"},
        };
        WindowHarness h;
        h.open();
        for (const auto &[control, name] : names) {
            QAccessibleInterface *accessible =
                QAccessible::queryAccessibleInterface(h.find<QWidget>(control));
            QVERIFY2(accessible, control);
            QCOMPARE(accessible->text(QAccessible::Name), QString::fromUtf16(name));
            QCOMPARE(accessible->text(QAccessible::Description), QString::fromLatin1(control));
        }
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
