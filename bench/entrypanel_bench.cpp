#include "app/form1.h"
#include "gamedata/drawcheck.h"
#include "gamedata/numbersfile.h"
#include "gamedata/sharedstate.h"
#include "platform/datepicker.h"
#include "platform/events.h"
#include "platform/localemonths.h"
#include "platform/messages.h"
#include "platform/sound.h"
#include "support/testfolder.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <benchmark/benchmark.h>

#include "bench/benchmain.h"
#include "support/scriptedplatform.h"
#include <random>

using namespace vx;
using namespace vx::test;

namespace {
const QDate EntryDate(2025, 11, 5);

std::vector<NumbersRecord> randomEntries(int count)
{
    std::mt19937 gen(7);
    std::vector<NumbersRecord> records;
    records.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        std::vector<int> pool(49);
        std::iota(pool.begin(), pool.end(), 1);
        std::shuffle(pool.begin(), pool.end(), gen);
        std::sort(pool.begin(), pool.begin() + 6);
        records.push_back(entryRecord({pool[0], pool[1], pool[2], pool[3], pool[4], pool[5]}, 1 + i % 10));
    }
    return records;
}

struct Prepared {
    TestFolder folder;
    platform::TestMode mode {folder.path(), ScriptedNow};
    std::unique_ptr<Form1> form;

    explicit Prepared(int entries)
    {
        GameDefinition game = makeGame("Lotto", 6, 1, 49, 0, 10, 1, "PB");
        for (size_t k = 1; k <= 15; ++k)
            game.winLines[k] = 1;
        writeGame(folder, 1, game);
        writeNumbersFile(folder.file("Lotto05NOV2025.lot"), randomEntries(entries));
        writeNumbersFile(folder.file("Lotto.rtl"), {drawRecord(2025, 11, 5, {3, 11, 19, 27, 35, 43}, {4})}, true);
        form = std::make_unique<Form1>();
        form->Form_Load();
        bench::control<platform::DatePicker>(&*form, "DTPicker1")->setValue(EntryDate);
        bench::control<platform::DatePicker>(&*form, "DTPicker2")->setValue(EntryDate);
    }
};
// Six of 49 and a bonus of 10, every category paying, against one draw.
DrawChecker sixAndABonusChecker()
{
    CheckRules rules;
    rules.mainDrawn = 6;
    rules.bonusDrawn = 1;
    rules.bonusPool = 10;
    rules.winLines.fill(1);
    rules.bonusTag = "PB";
    return DrawChecker(CheckNumbers {0, 3, 11, 19, 27, 35, 43, 0, 4, 0}, rules);
}
} // namespace

// The check of a full entry file against the shown draw, listing its winners.
static void BM_CheckFullEntryFile(benchmark::State &state)
{
    Prepared p(MaxNumbersRecords);
    for (auto _ : state)
        p.form->Command14_Click();
    state.counters["winners"] = bench::control<QListWidget>(&*p.form, "List2")->count();
}
BENCHMARK(BM_CheckFullEntryFile)->Unit(benchmark::kMillisecond);

// The classification alone, entry by entry, without the lists.
static void BM_ClassifyFullEntryFile(benchmark::State &state)
{
    const std::vector<NumbersRecord> entries = randomEntries(MaxNumbersRecords);
    const DrawChecker checker = sixAndABonusChecker();
    for (auto _ : state) {
        int wins = 0;
        for (const NumbersRecord &rec : entries)
            wins += checker.classify(checkNumbers(rec)).category > 9 ? 0 : 1;
        benchmark::DoNotOptimize(wins);
    }
}
BENCHMARK(BM_ClassifyFullEntryFile)->Unit(benchmark::kMillisecond);

// The classification as the check makes it: the entry file's records as they lie, one pass.
static void BM_ClassifyFullEntryFileRecords(benchmark::State &state)
{
    QByteArray records;
    for (const NumbersRecord &rec : randomEntries(MaxNumbersRecords))
        records += rec.toBytes();
    const DrawChecker checker = sixAndABonusChecker();
    std::vector<uint8_t> categories(MaxNumbersRecords);
    for (auto _ : state) {
        checker.classifyRecords(records.constData(), MaxNumbersRecords, categories.data());
        benchmark::DoNotOptimize(categories.data());
    }
    state.counters["winners"]
        = double(std::count_if(categories.begin(), categories.end(), [](uint8_t c) { return c <= 9 && c > 0; }));
}
BENCHMARK(BM_ClassifyFullEntryFileRecords)->Unit(benchmark::kMillisecond);

// Deleting 100 selected entries from a 10,000-entry file.
static void BM_Delete100Of10000(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        Prepared p(10000);
        for (int i = 0; i < 100; ++i)
            bench::control<QListWidget>(&*p.form, "List1")->item(i * 97)->setSelected(true);
        testMode().messages.answer(true);
        state.ResumeTiming();
        p.form->Command5_Click();
        state.PauseTiming();
        p.form.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Delete100Of10000)->Unit(benchmark::kMillisecond)->Iterations(5);
