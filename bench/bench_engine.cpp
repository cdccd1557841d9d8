// Throughput of the conversion engine on a generated text of about 500,000
// characters (about 1 MB), with columns 100 cells tall.

#include "engine/layout.h"
#include "sample_text.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tovalo::engine;

const std::u16string &bigText() {
    static const std::u16string text = tovalo::bench::sampleText(500'000);
    return text;
}

// The same text with decomposed voiced kana, emoji with skin tones and flags in it,
// so that many cells take the full segmentation rules.
const std::u16string &clusterText() {
    static const std::u16string text = [] {
        std::u16string out;
        for (char16_t c : bigText()) {
            if (c == u'か')
                out += u"か\u3099";
            else if (c == u'あ')
                out += u"👍🏽";
            else if (c == u'日')
                out += u"🇯🇵";
            else
                out += c;
        }
        return out;
    }();
    return text;
}

// The longest text the fixed-line-count layout takes.
const std::u16string &fixedText() {
    static const std::u16string text = tovalo::bench::sampleText(32'000);
    return text;
}

void setRate(benchmark::State &state, const std::u16string &text) {
    state.counters["chars/s"] = benchmark::Counter(
        static_cast<double>(text.size()) * state.iterations(), benchmark::Counter::kIsRate);
}

void BM_FreeLayout(benchmark::State &state) {
    const Settings options;
    const std::int16_t lines = CountLines(bigText(), 100, options).count;
    for (auto _ : state)
        benchmark::DoNotOptimize(FreeLayout(bigText(), {100, lines, 0, true, false}, options));
    setRate(state, bigText());
}

void BM_FreeLayoutClusters(benchmark::State &state) {
    const Settings options;
    const std::int16_t lines = CountLines(clusterText(), 100, options).count;
    for (auto _ : state)
        benchmark::DoNotOptimize(FreeLayout(clusterText(), {100, lines, 0, true, false}, options));
    setRate(state, clusterText());
}

void BM_CountLines(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(CountLines(bigText(), 100, {}));
    setRate(state, bigText());
}

void BM_FixedLines(benchmark::State &state) {
    const Settings options;
    for (auto _ : state)
        benchmark::DoNotOptimize(FixedLines(fixedText(), {100, 30, 0, true, true}, options));
    setRate(state, fixedText());
}

} // namespace

BENCHMARK(BM_FreeLayout)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FreeLayoutClusters)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CountLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FixedLines)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
