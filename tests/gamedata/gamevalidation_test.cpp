#include "gamedata/gameediting.h"
#include "gamedata/gamevalidation.h"
#include "support/testfolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace vx;
using namespace vx::test;

void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

const QString Msg1 = "You must enter a Game Name";
const QString Msg2 = "You must only use letters in the game name - spaces not allowed!";
const QString Msg3 = "The number of Main Balls in Draw Result must be between 3 and 7";
const QString Msg4 = "For a Pick 3 game you must have at least one bonus ball from its own pool";
const QString Msg5 = "The number of Balls in Main Pool is always greater then the number of balls in draw result!";
const QString Msg6 = "60 is the maximum number of Balls in Main Pool!";
const QString Msg7 = "60 is the maximum number of Balls in Bonus Pool!";
const QString Msg8 = "Maximum number of bonus balls in draw result is 2 (options are: 0, 1 or 2)";
const QString Msg9 = "You cannot have no bonus ball in draw result and [No] selected. If there is no bonus/extra ball "
                     "used in the game select [Bonus Not Used in Draw]";
const QString Msg10 = "You cannot have no bonus ball in draw result and [Yes] selected. If there is no bonus/extra "
                      "ball used in the game select [Bonus Not Used in Draw]";
const QString Msg11 = "You cannot have a bonus ball in draw result and [Bonus Not Used in Draw] selected.";
const QString Msg12 = "If the bonus ball is picked from the main ball pool then you must select [Yes].";
const QString Msg13 = "If there is a bonus ball pool, you must slect [No] to indicate that the bonus/extra ball is not "
                      "picked from the main ball pool.";
const QString Msg15 = "The number of main balls in draw result must be the same as the number of main balls picked "
                      "for entry!.";
const QString Msg16 = "If no bonus ball is picked for the entry, you cannot have a bonus ball pool.";
const QString Msg17 = "Only one bonus ball picked for entry is currently allowed.";
const QString Msg18 = "You cannot have a bonus/extra ball picked for entry, but none in the draw result.";

enum { No = 0, Yes = 1, NotUsed = 2 };

// 6 from 49 with one bonus ball drawn from the main pool: passes every check.
GameDefinitionInput lotto()
{
    GameDefinitionInput in;
    in.name = "Lotto";
    in.mainDrawn = "6";
    in.bonusDrawn = "1";
    in.mainPool = "49";
    in.bonusPool = "0";
    in.mainPicked = "6";
    in.bonusPicked = "0";
    in.bonusSource = Yes;
    return in;
}

// 5 from 59 with a Powerball from its own pool of 26, one picked per entry.
GameDefinitionInput powerball()
{
    GameDefinitionInput in = lotto();
    in.mainDrawn = in.mainPicked = "5";
    in.mainPool = "59";
    in.bonusPool = "26";
    in.bonusPicked = "1";
    in.bonusSource = No;
    return in;
}

} // namespace

TEST(GameValidation, ValidGamesPass)
{
    EXPECT_EQ(checkGameDefinition(lotto()), QString());
    EXPECT_EQ(checkGameDefinition(powerball()), QString());

    GameDefinitionInput pick3 = lotto(); // three main balls and a bonus from its own pool
    pick3.mainDrawn = pick3.mainPicked = "3";
    pick3.mainPool = "9";
    pick3.bonusPool = "9";
    pick3.bonusPicked = "1";
    pick3.bonusSource = No;
    EXPECT_EQ(checkGameDefinition(pick3), QString());

    GameDefinitionInput plain = lotto(); // no bonus ball at all
    plain.bonusDrawn = "0";
    plain.bonusSource = NotUsed;
    EXPECT_EQ(checkGameDefinition(plain), QString());
}

TEST(GameValidation, Names)
{
    GameDefinitionInput in = lotto();
    for (const char *name : { "", "   " }) {
        in.name = name;
        EXPECT_EQ(checkGameDefinition(in), Msg1) << name;
    }
    for (const char *name : { "Lotto 6", "Lotto-6", "Lotto_6", "Lotté", "Lo.tto" }) {
        in.name = QString::fromUtf8(name);
        EXPECT_EQ(checkGameDefinition(in), Msg2) << name;
    }
    for (const char *name : { "Lotto6", "6", "  Lotto  ", "EuroMillions" }) {
        in.name = name;
        EXPECT_EQ(checkGameDefinition(in), QString()) << name;
    }
    // The name comes before every count.
    in.name = "Lotto 6";
    in.mainDrawn = "9";
    EXPECT_EQ(checkGameDefinition(in), Msg2);
}

