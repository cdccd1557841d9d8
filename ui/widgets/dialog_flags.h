#pragma once

#include <Qt>

namespace tovalo::ui {

// A dialog window with a caption and a close button only: a fixed border, no minimize
// and no maximize button.
inline constexpr Qt::WindowFlags kFixedDialogFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
    Qt::MSWindowsFixedSizeDialogHint;

} // namespace tovalo::ui
