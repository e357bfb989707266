#include "app/form1.h"

#include "entries/form2.h"
#include "gamedata/drawcheck.h"
#include "gamedata/entryfiles.h"
#include "platform/datepicker.h"
#include "platform/messages.h"
#include "platform/toolwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace vx {

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

    m_files.HistoryFile = dataPath(historyFileName(m_game.GameName));
    DrawOfDay found;
    if (const FileResult read = findDrawOfDay(m_files.HistoryFile, year, month, day, &found); !read.ok) {
        platform::MsgBox(read.message);
        return;
    }
    if (!found.damage.isEmpty())
        platform::MsgBox(found.damage);
    if (found.record > 0) {
        showDrawRecord(found.draw);
        m_files.DrawRecord = static_cast<int16_t>(found.record);
    }
}

void Form1::setDrawDate(const QDate &date)
{
    // The picker would pull a date outside its range to its nearest end: another draw.
    if (date.isValid() && date >= DTPicker1->minimumDate() && date <= DTPicker1->maximumDate())
        DTPicker1->setValue(date);
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
        m_files.DrawnBalls[static_cast<size_t>(pos + 1)] = ball;
        list = m_game.BallColour == 0 ? &ImageList2 : &ImageList1;
    } else if (kind == 1 || kind == 2) {
        m_files.DrawnBalls[kind == 1 ? 8 : 9] = ball;
        list = m_game.BallColour == 0 ? &ImageList1 : &ImageList2;
    } else {
        return;
    }
    QLabel *picture = Image2[static_cast<size_t>(pos)];
    picture->setPixmap(list->picture(ball));
    picture->setAccessibleName((kind == 0 ? QStringLiteral("Ball %1") : QStringLiteral("Bonus ball %1")).arg(ball));
    picture->show();
}

void Form1::ClearDrawDisplay()
{
    for (QLabel *ball : Image2)
        ball->hide();
    closeEntryFile();
}

void Form1::Command1_Click()
{
    if (drawShown()) {
        platform::MsgBox(QStringLiteral("There is already a draw result for this date and game. Delete the draw "
                                        "first if you want to change it."));
        return;
    }
    const int w = DTPicker1->DayOfWeek();
    if (m_game.DrawDays[static_cast<size_t>(w)] != w
        && !platform::AskYesNo(QStringLiteral("You are entering a draw that has not been defined as a draw day. Do "
                                              "you want to continue"))) {
        return;
    }
    auto *form = new Form2(m_game, DTPicker1->Value(), m_startup.AppFolder, *this);
    form->Form_Load();
    form->layoutForGame();
    openToolWindow(this, form, OpenMode::NoWait);
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
    const FileResult deleted = deleteResult(m_files.HistoryFile, m_files.DrawRecord);
    if (!deleted.ok) {
        platform::MsgBox(deleted.message);
        return;
    }
    for (QLabel *ball : Image2)
        ball->hide();
    List2->clear();
    Text3->setText(QStringLiteral("0"));
}

} // namespace vx
