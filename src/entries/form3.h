#pragma once

#include "gamedata/mainwindowlink.h"
#include "gamedata/numbersfile.h"
#include "gamedata/sharedstate.h"
#include "platform/toolwindow.h"

#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace vx {

// The results list: every draw of the current game's history file, one fixed-column line each. A
// double-click on a line makes the main window show that draw; the list can be printed. Reads
// the history file, writes nothing.
class Form3 : public ToolWindow
{
    Q_OBJECT
public:
    Form3(const CurrentGame &game, const StartupValues &startup, MainWindowLink &main, QWidget *parent = nullptr);

    void Form_Load(); // fills and lays out the list
    void Command2_Click(); // Print List
    void List1_DblClick();
    void Command1_Click(); // Close

protected:
    void titleBarClose() override { Command1_Click(); }

private:
    // Controls, named as the program names them; tests find them by object name.
    QListWidget *List1 = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command1 = nullptr;

    void layoutForGame();

    const CurrentGame m_game;
    const QString m_historyFile;
    const bool m_printingEnabled;
    MainWindowLink &m_main;
    std::vector<NumbersRecord> m_records; // the record of each line
};

} // namespace vx
