#include "appfolder.h"
#include "platform/sound.h"

using namespace vx;
using namespace vx::test;

namespace {
const QString Dated = "Lotto05NOV2025.lot";

NumbersRecord entry(int k) // entry k: six numbers from 6k + 1 on, extra k + 1
{
    return entryRecord({6 * k + 1, 6 * k + 2, 6 * k + 3, 6 * k + 4, 6 * k + 5, 6 * k + 6}, k + 1);
}

// Lotto with five entries listed for 5 November 2025.
class EntryPanelTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        writeGame(folder, 1, makeGame("Lotto", 6, 1, 49, 0, 10, 1, "PB"));
        writeNumbersFile(folder.file(Dated), {entry(0), entry(1), entry(2), entry(3), entry(4)});
        start().DTPicker2->setValue(QDate(2025, 11, 5));
    }
    // Selects lines of the entry list, then clicks the button or triggers the item; Yes to a question.
    void act(QObject *control, std::initializer_list<int> rows = {}, bool yes = false)
    {
        for (int row : rows)
            form().List1->item(row)->setSelected(true);
        if (yes)
            answer(true);
        if (control)
            QMetaObject::invokeMethod(control, qobject_cast<QAction *>(control) ? "trigger" : "click");
    }
    void checkAgainst(std::initializer_list<int> mains, int extra) // a draw of a new date, then Check
    {
        const QDate date(2025, 10, ++m_draws);
        writeNumbersFile(folder.file("Lotto.rtl"), {drawRecord(date.year(), date.month(), date.day(), mains, {extra})});
        form().DTPicker1->setValue(date);
        act(form().Command14);
    }
    // Raw bytes: never shortened, record 1's Count, then the entries of the given places.
    void expectDatedFile(int count, std::initializer_list<int> places)
    {
        const QByteArray bytes = folder.bytes(Dated);
        ASSERT_EQ(bytes.size(), 5 * 30);
        EXPECT_EQ(rawInt32(bytes, 0), count);
        int n = 0;
        for (int place : places)
            EXPECT_EQ(rawRecord(bytes, ++n).numbers(), entry(place).numbers()) << "record " << n;
    }
    int m_draws = 0;
};
} // namespace

TEST_F(EntryPanelTest, TheCheckSelectsTheWinnersAndDeleteMovesLaterRecordsDown)
{
    Form1 &f = form();
    checkAgainst({1, 2, 3, 4, 5, 6}, 1); // all of entry 0: the sound plays
    EXPECT_EQ(lines(f.List2), QStringList {"01 02 03 04 05 06 PB 01(6+PB)"});
    checkAgainst({31, 32, 33, 34, 35, 36}, 9);
    EXPECT_EQ(last() + f.Text3->text(), "No wins this time! 0");
    act(nullptr, {1, 4}); // the check's selection replaces the user's
    checkAgainst({1, 2, 3, 13, 14, 15}, 9);
    EXPECT_EQ(lines(f.List2), (QStringList {"01 02 03 04 05 06 PB 01(3)", "13 14 15 16 17 18 PB 03(3)"}));
    EXPECT_EQ(f.Text3->text(), " 2");
    EXPECT_EQ(selectedRows(f.List1), (QList<int> {0, 2}));
    EXPECT_EQ(platform::SoundRecorder::played(), QStringList {folder.file("tada.wav")});

    act(f.Command5, {}, true);
    EXPECT_EQ(last(), "Are you sure you want to delete the 2 selected entries?");
    expectDatedFile(3, {1, 3, 4, 4, 4}); // the copies past the count stay
    EXPECT_EQ(lines(f.List1).join('|'), "07 08 09 10 11 12 PB 02 |19 20 21 22 23 24 PB 04 |25 26 27 28 29 30 PB 05 ");
    EXPECT_EQ(f.Text2->text() + f.Text3->text() + QString::number(f.List2->count()), "300");
    act(f.Command5, {1}, true);
    EXPECT_EQ(last(), "Are you sure you want to delete the selected entry?");
    expectDatedFile(2, {1, 4, 4, 4, 4});
    act(f.Command5, {0, 1}, true);
    EXPECT_EQ(last(), "Done");
    expectDatedFile(0, {});
    f.DTPicker2->setValue(QDate(2025, 11, 6));
    EXPECT_FALSE(folder.exists(Dated));
}

