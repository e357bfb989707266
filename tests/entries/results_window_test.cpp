#include "entries/form2.h"
#include "entries/windowfit.h"
#include "platform/datepicker.h"
#include "platform/messages.h"
#include "support/fakemainwindow.h"
#include "support/mainwindowfixture.h"
#include "support/windowhelpers.h"

#include <QLineEdit>
#include <QPushButton>

using namespace vx;
using namespace vx::test;
using platform::MessageScript::last;

namespace {
class AddResultTest : public MainWindowTest
{
protected:
    Form2 *openFor(const QDate &date) // null when it did not open
    {
        form().DTPicker1->setValue(date);
        form().Command1->click();
        return openWindow<Form2>();
    }
    void type(Form2 *window, const QStringList &values, bool add = true)
    {
        for (int k = 1; k <= values.size(); ++k)
            window->Text[size_t(k)]->setText(values[k - 1]);
        if (add)
            window->Command1->click();
    }
    void addResult(const QDate &date, const QStringList &values)
    {
        Form2 *window = openFor(date);
        ASSERT_NE(window, nullptr);
        type(window, values);
        EXPECT_FALSE(window->isVisible()) << last().toStdString();
        flushDeletes();
    }
};
} // namespace

TEST_F(AddResultTest, EveryGameShapeFitsItsWindowWithTagsUnderTheExtras)
{
    const std::pair<int, int> shapes[] = {
        {4, 0}, {3, 1}, {5, 0}, {4, 1}, {6, 0}, {5, 1}, {7, 0}, {6, 1}, {7, 1}, {3, 2}, {4, 2}, {5, 2}, {6, 2}, {7, 2}};
    FakeMainWindow main;
    for (const auto &[m, b] : shapes) {
        SCOPED_TRACE(std::to_string(m) + "+" + std::to_string(b));
        CurrentGame game = CurrentGame::fromDefinition(1, makeGame("Powerball", m, b, 49, 0, 10, 0, "PB"));
        auto *window = new Form2(game, QDate(2006, 12, 30), folder.path(), main);
        window->Form_Load();
        window->layoutForGame();
        window->show();
        expectFits(window);
        for (int k = 1; k <= 9; ++k) {
            EXPECT_EQ(window->Text[size_t(k)]->isVisible(), k <= m + b) << k;
            EXPECT_EQ(window->Text[size_t(k)]->accessibleName(),
                QString(k <= m ? "Main ball %1" : "Bonus ball %1").arg(k <= m ? k : k - m));
        }
        QWidget *const tags[] = {window->Label2, window->Label3};
        for (int x = 0; x < 2; ++x) {
            EXPECT_EQ(tags[x]->isVisible(), x < b);
            if (x < b) {
                const QRect box = window->Text[size_t(m + x + 1)]->geometry();
                EXPECT_TRUE(tags[x]->x() > box.left() && tags[x]->geometry().right() < box.right());
                EXPECT_GT(tags[x]->y(), box.bottom());
            }
        }
        window->close();
        flushDeletes();
    }
}

