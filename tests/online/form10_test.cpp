#include "entries/windowfit.h"
#include "online/form10.h"
#include "platform/datepicker.h"
#include "platform/messages.h"
#include "support/mainwindowfixture.h"
#include "support/windowhelpers.h"

#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QTest>
#include <QTimer>

using namespace vx;
using namespace vx::test;
using platform::MessageScript::last;
using platform::MessageScript::shown;

namespace {
class Form10Test : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        m_current = QDir::currentPath();
        QDir::setCurrent(downloads.path()); // where the folder list starts
        ASSERT_TRUE(QDir(downloads.path()).mkdir("wkl"));
        writeGame(folder, 1, makeGame("Lotto", 6, 1, 49, 0, 10, 1));
    }
    void TearDown() override
    {
        QDir::setCurrent(m_current);
        MainWindowTest::TearDown();
    }

    // File > Load Downloaded Results; the steps run while the main window waits, and the window
    // must have closed by their end.
    void load(const std::function<void(Form10 &)> &steps)
    {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            Form10 *window = openWindow<Form10>();
            ASSERT_TRUE(window && !form().isEnabled());
            steps(*window);
            ran = true;
        });
        form().mnuLoadRTLs->trigger();
        EXPECT_TRUE(ran && form().isEnabled() && !openWindow<Form10>());
        flushDeletes();
    }
    static void doubleClick(QListWidget *list, const QString &text)
    {
        const auto items = list->findItems(text, Qt::MatchEndsWith);
        ASSERT_EQ(items.size(), 1);
        const QPoint at = list->visualItemRect(items[0]).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }
    int ballsShown() { return int(std::ranges::count_if(form().Image2, &QWidget::isVisible)); }
    QByteArray history(std::initializer_list<int> mains, int extra = 0)
    {
        const QDate d = form().DTPicker1->Value();
        const QString path = downloads.file("made.rtl");
        writeNumbersFile(path,
            {drawRecord(2001, 1, 1, {1, 2, 3, 4, 5, 6}), drawRecord(d.year(), d.month(), d.day(), mains, {extra})},
            true);
        return downloads.bytes("made.rtl");
    }

    TestFolder downloads;

private:
    QString m_current;
};
} // namespace

TEST_F(Form10Test, OkCopiesTheKnownFilesOfTheShownFolderAndTheDrawIsShownAgain)
{
    start();
    platform::MessageScript::clear();
    const QByteArray lotto = history({10, 11, 12, 13, 14, 15}, 7), cash5 = history({1, 2, 3, 4, 5});
    downloads.writeBytes("wkl/WKLLotto.rtl", lotto);
    downloads.writeBytes("wkl/WKLCash5.rtl", cash5);
    downloads.writeBytes("wkl/WKLOther.rtl", cash5);
    downloads.writeBytes("wkl/wklTwoStep.rtl", cash5);
    downloads.writeBytes("wkl/notes.txt", "x");
    folder.writeBytes("MegaMillions.rtl", "old");
    ASSERT_EQ(ballsShown(), 0);

    load([&](Form10 &w) {
        w.show();
        expectFits(&w);
        EXPECT_EQ(w.windowTitle(), "Load Downloaded Result Files");
        EXPECT_EQ(w.Drive1->currentText(), QDir::toNativeSeparators(QStorageInfo(downloads.path()).rootPath()));
        EXPECT_EQ(w.File1->count(), 0);
        w.Command1->click();
        EXPECT_EQ(last(), "You have not displayed the results files you downloaded");
        ASSERT_TRUE(w.isVisible());
        doubleClick(w.Dir1, "wkl");
        EXPECT_EQ(w.dirPath(), QDir(downloads.file("wkl")).canonicalPath());
        EXPECT_EQ(lines(w.File1), QStringList({"WKLCash5.rtl", "WKLLotto.rtl", "WKLOther.rtl"}));
        w.File1->setCurrentRow(2); // what is selected does not matter
        w.Command1->click();
    });
    EXPECT_EQ(shown(), QStringList({"You have not displayed the results files you downloaded"}));
    EXPECT_EQ(folder.bytes("Lotto.rtl"), lotto);
    EXPECT_EQ(folder.bytes("Cash5.rtl"), cash5);
    EXPECT_EQ(folder.bytes("MegaMillions.rtl"), "old");
    EXPECT_FALSE(folder.exists("TwoStep.rtl") || folder.exists("Other.rtl"));
    EXPECT_EQ(ballsShown(), 7);
    EXPECT_EQ(form().files().DrawnBalls[1], 10);
}

TEST_F(Form10Test, CancelAndTheTitleBarCopyNothingButTheDrawIsShownAgain)
{
    start();
    downloads.writeBytes("WKLLotto.rtl", history({20, 21, 22, 23, 24, 25}));
    const QByteArray lotto = history({10, 11, 12, 13, 14, 15}, 7);
    folder.writeBytes("Lotto.rtl", lotto); // behind the main window's back: only a reload shows it
    ASSERT_EQ(ballsShown(), 0);

    load([&](Form10 &w) {
        // A drive that cannot be read changes nothing.
        const QStringList folders = lines(w.Dir1);
        const int drive = w.Drive1->currentIndex();
        w.Drive1->addItem("gone", downloads.file("gone"));
        w.Drive1->setCurrentIndex(w.Drive1->count() - 1);
        EXPECT_EQ(last(), "Cannot connect to that drive");
        EXPECT_EQ(w.Drive1->currentIndex(), drive);
        EXPECT_EQ(lines(w.Dir1), folders);
        EXPECT_EQ(lines(w.File1), QStringList({"WKLLotto.rtl"}));
        w.Command2->click();
    });
    EXPECT_EQ(folder.bytes("Lotto.rtl"), lotto);
    EXPECT_EQ(ballsShown(), 7);

    folder.writeBytes("Lotto.rtl", "");
    load([&](Form10 &w) { w.close(); });
    EXPECT_EQ(folder.bytes("Lotto.rtl"), "");
    EXPECT_EQ(ballsShown(), 0);
}
