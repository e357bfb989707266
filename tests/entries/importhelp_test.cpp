#include "entries/form30.h"
#include "entries/frmabout.h"
#include "entries/windowfit.h"
#include "gamedata/entryfiles.h"
#include "platform/datepicker.h"
#include "platform/desktop.h"
#include "platform/messages.h"
#include "support/mainwindowfixture.h"
#include "support/windowhelpers.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QTest>
#include <QTimer>

using namespace vx;
using namespace vx::test;

using ImportHelpTest = MainWindowTest;

TEST_F(ImportHelpTest, ImportsATextFileAsTheEntriesOfADateAndAboutAndHelpGoThroughTheDesktop)
{
    writeGame(folder, 1, makeGame("Lotto", 6, 1, 49, 0, 10, 1));
    folder.writeBytes("mine.txt", "03 12 25 33 41 47 09\r\n47 03 25 33 41 12 02\r\n");
    folder.writeBytes("bad.txt", "03 12 25 33 41 47 09\n03 12 25 33 41 47 11\n");
    start();
    const QDate today = findIn<platform::DatePicker>(form(), "DTPicker2")->Value(), tomorrow = today.addDays(1);
    // Opens the import window from the menu, runs the steps while the main window waits, and
    // returns once the window has closed.
    const auto runImport = [this](const std::function<void(Form30 &)> &steps) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            Form30 *window = openWindow<Form30>();
            ASSERT_TRUE(window && !form().isEnabled());
            steps(*window);
            findIn<QPushButton>(window, "Command1")->click();
            ran = true;
        });
        findIn<QAction>(form(), "mnuImport")->trigger();
        EXPECT_TRUE(ran && form().isEnabled());
        flushDeletes();
    };
    const auto click = [](QListWidget *list, int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    };
    // The entry file of a date holds the two lines of mine.txt, sorted, record 1 counting them.
    const auto expectImported = [this](const QDate &date) {
        EXPECT_EQ(folder.bytes(datedEntryFileName("Lotto", date, form().startup().MonthNames)),
            importedFileBytes({{{3, 12, 25, 33, 41, 47}, 9}, {{3, 12, 25, 33, 41, 47}, 2}}, date, {}));
    };

    // To another date: the main window's list stays as it was.
    runImport([&](Form30 &w) {
        w.show();
        expectFits(&w);
        EXPECT_EQ(w.windowTitle(), "Import TXT Entry for Lotto");
        EXPECT_EQ(lines(findIn<QListWidget>(w, "File1")), QStringList({"bad.txt", "mine.txt"}));
        findIn<QPushButton>(w, "Command3")->click();
        EXPECT_EQ(testMode().messages.last(), "You have not selected a file");
        click(findIn<QListWidget>(w, "File1"), 0);
        findIn<QPushButton>(w, "Command3")->click();
        EXPECT_EQ(testMode().messages.last(),
            "One or more of your numbers are out of range - or your file is not in the correct format");
        click(findIn<QListWidget>(w, "File1"), 1);
        EXPECT_EQ(
            lines(findIn<QListWidget>(w, "List2")), QStringList({"03 12 25 33 41 47 09", "47 03 25 33 41 12 02"}));
        findIn<platform::DatePicker>(w, "DTPicker1")->setValue(tomorrow);
        findIn<QPushButton>(w, "Command3")->click();
        EXPECT_EQ(testMode().messages.last(), "Entry imported successfully");
        EXPECT_FALSE(findIn<QPushButton>(w, "Command3")->isEnabled());
    });
    EXPECT_EQ(findIn<QListWidget>(form(), "List1")->count(), 0);
    expectImported(tomorrow);

    // To the shown date: listed after Close. The date picked again is refused: it has entries now.
    runImport([&](Form30 &w) {
        click(findIn<QListWidget>(w, "File1"), 1);
        findIn<platform::DatePicker>(w, "DTPicker1")->setValue(tomorrow);
        findIn<QPushButton>(w, "Command3")->click();
        EXPECT_EQ(
            testMode().messages.last(), "You already have a date entry for this date, please choose another date");
        findIn<platform::DatePicker>(w, "DTPicker1")->setValue(today);
        findIn<QPushButton>(w, "Command3")->click();
        EXPECT_EQ(testMode().messages.last(), "Entry imported successfully");
    });
    EXPECT_EQ(lines(findIn<QListWidget>(form(), "List1")).size(), 2);
    expectImported(today);

    testMode().messages.clear();
    platform::TestMode::Desktop &desktop = testMode().desktop;

    // One box however often it is asked for; the main window stays enabled.
    findIn<QAction>(form(), "mnuAbout")->trigger();
    findIn<QAction>(form(), "mnuAbout")->trigger();
    QPointer<frmAbout> box = openWindow<frmAbout>();
    ASSERT_TRUE(box && form().isEnabled());
    EXPECT_EQ(
        std::ranges::count_if(QApplication::topLevelWidgets(), [](QWidget *w) { return qobject_cast<frmAbout *>(w); }),
        1);
    // The disclaimer wraps: all its lines fit; the rest as in every window.
    EXPECT_LE(findIn<QLabel>(box, "lblDisclaimer")->heightForWidth(findIn<QLabel>(box, "lblDisclaimer")->width()),
        findIn<QLabel>(box, "lblDisclaimer")->height());
    findIn<QLabel>(box, "lblDisclaimer")->hide();
    expectFits(box);
    EXPECT_EQ(box->windowTitle() + " " + findIn<QLabel>(box, "lblVersion")->text(), "Vexmora Version 1.0.0");

    // System Info: no program, one that will not start, one that starts.
    findIn<QPushButton>(box, "cmdSysInfo")->click();
    desktop.setSystemInfoProgram("/usr/bin/hardinfo");
    desktop.setStartsOk(false);
    findIn<QPushButton>(box, "cmdSysInfo")->click();
    desktop.setStartsOk(true);
    findIn<QPushButton>(box, "cmdSysInfo")->click();
    EXPECT_EQ(testMode().messages.shown(), QStringList(2, "System Information Is Unavailable At This Time"));
    EXPECT_EQ(desktop.started(), QStringList(2, "/usr/bin/hardinfo"));
    findIn<QPushButton>(box, "cmdOK")->click();
    flushDeletes();
    EXPECT_TRUE(box.isNull());
    EXPECT_EQ(openWindow<frmAbout>(), nullptr);

    // Help: opened, no application for the type, the file missing.
    testMode().messages.clear();
    desktop.answerOpen(platform::OpenResult::Opened);
    desktop.answerOpen(platform::OpenResult::NoApplication);
    desktop.answerOpen(platform::OpenResult::Failed);
    for (int k = 0; k < 3; ++k)
        findIn<QAction>(form(), "mnuHelp")->trigger();
    EXPECT_EQ(desktop.opened(), QStringList(3, folder.file("Calvenor.chm")));
    EXPECT_EQ(testMode().messages.shown(),
        QStringList({"The help file is windows html help. You cannot read files of this type as you have "
                     "no application to read these file types.",
            "The help file " + folder.file("Calvenor.chm") + " is missing."}));
}

