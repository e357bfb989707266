#include "gamedata/entryfiles.h"
#include "gamedata/monthnames.h"
#include "gamedata/numbersfile.h"
#include "gamedata/sharedstate.h"
#include "support/testfolder.h"

#include <gtest/gtest.h>

using namespace vx;
using namespace vx::test;

namespace {
void englishMonths()
{
    MonthNames = processMonthNames(
        { QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar"), QStringLiteral("Apr"),
            QStringLiteral("May"), QStringLiteral("Jun"), QStringLiteral("Jul"), QStringLiteral("Aug"),
            QStringLiteral("Sep"), QStringLiteral("Oct"), QStringLiteral("Nov"), QStringLiteral("Dec") });
}
} // namespace

TEST(EntryFileNames, FollowTheGameNameAndTheDate)
{
    TestFolder folder;
    englishMonths();
    EXPECT_EQ(datedEntryFileName(QStringLiteral("Weekly"), QDate(2005, 11, 5)), QStringLiteral("Weekly05NOV2005.lot"));
    EXPECT_EQ(datedEntryFileName(QStringLiteral("Weekly"), QDate(2006, 3, 15)), QStringLiteral("Weekly15MAR2006.lot"));
    EXPECT_EQ(historyFileName(QStringLiteral("Weekly")), QStringLiteral("Weekly.rtl"));
    EXPECT_EQ(standingEntryFileName(QStringLiteral("Weekly")), QStringLiteral("StandWeekly.lot"));
    EXPECT_EQ(
        wheelEntryFileName(QStringLiteral("Weekly"), QStringLiteral("-6-5-3.lot")), QStringLiteral("Weekly-6-5-3.lot"));
    EXPECT_EQ(dataPath(QStringLiteral("Weekly.rtl")), folder.path() + QStringLiteral("/Weekly.rtl"));
    // A separator inside a name cannot lead out of the folder.
    EXPECT_EQ(dataPath(QStringLiteral("../x.rtl")), folder.path() + QStringLiteral("/.._x.rtl"));
}

TEST(DeleteEmptyEntryFile, DeletesAFileWithCountZeroOnly)
{
    TestFolder folder;
    EntryFile = folder.file("e.lot");
    writeNumbersFile(EntryFile, { entryRecord({ 1, 2, 3, 4, 5, 6 }) });
    DeleteEmptyEntryFile();
    EXPECT_TRUE(folder.exists("e.lot"));

    ASSERT_TRUE(deleteEntries(EntryFile, { 0 }).ok);
    DeleteEmptyEntryFile();
    EXPECT_FALSE(folder.exists("e.lot"));
    EXPECT_EQ(EntryFile, folder.file("e.lot")); // the path stays
}

TEST(DeleteEmptyEntryFile, ALengthZeroFileIsDeletedAndAMissingOneIsNotCreated)
{
    TestFolder folder;
    EntryFile = folder.file("empty.lot");
    folder.writeBytes("empty.lot", QByteArray());
    DeleteEmptyEntryFile();
    EXPECT_FALSE(folder.exists("empty.lot"));
    DeleteEmptyEntryFile();
    EXPECT_FALSE(folder.exists("empty.lot"));
}

TEST(DeleteEmptyEntryFile, NothingHappensWithoutAnEntryFileOrWithANegativeCount)
{
    TestFolder folder;
    EntryFile.clear();
    DeleteEmptyEntryFile();

    EntryFile = folder.file("neg.lot");
    QByteArray bytes = entryRecord({ 1, 2, 3 }).toBytes();
    bytes.replace(0, 4, QByteArray::fromHex("ffffffff"));
    folder.writeBytes("neg.lot", bytes);
    DeleteEmptyEntryFile();
    EXPECT_EQ(folder.bytes("neg.lot"), bytes);
}
