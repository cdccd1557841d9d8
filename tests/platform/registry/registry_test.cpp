#include "store_fixtures.h"

#include "platform/registry/file_registry.h"

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tovalo::testing {
namespace {

using namespace platform;
using namespace std::literals;
namespace fs = std::filesystem;

constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;

std::string fileText(const fs::path &file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class FileRegistryTest : public ::testing::Test {
protected:
    ~FileRegistryTest() override {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    void writeUserFile(std::string_view text) { std::ofstream(userFile, std::ios::binary) << text; }
    std::set<std::string> folderNames() const {
        std::set<std::string> names;
        for (const auto &entry : fs::directory_iterator(folder))
            names.insert(entry.path().filename().string());
        return names;
    }

    const fs::path folder = [] {
        std::string pattern = (fs::temp_directory_path() / "tovalo-XXXXXX").string();
        return fs::path(::mkdtemp(pattern.data()));
    }();
    FileRegistry registry{folder};
    const fs::path userFile = registry.fileOf(kUser);
};

TEST_F(FileRegistryTest, KeysAreFoundWhateverTheCaseOfTheirNamesAndBadNamesAreRefused) {
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

    key = userKey(registry, "Software", true); // closed keys and names a store cannot hold
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

pid_t inChild(const std::function<bool()> &work) {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(work() ? 0 : 1);
    return child;
}

bool succeeded(pid_t child) {
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

std::string describe(const fs::path &store) {
    if (fs::is_symlink(store))
        return "link to " + fs::read_symlink(store).string();
    return fs::is_regular_file(store) ? "file " + fileText(store)
                                      : std::to_string(int(fs::symlink_status(store).type()));
}

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
    put(registry, "Software\\Tool", "bytes", number(7)); // in the place of Bytes

    EXPECT_EQ(fileText(userFile), "REGEDIT4\r\n"
                                  "\r\n[HKEY_CURRENT_USER\\Software]\r\n"
                                  "\r\n[HKEY_CURRENT_USER\\Software\\Tool]\r\n"
                                  "@=\"default\"\r\n"
                                  "\"Bytes\"=dword:00000007\r\n"
                                  "\"Multi\"=hex(7):61,00,62,00,00\r\n"
                                  "\"Empty\"=hex(0):\r\n"
                                  "\r\n[HKEY_CURRENT_USER\\Software\\Upcheck]\r\n"
                                  "\r\n[HKEY_CURRENT_USER\\Software\\Upcheck\\a@b.jp]\r\n"
                                  "\"Author\"=\"作者 \\\"x\\\\y\\\"\"\r\n"
                                  "\"Build\"=dword:00004e84\r\n"
                                  "@=hex(1):74,77,6f,0d,0a,6c,69,6e,65,73,00\r\n");
}

// Only a regular file is read: a FIFO would block for ever.
TEST_F(FileRegistryTest, OnlyAWellFormedRegularFileIsAStoreAndABadOneIsLeftAsItIs) {
    using Setup = std::function<void(const fs::path &)>;
    const auto file = [](std::string text) -> Setup {
        return [text](const fs::path &f) { std::ofstream(f, std::ios::binary) << text; };
    };
    constexpr RegStatus kDamaged = RegStatus::StoreDamaged, kUnreadable = RegStatus::StoreIoError;
    const std::string key = "REGEDIT4\r\n[HKEY_CURRENT_USER\\a]\r\n";
    const struct {
        const char *name;
        Setup setup;
        RegStatus status;
    } cases[] = {
        {"no header", file("[HKEY_CURRENT_USER\\Software]\r\n"), kDamaged},
        {"value outside a key", file("REGEDIT4\r\n\"x\"=dword:1\r\n"), kDamaged},
        {"another root", file("REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\Software]\r\n"), kDamaged},
        {"empty key name", file("REGEDIT4\r\n[HKEY_CURRENT_USER\\a\\\\b]\r\n"), kDamaged},
        {"unknown escape", file(key + "\"x\"=\"\\n\"\r\n"), kDamaged},
        {"number not hex", file(key + "\"x\"=dword:1g\r\n"), kDamaged},
        {"over 32 bits", file(key + "\"x\"=dword:123456789\r\n"), kDamaged},
        {"a deletion", file(key + "\"x\"=-\r\n"), kDamaged},
        {"FIFO", [](const fs::path &f) { ASSERT_EQ(::mkfifo(f.c_str(), 0600), 0); }, kUnreadable},
        {"folder", [](const fs::path &f) { fs::create_directory(f); }, kUnreadable},
        {"link to a device", [](const fs::path &f) { fs::create_symlink("/dev/null", f); },
         kUnreadable},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(userFile);
        c.setup(userFile);
        const std::string before = describe(userFile);
        ::alarm(20); // a call that blocks fails the test instead of hanging it
        KeyHandle key = 0;
        EXPECT_EQ(registry.openKey(kUser, "", key), c.status);
        EXPECT_EQ(storeProblem(registry, kUser), c.status == kDamaged
                                                     ? "the registry store is damaged"
                                                     : "the registry store cannot be read");
        EXPECT_EQ(registry.createKey(kUser, "Software", key), c.status);
        EXPECT_EQ(describe(userFile), before);
        ::alarm(0);
    }
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST_F(FileRegistryTest, FoldersAreMadeOnTheFirstWriteAndAKeyRemovedMeanwhileIsNotWritten) {
    FileRegistry fresh(folder / "config" / "registry");
    put(fresh, "Software\\Upcheck", "Build", number(1));
    KeyHandle key = userKey(fresh, "Software\\Upcheck");
    std::ofstream(fresh.fileOf(kUser), std::ios::binary) << "REGEDIT4\r\n"; // another program
    EXPECT_EQ(fresh.setString(key, "Author", "x"), RegStatus::KeyDeleted);
    EXPECT_EQ(fileText(fresh.fileOf(kUser)), "REGEDIT4\r\n");
}

TEST_F(FileRegistryTest, AStoreIsWrittenThroughItsLinkAndKeepsItsPermissionBits) {
    fs::create_directory(folder / "elsewhere");
    const struct {
        fs::path link; // empty for a plain file; else absolute or relative to the store's folder
        mode_t mode;   // 0: the target is not made yet
    } cases[] = {
        {"", 0444},
        {folder / "elsewhere/absolute.reg", 0604},
        {"elsewhere/relative.reg", 0600},
        {folder / "elsewhere/new.reg", 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.link.string() + " " + std::to_string(c.mode));
        const fs::path target = c.link.empty() ? userFile : folder / c.link;
        fs::remove(userFile);
        if (c.mode != 0) {
            std::ofstream(target) << "REGEDIT4\r\n[HKEY_CURRENT_USER\\Kept]\r\n";
            ASSERT_EQ(::chmod(target.c_str(), c.mode), 0);
        }
        if (!c.link.empty())
            fs::create_symlink(c.link, userFile);

        put(registry, "Software\\Upcheck", "Build", number(210));
        EXPECT_EQ(describe(userFile),
                  c.link.empty() ? "file " + fileText(target) : "link to " + c.link.string());
        EXPECT_NE(fileText(target).find("\"Build\"=dword:000000d2"), std::string::npos);
        EXPECT_EQ(hasKey(registry, "Kept"), c.mode != 0);
        const auto mode = mode_t(fs::status(target).permissions());
        EXPECT_TRUE(c.mode == 0 || mode == c.mode) << mode;
    }
}

TEST_F(FileRegistryTest, AWriteRemovesStaleTemporaryFilesOfItsStoreOnly) {
    const struct {
        std::string name;
        bool kept = true;
        int ageSeconds = 120;
    } files[] = {
        {"HKEY_CURRENT_USER.reg.a1B2c3", false},
        {"HKEY_CURRENT_USER.reg.x9Y8z7", true, 5}, // a writer may still be at it
        {"HKEY_CURRENT_USER.reg.a1B2c3d"},
        {"HKEY_CURRENT_USER.reg.a-B_c3"},
        {"HKEY_LOCAL_MACHINE.reg.a1B2c3"},
        {"HKEY_CURRENT_USER.reg.Dir123"}, // a folder
    };
    const auto now = fs::file_time_type::clock::now();
    std::set<std::string> kept = {userFile.filename().string()};
    for (const auto &f : files) {
        if (f.name.ends_with("Dir123"))
            fs::create_directory(folder / f.name);
        else
            std::ofstream(folder / f.name) << "REGEDIT4\r\n";
        fs::last_write_time(folder / f.name, now - std::chrono::seconds(f.ageSeconds));
        if (f.kept)
            kept.insert(f.name);
    }
    put(registry, "Software", "Build", number(210));
    EXPECT_EQ(folderNames(), kept);
}

TEST_F(FileRegistryTest, TwoProcessesWritingAtOnceLoseNothing) {
    constexpr int kWrites = 100;
    int gate[2];
    ASSERT_EQ(::pipe(gate), 0);
    std::vector<pid_t> children;
    for (char writer : {'a', 'b'})
        children.push_back(inChild([&] {
            ::close(gate[1]);
            char go;
            bool ok = ::read(gate[0], &go, 1) == 0; // end of file once the parent closes its end
            FileRegistry mine(folder);
            for (int i = 0; ok && i < kWrites; ++i) {
                ScopedKey key(mine, userKey(mine, "Software\\Upcheck", true));
                ok = mine.setNumber(key.get(), writer + std::to_string(i), i) == RegStatus::Ok &&
                     key.close() == RegStatus::Ok;
            }
            return ok;
        }));
    ::close(gate[0]);
    ::close(gate[1]); // both start now
    for (pid_t child : children)
        EXPECT_TRUE(succeeded(child));
    for (char writer : {'a', 'b'})
        for (int i = 0; i < kWrites; ++i)
            EXPECT_EQ(valueOf(registry, "Software\\Upcheck", writer + std::to_string(i)),
                      number(i));
}

// A child process whose files may not grow beyond a limit stands for a full disk.
TEST_F(FileRegistryTest, AWriteThatFailsLeavesTheOldStoreWholeAndSaysSo) {
    const std::string old = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software]\r\n\"Old\"=\"kept\"\r\n";
    const std::string added(200, 'x');
    const std::size_t newSize = old.size() + added.size() + 10; // "New"="..." and CR LF
    for (rlim_t limit : {rlim_t(0), rlim_t(old.size()), rlim_t(newSize - 1)}) {
        SCOPED_TRACE(limit);
        writeUserFile(old);
        EXPECT_TRUE(succeeded(inChild([&] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit fileSize{limit, limit};
            KeyHandle key = 0;
            return ::setrlimit(RLIMIT_FSIZE, &fileSize) == 0 &&
                   registry.openKey(kUser, "Software", key) == RegStatus::Ok &&
                   registry.setString(key, "New", added) == RegStatus::StoreIoError;
        })));
        EXPECT_EQ(fileText(userFile), old);
        EXPECT_EQ(folderNames(), std::set<std::string>{userFile.filename().string()});
    }
    put(registry, "Software", "New", text(added)); // the same write, without a limit
    EXPECT_EQ(fileText(userFile).size(), newSize);
}

} // namespace
} // namespace tovalo::testing
