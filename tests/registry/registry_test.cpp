// The registry stores: what every store must do, run against the fake and the file store
// alike; then the file store's format, damaged and unreadable files, and writers in parallel.

#include "store_fixtures.h"

#include <sys/wait.h>
#include <unistd.h>

namespace tovalo::testing {
namespace {

using namespace platform;
using namespace std::literals;

constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;

template <typename Store> class RegistryContract : public ::testing::Test {
protected:
    Store store;
};
TYPED_TEST_SUITE(RegistryContract, StoreTypes);

TYPED_TEST(RegistryContract, KeysWithTheirParentsAndValuesAreFoundWhateverTheCaseOfTheirNames) {
    auto &registry = this->store.registry;
    EXPECT_FALSE(hasKey(registry, "Software\\Upcheck"));
    put(registry, "Software\\Upcheck\\a@b.jp", "Author", text("作者 \"x\\y\""));
    put(registry, "Software\\Upcheck\\a@b.jp", "Build", number(0x12345678));
    put(registry, "Software\\Upcheck\\a@b.jp", "BUILD", number(20100)); // the same value as Build
    EXPECT_EQ(valueOf(registry, "SOFTWARE\\upcheck\\A@B.JP", "author"), text("作者 \"x\\y\""));
    EXPECT_EQ(valueOf(registry, "Software\\Upcheck\\a@b.jp", "Build"), number(20100));
    EXPECT_TRUE(hasKey(registry, ""));
    EXPECT_TRUE(hasKey(registry, "Software\\Upcheck")); // a parent without values
    EXPECT_FALSE(hasKey(registry, "Software\\Upcheck\\other"));
    KeyHandle key = 0;
    EXPECT_EQ(registry.openKey(RegistryRoot::LocalMachine, "Software", key), RegStatus::NotFound);
}

TYPED_TEST(RegistryContract, ClosedKeysAndNamesTheStoreCannotHoldAreRefused) {
    auto &registry = this->store.registry;
    KeyHandle key = userKey(registry, "Software", true);
    EXPECT_EQ(registry.setString(key, "a\nb", "x"), RegStatus::InvalidName);
    ASSERT_EQ(registry.closeKey(key), RegStatus::Ok);
    EXPECT_EQ(registry.closeKey(key), RegStatus::InvalidHandle);
    EXPECT_EQ(registry.setNumber(key, "Build", 1), RegStatus::InvalidHandle);

    for (auto path :
         {"\\Software"sv, "Software\\"sv, "Software\\\\Upcheck"sv, "a\r\nb"sv, "a\0b"sv}) {
        EXPECT_EQ(registry.createKey(kUser, path, key), RegStatus::InvalidName) << path;
        EXPECT_EQ(registry.openKey(kUser, path, key), RegStatus::InvalidName) << path;
    }
}

class FileRegistryTest : public ::testing::Test {
protected:
    void writeUserFile(std::string_view text) { std::ofstream(userFile, std::ios::binary) << text; }

