#include "analysis/form12.h"
#include "analysis/form26.h"
#include "analysis/form4.h"
#include "analysis/form6.h"
#include "analysis/linkprocess.h"
#include "app/form1.h"
#include "entries/editentry.h"
#include "entries/form2.h"
#include "entries/form3.h"
#include "entries/form30.h"
#include "entries/form5.h"
#include "entries/form8.h"
#include "entries/frmabout.h"
#include "gamesetup/form14.h"
#include "online/form10.h"
#include "online/rdl.h"
#include "online/upgradewindow.h"
#include "pickdigits/picky34.h"
#include "printing/form11.h"
#include "slips/adjust.h"
#include "slips/configure.h"
#include "support/mainwindowfixture.h"
#include "wheels/wheelwindow.h"

#include <QAccessible>
#include <QGroupBox>
#include <QRadioButton>
#include <memory>

using namespace vx;
using namespace vx::test;

namespace {
// What assistive technology is told the control is called.
QString spokenName(QWidget *control)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
    return face ? face->text(QAccessible::Name) : QStringLiteral("<no accessible interface>");
}

// Every captioned frame of the window, each named as its caption says; how many there are. (A frame
// without a caption, a mere container, has no caption to give.)
int expectFramesNamedByCaption(QWidget *window)
{
    SCOPED_TRACE(window->objectName().toStdString());
    int captioned = 0;
    for (QGroupBox *frame : window->findChildren<QGroupBox *>()) {
        if (frame->title().isEmpty())
            continue;
        EXPECT_EQ(spokenName(frame), frame->title()) << frame->objectName().toStdString();
        ++captioned;
    }
    return captioned;
}

class FrameNamesTest : public MainWindowTest
{
protected:
    Form1 &startWithTwoGames()
    {
        writeGame(folder, 1, makeGame("Lotto", 6, 1, 49, 0, 10, 1, "PB"));
        writeGame(folder, 2, makeGame("Daily", 5, 0, 39, 2, 0, 0));
        return start();
    }
    FakeMainWindow link;
};
} // namespace

TEST_F(FrameNamesTest, TheDrawPanelIsNamedAfterTheGameItShows)
{
    Form1 &f = startWithTwoGames();
    QGroupBox *drawPanel = findIn<QGroupBox>(f, "Frame3");
    EXPECT_EQ(spokenName(drawPanel), "Draw Date for Lotto");
    expectFramesNamedByCaption(&f);
    findIn<QRadioButton>(f, "Option2")->click();
    EXPECT_EQ(spokenName(drawPanel), "Draw Date for Daily");
    EXPECT_EQ(spokenName(findIn<QGroupBox>(f, "Frame5")), "My Enties for Daily");
    EXPECT_EQ(spokenName(findIn<QGroupBox>(f, "Frame6")), "Winning Lines for Daily");
    expectFramesNamedByCaption(&f);
}

TEST_F(FrameNamesTest, EveryFrameOfEveryWindowIsNamedByItsCaption)
{
    Form1 &f = startWithTwoGames();
    const CurrentGame &game = f.game();
    const StartupValues &startup = f.startup();
    const MainWindowFiles &files = f.files();
    const QString app = folder.path();
    SlipLayout layout;

    std::vector<std::unique_ptr<ToolWindow>> windows;
    windows.emplace_back(new Form2(game, QDate(2025, 11, 5), app, link));
    windows.emplace_back(new Form3(game, startup, link));
    windows.emplace_back(new Form4(game, startup, link));
    windows.emplace_back(new Form5(game, files, app, link));
    windows.emplace_back(new Form6(game, files, startup, QStringLiteral("0"), link));
    windows.emplace_back(new Form8(app, files.EntryFile, link));
    windows.emplace_back(new Form10(app, link));
    windows.emplace_back(new Form11(startup, link));
    windows.emplace_back(new Form12(game, files, startup, link));
    windows.emplace_back(new Form14(app, QStringLiteral("game1.dat"), link));
    windows.emplace_back(new Form26(game, app, startup.MonthNames, StatsChoice {}));
    windows.emplace_back(new Form30(game, startup, QDate(2025, 11, 5), link));
    windows.emplace_back(new editEntry(game, files.EntryFile, 1, link));
    windows.emplace_back(new frmAbout);
    windows.emplace_back(new RDL(app, link));
    windows.emplace_back(new UpgradeCheckWindow(link));
    windows.emplace_back(new Picky34(4, false, app, link));
    windows.emplace_back(new configure(game, app, link));
    windows.emplace_back(new adjust(layout));
    windows.emplace_back(new WheelWindow(6, startup, game, f.handed(), files, link));
    auto *optimizer = new LinkProcess(game, startup, link);
    windows.emplace_back(optimizer);
    optimizer->Form_Load(); // captions its frame with the draws there are

    int frames = 0;
    for (const std::unique_ptr<ToolWindow> &window : windows)
        frames += expectFramesNamedByCaption(window.get());
    EXPECT_GE(frames, 20); // the walk met the windows' frames
}
