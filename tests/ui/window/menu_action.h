#pragma once

#include "tests/ui/window/window_harness.h"
#include "ui/window/form1.h"

#include <QAction>
#include <QTest>

namespace tovalo::ui::test {

// The menu entry of that name; the test fails when the window lacks it.
inline QAction *menuAction(const ui::Form1 &form, const char *name) {
    auto *action = form.findChild<QAction *>(QString::fromLatin1(name));
    if (!action)
        qFatal("no menu entry %s", name);
    return action;
}

// Chooses the entry as the user does; it must be enabled.
inline void choose(const ui::Form1 &form, const char *name) {
    QAction *action = menuAction(form, name);
    QVERIFY(action->isEnabled());
    action->trigger();
}

// The main window on fakes, started up and shown.
struct OpenWindow : test::WindowHarness {
    OpenWindow() { open(); }
    void choose(const char *entry) { test::choose(form(), entry); }
};

} // namespace tovalo::ui::test
