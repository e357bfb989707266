#include "gamedata/boxvalue.h"

#include <gtest/gtest.h>

using namespace vx;

TEST(BoxValue, TheNumberAtTheStartOfTheTextRoundedHalvesToEvenAndHeldInSixteenBits)
{
    const std::pair<QString, int> cases[] = {{"12abc", 12}, {"05", 5}, {"  7", 7}, {"-1", -1}, {"+9", 9}, {"1e1", 10},
        {"12e", 12}, {"3 4", 3}, {"", 0}, {"x", 0}, {"x12", 0}, {"-", 0}, {".", 0}, {" ", 0}, {"2.5", 2}, {"3.5", 4},
        {"0.5", 0}, {"1.5", 2}, {"-2.5", -2}, {"2.51", 3}, {".7", 1}, {"00000000000000000000000000000000000042", 42},
        {QString(400, '9'), 32767}, {"-" + QString(400, '9'), -32768}};
    for (const auto &[text, value] : cases)
        EXPECT_EQ(RoundToInt16(BoxValue(text)), value) << '"' << text.toStdString() << '"';
    for (const auto &[text, fits] :
        {std::pair("32767.4", true), {"-32768.5", true}, {"32767.5", false}, {"1e5", false}})
        EXPECT_EQ(FitsInt16(BoxValue(text)), fits) << text;
}
