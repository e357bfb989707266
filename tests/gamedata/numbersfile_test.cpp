#include "gamedata/numbersfile.h"
#include "support/testfolder.h"

#include <QFile>
#include <gtest/gtest.h>
#include <random>

using namespace vx;
using namespace vx::test;

namespace {

// A history file whose records carry recognisable leftovers in the Count field of records 2 on,
// as files written by the program do.
std::vector<NumbersRecord> threeDraws()
{
    std::vector<NumbersRecord> r = { drawRecord(2005, 12, 1, { 1, 2, 3, 4, 5, 6 }, { 7 }),
        drawRecord(2006, 3, 9, { 11, 12, 13, 14, 15, 16 }, { 17 }),
        drawRecord(2006, 3, 10, { 21, 22, 23, 24, 25, 26 }, { 27 }) };
    r[1].count = 222;
    r[2].count = 333;
    return r;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// The main numbers of records 1 .. n by raw bytes.
std::vector<int> firstMains(const QByteArray &bytes, int n)
{
    std::vector<int> mains;
    for (int i = 1; i <= n; ++i)
        mains.push_back(rawRecord(bytes, i).main[0]);
    return mains;
}

} // namespace

TEST(NumbersRecordLayout, FieldsSitAtTheirOffsetsLittleEndian)
{
    NumbersRecord r = drawRecord(2005, 11, 5, { 1, 2, 3, 4, 5, 6, 7 }, { 58, 59 });
    r.count = 0x01020304;
    r.number = -2;
    const QByteArray b = r.toBytes();
    ASSERT_EQ(b.size(), 30);
    EXPECT_EQ(b.left(4), QByteArray::fromHex("04030201"));
    EXPECT_EQ(b.mid(4, 2), QByteArray::fromHex("feff"));
    EXPECT_EQ(rawInt16(b, 6), 5);
    EXPECT_EQ(rawInt16(b, 8), 11);
    EXPECT_EQ(b.mid(10, 2), QByteArray::fromHex("d507")); // 2005
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(rawInt16(b, 12 + 2 * i), i + 1);
    EXPECT_EQ(rawInt16(b, 26), 58);
    EXPECT_EQ(rawInt16(b, 28), 59);
    EXPECT_EQ(NumbersRecord::fromBytes(b.constData()), r);
}

TEST(HistoryInsertion, IntoAnEmptyFileWritesOneRecordWithCountAndNumberOne)
{
    TestFolder folder;
    NumbersRecord fresh = drawRecord(2006, 3, 9, { 1, 2, 3, 4, 5, 6 });
    fresh.count = 77; // whatever the caller's buffer held is replaced
    fresh.number = 9;
    ASSERT_TRUE(insertResult(folder.file("Lotto.rtl"), fresh).ok);
    const QByteArray bytes = folder.bytes("Lotto.rtl");
    ASSERT_EQ(bytes.size(), 30);
    EXPECT_EQ(rawInt32(bytes, 0), 1);
    EXPECT_EQ(rawInt16(bytes, 4), 1);
    EXPECT_EQ(rawInt16(bytes, 6), 9);
    EXPECT_EQ(rawInt16(bytes, 8), 3);
    EXPECT_EQ(rawInt16(bytes, 10), 2006);
    EXPECT_EQ(rawInt16(bytes, 12), 1);
    EXPECT_EQ(rawInt16(bytes, 22), 6);
}

TEST(HistoryInsertion, BeforeEveryRecordMovesAllUpAndCarriesTheOldCountFields)
{
    TestFolder folder;
    const QString path = folder.file("Lotto.rtl");
    writeNumbersFile(path, threeDraws(), true);
    ASSERT_TRUE(insertResult(path, drawRecord(2004, 1, 1, { 31, 32, 33, 34, 35, 36 })).ok);

    const QByteArray b = fileBytes(path);
    ASSERT_EQ(b.size(), 4 * 30);
    EXPECT_EQ(firstMains(b, 4), (std::vector<int> { 31, 1, 11, 21 }));
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(rawRecord(b, i).number, i) << "record " << i;
    EXPECT_EQ(rawRecord(b, 1).count, 4);
    // Each moved record keeps its own Count field: the old record 1 still says 3.
    EXPECT_EQ(rawRecord(b, 2).count, 3);
    EXPECT_EQ(rawRecord(b, 3).count, 222);
    EXPECT_EQ(rawRecord(b, 4).count, 333);
}

TEST(HistoryInsertion, InTheMiddleTakesTheCountFieldOfTheRecordItDisplaces)
{
    TestFolder folder;
    const QString path = folder.file("Lotto.rtl");
    writeNumbersFile(path, threeDraws(), true);
    ASSERT_TRUE(insertResult(path, drawRecord(2006, 3, 9, { 41, 42, 43, 44, 45, 46 })).ok);

    const QByteArray b = fileBytes(path);
    ASSERT_EQ(b.size(), 4 * 30);
    // A result dated like a stored one goes after it.
    EXPECT_EQ(firstMains(b, 4), (std::vector<int> { 1, 11, 41, 21 }));
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(rawRecord(b, i).number, i);
    EXPECT_EQ(rawRecord(b, 1).count, 4);
    EXPECT_EQ(rawRecord(b, 3).count, 333); // the new record: the old record 3's Count
    EXPECT_EQ(rawRecord(b, 4).count, 333);
    EXPECT_EQ(rawRecord(b, 3).day, 9);
}

TEST(HistoryInsertion, AfterEveryRecordCarriesTheNewCountItself)
{
    TestFolder folder;
    const QString path = folder.file("Lotto.rtl");
    writeNumbersFile(path, threeDraws(), true);
    ASSERT_TRUE(insertResult(path, drawRecord(2006, 3, 10, { 51, 52, 53, 54, 55, 56 }, { 57 })).ok);

    const QByteArray b = fileBytes(path);
    ASSERT_EQ(b.size(), 4 * 30);
    EXPECT_EQ(firstMains(b, 4), (std::vector<int> { 1, 11, 21, 51 }));
    EXPECT_EQ(rawRecord(b, 1).count, 4);
    EXPECT_EQ(rawRecord(b, 4).count, 4);
    EXPECT_EQ(rawRecord(b, 4).number, 4);
    EXPECT_EQ(rawRecord(b, 4).extra[0], 57);
    EXPECT_EQ(rawRecord(b, 2).count, 222); // untouched
}

TEST(HistoryInsertion, GoesByTheCountAndOverwritesStaleRecordsPastIt)
{
    TestFolder folder;
    const QString path = folder.file("Lotto.rtl");
    std::vector<NumbersRecord> draws = threeDraws();
    writeNumbersFile(path, draws, true);
    ASSERT_TRUE(deleteResult(path, 3).ok); // count 2, record 3 stale
    ASSERT_TRUE(insertResult(path, drawRecord(2007, 1, 1, { 8, 9, 10, 11, 12, 13 })).ok);
    const QByteArray b = fileBytes(path);
    ASSERT_EQ(b.size(), 90);
    EXPECT_EQ(firstMains(b, 3), (std::vector<int> { 1, 11, 8 }));
    EXPECT_EQ(rawRecord(b, 1).count, 3);
}

TEST(HistoryDeletion, TheLastOfThreeLowersTheCountAndKeepsTheFileLength)
{
    TestFolder folder;
    const QString path = folder.file("Lotto.rtl");
    writeNumbersFile(path, threeDraws(), true);
    const QByteArray before = fileBytes(path);
    ASSERT_TRUE(deleteResult(path, 3).ok);
    const QByteArray b = fileBytes(path);
    ASSERT_EQ(b.size(), 90);
    EXPECT_EQ(rawRecord(b, 1).count, 2);
    EXPECT_EQ(b.mid(4), before.mid(4)); // only record 1's Count changed
    NumbersFile file;
    ASSERT_TRUE(file.open(path));
    EXPECT_EQ(file.usableCount(), 2);
}

TEST(HistoryDeletion, TheFirstOfThreeShiftsDownAndLeavesAStaleCopy)
{
    TestFolder folder;
    const QString path = folder.file("Lotto.rtl");
    writeNumbersFile(path, threeDraws(), true);
    const QByteArray before = fileBytes(path);
    ASSERT_TRUE(deleteResult(path, 1).ok);
    const QByteArray b = fileBytes(path);
    ASSERT_EQ(b.size(), 90);
    EXPECT_EQ(firstMains(b, 3), (std::vector<int> { 11, 21, 21 }));
    EXPECT_EQ(rawRecord(b, 1).number, 1);
    EXPECT_EQ(rawRecord(b, 2).number, 2);
    EXPECT_EQ(rawRecord(b, 1).count, 2);
    EXPECT_EQ(rawRecord(b, 2).count, 333); // the old record 3's leftover moved with it
    EXPECT_EQ(b.mid(60), before.mid(60)); // record 3 is the unchanged old record 3
}

TEST(HistoryDeletion, TheMiddleRecordShiftsOnlyTheOnesAfterIt)
{
    TestFolder folder;
    const QString path = folder.file("Lotto.rtl");
    writeNumbersFile(path, threeDraws(), true);
    ASSERT_TRUE(deleteResult(path, 2).ok);
    const QByteArray b = fileBytes(path);
    EXPECT_EQ(firstMains(b, 3), (std::vector<int> { 1, 21, 21 }));
    EXPECT_EQ(rawRecord(b, 2).number, 2);
    EXPECT_EQ(rawRecord(b, 3).number, 3);
    EXPECT_EQ(rawRecord(b, 1).count, 2);
}

TEST(HistoryDeletion, TheOnlyRecordDeletesTheFileAndARecordBeyondTheCountIsRefused)
{
    TestFolder folder;
    const QString path = folder.file("Lotto.rtl");
    writeNumbersFile(path, { drawRecord(2006, 3, 9, { 1, 2, 3, 4, 5 }) }, true);
    const FileResult beyond = deleteResult(path, 2);
    EXPECT_FALSE(beyond.ok);
    EXPECT_FALSE(beyond.message.isEmpty());
    EXPECT_EQ(fileBytes(path).size(), 30);
    ASSERT_TRUE(deleteResult(path, 1).ok);
    EXPECT_FALSE(QFile::exists(path));
}

TEST(DateKey, IsYearMonthDayAsOneNumber)
{
    EXPECT_EQ(getstringdate(2005, 11, 5), QStringLiteral("20051105"));
    EXPECT_EQ(getstringdate(2006, 3, 9), QStringLiteral("20060309"));
    EXPECT_EQ(getstringdate(2006, 12, 31), QStringLiteral("20061231"));
    EXPECT_EQ(dateKey(2005, 11, 5), 20051105LL);
    EXPECT_LT(dateKey(2006, 3, 9), dateKey(2006, 3, 10));
    EXPECT_LT(dateKey(2005, 12, 1), dateKey(2006, 3, 9));
    // The arguments are left as they were.
    int16_t y = 2006, m = 3, d = 9;
    getstringdate(y, m, d);
    EXPECT_EQ(y, 2006);
    EXPECT_EQ(m, 3);
    EXPECT_EQ(d, 9);
}

TEST(EntryAppend, OnAMissingFileWritesRecordOneWithCountOne)
{
    TestFolder folder;
    const QString path = folder.file("Lotto05NOV2005.lot");
    int count = -1;
    ASSERT_TRUE(appendEntry(path, { 3, 15, 22, 31, 40, 0, 0 }, 7, &count).ok);
    EXPECT_EQ(count, 1);
    const QByteArray b = fileBytes(path);
    ASSERT_EQ(b.size(), 30);
    EXPECT_EQ(rawInt32(b, 0), 1);
    EXPECT_EQ(rawInt16(b, 12), 3);
    EXPECT_EQ(rawInt16(b, 20), 40);
    EXPECT_EQ(rawInt16(b, 26), 7);
    EXPECT_EQ(rawInt16(b, 28), 0);
}

TEST(EntryAppend, RepeatsRecordOnesOtherFieldsInTheNewRecord)
{
    TestFolder folder;
    const QString path = folder.file("e.lot");
    NumbersRecord first = entryRecord({ 1, 2, 3, 4, 5, 6 }, 9);
    first.number = 12;
    first.day = 4;
    first.month = 5;
    first.year = 2006;
    first.extra[1] = 44;
    writeNumbersFile(path, { first });
    ASSERT_TRUE(appendEntry(path, { 10, 20, 30, 40, 50, 60, 0 }, 0).ok);
    const QByteArray b = fileBytes(path);
    ASSERT_EQ(b.size(), 60);
    const NumbersRecord added = rawRecord(b, 2);
    EXPECT_EQ(added.count, 1); // record 1's count as it was when copied
    EXPECT_EQ(added.number, 12);
    EXPECT_EQ(added.day, 4);
    EXPECT_EQ(added.year, 2006);
    EXPECT_EQ(added.extra[1], 44);
    EXPECT_EQ(added.extra[0], 0);
    EXPECT_EQ(added.main[5], 60);
    EXPECT_EQ(rawRecord(b, 1).count, 2);
}

TEST(SixteenBitLimit, AFullEntryFileRefusesAnotherEntryAndWritesNothing)
{
    TestFolder folder;
    const QString path = folder.file("full.lot");
    std::vector<NumbersRecord> records(MaxNumbersRecords, entryRecord({ 1, 2, 3, 4, 5, 6 }));
    writeNumbersFile(path, records);
    const QByteArray before = fileBytes(path);
    int count = -1;
    const FileResult r = appendEntry(path, { 7, 8, 9, 10, 11, 12, 0 }, 0, &count);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.message.contains(QStringLiteral("32767"))) << r.message.toStdString();
    EXPECT_EQ(count, -1);
    EXPECT_EQ(fileBytes(path), before);
}

