#include "appfolder.h"
#include "platform/sound.h"

#include <QDir>
#include <QFile>

using namespace vx;
using namespace vx::test;

namespace {
const QDate EntryDate(2025, 11, 5);
const QString Dated = "Lotto05NOV2025.lot";

NumbersRecord entry(int k) // entry k (0 to 4): six numbers from 6k + 1 on, extra k + 1
{
    return entryRecord({6 * k + 1, 6 * k + 2, 6 * k + 3, 6 * k + 4, 6 * k + 5, 6 * k + 6}, k + 1);
}

class EntryPanelTest : public MainWindowTest
{
protected:
    Form1 &startOnEntryDate()
    {
        writeGame(folder, 1, makeGame("Lotto", 6, 1, 49, 0, 10, 1, "PB"));
        writeNumbersFile(folder.file(Dated), {entry(0), entry(1), entry(2), entry(3), entry(4)});
        Form1 &f = start();
        f.DTPicker2->setValue(EntryDate);
        return f;
    }
    void select(std::initializer_list<int> rows)
    {
        for (int row : rows)
            form().List1->item(row)->setSelected(true);
    }
    // Raw bytes: never shortened, record 1's Count, then the entries in their places; records
    // past the count keep copies of the last ones.
    void expectDatedFile(int count, std::initializer_list<int> places)
    {
        const QByteArray bytes = folder.bytes(Dated);
        ASSERT_EQ(bytes.size(), 5 * 30);
        EXPECT_EQ(rawInt32(bytes, 0), count);
        int n = 0;
        for (int place : places)
            EXPECT_EQ(rawRecord(bytes, ++n).numbers(), entry(place).numbers()) << "record " << n;
    }
};
} // namespace

TEST_F(EntryPanelTest, DeletingEntriesMovesLaterRecordsDownAndEndsWithDoneOnlyForAll)
{
    Form1 &f = startOnEntryDate();
    select({1, 3});
    answer(true);
    f.Command5->click();
    EXPECT_EQ(last(), "Are you sure you want to delete the 2 selected entries?");
    expectDatedFile(3, {0, 2, 4, 4, 4});
    EXPECT_EQ(lines(f.List1).join('|'), "01 02 03 04 05 06 PB 01 |13 14 15 16 17 18 PB 03 |25 26 27 28 29 30 PB 05 ");
    EXPECT_EQ(f.Text2->text(), "3");
    select({0});
    answer(true);
    f.Command5->click();
    EXPECT_EQ(last(), "Are you sure you want to delete the selected entry?");
    expectDatedFile(2, {2, 4, 4, 4, 4});
    select({0, 1});
    answer(true);
    f.Command5->click();
    EXPECT_EQ(last(), "Done");
    expectDatedFile(0, {});
    f.DTPicker2->setValue(EntryDate.addDays(1));
    EXPECT_FALSE(folder.exists(Dated));
}

// Each refusal or No leaves the file as it was; wheels are known by the hyphen in their file name.
TEST_F(EntryPanelTest, RefusalsAndQuestionsOfDeleteEditAndAdd)
{
    Form1 &f = startOnEntryDate();
    writeNumbersFile(folder.file("Lotto-6-5-3.lot"), {entry(0), entry(1)});
    const QByteArray before = folder.bytes(Dated);
    const QString wheelQuestion
        = " a wheel entry can change the guarantee of the wheel. Are you sure you want to continue?";
    const struct {
        std::initializer_list<int> rows;
        bool wheel;
        QPushButton *button;
        QString message;
    } cases[] = {{{}, false, f.Command5, "You have not selected any entries for deletion."},
        {{0, 2, 4}, false, f.Command5, "Are you sure you want to delete the 3 selected entries?"},
        {{0}, true, f.Command5, "Modifying" + wheelQuestion},
        {{}, false, f.Command6, "You have not selected an entry to edit."},
        {{1, 2}, false, f.Command6,
            "You have more than one entry selected. You must only select one entry at a time for editing."},
        {{0}, true, f.Command6, "Editing" + wheelQuestion}, {{}, true, f.Command4, "Modifying" + wheelQuestion}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        c.wheel ? find<QAction>("mnu653")->trigger() : f.Command3->click();
        select(c.rows);
        answer(false);
        c.button->click();
        EXPECT_EQ(last(), c.message);
        EXPECT_TRUE(f.isEnabled());
    }
    EXPECT_EQ(folder.bytes(Dated), before);
    EXPECT_EQ(rawInt32(folder.bytes("Lotto-6-5-3.lot"), 0), 2);
    f.DTPicker2->setValue(EntryDate.addDays(2));
    f.Command5->click();
    EXPECT_EQ(last(), "There are no entries to delete");
    f.Command6->click();
    EXPECT_EQ(last(), "There are no entries displayed to edit.");
}
