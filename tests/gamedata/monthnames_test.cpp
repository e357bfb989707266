#include "gamedata/monthnames.h"
#include "gamedata/sharedstate.h"

#include <gtest/gtest.h>

using namespace vx;

namespace {
QStringList list(std::initializer_list<const char *> texts)
{
    QStringList l;
    for (const char *t : texts)
        l << QString::fromUtf8(t);
    return l;
}
} // namespace

TEST(MonthNames, AreCutAtTheFirstDotAndUpperCased)
{
    const auto names = processMonthNames(
        list({ "janv.", "févr.", "mars", "avr.", "mai", "juin", "juil.", "août", "sept.", "oct.", "nov.", "déc." }));
    const char *expected[]
        = { "", "JANV", "FÉVR", "MARS", "AVR", "MAI", "JUIN", "JUIL", "AOÛT", "SEPT", "OCT", "NOV", "DÉC" };
    for (int k = 1; k <= 12; ++k)
        EXPECT_EQ(names[static_cast<size_t>(k)], QString::fromUtf8(expected[k])) << k;
    EXPECT_EQ(names[0], QString());
}

TEST(MonthNames, ADotInTheMiddleKeepsOnlyThePartBeforeIt)
{
    QString calendarText;
    const auto names = processMonthNames(
        list({ "a.b.c", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "d.c." }), &calendarText);
    EXPECT_EQ(names[1], QStringLiteral("A"));
    EXPECT_EQ(names[2], QStringLiteral("FEB"));
    EXPECT_EQ(names[12], QStringLiteral("D"));
    // The text handed on keeps its case and is cut at its dot.
    EXPECT_EQ(calendarText, QStringLiteral("d"));
}

TEST(MonthNames, AMonthWithoutTextTakesThePreviousMonthsText)
{
    const auto names = processMonthNames(list({ "", "Feb.", "", "", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov" }));
    EXPECT_EQ(names[1], QString()); // nothing before January
    EXPECT_EQ(names[2], QStringLiteral("FEB"));
    EXPECT_EQ(names[3], QStringLiteral("FEB"));
    EXPECT_EQ(names[4], QStringLiteral("FEB"));
    EXPECT_EQ(names[5], QStringLiteral("MAY"));
    EXPECT_EQ(names[12], QStringLiteral("NOV")); // the list ran out
}

TEST(MonthNames, MonthNameIsEmptyOutsideOneToTwelve)
{
    resetSharedState();
    MonthNames = processMonthNames(
        list({ "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec" }));
    EXPECT_EQ(MonthName(1), QStringLiteral("JAN"));
    EXPECT_EQ(MonthName(12), QStringLiteral("DEC"));
    EXPECT_EQ(MonthName(0), QString());
    EXPECT_EQ(MonthName(13), QString());
    EXPECT_EQ(MonthName(-1), QString());
}
