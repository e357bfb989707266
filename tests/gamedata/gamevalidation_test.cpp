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

const QString Negative = "The numbers of bonus balls cannot be negative.";

// 6 from 49 with one bonus ball drawn from the main pool, and 5 from 59 with a Powerball from its
// own pool of 26, one picked per entry: both pass every check.
GameDefinitionInput lotto()
{
    return { "Lotto", "6", "1", "49", "0", "6", "0", Yes };
}
GameDefinitionInput powerball()
{
    return { "Lotto", "5", "1", "59", "26", "5", "1", No };
}

} // namespace

TEST(GameValidation, TheFirstFailingCheckGivesItsMessage)
{
    const struct {
        GameDefinitionInput in; // name, main drawn, bonus drawn, main pool, bonus pool, main and bonus picked, source
        QString message;
    } rows[] = {
        { lotto(), "" },
        { powerball(), "" },
        { { "Lotto", "3", "1", "9", "9", "3", "1", No }, "" }, // pick 3 with a bonus from its own pool
        { { "Lotto", "6", "0", "49", "0", "6", "0", NotUsed }, "" }, // no bonus ball at all
        // Names: letters only, blanks around are allowed; the name comes before every count.
        { { "", "6", "1", "49", "0", "6", "0", Yes }, Msg1 },
        { { "   ", "6", "1", "49", "0", "6", "0", Yes }, Msg1 },
        { { "Lotto 6", "6", "1", "49", "0", "6", "0", Yes }, Msg2 },
        { { "Lotto-6", "6", "1", "49", "0", "6", "0", Yes }, Msg2 },
        { { "Lotté", "6", "1", "49", "0", "6", "0", Yes }, Msg2 },
        { { "Lotto 6", "9", "1", "49", "0", "6", "0", Yes }, Msg2 },
        { { "Lotto6", "6", "1", "49", "0", "6", "0", Yes }, "" },
        { { "  Lotto  ", "6", "1", "49", "0", "6", "0", Yes }, "" },
        // Main balls and pools.
        { { "Lotto", "8", "1", "49", "0", "6", "0", Yes }, Msg3 },
        { { "Lotto", "2", "1", "49", "0", "6", "0", Yes }, Msg3 },
        { { "Lotto", "x", "1", "49", "0", "6", "0", Yes }, Msg3 },
        { { "Lotto", "3", "1", "2", "0", "3", "0", Yes }, Msg4 }, // before the pool sizes are looked at
        { { "Lotto", "6", "1", "6", "0", "6", "0", Yes }, Msg5 },
        { { "Lotto", "6", "1", "7", "0", "6", "0", Yes }, "" },
        { { "Lotto", "6.6", "1", "7", "0", "6.6", "0", Yes }, Msg5 }, // would be stored as 7 from 7
        { { "Lotto", "6", "1", "61", "0", "6", "0", Yes }, Msg6 },
        { { "Lotto", "6", "1", "60", "0", "6", "0", Yes }, "" },
        { { "Lotto", "5", "1", "59", "61", "5", "1", No }, Msg7 },
        { { "Lotto", "5", "1", "59", "60", "5", "1", No }, "" },
        { { "Lotto", "6", "3", "49", "0", "6", "0", Yes }, Msg8 },
        { { "Lotto", "6", "1", "49", "0", "5", "0", Yes }, Msg15 },
        // Bonus source: one bonus ball and no own pool fits [Yes] only; an own pool needs [No].
        { { "Lotto", "6", "0", "49", "0", "6", "0", No }, Msg9 },
        { { "Lotto", "6", "0", "49", "0", "6", "0", Yes }, Msg10 },
        { { "Lotto", "6", "1", "49", "0", "6", "0", No }, Msg12 },
        { { "Lotto", "6", "1", "49", "0", "6", "0", NotUsed }, Msg11 },
        { { "Lotto", "6", "1", "49", "0", "6", "0", -1 }, Msg12 },
        { { "Lotto", "6", "2", "49", "0", "6", "0", NotUsed }, "" },
        { { "Lotto", "5", "1", "59", "26", "5", "1", Yes }, Msg13 },
        { { "Lotto", "5", "2", "59", "26", "5", "1", NotUsed }, Msg13 },
        { { "Lotto", "5", "0", "59", "26", "5", "1", No }, Msg9 },
        // Bonus picks.
        { { "Lotto", "5", "1", "59", "26", "5", "0", No }, Msg16 },
        { { "Lotto", "5", "1", "59", "26", "5", "2", No }, Msg17 },
        { { "Lotto", "6", "0", "49", "0", "6", "1", NotUsed }, Msg18 },
        { { "Lotto", "6", "1", "49", "0", "6", "1", Yes }, "" }, // picked from the main pool
        // Counts the other checks bound only from above must not be negative either.
        { { "Lotto", "6", "-1", "49", "0", "6", "0", NotUsed }, Negative },
        { { "Lotto", "6", "0", "49", "0", "6", "-1", NotUsed }, Negative },
        { { "Lotto", "6", "0", "49", "-5", "6", "0", NotUsed }, Negative },
    };
    for (size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(checkGameDefinition(rows[i].in), rows[i].message) << "row " << i;
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
}

TEST(GameEditing, DefinitionPageSetsNameAndCountsOnly)
{
    GameDefinition g = makeGame("Old", 5, 0, 40, 2, 0, 0, "PB");
    const GameDefinition before = g;
    GameDefinitionInput in = powerball();
    in.name = "  Powerball  ";
    applyGameDefinition(g, in);
    GameDefinition expected = before;
    std::memcpy(expected.name.data(), "Powerball   ", 12);
    expected.mainDrawn = expected.mainPicked = 5;
    expected.bonusDrawn = expected.bonusPicked = 1;
    expected.mainPool = 59;
    expected.bonusSource = 0;
    expected.bonusPool = 26;
    EXPECT_EQ(g, expected);

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
