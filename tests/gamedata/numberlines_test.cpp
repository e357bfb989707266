#include "gamedata/numberlines.h"

#include <gtest/gtest.h>

using namespace vx;

TEST(NumberLines, EntryLinesLeaveOutZerosAndEndWithASpaceButAfterASecondExtraWinningLinesShowTheFirstThree)
{
    const std::tuple<std::array<int16_t, 9>, const char *, const char *> rows[]
        = {{{3, 15, 22, 31, 40, 0, 0, 7, 0}, "03 15 22 31 40 PB 07 ", "03 15 22 31 40 PB 07(L)"},
            {{1, 9, 10, 23, 44, 49, 0, 0, 0}, "01 09 10 23 44 49 ", "01 09 10 23 44 49 (L)"},
            {{1, 2, 3, 4, 5, 6, 7, 0, 0}, "01 02 03 04 05 06 07 ", "01 02 03 04 05 06 07(L)"},
            {{1, 2, 3, 4, 5, 6, 7, 8, 0}, "01 02 03 04 05 06 07 PB 08 ", "01 02 03 04 05 06 07PB 08(L)"},
            {{1, 2, 3, 0, 0, 0, 0, 4, 5}, "01 02 03 PB 04 PB 05", "01 02 03 PB 04(L)"},
            {{1, 2, 3, 0, 0, 0, 0, 0, 5}, "01 02 03 PB 05", "01 02 03 (L)"},
            {{0, 2, 3, -4, 60, 0, 0, -1, 0}, "02 03 60 ", "00 02 03 60 (L)"}, {{}, "", "00 00 00 (L)"}};
    for (const auto &[n, entry, winning] : rows) {
        EXPECT_EQ(entryLineText(n, "PB").toStdString(), entry);
        EXPECT_EQ(
            checkedLineText({n[0], n[1], n[2], n[3], n[4], n[5], n[6]}, n[7], "(L)", "PB").toStdString(), winning);
    }
}
