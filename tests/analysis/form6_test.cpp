#include "analysis/form6.h"
#include "entries/windowfit.h"
#include "platform/clock.h"
#include "platform/datepicker.h"
#include "platform/messages.h"
#include "support/mainwindowfixture.h"
#include "support/windowhelpers.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QRadioButton>
#include <QTimer>

using namespace vx;
using namespace vx::test;

namespace {
class HistoryTest : public MainWindowTest
{
protected:
    // Game 1, weekly draws from 5 Nov 2005 and the entries of that day, through the History button.
    Form6 *open(GameDefinition game, std::vector<std::initializer_list<int>> mains,
        const std::vector<NumbersRecord> &entries, int extra = 0)
    {
        std::vector<NumbersRecord> draws;
        for (const auto &m : mains) {
            const QDate d = QDate(2005, 11, 5).addDays(7 * qsizetype(draws.size()));
            draws.push_back(drawRecord(d.year(), d.month(), d.day(), m, {extra++}));
        }
        writeGame(folder, 1, game);
        writeNumbersFile(folder.file("Weekly.rtl"), draws, true);
        writeNumbersFile(folder.file("Weekly05NOV2005.lot"), entries);
        findIn<platform::DatePicker>(start(), "DTPicker2")->setValue(QDate(2005, 11, 5));
        findIn<QPushButton>(form(), "Command12")->click();
        return openWindow<Form6>();
    }
    static QStringList totals(Form6 *w)
    {
        QStringList t;
        for (int k = 1; k <= 15; ++k)
            if (findIn<QLineEdit>(w, QStringLiteral("Text%1").arg(size_t(k)))->isVisibleTo(w)
                && findIn<QLineEdit>(w, QStringLiteral("Text%1").arg(size_t(k)))->text() != "0")
                t << findIn<QLabel>(w, QStringLiteral("Label%1").arg(size_t(k)))->text() + "="
                        + findIn<QLineEdit>(w, QStringLiteral("Text%1").arg(size_t(k)))->text();
        return t;
    }
};
} // namespace

TEST_F(HistoryTest, TheHistoryButtonRefusesWithoutWinningLinesEntriesOrResults)
{
    GameDefinition none = makeGame("Nowins", 5, 0, 49, 2, 0, 0);
    none.winLines = {};
    writeGame(folder, 1, none);
    writeGame(folder, 2, makeGame("Weekly", 5, 0, 49, 2, 0, 0));
    writeNumbersFile(folder.file("Weekly05NOV2005.lot"), {entryRecord({1, 2, 3, 4, 5})});
    findIn<platform::DatePicker>(start(), "DTPicker2")->setValue(QDate(2005, 11, 5));
    findIn<QPushButton>(form(), "Command12")->click();
    EXPECT_EQ(
        testMode().messages.last(), "You cannot do a history check you have no winning entries defined for Nowins");
    findIn<QRadioButton>(form(), "Option2")->click();
    findIn<platform::DatePicker>(form(), "DTPicker2")->setValue(QDate(2005, 11, 6));
    findIn<QPushButton>(form(), "Command12")->click();
    EXPECT_EQ(testMode().messages.last(), "You do not have any entries listed to check against the draw history!");
    findIn<platform::DatePicker>(form(), "DTPicker2")->setValue(QDate(2005, 11, 5));
    findIn<QPushButton>(form(), "Command12")->click();
    EXPECT_EQ(testMode().messages.last(), "There are no results in the results file - you cannot do a history check!");
    EXPECT_TRUE(openWindow<Form6>() == nullptr && form().isEnabled());
}

