// Ctrl++, Ctrl+- and Ctrl+0 enlarge, shrink and reset the text of a pane.
#include "ui/window/form1.h"

#include "ui/widgets/pane.h"

#include <QAction>
#include <QApplication>
#include <QCursor>

namespace tovalo::ui {

void Form1::connectZoomKeys() {
    const auto key = [this](QList<QKeySequence> keys, int direction) {
        auto *action = new QAction(this);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        connect(action, &QAction::triggered, this, [this, direction] {
            if (Pane *pane = zoomTarget())
                pane->zoom(direction);
        });
    };
    // Ctrl+= is Ctrl++ on keyboards where "+" needs the Shift key.
    key({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}, 1);
    key({QKeySequence(Qt::CTRL | Qt::Key_Minus)}, -1);
    key({QKeySequence(Qt::CTRL | Qt::Key_0)}, 0);
}

// The pane with the keyboard focus, else the one under the pointer.
Pane *Form1::zoomTarget() const {
    for (Pane *pane : {TxtOri, TxtTate})
        if (pane->hasFocus())
            return pane;
    for (Pane *pane : {TxtOri, TxtTate})
        if (pane->rect().contains(pane->mapFromGlobal(QCursor::pos())))
            return pane;
    return nullptr;
}

} // namespace tovalo::ui
