#include "app/settings_file.h"

#include "platform/text/cp932.h"

#include <gtest/gtest.h>

namespace tovalo::app {
namespace {

std::string cp932(std::u16string_view text) {
    return text::toCp932(text);
}

TEST(SettingsFileWriting, FirstRunFileIsByteExact) {
    SettingsRecords r;
    r.height = u"35";
    r.lines = u"30";
    r.source = u"説明\r\n書";
    r.vertical = u"";
    EXPECT_EQ(writeSettingsFile(r), cp932(u"1,1,\"＊\"\r\n"
                                          u"#FALSE#,#FALSE#,#TRUE#\r\n"
                                          u"\"35\",\"30\",0\r\n"
                                          u"\"\"\r\n"
                                          u"\"説明\r\n書\"\r\n"
                                          u"\"\"\r\n"));
}

TEST(SettingsFileWriting, QuotationMarksInsideTextsAreDoubled) {
    SettingsRecords r;
    r.MailSoft = u"C:\\\"mail\".exe";
    EXPECT_NE(writeSettingsFile(r).find(cp932(u"\r\n\"C:\\\"\"mail\"\".exe\"\r\n")),
              std::string::npos);
}

// Texts that must come back exactly as they were written.
class SettingsRoundTrip : public testing::TestWithParam<std::u16string> {};

TEST_P(SettingsRoundTrip, EveryTextFieldReadsBackUnchanged) {
    SettingsRecords written;
    written.Spc12A = 4;
    written.StMBL = 3;
    written.MpTsep = GetParam();
    written.ChkChg1 = true;
    written.maruFix = false;
    written.height = GetParam();
    written.lines = u"7";
    written.fixedLines = true;
    written.MailSoft = GetParam();
    written.source = GetParam();
    written.vertical = GetParam() + u"\r\n" + GetParam();

    SettingsRecords read;
    ASSERT_EQ(readSettingsFile(writeSettingsFile(written), read), kSettingsRecordCount);
    EXPECT_EQ(read.Spc12A, 4);
    EXPECT_EQ(read.StMBL, 3);
    EXPECT_EQ(read.MpTsep, written.MpTsep);
    EXPECT_FALSE(read.ChkChg0);
    EXPECT_TRUE(read.ChkChg1);
    EXPECT_FALSE(read.maruFix);
    EXPECT_EQ(read.height, written.height);
    EXPECT_EQ(read.lines, u"7");
    EXPECT_TRUE(read.fixedLines);
    EXPECT_EQ(read.MailSoft, written.MailSoft);
    EXPECT_EQ(read.source, written.source);
    EXPECT_EQ(read.vertical, written.vertical);
}

INSTANTIATE_TEST_SUITE_P(Texts, SettingsRoundTrip,
                         testing::Values(u"", u"＊", u"縦書き、テキスト。", u"a,b,c",
                                         u"line one\r\nline two\r\n", u"\r\n\r\n",
                                         u"  leading and trailing  ", u"#TRUE#", u"\"", u"\"\"",
                                         u"彼は\"こんにちは\"と言った", u"\"quoted\",\r\n\"next\"",
                                         u"ｱｲｳ ﾃｷｽﾄ"));

TEST(SettingsFileReading, SkipsSpacesAndLineEndsBetweenFieldsAndAcceptsLoneLineFeeds) {
    SettingsRecords r;
    const std::string file =
        "  5 , 2 ,\"x\"\n\n#FALSE#,#TRUE#,#FALSE#\n\"3\",\"4\",0\n\"\"\n\"s\"\n\"v\"";
    ASSERT_EQ(readSettingsFile(file, r), kSettingsRecordCount);
    EXPECT_EQ(r.Spc12A, 5);
    EXPECT_EQ(r.StMBL, 2);
    EXPECT_EQ(r.MpTsep, u"x");
    EXPECT_TRUE(r.ChkChg1);
    EXPECT_EQ(r.height, u"3");
    EXPECT_FALSE(r.fixedLines);
    EXPECT_EQ(r.vertical, u"v");
}

TEST(SettingsFileReading, TextAfterAClosingMarkIsSkippedToTheNextSeparator) {
    // A mark written undoubled by the first program ends the text early; the rest of
    // the field is passed over and the records after it stay in place.
    SettingsRecords r;
    const std::string file = cp932(u"1,3,\"＊\"\r\n#FALSE#,#FALSE#,#TRUE#\r\n\"10\",\"5\",0\r\n"
                                   u"\"\"\r\n\"say \"hi\" now\"\r\n\"v\"\r\n");
    ASSERT_EQ(readSettingsFile(file, r), kSettingsRecordCount);
    EXPECT_EQ(r.source, u"say ");
    EXPECT_EQ(r.vertical, u"v");
}

struct DamagedFile {
    const char *name;
    std::string bytes;
    int records;
};

class DamagedSettingsFile : public testing::TestWithParam<DamagedFile> {};

TEST_P(DamagedSettingsFile, StopsAtTheFirstBadFieldKeepingWhatWasRead) {
    SettingsRecords r;
    r.MailSoft = u"before";
    EXPECT_EQ(readSettingsFile(GetParam().bytes, r), GetParam().records);
    if (GetParam().records >= 1) {
        EXPECT_EQ(r.Spc12A, 3);
        EXPECT_EQ(r.MpTsep, u"-");
    }
    if (GetParam().records >= 2) {
        EXPECT_TRUE(r.ChkChg1);
        EXPECT_FALSE(r.maruFix);
    }
    if (GetParam().records < 4) {
        EXPECT_EQ(r.MailSoft, u"before");
    }
}

const std::string kThreeRecords = "3,2,\"-\"\r\n#FALSE#,#TRUE#,#FALSE#\r\n\"12\",\"7\",1\r\n";

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedSettingsFile,
    testing::Values(DamagedFile{"Empty", "", 0}, DamagedFile{"Blank", " \r\n \r\n", 0},
                    DamagedFile{"LetterForNumber", "x,2,\"-\"\r\n", 0},
                    DamagedFile{"NumberTooLarge", "40000,2,\"-\"\r\n", 0},
                    DamagedFile{"RecordOneOnly", "3,2,\"-\"\r\n", 1},
                    DamagedFile{"WordForBoolean", "3,2,\"-\"\r\nTRUE,#TRUE#,#FALSE#\r\n", 1},
                    DamagedFile{"ThreeRecords", kThreeRecords, 3},
                    DamagedFile{"UnclosedText", kThreeRecords + "\"\"\r\n\"never closed\r\n", 4},
                    DamagedFile{"FiveRecords", kThreeRecords + "\"m\"\r\n\"s\"\r\n", 5}),
    [](const testing::TestParamInfo<DamagedFile> &info) { return info.param.name; });

} // namespace
} // namespace tovalo::app
