#include "analysis/optimizer.h"
#include "support/testfolder.h"

#include <gtest/gtest.h>
#include <random>
#include <tuple>

using namespace vx;
using namespace vx::test;

namespace {
LinkTables countLinks(const OptimizerGame &game, const std::vector<NumbersRecord> &draws)
{
    LinkTables tables;
    LinkCountSteps steps(game, draws, tables);
    while (steps.step({})) { }
    return tables;
}
} // namespace

TEST(Optimizer, RangesCountTheLastDrawsAndRefuseWhatIsOutside)
{
    using O = ProcessRange::Outcome;
    const std::tuple<QString, int, O, int> cases[]
        = {{"", 10, O::Empty, 0}, {"3", 0, O::NoDraws, 0}, {"0", 10, O::OutsideRange, 0},
            {"11", 10, O::OutsideRange, 0}, {"abc", 10, O::OutsideRange, 0}, {"10", 10, O::Draws, 1},
            {"3", 10, O::Draws, 8}, {"2.5", 10, O::Draws, 8}, {"3.5", 10, O::Draws, 8}, {"1", 1, O::Draws, 1}};
    for (const auto &[typed, draws, outcome, first] : cases) {
        const ProcessRange range = processRange(typed, draws);
        EXPECT_EQ(range.outcome, outcome) << typed.toStdString();
        EXPECT_EQ(range.outcome == O::Draws ? range.first : 0, first) << typed.toStdString();
        EXPECT_EQ(range.refusal().isEmpty(), outcome == O::Draws);
    }
}

// Over random 6-of-20 histories: a link is the number of draws holding both balls, whatever the
// batches; the best extra is the most frequent one, the lowest on a tie, also for extras from the
// main pool above the own pool of another game.
TEST(Optimizer, LinksCountDrawsHoldingBothBallsAndTheBestExtraIsTheLowestOfTheMostFrequent)
{
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        std::vector<NumbersRecord> draws;
        for (int d = 0; d < 1 + int(random() % 600); ++d) {
            std::array<int, 20> pool;
            std::iota(pool.begin(), pool.end(), 1);
            std::shuffle(pool.begin(), pool.end(), random);
            draws.push_back(entryRecord({pool[0], pool[1], pool[2], pool[3], pool[4], pool[5]}, pool[6]));
        }
        const OptimizerGame game {20, 6, 1, round % 2 ? 0 : 12};
        const LinkTables tables = countLinks(game, draws);
        for (int b = 1; b <= 20; ++b) {
            std::array<int, 21> extras {};
            for (int m = 1; m <= 20; ++m) {
                const auto both = std::count_if(draws.begin(), draws.end(), [&](const NumbersRecord &r) {
                    const auto has = [&](int x) { return std::find(r.main.begin(), r.main.end(), x) != r.main.end(); };
                    return b != m && has(b) && has(m);
                });
                ASSERT_EQ(tables.LinkCounts[size_t(b)][size_t(m)], both);
            }
            for (const NumbersRecord &r : draws)
                extras[size_t(r.extra[0])] += std::find(r.main.begin(), r.main.end(), b) != r.main.end();
            const auto top = std::max_element(extras.begin() + 1, extras.begin() + 1 + game.extraPool());
            ASSERT_EQ(tables.BestBonus[size_t(b)], *top ? top - extras.begin() : 0);
        }
    }
}

TEST(Optimizer, GetBestForTakesTheLowestOfTheMostLinkedBallsThatAreNotExcluded)
{
    const LinkTables tables
        = countLinks({9, 4, 0, 0}, {entryRecord({1, 2, 3, 4}), entryRecord({1, 5, 6, 7}), entryRecord({1, 5, 8, 2})});
    const std::tuple<int16_t, std::array<int16_t, 6>, int16_t> cases[] = {{1, {}, 2}, {1, {2}, 5}, {1, {2, 5}, 3},
        {1, {2, 3, 4, 5, 6, 7}, 8}, {2, {1}, 3}, {9, {}, 0}, {4, {1, 2, 3}, 0}, {0, {}, 0}};
    for (const auto &[key, excluded, best] : cases)
        EXPECT_EQ(GetBestFor(tables, 9, key, excluded), best) << key;
}

