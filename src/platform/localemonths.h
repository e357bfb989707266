#pragma once

#include <QStringList>
#include <optional>

namespace vx::platform {

// The abbreviated month names of the user's locale (the C library's locale data for LC_TIME under
// the user's environment), months 1 to 12 in order, as the locale spells them ("janv.", "févr.").
// A locale that is not installed gives the names of the default ("C") locale, as the C library
// itself falls back to it; empty only when no month names can be read at all. A TestMode
// (testmode.h) gives names of its own.
std::optional<QStringList> SystemAbbreviatedMonthNames();

} // namespace vx::platform
