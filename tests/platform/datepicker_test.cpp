#include "platform/datepicker.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace vx::platform;

TEST(DatePicker, StartsTodayReadsItsPartsAndCountsWeekdaysFromSunday)
{
    EXPECT_EQ(weekdayNumber(QDate(2005, 11, 6)), 1); // a Sunday
    EXPECT_EQ(weekdayNumber(QDate(2005, 11, 5)), 7); // a Saturday
    DatePicker picker;
    EXPECT_EQ(picker.Value(), QDate::currentDate());
    EXPECT_EQ(picker.displayFormat(), QStringLiteral("dd MMMM yyyy"));
    picker.setValue(QDate(2006, 3, 9));
    EXPECT_EQ((std::vector<int> { picker.Day(), picker.Month(), picker.Year(), picker.DayOfWeek() }),
        (std::vector<int> { 9, 3, 2006, 5 })); // a Thursday
}

TEST(DatePicker, AcceptsNineteenFiftyToTwentyFiftyAndSignalsChangesByProgram)
{
    DatePicker picker;
    picker.setValue(QDate(1949, 12, 31));
    EXPECT_EQ(picker.Value(), QDate(1950, 1, 1));
    picker.setValue(QDate(2051, 1, 1));
    EXPECT_EQ(picker.Value(), QDate(2050, 12, 31));

    QSignalSpy spy(&picker, &QDateEdit::dateChanged);
    picker.setValue(QDate(2006, 3, 10));
    picker.setValue(QDate(2006, 3, 10));
    EXPECT_EQ(spy.count(), 1);
}
