#include "gamedata/boxvalue.h"

#include <gtest/gtest.h>

using namespace vx;

TEST(BoxValue, TakesTheNumberAtTheStartOfTheTextRoundingHalvesToEven)
{
    const std::pair<const char *, int> cases[] = { { "12abc", 12 }, { "05", 5 }, { "  7", 7 }, { "-1", -1 },
        { "+9", 9 }, { "1e1", 10 }, { "12e", 12 }, { "3 4", 3 }, { "", 0 }, { "x", 0 }, { "x12", 0 }, { "-", 0 },
        { ".", 0 }, { " ", 0 }, { "2.5", 2 }, { "3.5", 4 }, { "0.5", 0 }, { "1.5", 2 }, { "-2.5", -2 }, { "2.51", 3 },
        { ".7", 1 }, { "00000000000000000000000000000000000000042", 42 } };
    for (const auto &[text, value] : cases)
        EXPECT_EQ(RoundToInt16(BoxValue(QString::fromUtf8(text))), value) << '"' << text << '"';
    EXPECT_EQ(BoxValue(QStringLiteral("x")), 0.0);
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
    for (const char *fits : { "32767", "32767.4", "-32768" })
        EXPECT_TRUE(FitsInt16(BoxValue(QLatin1String(fits)))) << fits;
    for (const char *wide : { "32768", "1e5" })
        EXPECT_FALSE(FitsInt16(BoxValue(QLatin1String(wide)))) << wide;
}
