#include "analysis/historycheck.h"

#include "gamedata/numberlines.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace vx {

namespace {
int positions(int mainPicked)
{
    return std::clamp(mainPicked, 0, 7);
}

// The numbers of positions 1 to count as a bit set, when they are distinct and within 0 to 63:
// then the equal pairs between two such sets are the bits they share.
bool maskOf(const CheckNumbers &numbers, int count, uint64_t *mask)
{
    uint64_t bits = 0;
    for (int p = 1; p <= count; ++p) {
        const int v = numbers[static_cast<size_t>(p)];
        if (v < 0 || v > 63 || (bits & (uint64_t(1) << v)))
            return false;
        bits |= uint64_t(1) << v;
    }
    *mask = bits;
    return true;
}

// A draw prepared for entries held as bit sets.
struct MaskedDraw {
    uint64_t mains; // the draw's main numbers
    uint64_t extras; // the drawn extras, when they come from the main pool
    int16_t extra; // the first drawn extra, when an entry picks its own
    int mode; // BonusMode
    const uint8_t *categories; // by 2 * matches + hit
};

// The categories of n entries against a draw: each written to out when out is given, otherwise
// only tallied, in four tallies taken in turn so that a run of equal categories does not wait on
// one counter. The popcount instruction is used where the processor has it.
#if defined(__GNUC__) && defined(__x86_64__) && !defined(__clang__)
__attribute__((target_clones("popcnt", "default")))
#endif
void classifyMasked(
    const uint64_t *masks, const int16_t *extras, size_t n, const MaskedDraw &draw, uint8_t *out, uint32_t *tallies)
{
    const auto pass = [&](auto hitOf) {
        const auto category
            = [&](size_t i) { return draw.categories[2 * std::popcount(masks[i] & draw.mains) + (hitOf(i) ? 1 : 0)]; };
        if (out) {
            for (size_t i = 0; i < n; ++i)
                out[i] = category(i);
            return;
        }
        uint32_t four[4][16] = {};
        for (size_t i = 0; i < n; ++i)
            ++four[i & 3][category(i)];
        for (int k = 0; k < 16; ++k)
            tallies[k] = four[0][k] + four[1][k] + four[2][k] + four[3][k];
    };
    if (draw.mode == 1)
        pass([&](size_t i) { return extras[i] == draw.extra; });
    else if (draw.mode == 2)
        pass([&](size_t i) { return (masks[i] & draw.extras) != 0; });
    else
        pass([](size_t) { return false; });
}

uint64_t bitOf(int v)
{
    return v >= 0 && v <= 63 ? uint64_t(1) << v : 0;
}

enum class BonusMode { None = 0, OwnExtra = 1, FromMainPool = 2 };

BonusMode bonusMode(const HistoryRules &rules)
{
    if (rules.bonusPicked == 1 && rules.bonusPool > 0)
        return BonusMode::OwnExtra;
    if (rules.bonusDrawn > 0 && rules.bonusPool == 0)
        return BonusMode::FromMainPool;
    return BonusMode::None;
}
} // namespace

HistoryRules HistoryRules::fromGame(const CurrentGame &game)
{
    return {game.MainPicked, game.BonusDrawn, game.BonusPool, game.BonusPicked, game.WinLines, game.BonusTag};
}

int historyMatches(const CheckNumbers &entry, const CheckNumbers &draw, int mainPicked)
{
    const int count = positions(mainPicked);
    int m = 0;
    for (int p = 1; p <= count; ++p)
        for (int q = 1; q <= count; ++q)
            m += entry[static_cast<size_t>(p)] == draw[static_cast<size_t>(q)];
    return m;
}

bool historyBonusHit(const CheckNumbers &entry, const CheckNumbers &draw, const HistoryRules &rules)
{
    switch (bonusMode(rules)) {
    case BonusMode::OwnExtra:
        return entry[8] == draw[8];
    case BonusMode::FromMainPool: {
        const auto among = [&](int16_t drawn) {
            const auto first = entry.begin() + 1;
            return std::find(first, first + positions(rules.mainPicked), drawn) != first + positions(rules.mainPicked);
        };
        return among(draw[8]) || (rules.bonusDrawn == 2 && among(draw[9]));
    }
    case BonusMode::None:
        break;
    }
    return false;
}

