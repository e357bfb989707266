#include "gamedata/entryfiles.h"
#include "gamedata/monthnames.h"
#include "support/testfolder.h"

#include <gtest/gtest.h>

using namespace vx;
using namespace vx::test;

TEST(CurrentGame, EveryRuleAndTheBonusNameComeFromTheDefinition)
{
    GameDefinition g = makeGame("  Lotto", 6, 2, 49, 1, 10, 1, "PB");
    g.mainPicked = 7;
    g.winLines = {1, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}; // element 0 is never a category
    const CurrentGame c = CurrentGame::fromDefinition(3, g);
    const auto [k, e, r, s] = std::tuple(c.checkRules(), c.entryRules(), c.resultRules(), c.suggestionGame());
    EXPECT_EQ(c.GameFile + c.GameName + c.BonusTag + c.BonusName + k.bonusTag, "game3.dat   LottoPBPowerballPB");
    EXPECT_EQ((std::vector<int> {c.GameNumber, c.MainDrawn, c.BonusDrawn, c.MainPool, c.BonusSource, c.BonusPool,
                  c.MainPicked, c.BonusPicked, k.mainDrawn, k.bonusDrawn, k.bonusPool, e.mainPicked, e.bonusPicked,
                  e.mainPool, e.bonusPool, r.mainDrawn, r.bonusDrawn, r.mainPool, r.bonusSource, r.bonusPool,
                  s.mainDrawn, s.mainPool, s.bonusPool}),
        (std::vector<int> {3, 6, 2, 49, 1, 10, 7, 1, 6, 2, 10, 7, 1, 49, 10, 6, 2, 49, 1, 10, 6, 49, 10}));
    EXPECT_EQ(std::tie(c.DrawDays, c.BallColour, k.winLines),
        std::tuple(g.drawDays, g.ballColour, std::array<int16_t, 16> {0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}));

    const char *cases[][4] = {// tag, stored name, tag and name taken
        {"EB", "", "EB", "Extra Ball"}, {"BB", "", "BB", "Bonus Ball"}, {"MB", "", "MB", "Mega Ball"},
        {"ST", "Stars", "ST", "Stars     "}, {"EB", " Stars", "EB", "Extra Ball"}, // a leading blank: none stored
        {"XY", "", "BB", "Bonus Ball"}, {"eb", "", "BB", "Bonus Ball"}, {"X", "Extra", "X ", "Extra     "}};
    for (const auto &[tag, name, bonusTag, bonusName] : cases) {
        g.setBonusTag(tag);
        g.setBonusName(name);
        const CurrentGame game = CurrentGame::fromDefinition(1, g);
        EXPECT_EQ(game.BonusTag + "/" + game.BonusName, QString(bonusTag) + "/" + bonusName) << tag << name;
    }
    EXPECT_EQ(CurrentGame::fromDefinition(1, GameDefinition {}).BonusName, "Bonus Ball"); // a name of NULs
}

TEST(EntryFiles, NamesPathsKindsAndDeletionWhenEmpty)
{
    const auto months = processMonthNames(
        QString::fromUtf8("janv. févr. mars avr. mai juin juil. août sept. oct. nov. déc.").split(' '));
    EXPECT_EQ(datedEntryFileName("Weekly", QDate(2006, 2, 5), months), QString::fromUtf8("Weekly05FÉVR2006.lot"));
    EXPECT_EQ(MonthName(months, 0) + MonthName(months, 13) + MonthName(months, 12), QString::fromUtf8("DÉC"));
    EXPECT_EQ(historyFileName("Weekly") + standingEntryFileName("Weekly") + wheelEntryFileName("Weekly", "-6.lot"),
        "Weekly.rtlStandWeekly.lotWeekly-6.lot");
    // A separator inside a name cannot lead out of the folder, and ":" never names a resource.
    EXPECT_EQ(dataPath("/home/j", "../x.rtl") + " " + dataPath(QString(), ":game.rtl"), "/home/j/.._x.rtl /:game.rtl");
    // Told from the file name alone: "Stand" wins, a hyphen still marks a wheel.
    const std::tuple<const char *, EntryFileKind, bool> kinds[] = {
        {"/Standby/Weekly05NOV2005.lot", EntryFileKind::Dated, false},
        {"/a/StandWeekly.lot", EntryFileKind::Standing, false}, {"/o-x/Weekly-6-5-3.lot", EntryFileKind::Wheel, true},
        {"/x/StandWeekly-x.lot", EntryFileKind::Standing, true}};
    for (const auto &[path, kind, wheel] : kinds)
        EXPECT_EQ(std::pair(entryFileKind(path), namesWheelFile(path)), std::pair(kind, wheel)) << path;

    TestFolder folder; // only a count of 0 is deleted as empty
    for (const auto &[count, kept] : {std::pair("01000000", true), {"ffffffff", true}, {"00000000", false}}) {
        const QByteArray bytes = QByteArray::fromHex(count) + entryRecord({1, 2, 3}).toBytes().mid(4);
        folder.writeBytes("e.lot", bytes);
        DeleteEmptyEntryFile(folder.file("e.lot")); // a negative count is damage, not emptiness
        EXPECT_EQ(folder.exists("e.lot") ? folder.bytes("e.lot") : "gone", kept ? bytes : "gone") << count;
    }
    DeleteEmptyEntryFile(folder.file("e.lot")); // a missing one is not created
    EXPECT_FALSE(folder.exists("e.lot"));
}
