// UpCheck when the registry fails under it.

#include "up_check_support.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <sstream>

namespace tovalo::testing {
namespace {

using Call = platform::FakeRegistry::Call;
using update::UpCheck;
using update::UpCheckError;

// Runs a call and gives its error, or nothing when it succeeded.
using Step = std::function<std::optional<UpCheckError>(UpCheck &)>;

template <typename Result> std::optional<UpCheckError> errorOf(const Result &result) {
    return result.ok() ? std::nullopt : std::optional(result.error());
}

const Step kWriteData = [](UpCheck &u) { return errorOf(u.WriteData()); };

TEST(UpCheckFaults, ARegistryFailureIsError10KeepsWhatWasWrittenAndLeavesNoKeyOpen) {
    struct Case {
        const char *name;
        Call call;
        int n;
        Step step;
        std::vector<std::string_view> developerValuesKept = {};
    };
    const Case cases[] = {
        {"installed check cannot close", Call::Close, 1,
         [](UpCheck &u) { return errorOf(u.InstalledUpCheck()); }},
        {"installed check cannot read the store", Call::Open, 1,
         [](UpCheck &u) { return errorOf(u.InstalledUpCheck()); }},
        {"second write fails", Call::SetValue, 2, kWriteData, {"Author"}},
        {"program key cannot be created", Call::Create, 2, kWriteData, {"Author", "InfoURL"}},
        {"developer key cannot close", Call::Close, 2, kWriteData, {"Author", "InfoURL"}},
        {"further address cannot be written", Call::SetValue, 1,
         [](UpCheck &u) { return errorOf(u.InfoURL(u"https://b", 2)); }},
        {"latest build cannot be read", Call::Query, 1,
         [](UpCheck &u) { return errorOf(u.CheckNewVer()); }},
        {"program key cannot close after the check", Call::Close, 1,
         [](UpCheck &u) { return errorOf(u.CheckNewVer()); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        platform::FakeRegistry registry;
        installChecker(registry);
        put(registry, kProgramKey, "LatestBuild", number(1));
        UpCheck upCheck(registry, program());
        describe(upCheck);

        registry.failCall(c.call, c.n);
        auto error = c.step(upCheck);
        ASSERT_TRUE(error);
        EXPECT_EQ(error->number, objectError(10));
        EXPECT_EQ(registry.openKeyCount(), 0u);
        for (std::string_view name : {"Author", "InfoURL"})
            EXPECT_EQ(valueOf(registry, kDeveloperKey, name).has_value(),
                      std::ranges::count(c.developerValuesKept, name) == 1)
                << name;
        EXPECT_FALSE(valueOf(registry, kProgramKey, "Build"));
    }
}

TEST(UpCheckFaults, ADamagedStoreFileIsError10AndStaysAsItWas) {
    FileStore store;
    const std::string damaged = "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\\Upcheck]\r\n\"x\"=\"";
    std::ofstream(store.files.fileOf(platform::RegistryRoot::CurrentUser)) << damaged;

    UpCheck upCheck(store.registry(), program());
    describe(upCheck);
    const Step steps[] = {
        [](UpCheck &u) { return errorOf(u.InstalledUpCheck()); },
        kWriteData,
        [](UpCheck &u) { return errorOf(u.CheckNewVer()); },
        [](UpCheck &u) { return errorOf(u.InfoURL(u"https://b", 2)); },
    };
    for (const Step &step : steps) {
        auto error = step(upCheck);
        ASSERT_TRUE(error);
        EXPECT_EQ(error->number, objectError(10));
    }
    std::ostringstream text;
    text << std::ifstream(store.files.fileOf(platform::RegistryRoot::CurrentUser)).rdbuf();
    EXPECT_EQ(text.str(), damaged);
}

} // namespace
} // namespace tovalo::testing
