#include "entries/editentry.h"
#include "entries/form2.h"
#include "entries/form5.h"
#include "entries/windowfit.h"
#include "platform/datepicker.h"
#include "platform/messages.h"
#include "support/mainwindowfixture.h"
#include "support/windowhelpers.h"

#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTimer>

using namespace vx;
using namespace vx::test;

namespace {
class EntriesTest : public MainWindowTest
{
protected:
    template <typename W> W *open(QPushButton *opener, const QDate &date = {})
    {
        if (date.isValid())
            findIn<platform::DatePicker>(form(), "DTPicker1")->setValue(date);
        opener->click();
        return openWindow<W>();
    }
    static void enter(QLineEdit *const *boxes, QPushButton *button, const QStringList &values)
    {
        for (int i = 0; i < values.size(); ++i)
            boxes[i]->setText(values[i]);
        button->click();
    }
    static void suggest(Form5 *window, const QString &number, bool total)
    {
        findIn<QLineEdit>(window, "Text8")->setText(number);
        (total ? findIn<QRadioButton>(window, "Option1") : findIn<QRadioButton>(window, "Option2"))->setChecked(true);
        findIn<QPushButton>(window, "Command4")->click();
    }
    QByteArray file(const char *name = "Weekly05NOV2005.lot") const { return folder.bytes(name); }
    int fileCount(const char *name = "Weekly05NOV2005.lot") const { return rawInt32(file(name), 0); }
    FakeMainWindow fake;
};

// Shown, the window fits, and box k of a shape of m main numbers is main number k or extra k - m.
void expectLayout(
    QWidget *window, QLineEdit *const *boxes, int n, int m, int b, const QString &main, const QString &extra)
{
    window->show();
    expectFits(window);
    for (int k = 0; k < n; ++k) {
        EXPECT_EQ(boxes[k]->isVisible(), k < m + b) << k;
        const QString name = k < m ? main.arg(k + 1) : QString(extra).replace("%1", QString::number(k - m + 1));
        EXPECT_TRUE(k >= m + b || boxes[k]->accessibleName() == name) << k;
    }
}
} // namespace

TEST_F(EntriesTest, EveryGameShapeFitsTheResultAndEntryWindows)
{
    for (int m = 3; m <= 7; ++m)
        for (int b = 0; b <= 2; ++b) {
            SCOPED_TRACE(std::to_string(m) + "+" + std::to_string(b));
            const CurrentGame game = CurrentGame::fromDefinition(1, makeGame("Powerball", m, b, 49, 0, 9, b % 2, "PB"));
            Form2 result(game, QDate(2006, 12, 30), folder.path(), fake);
            Form5 add(game, MainWindowFiles {folder.file("A.lot"), {}, 0, 0, {}, 0}, folder.path(), fake);
            editEntry edit(game, folder.file("A.lot"), 1, fake);
            result.Form_Load();
            result.layoutForGame();
            add.Form_Load();
            edit.Form_Load();
            expectLayout(&result, findSeries<QLineEdit>(result, QStringLiteral("Text%1"), 1).data(), 9, m, b,
                "Main ball %1", "Bonus ball %1");
            expectLayout(&add, findSeries<QLineEdit>(add, QStringLiteral("Text1(%1)")).data(), 8, m, b % 2, "Number %1",
                "Bonus number");
            expectLayout(&edit, findSeries<QLineEdit>(edit, QStringLiteral("Text1(%1)")).data(), 8, m, b % 2,
                "Number %1", "Bonus number");
            EXPECT_TRUE(findIn<QLabel>(result, "Label3")->isVisible() == (b == 2));
            EXPECT_TRUE(findIn<QLineEdit>(add, "Text8")->accessibleName() == "Enter No");
        }
}

