#include "analysis/form26.h"

#include "gamedata/entryfiles.h"
#include "platform/controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vx {

using platform::buildFrame;
using platform::placeButton;
using platform::placeControl;
using platform::placeFrame;
using platform::TwipsSize;
using platform::twipsToPixels;

Form26::Form26(const CurrentGame &game, const QString &appFolder, const MonthNameTable &monthNames,
    const StatsChoice &choice, QWidget *parent)
    : ToolWindow(parent)
    , m_game(game)
    , m_appFolder(appFolder)
    , m_monthNames(monthNames)
    , m_choice(choice)
{
    buildFrame(
        this, QStringLiteral("Form26"), QStringLiteral("Individual Ball Statistics"), TwipsSize::client(7320, 3240));

    Text5 = placeControl(new QLineEdit(QStringLiteral("Text5"), this), "Text5", 120, 120, 7080, 315);
    Frame1 = placeFrame(this, QString(), "Frame1", 120, 540, 7080, 2040);
    // Each figure sits on the row of the label that names it.
    const auto figure = [this](QLabel *&label, QLineEdit *&box, const QString &caption, const char *labelName,
                            const char *boxName, int top) {
        label = placeControl(new QLabel(caption, Frame1), labelName, 240, top + 60, 4800, 255);
        box = placeControl(new QLineEdit(Frame1), boxName, 5160, top, 1680, 315);
        box->setReadOnly(true);
        box->setAccessibleName(caption);
    };
    figure(Label1, Text1, QStringLiteral("Number of Times Expected to be Drawn"), "Label1", "Text1", 240);
    figure(Label2, Text2, QStringLiteral("Number of Times Drawn"), "Label2", "Text2", 660);
    figure(Label4, Text4, QStringLiteral("Date Last Drawn"), "Label4", "Text4", 1080);
    figure(Label3, Text3, QStringLiteral("Number of Draws Since Last Drawn"), "Label3", "Text3", 1500);
    Text5->setReadOnly(true);
    Text5->setAccessibleName(windowTitle());
    Command1
        = placeButton(this, this, QStringLiteral("Close"), "Command1", 5985, 2700, 1215, 375, &Form26::Command1_Click);
    Command1->setToolTip(QStringLiteral("Closes this form."));
}

void Form26::Form_Load()
{
    const StatsHistory history = readStatsHistory(dataPath(m_appFolder, historyFileName(m_game.GameName)));
    const BallStats stats = ballStats(history.records, m_game, m_choice, m_monthNames);
    Text5->setText(stats.heading);
    Text5->setCursorPosition(0);
    Text4->setText(stats.lastDrawn);
    Text1->setText(QString::number(stats.expected));
    Text2->setText(QString::number(stats.drawn));
    Text3->setText(stats.sinceLast);
}

void Form26::Command1_Click()
{
    unload();
}

} // namespace vx
