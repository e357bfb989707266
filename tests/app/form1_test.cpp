#include "app/form1.h"
#include "platform/clock.h"
#include "platform/datepicker.h"
#include "platform/events.h"
#include "platform/localemonths.h"
#include "platform/messages.h"
#include "platform/sound.h"
#include "support/mainwindowfixture.h"

#include <QtWidgets>

using namespace vx;
using namespace vx::test;

namespace {
NumbersRecord entry(int k) // entry k: six numbers from 6k + 1 on, extra k + 1
{
    return entryRecord({6 * k + 1, 6 * k + 2, 6 * k + 3, 6 * k + 4, 6 * k + 5, 6 * k + 6}, k + 1);
}

// Messages other than the printer lookup's, which depends on the machine.
QStringList messages()
{
    return testMode().messages.shown().filter(QRegularExpression("^(?!.*no printer drivers)"));
}

class Form1Test : public MainWindowTest
{
protected:
    // "Lotto": 6 of 49, one extra of its own 10, tag "PB", with five entries for 5 November 2025;
    // "Daily": 5 of 39, no extra.
    Form1 &startWithEntries()
    {
        writeGame(folder, 1, makeGame("Lotto", 6, 1, 49, 0, 10, 1, "PB"));
        writeGame(folder, 2, makeGame("Daily", 5, 0, 39, 2, 0, 0));
        writeNumbersFile(folder.file("Lotto05NOV2025.lot"), {entry(0), entry(1), entry(2), entry(3), entry(4)});
        findIn<platform::DatePicker>(start(), "DTPicker2")->setValue(QDate(2025, 11, 5));
        return form();
    }
    // Selects lines of the entry list, then clicks the button or triggers the item; Yes to a question.
    void act(QObject *control, std::initializer_list<int> rows = {}, bool yes = false)
    {
        for (int row : rows)
            findIn<QListWidget>(form(), "List1")->item(row)->setSelected(true);
        if (yes)
            testMode().messages.answer(true);
        if (control)
            QMetaObject::invokeMethod(control, qobject_cast<QAction *>(control) ? "trigger" : "click");
    }
    // The dated file by raw bytes: its length, record 1's Count, and the entry each record holds.
    QString datedFile() const
    {
        const QByteArray bytes = folder.bytes("Lotto05NOV2025.lot");
        QString text = QString("%1 bytes, %2:").arg(bytes.size()).arg(rawInt32(bytes, 0));
        for (int n = 1; n <= bytes.size() / 30; ++n)
            text += ' ' + QString::number(rawRecord(bytes, n).main[0] / 6);
        return text;
    }
    // The captions of the game buttons and Configure Game items, which buttons are usable, and
    // whether the panels and the game menus are (ticket printing also needs a printer).
    void expectGames(const QStringList &captions, const QList<int> &enabled, bool panels)
    {
        Form1 &f = form();
        f.setEnabled(false); // as while a tool window is open: nothing may come back on after it
        f.setEnabled(true);
        for (int n = 1; n <= 6; ++n)
            EXPECT_EQ(QStringList({findIn<QRadioButton>(f, QStringLiteral("Option%1").arg(n))->text(),
                          findIn<QAction>(f, QStringLiteral("mnuName%1").arg(n))->text(),
                          findIn<QRadioButton>(f, QStringLiteral("Option%1").arg(n))->isEnabled() ? "on" : ""}),
                QStringList({captions[n - 1], captions[n - 1], enabled.contains(n) ? "on" : ""}));
        EXPECT_EQ(QList<bool>({findIn<QGroupBox>(f, "Frame5")->isEnabled(), findIn<QGroupBox>(f, "Frame3")->isEnabled(),
                      findIn<QMenu>(f, "mnuWheels")->menuAction()->isEnabled(),
                      findIn<QMenu>(f, "mnuStand")->menuAction()->isEnabled(),
                      findIn<QMenu>(f, "mnuOpt")->menuAction()->isEnabled(),
                      findIn<QAction>(f, "mnuFilter")->isEnabled(), findIn<QAction>(f, "mnuImport")->isEnabled(),
                      findIn<QMenu>(f, "mnuTicketPrinting")->menuAction()->isEnabled()
                          || (!f.startup().PrintingEnabled && panels)}),
            QList<bool>(8, panels));
    }
};
} // namespace

