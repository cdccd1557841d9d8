#include "settings/settings_at_start.h"
#include "settings/settings_file.h"

#include "platform/text/cp932.h"
#include "platform/text/unicode.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

namespace tovalo::settings {
namespace {

auto fields(const SettingsRecords &r) {
    const engine::Settings &s = r.settings;
    return std::tie(s.separatorKind, s.startText, s.pageRule, s.barForLongVowel, s.fullWidth,
                    s.shaping, r.height, r.lines, r.fixedLines, s.mailProgram, r.source,
                    r.vertical);
}

TEST(SettingsFileWriting, FirstRunFileIsByteExactWithQuotationMarksDoubled) {
    SettingsRecords r;
    r.height = u"35";
    r.lines = u"30";
    r.source = u"説明\"書\"\r\n";
    EXPECT_EQ(writeSettingsFile(r), text::toCp932(u"1,1,\"＊\"\r\n#FALSE#,#FALSE#,#TRUE#\r\n"
                                                  u"\"35\",\"30\",0\r\n\"\"\r\n"
                                                  u"\"説明\"\"書\"\"\r\n\"\r\n\"\"\r\n"));
}

TEST(SettingsFile, EveryFieldReadsBackUnchanged) {
    for (const std::u16string text :
         {u"", u"a,b,c", u"\r\n\r\n", u"#TRUE#", u"\"", u"\"\"", u"\"quoted\",\r\n\"next\"",
          u"😀 𠮷野家", u"ﾃｱ"}) { // ﾃｱ: code page 932 bytes that are UTF-8 too
        const SettingsRecords written{.settings = {.separatorKind = 4,
                                                   .fullWidth = true,
                                                   .shaping = false,
                                                   .pageRule = text,
                                                   .startText = 3,
                                                   .mailProgram = text},
                                      .height = text,
                                      .lines = u"7",
                                      .fixedLines = true,
                                      .source = text,
                                      .vertical = text + u"\r\n" + text};
        SettingsRecords read;
        ASSERT_EQ(readSettingsFile(writeSettingsFile(written), read), kSettingsRecordCount);
        EXPECT_EQ(fields(read), fields(written));
    }
}

// One character that code page 932 lacks, in any field, makes the whole file UTF-8 with
// a byte-order mark: the same text as the code page 932 file it would otherwise be.
TEST(SettingsFileWriting, WholeFileIsUtf8WithMarkWhenOneCharacterNeedsIt) {
    const auto fieldsOf = [](SettingsRecords &r) {
        return std::array{&r.settings.pageRule, &r.settings.mailProgram, &r.source, &r.vertical};
    };
    for (std::size_t i = 0; i < 4; ++i) {
        SettingsRecords r;
        r.source = u"縦書き";
        std::u16string &field = *fieldsOf(r)[i];
        field += u"~";
        std::u16string text = text::fromCp932(writeSettingsFile(r));
        text.replace(text.find(u'~'), 1, u"𠮷");
        field.replace(field.size() - 1, 1, u"𠮷");
        EXPECT_EQ(writeSettingsFile(r), "\xEF\xBB\xBF" + text::toUtf8(text));
    }
}

// Spaces and lone line feeds between fields are passed over. A quotation mark that older
// files hold undoubled ends its text early; the rest of the field is passed over and the
// records after it stay in place.
TEST(SettingsFileReading, ToleratesSpacesLoneLineFeedsAndUndoubledMarks) {
    SettingsRecords r;
    ASSERT_EQ(readSettingsFile("  5 , 2 ,\"x\"\n\n#FALSE#,#TRUE#,#FALSE#\n\"3\",\"4\",0\n\"\"\n"
                               "\"say \"hi\" now\"\n\"v\"",
                               r),
              kSettingsRecordCount);
    EXPECT_EQ(fields(r), fields({.settings = {.separatorKind = 5,
                                              .fullWidth = true,
                                              .shaping = false,
                                              .pageRule = u"x",
                                              .startText = 2},
                                 .height = u"3",
                                 .lines = u"4",
                                 .source = u"say ",
                                 .vertical = u"v"}));
}

TEST(SettingsFileReading, StopsAtTheFirstBadFieldKeepingWhatWasRead) {
    const std::string three = "3,2,\"-\"\r\n#FALSE#,#TRUE#,#FALSE#\r\n\"12\",\"7\",1\r\n";
    const std::pair<std::string, int> files[] = {{"", 0},
                                                 {" \r\n", 0},
                                                 {"x,2,\"-\"\r\n", 0},
                                                 {"40000,2,\"-\"\r\n", 0},
                                                 {"3,2,\"-\"\r\nTRUE,#TRUE#,#FALSE#\r\n", 1},
                                                 {three, 3},
                                                 {three + "\"\"\r\n\"never closed\r\n", 4},
                                                 {three + "\"\"\r\n\"s\"\r\n", 5}};
    for (const auto &[bytes, records] : files) {
        SettingsRecords r;
        r.settings.mailProgram = u"before";
        EXPECT_EQ(readSettingsFile(bytes, r), records) << bytes;
        EXPECT_EQ(r.settings.separatorKind, records >= 1 ? 3 : 1) << bytes;
        EXPECT_EQ(r.settings.pageRule, records >= 1 ? u"-" : u"＊") << bytes;
        EXPECT_EQ(r.settings.fullWidth && !r.settings.shaping, records >= 2) << bytes;
        EXPECT_EQ(r.settings.mailProgram, records >= 4 ? u"" : u"before") << bytes;
    }
}

// Shut-down writes the texts of the last run back while start-up showed something else
// and the source pane still holds what start-up put there.
TEST(SettingsAtShutDown, TextsOfTheLastRunSurviveUntilTheUserWritesNewOnes) {
    const struct {
        const char *name;
        bool unshown;
        std::u16string source; // at shut-down
        std::u16string written;
    } cases[] = {
        {"manual shown, source untouched", true, u"manual", u"last source"},
        {"manual shown, user wrote", true, u"manual and more", u"manual and more"},
        {"last texts shown", false, u"manual", u"manual"},
    };
    for (const auto &c : cases) {
        SettingsAtStart start;
        start.startSource = u"manual";
        if (c.unshown)
            start.unshownTexts = {u"last source", u"last vertical"};
        SettingsRecords current;
        current.source = c.source;
        current.vertical = u"current vertical";
        current.settings.startText = 2;
        const SettingsRecords written = recordsToWrite(current, start);
        EXPECT_EQ(written.source, c.written) << c.name;
        EXPECT_EQ(written.vertical,
                  c.written == u"last source" ? u"last vertical" : u"current vertical")
            << c.name;
        EXPECT_EQ(written.settings.startText, 2) << c.name;
    }
}

} // namespace
} // namespace tovalo::settings
