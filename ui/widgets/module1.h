#pragma once

#include <QString>

class QWidget;

namespace tovalo::platform {
class Files;
class Shell;
class WindowOrder;
} // namespace tovalo::platform

// The window-system procedures that the main window's commands and the phone dialog share.
namespace tovalo::ui {

// Keeps `form` above all ordinary windows (onTop) or returns it among them, without
// moving or resizing it. True when the window system accepted the change.
bool SetTopMost(platform::WindowOrder &order, QWidget &form, bool onTop);

// Opens the file at `path` with the desktop's default program for its type. False,
// without doing anything, when no file is there; otherwise whether the desktop opened it.
bool OpenDocument(platform::Shell &shell, const platform::Files &files, const QString &path);

} // namespace tovalo::ui
