#pragma once

#include "platform/registry/hive.h"
#include "platform/registry/registry.h"

#include <functional>
#include <map>
#include <string>

namespace tovalo::platform {

// A registry whose every call works on a fresh copy of one root's keys and hands its
// changes back as one update. Keeps the table of open keys; the stores below it say
// where the keys live.
class HiveRegistry : public Registry {
public:
    RegStatus openKey(RegistryRoot root, std::string_view path, KeyHandle &key) override;
    RegStatus createKey(RegistryRoot root, std::string_view path, KeyHandle &key) override;
    RegStatus setString(KeyHandle key, std::string_view name, std::string_view text) override;
    RegStatus setNumber(KeyHandle key, std::string_view name, std::uint32_t value) override;
    RegStatus queryValue(KeyHandle key, std::string_view name, std::span<std::uint8_t> buffer,
                         ValueType &type, std::size_t &size) override;
    RegStatus closeKey(KeyHandle key) override;

protected:
    using Change = std::function<RegStatus(Hive &)>;

    // Reads the current keys of the root.
    virtual RegStatus load(RegistryRoot root, Hive &hive) = 0;
    // Applies the change to the current keys of the root and keeps the result when the
    // change returns Ok; no other writer may come in between.
    virtual RegStatus update(RegistryRoot root, const Change &change) = 0;

    std::size_t openKeyCount() const { return open_.size(); }

private:
    struct OpenKey {
        RegistryRoot root;
        std::string path;
    };

    KeyHandle remember(RegistryRoot root, std::string_view path);
    RegStatus setValue(KeyHandle key, std::string_view name, StoredValue value);

    std::map<KeyHandle, OpenKey> open_;
    KeyHandle lastHandle_ = 0;
};

} // namespace tovalo::platform
