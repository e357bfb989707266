#include "appfolder.h"

using namespace vx;
using namespace vx::test;

using PanelTest = MainWindowTest;

TEST_F(PanelTest, TheDatesShowTheirDrawAndEntriesAndDamagedCountsAreReportedWithoutRewriting)
{
    writeThreeGames(folder);
    writeNumbersFile(folder.file("Lotto.rtl"),
        {drawRecord(2006, 3, 10, {10, 11, 12, 13, 14, 15}, {8}), drawRecord(2006, 3, 10, {20, 21, 22, 23, 24, 25}, {9}),
            drawRecord(2006, 3, 12, {75, 2, 3, 4, 5, 6}, {99})},
        true);
    const QByteArray history = folder.bytes("Lotto.rtl").replace(0, 4, QByteArray::fromHex("64000000"));
    folder.writeBytes("Lotto.rtl", history); // says 100 records, holds 3
    NumbersRecord odd = entryRecord({7, 0, 9, 0, 0, 0, 0});
    odd.extra[1] = 4;
    writeNumbersFile(folder.file("Lotto10MAR2006.lot"), {entryRecord({1, 2, 3, 4, 5, 6}, 7), odd});
    const QByteArray entries = folder.bytes("Lotto10MAR2006.lot").replace(0, 1, "\x09"); // says 9, holds 2
    folder.writeBytes("Lotto10MAR2006.lot", entries);
    Form1 &f = start();
    platform::MessageScript::clear();
    f.List2->addItem("old");
    f.DTPicker1->setValue(QDate(2006, 3, 10)); // the first draw of the date counts
    EXPECT_EQ(f.List2->count(), 0);
    EXPECT_EQ(f.files().DrawnBalls, (std::array<int16_t, 10> {0, 10, 11, 12, 13, 14, 15, 0, 8, 0}));
    EXPECT_EQ(f.Image2[5]->pixmap().toImage(), f.ImageList1.picture(15).toImage()); // red mains
    EXPECT_EQ(f.Image2[6]->pixmap().toImage(), f.ImageList2.picture(8).toImage()); // a white extra
    f.DTPicker1->setValue(QDate(2006, 3, 11));
    EXPECT_EQ(visibleBalls(f), 0);
    // Numbers outside 1 to 60 show a grey ball, the same in either colour.
    f.DTPicker1->setValue(QDate(2006, 3, 12));
    EXPECT_EQ(visibleBalls(f), 7);
    EXPECT_EQ(f.Image2[0]->pixmap().toImage(), f.ImageList2.picture(75).toImage());
    EXPECT_EQ(f.Image2[6]->pixmap().toImage(), f.ImageList1.picture(99).toImage());

    f.DTPicker2->setValue(QDate(2006, 3, 10));
    EXPECT_EQ(lines(f.List1), (QStringList {"01 02 03 04 05 06 PB 07 ", "07 09 PB 04"}));
    EXPECT_EQ(f.Text2->text(), "2");
    const QString damaged = "The file Lotto.rtl is damaged: it says it holds 100 records, but 3 can be read. Only "
                            "those 3 records are used.";
    EXPECT_EQ(programMessages(),
        (QStringList {damaged, damaged, damaged,
            "The file Lotto10MAR2006.lot is damaged: it says it holds 9 records, but 2 can be read. Only those 2 "
            "records are used."}));
    // A date without entries gets an empty file, which goes with the next date.
    f.DTPicker2->setValue(QDate(2006, 3, 5));
    EXPECT_TRUE(folder.exists("Lotto05MAR2006.lot"));
    EXPECT_EQ(f.Text2->text(), "0");
    f.DTPicker2->setValue(QDate(2006, 3, 10));
    EXPECT_FALSE(folder.exists("Lotto05MAR2006.lot"));
    EXPECT_EQ(folder.bytes("Lotto.rtl") + folder.bytes("Lotto10MAR2006.lot"), history + entries);
}
