// Reading a MY term group as the MY term list does when it shows a group: the file's keys listed
// once each and sorted. A group of n terms, at two sizes 10x apart, so that the figure shows how
// the cost grows (it was quadratic: each key looked for among those already taken).
#include "platform/Sjis.h"
#include "shell/core/MyYogoFile.h"
#include "support/BenchFolders.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

using namespace tembra;

void BM_ReadTermGroup(benchmark::State& state) {
    const bench::BenchFolders folders;
    const std::filesystem::path path = folders.Dir() / "MYYOGO.INI";
    const int terms = static_cast<int>(state.range(0));
    {
        std::ofstream out(path, std::ios::binary);
        out << "[GroupName]\r\nG=\r\n[G]\r\n";
        // Terms out of order, of the length of real ones.
        for (int i = 0; i < terms; ++i) {
            out << Sjis::FromUtf8("工程用語") << (i * 7919) % terms << "=\r\n";
        }
    }
    const CMyYogoFile file(path);
    for (auto _ : state) {
        benchmark::DoNotOptimize(file.Terms("G", ""));
    }
    state.SetComplexityN(terms);
}
BENCHMARK(BM_ReadTermGroup)->Arg(600)->Arg(6000)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace

BENCHMARK_MAIN();
