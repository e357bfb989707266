#include "entries/entryfilelist.h"
#include "entries/resultslist.h"
#include "pickdigits/pickfile.h"
#include "support/testfolder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace vx;
using namespace vx::test;

namespace {
NumbersRecord numbered(int number, NumbersRecord record)
{
    record.number = static_cast<int16_t>(number);
    return record;
}

QByteArray pickBytes(int32_t count, const std::vector<PickLine> &lines)
{
    QByteArray bytes;
    for (const PickLine &line : lines) {
        PickRecord record {bytes.isEmpty() ? count : 0, line};
        bytes += record.toBytes();
    }
    return bytes;
}
} // namespace

TEST(ResultsListTest, LinesStandInFixedColumns)
{
    const struct {
        NumbersRecord record;
        QString tag, line;
    } rows[] = {
        {numbered(12, drawRecord(2005, 11, 5, {3, 5, 7, 12, 22, 40}, {11})), "BB",
            "00012 05 11 2005: 03 05 07 12 22 40 BB 11"},
        {numbered(7, drawRecord(2005, 1, 9, {1, 2, 3, 4, 5, 6, 15})), "BB", "00007 09 01 2005: 01 02 03 04 05 06 15"},
        {numbered(123, drawRecord(1999, 12, 31, {10, 20, 30, 40, 50})), "PB", "00123 31 12 1999: 10 20 30 40 50"},
        {numbered(12345, drawRecord(2010, 6, 1, {1, 9, 17}, {4, 9})), "BB", "12345 01 06 2010: 01 09 17 BB 04 09 "},
        {numbered(1, drawRecord(2010, 6, 1, {5, 0, 0, 8}, {0, 9})), "MB", "00001 01 06 2010: 05 00 00 08 09 "},
    };
    for (const auto &row : rows)
        EXPECT_EQ(resultsListLine(row.record, row.tag), row.line);
}

TEST(ResultsListTest, OnlyACalendarDateIsADrawDate)
{
    EXPECT_EQ(resultDate(drawRecord(2005, 11, 5, {1, 2, 3})), QDate(2005, 11, 5));
    EXPECT_EQ(resultDate(drawRecord(2004, 2, 29, {1, 2, 3})), QDate(2004, 2, 29));
    for (const auto &[y, m, d] : {std::tuple(2005, 13, 5), {2005, 11, 0}, {2005, 2, 29}, {0, 0, 0}, {2005, -1, 5}})
        EXPECT_EQ(resultDate(drawRecord(y, m, d, {1, 2, 3})), std::nullopt) << y << '/' << m << '/' << d;
}

TEST(EntryFileListTest, ContentsLinesMarkTheFirstExtraWithPB)
{
    EXPECT_EQ(entryContentsLine(entryRecord({3, 12, 25, 33, 40, 49}, 7)), "03 12 25 33 40 49 PB 07");
    EXPECT_EQ(entryContentsLine(entryRecord({1, 2, 3, 4, 5})), "01 02 03 04 05 ");
    EXPECT_EQ(entryContentsLine(entryRecord({4, 0, 0, 9, 0, 0, 60})), "04 00 00 09 60 ");
    EXPECT_EQ(entryContentsLine(drawRecord(0, 0, 0, {1, 2, 3, 4, 5, 6, 7}, {8, 9})), "01 02 03 04 05 06 07 PB 08 09");
    EXPECT_EQ(entryContentsLine(drawRecord(0, 0, 0, {1, 2, 3}, {0, 9})), "01 02 03  09");
}

TEST(EntryFileListTest, TheFolderListsItsLotFilesByName)
{
    TestFolder folder;
    for (const QString name : {"b.lot", "A.lot", "c.LOT", "x.txt", "lot", "Weekly.rtl"})
        folder.writeBytes(name, "x");
    QDir(folder.path()).mkdir("d.lot");
    EXPECT_EQ(entryFileNames(folder.path()), QStringList({"A.lot", "b.lot", "c.LOT"}));
}

// A lotto entry file is listed up to its first empty entry or its end, whatever its count says;
// only Pick3.lot and Pick4.lot, named exactly so, are daily-number files.
TEST(EntryFileListTest, FilesShowTheirEntriesByTheirKind)
{
    TestFolder folder;
    const std::vector<NumbersRecord> entries
        = {entryRecord({1, 2, 3, 4, 5}, 6), entryRecord({7, 8, 9, 10, 11}), entryRecord({12, 13, 14, 15, 16}, 1)};
    const QStringList lines = {"01 02 03 04 05 PB 06", "07 08 09 10 11 ", "12 13 14 15 16 PB 01"};
    writeNumbersFile(folder.file("Weekly.lot"), entries);
    QByteArray bytes = folder.bytes("Weekly.lot");
    bytes[0] = 1; // a count lowered by a deletion
    folder.writeBytes("Weekly.lot", bytes);
    writeNumbersFile(folder.file("Stand.lot"), {entries[0], entryRecord({0, 8, 9}), entries[2]});
    folder.writeBytes("Empty.lot", {});
    folder.writeBytes("Pick4.lot", pickBytes(3, {{1, 2, 0, 1}, {9, 9, 9, 9}, {0, 0, 7, 3}}));
    // One lotto entry, which read as a pick file is a count of 1 and a line of zeros.
    writeNumbersFile(folder.file("pick3.lot"), {entryRecord({1, 2, 3})});
    folder.writeBytes("Pick3.lot", folder.bytes("pick3.lot"));

    const struct {
        QString name;
        QStringList lines;
    } rows[] = {
        {"Weekly.lot", lines},
        {"Stand.lot", {lines[0]}},
        {"Empty.lot", {}},
        {"Missing.lot", {}},
        {"Pick4.lot", {"1 2 0 1", "9 9 9 9", "0 0 7 3"}},
        {"Pick3.lot", {"0 0 0"}},
        {"pick3.lot", {"01 02 03 "}},
    };
    for (const auto &row : rows) {
        const EntryFileContents contents = readEntryFileContents(folder.path(), row.name);
        EXPECT_EQ(contents.lines, row.lines) << row.name.toStdString();
        EXPECT_EQ(contents.message, QString()) << row.name.toStdString();
    }
    EXPECT_FALSE(folder.exists("Missing.lot"));
}

// A damaged pick file shows what the Pick 3 / Pick 4 window shows of it, and says what is left out.
TEST(EntryFileListTest, ADamagedPickFileShowsItsSoundLinesAndSaysWhy)
{
    TestFolder folder;
    const std::vector<PickLine> lines = {{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 12, 0, 0}};
    const struct {
        int32_t count;
        QStringList lines;
        QString message;
    } rows[] = {
        {0, {}, ""},
        {-3, {"1 2 3 4", "5 6 7 8"},
            "Pick4.lot is damaged: its line count (-3) is negative, so every line the file holds is shown. 1 line "
            "of Pick4.lot holds digits outside 0 to 9 and is not shown."},
        {9, {"1 2 3 4", "5 6 7 8"},
            "Pick4.lot is damaged: it claims 9 lines but holds only 3. 1 line of Pick4.lot holds digits outside 0 to "
            "9 and is not shown."},
        {2, {"1 2 3 4", "5 6 7 8"}, ""},
    };
    for (const auto &row : rows) {
        folder.writeBytes("Pick4.lot", pickBytes(row.count, lines));
        const EntryFileContents contents = readEntryFileContents(folder.path(), "Pick4.lot");
        EXPECT_EQ(contents.lines, row.lines) << row.count;
        EXPECT_EQ(contents.message, row.message) << row.count;
    }
}
