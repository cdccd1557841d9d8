// Stores read, written and damaged at random round-trip unchanged; the file store reports
// a damaged file and never writes over it.

#include "fuzz_support.h"

#include "platform/registry/file_registry.h"
#include "platform/registry/regedit_format.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace tovalo::fuzz {
namespace {

using namespace tovalo::platform;

void checkRoundTrip(const Hive &hive, RegistryRoot root) {
    const std::string written = formatRegedit(hive, root);
    const std::optional<Hive> read = parseRegedit(written, root);
    FUZZ_CHECK(read.has_value());
    FUZZ_CHECK(hive == *read);
    FUZZ_CHECK(formatRegedit(*read, root) == written);
}

// The file store's folder, in memory where offered, removed when the run ends.
struct StoreFolder {
    std::filesystem::path path = [] {
        const std::filesystem::path memory = "/dev/shm";
        const bool inMemory = std::filesystem::is_directory(memory);
        std::string pattern =
            ((inMemory ? memory : std::filesystem::temp_directory_path()) / "tovalo-fuzz-XXXXXX")
                .string();
        FUZZ_CHECK(::mkdtemp(pattern.data()) != nullptr);
        return pattern;
    }();
    ~StoreFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

// A damaged file fails every call and stays as it was.
void checkFileStore(const std::string &text, bool wellFormed) {
    static const StoreFolder folder;
    FileRegistry registry(folder.path);
    const std::filesystem::path file = registry.fileOf(RegistryRoot::CurrentUser);
    std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
    KeyHandle key = 0;
    if (wellFormed) {
        FUZZ_CHECK(registry.openKey(RegistryRoot::CurrentUser, "", key) == RegStatus::Ok);
        FUZZ_CHECK(registry.closeKey(key) == RegStatus::Ok);
        return;
    }
    FUZZ_CHECK(registry.openKey(RegistryRoot::CurrentUser, "", key) == RegStatus::StoreDamaged);
    FUZZ_CHECK(registry.createKey(RegistryRoot::CurrentUser, "Software\\Upcheck", key) ==
               RegStatus::StoreDamaged);
    std::ifstream stored(file, std::ios::binary);
    FUZZ_CHECK(std::string(std::istreambuf_iterator<char>(stored), {}) == text);
}

StoredValue consumeValue(FuzzedDataProvider &in) {
    switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0:
        return {ValueType::String, in.ConsumeRandomLengthString(16) + '\0'};
    case 1:
        return {ValueType::Number, numberBytes(in.ConsumeIntegral<std::uint32_t>())};
    case 2:
        return {ValueType::Binary, in.ConsumeRandomLengthString(16)};
    default:
        return {static_cast<ValueType>(in.ConsumeIntegral<std::uint32_t>()),
                in.ConsumeRandomLengthString(16)};
    }
}

// Keys and values with the names the registry calls accept.
Hive consumeHive(FuzzedDataProvider &in) {
    Hive hive;
    for (int steps = in.ConsumeIntegralInRange(0, 12); steps > 0; --steps) {
        const std::string path = in.ConsumeRandomLengthString(24);
        if (!isValidKeyPath(path))
            continue;
        hive.addKey(path);
        for (int values = in.ConsumeIntegralInRange(0, 3); values > 0; --values) {
            const std::string name = in.ConsumeRandomLengthString(8);
            if (isValidValueName(name))
                hive.set(path, name, consumeValue(in));
        }
    }
    return hive;
}

// The text with one byte changed, added or taken away.
std::string damaged(std::string text, FuzzedDataProvider &in) {
    const std::size_t at = in.ConsumeIntegralInRange<std::size_t>(0, text.size());
    const std::size_t taken = in.ConsumeIntegralInRange<std::size_t>(0, 1);
    const std::string added(in.ConsumeIntegralInRange<std::size_t>(0, 1),
                            in.ConsumeIntegral<char>());
    return text.replace(at, taken, added);
}

} // namespace
} // namespace tovalo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace tovalo::fuzz;
    using namespace tovalo::platform;
    const std::string text(reinterpret_cast<const char *>(data), size);

    for (RegistryRoot root : {RegistryRoot::CurrentUser, RegistryRoot::LocalMachine}) {
        const std::optional<Hive> read = parseRegedit(text, root);
        if (read)
            checkRoundTrip(*read, root);
        if (root == RegistryRoot::CurrentUser)
            checkFileStore(text, read.has_value());
    }

    FuzzedDataProvider in(data, size);
    const Hive built = consumeHive(in);
    checkRoundTrip(built, RegistryRoot::CurrentUser);
    const std::string broken = damaged(formatRegedit(built, RegistryRoot::CurrentUser), in);
    if (const std::optional<Hive> read = parseRegedit(broken, RegistryRoot::CurrentUser))
        checkRoundTrip(*read, RegistryRoot::CurrentUser);
    return 0;
}
