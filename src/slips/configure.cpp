#include "slips/configure.h"

#include "platform/controls.h"
#include "platform/messages.h"
#include "slips/adjust.h"
#include "slips/slipmarks.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace vx {

using platform::buildFrame;
using platform::placeButton;
using platform::placeControl;
using platform::TwipsSize;

namespace {

constexpr int ClientWidth = 7800;
constexpr int ClientHeight = 5580;

QDoubleSpinBox *millimetres(QWidget *parent, float low, float high)
{
    auto *box = new QDoubleSpinBox(parent);
    box->setRange(low, high);
    box->setDecimals(2);
    box->setSingleStep(0.1);
    box->setSuffix(QStringLiteral(" mm"));
    return box;
}

void setQuietly(QDoubleSpinBox *box, float value)
{
    const QSignalBlocker block(box);
    box->setValue(static_cast<double>(value));
}

float valueOf(const QDoubleSpinBox *box)
{
    return static_cast<float>(box->value());
}

} // namespace

configure::configure(const CurrentGame &game, const QString &appFolder, MainWindowLink &main, QWidget *parent)
    : ToolWindow(parent)
    , m_game(game)
    , m_path(slipLayoutPath(appFolder, game.GameName))
    , m_main(main)
{
    buildFrame(this, QStringLiteral("configure"), QStringLiteral("Calibrate the Bet Slip"),
        TwipsSize::client(ClientWidth, ClientHeight));

    auto label = [this](const char *name, const QString &text, int top) {
        return placeControl(new QLabel(text, this), name, 120, top, 1800, 285);
    };
    Label1 = label("Label1", QStringLiteral("Boards per slip"), 120);
    Text1 = placeControl(new QSpinBox(this), "Text1", 2040, 90, 1800, 315);
    Text1->setRange(1, SlipLayout::MaxBoards);
    Label2 = label("Label2", QStringLiteral("Board"), 540);
    Combo1 = placeControl(new QComboBox(this), "Combo1", 2040, 510, 1800, 315);
    Label3 = label("Label3", QStringLiteral("Origin across"), 960);
    Text2 = placeControl(millimetres(this, 0, SlipLayout::MaxMm), "Text2", 2040, 930, 1800, 315);
    Label4 = label("Label4", QStringLiteral("Origin down"), 1380);
    Text3 = placeControl(millimetres(this, 0, SlipLayout::MaxMm), "Text3", 2040, 1350, 1800, 315);
    Label5 = label("Label5", QStringLiteral("Mark"), 1800);
    Option3 = placeControl(new QRadioButton(QStringLiteral("Across"), this), "Option3", 2040, 1800, 1020, 285);
    Option4 = placeControl(new QRadioButton(QStringLiteral("Down"), this), "Option4", 3120, 1800, 900, 285);
    Label6 = label("Label6", QStringLiteral("Mark width"), 2220);
    Text11 = placeControl(millimetres(this, 0, SlipLayout::MaxMarkWidth), "Text11", 2040, 2190, 1800, 315);
    Label7 = label("Label7", QStringLiteral("Mark length"), 2640);
    Text12 = placeControl(millimetres(this, 0, SlipLayout::MaxMarkLength), "Text12", 2040, 2610, 1800, 315);
    Label8 = label("Label8", QStringLiteral("Grid columns"), 3120);
    Text6 = placeControl(new QSpinBox(this), "Text6", 2040, 3090, 1800, 315);
    Text6->setRange(1, SlipLayout::MaxPool);
    Text6->setValue(10);
    Label9 = label("Label9", QStringLiteral("First box"), 3540);
    Text7 = placeControl(millimetres(this, -SlipLayout::MaxMm, SlipLayout::MaxMm), "Text7", 2040, 3510, 885, 315);
    Text8 = placeControl(millimetres(this, -SlipLayout::MaxMm, SlipLayout::MaxMm), "Text8", 2955, 3510, 885, 315);
    Label10 = label("Label10", QStringLiteral("Step"), 3960);
    Text9 = placeControl(millimetres(this, -50, 50), "Text9", 2040, 3930, 885, 315);
    Text10 = placeControl(millimetres(this, -50, 50), "Text10", 2955, 3930, 885, 315);
    Text9->setValue(5);
    Text10->setValue(5);
    Command1 = placeButton(
        this, this, QStringLiteral("Fill Grid"), "Command1", 2040, 4380, 1800, 375, &configure::Command1_Click);
    Command1->setToolTip(QStringLiteral("Places the listed numbers' boxes in rows from the first box."));

    Option1 = placeControl(new QRadioButton(QStringLiteral("Main numbers"), this), "Option1", 4080, 120, 1800, 285);
    Option2 = placeControl(new QRadioButton(QStringLiteral("Bonus numbers"), this), "Option2", 5880, 120, 1800, 285);
    List1 = placeControl(new QListWidget(this), "List1", 4080, 480, 3600, 3300);
    List1->setFont(platform::listFont());
    List1->setAccessibleName(QStringLiteral("Boxes"));
    Label11 = placeControl(new QLabel(QStringLiteral("Box across"), this), "Label11", 4080, 3900, 1200, 285);
    Text4 = placeControl(millimetres(this, -SlipLayout::MaxMm, SlipLayout::MaxMm), "Text4", 5400, 3870, 2280, 315);
    Label12 = placeControl(new QLabel(QStringLiteral("Box down"), this), "Label12", 4080, 4320, 1200, 285);
    Text5 = placeControl(millimetres(this, -SlipLayout::MaxMm, SlipLayout::MaxMm), "Text5", 5400, 4290, 2280, 315);
    Command2 = placeButton(
        this, this, QStringLiteral("Save"), "Command2", 4080, 5040, 1140, 375, &configure::Command2_Click);
    Command3 = placeButton(
        this, this, QStringLiteral("Adjust"), "Command3", 5310, 5040, 1140, 375, &configure::Command3_Click);
    Command3->setToolTip(QStringLiteral("Moves the whole layout and test-prints a board."));
    Command4 = placeButton(
        this, this, QStringLiteral("Close"), "Command4", 6540, 5040, 1140, 375, &configure::Command4_Click);

    // Boxes lie from their board's origin; the fields say so for screen readers.
    const std::pair<QWidget *, QLabel *> named[] = {{Text1, Label1}, {Combo1, Label2}, {Text2, Label3}, {Text3, Label4},
        {Text11, Label6}, {Text12, Label7}, {Text6, Label8}, {Text7, Label9}, {Text8, Label9}, {Text9, Label10},
        {Text10, Label10}, {Text4, Label11}, {Text5, Label12}};
    for (const auto &[field, caption] : named)
        field->setAccessibleName(caption->text());
    for (auto [first, second] : {std::pair {Option1, Option2}, std::pair {Option3, Option4}}) {
        auto *group = new QButtonGroup(this); // the two choices are separate
        group->addButton(first);
        group->addButton(second);
    }

    connect(Text1, &QSpinBox::valueChanged, this, [this] { Text1_Change(); });
    connect(Combo1, &QComboBox::currentIndexChanged, this, [this] { Combo1_Click(); });
    for (QDoubleSpinBox *box : {Text2, Text3})
        connect(box, &QDoubleSpinBox::valueChanged, this, [this] { originChange(); });
    for (QDoubleSpinBox *box : {Text4, Text5})
        connect(box, &QDoubleSpinBox::valueChanged, this, [this] { boxChange(); });
    for (QDoubleSpinBox *box : {Text11, Text12})
        connect(box, &QDoubleSpinBox::valueChanged, this, [this] { markChange(); });
    connect(Option3, &QRadioButton::toggled, this, [this] { markChange(); });
    connect(Option1, &QRadioButton::toggled, this, [this] { poolClick(); });
    connect(List1, &QListWidget::currentRowChanged, this, [this] { List1_Click(); });
}

