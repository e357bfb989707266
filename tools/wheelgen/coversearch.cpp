#include "coversearch.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <queue>

namespace wheelgen {

namespace {

uint64_t splitmix(uint64_t &state)
{
    uint64_t z = (state += 0x9e3779b97f4a7c15ull);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

uint64_t binomial(int n, int k)
{
    if (k < 0 || k > n)
        return 0;
    uint64_t result = 1;
    for (int i = 1; i <= k; ++i)
        result = result * static_cast<uint64_t>(n - k + i) / static_cast<uint64_t>(i);
    return result;
}

// The n-th lowest set bit of mask.
uint32_t nthBit(uint32_t mask, uint32_t n)
{
    for (; n > 0; --n)
        mask &= mask - 1;
    return mask & (~mask + 1);
}

uint32_t randomBit(uint32_t mask, Rng &rng)
{
    return nthBit(mask, rng.below(static_cast<uint32_t>(std::popcount(mask))));
}

// Whether some set is left uncovered by the lines.
bool vectorUncovered(const WheelCase &wheel, const std::vector<uint32_t> &lines)
{
    return CoverState(wheel, lines).uncoveredCount() != 0;
}

} // namespace

Rng::Rng(uint64_t seed)
{
    for (uint64_t &s : m_s)
        s = splitmix(seed);
}

uint64_t Rng::next()
{
    const uint64_t result = std::rotl(m_s[1] * 5, 7) * 9;
    const uint64_t t = m_s[1] << 17;
    m_s[2] ^= m_s[0];
    m_s[3] ^= m_s[1];
    m_s[1] ^= m_s[2];
    m_s[0] ^= m_s[3];
    m_s[2] ^= t;
    m_s[3] = std::rotl(m_s[3], 45);
    return result;
}

uint32_t Rng::below(uint32_t bound)
{
    return static_cast<uint32_t>(((next() >> 32) * bound) >> 32);
}

double Rng::unit()
{
    return static_cast<double>(next() >> 11) * 0x1.0p-53;
}

namespace {

// The combinations of `size` of the indices 0 to n - 1 as masks, in increasing order, made once
// for every n and size: the search asks for the same few millions of times.
const std::vector<uint32_t> &indexCombinations(int n, int size)
{
    static const std::vector<std::vector<std::vector<uint32_t>>> table = [] {
        std::vector<std::vector<std::vector<uint32_t>>> all(33, std::vector<std::vector<uint32_t>>(33));
        for (int count = 0; count <= 20; ++count) {
            for (int k = 0; k <= count; ++k) {
                std::vector<uint32_t> &combinations = all[static_cast<size_t>(count)][static_cast<size_t>(k)];
                if (k == 0) {
                    combinations.push_back(0);
                    continue;
                }
                // Gosper's walk over the masks of k bits below bit `count`.
                const uint64_t end = uint64_t {1} << count;
                for (uint64_t c = (uint64_t {1} << k) - 1; c < end;) {
                    combinations.push_back(static_cast<uint32_t>(c));
                    const uint64_t low = c & (~c + 1);
                    const uint64_t ripple = c + low;
                    c = (((ripple ^ c) >> 2) / low) | ripple;
                }
            }
        }
        return all;
    }();
    return table[static_cast<size_t>(n)][static_cast<size_t>(size)];
}

} // namespace

void appendSubsetsOfSize(uint32_t mask, int size, std::vector<uint32_t> &out)
{
    const int n = std::popcount(mask);
    if (size < 0 || size > n)
        return;
    if (size == 0) {
        out.push_back(0);
        return;
    }
    uint32_t positions[32];
    int count = 0;
    for (uint32_t rest = mask; rest != 0; rest &= rest - 1)
        positions[count++] = rest & (~rest + 1);
    if (n > 20) {
        // Beyond any group: walk the combinations directly.
        for (uint64_t c = (uint64_t {1} << size) - 1; c < (uint64_t {1} << n);) {
            uint32_t subset = 0;
            for (uint64_t bits = c; bits != 0; bits &= bits - 1)
                subset |= positions[std::countr_zero(bits)];
            out.push_back(subset);
            const uint64_t low = c & (~c + 1);
            const uint64_t ripple = c + low;
            c = (((ripple ^ c) >> 2) / low) | ripple;
        }
        return;
    }
    // Each combination of indices spread onto the mask's positions keeps the numeric order.
    for (const uint32_t combination : indexCombinations(n, size)) {
        uint32_t subset = 0;
        for (uint32_t bits = combination; bits != 0; bits &= bits - 1)
            subset |= positions[std::countr_zero(bits)];
        out.push_back(subset);
    }
}

std::vector<uint32_t> subsetsOfSize(uint32_t mask, int size)
{
    std::vector<uint32_t> out;
    appendSubsetsOfSize(mask, size, out);
    return out;
}

uint64_t setsMetByLine(const WheelCase &wheel)
{
    uint64_t total = 0;
    for (int i = wheel.match; i <= std::min(wheel.pick, wheel.drawn); ++i)
        total += binomial(wheel.pick, i) * binomial(wheel.group - wheel.pick, wheel.drawn - i);
    return total;
}

uint64_t setsPerSwap(const WheelCase &wheel)
{
    return 2 * binomial(wheel.pick - 1, wheel.match - 1)
        * binomial(wheel.group - wheel.pick - 1, wheel.drawn - wheel.match);
}

CoverState::CoverState(const WheelCase &wheel, const std::vector<uint32_t> &lines)
    : m_case(wheel)
    , m_full((1u << wheel.group) - 1)
    , m_count(size_t {1} << wheel.group, 0)
    , m_where(size_t {1} << wheel.group, -1)
{
    appendSubsetsOfSize(m_full, wheel.drawn, m_uncovered);
    for (size_t i = 0; i < m_uncovered.size(); ++i)
        m_where[m_uncovered[i]] = static_cast<int32_t>(i);
    for (const uint32_t line : lines)
        addLine(line);
}

template <class F> void CoverState::forEachMet(uint32_t line, F &&f)
{
    const uint32_t outside = m_full & ~line;
    for (int inLine = m_case.match; inLine <= std::min(m_case.pick, m_case.drawn); ++inLine) {
        m_scratchA.clear();
        m_scratchB.clear();
        appendSubsetsOfSize(line, inLine, m_scratchA);
        appendSubsetsOfSize(outside, m_case.drawn - inLine, m_scratchB);
        for (const uint32_t a : m_scratchA)
            for (const uint32_t b : m_scratchB)
                f(a | b);
    }
}

// The sets whose cover by the line changes: those holding `out`, not `in`, match - 1 other
// positions of the line and the rest outside it lose it; the same with `in` for `out` gain it.
// f(rest) gets the set without `out` or `in`.
template <class F> void CoverState::forEachSwapped(uint32_t line, uint32_t out, uint32_t in, F &&f)
{
    const uint32_t kept = line & ~out;
    const uint32_t outside = m_full & ~line & ~in;
    m_scratchA.clear();
    m_scratchB.clear();
    appendSubsetsOfSize(kept, m_case.match - 1, m_scratchA);
    appendSubsetsOfSize(outside, m_case.drawn - m_case.match, m_scratchB);
    for (const uint32_t a : m_scratchA)
        for (const uint32_t b : m_scratchB)
            f(a | b);
}

void CoverState::markCovered(uint32_t set)
{
    const int32_t at = m_where[set];
    const uint32_t last = m_uncovered.back();
    m_uncovered[static_cast<size_t>(at)] = last;
    m_where[last] = at;
    m_uncovered.pop_back();
    m_where[set] = -1;
}

void CoverState::markUncovered(uint32_t set)
{
    m_where[set] = static_cast<int32_t>(m_uncovered.size());
    m_uncovered.push_back(set);
}

int CoverState::swapDelta(size_t index, uint32_t out, uint32_t in)
{
    int delta = 0;
    forEachSwapped(m_lines[index], out, in, [&](uint32_t rest) {
        delta += m_count[rest | out] == 1;
        delta -= m_count[rest | in] == 0;
    });
    return delta;
}

int64_t CoverState::weightedSwapDelta(size_t index, uint32_t out, uint32_t in, const std::vector<uint32_t> &weight)
{
    int64_t delta = 0;
    forEachSwapped(m_lines[index], out, in, [&](uint32_t rest) {
        if (m_count[rest | out] == 1)
            delta += weight[rest | out];
        if (m_count[rest | in] == 0)
            delta -= weight[rest | in];
    });
    return delta;
}

void CoverState::swapPosition(size_t index, uint32_t out, uint32_t in)
{
    forEachSwapped(m_lines[index], out, in, [&](uint32_t rest) {
        if (--m_count[rest | out] == 0)
            markUncovered(rest | out);
        if (m_count[rest | in]++ == 0)
            markCovered(rest | in);
    });
    m_lines[index] = (m_lines[index] & ~out) | in;
}

void CoverState::addLine(uint32_t line)
{
    m_lines.push_back(line);
    forEachMet(line, [&](uint32_t set) {
        if (m_count[set]++ == 0)
            markCovered(set);
    });
}

void CoverState::removeLine(size_t index)
{
    forEachMet(m_lines[index], [&](uint32_t set) {
        if (--m_count[set] == 0)
            markUncovered(set);
    });
    m_lines[index] = m_lines.back();
    m_lines.pop_back();
}

int CoverState::newlyCovered(uint32_t line)
{
    int count = 0;
    forEachMet(line, [&](uint32_t set) { count += m_count[set] == 0; });
    return count;
}

int CoverState::soleCovered(size_t index)
{
    int count = 0;
    forEachMet(m_lines[index], [&](uint32_t set) { count += m_count[set] == 1; });
    return count;
}

std::vector<uint32_t> allLines(int group, int pick)
{
    return subsetsOfSize((1u << group) - 1, pick);
}

std::vector<uint32_t> greedyWheel(const WheelCase &wheel)
{
    const std::vector<uint32_t> candidates = allLines(wheel.group, wheel.pick);
    CoverState state(wheel, {});
    // (gain bound, -index): the largest bound first, the lowest index among equal bounds.
    using Entry = std::pair<int, int>;
    std::priority_queue<Entry> queue;
    const int initial = static_cast<int>(setsMetByLine(wheel));
    for (size_t i = 0; i < candidates.size(); ++i)
        queue.push({initial, -static_cast<int>(i)});
    while (state.uncoveredCount() > 0 && !queue.empty()) {
        const Entry top = queue.top();
        queue.pop();
        const uint32_t line = candidates[static_cast<size_t>(-top.second)];
        const int gain = state.newlyCovered(line);
        if (gain == 0)
            continue;
        if (queue.empty() || gain > queue.top().first
            || (gain == queue.top().first && top.second > queue.top().second)) {
            state.addLine(line);
        } else {
            queue.push({gain, top.second});
        }
    }
    return state.lines();
}

std::vector<uint32_t> distinctLines(std::vector<uint32_t> lines)
{
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    return lines;
}

namespace {

// One annealing move: towards a random uncovered set, a worse cover taken now and then.
class AnnealMove
{
public:
    explicit AnnealMove(const SearchOptions &options)
        : m_options(options)
        , m_cooling(std::log(options.endTemperature / options.startTemperature))
    {
    }

