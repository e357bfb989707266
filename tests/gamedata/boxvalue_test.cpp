#include "gamedata/boxvalue.h"

#include <gtest/gtest.h>

using namespace vx;

namespace {
int16_t typed(const char *text)
{
    return RoundToInt16(BoxValue(QString::fromUtf8(text)));
}
} // namespace

TEST(BoxValue, TakesTheNumberAtTheStartOfTheText)
{
    EXPECT_EQ(typed("12abc"), 12);
    EXPECT_EQ(typed("05"), 5);
    EXPECT_EQ(typed("  7"), 7);
    EXPECT_EQ(typed("-1"), -1);
    EXPECT_EQ(typed("+9"), 9);
    EXPECT_EQ(typed("1e1"), 10);
    EXPECT_EQ(typed("12e"), 12);
    EXPECT_EQ(typed("3 4"), 3);
}

TEST(BoxValue, EmptyOrNonNumericTextIsZero)
{
    EXPECT_EQ(BoxValue(QString()), 0.0);
    EXPECT_EQ(BoxValue(QStringLiteral("x")), 0.0);
    EXPECT_EQ(BoxValue(QStringLiteral("x12")), 0.0);
    EXPECT_EQ(BoxValue(QStringLiteral("-")), 0.0);
    EXPECT_EQ(BoxValue(QStringLiteral(".")), 0.0);
    EXPECT_EQ(BoxValue(QStringLiteral(" ")), 0.0);
}

TEST(BoxValue, RoundsHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(typed("2.5"), 2);
    EXPECT_EQ(typed("3.5"), 4);
    EXPECT_EQ(typed("0.5"), 0);
    EXPECT_EQ(typed("1.5"), 2);
    EXPECT_EQ(typed("-2.5"), -2);
    EXPECT_EQ(typed("2.51"), 3);
    EXPECT_EQ(typed(".7"), 1);
    EXPECT_DOUBLE_EQ(RoundHalfEven(4.5), 4.0);
    EXPECT_DOUBLE_EQ(RoundHalfEven(5.5), 6.0);
}

TEST(BoxValue, VeryLongDigitStringsAreHeldAtTheSixteenBitEnds)
{
    const QString huge = QString(400, QLatin1Char('9'));
    const double value = BoxValue(huge);
    EXPECT_GT(value, 1e300);
    EXPECT_FALSE(FitsInt16(value));
    EXPECT_EQ(RoundToInt16(value), 32767);
    EXPECT_EQ(RoundToInt16(BoxValue(QStringLiteral("-") + huge)), -32768);
    EXPECT_FALSE(FitsInt16(BoxValue(QStringLiteral("32768"))));
    EXPECT_TRUE(FitsInt16(BoxValue(QStringLiteral("32767"))));
    EXPECT_TRUE(FitsInt16(BoxValue(QStringLiteral("32767.4"))));
    EXPECT_TRUE(FitsInt16(BoxValue(QStringLiteral("-32768"))));
    EXPECT_FALSE(FitsInt16(BoxValue(QStringLiteral("1e5"))));
    EXPECT_EQ(typed("00000000000000000000000000000000000000042"), 42);
}
