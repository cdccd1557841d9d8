// Files dropped on the window or on either pane open as with "開く".
#include "ui/window/form1.h"

#include "ui/widgets/dropped_file.h"
#include "ui/widgets/pane.h"
#include "ui/window/window_commands.h"

#include <QDropEvent>

namespace tovalo::ui {

void Form1::openFile(const QString &path) {
    commands_->openFile(path);
}

void Form1::acceptDroppedFiles() {
    setAcceptDrops(true);
    for (Pane *pane : {TxtOri, TxtTate})
        connect(pane, &Pane::fileDropped, this, &Form1::openFile);
}

void Form1::dragEnterEvent(QDragEnterEvent *event) {
    if (droppedFile(event->mimeData()))
        event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent *event) {
    if (const std::optional<QString> path = droppedFile(event->mimeData())) {
        event->acceptProposedAction();
        openFile(*path);
    }
}

} // namespace tovalo::ui
