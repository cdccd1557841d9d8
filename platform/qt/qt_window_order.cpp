#include "platform/qt/qt_window_order.h"

#include <QWidget>
#include <QWindow>

namespace tovalo::platform {

bool QtWindowOrder::setTopMost(QWidget &window, bool onTop) {
    // A shown window changes its stacking through its native window, which tells the
    // window manager at once; changing the widget's flags would recreate it.
    if (QWindow *native = window.windowHandle(); native && window.isVisible()) {
        window.overrideWindowFlags(window.windowFlags().setFlag(Qt::WindowStaysOnTopHint, onTop));
        native->setFlag(Qt::WindowStaysOnTopHint, onTop);
        native->raise();
        native->requestActivate();
        return true;
    }
    if (window.windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop) {
        // Changing a window's flags hides it: a shown window is shown again where it was.
        const bool shown = window.isVisible();
        const QRect geometry = window.geometry();
        window.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
        if (shown) {
            window.setGeometry(geometry);
            window.show();
        }
    }
    if (window.isVisible()) {
        window.raise();
        window.activateWindow();
    }
    return true;
}

} // namespace tovalo::platform
