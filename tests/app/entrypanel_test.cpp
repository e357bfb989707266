#include "appfolder.h"
#include "platform/sound.h"

#include <QDir>
#include <QFile>

using namespace vx;
using namespace vx::test;
using platform::MessageScript::answer;
using platform::MessageScript::last;
using platform::MessageScript::shown;

namespace {
const QDate EntryDate(2025, 11, 5);
const QString DatedFile = QStringLiteral("Lotto05NOV2025.lot");

std::vector<NumbersRecord> entries()
{
    return {entryRecord({1, 2, 3, 4, 5, 6}, 7), entryRecord({7, 8, 9, 10, 11, 12}, 1),
        entryRecord({13, 14, 15, 16, 17, 18}, 2), entryRecord({19, 20, 21, 22, 23, 24}, 3),
        entryRecord({25, 26, 27, 28, 29, 30}, 4)};
}

class EntryPanelTest : public MainWindowTest
{
protected:
    // A 6/49 game with one extra from its own pool of 10, and five entries for 5 November 2025.
    Form1 &startOnEntryDate(const QString &game = "Lotto", const QString &file = DatedFile)
    {
        writeGame(folder, 1, makeGame(game, 6, 1, 49, 0, 10, 1, "PB"));
        writeNumbersFile(folder.file(file), entries());
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

    // The dated file by raw bytes: never shortened, record 1's Count, and the numbers of every
    // record, past the count included, as the entries of the given places.
    void expectDatedFile(int count, std::initializer_list<int> places)
    {
        const QByteArray bytes = folder.bytes(DatedFile);
        ASSERT_EQ(bytes.size(), 5 * 30);
        EXPECT_EQ(rawInt32(bytes, 0), count);
        int n = 1;
        for (int place : places) {
            EXPECT_EQ(rawRecord(bytes, n).numbers(), entries()[static_cast<size_t>(place)].numbers()) << "record " << n;
            ++n;
        }
    }
};
} // namespace

TEST_F(EntryPanelTest, DeletingEntriesMovesLaterRecordsDownAndLeavesTheirCopiesPastTheCount)
{
    Form1 &f = startOnEntryDate();
    ASSERT_EQ(f.List1->count(), 5);
    select({1, 3});
    answer(true);
    platform::MessageScript::clear();
    f.Command5->click();
    EXPECT_EQ(shown(), QStringList {"Are you sure you want to delete the 2 selected entries?"});
    expectDatedFile(3, {0, 2, 4, 4, 4});
    EXPECT_EQ(lines(f.List1),
        (QStringList {"01 02 03 04 05 06 PB 07 ", "13 14 15 16 17 18 PB 02 ", "25 26 27 28 29 30 PB 04 "}));
    EXPECT_EQ(f.Text2->text(), "3");

    // The first entry: the new first record carries the lowered count.
    select({0});
    answer(true);
    f.Command5->click();
    EXPECT_EQ(last(), "Are you sure you want to delete the selected entry?");
    expectDatedFile(2, {2, 4, 4, 4, 4});

    // All of them: the file says so, and goes when the panel moves on.
    select({0, 1});
    answer(true);
    f.Command5->click();
    EXPECT_EQ(last(), "Done");
    expectDatedFile(0, {});
    EXPECT_EQ(f.List1->count(), 0);
    EXPECT_EQ(f.Text2->text(), "0");
    f.DTPicker2->setValue(EntryDate.addDays(1));
    EXPECT_FALSE(folder.exists(DatedFile));
}

TEST_F(EntryPanelTest, RefusedDeletionsChangeNothing)
{
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

TEST_F(EntryPanelTest, DeletingFromAFileThatClaimsMoreThanItHoldsLosesNothing)
{
    Form1 &f = startOnEntryDate();
    QByteArray bytes = folder.bytes(DatedFile);
    bytes[0] = char(9); // says nine, holds five
    folder.writeBytes(DatedFile, bytes);
    f.DTPicker2->setValue(EntryDate.addDays(1));
    f.DTPicker2->setValue(EntryDate);
    ASSERT_EQ(f.List1->count(), 5);
    select({0});
    answer(true);
    f.Command5->click();
    expectDatedFile(4, {1, 2, 3, 4, 4});
    EXPECT_EQ(f.Text2->text(), "4");
    EXPECT_EQ(f.List1->count(), 4);
}

TEST_F(EntryPanelTest, StandingEntryIsSavedOpenedAndNotOverwrittenWithoutYes)
{
    Form1 &f = startOnEntryDate();
    f.DTPicker2->setValue(EntryDate.addDays(1));
    f.mnuStandOpen->trigger();
    EXPECT_EQ(last(), "You do not have a standing entry for this game!");
    f.mnustandcreate->trigger();
    EXPECT_EQ(last(), "You do not have any entries displayed to save as a standing entry");

    f.DTPicker2->setValue(EntryDate);
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
    EXPECT_EQ(last(),
        "You already have a standing for this game. Only one standing entry is allowed per game. Do "
        "you want to continue and overwrite your existing file?");
    EXPECT_EQ(folder.bytes("StandLotto.lot"), standing);

    f.mnuStandOpen->trigger();
    EXPECT_EQ(form().files().EntryFile, folder.file("StandLotto.lot"));
    EXPECT_EQ(f.Text2->text(), "5");
    EXPECT_TRUE(f.Command3->isVisible());
    EXPECT_TRUE(f.DTPicker2->isVisible());
    f.mnustandcreate->trigger();
    EXPECT_EQ(last(), "Done.");

    f.Command3->click();
    EXPECT_FALSE(f.Command3->isVisible());
    EXPECT_EQ(form().files().EntryFile, folder.file(DatedFile));
    EXPECT_EQ(lines(f.List1), QStringList {"40 41 42 43 44 45 PB 09 "});

    // The standing entry's name is taken by a folder: the copy cannot be made, and says so.
    ASSERT_TRUE(QFile::remove(folder.file("StandLotto.lot")));
    ASSERT_TRUE(QDir(folder.path()).mkdir("StandLotto.lot"));
    const QByteArray before = folder.bytes(DatedFile);
    answer(true);
    f.mnustandcreate->trigger();
    EXPECT_TRUE(last().startsWith("The standing entry was not saved."));
    EXPECT_EQ(folder.bytes(DatedFile), before);
    EXPECT_TRUE(QFileInfo(folder.file("StandLotto.lot")).isDir());
}

TEST_F(EntryPanelTest, OnlyStandWithACapitalSMarksTheStandingEntry)
{
    startOnEntryDate("standby", "standby05NOV2025.lot");
    form().mnustandcreate->trigger();
    EXPECT_EQ(last(), "Done!");
    EXPECT_EQ(folder.bytes("Standstandby.lot"), folder.bytes("standby05NOV2025.lot"));
    EXPECT_EQ(form().files().EntryFile, folder.file("standby05NOV2025.lot"));
}

TEST_F(EntryPanelTest, EveryWheelItemOpensItsOwnFileWithItsWheelType)
{
    const struct {
        const char *item;
        const char *suffix;
        int type;
    } rows[] = {
        {"mnu777", "-7-7-7.lot", 1},
        {"mnu776", "-7-7-6.lot", 2},
        {"mnu775", "-7-7-5.lot", 3},
        {"mnu774", "-7-7-4.lot", 4},
        {"mnu773", "-7-7-3.lot", 5},
        {"mnu666", "-6-6-6.lot", 1},
        {"mnu665", "-6-6-5.lot", 2},
        {"mnu664", "-6-6-4.lot", 3},
        {"mnu663", "-6-6-3.lot", 4},
        {"mnu655", "-6-5-5.lot", 5},
        {"mnu654", "-6-5-4.lot", 6},
        {"mnu653", "-6-5-3.lot", 7},
        {"mnu644", "-6-4-4.lot", 8},
        {"mnu643", "-6-4-3.lot", 9},
        {"mnu633", "-6-3-3.lot", 10},
        {"mnu555", "-5-5-5.lot", 1},
        {"mnu554", "-5-5-4.lot", 2},
        {"mnu553", "-5-5-3.lot", 3},
        {"mnu544", "-5-4-4.lot", 4},
        {"mnu543", "-5-4-3.lot", 5},
        {"mnu533", "-5-3-3.lot", 6},
        {"mnu444", "-4-4-4.lot", 1},
        {"mnu443", "-4-4-3.lot", 2},
        {"mnu442", "-4-4-2.lot", 3},
    };
    Form1 &f = startOnEntryDate();
    // From a date without entries: its empty file goes.
    f.DTPicker2->setValue(EntryDate.addDays(1));
    ASSERT_TRUE(folder.exists("Lotto06NOV2025.lot"));
    for (const auto &row : rows) {
        const QString name = QStringLiteral("Lotto") + QLatin1String(row.suffix);
        writeNumbersFile(folder.file(name), {entryRecord({1, 2, 3, 4, 5, 6}), entryRecord({7, 8, 9, 10, 11, 12})});
        auto *item = find<QAction>(row.item);
        ASSERT_NE(item, nullptr) << row.item;
        item->trigger();
        EXPECT_EQ(form().files().OpenWheelType, row.type) << row.item;
        EXPECT_EQ(form().files().EntryFile, folder.file(name)) << row.item;
        EXPECT_EQ(lines(f.List1), (QStringList {"01 02 03 04 05 06 ", "07 08 09 10 11 12 "})) << row.item;
        // The next item must find its own file, not this one.
        ASSERT_TRUE(QFile::remove(folder.file(name)));
    }
    EXPECT_FALSE(folder.exists("Lotto06NOV2025.lot"));
}

TEST_F(EntryPanelTest, AShownWheelWarnsBeforeDeletionAndAMissingOneIsReported)
{
    writeNumbersFile(folder.file("Lotto-6-5-3.lot"),
        {entryRecord({1, 2, 3, 4, 5, 6}), entryRecord({1, 2, 3, 7, 8, 9}), entryRecord({4, 5, 6, 7, 8, 9})});
    Form1 &f = startOnEntryDate();
    find<QAction>("mnu653")->trigger();
    EXPECT_EQ(f.Text2->text(), "3");
    EXPECT_TRUE(f.Command3->isVisible());
    EXPECT_FALSE(f.DTPicker2->isVisible());

    find<QAction>("mnu666")->trigger();
    EXPECT_EQ(last(), "You have not yet created this wheel");
    EXPECT_EQ(form().files().OpenWheelType, 0);
    EXPECT_EQ(f.List1->count(), 3); // the shown wheel stays listed

    select({0});
    answer(false);
    f.Command5->click();
    EXPECT_EQ(last(),
        "Modifying a wheel entry can change the guarantee of the wheel. Are you sure you want to "
        "continue?");
    EXPECT_EQ(rawInt32(folder.bytes("Lotto-6-5-3.lot"), 0), 3);

    f.Command3->click();
    EXPECT_TRUE(f.DTPicker2->isVisible());
    EXPECT_EQ(f.List1->count(), 5);
}

TEST_F(EntryPanelTest, CreatingAWheelHandsTheGameToTheWheelWindow)
{
    writeGame(folder, 1, makeGame("Lotto", 6, 1, 49, 0, 10, 1, "PB"));
    writeGame(folder, 2, makeGame("Daily", 5, 0, 39, 2, 0, 0));
    writeGame(folder, 3, makeGame("Seven", 7, 1, 47, 0, 12, 1));
    Form1 &f = start();
    QAction *create = find<QAction>("mnuWheelCreate");
    create->trigger();
    EXPECT_EQ(form().handed().WheelGameName, "Lotto");
    EXPECT_EQ(form().handed().WheelHistoryName, "Lotto.rtl");
    EXPECT_EQ(form().handed().WheelMaxBall, 49);
    EXPECT_EQ(form().handed().WheelListName, "Lotto");
    EXPECT_EQ(form().handed().WheelBonusMode, 1);

    f.Option[2]->click(); // no extras
    create->trigger();
    EXPECT_EQ(form().handed().WheelBonusMode, 4);
    EXPECT_EQ(form().handed().WheelMaxBall, 39);

    f.Option[3]->click();
    create->trigger();
    EXPECT_EQ(form().handed().WheelGameName, "Seven");
    EXPECT_EQ(form().handed().WheelHistoryName, "Seven.rtl");
    EXPECT_EQ(form().handed().WheelMaxBall, 47);
    EXPECT_EQ(form().handed().WheelBonusMode, 4); // a pick of seven leaves the mode as it was
}

TEST_F(EntryPanelTest, CheckListsWinnersWithTheirCategoryOrSaysThereAreNone)
{
    Form1 &f = startOnEntryDate();
    f.Command14->click();
    EXPECT_EQ(last(), "You do not have any draw result listed to check against!");

    // Only entry 1 wins: all six mains and the bonus 7, which plays the sound.
    showDraw(drawRecord(2025, 11, 4, {1, 2, 3, 4, 5, 6}, {7}));
    select({3});
    f.Command14->click();
    EXPECT_EQ(lines(f.List2), QStringList {"01 02 03 04 05 06 PB 07(6+PB)"});
    EXPECT_EQ(f.Text3->text(), " 1");
    EXPECT_EQ(selectedRows(f.List1), QList<int> {0});
    EXPECT_EQ(platform::SoundRecorder::played(), QStringList {folder.file("tada.wav")});

    // A refused check empties the winning lines but keeps the wins and the selection.
    select({2});
    f.Image2[0]->hide();
    f.Command14->click();
    EXPECT_EQ(last(), "You do not have any draw result listed to check against!");
    EXPECT_EQ(f.List2->count(), 0);
    EXPECT_EQ(f.Text3->text(), " 1");
    EXPECT_EQ(selectedRows(f.List1), (QList<int> {0, 2}));

    // Another draw without wins.
    showDraw(drawRecord(2025, 11, 3, {31, 32, 33, 34, 35, 36}, {8}));
    f.Command14->click();
    EXPECT_EQ(last(), "No wins this time!");
    EXPECT_EQ(f.Text3->text(), " 0");
    EXPECT_TRUE(selectedRows(f.List1).isEmpty());
    EXPECT_EQ(platform::SoundRecorder::played().size(), 1);

    // A game without winning lines refuses the check that its selection runs.
    GameDefinition noLines = makeGame("Lotto", 6, 1, 49, 0, 10, 1, "PB");
    noLines.winLines = {};
    writeGame(folder, 1, noLines);
    f.Option[1]->click();
    EXPECT_EQ(last(), "You cannot do a check you have no winning entries defined for Lotto");
    EXPECT_EQ(f.List2->count(), 0);

    f.DTPicker2->setValue(EntryDate.addDays(3));
    f.Command14->click();
    EXPECT_EQ(last(), "You do not have any entries listed to check!");
}

TEST_F(EntryPanelTest, DeleteAfterACheckRemovesExactlyTheWinners)
{
    Form1 &f = startOnEntryDate();
    select({1, 4}); // chosen before the check, which replaces the selection
    // Entries 1 and 3 hold three of the drawn numbers each; the others fewer.
    showDraw(drawRecord(2025, 11, 4, {1, 2, 3, 13, 14, 15}, {9}));
    f.Command14->click();
    ASSERT_EQ(lines(f.List2), (QStringList {"01 02 03 04 05 06 PB 07(3)", "13 14 15 16 17 18 PB 02(3)"}));
    ASSERT_EQ(selectedRows(f.List1), (QList<int> {0, 2}));

    answer(true);
    platform::MessageScript::clear();
    f.Command5->click();
    EXPECT_EQ(shown(), QStringList {"Are you sure you want to delete the 2 selected entries?"});
    expectDatedFile(3, {1, 3, 4});
    EXPECT_EQ(f.List2->count(), 0);
    EXPECT_EQ(f.Text3->text(), "0");
    EXPECT_EQ(f.Text2->text(), "3");
}
