#include "gamedata/entryfiles.h"
#include "gamedata/sharedstate.h"
#include "gamesetup/form14.h"
#include "platform/messages.h"
#include "support/fakemainwindow.h"
#include "support/mainwindowfixture.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using namespace vx;
using namespace vx::test;
namespace Script = vx::platform::MessageScript;

void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

const QString GameSaved = "Game Saved - You must exit and restart the program for the changes to take effect";
const QString AmendQuestion
    = "WARNING - If you amend an existing game all results and entries for that existing game will be deleted. If you "
      "have changed the Game Name, you will also not be able to download results from the web for that game. Are you "
      "sure you want to save changes to this game?";
const QString Restart = "You will need to close and restart the lottery program for these changes to take effect";
const char *const DeletedByAmend[]
    = {"Lotto.rtl", "Lotto05JAN2005.lot", "Lotto-6-6-6.lot", "LottoPlus05JAN2005.lot", "LottoPlus-6-6-5.lot"};
const char *const KeptByAmend[] = {"StandLotto.lot", "Lotto.dat", "LottoPlus.rtl"};

// Byte ranges (offset, length) of the record fields that one Save writes.
using Ranges = std::initializer_list<std::pair<int, int>>;
constexpr std::pair<int, int> DefinitionFields {0, 26}, WinLineFields {28, 30}, DrawDayFields {60, 14},
    PreferenceFields {74, 14};

// Every byte outside the given fields is as before, and the file is still one record.
void expectOnlyChanged(const QByteArray &before, const QByteArray &after, Ranges fields)
{
    ASSERT_EQ(before.size(), 88);
    ASSERT_EQ(after.size(), 88);
    for (int i = 0; i < 88; ++i) {
        bool own = false;
        for (const auto &[offset, length] : fields)
            own = own || (i >= offset && i < offset + length);
        if (!own) {
            EXPECT_EQ(before[i], after[i]) << "byte " << i << " changed";
        }
    }
}

// The 16-bit fields (offset, value) of a record.
void expectInt16s(const QByteArray &record, Ranges fields)
{
    for (const auto &[offset, value] : fields)
        EXPECT_EQ(rawInt16(record, offset), value) << "offset " << offset;
}

void expectStartsWith(const QString &prefix)
{
    EXPECT_TRUE(Script::last().startsWith(prefix)) << Script::last().toStdString();
}

// A defined Lotto: 6 from 49 with a bonus from the main pool, red balls, "BB". Elements 0 of the
// win lines and draw days hold a value the window must never touch.
GameDefinition storedLotto()
{
    GameDefinition g = makeGame("Lotto", 6, 1, 49, 1, 0, 1, "BB");
    g.winLines[0] = 77;
    g.drawDays[0] = 88;
    g.drawDays[2] = 0; // no draw on Mondays
    return g;
}

bool canCreateFileIn(const QString &folder)
{
    QFile probe(folder + "/vxprobe");
    if (!probe.open(QIODevice::WriteOnly))
        return false;
    probe.remove();
    return true;
}

void typeDefinition(Form14 &w, const QString &name, const QString &drawn, const QString &bonus, const QString &pool,
    QRadioButton *source, const QString &bonusPool, const QString &bonusPicked)
{
    w.Text1->setText(name);
    w.Text2->setText(drawn);
    w.Text3->setText(bonus);
    w.Text4->setText(pool);
    source->setChecked(true);
    w.Text6->setText(bonusPool);
    w.Text7->setText(drawn);
    w.Text8->setText(bonusPicked);
}

class Form14Test : public MainWindowTest
{
protected:
    void TearDown() override
    {
        delete m_window.data();
        MainWindowTest::TearDown();
    }

    // The window on game n, without the main window.
    Form14 &open(int n, const QString &appFolder = QString())
    {
        m_window = new Form14(appFolder.isEmpty() ? folder.path() : appFolder, paddedGameFileName(n), m_main);
        QObject::connect(m_window, &ToolWindow::closed, [this] { ++m_closed; });
        m_window->show();
        return *m_window;
    }

    QByteArray game(int n) const { return folder.bytes(gameFileName(n)); }

    // A definition typed into a window that cannot write game1.dat is refused with a message.
    void expectDefinitionNotSaved(Form14 &w)
    {
        Script::clear();
        typeDefinition(w, "Lotto", "6", "1", "49", w.Option2, "0", "0");
        w.Command2->click();
        EXPECT_EQ(Script::shown().size(), 1);
        expectStartsWith("The game definition could not be saved: the file game1.dat");
        EXPECT_EQ(m_closed, 0);
    }

