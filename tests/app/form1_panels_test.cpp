#include "appfolder.h"

using namespace vx;
using namespace vx::test;

using PanelTest = MainWindowTest;

// Lotto's history: 9 March 2006, two results on 10 March (the first counts), and on 12 March a
// damaged record with balls outside 1 to 60.
TEST_F(PanelTest, TheDrawDateShowsTheFirstDrawOfItsDateOrNothing)
{
    writeThreeGames(folder);
    writeNumbersFile(folder.file("Lotto.rtl"),
        {drawRecord(2006, 3, 9, {1, 2, 3, 4, 5, 6}, {7}), drawRecord(2006, 3, 10, {10, 11, 12, 13, 14, 15}, {8}),
            drawRecord(2006, 3, 10, {20, 21, 22, 23, 24, 25}, {9}), drawRecord(2006, 3, 12, {75, 2, 3, 4, 5, 6}, {99})},
        true);
    Form1 &f = start();
    f.List2->addItem("old");
    f.DTPicker1->setValue(QDate(2006, 3, 9));
    EXPECT_EQ(f.List2->count(), 0);
    EXPECT_EQ(f.files().DrawnBalls, (std::array<int16_t, 10> {0, 1, 2, 3, 4, 5, 6, 0, 7, 0}));
    EXPECT_TRUE(showsPicture(f.Image2[5], f.ImageList1.picture(6))); // red mains, a white extra
    EXPECT_TRUE(showsPicture(f.Image2[6], f.ImageList2.picture(7)));
    f.DTPicker1->setValue(QDate(2006, 3, 10));
    EXPECT_EQ(f.files().DrawRecord, 2);
    EXPECT_EQ(f.files().DrawnBalls[1], 10);
    f.DTPicker1->setValue(QDate(2006, 3, 11));
    EXPECT_EQ(visibleBalls(f), 0);
    f.DTPicker1->setValue(QDate(2006, 3, 12));
    EXPECT_EQ(visibleBalls(f), 7);
    EXPECT_TRUE(showsPicture(f.Image2[0], BallImageList(BallImageList::Colour::White).picture(75))); // grey
    EXPECT_FALSE(showsPicture(f.Image2[0], f.ImageList1.picture(60)));
    EXPECT_TRUE(showsPicture(f.Image2[6], f.ImageList1.picture(99)));

    // Damaged counts: past the end the records there are count, a negative count none. The file stays.
    const struct {
        const char *count;
        int day;
        int balls;
        QString message;
    } cases[] = {{"64000000", 10, 7,
                     "The file Lotto.rtl is damaged: it says it holds 100 records, but 4 can be read. Only those 4 "
                     "records are used."},
        {"fbffffff", 9, 0,
            "The file Lotto.rtl is damaged: it gives its number of records as -5. None of its records are used."}};
    for (const auto &c : cases) {
        const QByteArray bytes = folder.bytes("Lotto.rtl").replace(0, 4, QByteArray::fromHex(c.count));
        folder.writeBytes("Lotto.rtl", bytes);
        platform::MessageScript::clear();
        f.DTPicker1->setValue(QDate(2006, 3, c.day));
        EXPECT_EQ(visibleBalls(f), c.balls);
        EXPECT_EQ(programMessages(), QStringList {c.message});
        EXPECT_EQ(folder.bytes("Lotto.rtl"), bytes);
    }
}

TEST_F(PanelTest, TheEntryDateListsItsFileAndCountAndAnEmptyFileGoesWhenThePanelMovesOn)
{
    writeThreeGames(folder);
    NumbersRecord odd = entryRecord({7, 0, 9, 0, 0, 0, 0}, 0);
    odd.extra[1] = 4;
    writeNumbersFile(folder.file("Lotto09MAR2006.lot"), {entryRecord({1, 2, 3, 4, 5, 6}, 7), odd});
    QByteArray claimsNine = folder.bytes("Lotto09MAR2006.lot");
    claimsNine[0] = char(9);
    folder.writeBytes("Lotto10MAR2006.lot", claimsNine);
    writeNumbersFile(folder.file("Daily09MAR2006.lot"), {entryRecord({1, 2, 3, 4, 5})});
    Form1 &f = start();
    f.DTPicker2->setValue(QDate(2006, 3, 9));
    EXPECT_EQ(lines(f.List1), (QStringList {"01 02 03 04 05 06 PB 07 ", "07 09 PB 04"}));
    EXPECT_EQ(f.Text2->text(), "2");
    f.DTPicker2->setValue(QDate(2006, 3, 10));
    EXPECT_EQ(f.List1->count(), 2);
    EXPECT_EQ(programMessages(),
        QStringList {"The file Lotto10MAR2006.lot is damaged: it says it holds 9 records, but 2 can be read. Only "
                     "those 2 records are used."});
    EXPECT_EQ(folder.bytes("Lotto10MAR2006.lot"), claimsNine);

    // A date without entries gets an empty file, which goes with the next date or game.
    f.DTPicker2->setValue(QDate(2006, 3, 5));
    EXPECT_TRUE(folder.exists("Lotto05MAR2006.lot"));
    EXPECT_EQ(f.Text2->text(), "0");
    f.DTPicker2->setValue(QDate(2006, 3, 9));
    EXPECT_FALSE(folder.exists("Lotto05MAR2006.lot"));
    f.Option[2]->click();
    EXPECT_EQ(lines(f.List1), QStringList {"01 02 03 04 05 "});
    f.DTPicker2->setValue(QDate(2006, 3, 6));
    f.Option[1]->click();
    EXPECT_FALSE(folder.exists("Daily06MAR2006.lot"));
    EXPECT_EQ(f.Frame5->title(), "My Enties for Lotto");
}
