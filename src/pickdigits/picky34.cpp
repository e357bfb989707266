#include "pickdigits/picky34.h"

#include "gamedata/filemessages.h"
#include "gamedata/rnd.h"
#include "gamedata/sharedstate.h"
#include "pickdigits/pickfile.h"
#include "platform/controls.h"
#include "platform/messages.h"
#include "platform/twips.h"
#include "printing/listprinting.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

namespace vx {

using platform::buildFrame;
using platform::listFont;
using platform::placeButton;
using platform::placeControl;
using platform::placeFrame;
using platform::TwipsSize;
using platform::twipsToPixels;

namespace {
// A row of four one-digit boxes named like "Text1(0)" ... "Text1(3)".
std::array<QLineEdit *, 4> digitBoxes(QWidget *parent, const QString &name, const QString &spoken, int top)
{
    std::array<QLineEdit *, 4> boxes {};
    for (int i = 0; i < 4; ++i) {
        auto *box = placeControl(
            new QLineEdit(parent), QStringLiteral("%1(%2)").arg(name).arg(i), 120 + 450 * i, top, 375, 375);
        box->setAccessibleName(spoken.arg(i + 1));
        box->setMaxLength(1);
        box->setAlignment(Qt::AlignCenter);
        boxes[static_cast<size_t>(i)] = box;
    }
    return boxes;
}
} // namespace

Picky34::Picky34(int pickType, bool printingEnabled, const QString &appFolder, MainWindowLink &main, QWidget *parent)
    : ToolWindow(parent, Qt::Window)
    , m_requestedPickType(pickType)
    , m_printingEnabled(printingEnabled)
    , m_appFolder(appFolder)
    , m_main(main)
{
    buildFrame(this, QStringLiteral("Picky34"), QStringLiteral("Pick %1").arg(pickType), TwipsSize::client(5430, 5400));
    buildControls();
    Form_Load();
}

void Picky34::buildControls()
{
    // The lines, with Delete and Save under them.
    Label1 = placeControl(new QLabel(QStringLiteral("My Lines"), this), QStringLiteral("Label1"), 120, 120, 2295, 255);
    List1 = placeControl(new QListWidget(this), QStringLiteral("List1"), 120, 390, 2295, 4335);
    List1->setSelectionMode(QAbstractItemView::MultiSelection);
    List1->setFont(listFont());
    Command2 = placeButton(this, this, QStringLiteral("Delete"), QStringLiteral("Command2"), 120, 4860, 1095, 375,
        &Picky34::Command2_Click);
    Command5 = placeButton(this, this, QStringLiteral("Save"), QStringLiteral("Command5"), 1320, 4860, 1095, 375,
        &Picky34::Command5_Click);

    // A typed line.
    Frame1 = placeFrame(this, QStringLiteral("Enter a Line"), QStringLiteral("Frame1"), 2535, 120, 2775, 855);
    Text1 = digitBoxes(Frame1, QStringLiteral("Text1"), QStringLiteral("Line digit %1"), 330);
    Command1 = placeButton(
        this, Frame1, QStringLiteral("Add"), QStringLiteral("Command1"), 1920, 330, 735, 375, &Picky34::Command1_Click);

    // Random lines.
    Frame2 = placeFrame(this, QStringLiteral("Random Lines"), QStringLiteral("Frame2"), 2535, 1080, 2775, 855);
    Label2 = placeControl(new QLabel(QStringLiteral("Lines"), Frame2), QStringLiteral("Label2"), 120, 390, 600, 255);
    Text3 = placeControl(new QLineEdit(QStringLiteral("1"), Frame2), QStringLiteral("Text3"), 780, 330, 735, 375);
    Command3 = placeButton(this, Frame2, QStringLiteral("Generate"), QStringLiteral("Command3"), 1620, 330, 1035, 375,
        &Picky34::Command3_Click);

    // The draw and the winning lines.
    Frame3
        = placeFrame(this, QStringLiteral("Check Against the Draw"), QStringLiteral("Frame3"), 2535, 2040, 2775, 2685);
    Text2 = digitBoxes(Frame3, QStringLiteral("Text2"), QStringLiteral("Draw digit %1"), 330);
    Command4 = placeButton(this, Frame3, QStringLiteral("Check"), QStringLiteral("Command4"), 1920, 330, 735, 375,
        &Picky34::Command4_Click);
    Label3 = placeControl(
        new QLabel(QStringLiteral("Winning Lines"), Frame3), QStringLiteral("Label3"), 120, 795, 1500, 255);
    List2 = placeControl(new QListWidget(Frame3), QStringLiteral("List2"), 120, 1065, 2535, 1155);
    List2->setFont(listFont());
    Label4
        = placeControl(new QLabel(QStringLiteral("Total Wins"), Frame3), QStringLiteral("Label4"), 120, 2325, 960, 255);
    Text4 = placeControl(new QLineEdit(QStringLiteral("0"), Frame3), QStringLiteral("Text4"), 1080, 2280, 735, 285);
    Text4->setReadOnly(true);
    // The boxes and lists are read out by the captions beside them.
    List1->setAccessibleName(Label1->text());
    Text3->setAccessibleName(Label2->text());
    List2->setAccessibleName(Label3->text());
    Text4->setAccessibleName(Label4->text());

    Command6 = placeButton(this, this, QStringLiteral("Print"), QStringLiteral("Command6"), 2535, 4860, 1275, 375,
        &Picky34::Command6_Click);
    Command7 = placeButton(this, this, QStringLiteral("Close"), QStringLiteral("Command7"), 4035, 4860, 1275, 375,
        &Picky34::Command7_Click);
}

QString Picky34::filePath() const
{
    return dataPath(m_appFolder, pickFileName(m_pickType));
}

void Picky34::Form_Load()
{
    m_pickType = isPickType(m_requestedPickType) ? m_requestedPickType : 3;
    Text1[3]->setVisible(m_pickType == 4);
    Text2[3]->setVisible(m_pickType == 4);
    Command6->setEnabled(m_printingEnabled);

    const PickFileRead read = readPickFile(filePath(), m_pickType);
    m_lines = read.lines;
    m_savedLines = read.lines;
    m_loadFailed = !read.readable;
    m_loadError = read.error;
    linesChanged();
    if (!read.readable)
        platform::MsgBox(cannotReadFile(pickFileName(m_pickType), read.error));
    else if (read.damaged())
        platform::MsgBox(damagedPickFileMessage(filePath(), read));
}

std::optional<PickLine> Picky34::typedLine(const std::array<QLineEdit *, 4> &boxes, const QString &message)
{
    PickLine line {};
    for (size_t i = 0; i < static_cast<size_t>(m_pickType); ++i) {
        const std::optional<int16_t> digit = parsePickDigit(boxes[i]->text());
        if (!digit) {
            platform::MsgBox(message);
            boxes[i]->setFocus();
            boxes[i]->selectAll();
            return std::nullopt;
        }
        line[i] = *digit;
    }
    return line;
}

void Picky34::linesChanged()
{
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(m_lines.size()));
    for (const PickLine &line : m_lines)
        texts << pickLineText(line, m_pickType);
    List1->setUpdatesEnabled(false);
    List1->clear();
    List1->addItems(texts);
    List1->setUpdatesEnabled(true);
    // Winners found before the change may no longer be in the list.
    clearWinners();
}

