#include "gamedata/numberlines.h"

#include <gtest/gtest.h>

using namespace vx;

TEST(EntryLine, FiveMainsAndAnExtraEndWithOneSpace)
{
    EXPECT_EQ(entryLineText({ 3, 15, 22, 31, 40, 0, 0, 7, 0 }, QStringLiteral("PB")),
        QStringLiteral("03 15 22 31 40 PB 07 "));
}

TEST(EntryLine, SixMainsWithoutExtrasEndWithOneSpace)
{
    EXPECT_EQ(
        entryLineText({ 1, 9, 10, 23, 44, 49, 0, 0, 0 }, QStringLiteral("PB")), QStringLiteral("01 09 10 23 44 49 "));
}

TEST(EntryLine, ZerosAnywhereAreLeftOutAndTheSecondExtraHasNoTrailingSpace)
{
    EXPECT_EQ(entryLineText({ 0, 5, 0, 60, 0, 0, 0, 0, 0 }, QStringLiteral("BB")), QStringLiteral("05 60 "));
    EXPECT_EQ(
        entryLineText({ 1, 2, 3, 0, 0, 0, 0, 4, 5 }, QStringLiteral("EB")), QStringLiteral("01 02 03 EB 04 EB 05"));
    EXPECT_EQ(entryLineText({ 1, 2, 3, 0, 0, 0, 0, 0, 5 }, QStringLiteral("EB")), QStringLiteral("01 02 03 EB 05"));
    EXPECT_EQ(entryLineText({ -4, 2, 3, 0, 0, 0, 0, -1, 0 }, QStringLiteral("EB")), QStringLiteral("02 03 "));
    EXPECT_EQ(entryLineText({}, QStringLiteral("EB")), QString());
}

TEST(CheckedLine, TheExamplesOfTheWinningLinesList)
{
    const QString pb = QStringLiteral("PB");
    EXPECT_EQ(checkedLineText({ 3, 15, 22, 31, 40, 0, 0 }, 7, QStringLiteral("(5+PB)"), pb),
        QStringLiteral("03 15 22 31 40 PB 07(5+PB)"));
    EXPECT_EQ(checkedLineText({ 1, 9, 10, 23, 44, 49, 0 }, 0, QStringLiteral("(6)"), pb),
        QStringLiteral("01 09 10 23 44 49 (6)"));
    EXPECT_EQ(checkedLineText({ 1, 2, 3, 4, 5, 6, 7 }, 0, QStringLiteral("(7)"), pb),
        QStringLiteral("01 02 03 04 05 06 07(7)"));
    EXPECT_EQ(checkedLineText({ 1, 2, 3, 4, 5, 6, 7 }, 8, QStringLiteral("(7)"), pb),
        QStringLiteral("01 02 03 04 05 06 07PB 08(7)"));
}

TEST(CheckedLine, TheFirstThreeAlwaysShowEvenAsZero)
{
    EXPECT_EQ(checkedLineText({ 0, 0, 5, 0, 0, 0, 0 }, 0, QStringLiteral("(1)"), QStringLiteral("BB")),
        QStringLiteral("00 00 05 (1)"));
    EXPECT_EQ(checkedLineText({ 1, 2, 3, 0, 5, 0, 0 }, 12, QStringLiteral("(0+BB)"), QStringLiteral("BB")),
        QStringLiteral("01 02 03 05 BB 12(0+BB)"));
}

TEST(TwoDigits, PadsBelowTen)
{
    EXPECT_EQ(twoDigits(0), QStringLiteral("00"));
    EXPECT_EQ(twoDigits(9), QStringLiteral("09"));
    EXPECT_EQ(twoDigits(10), QStringLiteral("10"));
    EXPECT_EQ(twoDigits(60), QStringLiteral("60"));
}
