#include "wheels/wheelwindow.h"

#include "gamedata/entryfiles.h"
#include "gamedata/rnd.h"
#include "platform/controls.h"
#include "platform/messages.h"
#include "printing/listprinting.h"
#include "wheels/wheelengine.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace vx {

using platform::buildFrame;
using platform::placeButton;
using platform::placeControl;
using platform::placeFrame;
using platform::TwipsSize;

namespace {
constexpr int ClientWidth = 6600;
constexpr int OptionPitch = 300;
constexpr int BoxPitch = 600;
constexpr int BoxesPerRow = 10;
constexpr int DefaultGroupSize = 10; // where a type has it: a wheel most players can afford
} // namespace

QString WheelWindow::windowName(int pick)
{
    switch (pick) {
    case 4:
        return QStringLiteral("wheel4");
    case 5:
        return QStringLiteral("Wheel5");
    case 6:
        return QStringLiteral("wheel6");
    default:
        return QStringLiteral("wheel7");
    }
}

WheelWindow::WheelWindow(int pick, const StartupValues &startup, const CurrentGame &game,
    const ToolWindowValues &handed, const MainWindowFiles &files, MainWindowLink &main, QWidget *parent)
    : ToolWindow(parent)
    , m_pick(std::clamp(pick, 4, 7))
    , m_types(wheelTypesOfPick(m_pick))
    , m_startup(startup)
    , m_game(game)
    , m_handed(handed)
    , m_files(files)
    , m_main(main)
{
    const int typeCount = static_cast<int>(m_types.size());
    const int frame1Height = 360 + OptionPitch * typeCount;
    Frame1 = placeFrame(this, QStringLiteral("Wheel Type"), "Frame1", 120, 120, ClientWidth - 240, frame1Height);
    for (int i = 0; i < typeCount; ++i) {
        auto *option = placeControl(new QRadioButton(m_types[static_cast<size_t>(i)].caption(), Frame1),
            QStringLiteral("Option1(%1)").arg(i), 240, 300 + OptionPitch * i, ClientWidth - 600, 255);
        // A type may be chosen by a click, the keyboard or assistive technology (which toggles the
        // button without a click): the window follows the checked type however it changed.
        connect(option, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked)
                showGroupSizes();
        });
        Option1 << option;
    }

    const int frame2Top = 120 + frame1Height + 120;
    const int frame2Height = 2400;
    Frame2 = placeFrame(this, QStringLiteral("Your Group"), "Frame2", 120, frame2Top, ClientWidth - 240, frame2Height);
    Label1 = placeControl(new QLabel(QStringLiteral("Balls in the group"), Frame2), "Label1", 240, 330, 1800, 255);
    Combo1 = placeControl(new QComboBox(Frame2), "Combo1", 2160, 300, 1095, 315);
    Combo1->setAccessibleName(Label1->text());
    Label1->setBuddy(Combo1);
    for (int i = 0; i < MaxGroupBoxes; ++i) {
        auto *box = placeControl(new QLineEdit(Frame2), QStringLiteral("Text1(%1)").arg(i),
            240 + BoxPitch * (i % BoxesPerRow), 780 + BoxPitch * (i / BoxesPerRow), 495, 495);
        box->setAlignment(Qt::AlignCenter);
        box->setMaxLength(2);
        box->setAccessibleName(QStringLiteral("Ball %1 of the group").arg(i + 1));
        Text1 << box;
    }
    // No accessible name of its own: a screen reader reads the line count the label shows.
    Label2 = placeControl(new QLabel(Frame2), "Label2", 240, 2040, ClientWidth - 600, 255);

    const int buttonTop = frame2Top + frame2Height + 180;
    Command3 = placeButton(
        this, this, QStringLiteral("Save Wheel"), "Command3", 1000, buttonTop, 1455, 375, &WheelWindow::Command3_Click);
    Command3->setToolTip(QStringLiteral("Saves the wheel as an entry file of this game."));
    Command2 = placeButton(this, this, QStringLiteral("Print Cover"), "Command2", 2575, buttonTop, 1455, 375,
        &WheelWindow::Command2_Click);
    Command2->setToolTip(QStringLiteral("Prints a cover sheet for the wheel."));
    Command2->setEnabled(m_startup.PrintingEnabled);
    Command1 = placeButton(
        this, this, QStringLiteral("Close"), "Command1", 4150, buttonTop, 1455, 375, &WheelWindow::Command1_Click);
    // The height follows the number of wheel types of the pick size.
    buildFrame(this, windowName(m_pick), m_game.GameName, TwipsSize::client(ClientWidth, buttonTop + 375 + 180));

    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
}

