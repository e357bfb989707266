#include "dialogs/form14.h"
#include "gamedata/entryfiles.h"
#include "gamedata/sharedstate.h"
#include "platform/messages.h"
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

// Byte ranges of the record fields that one Save writes.
struct Range {
    int offset, length;
};
const std::vector<Range> DefinitionFields = { { 0, 26 } };
const std::vector<Range> WinLineFields = { { 28, 30 } }; // elements 1 to 15
const std::vector<Range> DrawDayFields = { { 60, 14 } }; // elements 1 to 7
const std::vector<Range> PreferenceFields = { { 74, 14 } }; // ball colour, tag, name

// Every byte outside the given fields is as before, and the file is still one record.
void expectOnlyChanged(const QByteArray &before, const QByteArray &after, const std::vector<Range> &fields)
{
    ASSERT_EQ(before.size(), 88);
    ASSERT_EQ(after.size(), 88);
    for (int i = 0; i < 88; ++i) {
        bool own = false;
        for (const Range &r : fields)
            own = own || (i >= r.offset && i < r.offset + r.length);
        if (!own) {
            EXPECT_EQ(before[i], after[i]) << "byte " << i << " changed";
        }
    }
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

class Form14Test : public MainWindowTest
{
protected:
    void TearDown() override
    {
        delete m_window.data();
        MainWindowTest::TearDown();
    }

    // The window on game n, without the main window.
    Form14 &open(int n)
    {
        GameFile = paddedGameFileName(n);
        m_window = new Form14;
        m_window->show();
        return *m_window;
    }

    QByteArray game(int n) const { return folder.bytes(gameFileName(n)); }

    QPointer<Form14> m_window;
};

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

} // namespace

TEST_F(Form14Test, ControlsCarryTheirCaptionsAndNames)
{
    Form14 &w = open(1);
    EXPECT_EQ(w.windowTitle(), "Definition");
    EXPECT_EQ(w.Frame1->title(), "Game Defintion");
    EXPECT_EQ(w.Frame4->title(), "Winning Cominations (Tick ONLY those that apply to this game.)");
    EXPECT_EQ(w.Frame2->title(), "Click on Days that Draw is made");
    EXPECT_EQ(w.Frame6->title(), "");
    EXPECT_EQ(w.Frame5->title(), "Preferences Ball Color");
    EXPECT_EQ(w.Frame7->title(), "Preferences Extra/Bonus Ball Two-Character Display");
    EXPECT_EQ(w.Command2->text(), "Save Game Defintion");
    EXPECT_EQ(w.Command3->text(), "Save Wiinning Lines");
    EXPECT_EQ(w.Command6->text(), "Save Draw Days");
    EXPECT_EQ(w.Command7->text(), "Save Preferences");
    for (QPushButton *exit : { w.Command1, w.Command4, w.Command5, w.Command8 })
        EXPECT_EQ(exit->text(), "Exit");
    EXPECT_EQ(w.Option9->text(), "PB = Powerball Ball");
    EXPECT_EQ(w.Option11->text(), "Other Specify:");
    EXPECT_EQ(find<QCheckBox>("Check1(13)")->text(), "Match Bonus Only");
    EXPECT_EQ(find<QCheckBox>("Check1(1)")->text(), "Match 6 + Bonus");
    EXPECT_EQ(find<QCheckBox>("Check2(6)")->text(), "Saturday");
    EXPECT_EQ(find<QLabel>("Label9")->text(), "=");
    for (const char *name : { "mnuGD", "mnuWC", "mnuDays", "mnuPreferences" })
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
    for (QLineEdit *box : { w.Text2, w.Text3, w.Text4, w.Text6, w.Text7, w.Text8 })
        EXPECT_EQ(box->text(), "0");
    EXPECT_TRUE(w.Option1->isChecked()); // a zero record means bonus source 0
    EXPECT_TRUE(w.Option5->isChecked());
    EXPECT_TRUE(w.Option7->isChecked());
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
    EXPECT_EQ(w.Text1->text(), "Lotto");
    EXPECT_EQ(w.Text2->text(), "6");
    EXPECT_EQ(w.Text3->text(), "1");
    EXPECT_EQ(w.Text4->text(), "49");
    EXPECT_EQ(w.Text8->text(), "1");
    EXPECT_TRUE(w.Option2->isChecked());
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(w.Check1[size_t(i)]->isChecked(), i < 9) << i;
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(w.Check2[size_t(k)]->isChecked(), k != 1) << k;
    EXPECT_TRUE(w.Option4->isChecked());
    EXPECT_TRUE(w.Option9->isChecked());
    EXPECT_FALSE(w.LinesChanged);
}

