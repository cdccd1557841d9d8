#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tovalo::platform {

// The two roots the program uses: the user's own keys and the machine-wide keys.
enum class RegistryRoot { CurrentUser, LocalMachine };

// The type of a stored value; any other number may occur in a store that other programs write.
enum class ValueType : std::uint32_t { String = 1, Binary = 3, Number = 4 };

enum class RegStatus {
    Ok,
    NotFound,      // no such key or value
    MoreData,      // the value is larger than the buffer it was to be read into
    KeyDeleted,    // the key was removed after it was opened
    InvalidHandle, // not a key that is open
    InvalidName,   // a key path or value name the store cannot hold
    StoreDamaged,  // the store is not well formed; it is left as it is
    StoreIoError,  // the store cannot be read or written
};

// A key opened through a Registry; valid until it is closed.
using KeyHandle = std::uint32_t;

// A store of keys and typed values in the shape of the Windows registry API. Key paths
// are below a root, with parts separated by single backslashes; names, paths and texts
// are UTF-8, and compare without regard to the case of ASCII letters. Each call sees
// what other programs have written up to that moment. One thread at a time.
class Registry {
public:
    virtual ~Registry() = default;

    // Opens an existing key; the empty path is the root itself.
    virtual RegStatus openKey(RegistryRoot root, std::string_view path, KeyHandle &key) = 0;
    // Opens a key, creating it and any missing parent first.
    virtual RegStatus createKey(RegistryRoot root, std::string_view path, KeyHandle &key) = 0;
    // Stores a text as a string value: its bytes followed by one NUL.
    virtual RegStatus setString(KeyHandle key, std::string_view name, std::string_view text) = 0;
    // Stores a 32-bit number value: four bytes, least significant first.
    virtual RegStatus setNumber(KeyHandle key, std::string_view name, std::uint32_t value) = 0;
    // Reads a value's bytes into buffer. Type and size (the number of bytes stored) are
    // set on success and on MoreData, where the buffer's content is unspecified.
    virtual RegStatus queryValue(KeyHandle key, std::string_view name,
                                 std::span<std::uint8_t> buffer, ValueType &type,
                                 std::size_t &size) = 0;
    virtual RegStatus closeKey(KeyHandle key) = 0;
};

// The four bytes of a 32-bit number value, least significant first, and back. Fewer
// bytes read as a smaller number; bytes past the fourth are ignored.
std::string numberBytes(std::uint32_t number);
std::uint32_t numberFromBytes(std::span<const std::uint8_t> bytes);
inline std::uint32_t numberFromBytes(std::string_view bytes) {
    return numberFromBytes({reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size()});
}

// Why a root's store cannot be used at all, in words for a message: it is damaged, or it
// cannot be read. Empty when the store can be read. Changes nothing.
std::string_view storeProblem(Registry &registry, RegistryRoot root);

// Closes an open key when it goes out of scope, for the paths that give up early;
// close() closes it at once and tells whether that worked.
class ScopedKey {
public:
    ScopedKey(Registry &registry, KeyHandle key) : registry_(registry), key_(key) {}
    ScopedKey(const ScopedKey &) = delete;
    ScopedKey &operator=(const ScopedKey &) = delete;
    ~ScopedKey() {
        if (open_)
            registry_.closeKey(key_);
    }

    KeyHandle get() const { return key_; }
    RegStatus close() {
        open_ = false;
        return registry_.closeKey(key_);
    }

private:
    Registry &registry_;
    KeyHandle key_;
    bool open_ = true;
};

} // namespace tovalo::platform
