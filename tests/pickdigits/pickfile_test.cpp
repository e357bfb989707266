#include "pickdigits/pickfile.h"
#include "support/testfolder.h"

#include <QFile>
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
    const QByteArray bytes = r.toBytes();
    ASSERT_EQ(bytes.size(), 12);
    EXPECT_EQ(bytes, QByteArray::fromHex("04030201010002000900feff"));
    EXPECT_EQ(PickRecord::fromBytes(bytes.constData()), r);
    EXPECT_EQ(pickFileName(3), QStringLiteral("Pick3.lot"));
    EXPECT_EQ(pickFileName(4), QStringLiteral("Pick4.lot"));
}

TEST(PickFile, SavedLinesReadBackAndCheckByteForByte)
{
    TestFolder folder;
    const QString path = folder.file(QStringLiteral("Pick4.lot"));
    // A missing file reads empty without being created.
    const PickFileRead missing = readPickFile(path, 4);
    EXPECT_TRUE(missing.readable && !missing.damaged() && missing.lines.empty());
    EXPECT_FALSE(folder.exists(QStringLiteral("Pick4.lot")));

    const std::vector<PickLine> lines {{1, 2, 0, 1}, {9, 9, 9, 9}, {0, 0, 0, 0}};
    ASSERT_TRUE(writePickFile(path, 4, lines).ok);

    // Only record 1 holds the count.
    EXPECT_EQ(folder.bytes(QStringLiteral("Pick4.lot")),
        QByteArray::fromHex("030000000100020000000100"
                            "000000000900090009000900"
                            "000000000000000000000000"));

    const PickFileRead read = readPickFile(path, 4);
    EXPECT_TRUE(read.readable && !read.damaged());
    EXPECT_EQ(read.lines, lines);

    // The raw reader sees the same records.
    PickFile file;
    ASSERT_TRUE(file.open(path));
    EXPECT_EQ(file.declaredCount(), 3);
    EXPECT_EQ(file.usableCount(), 3);
    EXPECT_FALSE(file.isDamaged());
    EXPECT_EQ(file.read(2).digits, (PickLine {9, 9, 9, 9}));
    EXPECT_EQ(file.readRange(1, 4).back(), PickRecord {}); // past the end: zeros
}

TEST(PickFile, Pick3WritesNoFourthDigitAndShrinksOnResave)
{
    TestFolder folder;
    const QString path = folder.file(QStringLiteral("Pick3.lot"));
    ASSERT_TRUE(writePickFile(path, 3, {{1, 1, 2, 7}, {2, 1, 1, 0}, {3, 3, 3, 0}}).ok);
    QByteArray bytes = folder.bytes(QStringLiteral("Pick3.lot"));
    ASSERT_EQ(bytes.size(), 36);
    EXPECT_EQ(bytes.left(12), record(3, 1, 1, 2, 0));

    // Fewer lines leave no stale records behind; an empty list is one record of zeros.
    ASSERT_TRUE(writePickFile(path, 3, {{5, 6, 7, 0}}).ok);
    EXPECT_EQ(folder.bytes(QStringLiteral("Pick3.lot")), record(1, 5, 6, 7, 0));
    ASSERT_TRUE(writePickFile(path, 3, {}).ok);
    EXPECT_EQ(folder.bytes(QStringLiteral("Pick3.lot")), QByteArray(12, '\0'));
    EXPECT_TRUE(readPickFile(path, 3).lines.empty());
}

TEST(PickFile, DamagedFilesGiveTheirSoundLines)
{
    TestFolder folder;
    const QString path = folder.file(QStringLiteral("Pick3.lot"));

    // A count beyond the file, and a torn last record.
    folder.writeBytes(QStringLiteral("Pick3.lot"), record(50, 1, 2, 3, 0) + record(0, 4, 5, 6, 0) + QByteArray(5, 1));
    PickFileRead read = readPickFile(path, 3);
    EXPECT_TRUE(read.countDamaged);
    EXPECT_EQ(read.lines, (std::vector<PickLine> {{1, 2, 3, 0}, {4, 5, 6, 0}}));
    QString message = damagedPickFileMessage(path, read);
    EXPECT_TRUE(message.contains(QStringLiteral("claims 50 lines but holds only 2"))) << message.toStdString();
    PickFile raw;
    ASSERT_TRUE(raw.open(path));
    EXPECT_TRUE(raw.isDamaged());
    EXPECT_EQ(raw.usableCount(), 2);
    raw.close();

    // A negative count says nothing: every whole record is shown.
    folder.writeBytes(QStringLiteral("Pick3.lot"), record(-3, 7, 8, 9, 0) + record(0, 0, 1, 2, 0));
    read = readPickFile(path, 3);
    EXPECT_TRUE(read.countDamaged);
    EXPECT_EQ(read.lines.size(), 2u);
    EXPECT_TRUE(damagedPickFileMessage(path, read).contains(QStringLiteral("negative")));

    // Digits outside 0 to 9 drop only their own line; a Pick 3 file's d4 is never looked at.
    folder.writeBytes(QStringLiteral("Pick3.lot"),
        record(4, 1, 2, 3, 99) + record(0, 10, 0, 0, 0) + record(0, 4, -1, 4, 0) + record(0, 9, 9, 9, 0));
    read = readPickFile(path, 3);
    EXPECT_FALSE(read.countDamaged);
    EXPECT_EQ(read.badLines, 2);
    EXPECT_EQ(read.lines, (std::vector<PickLine> {{1, 2, 3, 0}, {9, 9, 9, 0}}));
    message = damagedPickFileMessage(path, read);
    EXPECT_TRUE(message.contains(QStringLiteral("2 lines of Pick3.lot hold digits outside 0 to 9")))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("2 lines are shown")));

    // Records past the count are not lines.
    folder.writeBytes(QStringLiteral("Pick4.lot"), record(1, 1, 2, 3, 4) + record(0, 5, 5, 5, 5));
    read = readPickFile(folder.file(QStringLiteral("Pick4.lot")), 4);
    EXPECT_FALSE(read.damaged());
    EXPECT_EQ(read.lines, (std::vector<PickLine> {{1, 2, 3, 4}}));
}

TEST(PickFile, FailedSaveLeavesTheOldFile)
{
    TestFolder folder;
    const QString path = folder.file(QStringLiteral("Pick4.lot"));
    ASSERT_TRUE(writePickFile(path, 4, {{1, 2, 3, 4}}).ok);
    const QByteArray before = folder.bytes(QStringLiteral("Pick4.lot"));

    // A folder that does not exist cannot take the file.
    const FileResult refused = writePickFile(folder.file(QStringLiteral("missing/Pick4.lot")), 4, {{5, 6, 7, 8}});
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(refused.message.contains(QStringLiteral("could not be saved")));

    const std::vector<PickLine> tooMany(static_cast<size_t>(MaxPickLines) + 1, PickLine {});
    EXPECT_FALSE(writePickFile(path, 4, tooMany).ok);
    EXPECT_EQ(folder.bytes(QStringLiteral("Pick4.lot")), before);
}