    QPointer<Form14> m_window;
    FakeMainWindow m_main;
    int m_closed = 0;
};

} // namespace

TEST_F(Form14Test, ControlsCarryTheirCaptionsAndNames)
{
    Form14 &w = open(1);
    const std::vector<std::pair<QString, QString>> captions = {{w.windowTitle(), "Definition"},
        {w.Frame1->title(), "Game Defintion"},
        {w.Frame4->title(), "Winning Cominations (Tick ONLY those that apply to this game.)"},
        {w.Frame7->title(), "Preferences Extra/Bonus Ball Two-Character Display"},
        {w.Command2->text(), "Save Game Defintion"}, {w.Command3->text(), "Save Wiinning Lines"},
        {w.Command8->text(), "Exit"}, {w.Option11->text(), "Other Specify:"},
        {find<QCheckBox>("Check1(13)")->text(), "Match Bonus Only"},
        {find<QCheckBox>("Check1(1)")->text(), "Match 6 + Bonus"}, {find<QCheckBox>("Check2(6)")->text(), "Saturday"}};
    for (const auto &[got, expected] : captions)
        EXPECT_EQ(got, expected);
    for (const char *name : {"mnuGD", "mnuWC", "mnuDays", "mnuPreferences"})
        EXPECT_NE(w.findChild<QAction *>(name), nullptr) << name;
    EXPECT_EQ(w.Text1->maxLength(), 12);
    EXPECT_EQ(w.Text4->maxLength(), 2);
    EXPECT_EQ(w.Text5->maxLength(), 2);
    EXPECT_EQ(w.Text9->maxLength(), 10);
}

TEST_F(Form14Test, NewGameOpensEmptyOnTheDefinitionPage)
{
    Form14 &w = open(3);
    EXPECT_TRUE(folder.exists("game3.dat"));
    EXPECT_FALSE(w.ExistingGame);
    EXPECT_TRUE(w.Frame1->isVisible());
    EXPECT_FALSE(w.Frame4->isVisible() || w.Frame2->isVisible() || w.Frame6->isVisible());
    EXPECT_EQ(w.Text1->text(), "");
    for (QLineEdit *box : {w.Text2, w.Text3, w.Text4, w.Text6, w.Text7, w.Text8})
        EXPECT_EQ(box->text(), "0");
    EXPECT_TRUE(w.Option1->isChecked() && w.Option5->isChecked() && w.Option7->isChecked());
    EXPECT_EQ(w.Text5->text(), "BB");
    EXPECT_EQ(w.Text9->text(), "Bonus Ball");
}

TEST_F(Form14Test, StoredGameFillsEveryPage)
{
    GameDefinition g = storedLotto();
    g.setBonusTag("PB");
    writeGame(folder, 2, g);
    Form14 &w = open(2);
    EXPECT_TRUE(w.ExistingGame);
    EXPECT_EQ(w.LoadedName, "Lotto");
    EXPECT_EQ(QStringList({w.Text1->text(), w.Text2->text(), w.Text3->text(), w.Text4->text(), w.Text8->text()}),
        QStringList({"Lotto", "6", "1", "49", "1"}));
    EXPECT_TRUE(w.Option2->isChecked() && w.Option4->isChecked() && w.Option9->isChecked());
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(w.Check1[size_t(i)]->isChecked(), i < 9) << i;
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(w.Check2[size_t(k)]->isChecked(), k != 1) << k;
    EXPECT_FALSE(w.LinesChanged);
}

TEST_F(Form14Test, StoredTagAndNameSelectTheirPreference)
{
    // A stored name selects Other whatever the tag; a game without a bonus shows the design values.
    struct Case {
        const char *tag, *name;
        int bonusPicked;
        QRadioButton *Form14::*option;
        const char *text5, *text9;
    };
    const Case cases[] = {{"EB", "", 1, &Form14::Option6, nullptr, nullptr},
        {"BB", "", 1, &Form14::Option7, nullptr, nullptr}, {"PB", "", 1, &Form14::Option9, nullptr, nullptr},
        {"MB", "", 1, &Form14::Option8, nullptr, nullptr}, {"BB", "Star", 1, &Form14::Option11, "BB", "Star"},
        {"EB", "Star", 0, &Form14::Option7, "BB", "Bonus Ball"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.tag) + "/" + c.name);
        GameDefinition g = storedLotto();
        g.bonusPicked = c.bonusPicked;
        g.setBonusTag(QString::fromLatin1(c.tag));
        if (*c.name)
            g.setBonusName(QString::fromLatin1(c.name));
        writeGame(folder, 1, g);
        Form14 &w = open(1);
        EXPECT_TRUE((w.*c.option)->isChecked());
        EXPECT_EQ(w.Option11->isChecked(), c.option == &Form14::Option11);
        if (c.text5) {
            EXPECT_EQ(w.Text5->text(), c.text5);
            EXPECT_EQ(w.Text9->text(), c.text9);
        }
        delete m_window.data();
    }
}