// Game files: a folder (1), a link to itself (2), main pool 1 (3: undefined at start-up only), too
// long (4: used), too short (5), no main balls (6: undefined when selected).
TEST_F(Form1Test, StartUpReportsTheLocaleAndEachUnreadableOrDamagedGameFileAndLeavesUndefinedGamesOff)
{
    testMode().locale.setUnreadable(true);
    EXPECT_FALSE(Form1().Form_Load() || folder.exists("game1.dat") || !testMode().program.ended());
    testMode().locale.setUnreadable(false);
    EXPECT_EQ(messages(), QStringList {"Cannot establish the date system used on your PC - sorry!"});

    const QByteArray fiver = makeGame("Fiver", 5, 1, 40, 0, 12, 1).toBytes();
    ASSERT_TRUE(QDir(folder.path()).mkdir("game1.dat"));
    ASSERT_TRUE(QFile::link(folder.file("game2.dat"), folder.file("game2.dat")));
    writeGame(folder, 3, makeGame("PoolOne", 5, 0, 1, 2, 0, 0));
    folder.writeBytes("game4.dat", fiver + QByteArray(10, 'x'));
    folder.writeBytes("game5.dat", fiver.left(14));
    writeGame(folder, 6, makeGame("DrawnZero", 0, 0, 39, 2, 0, 0));
    testMode().messages.clear();
    Form1 &f = start();
    EXPECT_EQ(messages().replaceInStrings(QRegularExpression("(?<=opened: ).+|(?<=it is )(\\d+) .*"), "\\1"),
        (QStringList {"The file game1.dat could not be opened: ", "The file game2.dat could not be opened: ",
            "The game file game4.dat is damaged: it is 98", "The game file game5.dat is damaged: it is 14"}));
    const QStringList captions {"Game1", "Game2", "Game3", "Fiver", "Game5", "DrawnZero"};
    expectGames(captions, {4, 6}, false);
    f.Option3_Click();
    expectGames(captions, {4, 6}, true);
    const QString entryFile = f.files().EntryFile;
    findIn<QRadioButton>(f, "Option6")->click(); // the button goes off, and the current game stays
    expectGames(captions, {4}, false);
    EXPECT_EQ(f.game().GameName + f.files().EntryFile, "PoolOne" + entryFile);

    testMode().program.setFolder(folder.file("game4.dat"));
    testMode().messages.clear();
    start();
    EXPECT_EQ(messages(),
        QStringList {"The application folder " + folder.file("game4.dat")
            + " cannot be written, so the game files (game1.dat, game2.dat, game3.dat, game4.dat, game5.dat, "
              "game6.dat) could not be created. Games cannot be defined or saved until the folder can be written."});
}

