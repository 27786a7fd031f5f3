// Writes to a profile file inside one batch, as a settings save makes them: every write changes
// the parsed copy and the batch writes the file once at its end. The figures are per batch,
// file write included, for growing numbers of keys.
#include "platform/ProfileFile.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace {

using namespace tembra;

constexpr int kSections = 16;

// A temporary folder for the life of one benchmark run.
class TempFolder {
public:
    TempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tembra-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr)
            m_path = pattern;
    }
    ~TempFolder() {
        std::error_code ec;
        if (!m_path.empty())
            std::filesystem::remove_all(m_path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

struct Keys {
    std::vector<std::string> sections;
    std::vector<std::string> names;
};

// n keys spread over the sections in turn, so that most new keys go into the middle of the file
// (the end of their section) rather than at its end.
Keys MakeKeys(int n) {
    Keys keys;
    for (int s = 0; s < kSections; ++s)
        keys.sections.push_back("Section" + std::to_string(s));
    for (int i = 0; i < n; ++i)
        keys.names.push_back("Key" + std::to_string(i));
    return keys;
}

bool WriteAllKeys(ProfileFile& file, const Keys& keys, const std::string& value) {
    ProfileBatch batch(file);
    for (std::size_t i = 0; i < keys.names.size(); ++i)
        if (!file.WriteString(keys.sections[i % kSections], keys.names[i], value))
            return false;
    return batch.Commit();
}

// A batch that creates every key of a new file.
void BM_BatchNewKeys(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const Keys keys = MakeKeys(n);
    TempFolder dir;
    const std::filesystem::path path = dir.Path() / "new.ini";
    for (auto _ : state) {
        std::error_code ec;
        std::filesystem::remove(path, ec);
        ProfileFile file(path, ProfileFlavor::Registry);
        if (!WriteAllKeys(file, keys, "1234,5678")) {
            state.SkipWithError("the profile could not be written");
            break;
        }
    }
    state.SetComplexityN(n);
}
// 1,000 to 8,000 keys, doubling: a batch that grows linearly doubles its time at each step.
void KeyCounts(benchmark::internal::Benchmark* b) {
    for (int n = 1000; n <= 8000; n *= 2)
        b->Arg(n);
    b->Unit(benchmark::kMillisecond)->Complexity();
}

BENCHMARK(BM_BatchNewKeys)->Apply(KeyCounts);

// A batch that gives every key of an existing file a new value.
void BM_BatchExistingKeys(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const Keys keys = MakeKeys(n);
    TempFolder dir;
    ProfileFile file(dir.Path() / "existing.ini", ProfileFlavor::Registry);
    if (!WriteAllKeys(file, keys, "0")) {
        state.SkipWithError("the profile could not be written");
        return;
    }
    bool odd = false;
    for (auto _ : state) {
        odd = !odd;
        if (!WriteAllKeys(file, keys, odd ? "1234,5678" : "8765,4321")) {
            state.SkipWithError("the profile could not be written");
            break;
        }
    }
    state.SetComplexityN(n);
}
BENCHMARK(BM_BatchExistingKeys)->Apply(KeyCounts);

} // namespace

BENCHMARK_MAIN();
