#include "gamedata/numberlines.h"

namespace vx {

QString twoDigits(int number)
{
    return number < 10 ? QStringLiteral("0") + QString::number(number) : QString::number(number);
}

QString entryLineText(const std::array<int16_t, 9> &n, const QString &tag)
{
    QString line;
    line.reserve(40);
    for (size_t i = 0; i < 7; ++i) {
        if (n[i] > 0) {
            line += twoDigits(n[i]);
            line += QLatin1Char(' ');
        }
    }
    if (n[7] > 0)
        line += tag + QLatin1Char(' ') + twoDigits(n[7]) + QLatin1Char(' ');
    if (n[8] > 0)
        line += tag + QLatin1Char(' ') + twoDigits(n[8]);
    return line;
}

QString checkedLineText(const std::array<int16_t, 7> &b, int16_t extra, const QString &suffix, const QString &tag)
{
    QString line;
    line.reserve(40);
    for (size_t i = 0; i < 3; ++i)
        line += twoDigits(b[i]) + QLatin1Char(' ');
    for (size_t i = 3; i < 6; ++i) {
        if (b[i] > 0)
            line += twoDigits(b[i]) + QLatin1Char(' ');
    }
    if (b[6] > 0)
        line += twoDigits(b[6]);
    if (extra > 0)
        line += tag + QLatin1Char(' ') + twoDigits(extra);
    line += suffix;
    return line;
}

} // namespace vx