// A text of 20 MiB in one line is refused as soon as it is clicked and when Import is pressed,
// within a second each; a long line of a smaller file is shown cut and refused by Import.
TEST_F(ImportHelpTest, AHugeOneLineTextIsRefusedAtOnce)
{
    writeGame(folder, 1, makeGame("Lotto", 6, 1, 49, 0, 10, 1));
    QByteArray huge;
    while (huge.size() < (20 << 20))
        huge += "lorem ipsum dolor 12 sit amet; ";
    folder.writeBytes("huge.txt", huge);
    folder.writeBytes("long.txt", huge.left(300000));
    start();
    bool ran = false;
    QTimer::singleShot(0, [&] {
        Form30 *w = openWindow<Form30>();
        ASSERT_TRUE(w);
        ASSERT_EQ(lines(findIn<QListWidget>(w, "File1")), QStringList({"huge.txt", "long.txt"}));
        const QString tooLarge = importMessage(ImportCode::TooLarge);
        for (int row = 0; row < 2; ++row) {
            testMode().messages.clear();
            QElapsedTimer clock;
            clock.start();
            QTest::mouseClick(findIn<QListWidget>(w, "File1")->viewport(), Qt::LeftButton, {},
                findIn<QListWidget>(w, "File1")->visualItemRect(findIn<QListWidget>(w, "File1")->item(row)).center());
            w->repaint();
            QApplication::processEvents();
            findIn<QPushButton>(w, "Command3")->click();
            EXPECT_LT(clock.elapsed(), 1000) << row;
            if (row == 0) {
                EXPECT_EQ(testMode().messages.shown(), QStringList({tooLarge, tooLarge}));
                EXPECT_EQ(findIn<QListWidget>(w, "List2")->count(), 0);
            } else {
                EXPECT_EQ(testMode().messages.shown(),
                    QStringList(
                        {"One or more of your numbers are out of range - or your file is not in the correct format"}));
                EXPECT_EQ(lines(findIn<QListWidget>(w, "List2")),
                    QStringList({QString::fromLatin1(huge.left(MaxImportLineLength))}));
            }
        }
        findIn<QPushButton>(w, "Command1")->click();
        ran = true;
    });
    findIn<QAction>(form(), "mnuImport")->trigger();
    EXPECT_TRUE(ran);
    for (const QString &name : QDir(folder.path()).entryList({"*.lot"}, QDir::Files))
        EXPECT_EQ(folder.bytes(name), QByteArray()) << name.toStdString(); // nothing imported
}
