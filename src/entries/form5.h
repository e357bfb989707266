#pragma once

#include "gamedata/mainwindowlink.h"
#include "gamedata/sharedstate.h"
#include "platform/longrun.h"
#include "platform/toolwindow.h"

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vx {

// Adds entries to the entry file open in the main window: one typed entry at a time, or a run of
// computer-suggested entries. Every accepted entry goes into the file, the main window's count
// box and its entry list at once. The suggestions are drawn from the game's history file.
class Form5 : public ToolWindow
{
    Q_OBJECT
public:
    static constexpr int BoxCount = 8; // seven main numbers and a bonus at most

    Form5(const CurrentGame &game, const MainWindowFiles &files, const QString &appFolder, MainWindowLink &main,
        QWidget *parent = nullptr);

    void Form_Load();
    void Command6_Click(); // manual Add
    void Command5_Click(); // Clear
    void Command3_Click(); // Close
    void Command4_Click(); // suggest
    void Command1_Click(); // Cancel a suggestion run

    bool running() const { return m_driver.isRunning(); }

    std::array<QLineEdit *, BoxCount> Text1 {};

protected:
    // Close is disabled while a run goes on, and so is the title bar's close.
    void titleBarClose() override;

private:
    // Controls, named as the program names them; tests find them by object name.
    QGroupBox *Frame1 = nullptr;
    QLabel *Label2 = nullptr;
    QPushButton *Command6 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command3 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *Text8 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command1 = nullptr;

    void setRunButtonsEnabled(bool enabled);

    const CurrentGame m_game;
    const QString m_entryFile;
    const QString m_historyFile;
    MainWindowLink &m_main;
    platform::LongRunDriver m_driver;
};

} // namespace vx
