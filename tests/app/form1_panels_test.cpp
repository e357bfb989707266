#include "appfolder.h"

using namespace vx;
using namespace vx::test;
using platform::MessageScript::shown;

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
    // Something left over from before a date change, which the change must clear.
    void leaveWins(Form1 &f)
    {
        f.List2->addItem("old");
        f.Text3->setText(" 4");
    }
    void expectNoWins(Form1 &f)
    {
        EXPECT_EQ(f.List2->count(), 0);
        EXPECT_EQ(f.Text3->text(), "0");
    }
};

// ---------------------------------------------------------------------------------------------
// Draw panel

TEST_F(PanelTest, TheDrawDateShowsItsDrawOrNothing)
{
    Form1 &f = startPrepared();
    leaveWins(f);
    f.DTPicker1->setValue(QDate(2006, 3, 9));
    EXPECT_EQ(form().files().HistoryFile, folder.file("Lotto.rtl"));
    EXPECT_EQ(visibleBalls(f), 7);
    EXPECT_EQ(form().files().DrawRecord, 1);
    EXPECT_EQ(form().files().DrawnBalls, (decltype(form().files().DrawnBalls) {0, 1, 2, 3, 4, 5, 6, 0, 7, 0}));
    // Lotto has red main balls and a white extra.
    EXPECT_TRUE(showsPicture(ball(0), f.ImageList1.picture(1)));
    EXPECT_TRUE(showsPicture(ball(5), f.ImageList1.picture(6)));
    EXPECT_TRUE(showsPicture(ball(6), f.ImageList2.picture(7)));
    expectNoWins(f);

    // Of two records of a date the lower one counts.
    f.DTPicker1->setValue(QDate(2006, 3, 10));
    EXPECT_EQ(form().files().DrawRecord, 2);
    EXPECT_EQ(form().files().DrawnBalls[1], 10);

    // A date without a draw hides everything and keeps the record number.
    leaveWins(f);
    f.DTPicker1->setValue(QDate(2006, 3, 11));
    EXPECT_EQ(visibleBalls(f), 0);
    EXPECT_FALSE(f.drawShown());
    EXPECT_EQ(form().files().DrawRecord, 2);
    expectNoWins(f);

    // ShowBall with ball 0, an unknown kind or an unknown place changes nothing.
    const auto before = form().files().DrawnBalls;
    f.ShowBall(2, 0, 0);
    f.ShowBall(2, 5, 3);
    f.ShowBall(9, 5, 0);
    EXPECT_EQ(form().files().DrawnBalls, before);
    EXPECT_EQ(visibleBalls(f), 0);

    // Ball numbers of a damaged record outside 1 to 60 still show a picture.
    f.DTPicker1->setValue(QDate(2006, 3, 12));
    EXPECT_EQ(visibleBalls(f), 7);
    EXPECT_EQ(form().files().DrawnBalls[1], 75);
    EXPECT_EQ(form().files().DrawnBalls[8], 99);
    EXPECT_FALSE(ball(0)->pixmap().isNull());
    EXPECT_FALSE(ball(6)->pixmap().isNull());
    EXPECT_TRUE(programMessages().isEmpty());

    // ClearDrawDisplay empties the entry display and the wheel, but keeps the wins and the draw.
    f.DTPicker2->setValue(QDate(2006, 3, 9));
    leaveWins(f);
    const auto drawn = form().files().DrawnBalls;
    f.ClearDrawDisplay();
    EXPECT_EQ(form().files().OpenWheelType, 0);
    EXPECT_EQ(visibleBalls(f), 0);
    EXPECT_EQ(f.List1->count(), 0);
    EXPECT_EQ(f.List2->count(), 0);
    EXPECT_EQ(f.Text2->text(), "0");
    EXPECT_EQ(form().files().EntryFile, QString());
    EXPECT_EQ(f.Text3->text(), " 4");
    EXPECT_EQ(form().files().DrawnBalls, drawn);
    EXPECT_EQ(form().files().DrawRecord, 4);
}

