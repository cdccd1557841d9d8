// Time of one registry call on the file store when one key holds 47,000 values, as a
// store that another program filled might: every call reads and parses the whole file.

#include "platform/registry/file_registry.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

using namespace tovalo::platform;

constexpr int kValues = 47'000;

// A store file with one key of kValues numbered values, in a fresh temporary folder.
class CrowdedStore {
public:
    CrowdedStore() {
        std::ofstream out(registry_.fileOf(RegistryRoot::CurrentUser), std::ios::binary);
        out << "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Crowded]\r\n";
        for (int i = 0; i < kValues; ++i)
            out << "\"Value" << i << "\"=dword:" << std::hex << i << std::dec << "\r\n";
    }
    ~CrowdedStore() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    FileRegistry &registry() { return registry_; }

private:
    static std::filesystem::path freshFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tovalo-XXXXXX").string();
        return ::mkdtemp(pattern.data());
    }

    std::filesystem::path folder_ = freshFolder();
    FileRegistry registry_{folder_};
};

void BM_QueryInACrowdedKey(benchmark::State &state) {
    CrowdedStore store;
    FileRegistry &registry = store.registry();
    KeyHandle key = 0;
    if (registry.openKey(RegistryRoot::CurrentUser, "Software\\Crowded", key) != RegStatus::Ok) {
        state.SkipWithError("the store cannot be opened");
        return;
    }
    std::array<std::uint8_t, 4> buffer{};
    ValueType type{};
    std::size_t size = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(registry.queryValue(key, "Value46999", buffer, type, size));
    registry.closeKey(key);
}

void BM_WriteInACrowdedKey(benchmark::State &state) {
    CrowdedStore store;
    FileRegistry &registry = store.registry();
    KeyHandle key = 0;
    if (registry.createKey(RegistryRoot::CurrentUser, "Software\\Crowded", key) != RegStatus::Ok) {
        state.SkipWithError("the store cannot be opened");
        return;
    }
    std::uint32_t number = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(registry.setNumber(key, "Value0", ++number));
    registry.closeKey(key);
}

} // namespace

BENCHMARK(BM_QueryInACrowdedKey)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteInACrowdedKey)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
