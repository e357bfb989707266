#pragma once

#include "gamedata/gamerules.h"
#include "gamedata/numbersfile.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

namespace vx {

// Numbers indexed 1 to 9: Main 1 to 7, Extra 1, Extra 2 (index 0 unused).
using CheckNumbers = std::array<int16_t, 10>;

struct CheckOutcome {
    int category = 0; // 1 to 15, 0 for no win
    bool playsSound = false; // the category's sound condition holds
    int mainMatches = 0;
    bool bonusHit = false;
};

// Classifies entries against one draw. Prepared once per draw, so that checking thousands of
// entries costs a few bit operations each.
class DrawChecker
{
public:
    DrawChecker(const CheckNumbers &draw, const CheckRules &rules);
    CheckOutcome classify(const CheckNumbers &entry) const;

private:
    int mainMatches(const CheckNumbers &entry) const;
    bool extraHit(const CheckNumbers &entry, int extraIndex) const;

    CheckNumbers m_draw;
    CheckRules m_rules;
    int m_mainCount; // main positions compared, 0 to 7
    uint64_t m_mask = 0;
    bool m_useMask = false;
};

// The label a category shows in the winning-lines list: "(6)", "(6+PB)", "(0)".
QString categoryLabel(int category, const QString &bonusTag);

// True when at least one of the categories 1 to 15 is enabled.
bool anyWinLine(const std::array<int16_t, 16> &winLines);

// The numbers of a record as a check takes them.
CheckNumbers checkNumbers(const NumbersRecord &record);

// A check of every entry of an entry file against one draw: the winning entries with their lines
// for the winning-lines list, and whether the full-match sound plays.
struct EntriesCheck {
    int entryCount = 0; // entries checked
    int wins = 0;
    bool playsSound = false;
    QStringList winningLines; // in entry order, each with its category label
    std::vector<int> winnerRows; // 0-based positions of the winning entries
};
EntriesCheck checkEntries(const std::vector<NumbersRecord> &entries, const CheckNumbers &draw, const CheckRules &rules);
// The same for the entries of an entry file, read once; a file that cannot be opened is reported.
FileResult checkEntryFile(
    const QString &entryPath, const CheckNumbers &draw, const CheckRules &rules, EntriesCheck *check);

// The first record of a history dated on the given day (1-based), or 0 when there is none.
int findDrawByDate(const std::vector<NumbersRecord> &history, int year, int month, int day);

} // namespace vx
