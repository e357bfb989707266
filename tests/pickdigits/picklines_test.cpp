#include "gamedata/rnd.h"
#include "pickdigits/picklines.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

using namespace vx;

// Lines from the program's generator, against draws that are often the same digits in another order.
TEST(PickLines, AStraightIsTheDigitsInOrderABoxTheSameDigitsAsOftenInAnyOrder)
{
    RndTesting::setState(34);
    std::mt19937 rng(34);
    std::array<int, 10> seen {};
    for (int round = 0; round < 20000; ++round) {
        const int type = 3 + round % 2;
        const PickLine line = randomPickLine(type);
        PickLine draw = randomPickLine(4); // a Pick 3 line never looks at d4
        if (rng() % 2)
            std::copy(line.begin(), line.begin() + type, draw.begin());
        std::shuffle(draw.begin(), draw.begin() + (rng() % 2 ? type : 0), rng);
        const bool straight = std::equal(line.begin(), line.begin() + type, draw.begin());
        const bool box = std::is_permutation(line.begin(), line.begin() + type, draw.begin());
        const PickWin win = straight ? PickWin::Straight : box ? PickWin::Box : PickWin::None;
        ASSERT_TRUE(isSoundPickLine(line, type) && (type == 4 || line[3] == 0)) << round;
        ++seen[size_t(line[0])];
        ASSERT_EQ(std::tuple(isStraight(line, draw, type), isBox(line, draw, type), checkPickLine(line, draw, type)),
            std::tuple(straight, box, win))
            << round;
    }
    EXPECT_GT(*std::min_element(seen.begin(), seen.end()), 1500); // every digit comes up
    EXPECT_EQ(parsePickDigit(" 9 "), int16_t(9)); // one digit 0 to 9 typed, blanks around allowed
    EXPECT_FALSE(parsePickDigit("10") || parsePickDigit("\xd9\xa3" /* Arabic-Indic three */) || parsePickDigit("1."));
    EXPECT_FALSE(isSoundPickLine({9, 0, 10, 0}, 3) || isSoundPickLine({-1, 0, 9, 0}, 3));
}
