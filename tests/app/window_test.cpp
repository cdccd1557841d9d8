// The main window's controls, layout, fonts and panes.
#include "window_harness.h"

#include "app/pane.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace tovalo::app;
using namespace tovalo::app::test;

namespace {

// Pixels of a length in twips at the test screen's 96 dots per inch.
int px(double twips) {
    return qRound(twips / 15);
}

// Resizes the window so that its outer size, frame included, is the given one.
void resizeOuter(QWidget &window, int width, int height) {
    const QSize frame = window.frameGeometry().size() - window.size();
    window.resize(QSize(width, height) - frame);
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(WindowHarness().open().logicalDpiX(), 96); }

    void everyControlCarriesItsNameAndCaption_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        for (const char *name :
             {"TxtOri", "TxtTate", "Command1", "BtnMphone", "BtnPaste", "BtnCopy", "BtnMail",
              "FrameR", "TxtMgn", "TxtH", "TxtWidth", "ScrMgn", "ScrWidth", "ScrHeight"})
            QTest::newRow(name) << QString::fromLatin1(name) << QString();
        QTest::newRow("ChkAuto") << QStringLiteral("ChkAuto") << QStringLiteral("自動更新");
        QTest::newRow("ChkSpc") << QStringLiteral("ChkSpc") << QStringLiteral("行を空ける");
        QTest::newRow("ChkWidth") << QStringLiteral("ChkWidth") << QStringLiteral("行数");
        QTest::newRow("LblChars") << QStringLiteral("LblChars") << QStringLiteral("文字数");
        QTest::newRow("LblMgn") << QStringLiteral("LblMgn") << QStringLiteral("余白");
        QTest::newRow("LblBody") << QStringLiteral("LblBody") << QStringLiteral("本文");
    }
    void everyControlCarriesItsNameAndCaption() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        WindowHarness h;
        Form1 &form = h.open();
        auto *control = form.findChild<QWidget *>(name);
        QVERIFY(control);
        QCOMPARE(control->accessibleName(), name);
        if (auto *box = qobject_cast<QCheckBox *>(control))
            QCOMPARE(box->text(), caption);
        if (auto *label = qobject_cast<QLabel *>(control))
            QCOMPARE(label->text(), caption);
        if (auto *button = qobject_cast<QPushButton *>(control)) {
            QVERIFY(!button->icon().isNull());
            QVERIFY(!button->icon().pixmap(24).isNull());
        }
    }

    void opensWithTheInitialStates() {
        WindowHarness h;
        Form1 &form = h.open();
        QCOMPARE(form.windowTitle(), QStringLiteral("Tovalo"));
        QCOMPARE(form.centralWidget()->size(), QSize(516, 324));
        QVERIFY(!h.find<QScrollBar>("ScrWidth")->isEnabled());
        QVERIFY(h.find<QCheckBox>("ChkSpc")->isChecked());
        QVERIFY(h.pane("TxtOri")->testAttribute(Qt::WA_InputMethodEnabled));
        for (const char *box : {"TxtMgn", "TxtH", "TxtWidth"})
            QVERIFY(!h.find<QLineEdit>(box)->testAttribute(Qt::WA_InputMethodEnabled));
    }

    void resizeSharesTheWidthBetweenThePanes() {
        WindowHarness h;
        Form1 &form = h.open();
        resizeOuter(form, 600, 400); // 9000 x 6000 twips
        QCOMPARE(h.pane("TxtOri")->geometry(), QRect(0, px(1020), px(3888), px(4342.5)));
        QCOMPARE(h.pane("TxtTate")->geometry(), QRect(px(4989.6), px(1020), px(3888), px(4342.5)));
        QCOMPARE(h.find<QWidget>("Command1")->x(), px(4194));
        QCOMPARE(h.find<QWidget>("BtnMphone")->x(), px(4194));
        QCOMPARE(h.find<QWidget>("ScrMgn")->geometry(),
                 QRect(px(4989.6), px(720), px(1555.2), px(255)));
        QCOMPARE(h.find<QWidget>("ScrWidth")->geometry(),
                 QRect(px(6544.8), px(720), px(2332.8), px(255)));
        QCOMPARE(h.find<QWidget>("FrameR")->x(), px(4989.6));
        QCOMPARE(h.find<QWidget>("ScrHeight")->x(), px(4737.6));
        QCOMPARE(h.find<QWidget>("BtnPaste")->pos(), QPoint(px(120), px(120)));
    }

    void tooSmallWindowsStopTheLayoutEarly() {
        WindowHarness h;
        Form1 &form = h.open();
        resizeOuter(form, 600, 400);
        const QRect tate = h.pane("TxtTate")->geometry();
        const QRect source = h.pane("TxtOri")->geometry();

        resizeOuter(form, 80, 400); // narrower than two convert buttons: nothing moves
        QCOMPARE(h.pane("TxtOri")->geometry(), source);
        QCOMPARE(h.pane("TxtTate")->geometry(), tate);

        resizeOuter(form, 300, 100); // too low: only the source pane's width and top change
        QCOMPARE(h.pane("TxtOri")->width(), px((4500 - 1224) * 0.5));
        QCOMPARE(h.pane("TxtOri")->height(), source.height());
        QCOMPARE(h.pane("TxtTate")->geometry(), tate);

        resizeOuter(form, 600, 400);
        QCOMPARE(h.pane("TxtTate")->geometry(), tate);
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

    void fontChangeWarnsFirstAndKeepsTheFontOnCancel() {
        WindowHarness h;
        Form1 &form = h.open();
        const QFont before = h.pane("TxtTate")->font();
        form.FontChange();
        QCOMPARE(h.dialogs.messages.size(), 1);
        QCOMPARE(h.dialogs.messages[0].text,
                 QStringLiteral("フォントによっては表示がおかしくなります"));
        QCOMPARE(h.dialogs.messages[0].caption, QStringLiteral("Tovalo"));
        QCOMPARE(h.dialogs.messages[0].icon, tovalo::platform::MessageIcon::None);
        QCOMPARE(h.dialogs.fontDialogs.size(), 1);
        QCOMPARE(h.dialogs.fontDialogs[0].font, before); // opens on the pane's own font
        QCOMPARE(h.pane("TxtTate")->font(), before);
    }

    void fontChangeAppliesFaceSizeStyleAndColourToTheVerticalPaneOnly() {
        WindowHarness h;
        Form1 &form = h.open();
        const QFont sourceFont = h.pane("TxtOri")->font();
        const QColor sourceColor = h.pane("TxtOri")->palette().color(QPalette::Text);
        QFont chosen(QStringLiteral("DejaVu Sans"), 12);
        chosen.setBold(true);
        chosen.setItalic(true);
        chosen.setUnderline(true);
        chosen.setStrikeOut(true);
        h.dialogs.fontAnswer = tovalo::platform::FontChoice{chosen, Qt::red};
        form.FontChange();
        const QFont font = h.pane("TxtTate")->font();
        QCOMPARE(font.family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(font.pointSize(), 12);
        QVERIFY(font.bold() && font.italic() && font.underline() && font.strikeOut());
        QCOMPARE(h.pane("TxtTate")->palette().color(QPalette::Text), QColor(Qt::red));
        QCOMPARE(h.pane("TxtOri")->font(), sourceFont);
        QCOMPARE(h.pane("TxtOri")->palette().color(QPalette::Text), sourceColor);
    }

    void paneTextHasCrLfLineBreaks() {
        WindowHarness h;
        h.open();
        Pane *pane = h.pane("TxtOri");
        typeAtEnd(pane, QStringLiteral("あい"));
        QTest::keyClick(pane, Qt::Key_Return);
        typeAtEnd(pane, QStringLiteral("う"));
        QCOMPARE(q(pane->text()), QStringLiteral("あい\r\nう"));
        pane->setText(u"a\nb\rc\r\nd");
        QCOMPARE(q(pane->text()), QStringLiteral("a\r\nb\r\nc\r\nd"));
        QCOMPARE(pane->blockCount(), 4);
    }

    void paneReportsOnlyRealChanges() {
        WindowHarness h;
        h.open();
        Pane *pane = h.pane("TxtTate");
        QSignalSpy changes(pane, &Pane::changed);
        pane->setText(u"x\r\ny");
        pane->setText(u"x\r\ny");
        pane->setText(u"x\ny"); // the same text once its line break is made CR LF
        QCOMPARE(changes.count(), 1);
        pane->selectAll();
        pane->insertPlainText(QStringLiteral("x\ny")); // pasted over itself
        QCOMPARE(changes.count(), 1);
        pane->setText(u"");
        QCOMPARE(changes.count(), 2);
    }

    void programRewriteKeepsTheCaretClamped_data() {
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("after");
        QTest::newRow("inside the kept text") << 1 << 1;
        QTest::newRow("beyond the new end") << 5 << 3;
    }
    void programRewriteKeepsTheCaretClamped() {
        QFETCH(int, caret);
        QFETCH(int, after);
        WindowHarness h;
        h.open();
        Pane *pane = h.pane("TxtOri");
        typeAtEnd(pane, QStringLiteral("あいう  "));
        QTextCursor cursor = pane->textCursor();
        cursor.setPosition(caret);
        pane->setTextCursor(cursor);
        click(h.find<QPushButton>("Command1"));
        QCOMPARE(h.paneText("TxtOri"), QStringLiteral("あいう"));
        QCOMPARE(pane->textCursor().position(), after);
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
