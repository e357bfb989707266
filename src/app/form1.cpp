#include "app/form1.h"

#include "gamedata/boxvalue.h"
#include "gamedata/wheeltypes.h"
#include "platform/controls.h"
#include "platform/datepicker.h"
#include "platform/messages.h"
#include "platform/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

namespace vx {

using platform::placeButton;
using platform::placeFrame;

using platform::listFont;
using platform::placeControl;
using platform::twipsRect;
using platform::twipsToPixels;

namespace {
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
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(platform::ApplicationTitle);
    buildControls();
    buildMenus();
}

Form1::~Form1() = default;

QString Form1::dataPath(const QString &fileName) const
{
    return vx::dataPath(m_startup.AppFolder, fileName);
}

void Form1::buildControls()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("Form1Client"));
    central->setFixedSize(twipsToPixels(9255), twipsToPixels(6420));
    setCentralWidget(central);

    // Upper panel: games, draw date and the drawn balls. It starts at the window's left edge so
    // that its caption shows whole; its contents keep their places in the window.
    constexpr int shift = UpperPanelShift;
    Frame1
        = placeFrame(central, QStringLiteral("Select Game Type and Draw Date"), "Frame1", 0, 120, 9255 - shift, 3375);
    Frame2 = placeFrame(Frame1, QStringLiteral("Select Entry Type"), "Frame2", 240 - shift, 240, 2175, 2115);
    static const int optionTops[] = {240, 555, 870, 1185, 1500, 1815};
    for (int n = 1; n <= 6; ++n) {
        auto *option = new QRadioButton(QStringLiteral("Game%1").arg(n), Frame2);
        option->setObjectName(QStringLiteral("Option%1").arg(n));
        option->setGeometry(twipsRect(120, optionTops[n - 1], n == 6 ? 1650 : 1935, 255));
        Option[static_cast<size_t>(n)] = option;
        connect(option, &QRadioButton::clicked, this, [this, n] { selectGame(static_cast<int16_t>(n)); });
    }
    Option[1]->setChecked(true);

    Frame3 = placeFrame(Frame1, QStringLiteral("Draw Date"), "Frame3", 5280 - shift, 240, 3855, 2055);
    DTPicker1 = placeControl(new platform::DatePicker(Frame3), "DTPicker1", 120, 300, 3615, 330);
    Command1 = placeButton(
        this, Frame3, QStringLiteral("Add Draw"), "Command1", 120, 780, 1215, 375, &Form1::Command1_Click);
    Command2 = placeButton(
        this, Frame3, QStringLiteral("Delete Draw"), "Command2", 1380, 780, 1215, 375, &Form1::Command2_Click);
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

    Label4 = placeControl(new QLabel(QStringLiteral("Draw Result"), Frame1), "Label4", 60, 2460, 1140, 255);
    Image4 = placeControl(new QLabel(Frame1), "Image4", 480 - shift, 2760, 330, 330);
    Image4->setPixmap(ImageList1.picture(1).scaled(twipsToPixels(330), twipsToPixels(330)));

    Picture1 = placeControl(new QWidget(Frame1), "Picture1", 1320 - shift, 2400, 6615, 735);
    for (int i = 0; i < 9; ++i) {
        auto *ball = new QLabel(Picture1);
        ball->setObjectName(QStringLiteral("Image2(%1)").arg(i));
        ball->setGeometry(twipsRect(120 + 720 * i, i <= 4 ? 80 : 75, 525, 525));
        ball->setScaledContents(true);
        ball->hide();
        Image2[static_cast<size_t>(i)] = ball;
    }
    Label3 = placeControl(new QLabel(QStringLiteral("BB"), Frame1), "Label3", 5240 - shift, 3120, 225, 195);
    Label7 = placeControl(new QLabel(QStringLiteral("BB"), Frame1), "Label7", 7400 - shift, 3120, 225, 195);

    // Entry panel.
    Frame5 = placeFrame(central, QStringLiteral("My Enties For Powerball"), "Frame5", 0, 3600, 4215, 2775);
    DTPicker2 = placeControl(new platform::DatePicker(Frame5), "DTPicker2", 120, 240, 2655, 330);
    Command3 = placeButton(
        this, Frame5, QStringLiteral("Dated Entry"), "Command3", 2880, 240, 1215, 330, &Form1::Command3_Click);
    List1 = placeControl(new QListWidget(Frame5), "List1", 120, 660, 2655, 1620);
    List1->setSelectionMode(QAbstractItemView::MultiSelection);
    List1->setFont(listFont());
    // Every line is one line of text in one fixed-pitch font, so all have one height: the list
    // then lays out 32,767 entries without measuring each of them. (Laying them out in batches
    // would show the window with its lists still empty.)
    List1->setUniformItemSizes(true);
    Command4
        = placeButton(this, Frame5, QStringLiteral("Add"), "Command4", 2880, 660, 1215, 315, &Form1::Command4_Click);
    Command5 = placeButton(
        this, Frame5, QStringLiteral("Delete"), "Command5", 2880, 1000, 1215, 315, &Form1::Command5_Click);
    Command6
        = placeButton(this, Frame5, QStringLiteral("Edit"), "Command6", 2880, 1340, 1215, 315, &Form1::Command6_Click);
    Command9
        = placeButton(this, Frame5, QStringLiteral("Print"), "Command9", 2880, 1680, 1215, 315, &Form1::Command9_Click);
    Command12 = placeButton(
        this, Frame5, QStringLiteral("History"), "Command12", 2880, 2020, 1215, 315, &Form1::Command12_Click);
    Command14 = placeButton(
        this, Frame5, QStringLiteral("Check"), "Command14", 2880, 2360, 1215, 315, &Form1::Command14_Click);
    Label5 = placeControl(new QLabel(QStringLiteral("Entries"), Frame5), "Label5", 120, 2400, 700, 255);
    Text2 = placeControl(new QLineEdit(QStringLiteral("0"), Frame5), "Text2", 840, 2370, 900, 285);

    // Winning lines.
    Frame6 = placeFrame(central, QStringLiteral("Winning Lines"), "Frame6", 4320, 3600, 4815, 2775);
    List2 = placeControl(new QListWidget(Frame6), "List2", 120, 240, 4575, 2040);
    List2->setFont(listFont());
    List2->setUniformItemSizes(true);
    Label6 = placeControl(new QLabel(QStringLiteral("Total Wins"), Frame6), "Label6", 120, 2400, 900, 255);
    Text3 = placeControl(new QLineEdit(QStringLiteral("0"), Frame6), "Text3", 1080, 2370, 900, 285);
    Command10 = placeButton(
        this, Frame6, QStringLiteral("Print"), "Command10", 3480, 2370, 1215, 315, &Form1::Command10_Click);

    for (QLabel *label : {Label1, Label2, Label3, Label4, Label5, Label6, Label7})
        fitCaption(label);

    // Controls without a caption of their own carry the name the user reads beside them.
    Image1->setAccessibleName(Label1->text());
    Image3->setAccessibleName(Label2->text());
    DTPicker1->setAccessibleName(QStringLiteral("Draw Date"));
    DTPicker2->setAccessibleName(QStringLiteral("Entry date"));
    Text2->setAccessibleName(Label5->text());
    Text3->setAccessibleName(Label6->text());
    List1->setAccessibleName(Frame5->title());
    List2->setAccessibleName(Frame6->title());

    connect(DTPicker1, &QDateEdit::dateChanged, this, [this] { DTPicker1_Change(); });
    connect(DTPicker2, &QDateEdit::dateChanged, this, [this] { DTPicker2_Change(); });
}

