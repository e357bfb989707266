#include "entries/suggestions.h"

#include "gamedata/boxvalue.h"
#include "gamedata/rnd.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace vx {

int overlapLimit(int mainDrawn)
{
    switch (mainDrawn) {
    case 7:
        return 5;
    case 6:
        return 4;
    case 5:
    case 4:
        return 3;
    default:
        return 2;
    }
}

namespace {
// The bits of an entry's first n main numbers; false when they cannot all be told by bits
// (a number twice or one beyond 63). Zeros and negatives never match a candidate and are left out.
bool entryMask(const std::array<int16_t, 7> &mains, int n, uint64_t *mask)
{
    uint64_t bits = 0;
    for (int i = 0; i < n; ++i) {
        const int16_t v = mains[static_cast<size_t>(i)];
        if (v <= 0)
            continue;
        if (v > 63)
            return false;
        const uint64_t bit = uint64_t {1} << v;
        if (bits & bit)
            return false;
        bits |= bit;
    }
    *mask = bits;
    return true;
}

// Whether any of the n entry masks shares more than limit numbers with mask. Built for processors
// with and without a population count instruction, the better one chosen when the program starts.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__)) && !defined(__SANITIZE_ADDRESS__)
[[gnu::target_clones("popcnt", "default")]]
#endif
bool anySharesMore(const uint64_t *masks, size_t n, uint64_t mask, int limit)
{
    for (size_t i = 0; i < n; ++i)
        if (std::popcount(masks[i] & mask) > limit)
            return true;
    return false;
}
} // namespace

Suggester::Suggester(SuggestionGame game, std::vector<NumbersRecord> history)
    : m_game(game)
    , m_history(std::move(history))
{
    m_game.mainDrawn = std::clamp(m_game.mainDrawn, 0, 7);
}

void Suggester::addEntry(const std::array<int16_t, 7> &mains)
{
    uint64_t mask = 0;
    if (entryMask(mains, m_game.mainDrawn, &mask))
        m_masks.push_back(mask);
    else
        m_irregular.push_back(mains);
}

std::optional<int16_t> Suggester::drawNumber(int position, bool extra)
{
    const float u = Rnd();
    if (uniformMode()) {
        const int pool = extra ? m_game.bonusPool : m_game.mainPool;
        const int n = static_cast<int>(std::floor(u * static_cast<float>(pool) + 1.0f));
        return static_cast<int16_t>(std::min(n, pool));
    }
    const int r = static_cast<int>(RoundHalfEven(u * static_cast<float>(m_history.size())));
    if (r == 0)
        return std::nullopt; // back to the start of the candidate
    const NumbersRecord &draw = m_history[static_cast<size_t>(r - 1)];
    return extra ? draw.extra[0] : draw.main[static_cast<size_t>(position)];
}

bool Suggester::overlapsTooMuch(const Candidate &candidate) const
{
    const int limit = overlapLimit(m_game.mainDrawn);
    uint64_t mask = 0;
    for (int i = 0; i < m_game.mainDrawn; ++i)
        mask |= uint64_t {1} << candidate[static_cast<size_t>(i)];
    if (anySharesMore(m_masks.data(), m_masks.size(), mask, limit))
        return true;
    for (const std::array<int16_t, 7> &entry : m_irregular) {
        int shared = 0;
        for (int i = 0; i < m_game.mainDrawn; ++i)
            for (int j = 0; j < m_game.mainDrawn; ++j)
                if (entry[static_cast<size_t>(i)] == candidate[static_cast<size_t>(j)])
                    ++shared;
        if (shared > limit)
            return true;
    }
    return false;
}

std::optional<Candidate> Suggester::attempt()
{
    RandomizeFromTime();
    Candidate candidate {};
    const int n = m_game.mainDrawn;
    for (int p = 0; p < n; ++p) {
        const std::optional<int16_t> number = drawNumber(p, false);
        if (!number)
            return std::nullopt;
        candidate[static_cast<size_t>(p)] = *number;
    }
    if (m_game.bonusPool > 0) {
        const std::optional<int16_t> number = drawNumber(0, true);
        if (!number)
            return std::nullopt;
        candidate[7] = *number;
    }

    // A number a past draw holds outside the pool (a damaged history) cannot be played.
    for (int p = 0; p < n; ++p) {
        const int16_t v = candidate[static_cast<size_t>(p)];
        if (v < 1 || v > m_game.mainPool || v > 60)
            return std::nullopt;
    }
    if (candidate[7] < 0 || candidate[7] > std::max(m_game.bonusPool, 0))
        return std::nullopt;

    // Repeat test: every number of the entry must differ.
    uint64_t seen = 0;
    for (int p = 0; p < n; ++p) {
        const uint64_t bit = uint64_t {1} << candidate[static_cast<size_t>(p)];
        if (seen & bit)
            return std::nullopt;
        seen |= bit;
    }
    std::sort(candidate.begin(), candidate.begin() + n);
    if (overlapsTooMuch(candidate))
        return std::nullopt;
    return candidate;
}

