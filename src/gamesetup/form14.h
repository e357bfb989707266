#pragma once

#include "gamedata/gamedefinition.h"
#include "gamedata/mainwindowlink.h"
#include "platform/toolwindow.h"

#include <array>
#include <functional>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QRadioButton;

namespace vx {

// The game definition window: defines or changes the game of one game file. Four pages, chosen
// from its menu, each with its own Save and Exit: Game Definition, Winning Combinations, Draw
// Days and Preferences. Each Save reads record 1 of the game file, changes only the fields of its
// page and writes the record back. Saving the game definition lets the opener go on (done())
// while the window stays open; Exit (or the title-bar close) unloads the window.
class Form14 : public ToolWindow
{
    Q_OBJECT
public:
    // Builds the window and runs Form_Load for gameFile ("game1.dat", padding allowed) in appFolder.
    Form14(const QString &appFolder, const QString &gameFile, MainWindowLink &main, QWidget *parent = nullptr);
    ~Form14() override;

    void Form_Load();

    // Page choice
    void mnuGD_Click();
    void mnuWC_Click();
    void mnuDays_Click();
    void mnuPreferences_Click();

    void Check1_Click(int index);
    void Command2_Click(); // Save Game Definition
    void Command3_Click(); // Save Winning Lines
    void Command6_Click(); // Save Draw Days
    void Command7_Click(); // Save Preferences
    void Command1_Click(); // Exit
    void Command4_Click(); // Exit
    void Command5_Click(); // Exit
    void Command8_Click(); // Exit

    bool ExistingGame = false;
    QString LoadedName;
    bool LinesChanged = false;

protected:
    // The title-bar close is an Exit.
    void titleBarClose() override { exitWindow(); }

private:
    // Controls, named as the program names them; tests find them by object name.
    QGroupBox *Frame1 = nullptr; // game definition
    QGroupBox *Frame3 = nullptr; // bonus source
    QGroupBox *Frame4 = nullptr; // winning combinations
    QGroupBox *Frame2 = nullptr; // draw days
    QGroupBox *Frame6 = nullptr; // preferences
    QGroupBox *Frame5 = nullptr; // ball colour
    QGroupBox *Frame7 = nullptr; // bonus tag and name
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label9 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    QLineEdit *Text4 = nullptr;
    QLineEdit *Text5 = nullptr;
    QLineEdit *Text6 = nullptr;
    QLineEdit *Text7 = nullptr;
    QLineEdit *Text8 = nullptr;
    QLineEdit *Text9 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QRadioButton *Option3 = nullptr;
    QRadioButton *Option4 = nullptr;
    QRadioButton *Option5 = nullptr;
    QRadioButton *Option6 = nullptr;
    QRadioButton *Option7 = nullptr;
    QRadioButton *Option8 = nullptr;
    QRadioButton *Option9 = nullptr;
    QRadioButton *Option11 = nullptr;
    std::array<QCheckBox *, 15> Check1 {};
    std::array<QCheckBox *, 7> Check2 {};
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command6 = nullptr;
    QPushButton *Command7 = nullptr;
    QPushButton *Command8 = nullptr;
    QAction *mnuGD = nullptr;
    QAction *mnuWC = nullptr;
    QAction *mnuDays = nullptr;
    QAction *mnuPreferences = nullptr;
    QMenuBar *menuBar = nullptr;

    enum class PreferencesSave { Saved, Refused, Failed };

    void buildControls();
    void buildMenu();
    void showPage(QGroupBox *page);
    QString definitionPath() const;
    PreferencesSave savePreferences();
    // Saves the winning lines or the draw days, then says whether a restart is needed.
    void saveTicks(const std::function<void(GameDefinition &)> &setFields);
    void exitWindow();

    const QString m_appFolder;
    const QString m_gameFile;
    MainWindowLink &m_main;
};

} // namespace vx
