#pragma once

// What the window tests of the main window share: its widgets, and a prepared application folder.
#include "app/form1.h"
#include "gamedata/numbersfile.h"
#include "gamedata/sharedstate.h"
#include "platform/datepicker.h"
#include "platform/messages.h"
#include "support/mainwindowfixture.h"
#include "support/testfolder.h"

#include <QAction>
#include <QDate>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace vx::test {

// The games of a prepared application folder (games 4 to 6 undefined):
//   game 1 "Lotto": 6 main balls of 49, one extra from its own pool of 10, tag "PB", red mains;
//   game 2 "Daily": 5 main balls of 39, no extra, white mains;
//   game 3 "Super": 7 main balls of 50, two extras from the main pool, tag "EB".
inline GameDefinition dailyGame()
{
    GameDefinition g = makeGame(QStringLiteral("Daily"), 5, 0, 39, 2, 0, 0);
    g.ballColour = 0;
    return g;
}

inline GameDefinition superGame()
{
    return makeGame(QStringLiteral("Super"), 7, 2, 50, 1, 0, 0, QStringLiteral("EB"));
}

inline void writeThreeGames(const TestFolder &folder)
{
    writeGame(folder, 1, makeGame(QStringLiteral("Lotto"), 6, 1, 49, 0, 10, 1, QStringLiteral("PB")));
    writeGame(folder, 2, dailyGame());
    writeGame(folder, 3, superGame());
}

// A history of Lotto: 9 March 2006, two results on 10 March 2006 (the first one counts), and
// 12 March 2006 with a ball of a damaged record outside the pool.
inline void writeLottoHistory(const TestFolder &folder)
{
    writeNumbersFile(folder.file(QStringLiteral("Lotto.rtl")),
        { drawRecord(2006, 3, 9, { 1, 2, 3, 4, 5, 6 }, { 7 }),
            drawRecord(2006, 3, 10, { 10, 11, 12, 13, 14, 15 }, { 8 }),
            drawRecord(2006, 3, 10, { 20, 21, 22, 23, 24, 25 }, { 9 }),
            drawRecord(2006, 3, 12, { 75, 2, 3, 4, 5, 6 }, { 99 }) },
        true);
}

// Entries of Lotto for 9 March 2006.
inline void writeLottoEntries(const TestFolder &folder)
{
    writeNumbersFile(folder.file(QStringLiteral("Lotto09MAR2006.lot")),
        { entryRecord({ 1, 2, 3, 4, 5, 6 }, 7), entryRecord({ 3, 15, 22, 31, 40, 41 }),
            entryRecord({ 5, 9, 10, 23, 44, 49 }, 2) });
}

// The dated entry file name under the test month names (JAN ... DEC).
inline QString englishEntryName(const QString &game, const QDate &date)
{
    return game + QLocale::c().toString(date, QStringLiteral("ddMMMyyyy")).toUpper() + QStringLiteral(".lot");
}

// Messages other than the printer lookup's, which depends on the machine.
inline QStringList programMessages()
{
    QStringList result;
    for (const QString &m : platform::MessageScript::shown())
        if (!m.contains(QStringLiteral("no printer drivers")))
            result << m;
    return result;
}

// True when the label shows exactly this picture.
inline bool showsPicture(const QLabel *label, const QPixmap &picture)
{
    return label->pixmap().toImage() == picture.toImage();
}

} // namespace vx::test
