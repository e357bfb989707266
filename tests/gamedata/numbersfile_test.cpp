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

// Main 1, Count and Number of every record, by raw bytes.
using Column = std::vector<std::vector<int>>;
Column columns(const QByteArray &bytes)
{
    Column c(3);
    for (int i = 1; i <= bytes.size() / NumbersRecord::Size; ++i) {
        const NumbersRecord r = rawRecord(bytes, i);
        c[0].push_back(r.main[0]);
        c[1].push_back(r.count);
        c[2].push_back(r.number);
    }
    return c;
}

} // namespace

TEST(NumbersRecordLayout, FieldsSitAtTheirOffsetsLittleEndian)
{
    NumbersRecord r = drawRecord(2005, 11, 5, { 1, 2, 3, 4, 5, 6, 7 }, { 58, 59 });
    r.count = 0x01020304;
    r.number = -2;
    const QByteArray b = r.toBytes();
    // Count, Number, day, month, year (2005), seven mains, two extras.
    EXPECT_EQ(b.toHex(), QByteArray("04030201feff05000b00d50701000200030004000500060007003a003b00"));
    EXPECT_EQ(NumbersRecord::fromBytes(b.constData()), r);
}

TEST(HistoryInsertion, KeepsDateOrderRenumbersAndLeavesTheCountFieldsAsTheMovesLeaveThem)
{
    struct Case {
        const char *what;
        int counted; // of threeDraws(); the rest of the file is stale
        NumbersRecord result;
        int at;
        Column after;
    };
    NumbersRecord fresh = drawRecord(2006, 3, 9, { 1, 2, 3, 4, 5, 6 });
    fresh.count = 77; // whatever the caller's buffer held is replaced
    fresh.number = 9;
    const Case cases[] = {
        { "into a missing file", 0, fresh, 1, { { 1 }, { 1 }, { 1 } } },
        { "before every record: moved records keep their own Count fields", 3,
            drawRecord(2004, 1, 1, { 31, 32, 33, 34, 35, 36 }), 1,
            { { 31, 1, 11, 21 }, { 4, 3, 222, 333 }, { 1, 2, 3, 4 } } },
        { "dated like a stored one: after it, with the Count field of the record it displaces", 3,
            drawRecord(2006, 3, 9, { 41, 42, 43, 44, 45, 46 }), 3,
            { { 1, 11, 41, 21 }, { 4, 222, 333, 333 }, { 1, 2, 3, 4 } } },
        { "after every record: the new count itself", 3, drawRecord(2006, 3, 10, { 51, 52, 53, 54, 55, 56 }, { 57 }), 4,
            { { 1, 11, 21, 51 }, { 4, 222, 333, 4 }, { 1, 2, 3, 4 } } },
        { "goes by the count and overwrites a stale record past it", 2,
            drawRecord(2007, 1, 1, { 8, 9, 10, 11, 12, 13 }), 3, { { 1, 11, 8 }, { 3, 222, 3 }, { 1, 2, 3 } } },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TestFolder folder;
        const QString path = folder.file("Lotto.rtl");
        if (c.counted > 0) {
            writeNumbersFile(path, threeDraws(), true);
            QByteArray b = folder.bytes("Lotto.rtl");
            putInt32(b.data(), c.counted);
            folder.writeBytes("Lotto.rtl", b);
        }
        ASSERT_TRUE(insertResult(path, c.result).ok);
        const QByteArray b = folder.bytes("Lotto.rtl");
        ASSERT_EQ(b.size(), qsizetype(c.after[0].size() * 30));
        EXPECT_EQ(columns(b), c.after);
        NumbersRecord inserted = c.result;
        inserted.count = c.after[1][size_t(c.at - 1)];
        inserted.number = static_cast<int16_t>(c.at);
        EXPECT_EQ(rawRecord(b, c.at), inserted);
    }
}

TEST(HistoryDeletion, ShiftsLaterRecordsDownAndLeavesTheLastOneStale)
{
    // The file keeps its length; the last record stays as it was, renumbering stops at the count.
    const Column expected[] = {
        { { 11, 21, 21 }, { 2, 333, 333 }, { 1, 2, 3 } },
        { { 1, 21, 21 }, { 2, 333, 333 }, { 1, 2, 3 } },
        { { 1, 11, 21 }, { 2, 222, 333 }, { 1, 2, 3 } },
    };
    for (int p = 1; p <= 3; ++p) {
        SCOPED_TRACE(p);
        TestFolder folder;
        const QString path = folder.file("Lotto.rtl");
        writeNumbersFile(path, threeDraws(), true);
        const QByteArray before = folder.bytes("Lotto.rtl");
        ASSERT_TRUE(deleteResult(path, p).ok);
        const QByteArray b = folder.bytes("Lotto.rtl");
        ASSERT_EQ(b.size(), 90);
        EXPECT_EQ(columns(b), expected[p - 1]);
        EXPECT_EQ(b.mid(60), before.mid(60));
        if (p == 3) {
            EXPECT_EQ(b.mid(4), before.mid(4)); // only record 1's Count changed
        }
        NumbersFile file;
        ASSERT_TRUE(file.open(path));
        EXPECT_EQ(file.usableCount(), 2);
    }
}

