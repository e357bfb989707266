#include "gamedata/numbersfile.h"
#include "support/failingdevice.h"
#include "support/referencefiles.h"
#include "support/testfolder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>
#include <sys/mount.h>
#include <unistd.h>

using namespace vx;
using namespace vx::test;

namespace {

// The record moves made in place, one record at a time, over the bytes of a file.
struct InPlaceModel {
    QByteArray bytes;

    NumbersRecord get(int n) const
    {
        QByteArray r = bytes.mid((n - 1) * 30, 30);
        return NumbersRecord::fromBytes((r + QByteArray(30 - r.size(), '\0')).constData());
    }
    void put(int n, const NumbersRecord &r)
    {
        if (bytes.size() < n * 30)
            bytes.append(QByteArray(n * 30 - bytes.size(), '\0'));
        bytes.replace((n - 1) * 30, 30, r.toBytes());
    }
    int count() const { return std::clamp<int>(get(1).count, 0, int(bytes.size() / 30)); }
    void setCount(int c)
    {
        NumbersRecord first = get(1);
        first.count = c;
        put(1, first);
    }
    void insert(NumbersRecord fresh)
    {
        const int c = count();
        const auto key = [](const NumbersRecord &r) { return dateKey(r.year, r.month, r.day); };
        int at = c + 1;
        for (int i = c; i >= 1; --i)
            if (key(get(i)) > key(fresh))
                at = i;
        fresh.count = at <= c ? get(at).count : c + 1; // the buffer of the record it displaces
        fresh.number = static_cast<int16_t>(at);
        for (int j = c; j >= at; --j) {
            NumbersRecord moved = get(j);
            ++moved.number;
            put(j + 1, moved);
        }
        put(at, fresh);
        setCount(c + 1);
    }
    void remove(int p, bool renumber)
    {
        const int c = count();
        for (int j = p + 1; j <= c; ++j) {
            NumbersRecord moved = get(j);
            moved.number = static_cast<int16_t>(moved.number - (renumber ? 1 : 0));
            put(j - 1, moved);
        }
        setCount(c - 1);
    }
};

NumbersRecord randomDraw(std::mt19937 &gen)
{
    NumbersRecord r = drawRecord(2005 + int(gen() % 2), 1 + int(gen() % 3), 1 + int(gen() % 4), {}, {});
    for (int16_t &m : r.main)
        m = static_cast<int16_t>(gen() % 50);
    r.extra = {int16_t(gen() % 10), int16_t(gen() % 10)};
    r.count = int32_t(gen() % 1000); // whatever the caller's buffer held is replaced
    r.number = int16_t(gen() % 1000);
    return r;
}

// A sound history file of draws with stale records past its count.
InPlaceModel historyFile(std::mt19937 &gen, int draws, int stale)
{
    InPlaceModel m;
    for (int i = 0; i < draws + stale; ++i)
        m.insert(randomDraw(gen));
    if (draws + stale > 0)
        m.setCount(draws);
    return m;
}

} // namespace

TEST(NumbersRecordLayout, FieldsSitAtTheirOffsetsLittleEndian)
{
    NumbersRecord r = drawRecord(2005, 11, 5, {1, 2, 3, 4, 5, 6, 7}, {58, 59});
    r.count = 0x01020304;
    r.number = -2;
    const QByteArray b = r.toBytes();
    EXPECT_EQ(b.toHex(), QByteArray("04030201feff05000b00d50701000200030004000500060007003a003b00"));
    EXPECT_EQ(NumbersRecord::fromBytes(b.constData()), r);
    EXPECT_EQ(getstringdate(2006, 3, 9), QStringLiteral("20060309"));
    EXPECT_EQ(dateKey(2005, 11, 5), 20051105LL);
}

