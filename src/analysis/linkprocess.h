#pragma once

#include "analysis/optimizer.h"
#include "gamedata/mainwindowlink.h"
#include "gamedata/sharedstate.h"
#include "platform/longrun.h"
#include "platform/toolwindow.h"

#include <QDate>
#include <functional>
#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vx {

namespace platform {
class DatePicker;
}

// "Optimizer": counts the links between the balls of the last draws of the current game's history
// and appends the entries chained from them to the dated entry file of the date picked here. The
// main window stays enabled meanwhile.
class LinkProcess : public ToolWindow
{
    Q_OBJECT
public:
    LinkProcess(const CurrentGame &game, const StartupValues &startup, MainWindowLink &main, QWidget *parent = nullptr);

    void Form_Load();
    void Command1_Click(); // Process Range
    void Command2_Click(); // Create Entries for Selected Date
    void Command3_Click(); // Close
    void Text1_Change();

    bool running() const { return m_driver.isRunning(); }
    const LinkTables &tables() const { return m_tables; }

    bool OptimizerProcessed = false; // a Process Range passed its checks
    bool OptimizerCreated = false; // entries were created since
    QString DrawCountText;

signals:
    // Entries are about to be created for date, whether or not they can be written: the opener
    // lists that date's entries again if it shows them.
    void creatingEntriesFor(const QDate &date);

protected:
    // Nothing closes while the counting runs.
    void titleBarClose() override;

private:
    // Controls, named as the program names them; tests find them by object name.
    QGroupBox *Frame1 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLabel *Label3 = nullptr;
    QPushButton *Command1 = nullptr;
    QLabel *Label1 = nullptr;
    platform::DatePicker *DTPicker1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;

    void setButtonsEnabled(bool enabled);

    const CurrentGame m_game;
    const QString m_appFolder;
    const MonthNameTable m_monthNames;
    const QString m_historyFile;
    MainWindowLink &m_main;
    LinkTables m_tables;
    platform::LongRunDriver m_driver;
};

} // namespace vx