TEST(GameValidation, MainBallsAndPools)
{
    GameDefinitionInput in = lotto();
    for (const char *drawn : { "8", "2", "0", "", "x" }) {
        in.mainDrawn = drawn;
        EXPECT_EQ(checkGameDefinition(in), Msg3) << drawn;
    }

    // Pick 3 without an own bonus pool is refused before the pool sizes are looked at.
    in = lotto();
    in.mainDrawn = in.mainPicked = "3";
    in.mainPool = "2";
    EXPECT_EQ(checkGameDefinition(in), Msg4);

    in = lotto();
    in.mainPool = "6";
    EXPECT_EQ(checkGameDefinition(in), Msg5);
    in.mainPool = "5";
    EXPECT_EQ(checkGameDefinition(in), Msg5);
    in.mainPool = "7";
    EXPECT_EQ(checkGameDefinition(in), QString());
    in.mainPool = "61";
    EXPECT_EQ(checkGameDefinition(in), Msg6);
    in.mainPool = "60";
    EXPECT_EQ(checkGameDefinition(in), QString());

    in = powerball();
    in.bonusPool = "61";
    EXPECT_EQ(checkGameDefinition(in), Msg7);
    in.bonusPool = "60";
    EXPECT_EQ(checkGameDefinition(in), QString());

    in = lotto();
    in.bonusDrawn = "3";
    EXPECT_EQ(checkGameDefinition(in), Msg8);

    in = lotto();
    in.mainPicked = "5";
    EXPECT_EQ(checkGameDefinition(in), Msg15);
}

TEST(GameValidation, BonusSourceCombinations)
{
    GameDefinitionInput in = lotto();
    in.bonusDrawn = "0";
    in.bonusSource = No;
    EXPECT_EQ(checkGameDefinition(in), Msg9);
    in.bonusSource = Yes;
    EXPECT_EQ(checkGameDefinition(in), Msg10);

    // One bonus ball and no own pool: only [Yes] fits.
    in = lotto();
    in.bonusSource = No;
    EXPECT_EQ(checkGameDefinition(in), Msg12);
    in.bonusSource = NotUsed;
    EXPECT_EQ(checkGameDefinition(in), Msg11);
    in.bonusSource = Yes;
    EXPECT_EQ(checkGameDefinition(in), QString());
    in.bonusSource = -1;
    EXPECT_EQ(checkGameDefinition(in), Msg12);

    // Two bonus balls with [Bonus Not Used in Draw] passes checks 9 to 12 (and all the others here).
    in = lotto();
    in.bonusDrawn = "2";
    in.bonusSource = NotUsed;
    EXPECT_EQ(checkGameDefinition(in), QString());

    // An own bonus pool needs [No].
    in = powerball();
    in.bonusSource = Yes;
    EXPECT_EQ(checkGameDefinition(in), Msg13);
    in.bonusDrawn = "2";
    in.bonusSource = NotUsed;
    EXPECT_EQ(checkGameDefinition(in), Msg13);
    // An own pool with no bonus ball drawn: [No] with none drawn is already caught by the [No] rule.
    in = powerball();
    in.bonusDrawn = "0";
    EXPECT_EQ(checkGameDefinition(in), Msg9);
}

TEST(GameValidation, BonusPicks)
{
    GameDefinitionInput in = powerball();
    in.bonusPicked = "0";
    EXPECT_EQ(checkGameDefinition(in), Msg16);
    in.bonusPicked = "2";
    EXPECT_EQ(checkGameDefinition(in), Msg17);

    in = lotto();
    in.bonusDrawn = "0";
    in.bonusSource = NotUsed;
    in.bonusPicked = "1";
    EXPECT_EQ(checkGameDefinition(in), Msg18);

    // A bonus drawn from the main pool may be picked for an entry.
    in = lotto();
    in.bonusPicked = "1";
    EXPECT_EQ(checkGameDefinition(in), QString());
}

