#include "gamedata/monthnames.h"

namespace vx {

std::array<QString, 13> processMonthNames(const QStringList &abbreviations, QString *calendarText)
{
    std::array<QString, 13> names;
    QString text;
    for (int k = 1; k <= 12; ++k) {
        if (k - 1 < abbreviations.size() && !abbreviations.at(k - 1).isEmpty())
            text = abbreviations.at(k - 1);
        const qsizetype dot = text.indexOf(QLatin1Char('.'));
        if (dot >= 0)
            text = text.left(dot);
        names[static_cast<size_t>(k)] = text.toUpper();
    }
    if (calendarText)
        *calendarText = text;
    return names;
}

} // namespace vx
