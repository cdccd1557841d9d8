#pragma once

#include <QFont>

namespace tovalo::ui {

// The font one zoom step larger (direction +1) or smaller (-1) than `font`: the nearest
// pixel size at which a full-width character is exactly as wide as two half-width ones,
// so that columns of fixed-pitch text stay aligned. Where no size within a few pixels
// keeps that ratio, one pixel more or less. Never smaller than 6 or larger than 200 pixels.
QFont zoomedFont(const QFont &font, int direction);

} // namespace tovalo::ui