// 5 from 49 with a bonus of its own pool of 26 tagged PB, drawn on Saturdays only.
TEST_F(EntriesTest, ResultsChangesAndAddsThroughTheMainWindowWriteTheirFiles)
{
    GameDefinition game = makeGame("Weekly", 5, 1, 49, 0, 26, 1, "PB");
    game.drawDays = {0, 0, 0, 0, 0, 0, 0, 7};
    writeGame(folder, 1, game);
    std::vector<NumbersRecord> entries(2494, entryRecord({1, 2, 3, 4, 5}, 1));
    entries[1] = entryRecord({3, 12, 25, 40, 44}, 7);
    writeNumbersFile(folder.file("Weekly05NOV2005.lot"), entries);
    start();
    findIn<platform::DatePicker>(form(), "DTPicker2")->setValue(QDate(2005, 11, 5));

    findIn<QPushButton>(form(), "Command2")->click();
    EXPECT_EQ(testMode().messages.last(), "There is no draw displayed to delete");
    EXPECT_EQ(
        open<Form2>(findIn<QPushButton>(form(), "Command1"), QDate(2006, 3, 8)), nullptr); // a Wednesday, answered No
    EXPECT_EQ(testMode().messages.last(),
        "You are entering a draw that has not been defined as a draw day. Do you want to continue");
    testMode().messages.answer(true);
    Form2 *result = open<Form2>(findIn<QPushButton>(form(), "Command1"), QDate(2006, 3, 15));
    enter(findSeries<QLineEdit>(*result, QStringLiteral("Text%1"), 1).data(), findIn<QPushButton>(result, "Command1"),
        {"7a", "3", "40", "12", "7", "22"});
    EXPECT_EQ(testMode().messages.last(), "You have duplicate main numbers");
    result->close(); // the title bar's close cancels
    EXPECT_TRUE(form().isEnabled() && file("Weekly.rtl").isEmpty());
    for (const auto &[day, values] : {std::pair(18, QStringList {"5", "3", "40", "12", "7a", "26"}),
             std::pair(11, QStringList {"45", "44", "43", "42", "41", "1"})}) { // the second goes before the first
        result = open<Form2>(findIn<QPushButton>(form(), "Command1"), QDate(2006, 3, day));
        enter(findSeries<QLineEdit>(*result, QStringLiteral("Text%1"), 1).data(),
            findIn<QPushButton>(result, "Command1"), values);
    }
    EXPECT_TRUE(form().drawShown() && form().isEnabled() && form().files().DrawnBalls[1] == 41);
    const QByteArray bytes = file("Weekly.rtl");
    NumbersRecord first = drawRecord(2006, 3, 11, {41, 42, 43, 44, 45}, {1}),
                  second = drawRecord(2006, 3, 18, {3, 5, 7, 12, 40}, {26});
    first.count = second.number = 2;
    first.number = second.count = 1;
    EXPECT_EQ(bytes, first.toBytes() + second.toBytes());
    EXPECT_EQ(open<Form2>(findIn<QPushButton>(form(), "Command1"), QDate(2006, 3, 11)), nullptr);
    EXPECT_EQ(testMode().messages.last(),
        "There is already a draw result for this date and game. Delete the draw first if you want to change it.");
    testMode().messages.answers({true});
    findIn<QPushButton>(form(), "Command2")->click();
    EXPECT_EQ(testMode().messages.last(), "Do you really want to delete this draw?");
    EXPECT_TRUE(!form().drawShown());
    EXPECT_TRUE(findIn<QLineEdit>(form(), "Text3")->text() == "0");
    second.number = 1;
    EXPECT_EQ(file("Weekly.rtl"), second.toBytes() + bytes.mid(30)); // the last record stays behind as a copy
    testMode().messages.answers({true});
    open<Form2>(findIn<QPushButton>(form(), "Command2"), QDate(2006, 3, 18));
    EXPECT_FALSE(folder.exists("Weekly.rtl")); // the only draw goes with its file

    const QByteArray before = file();
    findIn<QListWidget>(form(), "List1")->item(0)->setSelected(true);
    findIn<QListWidget>(form(), "List1")->item(2)->setSelected(true);
    EXPECT_EQ(open<editEntry>(findIn<QPushButton>(form(), "Command6")), nullptr);
    EXPECT_EQ(testMode().messages.last(),
        "You have more than one entry selected. You must only select one entry at a time for editing.");
    findIn<QListWidget>(form(), "List1")->clearSelection();
    findIn<QListWidget>(form(), "List1")->item(1)->setSelected(true);
    editEntry *edit = open<editEntry>(findIn<QPushButton>(form(), "Command6"));
    EXPECT_EQ(edit->Text1[5]->text(), "07");
    enter(findSeries<QLineEdit>(*edit, QStringLiteral("Text1(%1)")).data(), findIn<QPushButton>(edit, "Command6"),
        {"1", "2", "3", "4", "5", "0"});
    EXPECT_EQ(testMode().messages.last(), "One or more of your entries is not a number!");
    enter(findSeries<QLineEdit>(*edit, QStringLiteral("Text1(%1)")).data(), findIn<QPushButton>(edit, "Command6"),
        {"40", "2", "33", "9", "18", "5"});
    EXPECT_EQ(file(), before.left(30) + entryRecord({2, 9, 18, 33, 40}, 5).toBytes() + before.mid(60));
    EXPECT_TRUE(!edit->isVisible());
    EXPECT_TRUE(form().isEnabled());
    EXPECT_TRUE(selectedRows(findIn<QListWidget>(form(), "List1")) == QList<int> {1});
    EXPECT_EQ(findIn<QListWidget>(form(), "List1")->item(1)->text(), "02 09 18 33 40 PB 05");

    Form5 *adder = open<Form5>(findIn<QPushButton>(form(), "Command4"));
    EXPECT_EQ(adder->windowTitle(), "Weekly Entries for 5 NOV 2005");
    enter(findSeries<QLineEdit>(*adder, QStringLiteral("Text1(%1)")).data(), findIn<QPushButton>(adder, "Command6"),
        {"4.6", "5.4", "25", "12", "40", "7"}); // both stored as 5
    EXPECT_EQ(testMode().messages.last(), "One or more of your numbers are the same!");
    enter(findSeries<QLineEdit>(*adder, QStringLiteral("Text1(%1)")).data(), findIn<QPushButton>(adder, "Command6"),
        {"44", "3", "25", "12", "40", "7"});
    NumbersRecord added = entryRecord({3, 12, 25, 40, 44}, 7);
    added.count = 2494; // the new record repeats record 1's other fields
    EXPECT_EQ(file().mid(2494 * 30), added.toBytes());
    EXPECT_TRUE(fileCount() == 2495);
    EXPECT_TRUE(findIn<QLineEdit>(form(), "Text2")->text() == " 2495");
    EXPECT_EQ(findIn<QListWidget>(form(), "List1")->item(2494)->text(), "03 12 25 40 44 PB 07 ");
    const std::tuple<const char *, bool, int, const char *> steps[]
        = {{"0.5", false, 2495, "You have not specified a number to add. Please enter a number in: Enter No box"},
            {"2495", true, 2495, "You already have this number of entries or more."}, {"1.5", false, 2497, nullptr},
            {"2497.5", true, 2497, nullptr}, {"3.5", false, 2497, "You are limited to a maximum of 2500 entries"},
            {"3", false, 2500, nullptr}};
    for (const auto &[typed, total, count, message] : steps) {
        testMode().messages.clear();
        suggest(adder, typed, total);
        EXPECT_EQ(testMode().messages.shown(), message ? QStringList {message} : QStringList()) << typed;
        EXPECT_EQ(fileCount(), count) << typed;
    }
    EXPECT_TRUE(findIn<QLineEdit>(form(), "Text2")->text() == " 2500");
    EXPECT_TRUE(findIn<QListWidget>(form(), "List1")->count() == 2500);
    EXPECT_TRUE(findIn<QPushButton>(adder, "Command6")->isEnabled());
    findIn<QListWidget>(form(), "List2")->addItem("stale");
    adder->close(); // the title bar's close is the Close button
    EXPECT_TRUE(form().isEnabled());
    EXPECT_TRUE(findIn<QListWidget>(form(), "List2")->count() == 0);
}

