#include "platform/registry/file_registry.h"

#include "platform/registry/regedit_format.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <utility>

namespace tovalo::platform {
namespace {

// Owns a file descriptor.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    Descriptor(Descriptor &&other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor &operator=(Descriptor &&other) noexcept {
        std::swap(fd_, other.fd_);
        return *this;
    }
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

private:
    int fd_;
};

bool readAll(int fd, std::string &text) {
    char chunk[65536];
    for (;;) {
        ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n == 0)
            return true;
        if (n < 0 && errno != EINTR)
            return false;
        if (n > 0)
            text.append(chunk, static_cast<std::size_t>(n));
    }
}

bool writeAll(int fd, std::string_view text) {
    while (!text.empty()) {
        ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0 && errno != EINTR)
            return false;
        if (n > 0)
            text.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

RegStatus parseInto(std::string_view text, RegistryRoot root, Hive &hive) {
    auto parsed = parseRegedit(text, root);
    if (!parsed)
        return RegStatus::StoreDamaged;
    hive = std::move(*parsed);
    return RegStatus::Ok;
}

// Opens the store file and makes sure it is a regular file: NotFound when there is no
// file. The open does not wait: a FIFO or a device in the store's place is refused
// rather than read from, which could block for ever.
RegStatus openStore(const std::filesystem::path &file, int flags, Descriptor &store) {
    Descriptor fd(::open(file.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600));
    if (!fd.valid())
        return errno == ENOENT ? RegStatus::NotFound : RegStatus::StoreIoError;
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return RegStatus::StoreIoError;
    store = std::move(fd);
    return RegStatus::Ok;
}

// Opens the store file, creating it empty if missing, and locks it. A writer that held
// the lock before may have replaced the file meanwhile; then the lock is taken again on
// the file that is now at the path.
RegStatus lockFile(const std::filesystem::path &file, Descriptor &locked) {
    for (;;) {
        Descriptor fd;
        if (openStore(file, O_RDONLY | O_CREAT, fd) != RegStatus::Ok)
            return RegStatus::StoreIoError;
        while (::flock(fd.get(), LOCK_EX) != 0)
            if (errno != EINTR)
                return RegStatus::StoreIoError;
        struct stat held {};
        struct stat current {};
        if (::fstat(fd.get(), &held) != 0)
            return RegStatus::StoreIoError;
        if (::stat(file.c_str(), &current) != 0) {
            if (errno == ENOENT)
                continue;
            return RegStatus::StoreIoError;
        }
        if (held.st_dev == current.st_dev && held.st_ino == current.st_ino) {
            locked = std::move(fd);
            return RegStatus::Ok;
        }
    }
}

// Whether a file name is one that replaceFile gives its temporary files for the store:
// the store's name, a dot and the six letters or digits that mkostemp puts in.
bool isTemporaryName(const std::string &name, const std::string &storeName) {
    constexpr std::size_t kRandomPart = 6;
    if (name.size() != storeName.size() + 1 + kRandomPart || !name.starts_with(storeName) ||
        name[storeName.size()] != '.')
        return false;
    return std::all_of(name.end() - kRandomPart, name.end(), [](unsigned char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    });
}

// Removes the temporary files that writers killed in the middle of a write left beside
// the store. It runs with the store locked, and a writer makes its temporary file only
// while it holds that lock, so none of these files belongs to a write going on now. Files
// younger than a minute stay all the same: a store removed during a write frees its lock
// while its writer is still at work.
void removeStaleTemporaries(const std::filesystem::path &store) {
    namespace fs = std::filesystem;
    constexpr auto kStaleAge = std::chrono::minutes(1);
    const std::string storeName = store.filename().string();
    const auto now = fs::file_time_type::clock::now();
    std::error_code error;
    for (const fs::directory_entry &entry : fs::directory_iterator(store.parent_path(), error)) {
        std::error_code ignored;
        if (!isTemporaryName(entry.path().filename().string(), storeName) ||
            !entry.is_regular_file(ignored) || entry.is_symlink(ignored))
            continue;
        const auto written = entry.last_write_time(ignored);
        if (!ignored && now - written > kStaleAge)
            fs::remove(entry.path(), ignored);
    }
}

// Puts text in place of the file: a temporary file in the same folder, flushed to disk,
// with the old file's permissions, renamed over the file. Every step is checked, so a
// write that fails on the way leaves the old file whole and says so.
RegStatus replaceFile(const std::filesystem::path &file, int oldFd, std::string_view text) {
    std::string temporary = file.string() + ".XXXXXX";
    int created = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (created < 0)
        return RegStatus::StoreIoError;
    struct stat old {};
    bool written = ::fstat(oldFd, &old) == 0 && ::fchmod(created, old.st_mode & 07777) == 0 &&
                   writeAll(created, text) && ::fsync(created) == 0;
    written = ::close(created) == 0 && written && ::rename(temporary.c_str(), file.c_str()) == 0;
    if (!written) {
        ::unlink(temporary.c_str());
        return RegStatus::StoreIoError;
    }
    // The new store is in place; making the rename itself durable is done where the
    // system allows it, and its failure would not bring the old store back.
    Descriptor folder(::open(file.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.valid())
        ::fsync(folder.get());
    return RegStatus::Ok;
}

std::filesystem::path homeFolder() {
    if (const char *home = std::getenv("HOME"); home && *home)
        return home;
    const passwd *user = ::getpwuid(::getuid());
    return user && user->pw_dir ? user->pw_dir : "/";
}

} // namespace

FileRegistry::FileRegistry(std::filesystem::path folder) : folder_(std::move(folder)) {}

std::filesystem::path FileRegistry::defaultFolder() {
    const char *config = std::getenv("XDG_CONFIG_HOME");
    std::filesystem::path base = config && *config ? std::filesystem::path(config) : "";
    if (!base.is_absolute())
        base = homeFolder() / ".config";
    return base / "registry";
}

std::filesystem::path FileRegistry::fileOf(RegistryRoot root) const {
    return folder_ / (std::string(rootName(root)) + ".reg");
}

RegStatus FileRegistry::load(RegistryRoot root, Hive &hive) {
    Descriptor fd;
    if (RegStatus status = openStore(fileOf(root), O_RDONLY, fd); status != RegStatus::Ok) {
        if (status != RegStatus::NotFound)
            return status;
        hive = Hive();
        return RegStatus::Ok;
    }
    std::string text;
    if (!readAll(fd.get(), text))
        return RegStatus::StoreIoError;
    return parseInto(text, root, hive);
}

// A store that is a symbolic link stays one: the link's target is locked, cleaned up
// after and replaced.
RegStatus FileRegistry::update(RegistryRoot root, const Change &change) {
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    if (error)
        return RegStatus::StoreIoError;
    Descriptor locked;
    if (RegStatus status = lockFile(fileOf(root), locked); status != RegStatus::Ok)
        return status;
    const std::filesystem::path file = std::filesystem::canonical(fileOf(root), error);
    if (error)
        return RegStatus::StoreIoError;
    removeStaleTemporaries(file);
    std::string before;
    if (!readAll(locked.get(), before))
        return RegStatus::StoreIoError;
    Hive hive;
    if (RegStatus status = parseInto(before, root, hive); status != RegStatus::Ok)
        return status;
    if (RegStatus status = change(hive); status != RegStatus::Ok)
        return status;
    std::string after = formatRegedit(hive, root);
    if (after == before)
        return RegStatus::Ok;
    return replaceFile(file, locked.get(), after);
}

} // namespace tovalo::platform