TEST_F(HistoryTest, CheckListsEachDrawWithItsWinnersAndTotalsTheEnabledCategories)
{
    GameDefinition game = makeGame("Weekly", 5, 1, 49, 0, 26, 1, "PB");
    game.winLines[14] = 1;
    Form6 *w = open(game, {{1, 2, 3, 4, 5}, {10, 11, 12, 13, 14}, {1, 2, 3, 20, 21}},
        {entryRecord({1, 2, 3, 4, 5}, 7), entryRecord({1, 2, 3, 30, 31}, 9), entryRecord({40, 41, 42, 43, 44}, 8)}, 7);
    ASSERT_TRUE(w && !form().isEnabled());
    EXPECT_TRUE(w->windowTitle() == "History Check Against Weekly Entry");
    EXPECT_TRUE(findIn<platform::DatePicker>(w, "DTPicker1")->Value() == QDate(2005, 11, 5));
    EXPECT_TRUE(findIn<platform::DatePicker>(w, "DTPicker2")->Value() == platform::CurrentDate());
    findIn<QPushButton>(w, "Command2")->click();
    expectFits(w);
    EXPECT_EQ(lines(findIn<QListWidget>(w, "List1(0)")),
        QStringList({"05 NOV 2005", "01 02 03 04 05 PB 07 Match 5+PB", "01 02 03 30 31 PB 09 Match 3", "12 NOV 2005",
            "40 41 42 43 44 PB 08 Match 0+PB", "19 NOV 2005", "01 02 03 04 05 PB 07 Match 3",
            "01 02 03 30 31 PB 09 Match 3+PB"}));
    EXPECT_EQ(totals(w), QStringList({"Match 5+PB=1", "Match 3+PB=1", "Match 3=2", "Match PB=1"}));
    EXPECT_TRUE(findIn<QListWidget>(w, "List1(0)")->isVisible());
    EXPECT_TRUE(!findIn<QListWidget>(w, "List1(1)")->isVisible());
    EXPECT_TRUE(!findIn<QLineEdit>(w, "Text15")->isVisible());
    EXPECT_EQ(findIn<QLabel>(w, "Label16")->text(), "Check 3 entries against 3 results.");

    findIn<platform::DatePicker>(w, "DTPicker1")->setValue(QDate(2005, 11, 12));
    findIn<platform::DatePicker>(w, "DTPicker2")->setValue(QDate(2005, 11, 12));
    findIn<QPushButton>(w, "Command2")->click();
    EXPECT_TRUE(lines(findIn<QListWidget>(w, "List1(0)")).size() == 2);
    EXPECT_TRUE(findIn<QProgressBar>(w, "ProgressBar1")->maximum() == 1);
    findIn<platform::DatePicker>(w, "DTPicker2")->setValue(QDate(2005, 11, 18));
    findIn<platform::DatePicker>(w, "DTPicker1")->setValue(QDate(2005, 11, 13));
    findIn<QPushButton>(w, "Command2")->click();
    EXPECT_TRUE(findIn<QListWidget>(w, "List1(0)")->count() == 0);
    EXPECT_TRUE(findIn<QLineEdit>(w, "Text4")->text().isEmpty());
    EXPECT_TRUE(findIn<QPushButton>(w, "Command2")->isEnabled());
    EXPECT_EQ(findIn<QLabel>(w, "Label16")->text(), "No results in specified date range");
    findIn<platform::DatePicker>(w, "DTPicker1")->setValue(QDate(2005, 11, 19));
    findIn<QPushButton>(w, "Command2")->click();
    EXPECT_EQ(testMode().messages.last(), "Your start date must be before your end date");
    findIn<QPushButton>(w, "Command1")->click();
    EXPECT_TRUE(form().isEnabled() && openWindow<Form6>() == nullptr);
}

