#include "gamedata/gamedefinition.h"
#include "gamedata/gameediting.h"
#include "support/testfolder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace vx;
using namespace vx::test;

namespace {

// A saved game record built byte by byte.
const QByteArray SavedRecord = QByteArray::fromHex(
    "5765656b6c79202020202020" // "Weekly"
    "06000100310000000a0006000100" // 6 drawn, 1 bonus, pool 49, source 0, bonus pool 10, picks 6 and 1
    "0000010000000100000001000000010000000100000001000000010000000100" // winning lines 0 to 15: odd ones on
    "00000000000000000400000000000700" // draw days 0 to 7: Wednesday and Saturday
    "0100504220202020202020202020"); // red balls, "PB", a blank name

} // namespace

TEST(GameFiles, AreReadWhateverTheirLengthAndWrittenAsOneRecordInPlaceEveryFieldAtItsOffset)
{
    const QByteArray saved = referenceFile("game1.dat");
    EXPECT_EQ(GameDefinition::fromBytes(saved.constData()).toBytes(), SavedRecord);
    EXPECT_EQ(paddedGameFileName(3), "game3.dat   ");
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
        EXPECT_EQ(std::tuple(read.status, qsizetype(read.length), int(read.definition.mainDrawn),
                      int(read.definition.mainPool)),
            std::tuple(c.status, c.bytes.size(), c.mainDrawn, c.mainPool));
        EXPECT_EQ(folder.bytes("game1.dat"), c.bytes);
        ASSERT_TRUE(writeGameDefinition(folder.file("game1.dat"), GameDefinition::fromBytes(saved.constData())));
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
    const auto change = [](GameDefinition &g) { return g.mainPool = 59, QString(); };
    EXPECT_EQ(updateGameFile(folder.file("game1.dat"), change).message,
        "The game definition could not be saved. The file game1.dat could not be written: No space left on device. "
        "Nothing was changed in it.");
    EXPECT_EQ(folder.bytes("game1.dat"), referenceFile("game1.dat"));
}
