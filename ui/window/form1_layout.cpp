// Re-places the panes and what belongs to them whenever the window's size changes.
#include "ui/window/form1.h"

#include "ui/window/window_geometry.h"

#include <QMenuBar>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QStatusBar>

namespace tovalo::ui {

void Form1::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    layoutControls();
}

// The window manager adds the frame after the window's first size was reported, moving
// the window into it: the layout runs again once the outer size is known.
void Form1::moveEvent(QMoveEvent *event) {
    QMainWindow::moveEvent(event);
    if (frameGeometry().size() != laidOutFor_)
        layoutControls();
}

void Form1::layoutControls() {
    const double dpi = logicalDpiX();
    const QSize outer = frameGeometry().size();
    laidOutFor_ = outer;
    // The border counts once the window manager added it.
    const ClientSize minimum = minimumClientSize((outer.width() - width()) * 1440.0 / dpi);
    // The status line at the bottom takes its height from the client area.
    const int statusHeight = statusBar()->sizeHint().height();
    setMinimumSize(twipsToPixels(minimum.width, dpi), twipsToPixels(minimum.height, dpi) +
                                                          menuBar()->sizeHint().height() +
                                                          statusHeight);
    const double twipsPerPixel = 1440.0 / dpi;
    for (const Placement &p : resizeLayout(outer.width() * twipsPerPixel,
                                           (outer.height() - statusHeight) * twipsPerPixel)) {
        auto *control = findChild<QWidget *>(QString::fromLatin1(p.control));
        QRect rect = control->geometry();
        const int pixels = twipsToPixels(p.twips, dpi);
        switch (p.edge) {
        case Edge::Left:
            rect.moveLeft(pixels);
            break;
        case Edge::Top:
            rect.moveTop(pixels);
            break;
        case Edge::Width:
            rect.setWidth(pixels);
            break;
        case Edge::Height:
            rect.setHeight(pixels);
            break;
        }
        control->setGeometry(rect);
    }
}

} // namespace tovalo::ui
