#include "ui/window/menu_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>

namespace tovalo::ui {

MenuKeys::MenuKeys(QMainWindow &window) : QObject(&window), window_(window) {
    // Keys go to the focused control, so the keys of the whole window are watched.
    qApp->installEventFilter(this);
}

bool MenuKeys::eventFilter(QObject *watched, QEvent *event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != &window_)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (type == QEvent::KeyPress) {
        altAlone_ = key->key() == Qt::Key_Alt && (key->modifiers() & ~Qt::AltModifier) == 0;
        if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::NoModifier) {
            openMenuBar();
            return true;
        }
        return false;
    }
    if (key->key() == Qt::Key_Alt && altAlone_ && !key->isAutoRepeat()) {
        altAlone_ = false;
        openMenuBar();
        return true;
    }
    return false;
}

void MenuKeys::openMenuBar() {
    QMenuBar *bar = window_.menuBar();
    if (!bar->actions().isEmpty())
        bar->setActiveAction(bar->actions().constFirst());
}

} // namespace tovalo::ui
