// The registry stores: what every store must do, run against the fake and the file store
// alike; then the file store's format, damaged and unreadable files, and writers in parallel.

#include "store_fixtures.h"

#include <set>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
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

namespace fs = std::filesystem;

class FileRegistryTest : public ::testing::Test {
protected:
    void writeUserFile(std::string_view text) { std::ofstream(userFile, std::ios::binary) << text; }
    // The files in the store's folder, by name.
    std::set<std::string> folderNames() const {
        std::set<std::string> names;
        for (const auto &entry : fs::directory_iterator(folder.path))
            names.insert(entry.path().filename().string());
        return names;
    }

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

// What stands in the store's place: its kind, the target of a link, the bytes of a file.
std::string describe(const fs::path &store) {
    switch (fs::symlink_status(store).type()) {
    case fs::file_type::regular:
        return "file " + fileText(store);
    case fs::file_type::symlink:
        return "link to " + fs::read_symlink(store).string();
    case fs::file_type::not_found:
        return "nothing";
    default:
        return "something else";
    }
}

// Every call reports what it finds in the store's place; nothing but a regular file is
// read, and nothing is changed. A FIFO would block a reading open for ever.
TEST_F(FileRegistryTest, OnlyARegularFileIsAStoreAndABadOneIsLeftAsItIs) {
    using Setup = std::function<void(const fs::path &)>;
    const struct {
        const char *name;
        Setup setup;
        RegStatus status;
        std::string_view problem;
    } cases[] = {
        {"missing", [](const fs::path &) {}, RegStatus::Ok, ""},
        {"well formed", [](const fs::path &f) { std::ofstream(f) << "REGEDIT4\r\n"; },
         RegStatus::Ok, ""},
        {"one broken line",
         [](const fs::path &f) { std::ofstream(f) << "REGEDIT4\r\n[HKEY_CURRENT_USER\r\n"; },
         RegStatus::StoreDamaged, "the registry store is damaged"},
        {"FIFO", [](const fs::path &f) { ASSERT_EQ(::mkfifo(f.c_str(), 0600), 0); },
         RegStatus::StoreIoError, "the registry store cannot be read"},
        {"folder", [](const fs::path &f) { fs::create_directory(f); }, RegStatus::StoreIoError,
         "the registry store cannot be read"},
        {"link to a device", [](const fs::path &f) { fs::create_symlink("/dev/null", f); },
         RegStatus::StoreIoError, "the registry store cannot be read"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(userFile);
        c.setup(userFile);
        const std::string before = describe(userFile);
        ::alarm(20); // a call that blocks fails the test instead of hanging it
        KeyHandle key = 0;
        EXPECT_EQ(registry.openKey(kUser, "", key), c.status);
        EXPECT_EQ(storeProblem(registry, kUser), c.problem);
        if (c.status != RegStatus::Ok) {
            EXPECT_EQ(registry.createKey(kUser, "Software", key), c.status);
            EXPECT_EQ(describe(userFile), before);
        }
        ::alarm(0);
    }
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

// The link stays a link, and the file it points to takes the values: also a file that
// does not exist yet, in a folder that does.
TEST_F(FileRegistryTest, AStoreThatIsALinkIsWrittenThroughToItsTarget) {
    const fs::path elsewhere = folder.path / "elsewhere";
    fs::create_directory(elsewhere);
    const struct {
        const char *name;
        fs::path link; // relative to the store's folder, or absolute
        bool targetExists;
    } cases[] = {
        {"absolute link", elsewhere / "store.reg", true},
        {"relative link", "elsewhere/relative.reg", true},
        {"link to a file not made yet", elsewhere / "new.reg", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path target = c.link.is_absolute() ? c.link : folder.path / c.link;
        if (c.targetExists)
            std::ofstream(target) << "REGEDIT4\r\n[HKEY_CURRENT_USER\\Kept]\r\n";
        fs::remove(userFile);
        fs::create_symlink(c.link, userFile);

        put(registry, "Software\\Upcheck", "Build", number(210));
        EXPECT_EQ(describe(userFile), "link to " + c.link.string());
        EXPECT_NE(fileText(target).find("\"Build\"=dword:000000d2"), std::string::npos);
        EXPECT_EQ(hasKey(registry, "Kept"), c.targetExists);
        EXPECT_EQ(valueOf(registry, "Software\\Upcheck", "Build"), number(210));
    }
}

TEST_F(FileRegistryTest, AReplacedStoreKeepsItsPermissionBits) {
    const fs::path target = folder.path / "target.reg";
    for (bool throughLink : {false, true})
        for (mode_t mode : {0444, 0640, 0604, 0600, 0660}) {
            SCOPED_TRACE(std::to_string(mode) + (throughLink ? " through a link" : ""));
            fs::remove(userFile);
            const fs::path file = throughLink ? target : userFile;
            writeUserFile("");
            if (throughLink) {
                fs::rename(userFile, target);
                fs::create_symlink(target, userFile);
            }
            ASSERT_EQ(::chmod(file.c_str(), mode), 0);
            put(registry, "Software", "Build", number(static_cast<std::int32_t>(mode)));
            struct stat status {};
            ASSERT_EQ(::stat(file.c_str(), &status), 0);
            EXPECT_EQ(status.st_mode & 07777, mode);
            EXPECT_EQ(valueOf(registry, "Software", "Build"),
                      number(static_cast<std::int32_t>(mode)));
        }
}

// Files named as the store's temporary files go once they are a minute old; the next
// write of this root removes them, a read does not.
TEST_F(FileRegistryTest, AWriteRemovesStaleTemporaryFilesOfItsStoreOnly) {
    const struct {
        std::string name;
        int ageSeconds;
        bool kept;
    } files[] = {
        {"HKEY_CURRENT_USER.reg.a1B2c3", 120, false},
        {"HKEY_CURRENT_USER.reg.ZZZZZZ", 3600 * 24, false},
        {"HKEY_CURRENT_USER.reg.x9Y8z7", 5, true},    // a writer may still be at it
        {"HKEY_CURRENT_USER.reg.bak", 120, true},     // not a temporary name
        {"HKEY_CURRENT_USER.reg.a1B2c3d", 120, true}, // seven characters
        {"HKEY_CURRENT_USER.reg.a-B_c3", 120, true},  // not letters and digits
        {"HKEY_CURRENT_USER.rega1B2c3", 120, true},
        {"HKEY_LOCAL_MACHINE.reg.a1B2c3", 120, true}, // the other root's
        {"notes.txt", 120, true},
    };
    const auto now = fs::file_time_type::clock::now();
    for (const auto &f : files) {
        std::ofstream(folder.path / f.name) << "REGEDIT4\r\n";
        fs::last_write_time(folder.path / f.name, now - std::chrono::seconds(f.ageSeconds));
    }
    fs::create_directory(folder.path / "HKEY_CURRENT_USER.reg.Dir123");
    fs::last_write_time(folder.path / "HKEY_CURRENT_USER.reg.Dir123", now - std::chrono::hours(1));
    std::set<std::string> kept = {"HKEY_CURRENT_USER.reg.Dir123"};
    for (const auto &f : files)
        if (f.kept)
            kept.insert(f.name);
    const std::set<std::string> before = folderNames();

    EXPECT_FALSE(hasKey(registry, "Software"));
    EXPECT_EQ(folderNames(), before);
    put(registry, "Software", "Build", number(210));
    kept.insert(userFile.filename().string());
    EXPECT_EQ(folderNames(), kept);
}

// A child process whose files may not grow beyond a limit stands for a full disk: the
// new store cannot be written whole, at its first byte or at its last.
TEST_F(FileRegistryTest, AWriteThatFailsLeavesTheOldStoreWholeAndSaysSo) {
    const std::string old = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software]\r\n\"Old\"=\"kept\"\r\n";
    const std::string added(200, 'x');
    const std::size_t newSize = old.size() + added.size() + 10; // "New"="..." and CR LF
    for (rlim_t limit : {rlim_t(0), rlim_t(old.size()), rlim_t(newSize - 1)}) {
        SCOPED_TRACE(limit);
        writeUserFile(old);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit fileSize{limit, limit};
            KeyHandle key = 0;
            const bool failed = ::setrlimit(RLIMIT_FSIZE, &fileSize) == 0 &&
                                registry.openKey(kUser, "Software", key) == RegStatus::Ok &&
                                registry.setString(key, "New", added) == RegStatus::StoreIoError;
            ::_exit(failed ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        EXPECT_EQ(fileText(userFile), old);
        EXPECT_EQ(folderNames(), std::set<std::string>{userFile.filename().string()});
    }
    put(registry, "Software", "New", text(added)); // the same write, without a limit
    EXPECT_EQ(fileText(userFile).size(), newSize);
}

// A key of many values, as another program may leave it: every one is found, and one
// stored anew goes to the end.
TEST_F(FileRegistryTest, AKeyOfManyValuesReadsAndWritesEveryOne) {
    constexpr int kValues = 47'000;
    std::string file = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Crowded]\r\n";
    for (int i = 0; i < kValues; ++i)
        file += "\"Value" + std::to_string(i) + "\"=dword:" + std::to_string(i % 10) + "\r\n";
    writeUserFile(file);
    for (int i : {0, 1, 23'456, kValues - 1})
        EXPECT_EQ(valueOf(registry, "Crowded", "VALUE" + std::to_string(i)), number(i % 10));
    EXPECT_EQ(valueOf(registry, "Crowded", "Value47000"), std::nullopt);
    put(registry, "Crowded", "value3", number(7)); // stays where it was
    put(registry, "Crowded", "Last", number(1));
    const std::string written = fileText(userFile);
    EXPECT_TRUE(written.ends_with("\"Value46999\"=dword:00000009\r\n\"Last\"=dword:00000001\r\n"));
    EXPECT_NE(written.find("\"Value2\"=dword:00000002\r\n\"Value3\"=dword:00000007\r\n"),
              std::string::npos);
}

} // namespace
} // namespace tovalo::testing
