#include "online/loadresults.h"
#include "support/testfolder.h"

#include <QDir>
#include <gtest/gtest.h>
#include <optional>

using namespace vx;
using namespace vx::test;

// A history file: records counted in record 1, spare ones past the count.
static QByteArray history(int count, int records)
{
    QByteArray bytes;
    for (int k = 0; k < records; ++k) {
        NumbersRecord r = drawRecord(2024, 1 + k, 1, {1 + k, 20, 45});
        r.count = k == 0 ? count : 9;
        bytes += r.toBytes();
    }
    return bytes;
}

// One offered file unsound, unreadable or unwritable: reported, its history file kept byte for byte,
// the sound ones copied all the same.
TEST(LoadResults, RefusesUnsoundOrFailingFilesAndKeepsTheOldHistory)
{
    const struct {
        QByteArray bytes; // offered as WKLCash5.rtl; null: a folder of that name
        const char *message;
    } cases[] = {
        {"", "The file WKLCash5.rtl is empty: it holds no results."},
        {history(2, 2) + "x",
            "The file WKLCash5.rtl is not a results file: its 61 bytes are not whole records of 30 bytes."},
        {history(4, 3),
            "The file WKLCash5.rtl is not a sound results file: it gives its number of results as 4, but "
            "it holds 3 records."},
        {history(-1, 2),
            "The file WKLCash5.rtl is not a sound results file: it gives its number of results as -1, but "
            "it holds 2 records."},
        {QByteArray(), "The file WKLCash5.rtl could not be read: "},
        {history(3, 3), "The file Cash5.rtl could not be written: No space left on device."}, // 40 bytes fit
    };
    for (const auto &c : cases) {
        TestFolder downloads, app;
        downloads.writeBytes("WKLLotto.rtl", history(1, 1));
        downloads.writeBytes("WKLMegaMillions.rtl", history(0, 2));
        if (c.bytes.isNull())
            ASSERT_TRUE(QDir(downloads.path()).mkdir("WKLCash5.rtl"));
        else
            downloads.writeBytes("WKLCash5.rtl", c.bytes);
        app.writeBytes("Cash5.rtl", history(5, 7));
        std::optional<FailingFileWrites> disk;
        if (c.bytes == history(3, 3))
            disk.emplace(40, "Cash5.rtl");
        const LoadedResults loaded = loadDownloadedResults(downloads.path(), app.path());
        ASSERT_EQ(loaded.messages.size(), 1) << c.message;
        EXPECT_TRUE(
            loaded.messages[0].startsWith(c.message) && loaded.messages[0].endsWith(". Cash5.rtl was left as it was."))
            << loaded.messages[0].toStdString();
        EXPECT_EQ(loaded.copied, QStringList({"Lotto.rtl", "MegaMillions.rtl"}));
        EXPECT_EQ(app.bytes("Cash5.rtl") + app.bytes("Lotto.rtl") + app.bytes("MegaMillions.rtl"),
            history(5, 7) + history(1, 1) + history(0, 2));
        EXPECT_EQ(QDir(app.path()).entryList(QDir::Files).size(), 3);
        EXPECT_TRUE(!disk || disk->failures() > 0);
    }
}
