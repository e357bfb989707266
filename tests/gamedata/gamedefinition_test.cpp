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
    EXPECT_EQ(referenceFile("game1.dat"), savedRecord());

    // Names are padded to twelve and cut beyond; negative counts are stored as such.
    g.setName(QStringLiteral("ThirteenChars"));
    EXPECT_EQ(g.nameText(), QStringLiteral("ThirteenChar"));
    g.setName(QStringLiteral("Lotto"));
    g.setBonusName(QStringLiteral("Star"));
    g.mainPool = -2;
    const QByteArray out = g.toBytes();
    EXPECT_EQ(out.left(12), QByteArray("Lotto       "));
    EXPECT_EQ(out.mid(16, 2), QByteArray::fromHex("feff"));
    EXPECT_EQ(out.mid(78, 10), QByteArray("Star      "));
    EXPECT_EQ(paddedGameFileName(3), QStringLiteral("game3.dat   "));
}

TEST(GameFiles, AreReadWhateverTheirLengthAndWrittenAsOneRecordInPlace)
{
    const QByteArray saved = referenceFile("game1.dat");
    const struct {
        QByteArray bytes; // empty: no file
        GameFileStatus status;
        qint64 length;
        int mainPool;
    } cases[] = {
        {{}, GameFileStatus::Empty, 0, 0}, // created empty
        {saved, GameFileStatus::Ok, 88, 49},
        {saved.left(16), GameFileStatus::WrongLength, 16, 0}, // cut off before the main pool
        {saved + saved, GameFileStatus::WrongLength, 176, 49},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.length);
        TestFolder folder;
        if (!c.bytes.isEmpty())
            folder.writeBytes("game1.dat", c.bytes);
        const GameFileRead read = readGameDefinition(folder.file("game1.dat"));
        EXPECT_EQ(read.status, c.status);
        EXPECT_EQ(read.length, c.length);
        EXPECT_EQ(read.definition.mainPool, c.mainPool);
        EXPECT_EQ(read.definition.mainDrawn, c.length >= 14 ? 6 : 0);
        EXPECT_EQ(folder.bytes("game1.dat"), c.bytes);
        // Writing replaces record 1 and leaves whatever follows it.
        ASSERT_TRUE(writeGameDefinition(folder.file("game1.dat"), fromBytes(saved)));
        EXPECT_EQ(folder.bytes("game1.dat"), saved + c.bytes.mid(88));
    }
    EXPECT_TRUE(damagedGameFileMessage("/x/game1.dat", 20).contains(QStringLiteral("game1.dat is damaged")));
}

TEST(GameFiles, AFolderThatCannotHoldFilesGivesOpenFailed)
{
    TestFolder folder;
    folder.writeBytes("plainfile", "x");
    const GameFileRead read = readGameDefinition(folder.file("plainfile") + QStringLiteral("/game1.dat"));
    EXPECT_EQ(read.status, GameFileStatus::OpenFailed);
    EXPECT_FALSE(read.error.isEmpty());
}

TEST(GameFiles, AFailingWriteIsReportedAsNotSaved)
{
    TestFolder folder;
    folder.writeBytes("game1.dat", referenceFile("game1.dat"));
    const auto raisePool = [](GameDefinition &g) {
        g.mainPool = 59;
        return QString();
    };
    for (const qint64 accepted : {0, 17, 87}) {
        FailingFileWrites failing(accepted, QStringLiteral("game1.dat"));
        const GameFileSave save = updateGameFile(folder.file("game1.dat"), raisePool);
        EXPECT_EQ(save.status, GameFileSave::Status::Failed);
        EXPECT_EQ(save.message,
            QStringLiteral("The game definition could not be saved: the file game1.dat cannot be written (No space "
                           "left on device). Nothing was changed in it."));
        EXPECT_EQ(failing.failures(), 1);
        // A write in place keeps what went out before the disk filled.
        EXPECT_EQ(rawInt16(folder.bytes("game1.dat"), 16), accepted >= 17 ? 59 : 49);
    }
    FailingFileWrites elsewhere(0, QStringLiteral("game2.dat"));
    EXPECT_EQ(updateGameFile(folder.file("game1.dat"), raisePool).status, GameFileSave::Status::Saved);
    EXPECT_EQ(elsewhere.failures(), 0);
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
