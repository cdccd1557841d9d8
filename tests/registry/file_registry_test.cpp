// The file store: its file format, damaged and unreadable files, and writers in parallel.

#include "platform/registry/regedit_format.h"
#include "store_fixtures.h"

#include <array>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace tovalo::testing {
namespace {

using platform::FileRegistry;
using platform::KeyHandle;
using platform::RegistryRoot;
using platform::RegStatus;
using platform::ValueType;

constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;

std::string readFile(const std::filesystem::path &file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const std::filesystem::path &file, std::string_view text) {
    std::ofstream(file, std::ios::binary) << text;
}

class FileRegistryTest : public ::testing::Test {
protected:
    std::filesystem::path userFile() const { return registry.fileOf(kUser); }

    TempFolder folder;
    FileRegistry registry{folder.path()};
};

TEST_F(FileRegistryTest, WritesRegeditTextThatOtherProgramsCanRead) {
    KeyHandle key = 0;
    ASSERT_EQ(registry.createKey(kUser, "Software\\Upcheck\\a@b.jp", key), RegStatus::Ok);
    ASSERT_EQ(registry.setString(key, "Author", "作者 \"x\\y\""), RegStatus::Ok);
    ASSERT_EQ(registry.setNumber(key, "Build", 20100), RegStatus::Ok);
    ASSERT_EQ(registry.setString(key, "", "two\r\nlines"), RegStatus::Ok);
    ASSERT_EQ(registry.closeKey(key), RegStatus::Ok);

    EXPECT_EQ(readFile(userFile()), "REGEDIT4\r\n"
                                    "\r\n[HKEY_CURRENT_USER\\Software]\r\n"
                                    "\r\n[HKEY_CURRENT_USER\\Software\\Upcheck]\r\n"
                                    "\r\n[HKEY_CURRENT_USER\\Software\\Upcheck\\a@b.jp]\r\n"
                                    "\"Author\"=\"作者 \\\"x\\\\y\\\"\"\r\n"
                                    "\"Build\"=dword:00004e84\r\n"
                                    "@=hex(1):74,77,6f,0d,0a,6c,69,6e,65,73,00\r\n");
    EXPECT_FALSE(std::filesystem::exists(registry.fileOf(RegistryRoot::LocalMachine)));
}

TEST_F(FileRegistryTest, KeepsEveryValueOfAFileItDidNotWrite) {
    const std::string foreign = "\xEF\xBB\xBFREGEDIT4\n"
                                "; written by hand\n"
                                "[hkey_current_user\\Software\\Tool]\n"
                                "@=\"default\"\n"
                                "\"Bytes\"=hex:01,ff\n"
                                "\"Multi\"=hex(7):61,00,\\\n"
                                "  62,00,00\n"
                                "\"Empty\"=hex(0):\n";
    writeFile(userFile(), foreign);
    KeyHandle key = 0;
    ASSERT_EQ(registry.openKey(kUser, "Software\\Tool", key), RegStatus::Ok);
    ASSERT_EQ(registry.setNumber(key, "Added", 1), RegStatus::Ok);

    auto before = platform::parseRegedit(foreign, kUser);
    auto after = platform::parseRegedit(readFile(userFile()), kUser);
    ASSERT_TRUE(before && after);
    for (std::string_view name : {"", "Bytes", "Multi", "Empty"}) {
        const auto *was = before->find("Software\\Tool", name);
        const auto *now = after->find("Software\\Tool", name);
        ASSERT_TRUE(was && now) << name;
        EXPECT_EQ(*now, *was) << name;
    }
    EXPECT_EQ(before->find("Software\\Tool", "Multi")->bytes, std::string("a\0b\0\0", 5));
}

TEST_F(FileRegistryTest, ADamagedFileFailsEveryCallAndIsNeverWrittenOver) {
    const char *damaged[] = {
        "[HKEY_CURRENT_USER\\Software]\r\n",                        // no header
        "REGEDIT4\r\n\"Build\"=dword:1\r\n",                        // value outside a key
        "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\Software]\r\n",           // another root
        "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\r\n",             // unclosed section
        "REGEDIT4\r\n[HKEY_CURRENT_USER\\a\\\\b]\r\n",              // empty key name
        "REGEDIT4\r\n[HKEY_CURRENT_USER\\a]\r\n\"x\"=\"open\r\n",   // unclosed string
        "REGEDIT4\r\n[HKEY_CURRENT_USER\\a]\r\n\"x\"=\"\\n\"\r\n",  // unknown escape
        "REGEDIT4\r\n[HKEY_CURRENT_USER\\a]\r\n\"x\"=dword:1g\r\n", // not hex
        "REGEDIT4\r\n[HKEY_CURRENT_USER\\a]\r\n\"x\"=dword:123456789\r\n",
        "REGEDIT4\r\n[HKEY_CURRENT_USER\\a]\r\n\"x\"=hex:1,2\r\n",
        "REGEDIT4\r\n[HKEY_CURRENT_USER\\a]\r\n\"x\"=-\r\n", // a deletion, not a value
        "REGEDIT4\r\n[HKEY_CURRENT_USER\\a]\r\nx=\"y\"\r\n",
        "Windows Registry Editor Version 5.00\r\n",
    };
    for (std::string text : damaged) {
        SCOPED_TRACE(text);
        writeFile(userFile(), text);
        KeyHandle key = 0;
        EXPECT_EQ(registry.openKey(kUser, "a", key), RegStatus::StoreDamaged);
        EXPECT_EQ(registry.createKey(kUser, "Software\\Upcheck", key), RegStatus::StoreDamaged);
        EXPECT_EQ(readFile(userFile()), text);
    }
}

TEST_F(FileRegistryTest, AFileThatCannotBeReadFailsTheCall) {
    std::filesystem::create_directory(userFile());
    KeyHandle key = 0;
    EXPECT_EQ(registry.openKey(kUser, "Software", key), RegStatus::StoreIoError);
    EXPECT_EQ(registry.createKey(kUser, "Software", key), RegStatus::StoreIoError);
}

TEST_F(FileRegistryTest, AKeyAnotherProgramRemovedCannotBeWritten) {
    KeyHandle key = 0;
    ASSERT_EQ(registry.createKey(kUser, "Software\\Upcheck", key), RegStatus::Ok);
    writeFile(userFile(), "REGEDIT4\r\n");
    EXPECT_EQ(registry.setString(key, "Author", "x"), RegStatus::KeyDeleted);
    EXPECT_EQ(readFile(userFile()), "REGEDIT4\r\n");
}

TEST_F(FileRegistryTest, AMissingStoreIsEmptyUntilTheFirstWriteCreatesItsFolder) {
    FileRegistry fresh(folder.path() / "config" / "registry");
    KeyHandle key = 0;
    EXPECT_EQ(fresh.openKey(kUser, "Software", key), RegStatus::NotFound);
    EXPECT_EQ(fresh.createKey(kUser, "Software", key), RegStatus::Ok);
    EXPECT_TRUE(std::filesystem::exists(fresh.fileOf(kUser)));
}

// Two processes, started at the same moment, each store many values of their own under
// the same key of one file.
TEST_F(FileRegistryTest, TwoProcessesWritingAtOnceLoseNothing) {
    constexpr int kWrites = 100;
    int gate[2];
    ASSERT_EQ(::pipe(gate), 0);
    pid_t children[2];
    for (char writer : {'a', 'b'}) {
        pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::close(gate[1]);
            char go;
            bool ok = ::read(gate[0], &go, 1) == 0;
            FileRegistry mine(folder.path());
            for (int i = 0; ok && i < kWrites; ++i) {
                KeyHandle key = 0;
                ok = mine.createKey(kUser, "Software\\Upcheck", key) == RegStatus::Ok &&
                     mine.setNumber(key, writer + std::to_string(i), i) == RegStatus::Ok &&
                     mine.closeKey(key) == RegStatus::Ok;
            }
            ::_exit(ok ? 0 : 1);
        }
        children[writer - 'a'] = pid;
    }
    ::close(gate[0]);
    ::close(gate[1]); // both start now
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    KeyHandle key = 0;
    ASSERT_EQ(registry.openKey(kUser, "Software\\Upcheck", key), RegStatus::Ok);
    int found = 0;
    for (char writer : {'a', 'b'})
        for (int i = 0; i < kWrites; ++i) {
            std::array<std::uint8_t, 4> bytes{};
            ValueType type{};
            std::size_t size = 0;
            found += registry.queryValue(key, writer + std::to_string(i), bytes, type, size) ==
                         RegStatus::Ok &&
                     bytes[0] == i;
        }
    EXPECT_EQ(found, 2 * kWrites);
}

} // namespace
} // namespace tovalo::testing
