#pragma once

#include "app/form1.h"

#include <QAction>
#include <QTest>

namespace tovalo::io::test {

// The menu entry of that name; the test fails when the window lacks it.
inline QAction *menuAction(const app::Form1 &form, const char *name) {
    auto *action = form.findChild<QAction *>(QString::fromLatin1(name));
    if (!action)
        qFatal("no menu entry %s", name);
    return action;
}

// Chooses the entry as the user does; it must be enabled.
inline void choose(const app::Form1 &form, const char *name) {
    QAction *action = menuAction(form, name);
    QVERIFY(action->isEnabled());
    action->trigger();
}

} // namespace tovalo::io::test
