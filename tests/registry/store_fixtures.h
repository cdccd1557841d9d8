#pragma once

// The two stores that tests of registry users run against: the in-memory fake, and the
// file store in a fresh temporary folder. writer() is a second program on the same store.

#include "platform/registry/fake_registry.h"
#include "platform/registry/file_registry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace tovalo::testing {

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tovalo-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path &path() const { return path_; }

private:
    std::filesystem::path path_;
};

struct FakeStore {
    platform::FakeRegistry fake;
    platform::Registry &registry() { return fake; }
    platform::Registry &writer() { return fake; }
};

struct FileStore {
    TempFolder folder;
    platform::FileRegistry files{folder.path()};
    platform::FileRegistry otherProgram{folder.path()};
    platform::Registry &registry() { return files; }
    platform::Registry &writer() { return otherProgram; }
};

using StoreTypes = ::testing::Types<FakeStore, FileStore>;

struct StoreNames {
    template <typename T> static std::string GetName(int) {
        return std::is_same_v<T, FakeStore> ? "Fake" : "File";
    }
};

} // namespace tovalo::testing
