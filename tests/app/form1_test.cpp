#include "app/form1.h"
#include "platform/datepicker.h"
#include "platform/events.h"
#include "platform/localemonths.h"
#include "platform/messages.h"
#include "platform/sound.h"
#include "support/mainwindowfixture.h"

#include <QtWidgets>

using namespace vx;
using namespace vx::test;
using platform::MessageScript::answer;
using platform::MessageScript::last;

namespace {
const QString Dated = "Lotto05NOV2025.lot";

NumbersRecord entry(int k) // entry k: six numbers from 6k + 1 on, extra k + 1
{
    return entryRecord({6 * k + 1, 6 * k + 2, 6 * k + 3, 6 * k + 4, 6 * k + 5, 6 * k + 6}, k + 1);
}

// True when the widget lies wholly inside each of its parents up to the window.
bool insideWindow(const QWidget *w, const QWidget *window)
{
    for (; w != window; w = w->parentWidget())
        if (!w->parentWidget()->rect().contains(w->geometry()))
            return false;
    return true;
}

// Messages other than the printer lookup's, which depends on the machine.
QStringList messages()
{
    return platform::MessageScript::shown().filter(QRegularExpression("^(?!.*no printer drivers)"));
}

int visibleBalls(const Form1 &f)
{
    return static_cast<int>(std::count_if(f.Image2.begin(), f.Image2.end(), [](QLabel *b) { return b->isVisible(); }));
}

class Form1Test : public MainWindowTest
{
protected:
    // "Lotto": 6 of 49, one extra of its own 10, tag "PB"; "Daily": 5 of 39, no extra; "Super": 7 of
    // 50, two extras from the main pool, tag "EB". Lotto has five entries for 5 November 2025.
    Form1 &startWithEntries()
    {
        writeGame(folder, 1, makeGame("Lotto", 6, 1, 49, 0, 10, 1, "PB"));
        writeGame(folder, 2, makeGame("Daily", 5, 0, 39, 2, 0, 0));
        writeGame(folder, 3, makeGame("Super", 7, 2, 50, 1, 0, 0, "EB"));
        writeNumbersFile(folder.file(Dated), {entry(0), entry(1), entry(2), entry(3), entry(4)});
        start().DTPicker2->setValue(QDate(2025, 11, 5));
        return form();
    }
    // Selects lines of the entry list, then clicks the button or triggers the item; Yes to a question.
    void act(QObject *control, std::initializer_list<int> rows = {}, bool yes = false)
    {
        for (int row : rows)
            form().List1->item(row)->setSelected(true);
        if (yes)
            answer(true);
        if (control)
            QMetaObject::invokeMethod(control, qobject_cast<QAction *>(control) ? "trigger" : "click");
    }
    void checkAgainst(std::initializer_list<int> mains, int extra) // a draw of a new date, then Check
    {
        const QDate date(2025, 10, ++m_draws);
        writeNumbersFile(folder.file("Lotto.rtl"), {drawRecord(date.year(), date.month(), date.day(), mains, {extra})});
        form().DTPicker1->setValue(date);
        act(form().Command14);
    }
    // Raw bytes: never shortened, record 1's Count, then the entries of the given places.
    void expectDatedFile(int count, std::initializer_list<int> places)
    {
        const QByteArray bytes = folder.bytes(Dated);
        ASSERT_EQ(bytes.size(), 5 * 30);
        EXPECT_EQ(rawInt32(bytes, 0), count);
        int n = 0;
        for (int place : places)
            EXPECT_EQ(rawRecord(bytes, ++n).numbers(), entry(place).numbers()) << "record " << n;
    }
    // The captions of the game buttons and Configure Game items, which buttons are usable, and
    // whether the panels and the game menus are (ticket printing also needs a printer).
    void expectGames(const QStringList &captions, const QList<int> &enabled, bool panels)
    {
        const Form1 &f = form();
        for (int n = 1; n <= 6; ++n)
            EXPECT_EQ(QStringList({f.Option[n]->text(), f.mnuName[n]->text(), f.Option[n]->isEnabled() ? "on" : ""}),
                QStringList({captions[n - 1], captions[n - 1], enabled.contains(n) ? "on" : ""}));
        EXPECT_EQ(QList<bool>({f.Frame5->isEnabled(), f.Frame3->isEnabled(), f.mnuWheels->menuAction()->isEnabled(),
                      f.mnuStand->menuAction()->isEnabled(), f.mnuOpt->menuAction()->isEnabled(),
                      f.mnuFilter->isEnabled(), f.mnuImport->isEnabled(),
                      f.mnuTicketPrinting->menuAction()->isEnabled() || !f.startup().PrintingEnabled && panels}),
            QList<bool>(8, panels));
    }
    int m_draws = 0;
};
} // namespace

