#pragma once

#include "platform/qt/fake_clipboard.h"
#include "platform/qt/fake_dialogs.h"
#include "platform/qt/fake_shell.h"
#include "platform/qt/fake_window_order.h"
#include "platform/qt/qt_files.h"
#include "platform/registry/fake_registry.h"
#include "ui/widgets/pane.h"
#include "ui/window/form1.h"

namespace tovalo::ui::test {

// A main window on the real file system; it is neither started up nor closed, so that
// no settings file is read or written.
struct RealWindow {
    platform::FakeDialogs dialogs;
    platform::QtFiles files;
    platform::FakeRegistry registry;
    platform::FakeClipboard clipboard;
    platform::FakeShell shell;
    platform::FakeWindowOrder windowOrder;
    ui::Form1 form{{dialogs, files, registry, clipboard, shell, windowOrder}};

    ui::Pane *pane(const char *name) {
        return form.findChild<ui::Pane *>(QString::fromLatin1(name));
    }
};

} // namespace tovalo::ui::test
