#include "analysis/form6.h"

#include "analysis/historycheck.h"
#include "gamedata/entryfiles.h"
#include "gamedata/numbersfile.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/datepicker.h"
#include "platform/messages.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <tuple>

namespace vx {

using platform::buildFrame;
using platform::placeButton;
using platform::placeControl;
using platform::placeFrame;
using platform::TwipsSize;
using platform::twipsToPixels;

namespace {
constexpr int ClientWidth = 9975;
constexpr int ClientHeight = 6915;

int rowTop(int k)
{
    return 300 + 300 * (k - 1);
}

// The date of a history record, or today when its fields name no calendar date.
QDate recordDate(const NumbersRecord &record)
{
    const QDate date(record.year, record.month, record.day);
    return date.isValid() ? date : platform::CurrentDate();
}
} // namespace

Form6::Form6(const CurrentGame &game, const MainWindowFiles &files, const StartupValues &startup,
    const QString &entryCountText, MainWindowLink &main, QWidget *parent)
    : ToolWindow(parent)
    , m_game(game)
    , m_entryFile(files.EntryFile)
    , m_historyFile(
          files.HistoryFile.isEmpty() ? dataPath(startup.AppFolder, historyFileName(game.GameName)) : files.HistoryFile)
    , m_monthNames(startup.MonthNames)
    , m_entryCountText(entryCountText)
    , m_main(main)
{
    buildFrame(
        this, QStringLiteral("Form6"), QStringLiteral("History Check"), TwipsSize::client(ClientWidth, ClientHeight));

    const auto datePicker
        = [this](const QString &caption, const char *frameName, const char *pickerName, int left, const QString &tip) {
              auto *frame = placeFrame(this, caption, frameName, left, 120, 3135, 735);
              auto *picker = placeControl(new platform::DatePicker(frame), pickerName, 120, 300, 2895, 330);
              picker->setToolTip(tip);
              picker->setAccessibleName(caption);
              return std::pair(frame, picker);
          };
    std::tie(Frame1, DTPicker1) = datePicker(QStringLiteral("Start Date"), "Frame1", "DTPicker1", 120,
        QStringLiteral("Set month and year for the start of the check"));
    std::tie(Frame2, DTPicker2) = datePicker(QStringLiteral("End Date"), "Frame2", "DTPicker2", 3375,
        QStringLiteral("Set month and year for the end of the check"));

    const auto button = [this](QWidget *parent, const QString &caption, const char *name, int left, int top,
                            const QString &tip, void (Form6::*handler)()) {
        auto *b = placeButton(this, parent, caption, name, left, top, 975, 375, handler);
        b->setToolTip(tip);
        return b;
    };
    Command2 = button(this, QStringLiteral("Check"), "Command2", 6720, 300,
        QStringLiteral("Starts the checking process"), &Form6::Command2_Click);
    Command3 = button(this, QStringLiteral("Cancel"), "Command3", 7800, 300, QString(), &Form6::Command3_Click);
    Command1 = button(this, QStringLiteral("Close"), "Command1", 8880, 300, QStringLiteral("Closes this form"),
        &Form6::Command1_Click);

    Frame3 = placeFrame(this, QStringLiteral("Winning Entries"), QStringLiteral("Frame3"), 120, 960, 9735, 5460);
    QFont font = platform::listFont();
    font.setPointSize(12);
    for (int p = 0; p < 4; ++p) {
        QListWidget *list
            = placeControl(new QListWidget(Frame3), QStringLiteral("List1(%1)").arg(p), 120, 300, 6600, 4500);
        list->setFont(font);
        list->setAccessibleName(Frame3->title());
        list->setVisible(p == 1);
        List1[static_cast<size_t>(p)] = list;
    }
    for (int k = 1; k <= 15; ++k) {
        Label[static_cast<size_t>(k)]
            = placeControl(new QLabel(Frame3), QStringLiteral("Label%1").arg(k), 6840, rowTop(k) + 15, 1440, 255);
        Text[static_cast<size_t>(k)]
            = placeControl(new QLineEdit(Frame3), QStringLiteral("Text%1").arg(k), 8400, rowTop(k), 1095, 285);
    }
    Command5 = button(Frame3, QStringLiteral("Back..."), "Command5", 120, 4920,
        QStringLiteral("Use this button to page to the previous 32000 entries, if any"), &Form6::Command5_Click);
    Command4 = button(Frame3, QStringLiteral("More..."), "Command4", 1215, 4920,
        QStringLiteral("Use this button to page to the next 32000 entries, if any"), &Form6::Command4_Click);
    Label[16] = placeControl(new QLabel(Frame3), "Label16", 2400, 4980, 7215, 255);
    ProgressBar1 = placeControl(new QProgressBar(this), "ProgressBar1", 120, 6540, 9735, 255);
    ProgressBar1->setTextVisible(false);
}

void Form6::Form_Load()
{
    ListLimit = HistoryListLimit;
    NumbersFile history;
    const bool opened = history.open(m_historyFile);
    const QDate today = platform::CurrentDate();
    DTPicker2->setValue(today);
    DTPicker1->setValue(opened && history.declaredCount() != 0 ? recordDate(history.read(1)) : today);
    history.close();
    setWindowTitle(QStringLiteral("History Check Against ") + m_game.GameName + QStringLiteral(" Entry"));
}

void Form6::clearresults()
{
    for (QListWidget *list : List1)
        list->clear();
    showPage(1);
    for (int k = 1; k <= 15; ++k)
        Text[static_cast<size_t>(k)]->clear();
    Label[16]->clear();
}

void Form6::showPage(int visible)
{
    // The page coming into view first, so that the frame never stands empty.
    List1[static_cast<size_t>(visible)]->setVisible(true);
    for (int p = 0; p < 4; ++p)
        if (p != visible)
            List1[static_cast<size_t>(p)]->setVisible(false);
}

void Form6::finishRange()
{
    clearresults();
    Command2->setEnabled(true);
    Command1->setEnabled(true);
    Label[16]->setText(QStringLiteral("No results in specified date range"));
}

void Form6::Command2_Click()
{
    emit historyListFull(false);
    ListPage = 0;
    Command1->setEnabled(false);
    Command2->setEnabled(false);
    for (int k = 1; k <= 15; ++k) {
        const bool shown = m_game.WinLines[static_cast<size_t>(k)] == 1;
        QLabel *label = Label[static_cast<size_t>(k)];
        label->setVisible(shown);
        Text[static_cast<size_t>(k)]->setVisible(shown);
        if (shown) {
            label->setText(historyTotalLabel(k, m_game.BonusTag));
            Text[static_cast<size_t>(k)]->setAccessibleName(label->text());
        }
    }

    NumbersFileRead history;
    const FileResult historyRead = readNumbersFile(m_historyFile, &history);
    const HistoryRange range = historyRange(history.records, DTPicker1->Value(), DTPicker2->Value());
    if (range.outcome == HistoryRange::Outcome::StartAfterEnd) {
        platform::MsgBox(QStringLiteral("Your start date must be before your end date"));
        clearresults();
        Command1->setEnabled(true);
        Command2->setEnabled(true);
        return;
    }
    if (!historyRead.ok) {
        platform::MsgBox(historyRead.message);
        Command1->setEnabled(true);
        Command2->setEnabled(true);
        return;
    }
    if (range.outcome == HistoryRange::Outcome::NoHistory) {
        platform::MsgBox(QStringLiteral("Cannot do a history check as there are no results in the history file"));
        Command1->setEnabled(true);
        return;
    }
    if (range.outcome == HistoryRange::Outcome::NoDrawsInRange) {
        finishRange();
        return;
    }
    clearresults();

    // The entries are read once for the whole range; the main window stays disabled meanwhile, so
    // the file cannot change under the check.
    NumbersFileRead entryRead;
    if (const FileResult read = readNumbersFile(m_entryFile, &entryRead); !read.ok) {
        platform::MsgBox(read.message);
        Command1->setEnabled(true);
        Command2->setEnabled(true);
        return;
    }
    for (const NumbersFileRead *read : {&history, &entryRead})
        if (read->damaged)
            platform::MsgBox(read->damageMessage());

    const int draws = range.last - range.first + 1;
    ProgressBar1->setRange(0, std::max(draws, 1));
    ProgressBar1->setValue(0);
    Label[16]->setText(QStringLiteral("Check ") + m_entryCountText + QStringLiteral(" entries against ")
        + QString::number(draws) + QStringLiteral(" results."));

    const HistoryRules rules = HistoryRules::fromGame(m_game);
    const HistoryEntries entries(entryRead.records, rules);
    HistoryCheck check(entries, rules, ListLimit);
    HistoryCheckSteps steps(check, history.records, range, m_monthNames);
    platform::LongRunDriver::Reports reports;
    reports.eachStep = [&] {
        ListPage = check.ListPage();
        if (check.takePageSwitches() > 0) {
            List1[0]->setVisible(true);
            List1[1]->setVisible(false);
        }
        ProgressBar1->setValue(steps.done());
    };
    reports.batch = [&] {
        for (int p = 0; p < 4; ++p) {
            const QStringList lines = check.takeLines(p);
            if (!lines.isEmpty())
                List1[static_cast<size_t>(p)]->addItems(lines);
        }
    };
    m_driver.run(steps, reports);

    ProgressBar1->setValue(0);
    Command1->setEnabled(true);
    Command2->setEnabled(true);
    for (int k = 1; k <= 15; ++k)
        Text[static_cast<size_t>(k)]->setText(QString::number(check.WinTotals()[static_cast<size_t>(k)], 'f', 0));
    List1[0]->setVisible(true);
    List1[1]->setVisible(false);
    emit historyListFull(check.HistoryListFull());
    if (check.HistoryListFull())
        platform::MsgBox(QStringLiteral(
            "Please note that not all the entries have been displayed in the list on the left. This is due to there "
            "being 131000 entries which is the limit. However the summary on the right has been completed. If you "
            "want details of the missing items you should change the your search dates."));
}

void Form6::Command3_Click()
{
    // Only a check that is running stops; a Cancel between checks is forgotten.
    if (m_driver.isRunning())
        m_driver.cancel();
}

void Form6::Command4_Click()
{
    for (int p = 0; p < 3; ++p) {
        if (List1[static_cast<size_t>(p)]->isVisibleTo(this)) {
            if (ListPage > p) {
                List1[static_cast<size_t>(p)]->setVisible(false);
                List1[static_cast<size_t>(p + 1)]->setVisible(true);
                return;
            }
        }
    }
}

void Form6::Command5_Click()
{
    if (List1[0]->isVisibleTo(this))
        return;
    for (int p = 1; p < 4; ++p) {
        if (List1[static_cast<size_t>(p)]->isVisibleTo(this)) {
            List1[static_cast<size_t>(p)]->setVisible(false);
            List1[static_cast<size_t>(p - 1)]->setVisible(true);
            return;
        }
    }
}

void Form6::Command1_Click()
{
    unload();
}

void Form6::titleBarClose()
{
    if (Command1->isEnabled())
        Command1_Click();
}

} // namespace vx
