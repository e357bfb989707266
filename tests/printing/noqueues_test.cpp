#include "gamedata/sharedstate.h"
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

namespace {
const bool scheduler = UseCupsScheduler({});
const QString NoPrinterMessage
    = QStringLiteral("Printing has been disabled due to the fact that no printer drivers can be detected.");

class NoPrinterTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        ASSERT_TRUE(CupsEnvironment::scheduler().running()) << "the private CUPS scheduler is not running";
    }
};
} // namespace

TEST_F(NoPrinterTest, LookupFindsNothingSaysSoAndCreatesAnEmptyPrinterFile)
{
    EXPECT_TRUE(platform::InstalledPrinterNames().isEmpty());
    EXPECT_FALSE(SelectSavedPrinter());
    EXPECT_EQ(platform::MessageScript::shown(), QStringList { NoPrinterMessage });
    EXPECT_TRUE(platform::CurrentPrinterName().isEmpty());
    ASSERT_TRUE(folder.exists(QStringLiteral("print.dat")));
    EXPECT_TRUE(folder.bytes(QStringLiteral("print.dat")).isEmpty());

    // A saved name of a printer that is gone changes nothing.
    ASSERT_TRUE(SavePrinterName(QStringLiteral("Alpha")));
    platform::MessageScript::clear();
    EXPECT_FALSE(SelectSavedPrinter());
    EXPECT_EQ(platform::MessageScript::last(), NoPrinterMessage);
    EXPECT_EQ(SavedPrinterName(), QStringLiteral("Alpha"));
}

TEST_F(NoPrinterTest, StartUpDisablesThePrintingControlsAndGoesOn)
{
    writeGame(folder, 1, makeGame(QStringLiteral("Lotto"), 6, 0, 49, 2, 0, 0));
    Form1 &form = start();

    EXPECT_EQ(platform::MessageScript::shown(), QStringList { NoPrinterMessage });
    EXPECT_FALSE(PrintingEnabled);
    EXPECT_FALSE(form.Command9->isEnabled());
    EXPECT_FALSE(form.Command10->isEnabled());
    EXPECT_FALSE(form.mnuTicketPrinting->menuAction()->isEnabled());
    // The rest of the window works: game 1 is selected and its panels are usable.
    EXPECT_TRUE(form.Option[1]->isEnabled());
    EXPECT_TRUE(form.Frame5->isEnabled());
    EXPECT_TRUE(form.Command4->isEnabled());
}

TEST_F(NoPrinterTest, PrintingAListWithoutPrinterFailsWithAReason)
{
    EXPECT_FALSE(SelectSavedPrinter());
    QString error;
    EXPECT_FALSE(PrintList({ QStringLiteral("01 02 03 ") }, &error));
    EXPECT_FALSE(error.isEmpty());

    platform::MessageScript::clear();
    EXPECT_FALSE(PrintListCommand({ QStringLiteral("01 02 03 ") }));
    ASSERT_EQ(platform::MessageScript::shown().size(), 1);
    EXPECT_TRUE(platform::MessageScript::last().startsWith(QStringLiteral("The list could not be printed.")));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
