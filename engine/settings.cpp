#include "settings.h"

namespace tovalo::engine {

std::u16string_view separatorFor(std::int16_t separatorKind) {
    switch (separatorKind) {
    case 1:
        return u" ";
    case 2:
        return u"  ";
    case 3:
        return u"\u3000";
    case 4:
        return u"|";
    case 5:
        return u"\uFF5C";
    default:
        return {};
    }
}

} // namespace tovalo::engine
