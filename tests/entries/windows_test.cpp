#include "entries/editentry.h"
#include "entries/form2.h"
#include "entries/form5.h"
#include "entries/windowfit.h"
#include "gamedata/rnd.h"
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
using platform::MessageScript::last;

namespace {
class EntriesTest : public MainWindowTest
{
protected:
    // 5 from 49 with a bonus of its own pool of 26 tagged PB, drawn on Saturdays only.
    void startWith(const std::vector<NumbersRecord> &entries = {}, int mains = 5, int pool = 49, int bonusPool = 26)
    {
        RndTesting::setClock([] { return 30000.0; });
        GameDefinition game = makeGame("Weekly", mains, 1, pool, bonusPool ? 0 : 1, bonusPool, bonusPool ? 1 : 0, "PB");
        game.drawDays = {0, 0, 0, 0, 0, 0, 0, 7};
        writeGame(folder, 1, game);
        if (!entries.empty())
            writeNumbersFile(folder.file("Weekly05NOV2005.lot"), entries);
        start();
        form().DTPicker2->setValue(QDate(2005, 11, 5));
    }
    template <typename W> W *open(QPushButton *opener, const QDate &date = {})
    {
        if (date.isValid())
            form().DTPicker1->setValue(date);
        opener->click();
        return openWindow<W>();
    }
    static void enter(QLineEdit *const *boxes, QPushButton *button, const QStringList &values)
    {
        for (int i = 0; i < values.size(); ++i)
            boxes[i]->setText(values[i]);
        button->click();
    }
    void select(const std::vector<int> &rows)
    {
        form().List1->clearSelection();
        for (int row : rows)
            form().List1->item(row)->setSelected(true);
    }
    void suggest(Form5 *window, const QString &number, bool total)
    {
        window->Text8->setText(number);
        (total ? window->Option1 : window->Option2)->setChecked(true);
        window->Command4->click();
    }
    QByteArray file(const char *name = "Weekly05NOV2005.lot") const { return folder.bytes(name); }
    int fileCount() const { return rawInt32(file(), 0); }
    FakeMainWindow fake;
};

// Box k of a shape of m main numbers is main number k or extra k - m.
void expectBoxes(QLineEdit *const *boxes, int n, QWidget *tag, int m, int b, const QString &main, const QString &extra)
{
    for (int k = 0; k < n; ++k) {
        EXPECT_EQ(boxes[k]->isVisible(), k < m + b) << k;
        const QString name = k < m ? main.arg(k + 1) : QString(extra).replace("%1", QString::number(k - m + 1));
        EXPECT_TRUE(k >= m + b || boxes[k]->accessibleName() == name) << k;
    }
    if (tag && b > 0) { // the tag stands under its box
        const QRect box = boxes[m]->geometry();
        EXPECT_TRUE(tag->x() > box.left() && tag->geometry().right() <= box.right() && tag->y() > box.bottom());
    }
}
} // namespace

TEST_F(EntriesTest, EveryGameShapeFitsTheResultAndEntryWindows)
{
    for (int m = 3; m <= 7; ++m) {
        for (int b = 0; b <= 2; ++b) {
            SCOPED_TRACE(std::to_string(m) + "+" + std::to_string(b));
            const CurrentGame game = CurrentGame::fromDefinition(1, makeGame("Powerball", m, b, 49, 0, 9, b % 2, "PB"));
            auto *result = new Form2(game, QDate(2006, 12, 30), folder.path(), fake);
            result->Form_Load();
            result->layoutForGame();
            result->show();
            expectFits(result);
            expectBoxes(&result->Text[1], 9, b ? result->Label2 : nullptr, m, b, "Main ball %1", "Bonus ball %1");
            EXPECT_EQ(result->Label3->isVisible(), b == 2);
            if (b < 2) {
                MainWindowFiles files;
                files.EntryFile = folder.file("A.lot");
                auto *add = new Form5(game, files, folder.path(), fake);
                auto *edit = new editEntry(game, folder.file("A.lot"), 1, fake);
                add->Form_Load();
                edit->Form_Load();
                for (ToolWindow *window : std::initializer_list<ToolWindow *> {add, edit}) {
                    window->show();
                    expectFits(window);
                }
                expectBoxes(add->Text1.data(), 8, add->Label2, m, b, "Number %1", "Bonus number");
                expectBoxes(edit->Text1.data(), 8, edit->Label1, m, b, "Number %1", "Bonus number");
                EXPECT_EQ(add->Text8->accessibleName(), "Enter No");
                add->close();
                edit->close();
            }
            result->close();
            flushDeletes();
        }
    }
}

