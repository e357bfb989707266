#include "appfolder.h"
#include "platform/events.h"
#include "platform/localemonths.h"

#include <QDir>
#include <QFile>

using namespace vx;
using namespace vx::test;

class StartupTest : public MainWindowTest
{
protected:
    // The captions of the six game buttons and Configure Game items, and which buttons are usable;
    // then whether the panels and the six game menus are (ticket printing also needs a printer).
    void expectGames(const QStringList &captions, const QList<int> &enabled)
    {
        for (int n = 1; n <= 6; ++n) {
            EXPECT_EQ(form().Option[n]->text(), captions[n - 1]) << n;
            EXPECT_EQ(form().Option[n]->isEnabled(), enabled.contains(n)) << n;
            EXPECT_EQ(form().mnuName[n]->text(), captions[n - 1]) << n;
        }
    }
    void expectGameControls(bool on)
    {
        Form1 &f = form();
        EXPECT_EQ(f.Frame5->isEnabled(), on);
        EXPECT_EQ(f.Frame3->isEnabled(), on);
        for (QAction *a : {f.mnuWheels->menuAction(), f.mnuStand->menuAction(), f.mnuOpt->menuAction(), f.mnuFilter,
                 f.mnuImport, f.mnuTicketPrinting->menuAction()})
            EXPECT_EQ(a->isEnabled(), on && (a != f.mnuTicketPrinting->menuAction() || f.startup().PrintingEnabled))
                << a->objectName().toStdString();
    }
};

// A game is undefined at start-up with a main pool below 2, and when selected with no main balls.
TEST_F(StartupTest, UndefinedGamesAreCreatedEmptyAndKeepThePanelsOffUntilADefinedGameIsSelected)
{
    GameDefinition poolOne = daily(), drawnZero = daily();
    poolOne.setName("PoolOne");
    poolOne.mainPool = 1;
    drawnZero.setName("DrawnZero");
    drawnZero.mainDrawn = 0;
    writeGame(folder, 2, daily());
    writeGame(folder, 4, poolOne);
    writeGame(folder, 5, makeGame("Fiver", 5, 1, 40, 0, 12, 1));
    writeGame(folder, 6, drawnZero);
    Form1 &f = start();
    expectGames({"Game1", "Daily", "Game3", "Game4", "Fiver", "DrawnZero"}, {2, 5, 6});
    EXPECT_TRUE(folder.exists("game3.dat") && folder.bytes("game1.dat").isEmpty());
    expectGameControls(false);
    EXPECT_TRUE(programMessages().isEmpty());
    f.DTPicker2->setValue(QDate(2006, 3, 9)); // a disabled panel lists nothing
    EXPECT_TRUE(QDir(folder.path()).entryList({"*.lot"}).isEmpty());

    f.Option[5]->click();
    EXPECT_EQ(f.game().GameName, "Fiver");
    expectGameControls(true);
    f.Option4_Click();
    EXPECT_EQ(f.Frame5->title(), "My Enties for PoolOne");
    const QString entryFile = f.files().EntryFile;
    f.Option[6]->click(); // no main balls: the button goes off and the current game stays
    EXPECT_FALSE(f.Option[6]->isEnabled());
    expectGameControls(false);
    EXPECT_EQ(f.game().GameName, "PoolOne");
    EXPECT_EQ(f.files().EntryFile, entryFile);
}

TEST_F(StartupTest, StartsOnGameOneWithTodaysEntriesAndDrawAndChecksThem)
{
    writeThreeGames(folder);
    const QDate today = QDate::currentDate();
    const QString entries = "Lotto" + QLocale::c().toString(today, "ddMMMyyyy").toUpper() + ".lot";
    writeNumbersFile(folder.file(entries), {entryRecord({1, 2, 3, 4, 5, 6}, 7), entryRecord({8, 9, 10, 11, 12, 13})});
    writeNumbersFile(folder.file("Lotto.rtl"),
        {drawRecord(today.year(), today.month(), today.day(), {4, 8, 15, 16, 23, 42}, {5})}, true);
    Form1 &f = start();
    EXPECT_EQ(f.windowTitle(), "Vexmora NX");
    EXPECT_EQ(f.DTPicker1->Value(), today);
    EXPECT_EQ(f.startup().HelpFile, folder.path() + "/Calvenor.chm");
    expectGames({"Lotto", "Daily", "Super", "Game4", "Game5", "Game6"}, {1, 2, 3});
    EXPECT_EQ(f.game().GameFile, "game1.dat   ");
    EXPECT_EQ(f.Frame3->title(), "Draw Date for Lotto");
    EXPECT_EQ(f.Frame6->title(), "Winning Lines for Lotto");
    EXPECT_FALSE(f.Command3->isVisible());
    EXPECT_EQ(f.files().EntryFile, folder.file(entries));
    EXPECT_EQ(f.Text2->text(), "2");
    EXPECT_EQ(visibleBalls(f), 7);
    EXPECT_EQ(programMessages(), QStringList {"No wins this time!"}); // the check ran last
}

