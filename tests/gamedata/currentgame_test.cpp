#include "gamedata/drawcheck.h"
#include "gamedata/entryfiles.h"
#include "gamedata/monthnames.h"
#include "gamedata/sharedstate.h"
#include "support/testfolder.h"

#include <gtest/gtest.h>

using namespace vx;
using namespace vx::test;

TEST(CurrentGame, IsBuiltFromTheDefinitionWithEveryRuleDerived)
{
    GameDefinition g = makeGame(QStringLiteral("Lotto"), 6, 1, 49, 0, 10, 1, QStringLiteral("PB"));
    std::memcpy(g.name.data(), "  Lotto     ", 12);
    g.winLines[0] = 1; // element 0 is never a category
    g.drawDays = {0, 0, 0, 0, 4, 0, 0, 7};
    g.ballColour = 1;
    const CurrentGame game = CurrentGame::fromDefinition(3, g);
    EXPECT_EQ(game.GameNumber, 3);
    EXPECT_EQ(game.GameFile, QStringLiteral("game3.dat   "));
    EXPECT_EQ(game.GameName, QStringLiteral("Lotto"));
    EXPECT_EQ((std::vector<int> {game.MainDrawn, game.BonusDrawn, game.MainPool, game.BonusSource, game.BonusPool,
                  game.MainPicked, game.BonusPicked, game.BallColour}),
        (std::vector<int> {6, 1, 49, 0, 10, 6, 1, 1}));
    EXPECT_EQ(game.WinLines[0], 0);
    EXPECT_EQ(game.DrawDays, g.drawDays);

    const CheckRules check = game.checkRules();
    EXPECT_EQ((std::vector<int> {check.mainDrawn, check.bonusDrawn, check.bonusPool}), (std::vector<int> {6, 1, 10}));
    EXPECT_EQ(check.bonusTag, QStringLiteral("PB"));
    EXPECT_TRUE(std::equal(check.winLines.begin() + 1, check.winLines.end(), g.winLines.begin() + 1));
    const EntryRules entry = game.entryRules();
    EXPECT_EQ((std::vector<int> {entry.mainPicked, entry.bonusPicked, entry.mainPool, entry.bonusPool}),
        (std::vector<int> {6, 1, 49, 10}));
    const ResultRules result = game.resultRules();
    EXPECT_EQ(
        (std::vector<int> {result.mainDrawn, result.bonusDrawn, result.mainPool, result.bonusSource, result.bonusPool}),
        (std::vector<int> {6, 1, 49, 0, 10}));
    const SuggestionGame suggestion = game.suggestionGame();
    EXPECT_EQ((std::vector<int> {suggestion.mainDrawn, suggestion.mainPool, suggestion.bonusPool}),
        (std::vector<int> {6, 49, 10}));
}

TEST(CurrentGame, TheBonusNameComesFromTheRecordOrFromThePresetTags)
{
    const struct {
        const char *tag, *name; // nullptr: a name field of NULs
        const char *bonusTag, *bonusName;
    } cases[] = {
        {"EB", "", "EB", "Extra Ball"}, {"BB", "", "BB", "Bonus Ball"}, {"PB", "", "PB", "Powerball"},
        {"MB", nullptr, "MB", "Mega Ball"},
        {"ST", "Stars", "ST", "Stars     "}, // an own name is taken whole with its padding
        {"EB", " Stars", "EB", "Extra Ball"}, // a leading space counts as blank
        {"XY", "", "BB", "Bonus Ball"}, // unknown or lower-case tags with a blank name
        {"eb", "", "BB", "Bonus Ball"}, {"X", "Extra", "X ", "Extra     "}, // the tag is not trimmed
    };
    GameDefinition g = makeGame(QStringLiteral("Lotto"), 6, 1, 49, 0, 10, 1);
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.tag) + "/" + (c.name ? c.name : "NUL"));
        g.setBonusTag(QLatin1String(c.tag));
        if (c.name)
            g.setBonusName(QLatin1String(c.name));
        else
            g.bonusName.fill('\0');
        const CurrentGame game = CurrentGame::fromDefinition(1, g);
        EXPECT_EQ(game.BonusTag, QLatin1String(c.bonusTag));
        EXPECT_EQ(game.BonusName, QLatin1String(c.bonusName));
    }
    const CurrentGame empty = CurrentGame::fromDefinition(1, GameDefinition {});
    EXPECT_EQ(empty.GameName, QString());
    EXPECT_EQ(empty.BonusTag, QStringLiteral("BB"));
    EXPECT_EQ(empty.BonusName, QStringLiteral("Bonus Ball"));
}

