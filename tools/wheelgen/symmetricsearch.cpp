#include "symmetricsearch.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <numeric>
#include <queue>
#include <set>

namespace wheelgen {

PositionGroup cyclicGroup(int group, const std::vector<int> &cycleLengths)
{
    std::vector<int> generator(static_cast<size_t>(group));
    std::iota(generator.begin(), generator.end(), 0);
    int start = 0;
    for (const int length : cycleLengths) {
        for (int i = 0; i < length && start + i < group; ++i)
            generator[static_cast<size_t>(start + i)] = start + (i + 1) % length;
        start += length;
    }
    PositionGroup positions;
    std::vector<int> power(generator.size());
    std::iota(power.begin(), power.end(), 0);
    do {
        positions.elements.push_back(power);
        std::vector<int> next(power.size());
        for (size_t p = 0; p < power.size(); ++p)
            next[p] = generator[static_cast<size_t>(power[p])];
        power = next;
    } while (power != positions.elements.front());
    return positions;
}

uint32_t applyPermutation(const std::vector<int> &permutation, uint32_t line)
{
    uint32_t image = 0;
    for (uint32_t rest = line; rest != 0; rest &= rest - 1)
        image |= 1u << permutation[static_cast<size_t>(std::countr_zero(rest))];
    return image;
}

std::vector<uint32_t> orbitOf(const PositionGroup &positions, uint32_t line)
{
    std::vector<uint32_t> orbit;
    for (const std::vector<int> &element : positions.elements) {
        const uint32_t image = applyPermutation(element, line);
        if (std::find(orbit.begin(), orbit.end(), image) == orbit.end())
            orbit.push_back(image);
    }
    return orbit;
}

namespace {

// The wheel as orbits: each orbit's lines lie together in the cover state, the k-th being the
// image of the representative under the orbit's k-th group element.
class OrbitWheel
{
public:
    OrbitWheel(const WheelCase &wheel, const PositionGroup &positions, const std::vector<uint32_t> &representatives)
        : m_positions(&positions)
        , m_state(wheel, {})
    {
        for (const uint32_t representative : representatives) {
            Orbit orbit;
            orbit.representative = representative;
            orbit.first = m_state.lines().size();
            std::vector<uint32_t> seen;
            for (size_t g = 0; g < positions.elements.size(); ++g) {
                const uint32_t image = applyPermutation(positions.elements[g], representative);
                if (std::find(seen.begin(), seen.end(), image) != seen.end())
                    continue;
                seen.push_back(image);
                orbit.elements.push_back(g);
                m_state.addLine(image);
                m_orbitOfLine.push_back(m_orbits.size());
            }
            m_orbits.push_back(orbit);
        }
    }

    struct Orbit {
        uint32_t representative = 0;
        size_t first = 0; // its first line in the state
        std::vector<size_t> elements; // the group elements giving its lines
    };

    CoverState &state() { return m_state; }
    const std::vector<Orbit> &orbits() const { return m_orbits; }
    size_t orbitOfLine(size_t line) const { return m_orbitOfLine[line]; }
    std::vector<uint32_t> representatives() const
    {
        std::vector<uint32_t> result;
        for (const Orbit &orbit : m_orbits)
            result.push_back(orbit.representative);
        return result;
    }

    // The group element that maps the orbit's representative to the line.
    const std::vector<int> &elementOfLine(size_t line) const
    {
        const Orbit &orbit = m_orbits[m_orbitOfLine[line]];
        return m_positions->elements[orbit.elements[line - orbit.first]];
    }

    // Whether the representative with `out` swapped for `in` keeps its orbit's size: only then do
    // the same group elements give its lines (in a cyclic group, the stabiliser is the one subgroup
    // of its order).
    bool keepsOrbitSize(size_t orbit, uint32_t out, uint32_t in) const
    {
        const uint32_t changed = (m_orbits[orbit].representative & ~out) | in;
        return orbitOf(*m_positions, changed).size() == m_orbits[orbit].elements.size();
    }

