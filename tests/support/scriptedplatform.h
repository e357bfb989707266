#pragma once

#include <QDate>
#include <QString>

namespace vx::test {

// The date the clock stands at while the platform is scripted, ten in the morning: no test depends on
// the day it runs. No test sets a date picker to it, so setting one always changes the date.
inline const QDate ScriptedToday {2026, 3, 17};

// Puts the platform layer in its test state for a program folder: messages, file choosers and
// downloads scripted, sounds recorded, the end of the program only recorded, and the English month
// names (JAN ... DEC) so dated entry files are named alike on every machine; the clock stands still at
// ScriptedToday.
void beginScriptedPlatform(const QString &programFolder);
void endScriptedPlatform(); // back to the real platform

} // namespace vx::test
