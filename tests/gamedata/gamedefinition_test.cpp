#include "gamedata/gamedefinition.h"
#include "gamedata/gameediting.h"
#include "gamedata/sharedstate.h"
#include "support/failingdevice.h"
#include "support/referencefiles.h"
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
    const GameDefinition g = fromBytes(referenceFile("game1.dat"));
    EXPECT_EQ(g.toBytes(), savedRecord());
    EXPECT_EQ(paddedGameFileName(3), QStringLiteral("game3.dat   "));
}

TEST(GameFiles, AreReadWhateverTheirLengthAndWrittenAsOneRecordInPlace)
{
    const QByteArray saved = referenceFile("game1.dat");
    const struct {
        QByteArray bytes; // empty: no file, which is created
        GameFileStatus status;
        int mainDrawn, mainPool;
    } cases[] = {{{}, GameFileStatus::Empty, 0, 0}, {saved, GameFileStatus::Ok, 6, 49},
        {saved.left(16), GameFileStatus::WrongLength, 6, 0}, {saved + saved, GameFileStatus::WrongLength, 6, 49}};
    for (const auto &c : cases) {
        TestFolder folder;
        if (!c.bytes.isEmpty())
            folder.writeBytes("game1.dat", c.bytes);
        const GameFileRead read = readGameDefinition(folder.file("game1.dat"));
        EXPECT_EQ(read.status, c.status);
        EXPECT_EQ(read.length, c.bytes.size());
        EXPECT_EQ(std::pair(int(read.definition.mainDrawn), int(read.definition.mainPool)),
            std::pair(c.mainDrawn, c.mainPool));
        EXPECT_EQ(folder.bytes("game1.dat"), c.bytes);
        ASSERT_TRUE(writeGameDefinition(folder.file("game1.dat"), fromBytes(saved)));
        EXPECT_EQ(folder.bytes("game1.dat"), saved + c.bytes.mid(88)); // what follows record 1 stays
    }
    TestFolder folder;
    folder.writeBytes("plainfile", "x");
    EXPECT_EQ(readGameDefinition(folder.file("plainfile/game1.dat")).status, GameFileStatus::OpenFailed);
}

TEST(GameFiles, AFailingWriteIsReportedAsNotSaved)
{
    TestFolder folder;
    folder.writeBytes("game1.dat", referenceFile("game1.dat"));
    FailingFileWrites failing(0, QStringLiteral("game1.dat"));
    EXPECT_EQ(updateGameFile(folder.file("game1.dat"), [](GameDefinition &g) { return g.mainPool = 59, QString(); }).message,
        QStringLiteral("The game definition could not be saved: the file game1.dat cannot be written (No space "
                       "left on device). Nothing was changed in it."));
    EXPECT_EQ(folder.bytes("game1.dat"), referenceFile("game1.dat"));
}

// ---------------------------------------------------------------------------------------------
// Loading the current game

class LoadCurrentGame : public ::testing::Test
{
protected:
    void SetUp() override { resetSharedState(); }
    GameDefinition game = fromBytes(savedRecord());
};

TEST_F(LoadCurrentGame, CopiesEveryValueButElementsZeroAndTrimsTheName)
{
    WinLines[0] = 5;
    DrawDays[0] = 9;
    game.winLines[0] = 1;
    game.drawDays[0] = 1;
    std::memcpy(game.name.data(), "  Lotto     ", 12);
    loadCurrentGame(game);
    EXPECT_EQ(GameName, QStringLiteral("Lotto"));
    EXPECT_EQ((std::vector<int> {
                  MainDrawn, BonusDrawn, MainPool, BonusSource, BonusPool, MainPicked, BonusPicked, BallColour }),
        (std::vector<int> { 6, 1, 49, 0, 10, 6, 1, 1 }));
    for (size_t k = 1; k <= 15; ++k)
        EXPECT_EQ(WinLines[k], game.winLines[k]);
    for (size_t d = 1; d <= 7; ++d)
        EXPECT_EQ(DrawDays[d], game.drawDays[d]);
    EXPECT_EQ(WinLines[0], 5);
    EXPECT_EQ(DrawDays[0], 9);
}

TEST_F(LoadCurrentGame, TheBonusNameComesFromTheRecordOrFromThePresetTags)
{
    const struct {
        const char *tag, *name; // nullptr: a name field of NULs
        const char *bonusTag, *bonusName;
    } cases[] = {
        { "EB", "", "EB", "Extra Ball" }, { "BB", "", "BB", "Bonus Ball" }, { "PB", "", "PB", "Powerball" },
        { "MB", nullptr, "MB", "Mega Ball" },
        { "ST", "Stars", "ST", "Stars     " }, // an own name is taken whole with its padding
        { "EB", " Stars", "EB", "Extra Ball" }, // a leading space counts as blank
        { "XY", "", "BB", "Bonus Ball" }, // unknown or lower-case tags with a blank name
        { "eb", "", "BB", "Bonus Ball" }, { "pb", "", "BB", "Bonus Ball" },
        { "X", "Extra", "X ", "Extra     " }, // the tag is not trimmed
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.tag) + "/" + (c.name ? c.name : "NUL"));
        BonusName = QStringLiteral("Old");
        game.setBonusTag(QLatin1String(c.tag));
        if (c.name)
            game.setBonusName(QLatin1String(c.name));
        else
            game.bonusName.fill('\0');
        loadCurrentGame(game);
        EXPECT_EQ(BonusTag, QLatin1String(c.bonusTag));
        EXPECT_EQ(BonusName, QLatin1String(c.bonusName));
    }
    // An all-zero record still loads without a name: the default pair.
    loadCurrentGame(GameDefinition {});
    EXPECT_EQ(GameName, QString());
    EXPECT_EQ(BonusTag, QStringLiteral("BB"));
    EXPECT_EQ(BonusName, QStringLiteral("Bonus Ball"));
}