void configure::Form_Load()
{
    setWindowTitle(QStringLiteral("Calibrate the Bet Slip of ") + m_game.GameName.trimmed());
    const int bonusPool = slipBonusPool(m_game);
    Option2->setEnabled(bonusPool > 0);
    QString message;
    std::optional<SlipLayout> saved = readSlipLayout(m_path, &message);
    if (saved) {
        m_saved = *saved;
        if (const QString mismatch = layoutPoolMismatch(*saved, m_game.MainPool, bonusPool); !mismatch.isEmpty())
            platform::MsgBox(mismatch);
        m_layout = fittedToPools(*saved, m_game.MainPool, bonusPool);
    } else {
        if (QFile::exists(m_path))
            platform::MsgBox(message + QStringLiteral(" A fresh layout is shown; saving it replaces the file."));
        m_layout = defaultSlipLayout(m_game.MainPool, bonusPool);
    }
    showLayout();
}

void configure::showLayout()
{
    {
        const QSignalBlocker block(Text1);
        Text1->setValue(m_layout.boardsPerSlip);
    }
    {
        const QSignalBlocker block(Combo1);
        const int chosen = Combo1->currentIndex();
        Combo1->clear();
        for (int b = 1; b <= m_layout.boardsPerSlip; ++b)
            Combo1->addItem(QStringLiteral("Board %1").arg(b));
        Combo1->setCurrentIndex(std::clamp(chosen, 0, m_layout.boardsPerSlip - 1));
    }
    Combo1_Click();
    {
        const QSignalBlocker across(Option3), down(Option4);
        (m_layout.orientation == 0 ? Option3 : Option4)->setChecked(true);
    }
    setQuietly(Text11, m_layout.markWidth);
    setQuietly(Text12, m_layout.markLength);
    if (!Option1->isChecked() && !Option2->isChecked()) {
        const QSignalBlocker block(Option1);
        Option1->setChecked(true);
    }
    poolClick();
}

