#include "platform/datepicker.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace vx::platform;

TEST(WeekdayNumber, CountsFromSunday)
{
    EXPECT_EQ(weekdayNumber(QDate(2005, 11, 6)), 1); // a Sunday
    EXPECT_EQ(weekdayNumber(QDate(2005, 11, 7)), 2);
    EXPECT_EQ(weekdayNumber(QDate(2005, 11, 5)), 7); // a Saturday
}

TEST(DatePicker, StartsTodayAndReadsItsParts)
{
    DatePicker picker;
    EXPECT_EQ(picker.Value(), QDate::currentDate());
    picker.setValue(QDate(2006, 3, 9));
    EXPECT_EQ(picker.Day(), 9);
    EXPECT_EQ(picker.Month(), 3);
    EXPECT_EQ(picker.Year(), 2006);
    EXPECT_EQ(picker.DayOfWeek(), 5); // a Thursday
    EXPECT_EQ(picker.displayFormat(), QStringLiteral("dd MMMM yyyy"));
}

TEST(DatePicker, AcceptsNineteenFiftyToTwentyFifty)
{
    DatePicker picker;
    picker.setValue(QDate(1949, 12, 31));
    EXPECT_EQ(picker.Value(), QDate(1950, 1, 1));
    picker.setValue(QDate(2051, 1, 1));
    EXPECT_EQ(picker.Value(), QDate(2050, 12, 31));
}

TEST(DatePicker, ChangesByProgramAlsoSignal)
{
    DatePicker picker;
    picker.setValue(QDate(2006, 3, 9));
    QSignalSpy spy(&picker, &QDateEdit::dateChanged);
    picker.setValue(QDate(2006, 3, 10));
    EXPECT_EQ(spy.count(), 1);
    picker.setValue(QDate(2006, 3, 10));
    EXPECT_EQ(spy.count(), 1);
}