TEST(SixteenBitLimit, AFullHistoryRefusesAnotherResultAndWritesNothing)
{
    TestFolder folder;
    const QString path = folder.file("full.rtl");
    std::vector<NumbersRecord> records(MaxNumbersRecords, drawRecord(2000, 1, 1, { 1, 2, 3, 4, 5, 6 }));
    writeNumbersFile(path, records, true);
    const QByteArray before = fileBytes(path);
    const FileResult r = insertResult(path, drawRecord(1999, 1, 1, { 1, 2, 3, 4, 5, 6 }));
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.message.isEmpty());
    EXPECT_EQ(fileBytes(path), before);
}

TEST(SixteenBitLimit, OneBelowTheLimitStillAcceptsTheLastEntry)
{
    TestFolder folder;
    const QString path = folder.file("almost.lot");
    writeNumbersFile(path, std::vector<NumbersRecord>(MaxNumbersRecords - 1, entryRecord({ 1, 2, 3 })));
    int count = 0;
    ASSERT_TRUE(appendEntry(path, { 4, 5, 6, 0, 0, 0, 0 }, 0, &count).ok);
    EXPECT_EQ(count, MaxNumbersRecords);
    EXPECT_EQ(rawInt32(fileBytes(path), 0), MaxNumbersRecords);
}