TEST_F(EntriesTest, AddResultRefusesInOrderThenInsertsInDateOrderAndDeleteTakesTheShownDraw)
{
    startWith();
    form().Command2->click();
    EXPECT_EQ(last(), "There is no draw displayed to delete");
    EXPECT_EQ(open<Form2>(form().Command1, QDate(2006, 3, 8)), nullptr); // a Wednesday, answered No
    EXPECT_EQ(last(), "You are entering a draw that has not been defined as a draw day. Do you want to continue");
    const auto add = [&](const QDate &date, const QStringList &values) {
        Form2 *window = open<Form2>(form().Command1, date);
        enter(&window->Text[1], window->Command1, values);
        return window;
    };
    platform::MessageScript::answer(true);
    Form2 *window = add(QDate(2006, 3, 15), {"5", "3", "40", "12", "7", "27"}); // beyond the bonus pool
    EXPECT_EQ(last(), "Your extra number is not in the correct range");
    EXPECT_EQ(window->Label1->text(), "Weekly 3/15/2006");
    enter(&window->Text[1], window->Command1, {"7a", "3", "40", "12", "7", "22"});
    EXPECT_EQ(last(), "You have duplicate main numbers");
    window->close(); // the title bar's close cancels
    EXPECT_TRUE(form().isEnabled() && file("Weekly.rtl").isEmpty());
    add(QDate(2006, 3, 18), {"5", "3", "40", "12", "7a", "26"});
    add(QDate(2006, 3, 11), {"45", "44", "43", "42", "41", "1"}); // before the other: record 1
    EXPECT_TRUE(form().drawShown() && form().isEnabled() && form().files().DrawnBalls[1] == 41);
    flushDeletes();
    const QByteArray bytes = file("Weekly.rtl");
    NumbersRecord first = drawRecord(2006, 3, 11, {41, 42, 43, 44, 45}, {1}),
                  second = drawRecord(2006, 3, 18, {3, 5, 7, 12, 40}, {26});
    first.count = second.number = 2;
    first.number = second.count = 1;
    EXPECT_EQ(bytes, first.toBytes() + second.toBytes());
    EXPECT_EQ(open<Form2>(form().Command1, QDate(2006, 3, 11)), nullptr);
    EXPECT_EQ(last(),
        "There is already a draw result for this date and game. Delete the draw first if you want to change it.");
    platform::MessageScript::answers({false, true});
    form().Command2->click();
    EXPECT_EQ(file("Weekly.rtl"), bytes);
    form().Command2->click();
    EXPECT_EQ(last(), "Do you really want to delete this draw?");
    EXPECT_TRUE(!form().drawShown() && form().Text3->text() == "0");
    second.number = 1;
    EXPECT_EQ(file("Weekly.rtl"), second.toBytes() + bytes.mid(30)); // the last record stays behind as a copy
    platform::MessageScript::answers({true});
    open<Form2>(form().Command2, QDate(2006, 3, 18));
    EXPECT_FALSE(folder.exists("Weekly.rtl")); // the only draw goes with its file
}

TEST_F(EntriesTest, ManualAddAndSuggestionsAppendToTheFileTheCountAndTheList)
{
    startWith(std::vector(2494, entryRecord({1, 2, 3, 4, 5}, 1)));
    Form5 *window = open<Form5>(form().Command4);
    EXPECT_EQ(window->windowTitle(), "Weekly Entries for 5 NOV 2005");
    enter(window->Text1.data(), window->Command6, {"4.6", "5.4", "25", "12", "40", "7"}); // both stored as 5
    EXPECT_EQ(last(), "One or more of your numbers are the same!");
    enter(window->Text1.data(), window->Command6, {"1", "2", "3", "4", "5", "0"});
    EXPECT_EQ(last(), "One or more of your numbers are out of range for the game!");
    enter(window->Text1.data(), window->Command6, {"44", "3", "25", "12", "40", "7"});
    NumbersRecord added = entryRecord({3, 12, 25, 40, 44}, 7);
    added.count = 2494; // the new record repeats record 1's other fields
    EXPECT_EQ(file().mid(2494 * 30), added.toBytes());
    EXPECT_TRUE(fileCount() == 2495 && form().Text2->text() == " 2495");
    EXPECT_EQ(form().List1->item(2494)->text(), "03 12 25 40 44 PB 07 ");
    const std::tuple<const char *, bool, int, const char *> steps[]
        = {{"0.5", false, 2495, "You have not specified a number to add. Please enter a number in: Enter No box"},
            {"2495", true, 2495, "You already have this number of entries or more."}, {"1.5", false, 2497, nullptr},
            {"2497.5", true, 2497, nullptr}, {"3.5", false, 2497, "You are limited to a maximum of 2500 entries"},
            {"3", false, 2500, nullptr}};
    for (const auto &[typed, total, count, message] : steps) {
        platform::MessageScript::clear();
        suggest(window, typed, total);
        EXPECT_EQ(platform::MessageScript::shown(), message ? QStringList {message} : QStringList()) << typed;
        EXPECT_EQ(fileCount(), count) << typed;
    }
    EXPECT_TRUE(form().Text2->text() == " 2500" && form().List1->count() == 2500 && window->Command6->isEnabled());
    EXPECT_TRUE(rawRecord(file(), 2500).extra[0] >= 1 && rawRecord(file(), 2500).extra[0] <= 26);
    window->Command5->click();
    EXPECT_TRUE(window->Text1[0]->text().isEmpty());
    form().List2->addItem("stale");
    window->close(); // the title bar's close is the Close button
    EXPECT_TRUE(form().isEnabled() && form().List2->count() == 0);
}

