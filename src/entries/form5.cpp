#include "entries/form5.h"
#include "platform/controls.h"

#include "entries/entrychecks.h"
#include "entries/suggestions.h"
#include "gamedata/boxvalue.h"
#include "gamedata/entryfiles.h"
#include "gamedata/numberlines.h"
#include "gamedata/numbersfile.h"
#include "gamedata/rnd.h"
#include "platform/messages.h"
#include "platform/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace vx {

using platform::buildFrame;
using platform::placeButton;
using platform::placeControl;
using platform::placeFrame;
using platform::TwipsSize;
using platform::twipsToPixels;

namespace {
int boxLeft(int index)
{
    return 240 + 600 * index;
}

} // namespace

Form5::Form5(const CurrentGame &game, const MainWindowFiles &files, const QString &appFolder, MainWindowLink &main,
    QWidget *parent)
    : ToolWindow(parent)
    , m_game(game)
    , m_entryFile(files.EntryFile)
    , m_historyFile(
          files.HistoryFile.isEmpty() ? dataPath(appFolder, historyFileName(game.GameName)) : files.HistoryFile)
    , m_main(main)
{
    // The caption names what is added to; the opener gives it.
    buildFrame(this, QStringLiteral("Form5"), QString(), TwipsSize::client(5400, 3960));

    Frame1 = placeFrame(this, QStringLiteral("Add Manual Entry"), QStringLiteral("Frame1"), 120, 120, 5160, 1800);
    for (int i = 0; i < BoxCount; ++i)
        Text1[static_cast<size_t>(i)]
            = placeControl(new QLineEdit(Frame1), QStringLiteral("Text1(%1)").arg(i), boxLeft(i), 360, 495, 495);
    Label2 = placeControl(new QLabel(QStringLiteral("EB"), Frame1), QStringLiteral("Label2"), 2160, 960, 255, 255);
    Command6 = placeButton(
        this, Frame1, QStringLiteral("Add"), QStringLiteral("Command6"), 1320, 1320, 975, 375, &Form5::Command6_Click);
    Command5 = placeButton(this, Frame1, QStringLiteral("Clear"), QStringLiteral("Command5"), 2520, 1320, 975, 375,
        &Form5::Command5_Click);

    Frame2 = placeFrame(
        this, QStringLiteral("Add Computer Suggested Entries"), QStringLiteral("Frame2"), 120, 2040, 5160, 1260);
    Label1 = placeControl(new QLabel(QStringLiteral("Enter No"), Frame2), QStringLiteral("Label1"), 240, 420, 855, 255);
    Text8 = placeControl(new QLineEdit(Frame2), QStringLiteral("Text8"), 1140, 360, 855, 375);
    Text8->setAccessibleName(QStringLiteral("Enter No"));
    Option1 = placeControl(
        new QRadioButton(QStringLiteral("Total"), Frame2), QStringLiteral("Option1"), 2160, 300, 1575, 255);
    Option2 = placeControl(
        new QRadioButton(QStringLiteral("Additional"), Frame2), QStringLiteral("Option2"), 2160, 660, 1575, 255);
    Command4 = placeButton(
        this, Frame2, QStringLiteral("Add"), QStringLiteral("Command4"), 3840, 240, 975, 375, &Form5::Command4_Click);
    Command1 = placeButton(this, Frame2, QStringLiteral("Cancel"), QStringLiteral("Command1"), 3840, 720, 975, 375,
        &Form5::Command1_Click);

    Command3 = placeButton(
        this, this, QStringLiteral("Close"), QStringLiteral("Command3"), 2212, 3420, 975, 375, &Form5::Command3_Click);
}

void Form5::Form_Load()
{
    Option1->setChecked(true);
    const int mainPicked = m_game.MainPicked;
    const int bonusPicked = m_game.BonusPicked;
    Label2->setText(m_game.BonusTag);
    Label2->setVisible(bonusPicked != 0);
    const int shown = mainPicked + bonusPicked;
    for (int i = 0; i < BoxCount; ++i) {
        Text1[static_cast<size_t>(i)]->setVisible(i < shown);
        Text1[static_cast<size_t>(i)]->setAccessibleName(numberBoxName(i, m_game.entryRules()));
    }
    if (bonusPicked == 1 && mainPicked >= 3 && mainPicked <= 7)
        Label2->move(twipsToPixels(boxLeft(mainPicked) + 120), twipsToPixels(960));
}

