#include "symmetricsearch.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <numeric>
#include <queue>
#include <set>

namespace wheelgen {

PositionGroup generatedGroup(int group, const std::vector<std::vector<int>> &generators)
{
    std::vector<int> identity(static_cast<size_t>(group));
    std::iota(identity.begin(), identity.end(), 0);
    PositionGroup positions;
    std::set<std::vector<int>> seen {identity};
    positions.elements.push_back(identity);
    for (size_t next = 0; next < positions.elements.size(); ++next) {
        for (const std::vector<int> &generator : generators) {
            std::vector<int> product(identity.size());
            for (size_t p = 0; p < product.size(); ++p)
                product[p] = generator[static_cast<size_t>(positions.elements[next][p])];
            if (seen.insert(product).second)
                positions.elements.push_back(product);
        }
    }
    return positions;
}

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
    return generatedGroup(group, {generator});
}

PositionGroup affineGroup(int group, int modulus, int multiplier)
{
    std::vector<int> shift(static_cast<size_t>(group));
    std::iota(shift.begin(), shift.end(), 0);
    std::vector<int> scale = shift;
    for (int x = 0; x < modulus && x < group; ++x) {
        shift[static_cast<size_t>(x)] = (x + 1) % modulus;
        scale[static_cast<size_t>(x)] = (x * multiplier) % modulus;
    }
    return generatedGroup(group, {shift, scale});
}

uint32_t applyPermutation(const std::vector<int> &permutation, uint32_t line)
{
    uint32_t image = 0;
    for (uint32_t rest = line; rest != 0; rest &= rest - 1)
        image |= 1u << permutation[static_cast<size_t>(std::countr_zero(rest))];
    return image;
}

namespace {

// Marks for the lines met so far in one walk over a group: one bit for every line mask of up to 20
// positions, cleared again after each walk.
class LineMarks
{
public:
    bool mark(uint32_t line)
    {
        uint64_t &word = m_bits[line >> 6];
        const uint64_t bit = uint64_t {1} << (line & 63);
        if (word & bit)
            return false;
        word |= bit;
        m_marked.push_back(line);
        return true;
    }
    void clear()
    {
        for (const uint32_t line : m_marked)
            m_bits[line >> 6] = 0;
        m_marked.clear();
    }

private:
    std::vector<uint64_t> m_bits = std::vector<uint64_t>((size_t {1} << 20) / 64, 0);
    std::vector<uint32_t> m_marked;
};

LineMarks &lineMarks()
{
    thread_local LineMarks marks;
    return marks;
}

} // namespace

std::vector<uint32_t> orbitOf(const PositionGroup &positions, uint32_t line)
{
    LineMarks &marks = lineMarks();
    std::vector<uint32_t> orbit;
    for (const std::vector<int> &element : positions.elements) {
        const uint32_t image = applyPermutation(element, line);
        if (marks.mark(image))
            orbit.push_back(image);
    }
    marks.clear();
    return orbit;
}

std::vector<size_t> orbitElements(const PositionGroup &positions, uint32_t line)
{
    LineMarks &marks = lineMarks();
    std::vector<size_t> elements;
    for (size_t g = 0; g < positions.elements.size(); ++g)
        if (marks.mark(applyPermutation(positions.elements[g], line)))
            elements.push_back(g);
    marks.clear();
    return elements;
}

bool elementsSpanOrbit(const PositionGroup &positions, const std::vector<size_t> &elements, uint32_t line)
{
    LineMarks &marks = lineMarks();
    bool distinct = true;
    for (const size_t element : elements)
        distinct = distinct && marks.mark(applyPermutation(positions.elements[element], line));
    marks.clear();
    return distinct && orbitOf(positions, line).size() == elements.size();
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
            orbit.elements = orbitElements(positions, representative);
            for (const size_t element : orbit.elements) {
                m_state.addLine(applyPermutation(positions.elements[element], representative));
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

    // Whether the orbit's lines can follow its representative giving up `out` for `in`.
    bool keepsOrbitSize(size_t orbit, uint32_t out, uint32_t in) const
    {
        const Orbit &current = m_orbits[orbit];
        return elementsSpanOrbit(*m_positions, current.elements, (current.representative & ~out) | in);
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
