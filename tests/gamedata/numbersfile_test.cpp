#include "gamedata/drawcheck.h"
#include "gamedata/numberlines.h"
#include "gamedata/numbersfile.h"
#include "support/testfolder.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <numeric>
#include <optional>
#include <random>
#include <set>
#include <sys/mount.h>
#include <unistd.h>

using namespace vx;
using namespace vx::test;

namespace {

long long key(const NumbersRecord &r)
{
    return dateKey(r.year, r.month, r.day);
}

// The record moves made in place, one record at a time, over the records of a file.
struct InPlaceModel {
    std::vector<NumbersRecord> records;

    NumbersRecord &at(int n) { return records.at(size_t(n - 1)); }
    int count() { return records.empty() ? 0 : std::clamp<int>(at(1).count, 0, int(records.size())); }
    QByteArray bytes() const
    {
        return std::accumulate(
            records.begin(), records.end(), QByteArray(), [](auto b, auto &r) { return b + r.toBytes(); });
    }
    void insert(NumbersRecord fresh)
    {
        const int c = count();
        int n = 1;
        while (n <= c && key(at(n)) <= key(fresh))
            ++n;
        records.resize(std::max<size_t>(records.size(), size_t(c + 1))); // record c + 1 is written either way
        fresh.count = n <= c ? at(n).count : c + 1; // the buffer of the record it displaces
        fresh.number = static_cast<int16_t>(n);
        for (int j = c; j >= n; --j)
            ++(at(j + 1) = at(j)).number;
        at(n) = fresh;
        at(1).count = c + 1;
    }
    void remove(int p, int renumber)
    {
        const int c = count();
        for (int j = p + 1; j <= c; ++j)
            (at(j - 1) = at(j)).number -= renumber;
        at(1).count = c - 1;
    }
};

// A draw with a date among few (so that dates tie) and leftovers in Count and Number.
NumbersRecord randomDraw(std::mt19937 &gen)
{
    NumbersRecord r = drawRecord(2005 + int(gen() % 2), 1 + int(gen() % 3), 1 + int(gen() % 4),
        {int(gen() % 50), int(gen() % 50), int(gen() % 50)}, {int(gen() % 9)});
    r.count = int32_t(gen() % 1000);
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
        m.at(1).count = draws;
    return m;
}

} // namespace

// Random insertions, deletions and entry deletions against the model.
TEST(NumbersFileChanges, MatchTheInPlaceMovesByteForByte)
{
    std::mt19937 gen(20060309);
    for (int round = 0; round < 30; ++round) {
        SCOPED_TRACE(round);
        TestFolder folder;
        const QString path = folder.file("Lotto.rtl");
        InPlaceModel model = historyFile(gen, round % 4, round % 3);
        if (!model.records.empty())
            folder.writeBytes("Lotto.rtl", model.bytes());
        for (int step = 0; step < 12; ++step) {
            const int c = model.count(), p = c > 0 ? 1 + int(gen() % unsigned(c)) : 0, op = c > 0 ? gen() % 4 : 0;
            if (op == 1) {
                ASSERT_TRUE(deleteResult(path, p).ok);
                model.remove(p, 1);
            } else if (op == 2) {
                std::vector<int> lines(4); // unsorted, repeated and out-of-range lines among them
                std::generate(lines.begin(), lines.end(), [&] { return int(gen() % unsigned(c + 2)) - 1; });
                int count = -1, k = 0;
                ASSERT_TRUE(deleteEntries(path, lines, &count).ok);
                for (int line : std::set<int>(lines.begin(), lines.end()))
                    if (line >= 0 && line < c)
                        model.remove(line - k++ + 1, 0);
                ASSERT_EQ(count, model.count());
            } else {
                const NumbersRecord draw = randomDraw(gen);
                ASSERT_TRUE(insertResult(path, draw).ok);
                model.insert(draw);
            }
            if (op == 1 && model.count() == 0) { // the only record deletes the file
                ASSERT_FALSE(folder.exists("Lotto.rtl"));
                model.records.clear();
                continue;
            }
            const QByteArray b = folder.bytes("Lotto.rtl");
            ASSERT_EQ(b, model.bytes());
            for (int i = 2; i <= rawInt32(b, 0); ++i) // the file itself is in date order
                ASSERT_LE(key(rawRecord(b, i - 1)), key(rawRecord(b, i)));
        }
    }
}

