#include "appfolder.h"
#include "gamedata/sharedstate.h"
#include "platform/twips.h"
#include "support/mainwindowfixture.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
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

GameDefinition shapedGame(const Shape &s, const QString &tag)
{
    // Two extras or one extra from the main pool; a game without extras has none.
    return makeGame(QStringLiteral("G%1x%2").arg(s.mainDrawn).arg(s.bonusDrawn), s.mainDrawn, s.bonusDrawn, 49,
        s.bonusDrawn > 0 ? 1 : 2, 0, 0, tag);
}

const char *const Pick7[] = { "mnu777", "mnu776", "mnu775", "mnu774", "mnu773" };
const char *const Pick6[]
    = { "mnu666", "mnu665", "mnu664", "mnu663", "mnu655", "mnu654", "mnu653", "mnu644", "mnu643", "mnu633" };
const char *const Pick5[] = { "mnu555", "mnu554", "mnu553", "mnu544", "mnu543", "mnu533" };
const char *const Pick4[] = { "mnu444", "mnu443", "mnu442" };
} // namespace

class LayoutTest : public MainWindowTest
{
protected:
    // Defines the shape as game 2, starts on game 1 (defined, without extras) and selects game 2.
    Form1 &selectShape(const Shape &shape, const QString &tag = QStringLiteral("PB"))
    {
        writeGame(folder, 1, dailyGame());
        writeGame(folder, 2, shapedGame(shape, tag));
        Form1 &f = start();
        find<QRadioButton>(QStringLiteral("Option2"))->click();
        return f;
    }

