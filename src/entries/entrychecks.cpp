#include "entries/entrychecks.h"

#include "gamedata/boxvalue.h"
#include "gamedata/numberlines.h"

#include <algorithm>

namespace vx {

namespace {
// What a box would store. Kept as a real so that values beyond the 16-bit range stay out of range
// instead of wrapping round.
std::vector<double> storedValues(const std::vector<double> &boxes)
{
    std::vector<double> values;
    values.reserve(boxes.size());
    for (double v : boxes)
        values.push_back(RoundHalfEven(v));
    return values;
}

double boxAt(const std::vector<double> &values, int index)
{
    return index >= 0 && static_cast<size_t>(index) < values.size() ? values[static_cast<size_t>(index)] : 0.0;
}
} // namespace

int entryFault(EntryWindow window, const std::vector<double> &boxes, const EntryRules &rules)
{
    // Sameness is judged on what would be stored, so 4.6 and 5.4 (both stored as 5) are the same;
    // the range tests take the numbers as typed, so 0.7 is no number and 49.2 is beyond a pool of 49.
    const std::vector<double> v = storedValues(boxes);
    const bool ownBonusPool = rules.bonusPicked == 1 && rules.bonusPool > 0;
    // A bonus drawn from the main pool is tested with the main numbers.
    const int last = rules.bonusPicked == 1 && rules.bonusPool == 0 ? rules.mainPicked : rules.mainPicked - 1;

    // Every failing test overwrites the code, so the last failure in this order decides.
    int fault = 0;
    for (int i = 0; i <= last; ++i) {
        for (int j = 0; j <= last; ++j) {
            if (j == i)
                continue;
            if (boxAt(v, j) == boxAt(v, i))
                fault = 1;
            if (boxAt(boxes, i) < 1)
                fault = 2;
            if (boxAt(boxes, i) > rules.mainPool)
                fault = 3;
        }
    }
    if (ownBonusPool) {
        const double bonus = boxAt(boxes, bonusBoxIndex(rules));
        if (bonus < 1)
            fault = window == EntryWindow::ManualAdd ? 3 : 2;
        else if (bonus > rules.bonusPool)
            fault = 3;
    }
    return fault;
}

QString entryFaultMessage(int fault)
{
    switch (fault) {
    case 1:
        return QStringLiteral("One or more of your numbers are the same!");
    case 2:
        return QStringLiteral("One or more of your entries is not a number!");
    case 3:
        return QStringLiteral("One or more of your numbers are out of range for the game!");
    default:
        return QString();
    }
}

QString numberBoxName(int index, const EntryRules &rules)
{
    if (rules.bonusPicked == 1 && index == bonusBoxIndex(rules))
        return QStringLiteral("Bonus number");
    return QStringLiteral("Number %1").arg(index + 1);
}

EntryNumbers buildEntry(const std::vector<double> &boxes, const EntryRules &rules)
{
    EntryNumbers entry;
    const int mains = std::clamp(rules.mainPicked, 0, 7);
    for (int i = 0; i < mains; ++i)
        entry.mains[static_cast<size_t>(i)] = RoundToInt16(boxAt(boxes, i));
    if (rules.bonusPicked == 1)
        entry.bonus = RoundToInt16(boxAt(boxes, bonusBoxIndex(rules)));
    std::sort(entry.mains.begin(), entry.mains.begin() + mains);
    return entry;
}

QString editedEntryLine(const EntryNumbers &entry, const EntryRules &rules, const QString &tag)
{
    QString line;
    const int mains = std::clamp(rules.mainPicked, 0, 7);
    for (int i = 0; i < mains; ++i) {
        line += twoDigits(entry.mains[static_cast<size_t>(i)]);
        if (i < 6)
            line += QLatin1Char(' ');
    }
    if (rules.bonusPicked == 1) {
        if (mains == 7)
            line += QLatin1Char(' '); // keeps the seventh number apart from the tag
        line += tag + QLatin1Char(' ') + twoDigits(entry.bonus);
    }
    return line;
}

ResultCheck checkResult(const std::vector<double> &boxes, const ResultRules &rules)
{
    ResultCheck check;
    const std::vector<double> v = storedValues(boxes);
    const int m = std::clamp(rules.mainDrawn, 0, 7);
    const int b = std::clamp(rules.bonusDrawn, 0, 2);

    for (int i = 0; i < m; ++i) {
        if (boxAt(v, i) < 1 || boxAt(v, i) > rules.mainPool) {
            check.message = QStringLiteral("One or more of your main numbers is not in the correct range");
            return check;
        }
    }

    double extra1 = b >= 1 ? boxAt(v, m) : 0.0;
    double extra2 = b == 2 ? boxAt(v, m + 1) : 0.0;
    if (b >= 1 && (rules.bonusSource == 0 || rules.bonusSource == 1)) {
        const int pool = rules.bonusSource == 1 ? rules.mainPool : rules.bonusPool;
        const auto outside = [pool](double x) { return x < 1 || x > pool; };
        if (outside(extra1) || (b == 2 && outside(extra2))) {
            check.message = QStringLiteral("Your extra number is not in the correct range");
            return check;
        }
        if (extra1 == extra2) {
            check.message = QStringLiteral("Your extra numbers are the same");
            return check;
        }
    } else if (b >= 1) {
        // Extras of a game that does not use them are not checked against a pool, but they must
        // still be numbers a ball can carry.
        const auto outside = [](double x) { return x < 0 || x > 60; };
        if (outside(extra1) || outside(extra2)) {
            check.message = QStringLiteral("Your extra number is not in the correct range");
            return check;
        }
    }
    if (extra1 != 0 && extra2 != 0 && extra1 > extra2)
        std::swap(extra1, extra2);

    for (int i = 0; i < m; ++i) {
        for (int j = i + 1; j < m; ++j) {
            if (boxAt(v, i) == boxAt(v, j)) {
                check.message = QStringLiteral("You have duplicate main numbers");
                return check;
            }
        }
    }
    if (rules.bonusSource == 1 && b >= 1) {
        for (int i = 0; i < m; ++i) {
            if (boxAt(v, i) == extra1) {
                check.message = QStringLiteral("Your extra ball has already been drawn as a main ball number!");
                return check;
            }
        }
    }

    for (int i = 0; i < m; ++i)
        check.record.main[static_cast<size_t>(i)] = RoundToInt16(boxAt(v, i));
    std::sort(check.record.main.begin(), check.record.main.begin() + m);
    check.record.extra[0] = RoundToInt16(extra1);
    check.record.extra[1] = RoundToInt16(extra2);
    return check;
}

} // namespace vx
