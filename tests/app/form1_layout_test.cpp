#include "appfolder.h"
#include "platform/twips.h"

#include <QMenuBar>
#include <set>

using namespace vx;
using namespace vx::test;
using platform::twipsToPixels;

namespace {
struct Shape {
    int mainDrawn;
    int bonusDrawn;
    int stripWidth;
    int label3Left; // 0: hidden
    int label7Left; // 0: hidden
};

using Names = std::set<std::string>;
} // namespace

class LayoutTest : public MainWindowTest
{
protected:
    Names visibleWheelItems(Form1 &f) const
    {
        Names names;
        for (const Form1::WheelItem &item : f.wheelItems())
            if (item.action->isVisible())
                names.insert(item.name);
        return names;
    }
};

// Every shape is selected right after the one before it, so a tag left over from the previous
// game (or a strip not resized) shows up as well as a wrong table entry.
TEST_F(LayoutTest, TheStripWidthAndTagsFollowTheShapeOfTheSelectedGame)
{
    const Shape shapes[] = {{3, 1, 3015, 3330, 0}, {3, 2, 3735, 3700, 4440}, {4, 0, 3015, 0, 0}, {4, 1, 3735, 4040, 0},
        {4, 2, 4455, 4440, 5180}, {5, 1, 4455, 5240, 0}, {5, 0, 3735, 0, 0}, {5, 2, 5175, 5180, 5920},
        {6, 1, 5175, 5480, 0}, {6, 2, 5895, 5920, 6660}, {6, 0, 4455, 0, 0}, {7, 2, 6615, 6660, 7400},
        {7, 1, 5895, 6660, 0}, {7, 0, 5175, 0, 0}};
    writeGame(folder, 1, dailyGame());
    writeGame(folder, 2, dailyGame());
    writeGame(folder, 3, dailyGame());
    Form1 &f = start();
    int slot = 2;
    for (const Shape &s : shapes) {
        SCOPED_TRACE(testing::Message() << "main " << s.mainDrawn << " extras " << s.bonusDrawn);
        // Two extras, or one from the main pool; a game without extras has none.
        const QString tag = s.bonusDrawn == 2 ? "EB" : "PB";
        writeGame(folder, slot, makeGame("Shape", s.mainDrawn, s.bonusDrawn, 49, s.bonusDrawn > 0 ? 1 : 2, 0, 0, tag));
        f.Option[static_cast<size_t>(slot)]->click();
        ASSERT_EQ(form().game().GameNumber, slot);
        slot = 5 - slot;

        EXPECT_EQ(f.Picture1->width(), twipsToPixels(s.stripWidth));
        EXPECT_EQ(f.Picture1->x(), twipsToPixels(1320));
        EXPECT_EQ(f.Label3->isVisibleTo(&f), s.label3Left != 0);
        EXPECT_EQ(f.Label7->isVisibleTo(&f), s.label7Left != 0);
        if (s.label3Left) {
            EXPECT_EQ(f.Label3->x(), twipsToPixels(s.label3Left));
            EXPECT_EQ(f.Label3->y(), twipsToPixels(3120));
            EXPECT_EQ(f.Label3->text(), tag);
        }
        if (s.label7Left) {
            EXPECT_EQ(f.Label7->x(), twipsToPixels(s.label7Left));
            EXPECT_EQ(f.Label7->text(), tag);
        }
    }
}

TEST_F(LayoutTest, AllWheelItemsShowWithTheirCaptionsBeforeAGameIsSelected)
{
    Form1 &f = start(); // no game defined
    ASSERT_EQ(f.wheelItems().size(), 24u);
    EXPECT_EQ(visibleWheelItems(f).size(), 24u);
    EXPECT_EQ(f.wheelItems().front().name, std::string("mnu777"));
    EXPECT_EQ(f.wheelItems().front().action->text(), "Guarantee Match 7 if 7 Picked from Group");
    EXPECT_EQ(f.wheelItems().back().name, std::string("mnu442"));
    EXPECT_EQ(f.wheelItems().back().action->text(), "Guarantee Match 2 if 4 Picked from Group");
    EXPECT_EQ(find<QAction>("mnu653")->text(), "Guarantee Match 3 if 5 Picked from Group");
}

TEST_F(LayoutTest, WheelItemsByPickSize)
{
    const Names pick7 = {"mnu777", "mnu776", "mnu775", "mnu774", "mnu773"};
    const Names pick6
        = {"mnu666", "mnu665", "mnu664", "mnu663", "mnu655", "mnu654", "mnu653", "mnu644", "mnu643", "mnu633"};
    const Names pick5 = {"mnu555", "mnu554", "mnu553", "mnu544", "mnu543", "mnu533"};
    const Names pick4 = {"mnu444", "mnu443", "mnu442"};
    writeGame(folder, 1, makeGame("Seven", 7, 0, 49, 2, 0, 0));
    writeGame(folder, 2, makeGame("Six", 6, 1, 49, 0, 10, 1, "PB"));
    writeGame(folder, 3, makeGame("Five", 5, 0, 39, 2, 0, 0));
    writeGame(folder, 4, makeGame("Four", 4, 0, 30, 2, 0, 0));
    writeGame(folder, 5, makeGame("Three", 3, 1, 30, 0, 10, 1));
    Form1 &f = start();
    QAction *wheels = f.mnuWheels->menuAction();
    // A three-ball game (5) disables the menu and leaves the items as they were.
    const struct {
        int game;
        const Names &visible;
        bool enabled;
    } steps[]
        = {{1, pick7, true}, {2, pick6, true}, {3, pick5, true}, {4, pick4, true}, {5, pick4, false}, {2, pick6, true}};
    for (const auto &step : steps) {
        SCOPED_TRACE(testing::Message() << "game " << step.game);
        f.Option[static_cast<size_t>(step.game)]->click();
        EXPECT_EQ(visibleWheelItems(f), step.visible);
        EXPECT_EQ(wheels->isEnabled(), step.enabled);
    }
    // Only visibility changes, and any other pick size changes nothing.
    for (const Form1::WheelItem &item : f.wheelItems())
        EXPECT_TRUE(!item.action->isVisible() || item.action->isEnabled()) << item.name;
    f.ShowWheelMenus(3);
    f.ShowWheelMenus(8);
    EXPECT_EQ(visibleWheelItems(f), pick6);
}

TEST_F(LayoutTest, TheFileMenuAndTheMenuBarHoldTheirItemsInOrder)
{
    Form1 &f = start();
    QStringList captions;
    for (QAction *a : f.mnuFile->actions())
        captions << a->text();
    EXPECT_EQ(captions,
        (QStringList {"Configure Game", "Ticket Printing", "Update Results", "Entry File Deletion",
            "Filter Current Entry", "Import TXT Entry", "Select Printer", "Load Downloaded Results", "Exit"}));
    captions.clear();
    for (QAction *a : f.menuBar()->actions())
        captions << a->text();
    EXPECT_EQ(captions,
        (QStringList {"File", "Wheels", "Standing Entry", "Pick 3", "Pick 4", "Optimized Entry", "Check for Upgrade",
            "Help", "Exit"}));
}
