#pragma once

// What the tests of the main window share: its widgets, a prepared folder and the messages shown.
#include "app/form1.h"
#include "platform/datepicker.h"
#include "platform/messages.h"
#include "support/mainwindowfixture.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace vx::test {

using platform::MessageScript::answer;
using platform::MessageScript::last;

// Game 1 "Lotto": 6 of 49 and one extra of its own 10, tag "PB", red mains; game 2 "Daily": 5 of
// 39, no extra, white mains; game 3 "Super": 7 of 50 and two extras from the main pool, tag "EB".
inline GameDefinition daily()
{
    GameDefinition g = makeGame("Daily", 5, 0, 39, 2, 0, 0);
    g.ballColour = 0;
    return g;
}

inline void writeThreeGames(const TestFolder &folder)
{
    writeGame(folder, 1, makeGame("Lotto", 6, 1, 49, 0, 10, 1, "PB"));
    writeGame(folder, 2, daily());
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

inline bool showsPicture(const QLabel *label, const QPixmap &picture)
{
    return label->pixmap().toImage() == picture.toImage();
}

} // namespace vx::test
