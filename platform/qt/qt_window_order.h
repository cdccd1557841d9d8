#pragma once

#include "platform/qt/window_order.h"

namespace tovalo::platform {

// The stacking through Qt's stay-on-top window hint.
class QtWindowOrder : public WindowOrder {
public:
    bool setTopMost(QWidget &window, bool onTop) override;
};

} // namespace tovalo::platform
