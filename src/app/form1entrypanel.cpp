#include "app/form1.h"

#include "analysis/form6.h"
#include "entries/editentry.h"
#include "entries/form5.h"
#include "gamedata/boxvalue.h"
#include "gamedata/drawcheck.h"
#include "gamedata/entryfiles.h"
#include "gamedata/numberlines.h"
#include "platform/controls.h"
#include "platform/datepicker.h"
#include "platform/messages.h"
#include "platform/toolwindow.h"
#include "printing/listprinting.h"
#include "wheels/wheelwindow.h"

#include <QAction>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace vx {

void Form1::DTPicker2_Change()
{
    // The panel's own state: the whole window is disabled while a tool window is open.
    if (!Frame5->isEnabledTo(this))
        return;
    DeleteEmptyEntryFile(m_files.EntryFile);
    List2->clear();
    List1->clear();
    Text2->setText(QStringLiteral("0"));
    Text3->setText(QStringLiteral("0"));
    m_files.EntryFile = dataPath(datedEntryFileName(m_game.GameName, DTPicker2->Value(), m_startup.MonthNames));
    listEntryFile();
}

void Form1::listEntryFile()
{
    QStringList lines;
    QString damage;
    if (const FileResult read = readEntryLines(m_files.EntryFile, m_game.BonusTag, &lines, &damage); !read.ok) {
        platform::MsgBox(read.message);
        return;
    }
    const int count = static_cast<int>(lines.size());

    // The whole list goes in at once, with the count box following the last line.
    List1->setUpdatesEnabled(false);
    List1->addItems(lines);
    List1->setUpdatesEnabled(true);
    if (count > 0)
        Text2->setText(QString::number(count));
    if (!damage.isEmpty())
        platform::MsgBox(damage);
}

void Form1::AddEntryLine(
    int16_t b1, int16_t b2, int16_t b3, int16_t b4, int16_t b5, int16_t b6, int16_t b7, int16_t x1, int16_t x2)
{
    List1->addItem(entryLineText({b1, b2, b3, b4, b5, b6, b7, x1, x2}, m_game.BonusTag));
}

void Form1::Command3_Click()
{
    m_files.OpenWheelType = 0;
    DeleteEmptyEntryFile(m_files.EntryFile);
    Command3->hide();
    Text2->setText(QStringLiteral("0"));
    List1->clear();
    List2->clear();
    DTPicker2_Change();
    DTPicker2->show();
}

void Form1::Command4_Click()
{
    const EntryFileKind kind = entryFileKind(m_files.EntryFile);
    const bool standing = kind == EntryFileKind::Standing;
    const bool wheel = kind == EntryFileKind::Wheel;
    if (wheel
        && !platform::AskYesNo(QStringLiteral("Modifying a wheel entry can change the guarantee of the wheel. "
                                              "Are you sure you want to continue?")))
        return;
    const int w = DTPicker2->DayOfWeek();
    if (m_game.DrawDays[static_cast<size_t>(w)] != w
        && !platform::AskYesNo(QStringLiteral("Do you want to create a dated entry for a day that has not been "
                                              "defined as a draw day?")))
        return;

    auto *form = new Form5(m_game, m_files, m_startup.AppFolder, *this);
    form->Form_Load(); // hides the tag box's caption when the game picks no extra
    if (standing) {
        form->setWindowTitle(QStringLiteral("Standing Entry"));
    } else if (wheel) {
        form->setWindowTitle(QStringLiteral("Wheel Entry"));
    } else {
        form->setWindowTitle(m_game.GameName + QStringLiteral(" Entries for") + QLatin1Char(' ')
            + QString::number(DTPicker2->Day()) + QLatin1Char(' ') + MonthName(m_startup.MonthNames, DTPicker2->Month())
            + QLatin1Char(' ') + QString::number(DTPicker2->Year()));
    }
    openToolWindow(this, form, OpenMode::NoWait);
}