TEST(RecordFileOnADevice, ReadsZerosPastTheEndAndWritesPastItThroughAZeroGap)
{
    QByteArray bytes("abcdef");
    QBuffer buffer(&bytes);
    RecordFile file(4);
    ASSERT_TRUE(file.open(&buffer, QStringLiteral("mem")));
    EXPECT_EQ(file.readRange(2, 2), QByteArray("ef") + QByteArray(6, '\0'));
    ASSERT_TRUE(file.write(4, "wxyz"));
    EXPECT_EQ(bytes, QByteArray("abcdef") + QByteArray(6, '\0') + "wxyz");
    EXPECT_EQ(file.recordsOnDisk(), 4);
    QBuffer readOnly(&bytes);
    readOnly.open(QIODevice::ReadOnly);
    ASSERT_TRUE(file.open(&readOnly, QStringLiteral("mem")));
    EXPECT_FALSE(file.write(1, "abcd"));
    EXPECT_EQ(file.errorString(), QStringLiteral("The file mem cannot be written."));
}

TEST(HistoryChanges, MatchTheInPlaceMovesByteForByteOnDiskAndInMemory)
{
    std::mt19937 gen(20060309);
    for (int round = 0; round < 25; ++round) {
        SCOPED_TRACE(round);
        TestFolder folder;
        const QString path = folder.file("Lotto.rtl");
        InPlaceModel model = historyFile(gen, round % 4, round % 3);
        if (!model.bytes.isEmpty())
            folder.writeBytes("Lotto.rtl", model.bytes);
        QByteArray memory = model.bytes;
        QBuffer buffer(&memory);
        NumbersFile inMemory;
        ASSERT_TRUE(inMemory.open(&buffer, path));
        for (int step = 0; step < 12; ++step) {
            const int c = model.count();
            if (c > 1 && gen() % 3 == 0) {
                const int p = 1 + int(gen() % unsigned(c));
                ASSERT_TRUE(deleteResult(path, p).ok);
                ASSERT_TRUE(deleteResult(inMemory, p).ok);
                model.remove(p, true);
            } else {
                const NumbersRecord draw = randomDraw(gen);
                ASSERT_TRUE(insertResult(path, draw).ok);
                ASSERT_TRUE(insertResult(inMemory, draw).ok);
                model.insert(draw);
            }
            const QByteArray b = folder.bytes("Lotto.rtl");
            ASSERT_EQ(b, model.bytes);
            ASSERT_EQ(memory, model.bytes);
            ASSERT_EQ(b.size() % 30, 0);
            const int count = rawInt32(b, 0);
            for (int i = 1; i <= count; ++i) {
                const NumbersRecord r = rawRecord(b, i), before = rawRecord(b, std::max(i - 1, 1));
                ASSERT_EQ(r.number, i);
                ASSERT_LE(dateKey(before.year, before.month, before.day), dateKey(r.year, r.month, r.day));
            }
        }
    }
}

TEST(EntryDeletion, MatchesOneAtATimeDeletionByteForByte)
{
    std::mt19937 gen(20061105);
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE(round);
        const int listed = 1 + int(gen() % 12);
        InPlaceModel model = historyFile(gen, listed, int(gen() % 3));
        std::vector<int> selected; // unsorted, repeated and out-of-range lines among them
        for (int i = 0; i < 6; ++i)
            selected.push_back(int(gen() % unsigned(listed + 2)) - 1);
        TestFolder folder;
        folder.writeBytes("e.lot", model.bytes);
        int count = -1;
        ASSERT_TRUE(deleteEntries(folder.file("e.lot"), selected, &count).ok);
        std::sort(selected.begin(), selected.end());
        selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
        std::erase_if(selected, [&](int line) { return line < 0 || line >= listed; });
        for (size_t k = 0; k < selected.size(); ++k)
            model.remove(selected[k] - int(k) + 1, false);
        EXPECT_EQ(folder.bytes("e.lot"), model.bytes);
        EXPECT_EQ(count, model.count());
    }
}