TEST_F(AddResultTest, ResultsStandInDateOrderAndDeleteTakesOutTheShownOne)
{
    writeGame(folder, 1, makeGame("Seven", 7, 1, 45, 0, 20, 0));
    start();
    addResult(QDate(2006, 3, 10), {"7", "6", "5", "4", "3", "2", "1", "19"});
    addResult(QDate(2006, 3, 20), {"11", "12", "13", "14", "15", "16", "17", "2"});
    addResult(QDate(2005, 12, 1), {"45", "44", "43", "42", "41", "40", "7a", "20"}); // before all the others
    EXPECT_TRUE(form().drawShown() && form().isEnabled());
    EXPECT_EQ(form().files().DrawnBalls[1], 7);
    EXPECT_EQ(form().files().DrawnBalls[8], 20);
    const QByteArray bytes = folder.bytes("Seven.rtl");
    ASSERT_EQ(bytes.size(), 90);
    EXPECT_EQ(rawInt32(bytes, 0), 3);
    NumbersRecord expected[] = {drawRecord(2005, 12, 1, {7, 40, 41, 42, 43, 44, 45}, {20}),
        drawRecord(2006, 3, 10, {1, 2, 3, 4, 5, 6, 7}, {19}),
        drawRecord(2006, 3, 20, {11, 12, 13, 14, 15, 16, 17}, {2})};
    for (int n = 1; n <= 3; ++n) {
        NumbersRecord r = rawRecord(bytes, n);
        EXPECT_EQ(r.number, n);
        r.count = expected[n - 1].count = 0;
        r.number = expected[n - 1].number;
        EXPECT_EQ(r.toBytes(), expected[n - 1].toBytes()) << n;
    }

    // The draw shown is found again before it goes; No keeps it.
    form().DTPicker1->setValue(QDate(2006, 3, 10));
    platform::MessageScript::answer(false);
    form().Command2->click();
    EXPECT_EQ(folder.bytes("Seven.rtl"), bytes);
    platform::MessageScript::answer(true);
    form().Command2->click();
    EXPECT_EQ(last(), "Do you really want to delete this draw?");
    EXPECT_FALSE(form().drawShown());
    EXPECT_EQ(form().Text3->text(), "0");
    const QByteArray after = folder.bytes("Seven.rtl");
    EXPECT_EQ(rawInt32(after, 0), 2);
    EXPECT_EQ(rawRecord(after, 2).main, rawRecord(bytes, 3).main);
    EXPECT_EQ(rawRecord(after, 2).number, 2);
    EXPECT_EQ(after.mid(60), bytes.mid(60)); // the last record stays behind as a copy
}

TEST_F(AddResultTest, RefusalsKeepTheWindowAndTheFile)
{
    GameDefinition game = makeGame("Lotto", 6, 1, 49, 0, 10, 1);
    game.drawDays = {0, 0, 0, 0, 0, 0, 0, 7}; // Saturdays only
    writeGame(folder, 1, game);
    start();
    form().Command2->click();
    EXPECT_EQ(last(), "There is no draw displayed to delete");
    EXPECT_EQ(openFor(QDate(2006, 3, 8)), nullptr); // a Wednesday, answered No
    EXPECT_EQ(last(), "You are entering a draw that has not been defined as a draw day. Do you want to continue");
    platform::MessageScript::answer(true);
    Form2 *window = openFor(QDate(2006, 3, 15));
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(form().isEnabled());
    EXPECT_EQ(window->Label1->text(), "Lotto 3/15/2006");
    type(window, {"5", "3", "40", "12", "7", "22", "11"}); // beyond the bonus pool of ten
    EXPECT_EQ(last(), "Your extra number is not in the correct range");
    type(window, {"7a", "3", "40", "12", "7", "22", "1"});
    EXPECT_EQ(last(), "You have duplicate main numbers");
    window->Text[1]->clear();
    window->Text[1]->insert("123");
    EXPECT_EQ(window->Text[1]->text(), "12");
    window->close(); // the title bar's close cancels
    EXPECT_TRUE(form().isEnabled());
    EXPECT_EQ(folder.bytes("Lotto.rtl").size(), 0);

    platform::MessageScript::answer(true);
    addResult(QDate(2006, 3, 18), {"5", "3", "40", "12", "7", "22", "9"});
    EXPECT_EQ(openFor(QDate(2006, 3, 18)), nullptr);
    EXPECT_EQ(last(),
        "There is already a draw result for this date and game. Delete the draw first if you want to "
        "change it.");
    platform::MessageScript::answer(true);
    form().Command2->click();
    EXPECT_FALSE(folder.exists("Lotto.rtl")); // the only result went with its file
}

TEST_F(AddResultTest, AFullHistoryFileIsReportedAndLeftAlone)
{
    std::vector<NumbersRecord> draws(MaxNumbersRecords, drawRecord(2000, 1, 1, {1, 2, 3, 4, 5, 6}, {1}));
    writeNumbersFile(folder.file("Lotto.rtl"), draws, true);
    writeGame(folder, 1, makeGame("Lotto", 6, 1, 49, 0, 10, 1));
    start();
    const QByteArray before = folder.bytes("Lotto.rtl");
    Form2 *window = openFor(QDate(2006, 3, 10));
    ASSERT_NE(window, nullptr);
    type(window, {"5", "3", "40", "12", "7", "22", "9"});
    EXPECT_TRUE(last().contains("the most it can hold")) << last().toStdString();
    EXPECT_TRUE(window->isVisible() && !form().drawShown());
    EXPECT_EQ(folder.bytes("Lotto.rtl"), before);
}