void Form1::Command5_Click()
{
    if (entryCountRounded() <= 0) {
        platform::MsgBox(QStringLiteral("There are no entries to delete"));
        return;
    }
    if (namesWheelFile(m_files.EntryFile)
        && !platform::AskYesNo(QStringLiteral("Modifying a wheel entry can change the guarantee of the wheel. Are you "
                                              "sure you want to continue?")))
        return;

    const int n = std::min(entryCountRounded(), static_cast<int>(List1->count()));
    const std::vector<int> selected = platform::selectedRows(List1, n);
    if (selected.empty()) {
        platform::MsgBox(QStringLiteral("You have not selected any entries for deletion."));
        return;
    }
    const QString question = selected.size() == 1
        ? QStringLiteral("Are you sure you want to delete the selected entry?")
        : QStringLiteral("Are you sure you want to delete the %1 selected entries?").arg(selected.size());
    if (!platform::AskYesNo(question))
        return;

    List2->clear();
    Text3->setText(QStringLiteral("0"));
    int remaining = 0;
    const FileResult result = deleteEntries(m_files.EntryFile, selected, &remaining);
    if (!result.ok) {
        platform::MsgBox(result.message);
        return;
    }
    List1->setUpdatesEnabled(false);
    for (auto it = selected.rbegin(); it != selected.rend(); ++it)
        delete List1->takeItem(*it);
    List1->setUpdatesEnabled(true);
    Text2->setText(QString::number(remaining));
    // Only a deletion of every listed entry ends with a word; a partial one ends quietly.
    if (static_cast<int>(selected.size()) == n)
        platform::MsgBox(QStringLiteral("Done"));
}

void Form1::Command6_Click()
{
    if (BoxValue(Text2->text()) == 0) {
        platform::MsgBox(QStringLiteral("There are no entries displayed to edit."));
        return;
    }
    if (namesWheelFile(m_files.EntryFile)
        && !platform::AskYesNo(QStringLiteral("Editing a wheel entry can change the guarantee of the wheel. Are you "
                                              "sure you want to continue?")))
        return;
    const std::vector<int> selected = platform::selectedRows(List1, entryCountRounded());
    if (selected.empty()) {
        platform::MsgBox(QStringLiteral("You have not selected an entry to edit."));
        return;
    }
    if (selected.size() > 1) {
        platform::MsgBox(QStringLiteral("You have more than one entry selected. You must only select one entry at a "
                                        "time for editing."));
        return;
    }
    m_files.EditRecord = static_cast<int16_t>(selected.front() + 1);
    auto *form = new editEntry(m_game, m_files.EntryFile, m_files.EditRecord, *this);
    form->Form_Load();
    // Closing it enables this window again without bringing it to the front.
    openToolWindow(this, form, OpenMode::NoWait, MainWindowWhileOpen::DisabledStaysBehind);
}

void Form1::Command9_Click()
{
    QStringList lines;
    for (int i = 0; i < List1->count(); ++i)
        lines << List1->item(i)->text();
    PrintListCommand(lines);
}

void Form1::Command10_Click()
{
    QStringList lines;
    for (int i = 0; i < List2->count(); ++i)
        lines << List2->item(i)->text();
    PrintListCommand(lines);
}

void Form1::Command12_Click()
{
    if (!anyWinLine(m_game.WinLines)) {
        platform::MsgBox(
            QStringLiteral("You cannot do a history check you have no winning entries defined for ") + m_game.GameName);
        return;
    }
    if (BoxValue(Text2->text()) < 1) {
        platform::MsgBox(QStringLiteral("You do not have any entries listed to check against the draw history!"));
        return;
    }
    NumbersFile history;
    if (!history.open(dataPath(historyFileName(m_game.GameName)))) {
        platform::MsgBox(openFailure(history).message);
        return;
    }
    const int32_t results = history.declaredCount();
    history.close();
    if (results == 0) {
        platform::MsgBox(QStringLiteral("There are no results in the results file - you cannot do a history check!"));
        return;
    }
    auto *form = new Form6(m_game, m_files, m_startup, Text2->text(), *this);
    connect(form, &Form6::historyListFull, this, [this](bool full) { m_startup.HistoryListFull = full; });
    form->Form_Load();
    openToolWindow(this, form, OpenMode::NoWait);
}