TEST(NumbersFileChanges, FailuresLeaveTheOldFileByteForByteAndSaySoAndSuccessesKeepPermissions)
{
    std::mt19937 gen(7);
    TestFolder folder;
    const QString path = folder.file("Lotto.rtl");
    const QByteArray before = historyFile(gen, 5, 2).bytes();
    folder.writeBytes("Lotto.rtl", before);
    for (int change = 0; change < 4; ++change) {
        for (const qint64 accepted : {0, 1, 29, 30, 100, 209}) {
            FailingFileWrites failing(accepted);
            const FileResult r = change < 2 ? insertResult(path, drawRecord(change ? 2099 : 1999, 1, 1, {1, 2, 3}))
                : change == 2               ? deleteResult(path, 2)
                                            : deleteEntries(path, {0, 3});
            EXPECT_EQ(r.message, "The file Lotto.rtl could not be written: No space left on device.");
            EXPECT_EQ(failing.failures(), 1);
            EXPECT_EQ(folder.bytes("Lotto.rtl"), before);
            EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList {"Lotto.rtl"});
        }
    }
    const auto permissions
        = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup;
    QFile::setPermissions(path, permissions);
    ASSERT_TRUE(insertResult(path, randomDraw(gen)).ok);
    EXPECT_EQ(QFile::permissions(path), permissions);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser);
    if (::access(QFile::encodeName(path).constData(), W_OK) != 0) { // root writes read-only files
        EXPECT_TRUE(deleteResult(path, 1).message.endsWith(
            "The file Lotto.rtl could not be written: it is open for reading only."));
    }
}