TEST_F(EntriesTest, CancelStopsARunAfterTheEntryInHandAndAnExhaustedRunSaysSo)
{
    // Three of five: ten different entries, then none is left.
    const CurrentGame game = CurrentGame::fromDefinition(1, makeGame("Tiny", 3, 0, 5, 1, 0, 0));
    Form5 window(game, MainWindowFiles {folder.file("Tiny.lot"), {}, 0, 0, {}, 0}, folder.path(), fake);
    window.show();
    QTimer::singleShot(0, &window, [&] {
        EXPECT_TRUE(!findIn<QPushButton>(window, "Command3")->isEnabled());
        EXPECT_TRUE(findIn<QPushButton>(window, "Command1")->isEnabled());
        findIn<QPushButton>(window, "Command1")->click();
    });
    suggest(&window, "5", false);
    EXPECT_EQ(fileCount("Tiny.lot"), 1);
    findIn<QPushButton>(window, "Command1")->click(); // while nothing runs: the next run stops after its first entry
    suggest(&window, "3", false);
    EXPECT_EQ(fileCount("Tiny.lot"), 2);
    suggest(&window, "12", false);
    EXPECT_EQ(testMode().messages.last(),
        "No further entry can be suggested: every new combination shares too many numbers with an entry "
        "already in the file. 8 of the 12 entries asked for were added.");
    EXPECT_TRUE(fileCount("Tiny.lot") == 10);
    EXPECT_TRUE(fake.entryLines.size() == 10);
    EXPECT_TRUE(findIn<QPushButton>(window, "Command3")->isEnabled());
}

