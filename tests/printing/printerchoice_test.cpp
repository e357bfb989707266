#include "entries/windowfit.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "printing/form11.h"
#include "printing/printers.h"
#include "support/cupsscheduler.h"
#include "support/mainwindowfixture.h"
#include "support/windowhelpers.h"

#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

using namespace vx;
using namespace vx::test;
using PrinterChoiceTest = MainWindowTest;

// No queue at first, so that the program starts without a printer; the test installs them later.
static const bool scheduler = UseCupsScheduler({});

TEST_F(PrinterChoiceTest, APrinterChosenWhilePrintingWasOffIsSavedAndEnablesThePrintButtons)
{
    writeGame(folder, 1, makeGame("Lotto", 6, 0, 49, 2, 0, 0));
    ASSERT_TRUE(SavePrinterName(folder.path(), "Removed"));
    Form1 &form = start();
    for (const QString queue : {"Alpha", "Beta"})
        runTool("lpadmin",
            {"-p", queue, "-E", "-v", "file://" + printoutFile(queue), "-P",
                "/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd"});
    // Close without a choice, then the title bar's close after choosing Beta.
    for (const bool choose : {false, true}) {
        findIn<QAction>(form, "mnuprinters")->trigger();
        Form11 *window = openWindow<Form11>();
        ASSERT_TRUE(window && !form.isEnabled());
        expectFits(window);
        EXPECT_EQ(lines(findIn<QListWidget>(window, "List1")), QStringList({"Alpha", "Beta"}));
        EXPECT_TRUE(findIn<QListWidget>(window, "List1")->selectedItems().isEmpty()); // no printer is current
        if (choose)
            findIn<QListWidget>(window, "List1")->setCurrentRow(1);
        choose ? void(window->close()) : findIn<QPushButton>(window, "Command1")->click();
        EXPECT_EQ(folder.bytes("print.dat"), QByteArray(choose ? "Beta" : "Removed").leftJustified(255));
        EXPECT_EQ(platform::CurrentPrinterName(), choose ? "Beta" : "");
        EXPECT_EQ(form.startup().PrintingEnabled, choose);
        EXPECT_EQ(
            findIn<QPushButton>(form, "Command9")->isEnabled() && findIn<QPushButton>(form, "Command10")->isEnabled(),
            choose);
        findIn<QRadioButton>(form, "Option1")->click(); // selecting a game again does not bring it back either
        EXPECT_FALSE(findIn<QMenu>(form, "mnuTicketPrinting")->menuAction()->isEnabled()); // until the next start
        EXPECT_TRUE(form.isEnabled() && !openWindow<Form11>());
        flushDeletes();
    }
    EXPECT_EQ(testMode().messages.shown().size(), 1); // only start-up's word about the missing printer
}
