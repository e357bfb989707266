#include "gamedata/sharedstate.h"

namespace vx {

void resetSharedState()
{
    AppFolder.clear();
    HelpFile.clear();
    MonthNames = {};
    CalendarText.clear();
    PrintingEnabled = false;
    HistoryListFull = false;

    GameNumber = 0;
    GameFile.clear();
    GameName.clear();
    MainDrawn = BonusDrawn = MainPool = BonusSource = BonusPool = MainPicked = BonusPicked = 0;
    WinLines = {};
    DrawDays = {};
    BallColour = 0;
    BonusTag.clear();
    BonusName.clear();

    EntryFile.clear();
    HistoryFile.clear();
    OpenWheelType = 0;
    DrawRecord = 0;
    DrawnBalls = {};
    EditRecord = 0;
    PickType = 3;

    WheelGameName.clear();
    WheelHistoryName.clear();
    WheelListName.clear();
    WheelMaxBall = 0;
    WheelBonusMode = 0;

    ChildClosed = ToolClosed = OptimizerClosed = ResultsListOpen = StopFlag = false;
    ImportedToShown = OptimizerAddedToShown = false;
}

QString MonthName(int n)
{
    if (n < 1 || n > 12)
        return QString();
    return MonthNames[static_cast<size_t>(n)];
}

QString dataPath(const QString &fileName)
{
    QString name = fileName;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    name.replace(QLatin1Char('\\'), QLatin1Char('_'));
    return AppFolder + QLatin1Char('/') + name;
}

} // namespace vx