    void expectShape(Form1 &f, const Shape &s, const QString &tag)
    {
        SCOPED_TRACE(testing::Message() << "main " << s.mainDrawn << " extras " << s.bonusDrawn);
        EXPECT_EQ(f.Picture1->width(), twipsToPixels(s.stripWidth));
        EXPECT_EQ(f.Picture1->x(), twipsToPixels(1320));
        EXPECT_EQ(f.Picture1->height(), twipsToPixels(735));
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

    QAction *action(const char *name) const
    {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (auto *a = top->findChild<QAction *>(QLatin1String(name)))
                return a;
        return nullptr;
    }

    std::set<std::string> visibleWheelItems(Form1 &f) const
    {
        std::set<std::string> names;
        for (const Form1::WheelItem &item : f.wheelItems())
            if (item.action->isVisible())
                names.insert(item.name);
        return names;
    }
};

TEST_F(LayoutTest, TheStripWidthsAndTagsWithOneExtraOrNone)
{
    const Shape shapes[]
        = { { 3, 1, 3015, 3330, 0 }, { 4, 1, 3735, 4040, 0 }, { 5, 1, 4455, 5240, 0 }, { 6, 1, 5175, 5480, 0 },
              { 4, 0, 3015, 0, 0 }, { 5, 0, 3735, 0, 0 }, { 6, 0, 4455, 0, 0 }, { 7, 0, 5175, 0, 0 } };
    for (const Shape &s : shapes) {
        TearDown();
        SetUp();
        Form1 &f = selectShape(s);
        expectShape(f, s, QStringLiteral("PB"));
    }
}

TEST_F(LayoutTest, TheStripWidthsAndTagsWithTwoExtras)
{
    const Shape shapes[] = { { 3, 2, 3735, 3700, 4440 }, { 4, 2, 4455, 4440, 5180 }, { 5, 2, 5175, 5180, 5920 },
        { 6, 2, 5895, 5920, 6660 }, { 7, 2, 6615, 6660, 7400 } };
    for (const Shape &s : shapes) {
        TearDown();
        SetUp();
        Form1 &f = selectShape(s, QStringLiteral("EB"));
        expectShape(f, s, QStringLiteral("EB"));
    }
}

TEST_F(LayoutTest, SevenMainBallsAndOneExtraFollowTheSameRule)
{
    Form1 &f = selectShape({ 7, 1, 5895, 6660, 0 });
    expectShape(f, { 7, 1, 5895, 6660, 0 }, QStringLiteral("PB"));
}

TEST_F(LayoutTest, FromNoExtrasToTwoShowsBothTagsAndBack)
{
    writeThreeGames(folder);
    Form1 &f = start();
    find<QRadioButton>(QStringLiteral("Option2"))->click();
    EXPECT_FALSE(f.Label3->isVisibleTo(&f));
    EXPECT_FALSE(f.Label7->isVisibleTo(&f));
    find<QRadioButton>(QStringLiteral("Option3"))->click();
    expectShape(f, { 7, 2, 6615, 6660, 7400 }, QStringLiteral("EB"));
    find<QRadioButton>(QStringLiteral("Option1"))->click();
    expectShape(f, { 6, 1, 5175, 5480, 0 }, QStringLiteral("PB"));
}

TEST_F(LayoutTest, TheBallPicturesSitOnTheirGrid)
{
    writeThreeGames(folder);
    Form1 &f = start();
    for (int i = 0; i < 9; ++i) {
        const QLabel *ball = f.Image2[static_cast<size_t>(i)];
        EXPECT_EQ(ball->parentWidget(), f.Picture1);
        EXPECT_EQ(ball->x(), twipsToPixels(120 + 720 * i));
        EXPECT_EQ(ball->y(), twipsToPixels(i <= 4 ? 80 : 75));
        EXPECT_EQ(ball->width(), twipsToPixels(525));
    }
}

TEST_F(LayoutTest, WheelItemsByPickSize)
{
    std::set<std::string> all;
    for (const char *n : Pick7)
        all.insert(n);
    for (const char *n : Pick6)
        all.insert(n);
    for (const char *n : Pick5)
        all.insert(n);
    for (const char *n : Pick4)
        all.insert(n);
    ASSERT_EQ(all.size(), 24u);

    writeGame(folder, 1, makeGame(QStringLiteral("Seven"), 7, 0, 49, 2, 0, 0));
    writeGame(folder, 2, makeGame(QStringLiteral("Six"), 6, 1, 49, 0, 10, 1, QStringLiteral("PB")));
    writeGame(folder, 3, makeGame(QStringLiteral("Five"), 5, 0, 39, 2, 0, 0));
    writeGame(folder, 4, makeGame(QStringLiteral("Four"), 4, 0, 30, 2, 0, 0));
    writeGame(folder, 5, makeGame(QStringLiteral("Three"), 3, 1, 30, 0, 10, 1));
    Form1 &f = start();
    ASSERT_EQ(f.wheelItems().size(), 24u);
    QAction *wheels = f.mnuWheels->menuAction();

    EXPECT_EQ(visibleWheelItems(f), std::set<std::string>(std::begin(Pick7), std::end(Pick7)));
    EXPECT_TRUE(wheels->isEnabled());
    find<QRadioButton>(QStringLiteral("Option2"))->click();
    EXPECT_EQ(visibleWheelItems(f), std::set<std::string>(std::begin(Pick6), std::end(Pick6)));
    EXPECT_TRUE(wheels->isEnabled());
    find<QRadioButton>(QStringLiteral("Option3"))->click();
    EXPECT_EQ(visibleWheelItems(f), std::set<std::string>(std::begin(Pick5), std::end(Pick5)));
    find<QRadioButton>(QStringLiteral("Option4"))->click();
    EXPECT_EQ(visibleWheelItems(f), std::set<std::string>(std::begin(Pick4), std::end(Pick4)));
    EXPECT_TRUE(wheels->isEnabled());
    // A three-ball game disables the menu and leaves the items as they were.
    find<QRadioButton>(QStringLiteral("Option5"))->click();
    EXPECT_FALSE(wheels->isEnabled());
    EXPECT_EQ(visibleWheelItems(f), std::set<std::string>(std::begin(Pick4), std::end(Pick4)));
    find<QRadioButton>(QStringLiteral("Option2"))->click();
    EXPECT_TRUE(wheels->isEnabled());
    // The visible items can be used; only visibility changes.
    for (const Form1::WheelItem &item : f.wheelItems())
        if (item.action->isVisible()) {
            EXPECT_TRUE(item.action->isEnabled()) << item.name;
        }
    // Any other pick size changes nothing.
    f.ShowWheelMenus(3);
    f.ShowWheelMenus(8);
    EXPECT_EQ(visibleWheelItems(f), std::set<std::string>(std::begin(Pick6), std::end(Pick6)));
}

TEST_F(LayoutTest, AllWheelItemsAreVisibleBeforeAGameIsSelectedAndCarryTheirCaptions)
{
    Form1 &f = start(); // no game defined
    EXPECT_EQ(visibleWheelItems(f).size(), 24u);
    ASSERT_NE(action("mnu653"), nullptr);
    EXPECT_EQ(action("mnu653")->text(), QStringLiteral("Guarantee Match 3 if 5 Picked from Group"));
    EXPECT_EQ(action("mnu442")->text(), QStringLiteral("Guarantee Match 2 if 4 Picked from Group"));
    EXPECT_EQ(action("mnu777")->text(), QStringLiteral("Guarantee Match 7 if 7 Picked from Group"));
    EXPECT_EQ(f.wheelItems().front().name, std::string("mnu777"));
    EXPECT_EQ(f.wheelItems().back().name, std::string("mnu442"));
}

TEST_F(LayoutTest, TheFileMenuHoldsItsItemsInOrder)
{
    Form1 &f = start();
    QStringList captions;
    for (QAction *a : f.mnuFile->actions())
        captions << a->text();
    EXPECT_EQ(captions,
        (QStringList { QStringLiteral("Configure Game"), QStringLiteral("Ticket Printing"),
            QStringLiteral("Update Results"), QStringLiteral("Entry File Deletion"),
            QStringLiteral("Filter Current Entry"), QStringLiteral("Import TXT Entry"),
            QStringLiteral("Select Printer"), QStringLiteral("Load Downloaded Results"), QStringLiteral("Exit") }));
    QStringList top;
    for (QAction *a : f.menuBar()->actions())
        top << a->text();
    EXPECT_EQ(top,
        (QStringList { QStringLiteral("File"), QStringLiteral("Wheels"), QStringLiteral("Standing Entry"),
            QStringLiteral("Pick 3"), QStringLiteral("Pick 4"), QStringLiteral("Optimized Entry"),
            QStringLiteral("Check for Upgrade"), QStringLiteral("Help"), QStringLiteral("Exit") }));
}
