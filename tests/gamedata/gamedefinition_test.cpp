#include "gamedata/gamedefinition.h"
#include "support/testfolder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace vx;
using namespace vx::test;

namespace {

// A saved game record built byte by byte.
QByteArray savedRecord()
{
    return QByteArray::fromHex(
        "5765656b6c79202020202020" // "Weekly"
        "06000100310000000a0006000100" // 6 drawn, 1 bonus, pool 49, source 0, bonus pool 10, picks 6 and 1
        "0000010000000100000001000000010000000100000001000000010000000100" // winning lines 0 to 15: odd ones on
        "00000000000000000400000000000700" // draw days 0 to 7: Wednesday and Saturday
        "0100504220202020202020202020"); // red balls, "PB", a blank name
}

GameDefinition fromBytes(const QByteArray &b)
{
    return GameDefinition::fromBytes(b.constData());
}

} // namespace

TEST(GameDefinitionLayout, ReadsAndWritesEveryFieldAtItsOffset)
{
    GameDefinition g;
    g.setName(QStringLiteral("Weekly"));
    g.mainDrawn = g.mainPicked = 6;
    g.bonusDrawn = g.bonusPicked = 1;
    g.mainPool = 49;
    g.bonusPool = 10;
    for (size_t k = 1; k <= 15; ++k)
        g.winLines[k] = int16_t(k % 2);
    g.drawDays[4] = 4;
    g.drawDays[7] = 7;
    g.ballColour = 1;
    g.setBonusTag(QStringLiteral("PB"));
    g.setBonusName(QString());
    EXPECT_EQ(fromBytes(savedRecord()), g);
    EXPECT_EQ(g.toBytes(), savedRecord());
    EXPECT_EQ(g.bonusNameText(), QStringLiteral("          "));

    // Names are padded to twelve and cut beyond; negative counts are stored as such.
    g.setName(QStringLiteral("Twelveletter"));
    EXPECT_EQ(g.toBytes().left(12), QByteArray("Twelveletter"));
    g.setName(QStringLiteral("ThirteenChars"));
    EXPECT_EQ(g.nameText(), QStringLiteral("ThirteenChar"));
    g.setName(QStringLiteral("Lotto"));
    g.setBonusName(QStringLiteral("Star"));
    g.mainPool = -2;
    const QByteArray out = g.toBytes();
    ASSERT_EQ(out.size(), 88);
    EXPECT_EQ(out.left(12), QByteArray("Lotto       "));
    EXPECT_EQ(out.mid(16, 2), QByteArray::fromHex("feff"));
    EXPECT_EQ(out.mid(78, 10), QByteArray("Star      "));
}

TEST(GameFiles, AreNamedByNumberAndPaddedToTwelve)
{
    EXPECT_EQ(gameFileName(1), QStringLiteral("game1.dat"));
    EXPECT_EQ(gameFileName(6), QStringLiteral("game6.dat"));
    EXPECT_EQ(paddedGameFileName(3), QStringLiteral("game3.dat   "));
}

TEST(GameFiles, AMissingFileIsCreatedEmptyAndAWrittenOneIs88BytesAndReadsBack)
{
    TestFolder folder;
    const GameFileRead read = readGameDefinition(folder.file("game2.dat"));
    EXPECT_EQ(read.status, GameFileStatus::Empty);
    EXPECT_EQ(folder.bytes("game2.dat"), QByteArray());
    EXPECT_TRUE(folder.exists("game2.dat"));
    EXPECT_EQ(read.definition, GameDefinition {});

    const GameDefinition g = makeGame(QStringLiteral("Lotto"), 6, 1, 49, 1, 0, 0, QStringLiteral("BB"));
    ASSERT_TRUE(writeGameDefinition(folder.file("game4.dat"), g));
    EXPECT_EQ(folder.bytes("game4.dat"), g.toBytes());
    EXPECT_EQ(readGameDefinition(folder.file("game4.dat")).definition, g);
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
