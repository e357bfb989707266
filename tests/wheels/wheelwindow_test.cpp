#include "entries/windowfit.h"
#include "gamedata/numbersfile.h"
#include "gamedata/wheeltypes.h"
#include "pipeinplace.h"
#include "platform/messages.h"
#include "support/mainwindowfixture.h"
#include "support/scriptedplatform.h"
#include "support/windowhelpers.h"
#include "wheels/wheeldesign.h"
#include "wheels/wheelwindow.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <bit>
#include <set>

using namespace vx;
using namespace vx::test;

namespace {
const QDate Today = ScriptedToday;

// Every combination of pick positions out of the group: a design that keeps any guarantee.
QByteArray fullDesign(int group, int pick)
{
    QByteArray text = "# every combination\n";
    for (uint32_t set = 1; set < (1u << group); ++set) {
        if (std::popcount(set) != pick)
            continue;
        QByteArrayList positions;
        for (int p = 1; p <= group; ++p)
            if (set & (1u << (p - 1)))
                positions << QByteArray::number(p);
        text += positions.join(' ') + '\n';
    }
    return text;
}

int combinations(int n, int k)
{
    long long c = 1;
    for (int i = 1; i <= k; ++i)
        c = c * (n - k + i) / i;
    return static_cast<int>(c);
}

class WheelWindowTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        QDir(folder.path()).mkpath("wheels");
    }

    // Designs of every type of a pick size for two group sizes.
    void writeDesigns(int pick)
    {
        for (const WheelType &type : wheelTypesOfPick(pick))
            for (const int group : {pick + 1, pick + 2})
                folder.writeBytes("wheels/" + wheelDesignFileName(type, group), fullDesign(group, pick));
    }

    WheelWindow *create()
    {
        findIn<QAction>(form(), "mnuWheelCreate")->trigger();
        return openWindow<WheelWindow>();
    }

    // The pick-6 window of a six-ball game with designs of every pick-6 type for groups of 7 and 8.
    WheelWindow *createSixBallWindow()
    {
        writeGame(folder, 1, makeGame("Lotto", 6, 1, 49, 0, 10, 0));
        writeDesigns(6);
        start();
        return create();
    }

    static QStringList boxes(const WheelWindow &w)
    {
        QStringList shown;
        for (QLineEdit *box : findSeries<QLineEdit>(w, QStringLiteral("Text1(%1)")))
            if (!box->isHidden())
                shown << box->text();
        return shown;
    }

    static void choose(WheelWindow &w, int typeNumber, int group)
    {
        QTest::mouseClick(findIn<QRadioButton>(w, QStringLiteral("Option1(%1)").arg(typeNumber - 1)), Qt::LeftButton);
        findIn<QComboBox>(w, "Combo1")->setCurrentText(QString::number(group));
        w.Combo1_Click();
    }
};

// What assistive technology is told the control is called.
QString spokenName(QWidget *control)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
    return face ? face->text(QAccessible::Name) : QStringLiteral("<no accessible interface>");
}

QString ballsText(std::initializer_list<int> balls)
{
    QStringList texts;
    for (const int b : balls)
        texts << QString::number(b);
    return texts.join(',');
}
} // namespace