TEST_F(Form14Test, StoredBonusNameSelectsOtherWhateverTheTag)
{
    GameDefinition g = storedLotto();
    g.setBonusName("Star");
    writeGame(folder, 1, g);
    Form14 &w = open(1);
    EXPECT_TRUE(w.Option11->isChecked());
    EXPECT_EQ(w.Text5->text(), "BB");
    EXPECT_EQ(w.Text9->text(), "Star");
}

TEST_F(Form14Test, NoBonusPickedKeepsTheDesignPreferences)
{
    GameDefinition g = storedLotto();
    g.bonusPicked = 0;
    g.setBonusTag("EB");
    g.setBonusName("Star");
    writeGame(folder, 1, g);
    Form14 &w = open(1);
    EXPECT_TRUE(w.Option7->isChecked());
    EXPECT_EQ(w.Text5->text(), "BB");
    EXPECT_EQ(w.Text9->text(), "Bonus Ball");
}

TEST_F(Form14Test, StoredPresetTagSelectsItsOwnOption)
{
    const std::vector<std::pair<const char *, QRadioButton *Form14::*>> presets = { { "EB", &Form14::Option6 },
        { "BB", &Form14::Option7 }, { "PB", &Form14::Option9 }, { "MB", &Form14::Option8 } };
    for (const auto &[tag, option] : presets) {
        GameDefinition g = storedLotto();
        g.setBonusTag(QString::fromLatin1(tag));
        writeGame(folder, 1, g);
        Form14 &w = open(1);
        EXPECT_TRUE((w.*option)->isChecked()) << tag;
        EXPECT_FALSE(w.Option11->isChecked()) << tag;
        delete m_window.data();
    }
}

TEST_F(Form14Test, DamagedGameFileIsReportedAndShownAsFarAsItGoes)
{
    // A file cut short after the counts: the name and counts are there, the rest reads as zeros.
    folder.writeBytes("game1.dat", storedLotto().toBytes().left(26));
    Form14 &w = open(1);
    ASSERT_EQ(Script::shown().size(), 1);
    EXPECT_TRUE(Script::last().startsWith("The game file game1.dat is damaged: it is 26 bytes long instead of 88"))
        << Script::last().toStdString();
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
    EXPECT_TRUE(w.Frame4->isVisible());
    EXPECT_FALSE(w.Frame1->isVisible());
    w.mnuDays->trigger();
    EXPECT_TRUE(w.Frame2->isVisible());
    EXPECT_FALSE(w.Frame4->isVisible());
    w.mnuPreferences->trigger();
    EXPECT_TRUE(w.Frame6->isVisible());
    EXPECT_TRUE(w.Frame7->isVisible());
    w.mnuGD->trigger();
    EXPECT_TRUE(w.Frame1->isVisible());
    EXPECT_FALSE(w.Frame6->isVisible());

    w.Text3->setText("0"); // typed, not saved
    w.mnuPreferences->trigger();
    EXPECT_TRUE(w.Frame6->isVisible());
    EXPECT_FALSE(w.Frame7->isVisible());
    EXPECT_TRUE(w.Frame5->isVisible());
}