TEST_F(StartupTest, AnUnreadableLocaleEndsTheProgramBeforeAnythingElse)
{
    platform::SetLocaleUnreadableForTesting(true);
    EXPECT_FALSE(Form1().Form_Load());
    platform::SetLocaleUnreadableForTesting(false);
    EXPECT_EQ(
        platform::MessageScript::shown(), QStringList {"Cannot establish the date system used on your PC - sorry!"});
    EXPECT_TRUE(platform::ProgramEnded());
    EXPECT_FALSE(folder.exists("game1.dat"));
}

TEST_F(StartupTest, TheLocalesMonthNamesNameTheEntryFiles)
{
    platform::SetMonthNamesForTesting(QStringList {"janv.", QString::fromUtf8("févr."), "mars", "avril", "mai", "juin",
        "juil.", QString::fromUtf8("août"), "sept.", "oct.", "nov.", QString::fromUtf8("déc.")});
    writeThreeGames(folder);
    writeNumbersFile(folder.file(QString::fromUtf8("Lotto05FÉVR2006.lot")), {entryRecord({1, 2, 3, 4, 5, 6})});
    Form1 &f = start();
    EXPECT_EQ(MonthName(f.startup().MonthNames, 8), QString::fromUtf8("AOÛT"));
    f.DTPicker2->setValue(QDate(2006, 2, 5));
    EXPECT_EQ(f.Text2->text(), "1");
}

// Each of the three exits ends the program, deleting the shown entry file only when it is empty.
TEST_F(StartupTest, EveryExitEndsTheProgramAndDeletesOnlyAnEmptyEntryFile)
{
    writeThreeGames(folder);
    writeNumbersFile(folder.file("Lotto09MAR2006.lot"), {entryRecord({1, 2, 3, 4, 5, 6})});
    Form1 &f = start();
    for (const std::function<void()> &exit : std::vector<std::function<void()>> {
             [&] { f.mnuExit->trigger(); }, [&] { f.mnuExitMenu->trigger(); }, [&] { f.close(); }})
        for (const int day : {9, 8}) {
            platform::ResetProgramEnded();
            f.DTPicker2->setValue(QDate(2006, 3, day));
            const QString shownFile = f.files().EntryFile;
            exit();
            EXPECT_TRUE(platform::ProgramEnded());
            EXPECT_EQ(QFile::exists(shownFile), day == 9);
            f.show();
        }
}

// A game file that is there but cannot be read says so by name; only missing files that cannot be
// created speak of the folder. Files of the wrong length are reported and what they hold is used.
TEST_F(StartupTest, UnreadableAndDamagedGameFilesAreReportedByName)
{
    writeThreeGames(folder);
    QFile::remove(folder.file("game1.dat"));
    QFile::remove(folder.file("game2.dat"));
    ASSERT_TRUE(QDir(folder.path()).mkdir("game1.dat"));
    ASSERT_TRUE(QFile::link(folder.file("game2.dat"), folder.file("game2.dat")));
    folder.writeBytes("game4.dat", daily().toBytes() + QByteArray(10, 'x'));
    folder.writeBytes("game5.dat", daily().toBytes().left(14));
    start();
    const QStringList messages = programMessages();
    ASSERT_EQ(messages.size(), 4) << messages.join('|').toStdString();
    EXPECT_TRUE(messages[0].startsWith("The game file game1.dat cannot be opened: "));
    EXPECT_TRUE(messages[1].startsWith("The game file game2.dat cannot be opened: "));
    EXPECT_TRUE(messages[2].contains("game4.dat") && messages[2].contains("98"));
    EXPECT_TRUE(messages[3].contains("game5.dat"));
    expectGames({"Game1", "Game2", "Super", "Daily", "Game5", "Game6"}, {3, 4});
    EXPECT_EQ(folder.bytes("game5.dat"), daily().toBytes().left(14)); // nothing written

    // A folder that really cannot be written is named, with every file it could not create.
    platform::SetProgramFolderForTesting(folder.file("game4.dat"));
    platform::MessageScript::clear();
    start();
    EXPECT_EQ(programMessages(),
        QStringList {"The application folder " + folder.file("game4.dat")
            + " cannot be written, so the game files (game1.dat, game2.dat, game3.dat, game4.dat, game5.dat, "
              "game6.dat) could not be created. Games cannot be defined or saved until the folder can be written."});
    expectGames({"Game1", "Game2", "Game3", "Game4", "Game5", "Game6"}, {});
}

TEST_F(StartupTest, EntryAndHistoryFilesThatCannotBeCreatedAreReported)
{
    writeThreeGames(folder);
    Form1 &f = start();
    // The folder's path names a file for a moment, so nothing can be created under it.
    const QString moved = folder.path() + "moved";
    ASSERT_TRUE(QDir().rename(folder.path(), moved));
    QFile(folder.path()).open(QIODevice::WriteOnly);
    f.DTPicker2->setValue(QDate(2006, 3, 9));
    f.DTPicker1->setValue(QDate(2006, 3, 9));
    QFile::remove(folder.path());
    QDir().rename(moved, folder.path());
    const QStringList messages = programMessages();
    ASSERT_EQ(messages.size(), 2) << messages.join('|').toStdString();
    EXPECT_TRUE(messages[0].contains("Lotto09MAR2006.lot") && messages[1].contains("Lotto.rtl"));
    EXPECT_EQ(f.Text2->text(), "0");
}
