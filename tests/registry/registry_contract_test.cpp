// What every registry store must do, run against the fake and the file store alike.

#include "store_fixtures.h"

#include <array>
#include <string>

namespace tovalo::testing {
namespace {

using platform::KeyHandle;
using platform::RegistryRoot;
using platform::RegStatus;
using platform::ValueType;

constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;

template <typename Store> class RegistryContract : public ::testing::Test {
protected:
    KeyHandle create(std::string_view path, RegistryRoot root = kUser) {
        KeyHandle key = 0;
        EXPECT_EQ(store.registry().createKey(root, path, key), RegStatus::Ok) << path;
        return key;
    }
    RegStatus open(std::string_view path, RegistryRoot root = kUser) {
        KeyHandle key = 0;
        RegStatus status = store.registry().openKey(root, path, key);
        if (status == RegStatus::Ok) {
            EXPECT_EQ(store.registry().closeKey(key), RegStatus::Ok);
        }
        return status;
    }

    Store store;
};
TYPED_TEST_SUITE(RegistryContract, StoreTypes, StoreNames);

TYPED_TEST(RegistryContract, CreateAddsTheKeyWithItsParentsAndOpenFindsThemInAnyCase) {
    EXPECT_EQ(this->open("Software\\Upcheck"), RegStatus::NotFound);
    this->store.registry().closeKey(this->create("Software\\Upcheck\\a@b.jp\\Tovalo"));
    EXPECT_EQ(this->open(""), RegStatus::Ok);
    EXPECT_EQ(this->open("Software\\Upcheck"), RegStatus::Ok);
    EXPECT_EQ(this->open("SOFTWARE\\upcheck\\A@B.JP\\tovalo"), RegStatus::Ok);
    EXPECT_EQ(this->open("Software\\Upcheck\\other"), RegStatus::NotFound);
    EXPECT_EQ(this->open("Software\\Upcheck", RegistryRoot::LocalMachine), RegStatus::NotFound);
}

TYPED_TEST(RegistryContract, ValuesReadBackWithTheirTypeAndStoredBytes) {
    auto &registry = this->store.registry();
    KeyHandle key = this->create("Software\\Upcheck\\a@b.jp");
    ASSERT_EQ(registry.setString(key, "Author", "作者 \"x\\y\""), RegStatus::Ok);
    ASSERT_EQ(registry.setNumber(key, "Build", 0x12345678), RegStatus::Ok);
    ASSERT_EQ(registry.setNumber(key, "BUILD", 20100), RegStatus::Ok); // same value, other case

    std::array<std::uint8_t, 1024> buffer{};
    ValueType type{};
    std::size_t size = 0;
    ASSERT_EQ(registry.queryValue(key, "author", buffer, type, size), RegStatus::Ok);
    std::string expected = "作者 \"x\\y\"";
    EXPECT_EQ(type, ValueType::String);
    EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + size), expected + '\0');

    ASSERT_EQ(registry.queryValue(key, "Build", std::span(buffer).first(4), type, size),
              RegStatus::Ok);
    EXPECT_EQ(type, ValueType::Number);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(buffer[0] | buffer[1] << 8 | buffer[2] << 16 | buffer[3] << 24, 20100);

    EXPECT_EQ(registry.queryValue(key, "Author", std::span(buffer).first(4), type, size),
              RegStatus::MoreData);
    EXPECT_EQ(size, expected.size() + 1);
    EXPECT_EQ(registry.queryValue(key, "LatestBuild", buffer, type, size), RegStatus::NotFound);
    EXPECT_EQ(registry.closeKey(key), RegStatus::Ok);
}

TYPED_TEST(RegistryContract, ClosedKeysAndNamesTheStoreCannotHoldAreRefused) {
    auto &registry = this->store.registry();
    KeyHandle key = this->create("Software");
    EXPECT_EQ(registry.setString(key, "a\nb", "x"), RegStatus::InvalidName);
    ASSERT_EQ(registry.closeKey(key), RegStatus::Ok);
    EXPECT_EQ(registry.closeKey(key), RegStatus::InvalidHandle);
    EXPECT_EQ(registry.setNumber(key, "Build", 1), RegStatus::InvalidHandle);

    const std::string_view badPaths[] = {"\\Software", "Software\\", "Software\\\\Upcheck",
                                         "a\r\nb", std::string_view("a\0b", 3)};
    for (std::string_view path : badPaths) {
        KeyHandle ignored = 0;
        EXPECT_EQ(registry.createKey(kUser, path, ignored), RegStatus::InvalidName) << path;
        EXPECT_EQ(registry.openKey(kUser, path, ignored), RegStatus::InvalidName) << path;
    }
}

} // namespace
} // namespace tovalo::testing
