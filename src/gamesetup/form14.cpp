#include "gamesetup/form14.h"
#include "platform/controls.h"

#include "gamedata/filemessages.h"
#include "gamedata/gameediting.h"
#include "gamedata/gamevalidation.h"
#include "gamedata/sharedstate.h"
#include "platform/messages.h"
#include "platform/twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vx {

using platform::buildFrame;
using platform::placeButton;
using platform::placeControl;
using platform::placeFrame;
using platform::TwipsSize;
using platform::twipsToPixels;

namespace {
const QString GameSavedMessage
    = QStringLiteral("Game Saved - You must exit and restart the program for the changes to take effect");
} // namespace

Form14::Form14(const QString &appFolder, const QString &gameFile, MainWindowLink &main, QWidget *parent)
    : ToolWindow(parent, Qt::Window)
    , m_appFolder(appFolder)
    , m_gameFile(gameFile.trimmed())
    , m_main(main)
{
    buildControls();
    buildMenu();
    Form_Load();
}

Form14::~Form14() = default;

void Form14::buildControls()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("Form14Client"));
    buildFrame(this, QStringLiteral("Form14"), QStringLiteral("Definition"), TwipsSize::client(6495, 4935), central);
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("Form14Menu"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(central);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto label = [](const QString &caption, QWidget *parent, const QString &name, int left, int top, int width) {
        return placeControl(new QLabel(caption, parent), name, left, top, width, 255);
    };
    // A box's caption is a separate label, so the box takes the label's words as its accessible name.
    auto countBox = [](QLabel *caption, const QString &name, int top) {
        auto *box = placeControl(new QLineEdit(caption->parentWidget()), name, 4800, top, 495, 315);
        box->setMaxLength(2);
        box->setAccessibleName(caption->text());
        return box;
    };
    auto button
        = [this](const QString &caption, QWidget *parent, const QString &name, int left, void (Form14::*handler)()) {
              return placeButton(this, parent, caption, name, left, 4080, left == 240 ? 2415 : 1215, 435, handler);
          };

    // Game definition page.
    Frame1 = placeFrame(central, QStringLiteral("Game Defintion"), QStringLiteral("Frame1"), 120, 120, 6255, 4695);
    Label1 = label(QStringLiteral("Game Name:"), Frame1, QStringLiteral("Label1"), 240, 390, 1335);
    Text1 = placeControl(new QLineEdit(Frame1), QStringLiteral("Text1"), 1680, 360, 2175, 315);
    Text1->setMaxLength(12);
    Text1->setAccessibleName(QStringLiteral("Game Name"));
    Label2 = label(
        QStringLiteral("Number of main balls in draw result"), Frame1, QStringLiteral("Label2"), 240, 840, 4455);
    Text2 = countBox(Label2, QStringLiteral("Text2"), 810);
    Label3 = label(
        QStringLiteral("Number of bonus balls in draw result"), Frame1, QStringLiteral("Label3"), 240, 1230, 4455);
    Text3 = countBox(Label3, QStringLiteral("Text3"), 1200);
    Label4 = label(QStringLiteral("Number of main balls in pool"), Frame1, QStringLiteral("Label4"), 240, 1620, 4455);
    Text4 = countBox(Label4, QStringLiteral("Text4"), 1590);
    Label5 = label(
        QStringLiteral("Bonus ball picked from main ball pool"), Frame1, QStringLiteral("Label5"), 240, 1980, 4455);
    Frame3 = placeFrame(Frame1, QString(), QStringLiteral("Frame3"), 240, 2250, 5775, 495);
    Option1
        = placeControl(new QRadioButton(QStringLiteral("No"), Frame3), QStringLiteral("Option1"), 120, 150, 855, 255);
    Option2
        = placeControl(new QRadioButton(QStringLiteral("Yes"), Frame3), QStringLiteral("Option2"), 1080, 150, 855, 255);
    Option3 = placeControl(new QRadioButton(QStringLiteral("Bonus Not Used in Draw"), Frame3),
        QStringLiteral("Option3"), 2040, 150, 3015, 255);
    Option3->setChecked(true);
    Label6 = label(
        QStringLiteral("Number of bonus balls in bonus ball pool"), Frame1, QStringLiteral("Label6"), 240, 2880, 4455);
    Text6 = countBox(Label6, QStringLiteral("Text6"), 2850);
    Label7 = label(
        QStringLiteral("Number of main balls picked for entry"), Frame1, QStringLiteral("Label7"), 240, 3270, 4455);
    Text7 = countBox(Label7, QStringLiteral("Text7"), 3240);
    Label8 = label(
        QStringLiteral("Number of bonus balls picked for entry"), Frame1, QStringLiteral("Label8"), 240, 3660, 4455);
    Text8 = countBox(Label8, QStringLiteral("Text8"), 3630);
    Command2 = button(
        QStringLiteral("Save Game Defintion"), Frame1, QStringLiteral("Command2"), 240, &Form14::Command2_Click);
    Command1 = button(QStringLiteral("Exit"), Frame1, QStringLiteral("Command1"), 4800, &Form14::Command1_Click);

    // Winning combinations page: two columns of prize categories.
    Frame4 = placeControl(
        new QGroupBox(QStringLiteral("Winning Cominations (Tick ONLY those that apply to this game.)"), central),
        QStringLiteral("Frame4"), 120, 120, 6255, 4695);
    static const char *const categories[] = {"Match 7", "Match 6 + Bonus", "Match 6", "Match 5 + Bonus", "Match 5",
        "Match 4 + Bonus", "Match 4", "Match 3 + Bonus", "Match 3", "Match 2 + Bonus", "Match 2", "Match 1 + Bonus",
        "Match 1", "Match Bonus Only", "Match Nothing"};
    for (int i = 0; i < 15; ++i) {
        const int column = i / 8;
        const int row = i % 8;
        auto *box = placeControl(new QCheckBox(QLatin1String(categories[i]), Frame4),
            QStringLiteral("Check1(%1)").arg(i), 240 + 3000 * column, 360 + 420 * row, 2775, 255);
        Check1[static_cast<size_t>(i)] = box;
        connect(box, &QCheckBox::clicked, this, [this, i] { Check1_Click(i); });
    }
    Command3 = button(
        QStringLiteral("Save Wiinning Lines"), Frame4, QStringLiteral("Command3"), 240, &Form14::Command3_Click);
    Command4 = button(QStringLiteral("Exit"), Frame4, QStringLiteral("Command4"), 4800, &Form14::Command4_Click);

    // Draw days page.
    Frame2 = placeFrame(
        central, QStringLiteral("Click on Days that Draw is made"), QStringLiteral("Frame2"), 120, 120, 6255, 4695);
    static const char *const days[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    for (int k = 0; k < 7; ++k)
        Check2[static_cast<size_t>(k)] = placeControl(new QCheckBox(QLatin1String(days[k]), Frame2),
            QStringLiteral("Check2(%1)").arg(k), 240, 360 + 420 * k, 2775, 255);
    Command6
        = button(QStringLiteral("Save Draw Days"), Frame2, QStringLiteral("Command6"), 240, &Form14::Command6_Click);
    Command5 = button(QStringLiteral("Exit"), Frame2, QStringLiteral("Command5"), 4800, &Form14::Command5_Click);

    // Preferences page.
    Frame6 = placeFrame(central, QString(), QStringLiteral("Frame6"), 120, 120, 6255, 4695);
    Frame5
        = placeFrame(Frame6, QStringLiteral("Preferences Ball Color"), QStringLiteral("Frame5"), 120, 120, 6015, 975);
    Option4 = placeControl(new QRadioButton(QStringLiteral("Red Main Ball (any Bonus/Extra Ball White)"), Frame5),
        QStringLiteral("Option4"), 120, 300, 5775, 255);
    Option5 = placeControl(new QRadioButton(QStringLiteral("White Main Ball (any Bonus/Extra Ball Red)"), Frame5),
        QStringLiteral("Option5"), 120, 630, 5775, 255);
    Option5->setChecked(true);
    Frame7 = placeFrame(Frame6, QStringLiteral("Preferences Extra/Bonus Ball Two-Character Display"),
        QStringLiteral("Frame7"), 120, 1200, 6015, 2295);
    Option6 = placeControl(
        new QRadioButton(QStringLiteral("EB = Extra Ball"), Frame7), QStringLiteral("Option6"), 120, 300, 3615, 255);
    Option7 = placeControl(
        new QRadioButton(QStringLiteral("BB = Bonus Ball"), Frame7), QStringLiteral("Option7"), 120, 630, 3615, 255);
    Option9 = placeControl(new QRadioButton(QStringLiteral("PB = Powerball Ball"), Frame7), QStringLiteral("Option9"),
        120, 960, 3615, 255);
    Option8 = placeControl(
        new QRadioButton(QStringLiteral("MB = Mega Ball"), Frame7), QStringLiteral("Option8"), 120, 1290, 3615, 255);
    Option11 = placeControl(
        new QRadioButton(QStringLiteral("Other Specify:"), Frame7), QStringLiteral("Option11"), 120, 1650, 1695, 255);
    Option7->setChecked(true);
    Text5 = placeControl(new QLineEdit(QStringLiteral("BB"), Frame7), QStringLiteral("Text5"), 1920, 1620, 495, 315);
    Text5->setMaxLength(2);
    Text5->setAccessibleName(QStringLiteral("Other Specify"));
    Label9 = placeControl(new QLabel(QStringLiteral("="), Frame7), QStringLiteral("Label9"), 2520, 1650, 195, 255);
    Text9 = placeControl(
        new QLineEdit(QStringLiteral("Bonus Ball"), Frame7), QStringLiteral("Text9"), 2760, 1620, 2055, 315);
    Text9->setMaxLength(10);
    Text9->setAccessibleName(QStringLiteral("Other Specify name"));
    Command7
        = button(QStringLiteral("Save Preferences"), Frame6, QStringLiteral("Command7"), 240, &Form14::Command7_Click);
    Command8 = button(QStringLiteral("Exit"), Frame6, QStringLiteral("Command8"), 4800, &Form14::Command8_Click);
}

void Form14::buildMenu()
{
    QMenuBar *bar = menuBar;
    auto item = [&](const QString &caption, const char *name, void (Form14::*handler)()) {
        QAction *action = bar->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return action;
    };
    mnuGD = item(QStringLiteral("Game Definition"), "mnuGD", &Form14::mnuGD_Click);
    mnuWC = item(QStringLiteral("Winning Combinations"), "mnuWC", &Form14::mnuWC_Click);
    mnuDays = item(QStringLiteral("Draw Days"), "mnuDays", &Form14::mnuDays_Click);
    mnuPreferences = item(QStringLiteral("Preferences"), "mnuPreferences", &Form14::mnuPreferences_Click);
}

QString Form14::definitionPath() const
{
    return dataPath(m_appFolder, m_gameFile);
}

void Form14::Form_Load()
{
    // The first page is the game definition.
    showPage(Frame1);

    // A game with main balls is an existing one, whose amendment deletes its files.
    ExistingGame = false;
    const GameFileRead read = readGameDefinition(definitionPath());
    const GameDefinition record = read.definition;
    if (record.mainDrawn > 0) {
        LoadedName = record.nameText();
        ExistingGame = true;
    }

    // The stored name and counts.
    Text1->setText(record.nameText());
    Text2->setText(QString::number(record.mainDrawn));
    Text4->setText(QString::number(record.mainPool));
    Text3->setText(QString::number(record.bonusDrawn));
    Text6->setText(QString::number(record.bonusPool));
    Text7->setText(QString::number(record.mainPicked));
    Text8->setText(QString::number(record.bonusPicked));

    // The bonus source; any other stored value keeps the design choice.
    if (record.bonusSource == 0)
        Option1->setChecked(true);
    else if (record.bonusSource == 1)
        Option2->setChecked(true);
    else if (record.bonusSource == 2)
        Option3->setChecked(true);

    // The winning lines and the draw days.
    for (size_t i = 1; i <= 15; ++i)
        Check1[i - 1]->setChecked(record.winLines[i] == 1);
    for (size_t k = 1; k <= 7; ++k)
        Check2[k - 1]->setChecked(record.drawDays[k] == static_cast<int16_t>(k));

    // The ball colour.
    if (record.ballColour == 1)
        Option4->setChecked(true);

    // A stored bonus name means the player's own tag, whatever the tag is.
    if (countBoxValue(Text8->text()) > 0) {
        const QString tag = record.bonusTagText();
        if (tag == QLatin1String("EB"))
            Option6->setChecked(true);
        else if (tag == QLatin1String("BB"))
            Option7->setChecked(true);
        else if (tag == QLatin1String("PB"))
            Option9->setChecked(true);
        else if (tag == QLatin1String("MB"))
            Option8->setChecked(true);
        if (record.bonusName[0] != ' ' && record.bonusName[0] != '\0') {
            Text9->setText(record.bonusNameText().trimmed());
            Text5->setText(tag);
            Option11->setChecked(true);
        }
    }

    // Ticking the boxes above was no change by the player.
    LinesChanged = false;

    // The boxes show what could be read; the player must know when that is not the stored game.
    if (read.status == GameFileStatus::OpenFailed)
        platform::MsgBox(cannotOpenFile(m_gameFile, read.error));
    else if (read.status == GameFileStatus::WrongLength)
        platform::MsgBox(damagedGameFileMessage(definitionPath(), read.length));
}

void Form14::showPage(QGroupBox *page)
{
    for (QGroupBox *frame : {Frame1, Frame4, Frame2, Frame6})
        frame->setVisible(frame == page);
}

void Form14::mnuGD_Click()
{
    showPage(Frame1);
}

void Form14::mnuWC_Click()
{
    showPage(Frame4);
}

void Form14::mnuDays_Click()
{
    showPage(Frame2);
}

void Form14::mnuPreferences_Click()
{
    showPage(Frame6);
    // The tag and name only matter for a game whose draw has bonus balls, as currently typed.
    Frame7->setVisible(countBoxValue(Text3->text()) > 0);
}

void Form14::Check1_Click(int index)
{
    (void)index;
    LinesChanged = true;
}

void Form14::Command2_Click()
{
    GameDefinitionInput input;
    input.name = Text1->text();
    input.mainDrawn = Text2->text();
    input.bonusDrawn = Text3->text();
    input.mainPool = Text4->text();
    input.bonusPool = Text6->text();
    input.mainPicked = Text7->text();
    input.bonusPicked = Text8->text();
    input.bonusSource = Option1->isChecked() ? 0 : Option2->isChecked() ? 1 : Option3->isChecked() ? 2 : -1;

    const QString refusal = checkGameDefinition(input);
    if (!refusal.isEmpty()) {
        platform::MsgBox(refusal);
        return;
    }

    // Amending a game makes its results and entries meaningless, so they go with the old file.
    QStringList undeleted;
    if (ExistingGame) {
        if (!platform::AskYesNo(QStringLiteral(
                "WARNING - If you amend an existing game all results and entries for that existing game will be "
                "deleted. If you have changed the Game Name, you will also not be able to download results from the "
                "web for that game. Are you sure you want to save changes to this game?"))) {
            platform::MsgBox(QStringLiteral("Changes not saved"));
            return;
        }
        undeleted = deleteAmendedGameFiles(m_appFolder, m_gameFile, LoadedName);
    }

    // An amended game starts from an empty record, as its deleted file would read.
    const GameFileSave saved = updateGameFile(
        definitionPath(),
        [&](GameDefinition &record) {
            applyGameDefinition(record, input);
            return QString();
        },
        ExistingGame);
    if (saved.status != GameFileSave::Status::Saved) {
        platform::MsgBox(saved.message);
        return;
    }
    if (!undeleted.isEmpty()) {
        platform::MsgBox(QStringLiteral("The game was saved, but these files of its old results and entries could "
                                        "not be deleted: %1")
                             .arg(undeleted.join(QStringLiteral(", "))));
    }

    // The preferences go with the definition. A refused preference leaves the name and counts saved; a file that cannot
    // be written has already been reported and must not be followed by a claim that the game was saved.
    const PreferencesSave preferences = savePreferences();
    if (preferences != PreferencesSave::Failed)
        platform::MsgBox(GameSavedMessage);
    emit done();
}

void Form14::Command3_Click()
{
    saveTicks([this](GameDefinition &record) {
        for (size_t i = 0; i < 15; ++i)
            record.winLines[i + 1] = Check1[i]->isChecked() ? 1 : 0;
    });
}

void Form14::Command6_Click()
{
    saveTicks([this](GameDefinition &record) {
        for (size_t k = 0; k < 7; ++k)
            record.drawDays[k + 1] = Check2[k]->isChecked() ? static_cast<int16_t>(k + 1) : int16_t(0);
    });
}

void Form14::saveTicks(const std::function<void(GameDefinition &)> &setFields)
{
    const GameFileSave saved = updateGameFile(definitionPath(), [&setFields](GameDefinition &record) {
        setFields(record);
        return QString();
    });
    if (saved.status != GameFileSave::Status::Saved) {
        platform::MsgBox(saved.message);
        return;
    }
    // Only a change of the winning lines is worth a restart; the flag is not set by the day boxes.
    if (LinesChanged)
        platform::MsgBox(
            QStringLiteral("You will need to close and restart the lottery program for these changes to take effect"));
    else
        platform::MsgBox(QStringLiteral("Done"));
}

void Form14::Command7_Click()
{
    savePreferences();
}

Form14::PreferencesSave Form14::savePreferences()
{
    PreferencesInput input;
    input.redMainBalls = Option4->isChecked();
    if (Option6->isChecked())
        input.presetTag = QStringLiteral("EB");
    else if (Option7->isChecked())
        input.presetTag = QStringLiteral("BB");
    else if (Option9->isChecked())
        input.presetTag = QStringLiteral("PB");
    else if (Option8->isChecked())
        input.presetTag = QStringLiteral("MB");
    input.otherTag = Option11->isChecked();
    input.tag = Text5->text();
    input.name = Text9->text();

    const GameFileSave saved
        = updateGameFile(definitionPath(), [&](GameDefinition &record) { return applyPreferences(record, input); });
    switch (saved.status) {
    case GameFileSave::Status::Saved:
        return PreferencesSave::Saved;
    case GameFileSave::Status::Refused:
        platform::MsgBox(saved.message);
        return PreferencesSave::Refused;
    case GameFileSave::Status::Failed:
        break;
    }
    platform::MsgBox(saved.message);
    return PreferencesSave::Failed;
}

void Form14::Command1_Click()
{
    exitWindow();
}

void Form14::Command4_Click()
{
    exitWindow();
}

void Form14::Command5_Click()
{
    exitWindow();
}

void Form14::Command8_Click()
{
    exitWindow();
}

void Form14::exitWindow()
{
    unload();
}

} // namespace vx