// ---------------------------------------------------------------------------------------------

FileResult SuggestionRun::openEntries(const QString &entryPath)
{
    if (const FileResult opened = openForAdding(m_entries, entryPath); !opened.ok)
        return opened;
    m_count = m_entries.usableCount();
    m_first = m_entries.read(1);
    const std::vector<NumbersRecord> records = m_entries.readRange(1, m_count);
    m_entryMains.clear();
    m_entryMains.reserve(records.size());
    for (const NumbersRecord &record : records)
        m_entryMains.push_back(record.main);
    return {};
}

FileResult SuggestionRun::openHistory(const QString &historyPath, const SuggestionGame &game)
{
    if (!m_history.open(historyPath))
        return openFailure(m_history);
    m_drawCount = m_history.usableCount();
    m_suggester.emplace(game, m_history.readRange(1, m_drawCount));
    for (const std::array<int16_t, 7> &mains : m_entryMains)
        m_suggester->addEntry(mains);
    return {};
}

bool SuggestionRun::uniformMode() const
{
    return !m_suggester || m_suggester->uniformMode();
}

SuggestionRun::Turn SuggestionRun::nextEntry(const std::function<bool()> &keepGoing, Candidate *accepted)
{
    if (!m_suggester)
        return Turn::Exhausted;
    for (int attempts = 1; attempts <= m_attemptLimit; ++attempts) {
        if (const std::optional<Candidate> candidate = m_suggester->attempt()) {
            m_failure = append(*candidate);
            if (!m_failure.ok)
                return Turn::WriteFailed;
            if (accepted)
                *accepted = *candidate;
            return Turn::Accepted;
        }
        if (attempts % AttemptsPerYield == 0 && keepGoing && !keepGoing())
            return Turn::Stopped;
    }
    return Turn::Exhausted;
}

FileResult SuggestionRun::append(const Candidate &candidate)
{
    if (m_count >= MaxNumbersRecords)
        return fullFailure(m_entries.path());
    // The new record is record 1's bytes with the numbers replaced, so it repeats record 1's
    // count, number and date fields.
    NumbersRecord record = m_first;
    std::copy(candidate.begin(), candidate.begin() + 7, record.main.begin());
    record.extra[0] = candidate[7];
    NumbersRecord first = m_count == 0 ? record : m_first;
    first.count = m_count + 1;
    // A full disk part-way leaves the file with the entries added before, whole.
    RecordFileChange change(m_entries.records());
    if (m_count > 0 && !m_entries.write(m_count + 1, record))
        return writeFailure(m_entries);
    if (!m_entries.write(1, first))
        return writeFailure(m_entries);
    change.keep();
    m_first = first;
    ++m_count;
    m_entryMains.push_back(record.main);
    m_suggester->addEntry(record.main);
    return {};
}

void SuggestionRun::close()
{
    m_entries.close();
    m_history.close();
}

SuggestionSteps::SuggestionSteps(SuggestionRun &run, int toAdd)
    : m_run(run)
    , m_toAdd(toAdd)
{
}

bool SuggestionSteps::step(const std::function<bool()> &keepGoing)
{
    m_lastAccepted.reset();
    if (m_added >= m_toAdd)
        return false;
    Candidate candidate {};
    m_lastTurn = m_run.nextEntry(keepGoing, &candidate);
    if (*m_lastTurn != SuggestionRun::Turn::Accepted)
        return false;
    m_lastAccepted = candidate;
    return ++m_added < m_toAdd;
}

SuggestionRequest checkSuggestionRequest(double requested, bool total, double shownCount, int entryCount)
{
    SuggestionRequest request;
    if (requested < 1) {
        request.refusal
            = QStringLiteral("You have not specified a number to add. Please enter a number in: Enter No box");
        return request;
    }
    if (total && requested <= shownCount) {
        request.refusal = QStringLiteral("You already have this number of entries or more.");
        return request;
    }
    if (!total && entryCount + requested > MaxSuggestedEntries) {
        request.refusal = QStringLiteral("You are limited to a maximum of 2500 entries");
        return request;
    }
    const double toAdd = RoundHalfEven(total ? requested - shownCount : requested);
    // Total mode has no limit of its own, but a file cannot hold more than its count can say.
    if (entryCount + toAdd > MaxNumbersRecords) {
        request.refusal = QStringLiteral("An entry file can hold at most %1 entries.").arg(MaxNumbersRecords);
        return request;
    }
    request.toAdd = static_cast<int>(std::max(toAdd, 0.0));
    return request;
}

} // namespace vx
