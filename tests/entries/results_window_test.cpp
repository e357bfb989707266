#include "entries/form2.h"
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

using namespace vx;
using namespace vx::test;
using platform::twipsToPixels;
using platform::MessageScript::last;

namespace {
class AddResultTest : public MainWindowTest
{
protected:
    void startWith(const GameDefinition &game)
    {
        writeGame(folder, 1, game);
        start();
    }

    // Opens Add Result for a date; null when it did not open.
    Form2 *openFor(const QDate &date)
    {
        form().DTPicker1->setValue(date);
        form().Command1->click();
        return openWindow<Form2>();
    }

    void type(Form2 *window, const QStringList &values)
    {
        for (int k = 1; k <= values.size(); ++k)
            window->Text[static_cast<size_t>(k)]->setText(values[k - 1]);
    }

    void addResult(const QDate &date, const QStringList &values)
    {
        Form2 *window = openFor(date);
        ASSERT_NE(window, nullptr);
        type(window, values);
        window->Command1->click();
        EXPECT_FALSE(window->isVisible()) << last().toStdString();
        flushDeletes();
    }
};

GameDefinition sixAndOwnBonus()
{
    return makeGame(QStringLiteral("Lotto"), 6, 1, 49, 0, 10, 1);
}
} // namespace

TEST_F(AddResultTest, ResultsAddedOutOfOrderStandInDateOrder)
{
    startWith(sixAndOwnBonus());
    addResult(QDate(2006, 3, 10), {"5", "3", "40", "12", "7", "22", "9"});
    EXPECT_TRUE(form().drawShown());
    EXPECT_TRUE(form().isEnabled());
    EXPECT_EQ(form().files().DrawnBalls[1], 3);
    EXPECT_EQ(form().files().DrawnBalls[8], 9);
    addResult(QDate(2006, 3, 9), {"1", "2", "3", "4", "5", "6", "1"});
    addResult(QDate(2005, 12, 1), {"49", "48", "47", "46", "45", "44", "10"});
    EXPECT_TRUE(form().drawShown());
    EXPECT_EQ(form().files().DrawnBalls[1], 44);

    const QByteArray bytes = folder.bytes("Lotto.rtl");
    ASSERT_EQ(bytes.size(), 90);
    EXPECT_EQ(rawInt32(bytes, 0), 3);
    const QDate order[] = {QDate(2005, 12, 1), QDate(2006, 3, 9), QDate(2006, 3, 10)};
    for (int n = 1; n <= 3; ++n) {
        const NumbersRecord r = rawRecord(bytes, n);
        EXPECT_EQ(r.number, n);
        EXPECT_EQ(QDate(r.year, r.month, r.day), order[n - 1]);
        EXPECT_TRUE(std::is_sorted(r.main.begin(), r.main.begin() + 6));
        EXPECT_EQ(r.main[6], 0);
    }
    EXPECT_EQ(rawRecord(bytes, 3).main, (std::array<int16_t, 7> {3, 5, 7, 12, 22, 40, 0}));
    EXPECT_EQ(rawRecord(bytes, 3).extra, (std::array<int16_t, 2> {9, 0}));

    // Deleting the shown draw takes exactly its record out; the last record stays behind as a copy.
    form().DTPicker1->setValue(QDate(2006, 3, 9));
    ASSERT_TRUE(form().drawShown());
    platform::MessageScript::answer(true);
    form().Command2->click();
    EXPECT_EQ(last(), QStringLiteral("Do you really want to delete this draw?"));
    EXPECT_FALSE(form().drawShown());
    EXPECT_EQ(form().Text3->text(), QStringLiteral("0"));
    const QByteArray after = folder.bytes("Lotto.rtl");
    ASSERT_EQ(after.size(), 90);
    EXPECT_EQ(rawInt32(after, 0), 2);
    EXPECT_EQ(rawRecord(after, 1).main, rawRecord(bytes, 1).main);
    EXPECT_EQ(rawRecord(after, 2).main, rawRecord(bytes, 3).main);
    EXPECT_EQ(rawRecord(after, 2).number, 2);
    EXPECT_EQ(after.mid(60), bytes.mid(60));
}

