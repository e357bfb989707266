#include "gamedata/sharedstate.h"
#include "platform/datepicker.h"
#include "platform/messages.h"
#include "platform/sound.h"
#include "support/mainwindowfixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace vx;
using namespace vx::test;
using platform::MessageScript::answer;
using platform::MessageScript::last;
using platform::MessageScript::shown;

namespace {
const QDate EntryDate(2025, 11, 5);
const QString DatedFile = QStringLiteral("Lotto05NOV2025.lot");

class EntryPanelTest : public MainWindowTest
{
protected:
    // A 6/49 game with one extra from its own pool of 10, and five entries for 5 November 2025.
    void prepare()
    {
        writeGame(folder, 1, makeGame("Lotto", 6, 1, 49, 0, 10, 1, "PB"));
        writeNumbersFile(folder.file(DatedFile), entries());
    }

    static std::vector<NumbersRecord> entries()
    {
        return {entryRecord({1, 2, 3, 4, 5, 6}, 7), entryRecord({7, 8, 9, 10, 11, 12}, 1),
                entryRecord({13, 14, 15, 16, 17, 18}, 2), entryRecord({19, 20, 21, 22, 23, 24}, 3),
                entryRecord({25, 26, 27, 28, 29, 30}, 4)};
    }

    Form1 &startOnEntryDate()
    {
        Form1 &f = start();
        f.DTPicker2->setValue(EntryDate);
        return f;
    }

    void select(std::initializer_list<int> rows)
    {
        for (int row : rows)
            form().List1->item(row)->setSelected(true);
    }

    void showDraw(const NumbersRecord &draw)
    {
        writeNumbersFile(folder.file("Lotto.rtl"), {draw}, true);
        form().DTPicker1->setValue(QDate(draw.year, draw.month, draw.day));
    }
};

std::array<int16_t, 7> mainsOf(const NumbersRecord &r)
{
    return r.main;
}
} // namespace

TEST_F(EntryPanelTest, DeletingTwoOfFiveEntriesMovesLaterRecordsDownAndEndsQuietly)
{
    prepare();
    Form1 &f = startOnEntryDate();
    ASSERT_EQ(f.List1->count(), 5);
    select({1, 3});
    answer(true);
    platform::MessageScript::clear();
    f.Command5->click();

    EXPECT_EQ(shown(), QStringList{"Are you sure you want to delete the 2 selected entries?"});
    const QByteArray bytes = folder.bytes(DatedFile);
    ASSERT_EQ(bytes.size(), 5 * 30); // never shortened
    const auto all = entries();
    EXPECT_EQ(rawRecord(bytes, 1).count, 3);
    EXPECT_EQ(mainsOf(rawRecord(bytes, 1)), all[0].main);
    EXPECT_EQ(mainsOf(rawRecord(bytes, 2)), all[2].main);
    EXPECT_EQ(mainsOf(rawRecord(bytes, 3)), all[4].main);
    // What the moves leave behind past the count: copies of the last entry.
    EXPECT_EQ(mainsOf(rawRecord(bytes, 4)), all[4].main);
    EXPECT_EQ(mainsOf(rawRecord(bytes, 5)), all[4].main);
    EXPECT_EQ(lines(f.List1), (QStringList{"01 02 03 04 05 06 PB 07 ", "13 14 15 16 17 18 PB 02 ",
                                           "25 26 27 28 29 30 PB 04 "}));
    EXPECT_EQ(f.Text2->text(), "3");
}

TEST_F(EntryPanelTest, DeletingTheFirstEntryGivesTheNewFirstRecordTheLoweredCount)
{
    prepare();
    Form1 &f = startOnEntryDate();
    select({0});
    answer(true);
    f.Command5->click();
    EXPECT_EQ(shown().last(), "Are you sure you want to delete the selected entry?");
    const QByteArray bytes = folder.bytes(DatedFile);
    EXPECT_EQ(rawRecord(bytes, 1).count, 4);
    EXPECT_EQ(mainsOf(rawRecord(bytes, 1)), entries()[1].main);
    EXPECT_EQ(rawRecord(bytes, 1).extra[0], 1);
}

