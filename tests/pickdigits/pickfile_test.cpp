#include "pickdigits/pickfile.h"
#include "support/failingdevice.h"
#include "support/referencefiles.h"
#include "support/testfolder.h"

#include <QBuffer>
#include <gtest/gtest.h>

using namespace vx;
using namespace vx::test;

namespace {
QByteArray record(int32_t count, int16_t d1, int16_t d2, int16_t d3, int16_t d4)
{
    PickRecord r;
    r.count = count;
    r.digits = {d1, d2, d3, d4};
    return r.toBytes();
}
} // namespace

TEST(PickFile, RecordLayoutIsLittleEndian)
{
    PickRecord r;
    r.count = 0x01020304;
    r.digits = {1, 2, 9, -2};
    EXPECT_EQ(r.toBytes(), QByteArray::fromHex("04030201010002000900feff"));
    EXPECT_EQ(PickRecord::fromBytes(r.toBytes().constData()), r);
    EXPECT_EQ(pickFileName(3), QStringLiteral("Pick3.lot"));
    EXPECT_EQ(pickFileName(4), QStringLiteral("Pick4.lot"));
}

TEST(PickFile, TheReferenceFileReadsAndIsWrittenByteForByteAndAMissingOneIsNotCreated)
{
    const std::vector<PickLine> lines {{1, 2, 0, 1}, {9, 9, 9, 9}, {0, 0, 0, 0}};
    const PickFileRead read = readPickFile(referencePath("Pick4.lot"), 4);
    EXPECT_TRUE(read.readable && !read.damaged());
    EXPECT_EQ(read.lines, lines);

    TestFolder folder;
    const QString path = folder.file(QStringLiteral("Pick4.lot"));
    EXPECT_TRUE(readPickFile(path, 4).lines.empty());
    EXPECT_FALSE(folder.exists(QStringLiteral("Pick4.lot")));
    ASSERT_TRUE(writePickFile(path, 4, lines).ok);
    EXPECT_EQ(folder.bytes(QStringLiteral("Pick4.lot")), referenceFile("Pick4.lot"));

    // The counted-record reader over the same bytes in memory: zeros past the end; its writes
    // are the numbers file's.
    QByteArray bytes = referenceFile("Pick4.lot");
    QBuffer buffer(&bytes);
    PickFile file;
    ASSERT_TRUE(file.open(&buffer));
    EXPECT_EQ(file.usableCount(), 3);
    EXPECT_FALSE(file.isDamaged());
    EXPECT_EQ(file.readRange(2, 3),
        (std::vector<PickRecord> {PickRecord::fromBytes(bytes.constData() + 12),
            PickRecord::fromBytes(bytes.constData() + 24), PickRecord {}}));
    ASSERT_TRUE(file.setCount(-1) && file.write(5, PickRecord {7, {1, 2, 3, 4}}));
    EXPECT_EQ(
        bytes, record(-1, 1, 2, 0, 1) + referenceFile("Pick4.lot").mid(12) + QByteArray(12, 0) + record(7, 1, 2, 3, 4));
    EXPECT_TRUE(file.isDamaged());
    EXPECT_EQ(file.usableCount(), 0);
}

TEST(PickFile, Pick3WritesNoFourthDigitAndShrinksOnResave)
{
    TestFolder folder;
    const QString path = folder.file(QStringLiteral("Pick3.lot"));
    ASSERT_TRUE(writePickFile(path, 3, {{1, 1, 2, 7}, {2, 1, 1, 0}, {3, 3, 3, 0}}).ok);
    EXPECT_EQ(folder.bytes(QStringLiteral("Pick3.lot")).left(12), record(3, 1, 1, 2, 0));
    EXPECT_EQ(folder.bytes(QStringLiteral("Pick3.lot")).size(), 36);
    ASSERT_TRUE(writePickFile(path, 3, {{5, 6, 7, 0}}).ok);
    EXPECT_EQ(folder.bytes(QStringLiteral("Pick3.lot")), record(1, 5, 6, 7, 0));
    ASSERT_TRUE(writePickFile(path, 3, {}).ok);
    EXPECT_EQ(folder.bytes(QStringLiteral("Pick3.lot")), QByteArray(12, '\0'));
}

TEST(PickFile, DamagedFilesGiveTheirSoundLines)
{
    const struct {
        QByteArray bytes;
        int pickType;
        bool countDamaged;
        int badLines;
        std::vector<PickLine> lines;
        const char *message;
    } cases[] = {
        {record(50, 1, 2, 3, 0) + record(0, 4, 5, 6, 0) + QByteArray(5, 1), 3, true, 0, {{1, 2, 3, 0}, {4, 5, 6, 0}},
            "claims 50 lines but holds only 2"}, // and a torn last record
        {record(-3, 7, 8, 9, 0) + record(0, 0, 1, 2, 0), 3, true, 0, {{7, 8, 9, 0}, {0, 1, 2, 0}}, "negative"},
        {record(4, 1, 2, 3, 99) + record(0, 10, 0, 0, 0) + record(0, 4, -1, 4, 0) + record(0, 9, 9, 9, 0), 3, false, 2,
            {{1, 2, 3, 0}, {9, 9, 9, 0}}, "2 lines of Pick3.lot hold digits outside 0 to 9"},
        {record(1, 1, 2, 3, 4) + record(0, 5, 5, 5, 5), 4, false, 0, {{1, 2, 3, 4}}, ""}, // past the count
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.message);
        TestFolder folder;
        const QString name = pickFileName(c.pickType);
        folder.writeBytes(name, c.bytes);
        const PickFileRead read = readPickFile(folder.file(name), c.pickType);
        EXPECT_EQ(read.countDamaged, c.countDamaged);
        EXPECT_EQ(read.badLines, c.badLines);
        EXPECT_EQ(read.lines, c.lines);
        if (read.damaged())
            EXPECT_TRUE(damagedPickFileMessage(folder.file(name), read).contains(QLatin1String(c.message)));
        PickFile raw;
        ASSERT_TRUE(raw.open(folder.file(name)));
        EXPECT_EQ(raw.isDamaged(), c.countDamaged);
    }
}

TEST(PickFile, FailedSavesLeaveTheOldFile)
{
    TestFolder folder;
    const QString path = folder.file(QStringLiteral("Pick4.lot"));
    ASSERT_TRUE(writePickFile(path, 4, {{1, 2, 3, 4}}).ok);
    const QByteArray before = folder.bytes(QStringLiteral("Pick4.lot"));
    for (const qint64 accepted : {0, 11, 12, 23}) {
        FailingFileWrites failing(accepted);
        EXPECT_EQ(writePickFile(path, 4, {{5, 6, 7, 8}, {9, 9, 9, 9}}).message,
            QStringLiteral("Your lines could not be saved to Pick4.lot: No space left on device"));
        EXPECT_EQ(folder.bytes(QStringLiteral("Pick4.lot")), before);
    }
    EXPECT_FALSE(writePickFile(folder.file(QStringLiteral("missing/Pick4.lot")), 4, {{5, 6, 7, 8}}).ok);
    const std::vector<PickLine> tooMany(static_cast<size_t>(MaxPickLines) + 1, PickLine {});
    EXPECT_FALSE(writePickFile(path, 4, tooMany).ok);
    EXPECT_EQ(folder.bytes(QStringLiteral("Pick4.lot")), before);
}
