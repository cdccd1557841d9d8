#pragma once

#include <QApplication>

namespace tovalo::ui {

// Shows the busy pointer (arrow with hourglass) while it lives.
class BusyPointer {
public:
    BusyPointer() { QApplication::setOverrideCursor(Qt::BusyCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;
};

} // namespace tovalo::ui
