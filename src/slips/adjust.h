#pragma once

#include "platform/toolwindow.h"
#include "slips/sliplayout.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;

namespace vx {

// "Adjust": moves a whole slip layout on the paper by small steps, so that a test print that comes
// out shifted can be put right, and test-prints one board with every box marked. It works on the
// layout of the calibration window that opened it.
class adjust : public ToolWindow
{
    Q_OBJECT
public:
    explicit adjust(SlipLayout &layout, QWidget *parent = nullptr);

    void shift(float dxSteps, float dySteps);
    void Command5_Click(); // Test Print
    void Command6_Click(); // Close

protected:
    void titleBarClose() override { Command6_Click(); }

private:
    // Controls, named as the program names them; tests find them by object name.
    QLabel *Label1 = nullptr;
    QDoubleSpinBox *Text1 = nullptr;
    QPushButton *Command1 = nullptr; // up
    QPushButton *Command2 = nullptr; // down
    QPushButton *Command3 = nullptr; // left
    QPushButton *Command4 = nullptr; // right
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QComboBox *Combo1 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command6 = nullptr;

    void showMoved();

    SlipLayout &m_layout;
    MmPoint m_moved;
};

} // namespace vx
