#include "ui/widgets/pane.h"

#include "ui/widgets/dropped_file.h"
#include "ui/widgets/zoom.h"

#include <QAbstractTextDocumentLayout>
#include <QDropEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>
#include <QWheelEvent>
#include <QtMath>

#include <algorithm>
#include <vector>

namespace tovalo::ui {
namespace {

bool isDocumentBreak(char16_t c) {
    return c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == 0xFDD0 ||
           c == 0xFDD1;
}

// The text with every line break the document knows (CR, LF, CR LF and the Unicode
// separators) written as CR LF, as the document will hold it.
std::u16string withCrLfBreaks(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r' || c == u'\n' || isDocumentBreak(c)) {
            out += u"\r\n";
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            out += c;
        }
    }
    return out;
}

// The lines of a text whose line breaks are all CR LF.
std::vector<std::u16string_view> splitLines(std::u16string_view text) {
    std::vector<std::u16string_view> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(u"\r\n", start)) != std::u16string_view::npos;
         start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

QString toQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// The text as a cursor inserts it: every line break a lone LF, which starts a new line.
QString forInsertion(std::u16string_view crLfText) {
    QString text = toQString(crLfText);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

} // namespace

Pane::Pane(QWidget *parent) : QPlainTextEdit(parent) {
    connect(document(), &QTextDocument::contentsChanged, this, &Pane::documentEdited);
}

std::u16string Pane::documentText() const {
    const QString raw = document()->toRawText();
    std::u16string text;
    text.reserve(static_cast<std::size_t>(raw.size()) + static_cast<std::size_t>(blockCount()));
    for (QChar c : raw) {
        if (isDocumentBreak(c.unicode()))
            text += u"\r\n";
        else
            text += c.unicode();
    }
    return text;
}

std::u16string Pane::selectedText() const {
    return withCrLfBreaks(textCursor().selectedText().toStdU16String());
}

void Pane::documentEdited() {
    if (rewriting_)
        return;
    std::u16string now = documentText();
    if (now == text_)
        return;
    text_ = std::move(now);
    emit changed();
}

void Pane::setText(std::u16string_view text) {
    const std::u16string wanted = withCrLfBreaks(text);
    if (wanted == text_)
        return;
    const QTextCursor caret = textCursor();
    const int anchor = caret.anchor();
    const int position = caret.position();
    const int vertical = verticalScrollBar()->value();
    const int horizontal = horizontalScrollBar()->value();

    rewriting_ = true;
    document()->setUndoRedoEnabled(false);
    replaceLines(wanted);
    document()->setUndoRedoEnabled(true);
    // Lines keep their shaped glyphs once laid out, so that painting the long rows of a
    // vertical text does not shape them a second time.
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        block.layout()->setCacheEnabled(true);
    std::u16string now = documentText();
    rewriting_ = false;

    QTextCursor restored(document());
    const int last = document()->characterCount() - 1;
    restored.setPosition(std::min(anchor, last));
    restored.setPosition(std::min(position, last), QTextCursor::KeepAnchor);
    setTextCursor(restored);
    verticalScrollBar()->setValue(vertical);
    horizontalScrollBar()->setValue(horizontal);

    if (now == text_)
        return;
    text_ = std::move(now);
    emit changed();
}

void Pane::replaceAllAsEdit(std::u16string_view text) {
    const std::u16string wanted = withCrLfBreaks(text);
    if (wanted == text_)
        return;
    QTextCursor edit(document());
    edit.select(QTextCursor::Document);
    edit.insertText(forInsertion(wanted));
    setTextCursor(edit);
}

void Pane::showEvent(QShowEvent *event) {
    QPlainTextEdit::showEvent(event);
    // The first showing scrolls to the caret once the pane has its size: show the start
    // after that.
    if (startWhenShown_) {
        startWhenShown_ = false;
        QTimer::singleShot(0, this, &Pane::showFirstLineRightEnd);
    }
}

// A dragged file is offered to the window to open instead of being inserted as its
// address; dragged text is inserted as usual.
void Pane::dragEnterEvent(QDragEnterEvent *event) {
    if (droppedFile(event->mimeData()))
        event->acceptProposedAction();
    else
        QPlainTextEdit::dragEnterEvent(event);
}

void Pane::dragMoveEvent(QDragMoveEvent *event) {
    if (droppedFile(event->mimeData()))
        event->acceptProposedAction();
    else
        QPlainTextEdit::dragMoveEvent(event);
}

void Pane::dropEvent(QDropEvent *event) {
    if (const std::optional<QString> path = droppedFile(event->mimeData())) {
        event->acceptProposedAction();
        emit fileDropped(*path);
        return;
    }
    QPlainTextEdit::dropEvent(event);
}

void Pane::zoom(int direction) {
    if (direction == 0) {
        if (unzoomedFont_)
            setFont(*unzoomedFont_);
        unzoomedFont_.reset();
        return;
    }
    if (!unzoomedFont_)
        unzoomedFont_ = font();
    setFont(zoomedFont(font(), direction));
}

void Pane::wheelEvent(QWheelEvent *event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QPlainTextEdit::wheelEvent(event);
        return;
    }
    const int notches = event->angleDelta().y();
    if (notches != 0)
        zoom(notches > 0 ? 1 : -1);
    event->accept();
}

void Pane::showFirstLineRightEnd() {
    if (!isVisible())
        startWhenShown_ = true;
    // Lines are laid out when first needed; the first one tells the text's width, as
    // every row of vertical text is equally wide. The document itself may still be as
    // wide as a longer text before it (its layout never narrows), so the right end is
    // taken from the first line.
    const QTextBlock first = document()->firstBlock();
    document()->documentLayout()->blockBoundingRect(first);
    const QTextLayout *lines = first.layout();
    const qreal lineWidth =
        lines && lines->lineCount() > 0 ? lines->lineAt(0).naturalTextWidth() : 0;
    const int rightEnd = qCeil(lineWidth + 2 * document()->documentMargin()) - viewport()->width();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(std::clamp(rightEnd, 0, horizontalScrollBar()->maximum()));
}

// Rewrites only the lines that differ, each within its own block, so that a small change
// of a long text stays cheap and unchanged lines keep their layout. The text's line
// breaks are all CR LF.
void Pane::replaceLines(std::u16string_view text) {
    const std::vector<std::u16string_view> oldLines = splitLines(text_);
    const std::vector<std::u16string_view> newLines = splitLines(text);

    QTextCursor edit(document());
    edit.beginEditBlock();
    QTextBlock block = document()->begin();
    const std::size_t common = std::min(oldLines.size(), newLines.size());
    for (std::size_t i = 0; i < common; ++i, block = block.next()) {
        if (oldLines[i] == newLines[i])
            continue;
        edit.setPosition(block.position());
        edit.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
        edit.insertText(toQString(newLines[i]));
    }
    edit.movePosition(QTextCursor::End);
    if (newLines.size() > common) {
        for (std::size_t i = common; i < newLines.size(); ++i) {
            edit.insertBlock();
            edit.insertText(toQString(newLines[i]));
        }
    } else if (oldLines.size() > common) {
        const QTextBlock last = document()->findBlockByNumber(static_cast<int>(common) - 1);
        edit.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
        edit.removeSelectedText();
    }
    edit.endEditBlock();
}

} // namespace tovalo::ui
