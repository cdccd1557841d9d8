#include "platform/text/grapheme.h"
#include "platform/text/unicode.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace tovalo::text {
namespace {

// The boundaries graphemeEnd finds, as code-unit offsets after each cluster.
std::vector<std::size_t> boundaries(std::u16string_view text) {
    std::vector<std::size_t> ends;
    for (std::size_t at = 0; at < text.size(); at = ends.back())
        ends.push_back(graphemeEnd(text, at));
    return ends;
}

// Every line of the Unicode consortium's own test file: code points with ÷ (break)
// or × (no break) between them.
TEST(Grapheme, FollowsEveryCaseOfTheUnicodeTestFile) {
    std::ifstream in(TOVALO_UNICODE_DATA "/auxiliary/GraphemeBreakTest.txt");
    ASSERT_TRUE(in) << "the Unicode character database (unicode-data) is missing";
    std::string line;
    int cases = 0;
    while (std::getline(in, line)) {
        line = line.substr(0, line.find('#'));
        if (line.empty())
            continue;
        std::istringstream fields(line);
        std::string field;
        std::u16string text;
        std::vector<std::size_t> expected;
        while (fields >> field) {
            if (field == "\u00F7") {
                if (!text.empty())
                    expected.push_back(text.size());
            } else if (field != "\u00D7") {
                appendCodePoint(text, static_cast<char32_t>(std::stoul(field, nullptr, 16)));
            }
        }
        EXPECT_EQ(boundaries(text), expected) << line;
        ++cases;
    }
    EXPECT_GT(cases, 500);
}

} // namespace
} // namespace tovalo::text
