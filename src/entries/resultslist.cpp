#include "entries/resultslist.h"

#include "gamedata/numberlines.h"

namespace vx {

QString resultsListLine(const NumbersRecord &record, const QString &bonusTag)
{
    QString line = QStringLiteral("%1").arg(record.number, 5, 10, QLatin1Char('0'));
    line += QLatin1Char(' ') + twoDigits(record.day) + QLatin1Char(' ') + twoDigits(record.month) + QLatin1Char(' ')
        + QString::number(record.year) + QLatin1Char(':');
    for (size_t i = 0; i < record.main.size(); ++i)
        if (i < 3 || record.main[i] > 0)
            line += QLatin1Char(' ') + twoDigits(record.main[i]);
    if (record.extra[0] > 0)
        line += QLatin1Char(' ') + bonusTag + QLatin1Char(' ') + twoDigits(record.extra[0]);
    if (record.extra[1] > 0)
        line += QLatin1Char(' ') + twoDigits(record.extra[1]) + QLatin1Char(' ');
    return line;
}

std::optional<QDate> resultDate(const NumbersRecord &record)
{
    const QDate date(record.year, record.month, record.day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

} // namespace vx
