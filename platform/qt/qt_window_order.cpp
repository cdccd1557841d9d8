#include "platform/qt/qt_window_order.h"

#include <QWidget>

namespace tovalo::platform {

bool QtWindowOrder::setTopMost(QWidget &window, bool onTop) {
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
