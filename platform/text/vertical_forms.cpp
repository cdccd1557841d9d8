#include "platform/text/vertical_forms.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tovalo::text {
namespace {

// Sorted by the horizontal character.
constexpr std::array<std::pair<char32_t, char32_t>, 31> kVerticalForms = {{
    {U'—', U'︱'},  // U+2014
    {U'―', U'︱'},  // U+2015
    {U'‥', U'︰'},  // U+2025
    {U'…', U'︙'},  // U+2026
    {U'←', U'↑'},   // U+2190
    {U'↑', U'→'},   // U+2191
    {U'→', U'↓'},   // U+2192
    {U'↓', U'←'},   // U+2193
    {U'〈', U'︿'}, // U+3008
    {U'〉', U'﹀'}, // U+3009
    {U'《', U'︽'}, // U+300A
    {U'》', U'︾'}, // U+300B
    {U'「', U'﹁'}, // U+300C
    {U'」', U'﹂'}, // U+300D
    {U'『', U'﹃'}, // U+300E
    {U'』', U'﹄'}, // U+300F
    {U'【', U'︻'}, // U+3010
    {U'】', U'︼'}, // U+3011
    {U'〔', U'︹'}, // U+3014
    {U'〕', U'︺'}, // U+3015
    {U'〖', U'︗'}, // U+3016
    {U'〗', U'︘'}, // U+3017
    {U'（', U'︵'}, // U+FF08
    {U'）', U'︶'}, // U+FF09
    {U'：', U'︓'}, // U+FF1A
    {U'；', U'︔'}, // U+FF1B
    {U'［', U'﹇'}, // U+FF3B
    {U'］', U'﹈'}, // U+FF3D
    {U'＿', U'︳'}, // U+FF3F
    {U'｛', U'︷'}, // U+FF5B
    {U'｝', U'︸'}, // U+FF5D
}};
static_assert(std::is_sorted(kVerticalForms.begin(), kVerticalForms.end()));

} // namespace

char32_t toVerticalForm(char32_t ch) {
    const auto found =
        std::lower_bound(kVerticalForms.begin(), kVerticalForms.end(), ch,
                         [](const auto &form, char32_t key) { return form.first < key; });
    return found != kVerticalForms.end() && found->first == ch ? found->second : ch;
}

} // namespace tovalo::text
