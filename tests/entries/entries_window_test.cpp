#include "entries/editentry.h"
#include "entries/form5.h"
#include "gamedata/numberlines.h"
#include "gamedata/rnd.h"
#include "gamedata/sharedstate.h"
#include "platform/datepicker.h"
#include "platform/messages.h"
#include "platform/twips.h"
#include "support/mainwindowfixture.h"
#include "support/windowhelpers.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using namespace vx;
using namespace vx::test;
using platform::twipsToPixels;
using platform::MessageScript::last;

namespace {
const QDate EntryDate(2005, 11, 5);
const char *const EntryName = "Weekly05NOV2005.lot";
using Mains = std::array<int16_t, 7>;

class EntriesTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        RndTesting::setState(777);
        RndTesting::setClock([] { return 30000.0; });
    }

    void startWith(const GameDefinition &game, const std::vector<NumbersRecord> &entries = {})
    {
        writeGame(folder, 1, game);
        if (!entries.empty())
            writeNumbersFile(folder.file(QLatin1String(EntryName)), entries);
        start();
        form().DTPicker2->setValue(EntryDate);
    }

    Form5 *openAdd()
    {
        form().Command4->click();
        return openWindow<Form5>();
    }

    editEntry *openEdit(std::initializer_list<int> rows = {})
    {
        form().List1->clearSelection();
        for (int row : rows)
            form().List1->item(row)->setSelected(true);
        form().Command6->click();
        return openWindow<editEntry>();
    }

    // Types the values into the boxes and clicks the window's Add or Change button.
    static void enter(const std::array<QLineEdit *, 8> &boxes, QPushButton *button, const QStringList &values)
    {
        for (int i = 0; i < values.size(); ++i)
            boxes[static_cast<size_t>(i)]->setText(values[i]);
        button->click();
    }

    void suggest(Form5 *window, const QString &number, bool total)
    {
        window->Text8->setText(number);
        (total ? window->Option1 : window->Option2)->setChecked(true);
        window->Command4->click();
    }

    QByteArray entryBytes() const { return folder.bytes(QLatin1String(EntryName)); }
    int fileCount() const { return rawInt32(entryBytes(), 0); }
};

GameDefinition weekly()
{
    return makeGame(QStringLiteral("Weekly"), 5, 1, 49, 0, 26, 1, QStringLiteral("PB"));
}

// Three of five: ten different entries at most, since only exact repeats are refused.
GameDefinition tiny()
{
    return makeGame(QStringLiteral("Weekly"), 3, 1, 5, 1, 0, 0);
}

std::vector<NumbersRecord> threeEntries()
{
    return {entryRecord({1, 2, 3, 4, 5}, 6), entryRecord({3, 12, 25, 40, 44}, 7), entryRecord({10, 11, 12, 13, 14}, 9)};
}
} // namespace

TEST_F(EntriesTest, ManualAddAppendsAndListsTheEntry)
{
    startWith(weekly());
    Form5 *window = openAdd();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Weekly Entries for 5 NOV 2005"));
    EXPECT_FALSE(form().isEnabled());
    EXPECT_TRUE(window->Option1->isChecked());
    EXPECT_EQ(window->Label2->text(), QStringLiteral("PB"));

    enter(window->Text1, window->Command6, {"44", "3", "25", "12", "40", "7"});
    EXPECT_EQ(form().Text2->text(), QStringLiteral(" 1"));
    EXPECT_EQ(lines(form().List1), QStringList {"03 12 25 40 44 PB 07 "});
    ASSERT_EQ(entryBytes().size(), 30);
    EXPECT_EQ(fileCount(), 1);
    EXPECT_EQ(rawRecord(entryBytes(), 1).main, (Mains {3, 12, 25, 40, 44, 0, 0}));
    EXPECT_EQ(rawRecord(entryBytes(), 1).extra[0], 7);
    EXPECT_EQ(window->Text1[0]->text(), QStringLiteral("44")); // the boxes keep their contents

    // 4.6 and 5.4 would both be stored as 5.
    enter(window->Text1, window->Command6, {"4.6", "5.4", "25", "12", "40", "7"});
    EXPECT_EQ(last(), QStringLiteral("One or more of your numbers are the same!"));
    enter(window->Text1, window->Command6, {"1", "2", "3", "4", "5", "0"});
    EXPECT_EQ(last(), QStringLiteral("One or more of your numbers are out of range for the game!"));
    EXPECT_EQ(fileCount(), 1);
    EXPECT_EQ(form().List1->count(), 1);

    window->Command5->click();
    for (QLineEdit *box : window->Text1)
        EXPECT_TRUE(box->text().isEmpty());

    form().List2->addItem(QStringLiteral("stale"));
    form().Text3->setText(QStringLiteral("3"));
    window->close(); // the title bar's close is the Close button
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(form().isEnabled());
    EXPECT_EQ(form().List2->count(), 0);
    EXPECT_EQ(form().Text3->text(), QStringLiteral("0"));
}