// For each pick size: the window of that size, its types, the group suggested from the history, the
// refusals, the saved file by raw bytes, the emptying of the main window, Close, then Wheels > Open.
TEST_F(WheelWindowTest, EachPickSizeBuildsSavesAndOpensItsWheels)
{
    const struct {
        int pick;
        GameDefinition game;
        int type; // saved, and open in the main window before
        const char *name;
        QString suggested; // the first pick + 2 balls
        QString extras; // "none", "own 10" or "main 45"
    } cases[] = {
        {7, makeGame("Super", 7, 0, 56, 2, 0, 0), 2, "wheel7", "8,4,12,16,24,2,6,10,14", "none"},
        {6, makeGame("Lotto", 6, 1, 49, 0, 10, 1), 7, "wheel6", "8,4,12,16,24,2,6,10", "own 10"},
        {5, makeGame("Cash", 5, 1, 45, 1, 0, 1), 3, "Wheel5", "8,4,16,2,6,10,12", "main 45"},
        {4, makeGame("Four", 4, 1, 40, 0, 12, 0), 1, "wheel4", "8,4,16,2,6,12", "none"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        writeGame(folder, 1, c.game);
        const QString stem = c.game.nameText();
        // The multiples of 2, 4 and 8: 8 is drawn three times, then the multiples of 4 that two draws share.
        std::vector<NumbersRecord> draws;
        for (const auto &[step, date] : {std::pair {2, QDate(2025, 1, 1)}, {4, QDate(2025, 1, 8)}, {8, Today}}) {
            NumbersRecord r = drawRecord(date.year(), date.month(), date.day(), {}, {33});
            for (int i = 0; i < c.pick; ++i)
                r.main[static_cast<size_t>(i)] = static_cast<int16_t>(step * (i + 1));
            draws.push_back(r);
        }
        writeNumbersFile(folder.file(stem + ".rtl"), draws, true);
        writeDesigns(c.pick);
        const WheelType type = wheelTypesOfPick(c.pick)[static_cast<size_t>(c.type - 1)];
        const QString wheelName = stem + type.suffix();
        writeNumbersFile(folder.file(wheelName), {entryRecord({1, 2, 3, 4, 5, 6, 7})});
        Form1 &f = start();
        ASSERT_TRUE(f.drawShown());
        for (const Form1::WheelItem &item : f.wheelItems())
            if (item.pickSize == c.pick && item.wheelType == c.type)
                item.action->trigger();
        ASSERT_EQ(f.files().OpenWheelType, c.type);
        ASSERT_EQ(findIn<QListWidget>(f, "List1")->count(), 1);

        WheelWindow *w = create();
        ASSERT_TRUE(w);
        EXPECT_EQ(w->objectName(), c.name);
        EXPECT_EQ(w->windowTitle(), stem);
        expectFits(w);
        EXPECT_FALSE(f.isEnabled());
        const QList<QRadioButton *> types = findSeries<QRadioButton>(*w, QStringLiteral("Option1(%1)"));
        ASSERT_EQ(static_cast<size_t>(types.size()), wheelTypesOfPick(c.pick).size());
        for (qsizetype i = 0; i < types.size(); ++i)
            EXPECT_EQ(findIn<QRadioButton>(w, QStringLiteral("Option1(%1)").arg(i))->text(),
                wheelTypesOfPick(c.pick)[static_cast<size_t>(i)].caption());
        EXPECT_TRUE(types.first()->isChecked());
        ASSERT_EQ(findIn<QComboBox>(w, "Combo1")->count(), 2);
        EXPECT_EQ(findIn<QComboBox>(w, "Combo1")->currentText().toInt(), c.pick + 2); // the size nearest ten
        EXPECT_EQ(boxes(*w).join(','), c.suggested);
        EXPECT_EQ(findIn<QLabel>(w, "Label2")->text(),
            QString("This wheel has %1 lines (tickets).").arg(combinations(c.pick + 2, c.pick)));

        choose(*w, c.type, c.pick + 1);
        EXPECT_EQ(boxes(*w).join(','), c.suggested.section(',', 0, c.pick));
        EXPECT_EQ(findIn<QLabel>(w, "Label2")->text(),
            QString("This wheel has %1 lines (tickets).").arg(combinations(c.pick + 1, c.pick)));
        const QByteArray before = folder.bytes(wheelName);
        const int maxBall = c.game.mainPool;
        for (const auto &[box0, box1, message] : {
                 std::tuple {QString::number(maxBall + 1), QString("1"),
                     QString("Every ball of the group must be a whole number from 1 to %1.").arg(maxBall)},
                 std::tuple {QString("9"), QString("09"), QString("Ball 9 is in the group twice.")},
             }) {
            findIn<QLineEdit>(w, "Text1(0)")->setText(box0);
            findIn<QLineEdit>(w, "Text1(1)")->setText(box1);
            findIn<QPushButton>(w, "Command3")->click();
            EXPECT_EQ(testMode().messages.last(), message);
            EXPECT_EQ(folder.bytes(wheelName), before);
            EXPECT_EQ(f.files().OpenWheelType, c.type);
        }
        const std::vector<int> group = {3, 17, 9, 14, 11, 2, 8, 5}; // positions 1 to pick + 1
        for (int i = 0; i <= c.pick; ++i)
            findIn<QLineEdit>(w, QStringLiteral("Text1(%1)").arg(i))
                ->setText(QString::number(group[static_cast<size_t>(i)]));
        findIn<QPushButton>(w, "Command3")->click();
        EXPECT_EQ(testMode().messages.last(),
            QString("Your wheel of %1 lines has been saved as %2. Open it from Wheels > Open.")
                .arg(c.pick + 1)
                .arg(wheelName));
        // The main window no longer lists the wheel it showed; only the pick-4 window hides the draw.
        EXPECT_EQ(findIn<QListWidget>(f, "List1")->count(), 0);
        EXPECT_EQ(findIn<QLineEdit>(f, "Text2")->text(), "0");
        EXPECT_EQ(f.files().EntryFile, "");
        EXPECT_EQ(f.files().OpenWheelType, 0);
        EXPECT_EQ(f.drawShown(), c.pick != 4);

        // One entry per design line (every combination: the group less one ball), ascending; each
        // record's Count field holds the entry count.
        const QByteArray bytes = folder.bytes(wheelName);
        ASSERT_EQ(bytes.size(), 30 * (c.pick + 1));
        std::vector<int> sortedGroup(group.begin(), group.begin() + c.pick + 1);
        std::sort(sortedGroup.begin(), sortedGroup.end());
        std::set<std::vector<int>> lines;
        for (int n = 1; n <= c.pick + 1; ++n) {
            const NumbersRecord r = rawRecord(bytes, n);
            EXPECT_EQ(rawInt32(bytes, (n - 1) * 30), c.pick + 1);
            const std::vector<int> mains(r.main.begin(), r.main.begin() + c.pick);
            EXPECT_TRUE(std::is_sorted(mains.begin(), mains.end()));
            EXPECT_TRUE(std::includes(sortedGroup.begin(), sortedGroup.end(), mains.begin(), mains.end()));
            EXPECT_TRUE(std::all_of(r.main.begin() + c.pick, r.main.end(), [](int16_t b) { return b == 0; }));
            lines.insert(mains);
            EXPECT_EQ(r.extra[1], 0);
            if (c.extras == "none")
                EXPECT_EQ(r.extra[0], 0);
            else if (c.extras == "own 10")
                EXPECT_TRUE(r.extra[0] >= 1 && r.extra[0] <= 10) << r.extra[0];
            else
                EXPECT_TRUE(r.extra[0] >= 1 && r.extra[0] <= 45
                    && std::find(mains.begin(), mains.end(), r.extra[0]) == mains.end())
                    << r.extra[0];
        }
        EXPECT_EQ(lines.size(), static_cast<size_t>(c.pick + 1));

        // Close hands the main window back; the saved wheel opens from Wheels > Open.
        findIn<QPushButton>(w, "Command1")->click();
        flushDeletes();
        EXPECT_TRUE(f.isEnabled());
        EXPECT_FALSE(openWindow<WheelWindow>());
        for (const Form1::WheelItem &item : f.wheelItems())
            if (item.pickSize == c.pick && item.wheelType == c.type)
                item.action->trigger();
        EXPECT_EQ(f.files().EntryFile, folder.file(wheelName));
        EXPECT_EQ(findIn<QListWidget>(f, "List1")->count(), c.pick + 1);
        EXPECT_EQ(findIn<QLineEdit>(f, "Text2")->text().trimmed(), QString::number(c.pick + 1));
        TearDown();
        SetUp();
    }
}

// Two balls ever drawn: the rest of the group comes at random, each ball once; a box left empty is
// filled at random on Save. A design that is missing, damaged or fails its guarantee writes nothing;
// another type than the one the main window shows leaves the main window alone; the title bar closes.
TEST_F(WheelWindowTest, ShortGroupsArePaddedAndUnsoundDesignsWriteNothing)
{
    writeGame(folder, 1, makeGame("Lotto", 6, 1, 12, 1, 0, 0));
    writeNumbersFile(folder.file("Lotto.rtl"),
        {drawRecord(2025, 1, 1, {5, 0, 0, 0, 0, 0}), drawRecord(2025, 1, 8, {5, 11, 0, 0, 0, 0})}, true);
    writeDesigns(6);
    folder.writeBytes("wheels/6-5-3-9.whl", "1 2 3 4 5 6\n"); // misses five drawn balls among 7 to 9
    folder.writeBytes("wheels/6-5-3-10.whl", "1 2 3 4 5 6\n1 2 3 4 5 11\n");
    folder.writeBytes("wheels/6-6-5-9.whl", fullDesign(9, 6));
    folder.writeBytes("wheels/6-6-5-13.whl", fullDesign(9, 6)); // beyond the pool of 12: not offered
    Form1 &f = start();
    writeNumbersFile(folder.file("Lotto-6-6-6.lot"), {entryRecord({1, 2, 3, 4, 5, 6})});
    f.wheelItems()[5].action->trigger(); // mnu666, type 1
    ASSERT_EQ(f.files().OpenWheelType, 1);
    testMode().messages.clear();
    WheelWindow *w = create();
    ASSERT_TRUE(w);
    EXPECT_TRUE(testMode().messages.shown().isEmpty()) << testMode().messages.last().toStdString();

    QStringList group = boxes(*w);
    ASSERT_EQ(group.size(), 8);
    EXPECT_EQ(group.mid(0, 2), (QStringList {"5", "11"}));
    std::set<int> balls;
    for (const QString &b : group)
        balls.insert(b.toInt());
    EXPECT_EQ(balls.size(), 8u);
    EXPECT_GE(*balls.begin(), 1);
    EXPECT_LE(*balls.rbegin(), 12);

    choose(*w, 2, 9); // 6-6-5 at 9
    EXPECT_EQ(findIn<QComboBox>(w, "Combo1")->count(), 3); // 7, 8 and 9
    findIn<QLineEdit>(w, "Text1(3)")->clear();
    findIn<QLineEdit>(w, "Text1(7)")->clear();
    findIn<QPushButton>(w, "Command3")->click();
    group = boxes(*w);
    balls.clear();
    for (const QString &b : group)
        balls.insert(b.toInt());
    EXPECT_EQ(balls.size(), 9u);
    EXPECT_GE(*balls.begin(), 1);
    EXPECT_LE(*balls.rbegin(), 12);
    EXPECT_TRUE(folder.exists("Lotto-6-6-5.lot"));
    EXPECT_EQ(f.files().OpenWheelType, 1); // another type: the main window keeps its wheel
    EXPECT_EQ(findIn<QListWidget>(f, "List1")->count(), 1);

    const struct {
        int group;
        QString label;
        QString message;
    } refusals[] = {
        {9, "The design of this wheel cannot be used.",
            "The wheel design wheels/6-5-3-9.whl does not keep its guarantee: when the balls at places 1 2 7 8 9 of "
            "the "
            "group are drawn, no line holds 3 of them. The wheel was not saved."},
        {10, "The design of this wheel cannot be used.",
            "The wheel design wheels/6-5-3-10.whl is damaged: line 2 holds a position outside 1 to 10. The wheel was "
            "not saved."},
    };
    choose(*w, 7, 8); // 6-5-3 at 8: every combination
    EXPECT_EQ(findIn<QComboBox>(w, "Combo1")->count(), 4);
    for (const auto &r : refusals) {
        choose(*w, 7, r.group);
        EXPECT_EQ(findIn<QLabel>(w, "Label2")->text(), r.label);
        findIn<QPushButton>(w, "Command3")->click();
        EXPECT_EQ(testMode().messages.last(), r.message);
        EXPECT_FALSE(folder.exists("Lotto-6-5-3.lot"));
    }
    choose(*w, 7, 8);
    QFile::remove(folder.file("wheels/6-5-3-8.whl"));
    findIn<QPushButton>(w, "Command3")->click();
    EXPECT_EQ(testMode().messages.last(),
        "The wheel design wheels/6-5-3-8.whl is missing: there is no wheel of this type for a "
        "group of 8 balls. The wheel was not saved.");
    EXPECT_FALSE(folder.exists("Lotto-6-5-3.lot"));

    w->close(); // the title bar
    flushDeletes();
    EXPECT_TRUE(f.isEnabled());
    EXPECT_FALSE(openWindow<WheelWindow>());
}

// A screen reader reads the line count as the window shows it, after every change too.
TEST_F(WheelWindowTest, TheLineCountIsSpokenAsShown)
{
    WheelWindow *w = createSixBallWindow();
    ASSERT_TRUE(w);
    QLabel *count = findIn<QLabel>(w, "Label2");
    EXPECT_EQ(count->text(), "This wheel has 28 lines (tickets).");
    EXPECT_EQ(spokenName(count), count->text());

    choose(*w, 2, 7);
    EXPECT_EQ(count->text(), "This wheel has 7 lines (tickets).");
    EXPECT_EQ(spokenName(count), count->text());
    QFile::remove(folder.file("wheels/6-6-5-7.whl"));
    w->Combo1_Click();
    EXPECT_EQ(spokenName(count), "The design of this wheel cannot be used.");
}

// A type checked without a click (here by the Toggle action of assistive technology) is the type
// the window shows and saves: its group sizes, its line count and its design.
TEST_F(WheelWindowTest, ATypeCheckedWithoutAClickIsShownAndSaved)
{
    writeGame(folder, 1, makeGame("Lotto", 6, 1, 49, 0, 10, 0));
    for (const int group : {7, 8})
        folder.writeBytes("wheels/6-6-6-" + QString::number(group) + ".whl", fullDesign(group, 6));
    for (const int group : {10, 11})
        folder.writeBytes("wheels/6-5-3-" + QString::number(group) + ".whl", fullDesign(group, 6));
    start();
    WheelWindow *w = create();
    ASSERT_TRUE(w);
    auto *sizes = findIn<QComboBox>(w, "Combo1");
    EXPECT_EQ(sizes->count(), 2);
    EXPECT_EQ(sizes->currentText(), "8");
    EXPECT_EQ(findIn<QLabel>(w, "Label2")->text(), "This wheel has 28 lines (tickets).");

    auto *option = findIn<QRadioButton>(w, "Option1(6)"); // 6-5-3
    ASSERT_EQ(option->text(), (WheelType {6, 5, 3, 7}).caption());
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(option);
    ASSERT_TRUE(face && face->actionInterface());
    ASSERT_TRUE(face->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    const QSignalSpy clicks(option, &QRadioButton::clicked);
    face->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    ASSERT_TRUE(option->isChecked());
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_FALSE(findIn<QRadioButton>(w, "Option1(0)")->isChecked());

    ASSERT_EQ(sizes->count(), 2);
    EXPECT_EQ(sizes->itemText(0), "10");
    EXPECT_EQ(sizes->itemText(1), "11");
    EXPECT_EQ(sizes->currentText(), "10"); // the size nearest the one shown before
    EXPECT_EQ(boxes(*w).size(), 10);
    EXPECT_EQ(findIn<QLabel>(w, "Label2")->text(), "This wheel has 210 lines (tickets).");
    findIn<QPushButton>(w, "Command3")->click();
    EXPECT_EQ(testMode().messages.last(),
        "Your wheel of 210 lines has been saved as Lotto-6-5-3.lot. Open it from Wheels > Open.");
    EXPECT_EQ(folder.bytes("Lotto-6-5-3.lot").size(), 210 * 30);
    EXPECT_FALSE(folder.exists("Lotto-6-6-6.lot"));

    // Back to the first type through its handler: its sizes again.
    w->Option1_Click(0);
    EXPECT_TRUE(findIn<QRadioButton>(w, "Option1(0)")->isChecked());
    EXPECT_EQ(sizes->count(), 2);
    EXPECT_EQ(sizes->currentText(), "8");
    EXPECT_EQ(findIn<QLabel>(w, "Label2")->text(), "This wheel has 28 lines (tickets).");
}

// A design that became a named pipe after the window listed the sizes is refused at once, by
// the line count and by Save, and nothing is written.
TEST_F(WheelWindowTest, ADesignThatIsNoPlainFileIsRefusedWithoutWaiting)
{
    WheelWindow *w = createSixBallWindow();
    ASSERT_TRUE(w);
    ASSERT_EQ(findIn<QComboBox>(w, "Combo1")->currentText(), "8");
    const PipeInPlace pipe(folder.file("wheels/6-6-6-8.whl"));
    ASSERT_TRUE(pipe.made());
    w->Combo1_Click();
    EXPECT_EQ(findIn<QLabel>(w, "Label2")->text(), "The design of this wheel cannot be used.");
    findIn<QPushButton>(w, "Command3")->click();
    EXPECT_EQ(testMode().messages.last(),
        "The wheel design wheels/6-6-6-8.whl is not a plain file: only a text file can hold a wheel design. The "
        "wheel was not saved.");
    EXPECT_FALSE(folder.exists("Lotto-6-6-6.lot"));
}
