#pragma once

#include "app/ballimages.h"
#include "gamedata/mainwindowlink.h"
#include "gamedata/numbersfile.h"
#include "gamedata/sharedstate.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <cstdint>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QWidget;

namespace vx::platform {
class DatePicker;
}

namespace vx {

class frmAbout;
class LinkProcess;
class Picky34;

// The main window: game selector, draw panel, entry panel, winning lines and the menus from which
// every other window opens. It owns the shared values and hands each window what it uses; the
// windows reach back only through MainWindowLink.
class Form1 : public QMainWindow, public MainWindowLink
{
    Q_OBJECT
public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    const StartupValues &startup() const { return m_startup; }
    const CurrentGame &game() const { return m_game; }
    const MainWindowFiles &files() const { return m_files; }
    const ToolWindowValues &handed() const { return m_handed; }

    // MainWindowLink
    void appendEntryLines(const QStringList &lines) override;
    void replaceEntryLine(int row, const QString &line) override;
    void setEntryCount(int count) override;
    double entryCountShown() const override;
    void refreshEntryPanel() override { DTPicker2_Change(); }
    void clearEntryDisplay() override { ClearDrawDisplay(); }
    void closeEntryFile() override;
    void showDraw(const NumbersRecord &record) override { showDrawRecord(record); }
    void refreshDrawPanel() override { DTPicker1_Change(); }
    void setDrawDate(const QDate &date) override;
    void clearWinningLines() override;
    void printingEnabledAgain() override;

    // Start-up; false when the program must end (the locale could not be read).
    bool Form_Load();

    // Game selection
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void Option6_Click();
    void setupgame();

    // Draw panel
    void DTPicker1_Change();
    void ShowBall(int16_t pos, int16_t ball, int16_t kind);
    void showDrawRecord(const NumbersRecord &record); // every ball of a draw record, from place 0
    void ClearDrawDisplay();
    bool drawShown() const; // the first ball picture is visible
    void Command1_Click(); // Add Draw
    void Command2_Click(); // Delete Draw

    // Entry panel
    void DTPicker2_Change();
    void listEntryFile(); // lists EntryFile into List1, Text2 counting up
    void AddEntryLine(
        int16_t b1, int16_t b2, int16_t b3, int16_t b4, int16_t b5, int16_t b6, int16_t b7, int16_t x1, int16_t x2);
    void Command3_Click(); // Dated Entry
    void Command4_Click(); // Add
    void Command5_Click(); // Delete
    void Command6_Click(); // Edit
    void Command9_Click(); // Print List1
    void Command10_Click(); // Print List2
    void Command12_Click(); // History check
    void Command14_Click(); // Check
    void mnustandcreate_Click();
    void mnuStandOpen_Click();

    // Wheels
    void ShowWheelMenus(int16_t picks);
    void openwheel(const QString &path);
    void mnuWheelCreate_Click();

    // Pictures of the draw panel
    void Image1_Click(); // results list
    void Image3_Click(); // statistics

    // File menu
    void mnuName1_Click();
    void mnuName2_Click();
    void mnuName3_Click();
    void mnuName4_Click();
    void mnuName5_Click();
    void mnuName6_Click();
    void mnuPrintTickets_Click();
    void mnuCalibrate_Click();
    void mnuResults_Click();
    void mnuDelete_Click();
    void mnuFilter_Click();
    void mnuImport_Click();
    void mnuprinters_Click();
    void mnuLoadRTLs_Click();
    void mnuExit_Click();

    // Other menus
    void mnupick3_Click();
    void mnupick4_Click();
    void mnuOptCreate_Click();
    void mnuUpgrade_Click();
    void mnuHelp_Click();
    void mnuAbout_Click();
    void mnuExitMenu_Click();

    BallImageList ImageList1 {BallImageList::Colour::Red};
    BallImageList ImageList2 {BallImageList::Colour::White};

