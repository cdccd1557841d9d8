#pragma once

#include <QFont>

namespace tovalo::ui {

// The fixed-pitch font of the panes and the window: "ＭＳ ゴシック" 9 points. Where the
// system lacks it, the font falls back to other Japanese fixed-pitch fonts whose
// full-width characters are exactly twice as wide as their half-width ones.
QFont paneFont();

// The proportional font of the parameter controls, labels and buttons: "ＭＳ Ｐゴシック" 9 points.
QFont controlFont();

} // namespace tovalo::ui
