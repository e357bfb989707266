#include "appfolder.h"
#include "gamedata/sharedstate.h"
#include "platform/datepicker.h"
#include "platform/events.h"
#include "platform/localemonths.h"
#include "platform/messages.h"
#include "support/mainwindowfixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

using namespace vx;
using namespace vx::test;
using platform::MessageScript::shown;

namespace {
const char *const GameMenus[] = { "mnuWheels", "mnuStand", "mnuTicketPrinting", "mnuFilter", "mnuImport", "mnuOpt" };

QStringList messagesWithout(const QString &fragment)
{
    QStringList result;
    for (const QString &m : shown())
        if (!m.contains(fragment))
            result << m;
    return result;
}

// Messages other than the printer lookup's, which depends on the machine.
QStringList programMessages()
{
    return messagesWithout(QStringLiteral("no printer drivers"));
}
} // namespace

class StartupTest : public MainWindowTest
{
protected:
    QAction *menu(const char *name) const
    {
        if (auto *m = find<QMenu>(QLatin1String(name)))
            return m->menuAction();
        for (QWidget *top : QApplication::topLevelWidgets())
            if (auto *a = top->findChild<QAction *>(QLatin1String(name)))
                return a;
        return nullptr;
    }
    QRadioButton *option(int n) const { return find<QRadioButton>(QStringLiteral("Option%1").arg(n)); }
};

TEST_F(StartupTest, EmptyFolderLeavesEveryGameUndefinedAndNoPanelLoaded)
{
    Form1 &f = start();
    for (int n = 1; n <= 6; ++n) {
        QRadioButton *button = option(n);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QStringLiteral("Game%1").arg(n));
        EXPECT_FALSE(button->isEnabled());
        EXPECT_TRUE(folder.exists(QStringLiteral("game%1.dat").arg(n)));
        EXPECT_EQ(folder.bytes(QStringLiteral("game%1.dat").arg(n)).size(), 0);
        // The Configure Game items keep their captions and stay usable.
        QAction *item = menu(qPrintable(QStringLiteral("mnuName%1").arg(n)));
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(), QStringLiteral("Game%1").arg(n));
        EXPECT_TRUE(item->isEnabled());
    }
    EXPECT_TRUE(option(1)->isChecked());
    EXPECT_FALSE(find<QGroupBox>(QStringLiteral("Frame5"))->isEnabled());
    EXPECT_FALSE(find<QGroupBox>(QStringLiteral("Frame3"))->isEnabled());
    for (const char *name : GameMenus) {
        ASSERT_NE(menu(name), nullptr) << name;
        EXPECT_FALSE(menu(name)->isEnabled()) << name;
    }
    EXPECT_EQ(f.List1->count(), 0);
    EXPECT_EQ(EntryFile, QString());
    const QStringList dataFiles = { QStringLiteral("*.lot"), QStringLiteral("*.rtl") };
    EXPECT_TRUE(QDir(folder.path()).entryList(dataFiles, QDir::Files).isEmpty());
    EXPECT_TRUE(programMessages().isEmpty()) << programMessages().join(QLatin1Char('|')).toStdString();

    // A change of the entry date while the panel is disabled does nothing.
    f.DTPicker2->setValue(QDate(2006, 3, 9));
    EXPECT_EQ(EntryFile, QString());
    EXPECT_TRUE(QDir(folder.path()).entryList(dataFiles, QDir::Files).isEmpty());
}