// A chain that runs out of linked balls yields no entry, and neither does one that repeats an earlier
// entry; a three-number game chains three numbers, from the first three of each draw.
TEST(Optimizer, EntriesSkipChainsThatCannotCompleteAndRepeats)
{
    const std::vector<NumbersRecord> draws
        = {entryRecord({1, 2, 3, 4}, 9), entryRecord({1, 2, 3, 4}, 8), entryRecord({5, 6, 7}, 8)};
    using E = OptimizedEntry;
    const std::pair<OptimizerGame, std::vector<OptimizedEntry>> cases[]
        = {{{10, 4, 1, 9}, {E {{1, 2, 3, 4}, 8}}}, {{10, 4, 0, 9}, {E {{1, 2, 3, 4}, 0}}}, {{10, 5, 1, 9}, {}},
            {{10, 3, 0, 0}, {E {{1, 2, 3}, 0}, E {{5, 6, 7}, 0}}}};
    for (const auto &[game, entries] : cases)
        EXPECT_EQ(buildOptimizedEntries(countLinks(game, draws), game), entries) << game.mainPicked;
}

TEST(Optimizer, AFileThatCannotTakeTheEntriesIsLeftAsItWas)
{
    TestFolder folder;
    const std::vector<OptimizedEntry> entries(3, OptimizedEntry {{1, 2, 3}, 0});
    for (const int32_t count : {-1, MaxNumbersRecords - 2}) {
        QByteArray bytes = entryRecord({4, 5, 6}).toBytes();
        bytes.replace(0, 4, QByteArray::fromRawData(reinterpret_cast<const char *>(&count), 4));
        bytes.resize(NumbersRecord::Size * std::max(1, count), '\1');
        folder.writeBytes("Lotto.lot", bytes);
        EXPECT_FALSE(appendOptimizedEntries(folder.file("Lotto.lot"), entries, QDate(2005, 11, 5)).ok);
        EXPECT_EQ(folder.bytes("Lotto.lot"), bytes);
    }
}

// Create on a disk that fills up: an existing target is left byte for byte, a missing one is not
// left behind empty; with room the entries go in after the old ones.
TEST(Optimizer, ACreateCutShortByAFullDiskLeavesTheTargetAsItWas)
{
    const std::vector<OptimizedEntry> entries(3, OptimizedEntry {{1, 2, 3}, 4});
    const QByteArray old = numbersFileBytes({entryRecord({4, 5, 6}), entryRecord({7, 8, 9})});
    for (const bool existed : {true, false}) {
        for (qint64 accepted = 0; accepted < 4 * NumbersRecord::Size; accepted += 11) {
            SCOPED_TRACE(testing::Message() << existed << " " << accepted);
            TestFolder folder;
            if (existed)
                folder.writeBytes("Lotto.lot", old);
            int count = -1;
            ASSERT_TRUE(optimizerTargetCount(folder.file("Lotto.lot"), &count).ok);
            EXPECT_EQ(count, existed ? 2 : 0);
            EXPECT_EQ(folder.exists("Lotto.lot"), existed); // counting creates nothing
            FileResult written;
            {
                const FailingFileWrites disk(accepted);
                written = appendOptimizedEntries(folder.file("Lotto.lot"), entries, QDate(2005, 11, 5));
            }
            EXPECT_EQ(written.message, "The file Lotto.lot could not be written: No space left on device.");
            EXPECT_EQ(folder.exists("Lotto.lot"), existed);
            EXPECT_EQ(folder.bytes("Lotto.lot"), existed ? old : QByteArray());
        }
    }
    TestFolder folder;
    folder.writeBytes("Lotto.lot", old);
    ASSERT_TRUE(appendOptimizedEntries(folder.file("Lotto.lot"), entries, QDate(2005, 11, 5)).ok);
    const QByteArray bytes = folder.bytes("Lotto.lot");
    EXPECT_TRUE(bytes.size() == 5 * NumbersRecord::Size && rawInt32(bytes, 0) == 5 && bytes.mid(4, 56) == old.mid(4));
}
