#include "platform/messages.h"
#include "platform/printer.h"
#include "printing/listprinting.h"
#include "printing/printers.h"
#include "support/cupsscheduler.h"
#include "support/mainwindowfixture.h"

#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

using namespace vx;
using namespace vx::test;
using NoPrinterTest = MainWindowTest;

namespace {
const bool scheduler = UseCupsScheduler({});
const QString NoPrinterMessage
    = QStringLiteral("Printing has been disabled due to the fact that no printer drivers can be detected.");
} // namespace

TEST_F(NoPrinterTest, LookupFindsNothingSaysSoAndKeepsTheSavedName)
{
    EXPECT_TRUE(platform::InstalledPrinterNames().isEmpty());
    EXPECT_FALSE(SelectSavedPrinter(folder.path()));
    EXPECT_EQ(testMode().messages.shown(), QStringList {NoPrinterMessage});
    EXPECT_TRUE(platform::CurrentPrinterName().isEmpty());
    ASSERT_TRUE(folder.exists("print.dat"));
    EXPECT_EQ(folder.bytes("print.dat"), QByteArray());

    ASSERT_TRUE(SavePrinterName(folder.path(), "Alpha"));
    EXPECT_FALSE(SelectSavedPrinter(folder.path()));
    EXPECT_EQ(testMode().messages.shown(), QStringList({NoPrinterMessage, NoPrinterMessage}));
    EXPECT_EQ(SavedPrinterName(folder.path()), "Alpha");

    // Printing without a printer fails with a reason, and the pointer is restored.
    QString error;
    EXPECT_FALSE(PrintList({"01 02 03 "}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(PrintListCommand({"01 02 03 "}));
    EXPECT_TRUE(testMode().messages.shown().last().startsWith("The list could not be printed."))
        << testMode().messages.shown().last().toStdString();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(NoPrinterTest, StartUpDisablesThePrintingControlsAndGoesOn)
{
    writeGame(folder, 1, makeGame("Lotto", 6, 0, 49, 2, 0, 0));
    Form1 &form = start();
    EXPECT_EQ(testMode().messages.shown(), QStringList {NoPrinterMessage});
    EXPECT_FALSE(form.startup().PrintingEnabled);
    EXPECT_FALSE(findIn<QPushButton>(form, "Command9")->isEnabled());
    EXPECT_FALSE(findIn<QPushButton>(form, "Command10")->isEnabled());
    EXPECT_FALSE(findIn<QMenu>(form, "mnuTicketPrinting")->menuAction()->isEnabled());
    // The rest of the window works: game 1 is selected and its panels are usable.
    EXPECT_TRUE(findIn<QRadioButton>(form, "Option1")->isEnabled());
    EXPECT_TRUE(findIn<QGroupBox>(form, "Frame5")->isEnabled());
    EXPECT_TRUE(findIn<QPushButton>(form, "Command4")->isEnabled());
}
