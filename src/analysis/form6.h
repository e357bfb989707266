#pragma once

#include "gamedata/mainwindowlink.h"
#include "gamedata/sharedstate.h"
#include "platform/longrun.h"
#include "platform/toolwindow.h"

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace vx {

namespace platform {
class DatePicker;
}

// "History Check": the entries listed in the main window against every draw of a date range. Each
// draw's date line is listed with its winning entries below it, on up to four list pages; the
// totals per prize category follow at the end. Reads the history and entry files, writes none.
class Form6 : public ToolWindow
{
    Q_OBJECT
public:
    // entryCountText is the main window's entry count as shown.
    Form6(const CurrentGame &game, const MainWindowFiles &files, const StartupValues &startup,
        const QString &entryCountText, MainWindowLink &main, QWidget *parent = nullptr);

    void Form_Load();
    void Command2_Click(); // Check
    void Command3_Click(); // Cancel
    void Command4_Click(); // More...
    void Command5_Click(); // Back...
    void Command1_Click(); // Close
    void clearresults();

    bool running() const { return m_driver.isRunning(); }

    double ListLimit = 0; // lines a list page takes
    int ListPage = 0; // the last page filled

signals:
    // Whether the list holds less than the check counted: false when a check starts, and the
    // check's answer when it ends.
    void historyListFull(bool full);

protected:
    // Close is disabled while a check runs, and so is the title bar's close.
    void titleBarClose() override;

private:
    // Controls, named as the program names them; tests find them by object name.
    QGroupBox *Frame1 = nullptr;
    platform::DatePicker *DTPicker1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    platform::DatePicker *DTPicker2 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command1 = nullptr;
    QGroupBox *Frame3 = nullptr;
    std::array<QListWidget *, 4> List1 {};
    std::array<QLineEdit *, 16> Text {}; // Text[1] .. Text[15]
    std::array<QLabel *, 17> Label {}; // Label[1] .. Label[16]
    QPushButton *Command4 = nullptr;
    QPushButton *Command5 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;

    void showPage(int visible); // the one list page in view
    void finishRange(); // no draws in the range: empty lists, buttons back

    const CurrentGame m_game;
    const QString m_entryFile;
    const QString m_historyFile;
    const MonthNameTable m_monthNames;
    const QString m_entryCountText;
    MainWindowLink &m_main;
    platform::LongRunDriver m_driver;
};

} // namespace vx
