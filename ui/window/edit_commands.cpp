// The edit menu and the copy and paste buttons: selections of the two panes and the
// clipboard's text.
#include "ui/window/window_commands.h"

#include "html/html_export.h"
#include "platform/qt/clipboard.h"
#include "ui/widgets/pane.h"

#include <QTextCursor>

namespace tovalo::ui {

void WindowCommands::selectAll(Pane &pane) {
    pane.selectAll();
    pane.setFocus();
}

void WindowCommands::copySelection(Pane &pane) {
    services_.clipboard.clear();
    services_.clipboard.setText(QString::fromStdU16String(pane.selectedText()));
}

// Replaces the selection, or inserts at the caret, as typing would.
void WindowCommands::MnuPaste() {
    QString text = services_.clipboard.text();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QTextCursor cursor = controls_.TxtOri.textCursor();
    cursor.insertText(text);
    controls_.TxtOri.setTextCursor(cursor);
}

void WindowCommands::MnuCut() {
    copySelection(controls_.TxtOri);
    QTextCursor cursor = controls_.TxtOri.textCursor();
    cursor.removeSelectedText();
    controls_.TxtOri.setTextCursor(cursor);
}

void WindowCommands::MnuCopyAll() {
    services_.clipboard.clear();
    services_.clipboard.setText(QString::fromStdU16String(controls_.TxtTate.text()));
}

void WindowCommands::MnuTagCopy() {
    services_.clipboard.clear();
    services_.clipboard.setText(
        QString::fromStdU16String(html::taggedFragment(controls_.TxtTate.text())));
}

// Replaces the whole source text as one edit, which undo takes back.
void WindowCommands::BtnPaste() {
    controls_.TxtOri.replaceAllAsEdit(services_.clipboard.text().toStdU16String());
}

void WindowCommands::BtnCopyPressed(bool onlyShift) {
    if (onlyShift)
        MnuTagCopy();
    else
        MnuCopyAll();
}

} // namespace tovalo::ui