TEST_F(EntriesTest, CancelStopsARunAfterTheEntryInHandAndAnExhaustedRunSaysSo)
{
    startWith({}, 3, 5, 0); // three of five: ten different entries, then none is left
    Form5 *window = open<Form5>(form().Command4);
    QTimer::singleShot(0, window, [&] {
        EXPECT_TRUE(!window->Command3->isEnabled() && window->Command1->isEnabled());
        window->Command1->click();
    });
    suggest(window, "5", false);
    EXPECT_EQ(fileCount(), 1);
    window->Command1->click(); // while nothing runs: the next run stops after its first entry
    suggest(window, "3", false);
    EXPECT_EQ(fileCount(), 2);
    suggest(window, "12", false);
    EXPECT_TRUE(last().startsWith("No further entry can be suggested")) << last().toStdString();
    EXPECT_TRUE(fileCount() == 10 && form().List1->count() == 10 && window->Command3->isEnabled());
}

TEST_F(EntriesTest, ChangeRewritesExactlyTheSelectedEntryAfterItsOwnChecks)
{
    startWith(
        {entryRecord({1, 2, 3, 4, 5}, 6), entryRecord({3, 12, 25, 40, 44}, 7), entryRecord({10, 11, 12, 13, 14}, 9)});
    const QByteArray before = file();
    const std::pair<std::vector<int>, const char *> refusals[] = {{{}, "You have not selected an entry to edit."},
        {{0, 2}, "You have more than one entry selected. You must only select one entry at a time for editing."}};
    for (const auto &[rows, message] : refusals) {
        select(rows);
        EXPECT_EQ(open<editEntry>(form().Command6), nullptr);
        EXPECT_EQ(last(), message);
    }
    select({1});
    editEntry *window = open<editEntry>(form().Command6);
    EXPECT_EQ(window->Text1[5]->text(), "07");
    const std::pair<QStringList, const char *> refused[]
        = {{{"1", "2", "3", "4", "5", "0"}, "One or more of your entries is not a number!"},
            {{"1", "2", "3", "4", "99999999", "1"}, "One or more of your numbers are out of range for the game!"}};
    for (const auto &[values, message] : refused) {
        enter(window->Text1.data(), window->Command6, values);
        EXPECT_EQ(last(), message);
    }
    enter(window->Text1.data(), window->Command6, {"40", "2", "33", "9", "18", "5"});
    EXPECT_TRUE(!window->isVisible() && form().isEnabled());
    EXPECT_EQ(file(), before.left(30) + entryRecord({2, 9, 18, 33, 40}, 5).toBytes() + before.mid(60));
    EXPECT_EQ(form().List1->item(1)->text(), "02 09 18 33 40 PB 05");
    EXPECT_EQ(selectedRows(form().List1), QList<int> {1});
    flushDeletes();
    open<editEntry>(form().Command6)->Command5->click(); // Cancel writes nothing
    EXPECT_EQ(file(), before.left(30) + entryRecord({2, 9, 18, 33, 40}, 5).toBytes() + before.mid(60));
    form().Text2->setText("0");
    EXPECT_EQ(open<editEntry>(form().Command6), nullptr);
    EXPECT_EQ(last(), "There are no entries displayed to edit.");
}
