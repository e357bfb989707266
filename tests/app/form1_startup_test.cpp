#include "appfolder.h"
#include "platform/events.h"
#include "platform/localemonths.h"

#include <QDir>
#include <QFile>

using namespace vx;
using namespace vx::test;
using platform::MessageScript::shown;

namespace {
const char *const GameMenus[] = {"mnuWheels", "mnuStand", "mnuTicketPrinting", "mnuFilter", "mnuImport", "mnuOpt"};

} // namespace

class StartupTest : public MainWindowTest
{
protected:
    QAction *menu(const QString &name)
    {
        if (auto *m = find<QMenu>(name))
            return m->menuAction();
        return form().findChild<QAction *>(name);
    }
    QRadioButton *option(int n) const { return find<QRadioButton>(QStringLiteral("Option%1").arg(n)); }

    // The captions of the six game buttons (and of the Configure Game items), and which are usable.
    void expectGames(const QStringList &captions, const QList<int> &enabled)
    {
        for (int n = 1; n <= 6; ++n) {
            SCOPED_TRACE(n);
            EXPECT_EQ(option(n)->text(), captions[n - 1]);
            EXPECT_EQ(option(n)->isEnabled(), enabled.contains(n));
            EXPECT_EQ(menu(QStringLiteral("mnuName%1").arg(n))->text(), captions[n - 1]);
            EXPECT_TRUE(menu(QStringLiteral("mnuName%1").arg(n))->isEnabled());
        }
    }
    void expectGameControls(Form1 &f, bool enabled)
    {
        EXPECT_EQ(f.Frame5->isEnabled(), enabled);
        EXPECT_EQ(f.Frame3->isEnabled(), enabled);
        // Ticket printing also needs a printer.
        for (const char *name : GameMenus) {
            const bool ticket = QLatin1String(name) == QLatin1String("mnuTicketPrinting");
            EXPECT_EQ(menu(QLatin1String(name))->isEnabled(), enabled && (!ticket || form().startup().PrintingEnabled))
                << name;
        }
    }
};

TEST_F(StartupTest, EmptyFolderLeavesEveryGameUndefinedAndNoPanelLoaded)
{
    Form1 &f = start();
    expectGames({"Game1", "Game2", "Game3", "Game4", "Game5", "Game6"}, {});
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(folder.bytes(QStringLiteral("game%1.dat").arg(n)), QByteArray()) << n; // created empty
    EXPECT_TRUE(option(1)->isChecked());
    expectGameControls(f, false);
    EXPECT_EQ(f.List1->count(), 0);
    EXPECT_EQ(form().files().EntryFile, QString());
    EXPECT_TRUE(programMessages().isEmpty()) << programMessages().join(QLatin1Char('|')).toStdString();

    // A change of the entry date while the panel is disabled does nothing.
    f.DTPicker2->setValue(QDate(2006, 3, 9));
    EXPECT_EQ(form().files().EntryFile, QString());
    EXPECT_TRUE(QDir(folder.path()).entryList({"*.lot", "*.rtl"}, QDir::Files).isEmpty());
}

TEST_F(StartupTest, StartsOnGameOneWithTodaysEntriesAndDraw)
{
    writeThreeGames(folder);
    const QDate today = QDate::currentDate();
    writeNumbersFile(folder.file(englishEntryName("Lotto", today)),
        {entryRecord({1, 2, 3, 4, 5, 6}, 7), entryRecord({8, 9, 10, 11, 12, 13})});
    writeNumbersFile(folder.file("Lotto.rtl"),
        {drawRecord(today.year(), today.month(), today.day(), {4, 8, 15, 16, 23, 42}, {5})}, true);
    Form1 &f = start();
    EXPECT_EQ(f.windowTitle(), "Vexmora NX");
    EXPECT_EQ(f.DTPicker1->Value(), today);
    EXPECT_EQ(f.DTPicker2->Value(), today);
    EXPECT_EQ(form().startup().AppFolder, folder.path());
    EXPECT_EQ(form().startup().HelpFile, folder.path() + "/Calvenor.chm");
    EXPECT_EQ(form().files().OpenWheelType, 0);
    expectGames({"Lotto", "Daily", "Super", "Game4", "Game5", "Game6"}, {1, 2, 3});
    EXPECT_EQ(form().game().GameFile, "game1.dat   ");
    EXPECT_EQ(form().game().GameNumber, 1);
    EXPECT_EQ(form().game().GameName, "Lotto");
    EXPECT_EQ(f.Frame5->title(), "My Enties for Lotto");
    EXPECT_EQ(f.Frame3->title(), "Draw Date for Lotto");
    EXPECT_EQ(f.Frame6->title(), "Winning Lines for Lotto");
    EXPECT_FALSE(f.Command3->isVisibleTo(&f));
    EXPECT_TRUE(f.DTPicker2->isVisibleTo(&f));
    EXPECT_EQ(form().files().EntryFile, folder.file(englishEntryName("Lotto", today)));
    EXPECT_EQ(lines(f.List1), (QStringList {"01 02 03 04 05 06 PB 07 ", "08 09 10 11 12 13 "}));
    EXPECT_EQ(f.Text2->text(), "2");
    EXPECT_EQ(form().files().HistoryFile, folder.file("Lotto.rtl"));
    EXPECT_TRUE(f.drawShown());
    EXPECT_EQ(form().files().DrawRecord, 1);
    // With entries and a draw shown, start-up checks them; neither entry wins.
    EXPECT_EQ(programMessages(), QStringList {"No wins this time!"});
}

