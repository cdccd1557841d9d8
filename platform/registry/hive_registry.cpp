#include "platform/registry/hive_registry.h"

#include <algorithm>

namespace tovalo::platform {

RegStatus HiveRegistry::openKey(RegistryRoot root, std::string_view path, KeyHandle &key) {
    if (!isValidKeyPath(path))
        return RegStatus::InvalidName;
    Hive hive;
    if (RegStatus status = load(root, hive); status != RegStatus::Ok)
        return status;
    if (!hive.hasKey(path))
        return RegStatus::NotFound;
    key = remember(root, path);
    return RegStatus::Ok;
}

RegStatus HiveRegistry::createKey(RegistryRoot root, std::string_view path, KeyHandle &key) {
    if (!isValidKeyPath(path))
        return RegStatus::InvalidName;
    RegStatus status = update(root, [&](Hive &hive) {
        hive.addKey(path);
        return RegStatus::Ok;
    });
    if (status == RegStatus::Ok)
        key = remember(root, path);
    return status;
}

RegStatus HiveRegistry::setString(KeyHandle key, std::string_view name, std::string_view text) {
    std::string bytes(text);
    bytes += '\0';
    return setValue(key, name, {ValueType::String, std::move(bytes)});
}

RegStatus HiveRegistry::setNumber(KeyHandle key, std::string_view name, std::uint32_t value) {
    return setValue(key, name, {ValueType::Number, numberBytes(value)});
}

RegStatus HiveRegistry::setValue(KeyHandle key, std::string_view name, StoredValue value) {
    auto open = open_.find(key);
    if (open == open_.end())
        return RegStatus::InvalidHandle;
    if (!isValidValueName(name))
        return RegStatus::InvalidName;
    const std::string &path = open->second.path;
    return update(open->second.root, [&](Hive &hive) {
        if (!hive.hasKey(path))
            return RegStatus::KeyDeleted;
        hive.set(path, name, value);
        return RegStatus::Ok;
    });
}

RegStatus HiveRegistry::queryValue(KeyHandle key, std::string_view name,
                                   std::span<std::uint8_t> buffer, ValueType &type,
                                   std::size_t &size) {
    auto open = open_.find(key);
    if (open == open_.end())
        return RegStatus::InvalidHandle;
    Hive hive;
    if (RegStatus status = load(open->second.root, hive); status != RegStatus::Ok)
        return status;
    if (!hive.hasKey(open->second.path))
        return RegStatus::KeyDeleted;
    const StoredValue *value = hive.find(open->second.path, name);
    if (!value)
        return RegStatus::NotFound;
    type = value->type;
    size = value->bytes.size();
    if (size > buffer.size())
        return RegStatus::MoreData;
    std::ranges::copy(value->bytes, buffer.begin());
    return RegStatus::Ok;
}

RegStatus HiveRegistry::closeKey(KeyHandle key) {
    return open_.erase(key) == 1 ? RegStatus::Ok : RegStatus::InvalidHandle;
}

KeyHandle HiveRegistry::remember(RegistryRoot root, std::string_view path) {
    do
        ++lastHandle_;
    while (lastHandle_ == 0 || open_.contains(lastHandle_));
    open_.emplace(lastHandle_, OpenKey{root, std::string(path)});
    return lastHandle_;
}

} // namespace tovalo::platform
