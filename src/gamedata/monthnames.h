#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace vx {

// Turns the locale's twelve abbreviations into the month-name table (index 1 to 12): each is cut
// before its first "." and upper-cased. A month for which the locale gives no text takes the text
// of the month before it (month 1: the empty string). calendarText receives the last text.
std::array<QString, 13> processMonthNames(const QStringList &abbreviations, QString *calendarText = nullptr);

} // namespace vx
