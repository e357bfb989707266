#include "entries/windowfit.h"
#include "online/form10.h"
#include "platform/datepicker.h"
#include "platform/messages.h"
#include "support/mainwindowfixture.h"
#include "support/windowhelpers.h"

#include <QTest>
#include <QTimer>

using namespace vx;
using namespace vx::test;

TEST_F(MainWindowTest, LoadDownloadedResultsCopiesTheKnownFilesOfTheShownFolder)
{
    writeGame(folder, 1, makeGame("Lotto", 6, 1, 49, 0, 10, 1));
    const QDate d = findIn<platform::DatePicker>(start(), "DTPicker1")->Value();
    const auto kept = drawRecord(d.year(), d.month(), d.day(), {1, 2, 3}, {7}).toBytes().replace(0, 1, "\1");
    const QByteArray offered = drawRecord(2001, 1, 1, {1, 2, 3}).toBytes().replace(0, 1, "\1");
    TestFolder downloads;
    for (const char *name : {"WKLLotto.rtl", "WKLCash5.rtl", "WKLOther.rtl", "wklTwoStep.rtl"})
        downloads.writeBytes(name, offered);
    folder.writeBytes("Lotto.rtl", kept); // behind the main window's back: only a reload shows it
    folder.writeBytes("MegaMillions.rtl", "old");
    QDir::setCurrent(QDir::tempPath()); // where the folder list starts
    const auto load = [&](const std::function<void(Form10 &)> &steps) {
        testMode().messages.clear();
        QTimer::singleShot(0, [&] {
            QPointer<Form10> w = openWindow<Form10>();
            ASSERT_TRUE(w && !form().isEnabled());
            steps(*w);
            w->close(); // the title bar; a window already closed ignores it
        });
        findIn<QAction>(form(), "mnuLoadRTLs")->trigger();
        EXPECT_TRUE(form().isEnabled());
        flushDeletes();
    };
    const auto balls = [&] {
        return std::ranges::count_if(findSeries<QLabel>(form(), QStringLiteral("Image2(%1)")), &QWidget::isVisible);
    };

    load([&](Form10 &w) {
        w.show();
        expectFits(&w);
        findIn<QPushButton>(w, "Command2")->click();
    });
    EXPECT_EQ(folder.bytes("Lotto.rtl") + folder.bytes("Cash5.rtl"), kept);
    EXPECT_EQ(balls(), 4);

    load([&](Form10 &w) {
        findIn<QPushButton>(w, "Command1")->click();
        const QString name = QDir(downloads.path()).dirName();
        const QPoint at
            = findIn<QListWidget>(w, "Dir1")
                  ->visualItemRect(findIn<QListWidget>(w, "Dir1")->findItems(name, Qt::MatchEndsWith).value(0))
                  .center();
        QTest::mouseClick(findIn<QListWidget>(w, "Dir1")->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(findIn<QListWidget>(w, "Dir1")->viewport(), Qt::LeftButton, {}, at);
        EXPECT_EQ(
            lines(findIn<QListWidget>(w, "File1")), QStringList({"WKLCash5.rtl", "WKLLotto.rtl", "WKLOther.rtl"}));
        findIn<QPushButton>(w, "Command1")->click();
    });
    EXPECT_EQ(testMode().messages.shown(), QStringList({"You have not displayed the results files you downloaded"}));
    EXPECT_EQ(folder.bytes("Lotto.rtl") + folder.bytes("Cash5.rtl") + folder.bytes("MegaMillions.rtl"),
        offered + offered + "old");
    EXPECT_FALSE(folder.exists("TwoStep.rtl") || folder.exists("Other.rtl"));
    EXPECT_EQ(balls(), 0);
    load([](Form10 &) {}); // the title bar alone
}