// Add and Suggest on a disk that fills up: each says why, the entry file keeps every entry added
// before and nothing of the one that did not fit, and the list shows what the file holds.
TEST_F(EntriesTest, AddAndSuggestOnAFullDiskKeepTheEntryFileWhole)
{
    writeGame(folder, 1, makeGame("Weekly", 5, 1, 49, 0, 26, 1, "PB"));
    writeNumbersFile(folder.file("Weekly05NOV2005.lot"), {entryRecord({1, 2, 3, 4, 5}, 1)});
    start();
    findIn<platform::DatePicker>(form(), "DTPicker2")->setValue(QDate(2005, 11, 5));
    const QByteArray before = file();
    Form5 *adder = open<Form5>(findIn<QPushButton>(form(), "Command4"));
    ASSERT_TRUE(adder);
    const QString full = "The file Weekly05NOV2005.lot could not be written: No space left on device.";
    {
        const FailingFileWrites disk(NumbersRecord::Size + 3, "Weekly05NOV2005.lot"); // the record, not the count
        enter(findSeries<QLineEdit>(*adder, QStringLiteral("Text1(%1)")).data(), findIn<QPushButton>(adder, "Command6"),
            {"44", "3", "25", "12", "40", "7"});
    }
    EXPECT_EQ(testMode().messages.last(), full);
    EXPECT_EQ(file(), before);
    EXPECT_EQ(findIn<QListWidget>(form(), "List1")->count(), 1);
    {
        const FailingFileWrites disk(5 * NumbersRecord::Size + 17, "Weekly05NOV2005.lot"); // two and a half
        suggest(adder, "5", false);
    }
    EXPECT_EQ(testMode().messages.last(), full);
    const QByteArray bytes = file();
    EXPECT_TRUE(bytes.size() == 3 * NumbersRecord::Size && fileCount() == 3 && bytes.mid(4, 26) == before.mid(4));
    EXPECT_EQ(findIn<QListWidget>(form(), "List1")->count(), 3);
    adder->close();
    EXPECT_TRUE(form().isEnabled());
}