TEST_F(Form14Test, DamagedGameFileIsReportedAndShownAsFarAsItGoes)
{
    // A file cut short after the counts: the name and counts are there, the rest reads as zeros.
    folder.writeBytes("game1.dat", storedLotto().toBytes().left(26));
    Form14 &w = open(1);
    ASSERT_EQ(Script::shown().size(), 1);
    expectStartsWith("The game file game1.dat is damaged: it is 26 bytes long instead of 88");
    EXPECT_TRUE(w.ExistingGame);
    EXPECT_EQ(w.Text1->text(), "Lotto");
    EXPECT_EQ(w.Text4->text(), "49");
    EXPECT_FALSE(w.Check1[0]->isChecked());
}

TEST_F(Form14Test, MenuShowsOnePageAndPreferencesFollowTheTypedBonusCount)
{
    writeGame(folder, 1, storedLotto());
    Form14 &w = open(1);
    w.mnuWC->trigger();
    EXPECT_TRUE(w.Frame4->isVisible() && !w.Frame1->isVisible());
    w.mnuDays->trigger();
    EXPECT_TRUE(w.Frame2->isVisible() && !w.Frame4->isVisible());
    w.mnuPreferences->trigger();
    EXPECT_TRUE(w.Frame6->isVisible() && w.Frame7->isVisible());
    w.mnuGD->trigger();
    EXPECT_TRUE(w.Frame1->isVisible() && !w.Frame6->isVisible());

    w.Text3->setText("0"); // typed, not saved
    w.mnuPreferences->trigger();
    EXPECT_TRUE(w.Frame6->isVisible() && w.Frame5->isVisible());
    EXPECT_FALSE(w.Frame7->isVisible());
}

TEST_F(Form14Test, CheckFailureShowsItsMessageAndWritesNothing)
{
    writeGame(folder, 1, storedLotto());
    const QByteArray before = game(1);
    Form14 &w = open(1);
    w.Text1->setText("Lotto 6");
    w.Command2->click();
    w.Text1->setText("Lotto6");
    w.Text4->setText("6");
    w.Command2->click();
    EXPECT_EQ(Script::shown(),
        (QStringList {"You must only use letters in the game name - spaces not allowed!",
            "The number of Balls in Main Pool is always greater then the number of balls in draw result!"}));
    EXPECT_EQ(game(1), before);
    EXPECT_EQ(m_closed, 0);
}

TEST_F(Form14Test, NewGameSaveAsksNothingAndKeepsWinLinesAndDays)
{
    // A record with main drawn 0 is a new game, even with lines and days stored.
    GameDefinition g = storedLotto();
    g.mainDrawn = 0;
    writeGame(folder, 2, g);
    folder.writeBytes("Lotto.rtl", "keep");
    const QByteArray before = game(2);
    Form14 &w = open(2);
    ASSERT_FALSE(w.ExistingGame);
    typeDefinition(w, "Powerball", "5", "1", "59", w.Option1, "26", "1");
    w.Option5->setChecked(true);
    w.Option9->setChecked(true);
    w.Command2->click();

    EXPECT_EQ(Script::shown(), QStringList {GameSaved});
    EXPECT_GT(m_closed, 0);
    EXPECT_TRUE(folder.exists("Lotto.rtl"));
    const QByteArray after = game(2);
    expectOnlyChanged(before, after, {DefinitionFields, PreferenceFields});
    EXPECT_EQ(after.left(12), "Powerball   ");
    expectInt16s(after, {{12, 5}, {14, 1}, {16, 59}, {18, 0}, {20, 26}, {22, 5}, {24, 1}, {74, 0}});
    EXPECT_EQ(after.mid(76, 12), "PB          ");
    EXPECT_TRUE(w.isVisible()); // saving leaves the window open
}

