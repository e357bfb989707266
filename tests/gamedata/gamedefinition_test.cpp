#include "gamedata/gamedefinition.h"
#include "gamedata/sharedstate.h"
#include "support/testfolder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace vx;
using namespace vx::test;

namespace {

// A saved game record built byte by byte.
QByteArray savedRecord()
{
    QByteArray b(88, '\0');
    b.replace(0, 12, "Weekly      ");
    auto put16 = [&b](int offset, int v) {
        b[offset] = char(v & 0xff);
        b[offset + 1] = char((v >> 8) & 0xff);
    };
    put16(12, 6); // main drawn
    put16(14, 1); // bonus drawn
    put16(16, 49); // main pool
    put16(18, 0); // bonus source
    put16(20, 10); // bonus pool
    put16(22, 6); // main picked
    put16(24, 1); // bonus picked
    for (int k = 1; k <= 15; ++k)
        put16(26 + 2 * k, k % 2);
    put16(58 + 2 * 4, 4); // Wednesday
    put16(58 + 2 * 7, 7); // Saturday
    put16(74, 1);
    b.replace(76, 2, "PB");
    b.replace(78, 10, "          ");
    return b;
}

GameDefinition fromBytes(const QByteArray &b)
{
    return GameDefinition::fromBytes(b.constData());
}

} // namespace

TEST(GameDefinitionLayout, ReadsEveryFieldFromItsOffset)
{
    const GameDefinition g = fromBytes(savedRecord());
    EXPECT_EQ(g.nameText(), QStringLiteral("Weekly"));
    EXPECT_EQ(g.mainDrawn, 6);
    EXPECT_EQ(g.bonusDrawn, 1);
    EXPECT_EQ(g.mainPool, 49);
    EXPECT_EQ(g.bonusSource, 0);
    EXPECT_EQ(g.bonusPool, 10);
    EXPECT_EQ(g.mainPicked, 6);
    EXPECT_EQ(g.bonusPicked, 1);
    for (size_t k = 1; k <= 15; ++k)
        EXPECT_EQ(g.winLines[k], int(k % 2)) << k;
    EXPECT_EQ(g.drawDays[4], 4);
    EXPECT_EQ(g.drawDays[7], 7);
    EXPECT_EQ(g.drawDays[1], 0);
    EXPECT_EQ(g.ballColour, 1);
    EXPECT_EQ(g.bonusTagText(), QStringLiteral("PB"));
    EXPECT_EQ(g.bonusNameText(), QStringLiteral("          "));
}

TEST(GameDefinitionLayout, WritesBackTheSameBytes)
{
    const QByteArray b = savedRecord();
    EXPECT_EQ(fromBytes(b).toBytes(), b);

    GameDefinition g;
    g.setName(QStringLiteral("Lotto"));
    g.setBonusTag(QStringLiteral("EB"));
    g.setBonusName(QStringLiteral("Star"));
    g.mainPool = -2;
    const QByteArray out = g.toBytes();
    ASSERT_EQ(out.size(), 88);
    EXPECT_EQ(out.left(12), QByteArray("Lotto       "));
    EXPECT_EQ(out.mid(16, 2), QByteArray::fromHex("feff"));
    EXPECT_EQ(out.mid(76, 2), QByteArray("EB"));
    EXPECT_EQ(out.mid(78, 10), QByteArray("Star      "));
}

TEST(GameDefinitionLayout, ATwelveLetterNameHasNoPaddingAndLongerIsCut)
{
    GameDefinition g;
    g.setName(QStringLiteral("Twelveletter"));
    EXPECT_EQ(g.toBytes().left(12), QByteArray("Twelveletter"));
    g.setName(QStringLiteral("ThirteenChars"));
    EXPECT_EQ(g.nameText(), QStringLiteral("ThirteenChar"));
}

TEST(GameFiles, AreNamedByNumberAndPaddedToTwelve)
{
    EXPECT_EQ(gameFileName(1), QStringLiteral("game1.dat"));
    EXPECT_EQ(gameFileName(6), QStringLiteral("game6.dat"));
    EXPECT_EQ(paddedGameFileName(3), QStringLiteral("game3.dat   "));
}

TEST(GameFiles, AMissingFileIsCreatedEmptyAndReadsAsAllZeros)
{
    TestFolder folder;
    const GameFileRead read = readGameDefinition(folder.file("game2.dat"));
    EXPECT_EQ(read.status, GameFileStatus::Empty);
    EXPECT_TRUE(folder.exists("game2.dat"));
    EXPECT_EQ(folder.bytes("game2.dat").size(), 0);
    EXPECT_EQ(read.definition, GameDefinition {});
    EXPECT_EQ(read.definition.nameText(), QString());
}

TEST(GameFiles, AFileOfTheWrongLengthIsReportedAndWhatItHoldsIsRead)
{
    TestFolder folder;
    folder.writeBytes("game1.dat", savedRecord().left(16)); // short: main pool cut off
    GameFileRead read = readGameDefinition(folder.file("game1.dat"));
    EXPECT_EQ(read.status, GameFileStatus::WrongLength);
    EXPECT_EQ(read.length, 16);
    EXPECT_EQ(read.definition.mainDrawn, 6);
    EXPECT_EQ(read.definition.mainPool, 0);
    EXPECT_TRUE(damagedGameFileMessage(folder.file("game1.dat"), 20).contains(QStringLiteral("game1.dat")));

    folder.writeBytes("game1.dat", savedRecord() + savedRecord());
    read = readGameDefinition(folder.file("game1.dat"));
    EXPECT_EQ(read.status, GameFileStatus::WrongLength);
    EXPECT_EQ(read.definition.mainPool, 49);
}

