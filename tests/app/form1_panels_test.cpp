#include "appfolder.h"
#include "gamedata/sharedstate.h"
#include "platform/datepicker.h"
#include "platform/messages.h"
#include "support/mainwindowfixture.h"

#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace vx;
using namespace vx::test;
using platform::MessageScript::shown;

namespace {
QStringList programMessages()
{
    QStringList result;
    for (const QString &m : shown())
        if (!m.contains(QStringLiteral("no printer drivers")))
            result << m;
    return result;
}
} // namespace

class PanelTest : public MainWindowTest
{
protected:
    Form1 &startPrepared()
    {
        writeThreeGames(folder);
        writeLottoHistory(folder);
        writeLottoEntries(folder);
        Form1 &f = start();
        platform::MessageScript::clear();
        return f;
    }
    int visibleBalls(Form1 &f) const
    {
        int n = 0;
        for (QLabel *ball : f.Image2)
            n += ball->isVisibleTo(&f) ? 1 : 0;
        return n;
    }
    QLabel *ball(int i) const { return find<QLabel>(QStringLiteral("Image2(%1)").arg(i)); }
};

// ---------------------------------------------------------------------------------------------
// Draw panel

TEST_F(PanelTest, ADateWithADrawShowsItsBallsInPlaceOrder)
{
    Form1 &f = startPrepared();
    f.List2->addItem(QStringLiteral("old"));
    f.Text3->setText(QStringLiteral(" 4"));
    f.DTPicker1->setValue(QDate(2006, 3, 9));
    EXPECT_EQ(HistoryFile, folder.file(QStringLiteral("Lotto.rtl")));
    EXPECT_EQ(visibleBalls(f), 7);
    EXPECT_TRUE(f.drawShown());
    EXPECT_EQ(DrawRecord, 1);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(DrawnBalls[static_cast<size_t>(i + 1)], i + 1);
    EXPECT_EQ(DrawnBalls[8], 7);
    // Lotto has red main balls and a white extra.
    EXPECT_TRUE(showsPicture(ball(0), f.ImageList1.picture(1)));
    EXPECT_TRUE(showsPicture(ball(5), f.ImageList1.picture(6)));
    EXPECT_TRUE(showsPicture(ball(6), f.ImageList2.picture(7)));
    EXPECT_EQ(f.List2->count(), 0);
    EXPECT_EQ(f.Text3->text(), QStringLiteral("0"));
}

TEST_F(PanelTest, ADateWithoutADrawHidesEverythingAndKeepsTheRecordNumber)
{
    Form1 &f = startPrepared();
    f.DTPicker1->setValue(QDate(2006, 3, 10));
    ASSERT_EQ(DrawRecord, 2); // the lower of two records of that date
    EXPECT_EQ(DrawnBalls[1], 10);
    f.List2->addItem(QStringLiteral("old"));
    f.DTPicker1->setValue(QDate(2006, 3, 11));
    EXPECT_EQ(visibleBalls(f), 0);
    EXPECT_FALSE(f.drawShown());
    EXPECT_EQ(DrawRecord, 2);
    EXPECT_EQ(f.List2->count(), 0);
    EXPECT_EQ(f.Text3->text(), QStringLiteral("0"));
    EXPECT_TRUE(programMessages().isEmpty());
}

TEST_F(PanelTest, WhiteMainBallsAndTheExtrasOfAThreeBallGame)
{
    GameDefinition tri = makeGame(QStringLiteral("Tri"), 3, 2, 30, 0, 10, 0);
    tri.ballColour = 0;
    writeGame(folder, 1, tri);
    writeNumbersFile(folder.file(QStringLiteral("Tri.rtl")), { drawRecord(2006, 1, 2, { 4, 5, 6 }, { 1, 9 }) }, true);
    Form1 &f = start();
    f.DTPicker1->setValue(QDate(2006, 1, 2));
    EXPECT_EQ(visibleBalls(f), 5);
    EXPECT_TRUE(showsPicture(ball(0), f.ImageList2.picture(4)));
    EXPECT_TRUE(showsPicture(ball(2), f.ImageList2.picture(6)));
    EXPECT_TRUE(showsPicture(ball(3), f.ImageList1.picture(1)));
    EXPECT_TRUE(showsPicture(ball(4), f.ImageList1.picture(9)));
    EXPECT_EQ(DrawnBalls[8], 1);
    EXPECT_EQ(DrawnBalls[9], 9);
}

