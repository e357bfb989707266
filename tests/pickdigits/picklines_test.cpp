#include "gamedata/rnd.h"
#include "pickdigits/picklines.h"

#include <gtest/gtest.h>
#include <set>

using namespace vx;

TEST(PickChecks, StraightAndBoxOnRepeatedDigits)
{
    // Straight: the same digits in the same order; box: the same digits, each as often, in any
    // order. A Pick 3 line never looks at d4. A straight is reported before a box.
    struct Case {
        PickLine line, draw;
        int digits;
        bool straight, box;
    };
    const Case cases[] = {
        {{1, 2, 3, 0}, {1, 2, 3, 0}, 3, true, true},
        {{1, 2, 3, 0}, {3, 2, 1, 0}, 3, false, true},
        {{1, 2, 3, 7}, {1, 2, 3, 0}, 3, true, true},
        {{1, 1, 2, 0}, {2, 1, 1, 0}, 3, false, true},
        {{1, 1, 2, 0}, {1, 2, 1, 0}, 3, false, true},
        {{1, 1, 2, 0}, {1, 2, 2, 0}, 3, false, false},
        {{1, 2, 2, 0}, {1, 1, 2, 0}, 3, false, false},
        {{1, 1, 1, 0}, {1, 1, 2, 0}, 3, false, false},
        {{1, 2, 3, 5}, {3, 1, 2, 0}, 3, false, true},
        {{0, 0, 0, 9}, {0, 0, 0, 9}, 4, true, true},
        {{0, 0, 0, 9}, {0, 0, 0, 8}, 4, false, false},
        {{1, 1, 2, 3}, {3, 2, 1, 1}, 4, false, true},
        {{1, 1, 2, 2}, {2, 1, 2, 1}, 4, false, true},
        {{1, 1, 2, 3}, {1, 2, 2, 3}, 4, false, false},
        {{1, 1, 2, 2}, {1, 1, 1, 2}, 4, false, false},
        {{4, 4, 4, 5}, {4, 5, 4, 4}, 4, false, true},
        {{4, 4, 4, 5}, {4, 4, 4, 5}, 4, true, true},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case &c = cases[i];
        EXPECT_EQ(isStraight(c.line, c.draw, c.digits), c.straight) << "case " << i;
        EXPECT_EQ(isBox(c.line, c.draw, c.digits), c.box) << "case " << i;
        EXPECT_EQ(checkPickLine(c.line, c.draw, c.digits),
            c.straight ? PickWin::Straight : (c.box ? PickWin::Box : PickWin::None))
            << "case " << i;
    }
    EXPECT_EQ(winningLineText({1, 1, 2, 0}, PickWin::Straight, 3), QStringLiteral("1 1 2 STRAIGHT"));
    EXPECT_EQ(winningLineText({4, 4, 4, 5}, PickWin::Box, 4), QStringLiteral("4 4 4 5 BOX"));
}

TEST(PickLines, TextAndTypedDigits)
{
    EXPECT_EQ(pickLineText({1, 0, 1, 0}, 3), QStringLiteral("1 0 1"));
    EXPECT_EQ(pickLineText({1, 2, 0, 1}, 4), QStringLiteral("1 2 0 1"));

    EXPECT_EQ(parsePickDigit(QStringLiteral("0")), int16_t {0});
    EXPECT_EQ(parsePickDigit(QStringLiteral(" 9 ")), int16_t {9});
    for (const char *bad : {"", " ", "10", "-1", "a", "1.", "\xd9\xa3" /* Arabic-Indic three */})
        EXPECT_FALSE(parsePickDigit(QString::fromUtf8(bad)).has_value()) << bad;

    EXPECT_TRUE(isSoundPickLine({9, 0, 9, 77}, 3));
    EXPECT_FALSE(isSoundPickLine({9, 0, 9, 10}, 4));
    EXPECT_FALSE(isSoundPickLine({-1, 0, 9, 0}, 3));
}

TEST(PickLines, RandomLinesUseEveryDigitAndOnlyTheUsedPlaces)
{
    RndTesting::setState(12345);
    std::set<int> seen;
    for (int k = 0; k < 2000; ++k) {
        const PickLine three = randomPickLine(3);
        EXPECT_EQ(three[3], 0);
        ASSERT_TRUE(isSoundPickLine(three, 3));
        const PickLine four = randomPickLine(4);
        ASSERT_TRUE(isSoundPickLine(four, 4));
        seen.insert(four.begin(), four.end());
    }
    EXPECT_EQ(seen.size(), 10u);

    // The same generator state gives the same lines.
    RndTesting::setState(99);
    const PickLine first = randomPickLine(4);
    RndTesting::setState(99);
    EXPECT_EQ(randomPickLine(4), first);
}