TEST_F(AddResultTest, DeleteAndAddRefuseWhatTheyCannotDo)
{
    startWith(sixAndOwnBonus());
    form().DTPicker1->setValue(QDate(2006, 3, 10));
    form().Command2->click();
    EXPECT_EQ(last(), QStringLiteral("There is no draw displayed to delete"));

    addResult(QDate(2006, 3, 10), {"5", "3", "40", "12", "7", "22", "9"});
    const QByteArray before = folder.bytes("Lotto.rtl");
    EXPECT_EQ(openFor(QDate(2006, 3, 10)), nullptr);
    EXPECT_EQ(last(),
        QStringLiteral("There is already a draw result for this date and game. Delete the draw first "
                       "if you want to change it."));
    platform::MessageScript::answer(false);
    form().Command2->click();
    EXPECT_TRUE(form().drawShown());
    EXPECT_EQ(folder.bytes("Lotto.rtl"), before);
    // Deleting the only result deletes the file.
    platform::MessageScript::answer(true);
    form().Command2->click();
    EXPECT_FALSE(folder.exists("Lotto.rtl"));
    EXPECT_FALSE(form().drawShown());
}

TEST_F(AddResultTest, ADayThatIsNoDrawDayAsksFirst)
{
    GameDefinition game = sixAndOwnBonus();
    game.drawDays = {};
    game.drawDays[7] = 7; // Saturdays only
    startWith(game);
    EXPECT_EQ(openFor(QDate(2006, 3, 8)), nullptr); // a Wednesday, answered No
    EXPECT_EQ(last(),
        QStringLiteral("You are entering a draw that has not been defined as a draw day. Do you want to continue"));
    EXPECT_TRUE(form().isEnabled());
    platform::MessageScript::answer(true);
    Form2 *window = openFor(QDate(2006, 3, 15));
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(form().isEnabled());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Add Result"));
    EXPECT_EQ(window->Label1->text(), QStringLiteral("Lotto 3/15/2006"));
    window->close(); // the title bar's close cancels
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(form().isEnabled());
    EXPECT_EQ(folder.bytes("Lotto.rtl").size(), 0);
}

