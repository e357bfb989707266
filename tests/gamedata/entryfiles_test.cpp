#include "gamedata/entryfiles.h"
#include "gamedata/monthnames.h"
#include "gamedata/numbersfile.h"
#include "gamedata/sharedstate.h"
#include "support/testfolder.h"

#include <gtest/gtest.h>

using namespace vx;
using namespace vx::test;

TEST(EntryFileNames, FollowTheGameNameAndTheDate)
{
    TestFolder folder;
    MonthNames = processMonthNames(
        { QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar"), QStringLiteral("Apr"),
            QStringLiteral("May"), QStringLiteral("Jun"), QStringLiteral("Jul"), QStringLiteral("Aug"),
            QStringLiteral("Sep"), QStringLiteral("Oct"), QStringLiteral("Nov"), QStringLiteral("Dec") });
    const QString weekly = QStringLiteral("Weekly");
    EXPECT_EQ(datedEntryFileName(weekly, QDate(2005, 11, 5)), QStringLiteral("Weekly05NOV2005.lot"));
    EXPECT_EQ(datedEntryFileName(weekly, QDate(2006, 3, 15)), QStringLiteral("Weekly15MAR2006.lot"));
    EXPECT_EQ(historyFileName(weekly), QStringLiteral("Weekly.rtl"));
    EXPECT_EQ(standingEntryFileName(weekly), QStringLiteral("StandWeekly.lot"));
    EXPECT_EQ(wheelEntryFileName(weekly, QStringLiteral("-6-5-3.lot")), QStringLiteral("Weekly-6-5-3.lot"));
    EXPECT_EQ(dataPath(QStringLiteral("Weekly.rtl")), folder.path() + QStringLiteral("/Weekly.rtl"));
    // A separator inside a name cannot lead out of the folder.
    EXPECT_EQ(dataPath(QStringLiteral("../x.rtl")), folder.path() + QStringLiteral("/.._x.rtl"));
}

TEST(DeleteEmptyEntryFile, DeletesAFileOfCountZeroOrLengthZeroOnly)
{
    TestFolder folder;
    EntryFile.clear();
    DeleteEmptyEntryFile(); // no entry file: nothing to do

    EntryFile = folder.file("e.lot");
    writeNumbersFile(EntryFile, { entryRecord({ 1, 2, 3, 4, 5, 6 }) });
    DeleteEmptyEntryFile();
    EXPECT_TRUE(folder.exists("e.lot"));
    ASSERT_TRUE(deleteEntries(EntryFile, { 0 }).ok);
    DeleteEmptyEntryFile();
    EXPECT_FALSE(folder.exists("e.lot"));
    EXPECT_EQ(EntryFile, folder.file("e.lot")); // the path stays
    DeleteEmptyEntryFile(); // a missing one is not created
    EXPECT_FALSE(folder.exists("e.lot"));

    folder.writeBytes("e.lot", QByteArray());
    DeleteEmptyEntryFile();
    EXPECT_FALSE(folder.exists("e.lot"));

    // A negative count is damage, not emptiness: the file stays as it is.
    QByteArray bytes = entryRecord({ 1, 2, 3 }).toBytes();
    bytes.replace(0, 4, QByteArray::fromHex("ffffffff"));
    folder.writeBytes("e.lot", bytes);
    DeleteEmptyEntryFile();
    EXPECT_EQ(folder.bytes("e.lot"), bytes);
}
