#pragma once

#include <QStringList>
#include <optional>

namespace vx::platform {

// The abbreviated month names of the user's locale (the C library's locale data for LC_TIME under
// the user's environment), months 1 to 12 in order, as the locale spells them ("janv.", "févr.").
// A locale that is not installed gives the names of the default ("C") locale, as the C library
// itself falls back to it; empty only when no month names can be read at all.
std::optional<QStringList> SystemAbbreviatedMonthNames();

// Tests replace the locale's names; std::nullopt brings back the real locale.
void SetMonthNamesForTesting(std::optional<QStringList> names);
// Tests can make the locale unreadable.
void SetLocaleUnreadableForTesting(bool unreadable);

} // namespace vx::platform
