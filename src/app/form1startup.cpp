#include "app/form1.h"

#include "analysis/form12.h"
#include "analysis/form4.h"
#include "analysis/linkprocess.h"
#include "entries/form3.h"
#include "entries/form30.h"
#include "entries/form8.h"
#include "entries/frmabout.h"
#include "gamedata/entryfiles.h"
#include "gamedata/filemessages.h"
#include "gamedata/gamedefinition.h"
#include "gamedata/monthnames.h"
#include "gamesetup/form14.h"
#include "online/form10.h"
#include "online/rdl.h"
#include "online/upgradewindow.h"
#include "pickdigits/picky34.h"
#include "platform/busycursor.h"
#include "platform/clock.h"
#include "platform/datepicker.h"
#include "platform/desktop.h"
#include "platform/events.h"
#include "platform/localemonths.h"
#include "platform/messages.h"
#include "platform/toolwindow.h"
#include "platform/twips.h"
#include "printing/form11.h"
#include "printing/printers.h"
#include "slips/configure.h"
#include "slips/slipprinting.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace vx {

using platform::twipsToPixels;

bool Form1::Form_Load()
{
    // The locale's abbreviated month names; without them no dated entry file can be named.
    const std::optional<QStringList> abbreviations = platform::SystemAbbreviatedMonthNames();
    if (!abbreviations) {
        platform::MsgBox(QStringLiteral("Cannot establish the date system used on your PC - sorry!"));
        endProgram();
        return false;
    }
    m_startup.MonthNames = processMonthNames(*abbreviations, &m_startup.CalendarText);

    // Both dates start at today. No game is loaded yet, so the pickers' refreshes stay quiet.
    {
        const QSignalBlocker block1(DTPicker1);
        const QSignalBlocker block2(DTPicker2);
        DTPicker1->setValue(platform::CurrentDate());
        DTPicker2->setValue(platform::CurrentDate());
    }

    // The application folder and the help file beside the program.
    setWindowTitle(platform::ApplicationTitle);
    m_files.OpenWheelType = 0;
    m_startup.HistoryListFull = false;
    m_startup.AppFolder = platform::ProgramFolder();
    if (m_startup.AppFolder == QLatin1String("/"))
        m_startup.AppFolder.clear(); // the root folder: paths become "/game1.dat"
    m_startup.HelpFile = m_startup.AppFolder + QStringLiteral("/Calvenor.chm");

    // No draw is shown before a game is selected.
    for (QLabel *ball : Image2)
        ball->hide();

    // Printing stays off without a printer.
    m_startup.PrintingEnabled = SelectSavedPrinter(m_startup.AppFolder);
    m_ticketPrinting = m_startup.PrintingEnabled;
    if (!m_startup.PrintingEnabled) {
        Command9->setEnabled(false);
        Command10->setEnabled(false);
        // The menu itself, not its item: disabling and enabling the window around a tool window
        // would switch the item on again.
        mnuTicketPrinting->setEnabled(false);
    }

    // Empty counts, the first game, the dated entries.
    Text3->setText(QStringLiteral("0"));
    Text2->setText(QStringLiteral("0"));
    Option[1]->setChecked(true);
    Command3->hide();

    // Caption the game buttons and the Configure Game items from the six game files.
    QStringList unwritable;
    for (int n = 1; n <= 6; ++n) {
        m_game.GameFile = paddedGameFileName(n);
        const QString path = dataPath(gameFileName(n));
        const GameFileRead read = readGameDefinition(path);
        if (read.status == GameFileStatus::OpenFailed) {
            // A file that is there (a folder, a link that leads nowhere, one that cannot be read)
            // says nothing about whether the folder can be written.
            const QFileInfo info(path);
            if (info.exists() || info.isSymLink())
                platform::MsgBox(cannotOpenFile(gameFileName(n), read.error));
            else
                unwritable << gameFileName(n);
        } else if (read.status == GameFileStatus::WrongLength)
            platform::MsgBox(damagedGameFileMessage(path, read.length));
        QRadioButton *button = Option[static_cast<size_t>(n)];
        if (read.definition.mainPool <= 1) {
            button->setText(QStringLiteral("Game%1").arg(n));
            button->setEnabled(false);
        } else {
            const QString name = read.definition.nameText();
            button->setText(name);
            mnuName[static_cast<size_t>(n)]->setText(name);
        }
    }
    if (!unwritable.isEmpty()) {
        platform::MsgBox(QStringLiteral("The application folder %1 cannot be written, so the game files (%2) "
                                        "could not be created. Games cannot be defined or saved until the folder "
                                        "can be written.")
                             .arg(m_startup.AppFolder, unwritable.join(QStringLiteral(", "))));
    }

    Option1_Click();
    return true;
}

