// The generator's search and files: the cover counts it keeps against a plain count, the greedy and
// annealed wheels against the exhaustive check, the same seed giving the same wheel, and the design
// text read back by the program's reader.
#include "coversearch.h"
#include "orbitcover.h"
#include "positiongroups.h"
#include "referencesizes.h"
#include "wheelcases.h"
#include "wheels/wheeldesign.h"

#include <QTemporaryDir>
#include <algorithm>
#include <bit>
#include <fstream>
#include <gtest/gtest.h>
#include <numeric>
#include <set>

using namespace wheelgen;

namespace {

std::vector<uint32_t> plainUncovered(const WheelCase &wheel, const std::vector<uint32_t> &lines)
{
    std::vector<uint32_t> uncovered;
    for (uint32_t set = 1; set < (1u << wheel.group); ++set) {
        if (std::popcount(set) != wheel.drawn)
            continue;
        if (std::none_of(
                lines.begin(), lines.end(), [&](uint32_t line) { return std::popcount(line & set) >= wheel.match; }))
            uncovered.push_back(set);
    }
    return uncovered;
}

std::vector<uint32_t> uncoveredOf(const CoverState &state)
{
    std::vector<uint32_t> sets;
    for (size_t i = 0; i < state.uncoveredCount(); ++i)
        sets.push_back(state.uncoveredAt(i));
    std::sort(sets.begin(), sets.end());
    return sets;
}

uint32_t randomLine(Rng &rng, int group, int pick)
{
    uint32_t line = 0;
    while (std::popcount(line) < pick)
        line |= 1u << rng.below(static_cast<uint32_t>(group));
    return line;
}

WheelCase randomCase(Rng &rng)
{
    const std::vector<WheelCase> types = wheelTypesOnly();
    WheelCase wheel = types[rng.below(static_cast<uint32_t>(types.size()))];
    wheel.group = wheel.pick + 1 + static_cast<int>(rng.below(6));
    return wheel;
}

uint32_t nthBit(uint32_t mask, uint32_t n)
{
    for (; n > 0; --n)
        mask &= mask - 1;
    return mask & (~mask + 1);
}

} // namespace

TEST(WheelGenSubsets, EverySubsetOfTheSizeOnceInOrder)
{
    const std::vector<std::pair<uint32_t, int>> cases = {{0b1011010u, 2}, {0xFFFFFu, 3}, {0b111u, 3}, {0b1u, 0}};
    for (const auto &[mask, size] : cases) {
        const std::vector<uint32_t> subsets = subsetsOfSize(mask, size);
        uint64_t expected = 1;
        for (int i = 1; i <= size; ++i)
            expected = expected * static_cast<uint64_t>(std::popcount(mask) - size + i) / static_cast<uint64_t>(i);
        EXPECT_EQ(subsets.size(), expected) << mask;
        EXPECT_TRUE(std::is_sorted(subsets.begin(), subsets.end()));
        EXPECT_EQ(std::adjacent_find(subsets.begin(), subsets.end()), subsets.end());
        for (const uint32_t s : subsets)
            EXPECT_TRUE(std::popcount(s) == size && (s & ~mask) == 0) << s;
    }
    EXPECT_TRUE(subsetsOfSize(0b11u, 3).empty());
}

