#include "entries/editentry.h"
#include "entries/form5.h"
#include "entries/windowfit.h"
#include "gamedata/numberlines.h"
#include "gamedata/rnd.h"
#include "platform/datepicker.h"
#include "platform/messages.h"
#include "support/fakemainwindow.h"
#include "support/mainwindowfixture.h"
#include "support/windowhelpers.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using namespace vx;
using namespace vx::test;
using platform::MessageScript::last;
using Mains = std::array<int16_t, 7>;

namespace {
const char *const EntryName = "Weekly05NOV2005.lot";

class EntriesTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        RndTesting::setState(777);
        RndTesting::setClock([] { return 30000.0; });
    }
    // Weekly: 5 from 49 and a bonus of its own pool of 26, tagged PB; Saturday 5 November 2005.
    void startWith(const std::vector<NumbersRecord> &entries = {}, int mains = 5, int pool = 49, int bonusPool = 26)
    {
        GameDefinition game = makeGame("Weekly", mains, 1, pool, bonusPool ? 0 : 1, bonusPool, bonusPool ? 1 : 0, "PB");
        game.drawDays = {0, 0, 0, 0, 0, 0, 0, 7};
        writeGame(folder, 1, game);
        if (!entries.empty())
            writeNumbersFile(folder.file(EntryName), entries);
        start();
        form().DTPicker2->setValue(QDate(2005, 11, 5));
    }
    Form5 *openAdd()
    {
        form().Command4->click();
        return openWindow<Form5>();
    }
    editEntry *openEdit(std::initializer_list<int> rows)
    {
        form().List1->clearSelection();
        for (int row : rows)
            form().List1->item(row)->setSelected(true);
        form().Command6->click();
        return openWindow<editEntry>();
    }
    static void enter(const std::array<QLineEdit *, 8> &boxes, QPushButton *button, const QStringList &values)
    {
        for (int i = 0; i < values.size(); ++i)
            boxes[size_t(i)]->setText(values[i]);
        button->click();
    }
    static void suggest(Form5 *window, const QString &number, bool total)
    {
        window->Text8->setText(number);
        (total ? window->Option1 : window->Option2)->setChecked(true);
        window->Command4->click();
    }
    QByteArray entryBytes() const { return folder.bytes(EntryName); }
    int fileCount() const { return rawInt32(entryBytes(), 0); }
};

std::vector<NumbersRecord> threeEntries()
{
    return {entryRecord({1, 2, 3, 4, 5}, 6), entryRecord({3, 12, 25, 40, 44}, 7), entryRecord({10, 11, 12, 13, 14}, 9)};
}
} // namespace

TEST_F(EntriesTest, EveryEntryShapeFitsBothWindowsWithTheTagUnderTheBonusBox)
{
    FakeMainWindow main;
    MainWindowFiles files;
    files.EntryFile = folder.file("Any.lot");
    for (int t = 3; t <= 8; ++t) {
        for (int bonus = t == 8 ? 1 : 0; bonus <= (t > 3 ? 1 : 0); ++bonus) {
            SCOPED_TRACE(std::to_string(t) + " boxes, bonus " + std::to_string(bonus));
            const CurrentGame game = CurrentGame::fromDefinition(1, makeGame("Weekly", t - bonus, 1, 49, 0, 26, bonus));
            auto *add = new Form5(game, files, folder.path(), main);
            auto *edit = new editEntry(game, files.EntryFile, 1, main);
            add->Form_Load();
            edit->Form_Load();
            const std::pair<ToolWindow *, std::pair<std::array<QLineEdit *, 8>, QWidget *>> windows[]
                = {{add, {add->Text1, add->Label2}}, {edit, {edit->Text1, edit->Label1}}};
            for (const auto &[window, controls] : windows) {
                window->show();
                expectFits(window);
                for (int i = 0; i < 8; ++i) {
                    EXPECT_EQ(controls.first[size_t(i)]->isVisible(), i < t) << i;
                    EXPECT_EQ(controls.first[size_t(i)]->accessibleName(),
                        bonus && i == t - 1 ? QString("Bonus number") : QString("Number %1").arg(i + 1));
                }
                const QRect box = controls.first[size_t(t - 1)]->geometry();
                EXPECT_EQ(controls.second->isVisible(), bonus == 1);
                EXPECT_TRUE(!bonus || (controls.second->x() > box.left() && controls.second->y() > box.bottom()));
                window->close();
            }
            EXPECT_EQ(add->Text8->accessibleName(), "Enter No");
            flushDeletes();
        }
    }
}