int historyCategory(int m, bool hit, const std::array<int16_t, 16> &winLines)
{
    for (int k = 1; k <= 15; ++k) {
        const PrizeCategory &c = PrizeCategories[static_cast<size_t>(k)];
        if (winLines[static_cast<size_t>(k)] == 1 && c.matches == m && (!c.bonus || hit) && (k != 15 || !hit))
            return k;
    }
    return 0;
}

QString historyCategoryText(int category, const QString &bonusTag)
{
    if (category < 1 || category > 15)
        return QString();
    const PrizeCategory &c = PrizeCategories[static_cast<size_t>(category)];
    QString text = QStringLiteral("Match ") + QString::number(c.matches);
    if (c.bonus)
        text += QLatin1Char('+') + bonusTag;
    return text;
}

QString historyTotalLabel(int category, const QString &bonusTag)
{
    return category == 14 ? QStringLiteral("Match ") + bonusTag : historyCategoryText(category, bonusTag);
}

QString historyLineText(const std::array<int16_t, 7> &mains, int16_t extra, const QString &suffix, const QString &tag)
{
    // Written character by character: a check may list a hundred thousand lines.
    QString line;
    line.reserve(32 + tag.size() + suffix.size());
    const auto number = [&line](int v) {
        if (v >= 0 && v < 100) {
            line += QChar(u'0' + v / 10);
            line += QChar(u'0' + v % 10);
        } else {
            line += twoDigits(v);
        }
        line += QLatin1Char(' ');
    };
    for (size_t i = 0; i < 7; ++i)
        if (i < 3 || mains[i] > 0)
            number(mains[i]);
    if (extra > 0) {
        line += tag;
        line += QLatin1Char(' ');
        number(extra);
    }
    line += suffix;
    return line;
}

QString historyDateLine(const NumbersRecord &draw, const MonthNameTable &monthNames)
{
    return twoDigits(draw.day) + QLatin1Char(' ') + MonthName(monthNames, draw.month) + QLatin1Char(' ')
        + QString::number(draw.year);
}

HistoryRange historyRange(const std::vector<NumbersRecord> &history, const QDate &start, const QDate &end)
{
    using Outcome = HistoryRange::Outcome;
    if (start > end)
        return {Outcome::StartAfterEnd};
    const int n = static_cast<int>(history.size());
    if (n == 0)
        return {Outcome::NoHistory};
    const auto key = [&](int r) {
        const NumbersRecord &rec = history[static_cast<size_t>(r - 1)];
        return dateKey(rec.year, rec.month, rec.day);
    };
    const long long startKey = dateKey(start.year(), start.month(), start.day());
    const long long endKey = dateKey(end.year(), end.month(), end.day());
    if (endKey < key(1) || startKey > key(n))
        return {Outcome::NoDrawsInRange};

    int first = 1;
    for (int r = 1; r <= n; ++r) {
        if (key(r) >= startKey) {
            first = r;
            break;
        }
    }
    int last = n;
    for (int r = first; r <= n; ++r) {
        if (key(r) >= endKey) {
            last = key(r) == endKey ? r : r - 1;
            break;
        }
    }
    if (last == 0)
        last = n;
    if (last < first)
        return {Outcome::NoDrawsInRange};
    return {Outcome::Draws, first, last};
}

HistoryEntries::HistoryEntries(const std::vector<NumbersRecord> &entries, const HistoryRules &rules)
{
    m_numbers.reserve(entries.size());
    m_masks.reserve(entries.size());
    m_extras.reserve(entries.size());
    for (const NumbersRecord &record : entries) {
        const CheckNumbers numbers = checkNumbers(record);
        uint64_t mask = 0;
        if (!maskOf(numbers, positions(rules.mainPicked), &mask) || mask == 0) {
            mask = 0;
            m_allMasked = false;
        }
        m_numbers.push_back(numbers);
        m_masks.push_back(mask);
        m_extras.push_back(numbers[8]);
    }
}

HistoryCheck::HistoryCheck(const HistoryEntries &entries, const HistoryRules &rules, double listLimit, bool listing)
    : m_entries(entries)
    , m_rules(rules)
    , m_listLimit(listLimit)
    , m_listing(listing)
{
    for (int m = 0; m <= 7; ++m)
        for (int hit = 0; hit <= 1; ++hit)
            m_categories[static_cast<size_t>(m)][static_cast<size_t>(hit)]
                = static_cast<uint8_t>(historyCategory(m, hit != 0, rules.winLines));
    for (int k = 1; k <= 15; ++k)
        m_texts[static_cast<size_t>(k)] = historyCategoryText(k, rules.bonusTag);
}