TEST(WheelGenCoverState, CountsFollowEverySwapAddAndRemove)
{
    Rng rng(5);
    for (int round = 0; round < 40; ++round) {
        const WheelCase wheel = randomCase(rng);
        std::vector<uint32_t> lines;
        for (uint32_t i = 0, n = 1 + rng.below(8); i < n; ++i)
            lines.push_back(randomLine(rng, wheel.group, wheel.pick));
        CoverState state(wheel, lines);
        ASSERT_EQ(uncoveredOf(state), plainUncovered(wheel, state.lines()));
        for (int step = 0; step < 30; ++step) {
            const size_t index = rng.below(static_cast<uint32_t>(state.lines().size()));
            const uint32_t line = state.lines()[index];
            const uint32_t full = (1u << wheel.group) - 1;
            const uint32_t out = nthBit(line, rng.below(static_cast<uint32_t>(wheel.pick)));
            const uint32_t in = nthBit(full & ~line, rng.below(static_cast<uint32_t>(std::popcount(full & ~line))));
            const long before = static_cast<long>(state.uncoveredCount());
            const int delta = state.swapDelta(index, out, in);
            state.swapPosition(index, out, in);
            EXPECT_EQ(static_cast<long>(state.uncoveredCount()) - before, delta);
            EXPECT_EQ(state.lines()[index], (line & ~out) | in);
        }
        ASSERT_EQ(uncoveredOf(state), plainUncovered(wheel, state.lines()));
        const uint32_t added = randomLine(rng, wheel.group, wheel.pick);
        const int newly = state.newlyCovered(added);
        const size_t before = state.uncoveredCount();
        state.addLine(added);
        EXPECT_EQ(before - state.uncoveredCount(), static_cast<size_t>(newly));
        const size_t last = state.lines().size() - 1;
        const int sole = state.soleCovered(last);
        EXPECT_EQ(sole, newly); // the sets it newly covered are the ones only it covers
        state.removeLine(0);
        EXPECT_EQ(uncoveredOf(state), plainUncovered(wheel, state.lines()));
    }
}

// Both repair methods, each with a budget that keeps the test short.
const std::vector<std::pair<RepairMethod, uint64_t>> methods
    = {{RepairMethod::Anneal, 30000}, {RepairMethod::Weighted, 6000}};

TEST(WheelGenSearch, GreedyAndShrunkWheelsKeepTheGuarantee)
{
    const std::vector<WheelCase> cases
        = {{6, 5, 3, 12}, {5, 3, 3, 10}, {4, 4, 2, 13}, {7, 7, 5, 12}, {6, 4, 4, 9}, {5, 5, 4, 9}};
    for (const auto &[method, budget] : methods)
        for (const WheelCase &wheel : cases) {
            const std::vector<uint32_t> greedy = greedyWheel(wheel);
            ASSERT_EQ(vx::firstUncoveredSet(wheel.group, wheel.drawn, wheel.match, greedy), 0u) << caseName(wheel);
            EXPECT_EQ(greedyWheel(wheel), greedy);
            SearchOptions options;
            options.method = method;
            options.seed = 11;
            options.moveBudget = budget;
            std::vector<size_t> sizes;
            const std::vector<uint32_t> best
                = shrinkWheel(wheel, greedy, options, [&](const std::vector<uint32_t> &lines) {
                      EXPECT_EQ(vx::firstUncoveredSet(wheel.group, wheel.drawn, wheel.match, lines), 0u)
                          << caseName(wheel);
                      EXPECT_TRUE(sizes.empty() || lines.size() < sizes.back());
                      sizes.push_back(lines.size());
                  });
            EXPECT_EQ(vx::firstUncoveredSet(wheel.group, wheel.drawn, wheel.match, best), 0u) << caseName(wheel);
            EXPECT_LE(best.size(), greedy.size());
            if (!sizes.empty()) {
                EXPECT_EQ(best.size(), sizes.back());
            }
            EXPECT_EQ(shrinkWheel(wheel, greedy, options, [](const std::vector<uint32_t> &) {}), best)
                << "the same seed gives the same wheel";
        }
}

TEST(WheelGenSearch, ReachesTheReferenceSizesOfSmallCases)
{
    // C(9,5,3) = 12 and C(10,6,4) = 20 are the best known coverings; 5 lines of 4 hold 2 of any 4 of 13.
    const std::vector<std::pair<WheelCase, size_t>> cases
        = {{{5, 3, 3, 9}, 12}, {{6, 4, 4, 10}, 20}, {{4, 4, 2, 13}, 5}};
    for (const auto &[method, budget] : methods)
        for (const auto &[wheel, reference] : cases) {
            SearchOptions options;
            options.method = method;
            options.moveBudget = budget * 10;
            const std::vector<uint32_t> best = shrinkWheel(wheel, greedyWheel(wheel), options, [](const auto &) {});
            EXPECT_LE(best.size(), reference) << caseName(wheel) << " by method " << static_cast<int>(method);
            EXPECT_EQ(vx::firstUncoveredSet(wheel.group, wheel.drawn, wheel.match, best), 0u) << caseName(wheel);
        }
}

