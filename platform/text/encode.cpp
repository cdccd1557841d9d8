#include "platform/text/encode.h"

#include "platform/text/cp932.h"
#include "platform/text/unicode.h"

namespace tovalo::text {

std::optional<std::size_t> firstUnencodable(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!isEncodable(text[i]))
            return i;
    return std::nullopt;
}

std::string encodeForFile(std::u16string_view text) {
    if (!firstUnencodable(text))
        return toCp932(text);
    return "\xEF\xBB\xBF" + toUtf8(text);
}

} // namespace tovalo::text
