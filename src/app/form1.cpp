#include "app/form1.h"

#include "dialogs/editentry.h"
#include "dialogs/form14.h"
#include "dialogs/form2.h"
#include "dialogs/form5.h"
#include "gamedata/boxvalue.h"
#include "gamedata/drawcheck.h"
#include "gamedata/entryfiles.h"
#include "gamedata/gamedefinition.h"
#include "gamedata/monthnames.h"
#include "gamedata/numberlines.h"
#include "gamedata/numbersfile.h"
#include "gamedata/sharedstate.h"
#include "pickdigits/picky34.h"
#include "platform/controls.h"
#include "platform/datepicker.h"
#include "platform/events.h"
#include "platform/localemonths.h"
#include "platform/messages.h"
#include "platform/sound.h"
#include "platform/twips.h"
#include "printing/listprinting.h"
#include "printing/printers.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QItemSelection>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

namespace vx {

using platform::listFont;
using platform::placeControl;
using platform::twipsRect;
using platform::twipsToPixels;

namespace {
Form1 *g_instance = nullptr;

// Calls a handler when the picture is clicked.
class ClickFilter : public QObject
{
public:
    ClickFilter(QObject *parent, std::function<void()> handler)
        : QObject(parent)
        , m_handler(std::move(handler))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonRelease) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton) {
                m_handler();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_handler;
};
} // namespace

Form1::Form1(QWidget *parent)
    : QMainWindow(parent)
{
    g_instance = this;
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(platform::ApplicationTitle);
    buildControls();
    buildMenus();
}

Form1::~Form1()
{
    if (g_instance == this)
        g_instance = nullptr;
}

Form1 *Form1::instance()
{
    return g_instance;
}