TEST_F(EntriesTest, WheelAndStandingFilesAreToldByTheirPath)
{
    GameDefinition game = weekly();
    game.drawDays = {};
    game.drawDays[7] = 7; // 5 November 2005 is a Saturday
    startWith(game, threeEntries());

    writeNumbersFile(folder.file("Weekly-5-4-3.lot"), threeEntries());
    writeNumbersFile(folder.file("StandWeekly-x.lot"), threeEntries());
    form().openwheel(folder.file("Weekly-5-4-3.lot"));
    platform::MessageScript::answer(false);
    EXPECT_EQ(openAdd(), nullptr);
    EXPECT_EQ(last(),
        QStringLiteral("Modifying a wheel entry can change the guarantee of the wheel. Are you sure you "
                       "want to continue?"));
    platform::MessageScript::answer(true);
    Form5 *wheel = openAdd();
    ASSERT_NE(wheel, nullptr);
    EXPECT_EQ(wheel->windowTitle(), QStringLiteral("Wheel Entry"));
    wheel->Command3->click();
    flushDeletes();

    // "Stand" wins over a hyphen; a day that is no draw day is asked about for every kind.
    form().openwheel(folder.file("StandWeekly-x.lot"));
    EXPECT_EQ(openEdit({0}), nullptr);
    EXPECT_EQ(last(),
        QStringLiteral("Editing a wheel entry can change the guarantee of the wheel. Are you sure you "
                       "want to continue?"));
    form().DTPicker2->blockSignals(true);
    form().DTPicker2->setValue(QDate(2005, 11, 9));
    form().DTPicker2->blockSignals(false);
    platform::MessageScript::clear();
    platform::MessageScript::answer(true);
    Form5 *standing = openAdd();
    ASSERT_NE(standing, nullptr);
    EXPECT_EQ(platform::MessageScript::shown(),
        QStringList {"Do you want to create a dated entry for a day that has not been defined as a draw day?"});
    EXPECT_EQ(standing->windowTitle(), QStringLiteral("Standing Entry"));
}

TEST_F(EntriesTest, AFullEntryFileIsReportedAndNothingChanges)
{
    std::vector<NumbersRecord> entries(MaxNumbersRecords, entryRecord({1, 2, 3, 4, 5}, 1));
    startWith(weekly(), entries);
    const QByteArray before = entryBytes();
    Form5 *window = openAdd();
    ASSERT_NE(window, nullptr);
    enter(window->Text1, window->Command6, {"6", "7", "8", "9", "10", "2"});
    EXPECT_TRUE(last().contains(QStringLiteral("the most it can hold"))) << last().toStdString();
    EXPECT_EQ(form().Text2->text(), QStringLiteral("32767"));
    EXPECT_EQ(form().List1->count(), MaxNumbersRecords);
    EXPECT_EQ(entryBytes(), before);
}

