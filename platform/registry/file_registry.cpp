#include "platform/registry/file_registry.h"

#include "platform/registry/regedit_format.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Opens the store file, creating it empty if missing, and locks it. A writer that held
// the lock before may have replaced the file meanwhile; then the lock is taken again on
// the file that is now at the path.
RegStatus lockFile(const std::filesystem::path &file, Descriptor &locked) {
    for (;;) {
        Descriptor fd(::open(file.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0600));
        if (!fd.valid())
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

// Puts text in place of the file: a temporary file in the same folder, flushed to disk,
// with the old file's permissions, renamed over the file.
RegStatus replaceFile(const std::filesystem::path &file, int oldFd, std::string_view text) {
    std::string temporary = file.string() + ".XXXXXX";
    Descriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (!fd.valid())
        return RegStatus::StoreIoError;
    struct stat old {};
    bool written = ::fstat(oldFd, &old) == 0 && ::fchmod(fd.get(), old.st_mode & 07777) == 0 &&
                   writeAll(fd.get(), text) && ::fsync(fd.get()) == 0 &&
                   ::rename(temporary.c_str(), file.c_str()) == 0;
    if (!written) {
        ::unlink(temporary.c_str());
        return RegStatus::StoreIoError;
    }
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
    Descriptor fd(::open(fileOf(root).c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid()) {
        if (errno != ENOENT)
            return RegStatus::StoreIoError;
        hive = Hive();
        return RegStatus::Ok;
    }
    std::string text;
    if (!readAll(fd.get(), text))
        return RegStatus::StoreIoError;
    return parseInto(text, root, hive);
}

RegStatus FileRegistry::update(RegistryRoot root, const Change &change) {
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    if (error)
        return RegStatus::StoreIoError;
    const std::filesystem::path file = fileOf(root);
    Descriptor locked;
    if (RegStatus status = lockFile(file, locked); status != RegStatus::Ok)
        return status;
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
