#pragma once

#include "platform/registry/hive_registry.h"

#include <map>

namespace tovalo::platform {

// A registry in memory, for tests: calls fail on demand, and the keys still open can be
// counted. Two users of one instance see each other's values at once, as two programs
// sharing a store do.
class FakeRegistry : public HiveRegistry {
public:
    enum class Call { Open, Create, SetValue, Query, Close };

    // Makes the n-th next call of this kind fail with StoreIoError (1 is the very next).
    // The failing call changes nothing, except that a failing close still closes the key.
    void failCall(Call call, int n = 1);

    using HiveRegistry::openKeyCount;

    RegStatus openKey(RegistryRoot root, std::string_view path, KeyHandle &key) override;
    RegStatus createKey(RegistryRoot root, std::string_view path, KeyHandle &key) override;
    RegStatus setString(KeyHandle key, std::string_view name, std::string_view text) override;
    RegStatus setNumber(KeyHandle key, std::string_view name, std::uint32_t value) override;
    RegStatus queryValue(KeyHandle key, std::string_view name, std::span<std::uint8_t> buffer,
                         ValueType &type, std::size_t &size) override;
    RegStatus closeKey(KeyHandle key) override;

protected:
    RegStatus load(RegistryRoot root, Hive &hive) override;
    RegStatus update(RegistryRoot root, const Change &change) override;

private:
    bool failsNow(Call call);

    std::map<RegistryRoot, Hive> hives_;
    std::map<Call, int> failAfter_;
};

} // namespace tovalo::platform