TEST_F(EntriesTest, TheBonusTagStandsUnderTheBonusBox)
{
    startWith(weekly());
    struct Shape {
        int mains, bonus, label;
    };
    for (const Shape shape : {Shape {3, 1, 2160}, Shape {4, 1, 2760}, Shape {5, 1, 3360}, Shape {6, 1, 3960},
             Shape {7, 1, 240 + 600 * 7 + 120}, Shape {6, 0, 0}}) {
        SCOPED_TRACE(shape.mains * 10 + shape.bonus);
        CurrentGame game = form().game();
        game.MainPicked = static_cast<int16_t>(shape.mains);
        game.BonusPicked = static_cast<int16_t>(shape.bonus);
        auto *window = new Form5(game, form().files(), folder.path(), form());
        window->Form_Load();
        window->show();
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(window->Text1[static_cast<size_t>(i)]->isVisible(), i < shape.mains + shape.bonus) << i;
        EXPECT_EQ(window->Label2->isVisible(), shape.bonus == 1);
        if (shape.bonus == 1) {
            EXPECT_EQ(window->Label2->x(), twipsToPixels(shape.label));
        }
        window->Command3->click();
        flushDeletes();
    }
}

TEST_F(EntriesTest, SuggestedCountsFollowTotalAndAdditional)
{
    startWith(weekly());
    Form5 *window = openAdd();
    ASSERT_NE(window, nullptr);
    suggest(window, QStringLiteral("0.5"), false);
    EXPECT_EQ(last(), QStringLiteral("You have not specified a number to add. Please enter a number in: Enter No box"));
    suggest(window, QStringLiteral("1.5"), false);
    EXPECT_EQ(fileCount(), 2);
    suggest(window, QStringLiteral("2.5"), false);
    EXPECT_EQ(fileCount(), 4);
    EXPECT_EQ(form().Text2->text(), QStringLiteral(" 4"));
    suggest(window, QStringLiteral("4"), true);
    EXPECT_EQ(last(), QStringLiteral("You already have this number of entries or more."));
    suggest(window, QStringLiteral("7"), true);
    EXPECT_EQ(fileCount(), 7);
    for (QPushButton *button : {window->Command3, window->Command4, window->Command5, window->Command6})
        EXPECT_TRUE(button->isEnabled());

    // Every suggestion is in range, with its bonus from the bonus pool, and listed as in the file.
    ASSERT_EQ(form().List1->count(), 7);
    for (int e = 1; e <= 7; ++e) {
        const NumbersRecord r = rawRecord(entryBytes(), e);
        EXPECT_TRUE(r.main[0] >= 1 && r.main[4] <= 49 && r.main[5] == 0) << e;
        EXPECT_TRUE(r.extra[0] >= 1 && r.extra[0] <= 26) << e;
        EXPECT_EQ(form().List1->item(e - 1)->text(), entryLineText(r.numbers(), QStringLiteral("PB")));
    }
}

TEST_F(EntriesTest, AdditionalStopsAt2500Entries)
{
    startWith(weekly(), std::vector<NumbersRecord>(2498, entryRecord({1, 2, 3, 4, 5}, 1)));
    Form5 *window = openAdd();
    ASSERT_NE(window, nullptr);
    for (const char *refused : {"3", "2.5"}) {
        suggest(window, QString::fromLatin1(refused), false);
        EXPECT_EQ(last(), QStringLiteral("You are limited to a maximum of 2500 entries")) << refused;
    }
    EXPECT_EQ(fileCount(), 2498);
    suggest(window, QStringLiteral("2"), false);
    EXPECT_EQ(fileCount(), 2500);
    EXPECT_EQ(form().Text2->text(), QStringLiteral(" 2500"));
}

