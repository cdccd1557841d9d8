// The edit menu, the copy and paste buttons, and undoing a replaced source text.
#include "menu_action.h"

#include "platform/text/cp932.h"
#include "ui/widgets/pane.h"

#include <QCheckBox>
#include <QPushButton>

using namespace tovalo::ui;
using namespace tovalo::ui::test;
using namespace tovalo::ui::test;

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
    // Select all also focuses the pane; copying or cutting nothing leaves the clipboard
    // empty. Cutting is an edit of the source text.
    void selectAllCopyAndCutActOnTheirPane_data() {
        QTest::addColumn<QByteArray>("all");
        QTest::addColumn<QByteArray>("copy");
        QTest::addColumn<QByteArray>("pane");
        QTest::addColumn<QString>("left"); // the pane's text after copying
        QTest::newRow("source") << QByteArray("MnuAll") << QByteArray("MnuCopy")
                                << QByteArray("TxtOri") << "あい\r\nうえ";
        QTest::newRow("cut") << QByteArray("MnuAll") << QByteArray("MnuCut") << QByteArray("TxtOri")
                             << "あえ";
        QTest::newRow("vertical") << QByteArray("MnuAll2") << QByteArray("MnuCopy2")
                                  << QByteArray("TxtTate") << "あい\r\nうえ";
    }
    void selectAllCopyAndCutActOnTheirPane() {
        QFETCH(QByteArray, all);
        QFETCH(QByteArray, copy);
        QFETCH(QByteArray, pane);
        QFETCH(QString, left);
        OpenWindow h;
        QApplication::setActiveWindow(&h.form());
        h.find<QCheckBox>("ChkAuto")->setChecked(true);
        Pane *shown = h.pane(pane.constData());
        shown->setText(u"あい\r\nうえ");
        h.find<QCheckBox>("ChkAuto")->setFocus();
        h.choose(all.constData());
        QCOMPARE(q(shown->selectedText()), QStringLiteral("あい\r\nうえ"));
        QTRY_COMPARE(QApplication::focusWidget(), shown);
        select(shown, 1, 3); // い, the line break and う
        h.choose(copy.constData());
        QCOMPARE(h.clipboard.text(), QStringLiteral("い\r\nう"));
        QCOMPARE(h.clipboard.clearCount, 1);
        select(shown, 1, 0);
        h.choose(copy.constData());
        QCOMPARE(h.clipboard.text(), QString());
        QCOMPARE(q(shown->text()), left);
        if (shown == h.pane("TxtOri"))
            QCOMPARE(h.paneText("TxtTate"), convertedNow(h.form()));
    }

    // The menu replaces the selection, the button the whole source text, and either
    // reconverts. A clipboard without text pastes nothing.
    void pasteReplacesTheSelectionOrTheWholeText_data() {
        QTest::addColumn<bool>("button");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<bool>("holdsText");
        QTest::addColumn<QString>("result");
        QTest::newRow("menu, CR LF") << false << "x\r\ny" << true << "あx\r\nyえ";
        QTest::newRow("menu, lone LF and CR") << false << "x\ny\rz" << true << "あx\r\ny\r\nzえ";
        QTest::newRow("menu, no text") << false << "" << false << "あえ";
        QTest::newRow("button") << true << "新\nい" << true << "新\r\nい";
        QTest::newRow("button, no text") << true << "" << false << "";
    }
    void pasteReplacesTheSelectionOrTheWholeText() {
        QFETCH(bool, button);
        QFETCH(QString, clipboard);
        QFETCH(bool, holdsText);
        QFETCH(QString, result);
        OpenWindow h;
        h.find<QCheckBox>("ChkAuto")->setChecked(true);
        h.pane("TxtOri")->setText(u"あいうえ");
        select(h.pane("TxtOri"), 1, 2);
        h.clipboard.content = clipboard;
        h.clipboard.holdsText = holdsText;
        if (button)
            click(h.find<QPushButton>("BtnPaste"));
        else
            h.choose("MnuPaste");
        QCOMPARE(h.paneText("TxtOri"), result);
        QCOMPARE(h.find<QPushButton>("Command1")->isEnabled(), !result.isEmpty());
        if (!result.isEmpty())
            QCOMPARE(h.paneText("TxtTate"), convertedNow(h.form()));
    }

    // The paste button and "開く" replace the whole source text as one edit that Ctrl+Z
    // takes back, with or without automatic update, even when the new text ends in blanks
    // that a conversion would trim.
    void replacingTheWholeSourceIsUndone_data() {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<QString>("newText");
        for (const char *command : {"BtnPaste", "MnuOpen"}) {
            for (const bool automatic : {false, true}) {
                const QByteArray name =
                    QByteArray(command) + (automatic ? ", automatic update" : "");
                QTest::newRow(name.constData()) << QByteArray(command) << automatic << "新\r\nい";
                QTest::newRow(QByteArray(name + ", trailing blanks").constData())
                    << QByteArray(command) << automatic << "新 \r\n\r\n";
            }
        }
    }
    void replacingTheWholeSourceIsUndone() {
        QFETCH(QByteArray, command);
        QFETCH(bool, automatic);
        QFETCH(QString, newText);
        OpenWindow h;
        h.find<QCheckBox>("ChkAuto")->setChecked(automatic);
        Pane *source = h.pane("TxtOri");
        source->setText(u"もとの\r\n文章");
        h.clipboard.setText(newText);
        h.files.contents[QStringLiteral("/t/new.txt")] =
            QByteArray::fromStdString(tovalo::text::toCp932(newText.toStdU16String()));
        h.dialogs.fileAnswer = QStringLiteral("/t/new.txt");
        if (command == "BtnPaste")
            click(h.find<QPushButton>("BtnPaste"));
        else
            h.choose("MnuOpen");
        QCOMPARE(h.paneText("TxtOri"), newText);
        if (automatic)
            QCOMPARE(h.paneText("TxtTate"), convertedNow(h.form()));

        QTest::keyClick(source, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(h.paneText("TxtOri"), QStringLiteral("もとの\r\n文章"));
        if (automatic)
            QCOMPARE(h.paneText("TxtTate"), convertedNow(h.form()));
        source->redo();
        QCOMPARE(h.paneText("TxtOri"), newText);
    }

    // The menu entries copy the whole text whatever is selected. The button does so on
    // the press alone, of any mouse button, tagged only with Shift alone.
    void copyAllAndTagCopyTakeTheWholeVerticalText_data() {
        QTest::addColumn<QByteArray>("entry"); // empty: the button
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("tagged");
        QTest::newRow("menu, all") << QByteArray("MnuCopyAll") << 0 << false;
        QTest::newRow("menu, tagged") << QByteArray("MnuTagCopy") << 0 << true;
        QTest::newRow("button") << QByteArray() << 0 << false;
        QTest::newRow("Shift") << QByteArray() << int(Qt::ShiftModifier) << true;
        QTest::newRow("Ctrl") << QByteArray() << int(Qt::ControlModifier) << false;
        QTest::newRow("Alt") << QByteArray() << int(Qt::AltModifier) << false;
        QTest::newRow("Shift+Ctrl")
            << QByteArray() << int(Qt::ShiftModifier | Qt::ControlModifier) << false;
        QTest::newRow("Shift+Alt")
            << QByteArray() << int(Qt::ShiftModifier | Qt::AltModifier) << false;
    }
    void copyAllAndTagCopyTakeTheWholeVerticalText() {
        QFETCH(QByteArray, entry);
        QFETCH(int, modifiers);
        QFETCH(bool, tagged);
        const QString copied = tagged
                                   ? kOpenTag + QStringLiteral("縦&lt;\r\n&amp;書\r\n</Font></Pre>")
                                   : QStringLiteral("縦<\r\n&書");
        OpenWindow h;
        h.pane("TxtTate")->setText(u"縦<\r\n&書");
        select(h.pane("TxtTate"), 0, 1);
        if (!entry.isEmpty()) {
            h.choose(entry.constData());
            QCOMPARE(h.clipboard.text(), copied);
            return;
        }
        auto *copy = h.find<QPushButton>("BtnCopy");
        const Qt::KeyboardModifiers held(modifiers);
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
            h.clipboard.content.clear();
            QTest::mousePress(copy, button, held);
            QCOMPARE(h.clipboard.text(), copied);
            QTest::mouseRelease(copy, button, held);
        }
        QCOMPARE(h.clipboard.clearCount, 3);
    }

    // The copy and mail buttons react to the mouse only.
    void pictureButtonsIgnoreTheKeyboard() {
        OpenWindow h;
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
        QVERIFY(h.form().settings().mailProgram.empty());
    }
};

QTEST_MAIN(EditCommandsTest)
#include "edit_commands_test.moc"
