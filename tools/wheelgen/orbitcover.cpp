#include "orbitcover.h"

#include <algorithm>
#include <cstdint>
#include <queue>

namespace wheelgen {

OrbitCoverProblem orbitCoverProblem(const WheelCase &wheel, const PositionGroup &positions)
{
    const uint32_t full = (1u << wheel.group) - 1;
    // The orbit of every drawn set, by its mask.
    std::vector<int32_t> setOrbit(size_t {1} << wheel.group, -1);
    int setOrbits = 0;
    for (const uint32_t set : subsetsOfSize(full, wheel.drawn)) {
        if (setOrbit[set] >= 0)
            continue;
        for (const uint32_t image : orbitOf(positions, set))
            setOrbit[image] = setOrbits;
        ++setOrbits;
    }

    OrbitCoverProblem problem;
    problem.coveredBy.resize(static_cast<size_t>(setOrbits));
    std::vector<char> seen(size_t {1} << wheel.group, 0);
    std::vector<uint32_t> inside;
    std::vector<uint32_t> outside;
    for (const uint32_t line : allLines(wheel.group, wheel.pick)) {
        if (seen[line])
            continue;
        const std::vector<uint32_t> orbit = orbitOf(positions, line);
        for (const uint32_t image : orbit)
            seen[image] = 1;
        std::vector<int> covered;
        for (int inLine = wheel.match; inLine <= std::min(wheel.pick, wheel.drawn); ++inLine) {
            inside.clear();
            outside.clear();
            appendSubsetsOfSize(line, inLine, inside);
            appendSubsetsOfSize(full & ~line, wheel.drawn - inLine, outside);
            for (const uint32_t a : inside)
                for (const uint32_t b : outside)
                    covered.push_back(setOrbit[a | b]);
        }
        std::sort(covered.begin(), covered.end());
        covered.erase(std::unique(covered.begin(), covered.end()), covered.end());
        const int index = static_cast<int>(problem.representatives.size());
        for (const int set : covered)
            problem.coveredBy[static_cast<size_t>(set)].push_back(index);
        problem.representatives.push_back(line);
        problem.cost.push_back(static_cast<int>(orbit.size()));
        problem.covers.push_back(std::move(covered));
    }
    return problem;
}

namespace {

// A choice of line orbits with, for every set orbit, how many chosen orbits cover it; the uncovered
// set orbits are kept in a list for picking one at random.
class OrbitChoice
{
public:
    explicit OrbitChoice(const OrbitCoverProblem &problem)
        : m_problem(problem)
        , m_chosen(problem.representatives.size(), 0)
        , m_count(problem.coveredBy.size(), 0)
        , m_where(problem.coveredBy.size())
    {
        for (size_t e = 0; e < m_count.size(); ++e) {
            m_where[e] = static_cast<int32_t>(e);
            m_uncovered.push_back(static_cast<int>(e));
        }
    }

    bool chosen(int orbit) const { return m_chosen[static_cast<size_t>(orbit)] != 0; }
    int cost() const { return m_cost; }
    const std::vector<int> &uncovered() const { return m_uncovered; }
    int count(int set) const { return m_count[static_cast<size_t>(set)]; }
    // Ascending.
    const std::vector<int> &chosenOrbits() const { return m_chosenList; }

    void add(int orbit)
    {
        m_chosen[static_cast<size_t>(orbit)] = 1;
        m_chosenList.insert(std::lower_bound(m_chosenList.begin(), m_chosenList.end(), orbit), orbit);
        m_cost += m_problem.cost[static_cast<size_t>(orbit)];
        for (const int set : m_problem.covers[static_cast<size_t>(orbit)])
            if (m_count[static_cast<size_t>(set)]++ == 0)
                markCovered(set);
    }

    void remove(int orbit)
    {
        m_chosen[static_cast<size_t>(orbit)] = 0;
        m_chosenList.erase(std::lower_bound(m_chosenList.begin(), m_chosenList.end(), orbit));
        m_cost -= m_problem.cost[static_cast<size_t>(orbit)];
        for (const int set : m_problem.covers[static_cast<size_t>(orbit)])
            if (--m_count[static_cast<size_t>(set)] == 0)
                markUncovered(set);
    }

private:
    void markCovered(int set)
    {
        const int32_t at = m_where[static_cast<size_t>(set)];
        const int last = m_uncovered.back();
        m_uncovered[static_cast<size_t>(at)] = last;
        m_where[static_cast<size_t>(last)] = at;
        m_uncovered.pop_back();
        m_where[static_cast<size_t>(set)] = -1;
    }
    void markUncovered(int set)
    {
        m_where[static_cast<size_t>(set)] = static_cast<int32_t>(m_uncovered.size());
        m_uncovered.push_back(set);
    }