TEST_F(Form14Test, CheckFailureShowsItsMessageAndWritesNothing)
{
    writeGame(folder, 1, storedLotto());
    const QByteArray before = game(1);
    Form14 &w = open(1);
    w.Text1->setText("Lotto 6");
    w.Command2->click();
    EXPECT_EQ(Script::shown(), QStringList { "You must only use letters in the game name - spaces not allowed!" });
    w.Text1->setText("Lotto6");
    w.Text4->setText("6");
    Script::clear();
    w.Command2->click();
    EXPECT_EQ(Script::shown(),
        QStringList { "The number of Balls in Main Pool is always greater then the number of "
                      "balls in draw result!" });
    EXPECT_EQ(game(1), before);
    EXPECT_FALSE(ChildClosed);
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

    EXPECT_EQ(Script::shown(), QStringList { GameSaved });
    EXPECT_TRUE(ChildClosed);
    EXPECT_TRUE(folder.exists("Lotto.rtl"));
    const QByteArray after = game(2);
    expectOnlyChanged(before, after, { DefinitionFields[0], PreferenceFields[0] });
    EXPECT_EQ(after.left(12), "Powerball   ");
    EXPECT_EQ(rawInt16(after, 12), 5);
    EXPECT_EQ(rawInt16(after, 14), 1);
    EXPECT_EQ(rawInt16(after, 16), 59);
    EXPECT_EQ(rawInt16(after, 18), 0);
    EXPECT_EQ(rawInt16(after, 20), 26);
    EXPECT_EQ(rawInt16(after, 22), 5);
    EXPECT_EQ(rawInt16(after, 24), 1);
    EXPECT_EQ(rawInt16(after, 74), 0);
    EXPECT_EQ(after.mid(76, 12), "PB          ");
    EXPECT_TRUE(w.isVisible()); // saving leaves the window open
}

TEST_F(Form14Test, SaveWinningLinesWritesOnlyTheLines)
{
    writeGame(folder, 1, storedLotto());
    const QByteArray before = game(1);
    Form14 &w = open(1);
    w.mnuWC->trigger();
    w.Check1[0]->click(); // Match 7 off
    w.Check1[8]->click(); // Match 3 off
    w.Check1[14]->click(); // Match Nothing on
    w.Command3->click();
    const QByteArray after = game(1);
    expectOnlyChanged(before, after, WinLineFields);
    for (int k = 1; k <= 15; ++k) {
        const int expected = ((k >= 2 && k <= 8) || k == 15) ? 1 : 0;
        EXPECT_EQ(rawInt16(after, 26 + 2 * k), expected) << "line " << k;
    }
    EXPECT_EQ(rawInt16(after, 26), 77);
}

TEST_F(Form14Test, SaveDrawDaysWritesOnlyTheDays)
{
    writeGame(folder, 1, storedLotto());
    const QByteArray before = game(1);
    Form14 &w = open(1);
    w.mnuDays->trigger();
    w.Check2[1]->click(); // Monday on
    w.Check2[0]->click(); // Sunday off
    w.Command6->click();
    const QByteArray after = game(1);
    expectOnlyChanged(before, after, DrawDayFields);
    for (int d = 1; d <= 7; ++d)
        EXPECT_EQ(rawInt16(after, 58 + 2 * d), d == 1 ? 0 : d) << "day " << d;
    EXPECT_EQ(rawInt16(after, 58), 88);
}

TEST_F(Form14Test, SavePreferencesWritesOnlyThePreferences)
{
    writeGame(folder, 1, storedLotto());
    const QByteArray before = game(1);
    Form14 &w = open(1);
    w.mnuPreferences->trigger();
    w.Option5->setChecked(true);
    w.Option11->setChecked(true);
    w.Text5->setText("sb");
    w.Text9->setText(" Superball ");
    w.Command7->click();
    EXPECT_EQ(Script::shown(), QStringList());
    const QByteArray after = game(1);
    expectOnlyChanged(before, after, PreferenceFields);
    EXPECT_EQ(rawInt16(after, 74), 0);
    EXPECT_EQ(after.mid(76, 12), "SBSuperball ");

    w.Option8->setChecked(true);
    w.Command7->click();
    EXPECT_EQ(game(1).mid(76, 12), "MB          ");
}

TEST_F(Form14Test, PreferencesWithAOneCharacterTagWriteNothing)
{
    writeGame(folder, 1, storedLotto());
    const QByteArray before = game(1);
    Form14 &w = open(1);
    w.Option5->setChecked(true); // the ball colour change is refused too
    w.Option11->setChecked(true);
    w.Text5->setText("S");
    w.Command7->click();
    EXPECT_EQ(Script::shown(),
        QStringList { "You must enter a two character identity for the extra/bonus ball on your Preferences options" });
    EXPECT_EQ(game(1), before);

    Script::clear();
    w.Text5->setText("SB");
    w.Text9->setText("  ");
    w.Command7->click();
    EXPECT_EQ(
        Script::shown(), QStringList { "You must enter a name for the extra/bonus ball on your Preferences option" });
    EXPECT_EQ(game(1), before);
}

