#include "analysis/form4.h"

#include "analysis/form26.h"
#include "gamedata/boxvalue.h"
#include "gamedata/entryfiles.h"
#include "platform/barchart.h"
#include "platform/controls.h"
#include "platform/messages.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace vx {

using platform::buildFrame;
using platform::placeButton;
using platform::placeControl;
using platform::setFrameSize;
using platform::TwipsSize;
using platform::twipsToPixels;

namespace {
constexpr int ClientHeight = 6120;
constexpr int ChartHeight = 5175;

struct WidthStepSize {
    int chart, window;
};
constexpr WidthStepSize WidthSteps[] = {{9615, 9735}, {11535, 11625}, {14895, 14985}};

const QString BallRangeMessage = QStringLiteral(
    "A ball number in the results file is not in the ball range of the game. Please check Configure Game "
    "Definition for this game and download the results overwriting the existing results.");
} // namespace

Form4::Form4(const CurrentGame &game, const StartupValues &startup, MainWindowLink &main, QWidget *parent)
    : ToolWindow(parent)
    , m_game(game)
    , m_appFolder(startup.AppFolder)
    , m_monthNames(startup.MonthNames)
    , m_main(main)
{
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("Form4Client"));
    buildFrame(this, QStringLiteral("Form4"), QStringLiteral("Draw Statistics"),
        TwipsSize::outerWidth(WidthSteps[0].window, ClientHeight), m_client);
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("Form4Menu"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(m_client);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    MSChart1 = placeControl(new platform::BarChart(m_client), "MSChart1", 0, 0, WidthSteps[0].chart, ChartHeight);
    const auto button = [this](const QString &caption, const char *name, int left, void (Form4::*handler)()) {
        return placeButton(this, m_client, caption, name, left, 5280, 855, 375, handler);
    };
    Command5 = button(QStringLiteral("All"), "Command5", 120, &Form4::Command5_Click);
    Command3 = button(QStringLiteral("Show"), "Command3", 1080, &Form4::Command3_Click);
    Label2 = placeControl(new QLabel(QStringLiteral("Use Last Draws"), m_client), "Label2", 2040, 5340, 1455, 255);
    Text2 = placeControl(new QLineEdit(m_client), "Text2", 3540, 5280, 735, 375);
    Command2 = button(QStringLiteral("Clear"), "Command2", 4380, &Form4::Command2_Click);
    Command4 = button(QStringLiteral("Info"), "Command4", 5760, &Form4::Command4_Click);
    Text1 = placeControl(new QLineEdit(m_client), "Text1", 6720, 5280, 735, 375);
    Command1 = button(QStringLiteral("Close"), "Command1", 8640, &Form4::Command1_Click);
    Label1 = placeControl(
        new QLabel(QStringLiteral("Click on ball bar for more information or enter ball number and click Info Button"),
            m_client),
        "Label1", 120, 5760, 9375, 255);
    Text2->setAccessibleName(Label2->text());
    Text1->setAccessibleName(Label1->text());
    setWidthStep(1);

    buildMenus();
    connect(MSChart1, &platform::BarChart::pointSelected, this, [this](int row) { MSChart1_PointSelected(row); });
}

void Form4::buildMenus()
{
    const auto item = [this](QWidget *menu, const QString &caption, const char *name, void (Form4::*handler)()) {
        auto *action = new QAction(caption, menu);
        action->setObjectName(QLatin1String(name));
        menu->addAction(action);
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return action;
    };
    mnsorted = menuBar->addMenu(QStringLiteral("Sorted"));
    mnsorted->setObjectName(QStringLiteral("mnsorted"));
    mnusortedyes = item(mnsorted, QStringLiteral("Yes"), "mnusortedyes", &Form4::mnusortedyes_Click);
    mnusortedno = item(mnsorted, QStringLiteral("No"), "mnusortedno", &Form4::mnusortedno_Click);
    for (QAction *order : {mnusortedyes, mnusortedno})
        order->setCheckable(true);
    mnusortedno->setChecked(true);
    mnuLM = item(menuBar, QStringLiteral("Main Balls"), "mnuLM", &Form4::mnuLM_Click);
    mnuTSB = item(menuBar, QStringLiteral("Bonus"), "mnuTSB", &Form4::mnuTSB_Click);
    mnuBoth = item(menuBar, QStringLiteral("Main and Bonus"), "mnuBoth", &Form4::mnuBoth_Click);
    mnuScale = menuBar->addMenu(QStringLiteral("Scale"));
    mnuScale->setObjectName(QStringLiteral("mnuScale"));
    mnuWider = item(mnuScale, QStringLiteral("Wider"), "mnuWider", &Form4::mnuWider_Click);
    mnuNarrower = item(mnuScale, QStringLiteral("Narrower"), "mnuNarrower", &Form4::mnuNarrower_Click);
}

bool Form4::Form_Load()
{
    WidthStep = 1;
    StatsMode = StatsMainBalls;
    setWindowTitle(QStringLiteral("Draw Statistics for ") + m_game.GameName);
    mnuLM->setText(QStringLiteral("Main Balls"));
    if (m_game.BonusPool == 0 && m_game.BonusDrawn == 0) {
        for (QAction *chart : {mnuTSB, mnuBoth, mnuLM})
            chart->setVisible(false);
    } else if (m_game.BonusPool == 0) {
        mnuTSB->setText(m_game.BonusName);
        mnuTSB->setVisible(true);
        mnuBoth->setText(QStringLiteral("Main and ") + m_game.BonusName);
        mnuBoth->setVisible(true);
    } else {
        mnuTSB->setText(m_game.BonusName);
        mnuTSB->setVisible(true);
        mnuBoth->setVisible(false);
    }
    return chooseChart(StatsMainBalls);
}

