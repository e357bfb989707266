#include "gamedata/numberlines.h"

#include <gtest/gtest.h>

using namespace vx;

TEST(EntryLine, ZerosAreLeftOutAndOnlyASecondExtraEndsWithoutASpace)
{
    const std::pair<std::array<int16_t, 9>, const char *> cases[] = {
        { { 3, 15, 22, 31, 40, 0, 0, 7, 0 }, "03 15 22 31 40 PB 07 " },
        { { 1, 9, 10, 23, 44, 49, 0, 0, 0 }, "01 09 10 23 44 49 " },
        { { 0, 5, 0, 60, 0, 0, 0, 0, 0 }, "05 60 " },
        { { 1, 2, 3, 0, 0, 0, 0, 4, 5 }, "01 02 03 PB 04 PB 05" },
        { { 1, 2, 3, 0, 0, 0, 0, 0, 5 }, "01 02 03 PB 05" },
        { { -4, 2, 3, 0, 0, 0, 0, -1, 0 }, "02 03 " },
        { {}, "" },
    };
    for (const auto &[numbers, text] : cases)
        EXPECT_EQ(entryLineText(numbers, QStringLiteral("PB")), QLatin1String(text));
}

TEST(CheckedLine, TheExamplesOfTheWinningLinesListAndTheFirstThreeAlwaysShow)
{
    const struct {
        std::array<int16_t, 7> mains;
        int16_t extra;
        const char *label, *text;
    } cases[] = {
        { { 3, 15, 22, 31, 40, 0, 0 }, 7, "(5+PB)", "03 15 22 31 40 PB 07(5+PB)" },
        { { 1, 9, 10, 23, 44, 49, 0 }, 0, "(6)", "01 09 10 23 44 49 (6)" },
        { { 1, 2, 3, 4, 5, 6, 7 }, 0, "(7)", "01 02 03 04 05 06 07(7)" },
        { { 1, 2, 3, 4, 5, 6, 7 }, 8, "(7)", "01 02 03 04 05 06 07PB 08(7)" },
        { { 0, 0, 5, 0, 0, 0, 0 }, 0, "(1)", "00 00 05 (1)" },
        { { 1, 2, 3, 0, 5, 0, 0 }, 12, "(0+PB)", "01 02 03 05 PB 12(0+PB)" },
    };
    for (const auto &c : cases)
        EXPECT_EQ(
            checkedLineText(c.mains, c.extra, QLatin1String(c.label), QStringLiteral("PB")), QLatin1String(c.text));
    EXPECT_EQ(twoDigits(9), QStringLiteral("09"));
    EXPECT_EQ(twoDigits(60), QStringLiteral("60"));
}