// Start-up lists today's entries, shows today's draw and checks them. Of two draws of a date the
// first counts. Damaged counts are reported each time and the files stay as they are.
TEST_F(Form1Test, TheDatesShowTheirDrawAndEntriesAndDamagedCountsAreReportedWithoutRewriting)
{
    const QDate d = platform::CurrentDate();
    writeNumbersFile(folder.file("Lotto.rtl"),
        {drawRecord(2006, 3, 10, {10, 11, 12, 13, 14, 15}, {8}), drawRecord(2006, 3, 10, {20, 21, 22, 23, 24, 25}, {9}),
            drawRecord(2006, 3, 12, {75, 2, 3, 4, 5, 6}, {99}), drawRecord(d.year(), d.month(), d.day(), {7, 8})});
    const QByteArray history = folder.bytes("Lotto.rtl").replace(0, 4, QByteArray::fromHex("64000000"));
    folder.writeBytes("Lotto.rtl", history); // says 100 records, holds 4
    const QString today = "Lotto" + QLocale::c().toString(d, "ddMMMyyyy").toUpper() + ".lot";
    writeNumbersFile(folder.file(today), {entry(0), entry(1)});
    const QByteArray entries = folder.bytes(today).replace(0, 1, "\x09"); // says 9, holds 2
    folder.writeBytes(today, entries);
    Form1 &f = startWithEntries();
    const QString damaged = "The file Lotto.rtl is damaged: it says it holds 100 records, but 4 can be read. Only "
                            "those 4 records are used.";
    const QString damagedEntries = "The file " + today
        + " is damaged: it says it holds 9 records, but 2 can be read. Only those 2 records are used.";
    EXPECT_EQ(messages(), (QStringList {damagedEntries, damaged, "No wins this time!"}));
    EXPECT_EQ(f.windowTitle() + f.startup().HelpFile, "Vexmora NX" + folder.path() + "/Calvenor.chm");
    EXPECT_TRUE(folder.exists("game6.dat") && folder.bytes("game6.dat").isEmpty()); // created empty
    expectGames({"Lotto", "Daily", "Game3", "Game4", "Game5", "Game6"}, {1, 2}, true);
    findIn<platform::DatePicker>(f, "DTPicker1")->setValue(QDate(2006, 3, 10));
    EXPECT_EQ(f.files().DrawnBalls, (std::array<int16_t, 10> {0, 10, 11, 12, 13, 14, 15, 0, 8, 0}));
    findIn<platform::DatePicker>(f, "DTPicker1")->setValue(QDate(2006, 3, 11));
    EXPECT_EQ(std::ranges::count_if(findSeries<QLabel>(f, QStringLiteral("Image2(%1)")), &QWidget::isVisible), 0);
    // Numbers outside 1 to 60 show a grey ball, the same in either colour.
    findIn<platform::DatePicker>(f, "DTPicker1")->setValue(QDate(2006, 3, 12));
    EXPECT_EQ(std::ranges::count_if(findSeries<QLabel>(f, QStringLiteral("Image2(%1)")), &QWidget::isVisible), 7);
    EXPECT_EQ(findIn<QLabel>(f, "Image2(0)")->pixmap().toImage(), f.ImageList2.picture(75).toImage());
    EXPECT_EQ(findIn<QLabel>(f, "Image2(6)")->pixmap().toImage(), f.ImageList1.picture(99).toImage());
    findIn<platform::DatePicker>(f, "DTPicker2")->setValue(d);
    EXPECT_EQ(
        lines(findIn<QListWidget>(f, "List1")), (QStringList {"01 02 03 04 05 06 PB 01 ", "07 08 09 10 11 12 PB 02 "}));
    EXPECT_EQ(findIn<QLineEdit>(f, "Text2")->text(), "2");
    EXPECT_EQ(messages().mid(3), (QStringList {damaged, damaged, damaged, damagedEntries}));
    EXPECT_EQ(folder.bytes("Lotto.rtl") + folder.bytes(today), history + entries);
}

