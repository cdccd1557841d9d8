#pragma once

#include <QString>

namespace tovalo::ui {

// Gives a control its name, both as object name and as accessible name.
template <class W> W *named(W *widget, const QString &name) {
    widget->setObjectName(name);
    widget->setAccessibleName(name);
    return widget;
}

// Names a control and puts it at a fixed place in its parent, in pixels.
template <class W>
W *placed(W *widget, const char *name, int left, int top, int width, int height) {
    named(widget, QString::fromLatin1(name));
    widget->setGeometry(left, top, width, height);
    return widget;
}

} // namespace tovalo::ui
