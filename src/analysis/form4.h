#pragma once

#include "analysis/drawstats.h"
#include "gamedata/mainwindowlink.h"
#include "gamedata/sharedstate.h"
#include "platform/toolwindow.h"

#include <cstdint>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;

namespace vx {

namespace platform {
class BarChart;
}

// "Draw Statistics": how often each ball of the current game was drawn, over all draws or the last
// N, as a bar chart of the main balls, the main and bonus balls, or the bonus balls. A bar or the
// Info button opens the figures of one ball.
class Form4 : public ToolWindow
{
    Q_OBJECT
public:
    Form4(const CurrentGame &game, const StartupValues &startup, MainWindowLink &main, QWidget *parent = nullptr);

    // Charts the main balls over all draws; false when the history cannot be charted, and the
    // window has then unloaded itself.
    bool Form_Load();

    // The chart runs: the last n draws when useLast, else all; n comes back as the draws charted.
    bool displaylottomain(bool useLast, int &n) { return chartRun(StatsMainBalls, useLast, n); }
    bool displaymandb(bool useLast, int &n) { return chartRun(StatsMainAndBonus, useLast, n); }
    bool displaytsb(bool useLast, int &n) { return chartRun(StatsBonusBalls, useLast, n); }
    bool displaytsbn(bool useLast, int &n) { return chartRun(StatsBonusBalls, useLast, n); }

    void mnuLM_Click() { chooseChart(StatsMainBalls); }
    void mnuBoth_Click() { chooseChart(StatsMainAndBonus); }
    void mnuTSB_Click() { chooseChart(StatsBonusBalls); }
    void mnusortedyes_Click();
    void mnusortedno_Click();
    void mnuWider_Click();
    void mnuNarrower_Click();
    void Command1_Click(); // Close
    void Command2_Click(); // Clear
    void Command3_Click(); // Show
    void Command4_Click(); // Info
    void Command5_Click(); // All
    void MSChart1_PointSelected(int row); // a click on bar row (from 1)

    int16_t StatsMode = StatsMainBalls;
    bool AllDraws = false;
    int WidthStep = 1;

protected:
    // Closing from the title bar is Close; while a ball's figures are open this window waits.
    void titleBarClose() override;

private:
    // Controls, named as the program names them; tests find them by object name.
    platform::BarChart *MSChart1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command5 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QMenuBar *menuBar = nullptr;
    QMenu *mnsorted = nullptr;
    QAction *mnusortedyes = nullptr;
    QAction *mnusortedno = nullptr;
    QAction *mnuLM = nullptr;
    QAction *mnuTSB = nullptr;
    QAction *mnuBoth = nullptr;
    QMenu *mnuScale = nullptr;
    QAction *mnuWider = nullptr;
    QAction *mnuNarrower = nullptr;

    void buildMenus();
    bool chooseChart(int16_t mode);
    bool rerunChart() { return chooseChart(StatsMode); }
    bool chartRun(int16_t mode, bool useLast, int &n);
    void failChart(const QString &message);
    void setWidthStep(int step);
    void openBallStats(int16_t ball, const QString &caption);

    const CurrentGame m_game;
    const QString m_appFolder;
    const MonthNameTable m_monthNames;
    MainWindowLink &m_main;
    QWidget *m_client = nullptr;
    DrawChart m_shown; // the bars on show
};

} // namespace vx