TEST(GameFiles, AFolderThatCannotHoldFilesGivesOpenFailed)
{
    TestFolder folder;
    folder.writeBytes("plainfile", "x");
    const GameFileRead read = readGameDefinition(folder.file("plainfile") + QStringLiteral("/game1.dat"));
    EXPECT_EQ(read.status, GameFileStatus::OpenFailed);
    EXPECT_FALSE(read.error.isEmpty());
    EXPECT_EQ(read.definition.mainDrawn, 0);
}

TEST(GameFiles, WriteThenReadRoundTrips)
{
    TestFolder folder;
    GameDefinition g = makeGame(QStringLiteral("Lotto"), 6, 1, 49, 1, 0, 0, QStringLiteral("BB"));
    ASSERT_TRUE(writeGameDefinition(folder.file("game4.dat"), g));
    EXPECT_EQ(folder.bytes("game4.dat").size(), 88);
    EXPECT_EQ(readGameDefinition(folder.file("game4.dat")).definition, g);
}

// ---------------------------------------------------------------------------------------------
// Loading the current game

class LoadCurrentGame : public ::testing::Test
{
protected:
    void SetUp() override { resetSharedState(); }
    GameDefinition game = fromBytes(savedRecord());
};

TEST_F(LoadCurrentGame, CopiesEveryValue)
{
    WinLines[0] = 5;
    DrawDays[0] = 9;
    game.winLines[0] = 1;
    game.drawDays[0] = 1;
    loadCurrentGame(game);
    EXPECT_EQ(GameName, QStringLiteral("Weekly"));
    EXPECT_EQ(MainDrawn, 6);
    EXPECT_EQ(BonusDrawn, 1);
    EXPECT_EQ(MainPool, 49);
    EXPECT_EQ(BonusSource, 0);
    EXPECT_EQ(BonusPool, 10);
    EXPECT_EQ(MainPicked, 6);
    EXPECT_EQ(BonusPicked, 1);
    EXPECT_EQ(BallColour, 1);
    for (size_t k = 1; k <= 15; ++k)
        EXPECT_EQ(WinLines[k], game.winLines[k]);
    for (size_t d = 1; d <= 7; ++d)
        EXPECT_EQ(DrawDays[d], game.drawDays[d]);
    // Elements 0 are never read nor set.
    EXPECT_EQ(WinLines[0], 5);
    EXPECT_EQ(DrawDays[0], 9);
}

TEST_F(LoadCurrentGame, APresetTagGivesItsName)
{
    const std::pair<const char *, const char *> presets[]
        = { { "EB", "Extra Ball" }, { "BB", "Bonus Ball" }, { "PB", "Powerball" }, { "MB", "Mega Ball" } };
    for (const auto &[tag, name] : presets) {
        game.setBonusTag(QLatin1String(tag));
        loadCurrentGame(game);
        EXPECT_EQ(BonusTag, QLatin1String(tag));
        EXPECT_EQ(BonusName, QLatin1String(name));
    }
}

TEST_F(LoadCurrentGame, AnOwnNameIsTakenWholeWithItsPadding)
{
    game.setBonusTag(QStringLiteral("ST"));
    game.setBonusName(QStringLiteral("Stars"));
    loadCurrentGame(game);
    EXPECT_EQ(BonusName, QStringLiteral("Stars     "));
    EXPECT_EQ(BonusTag, QStringLiteral("ST"));
}

TEST_F(LoadCurrentGame, ANameStartingWithASpaceCountsAsBlank)
{
    game.setBonusTag(QStringLiteral("EB"));
    game.setBonusName(QStringLiteral(" Stars"));
    loadCurrentGame(game);
    EXPECT_EQ(BonusName, QStringLiteral("Extra Ball"));
}

TEST_F(LoadCurrentGame, AnUnknownOrLowerCaseTagWithABlankNameBecomesBonusBall)
{
    for (const char *tag : { "XY", "eb", "pb" }) {
        game.setBonusTag(QLatin1String(tag));
        game.setBonusName(QString());
        loadCurrentGame(game);
        EXPECT_EQ(BonusName, QStringLiteral("Bonus Ball")) << tag;
        EXPECT_EQ(BonusTag, QStringLiteral("BB")) << tag;
    }
}

TEST_F(LoadCurrentGame, ANulNameFieldCountsAsBlankAndAStaleNameIsCleared)
{
    BonusName = QStringLiteral("Old");
    game.bonusName.fill('\0');
    game.setBonusTag(QStringLiteral("MB"));
    loadCurrentGame(game);
    EXPECT_EQ(BonusName, QStringLiteral("Mega Ball"));

    // An all-zero record still loads without a name: the default pair.
    loadCurrentGame(GameDefinition {});
    EXPECT_EQ(GameName, QString());
    EXPECT_EQ(BonusTag, QStringLiteral("BB"));
    EXPECT_EQ(BonusName, QStringLiteral("Bonus Ball"));
}

TEST_F(LoadCurrentGame, TheTagIsNotTrimmed)
{
    game.setBonusTag(QStringLiteral("X"));
    game.setBonusName(QStringLiteral("Extra"));
    loadCurrentGame(game);
    EXPECT_EQ(BonusTag, QStringLiteral("X "));
}

TEST_F(LoadCurrentGame, TheNameLosesSpacesOnBothSides)
{
    std::memcpy(game.name.data(), "  Lotto     ", 12);
    loadCurrentGame(game);
    EXPECT_EQ(GameName, QStringLiteral("Lotto"));
}