TEST_F(Form14Test, RefusedPreferencesStillSaveTheDefinition)
{
    Form14 &w = open(1);
    typeDefinition(w, "Lotto", "6", "1", "49", w.Option2, "0", "0");
    w.Option11->setChecked(true);
    w.Text5->setText("X");
    w.Command2->click();
    EXPECT_EQ(Script::shown(),
        (QStringList { "You must enter a two character identity for the extra/bonus ball on your Preferences "
                       "options",
            GameSaved }));
    EXPECT_EQ(rawInt16(game(1), 16), 49);
}

TEST_F(Form14Test, WinningLineMessagesFollowClicksOnTheLineBoxes)
{
    writeGame(folder, 1, storedLotto());
    Form14 &w = open(1);
    w.Command3->click();
    EXPECT_EQ(Script::last(), "Done");
    w.Check2[3]->click(); // a day box is no change of the lines
    w.Command6->click();
    EXPECT_EQ(Script::last(), "Done");
    w.Check1[5]->click();
    EXPECT_TRUE(w.LinesChanged);
    w.Command3->click();
    EXPECT_EQ(Script::last(), Restart);
    w.Command6->click();
    EXPECT_EQ(Script::last(), Restart);
}

class AmendTest : public Form14Test
{
protected:
    void SetUp() override
    {
        Form14Test::SetUp();
        writeGame(folder, 1, storedLotto());
        for (const char *name : { "Lotto.rtl", "Lotto05JAN2005.lot", "Lotto-6-6-6.lot", "LottoPlus05JAN2005.lot",
                 "LottoPlus-6-6-5.lot", "StandLotto.lot", "Lotto.dat", "LottoPlus.rtl" })
            folder.writeBytes(name, "data");
    }
};

TEST_F(AmendTest, YesDeletesTheGamesFilesAndStartsFromAnEmptyRecord)
{
    Form14 &w = open(1);
    Script::answer(true);
    w.Text4->setText("45");
    w.Command2->click();
    EXPECT_EQ(Script::shown(), (QStringList { AmendQuestion, GameSaved }));
    for (const char *name :
        { "Lotto.rtl", "Lotto05JAN2005.lot", "Lotto-6-6-6.lot", "LottoPlus05JAN2005.lot", "LottoPlus-6-6-5.lot" })
        EXPECT_FALSE(folder.exists(name)) << name;
    for (const char *name : { "StandLotto.lot", "Lotto.dat", "LottoPlus.rtl" })
        EXPECT_TRUE(folder.exists(name)) << name;

    const QByteArray after = game(1);
    ASSERT_EQ(after.size(), 88);
    EXPECT_EQ(after.left(12), "Lotto       ");
    EXPECT_EQ(rawInt16(after, 16), 45);
    for (int k = 0; k <= 15; ++k)
        EXPECT_EQ(rawInt16(after, 26 + 2 * k), 0) << "line " << k;
    for (int d = 0; d <= 7; ++d)
        EXPECT_EQ(rawInt16(after, 58 + 2 * d), 0) << "day " << d;
    EXPECT_EQ(rawInt16(after, 74), 1);
    EXPECT_EQ(after.mid(76, 12), "BB          ");
    EXPECT_TRUE(ChildClosed);
    // The boxes keep their ticks; saving them puts them back.
    EXPECT_TRUE(w.Check1[0 + 2]->isChecked());
    w.Command3->click();
    EXPECT_EQ(rawInt16(game(1), 26 + 2 * 3), 1);
}

TEST_F(AmendTest, QuestionComesEvenWithoutChangesAndOnEverySave)
{
    Form14 &w = open(1);
    Script::answers({ true, true });
    w.Command2->click();
    folder.writeBytes("Lotto11FEB2006.lot", "data");
    w.Command2->click();
    EXPECT_EQ(Script::shown(), (QStringList { AmendQuestion, GameSaved, AmendQuestion, GameSaved }));
    EXPECT_FALSE(folder.exists("Lotto11FEB2006.lot"));
}