// A game is undefined at start-up with a main pool below 2, and when selected with no main balls.
TEST_F(StartupTest, UndefinedGamesLeaveThePanelsOffUntilADefinedGameIsSelected)
{
    GameDefinition poolOne = dailyGame();
    poolOne.setName("PoolOne");
    poolOne.mainPool = 1;
    GameDefinition drawnZero = dailyGame();
    drawnZero.setName("DrawnZero");
    drawnZero.mainDrawn = 0;
    writeGame(folder, 2, dailyGame());
    writeGame(folder, 4, poolOne);
    writeGame(folder, 5, makeGame("Fiver", 5, 1, 40, 0, 12, 1));
    writeGame(folder, 6, drawnZero);
    Form1 &f = start();
    expectGames({"Game1", "Daily", "Game3", "Game4", "Fiver", "DrawnZero"}, {2, 5, 6});
    expectGameControls(f, false);
    EXPECT_EQ(form().game().GameName, QString());

    option(5)->click();
    EXPECT_EQ(form().game().GameNumber, 5);
    EXPECT_EQ(form().game().GameName, "Fiver");
    expectGameControls(f, true);
    EXPECT_EQ(f.Frame5->title(), "My Enties for Fiver");
    f.Option4_Click();
    EXPECT_EQ(form().game().GameName, "PoolOne");
    expectGameControls(f, true);

    // No main balls: the button is disabled, and the current game stays.
    const QString entryFile = form().files().EntryFile;
    option(6)->click();
    EXPECT_FALSE(option(6)->isEnabled());
    expectGameControls(f, false);
    EXPECT_EQ(form().game().GameName, "PoolOne");
    EXPECT_EQ(form().game().MainDrawn, 5);
    EXPECT_EQ(form().files().EntryFile, entryFile);
    EXPECT_EQ(f.Frame5->title(), "My Enties for PoolOne");
}

TEST_F(StartupTest, AnUnreadableLocaleEndsTheProgramWithAMessage)
{
    platform::SetLocaleUnreadableForTesting(true);
    auto form = std::make_unique<Form1>();
    EXPECT_FALSE(form->Form_Load());
    platform::SetLocaleUnreadableForTesting(false);
    EXPECT_EQ(shown(), QStringList {"Cannot establish the date system used on your PC - sorry!"});
    EXPECT_TRUE(platform::ProgramEnded());
    EXPECT_FALSE(folder.exists("game1.dat")); // nothing else of the start-up ran
}

TEST_F(StartupTest, TheLocalesMonthNamesNameTheEntryFiles)
{
    platform::SetMonthNamesForTesting(QStringList {"janv.", QString::fromUtf8("févr."), "mars", "avril", "mai", "juin",
        "juil.", QString::fromUtf8("août"), "sept.", "oct.", "nov.", QString::fromUtf8("déc.")});
    writeThreeGames(folder);
    writeNumbersFile(folder.file(QString::fromUtf8("Lotto05FÉVR2006.lot")), {entryRecord({1, 2, 3, 4, 5, 6})});
    Form1 &f = start();
    EXPECT_EQ(MonthName(f.startup().MonthNames, 2), QString::fromUtf8("FÉVR"));
    EXPECT_EQ(MonthName(f.startup().MonthNames, 0), QString());
    EXPECT_EQ(MonthName(f.startup().MonthNames, 13), QString());
    f.DTPicker2->setValue(QDate(2006, 2, 5));
    EXPECT_EQ(form().files().EntryFile, folder.file(QString::fromUtf8("Lotto05FÉVR2006.lot")));
    EXPECT_EQ(f.Text2->text(), "1");
}

