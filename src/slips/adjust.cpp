#include "slips/adjust.h"

#include "platform/busycursor.h"
#include "platform/controls.h"
#include "platform/messages.h"
#include "slips/slipprinting.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>

namespace vx {

using platform::buildFrame;
using platform::placeButton;
using platform::placeControl;
using platform::TwipsSize;

namespace {
constexpr int ClientWidth = 4800;
constexpr int ClientHeight = 3000;
} // namespace

adjust::adjust(SlipLayout &layout, QWidget *parent)
    : ToolWindow(parent)
    , m_layout(layout)
{
    buildFrame(this, QStringLiteral("adjust"), QStringLiteral("Adjust the Slip Layout"),
        TwipsSize::client(ClientWidth, ClientHeight));

    Label1 = placeControl(new QLabel(QStringLiteral("Step"), this), "Label1", 120, 150, 900, 285);
    Text1 = placeControl(new QDoubleSpinBox(this), "Text1", 1080, 120, 1320, 315);
    Text1->setRange(0.05, 10);
    Text1->setSingleStep(0.1);
    Text1->setValue(0.5);
    Text1->setSuffix(QStringLiteral(" mm"));
    Text1->setAccessibleName(Label1->text());
    Command1 = placeControl(new QPushButton(QStringLiteral("Up"), this), "Command1", 3000, 120, 900, 375);
    Command3 = placeControl(new QPushButton(QStringLiteral("Left"), this), "Command3", 2520, 540, 900, 375);
    Command4 = placeControl(new QPushButton(QStringLiteral("Right"), this), "Command4", 3480, 540, 900, 375);
    Command2 = placeControl(new QPushButton(QStringLiteral("Down"), this), "Command2", 3000, 960, 900, 375);
    Label2 = placeControl(new QLabel(this), "Label2", 120, 1500, 4560, 285);
    Label3 = placeControl(new QLabel(QStringLiteral("Board"), this), "Label3", 120, 2040, 900, 285);
    Combo1 = placeControl(new QComboBox(this), "Combo1", 1080, 2010, 1320, 315);
    Combo1->setAccessibleName(Label3->text());
    for (int b = 1; b <= m_layout.boardsPerSlip; ++b)
        Combo1->addItem(QStringLiteral("Board %1").arg(b));
    Command5 = placeButton(
        this, this, QStringLiteral("Test Print"), "Command5", 2520, 2010, 1140, 375, &adjust::Command5_Click);
    Command5->setToolTip(QStringLiteral("Prints the chosen board with every box marked."));
    Command6
        = placeButton(this, this, QStringLiteral("Close"), "Command6", 3720, 2490, 960, 375, &adjust::Command6_Click);
    showMoved();

    connect(Command1, &QPushButton::clicked, this, [this] { shift(0, -1); });
    connect(Command2, &QPushButton::clicked, this, [this] { shift(0, 1); });
    connect(Command3, &QPushButton::clicked, this, [this] { shift(-1, 0); });
    connect(Command4, &QPushButton::clicked, this, [this] { shift(1, 0); });
}

void adjust::shift(float dxSteps, float dySteps)
{
    const float step = static_cast<float>(Text1->value());
    const SlipLayout moved = m_layout.shifted(dxSteps * step, dySteps * step);
    if (const QString problem = moved.problem(); !problem.isEmpty()) {
        platform::MsgBox(problem + QStringLiteral(" The layout stays where it is."));
        return;
    }
    m_layout = moved;
    m_moved = {m_moved.x + dxSteps * step, m_moved.y + dySteps * step};
    showMoved();
}

void adjust::showMoved()
{
    Label2->setText(QStringLiteral("Moved %1 mm right and %2 mm down")
                        .arg(static_cast<double>(m_moved.x), 0, 'f', 2)
                        .arg(static_cast<double>(m_moved.y), 0, 'f', 2));
}

void adjust::Command5_Click()
{
    QString message;
    {
        const platform::BusyCursor busy;
        message = printBoardTest(m_layout, Combo1->currentIndex() + 1);
    }
    if (!message.isEmpty())
        platform::MsgBox(message);
}

void adjust::Command6_Click()
{
    unload();
}

} // namespace vx