// A game is undefined at start-up with a main pool below 2, and when selected with no main balls.
TEST_F(Form1Test, UndefinedGamesAreCreatedEmptyAndKeepThePanelsOffUntilADefinedGameIsSelected)
{
    GameDefinition drawnZero = makeGame("DrawnZero", 5, 0, 39, 2, 0, 0);
    drawnZero.mainDrawn = 0;
    writeGame(folder, 4, makeGame("PoolOne", 5, 0, 1, 2, 0, 0));
    writeGame(folder, 5, makeGame("Fiver", 5, 1, 40, 0, 12, 1));
    writeGame(folder, 6, drawnZero);
    Form1 &f = start();
    const QStringList captions {"Game1", "Game2", "Game3", "Game4", "Fiver", "DrawnZero"};
    expectGames(captions, {5, 6}, false);
    EXPECT_TRUE(folder.bytes("game1.dat").isEmpty() && folder.exists("game3.dat") && messages().isEmpty());
    f.Option4_Click();
    expectGames(captions, {5, 6}, true);
    EXPECT_EQ(f.Frame5->title(), "My Enties for PoolOne");
    const QString entryFile = f.files().EntryFile;
    f.Option[6]->click(); // the button goes off, and the current game stays
    expectGames(captions, {5}, false);
    EXPECT_EQ(f.game().GameName + f.files().EntryFile, "PoolOne" + entryFile);
}

TEST_F(Form1Test, AnUnreadableLocaleEndsTheProgramBeforeAnythingElse)
{
    platform::SetLocaleUnreadableForTesting(true);
    EXPECT_FALSE(Form1().Form_Load());
    platform::SetLocaleUnreadableForTesting(false);
    EXPECT_EQ(messages(), QStringList {"Cannot establish the date system used on your PC - sorry!"});
    EXPECT_TRUE(platform::ProgramEnded() && !folder.exists("game1.dat"));
}

// A game file that is there but cannot be read is named; only game files that cannot be created
// speak of the folder. Files of the wrong length are reported, and what they hold is used.
TEST_F(Form1Test, UnreadableAndDamagedGameFilesAreReportedByName)
{
    const QByteArray daily = makeGame("Daily", 5, 0, 39, 2, 0, 0).toBytes();
    ASSERT_TRUE(QDir(folder.path()).mkdir("game1.dat"));
    ASSERT_TRUE(QFile::link(folder.file("game2.dat"), folder.file("game2.dat")));
    folder.writeBytes("game4.dat", daily + QByteArray(10, 'x'));
    folder.writeBytes("game5.dat", daily.left(14));
    start();
    const QStringList shown = messages();
    ASSERT_EQ(shown.size(), 4) << shown.join('|').toStdString();
    EXPECT_TRUE(shown[0].startsWith("The game file game1.dat cannot be opened: "));
    EXPECT_TRUE(shown[1].startsWith("The game file game2.dat cannot be opened: "));
    EXPECT_TRUE(shown[2].contains("game4.dat") && shown[2].contains("98") && shown[3].contains("game5.dat"));
    expectGames({"Game1", "Game2", "Game3", "Daily", "Game5", "Game6"}, {4}, false);

    platform::SetProgramFolderForTesting(folder.file("game4.dat"));
    platform::MessageScript::clear();
    start();
    EXPECT_EQ(messages(),
        QStringList {"The application folder " + folder.file("game4.dat")
            + " cannot be written, so the game files (game1.dat, game2.dat, game3.dat, game4.dat, game5.dat, "
              "game6.dat) could not be created. Games cannot be defined or saved until the folder can be written."});
}

