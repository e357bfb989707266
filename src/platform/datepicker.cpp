#include "platform/datepicker.h"

#include "platform/clock.h"

namespace vx::platform {

int weekdayNumber(const QDate &date)
{
    // Qt counts Monday = 1 ... Sunday = 7.
    return date.dayOfWeek() % 7 + 1;
}

DatePicker::DatePicker(QWidget *parent)
    : QDateEdit(parent)
{
    setDisplayFormat(QStringLiteral("dd MMMM yyyy"));
    setDateRange(QDate(1950, 1, 1), QDate(2050, 12, 31));
    setCalendarPopup(true);
    setDate(CurrentDate());
}

int DatePicker::Day() const
{
    return date().day();
}

int DatePicker::Month() const
{
    return date().month();
}

int DatePicker::Year() const
{
    return date().year();
}

int DatePicker::DayOfWeek() const
{
    return weekdayNumber(date());
}

QDate DatePicker::Value() const
{
    return date();
}

void DatePicker::setValue(const QDate &value)
{
    setDate(value);
}

} // namespace vx::platform
