#pragma once

#include "gamedata/mainwindowlink.h"
#include "gamedata/sharedstate.h"
#include "gamedata/wheeltypes.h"
#include "platform/toolwindow.h"
#include "wheels/wheeldesign.h"

#include <QList>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vx {

// The wheel window of one pick size (wheel4, Wheel5, wheel6, wheel7): the wheel types of that size,
// the size of the group, the group itself (suggested from the most drawn balls of the game's
// history, every ball editable) and how many lines the chosen wheel makes. Save Wheel writes the
// wheel entry file of the chosen type; Print Cover prints its cover sheet.
class WheelWindow : public ToolWindow
{
    Q_OBJECT
public:
    static constexpr int MaxGroupBoxes = 20;

    // pick is 4 to 7. The window reads the game and what the Wheels > Create item handed it, and
    // what the main window shows (OpenWheelType) when it saves.
    WheelWindow(int pick, const StartupValues &startup, const CurrentGame &game, const ToolWindowValues &handed,
        const MainWindowFiles &files, MainWindowLink &main, QWidget *parent = nullptr);

    // The object name of the window of a pick size: "wheel4", "Wheel5", "wheel6", "wheel7".
    static QString windowName(int pick);

    void Form_Load(); // reads the history and suggests the group
    void Option1_Click(int index); // a wheel type
    void Combo1_Click(); // a group size
    void Command3_Click(); // Save Wheel
    void Command2_Click(); // Print Cover
    void Command1_Click(); // Close

    int pick() const { return m_pick; }
    const std::vector<WheelType> &types() const { return m_types; }
    const std::vector<int16_t> &suggestion() const { return m_suggestion; }

protected:
    void titleBarClose() override { Command1_Click(); }

private:
    // Controls, named as the program names them; tests find them by object name.
    QGroupBox *Frame1 = nullptr;
    QList<QRadioButton *> Option1; // one per wheel type, type 1 first
    QGroupBox *Frame2 = nullptr;
    QLabel *Label1 = nullptr;
    QComboBox *Combo1 = nullptr;
    QList<QLineEdit *> Text1; // the group's balls
    QLabel *Label2 = nullptr; // how many lines the chosen wheel makes
    QPushButton *Command3 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command1 = nullptr;

    WheelType chosenType() const;
    int groupSize() const; // 0 when the type has no design at all
    void showGroupSizes(); // the sizes with a design for the chosen type
    void showGroup(); // the suggestion's first balls in the boxes of the group size
    void showLineCount();
    // The typed group, empty boxes filled with random balls (and shown); false after a message.
    bool takeGroup(std::vector<int16_t> *group);
    // The wheel chosen in the window, ready to save or print: false after a message that ends with
    // nothingDone.
    struct ChosenWheel {
        WheelType type;
        std::vector<int16_t> group;
        WheelDesign design;
    };
    bool takeWheel(ChosenWheel *wheel, const QString &nothingDone);

    const int m_pick;
    const std::vector<WheelType> m_types;
    const StartupValues &m_startup;
    const CurrentGame &m_game;
    const ToolWindowValues &m_handed;
    const MainWindowFiles &m_files;
    MainWindowLink &m_main;
    std::vector<int16_t> m_suggestion; // the most drawn balls first, padded with random ones
};

} // namespace vx