TEST_F(PanelTest, ColoursOfOtherGamesAndAShorterDrawAfterALongerOne)
{
    writeThreeGames(folder);
    GameDefinition tri = makeGame("Tri", 3, 2, 30, 0, 10, 0);
    tri.ballColour = 0;
    writeGame(folder, 4, tri);
    writeNumbersFile(folder.file("Tri.rtl"), {drawRecord(2006, 1, 2, {4, 5, 6}, {1, 9})}, true);
    writeNumbersFile(folder.file("Super.rtl"),
        {drawRecord(2006, 1, 2, {1, 2, 3, 4, 5, 6, 7}, {8, 9}), drawRecord(2006, 1, 3, {11, 12, 13, 14, 15})}, true);
    Form1 &f = start();
    f.DTPicker1->setValue(QDate(2006, 1, 2));
    f.Option4_Click(); // white main balls, red extras of their own pool
    EXPECT_EQ(visibleBalls(f), 5);
    EXPECT_TRUE(showsPicture(ball(0), f.ImageList2.picture(4)));
    EXPECT_TRUE(showsPicture(ball(2), f.ImageList2.picture(6)));
    EXPECT_TRUE(showsPicture(ball(3), f.ImageList1.picture(1)));
    EXPECT_TRUE(showsPicture(ball(4), f.ImageList1.picture(9)));

    // Five balls after nine leave the later places as they were.
    f.Option3_Click();
    EXPECT_EQ(visibleBalls(f), 9);
    f.DTPicker1->setValue(QDate(2006, 1, 3));
    EXPECT_EQ(visibleBalls(f), 5);
    EXPECT_EQ(form().files().DrawnBalls, (decltype(form().files().DrawnBalls) {0, 11, 12, 13, 14, 15, 6, 7, 8, 9}));
}

// A missing history is created empty, without a message. A count past the end uses the records
// there are; a negative one uses none. Neither is rewritten.
TEST_F(PanelTest, DamagedOrMissingHistoriesAreReportedAndTheFileKept)
{
    writeThreeGames(folder);
    Form1 &f = start();
    ASSERT_TRUE(folder.exists("Lotto.rtl"));
    EXPECT_EQ(folder.bytes("Lotto.rtl"), QByteArray());
    EXPECT_FALSE(f.drawShown());
    EXPECT_TRUE(programMessages().isEmpty());

    const struct {
        QByteArray count;
        QDate date;
        bool shown;
        QString message;
    } cases[] = {{QByteArray::fromHex("64000000"), QDate(2006, 3, 10), true,
                     "The file Lotto.rtl is damaged: it says it holds 100 records, but 4 can be read. Only those 4 "
                     "records are used."},
        {QByteArray::fromHex("fbffffff"), QDate(2006, 3, 9), false,
            "The file Lotto.rtl is damaged: it gives its number of records as -5. None of its records are used."}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        writeLottoHistory(folder);
        const QByteArray bytes = folder.bytes("Lotto.rtl").replace(0, 4, c.count);
        folder.writeBytes("Lotto.rtl", bytes);
        platform::MessageScript::clear();
        f.DTPicker1->setValue(c.date);
        EXPECT_EQ(f.drawShown(), c.shown);
        EXPECT_EQ(programMessages(), QStringList {c.message});
        EXPECT_EQ(folder.bytes("Lotto.rtl"), bytes);
    }
    EXPECT_EQ(form().files().DrawRecord, 2);
}

// ---------------------------------------------------------------------------------------------
// Entry panel

TEST_F(PanelTest, TheEntryDateListsItsFileAndAnEmptyFileGoesWhenThePanelMovesOn)
{
    Form1 &f = startPrepared();
    leaveWins(f);
    f.DTPicker2->setValue(QDate(2006, 3, 9));
    EXPECT_EQ(form().files().EntryFile, folder.file("Lotto09MAR2006.lot"));
    EXPECT_EQ(
        lines(f.List1), (QStringList {"01 02 03 04 05 06 PB 07 ", "03 15 22 31 40 41 ", "05 09 10 23 44 49 PB 02 "}));
    EXPECT_EQ(f.Text2->text(), "3");
    expectNoWins(f);
    f.AddEntryLine(3, 15, 22, 31, 40, 0, 0, 7, 0);
    EXPECT_EQ(lines(f.List1).value(3), "03 15 22 31 40 PB 07 ");

    // A date without entries gets an empty file; the next date deletes it and keeps a full one.
    f.DTPicker2->setValue(QDate(2006, 3, 5));
    EXPECT_EQ(form().files().EntryFile, folder.file("Lotto05MAR2006.lot"));
    EXPECT_TRUE(folder.exists("Lotto05MAR2006.lot"));
    EXPECT_TRUE(folder.exists("Lotto09MAR2006.lot"));
    EXPECT_EQ(f.List1->count(), 0);
    EXPECT_EQ(f.Text2->text(), "0");
    f.DTPicker2->setValue(QDate(2006, 3, 15));
    EXPECT_FALSE(folder.exists("Lotto05MAR2006.lot"));

    // So does a change of game.
    find<QRadioButton>("Option2")->click();
    EXPECT_FALSE(folder.exists("Lotto15MAR2006.lot"));
    EXPECT_EQ(form().files().EntryFile, folder.file("Daily15MAR2006.lot"));
    EXPECT_TRUE(programMessages().isEmpty());
}

