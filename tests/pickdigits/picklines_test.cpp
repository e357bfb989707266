#include "gamedata/rnd.h"
#include "pickdigits/picklines.h"

#include <gtest/gtest.h>
#include <set>

using namespace vx;

TEST(PickChecks, StraightNeedsTheSameOrder)
{
    EXPECT_TRUE(isStraight({1, 2, 3, 0}, {1, 2, 3, 0}, 3));
    EXPECT_FALSE(isStraight({1, 2, 3, 0}, {3, 2, 1, 0}, 3));
    // A Pick 3 line never looks at d4.
    EXPECT_TRUE(isStraight({1, 2, 3, 7}, {1, 2, 3, 0}, 3));
    EXPECT_TRUE(isStraight({0, 0, 0, 9}, {0, 0, 0, 9}, 4));
    EXPECT_FALSE(isStraight({0, 0, 0, 9}, {0, 0, 0, 8}, 4));
}

TEST(PickChecks, BoxComparesDigitsAsMultisets)
{
    // Pick 3: repeated digits must repeat as often.
    EXPECT_TRUE(isBox({1, 1, 2, 0}, {2, 1, 1, 0}, 3));
    EXPECT_TRUE(isBox({1, 1, 2, 0}, {1, 2, 1, 0}, 3));
    EXPECT_FALSE(isBox({1, 1, 2, 0}, {1, 2, 2, 0}, 3));
    EXPECT_FALSE(isBox({1, 2, 2, 0}, {1, 1, 2, 0}, 3));
    EXPECT_FALSE(isBox({1, 1, 1, 0}, {1, 1, 2, 0}, 3));
    EXPECT_TRUE(isBox({1, 2, 3, 5}, {3, 1, 2, 0}, 3));

    // Pick 4.
    EXPECT_TRUE(isBox({1, 1, 2, 3}, {3, 2, 1, 1}, 4));
    EXPECT_TRUE(isBox({1, 1, 2, 2}, {2, 1, 2, 1}, 4));
    EXPECT_FALSE(isBox({1, 1, 2, 3}, {1, 2, 2, 3}, 4));
    EXPECT_FALSE(isBox({1, 1, 2, 2}, {1, 1, 1, 2}, 4));
    EXPECT_FALSE(isBox({1, 2, 3, 4}, {1, 2, 3, 5}, 4));
}

TEST(PickChecks, StraightIsReportedBeforeBox)
{
    EXPECT_EQ(checkPickLine({1, 1, 2, 0}, {1, 1, 2, 0}, 3), PickWin::Straight);
    EXPECT_EQ(checkPickLine({1, 1, 2, 0}, {2, 1, 1, 0}, 3), PickWin::Box);
    EXPECT_EQ(checkPickLine({1, 2, 2, 0}, {2, 1, 1, 0}, 3), PickWin::None);
    EXPECT_EQ(checkPickLine({4, 4, 4, 5}, {4, 5, 4, 4}, 4), PickWin::Box);
    EXPECT_EQ(checkPickLine({4, 4, 4, 5}, {4, 4, 4, 5}, 4), PickWin::Straight);

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

TEST(PickLines, PrintedListHasThreeBlankLinesAndAMargin)
{
    const QStringList printed = listPrintLines({QStringLiteral("1 2 3"), QStringLiteral("4 5 6")});
    ASSERT_EQ(printed.size(), 5);
    EXPECT_TRUE(printed[0].isEmpty());
    EXPECT_TRUE(printed[1].isEmpty());
    EXPECT_TRUE(printed[2].isEmpty());
    EXPECT_EQ(printed[3], QStringLiteral("                1 2 3"));
    EXPECT_EQ(printed[4], QString(16, QLatin1Char(' ')) + QStringLiteral("4 5 6"));
}