void WheelWindow::Form_Load()
{
    const QString history = dataPath(m_startup.AppFolder, m_handed.WheelHistoryName);
    NumbersFileRead read;
    const FileResult result = readNumbersFile(history, &read);
    m_suggestion = rankDrawnBalls(read.records, m_handed.WheelMaxBall);
    // A history with fewer drawn balls than the largest group is made up with random ones.
    padGroup(m_suggestion, MaxWheelGroup, m_handed.WheelMaxBall);
    Option1_Click(0);
    if (!result.ok)
        platform::MsgBox(result.message + QStringLiteral(" The group is suggested without its draws."));
    else if (const QString damage = read.damageMessage(); !damage.isEmpty())
        platform::MsgBox(damage);
}

WheelType WheelWindow::chosenType() const
{
    for (qsizetype i = 0; i < Option1.size(); ++i)
        if (Option1[i]->isChecked())
            return m_types[static_cast<size_t>(i)];
    return m_types.front();
}

int WheelWindow::groupSize() const
{
    return Combo1->currentIndex() < 0 ? 0 : Combo1->currentText().toInt();
}

void WheelWindow::showGroupSizes()
{
    const int shown = groupSize();
    Combo1->clear();
    for (const int size : availableWheelGroups(m_startup.AppFolder, chosenType()))
        if (size <= m_handed.WheelMaxBall)
            Combo1->addItem(QString::number(size));
    // The size shown before when the type has it too, else the one nearest the usual size.
    const int wanted = shown > 0 ? shown : DefaultGroupSize;
    int best = -1;
    for (int i = 0; i < Combo1->count(); ++i)
        if (best < 0
            || std::abs(Combo1->itemText(i).toInt() - wanted) < std::abs(Combo1->itemText(best).toInt() - wanted))
            best = i;
    Combo1->setCurrentIndex(best);
    showGroup();
}

void WheelWindow::showGroup()
{
    const int size = groupSize();
    for (int i = 0; i < MaxGroupBoxes; ++i) {
        QLineEdit *box = Text1[i];
        box->setVisible(i < size);
        box->setText(i < size && static_cast<size_t>(i) < m_suggestion.size()
                ? QString::number(m_suggestion[static_cast<size_t>(i)])
                : QString());
    }
    showLineCount();
}

void WheelWindow::showLineCount()
{
    const int size = groupSize();
    if (size == 0) {
        Label2->setText(QStringLiteral("There is no wheel of this type for this game."));
        return;
    }
    const WheelDesignRead design = readWheelDesign(m_startup.AppFolder, chosenType(), size);
    Label2->setText(design.ok ? QStringLiteral("This wheel has %1 lines (tickets).").arg(design.design.lines.size())
                              : QStringLiteral("The design of this wheel cannot be used."));
}

void WheelWindow::Option1_Click(int index)
{
    if (index < 0 || index >= Option1.size())
        return;
    // Checking a type shows it (the toggled handler); a type checked already is shown again.
    if (Option1[index]->isChecked())
        showGroupSizes();
    else
        Option1[index]->setChecked(true);
}

void WheelWindow::Combo1_Click()
{
    showGroup();
}

