#include "analysis/historycheck.h"
#include "support/testfolder.h"

#include <gtest/gtest.h>
#include <numeric>
#include <random>

using namespace vx;
using namespace vx::test;

namespace {
std::array<int16_t, 16> only(std::initializer_list<int> rows)
{
    std::array<int16_t, 16> lines {};
    for (int k : rows)
        lines[static_cast<size_t>(k)] = 1;
    return lines;
}
CheckNumbers numbers(std::initializer_list<int> mains, int x1 = 0, int x2 = 0)
{
    return checkNumbers(drawRecord(0, 0, 0, mains, {x1, x2}));
}
const std::array<int16_t, 16> All = only({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
} // namespace

TEST(HistoryCheck, CategoriesTakeTheFirstEnabledRowThatHolds)
{
    using Row = std::tuple<int, bool, std::array<int16_t, 16>, int>;
    for (const auto &[m, hit, lines, category] :
        std::vector<Row> {{7, true, All, 1}, {6, true, All, 2}, {6, true, only({3}), 3}, {6, false, only({2}), 0},
            {5, true, All, 4}, {5, false, All, 5}, {3, true, only({9}), 9}, {1, true, All, 12}, {1, false, All, 13},
            {0, true, All, 14}, {0, true, only({15}), 0}, {0, false, All, 15}, {8, false, All, 0}, {12, true, All, 0},
            {4, false, {0, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2}, 0}}) // only a 1 enables a row
        EXPECT_EQ(historyCategory(m, hit, lines), category) << m << hit;

    QStringList texts;
    for (int k = 0; k <= 16; ++k)
        texts << historyCategoryText(k, "EB") + (k == 14 ? "/" + historyTotalLabel(k, "EB") : "");
    EXPECT_EQ(texts.join('|'),
        "|Match 7|Match 6+EB|Match 6|Match 5+EB|Match 5|Match 4+EB|Match 4|Match 3+EB|Match 3|"
        "Match 2+EB|Match 2|Match 1+EB|Match 1|Match 0+EB/Match EB|Match 0|");
}

TEST(HistoryCheck, MatchesCountEveryEqualPairOverThePickedPositionsAndLinesShowTheFirstThree)
{
    EXPECT_EQ(historyMatches(numbers({5, 5, 9}), numbers({5, 5, 9}), 3), 5);
    EXPECT_EQ(historyMatches(numbers({1, 2, 3, 4, 5, 6, 7}), numbers({1, 2, 3, 4, 5, 6, 7}), 5), 5);

    HistoryRules own {6, 1, 26, 1, All, "PB"}; // an extra of its own pool, picked
    EXPECT_TRUE(historyBonusHit(numbers({1}, 7), numbers({2}, 7), own));
    EXPECT_FALSE(historyBonusHit(numbers({1}, 7, 3), numbers({2}, 8, 3), own)); // second extras never compared
    own.bonusPicked = 0;
    EXPECT_FALSE(historyBonusHit(numbers({1}, 7), numbers({2}, 7), own));
    HistoryRules fromMain {6, 2, 0, 0, All, "BB"}; // two extras from the main pool
    EXPECT_TRUE(historyBonusHit(numbers({1, 2, 3, 4, 5, 6}), numbers({}, 9, 6), fromMain));
    fromMain.bonusDrawn = 1;
    EXPECT_FALSE(historyBonusHit(numbers({1, 2, 3, 4, 5, 6}), numbers({}, 9, 6), fromMain));
    fromMain.bonusPool = -1; // neither rule applies
    EXPECT_FALSE(historyBonusHit(numbers({9}), numbers({}, 9), fromMain));

    EXPECT_EQ(historyLineText({3, 11, 25, 30, 42, 45, 0}, 7, "Match 5+EB", "EB"), "03 11 25 30 42 45 EB 07 Match 5+EB");
    EXPECT_EQ(historyLineText({0, 0, 0, 4, 0, 60, 7}, 0, "Match 0", "EB"), "00 00 00 04 60 07 Match 0");
    EXPECT_EQ(historyLineText({1, 2, 3, -4, 0, 0, 0}, -2, "Match 3", "EB"), "01 02 03 Match 3");
}

TEST(HistoryCheck, RangeRunsFromTheFirstDrawOnOrAfterTheStartToTheLastOnOrBeforeTheEnd)
{
    using O = HistoryRange::Outcome;
    const std::vector<NumbersRecord> history
        = {drawRecord(2005, 11, 5, {1}), drawRecord(2005, 11, 12, {2}), drawRecord(2005, 11, 19, {3})};
    const QDate d1(2005, 11, 5), d2(2005, 11, 12), d3(2005, 11, 19);
    using Row = std::tuple<QDate, QDate, O, int, int>;
    for (const auto &[start, end, outcome, first, last] : std::vector<Row> {{d2, d2, O::Draws, 2, 2}, // both on a draw
             {d1, d3, O::Draws, 1, 3}, {d1.addDays(3), d3.addDays(-3), O::Draws, 2, 2}, // both between two draws
             {d1.addDays(-30), d3.addDays(30), O::Draws, 1, 3}, // before the first, after the last
             {d1.addDays(1), d1.addDays(5), O::NoDrawsInRange, 0, 0}, // between the same two draws
             {d1.addDays(-9), d1.addDays(-1), O::NoDrawsInRange, 0, 0},
             {d3.addDays(1), d3.addDays(9), O::NoDrawsInRange, 0, 0}, {d2, d1, O::StartAfterEnd, 0, 0}}) {
        const HistoryRange range = historyRange(history, start, end);
        EXPECT_TRUE(range.outcome == outcome && range.first == first && range.last == last)
            << start.toString().toStdString() << " " << end.toString().toStdString();
    }
    EXPECT_EQ(historyRange({}, d1, d2).outcome, O::NoHistory);
    EXPECT_EQ(historyRange({}, d2, d1).outcome, O::StartAfterEnd);
}

// The bit-set engine gives exactly what counting pairs one by one gives, damaged numbers included.
TEST(HistoryCheck, EngineTotalsEqualPairCountingOverRandomGames)
{
    std::mt19937 random(77);
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    for (int round = 0; round < 60; ++round) {
        HistoryRules rules {
            int16_t(pick(3, 7)), int16_t(pick(0, 2)), int16_t(pick(-1, 1) * 20), int16_t(pick(0, 1)), {}, "PB"};
        for (int k = 1; k <= 15; ++k)
            rules.winLines[size_t(k)] = int16_t(pick(0, 3) == 0 ? 2 : pick(0, 1));
        const int kind = round % 3; // 0: sound numbers, 1: numbers standing twice, 2: numbers below 0 or past 63
        const auto record = [&] {
            NumbersRecord r;
            std::array<int16_t, 49> pool;
            std::iota(pool.begin(), pool.end(), int16_t {1});
            std::shuffle(pool.begin(), pool.end(), random);
            for (size_t p = 0; p < 7; ++p)
                r.main[p] = kind == 0 ? pool[p] : int16_t(kind == 1 ? pick(0, 12) : pick(-2, 70));
            r.extra = {int16_t(pick(0, 12)), int16_t(pick(0, 12))};
            return r;
        };
        std::vector<NumbersRecord> entries(40), draws(30);
        std::generate(entries.begin(), entries.end(), record);
        std::generate(draws.begin(), draws.end(), record);
        draws[0].main[1] = draws[0].main[0];

        const HistoryEntries prepared(entries, rules);
        HistoryCheck check(prepared, rules), counting(prepared, rules, HistoryListLimit, false);
        std::array<double, 16> expected {};
        QStringList expectedLines;
        for (const NumbersRecord &d : draws) {
            check.checkandprintentries(checkNumbers(d));
            counting.checkandprintentries(checkNumbers(d));
            for (const NumbersRecord &e : entries) {
                const int m = historyMatches(checkNumbers(e), checkNumbers(d), rules.mainPicked);
                const int k
                    = historyCategory(m, historyBonusHit(checkNumbers(e), checkNumbers(d), rules), rules.winLines);
                expected[size_t(k)] += k != 0 ? 1 : 0;
                if (k != 0)
                    expectedLines << historyLineText(e.main, e.extra[0], historyCategoryText(k, "PB"), "PB");
            }
        }
        EXPECT_EQ(check.WinTotals(), expected) << round;
        EXPECT_EQ(counting.WinTotals(), expected) << round;
        EXPECT_FALSE(check.HistoryListFull()) << round;
        EXPECT_FALSE(counting.HistoryListFull()) << round;
        EXPECT_EQ(check.takeLines(0), expectedLines) << round;
    }
}

// With the real page size: 32729 winners and a date line fill a page exactly, so four draws fill
// the four pages and the fifth draw's lines are counted but not listed.
TEST(HistoryCheck, FourFullPagesThenNothingIsListedButEverythingCounted)
{
    const HistoryRules rules {6, 0, 0, 0, only({15}), "BB"};
    const HistoryEntries entries(std::vector<NumbersRecord>(32729, entryRecord({1, 2, 3, 4, 5, 6})), rules);
    HistoryCheck check(entries, rules);
    for (int draw = 1; draw <= 5; ++draw) {
        check.addLine(QString::number(draw));
        check.checkandprintentries(numbers({11, 12, 13, 14, 15, 16}));
        EXPECT_EQ(check.HistoryListFull(), draw == 5) << draw;
        EXPECT_EQ(check.ListPage(), std::min(draw - 1, 3)) << draw;
        const QStringList page = check.takeLines(std::min(draw - 1, 3)); // nothing more on page 3 after draw 4
        EXPECT_EQ(page.size(), draw <= 4 ? 32730 : 0);
        EXPECT_TRUE(draw == 5 || (page.front() == QString::number(draw) && page.back() == "01 02 03 04 05 06 Match 0"));
    }
    EXPECT_EQ(check.WinTotals()[15], 5 * 32729.0);
}

// No entries (an entry file of count 0): no winner lines and no counts, listing or counting only,
// with and without the bonus rules, on every kind of draw.
TEST(HistoryCheck, NoEntriesGiveNoLinesAndNoCounts)
{
    const HistoryRules rulesOf[] = {{6, 0, 0, 0, All, "BB"}, {5, 1, 26, 1, All, "PB"}, {6, 2, 0, 0, All, "BB"}};
    for (const HistoryRules &rules : rulesOf) {
        for (const bool listing : {true, false}) {
            const HistoryEntries entries({}, rules);
            HistoryCheck check(entries, rules, HistoryListLimit, listing);
            for (const CheckNumbers &draw : {numbers({1, 2, 3, 4, 5, 6}, 7, 8), numbers({1, 1, 2, 3, 4, 5})}) {
                check.addLine("date");
                check.checkandprintentries(draw);
            }
            EXPECT_EQ(check.WinTotals(), (std::array<double, 16> {}));
            EXPECT_EQ(check.takeLines(0), listing ? QStringList({"date", "date"}) : QStringList());
            EXPECT_FALSE(check.HistoryListFull());
        }
    }
}
