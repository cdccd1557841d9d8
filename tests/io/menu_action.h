#pragma once

#include "app/form1.h"
#include "tests/app/window_harness.h"

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

// The main window on fakes, started up and shown.
struct OpenWindow : app::test::WindowHarness {
    OpenWindow() { open(); }
    void choose(const char *entry) { test::choose(form(), entry); }
};

} // namespace tovalo::io::test
