#include "analysis/linkprocess.h"

#include "gamedata/entryfiles.h"
#include "gamedata/numbersfile.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/datepicker.h"
#include "platform/messages.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace vx {

using platform::buildFrame;
using platform::placeButton;
using platform::placeControl;
using platform::placeFrame;
using platform::setFrameCaption;
using platform::TwipsSize;
using platform::twipsToPixels;

namespace {
QString rangeCaption(const QString &drawCountText)
{
    return QStringLiteral("Enter number from 1 to ") + drawCountText;
}
} // namespace

LinkProcess::LinkProcess(const CurrentGame &game, const StartupValues &startup, MainWindowLink &main, QWidget *parent)
    : ToolWindow(parent)
    , m_game(game)
    , m_appFolder(startup.AppFolder)
    , m_monthNames(startup.MonthNames)
    , m_historyFile(dataPath(startup.AppFolder, historyFileName(game.GameName)))
    , m_main(main)
{
    buildFrame(this, QStringLiteral("LinkProcess"), QStringLiteral("Optimizer"), TwipsSize::client(4335, 3375));

    Frame1 = placeFrame(this, QStringLiteral("Select Process Range"), QStringLiteral("Frame1"), 120, 120, 4095, 780);
    Label2 = placeControl(new QLabel(QStringLiteral("Last"), Frame1), QStringLiteral("Label2"), 240, 405, 615, 255);
    Text1 = placeControl(new QLineEdit(Frame1), QStringLiteral("Text1"), 960, 360, 975, 315);
    Text1->setAccessibleName(QStringLiteral("Last Draws"));
    Label3 = placeControl(new QLabel(QStringLiteral("Draws"), Frame1), QStringLiteral("Label3"), 2040, 405, 855, 255);
    Command1 = placeButton(this, this, QStringLiteral("Process Range"), QStringLiteral("Command1"), 120, 1020, 4095,
        375, &LinkProcess::Command1_Click);
    Label1 = placeControl(
        new QLabel(QStringLiteral("Select Entry Date"), this), QStringLiteral("Label1"), 120, 1515, 4095, 255);
    DTPicker1 = placeControl(new platform::DatePicker(this), QStringLiteral("DTPicker1"), 120, 1800, 4095, 330);
    DTPicker1->setAccessibleName(Label1->text());
    Command2 = placeButton(this, this, QStringLiteral("Create Entries for Selected Date"), QStringLiteral("Command2"),
        120, 2250, 4095, 375, &LinkProcess::Command2_Click);
    Command3 = placeButton(this, this, QStringLiteral("Close"), QStringLiteral("Command3"), 1680, 2820, 975, 375,
        &LinkProcess::Command3_Click);
    connect(Text1, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
}

void LinkProcess::Form_Load()
{
    setWindowTitle(QStringLiteral("Optimizer for ") + m_game.GameName);
    NumbersFile history;
    const bool opened = history.open(m_historyFile);
    DrawCountText = QString::number(opened ? history.usableCount() : 0);
    history.close();
    setFrameCaption(Frame1, rangeCaption(DrawCountText));
    OptimizerProcessed = false;
    OptimizerCreated = false;
    Command2->setEnabled(false);
    DTPicker1->setValue(platform::CurrentDate());
}

void LinkProcess::Text1_Change()
{
    // A changed range must be processed before entries are made from it.
    Command2->setEnabled(false);
}

void LinkProcess::setButtonsEnabled(bool enabled)
{
    for (QPushButton *button : {Command1, Command3})
        button->setEnabled(enabled);
    Text1->setEnabled(enabled);
}

void LinkProcess::Command1_Click()
{
    // The counts of an earlier range are gone from here on; Create waits for the new ones.
    m_tables.clear();
    Command2->setEnabled(false);
    if (Text1->text().isEmpty()) {
        platform::MsgBox(processRange(Text1->text(), 0).refusal());
        return;
    }

    NumbersFileRead history;
    if (const FileResult read = readNumbersFile(m_historyFile, &history); !read.ok) {
        platform::MsgBox(read.message);
        return;
    }
    const int drawCount = static_cast<int>(history.records.size());
    DrawCountText = QString::number(drawCount);
    setFrameCaption(Frame1, rangeCaption(DrawCountText));
    if (history.damaged)
        platform::MsgBox(history.damageMessage());
    const ProcessRange range = processRange(Text1->text(), drawCount);
    if (range.outcome != ProcessRange::Outcome::Draws) {
        platform::MsgBox(range.refusal());
        return;
    }

    platform::MsgBox(QStringLiteral("Last ") + Text1->text() + QStringLiteral(" draws have been link processed"));
    OptimizerProcessed = true;
    OptimizerCreated = false;
    const std::vector<NumbersRecord> draws(
        history.records.begin() + (range.first - 1), history.records.begin() + range.last);
    LinkCountSteps steps(OptimizerGame::of(m_game), draws, m_tables);
    setButtonsEnabled(false);
    m_driver.run(steps);
    setButtonsEnabled(true);
    Command2->setEnabled(steps.finished());
}

void LinkProcess::Command2_Click()
{
    const QDate date = DTPicker1->Value();
    emit creatingEntriesFor(date);

    const QString target = dataPath(m_appFolder, datedEntryFileName(m_game.GameName, date, m_monthNames));
    int existing = 0;
    if (const FileResult counted = optimizerTargetCount(target, &existing); !counted.ok) {
        platform::MsgBox(counted.message);
        return;
    }
    if (existing > 0
        && !platform::AskYesNo(QStringLiteral("You already have a date entry for this date, do you want to add the "
                                              "new optimised entry to the existing entry?")))
        return;

    const std::vector<OptimizedEntry> entries = buildOptimizedEntries(m_tables, OptimizerGame::of(m_game));
    if (const FileResult written = appendOptimizedEntries(target, entries, date); !written.ok) {
        platform::MsgBox(written.message);
        return;
    }
    platform::MsgBox(QStringLiteral("Done - %1 entries added to draw %2")
                         .arg(qsizetype(entries.size()))
                         .arg(QLocale::system().toString(date, QLocale::ShortFormat)));
    OptimizerCreated = true;
}

void LinkProcess::Command3_Click()
{
    if (OptimizerProcessed && !OptimizerCreated
        && !platform::AskYesNo(QStringLiteral("You have not yet created an entry from the last initiation of Process "
                                              "Range. Do you still want to quit?")))
        return;
    unload();
}

void LinkProcess::titleBarClose()
{
    if (!m_driver.isRunning())
        Command3_Click();
}

} // namespace vx