TEST(GameValidation, BoxValuesAreThoseThatWillBeStored)
{
    EXPECT_EQ(countBoxValue("49"), 49);
    EXPECT_EQ(countBoxValue(" 6x"), 6);
    EXPECT_EQ(countBoxValue(""), 0);
    EXPECT_EQ(countBoxValue("ab"), 0);
    EXPECT_EQ(countBoxValue("2.5"), 2);
    EXPECT_EQ(countBoxValue("3.5"), 4);
    EXPECT_EQ(countBoxValue("99999"), 32767);
    EXPECT_EQ(countBoxValue("-99999"), -32768);

    // 6.6 drawn from a pool of 7 would be stored as 7 from 7.
    GameDefinitionInput in = lotto();
    in.mainDrawn = in.mainPicked = "6.6";
    in.mainPool = "7";
    EXPECT_EQ(checkGameDefinition(in), Msg5);

    // Counts the other checks bound only from above must not be negative either.
    in = lotto();
    in.bonusDrawn = "-1";
    in.bonusSource = NotUsed;
    EXPECT_EQ(checkGameDefinition(in), "The numbers of bonus balls cannot be negative.");
    in.bonusDrawn = "0";
    in.bonusPicked = "-1";
    EXPECT_EQ(checkGameDefinition(in), "The numbers of bonus balls cannot be negative.");
    in.bonusPicked = "0";
    in.bonusPool = "-5";
    EXPECT_EQ(checkGameDefinition(in), "The numbers of bonus balls cannot be negative.");
}

TEST(GameEditing, DefinitionPageSetsNameAndCountsOnly)
{
    GameDefinition g = makeGame("Old", 5, 0, 40, 2, 0, 0, "PB");
    const GameDefinition before = g;
    GameDefinitionInput in = powerball();
    in.name = "  Powerball  ";
    applyGameDefinition(g, in);
    EXPECT_EQ(g.nameText(), "Powerball");
    EXPECT_EQ(QByteArray(g.name.data(), 12), QByteArray("Powerball   "));
    EXPECT_EQ(g.mainDrawn, 5);
    EXPECT_EQ(g.bonusDrawn, 1);
    EXPECT_EQ(g.mainPool, 59);
    EXPECT_EQ(g.bonusSource, 0);
    EXPECT_EQ(g.bonusPool, 26);
    EXPECT_EQ(g.mainPicked, 5);
    EXPECT_EQ(g.bonusPicked, 1);
    EXPECT_EQ(g.winLines, before.winLines);
    EXPECT_EQ(g.drawDays, before.drawDays);
    EXPECT_EQ(g.ballColour, before.ballColour);
    EXPECT_EQ(g.bonusTag, before.bonusTag);
    EXPECT_EQ(g.bonusName, before.bonusName);

    // No answer selected keeps the stored source; a count beyond 16 bits is held, not wrapped.
    in.bonusSource = -1;
    in.mainPool = "70000";
    applyGameDefinition(g, in);
    EXPECT_EQ(g.bonusSource, 0);
    EXPECT_EQ(g.mainPool, 32767);
}

TEST(GameEditing, Preferences)
{
    GameDefinition g = makeGame("Lotto", 6, 1, 49, 1, 0, 1, "EB");
    g.setBonusName("Star");
    g.ballColour = 0;

    PreferencesInput preset;
    preset.redMainBalls = true;
    preset.presetTag = "MB";
    EXPECT_EQ(applyPreferences(g, preset), QString());
    EXPECT_EQ(g.ballColour, 1);
    EXPECT_EQ(g.bonusTagText(), "MB");
    EXPECT_EQ(g.bonusNameText(), "          ");

    PreferencesInput other;
    other.otherTag = true;
    other.tag = "xy";
    other.name = "  Lucky Star ";
    EXPECT_EQ(applyPreferences(g, other), QString());
    EXPECT_EQ(g.ballColour, 0);
    EXPECT_EQ(g.bonusTagText(), "XY");
    EXPECT_EQ(g.bonusNameText(), "Lucky Star");

    // Refusals leave the record alone, ball colour included.
    const GameDefinition before = g;
    other.redMainBalls = true;
    other.tag = "x";
    EXPECT_EQ(applyPreferences(g, other),
        "You must enter a two character identity for the extra/bonus ball on your Preferences options");
    other.tag = " ab ";
    other.name = "   ";
    EXPECT_EQ(applyPreferences(g, other), "You must enter a name for the extra/bonus ball on your Preferences option");
    EXPECT_EQ(g, before);
}

