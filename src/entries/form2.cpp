#include "entries/form2.h"

#include "entries/entrychecks.h"
#include "gamedata/boxvalue.h"
#include "gamedata/entryfiles.h"
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
constexpr int DesignedClientWidth = 5520;
constexpr int ClientHeight = 1800;

int boxLeft(int k)
{
    return 120 + 600 * (k - 1);
}

// Window width (0: as designed), button and tag positions for each game shape.
struct Layout {
    int mains, extras, width, command1, command2, label2, label3;
};
constexpr Layout Layouts[] = {
    {4, 0, 2655, 480, 1320, 0, 0},
    {3, 1, 2655, 480, 1320, 2040, 0},
    {5, 0, 3210, 840, 1680, 0, 0},
    {4, 1, 3210, 840, 1680, 2640, 0},
    {6, 0, 3825, 1080, 1920, 0, 0},
    {5, 1, 3825, 1080, 1920, 3240, 0},
    {7, 0, 4410, 1200, 2400, 0, 0},
    {6, 1, 4410, 1200, 2400, 3840, 0},
    {7, 1, 0, 1200, 2400, 4440, 0},
    {3, 2, 3210, 840, 1680, 2040, 2640},
    {4, 2, 3825, 840, 1680, 2640, 3240},
    {5, 2, 4440, 840, 1680, 3240, 3840},
    {6, 2, 5055, 1400, 2600, 3840, 4440},
    {7, 2, 5668, 1800, 2800, 4440, 5040},
};
} // namespace

Form2::Form2(
    const CurrentGame &game, const QDate &drawDate, const QString &appFolder, MainWindowLink &main, QWidget *parent)
    : ToolWindow(parent)
    , m_game(game)
    , m_drawDate(drawDate)
    , m_appFolder(appFolder)
    , m_main(main)
{
    buildFrame(this, QStringLiteral("Form2"), QStringLiteral("Add Result"),
        TwipsSize::client(DesignedClientWidth, ClientHeight));

    QFont boxFont(QStringLiteral("MS Sans Serif"));
    boxFont.setPointSize(12);
    boxFont.setBold(true);
    for (int k = 1; k <= 9; ++k) {
        auto *box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("Text%1").arg(k));
        box->setGeometry(twipsRect(boxLeft(k), 480, 495, 495));
        box->setMaxLength(2);
        box->setFont(boxFont);
        box->setAlignment(Qt::AlignCenter);
        Text[static_cast<size_t>(k)] = box;
    }
    Label1 = new QLabel(QStringLiteral("Label1"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twipsRect(120, 120, 2295, 255));
    Label2 = new QLabel(QStringLiteral("BB"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(twipsRect(boxLeft(8) + 120, 1080, 240, 240));
    Label3 = new QLabel(QStringLiteral("BB"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(twipsRect(boxLeft(9) + 120, 1080, 240, 240));
    Command1 = placeButton(this, this, QStringLiteral("Add"), "Command1", 1200, 1320, 735, 375, &Form2::Command1_Click);
    Command2
        = placeButton(this, this, QStringLiteral("Cancel"), "Command2", 2400, 1320, 735, 375, &Form2::Command2_Click);
}

void Form2::Form_Load()
{
    Label2->setText(m_game.BonusTag);
    Label3->setText(m_game.BonusTag);
    Label1->setText(m_game.GameName + QLatin1Char(' ') + QString::number(m_drawDate.month()) + QLatin1Char('/')
        + QString::number(m_drawDate.day()) + QLatin1Char('/') + QString::number(m_drawDate.year()));
}

void Form2::layoutForGame()
{
    const int m = m_game.MainDrawn;
    const int b = m_game.BonusDrawn;
    for (int k = 1; k <= 9; ++k) {
        QLineEdit *box = Text[static_cast<size_t>(k)];
        box->setVisible(k <= m + b);
        // The tag under an extra's box is no caption a screen reader would tie to the box.
        box->setAccessibleName(
            k <= m ? QStringLiteral("Main ball %1").arg(k) : QStringLiteral("Bonus ball %1").arg(k - m));
    }
    Label3->setVisible(b == 2);
    Label2->setVisible(b != 0);

    for (const Layout &row : Layouts) {
        if (row.mains != m || row.extras != b)
            continue;
        setFrameSize(this,
            row.width == 0 ? TwipsSize::client(DesignedClientWidth, ClientHeight)
                           : TwipsSize::outerWidth(row.width, ClientHeight));
        Command1->move(twipsToPixels(row.command1), twipsToPixels(1320));
        Command2->move(twipsToPixels(row.command2), twipsToPixels(1320));
        if (row.label2 > 0)
            Label2->move(twipsToPixels(row.label2), twipsToPixels(1080));
        if (row.label3 > 0)
            Label3->move(twipsToPixels(row.label3), twipsToPixels(1080));
        return;
    }
}

void Form2::Command1_Click()
{
    const int m = m_game.MainDrawn;
    const int b = m_game.BonusDrawn;
    std::vector<double> boxes;
    for (int k = 1; k <= m + b && k <= 9; ++k)
        boxes.push_back(BoxValue(Text[static_cast<size_t>(k)]->text()));
    const ResultCheck check = checkResult(boxes, m_game.resultRules());
    if (!check.ok()) {
        platform::MsgBox(check.message);
        return;
    }

    NumbersRecord record = check.record;
    record.day = static_cast<int16_t>(m_drawDate.day());
    record.month = static_cast<int16_t>(m_drawDate.month());
    record.year = static_cast<int16_t>(m_drawDate.year());
    const FileResult written = insertResult(dataPath(m_appFolder, historyFileName(m_game.GameName)), record);
    if (!written.ok) {
        platform::MsgBox(written.message);
        return;
    }

    // The new draw is shown at once, the way the draw panel shows a record.
    m_main.showDraw(record);

    unload();
}

void Form2::Command2_Click()
{
    unload();
}

} // namespace vx