void configure::Text1_Change()
{
    m_layout.boardsPerSlip = Text1->value();
    const MmPoint last = m_layout.boardOrigins.empty() ? MmPoint {10, 10} : m_layout.boardOrigins.back();
    m_layout.boardOrigins.resize(static_cast<size_t>(m_layout.boardsPerSlip), last);
    showLayout();
}

void configure::Combo1_Click()
{
    const int board = std::max(Combo1->currentIndex(), 0);
    setQuietly(Text2, m_layout.boardOrigins[static_cast<size_t>(board)].x);
    setQuietly(Text3, m_layout.boardOrigins[static_cast<size_t>(board)].y);
}

void configure::originChange()
{
    if (Combo1->currentIndex() >= 0)
        m_layout.boardOrigins[static_cast<size_t>(Combo1->currentIndex())] = {valueOf(Text2), valueOf(Text3)};
}

std::vector<MmPoint> &configure::boxes()
{
    return Option2->isChecked() ? m_layout.bonusPositions : m_layout.mainPositions;
}

QString configure::boxLine(int number) const
{
    const bool bonus = Option2->isChecked();
    const MmPoint p = (bonus ? m_layout.bonusPositions : m_layout.mainPositions)[static_cast<size_t>(number - 1)];
    return QStringLiteral("%1 %2  %3 mm across, %4 mm down")
        .arg(bonus ? m_game.BonusTag.trimmed() : QStringLiteral("Main"))
        .arg(number, 2, 10, QLatin1Char('0'))
        .arg(static_cast<double>(p.x), 6, 'f', 2)
        .arg(static_cast<double>(p.y), 6, 'f', 2);
}

void configure::poolClick()
{
    const int row = List1->currentRow();
    {
        const QSignalBlocker block(List1);
        List1->clear();
        for (int n = 1; n <= static_cast<int>(boxes().size()); ++n)
            List1->addItem(boxLine(n));
    }
    List1->setCurrentRow(std::clamp(row, 0, List1->count() - 1));
    Text4->setEnabled(List1->count() > 0);
    Text5->setEnabled(List1->count() > 0);
}

void configure::List1_Click()
{
    const int row = List1->currentRow();
    if (row < 0)
        return;
    setQuietly(Text4, boxes()[static_cast<size_t>(row)].x);
    setQuietly(Text5, boxes()[static_cast<size_t>(row)].y);
}

void configure::boxChange()
{
    const int row = List1->currentRow();
    if (row < 0)
        return;
    boxes()[static_cast<size_t>(row)] = {valueOf(Text4), valueOf(Text5)};
    List1->item(row)->setText(boxLine(row + 1));
}

void configure::markChange()
{
    m_layout.orientation = Option4->isChecked() ? 1 : 0;
    m_layout.markWidth = valueOf(Text11);
    m_layout.markLength = valueOf(Text12);
}

void configure::Command1_Click()
{
    boxes() = gridPositions(static_cast<int>(boxes().size()), Text6->value(), {valueOf(Text7), valueOf(Text8)},
        {valueOf(Text9), valueOf(Text10)});
    poolClick();
}

bool configure::Command2_Click()
{
    if (const QString clash = slipLayoutNameClash(m_game.GameName); !clash.isEmpty()) {
        platform::MsgBox(clash);
        return false;
    }
    QString message;
    if (!saveSlipLayout(m_path, m_layout, &message)) {
        platform::MsgBox(message);
        return false;
    }
    m_saved = m_layout;
    return true;
}

void configure::Command3_Click()
{
    auto *window = new adjust(m_layout); // a window of its own: this one is disabled while it is open
    openToolWindow(this, window, OpenMode::NoWait, MainWindowWhileOpen::DisabledStaysBehind);
    // After the opener has enabled this window again: the layout as adjusted.
    connect(window, &ToolWindow::closed, this, &configure::showLayout);
}

void configure::Command4_Click()
{
    if (m_layout != m_saved && platform::AskYesNo(QStringLiteral("Save the changes to the slip layout?"))
        && !Command2_Click())
        return;
    unload();
}

} // namespace vx
