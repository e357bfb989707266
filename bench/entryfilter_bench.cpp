// The duplicate coverage filter over a full entry file: 32767 random six-number entries from 49,
// every step of the run the window's driver makes. With five shared numbers hardly an entry is
// marked, so nearly every pair of entries is compared; with three most entries go early.
#include "analysis/entryfilter.h"

#include <benchmark/benchmark.h>
#include <numeric>
#include <random>

using namespace vx;

namespace {
std::vector<NumbersRecord> randomEntries(int count)
{
    std::mt19937 random(2105);
    std::vector<NumbersRecord> entries(static_cast<size_t>(count));
    std::vector<int16_t> pool(49);
    for (NumbersRecord &entry : entries) {
        std::iota(pool.begin(), pool.end(), int16_t {1});
        std::shuffle(pool.begin(), pool.end(), random);
        std::sort(pool.begin(), pool.begin() + 6);
        std::copy(pool.begin(), pool.begin() + 6, entry.main.begin());
    }
    return entries;
}

void BM_DuplicateFilter(benchmark::State &state)
{
    const std::vector<NumbersRecord> entries = randomEntries(MaxNumbersRecords);
    int marked = 0;
    for (auto _ : state) {
        std::vector<char> marks(entries.size(), 0);
        DuplicateMarking run(entries, 6, int(state.range(0)), marks);
        while (run.step([] { return true; })) { }
        marked = run.marked();
        benchmark::DoNotOptimize(marks.data());
    }
    state.counters["marked"] = marked;
}
BENCHMARK(BM_DuplicateFilter)->Arg(6)->Arg(5)->Arg(3)->Unit(benchmark::kMillisecond);
} // namespace
