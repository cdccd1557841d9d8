#include "platform/text/decode.h"

#include "platform/text/cp932.h"
#include "platform/text/unicode.h"

namespace tovalo::text {

std::u16string decodeText(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return fromUtf8(bytes.substr(3));
    if (bytes.starts_with("\xFF\xFE"))
        return fromUtf16(bytes.substr(2), false);
    if (bytes.starts_with("\xFE\xFF"))
        return fromUtf16(bytes.substr(2), true);
    if (isValidUtf8(bytes))
        return fromUtf8(bytes);
    return fromCp932(bytes);
}

} // namespace tovalo::text
