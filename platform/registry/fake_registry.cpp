#include "platform/registry/fake_registry.h"

namespace tovalo::platform {

void FakeRegistry::failCall(Call call, int n) {
    failAfter_[call] = n;
}

bool FakeRegistry::failsNow(Call call) {
    auto pending = failAfter_.find(call);
    if (pending == failAfter_.end() || --pending->second > 0)
        return false;
    failAfter_.erase(pending);
    return true;
}

RegStatus FakeRegistry::openKey(RegistryRoot root, std::string_view path, KeyHandle &key) {
    return failsNow(Call::Open) ? RegStatus::StoreIoError : HiveRegistry::openKey(root, path, key);
}

RegStatus FakeRegistry::createKey(RegistryRoot root, std::string_view path, KeyHandle &key) {
    return failsNow(Call::Create) ? RegStatus::StoreIoError
                                  : HiveRegistry::createKey(root, path, key);
}

RegStatus FakeRegistry::setString(KeyHandle key, std::string_view name, std::string_view text) {
    return failsNow(Call::SetValue) ? RegStatus::StoreIoError
                                    : HiveRegistry::setString(key, name, text);
}

RegStatus FakeRegistry::setNumber(KeyHandle key, std::string_view name, std::uint32_t value) {
    return failsNow(Call::SetValue) ? RegStatus::StoreIoError
                                    : HiveRegistry::setNumber(key, name, value);
}

RegStatus FakeRegistry::queryValue(KeyHandle key, std::string_view name,
                                   std::span<std::uint8_t> buffer, ValueType &type,
                                   std::size_t &size) {
    return failsNow(Call::Query) ? RegStatus::StoreIoError
                                 : HiveRegistry::queryValue(key, name, buffer, type, size);
}

RegStatus FakeRegistry::closeKey(KeyHandle key) {
    RegStatus status = HiveRegistry::closeKey(key);
    return failsNow(Call::Close) ? RegStatus::StoreIoError : status;
}

RegStatus FakeRegistry::load(RegistryRoot root, Hive &hive) {
    hive = hives_[root];
    return RegStatus::Ok;
}

RegStatus FakeRegistry::update(RegistryRoot root, const Change &change) {
    Hive changed = hives_[root];
    RegStatus status = change(changed);
    if (status == RegStatus::Ok)
        hives_[root] = std::move(changed);
    return status;
}

} // namespace tovalo::platform
