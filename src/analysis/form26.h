#pragma once

#include "analysis/drawstats.h"
#include "gamedata/sharedstate.h"
#include "platform/toolwindow.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vx {

// "Individual Ball Statistics": for the ball chosen in the draw statistics, over the span of draws
// given there, how often it was expected and drawn, when it was last drawn and how many draws ago.
class Form26 : public ToolWindow
{
    Q_OBJECT
public:
    Form26(const CurrentGame &game, const QString &appFolder, const MonthNameTable &monthNames,
        const StatsChoice &choice, QWidget *parent = nullptr);

    void Form_Load();
    void Command1_Click(); // Close: the opener comes back with closed()

protected:
    void titleBarClose() override { Command1_Click(); }

private:
    // Controls, named as the program names them; tests find them by object name.
    QLineEdit *Text5 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    QLineEdit *Text4 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QPushButton *Command1 = nullptr;

    const CurrentGame m_game;
    const QString m_appFolder;
    const MonthNameTable m_monthNames;
    const StatsChoice m_choice;
};

} // namespace vx
