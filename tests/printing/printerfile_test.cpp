#include "gamedata/sharedstate.h"
#include "printing/listprinting.h"
#include "printing/printers.h"
#include "support/failingdevice.h"
#include "support/referencefiles.h"
#include "support/testfolder.h"

#include <gtest/gtest.h>

using namespace vx;
using namespace vx::test;

TEST(PrinterFile, TheSavedNameIsOneSpacePaddedRecordOf255Bytes)
{
    TestFolder folder;
    // A missing file is created empty and names nothing.
    EXPECT_EQ(SavedPrinterName(), QString());
    EXPECT_TRUE(folder.exists("print.dat"));
    EXPECT_EQ(folder.bytes("print.dat"), QByteArray());

    ASSERT_TRUE(SavePrinterName("Office Laser"));
    EXPECT_EQ(folder.bytes("print.dat"), referenceFile("print.dat"));
    folder.writeBytes("print.dat", referenceFile("print.dat"));
    EXPECT_EQ(SavedPrinterName(), "Office Laser");
    ASSERT_TRUE(SavePrinterName("Desk")); // nothing of the longer name is left behind
    EXPECT_EQ(folder.bytes("print.dat"), QByteArray("Desk") + QByteArray(251, ' '));
    ASSERT_TRUE(SavePrinterName(QString(300, QLatin1Char('P'))));
    EXPECT_EQ(folder.bytes("print.dat"), QByteArray(255, 'P'));

    // The read name is trimmed, and a short record reads as far as it goes.
    folder.writeBytes("print.dat", QByteArray("  Laser 2 ") + QByteArray(245, ' '));
    EXPECT_EQ(SavedPrinterName(), "Laser 2");
    folder.writeBytes("print.dat", "Inkjet");
    EXPECT_EQ(SavedPrinterName(), "Inkjet");

    FailingFileWrites failing(100);
    QString error;
    EXPECT_FALSE(SavePrinterName("Office Laser", &error));
    EXPECT_EQ(error, QStringLiteral("No space left on device"));
}

TEST(ListPrintout, ThreeEmptyLinesThenEveryLineIndentedBySixteenSpaces)
{
    EXPECT_EQ(ListPrintout({"03 15 22 31 40 PB 07 ", "01 09 10 23 44 49 "}),
        QStringList({"", "", "", "                03 15 22 31 40 PB 07 ", "                01 09 10 23 44 49 "}));
    EXPECT_EQ(ListPrintout({}), QStringList({"", "", ""}));
}
