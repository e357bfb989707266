#include "appfolder.h"

#include <QFontMetrics>

using namespace vx;
using namespace vx::test;

namespace {
// True when the widget lies wholly inside each of its parents up to the window.
bool insideWindow(const QWidget *w, const QWidget *window)
{
    for (; w != window; w = w->parentWidget())
        if (!w->parentWidget() || !w->parentWidget()->rect().contains(w->geometry()))
            return false;
    return true;
}

// Every shown frame and label shows its caption whole, inside the window.
void expectCaptionsReadable(const Form1 &f)
{
    for (QWidget *w : f.findChildren<QWidget *>()) {
        const auto *box = qobject_cast<QGroupBox *>(w);
        const auto *label = qobject_cast<QLabel *>(w);
        const QString text = box ? box->title() : label ? label->text() : QString();
        if (text.isEmpty() || !w->isVisible())
            continue;
        EXPECT_LE(QFontMetrics(w->font()).horizontalAdvance(text), w->width()) << text.toStdString();
        EXPECT_TRUE(insideWindow(w, &f)) << text.toStdString();
    }
}
} // namespace

using LayoutTest = MainWindowTest;

// Two slots take turns, so that whatever the previous shape left behind shows up.
TEST_F(LayoutTest, EveryShapeShowsItsBallsAndTagsWholeAndApartAndEveryCaptionReadable)
{
    const QDate today = QDate::currentDate();
    writeThreeGames(folder);
    Form1 &f = start();
    for (int main = 3, slot = 1; main <= 7; ++main)
        for (const int extras : {2, 0, 1}) {
            SCOPED_TRACE(testing::Message() << main << " main balls, " << extras << " extras");
            slot = 3 - slot;
            writeGame(folder, slot, makeGame("Shape", main, extras, 60, extras ? 1 : 2, 0, 0, "EB"));
            NumbersRecord draw = drawRecord(today.year(), today.month(), today.day(), {1, 2, 3, 4, 5, 6, 7}, {8, 9});
            std::fill(draw.main.begin() + main, draw.main.end(), 0);
            std::fill(draw.extra.begin() + extras, draw.extra.end(), 0);
            writeNumbersFile(folder.file("Shape.rtl"), {draw}, true);
            f.Option[slot]->click();
            EXPECT_EQ(visibleBalls(f), main + extras);
            EXPECT_EQ(f.Label3->isVisible(), extras > 0);
            EXPECT_EQ(f.Label7->isVisible(), extras == 2);
            std::vector<QRect> taken;
            std::vector<QWidget *> parts(f.Image2.begin(), f.Image2.end());
            parts.insert(parts.end(), {f.Label3, f.Label7});
            for (QWidget *w : parts) {
                if (!w->isVisible())
                    continue;
                const QRect r(w->mapTo(&f, QPoint()), w->size());
                EXPECT_TRUE(insideWindow(w, &f)) << w->objectName().toStdString();
                for (const QRect &other : taken)
                    EXPECT_FALSE(r.intersects(other)) << w->objectName().toStdString();
                taken.push_back(r);
            }
            expectCaptionsReadable(f);
        }
}

TEST_F(LayoutTest, ControlsWithoutCaptionsCarryTheNameTheUserReads)
{
    writeThreeGames(folder);
    const QDate today = QDate::currentDate();
    writeNumbersFile(folder.file("Super.rtl"),
        {drawRecord(today.year(), today.month(), today.day(), {12, 2, 3, 4, 5, 6, 7}, {8, 9})}, true);
    Form1 &f = start();
    f.Option[3]->click();
    const std::pair<QWidget *, QString> names[] = {{f.Text2, "Entries"}, {f.Text3, "Total Wins"},
        {f.DTPicker1, "Draw Date"}, {f.DTPicker2, "Entry date"}, {f.List1, "My Enties for Super"},
        {f.List2, "Winning Lines for Super"}, {f.Image1, "History"}, {f.Image3, "Stats"}, {f.Image2[0], "Ball 12"},
        {f.Image2[6], "Ball 7"}, {f.Image2[7], "Bonus ball 8"}, {f.Image2[8], "Bonus ball 9"}};
    for (const auto &[widget, name] : names)
        EXPECT_EQ(widget->accessibleName(), name) << widget->objectName().toStdString();
}

// The Wheels > Open items of a game's pick size are those named after it (mnu6..); a three-ball
// game disables the menu and leaves the items as they were.
TEST_F(LayoutTest, WheelItemsShowByPickSize)
{
    for (int n = 1; n <= 5; ++n)
        writeGame(folder, n, makeGame(QString("G%1").arg(n), 8 - n, 1, 49, 0, 10, 1));
    Form1 &f = start();
    ASSERT_EQ(f.wheelItems().size(), 24u);
    int shown = 0;
    for (const int n : {1, 2, 3, 4, 5, 2}) {
        f.Option[n]->click();
        const int pick = std::max(4, 8 - n);
        for (const Form1::WheelItem &item : f.wheelItems()) {
            EXPECT_EQ(item.action->isVisible(), item.name[3] == '0' + pick) << item.name;
            shown += item.action->isVisible();
        }
        EXPECT_EQ(f.mnuWheels->menuAction()->isEnabled(), n != 5);
    }
    EXPECT_EQ(shown, 5 + 10 + 6 + 3 + 3 + 10);
    EXPECT_EQ(f.wheelItems()[11].action->text(), "Guarantee Match 3 if 5 Picked from Group");
}