TEST_F(PanelTest, AFiveBallDrawAfterASevenBallDrawLeavesTheLaterPositions)
{
    writeThreeGames(folder);
    writeNumbersFile(folder.file(QStringLiteral("Super.rtl")),
        { drawRecord(2006, 1, 2, { 1, 2, 3, 4, 5, 6, 7 }, { 8, 9 }), drawRecord(2006, 1, 3, { 11, 12, 13, 14, 15 }) },
        true);
    Form1 &f = start();
    f.Option3_Click();
    f.DTPicker1->setValue(QDate(2006, 1, 2));
    EXPECT_EQ(visibleBalls(f), 9);
    f.DTPicker1->setValue(QDate(2006, 1, 3));
    EXPECT_EQ(visibleBalls(f), 5);
    EXPECT_EQ(DrawnBalls[5], 15);
    EXPECT_EQ(DrawnBalls[6], 6);
    EXPECT_EQ(DrawnBalls[7], 7);
    EXPECT_EQ(DrawnBalls[8], 8);
}

TEST_F(PanelTest, ShowBallWithZeroChangesNothing)
{
    Form1 &f = startPrepared();
    f.DTPicker1->setValue(QDate(2006, 3, 11));
    DrawnBalls[3] = 33;
    const auto before = DrawnBalls;
    f.ShowBall(2, 0, 0);
    EXPECT_EQ(DrawnBalls, before);
    EXPECT_FALSE(ball(2)->isVisibleTo(&f));
    f.ShowBall(2, 5, 3); // no such kind
    EXPECT_FALSE(ball(2)->isVisibleTo(&f));
    f.ShowBall(9, 5, 0); // no such place
    EXPECT_EQ(DrawnBalls, before);
    EXPECT_EQ(visibleBalls(f), 0);
}

TEST_F(PanelTest, BallNumbersOutsideThePoolStillShowAPicture)
{
    Form1 &f = startPrepared();
    f.DTPicker1->setValue(QDate(2006, 3, 12));
    EXPECT_EQ(visibleBalls(f), 7);
    EXPECT_EQ(DrawnBalls[1], 75);
    EXPECT_EQ(DrawnBalls[8], 99);
    EXPECT_FALSE(ball(0)->pixmap().isNull());
    EXPECT_FALSE(ball(6)->pixmap().isNull());
}

TEST_F(PanelTest, AMissingHistoryIsCreatedEmptyAndShowsNothing)
{
    writeThreeGames(folder);
    Form1 &f = start();
    f.DTPicker1->setValue(QDate(2006, 3, 9));
    EXPECT_TRUE(folder.exists(QStringLiteral("Lotto.rtl")));
    EXPECT_EQ(folder.bytes(QStringLiteral("Lotto.rtl")).size(), 0);
    EXPECT_FALSE(f.drawShown());
    EXPECT_TRUE(programMessages().isEmpty());
}

TEST_F(PanelTest, AHistoryCountPastTheEndIsReportedAndWhatIsThereShows)
{
    writeThreeGames(folder);
    writeLottoHistory(folder);
    QByteArray bytes = folder.bytes(QStringLiteral("Lotto.rtl"));
    bytes[0] = char(100);
    folder.writeBytes(QStringLiteral("Lotto.rtl"), bytes);
    Form1 &f = start();
    platform::MessageScript::clear();
    f.DTPicker1->setValue(QDate(2006, 3, 10));
    EXPECT_TRUE(f.drawShown());
    EXPECT_EQ(DrawRecord, 2);
    const QStringList messages = programMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0],
        QStringLiteral("The file Lotto.rtl is damaged: it says it holds 100 records, but 4 can "
                       "be read. Only those 4 records are used."));
    EXPECT_EQ(folder.bytes(QStringLiteral("Lotto.rtl")), bytes); // nothing written
}

TEST_F(PanelTest, ANegativeHistoryCountIsReportedAndShowsNothing)
{
    writeThreeGames(folder);
    writeLottoHistory(folder);
    QByteArray bytes = folder.bytes(QStringLiteral("Lotto.rtl"));
    bytes.replace(0, 4, QByteArray::fromHex("fbffffff"));
    folder.writeBytes(QStringLiteral("Lotto.rtl"), bytes);
    Form1 &f = start();
    platform::MessageScript::clear();
    f.DTPicker1->setValue(QDate(2006, 3, 9));
    EXPECT_FALSE(f.drawShown());
    const QStringList messages = programMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0],
        QStringLiteral("The file Lotto.rtl is damaged: it gives its number of records as -5. "
                       "None of its records are used."));
    EXPECT_EQ(folder.bytes(QStringLiteral("Lotto.rtl")), bytes);
}