TEST(DamagedCounts, ACountPastTheEndIsCutToWhatTheFileHolds)
{
    TestFolder folder;
    const QString path = folder.file("d.rtl");
    std::vector<NumbersRecord> draws = threeDraws();
    draws[0].count = 3;
    writeNumbersFile(path, draws, true);
    QByteArray b = fileBytes(path);
    b[0] = char(50); // claims 50 records
    writeRaw(path, b);
    NumbersFile file;
    ASSERT_TRUE(file.open(path));
    EXPECT_EQ(file.declaredCount(), 50);
    EXPECT_EQ(file.usableCount(), 3);
    EXPECT_TRUE(file.isDamaged());
    const QString message = damagedFileMessage(path, 50, 3);
    EXPECT_TRUE(message.contains(QStringLiteral("d.rtl")));
    EXPECT_TRUE(message.contains(QStringLiteral("50")));
}

TEST(DamagedCounts, ANegativeCountReadsAsEmptyAndRefusesWrites)
{
    TestFolder folder;
    const QString path = folder.file("neg.lot");
    writeNumbersFile(path, { entryRecord({ 1, 2, 3, 4, 5, 6 }), entryRecord({ 7, 8, 9, 10, 11, 12 }) });
    QByteArray b = fileBytes(path);
    b.replace(0, 4, QByteArray::fromHex("feffffff")); // -2
    writeRaw(path, b);
    {
        NumbersFile file;
        ASSERT_TRUE(file.open(path));
        EXPECT_EQ(file.usableCount(), 0);
        EXPECT_TRUE(file.isDamaged());
    }
    const FileResult add = appendEntry(path, { 20, 21, 22, 23, 24, 25, 0 }, 0);
    EXPECT_FALSE(add.ok);
    EXPECT_TRUE(add.message.contains(QStringLiteral("-2"))) << add.message.toStdString();
    const FileResult insert = insertResult(path, drawRecord(2006, 1, 1, { 1, 2, 3 }));
    EXPECT_FALSE(insert.ok);
    EXPECT_EQ(fileBytes(path), b);
}

