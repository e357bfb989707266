#include "app/form1.h"

#include "gamedata/entryfiles.h"
#include "gamedata/filemessages.h"
#include "gamedata/gamedefinition.h"
#include "gamedata/monthnames.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/datepicker.h"
#include "platform/desktop.h"
#include "platform/events.h"
#include "platform/localemonths.h"
#include "platform/messages.h"
#include "platform/twips.h"
#include "printing/printers.h"

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

using platform::setFrameCaption;
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
    setFrameCaption(Frame5, QStringLiteral("My Enties for ") + m_game.GameName);
    setFrameCaption(Frame3, QStringLiteral("Draw Date for ") + m_game.GameName);
    setFrameCaption(Frame6, QStringLiteral("Winning Lines for ") + m_game.GameName);
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

} // namespace vx
