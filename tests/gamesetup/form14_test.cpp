#include "entries/windowfit.h"
#include "gamedata/entryfiles.h"
#include "gamesetup/form14.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "support/mainwindowfixture.h"
#include "support/windowhelpers.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTimer>

using namespace vx;
using namespace vx::test;
using Form14Test = MainWindowTest;

namespace {
const QString GameSaved = "Game Saved - You must exit and restart the program for the changes to take effect";

// 6 from 49 and a bonus from the main pool; elements 0 of lines and days are never touched.
GameDefinition storedGame(const QString &name = "Lotto", int mainDrawn = 6)
{
    GameDefinition g = makeGame(name, mainDrawn, 1, 49, 1, 0, 1, "BB");
    g.winLines[0] = 77;
    g.drawDays = {88, 1, 0, 3, 4, 5, 6, 7};
    return g;
}

// Types name, main drawn, bonus drawn, main pool, bonus pool, main picked and bonus picked, and saves.
void saveDefinition(Form14 &w, const QStringList &boxes, QRadioButton *source)
{
    for (int i = 0; QLineEdit * box : {findIn<QLineEdit>(w, "Text1"), findIn<QLineEdit>(w, "Text2"),
                        findIn<QLineEdit>(w, "Text3"), findIn<QLineEdit>(w, "Text4"), findIn<QLineEdit>(w, "Text6"),
                        findIn<QLineEdit>(w, "Text7"), findIn<QLineEdit>(w, "Text8")})
        box->setText(boxes[i++]);
    source->setChecked(true);
    findIn<QPushButton>(w, "Command2")->click();
}

QByteArray int16s(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int v : values)
        bytes += QByteArray(1, char(v & 0xff)) + char(v >> 8);
    return bytes;
}
} // namespace

// A new game (no main numbers drawn, although lines and days are stored) saves without the amend
// question. On a full disk every save says so and changes nothing; once there is room each save
// writes only its own fields after its checks.
TEST_F(Form14Test, ASaveOnAFullDiskSaysSoAndLeavesTheGameFileAsItWas)
{
    FakeMainWindow main;
    writeGame(folder, 1, storedGame("Lotto", 0));
    const QByteArray before = folder.bytes("game1.dat");
    Form14 w(folder.path(), "game1.dat", main);
    {
        const FailingFileWrites full(40, "game1.dat");
        for (QPushButton *save : {findIn<QPushButton>(w, "Command3"), findIn<QPushButton>(w, "Command6"),
                 findIn<QPushButton>(w, "Command7")})
            save->click();
        saveDefinition(w, {"Lotto", "6", "1", "45", "0", "6", "1"}, findIn<QRadioButton>(w, "Option2"));
    }
    EXPECT_EQ(folder.bytes("game1.dat"), before);
    ASSERT_EQ(testMode().messages.shown().size(), 4);
    for (const QString &message : testMode().messages.shown())
        EXPECT_TRUE(
            message.startsWith("The game definition could not be saved. The file game1.dat could not be written: ")
            && message.endsWith("Nothing was changed in it."))
            << message.toStdString();

    testMode().messages.clear();
    saveDefinition(w, {"Lotto 6", "5", "1", "59", "26", "5", "1"}, findIn<QRadioButton>(w, "Option1"));
    EXPECT_EQ(folder.bytes("game1.dat"), before);
    findIn<QLineEdit>(w, "Text5")->setText("X"); // refused preferences, but the rest is saved
    saveDefinition(w, {"Powerball", "5", "1", "59", "26", "5", "1"}, findIn<QRadioButton>(w, "Option11"));
    const QByteArray saved = folder.bytes("game1.dat");
    EXPECT_EQ(saved, "Powerball   " + int16s({5, 1, 59, 0, 26, 5, 1}) + before.mid(26));
    // Lines saved before and after a click on a line box, then days, then preferences.
    for (QAbstractButton *b : std::initializer_list<QAbstractButton *> {findIn<QPushButton>(w, "Command3"),
             findIn<QCheckBox>(w, "Check1(0)"), findIn<QCheckBox>(w, "Check1(14)"), findIn<QPushButton>(w, "Command3"),
             findIn<QCheckBox>(w, "Check2(0)"), findIn<QCheckBox>(w, "Check2(1)"), findIn<QPushButton>(w, "Command6")})
        b->click();
    findIn<QRadioButton>(w, "Option5")->setChecked(true);
    findIn<QLineEdit>(w, "Text5")->setText("sb");
    findIn<QLineEdit>(w, "Text9")->setText(" Superball ");
    findIn<QPushButton>(w, "Command7")->click();
    const QString restart = "You will need to close and restart the lottery program for these changes to take effect";
    EXPECT_EQ(testMode().messages.shown(),
        (QStringList {"You must only use letters in the game name - spaces not allowed!",
            "You must enter a two character identity for the extra/bonus ball on your Preferences options", GameSaved,
            "Done", restart, restart}));
    EXPECT_EQ(folder.bytes("game1.dat"),
        saved.left(26) + int16s({77, 0, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 1, 88, 0, 2, 3, 4, 5, 6, 7, 0})
            + "SBSuperball ");
}

