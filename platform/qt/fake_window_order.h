#pragma once

#include "platform/qt/window_order.h"

#include <QList>

namespace tovalo::platform {

// A window stacking that only records what it was asked, for tests.
class FakeWindowOrder : public WindowOrder {
public:
    struct Call {
        QWidget *window;
        bool onTop;
    };
    QList<Call> calls;

    bool setTopMost(QWidget &window, bool onTop) override {
        calls.append({&window, onTop});
        return true;
    }
};

} // namespace tovalo::platform
