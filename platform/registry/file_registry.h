#pragma once

#include "platform/registry/hive_registry.h"

#include <filesystem>

namespace tovalo::platform {

// The registry kept in REGEDIT4 text files, one per root, in one folder:
// HKEY_CURRENT_USER.reg and HKEY_LOCAL_MACHINE.reg. Other programs may share the files.
// Every call reads the file afresh. A write locks the file (flock) for its whole
// read-modify-write and replaces it atomically, so writers never lose each other's
// values. A file that cannot be read or is not well formed fails the call and is never
// written over; so does anything but a regular file in the store's place (a FIFO, a
// device, a folder), which is never read from. A store that is a symbolic link is
// written through to its target, and a replaced file keeps its permission bits. A write
// also removes temporary files that earlier writers, killed mid-write, left behind.
// A missing file is an empty store; the folder is created on first write.
class FileRegistry : public HiveRegistry {
public:
    explicit FileRegistry(std::filesystem::path folder = defaultFolder());

    // $XDG_CONFIG_HOME/registry, or ~/.config/registry when that is not set.
    static std::filesystem::path defaultFolder();

    std::filesystem::path fileOf(RegistryRoot root) const;

protected:
    RegStatus load(RegistryRoot root, Hive &hive) override;
    RegStatus update(RegistryRoot root, const Change &change) override;

private:
    std::filesystem::path folder_;
};

} // namespace tovalo::platform
