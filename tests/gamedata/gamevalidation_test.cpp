#include "gamedata/gameediting.h"
#include "gamedata/gamevalidation.h"
#include "support/testfolder.h"

#include <QDir>
#include <QStringList>
#include <gtest/gtest.h>

using namespace vx;

// The refusals in the order the checks run; 0 is a definition that may be saved.
const char *const Messages[] = {"", "You must enter a Game Name",
    "You must only use letters in the game name - spaces not allowed!",
    "The number of Main Balls in Draw Result must be between 3 and 7",
    "For a Pick 3 game you must have at least one bonus ball from its own pool",
    "The number of Balls in Main Pool is always greater then the number of balls in draw result!",
    "60 is the maximum number of Balls in Main Pool!", "60 is the maximum number of Balls in Bonus Pool!",
    "Maximum number of bonus balls in draw result is 2 (options are: 0, 1 or 2)",
    "You cannot have no bonus ball in draw result and [No] selected. If there is no bonus/extra ball used in the game "
    "select [Bonus Not Used in Draw]",
    "You cannot have no bonus ball in draw result and [Yes] selected. If there is no bonus/extra ball used in the game "
    "select [Bonus Not Used in Draw]",
    "You cannot have a bonus ball in draw result and [Bonus Not Used in Draw] selected.",
    "If the bonus ball is picked from the main ball pool then you must select [Yes].",
    "If there is a bonus ball pool, you must slect [No] to indicate that the bonus/extra ball is not picked from the "
    "main ball pool.",
    "If there is a bonus ball pool, you must have a number of bonus balls in draw result.",
    "The number of main balls in draw result must be the same as the number of main balls picked for entry!.",
    "If no bonus ball is picked for the entry, you cannot have a bonus ball pool.",
    "Only one bonus ball picked for entry is currently allowed.",
    "You cannot have a bonus/extra ball picked for entry, but none in the draw result.",
    "The numbers of bonus balls cannot be negative."};

TEST(GameValidation, TheFirstFailingCheckGivesItsMessage)
{
    // Name, main balls drawn, bonus balls drawn, main pool, bonus pool, main and bonus picked, the bonus source
    // selected (0 No, 1 Yes, 2 Bonus Not Used in Draw, -1 none), the message.
    const char *const rows[] = {"Lotto,6,1,49,0,6,0,1,0", "  Lotto6 ,5,1,59,26,5,1,0,0", "Lotto,3,1,9,9,3,1,0,0",
        "Lotto,6,0,60,0,6,0,2,0", "Lotto,6,2,7,0,6,1,2,0", "Lotto,5,1,59,60,5,1,0,0", "   ,9,1,49,0,6,0,1,1",
        "Lotto 6,9,1,49,0,6,0,1,2", "Lotto-6,6,1,49,0,6,0,1,2", "Lotté,6,1,49,0,6,0,1,2", "Lotto,8,1,49,0,6,0,1,3",
        "Lotto,x,1,49,0,6,0,1,3", "Lotto,2.5,1,49,0,6,0,1,3", "Lotto,3,1,2,0,3,0,1,4", "Lotto,6,1,6,0,6,0,1,5",
        "Lotto,6.6,1,7,0,6.6,0,1,5", "Lotto,6,1,61,0,6,0,1,6", "Lotto,5,1,59,61,5,1,0,7", "Lotto,6,3,49,0,6,0,1,8",
        "Lotto,6,0,49,0,6,0,0,9", "Lotto,5,0,59,26,5,1,0,9" /* so check 14 is never reached */,
        "Lotto,6,0,49,0,6,0,1,10", "Lotto,6,1,49,0,6,0,2,11", "Lotto,6,1,49,0,6,0,0,12", "Lotto,6,1,49,0,6,0,-1,12",
        "Lotto,5,1,59,26,5,1,1,13", "Lotto,5,2,59,26,5,1,2,13", "Lotto,6,1,49,0,5,0,1,15", "Lotto,5,1,59,26,5,0,0,16",
        "Lotto,5,1,59,26,5,2,0,17", "Lotto,6,0,49,0,6,1,2,18", "Lotto,6,-1,49,0,6,0,2,19", "Lotto,6,0,49,-5,6,0,2,19",
        "Lotto,6,0,49,0,6,-1,2,19"};
    for (const char *row : rows) {
        const QStringList f = QString::fromUtf8(row).split(',');
        EXPECT_EQ(checkGameDefinition({f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7].toInt()}).toStdString(),
            Messages[f[8].toInt()])
            << row;
    }
}

TEST(GameEditing, AmendingWithoutANameOrWithWildcardsDeletesOnlyTheDefinition)
{
    vx::test::TestFolder folder;
    for (const char *name : {"game1.dat", ".rtl", "Lotto05JAN2005.lot", "StandLotto.lot", "Pick3.lot"})
        folder.writeBytes(name, "x");
    EXPECT_EQ(deleteAmendedGameFiles(folder.path(), "game1.dat", ""), QStringList());
    EXPECT_EQ(deleteAmendedGameFiles(folder.path(), "game1.dat", "*"), QStringList()); // plain text, not a pattern
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
        QStringList({".rtl", "Lotto05JAN2005.lot", "Pick3.lot", "StandLotto.lot"}));
}