TEST_F(EntriesTest, ManualAddAppendsAndListsTheEntry)
{
    startWith();
    Form5 *window = openAdd();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Weekly Entries for 5 NOV 2005");
    EXPECT_TRUE(!form().isEnabled() && window->Option1->isChecked());
    enter(window->Text1, window->Command6, {"44", "3", "25", "12", "40", "7"});
    enter(window->Text1, window->Command6, {"4.6", "5.4", "25", "12", "40", "7"}); // both stored as 5
    EXPECT_EQ(last(), "One or more of your numbers are the same!");
    enter(window->Text1, window->Command6, {"1", "2", "3", "4", "5", "0"});
    EXPECT_EQ(last(), "One or more of your numbers are out of range for the game!");
    EXPECT_EQ(entryBytes(), entryRecord({3, 12, 25, 40, 44}, 7).toBytes().replace(0, 4, QByteArray("\1\0\0\0", 4)));
    EXPECT_EQ(form().Text2->text(), " 1");
    EXPECT_EQ(lines(form().List1), QStringList {"03 12 25 40 44 PB 07 "});
    EXPECT_EQ(window->Text1[0]->text(), "1"); // the boxes keep what was typed
    window->Command5->click();
    for (QLineEdit *box : window->Text1)
        EXPECT_TRUE(box->text().isEmpty());
    form().List2->addItem("stale");
    window->close(); // the title bar's close is the Close button
    EXPECT_TRUE(form().isEnabled());
    EXPECT_EQ(form().List2->count(), 0);
    EXPECT_EQ(form().Text3->text(), "0");
}

TEST_F(EntriesTest, WheelAndStandingFilesAreToldByTheirPath)
{
    startWith(threeEntries());
    writeNumbersFile(folder.file("Weekly-5-4-3.lot"), threeEntries());
    writeNumbersFile(folder.file("StandWeekly-x.lot"), threeEntries());
    form().openwheel(folder.file("Weekly-5-4-3.lot"));
    EXPECT_EQ(openAdd(), nullptr);
    EXPECT_EQ(
        last(), "Modifying a wheel entry can change the guarantee of the wheel. Are you sure you want to continue?");
    platform::MessageScript::answer(true);
    ASSERT_NE(openAdd(), nullptr);
    EXPECT_EQ(openWindow<Form5>()->windowTitle(), "Wheel Entry");
    openWindow<Form5>()->Command3->click();

    form().openwheel(folder.file("StandWeekly-x.lot")); // "Stand" wins over a hyphen, except for Edit
    EXPECT_EQ(openEdit({0}), nullptr);
    EXPECT_EQ(
        last(), "Editing a wheel entry can change the guarantee of the wheel. Are you sure you want to continue?");
    form().DTPicker2->blockSignals(true);
    form().DTPicker2->setValue(QDate(2005, 11, 9)); // no draw day of this game
    form().DTPicker2->blockSignals(false);
    platform::MessageScript::clear();
    platform::MessageScript::answer(true);
    ASSERT_NE(openAdd(), nullptr);
    EXPECT_EQ(platform::MessageScript::shown(),
        QStringList {"Do you want to create a dated entry for a day that has not been defined as a draw day?"});
    EXPECT_EQ(openWindow<Form5>()->windowTitle(), "Standing Entry");
}

TEST_F(EntriesTest, AFullEntryFileIsReportedAndNothingChanges)
{
    startWith(std::vector<NumbersRecord>(MaxNumbersRecords, entryRecord({1, 2, 3, 4, 5}, 1)));
    const QByteArray before = entryBytes();
    Form5 *window = openAdd();
    ASSERT_NE(window, nullptr);
    enter(window->Text1, window->Command6, {"6", "7", "8", "9", "10", "2"});
    EXPECT_TRUE(last().contains("the most it can hold")) << last().toStdString();
    suggest(window, "1", false);
    EXPECT_EQ(last(), "You are limited to a maximum of 2500 entries");
    EXPECT_EQ(form().List1->count(), MaxNumbersRecords);
    EXPECT_EQ(entryBytes(), before);
}

TEST_F(EntriesTest, SuggestionsFollowTotalAndAdditionalUpTo2500)
{
    startWith(std::vector<NumbersRecord>(2494, entryRecord({1, 2, 3, 4, 5}, 1)));
    Form5 *window = openAdd();
    ASSERT_NE(window, nullptr);
    const std::tuple<const char *, bool, int, const char *> steps[]
        = {{"0.5", false, 2494, "You have not specified a number to add. Please enter a number in: Enter No box"},
            {"1.5", false, 2496, nullptr}, {"2496", true, 2496, "You already have this number of entries or more."},
            {"2497.5", true, 2498, nullptr}, {"2.5", false, 2498, "You are limited to a maximum of 2500 entries"},
            {"3", false, 2498, "You are limited to a maximum of 2500 entries"}, {"2", false, 2500, nullptr}};
    for (const auto &[typed, total, count, message] : steps) {
        platform::MessageScript::clear();
        suggest(window, typed, total);
        EXPECT_EQ(platform::MessageScript::shown(), message ? QStringList {message} : QStringList()) << typed;
        EXPECT_EQ(fileCount(), count) << typed;
    }
    EXPECT_EQ(form().Text2->text(), " 2500");
    for (QPushButton *button : {window->Command3, window->Command4, window->Command5, window->Command6})
        EXPECT_TRUE(button->isEnabled());
    ASSERT_EQ(form().List1->count(), 2500);
    for (int e = 2495; e <= 2500; ++e) {
        const NumbersRecord r = rawRecord(entryBytes(), e);
        EXPECT_TRUE(r.extra[0] >= 1 && r.extra[0] <= 26) << e;
        EXPECT_EQ(form().List1->item(e - 1)->text(), entryLineText(r.numbers(), "PB"));
    }
}