void Form1::fitCaption(QLabel *label)
{
    const int needed = label->fontMetrics().horizontalAdvance(label->text());
    if (needed <= label->width())
        return;
    const int left
        = (label->alignment() & Qt::AlignHCenter) ? label->x() - (needed - label->width() + 1) / 2 : label->x();
    label->setGeometry(left, label->y(), needed, label->height());
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
    // One item per wheel type, in the order of wheelTypes().
    struct WheelRow {
        const char *name;
        void (Form1::*handler)();
    };
    static const WheelRow rows[WheelTypeCount] = {
        {"mnu777", &Form1::mnu777_Click},
        {"mnu776", &Form1::mnu776_Click},
        {"mnu775", &Form1::mnu775_Click},
        {"mnu774", &Form1::mnu774_Click},
        {"mnu773", &Form1::mnu773_Click},
        {"mnu666", &Form1::mnu666_Click},
        {"mnu665", &Form1::mnu665_Click},
        {"mnu664", &Form1::mnu664_Click},
        {"mnu663", &Form1::mnu663_Click},
        {"mnu655", &Form1::mnu655_Click},
        {"mnu654", &Form1::mnu654_Click},
        {"mnu653", &Form1::mnu653_Click},
        {"mnu644", &Form1::mnu644_Click},
        {"mnu643", &Form1::mnu643_Click},
        {"mnu633", &Form1::mnu633_Click},
        {"mnu555", &Form1::mnu555_Click},
        {"mnu554", &Form1::mnu554_Click},
        {"mnu553", &Form1::mnu553_Click},
        {"mnu544", &Form1::mnu544_Click},
        {"mnu543", &Form1::mnu543_Click},
        {"mnu533", &Form1::mnu533_Click},
        {"mnu444", &Form1::mnu444_Click},
        {"mnu443", &Form1::mnu443_Click},
        {"mnu442", &Form1::mnu442_Click},
    };
    for (size_t k = 0; k < wheelTypes().size(); ++k) {
        const WheelType &type = wheelTypes()[k];
        Q_ASSERT(type.menuName() == QLatin1String(rows[k].name));
        QAction *action = named(mnuWheelOpen->addAction(type.caption()), rows[k].name);
        connect(action, &QAction::triggered, this, [this, handler = rows[k].handler] { (this->*handler)(); });
        m_wheelItems.push_back({action, rows[k].name, type.caption(), type.suffix(), type.number, type.pick});
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
// What other windows may ask of the main window

void Form1::appendEntryLines(const QStringList &lines)
{
    List1->addItems(lines);
}

void Form1::replaceEntryLine(int row, const QString &line)
{
    delete List1->takeItem(row);
    List1->insertItem(row, line);
    if (QListWidgetItem *item = List1->item(row))
        item->setSelected(true);
}

void Form1::setEntryCount(int count)
{
    Text2->setText(QLatin1Char(' ') + QString::number(count));
}

double Form1::entryCountShown() const
{
    return BoxValue(Text2->text());
}

int Form1::entryCountRounded() const
{
    return RoundToInt16(BoxValue(Text2->text()));
}

void Form1::clearWinningLines()
{
    List2->clear();
    Text3->setText(QStringLiteral("0"));
}

// ---------------------------------------------------------------------------------------------
// Wheels > Open: each item opens its wheel entry file of the current game.

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

} // namespace vx