TEST_F(Form14Test, EachSaveWritesOnlyItsOwnFields)
{
    writeGame(folder, 1, storedLotto());
    Form14 &w = open(1);
    QByteArray before = game(1);
    w.mnuWC->trigger();
    w.Check1[0]->click(); // Match 7 off
    w.Check1[8]->click(); // Match 3 off
    w.Check1[14]->click(); // Match Nothing on
    w.Command3->click();
    QByteArray after = game(1);
    expectOnlyChanged(before, after, {WinLineFields});
    for (int k = 1; k <= 15; ++k)
        EXPECT_EQ(rawInt16(after, 26 + 2 * k), ((k >= 2 && k <= 8) || k == 15) ? 1 : 0) << "line " << k;

    before = after;
    w.mnuDays->trigger();
    w.Check2[1]->click(); // Monday on
    w.Check2[0]->click(); // Sunday off
    w.Command6->click();
    after = game(1);
    expectOnlyChanged(before, after, {DrawDayFields});
    for (int d = 1; d <= 7; ++d)
        EXPECT_EQ(rawInt16(after, 58 + 2 * d), d == 1 ? 0 : d) << "day " << d;

    before = after;
    Script::clear();
    w.mnuPreferences->trigger();
    w.Option5->setChecked(true);
    w.Option11->setChecked(true);
    w.Text5->setText("sb");
    w.Text9->setText(" Superball ");
    w.Command7->click();
    EXPECT_EQ(Script::shown(), QStringList());
    after = game(1);
    expectOnlyChanged(before, after, {PreferenceFields});
    EXPECT_EQ(rawInt16(after, 74), 0);
    EXPECT_EQ(after.mid(76, 12), "SBSuperball ");
    expectInt16s(after, {{26, 77}, {58, 88}}); // elements 0 never touched

    w.Option8->setChecked(true);
    w.Command7->click();
    EXPECT_EQ(game(1).mid(76, 12), "MB          ");
}

TEST_F(Form14Test, RefusedPreferencesWriteNothingButLetTheDefinitionSave)
{
    writeGame(folder, 1, storedLotto());
    const QByteArray before = game(1);
    Form14 &w = open(1);
    w.Option5->setChecked(true); // the ball colour change is refused too
    w.Option11->setChecked(true);
    w.Text5->setText("S");
    w.Command7->click();
    w.Text5->setText("SB");
    w.Text9->setText("  ");
    w.Command7->click();
    EXPECT_EQ(Script::shown(),
        (QStringList {"You must enter a two character identity for the extra/bonus ball on your Preferences options",
            "You must enter a name for the extra/bonus ball on your Preferences option"}));
    EXPECT_EQ(game(1), before);
    delete m_window.data();

    Script::clear();
    Form14 &fresh = open(2);
    typeDefinition(fresh, "Lotto", "6", "1", "49", fresh.Option2, "0", "0");
    fresh.Option11->setChecked(true);
    fresh.Text5->setText("X");
    fresh.Command2->click();
    EXPECT_EQ(Script::shown(),
        (QStringList {"You must enter a two character identity for the extra/bonus ball on your Preferences options",
            GameSaved}));
    EXPECT_EQ(rawInt16(game(2), 16), 49);
}

TEST_F(Form14Test, WinningLineMessagesFollowClicksOnTheLineBoxes)
{
    writeGame(folder, 1, storedLotto());
    Form14 &w = open(1);
    w.Command3->click();
    w.Check2[3]->click(); // a day box is no change of the lines
    w.Command6->click();
    EXPECT_EQ(Script::shown(), (QStringList {"Done", "Done"}));
    w.Check1[5]->click();
    EXPECT_TRUE(w.LinesChanged);
    w.Command3->click();
    w.Command6->click();
    EXPECT_EQ(Script::shown().mid(2), (QStringList {Restart, Restart}));
}

class AmendTest : public Form14Test
{
protected:
    void SetUp() override
    {
        Form14Test::SetUp();
        writeGame(folder, 1, storedLotto());
        for (const char *name : DeletedByAmend)
            folder.writeBytes(name, "data");
        for (const char *name : KeptByAmend)
            folder.writeBytes(name, "data");
    }
};

