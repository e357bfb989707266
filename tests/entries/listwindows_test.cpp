#include "entries/form3.h"
#include "entries/form8.h"
#include "entries/windowfit.h"
#include "gamedata/entryfiles.h"
#include "platform/clock.h"
#include "platform/datepicker.h"
#include "platform/messages.h"
#include "platform/twips.h"
#include "support/cupsscheduler.h"
#include "support/mainwindowfixture.h"
#include "support/windowhelpers.h"

#include <QAction>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace vx;
using namespace vx::test;

namespace {
[[maybe_unused]] const bool scheduler = UseCupsScheduler({"Lists"});

// Clicks a line of a list as the player does, twice for a double-click.
void click(QListWidget *list, int row, bool twice = false)
{
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}
using ListWindowsTest = MainWindowTest;
} // namespace

// The main window waits for the list; a double-click shows a line's draw, the close the draw date's.
TEST_F(ListWindowsTest, TheResultsListShowsEveryDrawAndADoubleClickSelectsIt)
{
    writeGame(folder, 1, makeGame("Weekly", 5, 1, 49, 0, 10, 1, "BB"));
    writeNumbersFile(folder.file("Weekly.rtl"),
        {drawRecord(2005, 11, 5, {3, 5, 7, 12, 22}, {4}), drawRecord(2005, 11, 12, {1, 2, 3, 4, 5}, {9}),
            drawRecord(2005, 13, 0, {6, 7, 8, 9, 10}, {1})},
        true);
    findIn<platform::DatePicker>(start(), "DTPicker1")->setValue(QDate(2005, 11, 20));
    const QStringList lines = {"00001 05 11 2005: 03 05 07 12 22 BB 04", "00002 12 11 2005: 01 02 03 04 05 BB 09",
        "00003 00 13 2005: 06 07 08 09 10 BB 01"};

    QPointer<Form3> window;
    QTimer::singleShot(0, [&] {
        window = openWindow<Form3>();
        ASSERT_TRUE(window && !form().isEnabled());
        expectFits(window);
        EXPECT_EQ(window->windowTitle(), "Draw Results for Weekly");
        EXPECT_EQ(findIn<QListWidget>(window, "List1")->width(),
            platform::twipsToPixels(5535)); // five balls, an extra and its tag
        EXPECT_EQ(MainWindowTest::lines(findIn<QListWidget>(window, "List1")), lines);
        for (const int row : {1, 2}) { // the damaged date of line 2 changes nothing
            click(findIn<QListWidget>(window, "List1"), row, true);
            EXPECT_TRUE(findIn<platform::DatePicker>(form(), "DTPicker1")->Value() == QDate(2005, 11, 12));
            EXPECT_TRUE(form().drawShown());
            EXPECT_TRUE(form().files().DrawRecord == 2);
        }
        findIn<QPushButton>(window, "Command2")->click();
        QString error;
        ASSERT_TRUE(waitForPrintout("Lists", &error)) << error.toStdString();
        QStringList words; // the printout's words, page starts left out
        for (const PdfWord &word : pdfWords(printoutFile("Lists")))
            words << word.text.split(' ', Qt::SkipEmptyParts);
        EXPECT_EQ(words, lines.join(' ').split(' '));
        // The close reads the history again: 12 November is now its first draw.
        writeNumbersFile(folder.file("Weekly.rtl"), {drawRecord(2005, 11, 12, {1, 2, 3, 4, 5}, {9})}, true);
        window->close();
    });
    QTest::mouseClick(findIn<QLabel>(form(), "Image1"), Qt::LeftButton);
    EXPECT_TRUE((!window || !window->isVisible()) && form().isEnabled() && form().drawShown()
        && form().files().DrawRecord == 1);
}

TEST_F(ListWindowsTest, TheFileDeletionWindowShowsEachFileAndDeletesAllButTheOpenOne)
{
    writeGame(folder, 1, makeGame("Weekly", 5, 1, 49, 0, 10, 1, "MB"));
    start();
    const QString dated = datedEntryFileName("Weekly", platform::CurrentDate(), form().startup().MonthNames);
    writeNumbersFile(folder.file(dated), {entryRecord({3, 12, 25, 33, 40}, 7), entryRecord({1, 2, 0, 0, 0})});
    writeNumbersFile(folder.file("StandWeekly.lot"), {entryRecord({1, 2, 3, 4, 5})});
    form().refreshEntryPanel();

    findIn<QAction>(form(), "mnuDelete")->trigger();
    Form8 *w = openWindow<Form8>();
    ASSERT_TRUE(w && !form().isEnabled());
    expectFits(w);
    EXPECT_EQ(lines(findIn<QListWidget>(w, "File1")), QStringList({"StandWeekly.lot", dated}));
    click(findIn<QListWidget>(w, "File1"), 1); // the game's tag is MB, the marker PB
    const QStringList entries = {"03 12 25 33 40 PB 07", "01 02 00 "};
    EXPECT_EQ(lines(findIn<QListWidget>(w, "List2")), entries);
    findIn<QPushButton>(w, "Command3")->click();
    EXPECT_EQ(testMode().messages.shown().last(),
        "You cannot delete this file, you currently have it opened in the main program");
    EXPECT_TRUE(folder.exists(dated));
    EXPECT_TRUE(lines(findIn<QListWidget>(w, "List2")) == entries);

    click(findIn<QListWidget>(w, "File1"), 0);
    testMode().messages.answers({false, true});
    findIn<QPushButton>(w, "Command3")->click();
    EXPECT_TRUE(folder.exists("StandWeekly.lot"));
    EXPECT_TRUE(lines(findIn<QListWidget>(w, "List2")) == QStringList {"01 02 03 04 05 "});
    findIn<QPushButton>(w, "Command3")->click();
    EXPECT_EQ(testMode().messages.shown().last(), "Are you sure you want to delete this lottery selection file?");
    EXPECT_TRUE(!folder.exists("StandWeekly.lot"));
    EXPECT_TRUE(lines(findIn<QListWidget>(w, "File1")) == QStringList {dated});
    EXPECT_TRUE(findIn<QListWidget>(w, "List2")->count() == 0);

    w->close(); // the title bar's close is Close
    EXPECT_TRUE(form().isEnabled() && !w->isVisible());
}