bool HistoryCheck::countLine()
{
    m_lineCount += 1;
    if (m_lineCount > m_listLimit) {
        ++m_pageSwitches;
        if (m_listPage < HistoryListPages - 1) {
            ++m_listPage;
            m_lineCount = 1;
        } else {
            m_listFull = true;
        }
    }
    return !m_listFull;
}

void HistoryCheck::addLine(const QString &line)
{
    if (m_listing && countLine())
        m_lines[static_cast<size_t>(m_listPage)] << line;
}

void HistoryCheck::checkandprintentries(const CheckNumbers &HistoryDraw)
{
    const int count = positions(m_rules.mainPicked);
    const BonusMode mode = bonusMode(m_rules);
    uint64_t drawMask = 0;
    const bool drawMasked = maskOf(HistoryDraw, count, &drawMask);
    const uint64_t bonusMask = mode != BonusMode::FromMainPool
        ? 0
        : bitOf(HistoryDraw[8]) | (m_rules.bonusDrawn == 2 ? bitOf(HistoryDraw[9]) : 0);
    const int16_t drawnExtra = HistoryDraw[8];

    const auto winner = [&](size_t i, int k) {
        m_winTotals[static_cast<size_t>(k)] += 1;
        if (!m_listing || !countLine())
            return;
        const CheckNumbers &e = m_entries.m_numbers[i];
        m_lines[static_cast<size_t>(m_listPage)] << historyLineText(
            {e[1], e[2], e[3], e[4], e[5], e[6], e[7]}, e[8], m_texts[static_cast<size_t>(k)], m_rules.bonusTag);
    };

    // Without entries there is nothing to classify (and no tally to write into).
    const size_t n = m_entries.size();
    if (n == 0)
        return;
    const uint64_t *masks = m_entries.m_masks.data();
    const int16_t *extras = m_entries.m_extras.data();
    if (drawMasked && m_entries.m_allMasked) {
        // The common case: one popcount and one table look-up per entry.
        const MaskedDraw masked {drawMask, bonusMask, drawnExtra, static_cast<int>(mode), &m_categories[0][0]};
        if (m_listing && !m_listFull) {
            m_drawCategories.resize(n);
            classifyMasked(masks, extras, n, masked, m_drawCategories.data(), nullptr);
            for (size_t i = 0; i < n; ++i)
                if (const int k = m_drawCategories[i]; k != 0)
                    winner(i, k);
            return;
        }
        std::array<uint32_t, 16> tallies {};
        classifyMasked(masks, extras, n, masked, nullptr, tallies.data());
        for (size_t k = 1; k <= 15; ++k)
            m_winTotals[k] += tallies[k];
        return;
    }

    for (size_t i = 0; i < n; ++i) {
        const CheckNumbers &entry = m_entries.m_numbers[i];
        const int m = drawMasked && masks[i] != 0 ? std::popcount(masks[i] & drawMask)
                                                  : historyMatches(entry, HistoryDraw, count);
        if (m > 7)
            continue;
        const bool hit = historyBonusHit(entry, HistoryDraw, m_rules);
        if (const int k = m_categories[static_cast<size_t>(m)][hit ? 1 : 0]; k != 0)
            winner(i, k);
    }
}

QStringList HistoryCheck::takeLines(int page)
{
    return std::exchange(m_lines[static_cast<size_t>(page)], {});
}

int HistoryCheck::takePageSwitches()
{
    return std::exchange(m_pageSwitches, 0);
}

HistoryCheckSteps::HistoryCheckSteps(HistoryCheck &check, const std::vector<NumbersRecord> &history,
    const HistoryRange &range, const MonthNameTable &monthNames)
    : m_check(check)
    , m_history(history)
    , m_monthNames(monthNames)
    , m_next(range.first)
    , m_last(range.outcome == HistoryRange::Outcome::Draws ? range.last : 0)
{
}

bool HistoryCheckSteps::step(const std::function<bool()> &)
{
    if (m_next < 1 || m_next > m_last)
        return false;
    const NumbersRecord &draw = m_history[static_cast<size_t>(m_next - 1)];
    m_check.addLine(historyDateLine(draw, m_monthNames));
    m_check.checkandprintentries(checkNumbers(draw));
    ++m_done;
    ++m_next;
    return m_next <= m_last;
}

} // namespace vx
