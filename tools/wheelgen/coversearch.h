#pragma once

#include <cstdint>
#include <functional>
#include <vector>

// The search behind the shipped wheel designs. A line and a set of drawn positions are bit masks:
// position p is bit p - 1, as in wheels/wheeldesign.h.
namespace wheelgen {

struct WheelCase {
    int pick = 0;
    int drawn = 0;
    int match = 0;
    int group = 0;
};

// xoshiro256** seeded through splitmix64: the same numbers on every platform and library, which
// the distributions of <random> do not promise, so a seed always gives the same design.
class Rng
{
public:
    explicit Rng(uint64_t seed);
    uint64_t next();
    uint32_t below(uint32_t bound); // uniform in [0, bound), bound > 0
    double unit(); // uniform in [0, 1)

private:
    uint64_t m_s[4];
};

// The best of a stream of candidates, lowest score first, chosen uniformly at random among equal
// scores: the k-th equal one replaces the pick with probability 1/k, a random number drawn only on
// such a tie.
template <class Score> class RandomBest
{
public:
    explicit RandomBest(Rng &rng)
        : m_rng(rng)
    {
    }
    // Whether the candidate with this score becomes the pick.
    bool offer(Score score)
    {
        if (!m_any || score < m_best) {
            m_any = true;
            m_best = score;
            m_ties = 1;
            return true;
        }
        return score == m_best && m_rng.below(++m_ties) == 0;
    }

private:
    Rng &m_rng;
    bool m_any = false;
    Score m_best {};
    uint32_t m_ties = 0;
};

// Every subset of `mask` holding `size` of its positions, in increasing numeric order.
void appendSubsetsOfSize(uint32_t mask, int size, std::vector<uint32_t> &out);
std::vector<uint32_t> subsetsOfSize(uint32_t mask, int size);

// How many sets of `drawn` positions a line meets in at least `match` positions.
uint64_t setsMetByLine(const WheelCase &wheel);
// How many sets one swap of a position in a line looks at: the work of one move.
uint64_t setsPerSwap(const WheelCase &wheel);

// A set of lines and, for every set of `drawn` positions, how many lines meet it in at least
// `match` positions; the sets no line meets so are kept in a list for picking one at random.
class CoverState
{
public:
    CoverState(const WheelCase &wheel, const std::vector<uint32_t> &lines);

    const std::vector<uint32_t> &lines() const { return m_lines; }
    size_t uncoveredCount() const { return m_uncovered.size(); }
    uint32_t uncoveredAt(size_t index) const { return m_uncovered[index]; }

    // The change in the number of uncovered sets if line `index` gave up position bit `out` for
    // position bit `in` (out in the line, in not).
    int swapDelta(size_t index, uint32_t out, uint32_t in);
    // The same with each set counted by its weight (indexed by set mask).
    int64_t weightedSwapDelta(size_t index, uint32_t out, uint32_t in, const std::vector<uint32_t> &weight);
    void swapPosition(size_t index, uint32_t out, uint32_t in);
    void addLine(uint32_t line);
    // The last line takes the place of the removed one.
    void removeLine(size_t index);
    // How many uncovered sets the line would cover if it were added.
    int newlyCovered(uint32_t line);
    // How many sets only line `index` covers: what removing it would uncover.
    int soleCovered(size_t index);

private:
    template <class F> void forEachMet(uint32_t line, F &&f);
    template <class F> void forEachSwapped(uint32_t line, uint32_t out, uint32_t in, F &&f);
    void markCovered(uint32_t set);
    void markUncovered(uint32_t set);

    WheelCase m_case;
    uint32_t m_full = 0;
    std::vector<uint32_t> m_lines;
    std::vector<uint16_t> m_count; // by set mask
    std::vector<int32_t> m_where; // by set mask: its place in m_uncovered, or -1
    std::vector<uint32_t> m_uncovered;
    std::vector<uint32_t> m_scratchA;
    std::vector<uint32_t> m_scratchB;
};

// Every combination of `pick` of the `group` positions: the full wheel.
std::vector<uint32_t> allLines(int group, int pick);

// The greedy wheel: again and again the line covering the most uncovered sets (the first in numeric
// order on ties), found by lazy evaluation since a line's gain only shrinks.
std::vector<uint32_t> greedyWheel(const WheelCase &wheel);

enum class RepairMethod {
    // Simulated annealing: an uncovered set is picked, a line meeting it most swaps one position
    // outside it for one inside, and a worse result is taken with probability exp(-change / T).
    Anneal,
    // Weighted local search: every set has a weight that grows each move it stays uncovered; an
    // uncovered set is picked and of all swaps that bring a line meeting it most closer to it, the
    // one losing the least weight is made, a line just moved resting for a few moves.
    Weighted,
};

struct SearchOptions {
    RepairMethod method = RepairMethod::Weighted;
    uint64_t seed = 1;
    uint64_t moveBudget = 1000000; // moves without a smaller wheel before the search gives up
    double startTemperature = 0.6; // annealing: one cooling from start to end, then heat again
    double endTemperature = 0.05;
    uint64_t sweepMoves = 200000;
    uint64_t tenure = 2; // weighted: moves a moved line rests
    size_t candidateLines = 0; // weighted: the nearest lines tried per move, 0 for all
};

// Starting from a complete wheel: drops the line that alone covers the fewest sets and repairs the
// rest by the method, again and again until a whole move budget passes without a smaller wheel.
// Each smaller complete wheel goes to `onSmaller` as soon as it is found; the smallest one is
// returned.
std::vector<uint32_t> shrinkWheel(const WheelCase &wheel, const std::vector<uint32_t> &start,
    const SearchOptions &options, const std::function<void(const std::vector<uint32_t> &)> &onSmaller);

// The lines without repeats, sorted: a repeated line adds no cover.
std::vector<uint32_t> distinctLines(std::vector<uint32_t> lines);

} // namespace wheelgen
