#pragma once

#include <QString>

namespace tovalo::ui {

// A caption or message kept as a UTF-16 constant, as a QString.
inline QString qs(const char16_t *text) {
    return QString::fromUtf16(text);
}

} // namespace tovalo::ui
