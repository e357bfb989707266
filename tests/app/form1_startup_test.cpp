#include "appfolder.h"
#include "platform/events.h"
#include "platform/localemonths.h"

using namespace vx;
using namespace vx::test;

using StartupTest = MainWindowTest;

namespace {
// The captions of the game buttons and Configure Game items, which buttons are usable, and
// whether the panels and the game menus are (ticket printing also needs a printer).
void expectGames(const Form1 &f, const QStringList &captions, const QList<int> &enabled, bool panels)
{
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(QStringList({f.Option[n]->text(), f.mnuName[n]->text(), f.Option[n]->isEnabled() ? "on" : "off"}),
            QStringList({captions[n - 1], captions[n - 1], enabled.contains(n) ? "on" : "off"}));
    EXPECT_EQ(QList<bool>({f.Frame5->isEnabled(), f.Frame3->isEnabled(), f.mnuWheels->menuAction()->isEnabled(),
                  f.mnuStand->menuAction()->isEnabled(), f.mnuOpt->menuAction()->isEnabled(), f.mnuFilter->isEnabled(),
                  f.mnuImport->isEnabled()}),
        QList<bool>(7, panels));
    EXPECT_EQ(f.mnuTicketPrinting->menuAction()->isEnabled(), panels && f.startup().PrintingEnabled);
}
} // namespace

// A game is undefined at start-up with a main pool below 2, and when selected with no main balls.
TEST_F(StartupTest, UndefinedGamesAreCreatedEmptyAndKeepThePanelsOffUntilADefinedGameIsSelected)
{
    GameDefinition poolOne = makeGame("PoolOne", 5, 0, 1, 2, 0, 0),
                   drawnZero = makeGame("DrawnZero", 5, 0, 39, 2, 0, 0);
    drawnZero.mainDrawn = 0;
    writeGame(folder, 4, poolOne);
    writeGame(folder, 5, makeGame("Fiver", 5, 1, 40, 0, 12, 1));
    writeGame(folder, 6, drawnZero);
    Form1 &f = start();
    expectGames(f, {"Game1", "Game2", "Game3", "Game4", "Fiver", "DrawnZero"}, {5, 6}, false);
    EXPECT_TRUE(folder.bytes("game1.dat").isEmpty() && folder.exists("game3.dat"));
    EXPECT_TRUE(programMessages().isEmpty());
    f.DTPicker2->setValue(QDate(2006, 3, 9)); // a disabled panel lists nothing
    EXPECT_TRUE(f.files().EntryFile.isEmpty());
    f.Option4_Click();
    expectGames(f, {"Game1", "Game2", "Game3", "Game4", "Fiver", "DrawnZero"}, {5, 6}, true);
    EXPECT_EQ(f.Frame5->title(), "My Enties for PoolOne");
    const QString entryFile = f.files().EntryFile;
    f.Option[6]->click(); // the button goes off, and the current game stays
    expectGames(f, {"Game1", "Game2", "Game3", "Game4", "Fiver", "DrawnZero"}, {5}, false);
    EXPECT_EQ(f.game().GameName + f.files().EntryFile, "PoolOne" + entryFile);
}

// The locale's month names name the entry files; with entries and a draw, start-up checks them.
TEST_F(StartupTest, StartsOnGameOneWithTodaysEntriesAndDrawAndChecksThem)
{
    const QStringList months {
        "janv.", "févr.", "mars", "avr.", "mai", "juin", "juil.", "août", "sept.", "oct.", "nov.", "déc."};
    platform::SetMonthNamesForTesting(months);
    writeThreeGames(folder);
    const QDate d = QDate::currentDate();
    const QString entries = QString("Lotto%1%2%3.lot")
                                .arg(d.day(), 2, 10, QChar('0'))
                                .arg(months[d.month() - 1].section('.', 0, 0).toUpper())
                                .arg(d.year());
    writeNumbersFile(folder.file(entries), {entryRecord({1, 2, 3, 4, 5, 6}, 7), entryRecord({8, 9, 10, 11, 12, 13})});
    writeNumbersFile(folder.file("Lotto.rtl"), {drawRecord(d.year(), d.month(), d.day(), {4, 8, 15, 16, 23, 42}, {5})});
    Form1 &f = start();
    EXPECT_EQ(f.windowTitle() + f.startup().HelpFile, "Vexmora NX" + folder.path() + "/Calvenor.chm");
    expectGames(f, {"Lotto", "Daily", "Super", "Game4", "Game5", "Game6"}, {1, 2, 3}, true);
    EXPECT_EQ(f.Frame3->title() + '|' + f.Frame6->title(), "Draw Date for Lotto|Winning Lines for Lotto");
    EXPECT_EQ(f.files().EntryFile, folder.file(entries));
    EXPECT_EQ(f.Text2->text(), "2");
    EXPECT_EQ(visibleBalls(f), 7);
    EXPECT_EQ(programMessages(), QStringList {"No wins this time!"});
}

TEST_F(StartupTest, AnUnreadableLocaleEndsTheProgramBeforeAnythingElse)
{
    platform::SetLocaleUnreadableForTesting(true);
    EXPECT_FALSE(Form1().Form_Load());
    platform::SetLocaleUnreadableForTesting(false);
    EXPECT_EQ(
        platform::MessageScript::shown(), QStringList {"Cannot establish the date system used on your PC - sorry!"});
    EXPECT_TRUE(platform::ProgramEnded() && !folder.exists("game1.dat"));
}

// A game file that is there but cannot be read is named; only game files that cannot be created
// speak of the folder. Files of the wrong length are reported, and what they hold is used.
TEST_F(StartupTest, UnreadableAndDamagedGameFilesAreReportedByName)
{
    GameDefinition daily = makeGame("Daily", 5, 0, 39, 2, 0, 0);
    ASSERT_TRUE(QDir(folder.path()).mkdir("game1.dat"));
    ASSERT_TRUE(QFile::link(folder.file("game2.dat"), folder.file("game2.dat")));
    folder.writeBytes("game4.dat", daily.toBytes() + QByteArray(10, 'x'));
    folder.writeBytes("game5.dat", daily.toBytes().left(14));
    start();
    const QStringList messages = programMessages();
    ASSERT_EQ(messages.size(), 4) << messages.join('|').toStdString();
    EXPECT_TRUE(messages[0].startsWith("The game file game1.dat cannot be opened: "));
    EXPECT_TRUE(messages[1].startsWith("The game file game2.dat cannot be opened: "));
    EXPECT_TRUE(messages[2].contains("game4.dat") && messages[2].contains("98"));
    EXPECT_TRUE(messages[3].contains("game5.dat"));
    expectGames(form(), {"Game1", "Game2", "Game3", "Daily", "Game5", "Game6"}, {4}, false);
    EXPECT_EQ(folder.bytes("game5.dat"), daily.toBytes().left(14));

    platform::SetProgramFolderForTesting(folder.file("game4.dat"));
    platform::MessageScript::clear();
    start();
    EXPECT_EQ(programMessages(),
        QStringList {"The application folder " + folder.file("game4.dat")
            + " cannot be written, so the game files (game1.dat, game2.dat, game3.dat, game4.dat, game5.dat, "
              "game6.dat) could not be created. Games cannot be defined or saved until the folder can be written."});
}
