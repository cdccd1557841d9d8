#pragma once

#include "platform/qt/fake_clipboard.h"
#include "platform/qt/fake_dialogs.h"
#include "platform/qt/fake_shell.h"
#include "platform/qt/fake_window_order.h"
#include "platform/qt/qt_files.h"
#include "platform/registry/fake_registry.h"
#include "ui/widgets/pane.h"
#include "ui/window/form1.h"

#include <utility>

namespace tovalo::ui::test {

// A main window on the real file system, with fakes for every other service. `Files` is
// the file service: QtFiles, or QtFilesInFolder for a program that lives in a folder.
template <class Files> struct WindowOnRealFiles {
    platform::FakeDialogs dialogs;
    Files files;
    platform::FakeRegistry registry;
    platform::FakeClipboard clipboard;
    platform::FakeShell shell;
    platform::FakeWindowOrder windowOrder;
    ui::Form1 form{{dialogs, files, registry, clipboard, shell, windowOrder}};

    template <class... FilesArgs>
    explicit WindowOnRealFiles(FilesArgs &&...args) : files(std::forward<FilesArgs>(args)...) {}

    ui::Pane *pane(const char *name) {
        return form.findChild<ui::Pane *>(QString::fromLatin1(name));
    }
};

// A window that is neither started up nor closed, so that no settings file is read or
// written.
using RealWindow = WindowOnRealFiles<platform::QtFiles>;

} // namespace tovalo::ui::test
