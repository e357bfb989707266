#include "gamedata/sharedstate.h"
#include "printing/listprinting.h"
#include "printing/printers.h"
#include "support/testfolder.h"

#include <gtest/gtest.h>

using namespace vx;
using namespace vx::test;

TEST(PrinterFile, SavedNameIsOneSpacePaddedRecordOf255Bytes)
{
    TestFolder folder;
    ASSERT_TRUE(SavePrinterName(QStringLiteral("Office Laser")));

    const QByteArray bytes = folder.bytes(QStringLiteral("print.dat"));
    ASSERT_EQ(bytes.size(), 255);
    EXPECT_EQ(bytes.left(12), QByteArray("Office Laser"));
    EXPECT_EQ(bytes.mid(12), QByteArray(243, ' '));
    EXPECT_EQ(SavedPrinterName(), QStringLiteral("Office Laser"));

    // A shorter name replaces the whole record, leaving nothing of the longer one behind.
    ASSERT_TRUE(SavePrinterName(QStringLiteral("Desk")));
    EXPECT_EQ(folder.bytes(QStringLiteral("print.dat")), QByteArray("Desk") + QByteArray(251, ' '));
    EXPECT_EQ(SavedPrinterName(), QStringLiteral("Desk"));
}

TEST(PrinterFile, ReadNameIsTrimmedOfPaddingAndBlanks)
{
    TestFolder folder;
    QByteArray record(255, ' ');
    record.replace(0, 10, "  Laser 2 ");
    folder.writeBytes(QStringLiteral("print.dat"), record);
    EXPECT_EQ(SavedPrinterName(), QStringLiteral("Laser 2"));

    // A short file (record shorter than 255 bytes) reads its missing part as nothing.
    folder.writeBytes(QStringLiteral("print.dat"), QByteArray("Inkjet"));
    EXPECT_EQ(SavedPrinterName(), QStringLiteral("Inkjet"));
}

TEST(PrinterFile, MissingFileIsCreatedEmptyAndNamesNothing)
{
    TestFolder folder;
    ASSERT_FALSE(folder.exists(QStringLiteral("print.dat")));
    EXPECT_EQ(SavedPrinterName(), QString());
    ASSERT_TRUE(folder.exists(QStringLiteral("print.dat")));
    EXPECT_TRUE(folder.bytes(QStringLiteral("print.dat")).isEmpty());
}

TEST(PrinterFile, OverlongNameIsCutToTheRecord)
{
    TestFolder folder;
    const QString name(300, QLatin1Char('P'));
    ASSERT_TRUE(SavePrinterName(name));
    EXPECT_EQ(folder.bytes(QStringLiteral("print.dat")).size(), 255);
    EXPECT_EQ(SavedPrinterName(), name.left(255));
}

TEST(ListPrintout, ThreeEmptyLinesThenEveryLineIndentedBySixteenSpaces)
{
    const QStringList printout
        = ListPrintout({ QStringLiteral("03 15 22 31 40 PB 07 "), QStringLiteral("01 09 10 23 44 49 ") });
    ASSERT_EQ(printout.size(), 5);
    EXPECT_EQ(printout.mid(0, 3), QStringList({ QString(), QString(), QString() }));
    EXPECT_EQ(printout.at(3), QStringLiteral("                03 15 22 31 40 PB 07 "));
    EXPECT_EQ(printout.at(4), QStringLiteral("                01 09 10 23 44 49 "));
    EXPECT_EQ(ListPrintout({}).size(), 3);
}
