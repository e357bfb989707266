#include "platform/clock.h"
#include "platform/datepicker.h"
#include "platform/testmode.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace vx::platform;

TEST(DatePicker, StartsTodayHoldsNineteenFiftyToTwentyFiftyAndSignalsChangesByProgram)
{
    TestMode mode(QString(), QDateTime(QDate(2031, 2, 28), QTime(23, 59)));
    DatePicker picker;
    EXPECT_EQ(
        std::pair(picker.Value(), picker.displayFormat()), std::pair(QDate(2031, 2, 28), QString("dd MMMM yyyy")));
    QSignalSpy spy(&picker, &QDateEdit::dateChanged);
    picker.setValue(QDate(2006, 3, 9)); // a Thursday
    picker.setValue(QDate(2006, 3, 9));
    EXPECT_EQ((std::vector<int> {picker.Day(), picker.Month(), picker.Year(), picker.DayOfWeek(),
                  weekdayNumber(QDate(2005, 11, 6)), weekdayNumber(QDate(2005, 11, 5)), int(spy.count())}),
        (std::vector<int> {9, 3, 2006, 5, 1, 7, 1})); // weekdays count from Sunday; one signal for one change
    for (const auto &[set, held] :
        {std::pair(QDate(1949, 12, 31), QDate(1950, 1, 1)), {QDate(2051, 1, 1), QDate(2050, 12, 31)}}) {
        picker.setValue(set);
        EXPECT_EQ(picker.Value(), held);
    }
}
