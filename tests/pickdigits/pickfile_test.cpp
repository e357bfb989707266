#include "pickdigits/pickfile.h"
#include "support/testfolder.h"

#include <gtest/gtest.h>

using namespace vx;
using namespace vx::test;

static const auto record = [](int32_t count, PickLine digits) { return PickRecord {count, digits}.toBytes(); };

TEST(PickFile, TheReferenceFileReadsAndIsWrittenByteForByteAndFailedSavesLeaveIt)
{
    const std::vector<PickLine> lines {{1, 2, 0, 1}, {9, 9, 9, 9}, {0, 0, 0, 0}};
    EXPECT_EQ(readPickFile(referencePath("Pick4.lot"), 4).lines, lines);
    TestFolder folder;
    const QString path = folder.file(pickFileName(4));
    EXPECT_TRUE(readPickFile(path, 4).lines.empty());
    EXPECT_FALSE(folder.exists("Pick4.lot")); // a missing file is not created by reading
    ASSERT_TRUE(writePickFile(path, 4, lines).ok);
    EXPECT_EQ(folder.bytes("Pick4.lot"), referenceFile("Pick4.lot"));
    for (const qint64 accepted : {0, 12, 35}) {
        FailingFileWrites failing(accepted);
        EXPECT_EQ(writePickFile(path, 4, {{5, 6, 7, 8}, {9, 9, 9, 9}, {1, 1, 1, 1}}).message,
            QStringLiteral(
                "Your lines could not be saved. The file Pick4.lot could not be written: No space left on device."));
    }
    EXPECT_FALSE(writePickFile(path, 4, std::vector<PickLine>(size_t(MaxPickLines) + 1)).ok);
    EXPECT_EQ(folder.bytes("Pick4.lot"), referenceFile("Pick4.lot")); // failed saves leave the old file
    // Pick 3 lines are written without a fourth digit, and fewer lines leave no stale records.
    ASSERT_TRUE(writePickFile(folder.file(pickFileName(3)), 3, {{1, 1, 2, 7}, {2, 1, 1, 0}}).ok);
    ASSERT_TRUE(writePickFile(path, 4, {}).ok);
    EXPECT_EQ(folder.bytes("Pick3.lot") + folder.bytes("Pick4.lot"),
        record(2, {1, 1, 2, 0}) + record(0, {2, 1, 1, 0}) + QByteArray(12, 0));
}

TEST(PickFile, DamagedFilesGiveTheirSoundLines)
{
    const struct {
        QByteArray bytes;
        int pickType, badLines;
        bool countDamaged;
        std::vector<PickLine> lines;
        const char *message;
    } cases[] = {{record(50, {1, 2, 3, 0}) + record(0, {4, 5, 6, 0}) + QByteArray(5, 1), 3, 0, true,
                     {{1, 2, 3, 0}, {4, 5, 6, 0}}, "claims 50 lines but holds only 2"}, // and a torn last record
        {record(-3, {7, 8, 9, 0}) + record(0, {0, 1, 2, 0}), 3, 0, true, {{7, 8, 9, 0}, {0, 1, 2, 0}}, "negative"},
        {record(4, {1, 2, 3, 99}) + record(0, {10, 0, 0, 0}) + record(0, {4, -1, 4, 0}) + record(0, {9, 9, 9, 0}), 3, 2,
            false, {{1, 2, 3, 0}, {9, 9, 9, 0}}, "2 lines of Pick3.lot hold digits outside 0 to 9"},
        {record(1, {1, 2, 3, 4}) + record(0, {5, 5, 5, 5}), 4, 0, false, {{1, 2, 3, 4}}, ""}}; // past the count
    for (const auto &c : cases) {
        TestFolder folder;
        const QString path = folder.file(pickFileName(c.pickType));
        folder.writeBytes(pickFileName(c.pickType), c.bytes);
        const PickFileRead read = readPickFile(path, c.pickType);
        EXPECT_EQ(
            std::tuple(read.countDamaged, read.badLines, read.lines), std::tuple(c.countDamaged, c.badLines, c.lines));
        EXPECT_TRUE(damagedPickFileMessage(path, read).contains(QLatin1String(c.message)));
        PickFile raw;
        EXPECT_TRUE(raw.open(path) && raw.isDamaged() == c.countDamaged);
    }
}
