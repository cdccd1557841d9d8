// The edit menu, the copy and paste buttons, and undoing a replaced source text.
#include "window_harness.h"

#include "platform/text/cp932.h"

using namespace tovalo::ui;
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

struct SelectCopy {
    const char *name;
    const char *all, *copy, *pane;
    QString left; // the pane's text after copying
};

struct Paste {
    const char *name;
    bool button;
    QString clipboard;
    bool holdsText;
    QString result;
};

struct CopyAll {
    const char *name;
    const char *entry; // nullptr: the button
    Qt::KeyboardModifiers modifiers;
    bool tagged;
};

} // namespace

class EditCommandsTest : public QObject {
    Q_OBJECT
private slots:
    // Select all also focuses the pane; copying or cutting nothing leaves the clipboard
    // empty. Cutting is an edit of the source text.
    void selectAllCopyAndCutActOnTheirPane_data() {
        const SelectCopy rows[] = {
            {"source", "MnuAll", "MnuCopy", "TxtOri", "あい\r\nうえ"},
            {"cut", "MnuAll", "MnuCut", "TxtOri", "あえ"},
            {"vertical", "MnuAll2", "MnuCopy2", "TxtTate", "あい\r\nうえ"},
        };
        addRows(rows);
    }
    void selectAllCopyAndCutActOnTheirPane() {
        QFETCH(SelectCopy, row);
        OpenWindow h;
        QApplication::setActiveWindow(&h.form());
        h.check("ChkAuto")->setChecked(true);
        Pane *shown = h.pane(row.pane);
        shown->setText(u"あい\r\nうえ");
        h.check("ChkAuto")->setFocus();
        h.choose(row.all);
        QCOMPARE(q(shown->selectedText()), QStringLiteral("あい\r\nうえ"));
        QTRY_COMPARE(QApplication::focusWidget(), shown);
        select(shown, 1, 3); // い, the line break and う
        h.choose(row.copy);
        QCOMPARE(h.clipboard.text(), QStringLiteral("い\r\nう"));
        QCOMPARE(h.clipboard.clearCount, 1);
        select(shown, 1, 0);
        h.choose(row.copy);
        QCOMPARE(h.clipboard.text(), QString());
        QCOMPARE(q(shown->text()), row.left);
        if (shown == h.pane("TxtOri"))
            QCOMPARE(h.paneText("TxtTate"), convertedNow(h.form()));
    }

    // The menu replaces the selection, the button the whole source text, and either
    // reconverts. A clipboard without text pastes nothing.
    void pasteReplacesTheSelectionOrTheWholeText_data() {
        const Paste rows[] = {
            {"menu, CR LF", false, "x\r\ny", true, "あx\r\nyえ"},
            {"menu, lone LF and CR", false, "x\ny\rz", true, "あx\r\ny\r\nzえ"},
            {"menu, no text", false, "", false, "あえ"},
            {"button", true, "新\nい", true, "新\r\nい"},
            {"button, no text", true, "", false, ""},
        };
        addRows(rows);
    }
    void pasteReplacesTheSelectionOrTheWholeText() {
        QFETCH(Paste, row);
        OpenWindow h;
        h.check("ChkAuto")->setChecked(true);
        h.pane("TxtOri")->setText(u"あいうえ");
        select(h.pane("TxtOri"), 1, 2);
        h.clipboard.content = row.clipboard;
        h.clipboard.holdsText = row.holdsText;
        if (row.button)
            click(h.button("BtnPaste"));
        else
            h.choose("MnuPaste");
        QCOMPARE(h.paneText("TxtOri"), row.result);
        QCOMPARE(h.button("Command1")->isEnabled(), !row.result.isEmpty());
        if (!row.result.isEmpty())
            QCOMPARE(h.paneText("TxtTate"), convertedNow(h.form()));
    }

    // The paste button and "開く" replace the whole source text as one edit that Ctrl+Z
    // takes back, with or without automatic update, even when the new text ends in blanks
    // that a conversion would trim.
    void replacingTheWholeSourceIsUndone_data() {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<QString>("newText");
        for (const char *command : {"BtnPaste", "MnuOpen"})
            for (const bool automatic : {false, true})
                for (const QString &newText :
                     {QStringLiteral("新\r\nい"), QStringLiteral("新 \r\n\r\n")})
                    QTest::addRow("%s%s%s", command, automatic ? ", automatic update" : "",
                                  newText.endsWith(u'い') ? "" : ", trailing blanks")
                        << QByteArray(command) << automatic << newText;
    }
    void replacingTheWholeSourceIsUndone() {
        QFETCH(QByteArray, command);
        QFETCH(bool, automatic);
        QFETCH(QString, newText);
        OpenWindow h;
        h.check("ChkAuto")->setChecked(automatic);
        Pane *source = h.pane("TxtOri");
        source->setText(u"もとの\r\n文章");
        h.clipboard.setText(newText);
        h.files.contents[QStringLiteral("/t/new.txt")] =
            QByteArray::fromStdString(tovalo::text::toCp932(newText.toStdU16String()));
        h.dialogs.fileAnswer = QStringLiteral("/t/new.txt");
        if (command == "BtnPaste")
            click(h.button("BtnPaste"));
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
        const CopyAll rows[] = {
            {"menu, all", "MnuCopyAll", Qt::NoModifier, false},
            {"menu, tagged", "MnuTagCopy", Qt::NoModifier, true},
            {"button", nullptr, Qt::NoModifier, false},
            {"Shift", nullptr, Qt::ShiftModifier, true},
            {"Ctrl", nullptr, Qt::ControlModifier, false},
            {"Alt", nullptr, Qt::AltModifier, false},
            {"Shift+Ctrl", nullptr, Qt::ShiftModifier | Qt::ControlModifier, false},
            {"Shift+Alt", nullptr, Qt::ShiftModifier | Qt::AltModifier, false},
        };
        addRows(rows);
    }
    void copyAllAndTagCopyTakeTheWholeVerticalText() {
        QFETCH(CopyAll, row);
        const QString copied = row.tagged
                                   ? kOpenTag + QStringLiteral("縦&lt;\r\n&amp;書\r\n</Font></Pre>")
                                   : QStringLiteral("縦<\r\n&書");
        OpenWindow h;
        h.pane("TxtTate")->setText(u"縦<\r\n&書");
        select(h.pane("TxtTate"), 0, 1);
        if (row.entry) {
            h.choose(row.entry);
            QCOMPARE(h.clipboard.text(), copied);
            return;
        }
        QPushButton *copy = h.button("BtnCopy");
        const Qt::KeyboardModifiers held = row.modifiers;
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
            QPushButton *button = h.button(name);
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