bool WheelWindow::takeGroup(std::vector<int16_t> *group)
{
    const int size = groupSize();
    QStringList boxes;
    for (int i = 0; i < size; ++i)
        boxes << Text1[i]->text();
    const TypedGroup typed = readTypedGroup(boxes, m_handed.WheelMaxBall);
    if (!typed.fault.isEmpty()) {
        platform::MsgBox(typed.fault);
        return false;
    }
    std::vector<int16_t> balls;
    std::copy_if(typed.balls.begin(), typed.balls.end(), std::back_inserter(balls), [](int16_t b) { return b != 0; });
    const size_t typedCount = balls.size();
    padGroup(balls, size, m_handed.WheelMaxBall);
    // Empty boxes take the random balls in order, so the player sees the whole group.
    size_t next = typedCount;
    group->clear();
    for (int i = 0; i < size; ++i) {
        int16_t ball = typed.balls[static_cast<size_t>(i)];
        if (ball == 0 && next < balls.size()) {
            ball = balls[next++];
            Text1[i]->setText(QString::number(ball));
        }
        group->push_back(ball);
    }
    return true;
}

bool WheelWindow::takeWheel(ChosenWheel *wheel, const QString &nothingDone)
{
    wheel->type = chosenType();
    const int size = groupSize();
    if (size == 0) {
        platform::MsgBox(QStringLiteral("There is no wheel design of this type, so the wheel cannot be made."));
        return false;
    }
    if (!takeGroup(&wheel->group))
        return false;
    WheelDesignRead read = readWheelDesign(m_startup.AppFolder, wheel->type, size);
    if (!read.ok) {
        platform::MsgBox(read.error + QLatin1Char(' ') + nothingDone);
        return false;
    }
    wheel->design = std::move(read.design);
    return true;
}

void WheelWindow::Command3_Click()
{
    ChosenWheel wheel;
    if (!takeWheel(&wheel, QStringLiteral("The wheel was not saved.")))
        return;
    WheelExtraRule extra;
    if (m_pick <= 6 && m_game.BonusPicked == 1) {
        if (m_handed.WheelBonusMode == 1)
            extra = {WheelExtraRule::Kind::OwnPool, m_game.BonusPool};
        else
            extra = {WheelExtraRule::Kind::MainPool, m_handed.WheelMaxBall};
    }
    const std::vector<NumbersRecord> entries = wheelEntries(wheel.design, wheel.group, extra, Rnd);
    const QString fileName = wheelEntryFileName(m_handed.WheelGameName, wheel.type.suffix());
    if (const FileResult saved = saveWheelFile(dataPath(m_startup.AppFolder, fileName), entries); !saved.ok) {
        platform::MsgBox(saved.message + QStringLiteral(" The wheel was not saved."));
        return;
    }

    // The main window may be showing the older wheel of this type number: it no longer lists the file.
    if (wheel.type.number == m_files.OpenWheelType) {
        if (m_pick == 4)
            m_main.clearEntryDisplay();
        else
            m_main.closeEntryFile();
    }
    platform::MsgBox(QStringLiteral("Your wheel of %1 lines has been saved as %2. Open it from Wheels > Open.")
                         .arg(entries.size())
                         .arg(fileName));
}

void WheelWindow::Command2_Click()
{
    ChosenWheel wheel;
    if (!takeWheel(&wheel, QStringLiteral("Nothing was printed.")))
        return;
    WheelCover cover;
    cover.listName = m_handed.WheelListName;
    cover.entryFileName = wheelEntryFileName(m_handed.WheelGameName, wheel.type.suffix());
    cover.type = wheel.type;
    cover.group = wheel.group;
    cover.lines = static_cast<int>(wheel.design.lines.size());
    PrintListCommand(coverSheetLines(cover));
}

void WheelWindow::Command1_Click()
{
    unload();
}

} // namespace vx