void Form1::mnustandcreate_Click()
{
    if (entryFileKind(m_files.EntryFile) == EntryFileKind::Standing) {
        platform::MsgBox(QStringLiteral("Done."));
        return;
    }
    if (entryCountRounded() < 1) {
        platform::MsgBox(QStringLiteral("You do not have any entries displayed to save as a standing entry"));
        return;
    }
    const QString target = dataPath(standingEntryFileName(m_game.GameName));
    if (QFileInfo::exists(target)
        && !platform::AskYesNo(QStringLiteral("You already have a standing for this game. Only one standing entry is "
                                              "allowed per game. Do you want to continue and overwrite your existing "
                                              "file?")))
        return;
    const FileResult copied = copyFileReplacing(m_files.EntryFile, target);
    if (!copied.ok) {
        platform::MsgBox(QStringLiteral("The standing entry was not saved. ") + copied.message);
        return;
    }
    platform::MsgBox(QStringLiteral("Done!"));
}

void Form1::mnuStandOpen_Click()
{
    const QString path = dataPath(standingEntryFileName(m_game.GameName));
    if (!QFileInfo::exists(path)) {
        platform::MsgBox(QStringLiteral("You do not have a standing entry for this game!"));
        return;
    }
    DeleteEmptyEntryFile(m_files.EntryFile);
    m_files.EntryFile = path;
    List1->clear();
    List2->clear();
    Text2->setText(QStringLiteral("0"));
    Text3->setText(QStringLiteral("0"));
    listEntryFile();
    m_files.OpenWheelType = 0;
    Command3->show();
}

void Form1::ShowWheelMenus(int16_t picks)
{
    if (picks < 4 || picks > 7)
        return;
    for (const WheelItem &item : m_wheelItems)
        item.action->setVisible(item.pickSize == picks);
}

void Form1::openWheelItem(size_t index)
{
    if (index >= m_wheelItems.size())
        return;
    const WheelItem &item = m_wheelItems[index];
    m_files.OpenWheelType = item.wheelType;
    openwheel(dataPath(wheelEntryFileName(m_game.GameName, item.suffix)));
}

void Form1::openwheel(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        platform::MsgBox(QStringLiteral("You have not yet created this wheel"));
        m_files.OpenWheelType = 0;
        return;
    }
    List2->clear();
    List1->clear();
    Text2->setText(QStringLiteral("0"));
    Text3->setText(QStringLiteral("0"));
    Command3->show();
    DTPicker2->hide();
    DeleteEmptyEntryFile(m_files.EntryFile);
    m_files.EntryFile = path;
    listEntryFile();
}

void Form1::closeEntryFile()
{
    List1->clear();
    List2->clear();
    Text2->setText(QStringLiteral("0"));
    m_files.OpenWheelType = 0;
    m_files.EntryFile.clear();
}

void Form1::mnuWheelCreate_Click()
{
    DeleteEmptyEntryFile(m_files.EntryFile);
    m_handed.WheelGameName = m_game.GameName;
    m_handed.WheelHistoryName = historyFileName(m_game.GameName);
    m_handed.WheelMaxBall = m_game.MainPool;
    m_handed.WheelListName = m_game.GameName;
    if (m_game.MainDrawn >= 4 && m_game.MainDrawn <= 6)
        m_handed.WheelBonusMode = m_game.BonusPool != 0 ? 1 : 4;
    if (m_game.MainDrawn < 4 || m_game.MainDrawn > 7)
        return;
    // The wheel window does not block: the main window stays disabled until it closes.
    auto *window = new WheelWindow(m_game.MainDrawn, m_startup, m_game, m_handed, m_files, *this);
    openToolWindow(this, window, OpenMode::NoWait);
    window->Form_Load();
}

} // namespace vx