TEST_F(StartupTest, SetsTheTitleDatesFolderAndCaptions)
{
    writeThreeGames(folder);
    Form1 &f = start();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Vexmora NX"));
    EXPECT_EQ(f.DTPicker1->Value(), QDate::currentDate());
    EXPECT_EQ(f.DTPicker2->Value(), QDate::currentDate());
    EXPECT_EQ(AppFolder, folder.path());
    EXPECT_EQ(HelpFile, folder.path() + QStringLiteral("/Calvenor.chm"));
    EXPECT_EQ(OpenWheelType, 0);
    EXPECT_FALSE(HistoryListFull);
    EXPECT_EQ(option(1)->text(), QStringLiteral("Lotto"));
    EXPECT_EQ(option(2)->text(), QStringLiteral("Daily"));
    EXPECT_EQ(option(3)->text(), QStringLiteral("Super"));
    EXPECT_EQ(menu("mnuName1")->text(), QStringLiteral("Lotto"));
    EXPECT_EQ(menu("mnuName4")->text(), QStringLiteral("Game4"));
    for (int n = 1; n <= 3; ++n)
        EXPECT_TRUE(option(n)->isEnabled());
    for (int n = 4; n <= 6; ++n)
        EXPECT_FALSE(option(n)->isEnabled());
    EXPECT_EQ(GameFile, QStringLiteral("game1.dat   "));
    EXPECT_EQ(GameNumber, 1);
    EXPECT_EQ(GameName, QStringLiteral("Lotto"));
    EXPECT_EQ(find<QGroupBox>(QStringLiteral("Frame5"))->title(), QStringLiteral("My Enties for Lotto"));
    EXPECT_EQ(find<QGroupBox>(QStringLiteral("Frame3"))->title(), QStringLiteral("Draw Date for Lotto"));
    EXPECT_EQ(find<QGroupBox>(QStringLiteral("Frame6"))->title(), QStringLiteral("Winning Lines for Lotto"));
    EXPECT_FALSE(f.Command3->isVisibleTo(&f));
    EXPECT_TRUE(f.DTPicker2->isVisibleTo(&f));
    EXPECT_EQ(f.Text2->text(), QStringLiteral("0"));
    EXPECT_EQ(f.Text3->text(), QStringLiteral("0"));
    // Today's entry file was opened (and is empty).
    EXPECT_EQ(EntryFile, folder.file(englishEntryName(QStringLiteral("Lotto"), QDate::currentDate())));
    EXPECT_EQ(HistoryFile, folder.file(QStringLiteral("Lotto.rtl")));
    EXPECT_TRUE(programMessages().isEmpty()) << programMessages().join(QLatin1Char('|')).toStdString();
}

TEST_F(StartupTest, StartUpListsTodaysEntriesAndShowsTodaysDraw)
{
    writeThreeGames(folder);
    const QDate today = QDate::currentDate();
    writeNumbersFile(folder.file(englishEntryName(QStringLiteral("Lotto"), today)),
        { entryRecord({ 1, 2, 3, 4, 5, 6 }, 7), entryRecord({ 8, 9, 10, 11, 12, 13 }) });
    writeNumbersFile(folder.file(QStringLiteral("Lotto.rtl")),
        { drawRecord(today.year(), today.month(), today.day(), { 4, 8, 15, 16, 23, 42 }, { 5 }) }, true);
    Form1 &f = start();
    EXPECT_EQ(lines(f.List1),
        (QStringList { QStringLiteral("01 02 03 04 05 06 PB 07 "), QStringLiteral("08 09 10 11 12 13 ") }));
    EXPECT_EQ(f.Text2->text(), QStringLiteral("2"));
    EXPECT_TRUE(f.drawShown());
    EXPECT_EQ(DrawRecord, 1);
}

TEST_F(StartupTest, GamesTwoAndFiveDefinedOnly)
{
    writeGame(folder, 2, dailyGame());
    writeGame(folder, 5, makeGame(QStringLiteral("Fiver"), 5, 1, 40, 0, 12, 1));
    Form1 &f = start();
    const char *captions[] = { "", "Game1", "Daily", "Game3", "Game4", "Fiver", "Game6" };
    for (int n = 1; n <= 6; ++n) {
        EXPECT_EQ(option(n)->text(), QLatin1String(captions[n])) << n;
        EXPECT_EQ(option(n)->isEnabled(), n == 2 || n == 5) << n;
        EXPECT_EQ(menu(qPrintable(QStringLiteral("mnuName%1").arg(n)))->text(), QLatin1String(captions[n]));
    }
    // Game 1 being undefined leaves the panels and game menus disabled and nothing loaded.
    EXPECT_FALSE(f.Frame5->isEnabled());
    EXPECT_FALSE(f.Frame3->isEnabled());
    for (const char *name : GameMenus)
        EXPECT_FALSE(menu(name)->isEnabled()) << name;
    EXPECT_EQ(GameName, QString());

    // Selecting a defined game brings the panels and menus back.
    option(5)->click();
    EXPECT_EQ(GameNumber, 5);
    EXPECT_EQ(GameName, QStringLiteral("Fiver"));
    EXPECT_TRUE(f.Frame5->isEnabled());
    EXPECT_TRUE(f.Frame3->isEnabled());
    for (const char *name : { "mnuWheels", "mnuStand", "mnuFilter", "mnuImport", "mnuOpt" })
        EXPECT_TRUE(menu(name)->isEnabled()) << name;
    EXPECT_EQ(menu("mnuTicketPrinting")->isEnabled(), PrintingEnabled);
    EXPECT_EQ(f.Frame5->title(), QStringLiteral("My Enties for Fiver"));
}