TEST(DamagedCounts, AHugeCountIsHeldAtTheSixteenBitLimit)
{
    TestFolder folder;
    const QString path = folder.file("huge.lot");
    writeNumbersFile(path, { entryRecord({ 1, 2, 3 }) });
    QByteArray b = fileBytes(path);
    b.replace(0, 4, QByteArray::fromHex("00000100")); // 65536
    writeRaw(path, b);
    NumbersFile file;
    ASSERT_TRUE(file.open(path));
    EXPECT_EQ(file.usableCount(), 1);
    EXPECT_TRUE(file.isDamaged());
}

// ---------------------------------------------------------------------------------------------
// Deleting entries: the result must be byte for byte what deleting the selected lines one at a
// time from the lowest would leave, stale records past the count included.

namespace {

// The one-at-a-time deletion, record by record, as the entry panel's Delete describes it.
void deleteOneAtATime(const QString &path, std::vector<int> selected, int listed)
{
    RecordFile file(NumbersRecord::Size);
    ASSERT_TRUE(file.open(path));
    std::vector<bool> isSelected(static_cast<size_t>(listed), false);
    for (int line : selected)
        if (line >= 0 && line < listed)
            isSelected[static_cast<size_t>(line)] = true;
    int n = listed;
    while (n > 0) {
        int k = -1;
        for (int i = 0; i < n; ++i)
            if (isSelected[static_cast<size_t>(i)]) {
                k = i;
                break;
            }
        if (k < 0)
            return;
        const int c = getInt32(file.read(1).constData());
        for (int j = k + 2; j <= c; ++j)
            ASSERT_TRUE(file.write(j - 1, file.read(j)));
        QByteArray first = file.read(1);
        putInt32(first.data(), c - 1);
        ASSERT_TRUE(file.write(1, first));
        isSelected.erase(isSelected.begin() + k);
        --n;
    }
}

std::vector<NumbersRecord> numberedEntries(int n)
{
    std::vector<NumbersRecord> records;
    for (int i = 1; i <= n; ++i) {
        NumbersRecord r = entryRecord({ i, i + 1, i + 2, i + 3, i + 4, i + 5 }, i % 10);
        r.count = 1000 + i; // leftovers in every Count field
        r.number = static_cast<int16_t>(500 + i);
        records.push_back(r);
    }
    return records;
}

} // namespace