// Two winners and a date line per draw on pages of four lines: the line that makes four stays, the
// seventeenth line (draw 6's first winner) and all after it are counted only.
TEST_F(HistoryTest, PagesOverflowIntoTheNoteAndCancelStopsAfterTheDrawInHand)
{
    GameDefinition game = makeGame("Weekly", 5, 0, 49, 2, 0, 0);
    game.winLines = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
    Form6 *w = open(game, {{1, 2, 3, 4, 5}, {}, {}, {}, {}, {}, {}},
        {entryRecord({40, 41, 42, 43, 44}), entryRecord({9, 10, 11, 12, 13})});
    ASSERT_TRUE(w);
    w->ListLimit = 4;
    findIn<QPushButton>(w, "Command3")->click(); // nothing runs: forgotten
    findIn<QPushButton>(w, "Command2")->click();
    EXPECT_EQ(testMode().messages.last(),
        "Please note that not all the entries have been displayed in the list on the left. This is due "
        "to there being 131000 entries which is the limit. However the summary on the right has been "
        "completed. If you want details of the missing items you should change the your search dates.");
    EXPECT_EQ(totals(w), QStringList({"Match 0=14"}));
    const QString a = "40 41 42 43 44 Match 0", b = "09 10 11 12 13 Match 0";
    const QStringList pages[] = {{"05 NOV 2005", a, b, "12 NOV 2005"}, {a, b, "19 NOV 2005", a},
        {b, "26 NOV 2005", a, b}, {"03 DEC 2005", a, b, "10 DEC 2005"}};
    for (int p = 0; p < 4; ++p, findIn<QPushButton>(w, "Command4")->click()) {
        QListWidget *page = findIn<QListWidget>(w, QStringLiteral("List1(%1)").arg(p));
        EXPECT_EQ(lines(page), pages[p]) << p;
        EXPECT_TRUE(page->isVisible()) << p;
    }
    findIn<QPushButton>(w, "Command4")->click(); // past the last page: nothing
    for (int p = 3; p >= 0; --p, findIn<QPushButton>(w, "Command5")->click())
        EXPECT_TRUE(findIn<QListWidget>(w, QStringLiteral("List1(%1)").arg(size_t(p)))->isVisible()) << p;
    EXPECT_TRUE(findIn<QListWidget>(w, "List1(0)")->isVisible());
    EXPECT_TRUE(!findIn<QListWidget>(w, "List1(1)")->isVisible());
    bool closeDisabled = false;
    QTimer::singleShot(0, w, [&] {
        closeDisabled = !findIn<QPushButton>(w, "Command1")->isEnabled()
            && !findIn<QPushButton>(w, "Command2")->isEnabled()
            && findIn<QProgressBar>(w, "ProgressBar1")->value() == 1;
        findIn<QPushButton>(w, "Command3")->click();
    });
    findIn<QPushButton>(w, "Command2")->click();
    EXPECT_TRUE(closeDisabled);
    EXPECT_TRUE(findIn<QPushButton>(w, "Command1")->isEnabled());
    EXPECT_TRUE(findIn<QProgressBar>(w, "ProgressBar1")->value() == 0);
    EXPECT_EQ(lines(findIn<QListWidget>(w, "List1(0)")), QStringList({"05 NOV 2005", a, b}));
    EXPECT_EQ(totals(w), QStringList({"Match 0=2"}));
}

// The entry file listed when the window opened is emptied or deleted outside the program before
// Check: every draw of the range is listed with no winner under it and every total is 0.
TEST_F(HistoryTest, AnEntryFileEmptiedOrDeletedMeanwhileChecksToNoWinners)
{
    for (const bool deleted : {false, true}) {
        SCOPED_TRACE(deleted ? "deleted" : "emptied");
        GameDefinition game = makeGame("Weekly", 5, 1, 49, 0, 26, 1, "PB");
        game.winLines[15] = 1;
        Form6 *w = open(game, {{1, 2, 3, 4, 5}, {10, 11, 12, 13, 14}}, {entryRecord({1, 2, 3, 4, 5}, 7)}, 7);
        ASSERT_TRUE(w);
        if (deleted)
            ASSERT_TRUE(QFile::remove(folder.file("Weekly05NOV2005.lot")));
        else
            folder.writeBytes("Weekly05NOV2005.lot", QByteArray());
        findIn<QPushButton>(w, "Command2")->click();
        EXPECT_EQ(lines(findIn<QListWidget>(w, "List1(0)")), QStringList({"05 NOV 2005", "12 NOV 2005"}));
        for (int k = 1; k <= 15; ++k)
            EXPECT_TRUE(findIn<QLineEdit>(w, QStringLiteral("Text%1").arg(size_t(k)))->text() == "0"
                || !findIn<QLineEdit>(w, QStringLiteral("Text%1").arg(size_t(k)))->isVisibleTo(w))
                << k;
        EXPECT_TRUE(findIn<QLineEdit>(w, "Text15")->isVisibleTo(w));
        EXPECT_TRUE(findIn<QPushButton>(w, "Command1")->isEnabled());
        EXPECT_TRUE(findIn<QPushButton>(w, "Command2")->isEnabled());
        findIn<QPushButton>(w, "Command1")->click();
        EXPECT_TRUE(form().isEnabled());
    }
}
