#include "gamedata/rnd.h"
#include "gamedata/sharedstate.h"
#include "pickdigits/pickfile.h"
#include "pickdigits/picky34.h"
#include "platform/messages.h"
#include "support/fakemainwindow.h"
#include "support/mainwindowfixture.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace vx;
using namespace vx::test;
using platform::MessageScript::answer;
using platform::MessageScript::shown;

namespace {

class PickWindowTest : public MainWindowTest
{
protected:
    // Opens the window from the main window's menu, as the player does.
    Picky34 &open(int pickType)
    {
        if (!m_started) {
            start();
            m_started = true;
            platform::MessageScript::clear(); // the printer lookup may have spoken
        }
        QAction *item = pickType == 4 ? form().mnupick4 : form().mnupick3;
        item->trigger();
        Picky34 *window = Picky34::instance();
        EXPECT_NE(window, nullptr);
        EXPECT_EQ(window, find<Picky34>(QStringLiteral("Picky34")));
        return *window;
    }

    template <typename T> static T *child(Picky34 &window, const QString &name)
    {
        T *widget = window.findChild<T *>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    static void click(Picky34 &window, const char *button)
    {
        child<QPushButton>(window, QLatin1String(button))->click();
    }
    static void type(Picky34 &window, const QString &box, const QString &text)
    {
        QLineEdit *edit = child<QLineEdit>(window, box);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    // Types one digit a box into Text1(0) ... (a line, then Add) or Text2(0) ... (the draw).
    static void typeDigits(Picky34 &window, const char *boxes, const QString &digits)
    {
        for (int i = 0; i < digits.size(); ++i)
            type(window, QStringLiteral("%1(%2)").arg(QLatin1String(boxes)).arg(i), digits.mid(i, 1));
    }
    static void addLine(Picky34 &window, const QString &digits)
    {
        typeDigits(window, "Text1", digits);
        click(window, "Command1");
    }
    static QStringList listed(Picky34 &window, const char *list = "List1")
    {
        return lines(child<QListWidget>(window, QLatin1String(list)));
    }
    // Closes with the Close button and lets the window go.
    void closeWith(Picky34 &window)
    {
        QPointer<Picky34> guard(&window);
        click(window, "Command7");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(guard.isNull());
    }

    bool m_started = false;
};

QByteArray record(int32_t count, int16_t d1, int16_t d2, int16_t d3, int16_t d4)
{
    PickRecord r;
    r.count = count;
    r.digits = {d1, d2, d3, d4};
    return r.toBytes();
}

} // namespace

TEST_F(PickWindowTest, MenuOpensTheWindowWhileTheMainWindowWaits)
{
    Picky34 &window = open(3);
    EXPECT_EQ(form().handed().PickType, 3);
    EXPECT_FALSE(form().isEnabled());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Pick 3"));
    for (int i = 0; i < 4; ++i)
        for (const char *boxes : {"Text1", "Text2"})
            EXPECT_EQ(child<QLineEdit>(window, QStringLiteral("%1(%2)").arg(QLatin1String(boxes)).arg(i))
                          ->isVisibleTo(&window),
                i < 3)
                << boxes << i;
    QListWidget *list = child<QListWidget>(window, QStringLiteral("List1"));
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::MultiSelection);
    EXPECT_EQ(list->font().family(), QStringLiteral("Courier New"));
    // No printer in the test folder's world.
    EXPECT_FALSE(child<QPushButton>(window, QStringLiteral("Command6"))->isEnabled());

    closeWith(window);
    EXPECT_TRUE(shown().isEmpty()); // nothing changed: no question
    EXPECT_TRUE(form().isEnabled());
    EXPECT_EQ(Picky34::instance(), nullptr);
    EXPECT_FALSE(folder.exists(QStringLiteral("Pick3.lot")));