void Form1::endProgram()
{
    DeleteEmptyEntryFile(m_files.EntryFile);
    platform::EndProgram();
}

void Form1::closeEvent(QCloseEvent *event)
{
    // Form_Unload
    event->accept();
    endProgram();
}

void Form1::mnuExit_Click()
{
    endProgram();
}

void Form1::mnuExitMenu_Click()
{
    endProgram();
}

void Form1::selectGame(int16_t number)
{
    m_game.GameNumber = number;
    m_game.GameFile = paddedGameFileName(number);
    setupgame();
}

void Form1::Option1_Click()
{
    selectGame(1);
}

void Form1::Option2_Click()
{
    selectGame(2);
}

void Form1::Option3_Click()
{
    selectGame(3);
}

void Form1::Option4_Click()
{
    selectGame(4);
}

void Form1::Option5_Click()
{
    selectGame(5);
}

void Form1::Option6_Click()
{
    selectGame(6);
}

void Form1::setGameControlsEnabled(bool enabled)
{
    Frame5->setEnabled(enabled);
    Frame3->setEnabled(enabled);
    // The menus themselves are disabled: a menu whose item alone is disabled comes back on when the
    // main window is enabled again after a tool window.
    for (QMenu *menu : {mnuWheels, mnuStand, mnuOpt})
        menu->setEnabled(enabled);
    mnuTicketPrinting->setEnabled(enabled && m_ticketPrinting);
    mnuFilter->setEnabled(enabled);
    mnuImport->setEnabled(enabled);
}

void Form1::setupgame()
{
    const QString path = dataPath(m_game.GameFile.trimmed());
    const GameFileRead read = readGameDefinition(path);
    if (read.status == GameFileStatus::WrongLength)
        platform::MsgBox(damagedGameFileMessage(path, read.length));

    if (read.definition.mainDrawn <= 0) {
        // An undefined game: nothing of it can be shown or used.
        if (m_game.GameNumber >= 1 && m_game.GameNumber <= 6)
            Option[static_cast<size_t>(m_game.GameNumber)]->setEnabled(false);
        setGameControlsEnabled(false);
        return;
    }

    m_game = CurrentGame::fromDefinition(m_game.GameNumber, read.definition);
    Frame5->setTitle(QStringLiteral("My Enties for ") + m_game.GameName);
    Frame3->setTitle(QStringLiteral("Draw Date for ") + m_game.GameName);
    Frame6->setTitle(QStringLiteral("Winning Lines for ") + m_game.GameName);
    List1->setAccessibleName(Frame5->title());
    List2->setAccessibleName(Frame6->title());
    // A defined game may follow an undefined one, which left the panels and menus disabled.
    setGameControlsEnabled(true);

    DeleteEmptyEntryFile(m_files.EntryFile);
    ClearDrawDisplay();

    Command3->hide();
    DTPicker2->show();
    Label7->setVisible(m_game.BonusDrawn == 2);
    layoutBallStrip();

    DTPicker2_Change();
    DTPicker1_Change();

    const QString entries = Text2->text();
    if (!entries.isEmpty() && entries != QLatin1String("0") && drawShown())
        Command14_Click();

    if (m_game.MainDrawn >= 4 && m_game.MainDrawn <= 7)
        ShowWheelMenus(m_game.MainDrawn);
    mnuWheels->setEnabled(m_game.MainDrawn != 3);
}

