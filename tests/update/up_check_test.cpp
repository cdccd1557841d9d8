// UpCheck on the fake and on the file store alike.

#include "up_check_support.h"

namespace tovalo::testing {
namespace {

using update::UpCheck;

template <typename Store> class UpCheckTest : public ::testing::Test {
protected:
    platform::Registry &registry() { return store.registry(); }
    platform::Registry &checker() { return store.writer(); }

    Store store;
};
TYPED_TEST_SUITE(UpCheckTest, StoreTypes, StoreNames);

TYPED_TEST(UpCheckTest, InstalledUpCheckTellsWhetherTheCheckersKeyExists) {
    UpCheck upCheck(this->registry(), program());
    EXPECT_FALSE(upCheck.InstalledUpCheck().value());
    installChecker(this->checker());
    EXPECT_TRUE(upCheck.InstalledUpCheck().value());
}

TYPED_TEST(UpCheckTest, WriteDataStopsAtTheFirstMissingPieceAndWritesNothing) {
    struct Case {
        bool installed;
        std::u16string_view mail, author, url, product;
        int iconIndex, major;
        std::int32_t number;
        std::string_view message;
    };
    const Case cases[] = {
        {false, u"", u"", u"", u"", -1, 4, objectError(1),
         "更新風鐸がインストールされていないのでソフトの情報が書き込めません"},
        {true, u"", u"", u"u", u"T", 0, 2, objectError(2), "メールアドレスが指定されていません"},
        {true, u"m", u"", u"", u"T", 0, 2, objectError(3), "開発者名が指定されていません"},
        {true, u"m", u"a", u"", u"", 0, 2, objectError(4),
         "アップデート情報ファイルのアドレスが指定されていません"},
        {true, u"m", u"a", u"u", u"", -1, 2, objectError(5),
         "App.Productname からソフト名が取得できません。Distinctnameを指定してください"},
        {true, u"m", u"a", u"u", u"T", -1, 4, objectError(6),
         "IconIndex には負の値は設定できません"},
        {true, u"m", u"a", u"u", u"T", 0, 4, 6, "オーバーフローしました。"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.message);
        TypeParam store;
        if (c.installed)
            installChecker(store.writer());
        UpCheck upCheck(store.registry(), program(std::u16string(c.product), c.major));
        upCheck.MailAddress(c.mail);
        upCheck.Author(c.author);
        ASSERT_TRUE(upCheck.InfoURL(c.url, 1).ok());
        upCheck.IconIndex(c.iconIndex);

        auto written = upCheck.WriteData();
        ASSERT_FALSE(written.ok());
        EXPECT_EQ(written.error().number, c.number);
        EXPECT_EQ(written.error().description, c.message);
        EXPECT_FALSE(hasKey(store.writer(), "Software\\Upcheck\\m"));
    }
}

TYPED_TEST(UpCheckTest, WriteDataWritesTheDeveloperAndTheProgram) {
    installChecker(this->checker());
    UpCheck upCheck(this->registry(), program());
    describe(upCheck);
    upCheck.DisplayHost(u"example.jp");
    upCheck.DisplayName(u"縦書き Tovalo");
    upCheck.DistinctName(u"Tovalo");
    upCheck.Build(210);
    upCheck.IconIndex(2);
    upCheck.FilePath(true);
    ASSERT_TRUE(upCheck.WriteData().ok());

    const std::tuple<std::string_view, std::string_view, platform::StoredValue> expected[] = {
        {kDeveloperKey, "Author", text("作者")},
        {kDeveloperKey, "InfoURL", text("https://example.jp/tovalo.txt")},
        {kDeveloperKey, "DisplayHost", text("example.jp")},
        {kProgramKey, "DistinctName", text("Tovalo")},
        {kProgramKey, "Build", number(210)},
        {kProgramKey, "IconIndex", number(2)},
        {kProgramKey, "FilePath", text("/opt/t/tovalo")},
        {kProgramKey, "DisplayName", text("縦書き Tovalo")},
    };
    for (const auto &[key, name, value] : expected)
        EXPECT_EQ(valueOf(this->checker(), key, name), value) << name;
}

TYPED_TEST(UpCheckTest, ValuesLeftOutStayAsAnEarlierRunWroteThem) {
    installChecker(this->checker());
    put(this->checker(), kDeveloperKey, "DisplayHost", text("old.example.jp"));
    put(this->checker(), kProgramKey, "IconIndex", number(7));
    put(this->checker(), kProgramKey, "FilePath", text("/old/tovalo"));
    put(this->checker(), kProgramKey, "DisplayName", text("Old"));

    UpCheck upCheck(this->registry(), program());
    describe(upCheck);
    upCheck.FilePath(true);
    upCheck.FilePath(false);
    ASSERT_TRUE(upCheck.WriteData().ok());

    EXPECT_EQ(valueOf(this->checker(), kDeveloperKey, "DisplayHost"), text("old.example.jp"));
    EXPECT_EQ(valueOf(this->checker(), kProgramKey, "IconIndex"), number(7));
    EXPECT_EQ(valueOf(this->checker(), kProgramKey, "FilePath"), text("/old/tovalo"));
    EXPECT_EQ(valueOf(this->checker(), kProgramKey, "DisplayName"), text("Old"));
}

TYPED_TEST(UpCheckTest, WithoutBuildAndDistinctNameTheVersionAndProductNameAreUsedAndKept) {
    installChecker(this->checker());
    UpCheck upCheck(this->registry(), program(u"Tovalo"));
    describe(upCheck);
    ASSERT_TRUE(upCheck.WriteData().ok());
    EXPECT_EQ(valueOf(this->checker(), kProgramKey, "DistinctName"), text("Tovalo"));
    EXPECT_EQ(valueOf(this->checker(), kProgramKey, "Build"), number(20100));

    put(this->checker(), kProgramKey, "LatestBuild", number(20101));
    EXPECT_TRUE(upCheck.CheckNewVer().value());
}

TYPED_TEST(UpCheckTest, CheckNewVerComparesWithLatestAndNextBuild) {
    // A value that is missing, or longer than the four bytes of a number, counts as 0.
    using Value = std::optional<platform::StoredValue>;
    const std::tuple<Value, Value, bool> cases[] = {
        {number(211), {}, true},
        {number(211), number(205), false},
        {number(211), number(212), true},
        {number(210), {}, false},
        {{}, {}, false},
        {number(211), number(0), true},
        {number(211), number(210), false},
        {number(211), number(211), true},
        {number(-5), {}, false},
        {number(211), number(-1), false},
        {{}, number(212), false},
        {text("99999"), {}, false},
    };
    installChecker(this->checker());
    int row = 0;
    for (const auto &[latest, next, newer] : cases) {
        // Each row under a program name of its own, so that no value of another row counts.
        const std::string name = "P" + std::to_string(row++);
        const std::string key = std::string(kDeveloperKey) + '\\' + name;
        put(this->checker(), key, "DistinctName", text(name));
        if (latest)
            put(this->checker(), key, "LatestBuild", *latest);
        if (next)
            put(this->checker(), key, "NextBuild", *next);

        UpCheck upCheck(this->registry(), program());
        upCheck.MailAddress(u"dev@example.jp");
        upCheck.DistinctName(std::u16string(name.begin(), name.end()));
        upCheck.Build(210);
        EXPECT_EQ(upCheck.CheckNewVer().value(), newer) << key;
    }
}

TYPED_TEST(UpCheckTest, CheckNewVerFailsWithoutAddressNameOrProgramKey) {
    UpCheck noAddress(this->registry(), program());
    EXPECT_EQ(noAddress.CheckNewVer().error().number, objectError(2));

    UpCheck noName(this->registry(), program(u""));
    noName.MailAddress(u"dev@example.jp");
    EXPECT_EQ(noName.CheckNewVer().error().number, objectError(5));

    UpCheck notRegistered(this->registry(), program());
    notRegistered.MailAddress(u"dev@example.jp");
    EXPECT_EQ(notRegistered.CheckNewVer().error().number, objectError(10));
    EXPECT_EQ(notRegistered.CheckNewVer().error().description,
              "レジストリに原因不明のエラーが発生しアクセスできません");
}

TYPED_TEST(UpCheckTest, CheckNewVerSeesWhatTheCheckerWritesBetweenCalls) {
    installChecker(this->checker());
    UpCheck upCheck(this->registry(), program());
    describe(upCheck);
    upCheck.Build(210);
    ASSERT_TRUE(upCheck.WriteData().ok());
    EXPECT_FALSE(upCheck.CheckNewVer().value());

    put(this->checker(), kProgramKey, "LatestBuild", number(211));
    EXPECT_TRUE(upCheck.CheckNewVer().value());
    put(this->checker(), kProgramKey, "NextBuild", number(205));
    EXPECT_FALSE(upCheck.CheckNewVer().value());
}

TYPED_TEST(UpCheckTest, InfoURLWritesFurtherAddressesAtOnceAndTheFirstOnlyWithWriteData) {
    UpCheck upCheck(this->registry(), program());
    EXPECT_EQ(upCheck.InfoURL(u"https://a", 3).error().number, objectError(1));
    installChecker(this->checker());
    EXPECT_EQ(upCheck.InfoURL(u"https://a", 3).error().number, objectError(2));
    upCheck.MailAddress(u"dev@example.jp");
    EXPECT_EQ(upCheck.InfoURL(u"", 3).error().number, objectError(4));

    ASSERT_TRUE(upCheck.InfoURL(u"https://first", 1).ok());
    ASSERT_TRUE(upCheck.InfoURL(u"https://zero", 0).ok());
    EXPECT_FALSE(hasKey(this->checker(), kDeveloperKey));

    ASSERT_TRUE(upCheck.InfoURL(u"https://third", 3).ok());
    ASSERT_TRUE(upCheck.InfoURL(u"https://last", 255).ok());
    EXPECT_EQ(valueOf(this->checker(), kDeveloperKey, "InfoURL3"), text("https://third"));
    EXPECT_EQ(valueOf(this->checker(), kDeveloperKey, "InfoURL255"), text("https://last"));
    EXPECT_EQ(valueOf(this->checker(), kDeveloperKey, "InfoURL"), std::nullopt);

    upCheck.Author(u"作者");
    ASSERT_TRUE(upCheck.WriteData().ok());
    EXPECT_EQ(valueOf(this->checker(), kDeveloperKey, "InfoURL"), text("https://zero"));
}

} // namespace
} // namespace tovalo::testing
