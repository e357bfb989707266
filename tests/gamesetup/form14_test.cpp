#include "entries/windowfit.h"
#include "gamedata/entryfiles.h"
#include "gamesetup/form14.h"
#include "platform/messages.h"
#include "support/fakemainwindow.h"
#include "support/mainwindowfixture.h"
#include "support/windowhelpers.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using namespace vx;
using namespace vx::test;
namespace Script = vx::platform::MessageScript;

namespace {
const QString GameSaved = "Game Saved - You must exit and restart the program for the changes to take effect";
const QString Amend = "WARNING - If you amend an existing game all results and entries for that existing game will be "
                      "deleted. If you have changed the Game Name, you will also not be able to download results from "
                      "the web for that game. Are you sure you want to save changes to this game?";
const QString Restart = "You will need to close and restart the lottery program for these changes to take effect";

// Every byte outside the fields [offset, end) is as before, and the file is still one record.
void expectOnlyChanged(const QByteArray &before, const QByteArray &after, std::vector<std::pair<int, int>> fields)
{
    ASSERT_EQ(after.size(), 88);
    for (int i = 0; i < 88; ++i) {
        const bool own
            = std::any_of(fields.begin(), fields.end(), [i](auto f) { return i >= f.first && i < f.second; });
        EXPECT_TRUE(own || before[i] == after[i]) << "byte " << i;
    }
}

// 6 from 49, bonus from the main pool, red balls, "BB"; elements 0 of the lines and days hold
// values the window must never touch, and Monday is no draw day.
GameDefinition storedGame(const QString &name = "Lotto")
{
    GameDefinition g = makeGame(name, 6, 1, 49, 1, 0, 1, "BB");
    g.winLines[0] = 77;
    g.drawDays[0] = 88;
    g.drawDays[2] = 0;
    return g;
}

QByteArray int16s(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int v : values)
        bytes += QByteArray(1, char(v & 0xff)) + char(v >> 8);
    return bytes;
}

void typeDefinition(Form14 &w, const QStringList &boxes, QRadioButton *source)
{
    QLineEdit *const order[] = {w.Text1, w.Text2, w.Text3, w.Text4, w.Text6, w.Text7, w.Text8};
    for (int i = 0; i < 7; ++i)
        order[i]->setText(boxes[i]);
    source->setChecked(true);
}

class Form14Test : public MainWindowTest
{
protected:
    void TearDown() override
    {
        delete m_window.data();
        MainWindowTest::TearDown();
    }
    Form14 &open(int n)
    {
        delete m_window.data();
        m_window = new Form14(folder.path(), paddedGameFileName(n), m_main);
        QObject::connect(m_window, &ToolWindow::closed, [this] { ++m_closed; });
        m_window->show();
        return *m_window;
    }
    QByteArray game(int n) const { return folder.bytes(gameFileName(n)); }

    QPointer<Form14> m_window;
    FakeMainWindow m_main;
    int m_closed = 0;
};
} // namespace

TEST_F(Form14Test, PagesFitTheirCaptionsAndFollowTheStoredGame)
{
    Form14 &fresh = open(3);
    EXPECT_TRUE(folder.exists("game3.dat") && !fresh.ExistingGame);
    for (QLineEdit *box : {fresh.Text2, fresh.Text3, fresh.Text4, fresh.Text6, fresh.Text7, fresh.Text8})
        EXPECT_EQ(box->text(), "0");
    EXPECT_TRUE(fresh.Option1->isChecked() && fresh.Option5->isChecked() && fresh.Option7->isChecked());

    GameDefinition g = storedGame();
    g.setBonusName("Star"); // a stored name selects Other, whatever the tag
    writeGame(folder, 1, g);
    Form14 &w = open(1);
    EXPECT_TRUE(w.ExistingGame);
    EXPECT_EQ(QStringList({w.Text1->text(), w.Text4->text(), w.Text5->text(), w.Text9->text()}),
        QStringList({"Lotto", "49", "BB", "Star"}));
    EXPECT_TRUE(w.Option2->isChecked() && w.Option4->isChecked() && w.Option11->isChecked());
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(w.Check1[size_t(i)]->isChecked(), i < 9) << i;
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(w.Check2[size_t(k)]->isChecked(), k != 1) << k;
    for (QAction *page : {w.mnuWC, w.mnuDays, w.mnuPreferences, w.mnuGD}) {
        page->trigger();
        SCOPED_TRACE(page->objectName().toStdString());
        expectFits(&w);
    }
    EXPECT_EQ(w.Label1->text(), "Game Name:");
    const std::pair<QLineEdit *, const char *> names[] = {{w.Text1, "Game Name"},
        {w.Text2, "Number of main balls in draw result"}, {w.Text3, "Number of bonus balls in draw result"},
        {w.Text4, "Number of main balls in pool"}, {w.Text6, "Number of bonus balls in bonus ball pool"},
        {w.Text7, "Number of main balls picked for entry"}, {w.Text8, "Number of bonus balls picked for entry"},
        {w.Text5, "Other Specify"}, {w.Text9, "Other Specify name"}};
    for (const auto &[box, name] : names)
        EXPECT_EQ(box->accessibleName(), name);
    w.Text3->setText("0"); // typed, not saved: the tag and name are of no use
    w.mnuPreferences->trigger();
    EXPECT_TRUE(w.Frame6->isVisible() && !w.Frame7->isVisible() && !w.Frame1->isVisible());
}

