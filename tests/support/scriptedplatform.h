#pragma once

#include "platform/testmode.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

namespace vx::test {

// The date the clock stands at while the platform is scripted, ten in the morning: no test depends on
// the day it runs. No test sets a date picker to it, so setting one always changes the date.
inline const QDate ScriptedToday {2026, 3, 17};
inline const QDateTime ScriptedNow {ScriptedToday, QTime(10, 0)};

// The platform's test mode standing now (the MainWindowTest fixture's, or the one a test made): its
// scripted answers and its records of what the program showed, asked, fetched, opened, started and
// played. A test that calls this with none standing fails.
platform::TestMode &testMode();

} // namespace vx::test