// The check selects exactly the winners, which Delete then takes out of the file.
TEST_F(Form1Test, TheCheckSelectsTheWinnersAndDeleteMovesLaterRecordsDown)
{
    Form1 &f = startWithEntries();
    writeNumbersFile(folder.file("Lotto.rtl"), {drawRecord(2025, 10, 1, {1, 2, 3, 4, 5, 6}, {1})});
    findIn<platform::DatePicker>(f, "DTPicker1")->setValue(QDate(2025, 10, 1));
    act(findIn<QPushButton>(f, "Command14")); // all of entry 0: the sound plays
    EXPECT_EQ(lines(findIn<QListWidget>(f, "List2")), QStringList {"01 02 03 04 05 06 PB 01(6+PB)"});
    act(nullptr, {1, 4}); // the check's selection replaces the user's
    writeNumbersFile(folder.file("Lotto.rtl"), {drawRecord(2025, 10, 2, {1, 2, 3, 13, 14, 15}, {9})});
    findIn<platform::DatePicker>(f, "DTPicker1")->setValue(QDate(2025, 10, 2));
    act(findIn<QPushButton>(f, "Command14"));
    EXPECT_EQ(lines(findIn<QListWidget>(f, "List2")),
        (QStringList {"01 02 03 04 05 06 PB 01(3)", "13 14 15 16 17 18 PB 03(3)"}));
    EXPECT_EQ(findIn<QLineEdit>(f, "Text3")->text(), " 2");
    EXPECT_EQ(selectedRows(findIn<QListWidget>(f, "List1")), (QList<int> {0, 2}));
    EXPECT_EQ(testMode().sound.played(), QStringList {folder.file("tada.wav")});
    act(findIn<QPushButton>(f, "Command5"), {}, true);
    EXPECT_EQ(testMode().messages.last(), "Are you sure you want to delete the 2 selected entries?");
    EXPECT_EQ(datedFile(), "150 bytes, 3: 1 3 4 4 4"); // the copies past the count stay
    EXPECT_EQ(lines(findIn<QListWidget>(f, "List1")).join('|'),
        "07 08 09 10 11 12 PB 02 |19 20 21 22 23 24 PB 04 |25 26 27 28 29 30 PB 05 ");
    EXPECT_EQ(findIn<QLineEdit>(f, "Text2")->text() + findIn<QLineEdit>(f, "Text3")->text()
            + QString::number(findIn<QListWidget>(f, "List2")->count()),
        "300");
    act(findIn<QPushButton>(f, "Command5"), {1}, true);
    EXPECT_EQ(testMode().messages.last(), "Are you sure you want to delete the selected entry?");
    EXPECT_EQ(datedFile(), "150 bytes, 2: 1 4 4 4 4");
    act(findIn<QPushButton>(f, "Command5"), {0, 1}, true);
    EXPECT_EQ(testMode().messages.last(), "Done");
    EXPECT_EQ(datedFile(), "150 bytes, 0: 4 4 4 4 4");
    findIn<platform::DatePicker>(f, "DTPicker2")->setValue(QDate(2025, 11, 6));
    EXPECT_FALSE(folder.exists("Lotto05NOV2025.lot"));
}