TEST(EntryDeletion, MatchesOneAtATimeDeletionByteForByte)
{
    const std::vector<std::vector<int>> selections = { { 0 }, { 4 }, { 2 }, { 0, 1 }, { 1, 3 }, { 0, 2, 4 },
        { 0, 1, 2, 3, 4 }, { 4, 0 }, { 3, 3 }, { 7 }, {}, { -1, 2 } };
    for (const std::vector<int> &selection : selections) {
        TestFolder folder;
        const QString a = folder.file("a.lot");
        const QString b = folder.file("b.lot");
        // Five entries listed, two stale records past the count.
        std::vector<NumbersRecord> records = numberedEntries(7);
        writeNumbersFile(a, records);
        QByteArray bytes = fileBytes(a);
        putInt32(bytes.data(), 5);
        writeRaw(a, bytes);
        writeRaw(b, bytes);

        int count = -1;
        ASSERT_TRUE(deleteEntries(a, selection, &count).ok);
        deleteOneAtATime(b, selection, 5);
        std::string name;
        for (int line : selection)
            name += std::to_string(line) + " ";
        EXPECT_EQ(fileBytes(a), fileBytes(b)) << "selection " << name;
        EXPECT_EQ(count, rawInt32(fileBytes(b), 0)) << "selection " << name;
        EXPECT_EQ(fileBytes(a).size(), 7 * 30);
    }
}