TEST(WheelGenCases, TheShippedSetFollowsTheLineLimit)
{
    const std::vector<WheelCase> cases = shippedCases();
    EXPECT_EQ(cases.size(), 319u);
    std::set<std::string> names;
    for (const WheelCase &wheel : cases)
        names.insert(caseName(wheel));
    EXPECT_TRUE(names.count("7-7-7-13") && !names.count("7-7-7-14"));
    EXPECT_TRUE(names.count("6-5-5-19") && !names.count("6-5-5-20"));
    EXPECT_TRUE(names.count("4-4-2-5") && names.count("4-4-2-20"));
    EXPECT_NE(caseSeed(1, {6, 5, 3, 12}), caseSeed(1, {6, 5, 3, 13}));
    EXPECT_NE(caseSeed(1, {6, 5, 3, 12}), caseSeed(2, {6, 5, 3, 12}));
}

TEST(WheelGenFiles, DesignTextReadsBackWithItsSeconds)
{
    const WheelCase wheel {6, 5, 3, 9};
    const std::vector<uint32_t> lines = {0b111111u, 0b111111000u};
    const std::string text = designText({"6-5-3 wheel on 9 positions: 2 lines", "seconds: 12.5"}, lines);
    EXPECT_EQ(text, "# 6-5-3 wheel on 9 positions: 2 lines\n# seconds: 12.5\n1 2 3 4 5 6\n4 5 6 7 8 9\n");
    const vx::WheelDesignRead read = vx::parseWheelDesign(
        QByteArray::fromStdString(text), vx::WheelType {6, 5, 3, 7}, wheel.group, QStringLiteral("6-5-3-9.whl"));
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    EXPECT_EQ(read.design.lines, lines);
    EXPECT_DOUBLE_EQ(recordedSeconds(text), 12.5);
    EXPECT_DOUBLE_EQ(recordedSeconds("# seconds: 3\n1 2 3 4 5 6\n"), 3.0);
    EXPECT_DOUBLE_EQ(recordedSeconds("1 2 3 4 5 6\n"), 0.0);
}

TEST(WheelGenReference, SizesAndTargets)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string folder = dir.path().toStdString();
    std::ofstream(folder + "/reachable-sizes.csv") << "p,d,m,n,size\n6,4,4,16,173\n6,5,3,12,2\n";
    std::ofstream(folder + "/covering-reference.csv") << "v,k,t,size,schoenheim_lower_bound,status\n"
                                                         "16,6,4,152,144,best known\n15,5,3,55,54,best known\n";
    std::string error;
    const std::optional<ReferenceSizes> sizes = readReferenceSizes(folder, &error);
    ASSERT_TRUE(sizes) << error;
    EXPECT_EQ(reachableSize(*sizes, {6, 4, 4, 16}), 173);
    EXPECT_EQ(reachableSize(*sizes, {6, 5, 3, 12}), 2);
    EXPECT_FALSE(reachableSize(*sizes, {6, 5, 3, 13}));
    EXPECT_EQ(bestCoveringSize(*sizes, {6, 4, 4, 16}), 152);
    EXPECT_EQ(bestCoveringSize(*sizes, {5, 3, 3, 15}), 55);
    EXPECT_FALSE(bestCoveringSize(*sizes, {6, 5, 3, 12})) << "a lotto type has no covering size";

    // Up to 15 balls the best known size itself; beyond, at most 10% above it.
    EXPECT_TRUE(meetsCoveringTarget({5, 3, 3, 15}, 55, 55));
    EXPECT_FALSE(meetsCoveringTarget({5, 3, 3, 15}, 56, 55));
    EXPECT_TRUE(meetsCoveringTarget({6, 4, 4, 16}, 167, 152));
    EXPECT_FALSE(meetsCoveringTarget({6, 4, 4, 16}, 168, 152));

    std::ofstream(folder + "/reachable-sizes.csv") << "p,d,m,n,size\n6,4,4,sixteen,173\n";
    EXPECT_FALSE(readReferenceSizes(folder, &error));
    EXPECT_NE(error.find("line 2"), std::string::npos) << error;
}

