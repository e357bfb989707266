#pragma once

#include <QString>
#include <array>
#include <cstdint>

// The process-wide values that the windows share: the application folder, the current game, the
// files open in the main window, the values handed to tool windows and the closed flags. One set
// for the whole program, as the program has one main window and one current game.
namespace vx {

// Start-up
inline QString AppFolder; // folder of the program file, no trailing separator
inline QString HelpFile; // AppFolder + "/Calvenor.chm"
inline std::array<QString, 13> MonthNames; // 1 to 12; the locale's abbreviations, upper case
inline QString CalendarText; // last month text delivered by the locale reader
inline bool PrintingEnabled = false;
inline bool HistoryListFull = false;

// Current game, loaded from its definition by game selection
inline int16_t GameNumber = 0;
inline QString GameFile; // "game1.dat" ... "game6.dat", space-padded to 12
inline QString GameName;
inline int16_t MainDrawn = 0;
inline int16_t BonusDrawn = 0;
inline int16_t MainPool = 0;
inline int16_t BonusSource = 0;
inline int16_t BonusPool = 0;
inline int16_t MainPicked = 0;
inline int16_t BonusPicked = 0;
inline std::array<int16_t, 16> WinLines {}; // 1 to 15
inline std::array<int16_t, 8> DrawDays {}; // 1 = Sunday ... 7 = Saturday
inline int16_t BallColour = 0;
inline QString BonusTag;
inline QString BonusName;

// Files shown in the main window
inline QString EntryFile; // full path of the entry file listed, empty when none
inline QString HistoryFile; // full path of the current game's history file
inline int16_t OpenWheelType = 0;

// Draw panel
inline int16_t DrawRecord = 0;
inline std::array<int16_t, 10> DrawnBalls {}; // 1 to 7 main balls, 8 and 9 the extras
inline int16_t EditRecord = 0;

// Pick 3 / Pick 4
inline int16_t PickType = 3;

// Handed to the wheel windows
inline QString WheelGameName;
inline QString WheelHistoryName;
inline QString WheelListName;
inline int16_t WheelMaxBall = 0;
inline int16_t WheelBonusMode = 0;

// Tool-window and cancel conventions
inline bool ChildClosed = false;
inline bool ToolClosed = false;
inline bool OptimizerClosed = false;
inline bool ResultsListOpen = false;
inline bool StopFlag = false;
inline bool ImportedToShown = false;
inline bool OptimizerAddedToShown = false;

// Puts every value above back to its start-up state (tests).
void resetSharedState();

// The locale's abbreviation of month n (1 to 12), empty for any other n.
QString MonthName(int n);

// AppFolder, a separator and the file name. A name that would lead out of the application
// folder (a separator inside it) has its separators replaced, so damaged names stay harmless.
QString dataPath(const QString &fileName);

} // namespace vx