TEST(EntryDeletion, MatchesOneAtATimeOnRandomSelections)
{
    std::mt19937 gen(20061105);
    for (int round = 0; round < 40; ++round) {
        TestFolder folder;
        const int n = 1 + static_cast<int>(gen() % 12);
        const QString a = folder.file("a.lot");
        const QString b = folder.file("b.lot");
        writeNumbersFile(a, numberedEntries(n));
        writeNumbersFile(b, numberedEntries(n));
        std::vector<int> selection;
        for (int i = 0; i < n; ++i)
            if (gen() % 2)
                selection.push_back(i);
        ASSERT_TRUE(deleteEntries(a, selection).ok);
        deleteOneAtATime(b, selection, n);
        ASSERT_EQ(fileBytes(a), fileBytes(b)) << "round " << round;
    }
}

TEST(EntryDeletion, TheFirstEntryMovesTheSecondIntoRecordOneWithTheLoweredCount)
{
    TestFolder folder;
    const QString path = folder.file("e.lot");
    writeNumbersFile(path, numberedEntries(3));
    int count = 0;
    ASSERT_TRUE(deleteEntries(path, { 0 }, &count).ok);
    EXPECT_EQ(count, 2);
    const QByteArray b = fileBytes(path);
    EXPECT_EQ(rawRecord(b, 1).main[0], 2);
    EXPECT_EQ(rawRecord(b, 1).count, 2);
    EXPECT_EQ(rawRecord(b, 1).number, 502); // the rest of record 2 came along
    EXPECT_EQ(rawRecord(b, 3).main[0], 3); // stale copy
}

TEST(EntryDeletion, AllEntriesLeaveCountZeroAndTheFileInPlace)
{
    TestFolder folder;
    const QString path = folder.file("e.lot");
    writeNumbersFile(path, numberedEntries(5));
    int count = -1;
    ASSERT_TRUE(deleteEntries(path, { 0, 1, 2, 3, 4 }, &count).ok);
    EXPECT_EQ(count, 0);
    const QByteArray b = fileBytes(path);
    EXPECT_EQ(b.size(), 150);
    EXPECT_EQ(rawInt32(b, 0), 0);
}
