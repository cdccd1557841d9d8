#pragma once

// Values of the current user read and written as another program would.

#include "platform/registry/fake_registry.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>

namespace tovalo::testing {

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

} // namespace tovalo::testing
