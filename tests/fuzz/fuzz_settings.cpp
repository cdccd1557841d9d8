// Reads random bytes as a settings file, and writes random settings and reads them back.
// Reading never fails other than by reporting how many records it read; a file read
// whole writes back to the same values; written settings read back to the values and
// texts that were written, quotation marks and line breaks included, as far as the
// code page can hold their characters.

#include "fuzz_support.h"

#include "app/settings_file.h"
#include "platform/text/cp932.h"

namespace tovalo::fuzz {
namespace {

using app::SettingsRecords;

// A text as it comes back from the file: through the code page and back.
std::u16string throughCodePage(std::u16string_view text) {
    return text::fromCp932(text::toCp932(text));
}

// Records that differ from `r` in every field, so that a field the reader leaves alone
// does not pass for one it read.
SettingsRecords unlike(const SettingsRecords &r) {
    SettingsRecords other;
    other.Spc12A = static_cast<std::int16_t>(~r.Spc12A);
    other.StMBL = static_cast<std::int16_t>(~r.StMBL);
    other.ChkChg0 = !r.ChkChg0;
    other.ChkChg1 = !r.ChkChg1;
    other.maruFix = !r.maruFix;
    other.fixedLines = !r.fixedLines;
    for (std::u16string *text : {&other.MpTsep, &other.height, &other.lines, &other.MailSoft,
                                 &other.source, &other.vertical})
        *text = u"\uFFFF";
    return other;
}

void checkRoundTrip(const SettingsRecords &written) {
    const std::string bytes = app::writeSettingsFile(written);
    SettingsRecords read = unlike(written);
    FUZZ_CHECK(app::readSettingsFile(bytes, read) == app::kSettingsRecordCount);
    FUZZ_CHECK(read.Spc12A == written.Spc12A);
    FUZZ_CHECK(read.StMBL == written.StMBL);
    FUZZ_CHECK(read.MpTsep == throughCodePage(written.MpTsep));
    FUZZ_CHECK(read.ChkChg0 == written.ChkChg0);
    FUZZ_CHECK(read.ChkChg1 == written.ChkChg1);
    FUZZ_CHECK(read.maruFix == written.maruFix);
    FUZZ_CHECK(read.height == throughCodePage(written.height));
    FUZZ_CHECK(read.lines == throughCodePage(written.lines));
    FUZZ_CHECK(read.fixedLines == written.fixedLines);
    FUZZ_CHECK(read.MailSoft == throughCodePage(written.MailSoft));
    FUZZ_CHECK(read.source == throughCodePage(written.source));
    FUZZ_CHECK(read.vertical == throughCodePage(written.vertical));
    // What was read writes out to the very same file.
    FUZZ_CHECK(app::writeSettingsFile(read) == bytes);
}

SettingsRecords consumeRecords(FuzzedDataProvider &in) {
    SettingsRecords r;
    r.Spc12A = in.ConsumeIntegral<std::int16_t>();
    r.StMBL = in.ConsumeIntegral<std::int16_t>();
    r.ChkChg0 = in.ConsumeBool();
    r.ChkChg1 = in.ConsumeBool();
    r.maruFix = in.ConsumeBool();
    r.fixedLines = in.ConsumeBool();
    r.MpTsep = consumeShortText(in, 16);
    r.height = consumeShortText(in, 16);
    r.lines = consumeShortText(in, 16);
    r.MailSoft = consumeShortText(in, 64);
    r.source = consumeShortText(in, 512);
    r.vertical = consumeRestAsText(in, 1024);
    return r;
}

} // namespace
} // namespace tovalo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace tovalo::fuzz;
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);

    tovalo::app::SettingsRecords fromFile;
    const int records = tovalo::app::readSettingsFile(bytes, fromFile);
    FUZZ_CHECK(records >= 0 && records <= tovalo::app::kSettingsRecordCount);
    if (records == tovalo::app::kSettingsRecordCount)
        checkRoundTrip(fromFile);

    FuzzedDataProvider in(data, size);
    checkRoundTrip(consumeRecords(in));
    return 0;
}
