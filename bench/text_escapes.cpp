// The line-break escapes of layout texts (CR LF to backslash n and back) on texts of growing
// size, down to a text that is nothing but line breaks: every pair of it is cut at the end.
#include "model/Utility.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

namespace {

using namespace tembra;

std::string Repeat(const std::string& unit, std::int64_t bytes) {
    std::string out;
    while (static_cast<std::int64_t>(out.size()) < bytes) {
        out += unit;
    }
    return out;
}

// Only line breaks: the whole escaped text is cut again as trailing escapes.
void BM_EscapeNewlinesOnlyBreaks(benchmark::State& state) {
    const std::string text = Repeat("\r\n", state.range(0));
    for (auto _ : state) {
        std::string escaped = text;
        EscapeNewlines(escaped);
        benchmark::DoNotOptimize(escaped);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_EscapeNewlinesOnlyBreaks)->RangeMultiplier(4)->Range(1 << 10, 1 << 16);

// Lines of Japanese text (double-byte characters, one with a trail byte 0x5C) and line breaks.
void BM_EscapeNewlinesTextLines(benchmark::State& state) {
    const std::string text = Repeat("\x95\x5c\x8e\xa6\x82\xa0"
                                    "abc\r\n",
                                    state.range(0));
    for (auto _ : state) {
        std::string escaped = text;
        EscapeNewlines(escaped);
        benchmark::DoNotOptimize(escaped);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_EscapeNewlinesTextLines)->RangeMultiplier(4)->Range(1 << 10, 1 << 16);

} // namespace

BENCHMARK_MAIN();
