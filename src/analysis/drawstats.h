#pragma once

#include "gamedata/numbersfile.h"
#include "gamedata/sharedstate.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace vx {

// The chart kinds, as StatsMode names them.
constexpr int16_t StatsMainBalls = 1;
constexpr int16_t StatsMainAndBonus = 2;
constexpr int16_t StatsBonusBalls = 4;

// What the draw statistics window hands to the individual ball statistics window when it opens it.
struct StatsChoice {
    int16_t StatsMode = StatsMainBalls;
    int16_t StatsBall = 0;
    QString StatsCaption; // the heading: the chart's caption and the ball
    QString LastDraws; // the text of the draw statistics window's "Use Last Draws" box
};

// The history file as the statistics read it, in one read. A damaged count is left out as far as
// the file cannot back it (damage then says so); a count beyond 16 bits is no history to chart.
struct StatsHistory {
    FileResult read; // the file could not be opened
    std::vector<NumbersRecord> records; // records 1 to T
    bool countTooLarge = false;
    QString countProblem; // with countTooLarge: what is wrong, for the player
    QString damage;
    int total() const { return static_cast<int>(records.size()); } // T
};
StatsHistory readStatsHistory(const QString &path);

// The draws one chart run covers: records first to T.
struct ChartSpan {
    int first = 1;
    int lastDraws = 0; // N, cut to T when it was greater
    bool cut = false; // N was greater than T: the player is told, and all draws are charted
};
// useLast false (or N below 1) charts every draw.
ChartSpan chartSpan(int total, bool useLast, int lastDraws);

// The bars of one chart, in the order shown: bar k (from 0) shows balls[k] drawn counts[k] times.
struct DrawChart {
    bool ballOutOfRange = false; // a counted number lies outside the chart's range: nothing to chart
    std::vector<int16_t> balls;
    std::vector<int> counts;
};

// Counts the chart of statsMode (main balls; main and bonus; bonus over its own pool when the game
// has one, else over the main pool) over records first to the end of history. Main positions and
// the second extra that hold 0 are not drawn balls and are not counted; a first extra of 0 is one
// only in the main-and-bonus chart. Sorted, the bars go by descending count.
DrawChart countDraws(
    const std::vector<NumbersRecord> &history, int first, int16_t statsMode, const CurrentGame &game, bool sorted);

// The balls 1 to counts.size() reordered by descending count, equal counts in the order of a swap
// of every pair (i, j) in turn whose count at i is greater than at j.
std::vector<int16_t> sortedBalls(const std::vector<int> &counts);

// The highest ball of a chart: the bonus pool for the bonus chart of a game with one, else the main
// pool.
int chartTop(int16_t statsMode, const CurrentGame &game);

// The four figures of one ball over the span the "Use Last Draws" text gives.
struct BallStats {
    QString heading;
    int expected = 1;
    int drawn = 0;
    QString lastDrawn; // "Never" when not drawn in the span
    QString sinceLast; // draws since, "Not Drawn" when not drawn in the span
};
BallStats ballStats(const std::vector<NumbersRecord> &history, const CurrentGame &game, const StatsChoice &choice,
    const MonthNameTable &monthNames);

} // namespace vx
