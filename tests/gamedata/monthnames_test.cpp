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
QStringList processed(const QStringList &texts, QString *calendarText = nullptr)
{
    const auto names = processMonthNames(texts, calendarText);
    EXPECT_EQ(names[0], QString());
    return QStringList(names.begin() + 1, names.end());
}
} // namespace

TEST(MonthNames, AreCutAtTheFirstDotUpperCasedAndAnEmptyOneTakesThePreviousMonths)
{
    EXPECT_EQ(processed(list(
                  {"janv.", "févr.", "mars", "avr.", "mai", "juin", "juil.", "août", "sept.", "oct.", "nov.", "déc."})),
        list({"JANV", "FÉVR", "MARS", "AVR", "MAI", "JUIN", "JUIL", "AOÛT", "SEPT", "OCT", "NOV", "DÉC"}));

    // The text handed on keeps its case and is cut at its dot.
    QString calendarText;
    EXPECT_EQ(processed(list({"a.b.c", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "d.c."}),
                  &calendarText),
        list({"A", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "D"}));
    EXPECT_EQ(calendarText, QStringLiteral("d"));

    // Nothing comes before January; December takes November's when the list runs out.
    EXPECT_EQ(processed(list({"", "Feb.", "", "", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov"})),
        list({"", "FEB", "FEB", "FEB", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "NOV"}));
}