TEST_F(EntryPanelTest, DeletingEveryEntrySaysDoneAndTheEmptyFileGoesWhenThePanelMovesOn)
{
    prepare();
    Form1 &f = startOnEntryDate();
    select({0, 1, 2, 3, 4});
    answer(true);
    f.Command5->click();
    EXPECT_EQ(last(), "Done");
    EXPECT_EQ(rawRecord(folder.bytes(DatedFile), 1).count, 0);
    EXPECT_EQ(f.List1->count(), 0);
    EXPECT_EQ(f.Text2->text(), "0");

    f.DTPicker2->setValue(EntryDate.addDays(1));
    EXPECT_FALSE(folder.exists(DatedFile));
}

TEST_F(EntryPanelTest, RefusedDeletionsChangeNothing)
{
    prepare();
    Form1 &f = startOnEntryDate();
    const QByteArray before = folder.bytes(DatedFile);

    f.Command5->click();
    EXPECT_EQ(last(), "You have not selected any entries for deletion.");

    select({0, 2, 4});
    answer(false);
    f.Command5->click();
    EXPECT_EQ(last(), "Are you sure you want to delete the 3 selected entries?");
    EXPECT_EQ(folder.bytes(DatedFile), before);
    EXPECT_EQ(f.List1->count(), 5);

    f.DTPicker2->setValue(EntryDate.addDays(2));
    f.Command5->click();
    EXPECT_EQ(last(), "There are no entries to delete");
}

TEST_F(EntryPanelTest, StandingEntryIsSavedOpenedAndNotOverwrittenWithoutYes)
{
    prepare();
    Form1 &f = startOnEntryDate();
    f.mnustandcreate->trigger();
    EXPECT_EQ(last(), "Done!");
    EXPECT_EQ(folder.bytes("StandLotto.lot"), folder.bytes(DatedFile));

    // A second save asks before overwriting; No keeps the old standing entry.
    writeNumbersFile(folder.file(DatedFile), {entryRecord({40, 41, 42, 43, 44, 45}, 9)});
    f.DTPicker2->setValue(EntryDate.addDays(1));
    f.DTPicker2->setValue(EntryDate);
    const QByteArray standing = folder.bytes("StandLotto.lot");
    answer(false);
    f.mnustandcreate->trigger();
    EXPECT_EQ(last(), "You already have a standing for this game. Only one standing entry is allowed per game. Do "
                      "you want to continue and overwrite your existing file?");
    EXPECT_EQ(folder.bytes("StandLotto.lot"), standing);

    f.mnuStandOpen->trigger();
    EXPECT_EQ(EntryFile, folder.file("StandLotto.lot"));
    EXPECT_EQ(f.List1->count(), 5);
    EXPECT_EQ(f.Text2->text(), "5");
    EXPECT_TRUE(f.Command3->isVisible());
    EXPECT_TRUE(f.DTPicker2->isVisible());

    f.mnustandcreate->trigger();
    EXPECT_EQ(last(), "Done.");

    f.Command3->click();
    EXPECT_FALSE(f.Command3->isVisible());
    EXPECT_EQ(EntryFile, folder.file(DatedFile));
    EXPECT_EQ(lines(f.List1), QStringList{"40 41 42 43 44 45 PB 09 "});
}

TEST_F(EntryPanelTest, StandingEntryRefusalsAndAFailedCopyLeaveBothFilesAlone)
{
    prepare();
    Form1 &f = start();
    f.mnuStandOpen->trigger();
    EXPECT_EQ(last(), "You do not have a standing entry for this game!");
    f.mnustandcreate->trigger();
    EXPECT_EQ(last(), "You do not have any entries displayed to save as a standing entry");

    // The standing entry's name is taken by a folder: the copy cannot be made.
    f.DTPicker2->setValue(EntryDate);
    ASSERT_TRUE(QDir(folder.path()).mkdir("StandLotto.lot"));
    const QByteArray before = folder.bytes(DatedFile);
    answer(true);
    f.mnustandcreate->trigger();
    EXPECT_TRUE(last().startsWith("The standing entry was not saved."));
    EXPECT_EQ(folder.bytes(DatedFile), before);
    EXPECT_TRUE(QFileInfo(folder.file("StandLotto.lot")).isDir());
}

