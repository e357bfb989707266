#include "entries/windowfit.h"
#include "online/form10.h"
#include "platform/datepicker.h"
#include "platform/messages.h"
#include "support/mainwindowfixture.h"
#include "support/windowhelpers.h"

#include <QComboBox>
#include <QTest>
#include <QTimer>

using namespace vx;
using namespace vx::test;
using platform::MessageScript::shown;

// File > Load Downloaded Results, each time closed another way; the draw panel reads the history again.
TEST_F(MainWindowTest, LoadDownloadedResultsCopiesTheKnownFilesOfTheShownFolder)
{
    writeGame(folder, 1, makeGame("Lotto", 6, 1, 49, 0, 10, 1));
    const QDate d = start().DTPicker1->Value();
    TestFolder downloads;
    writeNumbersFile(
        downloads.file("WKLLotto.rtl"), {drawRecord(d.year(), d.month(), d.day(), {1, 2, 3, 4, 5, 6}, {7})});
    const QByteArray lotto = downloads.bytes("WKLLotto.rtl");
    for (const char *name : {"WKLCash5.rtl", "WKLOther.rtl", "wklTwoStep.rtl"})
        downloads.writeBytes(name, lotto + lotto);
    folder.writeBytes("MegaMillions.rtl", "old");
    const QString current = QDir::currentPath();
    QDir::setCurrent(QDir::tempPath()); // where the folder list starts
    const auto load = [&](const std::function<void(Form10 &)> &steps) {
        platform::MessageScript::clear();
        QTimer::singleShot(0, [&] {
            QPointer<Form10> w = openWindow<Form10>();
            ASSERT_TRUE(w && !form().isEnabled());
            steps(*w);
            EXPECT_FALSE(w->isVisible());
            w->close(); // ends a failed test's wait
        });
        form().mnuLoadRTLs->trigger();
        EXPECT_TRUE(form().isEnabled());
        flushDeletes();
    };
    load([&](Form10 &w) {
        w.show();
        expectFits(&w);
        w.Command1->click();
        const QPoint at
            = w.Dir1->visualItemRect(w.Dir1->findItems(QDir(downloads.path()).dirName(), Qt::MatchEndsWith).value(0))
                  .center();
        QTest::mouseClick(w.Dir1->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(w.Dir1->viewport(), Qt::LeftButton, {}, at);
        EXPECT_EQ(lines(w.File1), QStringList({"WKLCash5.rtl", "WKLLotto.rtl", "WKLOther.rtl"}));
        w.Command1->click();
    });
    EXPECT_EQ(shown(), QStringList({"You have not displayed the results files you downloaded"}));
    EXPECT_EQ(folder.bytes("Lotto.rtl") + folder.bytes("Cash5.rtl") + folder.bytes("MegaMillions.rtl"),
        lotto + lotto + lotto + "old");
    EXPECT_FALSE(folder.exists("TwoStep.rtl") || folder.exists("Other.rtl"));
    EXPECT_EQ(std::ranges::count_if(form().Image2, &QWidget::isVisible), 7);

    // Cancel copies nothing; the history emptied behind the main window's back shows it was read again.
    folder.writeBytes("Lotto.rtl", "");
    load([&](Form10 &w) {
        const QStringList folders = lines(w.Dir1);
        w.Drive1->addItem("gone", downloads.file("gone")); // a drive that cannot be read changes nothing
        w.Drive1->setCurrentIndex(w.Drive1->count() - 1);
        EXPECT_EQ(lines(w.Dir1), folders);
        w.Command2->click();
    });
    EXPECT_EQ(shown(), QStringList({"Cannot connect to that drive"}));
    EXPECT_EQ(folder.bytes("Lotto.rtl"), "");
    EXPECT_EQ(std::ranges::count_if(form().Image2, &QWidget::isVisible), 0);
    load([](Form10 &w) { w.close(); }); // the title bar
    QDir::setCurrent(current);
}