// Start-up shows today's draw and entries and checks them. Two draws of one date: the first counts.
TEST_F(Form1Test, TheDatesShowTheirDrawAndEntriesAndDamagedCountsAreReportedWithoutRewriting)
{
    const QDate d = QDate::currentDate();
    writeNumbersFile(folder.file("Lotto.rtl"),
        {drawRecord(2006, 3, 10, {10, 11, 12, 13, 14, 15}, {8}), drawRecord(2006, 3, 10, {20, 21, 22, 23, 24, 25}, {9}),
            drawRecord(2006, 3, 12, {75, 2, 3, 4, 5, 6}, {99}), drawRecord(d.year(), d.month(), d.day(), {7, 8})});
    const QByteArray history = folder.bytes("Lotto.rtl").replace(0, 4, QByteArray::fromHex("64000000"));
    folder.writeBytes("Lotto.rtl", history); // says 100 records, holds 4
    NumbersRecord odd = entryRecord({7, 0, 9, 0, 0, 0, 0});
    odd.extra[1] = 4;
    writeNumbersFile(folder.file("Lotto10MAR2006.lot"), {entryRecord({1, 2, 3, 4, 5, 6}, 7), odd});
    const QByteArray entries = folder.bytes("Lotto10MAR2006.lot").replace(0, 1, "\x09"); // says 9, holds 2
    folder.writeBytes("Lotto10MAR2006.lot", entries);
    const QString today = QLocale::c().toString(d, "ddMMMyyyy").toUpper();
    folder.writeBytes("Lotto" + today + ".lot", entries);
    Form1 &f = startWithEntries();
    const QString damaged = "The file Lotto.rtl is damaged: it says it holds 100 records, but 4 can be read. Only "
                            "those 4 records are used.";
    const QString damagedEntries = "The file Lotto%1.lot is damaged: it says it holds 9 records, but 2 can be read. "
                                   "Only those 2 records are used.";
    EXPECT_EQ(messages(), (QStringList {damagedEntries.arg(today), damaged, "No wins this time!"}));
    EXPECT_EQ(f.windowTitle() + f.startup().HelpFile, "Vexmora NX" + folder.path() + "/Calvenor.chm");
    expectGames({"Lotto", "Daily", "Super", "Game4", "Game5", "Game6"}, {1, 2, 3}, true);
    EXPECT_EQ(f.Frame3->title() + '|' + f.Frame6->title(), "Draw Date for Lotto|Winning Lines for Lotto");
    platform::MessageScript::clear();
    f.List2->addItem("old");
    f.DTPicker1->setValue(QDate(2006, 3, 10));
    EXPECT_EQ(f.List2->count(), 0);
    EXPECT_EQ(f.files().DrawnBalls, (std::array<int16_t, 10> {0, 10, 11, 12, 13, 14, 15, 0, 8, 0}));
    EXPECT_EQ(f.Image2[5]->pixmap().toImage(), f.ImageList1.picture(15).toImage()); // red mains
    EXPECT_EQ(f.Image2[6]->pixmap().toImage(), f.ImageList2.picture(8).toImage()); // a white extra
    f.DTPicker1->setValue(QDate(2006, 3, 11));
    EXPECT_EQ(visibleBalls(f), 0);
    // Numbers outside 1 to 60 show a grey ball, the same in either colour.
    f.DTPicker1->setValue(QDate(2006, 3, 12));
    EXPECT_EQ(visibleBalls(f), 7);
    EXPECT_EQ(f.Image2[0]->pixmap().toImage(), f.ImageList2.picture(75).toImage());
    EXPECT_EQ(f.Image2[6]->pixmap().toImage(), f.ImageList1.picture(99).toImage());
    f.DTPicker2->setValue(QDate(2006, 3, 10));
    EXPECT_EQ(lines(f.List1), (QStringList {"01 02 03 04 05 06 PB 07 ", "07 09 PB 04"}));
    EXPECT_EQ(f.Text2->text(), "2");
    EXPECT_EQ(messages(), (QStringList {damaged, damaged, damaged, damagedEntries.arg("10MAR2006")}));
    f.DTPicker2->setValue(QDate(2006, 3, 5)); // an empty file, which goes with the next date
    EXPECT_TRUE(folder.exists("Lotto05MAR2006.lot"));
    f.DTPicker2->setValue(QDate(2006, 3, 10));
    EXPECT_FALSE(folder.exists("Lotto05MAR2006.lot"));
    EXPECT_EQ(folder.bytes("Lotto.rtl") + folder.bytes("Lotto10MAR2006.lot"), history + entries);
}
TEST_F(Form1Test, TheCheckSelectsTheWinnersAndDeleteMovesLaterRecordsDown)
{
    Form1 &f = startWithEntries();
    checkAgainst({1, 2, 3, 4, 5, 6}, 1); // all of entry 0: the sound plays
    EXPECT_EQ(lines(f.List2), QStringList {"01 02 03 04 05 06 PB 01(6+PB)"});
    checkAgainst({31, 32, 33, 34, 35, 36}, 9);
    EXPECT_EQ(last() + f.Text3->text(), "No wins this time! 0");
    act(nullptr, {1, 4}); // the check's selection replaces the user's
    checkAgainst({1, 2, 3, 13, 14, 15}, 9);
    EXPECT_EQ(lines(f.List2), (QStringList {"01 02 03 04 05 06 PB 01(3)", "13 14 15 16 17 18 PB 03(3)"}));
    EXPECT_EQ(f.Text3->text(), " 2");
    EXPECT_EQ(selectedRows(f.List1), (QList<int> {0, 2}));
    EXPECT_EQ(platform::SoundRecorder::played(), QStringList {folder.file("tada.wav")});

    act(f.Command5, {}, true);
    EXPECT_EQ(last(), "Are you sure you want to delete the 2 selected entries?");
    expectDatedFile(3, {1, 3, 4, 4, 4}); // the copies past the count stay
    EXPECT_EQ(lines(f.List1).join('|'), "07 08 09 10 11 12 PB 02 |19 20 21 22 23 24 PB 04 |25 26 27 28 29 30 PB 05 ");
    EXPECT_EQ(f.Text2->text() + f.Text3->text() + QString::number(f.List2->count()), "300");
    act(f.Command5, {1}, true);
    EXPECT_EQ(last(), "Are you sure you want to delete the selected entry?");
    expectDatedFile(2, {1, 4, 4, 4, 4});
    act(f.Command5, {0, 1}, true);
    EXPECT_EQ(last(), "Done");
    expectDatedFile(0, {});
    f.DTPicker2->setValue(QDate(2025, 11, 6));
    EXPECT_FALSE(folder.exists(Dated));
}

