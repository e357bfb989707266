#include "gamedata/boxvalue.h"

#include <cmath>
#include <limits>
#include <string>

namespace vx {

double BoxValue(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto at = [&](qsizetype k) { return k < n ? text.at(k).unicode() : char16_t(0); };
    while (at(i) == u' ' || at(i) == u'\t')
        ++i;

    std::string number;
    if (at(i) == u'+' || at(i) == u'-')
        number += static_cast<char>(at(i++));
    bool digits = false;
    while (at(i) >= u'0' && at(i) <= u'9') {
        number += static_cast<char>(at(i++));
        digits = true;
    }
    if (at(i) == u'.') {
        number += '.';
        ++i;
        while (at(i) >= u'0' && at(i) <= u'9') {
            number += static_cast<char>(at(i++));
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    if (at(i) == u'e' || at(i) == u'E' || at(i) == u'd' || at(i) == u'D') {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (at(j) == u'+' || at(j) == u'-')
            exponent += static_cast<char>(at(j++));
        bool expDigits = false;
        while (at(j) >= u'0' && at(j) <= u'9') {
            exponent += static_cast<char>(at(j++));
            expDigits = true;
        }
        if (expDigits)
            number += exponent;
    }
    const double value = std::strtod(number.c_str(), nullptr);
    return std::isfinite(value)
        ? value
        : (value > 0 ? std::numeric_limits<double>::max() : std::numeric_limits<double>::lowest());
}

double RoundHalfEven(double value)
{
    return std::nearbyint(value); // the default rounding mode is to nearest, ties to even
}

bool FitsInt16(double value)
{
    const double r = RoundHalfEven(value);
    return r >= std::numeric_limits<int16_t>::min() && r <= std::numeric_limits<int16_t>::max();
}

int16_t RoundToInt16(double value)
{
    const double r = RoundHalfEven(value);
    if (r <= std::numeric_limits<int16_t>::min())
        return std::numeric_limits<int16_t>::min();
    if (r >= std::numeric_limits<int16_t>::max())
        return std::numeric_limits<int16_t>::max();
    return static_cast<int16_t>(r);
}

} // namespace vx