TEST_F(StartupTest, TheTwoTestsOfAnUndefinedGame)
{
    writeThreeGames(folder);
    GameDefinition poolOne = dailyGame();
    poolOne.setName(QStringLiteral("PoolOne"));
    poolOne.mainPool = 1;
    writeGame(folder, 4, poolOne);
    GameDefinition drawnZero = dailyGame();
    drawnZero.setName(QStringLiteral("DrawnZero"));
    drawnZero.mainDrawn = 0;
    writeGame(folder, 5, drawnZero);
    Form1 &f = start();

    // Main pool 1: undefined at start-up, but selection loads it.
    EXPECT_FALSE(option(4)->isEnabled());
    EXPECT_EQ(option(4)->text(), QStringLiteral("Game4"));
    f.Option4_Click();
    EXPECT_EQ(GameName, QStringLiteral("PoolOne"));
    EXPECT_TRUE(f.Frame5->isEnabled());

    // Main drawn 0: a named button at start-up, undefined when selected; the current game stays.
    f.Option1_Click();
    ASSERT_EQ(GameName, QStringLiteral("Lotto"));
    EXPECT_TRUE(option(5)->isEnabled());
    EXPECT_EQ(option(5)->text(), QStringLiteral("DrawnZero"));
    const QString entryFile = EntryFile;
    option(5)->click();
    EXPECT_FALSE(option(5)->isEnabled());
    EXPECT_FALSE(f.Frame5->isEnabled());
    EXPECT_FALSE(f.Frame3->isEnabled());
    for (const char *name : GameMenus)
        EXPECT_FALSE(menu(name)->isEnabled()) << name;
    EXPECT_EQ(GameName, QStringLiteral("Lotto"));
    EXPECT_EQ(MainDrawn, 6);
    EXPECT_EQ(EntryFile, entryFile);
    EXPECT_EQ(f.Frame5->title(), QStringLiteral("My Enties for Lotto"));
}

TEST_F(StartupTest, AnUnreadableLocaleEndsTheProgramWithAMessage)
{
    platform::SetLocaleUnreadableForTesting(true);
    auto form = std::make_unique<Form1>();
    EXPECT_FALSE(form->Form_Load());
    platform::SetLocaleUnreadableForTesting(false);
    EXPECT_EQ(shown(), QStringList { QStringLiteral("Cannot establish the date system used on your PC - sorry!") });
    EXPECT_TRUE(platform::ProgramEnded());
    // Nothing else of the start-up ran.
    EXPECT_FALSE(folder.exists(QStringLiteral("game1.dat")));
}

TEST_F(StartupTest, TheLocalesMonthNamesNameTheEntryFiles)
{
    platform::SetMonthNamesForTesting(QStringList { QStringLiteral("janv."), QString::fromUtf8("févr."),
        QStringLiteral("mars"), QStringLiteral("avril"), QStringLiteral("mai"), QStringLiteral("juin"),
        QStringLiteral("juil."), QString::fromUtf8("août"), QStringLiteral("sept."), QStringLiteral("oct."),
        QStringLiteral("nov."), QString::fromUtf8("déc.") });
    writeThreeGames(folder);
    writeNumbersFile(folder.file(QString::fromUtf8("Lotto05FÉVR2006.lot")), { entryRecord({ 1, 2, 3, 4, 5, 6 }) });
    Form1 &f = start();
    EXPECT_EQ(MonthName(2), QString::fromUtf8("FÉVR"));
    EXPECT_EQ(MonthName(0), QString());
    EXPECT_EQ(MonthName(13), QString());
    f.DTPicker2->setValue(QDate(2006, 2, 5));
    EXPECT_EQ(EntryFile, folder.file(QString::fromUtf8("Lotto05FÉVR2006.lot")));
    EXPECT_EQ(f.Text2->text(), QStringLiteral("1"));
}