TEST(HistoryDeletion, TheOnlyRecordDeletesTheFileAndARecordBeyondTheCountIsRefused)
{
    TestFolder folder;
    const QString path = folder.file("Lotto.rtl");
    writeNumbersFile(path, { drawRecord(2006, 3, 9, { 1, 2, 3, 4, 5 }) }, true);
    const FileResult beyond = deleteResult(path, 2);
    EXPECT_FALSE(beyond.ok);
    EXPECT_FALSE(beyond.message.isEmpty());
    EXPECT_EQ(folder.bytes("Lotto.rtl").size(), 30);
    ASSERT_TRUE(deleteResult(path, 1).ok);
    EXPECT_FALSE(QFile::exists(path));
}

TEST(DateKey, IsYearMonthDayAsOneNumber)
{
    EXPECT_EQ(getstringdate(2005, 11, 5), QStringLiteral("20051105"));
    EXPECT_EQ(getstringdate(2006, 3, 9), QStringLiteral("20060309"));
    EXPECT_EQ(dateKey(2005, 11, 5), 20051105LL);
    EXPECT_LT(dateKey(2006, 3, 9), dateKey(2006, 3, 10));
    EXPECT_LT(dateKey(2005, 12, 1), dateKey(2006, 3, 9));
}

TEST(EntryAppend, WritesRecordOneOfAMissingFileAndCopiesRecordOnesOtherFieldsLater)
{
    TestFolder folder;
    int count = -1;
    ASSERT_TRUE(appendEntry(folder.file("new.lot"), { 3, 15, 22, 31, 40, 0, 0 }, 7, &count).ok);
    EXPECT_EQ(count, 1);
    QByteArray b = folder.bytes("new.lot");
    ASSERT_EQ(b.size(), 30);
    NumbersRecord expected = entryRecord({ 3, 15, 22, 31, 40 }, 7);
    expected.count = 1;
    EXPECT_EQ(rawRecord(b, 1), expected);

    NumbersRecord first = drawRecord(2006, 5, 4, { 1, 2, 3, 4, 5, 6 }, { 9, 44 });
    first.number = 12;
    writeNumbersFile(folder.file("e.lot"), { first });
    ASSERT_TRUE(appendEntry(folder.file("e.lot"), { 10, 20, 30, 40, 50, 60, 0 }, 0).ok);
    b = folder.bytes("e.lot");
    ASSERT_EQ(b.size(), 60);
    expected = first;
    expected.count = 1; // record 1's count as it was when copied
    expected.main = { 10, 20, 30, 40, 50, 60, 0 };
    expected.extra[0] = 0;
    EXPECT_EQ(rawRecord(b, 2), expected);
    EXPECT_EQ(rawRecord(b, 1).count, 2);
}

TEST(SixteenBitLimit, AFullFileRefusesAnotherRecordAndWritesNothingOneBelowAcceptsIt)
{
    TestFolder folder;
    const QString lot = folder.file("full.lot");
    writeNumbersFile(lot, std::vector<NumbersRecord>(MaxNumbersRecords, entryRecord({ 1, 2, 3, 4, 5, 6 })));
    const QByteArray before = folder.bytes("full.lot");
    int count = -1;
    const FileResult r = appendEntry(lot, { 7, 8, 9, 10, 11, 12, 0 }, 0, &count);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.message.contains(QStringLiteral("32767"))) << r.message.toStdString();
    EXPECT_EQ(count, -1);
    EXPECT_EQ(folder.bytes("full.lot"), before);

    const QString rtl = folder.file("full.rtl");
    writeNumbersFile(rtl, std::vector<NumbersRecord>(MaxNumbersRecords, drawRecord(2000, 1, 1, { 1, 2, 3 })), true);
    const QByteArray history = folder.bytes("full.rtl");
    const FileResult h = insertResult(rtl, drawRecord(1999, 1, 1, { 1, 2, 3, 4, 5, 6 }));
    EXPECT_FALSE(h.ok);
    EXPECT_FALSE(h.message.isEmpty());
    EXPECT_EQ(folder.bytes("full.rtl"), history);

    const QString almost = folder.file("almost.lot");
    writeNumbersFile(almost, std::vector<NumbersRecord>(MaxNumbersRecords - 1, entryRecord({ 1, 2, 3 })));
    ASSERT_TRUE(appendEntry(almost, { 4, 5, 6, 0, 0, 0, 0 }, 0, &count).ok);
    EXPECT_EQ(count, MaxNumbersRecords);
    EXPECT_EQ(rawInt32(folder.bytes("almost.lot"), 0), MaxNumbersRecords);
}

