#include "gamedata/drawcheck.h"

#include "gamedata/numberlines.h"

#include <algorithm>
#include <bit>
#include <cstdint>

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

    // The first enabled category each outcome satisfies, and whether it plays the sound.
    for (int m = 0; m <= 7; ++m) {
        for (int hit = 0; hit <= 1; ++hit) {
            CheckOutcome &out = m_outcomes[static_cast<size_t>(m)][static_cast<size_t>(hit)];
            out.mainMatches = m;
            out.bonusHit = hit != 0;
            for (int k = 1; k <= 15; ++k) {
                if (m_rules.winLines[static_cast<size_t>(k)] != 1)
                    continue;
                const PrizeCategory &c = PrizeCategories[static_cast<size_t>(k)];
                const bool holds = c.matches == m && (!c.bonus || out.bonusHit) && (k != 15 || !out.bonusHit);
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
                m_sounds[static_cast<size_t>(k)] = out.playsSound;
                break;
            }
        }
    }
}

template <typename Numbers> inline CheckOutcome DrawChecker::classifyNumbers(const Numbers &number) const
{
    int m = 0;
    if (m_useMask) {
        // All seven positions, those past the game's count adding nothing: no branch per number.
        for (int j = 1; j <= 7; ++j) {
            const int v = number(j);
            const auto counted = static_cast<uint64_t>((j <= m_mainCount) & (static_cast<unsigned>(v) < 64u));
            m += static_cast<int>((m_mask >> (v & 63)) & counted);
        }
    } else {
        for (int j = 1; j <= m_mainCount; ++j)
            for (int k = 1; k <= m_mainCount; ++k)
                m += number(j) == m_draw[static_cast<size_t>(k)];
    }

    const auto extraHit = [&](int extraIndex) {
        const int16_t drawn = m_draw[static_cast<size_t>(extraIndex)];
        if (m_rules.bonusPool > 0)
            return number(extraIndex) == drawn;
        for (int j = 1; j <= m_mainCount; ++j)
            if (number(j) == drawn)
                return true;
        return false;
    };
    bool hit = false;
    if (m_rules.bonusDrawn == 1)
        hit = extraHit(8);
    else if (m_rules.bonusDrawn == 2)
        hit = extraHit(8) || extraHit(9);

    // More pairs than seven (a damaged draw repeating a number) win nothing.
    if (m > 7)
        return CheckOutcome {0, false, m, hit};
    return m_outcomes[static_cast<size_t>(m)][hit ? 1 : 0];
}

CheckOutcome DrawChecker::classify(const CheckNumbers &entry) const
{
    return classifyNumbers([&](int k) { return entry[static_cast<size_t>(k)]; });
}

CheckOutcome DrawChecker::classifyRecord(const char *record) const
{
    return classifyNumbers([record](int k) { return NumbersRecord::numberAt(record, k); });
}

void DrawChecker::classifyRecords(const char *records, int count, uint8_t *categories) const
{
    if (m_useMask) {
        switch (m_mainCount) {
        case 3:
            return classifyMaskedRecords<3>(records, count, categories);
        case 4:
            return classifyMaskedRecords<4>(records, count, categories);
        case 5:
            return classifyMaskedRecords<5>(records, count, categories);
        case 6:
            return classifyMaskedRecords<6>(records, count, categories);
        case 7:
            return classifyMaskedRecords<7>(records, count, categories);
        default:
            break;
        }
    }
    for (int i = 0; i < count; ++i) {
        const char *record = NumbersRecord::recordAt(records, i);
        const auto number = [record](int k) { return NumbersRecord::numberAt(record, k); };
        categories[i] = static_cast<uint8_t>(classifyNumbers(number).category);
    }
}

