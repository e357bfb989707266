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
    // The same for an entry record as it lies in a numbers file (NumbersRecord::Size bytes), read
    // where it lies.
    CheckOutcome classifyRecord(const char *record) const;
    // The categories of count entry records lying one after another as in a numbers file.
    void classifyRecords(const char *records, int count, uint8_t *categories) const;
    // Whether a winner of the category plays the full-match sound.
    bool playsSound(int category) const { return m_sounds[static_cast<size_t>(category & 15)]; }

private:
    // number(k) gives the entry's number k (1 to 9, as CheckNumbers indexes them).
    template <typename Numbers> CheckOutcome classifyNumbers(const Numbers &number) const;
    // classifyRecords for a draw held as a bit set, with N main positions compared.
    template <int N> void classifyMaskedRecords(const char *records, int count, uint8_t *categories) const;

    CheckNumbers m_draw;
    CheckRules m_rules;
    int m_mainCount; // main positions compared, 0 to 7
    uint64_t m_mask = 0;
    bool m_useMask = false;
    // The category and sound of each count of main matches (0 to 7) without and with the bonus:
    // the prize table read once per draw rather than once per entry.
    std::array<std::array<CheckOutcome, 2>, 8> m_outcomes {};
    std::array<bool, 16> m_sounds {}; // by category
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
// The same for the records of an entry file as read, converting only the winners.
EntriesCheck checkEntryRecords(const NumbersFileRecords &entries, const CheckNumbers &draw, const CheckRules &rules);
// The same for the entries of an entry file, read once; a file that cannot be opened is reported.
FileResult checkEntryFile(
    const QString &entryPath, const CheckNumbers &draw, const CheckRules &rules, EntriesCheck *check);

// The first record of a history dated on the given day (1-based), or 0 when there is none.
int findDrawByDate(const std::vector<NumbersRecord> &history, int year, int month, int day);
// The same over a history file's records as they lie, looking at nothing but their dates.
int findDrawByDate(const NumbersFileRecords &history, int year, int month, int day);

// The draw of a day in a history file, which is read in one pass over its records' dates.
struct DrawOfDay {
    int record = 0; // the first record dated on the day (from 1), 0 when there is none
    NumbersRecord draw; // that record
    QString damage; // the message for a damaged history, empty when it is sound
};
// A missing history is created empty, as every reader of a history does.
FileResult findDrawOfDay(const QString &historyPath, int year, int month, int day, DrawOfDay *found);

} // namespace vx