    TempFolder folder;
    FileRegistry registry{folder.path};
    const std::filesystem::path userFile = registry.fileOf(kUser);
};

// Values of every kind that another program wrote stay as they were.
TEST_F(FileRegistryTest, WritesRegeditTextAndKeepsEveryValueItDidNotWrite) {
    writeUserFile("\xEF\xBB\xBFREGEDIT4\n"
                  "; written by hand\n"
                  "[hkey_current_user\\Software\\Tool]\n"
                  "@=\"default\"\n"
                  "\"Bytes\"=hex:01,ff\n"
                  "\"Multi\"=hex(7):61,00,\\\n"
                  "  62,00,00\n"
                  "\"Empty\"=hex(0):\n");
    put(registry, "Software\\Upcheck\\a@b.jp", "Author", text("作者 \"x\\y\""));
    put(registry, "Software\\Upcheck\\a@b.jp", "Build", number(20100));
    put(registry, "Software\\Upcheck\\a@b.jp", "", text("two\r\nlines"));

    EXPECT_EQ(fileText(userFile), "REGEDIT4\r\n"
                                  "\r\n[HKEY_CURRENT_USER\\Software]\r\n"
                                  "\r\n[HKEY_CURRENT_USER\\Software\\Tool]\r\n"
                                  "@=\"default\"\r\n"
                                  "\"Bytes\"=hex:01,ff\r\n"
                                  "\"Multi\"=hex(7):61,00,62,00,00\r\n"
                                  "\"Empty\"=hex(0):\r\n"
                                  "\r\n[HKEY_CURRENT_USER\\Software\\Upcheck]\r\n"
                                  "\r\n[HKEY_CURRENT_USER\\Software\\Upcheck\\a@b.jp]\r\n"
                                  "\"Author\"=\"作者 \\\"x\\\\y\\\"\"\r\n"
                                  "\"Build\"=dword:00004e84\r\n"
                                  "@=hex(1):74,77,6f,0d,0a,6c,69,6e,65,73,00\r\n");
    EXPECT_FALSE(std::filesystem::exists(registry.fileOf(RegistryRoot::LocalMachine)));
}

TEST_F(FileRegistryTest, ADamagedFileFailsEveryCallAndIsNeverWrittenOver) {
    const char *damaged[] = {
        "[HKEY_CURRENT_USER\\Software]\r\n",                               // no header
        "REGEDIT4\r\n\"Build\"=dword:1\r\n",                               // value outside a key
        "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\Software]\r\n",                  // another root
        "REGEDIT4\r\n[HKEY_CURRENT_USER\\Software\r\n",                    // unclosed section
        "REGEDIT4\r\n[HKEY_CURRENT_USER\\a\\\\b]\r\n",                     // empty key name
        "REGEDIT4\r\n[HKEY_CURRENT_USER\\a]\r\n\"x\"=\"open\r\n",          // unclosed string
        "REGEDIT4\r\n[HKEY_CURRENT_USER\\a]\r\n\"x\"=\"\\n\"\r\n",         // unknown escape
        "REGEDIT4\r\n[HKEY_CURRENT_USER\\a]\r\n\"x\"=dword:1g\r\n",        // not hex
        "REGEDIT4\r\n[HKEY_CURRENT_USER\\a]\r\n\"x\"=dword:123456789\r\n", // over 32 bits
        "REGEDIT4\r\n[HKEY_CURRENT_USER\\a]\r\n\"x\"=-\r\n", // a deletion, not a value
    };
    for (std::string text : damaged) {
        SCOPED_TRACE(text);
        writeUserFile(text);
        KeyHandle key = 0;
        EXPECT_EQ(registry.openKey(kUser, "a", key), RegStatus::StoreDamaged);
        EXPECT_EQ(registry.createKey(kUser, "Software\\Upcheck", key), RegStatus::StoreDamaged);
        EXPECT_EQ(fileText(userFile), text);
    }
}

TEST_F(FileRegistryTest, AMissingStoreIsEmptyButAFileThatCannotBeReadFailsTheCall) {
    FileRegistry fresh(folder.path / "config" / "registry");
    KeyHandle key = 0;
    EXPECT_EQ(fresh.openKey(kUser, "Software", key), RegStatus::NotFound);
    EXPECT_EQ(fresh.createKey(kUser, "Software", key), RegStatus::Ok); // creates the folders
    EXPECT_TRUE(std::filesystem::exists(fresh.fileOf(kUser)));

    std::filesystem::create_directory(userFile);
    EXPECT_EQ(registry.openKey(kUser, "Software", key), RegStatus::StoreIoError);
    EXPECT_EQ(registry.createKey(kUser, "Software", key), RegStatus::StoreIoError);
}

TEST_F(FileRegistryTest, AKeyAnotherProgramRemovedCannotBeWritten) {
    KeyHandle key = userKey(registry, "Software\\Upcheck", true);
    writeUserFile("REGEDIT4\r\n");
    EXPECT_EQ(registry.setString(key, "Author", "x"), RegStatus::KeyDeleted);
    EXPECT_EQ(fileText(userFile), "REGEDIT4\r\n");
}

// Two processes, started at the same moment, each store many values of their own under
// the same key of one file.
TEST_F(FileRegistryTest, TwoProcessesWritingAtOnceLoseNothing) {
    constexpr int kWrites = 100;
    int gate[2];
    ASSERT_EQ(::pipe(gate), 0);
    pid_t children[2];
    for (char writer : {'a', 'b'}) {
        children[writer - 'a'] = ::fork();
        ASSERT_GE(children[writer - 'a'], 0);
        if (children[writer - 'a'] == 0) {
            ::close(gate[1]);
            char go;
            bool ok = ::read(gate[0], &go, 1) == 0; // end of file once the parent closes its end
            FileRegistry mine(folder.path);
            for (int i = 0; ok && i < kWrites; ++i) {
                KeyHandle key = userKey(mine, "Software\\Upcheck", true);
                ok = mine.setNumber(key, writer + std::to_string(i), i) == RegStatus::Ok &&
                     mine.closeKey(key) == RegStatus::Ok;
            }
            ::_exit(ok ? 0 : 1);
        }
    }
    ::close(gate[0]);
    ::close(gate[1]); // both start now
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (char writer : {'a', 'b'})
        for (int i = 0; i < kWrites; ++i)
            EXPECT_EQ(valueOf(registry, "Software\\Upcheck", writer + std::to_string(i)),
                      number(i));
}

} // namespace
} // namespace tovalo::testing