TEST(WheelGenSymmetry, CyclicGroupsAndTheirOrbits)
{
    const PositionGroup twoSevens = cyclicGroup(15, {7, 7});
    ASSERT_EQ(twoSevens.elements.size(), 7u);
    for (const std::vector<int> &element : twoSevens.elements) {
        std::vector<int> sorted = element;
        std::sort(sorted.begin(), sorted.end());
        for (int p = 0; p < 15; ++p)
            EXPECT_EQ(sorted[static_cast<size_t>(p)], p) << "a permutation of the positions";
        EXPECT_EQ(element[14], 14) << "the position after the cycles stays";
        EXPECT_EQ(element[0] < 7, true) << "the first cycle stays in itself";
    }
    EXPECT_EQ(twoSevens.elements[1][6], 0);
    EXPECT_EQ(twoSevens.elements[1][13], 7);
    EXPECT_EQ(cyclicGroup(12, {4, 6}).elements.size(), 12u); // the order is the cycles' least common multiple

    // A line of one cycle's positions is its own image; any other line of five has seven images.
    EXPECT_EQ(orbitOf(twoSevens, 0b1111111u).size(), 1u);
    EXPECT_EQ(orbitOf(twoSevens, 0b11111u).size(), 7u);
    EXPECT_EQ(applyPermutation(twoSevens.elements[1], 0b1000001u), 0b0000011u);
}

TEST(WheelGenSymmetry, AffineAndGeneratedGroups)
{
    // x -> a x + b modulo 19 with a in {1, 7, 11} (7 has order 3): 57 maps, the 20th position fixed.
    const PositionGroup affine = affineGroup(20, 19, 7);
    ASSERT_EQ(affine.elements.size(), 57u);
    std::set<std::vector<int>> distinct(affine.elements.begin(), affine.elements.end());
    EXPECT_EQ(distinct.size(), 57u);
    std::vector<int> identity(20);
    std::iota(identity.begin(), identity.end(), 0);
    EXPECT_EQ(affine.elements.front(), identity);
    for (const std::vector<int> &element : affine.elements) {
        EXPECT_EQ(element[19], 19);
        const int b = element[0];
        const int a = (element[1] - b + 19) % 19;
        EXPECT_TRUE(a == 1 || a == 7 || a == 11) << a;
        for (int x = 0; x < 19; ++x)
            EXPECT_EQ(element[static_cast<size_t>(x)], (a * x + b) % 19);
    }
    // A multiplier of order 18 gives the whole affine group of 342 maps, transitive on pairs: every
    // line of two of the 19 positions lies in one orbit.
    const PositionGroup whole = affineGroup(19, 19, 2);
    EXPECT_EQ(whole.elements.size(), 342u);
    EXPECT_EQ(orbitOf(whole, 0b11u).size(), 171u);

    // A transposition and a 3-cycle make all six permutations of three positions.
    EXPECT_EQ(generatedGroup(3, {{1, 0, 2}, {1, 2, 0}}).elements.size(), 6u);
    // One generator gives its powers in order, as the cyclic groups always have.
    EXPECT_EQ(generatedGroup(5, {{1, 2, 3, 4, 0}}).elements, cyclicGroup(5, {5}).elements);
}

