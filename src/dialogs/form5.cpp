#include "dialogs/form5.h"
#include "platform/controls.h"

#include "app/form1.h"
#include "dialogs/entrychecks.h"
#include "dialogs/suggestions.h"
#include "gamedata/boxvalue.h"
#include "gamedata/entryfiles.h"
#include "gamedata/numberlines.h"
#include "gamedata/numbersfile.h"
#include "gamedata/rnd.h"
#include "gamedata/sharedstate.h"
#include "platform/events.h"
#include "platform/messages.h"
#include "platform/twips.h"

#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace vx {

using platform::placeControl;
using platform::twipsToPixels;

namespace {
int boxLeft(int index)
{
    return 240 + 600 * index;
}

constexpr int ListingIntervalMs = 100;

QString withLeadingBlank(int number)
{
    return QLatin1Char(' ') + QString::number(number);
}
} // namespace

Form5::Form5(QWidget *parent)
    : ToolWindow(parent)
{
    setObjectName(QStringLiteral("Form5"));
    setFixedSize(twipsToPixels(5400), twipsToPixels(3960));

    Frame1 = placeControl(
        new QGroupBox(QStringLiteral("Add Manual Entry"), this), QStringLiteral("Frame1"), 120, 120, 5160, 1800);
    for (int i = 0; i < BoxCount; ++i)
        Text1[static_cast<size_t>(i)]
            = placeControl(new QLineEdit(Frame1), QStringLiteral("Text1(%1)").arg(i), boxLeft(i), 360, 495, 495);
    Label2 = placeControl(new QLabel(QStringLiteral("EB"), Frame1), QStringLiteral("Label2"), 2160, 960, 255, 255);
    Command6 = placeControl(
        new QPushButton(QStringLiteral("Add"), Frame1), QStringLiteral("Command6"), 1320, 1320, 975, 375);
    Command5 = placeControl(
        new QPushButton(QStringLiteral("Clear"), Frame1), QStringLiteral("Command5"), 2520, 1320, 975, 375);

    Frame2 = placeControl(new QGroupBox(QStringLiteral("Add Computer Suggested Entries"), this),
        QStringLiteral("Frame2"), 120, 2040, 5160, 1260);
    Label1 = placeControl(new QLabel(QStringLiteral("Enter No"), Frame2), QStringLiteral("Label1"), 240, 420, 855, 255);
    Text8 = placeControl(new QLineEdit(Frame2), QStringLiteral("Text8"), 1140, 360, 855, 375);
    Option1 = placeControl(
        new QRadioButton(QStringLiteral("Total"), Frame2), QStringLiteral("Option1"), 2160, 300, 1215, 255);
    Option2 = placeControl(
        new QRadioButton(QStringLiteral("Additional"), Frame2), QStringLiteral("Option2"), 2160, 660, 1215, 255);
    Command4
        = placeControl(new QPushButton(QStringLiteral("Add"), Frame2), QStringLiteral("Command4"), 3840, 240, 975, 375);
    Command1 = placeControl(
        new QPushButton(QStringLiteral("Cancel"), Frame2), QStringLiteral("Command1"), 3840, 720, 975, 375);

    Command3 = placeControl(
        new QPushButton(QStringLiteral("Close"), this), QStringLiteral("Command3"), 2212, 3420, 975, 375);

    connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Form5::Form_Load()
{
    Option1->setChecked(true);
    Label2->setText(BonusTag);
    Label2->setVisible(BonusPicked != 0);
    const int shown = MainPicked + BonusPicked;
    for (int i = 0; i < BoxCount; ++i)
        Text1[static_cast<size_t>(i)]->setVisible(i < shown);
    if (BonusPicked == 1 && MainPicked >= 3 && MainPicked <= 7)
        Label2->move(twipsToPixels(boxLeft(MainPicked) + 120), twipsToPixels(960));
}

void Form5::Command6_Click()
{
    const EntryRules rules {MainPicked, BonusPicked, MainPool, BonusPool};
    std::vector<double> boxes;
    for (int i = 0; i < MainPicked + BonusPicked && i < BoxCount; ++i)
        boxes.push_back(BoxValue(Text1[static_cast<size_t>(i)]->text()));
    const int fault = entryFault(EntryWindow::ManualAdd, boxes, rules);
    if (fault != 0) {
        platform::MsgBox(entryFaultMessage(fault));
        return;
    }

    const EntryNumbers entry = buildEntry(boxes, rules);
    const int16_t extra = BonusPicked == 1 && MainPicked >= 3 && MainPicked <= 7 ? entry.bonus : int16_t {0};
    int count = 0;
    const FileResult written = appendEntry(EntryFile, entry.mains, extra, &count);
    if (!written.ok) {
        platform::MsgBox(written.message);
        return;
    }
    Form1 *main = Form1::instance();
    main->Text2->setText(withLeadingBlank(count));
    const auto &m = entry.mains;
    main->AddEntryLine(m[0], m[1], m[2], m[3], m[4], m[5], m[6], extra, 0);
    // The boxes keep what was typed, so that a similar entry needs only a change or two.
}

void Form5::Command5_Click()
{
    for (QLineEdit *box : Text1)
        box->clear();
}

void Form5::Command3_Click()
{
    Form1 *main = Form1::instance();
    // The last check no longer matches the entries.
    main->List2->clear();
    main->Text3->setText(QStringLiteral("0"));
    enableMainWindow();
    unload();
}

void Form5::titleBarClose()
{
    if (!m_running)
        Command3_Click();
}

void Form5::Command1_Click()
{
    StopFlag = true;
}

void Form5::setRunButtonsEnabled(bool enabled)
{
    for (QPushButton *button : {Command3, Command4, Command5, Command6})
        button->setEnabled(enabled);
}

void Form5::Command4_Click()
{
    Form1 *main = Form1::instance();
    const double requested = BoxValue(Text8->text());
    if (requested < 1) {
        platform::MsgBox(checkSuggestionRequest(requested, Option1->isChecked(), 0, 0).refusal);
        return;
    }

    SuggestionRun run;
    if (const FileResult opened = run.openEntries(EntryFile); !opened.ok) {
        platform::MsgBox(opened.message);
        return;
    }
    const SuggestionRequest request
        = checkSuggestionRequest(requested, Option1->isChecked(), BoxValue(main->Text2->text()), run.entryCount());
    if (!request.ok()) {
        platform::MsgBox(request.refusal);
        return;
    }

    m_running = true;
    setRunButtonsEnabled(false);
    RandomizeFromTime();
    const QString historyPath = HistoryFile.isEmpty() ? dataPath(historyFileName(GameName)) : HistoryFile;
    if (const FileResult opened = run.openHistory(historyPath, {MainDrawn, MainPool, BonusPool}); !opened.ok) {
        platform::MsgBox(opened.message);
        run.close();
        setRunButtonsEnabled(true);
        m_running = false;
        return;
    }

    // The list lays itself out again after every change it sees, which with thousands of lines
    // costs more than finding the entries; so lines go into it in batches, a few times a second,
    // while the count box follows every entry.
    QStringList pendingLines;
    QElapsedTimer sinceListed;
    sinceListed.start();
    const auto listPending = [&] {
        if (!pendingLines.isEmpty())
            main->List1->addItems(pendingLines);
        pendingLines.clear();
        sinceListed.restart();
    };

    // While candidates keep failing, the message loop is still served so that Cancel works.
    const auto keepGoing = [] {
        platform::DoEvents();
        return !StopFlag;
    };
    for (int k = 1; k <= request.toAdd; ++k) {
        Candidate c {};
        const SuggestionRun::Turn turn = run.nextEntry(keepGoing, &c);
        if (turn == SuggestionRun::Turn::Accepted) {
            main->Text2->setText(withLeadingBlank(run.entryCount()));
            pendingLines << entryLineText(c, BonusTag);
            if (sinceListed.elapsed() >= ListingIntervalMs)
                listPending();
            platform::DoEvents();
            if (StopFlag) {
                StopFlag = false;
                break;
            }
            continue;
        }
        listPending(); // the list is complete before any message
        if (turn == SuggestionRun::Turn::Stopped) {
            StopFlag = false;
        } else if (turn == SuggestionRun::Turn::Exhausted) {
            platform::MsgBox(QStringLiteral("No further entry can be suggested: every new combination shares too "
                                            "many numbers with an entry already in the file. %1 of the %2 entries "
                                            "asked for were added.")
                                 .arg(k - 1)
                                 .arg(request.toAdd));
        } else {
            platform::MsgBox(run.failure().message);
        }
        break;
    }
    run.close();
    listPending();
    setRunButtonsEnabled(true);
    m_running = false;
}

} // namespace vx
