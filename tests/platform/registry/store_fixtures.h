#pragma once

// The fake and the file store, where writer is a second program on the same files.

#include "platform/registry/fake_registry.h"
#include "platform/registry/file_registry.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

namespace tovalo::testing {

struct TempFolder {
    std::filesystem::path path = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "tovalo-XXXXXX").string();
        return std::filesystem::path(::mkdtemp(pattern.data()));
    }();
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

struct FakeStore {
    platform::FakeRegistry fake;
    platform::Registry &registry = fake, &writer = fake;
};

struct FileStore {
    TempFolder folder;
    platform::FileRegistry files{folder.path}, otherProgram{folder.path};
    platform::Registry &registry = files, &writer = otherProgram;
};

using StoreTypes = ::testing::Types<FakeStore, FileStore>;

inline platform::StoredValue text(std::string_view s) {
    return {platform::ValueType::String, std::string(s) + '\0'};
}

inline platform::StoredValue number(std::int32_t n) {
    return {platform::ValueType::Number, platform::numberBytes(static_cast<std::uint32_t>(n))};
}

// A key of the current user; 0 when it cannot be opened or created.
inline platform::KeyHandle userKey(platform::Registry &registry, std::string_view path,
                                   bool create = false) {
    constexpr auto root = platform::RegistryRoot::CurrentUser;
    platform::KeyHandle key = 0;
    const auto status =
        create ? registry.createKey(root, path, key) : registry.openKey(root, path, key);
    return status == platform::RegStatus::Ok ? key : 0;
}

inline bool hasKey(platform::Registry &registry, std::string_view path) {
    return registry.closeKey(userKey(registry, path)) == platform::RegStatus::Ok;
}

inline std::optional<platform::StoredValue> valueOf(platform::Registry &registry,
                                                    std::string_view path, std::string_view name) {
    platform::ScopedKey key(registry, userKey(registry, path));
    std::array<std::uint8_t, 1024> buffer{};
    platform::StoredValue value{};
    std::size_t size = 0;
    if (registry.queryValue(key.get(), name, buffer, value.type, size) != platform::RegStatus::Ok)
        return std::nullopt;
    value.bytes.assign(buffer.begin(), buffer.begin() + size);
    return value;
}

inline void put(platform::Registry &registry, std::string_view path, std::string_view name,
                const platform::StoredValue &value) {
    platform::ScopedKey key(registry, userKey(registry, path, true));
    const std::string_view bytes = value.bytes;
    ASSERT_EQ(value.type == platform::ValueType::Number
                  ? registry.setNumber(key.get(), name, platform::numberFromBytes(bytes))
                  : registry.setString(key.get(), name, bytes.substr(0, bytes.size() - 1)),
              platform::RegStatus::Ok);
}

inline std::string fileText(const std::filesystem::path &file) {
    std::ostringstream out;
    out << std::ifstream(file, std::ios::binary).rdbuf();
    return out.str();
}

} // namespace tovalo::testing