    // Printing, once a printer was chosen, needs a line.
    FakeMainWindow link;
    auto *printing = new Picky34(4, true, folder.path(), link);
    printing->setWindowTitle(QStringLiteral("Pick 4"));
    printing->show();
    Picky34 &four = *printing;
    EXPECT_EQ(four.windowTitle(), QStringLiteral("Pick 4"));
    EXPECT_TRUE(child<QLineEdit>(four, QStringLiteral("Text1(3)"))->isVisibleTo(&four));
    EXPECT_TRUE(child<QPushButton>(four, QStringLiteral("Command6"))->isEnabled());
    click(four, "Command6");
    EXPECT_EQ(platform::MessageScript::last(), QStringLiteral("There is no list to print!"));
    closeWith(four);
}

TEST_F(PickWindowTest, TypedLinesAreAddedAndBadDigitsChangeNothing)
{
    Picky34 &window = open(3);
    addLine(window, QStringLiteral("112"));
    addLine(window, QStringLiteral("090"));
    EXPECT_EQ(listed(window), (QStringList {QStringLiteral("1 1 2"), QStringLiteral("0 9 0")}));

    // An empty box is no digit either.
    for (const QString &bad : {QStringLiteral("1a2"), QStringLiteral("-12"), QStringLiteral("1 2"), QString()}) {
        platform::MessageScript::clear();
        if (bad.isEmpty())
            type(window, QStringLiteral("Text1(2)"), bad);
        addLine(window, bad.isEmpty() ? QStringLiteral("12") : bad);
        EXPECT_EQ(shown(), QStringList {QStringLiteral("Each number of your line must be a single digit from 0 to 9.")})
            << bad.toStdString();
        EXPECT_EQ(listed(window).size(), 2);
    }
    EXPECT_TRUE(window.hasUnsavedChanges());

    answer(false);
    closeWith(window);
}

TEST_F(PickWindowTest, SavedLinesComeBackAndAreWrittenByteForByte)
{
    Picky34 &window = open(4);
    addLine(window, QStringLiteral("1201"));
    addLine(window, QStringLiteral("9990"));
    click(window, "Command5");
    EXPECT_EQ(platform::MessageScript::last(), QStringLiteral("Your lines have been saved."));
    EXPECT_FALSE(window.hasUnsavedChanges());

    const QByteArray bytes = folder.bytes(QStringLiteral("Pick4.lot"));
    EXPECT_EQ(bytes, record(2, 1, 2, 0, 1) + record(0, 9, 9, 9, 0));

    platform::MessageScript::clear();
    closeWith(window);
    EXPECT_TRUE(shown().isEmpty());

    // Pick 3 keeps its own file.
    Picky34 &three = open(3);
    EXPECT_TRUE(listed(three).isEmpty());
    closeWith(three);

    Picky34 &again = open(4);
    EXPECT_EQ(listed(again), (QStringList {QStringLiteral("1 2 0 1"), QStringLiteral("9 9 9 0")}));
    EXPECT_FALSE(again.hasUnsavedChanges());
    closeWith(again);
}

TEST_F(PickWindowTest, CloseAsksExactlyWhenSomethingChanged)
{
    folder.writeBytes(QStringLiteral("Pick3.lot"), record(1, 4, 5, 6, 0));
    const QByteArray before = folder.bytes(QStringLiteral("Pick3.lot"));

    // A line added and deleted again leaves nothing to save.
    Picky34 &window = open(3);
    addLine(window, QStringLiteral("777"));
    child<QListWidget>(window, QStringLiteral("List1"))->item(1)->setSelected(true);
    answer(true);
    click(window, "Command2");
    EXPECT_EQ(listed(window), QStringList {QStringLiteral("4 5 6")});
    platform::MessageScript::clear();
    closeWith(window);
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_TRUE(form().isEnabled());

    // No: closes without writing.
    Picky34 &second = open(3);
    addLine(second, QStringLiteral("123"));
    answer(false);
    closeWith(second);
    EXPECT_EQ(
        shown(), QStringList {QStringLiteral("You have not saved your changes. Do you want to save before exiting?")});
    EXPECT_EQ(folder.bytes(QStringLiteral("Pick3.lot")), before);
    EXPECT_TRUE(form().isEnabled());

    // The title bar asks the same, and Yes saves.
    Picky34 &third = open(3);
    addLine(third, QStringLiteral("321"));
    platform::MessageScript::clear();
    answer(true);
    QPointer<Picky34> guard(&third);
    third.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guard.isNull());
    EXPECT_EQ(shown().size(), 1);
    EXPECT_TRUE(form().isEnabled());
    EXPECT_EQ(folder.bytes(QStringLiteral("Pick3.lot")), record(2, 4, 5, 6, 0) + record(0, 3, 2, 1, 0));
    EXPECT_EQ(platform::MessageScript::unansweredQuestions(), 0);
}