    void operator()(CoverState &state, Rng &rng, uint64_t move)
    {
        if (move % 1024 == 0) {
            const double phase
                = static_cast<double>(move % m_options.sweepMoves) / static_cast<double>(m_options.sweepMoves);
            m_temperature = m_options.startTemperature * std::exp(m_cooling * phase);
        }
        const uint32_t set = state.uncoveredAt(rng.below(static_cast<uint32_t>(state.uncoveredCount())));
        // The lines meeting the set in the most positions: one swap brings such a line closest.
        int most = -1;
        m_nearest.clear();
        const std::vector<uint32_t> &lines = state.lines();
        for (size_t i = 0; i < lines.size(); ++i) {
            const int meet = std::popcount(lines[i] & set);
            if (meet > most) {
                most = meet;
                m_nearest.clear();
            }
            if (meet == most)
                m_nearest.push_back(i);
        }
        const size_t index = m_nearest[rng.below(static_cast<uint32_t>(m_nearest.size()))];
        const uint32_t out = randomBit(lines[index] & ~set, rng);
        const uint32_t in = randomBit(set & ~lines[index], rng);
        const int delta = state.swapDelta(index, out, in);
        if (delta <= 0 || rng.unit() < std::exp(-delta / m_temperature))
            state.swapPosition(index, out, in);
    }