TEST_F(Form14Test, DamagedOrUnwritableGameFilesAreReported)
{
    folder.writeBytes("game1.dat", storedGame().toBytes().left(26));
    Form14 &w = open(1);
    ASSERT_EQ(Script::shown().size(), 1);
    EXPECT_TRUE(Script::last().startsWith("The game file game1.dat is damaged: it is 26 bytes long instead of 88"));
    EXPECT_TRUE(w.ExistingGame && w.Text4->text() == "49" && !w.Check1[0]->isChecked());

    ASSERT_TRUE(QDir(folder.path()).mkdir("game2.dat")); // a folder no one can write as a file
    Script::clear();
    Form14 &v = open(2);
    typeDefinition(v, {"Lotto", "6", "1", "49", "0", "6", "0"}, v.Option2);
    v.Command2->click();
    v.Command3->click();
    ASSERT_EQ(Script::shown().size(), 3);
    EXPECT_TRUE(Script::shown()[0].startsWith("The game file game2.dat cannot be opened"));
    for (int i : {1, 2})
        EXPECT_TRUE(Script::shown()[i].startsWith("The game definition could not be saved: the file game2.dat"));
    EXPECT_EQ(m_closed, 0);
}

TEST_F(Form14Test, EachSaveWritesOnlyItsOwnFieldsAfterItsChecks)
{
    GameDefinition g = storedGame();
    g.mainDrawn = 0; // a new game, although lines and days are stored: saving asks nothing
    writeGame(folder, 2, g);
    QByteArray before = game(2);
    Form14 &w = open(2);
    typeDefinition(w, {"Lotto 6", "5", "1", "59", "26", "5", "1"}, w.Option1);
    w.Command2->click();
    w.Text1->setText("Powerball");
    w.Text4->setText("5");
    w.Command2->click();
    EXPECT_EQ(game(2), before);
    w.Text4->setText("59");
    w.Option9->setChecked(true);
    w.Option11->setChecked(true);
    w.Text5->setText("X"); // refused preferences leave the definition saved
    w.Command2->click();
    const QByteArray after = game(2);
    expectOnlyChanged(before, after, {{0, 26}});
    EXPECT_EQ(after.left(26), "Powerball   " + int16s({5, 1, 59, 0, 26, 5, 1}));
    EXPECT_EQ(Script::shown(),
        (QStringList {"You must only use letters in the game name - spaces not allowed!",
            "The number of Balls in Main Pool is always greater then the number of balls in draw result!",
            "You must enter a two character identity for the extra/bonus ball on your Preferences options",
            GameSaved}));
    EXPECT_EQ(m_closed, 1);
    EXPECT_TRUE(w.isVisible());

    Script::clear();
    before = after;
    w.Command3->click(); // no line box clicked yet
    w.Check1[0]->click();
    w.Check1[14]->click();
    w.Command3->click();
    w.Check2[0]->click();
    w.Check2[1]->click();
    w.Command6->click();
    w.Option5->setChecked(true);
    w.Text5->setText("sb");
    w.Text9->setText(" Superball ");
    w.Command7->click();
    EXPECT_EQ(Script::shown(), (QStringList {"Done", Restart, Restart}));
    expectOnlyChanged(before, game(2), {{28, 58}, {60, 74}, {74, 88}});
    EXPECT_EQ(game(2).mid(26, 62),
        int16s({77, 0, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 1, 88, 0, 2, 3, 4, 5, 6, 7, 0}) + "SBSuperball ");
}

