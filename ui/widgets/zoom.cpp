#include "ui/widgets/zoom.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <algorithm>

namespace tovalo::ui {
namespace {

constexpr int kSmallest = 6;
constexpr int kLargest = 200;
constexpr int kSearch = 8; // pixel sizes tried for the 2:1 widths

bool keepsTwoToOne(const QFont &font) {
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(QChar(u'あ')) == 2 * metrics.horizontalAdvance(QChar(u'a'));
}

} // namespace

QFont zoomedFont(const QFont &font, int direction) {
    const int now = QFontInfo(font).pixelSize();
    QFont zoomed = font;
    for (int step = 1; step <= kSearch; ++step) {
        const int size = now + direction * step;
        if (size < kSmallest || size > kLargest)
            break;
        zoomed.setPixelSize(size);
        if (keepsTwoToOne(zoomed))
            return zoomed;
    }
    zoomed.setPixelSize(std::clamp(now + direction, kSmallest, kLargest));
    return zoomed;
}

} // namespace tovalo::ui