void Form1::layoutBallStrip()
{
    auto setStrip = [this](int width) { Picture1->resize(twipsToPixels(width), twipsToPixels(735)); };
    // Each tag starts from its design size, so that a longer tag of an earlier game leaves nothing behind.
    auto placeTag = [](QLabel *tag, int left) {
        tag->setGeometry(platform::twipsRect(left - UpperPanelShift, 3120, 225, 195));
        fitCaption(tag);
    };

    if (m_game.BonusDrawn == 2) {
        Label3->setText(m_game.BonusTag);
        Label7->setText(m_game.BonusTag);
        Label3->show();
        Label7->show();
        struct Row {
            int width, tag1, tag2;
        };
        static const Row rows[]
            = {{3735, 3700, 4440}, {4455, 4440, 5180}, {5175, 5180, 5920}, {5895, 5920, 6660}, {6615, 6660, 7400}};
        if (m_game.MainDrawn >= 3 && m_game.MainDrawn <= 7) {
            const Row &row = rows[m_game.MainDrawn - 3];
            setStrip(row.width);
            placeTag(Label3, row.tag1);
            placeTag(Label7, row.tag2);
        }
        return;
    }

    // A tag never shows without its ball, whatever the number of pictures.
    if (m_game.BonusDrawn != 1)
        Label3->hide();
    const int n = m_game.MainDrawn + m_game.BonusDrawn;
    struct Row {
        int width, tag;
    };
    // Eight pictures (seven main balls and one extra) follow the same rule as the others: the
    // strip is 720 per picture plus 135, and the tag sits under the eighth picture.
    static const Row rows[] = {{3015, 3330}, {3735, 4040}, {4455, 5240}, {5175, 5480}, {5895, 6660}};
    if (n < 4 || n > 8)
        return;
    const Row &row = rows[n - 4];
    setStrip(row.width);
    if (m_game.BonusDrawn == 1) {
        Label3->setText(m_game.BonusTag);
        Label3->show();
        placeTag(Label3, row.tag);
    }
}

void Form1::Image1_Click()
{
    auto *window = new Form3(m_game, m_startup, *this);
    window->setWindowTitle(QStringLiteral("Draw Results for ") + m_game.GameName);
    window->Form_Load();
    // A double-click in the list shows its draw at once; the list's close shows the draw date's draw.
    openToolWindow(this, window, OpenMode::Wait);
    DTPicker1_Change();
}

void Form1::Image3_Click()
{
    auto *window = new Form4(m_game, m_startup, *this);
    // A history that cannot be charted has been reported and the window is gone.
    if (window->Form_Load())
        openToolWindow(this, window, OpenMode::NoWait);
}

void Form1::openGameDefinition(int16_t number)
{
    m_game.GameFile = paddedGameFileName(number);
    auto *window = new Form14(m_startup.AppFolder, m_game.GameFile, *this);
    window->setWindowTitle(Option[static_cast<size_t>(number)]->text() + QStringLiteral(" Configuration"));
    // The wait ends when the window closes or saves the game; after a save it stays open and
    // enables this window again when it closes.
    openToolWindow(this, window, OpenMode::Wait);
    DTPicker1_Change();
    DTPicker2_Change();
}

void Form1::mnuName1_Click()
{
    openGameDefinition(1);
}

void Form1::mnuName2_Click()
{
    openGameDefinition(2);
}

void Form1::mnuName3_Click()
{
    openGameDefinition(3);
}

void Form1::mnuName4_Click()
{
    openGameDefinition(4);
}

void Form1::mnuName5_Click()
{
    openGameDefinition(5);
}

void Form1::mnuName6_Click()
{
    openGameDefinition(6);
}

void Form1::mnuPrintTickets_Click()
{
    if (entryCountRounded() < 1 || m_files.EntryFile.isEmpty()) {
        platform::MsgBox(NoEntriesToPrint);
        return;
    }
    QString message;
    {
        const platform::BusyCursor busy;
        message = printTickets(m_startup.AppFolder, m_game, m_files.EntryFile);
    }
    if (!message.isEmpty())
        platform::MsgBox(message);
}

void Form1::mnuCalibrate_Click()
{
    if (const QString clash = slipLayoutNameClash(m_game.GameName); !clash.isEmpty()) {
        platform::MsgBox(clash);
        return;
    }
    auto *window = new configure(m_game, m_startup.AppFolder, *this);
    window->Form_Load();
    openToolWindow(this, window, OpenMode::NoWait);
}

void Form1::mnuResults_Click()
{
    openToolWindow(this, new RDL(m_startup.AppFolder, *this), OpenMode::Wait);
    DTPicker1_Change();
}

void Form1::mnuDelete_Click()
{
    auto *window = new Form8(m_startup.AppFolder, m_files.EntryFile, *this);
    window->Form_Load();
    openToolWindow(this, window, OpenMode::NoWait);
}

void Form1::mnuFilter_Click()
{
    if (namesWheelFile(m_files.EntryFile)
        && !platform::AskYesNo(QStringLiteral(
            "If you filter a wheel, the guarantee will no longer apply. Are you sure you want to continue?")))
        return;
    if (const QString shown = Text2->text().trimmed(); shown.isEmpty() || shown == QLatin1String("0")) {
        platform::MsgBox(QStringLiteral("You have no entries displayed to filter."));
        return;
    }
    auto *window = new Form12(m_game, m_files, m_startup, *this);
    window->Form_Load();
    openToolWindow(this, window, OpenMode::Wait);

    // The main window lists the filtered file again, opened the way it was opened before.
    if (namesWheelFile(m_files.EntryFile)) {
        for (size_t k = 0; k < m_wheelItems.size(); ++k)
            if (m_wheelItems[k].pickSize == m_game.MainPicked && m_wheelItems[k].wheelType == m_files.OpenWheelType) {
                openWheelItem(k);
                break;
            }
    } else if (entryFileKind(m_files.EntryFile) == EntryFileKind::Standing) {
        mnuStandOpen_Click();
    } else {
        DTPicker2_Change();
    }
}

