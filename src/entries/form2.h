#pragma once

#include "gamedata/mainwindowlink.h"
#include "gamedata/sharedstate.h"
#include "platform/toolwindow.h"

#include <QDate>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vx {

// "Add Result": the draw of the main window's draw date, typed ball by ball, checked and inserted
// into the game's history file in date order.
class Form2 : public ToolWindow
{
    Q_OBJECT
public:
    // The draw of drawDate for the game, into the history file in appFolder.
    Form2(const CurrentGame &game, const QDate &drawDate, const QString &appFolder, MainWindowLink &main,
        QWidget *parent = nullptr);

    void Form_Load();
    // Shows the boxes of the current game's main numbers and extras and sizes the window.
    void layoutForGame();
    void Command1_Click(); // Add
    void Command2_Click(); // Cancel

protected:
    void titleBarClose() override { Command2_Click(); }

private:
    // Controls, named as the program names them; tests find them by object name.
    std::array<QLineEdit *, 10> Text {}; // Text[1] .. Text[9]
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;

    const CurrentGame m_game;
    const QDate m_drawDate;
    const QString m_appFolder;
    MainWindowLink &m_main;
};

} // namespace vx