TEST(EntryFiles, NamesFollowTheGameAndTheLocaleMonths)
{
    const MonthNameTable months = processMonthNames(
        {QStringLiteral("janv."), QStringLiteral("févr."), QStringLiteral("mars"), QStringLiteral("avr."),
            QStringLiteral("mai"), QStringLiteral("juin"), QStringLiteral("juil."), QStringLiteral("août"),
            QStringLiteral("sept."), QStringLiteral("oct."), QStringLiteral("nov."), QStringLiteral("déc.")});
    const QString weekly = QStringLiteral("Weekly");
    EXPECT_EQ(datedEntryFileName(weekly, QDate(2005, 11, 5), months), QStringLiteral("Weekly05NOV2005.lot"));
    EXPECT_EQ(datedEntryFileName(weekly, QDate(2006, 2, 15), months), QStringLiteral("Weekly15FÉVR2006.lot"));
    for (int bad : {0, 13, -1})
        EXPECT_EQ(MonthName(months, bad), QString()) << bad;
    EXPECT_EQ(historyFileName(weekly), QStringLiteral("Weekly.rtl"));
    EXPECT_EQ(standingEntryFileName(weekly), QStringLiteral("StandWeekly.lot"));
    EXPECT_EQ(wheelEntryFileName(weekly, QStringLiteral("-6-5-3.lot")), QStringLiteral("Weekly-6-5-3.lot"));
}

TEST(EntryFiles, DataPathsStayPlainFilesInTheFolder)
{
    const QString folder = QStringLiteral("/home/jean-luc/Standard");
    EXPECT_EQ(dataPath(folder, QStringLiteral("Weekly.rtl")), folder + QStringLiteral("/Weekly.rtl"));
    // A separator inside a name cannot lead out of the folder, and ":" never names a resource.
    EXPECT_EQ(dataPath(folder, QStringLiteral("../x.rtl")), folder + QStringLiteral("/.._x.rtl"));
    EXPECT_EQ(dataPath(QString(), QStringLiteral(":game.rtl")), QStringLiteral("/:game.rtl"));
}

TEST(EntryFiles, TheKindIsToldFromTheFileNameAlone)
{
    const struct {
        const char *path;
        EntryFileKind kind;
        bool wheelMark;
    } cases[] = {
        {"/home/jean-luc/Standby/Weekly05NOV2005.lot", EntryFileKind::Dated, false},
        {"/home/jean-luc/app/StandWeekly.lot", EntryFileKind::Standing, false},
        {"/opt/x/Weekly-6-5-3.lot", EntryFileKind::Wheel, true},
        {"/opt/x/StandWeekly-x.lot", EntryFileKind::Standing, true}, // "Stand" wins, the hyphen still warns
    };
    for (const auto &c : cases) {
        EXPECT_EQ(entryFileKind(QLatin1String(c.path)), c.kind) << c.path;
        EXPECT_EQ(namesWheelFile(QLatin1String(c.path)), c.wheelMark) << c.path;
    }
}

TEST(EntryFiles, DeleteEmptyEntryFileDeletesACountOfZeroOnly)
{
    TestFolder folder;
    const QString path = folder.file(QStringLiteral("e.lot"));
    DeleteEmptyEntryFile(QString()); // no entry file: nothing to do
    writeNumbersFile(path, {entryRecord({1, 2, 3, 4, 5, 6})});
    DeleteEmptyEntryFile(path);
    EXPECT_TRUE(folder.exists(QStringLiteral("e.lot")));
    ASSERT_TRUE(deleteEntries(path, {0}).ok);
    DeleteEmptyEntryFile(path);
    EXPECT_FALSE(folder.exists(QStringLiteral("e.lot")));
    DeleteEmptyEntryFile(path); // a missing one is not created
    EXPECT_FALSE(folder.exists(QStringLiteral("e.lot")));

    // A negative count is damage, not emptiness: the file stays as it is.
    QByteArray bytes = entryRecord({1, 2, 3}).toBytes();
    bytes.replace(0, 4, QByteArray::fromHex("ffffffff"));
    folder.writeBytes(QStringLiteral("e.lot"), bytes);
    DeleteEmptyEntryFile(path);
    EXPECT_EQ(folder.bytes(QStringLiteral("e.lot")), bytes);
}

TEST(DrawSearch, FindsTheFirstDrawOfTheDay)
{
    const std::vector<NumbersRecord> history = {drawRecord(2006, 3, 9, {1}), drawRecord(2006, 3, 10, {2}),
        drawRecord(2006, 3, 10, {3}), drawRecord(2006, 4, 10, {4})};
    EXPECT_EQ(findDrawByDate(history, 2006, 3, 10), 2);
    EXPECT_EQ(findDrawByDate(history, 2006, 4, 10), 4);
    EXPECT_EQ(findDrawByDate(history, 2006, 3, 11), 0);
    EXPECT_EQ(findDrawByDate({}, 2006, 3, 9), 0);
}