    const OrbitCoverProblem &m_problem;
    std::vector<char> m_chosen; // by orbit
    std::vector<int> m_chosenList;
    std::vector<int> m_count;
    std::vector<int32_t> m_where;
    std::vector<int> m_uncovered;
    int m_cost = 0;
};

// Greedy: again and again the line orbit covering the most uncovered set orbits per line (the lower
// orbit on ties), by lazy evaluation since an orbit's gain only shrinks.
void greedyChoice(const OrbitCoverProblem &problem, OrbitChoice &choice)
{
    auto gain = [&](size_t orbit) {
        int newly = 0;
        for (const int set : problem.covers[orbit])
            newly += choice.count(set) == 0;
        return static_cast<double>(newly) / problem.cost[orbit];
    };
    std::priority_queue<std::pair<double, int64_t>> queue; // (gain per line, -orbit)
    for (size_t o = 0; o < problem.representatives.size(); ++o)
        queue.push({gain(o), -static_cast<int64_t>(o)});
    while (!choice.uncovered().empty() && !queue.empty()) {
        const auto top = queue.top();
        queue.pop();
        const size_t orbit = static_cast<size_t>(-top.second);
        const double now = gain(orbit);
        if (now == 0)
            continue;
        if (queue.empty() || now > queue.top().first || (now == queue.top().first && top.second > queue.top().second))
            choice.add(static_cast<int>(orbit));
        else
            queue.push({now, top.second});
    }
}

std::vector<uint32_t> linesOf(
    const OrbitCoverProblem &problem, const PositionGroup &positions, const std::vector<int> &orbits)
{
    std::vector<uint32_t> lines;
    for (const int orbit : orbits)
        for (const uint32_t line : orbitOf(positions, problem.representatives[static_cast<size_t>(orbit)]))
            lines.push_back(line);
    return distinctLines(lines);
}

} // namespace

std::vector<uint32_t> orbitCoverWheel(const WheelCase &wheel, const PositionGroup &positions,
    const SearchOptions &options, const std::function<void(const std::vector<uint32_t> &)> &onSmaller)
{
    const OrbitCoverProblem problem = orbitCoverProblem(wheel, positions);
    OrbitChoice choice(problem);
    greedyChoice(problem, choice);
    std::vector<int> bestOrbits = choice.chosenOrbits();
    int bestCost = choice.cost();
    onSmaller(linesOf(problem, positions, bestOrbits));

    Rng rng(options.seed);
    std::vector<uint64_t> weight(problem.coveredBy.size(), 1);
    std::vector<uint64_t> restUntil(problem.representatives.size(), 0); // by orbit: the move it may move again

    // The weight only this chosen orbit covers, per line.
    auto lossPerLine = [&](int orbit) {
        uint64_t loss = 0;
        for (const int set : problem.covers[static_cast<size_t>(orbit)])
            if (choice.count(set) == 1)
                loss += weight[static_cast<size_t>(set)];
        return static_cast<double>(loss) / problem.cost[static_cast<size_t>(orbit)];
    };
    // Takes out chosen orbits, the least loss per line first (at random among equals), until the
    // cost is below the best; `keep` stays.
    auto fitBudget = [&](int keep, uint64_t move) {
        while (choice.cost() >= bestCost) {
            int chosenOrbit = -1;
            RandomBest<double> least(rng);
            for (const int orbit : choice.chosenOrbits())
                if (orbit != keep && restUntil[static_cast<size_t>(orbit)] <= move && least.offer(lossPerLine(orbit)))
                    chosenOrbit = orbit;
            if (chosenOrbit < 0)
                return false;
            choice.remove(chosenOrbit);
            restUntil[static_cast<size_t>(chosenOrbit)] = move + options.tenure + 1;
        }
        return true;
    };

    fitBudget(-1, 0);
    uint64_t lastFound = 0;
    for (uint64_t move = 0; move - lastFound < options.moveBudget; ++move) {
        if (choice.uncovered().empty() && choice.cost() >= bestCost) {
            // Every chosen orbit was resting when the cost had to come down.
            fitBudget(-1, move);
            continue;
        }
        if (choice.uncovered().empty()) {
            lastFound = move;
            bestOrbits = choice.chosenOrbits();
            bestCost = choice.cost();
            onSmaller(linesOf(problem, positions, bestOrbits));
            if (!fitBudget(-1, move))
                break;
            continue;
        }
        // Of the orbits covering a random uncovered set, the one adding the most uncovered weight
        // per line.
        const int set = choice.uncovered()[rng.below(static_cast<uint32_t>(choice.uncovered().size()))];
        int added = -1;
        RandomBest<double> most(rng); // of the gain per line, negated
        for (const int orbit : problem.coveredBy[static_cast<size_t>(set)]) {
            if (choice.chosen(orbit) || restUntil[static_cast<size_t>(orbit)] > move)
                continue;
            uint64_t gain = 0;
            for (const int covered : problem.covers[static_cast<size_t>(orbit)])
                if (choice.count(covered) == 0)
                    gain += weight[static_cast<size_t>(covered)];
            if (most.offer(-static_cast<double>(gain) / problem.cost[static_cast<size_t>(orbit)]))
                added = orbit;
        }
        if (added >= 0) {
            choice.add(added);
            restUntil[static_cast<size_t>(added)] = move + options.tenure + 1;
            fitBudget(added, move);
        }
        for (const int uncovered : choice.uncovered())
            ++weight[static_cast<size_t>(uncovered)];
    }
    return linesOf(problem, positions, bestOrbits);
}

} // namespace wheelgen