TEST_F(PanelTest, ClearDrawDisplayEmptiesTheEntryDisplayButNotTheWins)
{
    Form1 &f = startPrepared();
    f.DTPicker2->setValue(QDate(2006, 3, 9));
    f.DTPicker1->setValue(QDate(2006, 3, 9));
    OpenWheelType = 3;
    DrawRecord = 1;
    f.List2->addItem(QStringLiteral("line"));
    f.Text3->setText(QStringLiteral(" 1"));
    const auto drawn = DrawnBalls;
    f.ClearDrawDisplay();
    EXPECT_EQ(OpenWheelType, 0);
    EXPECT_EQ(visibleBalls(f), 0);
    EXPECT_EQ(f.List1->count(), 0);
    EXPECT_EQ(f.List2->count(), 0);
    EXPECT_EQ(f.Text2->text(), QStringLiteral("0"));
    EXPECT_EQ(EntryFile, QString());
    EXPECT_EQ(f.Text3->text(), QStringLiteral(" 1"));
    EXPECT_EQ(DrawnBalls, drawn);
    EXPECT_EQ(DrawRecord, 1);
}

// ---------------------------------------------------------------------------------------------
// Entry panel

TEST_F(PanelTest, TheEntryDateListsItsFile)
{
    Form1 &f = startPrepared();
    f.List2->addItem(QStringLiteral("old"));
    f.Text3->setText(QStringLiteral(" 2"));
    f.DTPicker2->setValue(QDate(2006, 3, 9));
    EXPECT_EQ(EntryFile, folder.file(QStringLiteral("Lotto09MAR2006.lot")));
    EXPECT_EQ(lines(f.List1),
        (QStringList { QStringLiteral("01 02 03 04 05 06 PB 07 "), QStringLiteral("03 15 22 31 40 41 "),
            QStringLiteral("05 09 10 23 44 49 PB 02 ") }));
    EXPECT_EQ(f.Text2->text(), QStringLiteral("3"));
    EXPECT_EQ(f.List2->count(), 0);
    EXPECT_EQ(f.Text3->text(), QStringLiteral("0"));
    EXPECT_TRUE(programMessages().isEmpty());
}

TEST_F(PanelTest, ADateWithoutEntriesLeavesAnEmptyFileThatTheNextDateDeletes)
{
    Form1 &f = startPrepared();
    f.DTPicker2->setValue(QDate(2006, 3, 5));
    EXPECT_EQ(EntryFile, folder.file(QStringLiteral("Lotto05MAR2006.lot")));
    EXPECT_TRUE(folder.exists(QStringLiteral("Lotto05MAR2006.lot")));
    EXPECT_EQ(f.List1->count(), 0);
    EXPECT_EQ(f.Text2->text(), QStringLiteral("0"));
    f.DTPicker2->setValue(QDate(2006, 3, 15));
    EXPECT_FALSE(folder.exists(QStringLiteral("Lotto05MAR2006.lot")));
    EXPECT_EQ(EntryFile, folder.file(QStringLiteral("Lotto15MAR2006.lot")));
    // A file with entries stays when the panel moves on.
    f.DTPicker2->setValue(QDate(2006, 3, 9));
    f.DTPicker2->setValue(QDate(2006, 3, 10));
    EXPECT_TRUE(folder.exists(QStringLiteral("Lotto09MAR2006.lot")));
}

TEST_F(PanelTest, AnEmptyEntryFileIsDeletedWhenTheGameChanges)
{
    Form1 &f = startPrepared();
    f.DTPicker2->setValue(QDate(2006, 3, 5));
    ASSERT_TRUE(folder.exists(QStringLiteral("Lotto05MAR2006.lot")));
    find<QRadioButton>(QStringLiteral("Option2"))->click();
    EXPECT_FALSE(folder.exists(QStringLiteral("Lotto05MAR2006.lot")));
    EXPECT_EQ(EntryFile, folder.file(QStringLiteral("Daily05MAR2006.lot")));
}

