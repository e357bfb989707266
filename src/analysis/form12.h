#pragma once

#include "gamedata/mainwindowlink.h"
#include "gamedata/sharedstate.h"
#include "platform/longrun.h"
#include "platform/toolwindow.h"

#include <array>
#include <cstdint>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSlider;

namespace vx {

// "Filter": marks the entries of the entry file open in the main window by their total and by the
// numbers they share with earlier entries, lets the marks be changed by hand, and removes the
// marked entries from the file. It works on a copy, temp.lot, until the entries are removed.
class Form12 : public ToolWindow
{
    Q_OBJECT
public:
    Form12(const CurrentGame &game, const MainWindowFiles &files, const StartupValues &startup, MainWindowLink &main,
        QWidget *parent = nullptr);

    void Form_Load();
    void Command1_Click(); // Check
    void Command2_Click(); // Remove Checked Items From Entry
    void Command4_Click(); // Print
    void Command3_Click(); // Close
    void List1_ItemCheck(int Item);
    bool setupfile(); // false, with a message, when the work copy could not be made
    void displaychecked(int itemindex, bool yesno, const std::array<int16_t, 7> &mains, int16_t extra);

    bool running() const { return m_driver.isRunning(); }

    QString TempFile;
    int16_t MarkedCount = 0;
    bool FilterDone = false;
    std::vector<char> EntryMarks; // entry k at index k - 1

protected:
    // The window stays open while the duplicate filter runs.
    void titleBarClose() override;

private:
    // Controls, named as the program names them; tests find them by object name.
    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame4 = nullptr;
    QCheckBox *Check1 = nullptr;
    QSlider *Slider1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QCheckBox *Check2 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QRadioButton *Option3 = nullptr;
    QRadioButton *Option4 = nullptr;
    QGroupBox *Frame3 = nullptr;
    QListWidget *List1 = nullptr;
    QGroupBox *Frame5 = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *Text3 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command3 = nullptr;

    void setButtonsEnabled(bool enabled);

    const CurrentGame m_game;
    const QString m_entryFile;
    const QString m_appFolder;
    const bool m_printingEnabled;
    MainWindowLink &m_main;
    platform::LongRunDriver m_driver;
};

} // namespace vx
