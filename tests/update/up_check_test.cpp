#include "../platform/registry/store_fixtures.h"
#include "platform/program/program_file.h"
#include "update/up_check.h"

#include <filesystem>
#include <functional>
#include <map>

namespace tovalo::testing {
namespace {

using platform::RegStatus;
using update::UpCheck;
using update::UpCheckError;

constexpr std::string_view kDeveloperKey = "Software\\Upcheck\\dev@example.jp";
constexpr std::string_view kProgramKey = "Software\\Upcheck\\dev@example.jp\\Tovalo";

constexpr std::int32_t objectError(int code) {
    return -2147221504 + code;
}

// A program of the given product name and version major.1.0.
update::ProgramIdentity program(std::u16string productName = u"Tovalo", int major = 2) {
    return {std::move(productName), major, 1, 0, {}};
}

void installChecker(platform::Registry &registry) {
    ASSERT_EQ(registry.closeKey(userKey(registry, "Software\\Upcheck", true)), RegStatus::Ok);
}

// Runs one call and gives its error, or number 0 when it succeeded.
using Step = std::function<UpCheckError(UpCheck &)>;
template <typename Result> UpCheckError errorOf(const Result &result) {
    return result.ok() ? UpCheckError{0, ""} : result.error();
}
const Step kInstalled = [](UpCheck &u) { return errorOf(u.InstalledUpCheck()); };
const Step kWriteData = [](UpCheck &u) { return errorOf(u.WriteData()); };
const Step kCheckNewVer = [](UpCheck &u) { return errorOf(u.CheckNewVer()); };
const Step kInfoURL2 = [](UpCheck &u) { return errorOf(u.InfoURL(u"https://b", 2)); };

// A registry failure is error 10, keeps what was written before it and leaves no key open.
TEST(UpCheckErrors, EachCallStopsAtTheFirstMissingPieceOrFailureAndWritesNothingMore) {
    const std::map<std::int32_t, std::string_view> messages = {
        {objectError(1), "更新風鐸がインストールされていないのでソフトの情報が書き込めません"},
        {objectError(2), "メールアドレスが指定されていません"},
        {objectError(3), "開発者名が指定されていません"},
        {objectError(4), "アップデート情報ファイルのアドレスが指定されていません"},
        {objectError(5), "Tovalo からソフト名が取得できません。Distinctnameを指定してください"},
        {objectError(6), "IconIndex には負の値は設定できません"},
        {objectError(10), "レジストリに原因不明のエラーが発生しアクセスできません"},
        {6, "オーバーフローしました。"},
    };
    using Call = platform::FakeRegistry::Call;
    // Everything a registration needs is set unless a case says otherwise.
    struct Case {
        std::int32_t error;
        bool installed = true;
        std::u16string_view mail = u"dev@example.jp", author = u"a", url = u"u";
        std::u16string_view product = u"Tovalo";
        int iconIndex = 0, major = 2;
        Step step = kWriteData;
        Call fail = Call::Open;
        int failAt = 0; // the failing call's number, 0 for none
        int kept = 0;   // developer values written before the failure: Author, then InfoURL
    };
    const std::int32_t failed = objectError(10);
    const Case cases[] = {
        {.error = objectError(1),
         .installed = false,
         .mail = u"",
         .author = u"",
         .url = u"",
         .product = u"",
         .iconIndex = -1,
         .major = 4}, // nothing at all
        {.error = objectError(2), .mail = u"", .author = u""},
        {.error = objectError(3), .author = u"", .url = u""},
        {.error = objectError(4), .url = u"", .product = u""},
        {.error = objectError(5), .product = u"", .iconIndex = -1},
        {.error = objectError(6), .iconIndex = -1, .major = 4},
        {.error = 6, .major = 4}, // the build 40100 does not fit in 16 bits
        {.error = objectError(1), .installed = false, .step = kInfoURL2},
        {.error = objectError(2), .mail = u"", .step = kInfoURL2},
        {.error = objectError(4), .step = [](UpCheck &u) { return errorOf(u.InfoURL(u"", 3)); }},
        {.error = objectError(2), .mail = u"", .step = kCheckNewVer},
        {.error = objectError(5), .installed = false, .product = u"", .step = kCheckNewVer},
        {.error = failed, .installed = false, .step = kCheckNewVer},
        {.error = failed, .step = kInstalled, .fail = Call::Close, .failAt = 1},
        {.error = failed, .step = kInstalled, .fail = Call::Open, .failAt = 1},
        {.error = failed, .fail = Call::Open, .failAt = 1},
        {.error = failed, .fail = Call::SetValue, .failAt = 2, .kept = 1},
        {.error = failed, .fail = Call::Create, .failAt = 2, .kept = 2}, // the program key
        {.error = failed, .fail = Call::Close, .failAt = 2, .kept = 2},  // the developer key
        {.error = failed, .step = kInfoURL2, .fail = Call::SetValue, .failAt = 1},
        {.error = failed, .step = kCheckNewVer, .fail = Call::Query, .failAt = 1},
        {.error = failed, .step = kCheckNewVer, .fail = Call::Close, .failAt = 1},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case &c = cases[i];
        SCOPED_TRACE(i);
        platform::FakeRegistry store;
        if (c.installed)
            installChecker(store);
        if (c.failAt > 0) // the latest build the check reads
            put(store, kProgramKey, "LatestBuild", number(1));
        UpCheck upCheck(store, program(std::u16string(c.product), c.major));
        upCheck.MailAddress(c.mail);
        upCheck.Author(c.author);
        ASSERT_TRUE(upCheck.InfoURL(c.url, 1).ok());
        upCheck.IconIndex(c.iconIndex);
        if (c.failAt > 0)
            store.failCall(c.fail, c.failAt);
        EXPECT_EQ(c.step(upCheck), UpCheckError(c.error, messages.at(c.error)));
        EXPECT_EQ(store.openKeyCount(), 0u);
        EXPECT_EQ(valueOf(store, kDeveloperKey, "Author").has_value(), c.kept > 0);
        EXPECT_EQ(valueOf(store, kDeveloperKey, "InfoURL").has_value(), c.kept > 1);
        EXPECT_FALSE(valueOf(store, kProgramKey, "Build"));
        EXPECT_TRUE(c.failAt > 0 || !hasKey(store, kDeveloperKey));
    }
}

TEST(UpCheck, WriteDataWritesWhatIsSetAndKeepsWhatItLeavesOutAndCheckNewVerReadsItBack) {
    platform::FakeRegistry registry;
    installChecker(registry);
    using Values = std::tuple<std::string_view, std::string_view, platform::StoredValue>[];
    const auto expectStored = [&](const auto &values) {
        for (const auto &[key, name, value] : values)
            EXPECT_EQ(valueOf(registry, key, name), value) << name;
    };
    const Values earlier = {
        {kDeveloperKey, "DisplayHost", text("old.example.jp")},
        {kProgramKey, "IconIndex", number(7)},
        {kProgramKey, "FilePath", text("/old/tovalo")},
        {kProgramKey, "DisplayName", text("Old")},
    };
    for (const auto &[key, name, value] : earlier)
        put(registry, key, name, value);
    UpCheck running(registry); // the version 2.1.0 of this build: build 20100
    running.MailAddress(u"dev@example.jp");
    running.Author(u"作者");
    ASSERT_TRUE(running.InfoURL(u"https://example.jp/tovalo.txt", 0).ok());
    ASSERT_TRUE(running.InfoURL(u"https://third", 3).ok()); // written at once, the first is not
    expectStored(Values{{kDeveloperKey, "InfoURL3", text("https://third")}});
    EXPECT_FALSE(valueOf(registry, kDeveloperKey, "InfoURL"));
    running.FilePath(true);
    running.FilePath(false);
    ASSERT_TRUE(running.WriteData().ok());
    expectStored(earlier);
    expectStored(Values{{kDeveloperKey, "InfoURL", text("https://example.jp/tovalo.txt")},
                        {kProgramKey, "DistinctName", text("Tovalo")},
                        {kProgramKey, "Build", number(20100)}});

    const std::string self = platform::runningProgramFile();
    ASSERT_TRUE(std::filesystem::equivalent(self, "/proc/self/exe"));
    running.DisplayHost(u"example.jp");
    running.DisplayName(u"縦書き Tovalo");
    running.Build(210);
    running.IconIndex(2);
    running.FilePath(true);
    ASSERT_TRUE(running.WriteData().ok());
    expectStored(Values{
        {kDeveloperKey, "DisplayHost", text("example.jp")},
        {kProgramKey, "Build", number(210)},
        {kProgramKey, "IconIndex", number(2)},
        {kProgramKey, "FilePath", text(self)},
        {kProgramKey, "DisplayName", text("縦書き Tovalo")},
    });

    EXPECT_FALSE(running.CheckNewVer().value()); // a missing value counts as 0
    // Before each call the checker writes one value; the running build is 210.
    const std::tuple<std::string_view, platform::StoredValue, bool> steps[] = {
        {"LatestBuild", number(211), true}, {"LatestBuild", number(210), false},
        {"LatestBuild", number(-5), false}, {"LatestBuild", text("99999"), false},
        {"LatestBuild", number(211), true}, {"NextBuild", number(205), false},
        {"NextBuild", number(212), true},   {"NextBuild", number(0), true},
        {"NextBuild", number(210), false},  {"NextBuild", number(-1), false},
    };
    for (std::size_t step = 0; step < std::size(steps); ++step) {
        const auto &[name, value, newer] = steps[step];
        put(registry, kProgramKey, name, value);
        EXPECT_EQ(running.CheckNewVer().value(), newer) << "step " << step << ", " << name;
    }
}

} // namespace
} // namespace tovalo::testing