// In order: each refusal, or No to each question, leaves the files as they were. Wheels and the
// standing entry are known by their file names.
TEST_F(EntryPanelTest, RefusalsAndQuestionsOfTheEntryPanelAndTheStandingEntry)
{
    Form1 &f = form();
    writeNumbersFile(folder.file("Lotto-6-5-3.lot"), {entry(0), entry(1)});
    const QByteArray dated = folder.bytes(Dated);
    const QString wheel = " a wheel entry can change the guarantee of the wheel. Are you sure you want to continue?";
    QAction *wheelItem = f.wheelItems()[11].action, *save = f.mnustandcreate, *open = f.mnuStandOpen;
    const struct {
        QObject *shown; // what opens the entry file: the entry date (null), a wheel or the standing entry
        std::initializer_list<int> rows;
        QObject *control;
        QString message;
    } cases[] = {{nullptr, {}, f.Command5, "You have not selected any entries for deletion."},
        {nullptr, {0, 2, 4}, f.Command5, "Are you sure you want to delete the 3 selected entries?"},
        {wheelItem, {0}, f.Command5, "Modifying" + wheel}, {wheelItem, {}, f.Command4, "Modifying" + wheel},
        {nullptr, {}, f.Command6, "You have not selected an entry to edit."},
        {nullptr, {1, 2}, f.Command6,
            "You have more than one entry selected. You must only select one entry at a time for editing."},
        {wheelItem, {0}, f.Command6, "Editing" + wheel},
        {nullptr, {}, f.Command14, "You do not have any draw result listed to check against!"},
        {nullptr, {}, open, "You do not have a standing entry for this game!"}, {nullptr, {}, save, "Done!"},
        {nullptr, {}, save,
            "You already have a standing for this game. Only one standing entry is allowed per game. Do you want to "
            "continue and overwrite your existing file?"},
        {open, {}, save, "Done."}, {f.Command3, {}, f.Command5, "There are no entries to delete"},
        {f.Command3, {}, f.Command6, "There are no entries displayed to edit."},
        {f.Command3, {}, f.Command14, "You do not have any entries listed to check!"},
        {f.Command3, {}, save, "You do not have any entries displayed to save as a standing entry"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        f.DTPicker2->setValue(c.shown == f.Command3 ? QDate(2025, 11, 7) : QDate(2025, 11, 5));
        act(c.shown ? c.shown : f.Command3);
        act(c.control, c.rows);
        EXPECT_EQ(last(), c.message);
    }
    EXPECT_EQ(folder.bytes(Dated), dated);
    EXPECT_EQ(folder.bytes("StandLotto.lot"), dated);
    EXPECT_EQ(rawInt32(folder.bytes("Lotto-6-5-3.lot"), 0), 2);
}

// Items are named after their wheel (mnu653: pick 6, match 5, guarantee 3) and numbered from 1
// within their pick size in menu order: that number is the wheel type.
TEST_F(EntryPanelTest, EveryWheelItemOpensItsOwnFileWithItsWheelType)
{
    Form1 &f = form();
    f.DTPicker2->setValue(QDate(2025, 11, 6)); // an empty dated file, which goes
    int types[8] = {};
    for (const Form1::WheelItem &item : f.wheelItems()) {
        const QString n = item.name, file = QString("Lotto-%1-%2-%3.lot").arg(n[3]).arg(n[4]).arg(n[5]);
        act(item.action);
        EXPECT_EQ(last() + QString::number(f.files().OpenWheelType), "You have not yet created this wheel0");
        writeNumbersFile(folder.file(file), {entry(0), entry(1)});
        act(item.action);
        EXPECT_EQ(f.files().EntryFile + f.Text2->text(), folder.file(file) + "2");
        EXPECT_EQ(f.files().OpenWheelType, ++types[n[3].digitValue()]) << item.name;
        QFile::remove(folder.file(file));
    }
    EXPECT_FALSE(folder.exists("Lotto06NOV2025.lot") || f.DTPicker2->isVisible());
    act(f.Command3);
    EXPECT_TRUE(f.DTPicker2->isVisible() && f.files().OpenWheelType == 0);
}
