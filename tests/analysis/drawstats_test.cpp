#include "analysis/drawstats.h"
#include "support/testfolder.h"

#include <gtest/gtest.h>
#include <random>

using namespace vx;
using namespace vx::test;

namespace {
// Five from 49 with a bonus of its own pool of 10, or (bonusPool 0) drawn from the main pool.
CurrentGame game(int bonusDrawn = 1, int bonusPool = 10, int mainDrawn = 5)
{
    return CurrentGame::fromDefinition(
        1, makeGame("Weekly", mainDrawn, bonusDrawn, 49, bonusPool ? 0 : 1, bonusPool, 0));
}
} // namespace

TEST(DrawStats, SortingKeepsTheOrderOfTheSwapsAmongEqualCounts)
{
    EXPECT_EQ(sortedBalls({3, 5, 3, 5, 1, 3}), (std::vector<int16_t> {2, 4, 3, 1, 6, 5}));
    std::mt19937 random(7);
    for (int trial = 0; trial < 200; ++trial) {
        std::vector<int> counts(1 + random() % 60);
        for (int &c : counts)
            c = static_cast<int>(random() % 6);
        const std::vector<int16_t> balls = sortedBalls(counts);
        std::vector<bool> seen(counts.size(), false);
        for (size_t k = 0; k < balls.size(); ++k) {
            seen[static_cast<size_t>(balls[k] - 1)] = true;
            EXPECT_TRUE(
                k == 0 || counts[static_cast<size_t>(balls[k - 1] - 1)] >= counts[static_cast<size_t>(balls[k] - 1)]);
        }
        EXPECT_EQ(std::count(seen.begin(), seen.end(), true), static_cast<long>(counts.size()));
    }
}

TEST(DrawStats, EachChartCountsItsFieldsAndRefusesNumbersOutsideItsRange)
{
    const std::vector<NumbersRecord> history
        = {drawRecord(2005, 3, 5, {1, 2, 3, 4, 49}, {7, 0}), drawRecord(2005, 3, 7, {1, 9, 10, 11, 12}, {2, 3})};
    struct Row {
        int16_t mode;
        int bonusPool, first;
        std::vector<int> expected; // counts of balls 1, 2, 3, 7, 9, and the number of bars
    } rows[] = {
        {StatsMainBalls, 10, 1, {2, 1, 1, 0, 1, 49}},
        {StatsMainBalls, 10, 2, {1, 0, 0, 0, 1, 49}},
        {StatsMainAndBonus, 0, 1, {2, 2, 2, 1, 1, 49}},
        {StatsBonusBalls, 10, 1, {0, 1, 1, 1, 0, 10}}, // both extras of an own pool count
        {StatsBonusBalls, 0, 1, {0, 1, 1, 1, 0, 49}},
    };
    for (const Row &row : rows) {
        const DrawChart chart = countDraws(history, row.first, row.mode, game(2, row.bonusPool), false);
        ASSERT_FALSE(chart.ballOutOfRange);
        std::vector<int> got;
        for (int ball : {1, 2, 3, 7, 9})
            got.push_back(chart.counts[static_cast<size_t>(ball - 1)]);
        got.push_back(static_cast<int>(chart.balls.size()));
        EXPECT_EQ(got, row.expected) << row.mode << " " << row.bonusPool << " " << row.first;
    }
    for (const auto &[record, mode, bonusPool] : {std::tuple(drawRecord(1, 1, 1, {1, 50}), StatsMainBalls, 10),
             std::tuple(drawRecord(1, 1, 1, {-1}), StatsMainAndBonus, 0),
             std::tuple(drawRecord(1, 1, 1, {1}, {11}), StatsBonusBalls, 10),
             std::tuple(drawRecord(1, 1, 1, {1}), StatsBonusBalls, 10),
             std::tuple(drawRecord(1, 1, 1, {1}), StatsBonusBalls, 0)})
        EXPECT_TRUE(countDraws({history[0], record}, 1, mode, game(1, bonusPool), false).ballOutOfRange);
}

TEST(DrawStats, ASortedChartShowsTheSameCountsForTheSameBalls)
{
    std::mt19937 random(11);
    for (int trial = 0; trial < 50; ++trial) {
        std::vector<NumbersRecord> history;
        for (int r = 0; r < 30; ++r)
            history.push_back(
                drawRecord(2000, 1, 1, {int(1 + random() % 49), int(1 + random() % 49)}, {int(1 + random() % 49)}));
        const DrawChart plain = countDraws(history, 1, StatsMainAndBonus, game(1, 0), false);
        const DrawChart sorted = countDraws(history, 1, StatsMainAndBonus, game(1, 0), true);
        ASSERT_EQ(sorted.balls, sortedBalls(plain.counts));
        for (size_t k = 0; k < sorted.balls.size(); ++k)
            EXPECT_EQ(sorted.counts[k], plain.counts[static_cast<size_t>(sorted.balls[k] - 1)]);
    }
}