TEST_F(AmendTest, YesDeletesTheGamesFilesAndStartsFromAnEmptyRecord)
{
    Form14 &w = open(1);
    Script::answer(true);
    w.Text4->setText("45");
    w.Command2->click();
    EXPECT_EQ(Script::shown(), (QStringList {AmendQuestion, GameSaved}));
    for (const char *name : DeletedByAmend)
        EXPECT_FALSE(folder.exists(name)) << name;
    for (const char *name : KeptByAmend)
        EXPECT_TRUE(folder.exists(name)) << name;

    const QByteArray after = game(1);
    ASSERT_EQ(after.size(), 88);
    EXPECT_EQ(after.left(12), "Lotto       ");
    EXPECT_EQ(rawInt16(after, 16), 45);
    EXPECT_EQ(after.mid(26, 48), QByteArray(48, '\0')); // every win line and draw day cleared
    EXPECT_EQ(rawInt16(after, 74), 1);
    EXPECT_EQ(after.mid(76, 12), "BB          ");
    EXPECT_GT(m_closed, 0);
    // The boxes keep their ticks; saving them puts them back.
    EXPECT_TRUE(w.Check1[2]->isChecked());
    w.Command3->click();
    EXPECT_EQ(rawInt16(game(1), 26 + 2 * 3), 1);

    // The question comes again on every Save, even without changes.
    folder.writeBytes("Lotto11FEB2006.lot", "data");
    Script::clear();
    Script::answer(true);
    w.Command2->click();
    EXPECT_EQ(Script::shown(), (QStringList {AmendQuestion, GameSaved}));
    EXPECT_FALSE(folder.exists("Lotto11FEB2006.lot"));
}

TEST_F(AmendTest, NoDeletesAndWritesNothing)
{
    const QByteArray before = game(1);
    Form14 &w = open(1);
    Script::answer(false);
    w.Text4->setText("45");
    w.Command2->click();
    EXPECT_EQ(Script::shown(), (QStringList {AmendQuestion, "Changes not saved"}));
    EXPECT_EQ(game(1), before);
    for (const char *name : DeletedByAmend)
        EXPECT_TRUE(folder.exists(name)) << name;
    EXPECT_EQ(m_closed, 0);
}

TEST_F(Form14Test, UnwritableGameFileIsReportedNotSaved)
{
    // A folder where the game file should be: no user, root included, can write it.
    ASSERT_TRUE(QDir(folder.path()).mkdir("game1.dat"));
    Form14 &w = open(1);
    // The empty boxes are not taken for a new game without a word.
    ASSERT_EQ(Script::shown().size(), 1);
    expectStartsWith("The game file game1.dat cannot be opened");
    EXPECT_FALSE(w.ExistingGame);
    expectDefinitionNotSaved(w);

    Script::clear();
    w.Command3->click();
    expectStartsWith("The game definition could not be saved");
    EXPECT_FALSE(Script::shown().contains("Done"));
}

TEST_F(Form14Test, ReadOnlyFolderIsReportedNotSaved)
{
    // The test folder made read-only; a user who writes there all the same (root) gets a system
    // folder in which nobody can create files.
    const auto allPermissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
    QString appFolder = folder.path();
    if (canCreateFileIn(folder.path())) {
        QFile::setPermissions(folder.path(), allPermissions);
        if (!QFileInfo(QStringLiteral("/sys")).isDir() || canCreateFileIn(QStringLiteral("/sys")))
            GTEST_SKIP() << "no folder that this user cannot write into";
        appFolder = QStringLiteral("/sys");
    }
    Form14 &w = open(1, appFolder);
    EXPECT_EQ(Script::shown().size(), 1);
    expectStartsWith("The game file game1.dat cannot be opened");
    expectDefinitionNotSaved(w);
    QFile::setPermissions(folder.path(), allPermissions);
    EXPECT_FALSE(QFileInfo::exists(appFolder + "/game1.dat"));
}

TEST_F(Form14Test, ReadOnlyFolderKeepsFilesItCannotDeleteAndSaysSo)
{
    writeGame(folder, 1, storedLotto());
    folder.writeBytes("Lotto.rtl", "data");
    const auto allPermissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
    if (canCreateFileIn(folder.path())) {
        QFile::setPermissions(folder.path(), allPermissions);
        GTEST_SKIP() << "this user can write into read-only folders";
    }
    Form14 &w = open(1);
    Script::answer(true);
    w.Command2->click();
    QFile::setPermissions(folder.path(), allPermissions);
    // The game file itself can still be written, so the definition is saved; the old results
    // could not be deleted and the player is told.
    EXPECT_EQ(Script::shown(),
        (QStringList {AmendQuestion,
            "The game was saved, but these files of its old results and entries could not be "
            "deleted: game1.dat, Lotto.rtl",
            GameSaved}));
    EXPECT_TRUE(folder.exists("Lotto.rtl"));
    EXPECT_EQ(game(1).size(), 88);
    EXPECT_EQ(rawInt16(game(1), 28), 0); // the amended record starts empty all the same
}