TEST_F(AddResultTest, FailedChecksKeepTheWindowAndWriteNothing)
{
    startWith(sixAndOwnBonus());
    Form2 *window = openFor(QDate(2006, 3, 10));
    ASSERT_NE(window, nullptr);
    // An extra above its own pool of ten is refused.
    type(window, {"5", "3", "40", "12", "7", "22", "11"});
    window->Command1->click();
    EXPECT_EQ(last(), QStringLiteral("Your extra number is not in the correct range"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->Text[7]->text(), QStringLiteral("11"));
    // Boxes take two characters at most.
    window->Text[1]->clear();
    window->Text[1]->insert(QStringLiteral("123"));
    EXPECT_EQ(window->Text[1]->text(), QStringLiteral("12"));
    type(window, {"7a", "3", "40", "12", "7", "22", "1"});
    window->Command1->click();
    EXPECT_EQ(last(), QStringLiteral("You have duplicate main numbers"));
    EXPECT_EQ(folder.bytes("Lotto.rtl").size(), 0);
    EXPECT_FALSE(form().drawShown());
}

TEST_F(AddResultTest, AFullHistoryFileIsReportedAndLeftAlone)
{
    std::vector<NumbersRecord> draws(MaxNumbersRecords, drawRecord(2000, 1, 1, {1, 2, 3, 4, 5, 6}, {1}));
    writeNumbersFile(folder.file("Lotto.rtl"), draws, true);
    startWith(sixAndOwnBonus());
    const QByteArray before = folder.bytes("Lotto.rtl");
    Form2 *window = openFor(QDate(2006, 3, 10));
    ASSERT_NE(window, nullptr);
    type(window, {"5", "3", "40", "12", "7", "22", "9"});
    window->Command1->click();
    EXPECT_TRUE(last().contains(QStringLiteral("the most it can hold"))) << last().toStdString();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(form().drawShown());
    EXPECT_EQ(folder.bytes("Lotto.rtl"), before);
}

TEST_F(AddResultTest, EveryGameShapeHasItsLayout)
{
    struct Row {
        int m, b, command1, command2, label2, label3;
    };
    const Row rows[] = {{4, 0, 480, 1320, 0, 0}, {3, 1, 480, 1320, 2040, 0}, {5, 0, 840, 1680, 0, 0},
        {4, 1, 840, 1680, 2640, 0}, {6, 0, 1080, 1920, 0, 0}, {5, 1, 1080, 1920, 3240, 0}, {7, 0, 1200, 2400, 0, 0},
        {6, 1, 1200, 2400, 3840, 0}, {7, 1, 1200, 2400, 4440, 0}, {3, 2, 840, 1680, 2040, 2640},
        {4, 2, 840, 1680, 2640, 3240}, {5, 2, 840, 1680, 3240, 3840}, {6, 2, 1400, 2600, 3840, 4440},
        {7, 2, 1800, 2800, 4440, 5040}};
    startWith(sixAndOwnBonus());
    form().DTPicker1->setValue(QDate(2006, 3, 10));
    for (const Row &row : rows) {
        SCOPED_TRACE(std::to_string(row.m) + "+" + std::to_string(row.b));
        CurrentGame game = form().game();
        game.MainDrawn = static_cast<int16_t>(row.m);
        game.BonusDrawn = static_cast<int16_t>(row.b);
        auto *window = new Form2(game, QDate(2006, 3, 10), folder.path(), form());
        window->Form_Load();
        window->layoutForGame();
        window->show();
        for (int k = 1; k <= 9; ++k)
            EXPECT_EQ(window->Text[static_cast<size_t>(k)]->isVisible(), k <= row.m + row.b) << "box " << k;
        EXPECT_EQ(window->Command1->x(), twipsToPixels(row.command1));
        EXPECT_EQ(window->Command2->x(), twipsToPixels(row.command2));
        EXPECT_EQ(window->Label2->isVisible(), row.b > 0);
        EXPECT_EQ(window->Label3->isVisible(), row.b == 2);
        if (row.label2 > 0) {
            EXPECT_EQ(window->Label2->x(), twipsToPixels(row.label2));
        }
        if (row.label3 > 0) {
            EXPECT_EQ(window->Label3->x(), twipsToPixels(row.label3));
        }
        // Everything shown fits in the window.
        EXPECT_LE(window->Text[static_cast<size_t>(row.m + row.b)]->geometry().right(), window->width());
        EXPECT_LE(window->Command2->geometry().right(), window->width());
        window->Command2->click();
        flushDeletes();
    }
}

TEST_F(AddResultTest, ExtrasInTheEighthBoxOrInTwoBoxesAreStoredInOrder)
{
    writeGame(folder, 2, makeGame(QStringLiteral("Twin"), 5, 2, 49, 0, 20, 0));
    startWith(makeGame(QStringLiteral("Seven"), 7, 1, 45, 0, 20, 0));
    addResult(QDate(2006, 3, 10), {"7", "6", "5", "4", "3", "2", "1", "19"});
    const NumbersRecord seven = rawRecord(folder.bytes("Seven.rtl"), 1);
    EXPECT_EQ(seven.main, (std::array<int16_t, 7> {1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(seven.extra, (std::array<int16_t, 2> {19, 0}));

    form().Option[2]->click();
    addResult(QDate(2006, 3, 17), {"10", "20", "30", "40", "45", "9", "4"});
    EXPECT_EQ(rawRecord(folder.bytes("Twin.rtl"), 1).extra, (std::array<int16_t, 2> {4, 9}));
    EXPECT_EQ(form().files().DrawnBalls[8], 4);
    EXPECT_EQ(form().files().DrawnBalls[9], 9);
}

TEST_F(AddResultTest, DeletingADrawRightAfterAddingItRemovesExactlyThatRecord)
{
    startWith(sixAndOwnBonus());
    addResult(QDate(2006, 3, 1), {"1", "2", "3", "4", "5", "6", "1"});
    addResult(QDate(2006, 3, 20), {"11", "12", "13", "14", "15", "16", "2"});
    form().DTPicker1->setValue(QDate(2006, 3, 1)); // the last refresh found record 1
    ASSERT_EQ(form().files().DrawRecord, 1);
    const QByteArray before = folder.bytes("Lotto.rtl");

    // Added between the two, it becomes record 2 and is shown without a refresh.
    addResult(QDate(2006, 3, 10), {"21", "22", "23", "24", "25", "26", "3"});
    EXPECT_EQ(form().files().DrawRecord, 1);
    ASSERT_TRUE(form().drawShown());
    EXPECT_EQ(rawInt32(folder.bytes("Lotto.rtl"), 0), 3);
    EXPECT_EQ(rawRecord(folder.bytes("Lotto.rtl"), 2).main[0], 21);
    platform::MessageScript::answer(true);
    form().Command2->click();
    EXPECT_FALSE(form().drawShown());

    const QByteArray after = folder.bytes("Lotto.rtl");
    EXPECT_EQ(rawInt32(after, 0), 2);
    EXPECT_EQ(rawRecord(after, 1).main, rawRecord(before, 1).main);
    EXPECT_EQ(rawRecord(after, 2).main, rawRecord(before, 2).main);
    EXPECT_EQ(rawRecord(after, 2).number, 2);
}