TEST_F(EntryPanelTest, WheelFilesOpenFromTheirMenuItemAndWarnBeforeDeletion)
{
    prepare();
    writeNumbersFile(folder.file("Lotto-6-5-3.lot"),
                     {entryRecord({1, 2, 3, 4, 5, 6}), entryRecord({1, 2, 3, 7, 8, 9}), entryRecord({4, 5, 6, 7, 8, 9})});
    Form1 &f = startOnEntryDate();
    auto *missing = find<QAction>("mnu666");
    auto *present = find<QAction>("mnu653");
    ASSERT_TRUE(missing && present);
    EXPECT_EQ(present->text(), "Guarantee Match 3 if 5 Picked from Group");

    present->trigger();
    EXPECT_EQ(OpenWheelType, 7);
    EXPECT_EQ(EntryFile, folder.file("Lotto-6-5-3.lot"));
    EXPECT_EQ(f.Text2->text(), "3");
    EXPECT_TRUE(f.Command3->isVisible());
    EXPECT_FALSE(f.DTPicker2->isVisible());

    missing->trigger();
    EXPECT_EQ(last(), "You have not yet created this wheel");
    EXPECT_EQ(OpenWheelType, 0);
    EXPECT_EQ(f.List1->count(), 3); // the shown wheel stays listed

    select({0});
    answer(false);
    f.Command5->click();
    EXPECT_EQ(last(), "Modifying a wheel entry can change the guarantee of the wheel. Are you sure you want to "
                      "continue?");
    EXPECT_EQ(rawRecord(folder.bytes("Lotto-6-5-3.lot"), 1).count, 3);

    f.Command3->click();
    EXPECT_TRUE(f.DTPicker2->isVisible());
    EXPECT_EQ(f.List1->count(), 5);
}

TEST_F(EntryPanelTest, CreatingAWheelHandsTheGameToTheWheelWindow)
{
    prepare();
    start();
    find<QAction>("mnuWheelCreate")->trigger();
    EXPECT_EQ(WheelGameName, "Lotto");
    EXPECT_EQ(WheelHistoryName, "Lotto.rtl");
    EXPECT_EQ(WheelMaxBall, 49);
    EXPECT_EQ(WheelListName, "Lotto");
    EXPECT_EQ(WheelBonusMode, 1);
}

TEST_F(EntryPanelTest, CheckListsWinnersWithTheirCategoryAndSelectsThem)
{
    prepare();
    Form1 &f = startOnEntryDate();
    // Only entry 1 wins: all six mains and the bonus 7.
    showDraw(drawRecord(2025, 11, 4, {1, 2, 3, 4, 5, 6}, {7}));
    ASSERT_TRUE(f.drawShown());
    select({3});
    f.Command14->click();

    EXPECT_EQ(lines(f.List2), QStringList{"01 02 03 04 05 06 PB 07(6+PB)"});
    EXPECT_EQ(f.Text3->text(), " 1");
    EXPECT_EQ(selectedRows(f.List1), QList<int>{0});
    // Six plus the bonus in a game with one extra drawn plays the sound.
    EXPECT_EQ(platform::SoundRecorder::played(), QStringList{folder.file("tada.wav")});
}

TEST_F(EntryPanelTest, CheckWithoutWinsSaysSoAndRefusalsKeepTheCount)
{
    prepare();
    Form1 &f = startOnEntryDate();
    f.Command14->click();
    EXPECT_EQ(last(), "You do not have any draw result listed to check against!");

    showDraw(drawRecord(2025, 11, 4, {31, 32, 33, 34, 35, 36}, {8}));
    f.Command14->click();
    EXPECT_EQ(last(), "No wins this time!");
    EXPECT_EQ(f.Text3->text(), " 0");
    EXPECT_TRUE(selectedRows(f.List1).isEmpty());
    EXPECT_TRUE(platform::SoundRecorder::played().isEmpty());

    f.DTPicker2->setValue(EntryDate.addDays(3));
    f.Command14->click();
    EXPECT_EQ(last(), "You do not have any entries listed to check!");
}

TEST_F(EntryPanelTest, CheckNeedsAWinningLine)
{
    GameDefinition game = makeGame("Lotto", 6, 1, 49, 0, 10, 1, "PB");
    game.winLines = {};
    writeGame(folder, 1, game);
    writeNumbersFile(folder.file(DatedFile), entries());
    Form1 &f = startOnEntryDate();
    showDraw(drawRecord(2025, 11, 4, {1, 2, 3, 4, 5, 6}, {7}));
    f.Command14->click();
    EXPECT_EQ(last(), "You cannot do a check you have no winning entries defined for Lotto");
}

