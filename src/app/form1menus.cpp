#include "app/form1.h"

#include "analysis/form12.h"
#include "analysis/form4.h"
#include "analysis/linkprocess.h"
#include "entries/form3.h"
#include "entries/form30.h"
#include "entries/form8.h"
#include "entries/frmabout.h"
#include "gamedata/entryfiles.h"
#include "gamedata/gamedefinition.h"
#include "gamesetup/form14.h"
#include "online/form10.h"
#include "online/rdl.h"
#include "online/upgradewindow.h"
#include "pickdigits/picky34.h"
#include "platform/busycursor.h"
#include "platform/datepicker.h"
#include "platform/desktop.h"
#include "platform/events.h"
#include "platform/messages.h"
#include "platform/toolwindow.h"
#include "printing/form11.h"
#include "slips/configure.h"
#include "slips/slipprinting.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace vx {

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
    // The wait ends when the window closes or saves the game; after a save it stays open and this
    // window stays disabled until it closes.
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
    const QDate shown = DTPicker2->Value();
    auto *window = new Form30(m_game, m_startup, shown, *this);
    bool importedToShown = false;
    connect(window, &Form30::entriesAdded, window, [&](const QDate &date) { importedToShown = date == shown; });
    window->Form_Load();
    openToolWindow(this, window, OpenMode::Wait);
    if (importedToShown)
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
    if (!m_pickWindow)
        keepWhileOpen(
            m_pickWindow, new Picky34(m_handed.PickType, m_startup.PrintingEnabled, m_startup.AppFolder, *this));
    m_pickWindow->setWindowTitle(QStringLiteral("Pick %1").arg(pickType));
    openToolWindow(this, m_pickWindow, OpenMode::NoWait);
}

void Form1::mnuOptCreate_Click()
{
    // One optimizer at a time: the menu stays live while it is open.
    if (m_optimizer) {
        m_optimizer->raise();
        m_optimizer->activateWindow();
        return;
    }
    auto *window = keepWhileOpen(m_optimizer, new LinkProcess(m_game, m_startup, *this));
    // The main window stays enabled, so the date it lists is looked at when the entries are created.
    bool addedToShown = false;
    connect(window, &LinkProcess::creatingEntriesFor, window, [&](const QDate &date) {
        if (!DTPicker2->isHidden() && DTPicker2->Value() == date)
            addedToShown = true;
    });
    window->Form_Load();
    openToolWindow(this, window, OpenMode::Wait, MainWindowWhileOpen::Enabled);
    if (addedToShown)
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
    if (m_about) {
        m_about->setWindowTitle(QStringLiteral("Vexmora"));
        m_about->raise();
        m_about->activateWindow();
        return;
    }
    auto *box = keepWhileOpen(m_about, new frmAbout);
    box->Form_Load();
    box->setWindowTitle(QStringLiteral("Vexmora"));
    openToolWindow(this, box, OpenMode::NoWait, MainWindowWhileOpen::LeftAlone);
}

} // namespace vx
