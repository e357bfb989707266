#pragma once

#include "gamedata/numbersfile.h"

#include <QDate>
#include <QString>
#include <optional>

namespace vx {

// The results list's line of one history record, in fixed columns: the record number as five
// digits, day, month and year, a colon, then Main 1 to 3 always and Main 4 to 7 when above 0 (a
// blank and two digits each), then the first extra after the tag and the second extra without it,
// followed by a blank: "00012 05 11 2005: 03 05 07 12 22 40 BB 11".
QString resultsListLine(const NumbersRecord &record, const QString &bonusTag);

// The draw date of a history record; none when its day, month and year name no calendar date.
std::optional<QDate> resultDate(const NumbersRecord &record);

} // namespace vx
