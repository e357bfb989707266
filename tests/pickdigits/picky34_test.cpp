#include "entries/windowfit.h"
#include "gamedata/rnd.h"
#include "pickdigits/pickfile.h"
#include "pickdigits/picky34.h"
#include "platform/messages.h"
#include "support/mainwindowfixture.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace vx;
using namespace vx::test;

const QString BadLine = "Each number of your line must be a single digit from 0 to 9.",
              Question = "You have not saved your changes. Do you want to save before exiting?",
              DeleteOne = "Are you sure you want to delete the selected line?";

class PickWindowTest : public MainWindowTest
{
protected:
    static QByteArray rec(int32_t count, PickLine line) { return PickRecord {count, line}.toBytes(); }
    Picky34 &open(int t, bool p = {})
    {
        auto *window = new Picky34(t, p, folder.path(), link);
        openToolWindow(&link.window, window, OpenMode::NoWait);
        return *window;
    }
    static QStringList listed(Picky34 &w, const char *l = "List1") { return lines(w.findChild<QListWidget *>(l)); }
    static void type(QLineEdit *box, const QString &text) { box->clear(), QTest::keyClicks(box, text); }
    // What the player does, a word a step: "+112" types a line (one digit a box, "_" leaves a box empty) and
    // clicks Add, "?112" types the draw and clicks Check, "#5" asks for 5 random lines, "-" clicks Delete, "S"
    // Save, "P" Print, "X" Close; "s1" selects line 1 of the list; "y" and "n" answer the next question.
    static void play(Picky34 &w, const QString &steps)
    {
        for (const QString &step : steps.split(' ', Qt::SkipEmptyParts)) {
            const qsizetype k = QStringLiteral("+?#-SPX").indexOf(step[0]);
            for (qsizetype i = 1; (k == 0 || k == 1) && i < step.size(); ++i)
                type(w.findChild<QLineEdit *>(QString("Text%1(%2)").arg(k + 1).arg(i - 1)), step.mid(i, 1).remove('_'));
            if (k == 2)
                type(w.findChild<QLineEdit *>("Text3"), step.mid(1));
            if (k >= 0)
                w.findChild<QPushButton *>(QStringLiteral("Command%1").arg("1432567"[k]))->click();
            else if (step[0] == 's')
                w.findChild<QListWidget *>("List1")->item(step.mid(1).toInt())->setSelected(true);
            else
                testMode().messages.answer(step == "y");
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    FakeMainWindow link;
};

TEST_F(PickWindowTest, WhatThePlayerDoesAndSeesAndWhatTheFileHoldsAfterClose)
{
    const QByteArray saved = rec(2, {1, 2, 0, 1}) + rec(0, {9, 9, 9, 0}), one = rec(1, {4, 5, 6, 0}),
                     damaged = rec(9, {1, 2, 3, 4}) + rec(0, {1, 12, 3, 4}) + rec(0, {5, 6, 7, 8});
    // Pick type, the file as the window opens (none when empty; "dir": a folder, which cannot be read as a
    // file), what the player does before Close, the lines and winning lines then, every message, the file after.
    const std::tuple<int, QByteArray, const char *, QStringList, QStringList, QStringList, QByteArray> rows[] = {
        {3, {}, "- ?112 +211 +122 +1a2 +-12 +12_ +112 +121 +345 - ?1x2 ?112 n",
            {"2 1 1", "1 2 2", "1 1 2", "1 2 1", "3 4 5"}, {"2 1 1 BOX", "1 1 2 STRAIGHT", "1 2 1 BOX"},
            {"There are no lines to delete", "There are no lines to check!", BadLine, BadLine, BadLine,
                "You have not selected any lines for deletion.",
                "Each number of the draw must be a single digit from 0 to 9.", Question},
            {}},
        {4, {}, "+2111 +1221 +1122 +3451 ?1122 s0 s3 n - y - s1 y - n", {"1 2 2 1"}, {}, // winners cleared
            QStringList(2, "Are you sure you want to delete the 2 selected lines?") << DeleteOne << Question, {}},
        {4, {}, "#0 #abc #32768 #", {}, {},
            QStringList(4, "Enter how many lines to generate: a whole number from 1 to 32767."), {}},
        {3, {}, "#2 #32767 n", {"7 1 0", "0 3 4"}, {}, // from a seed of the time of day, always 3600.5 here
            {"The list holds at most 32767 lines; there is room for 32765 more.", Question}, {}},
        {4, {}, "+1201 +9990 S", {"1 2 0 1", "9 9 9 0"}, {}, {"Your lines have been saved."}, saved},
        {4, saved, "?9990", {"1 2 0 1", "9 9 9 0"}, {"9 9 9 0 STRAIGHT"}, {}, saved}, // checking changes nothing
        // A line added and deleted again leaves nothing to save; No closes without writing, Yes saves.
        {3, one, "+777 s1 y -", {"4 5 6"}, {}, {DeleteOne}, one},
        {3, one, "+123 n", {"4 5 6", "1 2 3"}, {}, {Question}, one},
        {3, one, "+321 y", {"4 5 6", "3 2 1"}, {}, {Question}, rec(2, {4, 5, 6, 0}) + rec(0, {3, 2, 1, 0})},
        {4, damaged, "", {"1 2 3 4", "5 6 7 8"}, {}, // looking is not changing
            {"Pick4.lot is damaged: it claims 9 lines but holds only 3. 1 line of Pick4.lot holds digits outside 0 to "
             "9 and is not shown. 2 lines are shown; saving keeps only the lines in the list."},
            damaged},
        {4, "dir", "+1234 y X n", {"1 2 3 4"}, {}, // a failed save keeps the window open with the lines
            {"The file Pick4.lot could not be read: *", Question,
                "Pick4.lot could not be read when this window opened (*), so it is not overwritten. Your lines have "
                "not been saved.",
                Question},
            {}},
    };
    testMode().clock.setTime(QTime(1, 0, 0, 500)); // 3600.5 seconds since midnight
    for (const auto &[type, before, steps, lines, winners, shown, after] : rows) {
        SCOPED_TRACE(steps);
        const QString file = QStringLiteral("Pick%1.lot").arg(type);
        if (before == "dir" ? !QDir(folder.path()).mkdir(file) : !before.isEmpty())
            folder.writeBytes(file, before);
        RndTesting::setState(777);
        Picky34 &w = open(type);
        play(w, steps);
        EXPECT_EQ(std::tuple(listed(w), listed(w, "List2"), w.findChild<QLineEdit *>("Text4")->text()),
            std::tuple(lines, winners, QString::number(winners.size())));
        play(w, "X");
        QStringList seen = testMode().messages.shown(); // "*" stands for any text
        for (qsizetype i = 0; i < std::min(seen.size(), shown.size()); ++i)
            if (const QStringList p = shown[i].split('*');
                p.size() == 2 && seen[i].startsWith(p[0]) && seen[i].endsWith(p[1]))
                seen[i] = shown[i];
        EXPECT_EQ(std::tuple(seen, !openWindow<Picky34>(), folder.exists(file) ? folder.bytes(file) : ""),
            std::tuple(shown, true, after));
        QDir(folder.path()).rmdir(file) || QFile::remove(folder.file(file));
        testMode().messages.clear();
    }
    EXPECT_EQ(link.enabled, int(std::size(rows)));
}

TEST_F(PickWindowTest, TheMenuOpensTheWindowWhileTheMainWindowWaitsAndPrintingNeedsAPrinter)
{
    start();
    findIn<QAction>(form(), "mnupick4")->trigger();
    Picky34 &w = *openWindow<Picky34>();
    EXPECT_EQ(std::tuple(w.windowTitle(), form().isEnabled(), w.findChild<QPushButton *>("Command6")->isEnabled()),
        std::tuple(QString("Pick 4"), false, false)); // no printer in the test's world
    expectFits(&w);
    EXPECT_EQ(QStringList({findIn<QLineEdit>(w, "Text1(3)")->accessibleName(),
                  findIn<QLineEdit>(w, "Text2(0)")->accessibleName(), findIn<QListWidget>(w, "List1")->accessibleName(),
                  findIn<QLineEdit>(w, "Text4")->accessibleName()}),
        QStringList({"Line digit 4", "Draw digit 1", "My Lines", "Total Wins"}));
    play(w, "X");
    EXPECT_EQ(std::pair(form().isEnabled(), !openWindow<Picky34>()), std::pair(true, true));
}
