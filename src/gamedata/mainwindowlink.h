#pragma once

#include "gamedata/numbersfile.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace vx {

// What a window opened from the main window may ask of it. The main window implements it; tool
// windows get it through their constructors and never touch the main window's controls.
class MainWindowLink
{
public:
    // Entry panel
    virtual void appendEntryLines(const QStringList &lines) = 0; // at the end of the entry list
    virtual void replaceEntryLine(int row, const QString &line) = 0; // and select it
    virtual void setEntryCount(int count) = 0; // the count box, with its leading blank
    virtual double entryCountShown() const = 0; // the number in the count box
    virtual void refreshEntryPanel() = 0; // list the entries of the entry date again
    virtual void clearEntryDisplay() = 0; // no entry file, no entries, no shown draw
    virtual void closeEntryFile() = 0; // no entry file and no entries; the shown draw stays

    // Draw panel
    virtual void showDraw(const NumbersRecord &record) = 0; // the balls of a draw record
    virtual void refreshDrawPanel() = 0; // find and show the draw of the draw date again
    // A new draw date, which shows its draw; a date the draw date cannot take changes nothing.
    virtual void setDrawDate(const QDate &date) = 0;

    // Winning lines
    virtual void clearWinningLines() = 0;

    // A printer was chosen while printing was off: printing is on again and the two Print buttons
    // are enabled (the ticket printing menu waits for the next start).
    virtual void printingEnabledAgain() = 0;

protected:
    ~MainWindowLink() = default;
};

} // namespace vx
