#include "ui/widgets/typed_limit.h"

#include <gtest/gtest.h>

namespace tovalo::ui {
namespace {

struct Edit {
    std::u16string_view before, after;
    std::optional<std::u16string_view> kept; // nothing: the edit is refused
    std::size_t caret = 0;
};

// A box that takes two characters of typed or pasted input.
TEST(LimitTyped, KeepsTheFirstInsertedCharactersThatFit) {
    const Edit edits[] = {
        {u"", u"abc", u"ab", 2},         // a paste into the empty box
        {u"", u"ab", u"ab", 2},          // fits
        {u"ab", u"abc", std::nullopt},   // a key too many
        {u"a", u"axyz", u"ax", 2},       // a paste at the end
        {u"a", u"xyza", u"xa", 1},       // a paste at the start
        {u"ab", u"axyz", u"ax", 2},      // a paste over a selection
        {u"◆◇◆", u"◆◇", u"◆◇", 2},       // deleting from a longer program text
        {u"◆◇◆", u"◆◇◆x", std::nullopt}, // typing into it
        {u"", u"😀x", u"😀", 2},           // a pair of code units counts two
        {u"a", u"a😀", std::nullopt},     // and is never cut in half
    };
    for (const Edit &e : edits) {
        const std::optional<LimitedEdit> got = limitTyped(e.before, e.after, 2);
        ASSERT_EQ(got.has_value(), e.kept.has_value())
            << testing::PrintToString(std::u16string(e.after));
        if (got) {
            EXPECT_EQ(got->text, *e.kept);
            EXPECT_EQ(got->caret, e.caret);
        }
    }
}

} // namespace
} // namespace tovalo::ui