TEST(NumbersFileChanges, AFullDiskChangesNothing)
{
    std::mt19937 gen(11);
    QTemporaryDir disk;
    const QByteArray mountPoint = QFile::encodeName(disk.path());
    if (::geteuid() != 0 || ::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=8k") != 0)
        GTEST_SKIP() << "no small file system can be mounted here";
    const QByteArray before = historyFile(gen, 4, 1).bytes();
    const QString path = disk.filePath("Lotto.rtl");
    QFile history(path), filler(disk.filePath("filler"));
    EXPECT_TRUE(history.open(QIODevice::WriteOnly) && history.write(before) == before.size() && history.flush()
        && filler.open(QIODevice::WriteOnly));
    while (filler.write(QByteArray(512, 'x')) == 512 && filler.flush()) { }
    EXPECT_TRUE(insertResult(path, randomDraw(gen)).message.endsWith("No space left on device."));
    filler.close();
    EXPECT_EQ(fileBytes(path), before); // by path: the old file may have been replaced
    EXPECT_TRUE(QFile::remove(filler.fileName()) && insertResult(path, randomDraw(gen)).ok);
    ::umount2(mountPoint.constData(), MNT_DETACH);
}

// An append that meets a full disk at any byte leaves the entry file exactly as it was (a file it
// created is gone again) and gives the system's reason; one that fits leaves it whole. The files:
// none, empty, three entries, two entries with stale records past the count, a torn last record.
TEST(NumbersFileChanges, AnAppendCutShortByAFullDiskLeavesTheFileAsItWasOrWhole)
{
    std::mt19937 gen(19);
    QByteArray stale = historyFile(gen, 2, 2).bytes();
    const std::optional<QByteArray> files[]
        = {std::nullopt, QByteArray(), historyFile(gen, 3, 0).bytes(), stale, historyFile(gen, 3, 0).bytes() + "torn"};
    for (const auto &before : files) {
        for (qint64 accepted = 0; accepted <= 2 * NumbersRecord::Size + 1; ++accepted) {
            SCOPED_TRACE(testing::Message() << (before ? before->size() : -1) << " bytes, " << accepted << " accepted");
            TestFolder folder;
            if (before)
                folder.writeBytes("e.lot", *before);
            const QByteArray whole = [&] {
                TestFolder spare;
                if (before)
                    spare.writeBytes("e.lot", *before);
                EXPECT_TRUE(appendEntry(spare.file("e.lot"), {1, 2, 3, 4, 5, 6, 0}, 7).ok);
                return spare.bytes("e.lot");
            }();
            int count = 0;
            FileResult result;
            {
                FailingFileWrites failing(accepted);
                result = appendEntry(folder.file("e.lot"), {1, 2, 3, 4, 5, 6, 0}, 7, &count);
            }
            if (result.ok) {
                EXPECT_EQ(folder.bytes("e.lot"), whole);
                EXPECT_EQ(count, rawInt32(whole, 0));
                continue;
            }
            EXPECT_EQ(result.message, "The file e.lot could not be written: No space left on device.");
            EXPECT_EQ(folder.exists("e.lot"), before.has_value());
            EXPECT_EQ(folder.bytes("e.lot"), before.value_or(QByteArray()));
        }
    }
}

// The same on a real file system that fills up: the record crosses into a block the disk no longer
// has, so the file system writes part of it and then refuses the rest.
TEST(NumbersFileChanges, AnAppendOnARealFullDiskSaysSoAndLeavesTheFileAsItWas)
{
    QTemporaryDir disk;
    const QByteArray mountPoint = QFile::encodeName(disk.path());
    if (::geteuid() != 0 || ::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=8k") != 0)
        GTEST_SKIP() << "no small file system can be mounted here";
    std::vector<NumbersRecord> entries(136, entryRecord({1, 2, 3}, 4)); // 4080 bytes: the next record crosses 4096
    const QString path = disk.filePath("e.lot");
    writeNumbersFile(path, entries);
    const QByteArray before = fileBytes(path);
    QFile filler(disk.filePath("filler"));
    EXPECT_TRUE(filler.open(QIODevice::WriteOnly));
    while (filler.write(QByteArray(512, 'x')) == 512 && filler.flush()) { }
    EXPECT_EQ(appendEntry(path, {5, 6, 7}, 8).message, "The file e.lot could not be written: No space left on device.");
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_EQ(appendEntry(disk.filePath("new.lot"), {5, 6, 7}, 8).message,
        "The file new.lot could not be written: No space left on device.");
    EXPECT_FALSE(QFile::exists(disk.filePath("new.lot")));
    filler.close();
    EXPECT_TRUE(QFile::remove(filler.fileName()) && appendEntry(path, {5, 6, 7}, 8).ok);
    EXPECT_EQ(rawInt32(fileBytes(path), 0), 137);
    ::umount2(mountPoint.constData(), MNT_DETACH);
}

TEST(ReferenceFiles, ReadAsKnownAreWrittenByteForByteAndWhenDamagedOrFullRefuseChanges)
{
    NumbersFileRead read;
    ASSERT_TRUE(readNumbersFile(referencePath("Weekly.rtl"), &read).ok);
    ASSERT_EQ(read.records.size(), 3u);
    EXPECT_EQ(read.records[1].toBytes().toHex(), // 9 March 2006: 11 to 16, extra 17
        QByteArray("02000000020009000300d6070b000c000d000e000f001000000011000000"));
    TestFolder folder;
    for (const NumbersRecord &r : read.records) // in date order, from no file
        ASSERT_TRUE(insertResult(folder.file("Weekly.rtl"), r).ok);
    EXPECT_EQ(folder.bytes("Weekly.rtl"), referenceFile("Weekly.rtl"));

    const QByteArray entries = referenceFile("Weekly09MAR2006.lot"); // claims 50, holds 2 and a torn one
    const QString path = folder.file("Weekly09MAR2006.lot");
    folder.writeBytes("Weekly09MAR2006.lot", entries);
    ASSERT_TRUE(readNumbersFile(path, &read).ok);
    EXPECT_TRUE(read.damageMessage().contains("holds 50 records, but 2 can be read"));
    ASSERT_EQ(read.records.size(), 2u);
    ASSERT_TRUE(appendEntry(path, {5, 6, 7, 8, 9, 10, 0}, 3).ok);
    QByteArray expected = entries.left(60) + entries.left(12) // record 1's bytes, its count as it was included
        + QByteArray::fromHex("050006000700080009000a0000000300") + entries.mid(28, 2);
    putInt32(expected.data(), 3);
    EXPECT_EQ(folder.bytes("Weekly09MAR2006.lot"), expected);

    QByteArray b = referenceFile("Weekly.rtl");
    putInt32(b.data(), -2); // a count that says nothing of where the file ends
    folder.writeBytes("d.rtl", b);
    EXPECT_TRUE(appendEntry(folder.file("d.rtl"), {20, 21, 22}, 0).message.contains("-2"));
    EXPECT_FALSE(insertResult(folder.file("d.rtl"), drawRecord(2006, 1, 1, {1, 2, 3})).ok);
    EXPECT_EQ(folder.bytes("d.rtl"), b);

    const QString lot = folder.file("full.lot"); // as many records as a 16-bit count can say
    writeNumbersFile(lot, std::vector<NumbersRecord>(MaxNumbersRecords, drawRecord(2000, 1, 1, {1, 2, 3})), true);
    const QByteArray before = folder.bytes("full.lot");
    EXPECT_TRUE(appendEntry(lot, {7, 8, 9}, 0).message.contains("32767"));
    EXPECT_FALSE(insertResult(lot, drawRecord(1999, 1, 1, {1, 2, 3, 4, 5, 6})).ok);
    EXPECT_EQ(folder.bytes("full.lot"), before);
}

// Records read where they lie (mapped, or read through a device around the file) are the records,
// the count and the damage a whole read gives, whatever the file's count says.
TEST(NumbersFileRecords, GiveWhatAWholeReadGivesMappedOrNot)
{
    std::mt19937 random(2121);
    TestFolder folder;
    const QString path = folder.file("e.lot");
    for (int round = 0; round < 60; ++round) {
        QByteArray bytes(30 * int(random() % 90) + int(random() % 3 == 0 ? random() % 30 : 0), '\0');
        std::generate(bytes.begin(), bytes.end(), [&] { return char(random()); });
        if (bytes.size() >= 4) { // a count that fits, or one that is damaged: negative or past the end
            const int32_t counts[] = {int32_t(bytes.size() / 30), int32_t(random() % 100), -int32_t(random() % 5), 0};
            const int32_t count = counts[random() % 4];
            std::memcpy(bytes.data(), &count, 4);
        }
        writeFileBytes(path, bytes);
        NumbersFileRead whole;
        ASSERT_TRUE(readNumbersFile(path, &whole).ok);
        for (const bool hooked : {false, true}) {
            const std::unique_ptr<FailingFileWrites> device(hooked ? new FailingFileWrites(0) : nullptr);
            NumbersFileRecords records;
            ASSERT_TRUE(records.open(path).ok);
            ASSERT_EQ(records.count(), int(whole.records.size())) << round;
            EXPECT_EQ(
                std::pair(records.damaged(), records.damageMessage()), std::pair(whole.damaged, whole.damageMessage()));
            for (int i = 0; i < records.count(); ++i)
                ASSERT_EQ(NumbersRecord::fromBytes(records.record(i)), whole.records[size_t(i)]) << round << " " << i;
        }
        EXPECT_EQ(folder.bytes("e.lot"), bytes); // reading changes nothing
    }
    // A missing file is created empty, as by every reader; one that cannot be opened says why.
    NumbersFileRecords missing;
    EXPECT_TRUE(missing.open(folder.file("new.rtl")).ok && missing.count() == 0 && folder.exists("new.rtl"));
    EXPECT_FALSE(missing.open(folder.file("none/e.lot")).ok);
}

// Where there is no file (a download, a file being built), the bytes are read and written through
// the same record layer: every record as stored, the count in record 1, the rest left alone.
TEST(NumbersFileBytes, ReadAndWriteRecordsWhereThereIsNoFile)
{
    std::mt19937 random(22);
    for (int round = 0; round < 50; ++round) {
        std::vector<NumbersRecord> records(random() % 6);
        for (NumbersRecord &r : records) {
            QByteArray raw(NumbersRecord::Size, '\0');
            for (char &c : raw)
                c = static_cast<char>(random());
            r = NumbersRecord::fromBytes(raw.constData());
        }
        const QByteArray before(static_cast<qsizetype>(random() % 200), 'x');
        QByteArray bytes = before;
        putNumbersRecords(bytes, records);
        const qsizetype written = std::max<qsizetype>(records.size(), 1) * NumbersRecord::Size;
        ASSERT_EQ(bytes.size(), std::max(before.size(), written));
        EXPECT_EQ(bytes.mid(written), before.mid(written)); // past the new records, as it was
        EXPECT_EQ(NumbersRecord::fromBytes(bytes.constData()).count, static_cast<int32_t>(records.size()));
        const std::vector<NumbersRecord> read = numbersRecordsOf(bytes, static_cast<int>(records.size()));
        ASSERT_EQ(read.size(), records.size());
        for (size_t k = 0; k < records.size(); ++k) {
            NumbersRecord expected = records[k];
            if (k == 0)
                expected.count = static_cast<int32_t>(records.size());
            EXPECT_EQ(read[k], expected);
        }
        // A count beyond the bytes takes the whole records there are, no more.
        EXPECT_EQ(numbersRecordsOf(bytes + "torn", 1000).size(), size_t((bytes.size() + 4) / NumbersRecord::Size));
    }
    EXPECT_EQ(recordBytes({drawRecord(2024, 1, 6, {1, 2, 3}), drawRecord(2024, 1, 13, {4, 5, 6})}),
        drawRecord(2024, 1, 6, {1, 2, 3}).toBytes() + drawRecord(2024, 1, 13, {4, 5, 6}).toBytes());
}

TEST(NumbersFileBytes, TheStoredCountIsReadWithoutCreatingAMissingFile)
{
    TestFolder folder;
    const struct {
        QByteArray bytes;
        int32_t count;
    } cases[] = {{"", 0}, {"\x05\0\0", 0}, {QByteArray("\x05\0\0\0", 4), 5}, {QByteArray("\xff\xff\xff\xff", 4), -1},
        {numbersFileBytes({drawRecord(2024, 1, 6, {1, 2, 3}), drawRecord(2024, 1, 13, {4, 5, 6})}), 2}};
    for (const auto &c : cases) {
        folder.writeBytes("e.lot", c.bytes);
        EXPECT_EQ(storedCount(folder.file("e.lot")), c.count);
    }
    EXPECT_EQ(storedCount(folder.file("missing.lot")), 0);
    EXPECT_FALSE(folder.exists("missing.lot"));
}

TEST(NumbersFileBytes, FieldsReadWhereTheRecordsLieAgreeWithTheWholeRecord)
{
    const NumbersRecord r = drawRecord(2024, 11, 5, {1, 2, 3, 4, 5, 6, 7}, {8, 9});
    const QByteArray two = r.toBytes() + drawRecord(2024, 5, 11, {10}).toBytes();
    for (int k = 1; k <= 9; ++k)
        EXPECT_EQ(NumbersRecord::numberAt(two.constData(), k), r.numbers()[size_t(k - 1)]);
    EXPECT_EQ(NumbersRecord::numberAt(NumbersRecord::recordAt(two.constData(), 1), 1), 10);
    EXPECT_TRUE(NumbersRecord::isDated(two.constData(), NumbersRecord::storedDate(5, 11, 2024)));
    EXPECT_FALSE(NumbersRecord::isDated(two.constData(), NumbersRecord::storedDate(11, 5, 2024)));
    EXPECT_TRUE(
        NumbersRecord::isDated(NumbersRecord::recordAt(two.constData(), 1), NumbersRecord::storedDate(11, 5, 2024)));
}

namespace {
// Around a record file opened by path: at the first read of more than one record, another program
// cuts the file to `cutTo` bytes (or lengthens it to that) before the read goes on.
class ChangedWhileRead : public DeviceAround
{
public:
    ChangedWhileRead(QIODevice *inner, QString path, qint64 cutTo)
        : DeviceAround(inner)
        , m_path(std::move(path))
        , m_cutTo(cutTo)
    {
    }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (maxSize > NumbersRecord::Size && m_cutTo >= 0) {
            QFile other(m_path);
            if (!other.open(QIODevice::ReadWrite) || !other.resize(m_cutTo))
                return -1;
            m_cutTo = -1;
        }
        return DeviceAround::readData(data, maxSize);
    }

private:
    QString m_path;
    qint64 m_cutTo;
};

// While one lives, every numbers file opened by path is changed by another program as it is read.
struct FilesChangedWhileRead {
    explicit FilesChangedWhileRead(qint64 cutTo)
    {
        setFileDeviceHook([cutTo](const QString &path, QIODevice *file) {
            return std::unique_ptr<QIODevice>(std::make_unique<ChangedWhileRead>(file, path, cutTo));
        });
    }
    ~FilesChangedWhileRead() { setFileDeviceHook({}); }
};

std::vector<NumbersRecord> dailyDraws(int count)
{
    std::vector<NumbersRecord> draws;
    for (int i = 0; i < count; ++i) {
        const QDate d = QDate(2001, 1, 1).addDays(i);
        draws.push_back(
            drawRecord(d.year(), d.month(), d.day(), {1 + i % 40, 41 + i % 5, 47, 48, 49, 50}, {1 + i % 9}));
    }
    return draws;
}
} // namespace

// Another program cuts a file short, or lengthens it, between its opening and the read of its
// records: every reader gives the records that were read whole, and a file cut short is reported
// as damaged with the number that could be read; one that grew is read as its count says.
TEST(NumbersFileRecords, AFileChangedWhileItIsReadGivesTheRecordsReadWhole)
{
    const int stored = 500;
    const std::vector<NumbersRecord> draws = dailyDraws(stored);
    std::array<int16_t, 16> everyLine {};
    everyLine.fill(1);
    const CheckRules paying {6, 1, 0, everyLine, "PB"};
    for (const qint64 cutTo : {qint64(0), qint64(7), qint64(30), qint64(30 * 120 + 11), qint64(30 * 499),
             qint64(30 * 500), qint64(30 * 900 + 3)}) {
        SCOPED_TRACE(cutTo);
        const int whole = int(std::min<qint64>(cutTo / 30, stored));
        const QString damage = whole < stored
            ? QString("The file d.rtl is damaged: it says it holds 500 records, but %1 can be read. Only those %1 "
                      "records are used.")
                  .arg(whole)
            : QString();
        TestFolder folder;
        const QString path = folder.file("d.rtl");
        const auto fresh = [&] { writeNumbersFile(path, draws, true); };
        fresh();
        const std::vector<NumbersRecord> written = numbersRecordsOf(fileBytes(path), stored);

        NumbersFileRead read;
        {
            const FilesChangedWhileRead other(cutTo);
            ASSERT_TRUE(readNumbersFile(path, &read).ok);
        }
        EXPECT_EQ(read.records, std::vector<NumbersRecord>(written.begin(), written.begin() + whole));
        EXPECT_EQ(read.damageMessage(), damage);

        fresh();
        QStringList lines;
        QString shownDamage;
        {
            const FilesChangedWhileRead other(cutTo);
            ASSERT_TRUE(readEntryLines(path, "PB", &lines, &shownDamage).ok);
        }
        ASSERT_EQ(lines.size(), whole);
        for (int i = 0; i < whole; ++i)
            EXPECT_EQ(lines[i], entryLineText(draws[size_t(i)].numbers(), "PB")) << i;
        EXPECT_EQ(shownDamage, damage);

        // The last draw is found only when it was read whole; an earlier one that was is found.
        for (const int wanted : {stored, 100}) {
            fresh();
            DrawOfDay found;
            const NumbersRecord &draw = draws[size_t(wanted - 1)];
            {
                const FilesChangedWhileRead other(cutTo);
                ASSERT_TRUE(findDrawOfDay(path, draw.year, draw.month, draw.day, &found).ok);
            }
            EXPECT_EQ(found.record, wanted <= whole ? wanted : 0) << wanted;
            EXPECT_EQ(found.damage, damage);
        }

        // The check goes over the entries read whole, every one of them winning here.
        fresh();
        EntriesCheck check;
        {
            const FilesChangedWhileRead other(cutTo);
            ASSERT_TRUE(checkEntryFile(path, checkNumbers(draws[0]), paying, &check).ok);
        }
        EXPECT_EQ(check.entryCount, whole);
        EXPECT_EQ(check.wins, whole);
        EXPECT_EQ(check.winningLines.size(), whole);
    }
}

// Records once read stay readable when another program then cuts the file short or removes it:
// they are the program's own copy, not a view of the file that would fault.
TEST(NumbersFileRecords, RecordsReadStayWholeWhenTheFileIsCutShortAfterwards)
{
    TestFolder folder;
    const QString path = folder.file("e.lot");
    const std::vector<NumbersRecord> draws = dailyDraws(MaxNumbersRecords);
    writeNumbersFile(path, draws, true);
    const std::vector<NumbersRecord> written = numbersRecordsOf(fileBytes(path), MaxNumbersRecords);
    NumbersFileRecords records;
    ASSERT_TRUE(records.open(path).ok);
    ASSERT_EQ(records.count(), MaxNumbersRecords);
    ASSERT_TRUE(QFile::resize(path, 0));
    for (int i = 0; i < records.count(); ++i)
        ASSERT_EQ(NumbersRecord::fromBytes(records.record(i)), written[size_t(i)]) << i;
    EXPECT_EQ(findDrawByDate(records, draws.back().year, draws.back().month, draws.back().day), MaxNumbersRecords);
}