TEST_F(PanelTest, EntriesWithZerosAndDamagedCountsList)
{
    Form1 &f = startPrepared();
    NumbersRecord odd = entryRecord({ 7, 0, 9, 0, 0, 0, 0 }, 0);
    odd.extra[1] = 4;
    writeNumbersFile(folder.file(QStringLiteral("Lotto01APR2006.lot")), { entryRecord({ 1, 2, 3, 4, 5, 0 }), odd });
    QByteArray bytes = folder.bytes(QStringLiteral("Lotto01APR2006.lot"));
    bytes[0] = char(9); // says nine, holds two
    folder.writeBytes(QStringLiteral("Lotto01APR2006.lot"), bytes);
    f.DTPicker2->setValue(QDate(2006, 4, 1));
    EXPECT_EQ(lines(f.List1), (QStringList { QStringLiteral("01 02 03 04 05 "), QStringLiteral("07 09 PB 04") }));
    EXPECT_EQ(f.Text2->text(), QStringLiteral("2"));
    const QStringList messages = programMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0],
        QStringLiteral("The file Lotto01APR2006.lot is damaged: it says it holds 9 records, but 2 "
                       "can be read. Only those 2 records are used."));
    EXPECT_EQ(folder.bytes(QStringLiteral("Lotto01APR2006.lot")), bytes);
}

TEST_F(PanelTest, ANegativeEntryCountListsNothingAndKeepsTheFile)
{
    Form1 &f = startPrepared();
    QByteArray bytes = entryRecord({ 1, 2, 3, 4, 5, 6 }).toBytes();
    bytes.replace(0, 4, QByteArray::fromHex("ffffffff"));
    folder.writeBytes(QStringLiteral("Lotto02APR2006.lot"), bytes);
    f.DTPicker2->setValue(QDate(2006, 4, 2));
    EXPECT_EQ(f.List1->count(), 0);
    EXPECT_EQ(f.Text2->text(), QStringLiteral("0"));
    EXPECT_EQ(programMessages().size(), 1);
    f.DTPicker2->setValue(QDate(2006, 4, 3));
    EXPECT_EQ(folder.bytes(QStringLiteral("Lotto02APR2006.lot")), bytes);
}

TEST_F(PanelTest, AddEntryLineAppendsOneLine)
{
    Form1 &f = startPrepared();
    f.DTPicker2->setValue(QDate(2006, 3, 9));
    f.AddEntryLine(3, 15, 22, 31, 40, 0, 0, 7, 0);
    ASSERT_EQ(f.List1->count(), 4);
    EXPECT_EQ(f.List1->item(3)->text(), QStringLiteral("03 15 22 31 40 PB 07 "));
}

TEST_F(PanelTest, SwitchingGamesRecaptionsAndReloadsBothPanels)
{
    Form1 &f = startPrepared();
    writeNumbersFile(folder.file(QStringLiteral("Daily09MAR2006.lot")), { entryRecord({ 1, 2, 3, 4, 5 }) });
    writeNumbersFile(folder.file(QStringLiteral("Daily.rtl")), { drawRecord(2006, 3, 8, { 6, 7, 8, 9, 10 }) }, true);
    f.DTPicker2->setValue(QDate(2006, 3, 9));
    f.DTPicker1->setValue(QDate(2006, 3, 8));
    ASSERT_EQ(f.Text2->text(), QStringLiteral("3"));
    EXPECT_FALSE(f.drawShown());

    find<QRadioButton>(QStringLiteral("Option2"))->click();
    EXPECT_EQ(GameName, QStringLiteral("Daily"));
    EXPECT_EQ(f.Frame5->title(), QStringLiteral("My Enties for Daily"));
    EXPECT_EQ(f.Frame3->title(), QStringLiteral("Draw Date for Daily"));
    EXPECT_EQ(f.Frame6->title(), QStringLiteral("Winning Lines for Daily"));
    EXPECT_EQ(lines(f.List1), QStringList { QStringLiteral("01 02 03 04 05 ") });
    EXPECT_EQ(f.Text2->text(), QStringLiteral("1"));
    EXPECT_TRUE(f.drawShown());
    EXPECT_EQ(visibleBalls(f), 5);
    EXPECT_TRUE(showsPicture(ball(0), f.ImageList2.picture(6))); // white main balls
    EXPECT_EQ(HistoryFile, folder.file(QStringLiteral("Daily.rtl")));

    find<QRadioButton>(QStringLiteral("Option1"))->click();
    EXPECT_EQ(GameName, QStringLiteral("Lotto"));
    EXPECT_EQ(f.Text2->text(), QStringLiteral("3"));
    EXPECT_FALSE(f.drawShown());
}

TEST_F(PanelTest, GameSelectionReturnsToDatedEntries)
{
    Form1 &f = startPrepared();
    f.Command3->show();
    f.DTPicker2->hide();
    OpenWheelType = 2;
    find<QRadioButton>(QStringLiteral("Option3"))->click();
    EXPECT_FALSE(f.Command3->isVisibleTo(&f));
    EXPECT_TRUE(f.DTPicker2->isVisibleTo(&f));
    EXPECT_EQ(OpenWheelType, 0);
}