TEST_F(EntriesTest, ARunThatRunsOutOfCandidatesEndsWithAMessageOrACancel)
{
    startWith(tiny());
    Form5 *window = openAdd();
    ASSERT_NE(window, nullptr);
    suggest(window, QStringLiteral("12"), false);
    EXPECT_TRUE(last().startsWith(QStringLiteral("No further entry can be suggested"))) << last().toStdString();
    EXPECT_EQ(fileCount(), 10);
    EXPECT_EQ(form().List1->count(), 10);
    EXPECT_TRUE(window->Command3->isEnabled());
    EXPECT_FALSE(window->running());

    // With every candidate taken, Cancel still ends the run, without a message.
    platform::MessageScript::clear();
    QTimer::singleShot(0, window, [&] { window->Command1->click(); });
    suggest(window, QStringLiteral("1"), false);
    EXPECT_TRUE(platform::MessageScript::shown().isEmpty()) << last().toStdString();
    EXPECT_EQ(fileCount(), 10);
    EXPECT_TRUE(window->Command4->isEnabled());
}

TEST_F(EntriesTest, CancelStopsAfterTheEntryInHand)
{
    startWith(weekly());
    Form5 *window = openAdd();
    ASSERT_NE(window, nullptr);
    bool disabledDuringRun = false;
    QTimer::singleShot(0, window, [&] {
        disabledDuringRun = !window->Command3->isEnabled() && window->Command1->isEnabled();
        window->Command1->click();
    });
    suggest(window, QStringLiteral("5"), false);
    EXPECT_TRUE(disabledDuringRun);
    EXPECT_EQ(fileCount(), 1);

    // A Cancel while nothing runs stops the next run after its first entry, and only that run.
    window->Command1->click();
    suggest(window, QStringLiteral("3"), false);
    EXPECT_EQ(fileCount(), 2);
    suggest(window, QStringLiteral("2"), false);
    EXPECT_EQ(fileCount(), 4);
}

// ---------------------------------------------------------------------------------------------

TEST_F(EntriesTest, ChangeRewritesExactlyTheSelectedEntry)
{
    startWith(weekly(), threeEntries());
    const QByteArray before = entryBytes();
    editEntry *window = openEdit({1});
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(form().files().EditRecord, 2);
    EXPECT_FALSE(form().isEnabled());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Edit Entry"));
    QStringList shown;
    for (int i = 0; i < 6; ++i)
        shown << window->Text1[static_cast<size_t>(i)]->text();
    EXPECT_EQ(shown, (QStringList {"03", "12", "25", "40", "44", "07"}));
    EXPECT_EQ(window->BonusBox, 5);
    EXPECT_EQ(window->Label1->x(), twipsToPixels(3240));
    EXPECT_FALSE(window->Text1[6]->isVisible());

    enter(window->Text1, window->Command6, {"40", "2", "33", "9", "18", "5"});
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(form().isEnabled());
    const QByteArray after = entryBytes();
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.left(30), before.left(30));
    EXPECT_EQ(after.mid(60), before.mid(60));
    EXPECT_EQ(rawRecord(after, 2).main, (Mains {2, 9, 18, 33, 40, 0, 0}));
    EXPECT_EQ(rawRecord(after, 2).extra[0], 5);
    EXPECT_EQ(lines(form().List1).at(1), QStringLiteral("02 09 18 33 40 PB 05"));
    EXPECT_EQ(selectedRows(form().List1), QList<int> {1});
    EXPECT_EQ(form().List1->count(), 3);

    // The first record also holds the count, which a Change keeps.
    flushDeletes();
    editEntry *first = openEdit({0});
    ASSERT_NE(first, nullptr);
    enter(first->Text1, first->Command6, {"49", "48", "47", "46", "45", "26"});
    EXPECT_EQ(fileCount(), 3);
    EXPECT_EQ(rawRecord(entryBytes(), 1).main, (Mains {45, 46, 47, 48, 49, 0, 0}));
}