    // The 24 Wheels > Open items, in menu order.
    struct WheelItem {
        QAction *action;
        const char *name; // mnu777 ... mnu442
        QString caption;
        QString suffix; // "-7-7-7.lot"
        int16_t wheelType; // OpenWheelType when open
        int16_t pickSize;
    };
    const std::vector<WheelItem> &wheelItems() const { return m_wheelItems; }
    void openWheelItem(size_t index); // what each of the 24 handlers does
    // Wheels > Open: each opens its wheel entry file of the current game.
    void mnu777_Click();
    void mnu776_Click();
    void mnu775_Click();
    void mnu774_Click();
    void mnu773_Click();
    void mnu666_Click();
    void mnu665_Click();
    void mnu664_Click();
    void mnu663_Click();
    void mnu655_Click();
    void mnu654_Click();
    void mnu653_Click();
    void mnu644_Click();
    void mnu643_Click();
    void mnu633_Click();
    void mnu555_Click();
    void mnu554_Click();
    void mnu553_Click();
    void mnu544_Click();
    void mnu543_Click();
    void mnu533_Click();
    void mnu444_Click();
    void mnu443_Click();
    void mnu442_Click();

protected:
    void closeEvent(QCloseEvent *event) override; // Form_Unload

private:
    // Controls, named as the program names them; tests find them by object name.
    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QGroupBox *Frame3 = nullptr;
    QGroupBox *Frame5 = nullptr;
    QGroupBox *Frame6 = nullptr;
    std::array<QRadioButton *, 7> Option {}; // Option[1] .. Option[6]
    platform::DatePicker *DTPicker1 = nullptr;
    platform::DatePicker *DTPicker2 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command6 = nullptr;
    QPushButton *Command9 = nullptr;
    QPushButton *Command10 = nullptr;
    QPushButton *Command12 = nullptr;
    QPushButton *Command14 = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Image3 = nullptr;
    QLabel *Image4 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QWidget *Picture1 = nullptr;
    std::array<QLabel *, 9> Image2 {};
    QListWidget *List1 = nullptr;
    QListWidget *List2 = nullptr;
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    // Menus
    QMenu *mnuFile = nullptr;
    QMenu *mnuConfig = nullptr;
    std::array<QAction *, 7> mnuName {}; // mnuName[1] .. mnuName[6]
    QMenu *mnuTicketPrinting = nullptr;
    QAction *mnuPrintTickets = nullptr;
    QAction *mnuCalibrate = nullptr;
    QAction *mnuResults = nullptr;
    QAction *mnuDelete = nullptr;
    QAction *mnuFilter = nullptr;
    QAction *mnuImport = nullptr;
    QAction *mnuprinters = nullptr;
    QAction *mnuLoadRTLs = nullptr;
    QAction *mnuExit = nullptr;
    QMenu *mnuWheels = nullptr;
    QAction *mnuWheelCreate = nullptr;
    QMenu *mnuWheelOpen = nullptr;
    QMenu *mnuStand = nullptr;
    QAction *mnustandcreate = nullptr;
    QAction *mnuStandOpen = nullptr;
    QAction *mnupick3 = nullptr;
    QAction *mnupick4 = nullptr;
    QMenu *mnuOpt = nullptr;
    QAction *mnuOptCreate = nullptr;
    QAction *mnuUpgrade = nullptr;
    QMenu *mnuHlp = nullptr;
    QAction *mnuHelp = nullptr;
    QAction *mnuAbout = nullptr;
    QAction *mnuExitMenu = nullptr;

    // The upper panel's contents sit this far (in twips) left of their measured places, since the
    // panel itself begins at the window's edge rather than that far outside it.
    static constexpr int UpperPanelShift = 120;

    void buildControls();
    // Widens a label whose caption is longer in the current font than its design width: about
    // its centre when the caption is centred, to the right otherwise.
    static void fitCaption(QLabel *label);
    void buildMenus();
    void selectGame(int16_t number);
    void openPickWindow(int16_t pickType); // Pick 3 or Pick 4
    void openGameDefinition(int16_t number); // what each Configure Game item does
    void layoutBallStrip();
    void endProgram();
    void setGameControlsEnabled(bool enabled);
    int entryCountRounded() const; // the number in Text2, as a count
    QString dataPath(const QString &fileName) const;

    StartupValues m_startup;
    bool m_ticketPrinting = false; // a printer existed at start-up: a later choice waits for a restart
    CurrentGame m_game;
    MainWindowFiles m_files;
    ToolWindowValues m_handed;
    std::vector<WheelItem> m_wheelItems;
    // The windows of which one at a time is open, while they are open.
    QPointer<frmAbout> m_about;
    QPointer<LinkProcess> m_optimizer;
    QPointer<Picky34> m_pickWindow;
};

} // namespace vx
