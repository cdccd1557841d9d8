#pragma once

#include "platform/registry/hive_registry.h"

#include <filesystem>

namespace tovalo::platform {

// The registry kept in REGEDIT4 text files, one per root, in one folder:
// HKEY_CURRENT_USER.reg and HKEY_LOCAL_MACHINE.reg. Other programs may share the files.
// Every call reads the file afresh. A write locks the file (flock) for its whole
// read-modify-write and replaces it atomically, so writers never lose each other's
// values. A file that cannot be read or is not well formed fails the call and is never
// written over. A missing file is an empty store; the folder is created on first write.
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