TEST_F(EntriesTest, ChangeRefusesWhatTheManualAddWouldRefuseDifferently)
{
    startWith(weekly(), threeEntries());
    const QByteArray before = entryBytes();
    editEntry *window = openEdit({2});
    ASSERT_NE(window, nullptr);
    const std::pair<QStringList, const char *> refused[]
        = {{{"1", "2", "3", "4", "5", "0"}, "One or more of your entries is not a number!"},
            {{"4.6", "5.4", "3", "4", "5", "1"}, "One or more of your numbers are the same!"},
            {{"1", "2", "3", "4", "99999999", "1"}, "One or more of your numbers are out of range for the game!"}};
    for (const auto &[values, message] : refused) {
        enter(window->Text1, window->Command6, values);
        EXPECT_EQ(last(), QString::fromLatin1(message));
    }
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(entryBytes(), before);
    EXPECT_EQ(lines(form().List1).at(2), QStringLiteral("10 11 12 13 14 PB 09 "));

    window->Command5->click();
    EXPECT_TRUE(form().isEnabled());
    EXPECT_EQ(entryBytes(), before);
}

TEST_F(EntriesTest, EditNeedsExactlyOneListedEntrySelected)
{
    startWith(weekly(), threeEntries());
    EXPECT_EQ(openEdit(), nullptr);
    EXPECT_EQ(last(), QStringLiteral("You have not selected an entry to edit."));
    EXPECT_EQ(openEdit({0, 2}), nullptr);
    EXPECT_EQ(last(),
        QStringLiteral("You have more than one entry selected. You must only select one entry at a time "
                       "for editing."));
    // A line beyond the count shown is no selection.
    form().Text2->setText(QStringLiteral("2"));
    EXPECT_EQ(openEdit({2}), nullptr);
    EXPECT_EQ(last(), QStringLiteral("You have not selected an entry to edit."));
    form().Text2->setText(QStringLiteral("0"));
    EXPECT_EQ(openEdit({2}), nullptr);
    EXPECT_EQ(last(), QStringLiteral("There are no entries displayed to edit."));
    EXPECT_TRUE(form().isEnabled());
}

TEST_F(EntriesTest, ThreeBoxGamesGetAWorkingEditWindow)
{
    startWith(makeGame(QStringLiteral("Weekly"), 3, 1, 36, 1, 0, 0), {entryRecord({4, 8, 15})});
    editEntry *three = openEdit({0});
    ASSERT_NE(three, nullptr);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(three->Text1[static_cast<size_t>(i)]->isVisible(), i < 3) << i;
    EXPECT_FALSE(three->Label1->isVisible());
    EXPECT_LE(three->Command5->geometry().right(), three->width());
    enter(three->Text1, three->Command6, {"36", "1", "20"});
    EXPECT_EQ(lines(form().List1).at(0), QStringLiteral("01 20 36 "));
}

TEST_F(EntriesTest, SevenMainsAndABonusGetAnEighthBoxToAddAndEdit)
{
    startWith(makeGame(QStringLiteral("Weekly"), 7, 1, 45, 0, 10, 1));
    Form5 *add = openAdd();
    ASSERT_NE(add, nullptr);
    enter(add->Text1, add->Command6, {"9", "3", "7", "1", "40", "22", "15", "8"});
    EXPECT_EQ(rawRecord(entryBytes(), 1).main, (Mains {1, 3, 7, 9, 15, 22, 40}));
    EXPECT_EQ(rawRecord(entryBytes(), 1).extra[0], 8);
    add->Command3->click();
    flushDeletes();

    editEntry *window = openEdit({0});
    ASSERT_NE(window, nullptr);
    for (QLineEdit *box : window->Text1)
        EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(window->BonusBox, 7);
    EXPECT_EQ(window->Text1[7]->text(), QStringLiteral("08"));
    enter(window->Text1, window->Command6, {"7", "6", "5", "4", "3", "2", "45", "10"});
    EXPECT_EQ(rawRecord(entryBytes(), 1).main, (Mains {2, 3, 4, 5, 6, 7, 45}));
    EXPECT_EQ(rawRecord(entryBytes(), 1).extra[0], 10);
    EXPECT_EQ(lines(form().List1).at(0), QStringLiteral("02 03 04 05 06 07 45 BB 10"));
}
