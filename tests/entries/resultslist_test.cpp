#include "entries/entryfilelist.h"
#include "entries/resultslist.h"
#include "pickdigits/pickfile.h"
#include "support/testfolder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace vx;
using namespace vx::test;

TEST(ResultsListTest, LinesStandInFixedColumnsAndOnlyACalendarDateIsADrawDate)
{
    const auto line = [](int number, NumbersRecord record, const char *tag) {
        record.number = static_cast<int16_t>(number);
        return resultsListLine(record, QString::fromLatin1(tag));
    };
    EXPECT_EQ(line(12, drawRecord(2005, 11, 5, {3, 5, 7, 12, 22, 40}, {11}), "BB"),
        "00012 05 11 2005: 03 05 07 12 22 40 BB 11");
    EXPECT_EQ(line(7, drawRecord(2005, 1, 9, {1, 2, 3, 4, 5, 6, 15}), "BB"), "00007 09 01 2005: 01 02 03 04 05 06 15");
    EXPECT_EQ(line(123, drawRecord(1999, 12, 31, {10, 20, 30}), "PB"), "00123 31 12 1999: 10 20 30");
    EXPECT_EQ(line(12345, drawRecord(2010, 6, 1, {1, 9, 17}, {4, 9}), "BB"), "12345 01 06 2010: 01 09 17 BB 04 09 ");
    EXPECT_EQ(line(1, drawRecord(2010, 6, 1, {5, 0, 0, 8}, {0, 9}), "MB"), "00001 01 06 2010: 05 00 00 08 09 ");

    EXPECT_EQ(resultDate(drawRecord(2004, 2, 29, {1, 2, 3})), QDate(2004, 2, 29));
    for (const auto &[y, m, d] : {std::tuple(2005, 13, 5), {2005, 11, 0}, {2005, 2, 29}, {0, 0, 0}, {2005, -1, 5}})
        EXPECT_EQ(resultDate(drawRecord(y, m, d, {1, 2, 3})), std::nullopt) << y << '/' << m << '/' << d;
}

// Every .lot file is listed. A lotto entry file shows its entries up to the first empty one or its
// end, whatever its count says; only Pick3.lot and Pick4.lot, named exactly so, are pick files.
TEST(EntryFileListTest, TheFolderListsItsLotFilesAndEachShowsItsEntriesByItsKind)
{
    TestFolder folder;
    writeNumbersFile(folder.file("Weekly.lot"),
        {drawRecord(0, 0, 0, {1, 2, 3, 4, 5, 6, 7}, {8, 9}), entryRecord({7, 0, 0, 10, 0, 0, 60}),
            drawRecord(0, 0, 0, {1, 2, 3}, {0, 9})});
    folder.writeBytes("Weekly.lot", folder.bytes("Weekly.lot").replace(0, 1, "\1")); // a count lowered by a deletion
    writeNumbersFile(
        folder.file("Stand.LOT"), {entryRecord({1, 2, 3}), entryRecord({0, 8, 9}), entryRecord({4, 5, 6})});
    writeNumbersFile(folder.file("pick3.lot"), {entryRecord({1, 2, 3})}); // as a pick file: a count and zeros
    folder.writeBytes("Pick3.lot", folder.bytes("pick3.lot"));
    folder.writeBytes("notes.txt", "x");
    QDir(folder.path()).mkdir("d.lot");
    EXPECT_EQ(entryFileNames(folder.path()), QStringList({"Pick3.lot", "pick3.lot", "Stand.LOT", "Weekly.lot"}));

    const std::pair<QString, QStringList> rows[]
        = {{"Weekly.lot", {"01 02 03 04 05 06 07 PB 08 09", "07 00 00 10 60 ", "01 02 03  09"}},
            {"Stand.LOT", {"01 02 03 "}}, {"Pick3.lot", {"0 0 0"}}, {"pick3.lot", {"01 02 03 "}}, {"Missing.lot", {}}};
    for (const auto &[name, lines] : rows)
        EXPECT_EQ(readEntryFileContents(folder.path(), name).lines, lines) << name.toStdString();
    EXPECT_FALSE(folder.exists("Missing.lot"));
}

// A pick file shows the lines the Pick 3 / Pick 4 window shows of it, and says what is left out.
TEST(EntryFileListTest, APickFileShowsItsSoundLinesAndSaysWhatItLeavesOut)
{
    TestFolder folder;
    const QString badLine = " 1 line of Pick4.lot holds digits outside 0 to 9 and is not shown.";
    const std::tuple<int32_t, int, QString> rows[] = {{0, 0, ""}, {2, 2, ""},
        {-3, 2,
            "Pick4.lot is damaged: its line count (-3) is negative, so every line the file holds is shown." + badLine},
        {9, 2, "Pick4.lot is damaged: it claims 9 lines but holds only 3." + badLine}};
    for (const auto &[count, shown, message] : rows) {
        folder.writeBytes("Pick4.lot",
            PickRecord {count, {1, 2, 3, 4}}.toBytes() + PickRecord {0, {5, 6, 7, 8}}.toBytes()
                + PickRecord {0, {9, 12, 0, 0}}.toBytes());
        const EntryFileContents contents = readEntryFileContents(folder.path(), "Pick4.lot");
        EXPECT_EQ(contents.lines, QStringList({"1 2 3 4", "5 6 7 8"}).first(shown)) << count;
        EXPECT_EQ(contents.message, message) << count;
    }
}