TEST_F(EntryPanelTest, GameSelectionChecksWhenEntriesAndADrawAreShown)
{
    prepare();
    writeNumbersFile(folder.file("Lotto.rtl"), {drawRecord(2025, 11, 5, {1, 2, 3, 10, 20, 30}, {5})}, true);
    Form1 &f = start();
    f.DTPicker1->setValue(EntryDate);
    f.DTPicker2->setValue(EntryDate);
    f.Option[1]->click();
    // Entry 1 has three mains; its bonus 7 is not the drawn 5.
    EXPECT_EQ(lines(f.List2), QStringList{"01 02 03 04 05 06 PB 07(3)"});
    EXPECT_EQ(f.Text3->text(), " 1");
}

TEST_F(EntryPanelTest, ARefusedCheckEmptiesTheWinningLinesButKeepsTheWinsAndTheSelection)
{
    prepare();
    Form1 &f = startOnEntryDate();
    showDraw(drawRecord(2025, 11, 4, {1, 2, 3, 4, 5, 6}, {7}));
    f.Command14->click();
    ASSERT_EQ(f.List2->count(), 1);
    select({2});

    WinLines = {};
    f.Command14->click();
    EXPECT_EQ(last(), "You cannot do a check you have no winning entries defined for Lotto");
    EXPECT_EQ(f.List2->count(), 0);
    EXPECT_EQ(f.Text3->text(), " 1");
    EXPECT_EQ(selectedRows(f.List1), (QList<int>{0, 2}));

    f.Image2[0]->hide();
    f.Command14->click();
    EXPECT_EQ(last(), "You do not have any draw result listed to check against!");
    EXPECT_EQ(f.Text3->text(), " 1");
    EXPECT_EQ(selectedRows(f.List1), (QList<int>{0, 2}));
}

TEST_F(EntryPanelTest, DeleteAfterACheckRemovesExactlyTheWinners)
{
    prepare();
    Form1 &f = startOnEntryDate();
    select({1, 4}); // chosen before the check, which replaces the selection
    // Entries 1 and 3 hold three of the drawn numbers each; the others fewer.
    showDraw(drawRecord(2025, 11, 4, {1, 2, 3, 13, 14, 15}, {9}));
    f.Command14->click();
    ASSERT_EQ(lines(f.List2), (QStringList{"01 02 03 04 05 06 PB 07(3)", "13 14 15 16 17 18 PB 02(3)"}));
    ASSERT_EQ(selectedRows(f.List1), (QList<int>{0, 2}));

    answer(true);
    platform::MessageScript::clear();
    f.Command5->click();
    EXPECT_EQ(shown(), QStringList{"Are you sure you want to delete the 2 selected entries?"});
    const QByteArray bytes = folder.bytes(DatedFile);
    const auto all = entries();
    EXPECT_EQ(rawRecord(bytes, 1).count, 3);
    EXPECT_EQ(mainsOf(rawRecord(bytes, 1)), all[1].main);
    EXPECT_EQ(mainsOf(rawRecord(bytes, 2)), all[3].main);
    EXPECT_EQ(mainsOf(rawRecord(bytes, 3)), all[4].main);
    EXPECT_EQ(f.List2->count(), 0);
    EXPECT_EQ(f.Text3->text(), "0");
    EXPECT_EQ(f.Text2->text(), "3");
}

TEST_F(EntryPanelTest, DeletingFromAFileThatClaimsMoreThanItHoldsLosesNothing)
{
    prepare();
    QByteArray bytes = folder.bytes(DatedFile);
    bytes[0] = char(9); // says nine, holds five
    folder.writeBytes(DatedFile, bytes);
    Form1 &f = startOnEntryDate();
    ASSERT_EQ(f.List1->count(), 5);
    select({0});
    answer(true);
    f.Command5->click();

    const QByteArray after = folder.bytes(DatedFile);
    ASSERT_EQ(after.size(), 5 * 30);
    EXPECT_EQ(rawRecord(after, 1).count, 4);
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(mainsOf(rawRecord(after, i)), entries()[static_cast<size_t>(i)].main) << i;
    EXPECT_EQ(f.Text2->text(), "4");
    EXPECT_EQ(f.List1->count(), 4);
}

TEST_F(EntryPanelTest, OnlyStandWithACapitalSMarksTheStandingEntry)
{
    writeGame(folder, 1, makeGame("standby", 6, 1, 49, 0, 10, 1, "PB"));
    writeNumbersFile(folder.file("standby05NOV2025.lot"), entries());
    Form1 &f = startOnEntryDate();
    f.mnustandcreate->trigger();
    EXPECT_EQ(last(), "Done!");
    EXPECT_EQ(folder.bytes("Standstandby.lot"), folder.bytes("standby05NOV2025.lot"));
    EXPECT_EQ(EntryFile, folder.file("standby05NOV2025.lot"));
}