TEST_F(AmendTest, NoDeletesAndWritesNothing)
{
    const QByteArray before = game(1);
    Form14 &w = open(1);
    Script::answer(false);
    w.Text4->setText("45");
    w.Command2->click();
    EXPECT_EQ(Script::shown(), (QStringList { AmendQuestion, "Changes not saved" }));
    EXPECT_EQ(game(1), before);
    for (const char *name : { "Lotto.rtl", "Lotto05JAN2005.lot", "Lotto-6-6-6.lot", "LottoPlus05JAN2005.lot",
             "LottoPlus-6-6-5.lot", "StandLotto.lot", "Lotto.dat" })
        EXPECT_TRUE(folder.exists(name)) << name;
    EXPECT_FALSE(ChildClosed);
}

TEST_F(Form14Test, UnwritableGameFileIsReportedNotSaved)
{
    // A folder where the game file should be: no user, root included, can write it.
    ASSERT_TRUE(QDir(folder.path()).mkdir("game1.dat"));
    Form14 &w = open(1);
    // The empty boxes are not taken for a new game without a word.
    ASSERT_EQ(Script::shown().size(), 1);
    EXPECT_TRUE(Script::last().startsWith("The game file game1.dat cannot be opened")) << Script::last().toStdString();
    EXPECT_FALSE(w.ExistingGame);
    Script::clear();
    typeDefinition(w, "Lotto", "6", "1", "49", w.Option2, "0", "0");
    w.Command2->click();
    ASSERT_EQ(Script::shown().size(), 1);
    EXPECT_TRUE(Script::last().startsWith("The game definition could not be saved: the file game1.dat"))
        << Script::last().toStdString();
    EXPECT_FALSE(Script::shown().contains(GameSaved));
    EXPECT_FALSE(ChildClosed);

    Script::clear();
    w.Command3->click();
    EXPECT_TRUE(Script::last().startsWith("The game definition could not be saved")) << Script::last().toStdString();
    EXPECT_FALSE(Script::shown().contains("Done"));
}

namespace {
bool canCreateFileIn(const QString &folder)
{
    QFile probe(folder + "/vxprobe");
    if (!probe.open(QIODevice::WriteOnly))
        return false;
    probe.remove();
    return true;
}
} // namespace

TEST_F(Form14Test, ReadOnlyFolderIsReportedNotSaved)
{
    // The test folder made read-only; a user who writes there all the same (root) gets a system
    // folder in which nobody can create files.
    const auto allPermissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
    if (canCreateFileIn(folder.path())) {
        QFile::setPermissions(folder.path(), allPermissions);
        if (!QFileInfo(QStringLiteral("/sys")).isDir() || canCreateFileIn(QStringLiteral("/sys")))
            GTEST_SKIP() << "no folder that this user cannot write into";
        AppFolder = QStringLiteral("/sys");
    }
    Form14 &w = open(1);
    EXPECT_EQ(Script::shown().size(), 1);
    EXPECT_TRUE(Script::last().startsWith("The game file game1.dat cannot be opened")) << Script::last().toStdString();
    Script::clear();
    typeDefinition(w, "Lotto", "6", "1", "49", w.Option2, "0", "0");
    w.Command2->click();
    EXPECT_EQ(Script::shown().size(), 1);
    EXPECT_TRUE(Script::last().startsWith("The game definition could not be saved: the file game1.dat"))
        << Script::last().toStdString();
    EXPECT_FALSE(Script::shown().contains(GameSaved));
    EXPECT_FALSE(ChildClosed);
    QFile::setPermissions(folder.path(), allPermissions);
    EXPECT_FALSE(QFileInfo::exists(AppFolder + "/game1.dat"));
}