bool Form4::chooseChart(int16_t mode)
{
    StatsMode = mode;
    int n = 0;
    bool useLast = false;
    if (!AllDraws) {
        const double v = RoundHalfEven(BoxValue(Text2->text()));
        // Any number beyond the largest count a history holds is cut to the draws there are.
        useLast = v >= 1;
        n = useLast ? static_cast<int>(std::min(v, 32768.0)) : 0;
    }
    return chartRun(mode, useLast, n);
}

bool Form4::chartRun(int16_t mode, bool useLast, int &n)
{
    StatsMode = mode;
    QString caption = QStringLiteral("Draw Statistics for ") + m_game.GameName;
    if (mode == StatsMainBalls)
        caption += QStringLiteral(" Main");
    else if (mode == StatsMainAndBonus)
        caption += QStringLiteral(" Main and ") + m_game.BonusName;
    else
        caption += QLatin1Char(' ') + m_game.BonusName;
    const bool sorted = mnusortedyes->isChecked();
    if (sorted)
        caption += QStringLiteral(" (Sorted)");
    setWindowTitle(caption);

    const StatsHistory history = readStatsHistory(dataPath(m_appFolder, historyFileName(m_game.GameName)));
    if (!history.read.ok) {
        failChart(history.read.message);
        return false;
    }
    if (history.countTooLarge) {
        failChart(history.countProblem);
        return false;
    }
    if (!history.damage.isEmpty())
        platform::MsgBox(history.damage);
    const int total = history.total();
    if (!useLast)
        n = 0;
    if (n == 0)
        Text2->setText(QString::number(total));
    const ChartSpan span = chartSpan(total, useLast, n);
    if (span.cut) {
        platform::MsgBox(
            QStringLiteral("Your value for last draws exceed the number of actual draws. Setting to actual draws."));
        Text2->setText(QString::number(total));
    }
    if (useLast)
        n = span.lastDraws;

    DrawChart chart = countDraws(history.records, span.first, mode, m_game, sorted);
    if (chart.ballOutOfRange) {
        failChart(BallRangeMessage);
        return false;
    }
    m_shown = std::move(chart);
    QStringList labels;
    for (const int16_t ball : m_shown.balls)
        labels << QStringLiteral(" %1").arg(ball);
    MSChart1->setRowCount(static_cast<int>(m_shown.balls.size()));
    MSChart1->setData(labels, m_shown.counts);
    return true;
}

void Form4::failChart(const QString &message)
{
    platform::MsgBox(message);
    unload();
}

void Form4::mnusortedyes_Click()
{
    mnusortedno->setChecked(false);
    mnusortedyes->setChecked(true);
    rerunChart();
}

void Form4::mnusortedno_Click()
{
    mnusortedno->setChecked(true);
    mnusortedyes->setChecked(false);
    rerunChart();
}

void Form4::setWidthStep(int step)
{
    WidthStep = step;
    const WidthStepSize &size = WidthSteps[step - 1];
    MSChart1->setFixedWidth(twipsToPixels(size.chart));
    setFrameSize(m_client, TwipsSize::outerWidth(size.window, ClientHeight));
}

void Form4::mnuWider_Click()
{
    if (WidthStep >= 3)
        return;
    setWidthStep(WidthStep + 1);
    show();
}

void Form4::mnuNarrower_Click()
{
    if (WidthStep <= 1)
        return;
    setWidthStep(WidthStep - 1);
    show();
}

void Form4::Command1_Click()
{
    unload();
}

void Form4::titleBarClose()
{
    if (isEnabled())
        Command1_Click();
}

void Form4::Command2_Click()
{
    Text2->clear();
}

void Form4::Command3_Click()
{
    AllDraws = false;
    rerunChart();
}

void Form4::Command5_Click()
{
    AllDraws = true;
    rerunChart();
}

void Form4::Command4_Click()
{
    const double v = BoxValue(Text1->text());
    const int top = chartTop(StatsMode, m_game);
    if (!(v >= 1 && v <= top)) {
        platform::MsgBox(QStringLiteral("You must enter a number between 1 and %1").arg(top));
        return;
    }
    // The heading names the ball whose figures are shown, also when the box held a fraction.
    const int16_t ball = RoundToInt16(v);
    openBallStats(ball, windowTitle() + QStringLiteral(" <Ball %1>").arg(ball));
}

void Form4::MSChart1_PointSelected(int row)
{
    if (row < 1 || static_cast<size_t>(row) > m_shown.balls.size())
        return;
    const int16_t ball = m_shown.balls[static_cast<size_t>(row - 1)];
    openBallStats(ball, windowTitle() + QStringLiteral(" <Ball  %1>").arg(ball));
}

void Form4::openBallStats(int16_t ball, const QString &caption)
{
    const StatsChoice choice {StatsMode, ball, caption, Text2->text()};
    auto *window = new Form26(m_game, m_appFolder, m_monthNames, choice);
    window->Form_Load();
    // This window is the one Form26 disables and gives back.
    openToolWindow(this, window, OpenMode::NoWait);
}

} // namespace vx
