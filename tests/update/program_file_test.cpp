// Which program file is recorded: the running executable here, the Windows rule there.

#include "platform/program/program_file.h"
#include "up_check_support.h"

namespace tovalo::testing {
namespace {

TEST(ProgramFile, WindowsJoinsFolderAndNameWithEXEAndNoDoubleBackslashAtADriveRoot) {
    const std::tuple<std::u16string_view, std::u16string_view, std::u16string_view> cases[] = {
        {u"C:\\", u"tovalo", u"C:\\tovalo.EXE"},
        {u"C:\\Tools", u"Tovalo", u"C:\\Tools\\Tovalo.EXE"},
        {u"D:\\縦", u"tovalo", u"D:\\縦\\tovalo.EXE"},
        {u"\\\\server\\share\\縦書き", u"t", u"\\\\server\\share\\縦書き\\t.EXE"},
    };
    for (const auto &[folder, name, expected] : cases)
        EXPECT_TRUE(platform::windowsProgramFile(folder, name) == expected);
}

TEST(ProgramFile, RunningProgramRecordsThisExecutableAndTheBuildsVersion) {
    const std::string self = platform::runningProgramFile();
    ASSERT_TRUE(std::filesystem::equivalent(self, "/proc/self/exe"));
    EXPECT_EQ(std::filesystem::path(self).filename(), "test_update");

    platform::FakeRegistry registry;
    installChecker(registry);
    update::UpCheck upCheck(registry);
    describe(upCheck);
    upCheck.FilePath(true);
    ASSERT_TRUE(upCheck.WriteData().ok());
    EXPECT_EQ(valueOf(registry, kProgramKey, "FilePath"), text(self));
    EXPECT_EQ(valueOf(registry, kProgramKey, "Build"), number(20100));
}

} // namespace
} // namespace tovalo::testing