// Each of the three exits ends the program, deleting the shown entry file only when it is empty.
TEST_F(StartupTest, EveryExitEndsTheProgramAndDeletesOnlyAnEmptyEntryFile)
{
    writeThreeGames(folder);
    writeLottoEntries(folder);
    Form1 &f = start();
    const std::function<void()> exits[]
        = {[&] { menu("mnuExit")->trigger(); }, [&] { menu("mnuExitMenu")->trigger(); }, [&] { f.close(); }};
    for (const auto &exit : exits) {
        SCOPED_TRACE(&exit - exits);
        for (const QDate date : {QDate(2006, 3, 9), QDate(2006, 3, 8)}) {
            platform::ResetProgramEnded();
            f.DTPicker2->setValue(date);
            const QString shownFile = form().files().EntryFile;
            ASSERT_TRUE(QFile::exists(shownFile));
            exit();
            EXPECT_TRUE(platform::ProgramEnded());
            EXPECT_EQ(QFile::exists(shownFile), date.day() == 9) << shownFile.toStdString();
            f.show();
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Damaged input at start-up

TEST_F(StartupTest, GameFilesOfTheWrongLengthAreReportedAndUsed)
{
    writeThreeGames(folder);
    folder.writeBytes("game2.dat", dailyGame().toBytes() + QByteArray(10, 'x'));
    folder.writeBytes("game3.dat", superGame().toBytes().left(14));
    Form1 &f = start();
    const QStringList messages = programMessages();
    ASSERT_EQ(messages.size(), 2) << messages.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(messages[0].contains("game2.dat") && messages[0].contains("98"));
    EXPECT_TRUE(messages[1].contains("game3.dat"));
    // What the long file holds is a whole game; the short one lacks its pool: undefined.
    EXPECT_TRUE(option(2)->isEnabled());
    EXPECT_FALSE(option(3)->isEnabled());
    option(2)->click();
    EXPECT_EQ(form().game().GameName, "Daily");
    EXPECT_TRUE(f.Frame5->isEnabled());
    EXPECT_EQ(folder.bytes("game3.dat"), superGame().toBytes().left(14)); // nothing written
}

TEST_F(StartupTest, AnApplicationFolderThatCannotBeWrittenIsReported)
{
    folder.writeBytes("notafolder", "x");
    const QString unusable = folder.file("notafolder");
    platform::SetProgramFolderForTesting(unusable);
    Form1 &f = start();
    const QStringList messages = programMessages();
    ASSERT_EQ(messages.size(), 1) << messages.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(messages[0].contains("cannot be written") && messages[0].contains(unusable));
    for (int n = 1; n <= 6; ++n)
        EXPECT_FALSE(option(n)->isEnabled());
    EXPECT_FALSE(f.Frame5->isEnabled());
}

TEST_F(StartupTest, EntryAndHistoryFilesThatCannotBeCreatedAreReported)
{
    writeThreeGames(folder);
    Form1 &f = start();
    // The folder's path now names a file, so nothing can be created under it.
    const QString moved = folder.path() + "moved";
    ASSERT_TRUE(QDir().rename(folder.path(), moved));
    QFile blocker(folder.path());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    f.DTPicker2->setValue(QDate(2006, 3, 9));
    f.DTPicker1->setValue(QDate(2006, 3, 9));
    QFile::remove(folder.path());
    QDir().rename(moved, folder.path());
    const QStringList messages = programMessages();
    ASSERT_EQ(messages.size(), 2) << messages.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(messages[0].contains("Lotto09MAR2006.lot"));
    EXPECT_TRUE(messages[1].contains("Lotto.rtl"));
    EXPECT_EQ(f.List1->count(), 0);
    EXPECT_EQ(f.Text2->text(), "0");
    EXPECT_FALSE(f.drawShown());
}
