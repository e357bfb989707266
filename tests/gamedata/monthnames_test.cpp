#include "gamedata/monthnames.h"

#include <gtest/gtest.h>

using namespace vx;

TEST(MonthNames, AreCutAtTheFirstDotUpperCasedAndAnEmptyOneTakesThePreviousMonths)
{
    const auto table = [](const char *abbreviations, QString *calendarText = nullptr) {
        const auto names = processMonthNames(QString::fromUtf8(abbreviations).split(','), calendarText);
        return QStringList(names.begin(), names.end()).join(' ').toStdString();
    };
    QString calendarText;
    EXPECT_EQ(table("janv.,févr.,mars,avr.,mai,juin,juil.,août,sept.,oct.,nov.,déc.", &calendarText),
        " JANV FÉVR MARS AVR MAI JUIN JUIL AOÛT SEPT OCT NOV DÉC");
    EXPECT_EQ(calendarText, QString::fromUtf8("déc")); // the text handed on keeps its case
    // Nothing comes before January; December takes November's when the list runs out.
    EXPECT_EQ(table(",F.e.b.,,,May,Jun,Jul,Aug,Sep,Oct,Nov"), "  F F F MAY JUN JUL AUG SEP OCT NOV NOV");
}
