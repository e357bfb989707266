#include "gamedata/sharedstate.h"
#include "printing/listprinting.h"
#include "printing/printers.h"
#include "support/testfolder.h"

#include <gtest/gtest.h>

using namespace vx;
using namespace vx::test;

TEST(PrinterFile, TheSavedNameIsOneSpacePaddedRecordOf255Bytes)
{
    TestFolder folder;
    // A missing file is created empty and names nothing.
    EXPECT_EQ(SavedPrinterName(folder.path()), QString());
    ASSERT_TRUE(folder.exists("print.dat"));
    EXPECT_EQ(folder.bytes("print.dat"), QByteArray());

    ASSERT_TRUE(SavePrinterName(folder.path(), "Office Laser"));
    EXPECT_EQ(folder.bytes("print.dat"), QByteArray("Office Laser") + QByteArray(243, ' '));
    EXPECT_EQ(SavedPrinterName(folder.path()), "Office Laser");
    // A shorter name replaces the whole record, leaving nothing of the longer one behind.
    ASSERT_TRUE(SavePrinterName(folder.path(), "Desk"));
    EXPECT_EQ(folder.bytes("print.dat"), QByteArray("Desk") + QByteArray(251, ' '));
    // An overlong name is cut to the record.
    ASSERT_TRUE(SavePrinterName(folder.path(), QString(300, QLatin1Char('P'))));
    EXPECT_EQ(folder.bytes("print.dat"), QByteArray(255, 'P'));
    EXPECT_EQ(SavedPrinterName(folder.path()), QString(255, QLatin1Char('P')));
}

TEST(PrinterFile, TheReadNameIsTrimmedAndAShortRecordReadsAsFarAsItGoes)
{
    TestFolder folder;
    folder.writeBytes("print.dat", QByteArray("  Laser 2 ") + QByteArray(245, ' '));
    EXPECT_EQ(SavedPrinterName(folder.path()), "Laser 2");
    folder.writeBytes("print.dat", "Inkjet");
    EXPECT_EQ(SavedPrinterName(folder.path()), "Inkjet");
}

TEST(ListPrintout, ThreeEmptyLinesThenEveryLineIndentedBySixteenSpaces)
{
    EXPECT_EQ(ListPrintout({"03 15 22 31 40 PB 07 ", "01 09 10 23 44 49 "}),
        QStringList({"", "", "", "                03 15 22 31 40 PB 07 ", "                01 09 10 23 44 49 "}));
    EXPECT_EQ(ListPrintout({}), QStringList({"", "", ""}));
}