void Form5::Command6_Click()
{
    const EntryRules rules = m_game.entryRules();
    std::vector<double> boxes;
    for (int i = 0; i < rules.mainPicked + rules.bonusPicked && i < BoxCount; ++i)
        boxes.push_back(BoxValue(Text1[static_cast<size_t>(i)]->text()));
    const int fault = entryFault(EntryWindow::ManualAdd, boxes, rules);
    if (fault != 0) {
        platform::MsgBox(entryFaultMessage(fault));
        return;
    }

    const EntryNumbers entry = buildEntry(boxes, rules);
    const int16_t extra
        = rules.bonusPicked == 1 && rules.mainPicked >= 3 && rules.mainPicked <= 7 ? entry.bonus : int16_t {0};
    int count = 0;
    const FileResult written = appendEntry(m_entryFile, entry.mains, extra, &count);
    if (!written.ok) {
        platform::MsgBox(written.message);
        return;
    }
    m_main.setEntryCount(count);
    const auto &m = entry.mains;
    m_main.appendEntryLines({entryLineText({m[0], m[1], m[2], m[3], m[4], m[5], m[6], extra, 0}, m_game.BonusTag)});
    // The boxes keep what was typed, so that a similar entry needs only a change or two.
}

void Form5::Command5_Click()
{
    for (QLineEdit *box : Text1)
        box->clear();
}

void Form5::Command3_Click()
{
    // The last check no longer matches the entries.
    m_main.clearWinningLines();
    unload();
}

void Form5::titleBarClose()
{
    if (!m_driver.isRunning())
        Command3_Click();
}

void Form5::Command1_Click()
{
    m_driver.cancel();
}

void Form5::setRunButtonsEnabled(bool enabled)
{
    for (QPushButton *button : {Command3, Command4, Command5, Command6})
        button->setEnabled(enabled);
}

void Form5::Command4_Click()
{
    const double requested = BoxValue(Text8->text());
    if (requested < 1) {
        platform::MsgBox(checkSuggestionRequest(requested, Option1->isChecked(), 0, 0).refusal);
        return;
    }

    SuggestionRun run;
    if (const FileResult opened = run.openEntries(m_entryFile); !opened.ok) {
        platform::MsgBox(opened.message);
        return;
    }
    const SuggestionRequest request
        = checkSuggestionRequest(requested, Option1->isChecked(), m_main.entryCountShown(), run.entryCount());
    if (!request.ok()) {
        platform::MsgBox(request.refusal);
        return;
    }

    setRunButtonsEnabled(false);
    RandomizeFromTime();
    if (const FileResult opened = run.openHistory(m_historyFile, m_game.suggestionGame()); !opened.ok) {
        platform::MsgBox(opened.message);
        run.close();
        setRunButtonsEnabled(true);
        return;
    }

    // Entries come thousands a second. The list and the count box take them in batches, a few
    // times a second, and the run serves the message loop every few hundredths of a second rather
    // than after every entry: drawing the box and the list again and again, and looking for events
    // each time, would take far longer than finding the entries. Cancel still stops the run after
    // the entry in hand, well within a tenth of a second.
    SuggestionSteps steps(run, request.toAdd);
    QStringList pendingLines;
    platform::LongRunDriver::Reports reports;
    reports.eachStep = [&] {
        if (const std::optional<Candidate> &entry = steps.lastAccepted())
            pendingLines << entryLineText(*entry, m_game.BonusTag);
    };
    reports.batch = [&] {
        if (pendingLines.isEmpty())
            return;
        m_main.setEntryCount(run.entryCount());
        m_main.appendEntryLines(pendingLines);
        pendingLines.clear();
    };
    m_driver.setYieldInterval(20);
    m_driver.run(steps, reports);
    run.close();

    if (steps.lastTurn() == SuggestionRun::Turn::Exhausted) {
        platform::MsgBox(QStringLiteral("No further entry can be suggested: every new combination shares too many "
                                        "numbers with an entry already in the file. %1 of the %2 entries asked for "
                                        "were added.")
                             .arg(steps.added())
                             .arg(request.toAdd));
    } else if (steps.lastTurn() == SuggestionRun::Turn::WriteFailed) {
        platform::MsgBox(run.failure().message);
    }
    setRunButtonsEnabled(true);
}

} // namespace vx