// A count past the end lists the records there are; a negative one lists none. Neither is rewritten.
TEST_F(PanelTest, DamagedEntryCountsAreReportedAndTheFileKept)
{
    Form1 &f = startPrepared();
    NumbersRecord odd = entryRecord({7, 0, 9, 0, 0, 0, 0}, 0);
    odd.extra[1] = 4;
    writeNumbersFile(folder.file("Lotto01APR2006.lot"), {entryRecord({1, 2, 3, 4, 5, 0}), odd});
    QByteArray pastTheEnd = folder.bytes("Lotto01APR2006.lot");
    pastTheEnd[0] = char(9); // says nine, holds two
    folder.writeBytes("Lotto01APR2006.lot", pastTheEnd);
    QByteArray negative = entryRecord({1, 2, 3, 4, 5, 6}).toBytes();
    negative.replace(0, 4, QByteArray::fromHex("ffffffff"));
    folder.writeBytes("Lotto02APR2006.lot", negative);

    f.DTPicker2->setValue(QDate(2006, 4, 1));
    EXPECT_EQ(lines(f.List1), (QStringList {"01 02 03 04 05 ", "07 09 PB 04"}));
    EXPECT_EQ(f.Text2->text(), "2");
    EXPECT_EQ(programMessages(),
        QStringList {"The file Lotto01APR2006.lot is damaged: it says it holds 9 records, but 2 can be read. Only "
                     "those 2 records are used."});
    f.DTPicker2->setValue(QDate(2006, 4, 2));
    EXPECT_EQ(f.List1->count(), 0);
    EXPECT_EQ(f.Text2->text(), "0");
    EXPECT_EQ(programMessages().size(), 2);
    f.DTPicker2->setValue(QDate(2006, 4, 3));
    EXPECT_EQ(folder.bytes("Lotto01APR2006.lot"), pastTheEnd);
    EXPECT_EQ(folder.bytes("Lotto02APR2006.lot"), negative);
}

TEST_F(PanelTest, SwitchingGamesRecaptionsAndReloadsBothPanelsAndReturnsToDatedEntries)
{
    Form1 &f = startPrepared();
    writeNumbersFile(folder.file("Daily09MAR2006.lot"), {entryRecord({1, 2, 3, 4, 5})});
    writeNumbersFile(folder.file("Daily.rtl"), {drawRecord(2006, 3, 8, {6, 7, 8, 9, 10})}, true);
    f.DTPicker2->setValue(QDate(2006, 3, 9));
    f.DTPicker1->setValue(QDate(2006, 3, 8));
    ASSERT_EQ(f.Text2->text(), "3");
    EXPECT_FALSE(f.drawShown());
    f.Command3->show();
    f.DTPicker2->hide();

    find<QRadioButton>("Option2")->click();
    EXPECT_EQ(form().game().GameName, "Daily");
    EXPECT_EQ(f.Frame5->title(), "My Enties for Daily");
    EXPECT_FALSE(f.Command3->isVisibleTo(&f));
    EXPECT_TRUE(f.DTPicker2->isVisibleTo(&f));
    EXPECT_EQ(form().files().OpenWheelType, 0);
    EXPECT_EQ(lines(f.List1), QStringList {"01 02 03 04 05 "});
    EXPECT_EQ(f.Text2->text(), "1");
    EXPECT_TRUE(f.drawShown());
    EXPECT_EQ(visibleBalls(f), 5);
    EXPECT_TRUE(showsPicture(ball(0), f.ImageList2.picture(6))); // white main balls
    EXPECT_EQ(form().files().HistoryFile, folder.file("Daily.rtl"));

    find<QRadioButton>("Option1")->click();
    EXPECT_EQ(form().game().GameName, "Lotto");
    EXPECT_EQ(f.Text2->text(), "3");
    EXPECT_FALSE(f.drawShown());
}
