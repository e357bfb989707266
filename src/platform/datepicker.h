#pragma once

#include <QDateEdit>

namespace vx::platform {

// The date picker of the program's windows: shows "dd MMMM yyyy" (day, full month name, four-digit
// year) and accepts 1 January 1950 to 31 December 2050. Its Change signal is dateChanged, which
// fires whenever the date changes, whether the player or the program changed it.
class DatePicker : public QDateEdit
{
    Q_OBJECT
public:
    explicit DatePicker(QWidget *parent = nullptr);

    int Day() const;
    int Month() const;
    int Year() const;
    int DayOfWeek() const; // 1 = Sunday ... 7 = Saturday
    QDate Value() const;
    void setValue(const QDate &date);
};

// Weekday number of a date, 1 = Sunday ... 7 = Saturday.
int weekdayNumber(const QDate &date);

} // namespace vx::platform
