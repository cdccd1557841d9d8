#include "platform/registry/registry.h"

#include <algorithm>

namespace tovalo::platform {

std::string numberBytes(std::uint32_t number) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((number >> (8 * i)) & 0xFF);
    return bytes;
}

std::uint32_t numberFromBytes(std::span<const std::uint8_t> bytes) {
    std::uint32_t number = 0;
    for (std::size_t i = std::min<std::size_t>(bytes.size(), 4); i-- > 0;)
        number = (number << 8) | bytes[i];
    return number;
}

std::string_view storeProblem(Registry &registry, RegistryRoot root) {
    KeyHandle key = 0;
    switch (registry.openKey(root, "", key)) {
    case RegStatus::Ok:
        registry.closeKey(key);
        return {};
    case RegStatus::StoreDamaged:
        return "the registry store is damaged";
    case RegStatus::StoreIoError:
        return "the registry store cannot be read";
    default:
        return {};
    }
}

} // namespace tovalo::platform
