#include "printing/listprinting.h"
#include "printing/printers.h"
#include "support/testfolder.h"

#include <gtest/gtest.h>

using namespace vx;
using namespace vx::test;

TEST(PrinterFile, TheSavedNameIsOneSpacePaddedRecordOf255Bytes)
{
    TestFolder folder;
    EXPECT_EQ(SavedPrinterName(folder.path()), QString()); // a missing file is created empty and names nothing
    EXPECT_EQ(folder.bytes("print.dat"), QByteArray());
    ASSERT_TRUE(SavePrinterName(folder.path(), QString(300, QLatin1Char('P')))
        && SavePrinterName(folder.path(), "Office Laser"));
    EXPECT_EQ(folder.bytes("print.dat"), referenceFile("print.dat")); // the longer name is cut, then all gone
    EXPECT_EQ(SavedPrinterName(folder.path()), "Office Laser");
    folder.writeBytes("print.dat", "  Laser 2 "); // a short record reads as far as it goes, trimmed
    EXPECT_EQ(SavedPrinterName(folder.path()), "Laser 2");
}

TEST(ListPrintout, ThreeEmptyLinesThenEveryLineIndentedBySixteenSpaces)
{
    EXPECT_EQ(
        ListPrintout({"03 15 ", "01 "}), QStringList({"", "", "", "                03 15 ", "                01 "}));
}

// A save that the disk has no room for leaves no print.dat behind when there was none, and an
// existing one as it was.
TEST(PrinterFile, ASaveOnAFullDiskLeavesTheFileAsItWas)
{
    for (const bool existed : {false, true}) {
        TestFolder folder;
        if (existed)
            folder.writeBytes("print.dat", "Old Laser");
        QString error;
        {
            const FailingFileWrites disk(100, "print.dat");
            EXPECT_FALSE(SavePrinterName(folder.path(), "Office Laser", &error));
        }
        EXPECT_EQ(error, "No space left on device");
        EXPECT_EQ(folder.exists("print.dat"), existed);
        EXPECT_EQ(folder.bytes("print.dat"), existed ? QByteArray("Old Laser") : QByteArray());
    }
}

// Start-up reads print.dat before the player chooses a printer, which makes a missing one empty.
// When the choice cannot be saved for want of room, no empty print.dat is left behind.
TEST(PrinterFile, AChoiceTheDiskHasNoRoomForLeavesNoFileWhereThereWasNone)
{
    for (const qint64 room : {0, 100}) {
        TestFolder folder;
        EXPECT_EQ(SavedPrinterName(folder.path()), QString()); // as start-up reads it
        ASSERT_TRUE(folder.exists("print.dat"));
        QString error;
        {
            const FailingFileWrites disk(room, "print.dat");
            EXPECT_FALSE(SavePrinterName(folder.path(), "Office Laser", &error));
        }
        EXPECT_EQ(error, "No space left on device");
        EXPECT_FALSE(folder.exists("print.dat")) << room;
    }
}