TEST_F(Form14Test, ReadOnlyFolderKeepsFilesItCannotDeleteAndSaysSo)
{
    writeGame(folder, 1, storedLotto());
    folder.writeBytes("Lotto.rtl", "data");
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
    if (canCreateFileIn(folder.path())) {
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        GTEST_SKIP() << "this user can write into read-only folders";
    }
    Form14 &w = open(1);
    Script::answer(true);
    w.Command2->click();
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // The game file itself can still be written, so the definition is saved; the old results
    // could not be deleted and the player is told.
    EXPECT_EQ(Script::shown(),
        (QStringList { AmendQuestion,
            "The game was saved, but these files of its old results and entries could not be "
            "deleted: game1.dat, Lotto.rtl",
            GameSaved }));
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
    // window closes or saves); a body that leaves ChildClosed unset has the window closed after it.
    void whileOpen(int n, const std::function<void(Form14 &)> &body)
    {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            ran = true;
            auto *w = find<Form14>("Form14");
            EXPECT_NE(w, nullptr);
            if (w && w->isVisible())
                body(*w);
            if (!ChildClosed) {
                if (w)
                    w->close();
                ChildClosed = true;
            }
        });
        form().mnuName[size_t(n)]->trigger();
        EXPECT_TRUE(ran);
    }

    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

TEST_F(ConfigureGameTest, OpenerDisablesTheMainWindowAndCaptionsTheWindow)
{
    writeGame(folder, 1, storedLotto());
    start();
    whileOpen(1, [&](Form14 &w) {
        EXPECT_FALSE(form().isEnabled());
        EXPECT_EQ(w.windowTitle(), "Lotto Configuration");
        EXPECT_EQ(GameFile, "game1.dat   ");
        EXPECT_EQ(w.Text1->text(), "Lotto");
        w.Command4->click();
        EXPECT_TRUE(form().isEnabled());
        EXPECT_TRUE(ChildClosed);
    });
    flushDeletes();
    EXPECT_EQ(find<Form14>("Form14"), nullptr);

    whileOpen(3, [&](Form14 &w) {
        EXPECT_EQ(w.windowTitle(), "Game3 Configuration");
        EXPECT_EQ(GameFile, "game3.dat   ");
        w.Command8->click();
    });
    EXPECT_TRUE(form().isEnabled());

    for (const int n : { 2, 6 }) {
        whileOpen(n, [&](Form14 &w) {
            EXPECT_EQ(w.windowTitle(), QStringLiteral("Game%1 Configuration").arg(n));
            EXPECT_EQ(GameFile, gameFileName(n) + "   ");
            (n == 2 ? w.Command5 : w.Command1)->click();
            EXPECT_TRUE(ChildClosed);
        });
        EXPECT_TRUE(form().isEnabled());
    }
}

TEST_F(ConfigureGameTest, TitleBarCloseIsAnExit)
{
    writeGame(folder, 1, storedLotto());
    start();
    whileOpen(1, [&](Form14 &w) {
        EXPECT_TRUE(w.close());
        EXPECT_TRUE(ChildClosed);
        EXPECT_TRUE(form().isEnabled());
    });
    EXPECT_TRUE(form().isEnabled());
    flushDeletes();
    EXPECT_EQ(find<Form14>("Form14"), nullptr);
}

TEST_F(ConfigureGameTest, SaveLetsTheOpenerReloadThePanelsWhileTheMainWindowStaysDisabled)
{
    writeGame(folder, 1, storedLotto());
    start();
    ASSERT_EQ(GameName, "Lotto");
    ASSERT_FALSE(form().drawShown());
    ASSERT_EQ(form().List1->count(), 0);

    // A draw and an entry for today appear while the main window shows neither.
    const QDate today = QDate::currentDate();
    writeNumbersFile(folder.file("Lotto.rtl"),
        { drawRecord(today.year(), today.month(), today.day(), { 1, 2, 3, 4, 5, 6 }, { 7 }) });
    writeNumbersFile(folder.file(datedEntryFileName("Lotto", today)), { entryRecord({ 1, 2, 3, 4, 5, 6 }) });

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
    EXPECT_EQ(lines(form().List1), QStringList { "01 02 03 04 05 06 " });
    ASSERT_FALSE(window.isNull());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(form().isEnabled());
    EXPECT_EQ(readGameDefinition(folder.file("game2.dat")).definition.nameText(), "Keno");
    EXPECT_EQ(GameName, "Lotto"); // the current game is not reloaded

    window->Command1->click();
    EXPECT_TRUE(form().isEnabled());
    flushDeletes();
    EXPECT_TRUE(window.isNull());
}