void Form1::buildControls()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("Form1Client"));
    central->setFixedSize(twipsToPixels(9255), twipsToPixels(6420));
    setCentralWidget(central);

    // Upper panel: games, draw date and the drawn balls.
    Frame1 = placeControl(
        new QGroupBox(QStringLiteral("Select Game Type and Draw Date"), central), "Frame1", -120, 120, 9255, 3375);
    Frame2 = placeControl(new QGroupBox(QStringLiteral("Select Entry Type"), Frame1), "Frame2", 240, 240, 2175, 2115);
    static const int optionTops[] = {240, 555, 870, 1185, 1500, 1815};
    for (int n = 1; n <= 6; ++n) {
        auto *option = new QRadioButton(QStringLiteral("Game%1").arg(n), Frame2);
        option->setObjectName(QStringLiteral("Option%1").arg(n));
        option->setGeometry(twipsRect(120, optionTops[n - 1], n == 6 ? 1650 : 1935, 255));
        Option[static_cast<size_t>(n)] = option;
        connect(option, &QRadioButton::clicked, this, [this, n] { selectGame(static_cast<int16_t>(n)); });
    }
    Option[1]->setChecked(true);

    Frame3 = placeControl(new QGroupBox(QStringLiteral("Draw Date"), Frame1), "Frame3", 5280, 240, 3855, 2055);
    DTPicker1 = placeControl(new platform::DatePicker(Frame3), "DTPicker1", 120, 300, 3615, 330);
    Command1 = placeControl(new QPushButton(QStringLiteral("Add Draw"), Frame3), "Command1", 120, 780, 1215, 375);
    Command2 = placeControl(new QPushButton(QStringLiteral("Delete Draw"), Frame3), "Command2", 1380, 780, 1215, 375);
    Image1 = placeControl(new QLabel(Frame3), "Image1", 2700, 720, 480, 480);
    Label1 = placeControl(new QLabel(QStringLiteral("History"), Frame3), "Label1", 2640, 1230, 600, 195);
    Image3 = placeControl(new QLabel(Frame3), "Image3", 3300, 720, 480, 480);
    Label2 = placeControl(new QLabel(QStringLiteral("Stats"), Frame3), "Label2", 3240, 1230, 600, 195);
    for (QLabel *picture : {Image1, Image3}) {
        picture->setFrameShape(QFrame::StyledPanel);
        picture->setCursor(Qt::PointingHandCursor);
        picture->setAlignment(Qt::AlignCenter);
    }
    Image1->setPixmap(ImageList2.picture(1).scaled(twipsToPixels(420), twipsToPixels(420)));
    Image3->setPixmap(ImageList1.picture(7).scaled(twipsToPixels(420), twipsToPixels(420)));
    Image1->installEventFilter(new ClickFilter(Image1, [this] { Image1_Click(); }));
    Image3->installEventFilter(new ClickFilter(Image3, [this] { Image3_Click(); }));
    for (QLabel *label : {Label1, Label2})
        label->setAlignment(Qt::AlignHCenter);

    Label4 = placeControl(new QLabel(QStringLiteral("Draw Result"), Frame1), "Label4", 120, 2460, 1200, 255);
    Image4 = placeControl(new QLabel(Frame1), "Image4", 480, 2760, 330, 330);
    Image4->setPixmap(ImageList1.picture(1).scaled(twipsToPixels(330), twipsToPixels(330)));

    Picture1 = placeControl(new QWidget(Frame1), "Picture1", 1320, 2400, 6615, 735);
    for (int i = 0; i < 9; ++i) {
        auto *ball = new QLabel(Picture1);
        ball->setObjectName(QStringLiteral("Image2(%1)").arg(i));
        ball->setGeometry(twipsRect(120 + 720 * i, i <= 4 ? 80 : 75, 525, 525));
        ball->setScaledContents(true);
        ball->hide();
        Image2[static_cast<size_t>(i)] = ball;
    }
    Label3 = placeControl(new QLabel(QStringLiteral("BB"), Frame1), "Label3", 5240, 3120, 225, 195);
    Label7 = placeControl(new QLabel(QStringLiteral("BB"), Frame1), "Label7", 7400, 3120, 225, 195);

    // Entry panel.
    Frame5 = placeControl(
        new QGroupBox(QStringLiteral("My Enties For Powerball"), central), "Frame5", 0, 3600, 4215, 2775);
    DTPicker2 = placeControl(new platform::DatePicker(Frame5), "DTPicker2", 120, 240, 2655, 330);
    Command3 = placeControl(new QPushButton(QStringLiteral("Dated Entry"), Frame5), "Command3", 2880, 240, 1215, 330);
    List1 = placeControl(new QListWidget(Frame5), "List1", 120, 660, 2655, 1620);
    List1->setSelectionMode(QAbstractItemView::MultiSelection);
    List1->setFont(listFont());
    Command4 = placeControl(new QPushButton(QStringLiteral("Add"), Frame5), "Command4", 2880, 660, 1215, 315);
    Command5 = placeControl(new QPushButton(QStringLiteral("Delete"), Frame5), "Command5", 2880, 1000, 1215, 315);
    Command6 = placeControl(new QPushButton(QStringLiteral("Edit"), Frame5), "Command6", 2880, 1340, 1215, 315);
    Command9 = placeControl(new QPushButton(QStringLiteral("Print"), Frame5), "Command9", 2880, 1680, 1215, 315);
    Command12 = placeControl(new QPushButton(QStringLiteral("History"), Frame5), "Command12", 2880, 2020, 1215, 315);
    Command14 = placeControl(new QPushButton(QStringLiteral("Check"), Frame5), "Command14", 2880, 2360, 1215, 315);
    Label5 = placeControl(new QLabel(QStringLiteral("Entries"), Frame5), "Label5", 120, 2400, 700, 255);
    Text2 = placeControl(new QLineEdit(QStringLiteral("0"), Frame5), "Text2", 840, 2370, 900, 285);

    // Winning lines.
    Frame6 = placeControl(new QGroupBox(QStringLiteral("Winning Lines"), central), "Frame6", 4320, 3600, 4815, 2775);
    List2 = placeControl(new QListWidget(Frame6), "List2", 120, 240, 4575, 2040);
    List2->setFont(listFont());
    Label6 = placeControl(new QLabel(QStringLiteral("Total Wins"), Frame6), "Label6", 120, 2400, 900, 255);
    Text3 = placeControl(new QLineEdit(QStringLiteral("0"), Frame6), "Text3", 1080, 2370, 900, 285);
    Command10 = placeControl(new QPushButton(QStringLiteral("Print"), Frame6), "Command10", 3480, 2370, 1215, 315);

    connect(DTPicker1, &QDateEdit::dateChanged, this, [this] { DTPicker1_Change(); });
    connect(DTPicker2, &QDateEdit::dateChanged, this, [this] { DTPicker2_Change(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
    connect(Command9, &QPushButton::clicked, this, [this] { Command9_Click(); });
    connect(Command10, &QPushButton::clicked, this, [this] { Command10_Click(); });
    connect(Command12, &QPushButton::clicked, this, [this] { Command12_Click(); });
    connect(Command14, &QPushButton::clicked, this, [this] { Command14_Click(); });
}

void Form1::buildMenus()
{
    QMenuBar *bar = menuBar();
    auto named = [](auto *object, const char *name) {
        object->setObjectName(QLatin1String(name));
        return object;
    };
    auto submenu = [&](QMenu *parent, const QString &caption, const char *name) {
        QMenu *menu = parent ? parent->addMenu(caption) : bar->addMenu(caption);
        named(menu, name);
        named(menu->menuAction(), name);
        return menu;
    };
    auto item = [&](QMenu *menu, const QString &caption, const char *name, void (Form1::*handler)()) {
        QAction *action = named(menu->addAction(caption), name);
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return action;
    };
    auto topItem = [&](const QString &caption, const char *name, void (Form1::*handler)()) {
        QAction *action = named(bar->addAction(caption), name);
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return action;
    };

    mnuFile = submenu(nullptr, QStringLiteral("File"), "mnuFile");
    mnuConfig = submenu(mnuFile, QStringLiteral("Configure Game"), "mnuConfig");
    static void (Form1::*const nameHandlers[])() = {&Form1::mnuName1_Click, &Form1::mnuName2_Click,
        &Form1::mnuName3_Click, &Form1::mnuName4_Click, &Form1::mnuName5_Click, &Form1::mnuName6_Click};
    static const char *const nameItems[] = {"mnuName1", "mnuName2", "mnuName3", "mnuName4", "mnuName5", "mnuName6"};
    for (int n = 1; n <= 6; ++n)
        mnuName[static_cast<size_t>(n)]
            = item(mnuConfig, QStringLiteral("Game%1").arg(n), nameItems[n - 1], nameHandlers[n - 1]);
    mnuTicketPrinting = submenu(mnuFile, QStringLiteral("Ticket Printing"), "mnuTicketPrinting");
    mnuPrintTickets
        = item(mnuTicketPrinting, QStringLiteral("Print Tickets"), "mnuPrintTickets", &Form1::mnuPrintTickets_Click);
    mnuCalibrate = item(mnuTicketPrinting, QStringLiteral("Calibrate"), "mnuCalibrate", &Form1::mnuCalibrate_Click);
    mnuResults = item(mnuFile, QStringLiteral("Update Results"), "mnuResults", &Form1::mnuResults_Click);
    mnuDelete = item(mnuFile, QStringLiteral("Entry File Deletion"), "mnuDelete", &Form1::mnuDelete_Click);
    mnuFilter = item(mnuFile, QStringLiteral("Filter Current Entry"), "mnuFilter", &Form1::mnuFilter_Click);
    mnuImport = item(mnuFile, QStringLiteral("Import TXT Entry"), "mnuImport", &Form1::mnuImport_Click);
    mnuprinters = item(mnuFile, QStringLiteral("Select Printer"), "mnuprinters", &Form1::mnuprinters_Click);
    mnuLoadRTLs = item(mnuFile, QStringLiteral("Load Downloaded Results"), "mnuLoadRTLs", &Form1::mnuLoadRTLs_Click);
    mnuExit = item(mnuFile, QStringLiteral("Exit"), "mnuExit", &Form1::mnuExit_Click);

    mnuWheels = submenu(nullptr, QStringLiteral("Wheels"), "mnuWheels");
    mnuWheelCreate = item(mnuWheels, QStringLiteral("Create"), "mnuWheelCreate", &Form1::mnuWheelCreate_Click);
    mnuWheelOpen = submenu(mnuWheels, QStringLiteral("Open"), "mnuWheelOpen");
    struct WheelRow {
        const char *name;
        int match;
        int picked;
        const char *suffix;
        int16_t type;
        int16_t pick;
        void (Form1::*handler)();
    };
    static const WheelRow rows[] = {
        {"mnu777", 7, 7, "-7-7-7.lot", 1, 7, &Form1::mnu777_Click},
        {"mnu776", 6, 7, "-7-7-6.lot", 2, 7, &Form1::mnu776_Click},
        {"mnu775", 5, 7, "-7-7-5.lot", 3, 7, &Form1::mnu775_Click},
        {"mnu774", 4, 7, "-7-7-4.lot", 4, 7, &Form1::mnu774_Click},
        {"mnu773", 3, 7, "-7-7-3.lot", 5, 7, &Form1::mnu773_Click},
        {"mnu666", 6, 6, "-6-6-6.lot", 1, 6, &Form1::mnu666_Click},
        {"mnu665", 5, 6, "-6-6-5.lot", 2, 6, &Form1::mnu665_Click},
        {"mnu664", 4, 6, "-6-6-4.lot", 3, 6, &Form1::mnu664_Click},
        {"mnu663", 3, 6, "-6-6-3.lot", 4, 6, &Form1::mnu663_Click},
        {"mnu655", 5, 5, "-6-5-5.lot", 5, 6, &Form1::mnu655_Click},
        {"mnu654", 4, 5, "-6-5-4.lot", 6, 6, &Form1::mnu654_Click},
        {"mnu653", 3, 5, "-6-5-3.lot", 7, 6, &Form1::mnu653_Click},
        {"mnu644", 4, 4, "-6-4-4.lot", 8, 6, &Form1::mnu644_Click},
        {"mnu643", 3, 4, "-6-4-3.lot", 9, 6, &Form1::mnu643_Click},
        {"mnu633", 3, 3, "-6-3-3.lot", 10, 6, &Form1::mnu633_Click},
        {"mnu555", 5, 5, "-5-5-5.lot", 1, 5, &Form1::mnu555_Click},
        {"mnu554", 4, 5, "-5-5-4.lot", 2, 5, &Form1::mnu554_Click},
        {"mnu553", 3, 5, "-5-5-3.lot", 3, 5, &Form1::mnu553_Click},
        {"mnu544", 4, 4, "-5-4-4.lot", 4, 5, &Form1::mnu544_Click},
        {"mnu543", 3, 4, "-5-4-3.lot", 5, 5, &Form1::mnu543_Click},
        {"mnu533", 3, 3, "-5-3-3.lot", 6, 5, &Form1::mnu533_Click},
        {"mnu444", 4, 4, "-4-4-4.lot", 1, 4, &Form1::mnu444_Click},
        {"mnu443", 3, 4, "-4-4-3.lot", 2, 4, &Form1::mnu443_Click},
        {"mnu442", 2, 4, "-4-4-2.lot", 3, 4, &Form1::mnu442_Click},
    };
    for (const WheelRow &row : rows) {
        const QString caption
            = QStringLiteral("Guarantee Match %1 if %2 Picked from Group").arg(row.match).arg(row.picked);
        QAction *action = named(mnuWheelOpen->addAction(caption), row.name);
        connect(action, &QAction::triggered, this, [this, handler = row.handler] { (this->*handler)(); });
        m_wheelItems.push_back({action, row.name, caption, QLatin1String(row.suffix), row.type, row.pick});
    }

    mnuStand = submenu(nullptr, QStringLiteral("Standing Entry"), "mnuStand");
    mnustandcreate
        = item(mnuStand, QStringLiteral("Save as Standing Entry"), "mnustandcreate", &Form1::mnustandcreate_Click);
    mnuStandOpen = item(mnuStand, QStringLiteral("Open Standing Entry"), "mnuStandOpen", &Form1::mnuStandOpen_Click);
    mnupick3 = topItem(QStringLiteral("Pick 3"), "mnupick3", &Form1::mnupick3_Click);
    mnupick4 = topItem(QStringLiteral("Pick 4"), "mnupick4", &Form1::mnupick4_Click);
    mnuOpt = submenu(nullptr, QStringLiteral("Optimized Entry"), "mnuOpt");
    mnuOptCreate = item(mnuOpt, QStringLiteral("Create"), "mnuOptCreate", &Form1::mnuOptCreate_Click);
    mnuUpgrade = topItem(QStringLiteral("Check for Upgrade"), "mnuUpgrade", &Form1::mnuUpgrade_Click);
    mnuHlp = submenu(nullptr, QStringLiteral("Help"), "mnuHlp");
    mnuHelp = item(mnuHlp, QStringLiteral("Vexmora Help"), "mnuHelp", &Form1::mnuHelp_Click);
    mnuAbout = item(mnuHlp, QStringLiteral("About Vexmora"), "mnuAbout", &Form1::mnuAbout_Click);
    mnuExitMenu = topItem(QStringLiteral("Exit"), "mnuExitMenu", &Form1::mnuExitMenu_Click);
}

// ---------------------------------------------------------------------------------------------
// Start-up and the end of the program

bool Form1::Form_Load()
{
    // 1-2. The locale's abbreviated month names; without them no dated entry file can be named.
    const std::optional<QStringList> abbreviations = platform::SystemAbbreviatedMonthNames();
    if (!abbreviations) {
        platform::MsgBox(QStringLiteral("Cannot establish the date system used on your PC - sorry!"));
        endProgram();
        return false;
    }
    MonthNames = processMonthNames(*abbreviations, &CalendarText);

    // 3. Both dates start at today. No game is loaded yet, so the pickers' refreshes stay quiet.
    {
        const QSignalBlocker block1(DTPicker1);
        const QSignalBlocker block2(DTPicker2);
        DTPicker1->setValue(QDate::currentDate());
        DTPicker2->setValue(QDate::currentDate());
    }

    // 4-6.
    setWindowTitle(platform::ApplicationTitle);
    OpenWheelType = 0;
    HistoryListFull = false;
    AppFolder = platform::ProgramFolder();
    if (AppFolder == QLatin1String("/"))
        AppFolder.clear(); // the root folder: paths become "/game1.dat"
    HelpFile = AppFolder + QStringLiteral("/Calvenor.chm");

    // 7.
    for (QLabel *ball : Image2)
        ball->hide();

    // 8.
    PrintingEnabled = SelectSavedPrinter();
    if (!PrintingEnabled) {
        Command9->setEnabled(false);
        Command10->setEnabled(false);
        mnuTicketPrinting->menuAction()->setEnabled(false);
    }

    // 9-10.
    Text3->setText(QStringLiteral("0"));
    Text2->setText(QStringLiteral("0"));
    Option[1]->setChecked(true);
    Command3->hide();

    // 11. Caption the game buttons and the Configure Game items from the six game files.
    QStringList unwritable;
    for (int n = 1; n <= 6; ++n) {
        GameFile = paddedGameFileName(n);
        const QString path = dataPath(gameFileName(n));
        const GameFileRead read = readGameDefinition(path);
        if (read.status == GameFileStatus::OpenFailed)
            unwritable << gameFileName(n);
        else if (read.status == GameFileStatus::WrongLength)
            platform::MsgBox(damagedGameFileMessage(path, read.length));
        QRadioButton *button = Option[static_cast<size_t>(n)];
        if (read.definition.mainPool <= 1) {
            button->setText(QStringLiteral("Game%1").arg(n));
            button->setEnabled(false);
        } else {
            const QString name = read.definition.nameText();
            button->setText(name);
            mnuName[static_cast<size_t>(n)]->setText(name);
        }
    }
    if (!unwritable.isEmpty()) {
        platform::MsgBox(QStringLiteral("The application folder %1 cannot be written, so the game files (%2) "
                                        "could not be created. Games cannot be defined or saved until the folder "
                                        "can be written.")
                             .arg(AppFolder, unwritable.join(QStringLiteral(", "))));
    }

    // 12.
    Option1_Click();
    return true;
}

void Form1::endProgram()
{
    DeleteEmptyEntryFile();
    platform::EndProgram();
}

void Form1::closeEvent(QCloseEvent *event)
{
    // Form_Unload
    event->accept();
    endProgram();
}

void Form1::mnuExit_Click()
{
    endProgram();
}

void Form1::mnuExitMenu_Click()
{
    endProgram();
}

// ---------------------------------------------------------------------------------------------
// Game selection

void Form1::selectGame(int16_t number)
{
    GameNumber = number;
    GameFile = paddedGameFileName(number);
    setupgame();
}

void Form1::Option1_Click()
{
    selectGame(1);
}

void Form1::Option2_Click()
{
    selectGame(2);
}

void Form1::Option3_Click()
{
    selectGame(3);
}

void Form1::Option4_Click()
{
    selectGame(4);
}

void Form1::Option5_Click()
{
    selectGame(5);
}

void Form1::Option6_Click()
{
    selectGame(6);
}

void Form1::setGameControlsEnabled(bool enabled)
{
    Frame5->setEnabled(enabled);
    Frame3->setEnabled(enabled);
    for (QMenu *menu : {mnuWheels, mnuStand, mnuOpt})
        menu->menuAction()->setEnabled(enabled);
    mnuTicketPrinting->menuAction()->setEnabled(enabled && PrintingEnabled);
    mnuFilter->setEnabled(enabled);
    mnuImport->setEnabled(enabled);
}

void Form1::setupgame()
{
    const QString path = dataPath(GameFile.trimmed());
    const GameFileRead read = readGameDefinition(path);
    if (read.status == GameFileStatus::WrongLength)
        platform::MsgBox(damagedGameFileMessage(path, read.length));

    if (read.definition.mainDrawn <= 0) {
        // An undefined game: nothing of it can be shown or used.
        if (GameNumber >= 1 && GameNumber <= 6)
            Option[static_cast<size_t>(GameNumber)]->setEnabled(false);
        setGameControlsEnabled(false);
        return;
    }

    loadCurrentGame(read.definition);
    Frame5->setTitle(QStringLiteral("My Enties for ") + GameName);
    Frame3->setTitle(QStringLiteral("Draw Date for ") + GameName);
    Frame6->setTitle(QStringLiteral("Winning Lines for ") + GameName);
    // A defined game may follow an undefined one, which left the panels and menus disabled.
    setGameControlsEnabled(true);

    DeleteEmptyEntryFile();
    ClearDrawDisplay();

    Command3->hide();
    DTPicker2->show();
    Label7->setVisible(BonusDrawn == 2);
    layoutBallStrip();

    DTPicker2_Change();
    DTPicker1_Change();

    const QString entries = Text2->text();
    if (!entries.isEmpty() && entries != QLatin1String("0") && drawShown())
        Command14_Click();

    if (MainDrawn >= 4 && MainDrawn <= 7)
        ShowWheelMenus(MainDrawn);
    mnuWheels->menuAction()->setEnabled(MainDrawn != 3);
}

void Form1::layoutBallStrip()
{
    auto setStrip = [this](int width) { Picture1->resize(twipsToPixels(width), twipsToPixels(735)); };
    auto placeTag = [](QLabel *tag, int left) { tag->move(twipsToPixels(left), twipsToPixels(3120)); };

    if (BonusDrawn == 2) {
        Label3->setText(BonusTag);
        Label7->setText(BonusTag);
        Label3->show();
        Label7->show();
        struct Row {
            int width, tag1, tag2;
        };
        static const Row rows[]
            = {{3735, 3700, 4440}, {4455, 4440, 5180}, {5175, 5180, 5920}, {5895, 5920, 6660}, {6615, 6660, 7400}};
        if (MainDrawn >= 3 && MainDrawn <= 7) {
            const Row &row = rows[MainDrawn - 3];
            setStrip(row.width);
            placeTag(Label3, row.tag1);
            placeTag(Label7, row.tag2);
        }
        return;
    }

    const int n = MainDrawn + BonusDrawn;
    struct Row {
        int width, tag;
    };
    // Eight pictures (seven main balls and one extra) follow the same rule as the others: the
    // strip is 720 per picture plus 135, and the tag sits under the eighth picture.
    static const Row rows[] = {{3015, 3330}, {3735, 4040}, {4455, 5240}, {5175, 5480}, {5895, 6660}};
    if (n < 4 || n > 8)
        return;
    const Row &row = rows[n - 4];
    setStrip(row.width);
    if (BonusDrawn == 1) {
        Label3->setText(BonusTag);
        Label3->show();
        placeTag(Label3, row.tag);
    } else {
        Label3->hide();
    }
}

// ---------------------------------------------------------------------------------------------
// Draw panel

bool Form1::drawShown() const
{
    return Image2[0]->isVisibleTo(Picture1);
}

void Form1::DTPicker1_Change()
{
    const int day = DTPicker1->Day();
    const int month = DTPicker1->Month();
    const int year = DTPicker1->Year();
    List2->clear();
    Text3->setText(QStringLiteral("0"));
    for (QLabel *ball : Image2)
        ball->hide();

    HistoryFile = dataPath(historyFileName(GameName));
    NumbersFileRead history;
    if (const FileResult read = readNumbersFile(HistoryFile, &history); !read.ok) {
        platform::MsgBox(read.message);
        return;
    }
    if (history.damaged)
        platform::MsgBox(history.damageMessage());
    const int count = static_cast<int>(history.records.size());
    for (int r = 1; r <= count; ++r) {
        const NumbersRecord &rec = history.records[static_cast<size_t>(r - 1)];
        if (rec.day != day || rec.month != month || rec.year != year)
            continue;
        showDrawRecord(rec);
        DrawRecord = static_cast<int16_t>(r);
        return;
    }
}

void Form1::showDrawRecord(const NumbersRecord &rec)
{
    // The balls fill the places from the first without gaps: mains, then the extras.
    int16_t p = 0;
    if (rec.main[0] > 0)
        ShowBall(0, rec.main[0], 0);
    for (size_t i = 1; i < 7; ++i) {
        if (rec.main[i] > 0)
            ShowBall(++p, rec.main[i], 0);
    }
    if (rec.extra[0] > 0)
        ShowBall(++p, rec.extra[0], 1);
    if (rec.extra[1] > 0)
        ShowBall(++p, rec.extra[1], 2);
}

void Form1::ShowBall(int16_t pos, int16_t ball, int16_t kind)
{
    if (ball == 0 || pos < 0 || pos > 8)
        return;
    const BallImageList *list = nullptr;
    if (kind == 0) {
        DrawnBalls[static_cast<size_t>(pos + 1)] = ball;
        list = BallColour == 0 ? &ImageList2 : &ImageList1;
    } else if (kind == 1 || kind == 2) {
        DrawnBalls[kind == 1 ? 8 : 9] = ball;
        list = BallColour == 0 ? &ImageList1 : &ImageList2;
    } else {
        return;
    }
    QLabel *picture = Image2[static_cast<size_t>(pos)];
    picture->setPixmap(list->picture(ball));
    picture->show();
}

void Form1::ClearDrawDisplay()
{
    OpenWheelType = 0;
    for (QLabel *ball : Image2)
        ball->hide();
    List1->clear();
    List2->clear();
    Text2->setText(QStringLiteral("0"));
    EntryFile.clear();
}

void Form1::Command1_Click()
{
    if (drawShown()) {
        platform::MsgBox(QStringLiteral("There is already a draw result for this date and game. Delete the draw "
                                        "first if you want to change it."));
        return;
    }
    const int w = DTPicker1->DayOfWeek();
    if (DrawDays[static_cast<size_t>(w)] != w
        && !platform::AskYesNo(QStringLiteral("You are entering a draw that has not been defined as a draw day. Do "
                                              "you want to continue"))) {
        return;
    }
    auto *form = new Form2();
    form->Form_Load();
    form->layoutForGame();
    setEnabled(false);
    form->show();
}

void Form1::Command2_Click()
{
    if (!drawShown()) {
        platform::MsgBox(QStringLiteral("There is no draw displayed to delete"));
        return;
    }
    if (!platform::AskYesNo(QStringLiteral("Do you really want to delete this draw?")))
        return;
    // The refresh finds the shown draw's record again.
    DTPicker1_Change();
    if (!drawShown())
        return;
    const FileResult deleted = deleteResult(HistoryFile, DrawRecord);
    if (!deleted.ok) {
        platform::MsgBox(deleted.message);
        return;
    }
    for (QLabel *ball : Image2)
        ball->hide();
    List2->clear();
    Text3->setText(QStringLiteral("0"));
}

// ---------------------------------------------------------------------------------------------
// Entry panel

int Form1::entryCountShown() const
{
    return RoundToInt16(BoxValue(Text2->text()));
}

void Form1::DTPicker2_Change()
{
    // The panel's own state: the whole window is disabled while a tool window is open.
    if (!Frame5->isEnabledTo(this))
        return;
    DeleteEmptyEntryFile();
    List2->clear();
    List1->clear();
    Text2->setText(QStringLiteral("0"));
    Text3->setText(QStringLiteral("0"));
    EntryFile = dataPath(datedEntryFileName(GameName, DTPicker2->Value()));
    listEntryFile();
}

void Form1::listEntryFile()
{
    NumbersFileRead entries;
    if (const FileResult read = readNumbersFile(EntryFile, &entries); !read.ok) {
        platform::MsgBox(read.message);
        return;
    }
    const int count = static_cast<int>(entries.records.size());

    // The whole list goes in at once, with the count box following the last line.
    QStringList lines;
    lines.reserve(count);
    for (const NumbersRecord &rec : entries.records)
        lines << entryLineText(rec.numbers(), BonusTag);
    List1->setUpdatesEnabled(false);
    List1->addItems(lines);
    List1->setUpdatesEnabled(true);
    if (count > 0)
        Text2->setText(QString::number(count));
    if (entries.damaged)
        platform::MsgBox(entries.damageMessage());
}

void Form1::AddEntryLine(
    int16_t b1, int16_t b2, int16_t b3, int16_t b4, int16_t b5, int16_t b6, int16_t b7, int16_t x1, int16_t x2)
{
    List1->addItem(entryLineText({b1, b2, b3, b4, b5, b6, b7, x1, x2}, BonusTag));
}

void Form1::Command3_Click()
{
    OpenWheelType = 0;
    DeleteEmptyEntryFile();
    Command3->hide();
    Text2->setText(QStringLiteral("0"));
    List1->clear();
    List2->clear();
    DTPicker2_Change();
    DTPicker2->show();
}

void Form1::Command4_Click()
{
    const bool standing = EntryFile.contains(QLatin1String("Stand"));
    const bool wheel = !standing && EntryFile.contains(QLatin1Char('-'));
    if (wheel
        && !platform::AskYesNo(QStringLiteral("Modifying a wheel entry can change the guarantee of the wheel. "
                                              "Are you sure you want to continue?")))
        return;
    const int w = DTPicker2->DayOfWeek();
    if (DrawDays[static_cast<size_t>(w)] != w
        && !platform::AskYesNo(QStringLiteral("Do you want to create a dated entry for a day that has not been "
                                              "defined as a draw day?")))
        return;

    auto *form = new Form5();
    form->Form_Load();
    if (BonusPicked == 0)
        form->Label2->hide();
    if (standing) {
        form->setWindowTitle(QStringLiteral("Standing Entry"));
    } else if (wheel) {
        form->setWindowTitle(QStringLiteral("Wheel Entry"));
    } else {
        form->setWindowTitle(GameName + QStringLiteral(" Entries for") + QLatin1Char(' ')
            + QString::number(DTPicker2->Day()) + QLatin1Char(' ') + MonthName(DTPicker2->Month()) + QLatin1Char(' ')
            + QString::number(DTPicker2->Year()));
    }
    setEnabled(false);
    form->show();
}

void Form1::Command5_Click()
{
    if (entryCountShown() <= 0) {
        platform::MsgBox(QStringLiteral("There are no entries to delete"));
        return;
    }
    if (EntryFile.contains(QLatin1Char('-'))
        && !platform::AskYesNo(QStringLiteral("Modifying a wheel entry can change the guarantee of the wheel. Are you "
                                              "sure you want to continue?")))
        return;

    const int n = std::min(entryCountShown(), static_cast<int>(List1->count()));
    std::vector<int> selected;
    for (int line = 0; line < n; ++line)
        if (List1->item(line)->isSelected())
            selected.push_back(line);
    if (selected.empty()) {
        platform::MsgBox(QStringLiteral("You have not selected any entries for deletion."));
        return;
    }
    const QString question = selected.size() == 1
        ? QStringLiteral("Are you sure you want to delete the selected entry?")
        : QStringLiteral("Are you sure you want to delete the %1 selected entries?").arg(selected.size());
    if (!platform::AskYesNo(question))
        return;

    List2->clear();
    Text3->setText(QStringLiteral("0"));
    int remaining = 0;
    const FileResult result = deleteEntries(EntryFile, selected, &remaining);
    if (!result.ok) {
        platform::MsgBox(result.message);
        return;
    }
    List1->setUpdatesEnabled(false);
    for (auto it = selected.rbegin(); it != selected.rend(); ++it)
        delete List1->takeItem(*it);
    List1->setUpdatesEnabled(true);
    Text2->setText(QString::number(remaining));
    // Only a deletion of every listed entry ends with a word; a partial one ends quietly.
    if (static_cast<int>(selected.size()) == n)
        platform::MsgBox(QStringLiteral("Done"));
}

void Form1::Command6_Click()
{
    if (BoxValue(Text2->text()) == 0) {
        platform::MsgBox(QStringLiteral("There are no entries displayed to edit."));
        return;
    }
    if (EntryFile.contains(QLatin1Char('-'))
        && !platform::AskYesNo(QStringLiteral("Editing a wheel entry can change the guarantee of the wheel. Are you "
                                              "sure you want to continue?")))
        return;
    const int count = std::min<int>(entryCountShown(), List1->count());
    int selected = 0;
    int line = -1;
    for (int i = 0; i < count; ++i) {
        if (List1->item(i)->isSelected()) {
            ++selected;
            line = i;
        }
    }
    if (selected == 0) {
        platform::MsgBox(QStringLiteral("You have not selected an entry to edit."));
        return;
    }
    if (selected > 1) {
        platform::MsgBox(QStringLiteral("You have more than one entry selected. You must only select one entry at a "
                                        "time for editing."));
        return;
    }
    EditRecord = static_cast<int16_t>(line + 1);
    auto *form = new editEntry();
    form->Form_Load();
    setEnabled(false);
    form->show();
}

void Form1::Command9_Click()
{
    QStringList lines;
    for (int i = 0; i < List1->count(); ++i)
        lines << List1->item(i)->text();
    PrintListCommand(lines);
}

void Form1::Command10_Click()
{
    QStringList lines;
    for (int i = 0; i < List2->count(); ++i)
        lines << List2->item(i)->text();
    PrintListCommand(lines);
}

void Form1::Command12_Click()
{
}

void Form1::Command14_Click()
{
    List2->clear();
    if (entryCountShown() < 1) {
        platform::MsgBox(QStringLiteral("You do not have any entries listed to check!"));
        return;
    }
    if (!drawShown()) {
        platform::MsgBox(QStringLiteral("You do not have any draw result listed to check against!"));
        return;
    }
    if (!anyWinLine(WinLines)) {
        platform::MsgBox(QStringLiteral("You cannot do a check you have no winning entries defined for ") + GameName);
        return;
    }

    CheckNumbers draw {};
    std::copy(DrawnBalls.begin() + 1, DrawnBalls.end(), draw.begin() + 1);
    const DrawChecker checker(draw, currentCheckRules());

    NumbersFileRead entries;
    if (const FileResult read = readNumbersFile(EntryFile, &entries); !read.ok) {
        platform::MsgBox(read.message);
        return;
    }
    const std::vector<NumbersRecord> &records = entries.records;
    const int count = static_cast<int>(records.size());

    int16_t wins = 0;
    bool sound = false;
    QStringList winningLines;
    std::vector<int> winnerRows;
    for (int i = 0; i < count; ++i) {
        const NumbersRecord &rec = records[static_cast<size_t>(i)];
        CheckNumbers entry {};
        std::copy(rec.main.begin(), rec.main.end(), entry.begin() + 1);
        entry[8] = rec.extra[0];
        entry[9] = rec.extra[1];
        const CheckOutcome outcome = checker.classify(entry);
        if (outcome.category == 0)
            continue;
        ++wins;
        sound = sound || outcome.playsSound;
        winningLines << checkedLineText(rec.main, rec.extra[0], categoryLabel(outcome.category, BonusTag), BonusTag);
        if (i < List1->count())
            winnerRows.push_back(i);
    }

    // Lines of the checked entries end up selected exactly when they won.
    QItemSelectionModel *selection = List1->selectionModel();
    const int checkedLines = std::min(count, static_cast<int>(List1->count()));
    if (checkedLines > 0)
        selection->select(QItemSelection(List1->model()->index(0, 0), List1->model()->index(checkedLines - 1, 0)),
            QItemSelectionModel::Deselect);
    // Runs of neighbouring winners go in as one range each: one selection change for the lot.
    QItemSelection winners;
    for (size_t k = 0; k < winnerRows.size();) {
        size_t end = k;
        while (end + 1 < winnerRows.size() && winnerRows[end + 1] == winnerRows[end] + 1)
            ++end;
        winners.append(
            QItemSelectionRange(List1->model()->index(winnerRows[k], 0), List1->model()->index(winnerRows[end], 0)));
        k = end + 1;
    }
    selection->select(winners, QItemSelectionModel::Select);
    List2->addItems(winningLines);
    if (sound)
        platform::PlaySoundAsync(AppFolder + QStringLiteral("/tada.wav"));

    Text3->setText(QStringLiteral(" ") + QString::number(wins));
    if (wins == 0)
        platform::MsgBox(QStringLiteral("No wins this time!"));
}

void Form1::mnustandcreate_Click()
{
    if (EntryFile.contains(QLatin1String("Stand"))) {
        platform::MsgBox(QStringLiteral("Done."));
        return;
    }
    if (entryCountShown() < 1) {
        platform::MsgBox(QStringLiteral("You do not have any entries displayed to save as a standing entry"));
        return;
    }
    const QString target = dataPath(standingEntryFileName(GameName));
    if (QFileInfo::exists(target)
        && !platform::AskYesNo(QStringLiteral("You already have a standing for this game. Only one standing entry is "
                                              "allowed per game. Do you want to continue and overwrite your existing "
                                              "file?")))
        return;
    const FileResult copied = copyFileReplacing(EntryFile, target);
    if (!copied.ok) {
        platform::MsgBox(QStringLiteral("The standing entry was not saved. ") + copied.message);
        return;
    }
    platform::MsgBox(QStringLiteral("Done!"));
}

void Form1::mnuStandOpen_Click()
{
    const QString path = dataPath(standingEntryFileName(GameName));
    if (!QFileInfo::exists(path)) {
        platform::MsgBox(QStringLiteral("You do not have a standing entry for this game!"));
        return;
    }
    DeleteEmptyEntryFile();
    EntryFile = path;
    List1->clear();
    List2->clear();
    Text2->setText(QStringLiteral("0"));
    Text3->setText(QStringLiteral("0"));
    listEntryFile();
    OpenWheelType = 0;
    Command3->show();
}

// ---------------------------------------------------------------------------------------------
// Wheels

void Form1::ShowWheelMenus(int16_t picks)
{
    if (picks < 4 || picks > 7)
        return;
    for (const WheelItem &item : m_wheelItems)
        item.action->setVisible(item.pickSize == picks);
}

void Form1::mnu777_Click()
{
    openWheelItem(0);
}

void Form1::mnu776_Click()
{
    openWheelItem(1);
}

void Form1::mnu775_Click()
{
    openWheelItem(2);
}

void Form1::mnu774_Click()
{
    openWheelItem(3);
}

void Form1::mnu773_Click()
{
    openWheelItem(4);
}

void Form1::mnu666_Click()
{
    openWheelItem(5);
}

void Form1::mnu665_Click()
{
    openWheelItem(6);
}

void Form1::mnu664_Click()
{
    openWheelItem(7);
}

void Form1::mnu663_Click()
{
    openWheelItem(8);
}

void Form1::mnu655_Click()
{
    openWheelItem(9);
}

void Form1::mnu654_Click()
{
    openWheelItem(10);
}

void Form1::mnu653_Click()
{
    openWheelItem(11);
}

void Form1::mnu644_Click()
{
    openWheelItem(12);
}

void Form1::mnu643_Click()
{
    openWheelItem(13);
}

void Form1::mnu633_Click()
{
    openWheelItem(14);
}

void Form1::mnu555_Click()
{
    openWheelItem(15);
}

void Form1::mnu554_Click()
{
    openWheelItem(16);
}

void Form1::mnu553_Click()
{
    openWheelItem(17);
}

void Form1::mnu544_Click()
{
    openWheelItem(18);
}

void Form1::mnu543_Click()
{
    openWheelItem(19);
}

void Form1::mnu533_Click()
{
    openWheelItem(20);
}

void Form1::mnu444_Click()
{
    openWheelItem(21);
}

void Form1::mnu443_Click()
{
    openWheelItem(22);
}

void Form1::mnu442_Click()
{
    openWheelItem(23);
}

void Form1::openWheelItem(size_t index)
{
    if (index >= m_wheelItems.size())
        return;
    const WheelItem &item = m_wheelItems[index];
    OpenWheelType = item.wheelType;
    openwheel(dataPath(wheelEntryFileName(GameName, item.suffix)));
}

void Form1::openwheel(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        platform::MsgBox(QStringLiteral("You have not yet created this wheel"));
        OpenWheelType = 0;
        return;
    }
    List2->clear();
    List1->clear();
    Text2->setText(QStringLiteral("0"));
    Text3->setText(QStringLiteral("0"));
    Command3->show();
    DTPicker2->hide();
    DeleteEmptyEntryFile();
    EntryFile = path;
    listEntryFile();
}

void Form1::mnuWheelCreate_Click()
{
    DeleteEmptyEntryFile();
    WheelGameName = GameName;
    WheelHistoryName = historyFileName(GameName);
    WheelMaxBall = MainPool;
    WheelListName = GameName;
    if (MainDrawn >= 4 && MainDrawn <= 6)
        WheelBonusMode = BonusPool != 0 ? 1 : 4;
    // The wheel window of the game's pick size takes over from here; the main window stays
    // usable until one exists to hand it back.
}

// ---------------------------------------------------------------------------------------------
// Windows of other parts of the program

void Form1::Image1_Click()
{
}

void Form1::Image3_Click()
{
}

void Form1::openGameDefinition(int16_t number)
{
    ChildClosed = false;
    setEnabled(false);
    GameFile = paddedGameFileName(number);
    // The window reads GameFile as it is created.
    auto *window = new Form14;
    window->setWindowTitle(Option[static_cast<size_t>(number)]->text() + QStringLiteral(" Configuration"));
    window->show();
    while (!ChildClosed) {
        platform::DoEvents();
        platform::SleepMs(10);
    }
    // The window stays open after a save; it enables this window again when it closes.
    DTPicker1_Change();
    DTPicker2_Change();
}

void Form1::mnuName1_Click()
{
    openGameDefinition(1);
}

void Form1::mnuName2_Click()
{
    openGameDefinition(2);
}

void Form1::mnuName3_Click()
{
    openGameDefinition(3);
}

void Form1::mnuName4_Click()
{
    openGameDefinition(4);
}

void Form1::mnuName5_Click()
{
    openGameDefinition(5);
}

void Form1::mnuName6_Click()
{
    openGameDefinition(6);
}

void Form1::mnuPrintTickets_Click()
{
}

void Form1::mnuCalibrate_Click()
{
}

void Form1::mnuResults_Click()
{
}

void Form1::mnuDelete_Click()
{
}

void Form1::mnuFilter_Click()
{
}

void Form1::mnuImport_Click()
{
}

void Form1::mnuprinters_Click()
{
}

void Form1::mnuLoadRTLs_Click()
{
}

void Form1::mnupick3_Click()
{
    openPickWindow(3);
}

void Form1::mnupick4_Click()
{
    openPickWindow(4);
}

void Form1::openPickWindow(int16_t pickType)
{
    setEnabled(false);
    PickType = pickType;
    Picky34 *window = Picky34::instance();
    if (!window)
        window = new Picky34;
    window->setWindowTitle(QStringLiteral("Pick %1").arg(pickType));
    window->show();
}

void Form1::mnuOptCreate_Click()
{
}

void Form1::mnuUpgrade_Click()
{
}

void Form1::mnuHelp_Click()
{
}

void Form1::mnuAbout_Click()
{
}

void enableMainWindow(bool show)
{
    if (Form1 *main = Form1::instance()) {
        main->setEnabled(true);
        if (show) {
            main->show();
            main->raise();
            main->activateWindow();
        }
    }
}

} // namespace vx
