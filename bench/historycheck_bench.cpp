// The history check of 2500 entries against 5000 draws of a 6-of-49 game with a bonus ball drawn
// from the main pool: the engine alone, over the steps the window's driver runs, counting only and
// listing the winners on the four list pages.
#include "analysis/historycheck.h"

#include <benchmark/benchmark.h>
#include <numeric>
#include <random>

using namespace vx;

namespace {
constexpr int EntryCount = 2500;
constexpr int DrawCount = 5000;

std::vector<NumbersRecord> randomRecords(int count, unsigned seed, bool dated)
{
    std::mt19937 random(seed);
    std::vector<NumbersRecord> records;
    QDate date(1980, 1, 5);
    std::vector<int16_t> pool(49);
    for (int r = 0; r < count; ++r, date = date.addDays(3)) {
        std::iota(pool.begin(), pool.end(), int16_t {1});
        std::shuffle(pool.begin(), pool.end(), random);
        std::sort(pool.begin(), pool.begin() + 6);
        NumbersRecord record;
        std::copy(pool.begin(), pool.begin() + 6, record.main.begin());
        record.extra[0] = pool[6];
        if (dated) {
            record.year = int16_t(date.year());
            record.month = int16_t(date.month());
            record.day = int16_t(date.day());
        }
        records.push_back(record);
    }
    return records;
}

// state.range(0): 1 to list the winners; state.range(1): the lowest match that wins (3: a few in a
// hundred entries win a draw, 1: more than half do).
void BM_HistoryCheck(benchmark::State &state)
{
    const bool listing = state.range(0) != 0;
    const int lowest = int(state.range(1));
    const std::vector<NumbersRecord> entries = randomRecords(EntryCount, 11, false);
    const std::vector<NumbersRecord> history = randomRecords(DrawCount, 12, true);
    HistoryRules rules {6, 1, 0, 0, {}, QStringLiteral("BB")};
    std::fill(rules.winLines.begin() + 1, rules.winLines.begin() + 2 * (7 - lowest) + 2, int16_t {1});
    MonthNameTable months;
    for (int m = 1; m <= 12; ++m)
        months[size_t(m)] = QStringLiteral("M%1").arg(m);
    const HistoryRange range {HistoryRange::Outcome::Draws, 1, DrawCount};

    double winners = 0;
    for (auto _ : state) {
        const HistoryEntries prepared(entries, rules);
        HistoryCheck check(prepared, rules, HistoryListLimit, listing);
        HistoryCheckSteps steps(check, history, range, months);
        while (steps.step({})) { }
        winners = std::accumulate(check.WinTotals().begin(), check.WinTotals().end(), 0.0);
        benchmark::DoNotOptimize(check.takeLines(3));
    }
    state.counters["checks"]
        = benchmark::Counter(double(EntryCount) * DrawCount * double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["winners"] = winners;
}

BENCHMARK(BM_HistoryCheck)
    ->ArgNames({"listing", "lowest"})
    ->Args({0, 3})
    ->Args({1, 3})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond);
} // namespace