TEST_F(EntriesTest, CancelStopsARunAfterTheEntryInHandAndAnExhaustedRunSaysSo)
{
    startWith();
    Form5 *window = openAdd();
    ASSERT_NE(window, nullptr);
    bool disabledDuringRun = false;
    QTimer::singleShot(0, window, [&] {
        disabledDuringRun = !window->Command3->isEnabled() && window->Command1->isEnabled();
        window->Command1->click();
    });
    suggest(window, "5", false);
    EXPECT_TRUE(disabledDuringRun);
    EXPECT_EQ(fileCount(), 1);
    window->Command1->click(); // while nothing runs: the next run stops after its first entry
    suggest(window, "3", false);
    EXPECT_EQ(fileCount(), 2);
    suggest(window, "2", false);
    EXPECT_EQ(fileCount(), 4);
    EXPECT_EQ(form().List1->count(), 4);
}

TEST_F(EntriesTest, ARunThatFindsNoMoreCandidatesSaysSo)
{
    startWith({}, 3, 5, 0); // three of five: ten different entries, then none is left
    Form5 *window = openAdd();
    ASSERT_NE(window, nullptr);
    suggest(window, "12", false);
    EXPECT_TRUE(last().startsWith("No further entry can be suggested")) << last().toStdString();
    EXPECT_EQ(fileCount(), 10);
    EXPECT_TRUE(window->Command3->isEnabled() && !window->running());
}

TEST_F(EntriesTest, ChangeRewritesExactlyTheSelectedEntryAfterItsOwnChecks)
{
    startWith(threeEntries());
    const QByteArray before = entryBytes();
    EXPECT_EQ(openEdit({}), nullptr);
    EXPECT_EQ(last(), "You have not selected an entry to edit.");
    EXPECT_EQ(openEdit({0, 2}), nullptr);
    EXPECT_EQ(last(), "You have more than one entry selected. You must only select one entry at a time for editing.");
    editEntry *window = openEdit({1});
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(form().isEnabled());
    QStringList shown;
    for (int i = 0; i < 6; ++i)
        shown << window->Text1[size_t(i)]->text();
    EXPECT_EQ(shown, (QStringList {"03", "12", "25", "40", "44", "07"}));
    const std::pair<QStringList, const char *> refused[]
        = {{{"1", "2", "3", "4", "5", "0"}, "One or more of your entries is not a number!"},
            {{"4.6", "5.4", "3", "4", "5", "1"}, "One or more of your numbers are the same!"},
            {{"1", "2", "3", "4", "99999999", "1"}, "One or more of your numbers are out of range for the game!"}};
    for (const auto &[values, message] : refused) {
        enter(window->Text1, window->Command6, values);
        EXPECT_EQ(last(), message);
    }
    EXPECT_EQ(entryBytes(), before);
    enter(window->Text1, window->Command6, {"40", "2", "33", "9", "18", "5"});
    EXPECT_TRUE(!window->isVisible() && form().isEnabled());
    const QByteArray after = entryBytes();
    EXPECT_EQ(after.left(30) + after.mid(60), before.left(30) + before.mid(60));
    EXPECT_EQ(after.mid(30, 30), entryRecord({2, 9, 18, 33, 40}, 5).toBytes());
    EXPECT_EQ(
        lines(form().List1), (QStringList {"01 02 03 04 05 PB 06 ", "02 09 18 33 40 PB 05", "10 11 12 13 14 PB 09 "}));
    EXPECT_EQ(selectedRows(form().List1), QList<int> {1});
    flushDeletes();
    openEdit({0})->Command5->click(); // Cancel writes nothing
    EXPECT_EQ(entryBytes(), after);
    form().Text2->setText("0");
    EXPECT_EQ(openEdit({2}), nullptr);
    EXPECT_EQ(last(), "There are no entries displayed to edit.");
}

TEST_F(EntriesTest, SevenMainsAndABonusUseTheEighthBoxToAddAndEdit)
{
    startWith({}, 7, 45, 10);
    Form5 *add = openAdd();
    ASSERT_NE(add, nullptr);
    enter(add->Text1, add->Command6, {"9", "3", "7", "1", "40", "22", "15", "8"});
    add->Command3->click();
    flushDeletes();
    editEntry *window = openEdit({0});
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Text1[7]->text(), "08");
    enter(window->Text1, window->Command6, {"7", "6", "5", "4", "3", "2", "45", "10"});
    EXPECT_EQ(entryBytes(), entryRecord({2, 3, 4, 5, 6, 7, 45}, 10).toBytes().replace(0, 4, QByteArray("\1\0\0\0", 4)));
    EXPECT_EQ(lines(form().List1), QStringList {"02 03 04 05 06 07 45 PB 10"});
}