TEST_F(StartupTest, ClosingTheWindowDeletesAnEmptyEntryFileAndEndsTheProgram)
{
    writeThreeGames(folder);
    Form1 &f = start();
    f.DTPicker2->setValue(QDate(2006, 3, 9));
    const QString empty = EntryFile;
    ASSERT_TRUE(QFile::exists(empty));
    EXPECT_FALSE(platform::ProgramEnded());
    f.close();
    EXPECT_TRUE(platform::ProgramEnded());
    EXPECT_FALSE(QFile::exists(empty));
}

TEST_F(StartupTest, BothExitItemsEndTheProgramAndKeepAFileWithEntries)
{
    writeThreeGames(folder);
    writeLottoEntries(folder);
    Form1 &f = start();
    f.DTPicker2->setValue(QDate(2006, 3, 9));
    menu("mnuExit")->trigger();
    EXPECT_TRUE(platform::ProgramEnded());
    EXPECT_TRUE(folder.exists(QStringLiteral("Lotto09MAR2006.lot")));

    platform::ResetProgramEnded();
    f.DTPicker2->setValue(QDate(2006, 3, 8));
    const QString empty = EntryFile;
    ASSERT_TRUE(QFile::exists(empty));
    menu("mnuExitMenu")->trigger();
    EXPECT_TRUE(platform::ProgramEnded());
    EXPECT_FALSE(QFile::exists(empty));
}

// ---------------------------------------------------------------------------------------------
// Damaged input at start-up

TEST_F(StartupTest, GameFilesOfTheWrongLengthAreReportedAndUsed)
{
    writeThreeGames(folder);
    folder.writeBytes(QStringLiteral("game2.dat"), dailyGame().toBytes() + QByteArray(10, 'x'));
    folder.writeBytes(QStringLiteral("game3.dat"), superGame().toBytes().left(14));
    Form1 &f = start();
    const QStringList messages = programMessages();
    ASSERT_EQ(messages.size(), 2) << messages.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(messages[0].contains(QStringLiteral("game2.dat")));
    EXPECT_TRUE(messages[0].contains(QStringLiteral("98")));
    EXPECT_TRUE(messages[1].contains(QStringLiteral("game3.dat")));
    // What the long file holds is a whole game; the short one lacks its pool: undefined.
    EXPECT_EQ(option(2)->text(), QStringLiteral("Daily"));
    EXPECT_TRUE(option(2)->isEnabled());
    EXPECT_FALSE(option(3)->isEnabled());
    option(2)->click();
    EXPECT_EQ(GameName, QStringLiteral("Daily"));
    EXPECT_TRUE(f.Frame5->isEnabled());
}

TEST_F(StartupTest, AnApplicationFolderThatCannotBeWrittenIsReported)
{
    folder.writeBytes(QStringLiteral("notafolder"), "x");
    const QString unusable = folder.file(QStringLiteral("notafolder"));
    platform::SetProgramFolderForTesting(unusable);
    Form1 &f = start();
    const QStringList messages = programMessages();
    ASSERT_EQ(messages.size(), 1) << messages.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(messages[0].contains(QStringLiteral("cannot be written")));
    EXPECT_TRUE(messages[0].contains(unusable));
    for (int n = 1; n <= 6; ++n)
        EXPECT_FALSE(option(n)->isEnabled());
    EXPECT_FALSE(f.Frame5->isEnabled());
}

TEST_F(StartupTest, AFolderWithGamesButNoRightToCreateFilesStillStarts)
{
    writeThreeGames(folder);
    // The games can be read through their own paths, yet no other file can be made: the folder
    // path is given through a file name the system refuses to create under.
    Form1 &f = start();
    const QString elsewhere = folder.file(QStringLiteral("game1.dat")) + QStringLiteral("/sub");
    AppFolder = elsewhere;
    f.DTPicker2->setValue(QDate(2006, 3, 9));
    f.DTPicker1->setValue(QDate(2006, 3, 9));
    const QStringList messages = programMessages();
    ASSERT_EQ(messages.size(), 2) << messages.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(messages[0].contains(QStringLiteral("Lotto09MAR2006.lot")));
    EXPECT_TRUE(messages[1].contains(QStringLiteral("Lotto.rtl")));
    EXPECT_EQ(f.List1->count(), 0);
    EXPECT_EQ(f.Text2->text(), QStringLiteral("0"));
    EXPECT_FALSE(f.drawShown());
}
