#include "analysis/form26.h"
#include "analysis/form4.h"
#include "entries/windowfit.h"
#include "platform/barchart.h"
#include "platform/messages.h"
#include "platform/twips.h"
#include "support/mainwindowfixture.h"
#include "support/windowhelpers.h"

#include <QAction>
#include <QLineEdit>
#include <QMouseEvent>

using namespace vx;
using namespace vx::test;

namespace {
class StatsWindowsTest : public MainWindowTest
{
protected:
    // Five from 49 with a bonus ball from the main pool; ball 7 is drawn most, 9 only as the bonus.
    void SetUp() override
    {
        MainWindowTest::SetUp();
        writeGame(folder, 1, makeGame("Weekly", 5, 1, 49, 1, 0, 1));
        writeNumbersFile(folder.file("Weekly.rtl"),
            {drawRecord(2005, 3, 5, {7, 2, 3, 4, 5}, {9}), drawRecord(2005, 3, 7, {7, 8, 3, 10, 11}, {12}),
                drawRecord(2005, 3, 12, {7, 14, 15, 16, 17}, {18})});
    }
    // The Stats picture, clicked as a user does.
    Form4 *openStats()
    {
        QMouseEvent release(
            QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(findIn<QLabel>(form(), "Image3"), &release);
        return openWindow<Form4>();
    }
    static QString figures(const Form26 *w)
    {
        return QStringList {findIn<QLineEdit>(w, "Text5")->text(), findIn<QLineEdit>(w, "Text1")->text(),
            findIn<QLineEdit>(w, "Text2")->text(), findIn<QLineEdit>(w, "Text4")->text(),
            findIn<QLineEdit>(w, "Text3")->text()}
            .join('|');
    }
};
} // namespace

TEST_F(StatsWindowsTest, ChartsSortingAndBallFiguresChainTheirWindows)
{
    start();
    Form4 *stats = openStats();
    ASSERT_NE(stats, nullptr);
    expectFits(stats);
    EXPECT_FALSE(form().isEnabled());
    EXPECT_EQ(stats->windowTitle(), "Draw Statistics for Weekly Main");
    EXPECT_EQ(findIn<QLineEdit>(stats, "Text2")->text(), "3");
    EXPECT_EQ(std::tuple(findIn<platform::BarChart>(stats, "MSChart1")->rowCount(),
                  findIn<platform::BarChart>(stats, "MSChart1")->rowLabel(7),
                  findIn<platform::BarChart>(stats, "MSChart1")->rowValue(7)),
        std::tuple(49, QString(" 7"), 3));
    EXPECT_TRUE(findIn<QAction>(stats, "mnuTSB")->isVisible());
    EXPECT_TRUE(findIn<QAction>(stats, "mnuBoth")->text() == "Main and Bonus Ball");

    findIn<QAction>(stats, "mnusortedyes")->trigger();
    findIn<QAction>(stats, "mnuBoth")->trigger();
    EXPECT_EQ(stats->windowTitle(), "Draw Statistics for Weekly Main and Bonus Ball (Sorted)");
    EXPECT_EQ(std::tuple(findIn<platform::BarChart>(stats, "MSChart1")->rowLabel(1),
                  findIn<platform::BarChart>(stats, "MSChart1")->rowLabel(2)),
        std::tuple(QString(" 7"), QString(" 3")));
    findIn<platform::BarChart>(stats, "MSChart1")->clickRow(2); // the bar of ball 3, not ball 2
    Form26 *ball = openWindow<Form26>();
    ASSERT_NE(ball, nullptr);
    expectFits(ball);
    EXPECT_FALSE(stats->isEnabled() || form().isEnabled());
    EXPECT_EQ(figures(ball),
        "Draw Statistics for Weekly Main and Bonus Ball (Sorted) <Ball  3> All 3 Draws|1|2|7 MAR 2005|1");
    findIn<QPushButton>(ball, "Command1")->click();
    EXPECT_TRUE(stats->isEnabled() && stats->isVisible() && !form().isEnabled());

    // Info over the last draws typed: ball 9 was drawn as a bonus ball only.
    findIn<QAction>(stats, "mnusortedno")->trigger();
    findIn<QAction>(stats, "mnuLM")->trigger();
    findIn<QLineEdit>(stats, "Text1")->setText("50");
    findIn<QPushButton>(stats, "Command4")->click();
    EXPECT_EQ(testMode().messages.last(), "You must enter a number between 1 and 49");
    findIn<QLineEdit>(stats, "Text2")->setText("2");
    findIn<QLineEdit>(stats, "Text1")->setText("9");
    findIn<QPushButton>(stats, "Command4")->click();
    ball = openWindow<Form26>();
    ASSERT_NE(ball, nullptr);
    EXPECT_EQ(figures(ball), "Draw Statistics for Weekly Main <Ball 9> Last 2 Draws|1|0|Never|Not Drawn");
    ball->close(); // the title bar's close is Close
    EXPECT_TRUE(stats->isEnabled());

    // Show the last 2, then All keeps charting every draw for the bonus chart; too many draws are cut.
    findIn<QPushButton>(stats, "Command3")->click();
    EXPECT_EQ(findIn<platform::BarChart>(stats, "MSChart1")->rowValue(7), 2);
    findIn<QPushButton>(stats, "Command5")->click();
    findIn<QAction>(stats, "mnuTSB")->trigger();
    EXPECT_EQ(std::tuple(stats->windowTitle(), findIn<QLineEdit>(stats, "Text2")->text(),
                  findIn<platform::BarChart>(stats, "MSChart1")->rowValue(9)),
        std::tuple(QString("Draw Statistics for Weekly Bonus Ball"), QString("3"), 1));
    findIn<QPushButton>(stats, "Command2")->click();
    findIn<QLineEdit>(stats, "Text2")->setText("4");
    findIn<QPushButton>(stats, "Command3")->click();
    EXPECT_EQ(testMode().messages.last(),
        "Your value for last draws exceed the number of actual draws. Setting to actual draws.");
    EXPECT_EQ(findIn<QLineEdit>(stats, "Text2")->text(), "3");

    const int narrow = stats->width();
    for (int i = 0; i < 3; ++i)
        findIn<QAction>(stats, "mnuWider")->trigger();
    EXPECT_EQ(std::tuple(stats->WidthStep, findIn<platform::BarChart>(stats, "MSChart1")->width()),
        std::tuple(3, platform::twipsToPixels(14895)));
    findIn<QAction>(stats, "mnuNarrower")->trigger();
    findIn<QAction>(stats, "mnuNarrower")->trigger();
    findIn<QAction>(stats, "mnuNarrower")->trigger();
    EXPECT_EQ(std::tuple(stats->WidthStep, stats->width()), std::tuple(1, narrow));
    findIn<QPushButton>(stats, "Command1")->click();
    EXPECT_TRUE(form().isEnabled() && openWindow<Form4>() == nullptr);
}

TEST_F(StatsWindowsTest, ABallOutsideTheGameKeepsTheWindowShutAndAGameWithoutBonusHasOneChart)
{
    writeNumbersFile(folder.file("Weekly.rtl"), {drawRecord(2005, 3, 5, {7, 2, 3, 4, 50}, {9})});
    start();
    EXPECT_EQ(openStats(), nullptr);
    EXPECT_TRUE(testMode().messages.last().startsWith(
        "A ball number in the results file is not in the ball range of the game."));
    EXPECT_TRUE(form().isEnabled());

    writeGame(folder, 1, makeGame("Weekly", 5, 0, 50, 2, 0, 0));
    form().Option1_Click();
    Form4 *stats = openStats();
    ASSERT_NE(stats, nullptr);
    EXPECT_FALSE(findIn<QAction>(stats, "mnuLM")->isVisible() || findIn<QAction>(stats, "mnuTSB")->isVisible()
        || findIn<QAction>(stats, "mnuBoth")->isVisible());
    EXPECT_EQ(findIn<platform::BarChart>(stats, "MSChart1")->rowValue(50), 1);
}

// A history whose count is beyond what a file can hold says so, not that a ball is out of range.
TEST_F(StatsWindowsTest, ACountBeyondTheMostAFileHoldsIsNamedAndKeepsTheWindowShut)
{
    QByteArray bytes = folder.bytes("Weekly.rtl");
    putInt32(bytes.data(), 32768);
    folder.writeBytes("Weekly.rtl", bytes);
    start();
    EXPECT_EQ(openStats(), nullptr);
    EXPECT_EQ(testMode().messages.last(),
        "The results file Weekly.rtl is damaged: it says it holds 32768 results, more than the 32767 a results file "
        "can hold. No statistics can be drawn from it.");
    EXPECT_TRUE(form().isEnabled());
}