    void lineDropped(size_t) { }

private:
    const SearchOptions &m_options;
    double m_cooling;
    double m_temperature = 0;
    std::vector<size_t> m_nearest;
};

// One weighted move: the best swap towards a random uncovered set, by weight. The weights of the
// sets that stay uncovered grow, so that the search leaves a place where the same sets keep
// failing.
class WeightedMove
{
public:
    WeightedMove(const WheelCase &wheel, const SearchOptions &options, size_t lineCount)
        : m_options(options)
        , m_weight(size_t {1} << wheel.group, 1)
        , m_movedAt(lineCount, 0)
    {
    }

    void operator()(CoverState &state, Rng &rng, uint64_t move)
    {
        const uint32_t set = state.uncoveredAt(rng.below(static_cast<uint32_t>(state.uncoveredCount())));
        const std::vector<uint32_t> &lines = state.lines();
        int most = -1;
        m_nearest.clear();
        for (size_t i = 0; i < lines.size(); ++i) {
            const int meet = std::popcount(lines[i] & set);
            if (meet > most) {
                most = meet;
                m_nearest.clear();
            }
            if (meet == most && m_movedAt[i] + m_options.tenure <= move + 1)
                m_nearest.push_back(i);
        }
        // A sample of the nearest lines when there are many: each costs a count over the sets it moves.
        size_t candidates = m_nearest.size();
        if (m_options.candidateLines > 0 && candidates > m_options.candidateLines) {
            for (size_t k = 0; k < m_options.candidateLines; ++k)
                std::swap(m_nearest[k], m_nearest[k + rng.below(static_cast<uint32_t>(candidates - k))]);
            candidates = m_options.candidateLines;
        }
        RandomBest<int64_t> best(rng);
        size_t bestIndex = lines.size();
        uint32_t bestOut = 0;
        uint32_t bestIn = 0;
        for (size_t c = 0; c < candidates; ++c) {
            const size_t i = m_nearest[c];
            const uint32_t line = lines[i];
            for (uint32_t outs = line & ~set; outs != 0; outs &= outs - 1) {
                const uint32_t out = outs & (~outs + 1);
                for (uint32_t ins = set & ~line; ins != 0; ins &= ins - 1) {
                    const uint32_t in = ins & (~ins + 1);
                    if (!best.offer(state.weightedSwapDelta(i, out, in, m_weight)))
                        continue;
                    bestIndex = i;
                    bestOut = out;
                    bestIn = in;
                }
            }
        }
        if (bestIndex == lines.size())
            return; // every nearest line is resting
        state.swapPosition(bestIndex, bestOut, bestIn);
        m_movedAt[bestIndex] = move + 1;
        for (size_t i = 0; i < state.uncoveredCount(); ++i)
            ++m_weight[state.uncoveredAt(i)];
    }

