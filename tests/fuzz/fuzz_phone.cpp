// Phone pages fail with the failure text or are rule-framed pages of H rows W cells
// wide that show every character of the source.

#include "fuzz_support.h"
#include "grid_rows.h"

#include "phone/page_maker.h"

namespace tovalo::fuzz {
namespace {

using namespace tovalo::phone;

constexpr std::size_t kMaxSourceUnits = 2000;

// Page sides around the limits of 1 and 254, and now and then a far one.
constexpr std::initializer_list<std::int16_t> kSideEdges = {253, 254, 255, 256, 32767, -32768, -1};

void checkPages(std::u16string_view pages, std::u16string_view source, const PhoneParams &params) {
    const int width = params.lineBreaks ? params.width - 1 : params.width;
    std::u16string rule = u" ";
    for (int c = 1; c < width; ++c)
        rule += params.rule;
    rule += u"\r\n";

    LineReader reader(pages);
    reader.expect(rule);
    // Cells that would merge with their neighbours cannot be read back one by one.
    if (cellsMayJoin(engine::TrimText(source), cellRulesOf(params)))
        return;
    ShownCharacters shown([](char32_t ch) { return ch != u' ' && ch != u'\u3000'; });
    do { // at least one page
        for (int r = 0; r < params.height; ++r) {
            shown.add(reader.columns(2 * width));
            if (params.lineBreaks)
                reader.expect(u"\r\n");
        }
        reader.expect(rule);
    } while (!reader.atEnd());
    shown.checkAllOf(engine::TrimText(source), cellRulesOf(params));
}

} // namespace
} // namespace tovalo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace tovalo::fuzz;
    using namespace tovalo::phone;
    FuzzedDataProvider in(data, size);

    PhoneParams params;
    params.height = consumeSmallOrEdge(in, kSideEdges);
    params.width = consumeSmallOrEdge(in, kSideEdges);
    params.lineBreaks = in.ConsumeBool();
    params.fullWidth = in.ConsumeBool();
    params.verticalForms = in.ConsumeBool();
    params.tateChuYoko = in.ConsumeBool();
    if (!in.ConsumeBool())
        params.rule = consumeText(in, 6);
    const std::u16string source = consumeText(in, kMaxSourceUnits, true);

    const PhonePages pages = MpMaker(source, params);
    if (pages.ok())
        checkPages(pages.text, source, params);
    else
        FUZZ_CHECK(pages.text == kFailureText);
    return 0;
}
