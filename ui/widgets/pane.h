#pragma once

#include <QPlainTextEdit>

#include <optional>
#include <string>
#include <string_view>

namespace tovalo::ui {

// A multi-line text box as the program's logic sees it: its text has CR LF line
// breaks, and it reports a change only when the text really changes.
class Pane : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit Pane(QWidget *parent = nullptr);

    const std::u16string &text() const { return text_; }
    // The selected part of the text, with CR LF line breaks like the text.
    std::u16string selectedText() const;

    // Replaces the text when it differs from the current one, reports the change at
    // once, and keeps the caret and the scroll position where they were (clamped to
    // the new text). The undo history starts anew, as after any program rewrite.
    void setText(std::u16string_view text);

    // Replaces the whole text as the user's own edit would: one step that undo takes
    // back, the caret after the new text, the change reported at once.
    void replaceAllAsEdit(std::u16string_view text);

    // Scrolls to the first line and the right end of the lines, where vertical text
    // begins; the caret stays where it is. A pane not shown yet does so when it is shown.
    void showFirstLineRightEnd();

    // Enlarges (+1) or shrinks (-1) the shown text by one step, or returns it to the size
    // it had before the first step (0). The pane's font as the program set it stays the
    // one that resetting returns to.
    void zoom(int direction);

signals:
    void changed();
    // A file was dropped on the pane; the pane's text stays as it was.
    void fileDropped(const QString &path);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    // Ctrl with the mouse wheel zooms.
    void wheelEvent(QWheelEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void documentEdited();
    std::u16string documentText() const;
    void replaceLines(std::u16string_view text);

    std::u16string text_;
    bool rewriting_ = false;
    bool startWhenShown_ = false;       // showFirstLineRightEnd waits for the pane to be shown
    std::optional<QFont> unzoomedFont_; // while zoomed
};

} // namespace tovalo::ui
