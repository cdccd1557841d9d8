// Random bytes read as a settings file (also behind a UTF-8 mark) report the records read;
// written settings read back as far as the file's encoding holds their characters.

#include "fuzz_support.h"

#include "platform/text/cp932.h"
#include "platform/text/unicode.h"
#include "settings/settings_file.h"

namespace tovalo::fuzz {
namespace {

using settings::SettingsRecords;

// A text as it comes back from a file in code page 932 or UTF-8.
std::u16string throughFile(std::u16string_view text, bool utf8) {
    return utf8 ? text::fromUtf8(text::toUtf8(text)) : text::fromCp932(text::toCp932(text));
}

// Records unlike `r` in every field, so that a field left unread shows.
SettingsRecords unlike(const SettingsRecords &r) {
    SettingsRecords other;
    other.settings.separatorKind = static_cast<std::int16_t>(~r.settings.separatorKind);
    other.settings.startText = static_cast<std::int16_t>(~r.settings.startText);
    other.settings.barForLongVowel = !r.settings.barForLongVowel;
    other.settings.fullWidth = !r.settings.fullWidth;
    other.settings.shaping = !r.settings.shaping;
    other.fixedLines = !r.fixedLines;
    for (std::u16string *text : {&other.settings.pageRule, &other.height, &other.lines,
                                 &other.settings.mailProgram, &other.source, &other.vertical})
        *text = u"\uFFFF";
    return other;
}

void checkRoundTrip(const SettingsRecords &written) {
    const std::string bytes = settings::writeSettingsFile(written);
    const bool utf8 = bytes.starts_with("\xEF\xBB\xBF");
    SettingsRecords read = unlike(written);
    FUZZ_CHECK(settings::readSettingsFile(bytes, read) == settings::kSettingsRecordCount);
    FUZZ_CHECK(read.settings.pageRule == throughFile(written.settings.pageRule, utf8));
    FUZZ_CHECK(read.height == throughFile(written.height, utf8));
    FUZZ_CHECK(read.lines == throughFile(written.lines, utf8));
    FUZZ_CHECK(read.settings.mailProgram == throughFile(written.settings.mailProgram, utf8));
    FUZZ_CHECK(read.source == throughFile(written.source, utf8));
    FUZZ_CHECK(read.vertical == throughFile(written.vertical, utf8));
    // What was read writes out to the very same file, so every number and switch, which
    // began unlike the written one, was read back.
    FUZZ_CHECK(settings::writeSettingsFile(read) == bytes);
}

SettingsRecords consumeRecords(FuzzedDataProvider &in) {
    SettingsRecords r;
    r.settings.separatorKind = in.ConsumeIntegral<std::int16_t>();
    r.settings.startText = in.ConsumeIntegral<std::int16_t>();
    r.settings.barForLongVowel = in.ConsumeBool();
    r.settings.fullWidth = in.ConsumeBool();
    r.settings.shaping = in.ConsumeBool();
    r.fixedLines = in.ConsumeBool();
    r.settings.pageRule = consumeText(in, 16);
    r.height = consumeText(in, 16);
    r.lines = consumeText(in, 16);
    r.settings.mailProgram = consumeText(in, 64);
    r.source = consumeText(in, 512);
    r.vertical = consumeText(in, 1024, true);
    return r;
}

} // namespace
} // namespace tovalo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace tovalo::fuzz;
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);

    for (const std::string &file : {std::string(bytes), "\xEF\xBB\xBF" + std::string(bytes)}) {
        tovalo::settings::SettingsRecords fromFile;
        const int records = tovalo::settings::readSettingsFile(file, fromFile);
        FUZZ_CHECK(records >= 0 && records <= tovalo::settings::kSettingsRecordCount);
        if (records == tovalo::settings::kSettingsRecordCount)
            checkRoundTrip(fromFile);
    }

    FuzzedDataProvider in(data, size);
    checkRoundTrip(consumeRecords(in));
    return 0;
}
