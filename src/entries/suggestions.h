#pragma once

#include "gamedata/gamerules.h"
#include "gamedata/numbersfile.h"
#include "platform/steprun.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// Computer-suggested entries. Each candidate is drawn after reseeding the shared generator from
// the time of day: uniformly from the pool while the history holds fewer than 20 draws, otherwise
// number by number from randomly chosen past draws (the same position of the draw). A candidate
// that repeats a number or shares too many numbers with an entry already in the file is drawn
// again. Both files are read once per run; accepted entries are kept in memory and appended.
namespace vx {

constexpr int SamplingDrawCount = 20; // from this many draws on, numbers come from past draws
constexpr int MaxSuggestedEntries = 2500; // the Additional mode's limit on the file's entries

// How many numbers a suggested entry may share with any one entry in the file.
int overlapLimit(int mainDrawn);

// A candidate: main numbers at positions 1 to 7 (indices 0 to 6), the extra at index 7, index 8
// always 0. Positions above mainDrawn are 0.
using Candidate = std::array<int16_t, 9>;

// Candidate generation against the entries in hand; no files.
class Suggester
{
public:
    Suggester(SuggestionGame game, std::vector<NumbersRecord> history);

    bool uniformMode() const { return m_history.size() < SamplingDrawCount; }

    // Makes an entry known, so that later candidates are tested against it.
    void addEntry(const std::array<int16_t, 7> &mains);

    // One attempt: reseed from the time of day and draw one candidate. It comes back only when
    // it passes the repeat and overlap tests, with its main numbers in ascending order.
    std::optional<Candidate> attempt();

private:
    std::optional<int16_t> drawNumber(int position, bool extra);
    bool overlapsTooMuch(const Candidate &candidate) const;

    SuggestionGame m_game;
    std::vector<NumbersRecord> m_history;
    // The known entries: main numbers 1 to 63 as bits. Entries holding anything the bits cannot
    // say (a number twice, numbers beyond 63) are compared number by number.
    std::vector<uint64_t> m_masks;
    std::vector<std::array<int16_t, 7>> m_irregular;
};

// One run against the entry file and the history file, both held open from start to end.
class SuggestionRun
{
public:
    static constexpr int DefaultAttemptLimit = 200000;
    static constexpr int AttemptsPerYield = 1000;

    // Opens the entry file and reads its entries once.
    FileResult openEntries(const QString &entryPath);
    int entryCount() const { return m_count; }

    // Opens the history file (created empty when missing) and reads its draws once.
    FileResult openHistory(const QString &historyPath, const SuggestionGame &game);
    int drawCount() const { return m_drawCount; }
    bool uniformMode() const;

    // Attempts a turn may take before the run gives up on finding a candidate.
    void setAttemptLimit(int limit) { m_attemptLimit = limit; }

    enum class Turn {
        Accepted, // a candidate passed and is in the file
        Stopped, // keepGoing said stop while candidates were being retried
        Exhausted, // no candidate passed within the attempt limit
        WriteFailed // the file could not take the entry; failure() says why
    };
    // Draws candidates until one passes, then appends it. While candidates keep failing it calls
    // keepGoing every AttemptsPerYield attempts (it serves the message loop and may end the run).
    Turn nextEntry(const std::function<bool()> &keepGoing, Candidate *accepted);
    const FileResult &failure() const { return m_failure; }

    void close();

private:
    FileResult append(const Candidate &candidate);

    NumbersFile m_entries;
    NumbersFile m_history;
    NumbersRecord m_first; // record 1 of the entry file as it stands
    std::vector<std::array<int16_t, 7>> m_entryMains;
    int m_count = 0;
    int m_drawCount = 0;
    std::optional<Suggester> m_suggester;
    int m_attemptLimit = DefaultAttemptLimit;
    FileResult m_failure;
};

// The entries asked for, one step each: a step finds an entry and appends it.
class SuggestionSteps : public platform::StepRun
{
public:
    SuggestionSteps(SuggestionRun &run, int toAdd);
    bool step(const std::function<bool()> &keepGoing) override;

    int added() const { return m_added; }
    // The entry the last step appended; nullopt when the last step appended none.
    const std::optional<Candidate> &lastAccepted() const { return m_lastAccepted; }
    // How the last step ended; nullopt when no step has run or there was nothing to add.
    std::optional<SuggestionRun::Turn> lastTurn() const { return m_lastTurn; }

private:
    SuggestionRun &m_run;
    int m_toAdd;
    int m_added = 0;
    std::optional<Candidate> m_lastAccepted;
    std::optional<SuggestionRun::Turn> m_lastTurn;
};

// Whether a suggestion request may run, and how many entries it adds.
struct SuggestionRequest {
    QString refusal; // the message when the request is refused
    int toAdd = 0;
    bool ok() const { return refusal.isEmpty(); }
};
// requested: the number typed; total: the Total mode (fill the file up to requested) rather than
// Additional (add requested); shownCount: the count in the main window's box; entryCount: the
// file's count.
SuggestionRequest checkSuggestionRequest(double requested, bool total, double shownCount, int entryCount);

} // namespace vx