TEST(GameEditing, UpdateWritesRecordOneOnly)
{
    TestFolder folder;
    writeGame(folder, 1, makeGame("Lotto", 6, 1, 49, 1, 0, 0));
    const GameFileSave saved = updateGameFile(folder.file("game1.dat"), [](GameDefinition &g) {
        g.ballColour = 0;
        return QString();
    });
    EXPECT_EQ(saved.status, GameFileSave::Status::Saved);
    const QByteArray bytes = folder.bytes("game1.dat");
    ASSERT_EQ(bytes.size(), 88);
    EXPECT_EQ(rawInt16(bytes, 74), 0);
    EXPECT_EQ(rawInt16(bytes, 16), 49);

    const GameFileSave refused = updateGameFile(folder.file("game1.dat"), [](GameDefinition &g) {
        g.mainPool = 1;
        return QStringLiteral("no");
    });
    EXPECT_EQ(refused.status, GameFileSave::Status::Refused);
    EXPECT_EQ(refused.message, "no");
    EXPECT_EQ(folder.bytes("game1.dat"), bytes);
}

TEST(GameEditing, UnwritableFileIsAFailure)
{
    TestFolder folder;
    // A folder in place of the game file cannot be written by anyone.
    ASSERT_TRUE(QDir(folder.path()).mkdir("game1.dat"));
    bool changed = false;
    const GameFileSave saved = updateGameFile(folder.file("game1.dat"), [&](GameDefinition &) {
        changed = true;
        return QString();
    });
    EXPECT_EQ(saved.status, GameFileSave::Status::Failed);
    EXPECT_TRUE(saved.message.startsWith("The game definition could not be saved: the file game1.dat"))
        << saved.message.toStdString();
    EXPECT_FALSE(changed);
}

TEST(GameEditing, AmendDeletesTheGamesResultsAndEntries)
{
    TestFolder folder;
    const QStringList gone
        = { "game1.dat", "Lotto.rtl", "Lotto05JAN2005.lot", "Lotto-6-6-6.lot", "Lotto.lot", "LottoPlus05JAN2005.lot" };
    const QStringList kept
        = { "StandLotto.lot", "Lotto.dat", "LottoPlus.rtl", "game2.dat", "Other05JAN2005.lot", "Lotto05JAN2005.txt" };
    for (const QString &name : gone + kept)
        folder.writeBytes(name, "x");

    EXPECT_EQ(deleteAmendedGameFiles(folder.path(), "game1.dat", "Lotto"), QStringList());
    for (const QString &name : gone)
        EXPECT_FALSE(folder.exists(name)) << name.toStdString();
    for (const QString &name : kept)
        EXPECT_TRUE(folder.exists(name)) << name.toStdString();
}

TEST(GameEditing, AmendWithoutANameOrWithWildcardsDeletesNoEntryFiles)
{
    TestFolder folder;
    for (const char *name : { "game1.dat", ".rtl", "Lotto05JAN2005.lot", "StandLotto.lot", "Pick3.lot" })
        folder.writeBytes(name, "x");
    EXPECT_EQ(deleteAmendedGameFiles(folder.path(), "game1.dat", ""), QStringList());
    EXPECT_FALSE(folder.exists("game1.dat"));
    for (const char *name : { ".rtl", "Lotto05JAN2005.lot", "StandLotto.lot", "Pick3.lot" })
        EXPECT_TRUE(folder.exists(name)) << name;

    // A damaged name is plain text, not a pattern.
    EXPECT_EQ(deleteAmendedGameFiles(folder.path(), "game1.dat", "*"), QStringList());
    EXPECT_TRUE(folder.exists("Lotto05JAN2005.lot"));
}