// In order: each refusal, or No to each question, leaves the files as they were. Wheels and the
// standing entry are known by their file names.
TEST_F(Form1Test, RefusalsAndQuestionsOfTheEntryPanelAndTheStandingEntry)
{
    Form1 &f = startWithEntries();
    writeNumbersFile(folder.file("Lotto-6-5-3.lot"), {entry(0), entry(1)});
    const QByteArray dated = folder.bytes(Dated);
    const QString wheel = " a wheel entry can change the guarantee of the wheel. Are you sure you want to continue?";
    QAction *wheelItem = f.wheelItems()[11].action, *save = f.mnustandcreate, *open = f.mnuStandOpen;
    const struct {
        QObject *shown; // what opens the entry file: the entry date (null), a wheel or the standing entry
        std::initializer_list<int> rows;
        QObject *control;
        QString message;
    } cases[] = {{nullptr, {}, f.Command5, "You have not selected any entries for deletion."},
        {nullptr, {0, 2, 4}, f.Command5, "Are you sure you want to delete the 3 selected entries?"},
        {wheelItem, {0}, f.Command5, "Modifying" + wheel}, {wheelItem, {}, f.Command4, "Modifying" + wheel},
        {nullptr, {}, f.Command6, "You have not selected an entry to edit."},
        {nullptr, {1, 2}, f.Command6,
            "You have more than one entry selected. You must only select one entry at a time for editing."},
        {wheelItem, {0}, f.Command6, "Editing" + wheel},
        {nullptr, {}, f.Command14, "You do not have any draw result listed to check against!"},
        {nullptr, {}, open, "You do not have a standing entry for this game!"}, {nullptr, {}, save, "Done!"},
        {nullptr, {}, save,
            "You already have a standing for this game. Only one standing entry is allowed per game. Do you want to "
            "continue and overwrite your existing file?"},
        {open, {}, save, "Done."}, {f.Command3, {}, f.Command5, "There are no entries to delete"},
        {f.Command3, {}, f.Command6, "There are no entries displayed to edit."},
        {f.Command3, {}, f.Command14, "You do not have any entries listed to check!"},
        {f.Command3, {}, save, "You do not have any entries displayed to save as a standing entry"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        f.DTPicker2->setValue(c.shown == f.Command3 ? QDate(2025, 11, 7) : QDate(2025, 11, 5));
        act(c.shown ? c.shown : f.Command3);
        act(c.control, c.rows);
        EXPECT_EQ(last(), c.message);
    }
    EXPECT_EQ(folder.bytes(Dated), dated);
    EXPECT_EQ(folder.bytes("StandLotto.lot"), dated);
    EXPECT_EQ(rawInt32(folder.bytes("Lotto-6-5-3.lot"), 0), 2);
}

// Items are named after their wheel (mnu653: pick 6, match 5, guarantee 3) and numbered from 1
// within their pick size in menu order: that number is the wheel type.
TEST_F(Form1Test, EveryWheelItemOpensItsOwnFileWithItsWheelType)
{
    Form1 &f = startWithEntries();
    f.DTPicker2->setValue(QDate(2025, 11, 6)); // an empty dated file, which goes
    int types[8] = {};
    for (const Form1::WheelItem &item : f.wheelItems()) {
        const QString n = item.name, file = QString("Lotto-%1-%2-%3.lot").arg(n[3]).arg(n[4]).arg(n[5]);
        act(item.action);
        EXPECT_EQ(last() + QString::number(f.files().OpenWheelType), "You have not yet created this wheel0");
        writeNumbersFile(folder.file(file), {entry(0), entry(1)});
        act(item.action);
        EXPECT_EQ(f.files().EntryFile + f.Text2->text(), folder.file(file) + "2");
        EXPECT_EQ(f.files().OpenWheelType, ++types[n[3].digitValue()]) << item.name;
        QFile::remove(folder.file(file));
    }
    EXPECT_FALSE(folder.exists("Lotto06NOV2025.lot") || f.DTPicker2->isVisible());
    act(f.Command3);
    EXPECT_TRUE(f.DTPicker2->isVisible() && f.files().OpenWheelType == 0);
}

// Two slots take turns, so that whatever the previous shape left behind shows up. The draw of each
// shape holds main balls 1, 2, ... and extras 8 and 9.
TEST_F(Form1Test, EveryShapeShowsItsBallsTagsCaptionsAndNamesWholeAndApart)
{
    const QDate d = QDate::currentDate();
    Form1 &f = startWithEntries();
    for (int main = 3, slot = 1; main <= 7; ++main)
        for (const int extras : {2, 0, 1}) {
            SCOPED_TRACE(testing::Message() << main << " main balls, " << extras << " extras");
            writeGame(folder, slot = 3 - slot, makeGame("Shape", main, extras, 60, extras ? 1 : 2, 0, 0, "EB"));
            NumbersRecord draw = drawRecord(d.year(), d.month(), d.day(), {1, 2, 3, 4, 5, 6, 7}, {8, 9});
            std::fill(draw.main.begin() + main, draw.main.end(), 0);
            std::fill(draw.extra.begin() + extras, draw.extra.end(), 0);
            writeNumbersFile(folder.file("Shape.rtl"), {draw});
            f.Option[slot]->click();
            EXPECT_EQ(visibleBalls(f), main + extras);
            EXPECT_EQ(
                QList<bool>({f.Label3->isVisible(), f.Label7->isVisible()}), QList<bool>({extras > 0, extras == 2}));
            std::vector<QRect> taken;
            for (QWidget *w : f.findChildren<QWidget *>()) {
                const auto *box = qobject_cast<QGroupBox *>(w);
                const auto *label = qobject_cast<QLabel *>(w);
                const QString text = box ? box->title() : label ? label->text() : QString();
                if (!w->isVisible() || (text.isEmpty() && !w->objectName().startsWith("Image2")))
                    continue;
                SCOPED_TRACE(w->objectName().toStdString());
                EXPECT_LE(QFontMetrics(w->font()).horizontalAdvance(text), w->width());
                EXPECT_TRUE(insideWindow(w, &f));
                if (label && w->parentWidget() != f.Frame3) { // balls, tags and labels keep apart
                    const QRect r(w->mapTo(&f, QPoint()), w->size());
                    for (const QRect &other : taken)
                        EXPECT_FALSE(r.intersects(other));
                    taken.push_back(r);
                }
            }
            for (int i = 0; i < main + extras; ++i)
                EXPECT_EQ(f.Image2[i]->accessibleName(),
                    (i < main ? "Ball " : "Bonus ball ") + QString::number(i < main ? i + 1 : 8 + i - main));
            for (const Form1::WheelItem &item : f.wheelItems())
                EXPECT_TRUE(main == 3 || item.action->isVisible() == (item.name[3] - '0' == main)) << item.name;
            EXPECT_EQ(f.mnuWheels->menuAction()->isEnabled(), main != 3);
        }
    const std::pair<QWidget *, QString> names[] = {{f.Text2, "Entries"}, {f.Text3, "Total Wins"},
        {f.DTPicker1, "Draw Date"}, {f.DTPicker2, "Entry date"}, {f.List1, "My Enties for Shape"},
        {f.List2, "Winning Lines for Shape"}, {f.Image1, "History"}, {f.Image3, "Stats"}};
    for (const auto &[widget, name] : names)
        EXPECT_EQ(widget->accessibleName(), name) << widget->objectName().toStdString();
}