void Form1::mnuImport_Click()
{
    m_handed.ImportedToShown = false;
    auto *window = new Form30(m_game, m_startup, DTPicker2->Value(), m_handed.ImportedToShown, *this);
    window->Form_Load();
    openToolWindow(this, window, OpenMode::Wait);
    if (m_handed.ImportedToShown)
        DTPicker2_Change();
}

void Form1::mnuprinters_Click()
{
    openToolWindow(this, new Form11(m_startup, *this), OpenMode::NoWait);
}

void Form1::printingEnabledAgain()
{
    m_startup.PrintingEnabled = true;
    Command9->setEnabled(true);
    Command10->setEnabled(true);
}

void Form1::mnuLoadRTLs_Click()
{
    auto *window = new Form10(m_startup.AppFolder, *this);
    window->Form_Load();
    openToolWindow(this, window, OpenMode::Wait);
    // The current game's history may have been replaced, or not: the draw is looked up again either way.
    DTPicker1_Change();
}

void Form1::mnupick3_Click()
{
    openPickWindow(3);
}

void Form1::mnupick4_Click()
{
    openPickWindow(4);
}

void Form1::openPickWindow(int16_t pickType)
{
    m_handed.PickType = pickType;
    Picky34 *window = Picky34::instance();
    if (!window)
        window = new Picky34(m_handed.PickType, m_startup.PrintingEnabled, m_startup.AppFolder, *this);
    window->setWindowTitle(QStringLiteral("Pick %1").arg(pickType));
    openToolWindow(this, window, OpenMode::NoWait);
}

void Form1::mnuOptCreate_Click()
{
    // One optimizer at a time: the menu stays live while it is open.
    if (LinkProcess *open = LinkProcess::instance()) {
        open->raise();
        open->activateWindow();
        return;
    }
    m_handed.OptimizerAddedToShown = false;
    const auto shownEntryDate = [this]() -> std::optional<QDate> {
        return DTPicker2->isHidden() ? std::nullopt : std::optional<QDate>(DTPicker2->Value());
    };
    auto *window = new LinkProcess(m_game, m_startup, shownEntryDate, m_handed.OptimizerAddedToShown, *this);
    window->Form_Load();
    openToolWindow(this, window, OpenMode::Wait, /*keepEnabled=*/true);
    if (m_handed.OptimizerAddedToShown)
        DTPicker2_Change();
}

void Form1::mnuUpgrade_Click()
{
    // The main window waits, disabled, while the check talks to the server; its window has Cancel.
    auto *window = new UpgradeCheckWindow(*this);
    openToolWindow(this, window, OpenMode::NoWait);
    if (window->run(m_startup.AppFolder)) {
        DeleteEmptyEntryFile(m_files.EntryFile);
        platform::EndProgram();
    }
}

void Form1::mnuHelp_Click()
{
    switch (platform::OpenDocument(m_startup.HelpFile)) {
    case platform::OpenResult::Opened:
        break;
    case platform::OpenResult::NoApplication:
        platform::MsgBox(QStringLiteral("The help file is windows html help. You cannot read files of this type as you "
                                        "have no application to read these file types."));
        break;
    case platform::OpenResult::Failed:
        // Say so rather than do nothing, which would look as if the menu item were broken.
        if (!QFileInfo(m_startup.HelpFile).isFile())
            platform::MsgBox(QStringLiteral("The help file %1 is missing.").arg(m_startup.HelpFile));
        break;
    }
}

void Form1::mnuAbout_Click()
{
    // A box already open takes the caption again and comes to the front; no second box opens.
    if (frmAbout *open = frmAbout::instance()) {
        open->setWindowTitle(QStringLiteral("Vexmora"));
        open->raise();
        open->activateWindow();
        return;
    }
    auto *box = new frmAbout;
    box->Form_Load();
    box->setWindowTitle(QStringLiteral("Vexmora"));
    openToolWindow(this, box, OpenMode::NoWait, true);
}

} // namespace vx
