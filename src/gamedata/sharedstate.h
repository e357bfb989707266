#pragma once

#include "gamedata/gamedefinition.h"
#include "gamedata/gamerules.h"

#include <QString>
#include <array>
#include <cstdint>

// The values the windows share, in four small structs. The main window owns one of each and
// hands windows what they use through their constructors; a test builds the one it needs.
namespace vx {

// Month 1 to 12 at its own index; index 0 unused.
using MonthNameTable = std::array<QString, 13>;

// Set once by the main window's start-up.
struct StartupValues {
    QString AppFolder; // folder of the program file, no trailing separator
    QString HelpFile; // AppFolder + "/Calvenor.chm"
    MonthNameTable MonthNames; // the locale's abbreviations, upper case
    QString CalendarText; // last month text delivered by the locale reader
    bool PrintingEnabled = false;
    bool HistoryListFull = false; // the last history check listed less than it counted
};

// The game selected in the main window. Everything but its number and file comes from the
// game's definition, in one place (fromDefinition).
struct CurrentGame {
    int16_t GameNumber = 0;
    QString GameFile; // "game1.dat" ... "game6.dat", space-padded to 12
    QString GameName;
    int16_t MainDrawn = 0;
    int16_t BonusDrawn = 0;
    int16_t MainPool = 0;
    int16_t BonusSource = 0;
    int16_t BonusPool = 0;
    int16_t MainPicked = 0;
    int16_t BonusPicked = 0;
    std::array<int16_t, 16> WinLines {}; // 1 to 15
    std::array<int16_t, 8> DrawDays {}; // 1 = Sunday ... 7 = Saturday
    int16_t BallColour = 0;
    QString BonusTag;
    QString BonusName;

    // A defined game: its values, with a bonus name (and tag) filled in when none is stored.
    static CurrentGame fromDefinition(int16_t gameNumber, const GameDefinition &definition);

    CheckRules checkRules() const;
    EntryRules entryRules() const;
    ResultRules resultRules() const;
    SuggestionGame suggestionGame() const;
};

// The files and the draw shown in the main window.
struct MainWindowFiles {
    QString EntryFile; // full path of the entry file listed, empty when none
    QString HistoryFile; // full path of the current game's history file
    int16_t OpenWheelType = 0;
    int16_t DrawRecord = 0;
    std::array<int16_t, 10> DrawnBalls {}; // 1 to 7 main balls, 8 and 9 the extras
    int16_t EditRecord = 0;
};

// What the main window hands to tool windows, and what they hand back.
struct ToolWindowValues {
    int16_t PickType = 3;
    QString WheelGameName;
    QString WheelHistoryName;
    QString WheelListName;
    int16_t WheelMaxBall = 0;
    int16_t WheelBonusMode = 0;
};

// The locale's abbreviation of month n (1 to 12), empty for any other n.
QString MonthName(const MonthNameTable &names, int n);

// The folder, a separator and the file name. A name that would lead out of the folder (a
// separator inside it) has its separators replaced, so damaged names stay harmless. The result
// is always a file-system path: a name such as ":game" never names a Qt resource.
QString dataPath(const QString &appFolder, const QString &fileName);

} // namespace vx