TEST(WholeFileChanges, AFailedWriteLeavesTheOldFileByteForByteAndSaysSo)
{
    std::mt19937 gen(7);
    TestFolder folder;
    const QString path = folder.file("Lotto.rtl");
    const QByteArray before = historyFile(gen, 5, 2).bytes;
    folder.writeBytes("Lotto.rtl", before);
    const std::function<FileResult()> changes[] = {
        [&] {
            return insertResult(path, drawRecord(1999, 1, 1, {1, 2, 3}));
        },
        [&] {
            return insertResult(path, drawRecord(2099, 1, 1, {1, 2, 3}));
        },
        [&] { return deleteResult(path, 2); },
        [&] {
            return deleteEntries(path, {0, 3});
        },
    };
    for (const auto &change : changes) {
        for (const qint64 accepted : {0, 1, 29, 30, 100, 209}) {
            SCOPED_TRACE(accepted);
            FailingFileWrites failing(accepted);
            const FileResult r = change();
            EXPECT_FALSE(r.ok);
            EXPECT_EQ(r.message, QStringLiteral("The file Lotto.rtl could not be written: No space left on device"));
            EXPECT_EQ(failing.failures(), 1);
            EXPECT_EQ(folder.bytes("Lotto.rtl"), before);
            EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList {"Lotto.rtl"});
        }
    }
}

TEST(WholeFileChanges, KeepPermissionsRefuseAReadOnlyFileAndSurviveAFullDisk)
{
    std::mt19937 gen(11);
    TestFolder folder;
    const QString path = folder.file("Lotto.rtl");
    folder.writeBytes("Lotto.rtl", historyFile(gen, 3, 0).bytes);
    const auto permissions
        = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadUser | QFile::WriteUser;
    QFile::setPermissions(path, permissions);
    ASSERT_TRUE(insertResult(path, randomDraw(gen)).ok);
    EXPECT_EQ(QFile::permissions(path), permissions);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser);
    if (::access(QFile::encodeName(path).constData(), W_OK) != 0) { // root writes read-only files
        const QByteArray before = folder.bytes("Lotto.rtl");
        EXPECT_TRUE(deleteResult(path, 1).message.endsWith(QStringLiteral("Lotto.rtl cannot be written.")));
        EXPECT_EQ(folder.bytes("Lotto.rtl"), before);
    }

    QTemporaryDir disk;
    if (::geteuid() != 0 || ::mount("tmpfs", QFile::encodeName(disk.path()).constData(), "tmpfs", 0, "size=8k") != 0)
        GTEST_SKIP() << "no small file system can be mounted here";
    const QString full = disk.path() + QStringLiteral("/Lotto.rtl");
    const QByteArray before = historyFile(gen, 4, 1).bytes;
    QFile history(full), filler(disk.path() + QStringLiteral("/filler"));
    EXPECT_TRUE(history.open(QIODevice::WriteOnly) && history.write(before) == before.size() && history.flush());
    EXPECT_TRUE(filler.open(QIODevice::WriteOnly));
    while (filler.write(QByteArray(512, 'x')) == 512 && filler.flush()) { }
    const FileResult inserted = insertResult(full, randomDraw(gen));
    const FileResult deleted = deleteResult(full, 1);
    filler.close();
    QFile::remove(filler.fileName());
    history.close();
    QFile check(full);
    EXPECT_TRUE(check.open(QIODevice::ReadOnly) && check.readAll() == before);
    EXPECT_TRUE(!inserted.ok && !deleted.ok && inserted.message.contains(QStringLiteral("could not be written")));
    EXPECT_TRUE(insertResult(full, randomDraw(gen)).ok);
    ::umount2(QFile::encodeName(disk.path()).constData(), MNT_DETACH);
}

TEST(ReferenceFiles, AHistoryReadsAndThreeInsertionsInDateOrderWriteIt)
{
    NumbersFileRead read;
    ASSERT_TRUE(readNumbersFile(referencePath("Weekly.rtl"), &read).ok);
    ASSERT_EQ(read.records.size(), 3u);
    EXPECT_FALSE(read.damaged);
    NumbersRecord second = drawRecord(2006, 3, 9, {11, 12, 13, 14, 15, 16}, {17});
    second.count = second.number = 2;
    EXPECT_EQ(read.records[1], second);
    TestFolder folder;
    for (const NumbersRecord &r : read.records)
        ASSERT_TRUE(insertResult(folder.file("Weekly.rtl"), r).ok);
    EXPECT_EQ(folder.bytes("Weekly.rtl"), referenceFile("Weekly.rtl"));
}

