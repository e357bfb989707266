#pragma once

#include <QString>
#include <cstdint>

namespace vx {

// The number a typed box holds: the number at the start of its text (blanks before it are
// skipped; a sign, digits, a decimal point and an exponent are read as far as they go). Text that
// does not start with a number gives 0.
double BoxValue(const QString &text);

// Rounds to the nearest integer, a half to the even neighbour.
double RoundHalfEven(double value);

// RoundHalfEven into a 16-bit integer; values beyond the 16-bit range are held at its ends, so
// callers that must refuse them test FitsInt16 first.
int16_t RoundToInt16(double value);
bool FitsInt16(double value); // true when RoundHalfEven(value) is a 16-bit integer

} // namespace vx
