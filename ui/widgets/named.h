#pragma once

#include <QString>

namespace tovalo::ui {

// Gives a control its name, as object name and as accessible description, where scripted
// checks find it. Its accessible name stays what a sighted user reads: its caption, or
// the text of the label whose buddy it is, or a name given with `calledAs`.
template <class W> W *named(W *widget, const QString &name) {
    widget->setObjectName(name);
    widget->setAccessibleDescription(name);
    return widget;
}

// Gives a control without caption or label the accessible name a sighted user would
// call it by.
template <class W> W *calledAs(W *widget, const QString &name) {
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