// Each refusal, or No, leaves the files as they were. A wheel item is named after its wheel (mnu653:
// pick 6, match 5, guarantee 3); its wheel type counts from 1 within its pick size in menu order.
TEST_F(Form1Test, RefusalsAndQuestionsOfTheEntryPanelTheStandingEntryAndTheWheels)
{
    Form1 &f = startWithEntries();
    writeNumbersFile(folder.file("Lotto-6-5-3.lot"), {entry(0), entry(1)});
    const QByteArray dated = folder.bytes("Lotto05NOV2025.lot"), wheelFile = folder.bytes("Lotto-6-5-3.lot");
    const QString wheel = " a wheel entry can change the guarantee of the wheel. Are you sure you want to continue?";
    QAction *wheelItem = f.wheelItems()[11].action, *save = findIn<QAction>(f, "mnustandcreate"),
            *open = findIn<QAction>(f, "mnuStandOpen");
    const struct {
        QObject *shown; // what opens the entry file: the entry date (null), a wheel or the standing entry
        std::initializer_list<int> rows;
        QObject *control;
        QString message;
    } cases[] = {{nullptr, {}, findIn<QPushButton>(f, "Command5"), "You have not selected any entries for deletion."},
        {nullptr, {0, 2, 4}, findIn<QPushButton>(f, "Command5"),
            "Are you sure you want to delete the 3 selected entries?"},
        {wheelItem, {0}, findIn<QPushButton>(f, "Command5"), "Modifying" + wheel},
        {wheelItem, {}, findIn<QPushButton>(f, "Command4"), "Modifying" + wheel},
        {nullptr, {}, findIn<QPushButton>(f, "Command6"), "You have not selected an entry to edit."},
        {wheelItem, {0}, findIn<QPushButton>(f, "Command6"), "Editing" + wheel},
        {nullptr, {}, f.wheelItems()[5].action, "You have not yet created this wheel"},
        {nullptr, {}, findIn<QPushButton>(f, "Command14"), "You do not have any draw result listed to check against!"},
        {nullptr, {}, open, "You do not have a standing entry for this game!"}, {nullptr, {}, save, "Done!"},
        {nullptr, {}, save,
            "You already have a standing for this game. Only one standing entry is allowed per game. Do you want to "
            "continue and overwrite your existing file?"},
        {open, {}, save, "Done."},
        {findIn<QPushButton>(f, "Command3"), {}, findIn<QPushButton>(f, "Command5"), "There are no entries to delete"},
        {findIn<QPushButton>(f, "Command3"), {}, findIn<QPushButton>(f, "Command6"),
            "There are no entries displayed to edit."},
        {findIn<QPushButton>(f, "Command3"), {}, findIn<QPushButton>(f, "Command14"),
            "You do not have any entries listed to check!"},
        {findIn<QPushButton>(f, "Command3"), {}, save,
            "You do not have any entries displayed to save as a standing entry"}};
    for (const auto &c : cases) {
        findIn<platform::DatePicker>(f, "DTPicker2")
            ->setValue(c.shown == findIn<QPushButton>(f, "Command3") ? QDate(2025, 11, 7) : QDate(2025, 11, 5));
        act(c.shown ? c.shown : findIn<QPushButton>(f, "Command3"));
        act(c.control, c.rows);
        EXPECT_EQ(testMode().messages.last(), c.message);
    }
    EXPECT_EQ(folder.bytes("Lotto05NOV2025.lot") + folder.bytes("StandLotto.lot") + folder.bytes("Lotto-6-5-3.lot"),
        dated + dated + wheelFile);

    int types[8] = {}; // from the empty file of 7 November, which goes
    for (const Form1::WheelItem &item : f.wheelItems()) {
        const QString n = item.name, file = QString("Lotto-%1-%2-%3.lot").arg(n[3]).arg(n[4]).arg(n[5]);
        writeNumbersFile(folder.file(file), {entry(0), entry(1), entry(2)});
        act(item.action);
        EXPECT_EQ(f.files().EntryFile + findIn<QLineEdit>(f, "Text2")->text(), folder.file(file) + "3");
        EXPECT_EQ(f.files().OpenWheelType, ++types[n[3].digitValue()]) << item.name;
        QFile::remove(folder.file(file));
    }
    EXPECT_FALSE(folder.exists("Lotto07NOV2025.lot") || findIn<platform::DatePicker>(f, "DTPicker2")->isVisible());
    act(findIn<QPushButton>(f, "Command3"));
    EXPECT_TRUE(findIn<platform::DatePicker>(f, "DTPicker2")->isVisible());
    EXPECT_TRUE(f.files().OpenWheelType == 0);
}

