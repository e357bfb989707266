#include "analysis/form12.h"
#include "entries/windowfit.h"
#include "platform/datepicker.h"
#include "platform/messages.h"
#include "support/mainwindowfixture.h"
#include "support/windowhelpers.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

using namespace vx;
using namespace vx::test;

namespace {
class FilterTest : public MainWindowTest
{
protected:
    // File > Filter Current Entry, the window driven by `use` while the main window waits.
    bool filter(const std::function<void(Form12 &)> &use)
    {
        bool opened = false;
        QTimer timer; // gone with this call when no window opened
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            if (Form12 *w = openWindow<Form12>()) {
                opened = !form().isEnabled();
                use(*w);
            }
        });
        timer.start(0);
        findIn<QAction>(form(), "mnuFilter")->trigger();
        flushDeletes();
        return opened;
    }
    static QString marks(const Form12 &w)
    {
        QString m;
        for (int k = 0; k < findIn<QListWidget>(w, "List1")->count(); ++k)
            m += findIn<QListWidget>(w, "List1")->item(k)->checkState() == Qt::Checked ? 'x' : '-';
        return m + " " + findIn<QLineEdit>(w, "Text1")->text() + "/" + findIn<QLineEdit>(w, "Text2")->text() + "/"
            + findIn<QLineEdit>(w, "Text3")->text();
    }
};
} // namespace

// Four from 49 with an extra: entry 3 totals 54, below the band; entry 5 shares three numbers with
// entry 3, which being marked marks nothing; entry 2 shares three with entry 1.
TEST_F(FilterTest, CheckMarksByTotalAndOverlapAndRemoveRewritesTheDatedFile)
{
    writeGame(folder, 1, makeGame("Lotto", 4, 1, 49, 0, 10, 1, "PB"));
    const QString lot = "Lotto05NOV2005.lot";
    writeNumbersFile(folder.file(lot),
        {entryRecord({3, 12, 25, 40}, 7), entryRecord({3, 12, 25, 41}, 8), entryRecord({1, 2, 3, 48}, 1),
            entryRecord({10, 20, 30, 45}, 2), entryRecord({1, 2, 4, 48}, 3)});
    const QByteArray before = folder.bytes(lot);
    findIn<platform::DatePicker>(start(), "DTPicker2")->setValue(QDate(2005, 11, 5));
    ASSERT_TRUE(filter([&](Form12 &w) {
        EXPECT_EQ(w.windowTitle(), "Filter for Lotto");
        EXPECT_TRUE(!findIn<QRadioButton>(w, "Option1")->isVisibleTo(&w));
        EXPECT_TRUE(findIn<QRadioButton>(w, "Option2")->text() + findIn<QRadioButton>(w, "Option3")->text()
                + findIn<QRadioButton>(w, "Option4")->text()
            == "234");
        EXPECT_TRUE(findIn<QRadioButton>(w, "Option3")->isChecked());
        EXPECT_TRUE(!findIn<QPushButton>(w, "Command4")->isEnabled());
        expectFits(&w);
        findIn<QPushButton>(w, "Command1")->click();
        EXPECT_EQ(testMode().messages.last(), "No filter has been specified");
        findIn<QCheckBox>(w, "Check1")->setChecked(true);
        findIn<QCheckBox>(w, "Check2")->setChecked(true);
        findIn<QPushButton>(w, "Command1")->click();
        EXPECT_EQ(lines(findIn<QListWidget>(w, "List1")),
            QStringList({"03 12 25 40 PB 07", "03 12 25 41 PB 08", "01 02 03 48 PB 01", "10 20 30 45 PB 02",
                "01 02 04 48 PB 03"}));
        EXPECT_EQ(marks(w), "-xx-- 5/2/3");
        findIn<QListWidget>(w, "List1")->item(1)->setCheckState(Qt::Unchecked);
        findIn<QListWidget>(w, "List1")->item(3)->setCheckState(Qt::Checked);
        EXPECT_EQ(marks(w), "--xx- 5/2/3");
        findIn<QListWidget>(w, "List1")->item(0)->setCheckState(Qt::Checked);
        EXPECT_EQ(marks(w), "x-xx- 5/3/2");
        findIn<QPushButton>(w, "Command2")->click();
        EXPECT_EQ(folder.bytes(lot), QByteArray("\2\0\0\0", 4) + before.mid(34, 26) + before.mid(120, 30));
        EXPECT_EQ(marks(w), "-- 2/0/2");
        findIn<QPushButton>(w, "Command3")->click();
    }));
    EXPECT_TRUE(form().isEnabled() && !folder.exists("temp.lot"));
    EXPECT_EQ(lines(findIn<QListWidget>(form(), "List1")), QStringList({"03 12 25 41 PB 08 ", "01 02 04 48 PB 03 "}));
}

TEST_F(FilterTest, AWheelIsAskedAboutAndAFailedRemoveLeavesItWhole)
{
    writeGame(folder, 1, makeGame("Lotto", 6, 1, 49, 1, 0, 0));
    const QString wheel = "Lotto-6-5-3.lot";
    writeNumbersFile(folder.file(wheel),
        {entryRecord({1, 2, 3, 4, 5, 6}), entryRecord({1, 2, 3, 4, 5, 7}), entryRecord({1, 2, 3, 4, 8, 9})});
    const QByteArray before = folder.bytes(wheel);
    start();
    EXPECT_FALSE(filter([](Form12 &) {}));
    EXPECT_EQ(testMode().messages.last(), "You have no entries displayed to filter.");
    for (const auto &item : form().wheelItems())
        if (QString(item.name) == "mnu653")
            item.action->trigger();
    testMode().messages.answer(false);
    EXPECT_FALSE(filter([](Form12 &) {}));
    EXPECT_EQ(testMode().messages.last(),
        "If you filter a wheel, the guarantee will no longer apply. Are you sure you want to continue?");
    testMode().messages.answer(true);
    ASSERT_TRUE(filter([&](Form12 &w) {
        findIn<QCheckBox>(w, "Check2")->setChecked(true);
        findIn<QPushButton>(w, "Command1")->click();
        EXPECT_EQ(marks(w), "-x- 3/1/2");
        {
            const FailingFileWrites full(40, wheel);
            findIn<QPushButton>(w, "Command2")->click();
        }
        EXPECT_TRUE(testMode().messages.last().startsWith(
            "The checked entries were not removed. The file Lotto-6-5-3.lot could not be written: "));
        EXPECT_TRUE(folder.bytes(wheel) == before && marks(w) == "-x- 3/1/2");
        findIn<QRadioButton>(w, "Option2")->setChecked(true); // four shared numbers: entry 3 goes too
        findIn<QPushButton>(w, "Command1")->click();
        findIn<QPushButton>(w, "Command2")->click();
        EXPECT_EQ(folder.bytes(wheel), QByteArray("\1\0\0\0", 4) + before.mid(4, 26));
        w.close();
    }));
    EXPECT_TRUE(form().files().EntryFile == folder.file(wheel) && form().files().OpenWheelType == 7);
    EXPECT_EQ(lines(findIn<QListWidget>(form(), "List1")), QStringList({"01 02 03 04 05 06 "}));
}
