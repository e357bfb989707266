#include "online/loadresults.h"
#include "support/testfolder.h"

#include <QDir>
#include <gtest/gtest.h>
#include <optional>
#include <random>

using namespace vx;
using namespace vx::test;

namespace {
// A sound history file: count records counted in record 1, then spare records past the count.
QByteArray history(int count, int spare, int seed)
{
    QByteArray bytes;
    for (int k = 0; k < count + spare; ++k) {
        NumbersRecord r = drawRecord(2020 + seed % 5, 1 + k % 12, 1 + k % 28, {1 + seed % 40, 2 + k % 40, 45});
        r.count = k == 0 ? count : seed;
        r.number = static_cast<int16_t>(k + 1);
        bytes += r.toBytes();
    }
    return bytes;
}

struct Folders {
    TestFolder downloads, app;
    LoadedResults load() const { return loadDownloadedResults(downloads.path(), app.path()); }
};
} // namespace

// Seeded random folders: each known file present or not, each target there or not, a stranger in both.
TEST(LoadResults, CopiesEachKnownFileOverItsHistoryFileAndNothingElse)
{
    for (int seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(static_cast<unsigned>(seed));
        Folders f;
        f.downloads.writeBytes("WKLOther.rtl", history(1, 0, seed));
        f.app.writeBytes("Other.rtl", history(2, 0, seed));
        QStringList expectedCopies;
        std::vector<QByteArray> expected;
        for (const DownloadedResultsFile &file : downloadedResultsFiles()) {
            const bool offered = random() % 2, kept = random() % 2;
            QByteArray target;
            if (kept)
                f.app.writeBytes(file.target, target = history(int(random() % 4), 1, seed + 1));
            if (offered) {
                const int count = int(random() % 5);
                f.downloads.writeBytes(file.source, target = history(count, count == 0 ? 1 : int(random() % 3), seed));
                expectedCopies << file.target;
            }
            expected.push_back(target);
        }
        const LoadedResults loaded = f.load();
        EXPECT_EQ(loaded.copied, expectedCopies) << seed;
        EXPECT_TRUE(loaded.messages.isEmpty()) << seed;
        for (size_t k = 0; k < 4; ++k)
            EXPECT_EQ(f.app.bytes(downloadedResultsFiles()[k].target), expected[k]) << seed << " " << k;
        EXPECT_EQ(f.app.bytes("Other.rtl"), history(2, 0, seed));
        EXPECT_FALSE(f.app.exists("WKLOther.rtl") || f.app.exists("Other.rtl.tmp"));
        const auto present = std::ranges::count_if(expected, [](const QByteArray &b) { return !b.isEmpty(); });
        EXPECT_EQ(QDir(f.app.path()).entryList(QDir::Files).size(), present + 1) << seed;
    }
}

// A file that is no sound history file, or cannot be read or written, is reported and its history
// file stays byte for byte; the others are copied all the same.
TEST(LoadResults, RefusesUnsoundOrFailingFilesAndKeepsTheOldHistory)
{
    const QByteArray counted3 = history(3, 0, 1).replace(0, 4, QByteArray("\x04\0\0\0", 4));
    const QByteArray negative = history(2, 0, 1).replace(0, 4, QByteArray("\xff\xff\xff\xff", 4));
    const struct {
        QByteArray bytes; // offered as WKLCash5.rtl; null: a folder of that name
        const char *message;
        qint64 writable = -1; // bytes Cash5.rtl takes before the disk is full
    } cases[] = {
        {"", "The file WKLCash5.rtl is empty: it holds no results. Cash5.rtl was left as it was."},
        {history(2, 0, 1) + "x",
            "The file WKLCash5.rtl is not a results file: its 61 bytes are not whole records of "
            "30 bytes. Cash5.rtl was left as it was."},
        {counted3,
            "The file WKLCash5.rtl is not a sound results file: it gives its number of results as 4, but it "
            "holds 3 records. Cash5.rtl was left as it was."},
        {negative,
            "The file WKLCash5.rtl is not a sound results file: it gives its number of results as -1, but it "
            "holds 2 records. Cash5.rtl was left as it was."},
        {QByteArray(), "The file WKLCash5.rtl could not be read: "},
        {history(3, 0, 1),
            "The file Cash5.rtl could not be written: No space left on device. Cash5.rtl was left as "
            "it was.",
            40},
    };
    for (const auto &c : cases) {
        Folders f;
        f.downloads.writeBytes("WKLLotto.rtl", history(1, 0, 2));
        f.downloads.writeBytes("WKLMegaMillions.rtl", history(2, 0, 2));
        if (c.bytes.isNull())
            ASSERT_TRUE(QDir(f.downloads.path()).mkdir("WKLCash5.rtl"));
        else
            f.downloads.writeBytes("WKLCash5.rtl", c.bytes);
        f.app.writeBytes("Cash5.rtl", history(5, 2, 3));
        std::optional<FailingFileWrites> disk;
        if (c.writable >= 0)
            disk.emplace(c.writable, "Cash5.rtl");
        const LoadedResults loaded = f.load();
        ASSERT_EQ(loaded.messages.size(), 1) << c.message;
        EXPECT_TRUE(loaded.messages[0].startsWith(c.message)) << loaded.messages[0].toStdString();
        EXPECT_TRUE(loaded.messages[0].endsWith(" Cash5.rtl was left as it was."));
        EXPECT_EQ(loaded.copied, QStringList({"Lotto.rtl", "MegaMillions.rtl"}));
        EXPECT_EQ(f.app.bytes("Cash5.rtl"), history(5, 2, 3));
        EXPECT_EQ(f.app.bytes("MegaMillions.rtl"), history(2, 0, 2));
        EXPECT_EQ(QDir(f.app.path()).entryList(QDir::Files).size(), 3);
        EXPECT_TRUE(!disk || disk->failures() > 0);
    }
}