// The same as classifyNumbers for the usual games, a whole file at a time: the positions compared
// known when the loop is built, and no outcome but the category made.
template <int N> void DrawChecker::classifyMaskedRecords(const char *records, int count, uint8_t *categories) const
{
    std::array<uint8_t, 16> category {}; // by 2 * matches + bonus hit
    for (size_t m = 0; m < 8; ++m)
        for (size_t hit = 0; hit < 2; ++hit)
            category[2 * m + hit] = static_cast<uint8_t>(m_outcomes[m][hit].category);
    // Held in locals: the categories written could otherwise be the rules for all the compiler knows.
    const uint64_t mask = m_mask;
    const bool ownPool = m_rules.bonusPool > 0;
    const int extras = m_rules.bonusDrawn == 1 || m_rules.bonusDrawn == 2 ? m_rules.bonusDrawn : 0;
    const int16_t drawn[2] = {m_draw[8], m_draw[9]};
    for (int i = 0; i < count; ++i) {
        const char *record = NumbersRecord::recordAt(records, i);
        const auto number = [record](int k) { return NumbersRecord::numberAt(record, k); };
        int m = 0;
        for (int j = 1; j <= N; ++j) {
            const int v = number(j);
            m += static_cast<int>((mask >> (v & 63)) & static_cast<uint64_t>(static_cast<unsigned>(v) < 64u));
        }
        const auto extraHit = [&](int x) {
            if (ownPool)
                return number(8 + x) == drawn[x];
            for (int j = 1; j <= N; ++j)
                if (number(j) == drawn[x])
                    return true;
            return false;
        };
        const bool hit = extras > 0 && (extraHit(0) || (extras == 2 && extraHit(1)));
        categories[i] = category[static_cast<size_t>(2 * m + (hit ? 1 : 0))];
    }
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

namespace {
// The check of count entries: classify(i) classifies entry i (from 0), record(i) gives it whole
// for the line of a winner.
template <typename Classify, typename Record>
EntriesCheck checkEach(int count, const CheckRules &rules, const Classify &classify, const Record &record)
{
    std::array<QString, 16> labels; // each category's label, made once
    for (int k = 1; k <= 15; ++k)
        labels[static_cast<size_t>(k)] = categoryLabel(k, rules.bonusTag);
    EntriesCheck check;
    check.entryCount = count;
    for (int i = 0; i < count; ++i) {
        const CheckOutcome outcome = classify(i);
        if (outcome.category == 0)
            continue;
        ++check.wins;
        check.playsSound = check.playsSound || outcome.playsSound;
        const NumbersRecord entry = record(i);
        check.winningLines << checkedLineText(
            entry.main, entry.extra[0], labels[static_cast<size_t>(outcome.category)], rules.bonusTag);
        check.winnerRows.push_back(i);
    }
    return check;
}
} // namespace

EntriesCheck checkEntries(const std::vector<NumbersRecord> &entries, const CheckNumbers &draw, const CheckRules &rules)
{
    const DrawChecker checker(draw, rules);
    return checkEach(
        static_cast<int>(entries.size()), rules,
        [&](int i) { return checker.classify(checkNumbers(entries[static_cast<size_t>(i)])); },
        [&](int i) { return entries[static_cast<size_t>(i)]; });
}

EntriesCheck checkEntryRecords(const NumbersFileRecords &entries, const CheckNumbers &draw, const CheckRules &rules)
{
    const DrawChecker checker(draw, rules);
    std::vector<uint8_t> categories(static_cast<size_t>(entries.count()));
    if (entries.count() > 0)
        checker.classifyRecords(entries.record(0), entries.count(), categories.data());
    return checkEach(
        entries.count(), rules,
        [&](int i) {
            const int category = categories[static_cast<size_t>(i)];
            return CheckOutcome {category, checker.playsSound(category), 0, false};
        },
        [&](int i) { return NumbersRecord::fromBytes(entries.record(i)); });
}

FileResult checkEntryFile(
    const QString &entryPath, const CheckNumbers &draw, const CheckRules &rules, EntriesCheck *check)
{
    NumbersFileRecords entries;
    if (const FileResult read = entries.open(entryPath); !read.ok)
        return read;
    *check = checkEntryRecords(entries, draw, rules);
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

int findDrawByDate(const NumbersFileRecords &history, int year, int month, int day)
{
    // The first record whose day, month and year fields hold these bytes. A history written by the
    // program is in date order, but a damaged one may not be, or may hold a day twice: a search that
    // relied on the order could find another record, so every record before the one found is looked
    // at, only its date, where it lies.
    const auto fits = [](int v) { return v >= INT16_MIN && v <= INT16_MAX; };
    if (!fits(year) || !fits(month) || !fits(day))
        return 0;
    const NumbersRecord::StoredDate date
        = NumbersRecord::storedDate(static_cast<int16_t>(day), static_cast<int16_t>(month), static_cast<int16_t>(year));
    for (int r = 0; r < history.count(); ++r)
        if (NumbersRecord::isDated(history.record(r), date))
            return r + 1;
    return 0;
}

FileResult findDrawOfDay(const QString &historyPath, int year, int month, int day, DrawOfDay *found)
{
    NumbersFileRecords history;
    if (const FileResult read = history.open(historyPath); !read.ok)
        return read;
    *found = DrawOfDay {};
    found->record = findDrawByDate(history, year, month, day);
    if (found->record > 0)
        found->draw = NumbersRecord::fromBytes(history.record(found->record - 1));
    found->damage = history.damageMessage();
    return {};
}

} // namespace vx
