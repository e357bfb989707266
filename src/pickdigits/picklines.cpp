#include "pickdigits/picklines.h"

#include "gamedata/rnd.h"

#include <algorithm>

namespace vx {

namespace {
size_t usedDigits(int pickType)
{
    return pickType == 4 ? 4 : 3;
}
} // namespace

bool isPickType(int pickType)
{
    return pickType == 3 || pickType == 4;
}

std::optional<int16_t> parsePickDigit(const QString &text)
{
    const QString digit = text.trimmed();
    if (digit.size() != 1 || digit.at(0) < QLatin1Char('0') || digit.at(0) > QLatin1Char('9'))
        return std::nullopt;
    return static_cast<int16_t>(digit.at(0).unicode() - u'0');
}

QString pickLineText(const PickLine &line, int pickType)
{
    QStringList digits;
    for (size_t i = 0; i < usedDigits(pickType); ++i)
        digits << QString::number(line[i]);
    return digits.join(QLatin1Char(' '));
}

bool isSoundPickLine(const PickLine &line, int pickType)
{
    for (size_t i = 0; i < usedDigits(pickType); ++i)
        if (line[i] < 0 || line[i] > 9)
            return false;
    return true;
}

bool isStraight(const PickLine &line, const PickLine &draw, int pickType)
{
    const size_t n = usedDigits(pickType);
    return std::equal(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(n), draw.begin());
}

bool isBox(const PickLine &line, const PickLine &draw, int pickType)
{
    const auto n = static_cast<std::ptrdiff_t>(usedDigits(pickType));
    return std::is_permutation(line.begin(), line.begin() + n, draw.begin(), draw.begin() + n);
}

PickWin checkPickLine(const PickLine &line, const PickLine &draw, int pickType)
{
    if (isStraight(line, draw, pickType))
        return PickWin::Straight;
    if (isBox(line, draw, pickType))
        return PickWin::Box;
    return PickWin::None;
}

QString winningLineText(const PickLine &line, PickWin win, int pickType)
{
    switch (win) {
    case PickWin::Straight:
        return pickLineText(line, pickType) + QStringLiteral(" STRAIGHT");
    case PickWin::Box:
        return pickLineText(line, pickType) + QStringLiteral(" BOX");
    case PickWin::None:
        break;
    }
    return pickLineText(line, pickType);
}

PickLine randomPickLine(int pickType)
{
    PickLine line {};
    for (size_t i = 0; i < usedDigits(pickType); ++i)
        line[i] = static_cast<int16_t>(std::min(9, static_cast<int>(Rnd() * 10.0f)));
    return line;
}

} // namespace vx