    // Swaps representative position `out` for `in` in every line of the orbit; returns the change
    // in uncovered weight.
    int64_t swapOrbit(size_t index, uint32_t out, uint32_t in, const std::vector<uint32_t> &weight)
    {
        Orbit &orbit = m_orbits[index];
        int64_t delta = 0;
        for (size_t k = 0; k < orbit.elements.size(); ++k) {
            const std::vector<int> &element = m_positions->elements[orbit.elements[k]];
            const uint32_t imageOut = applyPermutation(element, out);
            const uint32_t imageIn = applyPermutation(element, in);
            delta += m_state.weightedSwapDelta(orbit.first + k, imageOut, imageIn, weight);
            m_state.swapPosition(orbit.first + k, imageOut, imageIn);
        }
        orbit.representative = (orbit.representative & ~out) | in;
        return delta;
    }

private:
    const PositionGroup *m_positions;
    CoverState m_state;
    std::vector<Orbit> m_orbits;
    std::vector<size_t> m_orbitOfLine;
};

uint32_t inverseImage(const std::vector<int> &element, uint32_t bit)
{
    const int target = std::countr_zero(bit);
    for (size_t p = 0; p < element.size(); ++p)
        if (element[p] == target)
            return 1u << p;
    return 0;
}

std::vector<uint32_t> expand(const PositionGroup &positions, const std::vector<uint32_t> &representatives)
{
    std::vector<uint32_t> lines;
    for (const uint32_t representative : representatives)
        for (const uint32_t line : orbitOf(positions, representative))
            lines.push_back(line);
    return distinctLines(lines);
}

// Lazy greedy over orbits: the orbit covering the most uncovered sets, the smaller orbit and then
// the lower representative first on ties.
std::vector<uint32_t> greedyOrbits(const WheelCase &wheel, const PositionGroup &positions)
{
    std::vector<std::vector<uint32_t>> orbits;
    {
        std::set<uint32_t> seen;
        for (const uint32_t line : allLines(wheel.group, wheel.pick)) {
            if (seen.count(line))
                continue;
            std::vector<uint32_t> orbit = orbitOf(positions, line);
            seen.insert(orbit.begin(), orbit.end());
            orbits.push_back(orbit);
        }
    }
    CoverState state(wheel, {});
    auto gain = [&](const std::vector<uint32_t> &orbit) {
        const size_t before = state.uncoveredCount();
        for (const uint32_t line : orbit)
            state.addLine(line);
        const size_t covered = before - state.uncoveredCount();
        for (size_t i = 0; i < orbit.size(); ++i)
            state.removeLine(state.lines().size() - 1);
        return static_cast<int64_t>(covered);
    };
    // (gain, -index)
    std::priority_queue<std::pair<int64_t, int64_t>> queue;
    for (size_t i = 0; i < orbits.size(); ++i)
        queue.push({gain(orbits[i]), -static_cast<int64_t>(i)});
    std::vector<uint32_t> representatives;
    while (state.uncoveredCount() > 0 && !queue.empty()) {
        const auto top = queue.top();
        queue.pop();
        const std::vector<uint32_t> &orbit = orbits[static_cast<size_t>(-top.second)];
        const int64_t now = gain(orbit);
        if (now == 0)
            continue;
        if (queue.empty() || now > queue.top().first || (now == queue.top().first && top.second > queue.top().second)) {
            for (const uint32_t line : orbit)
                state.addLine(line);
            representatives.push_back(orbit.front());
        } else {
            queue.push({now, top.second});
        }
    }
    return representatives;
}

} // namespace

std::vector<uint32_t> symmetricWheel(const WheelCase &wheel, const PositionGroup &positions,
    const SearchOptions &options, const std::function<void(const std::vector<uint32_t> &)> &onSmaller)
{
    std::vector<uint32_t> representatives = greedyOrbits(wheel, positions);
    std::vector<uint32_t> best = expand(positions, representatives);
    onSmaller(best);
    Rng rng(options.seed);
    std::vector<uint32_t> weight(size_t {1} << wheel.group, 1);

    // Drops the orbit whose lines alone cover the fewest sets, weighing a set by its orbit's size.
    auto dropOrbit = [&](OrbitWheel &current) {
        size_t chosen = 0;
        double fewest = -1;
        for (size_t o = 0; o < current.orbits().size(); ++o) {
            const auto &orbit = current.orbits()[o];
            const double sole = current.state().soleCovered(orbit.first) / static_cast<double>(orbit.elements.size());
            if (fewest < 0 || sole < fewest) {
                fewest = sole;
                chosen = o;
            }
        }
        std::vector<uint32_t> kept = current.representatives();
        kept.erase(kept.begin() + static_cast<std::ptrdiff_t>(chosen));
        return kept;
    };

    OrbitWheel current(wheel, positions, representatives);
    if (current.orbits().size() <= 1)
        return best;
    representatives = dropOrbit(current);
    current = OrbitWheel(wheel, positions, representatives);
    std::vector<uint64_t> movedAt(current.orbits().size(), 0);

    uint64_t lastFound = 0;
    for (uint64_t move = 0; move - lastFound < options.moveBudget; ++move) {
        CoverState &state = current.state();
        if (state.uncoveredCount() == 0) {
            lastFound = move;
            const std::vector<uint32_t> found = expand(positions, current.representatives());
            if (found.size() < best.size()) {
                best = found;
                onSmaller(best);
            }
            if (current.orbits().size() <= 1)
                break;
            representatives = dropOrbit(current);
            current = OrbitWheel(wheel, positions, representatives);
            movedAt.assign(current.orbits().size(), 0);
            continue;
        }
        const uint32_t set = state.uncoveredAt(rng.below(static_cast<uint32_t>(state.uncoveredCount())));
        const std::vector<uint32_t> lines = state.lines();
        int most = -1;
        for (const uint32_t line : lines)
            most = std::max(most, std::popcount(line & set));
        int64_t bestDelta = 0;
        size_t bestOrbit = SIZE_MAX;
        uint32_t bestOut = 0;
        uint32_t bestIn = 0;
        uint32_t ties = 0;
        for (size_t i = 0; i < lines.size(); ++i) {
            if (std::popcount(lines[i] & set) != most)
                continue;
            const size_t orbit = current.orbitOfLine(i);
            if (movedAt[orbit] + options.tenure > move + 1)
                continue;
            const std::vector<int> &element = current.elementOfLine(i);
            for (uint32_t outs = lines[i] & ~set; outs != 0; outs &= outs - 1) {
                const uint32_t out = inverseImage(element, outs & (~outs + 1));
                for (uint32_t ins = set & ~lines[i]; ins != 0; ins &= ins - 1) {
                    const uint32_t in = inverseImage(element, ins & (~ins + 1));
                    if (!current.keepsOrbitSize(orbit, out, in))
                        continue;
                    const int64_t delta = current.swapOrbit(orbit, out, in, weight);
                    current.swapOrbit(orbit, in, out, weight);
                    if (bestOrbit == SIZE_MAX || delta < bestDelta) {
                        bestDelta = delta;
                        ties = 1;
                    } else if (delta != bestDelta || rng.below(++ties) != 0) {
                        continue;
                    }
                    bestOrbit = orbit;
                    bestOut = out;
                    bestIn = in;
                }
            }
        }
        if (bestOrbit == SIZE_MAX)
            continue;
        current.swapOrbit(bestOrbit, bestOut, bestIn, weight);
        movedAt[bestOrbit] = move + 1;
        for (size_t i = 0; i < state.uncoveredCount(); ++i)
            ++weight[state.uncoveredAt(i)];
    }
    return best;
}

} // namespace wheelgen
