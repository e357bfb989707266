#pragma once

#include "gamedata/mainwindowlink.h"

#include <QStringList>

namespace vx::test {

// A main window that only records what tool windows ask of it.
class FakeMainWindow : public MainWindowLink
{
public:
    void appendEntryLines(const QStringList &lines) override { entryLines << lines; }
    void replaceEntryLine(int row, const QString &line) override
    {
        if (row >= 0 && row < entryLines.size())
            entryLines[row] = line;
        selectedRow = row;
    }
    void setEntryCount(int count) override { entryCount = count; }
    double entryCountShown() const override { return entryCount; }
    void refreshEntryPanel() override { ++entryRefreshes; }
    void clearEntryDisplay() override { entryLines.clear(); }
    void showDraw(const NumbersRecord &record) override { shownDraw = record; }
    void refreshDrawPanel() override { ++drawRefreshes; }
    void clearWinningLines() override { ++winningLinesCleared; }
    void enableAgain(bool show = true) override
    {
        ++enabled;
        shown = show;
    }

    QStringList entryLines;
    int selectedRow = -1;
    int entryCount = 0;
    int entryRefreshes = 0;
    int drawRefreshes = 0;
    int winningLinesCleared = 0;
    NumbersRecord shownDraw;
    int enabled = 0;
    bool shown = false;
};

} // namespace vx::test
