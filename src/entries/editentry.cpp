#include "entries/editentry.h"

#include "entries/entrychecks.h"
#include "gamedata/boxvalue.h"
#include "gamedata/numberlines.h"
#include "gamedata/numbersfile.h"
#include "platform/controls.h"
#include "platform/messages.h"
#include "platform/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vx {

using platform::buildFrame;
using platform::placeButton;
using platform::setFrameSize;
using platform::twipsRect;
using platform::TwipsSize;
using platform::twipsToPixels;

namespace {
constexpr int ClientHeight = 1710;

int boxLeft(int index)
{
    return 120 + 600 * index;
}

// By the number of boxes: window width and button positions. Three boxes and eight boxes follow
// the others' rule (600 twips per box).
struct Layout {
    int boxes, width, command6, command5;
};
constexpr Layout Layouts[] = {
    {3, 2130, 120, 1080},
    {4, 2610, 360, 1320},
    {5, 3210, 600, 1680},
    {6, 3810, 960, 2040},
    {7, 4395, 1200, 2280},
    {8, 4995, 1440, 2520},
};
} // namespace

editEntry::editEntry(
    const CurrentGame &game, const QString &entryFile, int16_t editRecord, MainWindowLink &main, QWidget *parent)
    : ToolWindow(parent)
    , m_game(game)
    , m_entryFile(entryFile)
    , m_editRecord(editRecord)
    , m_main(main)
{
    buildFrame(
        this, QStringLiteral("editEntry"), QStringLiteral("Edit Entry"), TwipsSize::outerWidth(4395, ClientHeight));
    for (int i = 0; i < BoxCount; ++i) {
        auto *box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("Text1(%1)").arg(i));
        box->setGeometry(twipsRect(boxLeft(i), 240, 495, 495));
        box->setVisible(i < 7);
        Text1[static_cast<size_t>(i)] = box;
    }
    Label1 = new QLabel(QStringLiteral("EB"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twipsRect(2040, 840, 255, 255));
    Command6 = placeButton(
        this, this, QStringLiteral("Change"), "Command6", 1200, 1200, 855, 375, &editEntry::Command6_Click);
    Command5 = placeButton(
        this, this, QStringLiteral("Cancel"), "Command5", 2400, 1200, 855, 375, &editEntry::Command5_Click);
}

void editEntry::Form_Load()
{
    const int mainPicked = m_game.MainPicked;
    const int bonusPicked = m_game.BonusPicked;
    Label1->setText(m_game.BonusTag);
    BonusBox = 0;
    const int t = mainPicked + bonusPicked;
    for (const Layout &row : Layouts) {
        if (row.boxes != t)
            continue;
        setFrameSize(this, TwipsSize::outerWidth(row.width, ClientHeight));
        for (int i = 0; i < BoxCount; ++i) {
            Text1[static_cast<size_t>(i)]->setVisible(i < t);
            Text1[static_cast<size_t>(i)]->setAccessibleName(numberBoxName(i, m_game.entryRules()));
        }
        Command6->move(twipsToPixels(row.command6), twipsToPixels(1200));
        Command5->move(twipsToPixels(row.command5), twipsToPixels(1200));
        if (bonusPicked == 1) {
            Label1->move(twipsToPixels(boxLeft(t - 1) + 120), twipsToPixels(840));
            BonusBox = static_cast<int16_t>(t - 1);
        }
        break;
    }
    Label1->setVisible(bonusPicked == 1);

    NumbersFile file;
    if (!file.open(m_entryFile)) {
        platform::MsgBox(openFailure(file).message);
        return;
    }
    const NumbersRecord record = file.read(m_editRecord);
    for (int i = 0; i < mainPicked && i < 7; ++i)
        Text1[static_cast<size_t>(i)]->setText(twoDigits(record.main[static_cast<size_t>(i)]));
    if (bonusPicked == 1)
        Text1[static_cast<size_t>(BonusBox)]->setText(twoDigits(record.extra[0]));
}

void editEntry::Command6_Click()
{
    const EntryRules rules = m_game.entryRules();
    std::vector<double> boxes;
    for (int i = 0; i < rules.mainPicked + rules.bonusPicked && i < BoxCount; ++i)
        boxes.push_back(BoxValue(Text1[static_cast<size_t>(i)]->text()));
    const int fault = entryFault(EntryWindow::Change, boxes, rules);
    if (fault != 0) {
        platform::MsgBox(entryFaultMessage(fault));
        return;
    }

    const EntryNumbers entry = buildEntry(boxes, rules);
    const FileResult written = rewriteEntry(m_entryFile, m_editRecord, entry.mains, rules.mainPicked == 7 ? 7 : 6,
        rules.bonusPicked == 1 ? std::optional<int16_t>(entry.bonus) : std::nullopt);
    if (!written.ok) {
        platform::MsgBox(written.message);
        return;
    }

    m_main.replaceEntryLine(m_editRecord - 1, editedEntryLine(entry, rules, m_game.BonusTag));

    unload();
}

void editEntry::Command5_Click()
{
    unload();
}

} // namespace vx
