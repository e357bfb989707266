#include "analysis/drawstats.h"

#include "gamedata/boxvalue.h"

#include <QFileInfo>

#include <cmath>
#include <limits>
#include <utility>

namespace vx {

StatsHistory readStatsHistory(const QString &path)
{
    StatsHistory history;
    NumbersFileRead read;
    history.read = readNumbersFile(path, &read);
    if (!history.read.ok)
        return history;
    if (read.declared > std::numeric_limits<int16_t>::max()) {
        history.countTooLarge = true;
        history.countProblem = QStringLiteral("The results file %1 is damaged: it says it holds %2 results, more than "
                                              "the %3 a results file can hold. No statistics can be drawn from it.")
                                   .arg(QFileInfo(path).fileName())
                                   .arg(read.declared)
                                   .arg(MaxNumbersRecords);
        return history;
    }
    history.records = std::move(read.records);
    history.damage = read.damageMessage();
    return history;
}

ChartSpan chartSpan(int total, bool useLast, int lastDraws)
{
    ChartSpan span;
    if (!useLast || lastDraws < 1) {
        span.lastDraws = total;
        return span;
    }
    span.lastDraws = lastDraws;
    if (lastDraws > total) {
        span.cut = true;
        span.lastDraws = total;
    }
    span.first = total - span.lastDraws + 1;
    return span;
}

int chartTop(int16_t statsMode, const CurrentGame &game)
{
    return statsMode == StatsBonusBalls && game.BonusPool > 0 ? game.BonusPool : game.MainPool;
}

std::vector<int16_t> sortedBalls(const std::vector<int> &counts)
{
    const size_t bars = counts.size();
    std::vector<std::pair<int16_t, int>> rows;
    for (size_t k = 0; k < bars; ++k)
        rows.emplace_back(static_cast<int16_t>(k + 1), counts[k]);
    // Every pair in turn, not a stable sort: equal counts end in the order these swaps leave them.
    for (size_t i = 0; i < bars; ++i)
        for (size_t j = 0; j < bars; ++j)
            if (rows[i].second > rows[j].second)
                std::swap(rows[i], rows[j]);
    std::vector<int16_t> balls;
    for (const auto &row : rows)
        balls.push_back(row.first);
    return balls;
}

DrawChart countDraws(
    const std::vector<NumbersRecord> &history, int first, int16_t statsMode, const CurrentGame &game, bool sorted)
{
    DrawChart chart;
    const int top = chartTop(statsMode, game);
    const bool mains = statsMode != StatsBonusBalls;
    // The main-ball charts keep a slot for 0, an unused place; the bonus charts start at 1.
    const int lowest = mains ? 0 : 1;
    std::vector<int> counts(static_cast<size_t>(std::max(top, 0)) + 1, 0);
    const auto count = [&](int ball) {
        if (ball < lowest || ball > top)
            return false;
        ++counts[static_cast<size_t>(ball)];
        return true;
    };
    for (size_t r = static_cast<size_t>(std::max(first, 1)) - 1; r < history.size(); ++r) {
        const NumbersRecord &record = history[r];
        bool inRange = true;
        if (mains)
            for (const int16_t ball : record.main)
                inRange = count(ball) && inRange;
        if (statsMode != StatsMainBalls) {
            inRange = count(record.extra[0]) && inRange;
            if (record.extra[1] > 0)
                inRange = count(record.extra[1]) && inRange;
        }
        if (!inRange) {
            chart.ballOutOfRange = true;
            return chart;
        }
    }
    chart.counts.assign(counts.begin() + 1, counts.end());
    if (sorted) {
        chart.balls = sortedBalls(chart.counts);
        for (size_t k = 0; k < chart.balls.size(); ++k)
            chart.counts[k] = counts[static_cast<size_t>(chart.balls[k])];
    } else {
        for (int k = 1; k <= top; ++k)
            chart.balls.push_back(static_cast<int16_t>(k));
    }
    return chart;
}

BallStats ballStats(const std::vector<NumbersRecord> &history, const CurrentGame &game, const StatsChoice &choice,
    const MonthNameTable &monthNames)
{
    BallStats stats;
    const int total = static_cast<int>(history.size());
    const double v = BoxValue(choice.LastDraws);
    int span = total;
    if (v > 0 && v < total) {
        span = static_cast<int>(RoundHalfEven(v));
        stats.heading
            = choice.StatsCaption + QStringLiteral(" Last ") + choice.LastDraws.trimmed() + QStringLiteral(" Draws");
    } else {
        stats.heading = choice.StatsCaption + QStringLiteral(" All %1 Draws").arg(total);
    }

    // Wide products, so that long spans of a seven-ball game give their true expectation.
    long long balls = 0;
    int pool = game.MainPool;
    if (choice.StatsMode == StatsMainBalls)
        balls = static_cast<long long>(game.MainDrawn) * span;
    else if (choice.StatsMode == StatsMainAndBonus)
        balls = static_cast<long long>(game.MainDrawn + 1) * span;
    else {
        balls = span;
        if (game.BonusPool > 0)
            pool = game.BonusPool;
    }
    if (pool > 0)
        stats.expected = static_cast<int>(RoundHalfEven(static_cast<double>(balls) / pool));
    if (stats.expected == 0)
        stats.expected = 1;

    int lastRecord = 0;
    const NumbersRecord *last = nullptr;
    const bool mains = choice.StatsMode != StatsBonusBalls;
    const bool extras = choice.StatsMode != StatsMainBalls;
    for (int r = total - span + 1; r <= total; ++r) {
        const NumbersRecord &record = history[static_cast<size_t>(r - 1)];
        int held = 0;
        if (mains)
            for (const int16_t ball : record.main)
                held += ball == choice.StatsBall;
        if (extras)
            for (const int16_t ball : record.extra)
                held += ball == choice.StatsBall;
        if (held > 0) {
            stats.drawn += held;
            lastRecord = r;
            last = &record;
        }
    }
    if (last) {
        stats.lastDrawn
            = QStringLiteral("%1 %2 %3").arg(last->day).arg(MonthName(monthNames, last->month)).arg(last->year);
        stats.sinceLast = QString::number(total - lastRecord);
    } else {
        stats.lastDrawn = QStringLiteral("Never");
        stats.sinceLast = QStringLiteral("Not Drawn");
    }
    return stats;
}

} // namespace vx
