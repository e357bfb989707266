#pragma once

#include "gamedata/mainwindowlink.h"
#include "pickdigits/picklines.h"
#include "platform/toolwindow.h"

#include <array>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vx {

// The Pick 3 / Pick 4 window: the player's daily-number lines of one game (the pick type it is
// given), kept in Pick3.lot or Pick4.lot in the application folder. Lines are typed or generated, checked against a
// typed draw for straight and box wins, saved and printed. The main window stays disabled while
// it is open; closing it in any way gives the main window back.
class Picky34 : public ToolWindow
{
    Q_OBJECT
public:
    Picky34(
        int pickType, bool printingEnabled, const QString &appFolder, MainWindowLink &main, QWidget *parent = nullptr);

    void Form_Load();
    void Command1_Click(); // Add the typed line
    void Command2_Click(); // Delete the selected lines
    void Command3_Click(); // Generate random lines
    void Command4_Click(); // Check against the typed draw
    void Command5_Click(); // Save
    void Command6_Click(); // Print the list
    void Command7_Click(); // Close

    int pickType() const { return m_pickType; }
    const std::vector<PickLine> &lines() const { return m_lines; }
    bool hasUnsavedChanges() const { return m_lines != m_savedLines; }

protected:
    // The Close button and the title bar alike.
    void titleBarClose() override;

private:
    // Controls, named as the program names them; tests find them by object name.
    QGroupBox *Frame1 = nullptr; // the line to add
    QGroupBox *Frame2 = nullptr; // random lines
    QGroupBox *Frame3 = nullptr; // the draw and the winning lines
    std::array<QLineEdit *, 4> Text1 {}; // digits of a line
    std::array<QLineEdit *, 4> Text2 {}; // digits of the draw
    QLineEdit *Text3 = nullptr; // how many random lines
    QLineEdit *Text4 = nullptr; // number of winning lines
    QListWidget *List1 = nullptr; // the lines
    QListWidget *List2 = nullptr; // the winning lines
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command6 = nullptr;
    QPushButton *Command7 = nullptr;

    void buildControls();
    // The digits typed into the used boxes of a row; nullopt after telling the player which box
    // is wrong.
    std::optional<PickLine> typedLine(const std::array<QLineEdit *, 4> &boxes, const QString &message);
    void linesChanged();
    void clearWinners();
    bool save();
    QString filePath() const;

    const int m_requestedPickType;
    const bool m_printingEnabled;
    const QString m_appFolder;
    MainWindowLink &m_main;
    int m_pickType = 3;
    std::vector<PickLine> m_lines;
    std::vector<PickLine> m_savedLines; // as last loaded or saved
    bool m_loadFailed = false; // the file could not be read, so it must not be overwritten
    QString m_loadError;
};

} // namespace vx