TEST(DamagedCounts, AreHeldToWhatTheFileHoldsAndTheSixteenBitLimit)
{
    const struct {
        const char *hex;
        int declared, usable;
    } cases[] = { { "32000000", 50, 3 }, { "feffffff", -2, 0 }, { "00000100", 65536, 3 } };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.declared);
        TestFolder folder;
        const QString path = folder.file("d.rtl");
        writeNumbersFile(path, threeDraws(), true);
        QByteArray b = folder.bytes("d.rtl");
        b.replace(0, 4, QByteArray::fromHex(c.hex));
        folder.writeBytes("d.rtl", b);
        NumbersFile file;
        ASSERT_TRUE(file.open(path));
        EXPECT_EQ(file.declaredCount(), c.declared);
        EXPECT_EQ(file.usableCount(), c.usable);
        EXPECT_TRUE(file.isDamaged());
        file.close();
        if (c.declared < 0) { // nothing can be added to a file that cannot say where it ends
            const FileResult add = appendEntry(path, { 20, 21, 22, 23, 24, 25, 0 }, 0);
            EXPECT_FALSE(add.ok);
            EXPECT_TRUE(add.message.contains(QStringLiteral("-2"))) << add.message.toStdString();
            EXPECT_FALSE(insertResult(path, drawRecord(2006, 1, 1, { 1, 2, 3 })).ok);
            EXPECT_EQ(folder.bytes("d.rtl"), b);
        }
    }
    const QString message = damagedFileMessage(QStringLiteral("/x/d.rtl"), 50, 3);
    EXPECT_TRUE(message.contains(QStringLiteral("d.rtl")));
    EXPECT_TRUE(message.contains(QStringLiteral("50")));
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
    for (int n = listed; n > 0; --n) {
        const auto k = std::find(isSelected.begin(), isSelected.end(), true);
        if (k == isSelected.end())
            return;
        const int c = getInt32(file.read(1).constData());
        for (int j = int(k - isSelected.begin()) + 2; j <= c; ++j)
            ASSERT_TRUE(file.write(j - 1, file.read(j)));
        QByteArray first = file.read(1);
        putInt32(first.data(), c - 1);
        ASSERT_TRUE(file.write(1, first));
        isSelected.erase(k);
    }
}

// n entries with leftovers in every Count and Number field; `listed` of them counted.
QByteArray numberedEntries(int n, int listed)
{
    std::vector<NumbersRecord> records;
    for (int i = 1; i <= n; ++i) {
        NumbersRecord r = entryRecord({ i, i + 1, i + 2, i + 3, i + 4, i + 5 }, i % 10);
        r.count = 1000 + i;
        r.number = static_cast<int16_t>(500 + i);
        records.push_back(r);
    }
    QByteArray bytes;
    for (const NumbersRecord &r : records)
        bytes += r.toBytes();
    putInt32(bytes.data(), listed);
    return bytes;
}

} // namespace

TEST(EntryDeletion, MatchesOneAtATimeDeletionByteForByte)
{
    // Fixed cases over five listed entries and two stale records past the count (unsorted,
    // repeated and out-of-range lines among them), then random selections.
    std::vector<std::pair<int, std::vector<int>>> cases;
    for (const std::vector<int> &s : std::vector<std::vector<int>> { { 0 }, { 4 }, { 2 }, { 0, 1 }, { 1, 3 },
             { 0, 2, 4 }, { 0, 1, 2, 3, 4 }, { 4, 0 }, { 3, 3 }, { 7 }, {}, { -1, 2 } })
        cases.push_back({ 5, s });
    std::mt19937 gen(20061105);
    for (int round = 0; round < 40; ++round) {
        const int n = 1 + static_cast<int>(gen() % 12);
        std::vector<int> selection;
        for (int i = 0; i < n; ++i)
            if (gen() % 2)
                selection.push_back(i);
        cases.push_back({ n, selection });
    }
    for (size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE("case " + std::to_string(i));
        const auto &[listed, selection] = cases[i];
        TestFolder folder;
        const QByteArray original = numberedEntries(listed + (i < 12 ? 2 : 0), listed);
        folder.writeBytes("a.lot", original);
        folder.writeBytes("b.lot", original);
        int count = -1;
        ASSERT_TRUE(deleteEntries(folder.file("a.lot"), selection, &count).ok);
        deleteOneAtATime(folder.file("b.lot"), selection, listed);
        const QByteArray model = folder.bytes("b.lot");
        EXPECT_EQ(folder.bytes("a.lot"), model);
        EXPECT_EQ(count, rawInt32(model, 0));
        EXPECT_EQ(model.size(), original.size());
    }
}

TEST(EntryDeletion, TheFirstEntryMovesTheSecondIntoRecordOneWithTheLoweredCount)
{
    TestFolder folder;
    folder.writeBytes("e.lot", numberedEntries(3, 3));
    int count = 0;
    ASSERT_TRUE(deleteEntries(folder.file("e.lot"), { 0 }, &count).ok);
    EXPECT_EQ(count, 2);
    const Column after = columns(folder.bytes("e.lot"));
    EXPECT_EQ(after[0], (std::vector<int> { 2, 3, 3 })); // a stale copy at the end
    EXPECT_EQ(after[1][0], 2);
    EXPECT_EQ(after[2][0], 502); // the rest of record 2 came along
}