TEST_F(PickWindowTest, DeleteRemovesTheSelectedLinesAfterYes)
{
    Picky34 &window = open(3);
    platform::MessageScript::clear();
    click(window, "Command2");
    EXPECT_EQ(platform::MessageScript::last(), QStringLiteral("There are no lines to delete"));

    for (const char *digits : {"111", "222", "333", "444"})
        addLine(window, QLatin1String(digits));
    click(window, "Command2");
    EXPECT_EQ(platform::MessageScript::last(), QStringLiteral("You have not selected any lines for deletion."));

    QListWidget *list = child<QListWidget>(window, QStringLiteral("List1"));
    list->item(0)->setSelected(true);
    list->item(2)->setSelected(true);
    answer(false);
    click(window, "Command2");
    EXPECT_EQ(platform::MessageScript::last(), QStringLiteral("Are you sure you want to delete the 2 selected lines?"));
    EXPECT_EQ(listed(window).size(), 4);

    answer(true);
    click(window, "Command2");
    EXPECT_EQ(listed(window), (QStringList {QStringLiteral("2 2 2"), QStringLiteral("4 4 4")}));

    list->item(1)->setSelected(true);
    answer(true);
    click(window, "Command2");
    EXPECT_EQ(platform::MessageScript::last(), QStringLiteral("Are you sure you want to delete the selected line?"));
    EXPECT_EQ(listed(window), QStringList {QStringLiteral("2 2 2")});

    answer(false);
    closeWith(window);
}

TEST_F(PickWindowTest, CheckMarksStraightAndBoxWinners)
{
    Picky34 &window = open(3);
    platform::MessageScript::clear();
    typeDigits(window, "Text2", QStringLiteral("112"));
    click(window, "Command4");
    EXPECT_EQ(platform::MessageScript::last(), QStringLiteral("There are no lines to check!"));

    for (const char *digits : {"211", "122", "112", "121", "345"})
        addLine(window, QLatin1String(digits));
    click(window, "Command4");
    EXPECT_EQ(listed(window, "List2"),
        (QStringList {QStringLiteral("2 1 1 BOX"), QStringLiteral("1 1 2 STRAIGHT"), QStringLiteral("1 2 1 BOX")}));
    EXPECT_EQ(child<QLineEdit>(window, QStringLiteral("Text4"))->text(), QStringLiteral("3"));

    // Checking changes no line.
    click(window, "Command5");
    click(window, "Command4");
    EXPECT_FALSE(window.hasUnsavedChanges());
    EXPECT_EQ(listed(window, "List2").size(), 3);

    // A bad draw digit changes nothing.
    type(window, QStringLiteral("Text2(1)"), QStringLiteral("x"));
    click(window, "Command4");
    EXPECT_EQ(
        platform::MessageScript::last(), QStringLiteral("Each number of the draw must be a single digit from 0 to 9."));
    EXPECT_EQ(listed(window, "List2").size(), 3);

    // Changing the lines clears the winners, which may be gone.
    addLine(window, QStringLiteral("000"));
    EXPECT_TRUE(listed(window, "List2").isEmpty());
    EXPECT_EQ(child<QLineEdit>(window, QStringLiteral("Text4"))->text(), QStringLiteral("0"));

    answer(false);
    closeWith(window);

    Picky34 &four = open(4);
    for (const char *digits : {"1123", "3211", "1223", "1132"})
        addLine(four, QLatin1String(digits));
    typeDigits(four, "Text2", QStringLiteral("1132"));
    click(four, "Command4");
    EXPECT_EQ(listed(four, "List2"),
        (QStringList {
            QStringLiteral("1 1 2 3 BOX"), QStringLiteral("3 2 1 1 BOX"), QStringLiteral("1 1 3 2 STRAIGHT")}));
    answer(false);
    closeWith(four);
}