// The window shows the stored game on pages that fit; amending it (asked Yes) deletes the game's
// files, even for a name like a resource path.
TEST_F(Form14Test, AmendingAskedYesDeletesTheGamesFilesEvenForNamesLikeResourcePaths)
{
    FakeMainWindow main;
    folder.writeBytes("game1.dat", storedGame().toBytes().left(26)); // damaged: cut after the counts
    EXPECT_EQ(findIn<QLineEdit>(Form14(folder.path(), "game1.dat", main), "Text4")->text(), "49");
    EXPECT_TRUE(
        testMode().messages.last().startsWith("The game file game1.dat is damaged: it is 26 bytes long instead of 88"));
    const QString amend = "WARNING - If you amend an existing game all results and entries for that existing game will "
                          "be deleted. If you have changed the Game Name, you will also not be able to download "
                          "results from the web for that game. Are you sure you want to save changes to this game?";
    for (const QString name : {"Lotto", ":Lotto"}) {
        SCOPED_TRACE(name.toStdString());
        GameDefinition g = storedGame(name);
        g.setBonusName("Star"); // a stored name selects Other, whatever the tag
        writeGame(folder, 1, g);
        const QStringList gone = {name + ".rtl", name + "05JAN2005.lot", name + "-6-6-6.lot", name + "Plus.lot"},
                          kept = {"Stand" + name + ".lot", name + ".dat"};
        for (const QString &file : gone + kept)
            folder.writeBytes(file, "data");
        const QByteArray before = folder.bytes("game1.dat");
        Form14 w(folder.path(), "game1.dat   ", main);
        w.show();
        EXPECT_EQ(QStringList({findIn<QLineEdit>(w, "Text1")->text(), findIn<QLineEdit>(w, "Text4")->text(),
                      findIn<QLineEdit>(w, "Text5")->text(), findIn<QLineEdit>(w, "Text9")->text()}),
            QStringList({name, "49", "BB", "Star"}));
        EXPECT_TRUE(findIn<QRadioButton>(w, "Option2")->isChecked());
        EXPECT_TRUE(findIn<QRadioButton>(w, "Option4")->isChecked());
        EXPECT_TRUE(findIn<QRadioButton>(w, "Option11")->isChecked());
        for (QAction *page : {findIn<QAction>(w, "mnuWC"), findIn<QAction>(w, "mnuDays"),
                 findIn<QAction>(w, "mnuPreferences"), findIn<QAction>(w, "mnuGD")}) {
            page->trigger();
            expectFits(&w);
        }
        // Each box is named by the words of its caption.
        for (int k : {1, 2, 3, 4, 6, 7, 8})
            EXPECT_EQ(w.findChild<QLineEdit *>(QString("Text%1").arg(k))->accessibleName() + (k == 1 ? ":" : ""),
                w.findChild<QLabel *>(QString("Label%1").arg(k))->text());
        EXPECT_EQ(
            findIn<QLineEdit>(w, "Text5")->accessibleName() + ":|" + findIn<QLineEdit>(w, "Text9")->accessibleName(),
            "Other Specify:|Other Specify name");
        testMode().messages.clear();
        testMode().messages.answers({false, true});
        saveDefinition(w, {"Lotto", "6", "1", "49", "0", "6", "1"},
            findIn<QRadioButton>(w, "Option2")); // a damaged name typed again
        EXPECT_EQ(folder.bytes("game1.dat"), before);
        saveDefinition(w, {"Lotto", "6", "1", "45", "0", "6", "1"}, findIn<QRadioButton>(w, "Option2"));
        EXPECT_EQ(testMode().messages.shown(), (QStringList {amend, "Changes not saved", amend, GameSaved}));
        for (const QString &file : gone + kept)
            EXPECT_EQ(folder.exists(file), kept.contains(file)) << file.toStdString();
        // The amended record starts empty (lines, days), the preferences written again; the line
        // boxes kept their ticks for the next save.
        EXPECT_EQ(folder.bytes("game1.dat"),
            "Lotto       " + int16s({6, 1, 45, 1, 0, 6, 1}) + QByteArray(48, 0) + int16s({1}) + "BBStar      ");
        findIn<QPushButton>(w, "Command3")->click();
        EXPECT_EQ(folder.bytes("game1.dat").mid(26, 32), int16s({0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0}));
    }
}

