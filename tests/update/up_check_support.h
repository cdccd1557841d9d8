#pragma once

// Helpers for tests of UpCheck: a program of known name and version, and reading and
// writing the checker's keys the way the checker itself would.

#include "../registry/store_fixtures.h"
#include "platform/registry/hive.h"
#include "update/up_check.h"

#include <array>
#include <optional>
#include <string>

namespace tovalo::testing {

inline constexpr std::string_view kDeveloperKey = "Software\\Upcheck\\dev@example.jp";
inline constexpr std::string_view kProgramKey = "Software\\Upcheck\\dev@example.jp\\Tovalo";

constexpr std::int32_t objectError(int code) {
    return -2147221504 + code;
}

inline update::ProgramIdentity program(std::u16string productName = u"Tovalo", int major = 2) {
    return {std::move(productName), major, 1, 0, [] { return std::u16string(u"/opt/t/tovalo"); }};
}

inline platform::StoredValue text(std::string_view s) {
    return {platform::ValueType::String, std::string(s) + '\0'};
}

inline platform::StoredValue number(std::int32_t n) {
    return {platform::ValueType::Number, platform::numberBytes(static_cast<std::uint32_t>(n))};
}

inline bool hasKey(platform::Registry &registry, std::string_view path) {
    platform::KeyHandle key = 0;
    if (registry.openKey(platform::RegistryRoot::CurrentUser, path, key) != platform::RegStatus::Ok)
        return false;
    registry.closeKey(key);
    return true;
}

inline std::optional<platform::StoredValue> valueOf(platform::Registry &registry,
                                                    std::string_view path, std::string_view name) {
    platform::KeyHandle key = 0;
    if (registry.openKey(platform::RegistryRoot::CurrentUser, path, key) != platform::RegStatus::Ok)
        return std::nullopt;
    platform::ScopedKey open(registry, key);
    std::array<std::uint8_t, 1024> buffer{};
    platform::ValueType type{};
    std::size_t size = 0;
    if (registry.queryValue(key, name, buffer, type, size) != platform::RegStatus::Ok)
        return std::nullopt;
    return platform::StoredValue{type, std::string(buffer.begin(), buffer.begin() + size)};
}

// Creates the key if needed and stores a number or, for a text, a string value.
inline void put(platform::Registry &registry, std::string_view path, std::string_view name,
                const platform::StoredValue &value) {
    platform::KeyHandle key = 0;
    ASSERT_EQ(registry.createKey(platform::RegistryRoot::CurrentUser, path, key),
              platform::RegStatus::Ok);
    platform::ScopedKey open(registry, key);
    auto status =
        value.type == platform::ValueType::Number
            ? registry.setNumber(key, name, platform::numberFromBytes(value.bytes))
            : registry.setString(key, name, value.bytes.substr(0, value.bytes.size() - 1));
    ASSERT_EQ(status, platform::RegStatus::Ok);
}

inline void installChecker(platform::Registry &registry) {
    platform::KeyHandle key = 0;
    ASSERT_EQ(registry.createKey(platform::RegistryRoot::CurrentUser, "Software\\Upcheck", key),
              platform::RegStatus::Ok);
    registry.closeKey(key);
}

// Sets what every registration needs: mail address, author and information address.
inline void describe(update::UpCheck &upCheck) {
    upCheck.MailAddress(u"dev@example.jp");
    upCheck.Author(u"作者");
    ASSERT_TRUE(upCheck.InfoURL(u"https://example.jp/tovalo.txt", 1).ok());
}

} // namespace tovalo::testing
