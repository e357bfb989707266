#include "entries/windowfit.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "printing/form11.h"
#include "printing/printers.h"
#include "support/cupsscheduler.h"
#include "support/mainwindowfixture.h"
#include "support/windowhelpers.h"

#include <QListWidget>
#include <QMenu>
#include <QPushButton>

using namespace vx;
using namespace vx::test;
using platform::MessageScript::shown;

namespace {
// No queue at first: a test installs its printers, so that the program can start without any.
const bool scheduler = UseCupsScheduler({});

class PrinterChoiceTest : public MainWindowTest
{
protected:
    static void install(const QStringList &queues)
    {
        for (const QString &queue : queues)
            runTool("lpadmin",
                {"-p", queue, "-E", "-v", "file://" + printoutFile(queue), "-P",
                    "/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd"});
        ASSERT_EQ(platform::InstalledPrinterNames(), queues);
    }

    // The printer window as the player opens it from the File menu.
    Form11 *openChoice()
    {
        form().mnuprinters->trigger();
        Form11 *window = openWindow<Form11>();
        EXPECT_FALSE(form().isEnabled());
        return window;
    }

    // print.dat as the program leaves it: one record of 255 bytes, the name space-padded.
    static QByteArray record(const QByteArray &name) { return name + QByteArray(255 - name.size(), ' '); }
};
} // namespace

TEST_F(PrinterChoiceTest, APrinterChosenWhilePrintingWasOffEnablesThePrintButtonsAndIsSaved)
{
    writeGame(folder, 1, makeGame("Lotto", 6, 0, 49, 2, 0, 0));
    Form1 &form = start();
    ASSERT_FALSE(form.startup().PrintingEnabled);
    install({"Alpha", "Beta"});

    Form11 *window = openChoice();
    ASSERT_NE(window, nullptr);
    expectFits(window);
    EXPECT_EQ(lines(window->List1), QStringList({"Alpha", "Beta"}));
    EXPECT_TRUE(window->List1->selectedItems().isEmpty()); // no printer is current
    window->List1->setCurrentRow(1);
    window->Command1->click();

    EXPECT_EQ(folder.bytes("print.dat"), record("Beta"));
    EXPECT_EQ(platform::CurrentPrinterName(), "Beta");
    EXPECT_TRUE(form.startup().PrintingEnabled);
    EXPECT_TRUE(form.Command9->isEnabled());
    EXPECT_TRUE(form.Command10->isEnabled());
    EXPECT_FALSE(form.mnuTicketPrinting->menuAction()->isEnabled()); // until the next start
    EXPECT_TRUE(form.isEnabled());
    EXPECT_EQ(openWindow<Form11>(), nullptr);
    EXPECT_EQ(shown().size(), 1); // only the start-up's word about the missing printer
}

TEST_F(PrinterChoiceTest, ClosingWithoutAChoiceChangesNothingAndTheTitleBarCloseKeepsAChoice)
{
    install({"Alpha", "Beta"});
    ASSERT_TRUE(SavePrinterName(folder.path(), "Removed"));
    Form1 &form = start();
    ASSERT_EQ(platform::CurrentPrinterName(), "Beta");

    Form11 *window = openChoice();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->List1->currentRow(), 1);
    window->Command1->click();
    EXPECT_EQ(folder.bytes("print.dat"), record("Removed"));
    EXPECT_EQ(platform::CurrentPrinterName(), "Beta");
    EXPECT_TRUE(form.isEnabled());
    flushDeletes();

    window = openChoice();
    ASSERT_NE(window, nullptr);
    window->List1->setCurrentRow(0);
    window->close();
    EXPECT_EQ(folder.bytes("print.dat"), record("Alpha"));
    EXPECT_EQ(platform::CurrentPrinterName(), "Alpha");
    EXPECT_TRUE(form.isEnabled());
    EXPECT_EQ(openWindow<Form11>(), nullptr);
    EXPECT_TRUE(shown().isEmpty());
}

TEST_F(PrinterChoiceTest, AChoiceThatCannotBeSavedIsSaidAndStaysCurrentForTheSession)
{
    install({"Alpha", "Beta"});
    StartupValues startup;
    startup.AppFolder = folder.path();
    FakeMainWindow mainWindow;
    auto *window = new Form11(startup, mainWindow);
    window->show();
    window->List1->setCurrentRow(0);
    {
        const FailingFileWrites fullDisk(0, "print.dat");
        window->Command1->click();
    }
    flushDeletes();
    EXPECT_EQ(platform::CurrentPrinterName(), "Alpha");
    EXPECT_EQ(mainWindow.printingEnabled, 1);
    EXPECT_EQ(mainWindow.enabled, 1);
    EXPECT_TRUE(mainWindow.shown);
    ASSERT_EQ(shown().size(), 1);
    EXPECT_TRUE(shown().first().startsWith("The printer choice could not be saved in"))
        << shown().first().toStdString();
    EXPECT_TRUE(shown().first().contains("No space left on device")) << shown().first().toStdString();
}