    // The state moved its last line into the dropped one's place.
    void lineDropped(size_t index)
    {
        m_movedAt[index] = m_movedAt.back();
        m_movedAt.pop_back();
    }

private:
    const SearchOptions &m_options;
    std::vector<uint32_t> m_weight; // by set mask
    std::vector<uint64_t> m_movedAt; // by line: the move after which it was last moved
    std::vector<size_t> m_nearest;
};

template <class Move>
std::vector<uint32_t> shrinkWith(const WheelCase &wheel, std::vector<uint32_t> best, const SearchOptions &options,
    Move &repair, const std::function<void(const std::vector<uint32_t> &)> &onSmaller)
{
    CoverState state(wheel, best);
    Rng rng(options.seed);
    auto dropLine = [&] {
        size_t chosen = 0;
        int fewest = -1;
        for (size_t i = 0; i < state.lines().size(); ++i) {
            const int sole = state.soleCovered(i);
            if (fewest < 0 || sole < fewest) {
                fewest = sole;
                chosen = i;
            }
        }
        state.removeLine(chosen);
        repair.lineDropped(chosen);
    };
    dropLine();

    uint64_t lastFound = 0;
    for (uint64_t move = 0; move - lastFound < options.moveBudget; ++move) {
        if (state.uncoveredCount() == 0) {
            lastFound = move;
            // A repeated line covers nothing more: the wheel without repeats is smaller still.
            std::vector<uint32_t> found = distinctLines(state.lines());
            best = found;
            onSmaller(best);
            if (best.size() <= 1)
                break;
            while (state.lines().size() > best.size()) {
                const std::vector<uint32_t> &lines = state.lines();
                for (size_t i = 0; i < lines.size(); ++i) {
                    if (std::count(lines.begin(), lines.end(), lines[i]) > 1) {
                        state.removeLine(i);
                        repair.lineDropped(i);
                        break;
                    }
                }
            }
            dropLine();
            continue;
        }
        repair(state, rng, move);
    }
    return best;
}

} // namespace

std::vector<uint32_t> shrinkWheel(const WheelCase &wheel, const std::vector<uint32_t> &start,
    const SearchOptions &options, const std::function<void(const std::vector<uint32_t> &)> &onSmaller)
{
    const std::vector<uint32_t> best = distinctLines(start);
    if (best.size() <= 1 || vectorUncovered(wheel, best))
        return best;
    if (options.method == RepairMethod::Anneal) {
        AnnealMove move(options);
        return shrinkWith(wheel, best, options, move, onSmaller);
    }
    WeightedMove move(wheel, options, best.size());
    return shrinkWith(wheel, best, options, move, onSmaller);
}

} // namespace wheelgen