TEST_F(PickWindowTest, GenerateAddsRandomLinesFromAFreshSeed)
{
    Picky34 &window = open(4);
    for (const QString &bad : {QStringLiteral("0"), QStringLiteral("abc"), QStringLiteral("-3"), QString()}) {
        platform::MessageScript::clear();
        type(window, QStringLiteral("Text3"), bad);
        click(window, "Command3");
        EXPECT_EQ(platform::MessageScript::last(),
            QStringLiteral("Enter how many lines to generate: a whole number from 1 to 32767."));
        EXPECT_TRUE(listed(window).isEmpty());
    }

    // The request reseeds from the time of day, then draws every digit.
    RndTesting::setState(777);
    RndTesting::setClock([] { return 3600.5; });
    type(window, QStringLiteral("Text3"), QStringLiteral("5"));
    click(window, "Command3");
    RndTesting::setState(777);
    RandomizeFromTime();
    QStringList expected;
    for (int k = 0; k < 5; ++k)
        expected << pickLineText(randomPickLine(4), 4);
    EXPECT_EQ(listed(window), expected);
    EXPECT_TRUE(window.hasUnsavedChanges());

    // Never more than the list can hold.
    type(window, QStringLiteral("Text3"), QStringLiteral("32767"));
    click(window, "Command3");
    EXPECT_EQ(platform::MessageScript::last(),
        QStringLiteral("The list holds at most 32767 lines; there is room for 32762 more."));
    EXPECT_EQ(listed(window).size(), 5);

    answer(false);
    closeWith(window);
}

TEST_F(PickWindowTest, DamagedFileShowsItsSoundLines)
{
    folder.writeBytes(
        QStringLiteral("Pick4.lot"), record(9, 1, 2, 3, 4) + record(0, 1, 12, 3, 4) + record(0, 5, 6, 7, 8));
    const QByteArray before = folder.bytes(QStringLiteral("Pick4.lot"));
    Picky34 &window = open(4);
    EXPECT_EQ(listed(window), (QStringList {QStringLiteral("1 2 3 4"), QStringLiteral("5 6 7 8")}));
    ASSERT_EQ(shown().size(), 1);
    EXPECT_TRUE(shown().first().contains(QStringLiteral("Pick4.lot is damaged")));
    EXPECT_TRUE(shown().first().contains(QStringLiteral("1 line of Pick4.lot holds digits outside 0 to 9")));

    // Looking is not changing: the file stays as it was.
    platform::MessageScript::clear();
    closeWith(window);
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_EQ(folder.bytes(QStringLiteral("Pick4.lot")), before);
}

TEST_F(PickWindowTest, UnreadableFileIsNeverOverwritten)
{
    // A folder where the file should be cannot be read as a file.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("Pick3.lot")));
    Picky34 &window = open(3);
    ASSERT_EQ(shown().size(), 1);
    EXPECT_TRUE(shown().first().startsWith(QStringLiteral("Pick3.lot cannot be read")));

    addLine(window, QStringLiteral("123"));
    answer(true);
    click(window, "Command7");
    // The save was refused, so the window stays open with the lines.
    EXPECT_EQ(Picky34::instance(), &window);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(form().isEnabled());
    EXPECT_TRUE(platform::MessageScript::last().contains(QStringLiteral("not been saved")));

    answer(false);
    closeWith(window);
    EXPECT_TRUE(form().isEnabled());
}
