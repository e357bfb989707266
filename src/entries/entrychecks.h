#pragma once

#include "gamedata/gamerules.h"
#include "gamedata/numbersfile.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

// The checks of the result and entry windows: which boxes are tested, in which order, and what
// the typed numbers become when they pass. Box values are the reals read from the boxes. The entry
// windows compare boxes by the value that would be stored (rounded, a half to the even neighbour),
// so two boxes that would store the same number are the same number, and test the ranges on the
// values as typed. The result window reads every box as its rounded value.
namespace vx {

// Fault codes of the entry windows: 0 none, 1 same numbers, 2 not a number, 3 out of range.
enum class EntryWindow { ManualAdd, Change };
int entryFault(EntryWindow window, const std::vector<double> &boxes, const EntryRules &rules);
QString entryFaultMessage(int fault);

// The box that holds the bonus number: the one after the main numbers.
inline int bonusBoxIndex(const EntryRules &rules)
{
    return rules.mainPicked;
}

// The accessible name of number box index: "Number 1" ... for the main numbers, "Bonus number"
// for the bonus box.
QString numberBoxName(int index, const EntryRules &rules);

// An entry that passed its checks: the main numbers ascending (0 beyond mainPicked) and the bonus
// (0 when none is picked).
struct EntryNumbers {
    std::array<int16_t, 7> mains {};
    int16_t bonus = 0;
};
EntryNumbers buildEntry(const std::vector<double> &boxes, const EntryRules &rules);

// The list line that the edit window puts back: every main number as two digits, a blank after
// each but the seventh, then the tag, a blank and the bonus when one is picked.
QString editedEntryLine(const EntryNumbers &entry, const EntryRules &rules, const QString &tag);

// The outcome of the result window's checks: the first failing check's message, or the record to
// insert (mains ascending, extras in order, no date yet).
struct ResultCheck {
    QString message; // empty when every check passed
    NumbersRecord record;
    bool ok() const { return message.isEmpty(); }
};

// boxes: the mainDrawn main numbers followed by the bonusDrawn extras, as typed.
ResultCheck checkResult(const std::vector<double> &boxes, const ResultRules &rules);

} // namespace vx
