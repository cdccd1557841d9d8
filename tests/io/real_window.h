#pragma once

#include "app/form1.h"
#include "app/pane.h"
#include "platform/qt/fake_clipboard.h"
#include "platform/qt/fake_dialogs.h"
#include "platform/qt/fake_shell.h"
#include "platform/qt/fake_window_order.h"
#include "platform/qt/qt_files.h"
#include "platform/registry/fake_registry.h"

namespace tovalo::io::test {

// A main window on the real file system; it is neither started up nor closed, so that
// no settings file is read or written.
struct RealWindow {
    platform::FakeDialogs dialogs;
    platform::QtFiles files;
    platform::FakeRegistry registry;
    platform::FakeClipboard clipboard;
    platform::FakeShell shell;
    platform::FakeWindowOrder windowOrder;
    app::Form1 form{{dialogs, files, registry, clipboard, shell, windowOrder}};

    app::Pane *pane(const char *name) {
        return form.findChild<app::Pane *>(QString::fromLatin1(name));
    }
};

} // namespace tovalo::io::test