TEST_F(EntryPanelTest, EveryWheelItemOpensItsOwnFileWithItsWheelType)
{
    struct Row {
        const char *item;
        const char *suffix;
        int type;
    };
    const Row rows[] = {
        {"mnu777", "-7-7-7.lot", 1}, {"mnu776", "-7-7-6.lot", 2},  {"mnu775", "-7-7-5.lot", 3},
        {"mnu774", "-7-7-4.lot", 4}, {"mnu773", "-7-7-3.lot", 5},  {"mnu666", "-6-6-6.lot", 1},
        {"mnu665", "-6-6-5.lot", 2}, {"mnu664", "-6-6-4.lot", 3},  {"mnu663", "-6-6-3.lot", 4},
        {"mnu655", "-6-5-5.lot", 5}, {"mnu654", "-6-5-4.lot", 6},  {"mnu653", "-6-5-3.lot", 7},
        {"mnu644", "-6-4-4.lot", 8}, {"mnu643", "-6-4-3.lot", 9},  {"mnu633", "-6-3-3.lot", 10},
        {"mnu555", "-5-5-5.lot", 1}, {"mnu554", "-5-5-4.lot", 2},  {"mnu553", "-5-5-3.lot", 3},
        {"mnu544", "-5-4-4.lot", 4}, {"mnu543", "-5-4-3.lot", 5},  {"mnu533", "-5-3-3.lot", 6},
        {"mnu444", "-4-4-4.lot", 1}, {"mnu443", "-4-4-3.lot", 2},  {"mnu442", "-4-4-2.lot", 3},
    };
    prepare();
    Form1 &f = startOnEntryDate();
    for (const Row &row : rows) {
        const QString name = QStringLiteral("Lotto") + QLatin1String(row.suffix);
        writeNumbersFile(folder.file(name), {entryRecord({1, 2, 3, 4, 5, 6}), entryRecord({7, 8, 9, 10, 11, 12})});
        auto *item = find<QAction>(row.item);
        ASSERT_NE(item, nullptr) << row.item;
        item->trigger();
        EXPECT_EQ(OpenWheelType, row.type) << row.item;
        EXPECT_EQ(EntryFile, folder.file(name)) << row.item;
        EXPECT_EQ(f.Text2->text(), "2") << row.item;
        // The next item must find its own file, not this one.
        ASSERT_TRUE(QFile::remove(folder.file(name)));
    }
}

TEST_F(EntryPanelTest, OpeningAWheelFromAnEmptyDateDeletesTheEmptyDatedFile)
{
    prepare();
    writeNumbersFile(folder.file("Lotto-6-6-6.lot"), {entryRecord({1, 2, 3, 4, 5, 6})});
    Form1 &f = startOnEntryDate();
    f.DTPicker2->setValue(EntryDate.addDays(1));
    ASSERT_TRUE(folder.exists("Lotto06NOV2025.lot"));
    find<QAction>("mnu666")->trigger();
    EXPECT_FALSE(folder.exists("Lotto06NOV2025.lot"));
    EXPECT_EQ(OpenWheelType, 1);
    EXPECT_EQ(lines(f.List1), QStringList{"01 02 03 04 05 06 "});
}

TEST_F(EntryPanelTest, CreatingAWheelWithoutABonusPoolHandsModeFourAndPickSevenLeavesTheMode)
{
    writeGame(folder, 1, makeGame("Daily", 5, 0, 39, 2, 0, 0));
    writeGame(folder, 2, makeGame("Seven", 7, 1, 47, 0, 12, 1));
    Form1 &f = start();
    find<QAction>("mnuWheelCreate")->trigger();
    EXPECT_EQ(WheelBonusMode, 4);
    EXPECT_EQ(WheelMaxBall, 39);

    WheelBonusMode = 9;
    f.Option[2]->click();
    find<QAction>("mnuWheelCreate")->trigger();
    EXPECT_EQ(WheelGameName, "Seven");
    EXPECT_EQ(WheelHistoryName, "Seven.rtl");
    EXPECT_EQ(WheelMaxBall, 47);
    EXPECT_EQ(WheelBonusMode, 9);
}
