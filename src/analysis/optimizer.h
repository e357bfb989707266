#pragma once

#include "gamedata/numbersfile.h"
#include "gamedata/sharedstate.h"
#include "platform/steprun.h"

#include <QDate>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

// Optimised entries: how often every two main numbers were drawn together over the last draws
// (their link), and entries chained from those links, one per key ball of the pool.
namespace vx {

// What the optimizer reads of the current game.
struct OptimizerGame {
    int mainPool = 0; // key balls 1 to mainPool (at most 60)
    int mainPicked = 0; // main numbers per entry, and the main numbers of a draw that count
    int bonusPicked = 0; // 1: entries carry an extra number
    int bonusPool = 0; // 0: the picked extra comes from the main pool

    static OptimizerGame of(const CurrentGame &game);
    int keyBalls() const; // mainPool, within 0 to 60
    int picked() const; // mainPicked, within 1 to 7
    int extraPool() const; // the pool an entry's extra number comes from, within 0 to 60
};

// The counts of one Process Range. Index 0 is not used.
struct LinkTables {
    static constexpr int Size = 61;
    using Table = std::array<std::array<int32_t, Size>, Size>;

    Table LinkCounts {}; // (b, m): draws with both b and m among their main numbers; (b, b) stays 0
    Table BonusLinkCounts {}; // (b, x): draws with b among their main numbers and x as first extra
    std::array<int16_t, Size> BestBonus {}; // the extra most often drawn with b, 0 when none

    void clear() { *this = LinkTables {}; } // every count, whatever the game
};

// The range a Process Range covers: records first to last (from 1) of the history file.
struct ProcessRange {
    enum class Outcome { Draws, Empty, NoDraws, OutsideRange };
    Outcome outcome = Outcome::Empty;
    int first = 0;
    int last = 0;
    QString refusal() const; // the message for a refused range, empty for Draws
};

// The last N draws of drawCount, N the number at the start of the typed text; a fractional N - 1
// is rounded to the nearest whole number, a half to the even neighbour.
ProcessRange processRange(const QString &typed, int drawCount);

// Counts the links of the draws of a range into tables cleared beforehand, a batch of draws per
// step; the last step finds each key ball's best extra.
class LinkCountSteps : public platform::StepRun
{
public:
    static constexpr int DrawsPerStep = 250;

    LinkCountSteps(const OptimizerGame &game, const std::vector<NumbersRecord> &draws, LinkTables &tables);
    bool step(const std::function<bool()> &keepGoing) override;
    bool finished() const { return m_finished; }

private:
    void countDraw(const NumbersRecord &draw);
    void findBestBonus();

    OptimizerGame m_game;
    const std::vector<NumbersRecord> &m_draws;
    LinkTables &m_tables;
    size_t m_next = 0;
    bool m_finished = false;
};

// The main number most often drawn with keyball that is none of the excluded numbers (0 in the
// list excludes nothing): the lowest on a tie, 0 when no candidate was ever drawn with it.
int16_t GetBestFor(const LinkTables &tables, int mainPool, int16_t keyball, const std::array<int16_t, 6> &excluded);

// An optimised entry: its main numbers in ascending order (0 past the numbers picked) and extra.
struct OptimizedEntry {
    std::array<int16_t, 7> mains {};
    int16_t extra = 0;
    bool operator==(const OptimizedEntry &) const = default;
};

// One entry per key ball 1 to mainPool: from the key ball, each next number is the one most often
// drawn with the number chosen last, never one already chosen, until the entry holds its picked
// numbers. A key ball whose chain stops early, or whose sorted numbers repeat an entry made
// before, yields none.
std::vector<OptimizedEntry> buildOptimizedEntries(const LinkTables &tables, const OptimizerGame &game);

// The number of entries in an entry file before the optimised entries go in after them. A missing
// file counts 0 and is not created; a file whose count is negative is refused.
FileResult optimizerTargetCount(const QString &entryPath, int *count);

// Appends the entries after the file's entries, dated, and sets record 1's count; a failed write
// leaves the file exactly as it was (a file it created is removed again). Refused, with nothing
// written, when the file would exceed MaxNumbersRecords.
FileResult appendOptimizedEntries(const QString &entryPath, const std::vector<OptimizedEntry> &entries, QDate date);

} // namespace vx
