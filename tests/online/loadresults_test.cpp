#include "online/loadresults.h"
#include "support/testfolder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace vx;
using namespace vx::test;

// A history file: records counted in record 1, spare ones past the count.
static QByteArray history(int count, int records, int third = 30)
{
    QByteArray bytes;
    for (int k = 0; k < records; ++k)
        bytes += drawRecord(2024, 1 + k, 1, {1 + k, 20, third}).toBytes();
    return bytes.isEmpty() ? bytes : bytes.replace(0, 4, NumbersRecord {count}.toBytes().left(4));
}

// An unsound (as a download would be refused), unreadable or unwritable file is reported and its target kept; the sound
// ones are copied.
TEST(LoadResults, RefusesUnsoundOrFailingFilesAndKeepsTheOldHistory)
{
    const std::pair<QByteArray, const char *> cases[] = {// offered as WKLCash5.rtl; null: a folder of that name
        {"", "The file WKLCash5.rtl is empty: it holds no results. "},
        {history(2, 2) + "x", "The file WKLCash5.rtl is not a results file: its 61 bytes are not whole records of 30"},
        {history(4, 3), "The file WKLCash5.rtl is not a sound results file: it gives its number of results as 4, but"},
        {history(0, 81),
            "The file WKLCash5.rtl is not a sound results file: it gives its number of results as 0, but "
            "it holds 81 records."},
        {history(0, 1), "The file WKLCash5.rtl is not a sound results file: it gives its number of results as 0, but"},
        {history(-1, 3),
            "The file WKLCash5.rtl is not a sound results file: it gives its number of results as -1, but"},
        {history(200, 81), "The file WKLCash5.rtl is not a sound results file: it gives its number of results as 200"},
        {history(2, 2, 2),
            "The file WKLCash5.rtl is not a sound results file: result 2 has main numbers that are repeated, out of "
            "place or outside 1 to 60."},
        {QByteArray(), "The file WKLCash5.rtl could not be read: "},
        {history(3, 3), "The file Cash5.rtl could not be written: No space left on device. "}};
    for (const auto &[offered, message] : cases) {
        TestFolder downloads, app;
        downloads.writeBytes("WKLLotto.rtl", history(1, 1));
        downloads.writeBytes("WKLMegaMillions.rtl", history(2, 2));
        offered.isNull() ? void(QDir(downloads.path()).mkdir("WKLCash5.rtl"))
                         : downloads.writeBytes("WKLCash5.rtl", offered);
        app.writeBytes("Cash5.rtl", history(5, 7));
        const FailingFileWrites disk(offered == history(3, 3) ? 40 : 1 << 20, "Cash5.rtl"); // a full disk
        const LoadedResults loaded = loadDownloadedResults(downloads.path(), app.path());
        EXPECT_TRUE(loaded.messages.size() == 1 && loaded.messages[0].startsWith(message)
            && loaded.messages[0].endsWith(". Cash5.rtl was left as it was."))
            << loaded.messages.join('|').toStdString();
        EXPECT_EQ(loaded.copied, QStringList({"Lotto.rtl", "MegaMillions.rtl"}));
        EXPECT_EQ(app.bytes("Cash5.rtl") + app.bytes("Lotto.rtl") + app.bytes("MegaMillions.rtl"),
            history(5, 7) + history(1, 1) + history(2, 2));
    }
}
