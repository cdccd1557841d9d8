#pragma once

class QWidget;

namespace tovalo::platform {

// The stacking of top-level windows: a window can be kept above all ordinary windows.
class WindowOrder {
public:
    virtual ~WindowOrder() = default;

    // Keeps the window above every ordinary window (onTop) or returns it to the ordinary
    // windows; its position, size and visibility stay as they are. False when the window
    // system refused.
    virtual bool setTopMost(QWidget &window, bool onTop) = 0;
};

} // namespace tovalo::platform
