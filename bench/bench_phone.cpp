// Speed of the phone page maker on a generated text of 30,000 characters, cut into
// pages of the dialog's start size (6 rows of 7 cells with line breaks).

#include "phone/page_maker.h"
#include "sample_text.h"

#include <benchmark/benchmark.h>

namespace {

void BM_MpMaker(benchmark::State &state) {
    const std::u16string text = tovalo::bench::sampleText(30'000);
    const tovalo::phone::PhoneParams params;
    if (!tovalo::phone::MpMaker(text, params).ok())
        state.SkipWithError("the sample text gives no pages");
    for (auto _ : state)
        benchmark::DoNotOptimize(tovalo::phone::MpMaker(text, params));
    state.counters["chars/s"] = benchmark::Counter(
        static_cast<double>(text.size()) * state.iterations(), benchmark::Counter::kIsRate);
}

} // namespace

BENCHMARK(BM_MpMaker)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
