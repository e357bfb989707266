#include "appfolder.h"

using namespace vx;
using namespace vx::test;

namespace {
// True when the widget lies wholly inside each of its parents up to the window.
bool insideWindow(const QWidget *w, const QWidget *window)
{
    for (; w != window; w = w->parentWidget())
        if (!w->parentWidget()->rect().contains(w->geometry()))
            return false;
    return true;
}
} // namespace

using LayoutTest = MainWindowTest;

// Two slots take turns, so that whatever the previous shape left behind shows up. The draw of each
// shape holds main balls 1, 2, ... and extras 8 and 9.
TEST_F(LayoutTest, EveryShapeShowsItsBallsTagsCaptionsAndNamesWholeAndApart)
{
    const QDate d = QDate::currentDate();
    writeThreeGames(folder);
    Form1 &f = start();
    for (int main = 3, slot = 1; main <= 7; ++main)
        for (const int extras : {2, 0, 1}) {
            SCOPED_TRACE(testing::Message() << main << " main balls, " << extras << " extras");
            writeGame(folder, slot = 3 - slot, makeGame("Shape", main, extras, 60, extras ? 1 : 2, 0, 0, "EB"));
            NumbersRecord draw = drawRecord(d.year(), d.month(), d.day(), {1, 2, 3, 4, 5, 6, 7}, {8, 9});
            std::fill(draw.main.begin() + main, draw.main.end(), 0);
            std::fill(draw.extra.begin() + extras, draw.extra.end(), 0);
            writeNumbersFile(folder.file("Shape.rtl"), {draw});
            f.Option[slot]->click();
            EXPECT_EQ(visibleBalls(f), main + extras);
            EXPECT_EQ(
                QList<bool>({f.Label3->isVisible(), f.Label7->isVisible()}), QList<bool>({extras > 0, extras == 2}));
            std::vector<QRect> taken;
            for (QWidget *w : f.findChildren<QWidget *>()) {
                const auto *box = qobject_cast<QGroupBox *>(w);
                const auto *label = qobject_cast<QLabel *>(w);
                const QString text = box ? box->title() : label ? label->text() : QString();
                if (!w->isVisible() || (text.isEmpty() && !w->objectName().startsWith("Image2")))
                    continue;
                SCOPED_TRACE(w->objectName().toStdString());
                EXPECT_LE(QFontMetrics(w->font()).horizontalAdvance(text), w->width());
                EXPECT_TRUE(insideWindow(w, &f));
                if (label && w->parentWidget() != f.Frame3) { // balls, tags and labels keep apart
                    const QRect r(w->mapTo(&f, QPoint()), w->size());
                    for (const QRect &other : taken)
                        EXPECT_FALSE(r.intersects(other));
                    taken.push_back(r);
                }
            }
            for (int i = 0; i < main + extras; ++i)
                EXPECT_EQ(f.Image2[i]->accessibleName(),
                    (i < main ? "Ball " : "Bonus ball ") + QString::number(i < main ? i + 1 : 8 + i - main));
            for (const Form1::WheelItem &item : f.wheelItems())
                EXPECT_TRUE(main == 3 || item.action->isVisible() == (item.name[3] - '0' == main)) << item.name;
            EXPECT_EQ(f.mnuWheels->menuAction()->isEnabled(), main != 3);
        }
    const std::pair<QWidget *, QString> names[] = {{f.Text2, "Entries"}, {f.Text3, "Total Wins"},
        {f.DTPicker1, "Draw Date"}, {f.DTPicker2, "Entry date"}, {f.List1, "My Enties for Shape"},
        {f.List2, "Winning Lines for Shape"}, {f.Image1, "History"}, {f.Image3, "Stats"}};
    for (const auto &[widget, name] : names)
        EXPECT_EQ(widget->accessibleName(), name) << widget->objectName().toStdString();
}
