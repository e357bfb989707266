#include "entries/form3.h"
#include "entries/form8.h"
#include "entries/windowfit.h"
#include "gamedata/entryfiles.h"
#include "pickdigits/pickfile.h"
#include "platform/datepicker.h"
#include "platform/messages.h"
#include "platform/twips.h"
#include "support/cupsscheduler.h"
#include "support/mainwindowfixture.h"
#include "support/windowhelpers.h"

#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace vx;
using namespace vx::test;
using platform::MessageScript::shown;

namespace {
const bool scheduler = UseCupsScheduler({"Lists"});

class ListWindowsTest : public MainWindowTest
{
protected:
    // Clicks a line of a list as the player does, twice for a double-click.
    static void click(QListWidget *list, int row, bool twice = false)
    {
        list->scrollToItem(list->item(row));
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        if (twice)
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }
    void clickHistoryPicture() { QTest::mouseClick(form().Image1, Qt::LeftButton); }
    static QStringList printedWords(const QString &queue)
    {
        QString error;
        EXPECT_TRUE(waitForPrintout(queue, &error)) << error.toStdString();
        QStringList words;
        for (const PdfWord &word : pdfWords(printoutFile(queue)))
            if (!word.text.isEmpty())
                words << word.text;
        return words;
    }
};
} // namespace

// The History picture holds the main window until the list closes, whichever way it closes; a
// double-click shows a line's draw at once, and the close shows the draw date's draw again.
TEST_F(ListWindowsTest, TheResultsListShowsEveryDrawAndADoubleClickSelectsIt)
{
    ASSERT_TRUE(scheduler);
    writeGame(folder, 1, makeGame("Weekly", 5, 1, 49, 0, 10, 1, "BB"));
    writeNumbersFile(folder.file("Weekly.rtl"),
        {drawRecord(2005, 11, 5, {3, 5, 7, 12, 22}, {4}), drawRecord(2005, 11, 12, {1, 2, 3, 4, 5}, {9}),
            drawRecord(2005, 13, 0, {6, 7, 8, 9, 10}, {1})},
        true);
    start().DTPicker1->setValue(QDate(2005, 11, 20));
    const QStringList lines = {"00001 05 11 2005: 03 05 07 12 22 BB 04", "00002 12 11 2005: 01 02 03 04 05 BB 09",
        "00003 00 13 2005: 06 07 08 09 10 BB 01"};

    QPointer<Form3> window;
    QTimer::singleShot(0, [&] {
        window = openWindow<Form3>();
        ASSERT_TRUE(window && !form().isEnabled());
        expectFits(window);
        EXPECT_EQ(window->windowTitle(), "Draw Results for Weekly");
        EXPECT_EQ(window->List1->width(), platform::twipsToPixels(5535)); // five balls, an extra and its tag
        EXPECT_EQ(ListWindowsTest::lines(window->List1), lines);
        for (const int row : {1, 2}) { // the damaged date of line 2 changes nothing
            click(window->List1, row, true);
            EXPECT_TRUE(form().DTPicker1->Value() == QDate(2005, 11, 12) && form().drawShown()
                && form().files().DrawRecord == 2);
        }
        window->Command2->click();
        EXPECT_TRUE(shown().isEmpty()) << shown().join('\n').toStdString();
        EXPECT_EQ(printedWords("Lists"), lines.join(' ').split(' '));
        // The close reads the history again: 12 November is now its first draw.
        writeNumbersFile(folder.file("Weekly.rtl"), {drawRecord(2005, 11, 12, {1, 2, 3, 4, 5}, {9})}, true);
        window->close();
    });
    clickHistoryPicture();
    EXPECT_TRUE(!window || !window->isVisible());
    EXPECT_TRUE(form().isEnabled() && form().drawShown() && form().files().DrawRecord == 1);
    flushDeletes();

    // Without a history the list is empty and has nothing to print; Close ends the wait too.
    QFile::remove(folder.file("Weekly.rtl"));
    QTimer::singleShot(0, [&] {
        window = openWindow<Form3>();
        ASSERT_TRUE(window && window->List1->count() == 0);
        window->Command2->click();
        EXPECT_EQ(shown(), QStringList {"There is no list to print!"});
        window->Command1->click();
    });
    clickHistoryPicture();
    EXPECT_TRUE(form().isEnabled() && !form().drawShown());
}

TEST_F(ListWindowsTest, TheFileDeletionWindowShowsEachFileAndDeletesAllButTheOpenOne)
{
    writeGame(folder, 1, makeGame("Weekly", 5, 1, 49, 0, 10, 1, "MB"));
    start();
    const QString dated = datedEntryFileName("Weekly", QDate::currentDate(), form().startup().MonthNames);
    writeNumbersFile(folder.file(dated), {entryRecord({3, 12, 25, 33, 40}, 7), entryRecord({1, 2, 0, 0, 0})});
    writeNumbersFile(folder.file("StandWeekly.lot"), {entryRecord({1, 2, 3, 4, 5})});
    folder.writeBytes("Pick3.lot", PickRecord {2, {1, 0, 1, 0}}.toBytes() + PickRecord {0, {4, 5, 6, 0}}.toBytes());
    folder.writeBytes("notes.txt", "1 2 3");
    form().refreshEntryPanel();
    ASSERT_EQ(form().files().EntryFile, folder.file(dated));

    form().mnuDelete->trigger();
    Form8 *w = openWindow<Form8>();
    ASSERT_TRUE(w && !form().isEnabled());
    expectFits(w);
    EXPECT_EQ(lines(w->File1), QStringList({"Pick3.lot", "StandWeekly.lot", dated}));
    w->Command3->click();
    EXPECT_EQ(shown(), QStringList {"You have not selected a file for deletion"});

    click(w->File1, 0);
    EXPECT_EQ(lines(w->List2), QStringList({"1 0 1", "4 5 6"}));
    click(w->File1, 2); // the game's tag is MB, the marker PB
    const QStringList entries = {"03 12 25 33 40 PB 07", "01 02 00 "};
    EXPECT_EQ(lines(w->List2), entries);
    w->Command3->click();
    EXPECT_EQ(shown().last(), "You cannot delete this file, you currently have it opened in the main program");
    EXPECT_TRUE(folder.exists(dated) && lines(w->List2) == entries);

    click(w->File1, 1);
    platform::MessageScript::answers({false, true});
    w->Command3->click();
    EXPECT_TRUE(folder.exists("StandWeekly.lot") && lines(w->List2) == QStringList {"01 02 03 04 05 "});
    w->Command3->click();
    EXPECT_EQ(shown().last(), "Are you sure you want to delete this lottery selection file?");
    EXPECT_FALSE(folder.exists("StandWeekly.lot"));
    EXPECT_TRUE(lines(w->File1) == QStringList({"Pick3.lot", dated}) && w->List2->count() == 0);
    EXPECT_EQ(platform::MessageScript::unansweredQuestions(), 0);

    w->close(); // the title bar's close is Close
    EXPECT_TRUE(form().isEnabled() && !w->isVisible());
    EXPECT_EQ(lines(form().List1), QStringList({"03 12 25 33 40 MB 07 ", "01 02 "}));
}