void Picky34::clearWinners()
{
    List2->clear();
    Text4->setText(QStringLiteral("0"));
}

void Picky34::Command1_Click()
{
    const std::optional<PickLine> line
        = typedLine(Text1, QStringLiteral("Each number of your line must be a single digit from 0 to 9."));
    if (!line)
        return;
    if (m_lines.size() >= static_cast<size_t>(MaxPickLines)) {
        platform::MsgBox(QStringLiteral("The list is full: it holds at most %1 lines.").arg(MaxPickLines));
        return;
    }
    m_lines.push_back(*line);
    linesChanged();
    List1->scrollToBottom();
}

void Picky34::Command2_Click()
{
    if (m_lines.empty()) {
        platform::MsgBox(QStringLiteral("There are no lines to delete"));
        return;
    }
    const std::vector<int> selected = platform::selectedRows(List1);
    if (selected.empty()) {
        platform::MsgBox(QStringLiteral("You have not selected any lines for deletion."));
        return;
    }
    const QString question = selected.size() == 1
        ? QStringLiteral("Are you sure you want to delete the selected line?")
        : QStringLiteral("Are you sure you want to delete the %1 selected lines?").arg(selected.size());
    if (!platform::AskYesNo(question))
        return;
    for (auto it = selected.rbegin(); it != selected.rend(); ++it)
        m_lines.erase(m_lines.begin() + *it);
    linesChanged();
}