TEST(ReferenceFiles, AnEntryFileWithADamagedCountIsReadAsFarAsItGoesAndAnAppendRepairsIt)
{
    TestFolder folder;
    const QByteArray reference = referenceFile("Weekly09MAR2006.lot");
    const QString path = folder.file("Weekly09MAR2006.lot");
    folder.writeBytes("Weekly09MAR2006.lot", reference);
    NumbersFileRead read;
    ASSERT_TRUE(readNumbersFile(path, &read).ok);
    EXPECT_EQ(read.damageMessage(),
        QStringLiteral("The file Weekly09MAR2006.lot is damaged: it says it holds 50 records, but 2 can be read. "
                       "Only those 2 records are used."));
    ASSERT_EQ(read.records.size(), 2u);
    EXPECT_EQ(read.records[1].main[5], 49);

    int count = 0;
    ASSERT_TRUE(appendEntry(path, {5, 6, 7, 8, 9, 10, 0}, 3, &count).ok);
    NumbersRecord third = rawRecord(reference, 1); // record 1's bytes, the count as it was included
    third.main = {5, 6, 7, 8, 9, 10, 0};
    third.extra[0] = 3;
    QByteArray expected = reference.left(60) + third.toBytes();
    putInt32(expected.data(), 3);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(folder.bytes("Weekly09MAR2006.lot"), expected);
}

TEST(DamagedCounts, AreHeldToTheFileAndANegativeOneRefusesAdditions)
{
    for (const int32_t declared : {50, -2, 65536}) {
        TestFolder folder;
        QByteArray b = referenceFile("Weekly.rtl");
        putInt32(b.data(), declared);
        folder.writeBytes("d.rtl", b);
        NumbersFile file;
        ASSERT_TRUE(file.open(folder.file("d.rtl")));
        EXPECT_EQ(file.usableCount(), declared < 0 ? 0 : 3);
        EXPECT_TRUE(file.isDamaged());
        file.close();
        if (declared < 0) { // a file that cannot say where it ends takes nothing more
            const FileResult add = appendEntry(folder.file("d.rtl"), {20, 21, 22, 23, 24, 25, 0}, 0);
            EXPECT_TRUE(!add.ok && add.message.contains(QStringLiteral("-2"))) << add.message.toStdString();
            EXPECT_FALSE(insertResult(folder.file("d.rtl"), drawRecord(2006, 1, 1, {1, 2, 3})).ok);
            EXPECT_EQ(folder.bytes("d.rtl"), b);
        }
    }
}

TEST(SixteenBitLimit, AFullFileRefusesAnotherRecordAndWritesNothing)
{
    TestFolder folder;
    const QString lot = folder.file("full.lot");
    writeNumbersFile(lot, std::vector<NumbersRecord>(MaxNumbersRecords, drawRecord(2000, 1, 1, {1, 2, 3})), true);
    const QByteArray before = folder.bytes("full.lot");
    const FileResult r = appendEntry(lot, {7, 8, 9, 10, 11, 12, 0}, 0);
    EXPECT_TRUE(!r.ok && r.message.contains(QStringLiteral("32767"))) << r.message.toStdString();
    EXPECT_FALSE(insertResult(lot, drawRecord(1999, 1, 1, {1, 2, 3, 4, 5, 6})).ok);
    EXPECT_EQ(folder.bytes("full.lot"), before);
    ASSERT_TRUE(deleteResult(lot, MaxNumbersRecords).ok);
    int count = 0;
    ASSERT_TRUE(appendEntry(lot, {4, 5, 6, 0, 0, 0, 0}, 0, &count).ok);
    EXPECT_EQ(count, MaxNumbersRecords);
}

TEST(HistoryDeletion, TheOnlyRecordDeletesTheFileAndARecordBeyondTheCountIsRefused)
{
    TestFolder folder;
    const QString path = folder.file("Lotto.rtl");
    writeNumbersFile(path, {drawRecord(2006, 3, 9, {1, 2, 3, 4, 5})}, true);
    EXPECT_FALSE(deleteResult(path, 2).ok);
    EXPECT_EQ(folder.bytes("Lotto.rtl").size(), 30);
    ASSERT_TRUE(deleteResult(path, 1).ok);
    EXPECT_FALSE(QFile::exists(path));
}
