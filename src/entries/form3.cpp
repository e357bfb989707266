#include "entries/form3.h"

#include "entries/resultslist.h"
#include "gamedata/entryfiles.h"
#include "platform/controls.h"
#include "platform/messages.h"
#include "printing/listprinting.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

namespace vx {

using platform::buildFrame;
using platform::placeButton;
using platform::placeControl;
using platform::setFrameSize;
using platform::TwipsSize;
using platform::twipsToPixels;

namespace {
constexpr int ClientHeight = 4935;
constexpr int ListTop = 0;
constexpr int ListHeight = 4140;
constexpr int LabelTop = 4200;
constexpr int ButtonTop = 4440;

// Widths and places by the number of columns a line holds: the drawn balls, and one more for the
// tag when the game draws extras.
struct Layout {
    int columns, listWidth, windowWidth, command1Left, label1Left;
};
constexpr Layout Designed {0, 4935, 5265, 2040, 640}; // a game of three balls and no extra
constexpr Layout Layouts[] = {
    {4, 4450, 4795, 1900, 420},
    {5, 4850, 5175, 2000, 620},
    {6, 5135, 5465, 2000, 620},
    {7, 5535, 5865, 2280, 960},
    {8, 5935, 6265, 2480, 1000},
    {9, 6335, 6665, 2680, 1040},
    {10, 6735, 7065, 2880, 1080},
};
} // namespace

Form3::Form3(const CurrentGame &game, const StartupValues &startup, MainWindowLink &main, QWidget *parent)
    : ToolWindow(parent)
    , m_game(game)
    , m_historyFile(dataPath(startup.AppFolder, historyFileName(game.GameName)))
    , m_printingEnabled(startup.PrintingEnabled)
    , m_main(main)
{
    buildFrame(this, QStringLiteral("Form3"), QStringLiteral("Draw Results for ") + game.GameName,
        TwipsSize::outerWidth(Designed.windowWidth, ClientHeight));

    List1 = placeControl(new QListWidget(this), "List1", 120, ListTop, Designed.listWidth, ListHeight);
    QFont font = platform::listFont();
    font.setPointSizeF(11.25);
    List1->setFont(font);
    List1->setAccessibleName(QStringLiteral("Draw Results"));
    Label1
        = placeControl(new QLabel(QStringLiteral("Double-click entry to select result into main program area"), this),
            "Label1", Designed.label1Left, LabelTop, 4335, 240);
    List1->setAccessibleDescription(Label1->text());
    Command2 = placeButton(
        this, this, QStringLiteral("Print List"), "Command2", 120, ButtonTop, 975, 375, &Form3::Command2_Click);
    Command1 = placeButton(this, this, QStringLiteral("Close"), "Command1", Designed.command1Left, ButtonTop, 1335, 375,
        &Form3::Command1_Click);
    connect(List1, &QListWidget::itemDoubleClicked, this, [this] { List1_DblClick(); });
}

void Form3::Form_Load()
{
    if (!m_printingEnabled)
        Command2->setEnabled(false);
    layoutForGame();

    NumbersFileRead history;
    if (const FileResult read = readNumbersFile(m_historyFile, &history); !read.ok) {
        platform::MsgBox(read.message);
        return;
    }
    if (history.damaged)
        platform::MsgBox(history.damageMessage());
    m_records = std::move(history.records);
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(m_records.size()));
    for (const NumbersRecord &record : m_records)
        lines << resultsListLine(record, m_game.BonusTag);
    List1->addItems(lines);
}

void Form3::layoutForGame()
{
    const int columns = m_game.MainDrawn + m_game.BonusDrawn + (m_game.BonusDrawn > 0 ? 1 : 0);
    Layout layout = Designed;
    for (const Layout &row : Layouts)
        if (row.columns == columns)
            layout = row;
    List1->resize(twipsToPixels(layout.listWidth), List1->height());
    setFrameSize(this, TwipsSize::outerWidth(layout.windowWidth, ClientHeight));
    Command1->move(twipsToPixels(layout.command1Left), Command1->y());
    // The hint keeps its place unless its caption, in the font at hand, runs past the window's edge:
    // then it is centred, and the window widens when even that is not enough.
    const int margin = twipsToPixels(120);
    const int need = Label1->fontMetrics().horizontalAdvance(Label1->text());
    int left = twipsToPixels(layout.label1Left);
    if (left + need + margin > width()) {
        left = std::max(margin, (width() - need) / 2);
        if (left + need + margin > width())
            setFixedWidth(left + need + margin);
    }
    Label1->setGeometry(left, Label1->y(), width() - left - margin, Label1->height());
}

void Form3::Command2_Click()
{
    QStringList lines;
    for (int i = 0; i < List1->count(); ++i)
        lines << List1->item(i)->text();
    PrintListCommand(lines);
}

void Form3::List1_DblClick()
{
    const int row = List1->currentRow();
    if (row < 0 || static_cast<size_t>(row) >= m_records.size())
        return;
    // A damaged record names no date; the main window's draw date stays as it is.
    if (const std::optional<QDate> date = resultDate(m_records[static_cast<size_t>(row)]))
        m_main.setDrawDate(*date);
}

void Form3::Command1_Click()
{
    unload();
}

} // namespace vx
