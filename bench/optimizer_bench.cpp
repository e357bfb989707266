// Process Range over 5000 draws of a 6-of-49 game whose entries pick an extra from the main pool:
// the link counting alone, over the steps the window's driver runs, and with the history file read
// from disk before it and the optimised entries chained after it.
#include "analysis/optimizer.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <numeric>
#include <random>

using namespace vx;

namespace {
constexpr int DrawCount = 5000;

std::vector<NumbersRecord> randomDraws(unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<NumbersRecord> draws(DrawCount);
    std::vector<int16_t> pool(49);
    for (NumbersRecord &draw : draws) {
        std::iota(pool.begin(), pool.end(), int16_t {1});
        std::shuffle(pool.begin(), pool.end(), random);
        std::copy(pool.begin(), pool.begin() + 6, draw.main.begin());
        draw.extra[0] = pool[6];
    }
    draws[0].count = DrawCount;
    return draws;
}

// state.range(0): 1 to read the history file first and chain the entries afterwards.
void BM_ProcessRange(benchmark::State &state)
{
    const bool whole = state.range(0) != 0;
    const OptimizerGame game {49, 6, 1, 0};
    const std::vector<NumbersRecord> draws = randomDraws(5);
    QTemporaryDir folder;
    const QString historyPath = folder.filePath(QStringLiteral("Lotto.rtl"));
    NumbersFile history;
    history.open(historyPath);
    history.writeRange(1, draws);
    history.close();

    size_t entries = 0;
    for (auto _ : state) {
        NumbersFileRead read;
        if (whole)
            readNumbersFile(historyPath, &read);
        LinkTables tables;
        LinkCountSteps steps(game, whole ? read.records : draws, tables);
        while (steps.step({})) { }
        if (whole)
            entries = buildOptimizedEntries(tables, game).size();
        benchmark::DoNotOptimize(tables.BestBonus);
    }
    state.counters["draws"]
        = benchmark::Counter(double(DrawCount) * double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["entries"] = double(entries);
}

BENCHMARK(BM_ProcessRange)->ArgName("whole")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
} // namespace