TEST_F(Form14Test, AmendingAskedYesDeletesTheGamesFilesEvenForNamesLikeResourcePaths)
{
    for (const QString name : {"Lotto", ":Lotto"}) {
        SCOPED_TRACE(name.toStdString());
        writeGame(folder, 1, storedGame(name));
        const QStringList gone = {name + ".rtl", name + "05JAN2005.lot", name + "-6-6-6.lot", name + "Plus.lot"};
        const QStringList kept = {"Stand" + name + ".lot", name + ".dat"};
        for (const QString &file : gone + kept)
            folder.writeBytes(file, "data");
        const QByteArray before = game(1);
        Form14 &w = open(1);
        w.Text1->setText("Lotto"); // a damaged name must be typed again
        Script::clear();
        Script::answer(false);
        w.Command2->click();
        EXPECT_EQ(game(1), before);
        Script::answer(true);
        w.Text4->setText("45");
        w.Command2->click();
        EXPECT_EQ(Script::shown(), (QStringList {Amend, "Changes not saved", Amend, GameSaved}));
        for (const QString &file : gone)
            EXPECT_FALSE(folder.exists(file)) << file.toStdString();
        for (const QString &file : kept)
            EXPECT_TRUE(folder.exists(file)) << file.toStdString();
        // The amended record starts empty: lines and days cleared, the preferences written again.
        EXPECT_EQ(game(1).mid(12, 76),
            before.mid(12, 4) + int16s({45}) + before.mid(18, 8) + QByteArray(48, '\0') + int16s({1}) + "BB"
                + QByteArray(10, ' '));
        w.Command3->click(); // the boxes kept their ticks
        EXPECT_EQ(game(1).mid(26, 32), before.mid(26, 32).replace(0, 2, QByteArray(2, '\0')));
    }
}

// Opened from the main window's File > Configure Game items, the window holds the opener until it
// closes (each Exit, the title bar) or saves; only then are both panels read again.
TEST_F(MainWindowTest, ConfigureGameGoesOnOnlyOnceTheWindowClosedOrSaved)
{
    writeGame(folder, 1, storedGame());
    start();
    const QDate today = QDate::currentDate();
    const QString entryFile = datedEntryFileName("Lotto", today, form().startup().MonthNames);
    const std::pair<int, QPushButton * Form14::*> ways[] = {{1, &Form14::Command1}, {2, &Form14::Command4},
        {3, &Form14::Command5}, {4, &Form14::Command8}, {5, nullptr}, {6, &Form14::Command2}};
    bool filesThere = false;
    for (const auto &[n, way] : ways) {
        SCOPED_TRACE(n);
        filesThere = !filesThere; // a draw and an entry of today come and go while the window is open
        QPointer<Form14> window;
        QTimer::singleShot(0, [&, n = n, way = way] {
            window = openWindow<Form14>();
            ASSERT_FALSE(window.isNull());
            EXPECT_EQ(window->windowTitle(),
                n == 1 ? QString("Lotto Configuration") : QString("Game%1 Configuration").arg(n));
            EXPECT_FALSE(form().isEnabled());
            if (filesThere) {
                writeNumbersFile(folder.file("Lotto.rtl"),
                    {drawRecord(today.year(), today.month(), today.day(), {1, 2, 3, 4, 5, 6}, {7})});
                writeNumbersFile(folder.file(entryFile), {entryRecord({1, 2, 3, 4, 5, 6})});
            } else {
                QFile::remove(folder.file("Lotto.rtl"));
                QFile::remove(folder.file(entryFile));
            }
            if (way == &Form14::Command2)
                typeDefinition(*window, {"Keno", "7", "0", "35", "0", "7", "0"}, window->Option3);
            way ? (window->*way)->click() : void(window->close());
            EXPECT_NE(form().drawShown(), filesThere);
            EXPECT_NE(form().List1->count(), filesThere ? 1 : 0);
        });
        form().mnuName[size_t(n)]->trigger();
        ASSERT_FALSE(window.isNull());
        EXPECT_EQ(form().drawShown(), filesThere);
        EXPECT_EQ(form().List1->count(), filesThere ? 1 : 0);
        EXPECT_EQ(window->isVisible(), way == &Form14::Command2); // a save leaves it open ...
        EXPECT_EQ(form().isEnabled(), !window->isVisible());
        if (window->isVisible())
            window->Command1->click(); // ... until its Exit
        EXPECT_TRUE(form().isEnabled());
        flushDeletes();
        EXPECT_TRUE(window.isNull());
    }
}
