#include "platform/registry/registry.h"

namespace tovalo::platform {

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