// Opened from the main window's File > Configure Game items, the window holds the opener until it
// closes (each Exit, the title bar) or saves; only then are both panels read again.
TEST_F(Form14Test, ConfigureGameGoesOnOnlyOnceTheWindowClosedOrSaved)
{
    writeGame(folder, 1, storedGame());
    start();
    const QDate today = platform::CurrentDate();
    const std::vector<NumbersRecord> draw = {drawRecord(today.year(), today.month(), today.day(), {1, 2, 3, 4, 5, 6})};
    const QString entries = folder.file(datedEntryFileName("Lotto", today, form().startup().MonthNames));
    const auto panels = [&](bool shown) {
        return form().drawShown() == shown && (findIn<QListWidget>(form(), "List1")->count() == 1) == shown;
    };
    static const char *const Save = "Command2";
    const std::pair<int, const char *> ways[]
        = {{1, "Command1"}, {2, "Command4"}, {3, "Command5"}, {4, "Command8"}, {5, nullptr}, {6, Save}};
    for (bool there = true; const auto &[n, way] : ways) {
        SCOPED_TRACE(n);
        QPointer<Form14> window;
        QTimer::singleShot(0, [&, n = n, way = way] {
            window = openWindow<Form14>();
            ASSERT_TRUE(window && !form().isEnabled());
            EXPECT_EQ(window->windowTitle(), (n == 1 ? QString("Lotto") : QString("Game%1").arg(n)) + " Configuration");
            // A draw and an entry of today come and go while the window is open.
            for (const QString &file : {folder.file("Lotto.rtl"), entries})
                writeNumbersFile(file, there ? draw : std::vector<NumbersRecord>());
            way == Save ? saveDefinition(
                *window, {"Keno", "7", "0", "35", "0", "7", "0"}, findIn<QRadioButton>(window, "Option3"))
                : way ? findIn<QPushButton>(window, way)->click()
                      : void(window->close());
            EXPECT_TRUE(panels(!there));
        });
        findIn<QAction>(form(), QStringLiteral("mnuName%1").arg(size_t(n)))->trigger();
        ASSERT_FALSE(window.isNull());
        EXPECT_TRUE(panels(there));
        EXPECT_TRUE(window->isVisible() == (way == Save));
        EXPECT_TRUE(form().isEnabled() != window->isVisible());
        if (window->isVisible())
            findIn<QPushButton>(window, "Command1")->click(); // a save leaves it open until its Exit
        EXPECT_TRUE(form().isEnabled());
        flushDeletes();
        there = !there;
    }
}
