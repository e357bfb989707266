#pragma once

// What the tests of the main window share: its widgets, a prepared folder and the messages shown.
#include "app/form1.h"
#include "platform/datepicker.h"
#include "platform/messages.h"
#include "support/mainwindowfixture.h"

#include <QtWidgets>

namespace vx::test {

using platform::MessageScript::answer;
using platform::MessageScript::last;

// "Lotto": 6 of 49, one extra of its own 10, tag "PB"; "Daily": 5 of 39, no extra; "Super": 7 of
// 50, two extras from the main pool, tag "EB".
inline void writeThreeGames(const TestFolder &folder)
{
    writeGame(folder, 1, makeGame("Lotto", 6, 1, 49, 0, 10, 1, "PB"));
    writeGame(folder, 2, makeGame("Daily", 5, 0, 39, 2, 0, 0));
    writeGame(folder, 3, makeGame("Super", 7, 2, 50, 1, 0, 0, "EB"));
}

// Messages other than the printer lookup's, which depends on the machine.
inline QStringList programMessages()
{
    QStringList result;
    for (const QString &m : platform::MessageScript::shown())
        if (!m.contains("no printer drivers"))
            result << m;
    return result;
}

inline int visibleBalls(const Form1 &f)
{
    return static_cast<int>(std::count_if(f.Image2.begin(), f.Image2.end(), [](QLabel *b) { return b->isVisible(); }));
}

} // namespace vx::test