// Two slots take turns, so that whatever a shape leaves behind shows up. Each draw holds main balls
// 1, 2, ... and extras 8, 9. Labels outside the draw panel keep apart; every caption shows whole.
TEST_F(Form1Test, EveryShapeShowsItsBallsTagsCaptionsAndNamesWholeAndApart)
{
    const QDate d = platform::CurrentDate();
    Form1 &f = startWithEntries();
    for (int main = 3, slot = 1; main <= 7; ++main)
        for (const int extras : {2, 0, 1}) {
            SCOPED_TRACE(testing::Message() << main << " main balls, " << extras << " extras");
            writeGame(folder, slot = 3 - slot, makeGame("Shape", main, extras, 60, extras ? 1 : 2, 0, 0, "EB"));
            NumbersRecord draw = drawRecord(d.year(), d.month(), d.day(), {1, 2, 3, 4, 5, 6, 7}, {8, 9});
            std::fill(draw.main.begin() + main, draw.main.end(), 0);
            std::fill(draw.extra.begin() + extras, draw.extra.end(), 0);
            writeNumbersFile(folder.file("Shape.rtl"), {draw});
            findIn<QRadioButton>(f, QStringLiteral("Option%1").arg(slot))->click();
            EXPECT_EQ(std::ranges::count_if(findSeries<QLabel>(f, QStringLiteral("Image2(%1)")), &QWidget::isVisible),
                main + extras);
            EXPECT_EQ(findIn<QLabel>(f, "Label3")->isVisible() + 2 * findIn<QLabel>(f, "Label7")->isVisible(),
                extras == 2 ? 3 : extras); // the tags
            std::vector<QRect> taken;
            for (QWidget *w : f.findChildren<QWidget *>()) {
                const QString text = w->property(qobject_cast<QGroupBox *>(w) ? "title" : "text").toString();
                if (!w->isVisible() || (text.isEmpty() && !w->objectName().startsWith("Image2")))
                    continue;
                SCOPED_TRACE(w->objectName().toStdString());
                EXPECT_LE(QFontMetrics(w->font()).horizontalAdvance(text), w->width());
                for (const QWidget *p = w; p != &f; p = p->parentWidget())
                    EXPECT_TRUE(p->parentWidget()->rect().contains(p->geometry())) << p->objectName().toStdString();
                EXPECT_TRUE(
                    (w != findIn<QLabel>(f, "Label3") && w != findIn<QLabel>(f, "Label7")) // a tag lies under the strip
                    || (w->x() >= findIn<QWidget>(f, "Picture1")->x()
                        && w->geometry().right() <= findIn<QWidget>(f, "Picture1")->geometry().right()));
                if (qobject_cast<QLabel *>(w) && w->parentWidget() != findIn<QGroupBox>(f, "Frame3")) {
                    const QRect r(w->mapTo(&f, QPoint()), w->size());
                    EXPECT_TRUE(std::ranges::none_of(taken, [&](const QRect &other) { return r.intersects(other); }));
                    taken.push_back(r);
                }
            }
            for (int i = 0; i < main + extras; ++i)
                EXPECT_EQ(findIn<QLabel>(f, QStringLiteral("Image2(%1)").arg(i))->accessibleName(),
                    i < main ? QString("Ball %1").arg(i + 1) : QString("Bonus ball %1").arg(8 + i - main));
            for (const Form1::WheelItem &item : f.wheelItems())
                EXPECT_TRUE(main == 3 || item.action->isVisible() == (item.name[3] - '0' == main)) << item.name;
            EXPECT_EQ(findIn<QMenu>(f, "mnuWheels")->menuAction()->isEnabled(), main != 3);
        }
    const std::pair<QWidget *, QString> names[] = {{findIn<QLineEdit>(f, "Text2"), "Entries"},
        {findIn<QLineEdit>(f, "Text3"), "Total Wins"}, {findIn<platform::DatePicker>(f, "DTPicker1"), "Draw Date"},
        {findIn<platform::DatePicker>(f, "DTPicker2"), "Entry date"},
        {findIn<QListWidget>(f, "List1"), "My Enties for Shape"},
        {findIn<QListWidget>(f, "List2"), "Winning Lines for Shape"}, {findIn<QLabel>(f, "Image1"), "History"},
        {findIn<QLabel>(f, "Image3"), "Stats"}};
    for (const auto &[widget, name] : names)
        EXPECT_EQ(widget->accessibleName(), name) << widget->objectName().toStdString();
}