// ---------------------------------------------------------------------------------------------
// Opened from the main window's Configure Game menu

class ConfigureGameTest : public MainWindowTest
{
protected:
    // Runs body on the window once the opener shows it (the opener waits in its loop until the
    // window closes or saves); a window that announced nothing is closed after the body.
    void whileOpen(int n, const std::function<void(Form14 &)> &body)
    {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            ran = true;
            auto *w = find<Form14>("Form14");
            ASSERT_NE(w, nullptr);
            bool closed = false;
            const QMetaObject::Connection seen = QObject::connect(w, &ToolWindow::closed, [&closed] { closed = true; });
            if (w->isVisible())
                body(*w);
            QObject::disconnect(seen);
            if (!closed)
                w->close();
        });
        form().mnuName[size_t(n)]->trigger();
        EXPECT_TRUE(ran);
    }

    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

TEST_F(ConfigureGameTest, OpenerCaptionsTheWindowAndEveryExitOrCloseEnablesTheMainWindow)
{
    writeGame(folder, 1, storedLotto());
    start();
    // Game 1 exits by Command4, 3 by Command8, 2 by Command5, 6 by Command1, 4 by the title bar.
    const std::vector<std::pair<int, QPushButton *Form14::*>> exits = {
        {1, &Form14::Command4}, {3, &Form14::Command8}, {2, &Form14::Command5}, {6, &Form14::Command1}, {4, nullptr}};
    for (const auto &[n, exit] : exits) {
        SCOPED_TRACE(n);
        whileOpen(n, [&, n = n, exit = exit](Form14 &w) {
            EXPECT_FALSE(form().isEnabled());
            EXPECT_EQ(
                w.windowTitle(), n == 1 ? QString("Lotto Configuration") : QString("Game%1 Configuration").arg(n));
            EXPECT_EQ(form().game().GameFile, gameFileName(n) + "   ");
            if (n == 1) {
                EXPECT_EQ(w.Text1->text(), "Lotto");
            }
            if (exit)
                (w.*exit)->click();
            else
                w.close();
            EXPECT_FALSE(w.isVisible());
            EXPECT_TRUE(form().isEnabled());
        });
        flushDeletes();
        EXPECT_EQ(find<Form14>("Form14"), nullptr);
    }
}

TEST_F(ConfigureGameTest, SaveLetsTheOpenerReloadThePanelsWhileTheMainWindowStaysDisabled)
{
    writeGame(folder, 1, storedLotto());
    start();
    ASSERT_EQ(form().game().GameName, "Lotto");
    ASSERT_FALSE(form().drawShown());
    ASSERT_EQ(form().List1->count(), 0);

    // A draw and an entry for today appear while the main window shows neither.
    const QDate today = QDate::currentDate();
    writeNumbersFile(
        folder.file("Lotto.rtl"), {drawRecord(today.year(), today.month(), today.day(), {1, 2, 3, 4, 5, 6}, {7})});
    writeNumbersFile(folder.file(datedEntryFileName("Lotto", today, form().startup().MonthNames)),
        {entryRecord({1, 2, 3, 4, 5, 6})});

    QPointer<Form14> window;
    whileOpen(2, [&](Form14 &w) {
        window = &w;
        typeDefinition(w, "Keno", "7", "0", "35", w.Option3, "0", "0");
        w.Command2->click();
    });
    // The opener has returned: the panels are reloaded, the window is still open, and the main
    // window waits for its Exit.
    EXPECT_EQ(Script::last(), GameSaved);
    EXPECT_TRUE(form().drawShown());
    EXPECT_EQ(lines(form().List1), QStringList {"01 02 03 04 05 06 "});
    ASSERT_FALSE(window.isNull());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(form().isEnabled());
    EXPECT_EQ(readGameDefinition(folder.file("game2.dat")).definition.nameText(), "Keno");
    EXPECT_EQ(form().game().GameName, "Lotto"); // the current game is not reloaded

    window->Command1->click();
    EXPECT_TRUE(form().isEnabled());
    flushDeletes();
    EXPECT_TRUE(window.isNull());
}
