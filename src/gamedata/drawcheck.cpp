#include "gamedata/drawcheck.h"

#include "gamedata/numberlines.h"

#include <algorithm>
#include <bit>

namespace vx {

DrawChecker::DrawChecker(const CheckNumbers &draw, const CheckRules &rules)
    : m_draw(draw)
    , m_rules(rules)
    , m_mainCount(std::clamp<int>(rules.mainDrawn, 0, 7))
{
    // With distinct drawn numbers in 0 to 63, counting matching pairs is counting the entry's
    // numbers that fall in the draw's bit set; otherwise the pairs are counted one by one.
    m_useMask = true;
    for (int k = 1; k <= m_mainCount; ++k) {
        const int v = m_draw[static_cast<size_t>(k)];
        if (v < 0 || v > 63 || (m_mask & (uint64_t(1) << v))) {
            m_useMask = false;
            break;
        }
        m_mask |= uint64_t(1) << v;
    }
}

int DrawChecker::mainMatches(const CheckNumbers &entry) const
{
    int m = 0;
    if (m_useMask) {
        for (int j = 1; j <= m_mainCount; ++j) {
            const int v = entry[static_cast<size_t>(j)];
            if (v >= 0 && v <= 63 && (m_mask & (uint64_t(1) << v)))
                ++m;
        }
        return m;
    }
    for (int j = 1; j <= m_mainCount; ++j)
        for (int k = 1; k <= m_mainCount; ++k)
            if (entry[static_cast<size_t>(j)] == m_draw[static_cast<size_t>(k)])
                ++m;
    return m;
}

bool DrawChecker::extraHit(const CheckNumbers &entry, int extraIndex) const
{
    const int16_t drawn = m_draw[static_cast<size_t>(extraIndex)];
    if (m_rules.bonusPool > 0)
        return entry[static_cast<size_t>(extraIndex)] == drawn;
    for (int j = 1; j <= m_mainCount; ++j)
        if (entry[static_cast<size_t>(j)] == drawn)
            return true;
    return false;
}

CheckOutcome DrawChecker::classify(const CheckNumbers &entry) const
{
    CheckOutcome out;
    out.mainMatches = mainMatches(entry);
    if (m_rules.bonusDrawn == 1)
        out.bonusHit = extraHit(entry, 8);
    else if (m_rules.bonusDrawn == 2)
        out.bonusHit = extraHit(entry, 8) || extraHit(entry, 9);

    for (int k = 1; k <= 15; ++k) {
        if (m_rules.winLines[static_cast<size_t>(k)] != 1)
            continue;
        const PrizeCategory &c = PrizeCategories[static_cast<size_t>(k)];
        const bool holds = c.matches == out.mainMatches && (!c.bonus || out.bonusHit) && (k != 15 || !out.bonusHit);
        if (!holds)
            continue;
        out.category = k;
        const int md = m_rules.mainDrawn;
        switch (k) {
        case 1:
            out.playsSound = true;
            break;
        case 2:
        case 4:
        case 6:
        case 8:
            out.playsSound = m_rules.bonusDrawn == 1 && md == c.matches;
            break;
        case 3:
        case 5:
        case 7:
            out.playsSound = md == c.matches && m_rules.bonusPool == 0;
            break;
        default:
            out.playsSound = false;
        }
        break;
    }
    return out;
}

QString categoryLabel(int category, const QString &bonusTag)
{
    if (category < 1 || category > 15)
        return QString();
    const PrizeCategory &c = PrizeCategories[static_cast<size_t>(category)];
    if (c.bonus)
        return QStringLiteral("(%1+%2)").arg(c.matches).arg(bonusTag);
    return QStringLiteral("(%1)").arg(c.matches);
}

bool anyWinLine(const std::array<int16_t, 16> &winLines)
{
    return std::any_of(winLines.begin() + 1, winLines.end(), [](int16_t v) { return v > 0; });
}

CheckNumbers checkNumbers(const NumbersRecord &record)
{
    CheckNumbers numbers {};
    std::copy(record.main.begin(), record.main.end(), numbers.begin() + 1);
    numbers[8] = record.extra[0];
    numbers[9] = record.extra[1];
    return numbers;
}

EntriesCheck checkEntries(const std::vector<NumbersRecord> &entries, const CheckNumbers &draw, const CheckRules &rules)
{
    const DrawChecker checker(draw, rules);
    EntriesCheck check;
    check.entryCount = static_cast<int>(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const NumbersRecord &entry = entries[i];
        const CheckOutcome outcome = checker.classify(checkNumbers(entry));
        if (outcome.category == 0)
            continue;
        ++check.wins;
        check.playsSound = check.playsSound || outcome.playsSound;
        check.winningLines << checkedLineText(
            entry.main, entry.extra[0], categoryLabel(outcome.category, rules.bonusTag), rules.bonusTag);
        check.winnerRows.push_back(static_cast<int>(i));
    }
    return check;
}

FileResult checkEntryFile(
    const QString &entryPath, const CheckNumbers &draw, const CheckRules &rules, EntriesCheck *check)
{
    NumbersFileRead entries;
    if (const FileResult read = readNumbersFile(entryPath, &entries); !read.ok)
        return read;
    *check = checkEntries(entries.records, draw, rules);
    return {};
}

int findDrawByDate(const std::vector<NumbersRecord> &history, int year, int month, int day)
{
    for (size_t r = 0; r < history.size(); ++r) {
        const NumbersRecord &draw = history[r];
        if (draw.day == day && draw.month == month && draw.year == year)
            return static_cast<int>(r) + 1;
    }
    return 0;
}

} // namespace vx