TEST(WheelGenSymmetry, GroupChoicesAndTheSweep)
{
    struct Row {
        GroupChoice choice;
        int group;
        bool valid;
    };
    const std::vector<Row> rows = {
        {{{5, 5, 5}, 0}, 18, true},
        {{{10, 10}, 0}, 20, true},
        {{{10, 10, 1}, 0}, 20, false}, // 21 positions
        {{{0}, 0}, 12, false},
        {{}, 12, false},
        {{{19}, 18}, 20, true},
        {{{19}, 7}, 19, true},
        {{{19}, 38}, 20, false}, // the multiplier is 0 modulo 19
        {{{18}, 5}, 20, true}, // prime to 18
        {{{18}, 4}, 20, false}, // not prime to 18
        {{{19}, 20}, 20, false}, // 1 modulo 19: the shifts alone
        {{{7, 7}, 3}, 16, false}, // two cycles
        {{{13}, -2}, 14, false},
    };
    for (const Row &row : rows)
        EXPECT_EQ(validGroupChoice(row.choice, row.group), row.valid)
            << describeGroup(row.choice) << " on " << row.group;
    EXPECT_EQ(describeGroup({{5, 5, 5}, 0}), "the cyclic group with cycles 5,5,5");
    EXPECT_EQ(describeGroup({{19}, 7}), "the affine group x -> a x + b modulo 19 (a a power of 7)");
    EXPECT_EQ(groupOf({{19}, 7}, 20).elements.size(), 57u);
    EXPECT_EQ(groupOf({{8, 8}, 0}, 20).elements.size(), 8u);

    for (int group = 5; group <= 20; ++group) {
        const std::vector<GroupChoice> groups = sweepGroups(group);
        std::set<std::pair<std::vector<int>, int>> seen;
        std::set<std::set<std::vector<int>>> affineGroups;
        for (const GroupChoice &choice : groups) {
            EXPECT_TRUE(validGroupChoice(choice, group)) << describeGroup(choice) << " on " << group;
            EXPECT_TRUE(seen.insert({choice.cycles, choice.multiplier}).second) << describeGroup(choice) << " twice";
            if (choice.multiplier != 0) {
                const PositionGroup positions = groupOf(choice, group);
                EXPECT_TRUE(
                    affineGroups
                        .insert(std::set<std::vector<int>>(positions.elements.begin(), positions.elements.end()))
                        .second)
                    << describeGroup(choice) << ": a group already tried";
                // Above 13 positions the whole affine group has orbits too large to pick from.
                const int modulus = choice.cycles.front();
                int units = 0;
                for (int k = 1; k <= modulus; ++k)
                    units += std::gcd(k, modulus) == 1;
                EXPECT_TRUE(modulus <= 13 || positions.elements.size() < static_cast<size_t>(modulus * units))
                    << describeGroup(choice);
            }
        }
        EXPECT_TRUE(seen.count({{group}, 0})) << "the cycle over every position";
    }
    // Groups that gave the smallest wheels are in the sweep.
    const std::vector<std::pair<int, std::vector<int>>> winners
        = {{18, {5, 5, 5}}, {20, {8, 8}}, {15, {3, 3, 3, 3, 3}}, {16, {7, 7}}, {15, {14}}, {18, {17}}, {18, {6, 4}},
            {18, {8, 2}}, {18, {6, 6, 3}}, {19, {6, 6, 3}}, {20, {6, 4}}};
    // The projective space of 15 points: its Singer cycle with the field's squaring.
    const std::vector<GroupChoice> fifteen = sweepGroups(15);
    EXPECT_TRUE(std::any_of(fifteen.begin(), fifteen.end(),
        [](const GroupChoice &choice) { return choice.cycles == std::vector<int> {15} && choice.multiplier == 2; }));
    EXPECT_EQ(groupOf({{15}, 2}, 15).elements.size(), 60u);
    for (const auto &[group, cycles] : winners) {
        const std::vector<GroupChoice> groups = sweepGroups(group);
        EXPECT_TRUE(std::any_of(groups.begin(), groups.end(),
            [&](const GroupChoice &choice) { return choice.cycles == cycles && choice.multiplier == 0; }))
            << describeGroup({cycles, 0}) << " on " << group;
    }
}

