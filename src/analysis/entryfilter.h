#pragma once

#include "gamedata/numbersfile.h"
#include "platform/steprun.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// The entry filter: marks the entries of an entry file whose main numbers total outside a band
// around the game's average total, and the entries that share K or more main numbers with an
// earlier unmarked entry; the marked entries can then be removed from the file.
namespace vx {

// Inclusive band of main-number totals that the sum filter keeps.
struct SumBand {
    int lo = 0;
    int hi = 0;
    bool keeps(int total) const { return total >= lo && total <= hi; }
    bool operator==(const SumBand &) const = default;
};

constexpr int SliderPositions = 5; // 1 widest to 5 narrowest

// The band for an entry of `mainPicked` numbers from 1 to `mainPool` with the slider at
// `position` (1 to 5); nullopt for a count of numbers outside 3 to 7.
std::optional<SumBand> sumBand(int mainPool, int mainPicked, int position);

// The captions of Option1 to Option4, the counts of shared numbers the duplicate filter offers;
// an empty caption is an option that is hidden.
std::array<QString, 4> duplicateOptionCaptions(int mainPicked);

// The filter's list line of an entry: main numbers 1 to mainPicked as two digits, each of the
// first six followed by a space; with an extra picked, the tag, a space and the extra.
QString filterLineText(
    const std::array<int16_t, 7> &mains, int16_t extra, int mainPicked, bool bonusPicked, const QString &tag);

// Marks every unmarked entry whose main numbers 1 to mainPicked total outside the band; returns the
// number marked.
int markBySum(const std::vector<NumbersRecord> &entries, int mainPicked, const SumBand &band, std::vector<char> &marks);

// The duplicate coverage filter, one block of entries per step. For each entry j in record order
// that is still unmarked, every later unmarked entry that shares at least `shared` main numbers
// with it is marked; an entry marked before its turn causes no marks. Numbers are counted pair by
// pair (a number standing twice in both entries counts four times), through bit sets wherever the
// entries' numbers are distinct and below 64. The marks belong to the run while it runs.
class DuplicateMarking : public platform::StepRun
{
public:
    DuplicateMarking(const std::vector<NumbersRecord> &entries, int mainPicked, int shared, std::vector<char> &marks);
    bool step(const std::function<bool()> &keepGoing) override;

    int done() const { return m_next; } // entries looked at so far
    int marked() const { return m_marked; } // entries this run marked

private:
    void markFrom(int j);
    void markSharingColumns(int j, uint64_t mine);
    int pairCount(int i, int j) const;

    const std::vector<NumbersRecord> &m_entries;
    int m_picked;
    int m_shared;
    std::vector<char> &m_marks;
    std::vector<uint64_t> m_masks; // 0 for an entry that must be counted pair by pair
    std::vector<int> m_unmasked; // those entries, in order
    // The same bit sets turned on their side: for each number 0 to 63 one bit per entry (64 entries
    // to a word), set when the entry holds the number; and the marks, one bit per entry. An entry
    // is then compared with 64 others in a few word operations.
    size_t m_words = 0; // words per column
    std::vector<uint64_t> m_columns; // number n's column at n * m_words
    std::vector<uint64_t> m_markBits;
    int m_next = 0;
    int m_marked = 0;
};

// The bytes of the entry file that keeps the unmarked records of `file` (the whole file as it lies
// on disk, records 1 to count used) unchanged and in order, with record 1's count set to the
// number kept; keeping none gives one record of zeros with a count of 0.
QByteArray keptEntriesFile(const QByteArray &file, int count, const std::vector<char> &marks);

} // namespace vx