void Picky34::Command3_Click()
{
    bool ok = false;
    const int wanted = Text3->text().trimmed().toInt(&ok);
    const int room = MaxPickLines - static_cast<int>(m_lines.size());
    if (!ok || wanted < 1 || wanted > MaxPickLines) {
        platform::MsgBox(
            QStringLiteral("Enter how many lines to generate: a whole number from 1 to %1.").arg(MaxPickLines));
        Text3->setFocus();
        Text3->selectAll();
        return;
    }
    if (wanted > room) {
        platform::MsgBox(
            QStringLiteral("The list holds at most %1 lines; there is room for %2 more.").arg(MaxPickLines).arg(room));
        return;
    }

    RandomizeFromTime();
    m_lines.reserve(m_lines.size() + static_cast<size_t>(wanted));
    for (int k = 0; k < wanted; ++k)
        m_lines.push_back(randomPickLine(m_pickType));
    linesChanged();
    List1->scrollToBottom();
}

void Picky34::Command4_Click()
{
    if (m_lines.empty()) {
        platform::MsgBox(QStringLiteral("There are no lines to check!"));
        return;
    }
    const std::optional<PickLine> draw
        = typedLine(Text2, QStringLiteral("Each number of the draw must be a single digit from 0 to 9."));
    if (!draw)
        return;

    clearWinners();
    QStringList winners;
    for (const PickLine &line : m_lines) {
        const PickWin win = checkPickLine(line, *draw, m_pickType);
        if (win != PickWin::None)
            winners << winningLineText(line, win, m_pickType);
    }
    List2->addItems(winners);
    Text4->setText(QString::number(winners.size()));
}

bool Picky34::save()
{
    if (m_loadFailed) {
        platform::MsgBox(QStringLiteral("%1 could not be read when this window opened (%2), so it is not "
                                        "overwritten. Your lines have not been saved.")
                             .arg(pickFileName(m_pickType), m_loadError));
        return false;
    }
    const FileResult result = writePickFile(filePath(), m_pickType, m_lines);
    if (!result.ok) {
        platform::MsgBox(result.message);
        return false;
    }
    m_savedLines = m_lines;
    return true;
}

void Picky34::Command5_Click()
{
    if (save())
        platform::MsgBox(QStringLiteral("Your lines have been saved."));
}

void Picky34::Command6_Click()
{
    QStringList texts;
    for (int row = 0; row < List1->count(); ++row)
        texts << List1->item(row)->text();
    PrintListCommand(texts);
}

void Picky34::Command7_Click()
{
    close();
}

void Picky34::titleBarClose()
{
    if (hasUnsavedChanges()
        && platform::AskYesNo(QStringLiteral("You have not saved your changes. Do you want to save before exiting?"))
        && !save()) {
        // The lines could not be saved: stay open rather than lose them.
        return;
    }
    unload();
}

} // namespace vx