TEST(WheelGenSymmetry, OrbitWheelsKeepTheGuaranteeAndTheGroup)
{
    const std::vector<std::pair<WheelCase, PositionGroup>> cases = {
        {{5, 3, 3, 10}, cyclicGroup(10, {5, 5})},
        {{6, 4, 4, 11}, cyclicGroup(11, {11})},
        {{6, 5, 3, 13}, cyclicGroup(13, {6, 6})},
        // Affine orbits, of more than one size.
        {{5, 3, 3, 12}, affineGroup(12, 11, 10)},
        {{4, 3, 3, 8}, affineGroup(8, 7, 2)},
    };
    for (const auto &[wheel, positions] : cases) {
        SearchOptions options;
        options.moveBudget = 2000;
        size_t found = 0;
        const std::vector<uint32_t> best
            = orbitCoverWheel(wheel, positions, options, [&](const std::vector<uint32_t> &lines) {
                  EXPECT_EQ(vx::firstUncoveredSet(wheel.group, wheel.drawn, wheel.match, lines), 0u) << caseName(wheel);
                  EXPECT_TRUE(found == 0 || lines.size() < found) << caseName(wheel);
                  found = lines.size();
              });
        EXPECT_EQ(best.size(), found) << caseName(wheel);
        const std::set<uint32_t> lines(best.begin(), best.end());
        for (const uint32_t line : best)
            for (const uint32_t image : orbitOf(positions, line))
                EXPECT_TRUE(lines.count(image)) << caseName(wheel) << ": every image of a line is a line";
        EXPECT_EQ(orbitCoverWheel(wheel, positions, options, [](const auto &) {}), best)
            << "the same seed, the same wheel";
    }
}

TEST(WheelGenSymmetry, OrbitCoverProblemMatchesTheLinesAndSets)
{
    // Against the lines and sets one by one: an orbit of lines covers an orbit of sets when some line
    // of the one meets some set of the other in enough positions.
    const std::vector<std::pair<WheelCase, PositionGroup>> cases = {
        {{5, 3, 3, 10}, cyclicGroup(10, {5, 5})},
        {{5, 4, 3, 9}, cyclicGroup(9, {})},
        {{4, 4, 3, 9}, affineGroup(9, 7, 6)},
    };
    for (const auto &[wheel, positions] : cases) {
        const OrbitCoverProblem problem = orbitCoverProblem(wheel, positions);
        const uint32_t full = (1u << wheel.group) - 1;
        const std::vector<uint32_t> sets = subsetsOfSize(full, wheel.drawn);
        // The set orbits in the order their lowest sets come.
        std::vector<std::vector<uint32_t>> setOrbits;
        std::set<uint32_t> placed;
        for (const uint32_t set : sets) {
            if (placed.insert(set).second) {
                setOrbits.push_back(orbitOf(positions, set));
                placed.insert(setOrbits.back().begin(), setOrbits.back().end());
            }
        }
        ASSERT_EQ(problem.coveredBy.size(), setOrbits.size()) << caseName(wheel);
        int lines = 0;
        for (size_t o = 0; o < problem.representatives.size(); ++o) {
            const std::vector<uint32_t> orbit = orbitOf(positions, problem.representatives[o]);
            EXPECT_EQ(problem.cost[o], static_cast<int>(orbit.size()));
            EXPECT_EQ(problem.representatives[o], *std::min_element(orbit.begin(), orbit.end()));
            lines += problem.cost[o];
            for (size_t s = 0; s < setOrbits.size(); ++s) {
                bool meets = false;
                for (const uint32_t line : orbit)
                    for (const uint32_t set : setOrbits[s])
                        meets = meets || std::popcount(line & set) >= wheel.match;
                const auto &covers = problem.covers[o];
                EXPECT_EQ(std::binary_search(covers.begin(), covers.end(), static_cast<int>(s)), meets)
                    << caseName(wheel) << " line orbit " << o << " set orbit " << s;
                const auto &by = problem.coveredBy[s];
                EXPECT_EQ(std::binary_search(by.begin(), by.end(), static_cast<int>(o)), meets);
            }
        }
        EXPECT_EQ(static_cast<size_t>(lines), allLines(wheel.group, wheel.pick).size()) << "every line in one orbit";
    }
    // Without symmetry every line and set is its own orbit.
    const OrbitCoverProblem plain = orbitCoverProblem({5, 4, 3, 9}, cyclicGroup(9, {}));
    EXPECT_EQ(plain.representatives.size(), 126u);
    EXPECT_EQ(plain.coveredBy.size(), 126u);
    EXPECT_EQ(plain.covers.front().size(), setsMetByLine({5, 4, 3, 9}));
}
