#pragma once

#include "gamedata/mainwindowlink.h"
#include "gamedata/sharedstate.h"
#include "platform/toolwindow.h"
#include "slips/sliplayout.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace vx {

// "Calibrate": where the current game's numbers lie on its bet slip. The player sets the boards
// of a slip and their origins, fills the boxes of the main or bonus numbers as a regular grid and
// corrects single ones, chooses how a mark looks, and saves the layout to the game's layout file.
// Adjust moves the whole layout and test-prints a board.
class configure : public ToolWindow
{
    Q_OBJECT
public:
    configure(const CurrentGame &game, const QString &appFolder, MainWindowLink &main, QWidget *parent = nullptr);

    void Form_Load(); // the saved layout, or a fresh one
    void Text1_Change(); // boards per slip
    void Combo1_Click(); // a board chosen: its origin shown
    void originChange();
    void poolClick(); // main or bonus numbers listed
    void List1_Click(); // a number chosen: its box shown
    void boxChange();
    void markChange();
    void Command1_Click(); // Fill Grid
    bool Command2_Click(); // Save
    void Command3_Click(); // Adjust
    void Command4_Click(); // Close

    const SlipLayout &layout() const { return m_layout; }

protected:
    void titleBarClose() override { Command4_Click(); }

private:
    // Controls, named as the program names them; tests find them by object name.
    QLabel *Label1 = nullptr;
    QSpinBox *Text1 = nullptr;
    QLabel *Label2 = nullptr;
    QComboBox *Combo1 = nullptr;
    QLabel *Label3 = nullptr;
    QDoubleSpinBox *Text2 = nullptr;
    QLabel *Label4 = nullptr;
    QDoubleSpinBox *Text3 = nullptr;
    QLabel *Label5 = nullptr;
    QRadioButton *Option3 = nullptr; // across
    QRadioButton *Option4 = nullptr; // down
    QLabel *Label6 = nullptr;
    QDoubleSpinBox *Text11 = nullptr;
    QLabel *Label7 = nullptr;
    QDoubleSpinBox *Text12 = nullptr;
    QLabel *Label8 = nullptr;
    QSpinBox *Text6 = nullptr;
    QLabel *Label9 = nullptr;
    QDoubleSpinBox *Text7 = nullptr;
    QDoubleSpinBox *Text8 = nullptr;
    QLabel *Label10 = nullptr;
    QDoubleSpinBox *Text9 = nullptr;
    QDoubleSpinBox *Text10 = nullptr;
    QPushButton *Command1 = nullptr;
    QRadioButton *Option1 = nullptr; // main numbers
    QRadioButton *Option2 = nullptr; // bonus numbers
    QListWidget *List1 = nullptr;
    QLabel *Label11 = nullptr;
    QDoubleSpinBox *Text4 = nullptr;
    QLabel *Label12 = nullptr;
    QDoubleSpinBox *Text5 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;

    std::vector<MmPoint> &boxes(); // of the pool listed
    QString boxLine(int number) const;
    void showLayout(); // every control from m_layout

    const CurrentGame m_game;
    const QString m_path;
    MainWindowLink &m_main;
    SlipLayout m_layout;
    SlipLayout m_saved; // as last saved or read
};

} // namespace vx
