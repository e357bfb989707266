// The exhaustive check of a wheel's guarantee against a plain count over every set of drawn
// positions and every line, on known designs and seeded random ones.
#include "wheels/wheeldesign.h"

#include <QDir>
#include <bit>
#include <gtest/gtest.h>
#include <random>

using namespace vx;

namespace {

// The first set of `drawn` positions in numeric order that no line meets in `match` positions.
uint32_t plainFirstUncovered(int group, int drawn, int match, const std::vector<uint32_t> &lines)
{
    for (uint32_t set = 1; set < (1u << group); ++set) {
        if (std::popcount(set) != drawn)
            continue;
        bool covered = false;
        for (const uint32_t line : lines)
            covered = covered || std::popcount(line & set) >= match;
        if (!covered)
            return set;
    }
    return 0;
}

uint32_t mask(std::initializer_list<int> positions)
{
    uint32_t m = 0;
    for (const int p : positions)
        m |= 1u << (p - 1);
    return m;
}

// The projective plane of order 3: 13 lines of 4 of 13 points, every pair of points on exactly one
// line, so a 4-4-2 wheel on 13 balls that no line can leave.
std::vector<uint32_t> projectivePlane()
{
    std::vector<uint32_t> lines;
    for (int i = 0; i < 13; ++i)
        lines.push_back(mask({i % 13 + 1, (i + 1) % 13 + 1, (i + 3) % 13 + 1, (i + 9) % 13 + 1}));
    return lines;
}

uint32_t randomLine(std::mt19937 &random, int group, int pick)
{
    uint32_t line = 0;
    while (std::popcount(line) < pick)
        line |= 1u << (random() % static_cast<unsigned>(group));
    return line;
}

} // namespace

TEST(UncoveredSet, ProjectivePlaneKeepsPairsAndNeedsEveryLine)
{
    const std::vector<uint32_t> plane = projectivePlane();
    EXPECT_EQ(firstUncoveredSet(13, 4, 2, plane), 0u);
    for (size_t gone = 0; gone < plane.size(); ++gone) {
        std::vector<uint32_t> fewer = plane;
        fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(gone));
        const uint32_t uncovered = firstUncoveredSet(13, 4, 2, fewer);
        // The removed line's own four points share no pair with any other line.
        EXPECT_NE(uncovered, 0u) << gone;
        EXPECT_LE(uncovered, plane[gone]) << gone;
        EXPECT_EQ(uncovered, plainFirstUncovered(13, 4, 2, fewer)) << gone;
    }
}

TEST(UncoveredSet, TwoOverlappingLinesKeepThreeOfFive)
{
    // Of any 5 of 9 balls, 3 fall in 1-6 or 3 in 4-9.
    const std::vector<uint32_t> lines = {mask({1, 2, 3, 4, 5, 6}), mask({4, 5, 6, 7, 8, 9})};
    EXPECT_EQ(firstUncoveredSet(9, 5, 3, lines), 0u);
    EXPECT_EQ(firstUncoveredSet(9, 5, 3, {lines[0]}), mask({1, 2, 7, 8, 9}));
    EXPECT_EQ(firstUncoveredSet(9, 5, 4, lines), mask({1, 2, 3, 7, 8}));
}

TEST(UncoveredSet, FewerDrawnThanMatchedIsNeverKept)
{
    EXPECT_NE(firstUncoveredSet(8, 2, 3, {mask({1, 2, 3, 4, 5, 6, 7})}), 0u);
}

TEST(UncoveredSet, AgreesWithPlainCountOnRandomLines)
{
    std::mt19937 random(20261207);
    int kept = 0;
    int broken = 0;
    for (int round = 0; round < 400; ++round) {
        const WheelType &type = wheelTypes()[random() % WheelTypeCount];
        const int group = type.pick + 1 + static_cast<int>(random() % 6);
        std::vector<uint32_t> lines;
        const int count = 1 + static_cast<int>(random() % 12);
        for (int i = 0; i < count; ++i)
            lines.push_back(randomLine(random, group, type.pick));
        const uint32_t expected = plainFirstUncovered(group, type.drawn, type.match, lines);
        ASSERT_EQ(firstUncoveredSet(group, type.drawn, type.match, lines), expected)
            << "round " << round << " type " << type.menuName().toStdString() << " group " << group;
        ++(expected == 0 ? kept : broken);
    }
    // Both outcomes occur, so the comparison says something either way.
    EXPECT_GT(kept, 20);
    EXPECT_GT(broken, 20);
}

// Shipped designs with one random line taken out: the check says what a plain count says, and for
// the designs a search left with no spare line it finds the hole.
TEST(UncoveredSet, ShippedDesignsWithOneLineRemoved)
{
    std::mt19937 random(77);
    const QString source = QStringLiteral(VX_SOURCE_DIR);
    int holes = 0;
    for (int round = 0; round < 60; ++round) {
        const WheelType &type = wheelTypes()[random() % WheelTypeCount];
        const int group = type.pick + 1 + static_cast<int>(random() % 7);
        const WheelDesignRead read = readWheelDesign(source, type, group);
        if (!read.ok)
            continue; // a full wheel beyond the line limit
        std::vector<uint32_t> lines = read.design.lines;
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(random() % lines.size()));
        const uint32_t found = firstUncoveredSet(group, type.drawn, type.match, lines);
        EXPECT_EQ(found, plainFirstUncovered(group, type.drawn, type.match, lines))
            << wheelDesignFileName(type, group).toStdString();
        holes += found != 0;
    }
    EXPECT_GT(holes, 30);
}