TEST(DrawStats, TheSpanOfAChartIsCutToTheDrawsThereAre)
{
    for (const auto &[total, useLast, n, first, draws, cut] : {std::tuple(10, false, 0, 1, 10, false),
             std::tuple(10, true, 3, 8, 3, false), std::tuple(10, true, 10, 1, 10, false),
             std::tuple(10, true, 11, 1, 10, true), std::tuple(0, true, 1, 1, 0, true)}) {
        const ChartSpan span = chartSpan(total, useLast, n);
        EXPECT_EQ(std::tuple(span.first, span.lastDraws, span.cut), std::tuple(first, draws, cut)) << total << " " << n;
    }
}

TEST(BallStats, ExpectedCountRoundsHalvesToEvenAndIsAtLeastOne)
{
    const std::vector<NumbersRecord> history(40, drawRecord(2005, 3, 7, {1, 2, 3, 4, 5, 6}, {8}));
    const CurrentGame sixBall = game(1, 10, 6), overMain = game(1, 0, 6);
    for (const auto &[g, mode, span, expected] : {std::tuple(sixBall, StatsMainBalls, "10", 1),
             std::tuple(sixBall, StatsMainBalls, "4", 1), std::tuple(sixBall, StatsBonusBalls, "25", 2),
             std::tuple(sixBall, StatsBonusBalls, "35", 4), std::tuple(sixBall, StatsMainAndBonus, "35", 5),
             std::tuple(overMain, StatsBonusBalls, "35", 1), std::tuple(sixBall, StatsMainBalls, "", 5)})
        EXPECT_EQ(ballStats(history, g, {mode, 1, "C", span}, {}).expected, expected) << mode << " " << span;
}

TEST(BallStats, SpanDateAndDrawsSinceFollowTheLatestDrawHoldingTheBall)
{
    MonthNameTable months;
    months[3] = "MAR";
    const std::vector<NumbersRecord> history = {drawRecord(2005, 3, 5, {1, 2, 3, 4, 5}, {9}),
        drawRecord(2005, 3, 7, {1, 6, 7, 8, 10}, {2}), drawRecord(2005, 3, 12, {11, 12, 13, 14, 15}, {16})};
    struct Row {
        int16_t mode, ball;
        QString lastDraws, heading, date, since;
        int drawn;
    } rows[] = {
        {StatsMainBalls, 1, "", "H All 3 Draws", "7 MAR 2005", "1", 2},
        {StatsMainBalls, 2, " 2 ", "H Last 2 Draws", "Never", "Not Drawn", 0}, // drawn as an extra only
        {StatsMainAndBonus, 2, "2.5", "H Last 2.5 Draws", "7 MAR 2005", "1", 1},
        {StatsMainAndBonus, 16, "x", "H All 3 Draws", "12 MAR 2005", "0", 1},
        {StatsBonusBalls, 9, "3", "H All 3 Draws", "5 MAR 2005", "2", 1},
        {StatsBonusBalls, 9, "-1", "H All 3 Draws", "5 MAR 2005", "2", 1},
        {StatsMainBalls, 1, "1", "H Last 1 Draws", "Never", "Not Drawn", 0},
    };
    for (const Row &row : rows) {
        const BallStats stats = ballStats(history, game(1, 0), {row.mode, row.ball, "H", row.lastDraws}, months);
        EXPECT_EQ(std::tuple(stats.heading, stats.lastDrawn, stats.sinceLast, stats.drawn),
            std::tuple(row.heading, row.date, row.since, row.drawn));
    }
    const BallStats none = ballStats({}, game(), {StatsMainBalls, 1, "H", "5"}, months);
    EXPECT_EQ(std::tuple(none.heading, none.expected, none.drawn, none.lastDrawn),
        std::tuple(QString("H All 0 Draws"), 1, 0, QString("Never")));
}

TEST(DrawStats, HistoryIsReadWholeAndACountBeyondSixteenBitsIsRefused)
{
    TestFolder folder;
    EXPECT_EQ(readStatsHistory(folder.file("Weekly.rtl")).total(), 0);
    EXPECT_TRUE(folder.exists("Weekly.rtl"));
    std::vector<NumbersRecord> records(3, drawRecord(2005, 1, 1, {1}));
    writeNumbersFile(folder.file("Weekly.rtl"), records);
    EXPECT_EQ(readStatsHistory(folder.file("Weekly.rtl")).total(), 3);
    records[0].count = 40000;
    folder.writeBytes("Weekly.rtl", records[0].toBytes());
    const StatsHistory tooLarge = readStatsHistory(folder.file("Weekly.rtl"));
    EXPECT_TRUE(tooLarge.countTooLarge);
    EXPECT_EQ(tooLarge.countProblem,
        "The results file Weekly.rtl is damaged: it says it holds 40000 results, more than the 32767 a results file "
        "can hold. No statistics can be drawn from it.");
    records[0].count = 32767; // the most a file can hold: the records there are charted
    folder.writeBytes("Weekly.rtl", records[0].toBytes());
    EXPECT_FALSE(readStatsHistory(folder.file("Weekly.rtl")).countTooLarge);
}
