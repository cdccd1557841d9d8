// The edit menu and the copy and paste buttons.
#include "menu_action.h"
#include "tests/app/window_harness.h"

#include "app/pane.h"

#include <QCheckBox>
#include <QPushButton>

using namespace tovalo::app;
using namespace tovalo::app::test;
using namespace tovalo::io::test;

namespace {

const QString kOpenTag =
    QStringLiteral("<PRE><Font face=\"FixedSys,ＭＳ ゴシック, Osaka－等幅, mono\">\r\n");

// Selects characters [start, start + length) of the pane's document.
void select(Pane *pane, int start, int length) {
    QTextCursor cursor = pane->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    pane->setTextCursor(cursor);
}

} // namespace

class EditCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void selectAllSelectsTheWholePaneAndFocusesIt_data() {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<QByteArray>("pane");
        QTest::newRow("source") << QByteArray("MnuAll") << QByteArray("TxtOri");
        QTest::newRow("vertical") << QByteArray("MnuAll2") << QByteArray("TxtTate");
    }
    void selectAllSelectsTheWholePaneAndFocusesIt() {
        QFETCH(QByteArray, entry);
        QFETCH(QByteArray, pane);
        WindowHarness h;
        Form1 &form = h.open();
        QApplication::setActiveWindow(&form);
        h.pane("TxtOri")->setText(u"あい\r\nう");
        h.pane("TxtTate")->setText(u"縦\r\n書\r\nき");
        h.find<QCheckBox>("ChkAuto")->setFocus();
        choose(form, entry.constData());
        Pane *shown = h.pane(pane.constData());
        QCOMPARE(q(shown->selectedText()), q(shown->text()));
        QTRY_COMPARE(QApplication::focusWidget(), shown);
    }

    void copiesPutTheSelectionWithCrLfOnTheClipboard_data() {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<QByteArray>("pane");
        QTest::newRow("source") << QByteArray("MnuCopy") << QByteArray("TxtOri");
        QTest::newRow("vertical") << QByteArray("MnuCopy2") << QByteArray("TxtTate");
    }
    void copiesPutTheSelectionWithCrLfOnTheClipboard() {
        QFETCH(QByteArray, entry);
        QFETCH(QByteArray, pane);
        WindowHarness h;
        Form1 &form = h.open();
        h.pane(pane.constData())->setText(u"あい\r\nうえ");
        select(h.pane(pane.constData()), 1, 3); // い, the line break and う
        choose(form, entry.constData());
        QCOMPARE(h.clipboard.text(), QStringLiteral("い\r\nう"));
        QCOMPARE(h.clipboard.clearCount, 1);

        select(h.pane(pane.constData()), 2, 0);
        choose(form, entry.constData());
        QCOMPARE(h.clipboard.text(), QString());
    }

    void cutMovesTheSelectionToTheClipboard() {
        WindowHarness h;
        Form1 &form = h.open();
        h.find<QCheckBox>("ChkAuto")->setChecked(true);
        h.pane("TxtOri")->setText(u"あい\r\nうえ");
        select(h.pane("TxtOri"), 1, 3);
        choose(form, "MnuCut");
        QCOMPARE(h.clipboard.text(), QStringLiteral("い\r\nう"));
        QCOMPARE(h.paneText("TxtOri"), QStringLiteral("あえ"));
        QVERIFY(h.paneText("TxtTate").contains(QStringLiteral("え"))); // reconverted

        select(h.pane("TxtOri"), 1, 0);
        choose(form, "MnuCut");
        QCOMPARE(h.clipboard.text(), QString());
        QCOMPARE(h.paneText("TxtOri"), QStringLiteral("あえ"));
    }

    void pasteReplacesTheSelection_data() {
        QTest::addColumn<bool>("holdsText");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("result");
        QTest::newRow("text with CR LF") << true << "x\r\ny"
                                         << "あx\r\nyえ";
        QTest::newRow("lone line feeds and returns") << true << "x\ny\rz"
                                                     << "あx\r\ny\r\nzえ";
        QTest::newRow("no text: the selection goes") << false << ""
                                                     << "あえ";
    }
    void pasteReplacesTheSelection() {
        QFETCH(bool, holdsText);
        QFETCH(QString, clipboard);
        QFETCH(QString, result);
        WindowHarness h;
        Form1 &form = h.open();
        h.pane("TxtOri")->setText(u"あいうえ");
        select(h.pane("TxtOri"), 1, 2);
        h.clipboard.content = clipboard;
        h.clipboard.holdsText = holdsText;
        choose(form, "MnuPaste");
        QCOMPARE(h.paneText("TxtOri"), result);
    }

    void pasteButtonReplacesTheWholeSourceText_data() {
        QTest::addColumn<bool>("holdsText");
        QTest::addColumn<QString>("result");
        QTest::newRow("text") << true << "新しい\r\n文章";
        QTest::newRow("no text: the pane empties") << false << "";
    }
    void pasteButtonReplacesTheWholeSourceText() {
        QFETCH(bool, holdsText);
        QFETCH(QString, result);
        WindowHarness h;
        h.open();
        h.find<QCheckBox>("ChkAuto")->setChecked(true);
        h.pane("TxtOri")->setText(u"古い文章");
        h.clipboard.content = QStringLiteral("新しい\n文章");
        h.clipboard.holdsText = holdsText;
        click(h.find<QPushButton>("BtnPaste"));
        QCOMPARE(h.paneText("TxtOri"), result);
        QCOMPARE(h.find<QPushButton>("Command1")->isEnabled(), !result.isEmpty());
        if (holdsText)
            QVERIFY(h.paneText("TxtTate").contains(QStringLiteral("新")));
    }

    void copyAllAndTagCopyTakeTheWholeVerticalText() {
        WindowHarness h;
        Form1 &form = h.open();
        h.pane("TxtTate")->setText(u"縦<\r\n&書");
        select(h.pane("TxtTate"), 0, 1);
        choose(form, "MnuCopyAll");
        QCOMPARE(h.clipboard.text(), QStringLiteral("縦<\r\n&書"));
        choose(form, "MnuTagCopy");
        QCOMPARE(h.clipboard.text(),
                 kOpenTag + QStringLiteral("縦&lt;\r\n&amp;書\r\n</Font></Pre>"));
        h.pane("TxtTate")->setText(u"");
        choose(form, "MnuTagCopy");
        QCOMPARE(h.clipboard.text(), kOpenTag + QStringLiteral("\r\n</Font></Pre>"));
        QCOMPARE(h.clipboard.clearCount, 3);
    }

    void copyButtonTagsOnlyWithShiftAlone_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("tagged");
        QTest::newRow("left") << int(Qt::LeftButton) << int(Qt::NoModifier) << false;
        QTest::newRow("right") << int(Qt::RightButton) << int(Qt::NoModifier) << false;
        QTest::newRow("middle") << int(Qt::MiddleButton) << int(Qt::NoModifier) << false;
        QTest::newRow("Shift") << int(Qt::LeftButton) << int(Qt::ShiftModifier) << true;
        QTest::newRow("Shift, right") << int(Qt::RightButton) << int(Qt::ShiftModifier) << true;
        QTest::newRow("Ctrl") << int(Qt::LeftButton) << int(Qt::ControlModifier) << false;
        QTest::newRow("Alt") << int(Qt::LeftButton) << int(Qt::AltModifier) << false;
        QTest::newRow("Shift+Ctrl")
            << int(Qt::LeftButton) << int(Qt::ShiftModifier | Qt::ControlModifier) << false;
        QTest::newRow("Shift+Alt")
            << int(Qt::LeftButton) << int(Qt::ShiftModifier | Qt::AltModifier) << false;
    }
    void copyButtonTagsOnlyWithShiftAlone() {
        QFETCH(int, button);
        QFETCH(int, modifiers);
        QFETCH(bool, tagged);
        WindowHarness h;
        h.open();
        h.pane("TxtTate")->setText(u"縦");
        auto *copy = h.find<QPushButton>("BtnCopy");
        QTest::mousePress(copy, Qt::MouseButton(button), Qt::KeyboardModifiers(modifiers));
        // It acts on the press alone.
        QCOMPARE(h.clipboard.text(),
                 tagged ? kOpenTag + QStringLiteral("縦\r\n</Font></Pre>") : QStringLiteral("縦"));
        QTest::mouseRelease(copy, Qt::MouseButton(button), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(h.clipboard.clearCount, 1);
    }

    // The copy and mail buttons react to the mouse only.
    void pictureButtonsIgnoreTheKeyboard() {
        WindowHarness h;
        Form1 &form = h.open();
        h.pane("TxtTate")->setText(u"縦");
        h.dialogs.fileAnswer = QStringLiteral("/usr/bin/mailer");
        for (const char *name : {"BtnCopy", "BtnMail"}) {
            auto *button = h.find<QPushButton>(name);
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Space);
            QTest::keyClick(button, Qt::Key_Return);
        }
        QCOMPARE(h.clipboard.clearCount, 0);
        QVERIFY(h.dialogs.fileDialogs.isEmpty());
        QVERIFY(form.shared().MailSoft.empty());
    }
};

QTEST_MAIN(EditCommandsTest)
#include "edit_commands_test.moc"
