#include "analysis/linkprocess.h"
#include "entries/windowfit.h"
#include "platform/datepicker.h"
#include "platform/messages.h"
#include "support/mainwindowfixture.h"
#include "support/windowhelpers.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

using namespace vx;
using namespace vx::test;
using LinkProcessTest = MainWindowTest;

namespace {
QByteArray littleEndian(std::initializer_list<int> values, int width = 2)
{
    QByteArray bytes;
    for (int v : values)
        for (int i = 0; i < width; ++i)
            bytes += char((v >> (8 * i)) & 0xff);
    return bytes;
}
} // namespace

// The main window stays enabled while the optimizer runs and relists its entries once it closes.
// A refused rerun leaves Create disabled; a rerun over fewer draws finds their own best extra from
// the main pool, not one left over from the run before.
TEST_F(LinkProcessTest, OptimizedEntriesAreAppendedToTheShownDateAfterTheQuestions)
{
    writeGame(folder, 1, makeGame("Lotto", 6, 1, 49, 1, 0, 1));
    const std::vector<NumbersRecord> draws = {drawRecord(2005, 10, 22, {1, 2, 3, 4, 5, 6}, {8}),
        drawRecord(2005, 10, 29, {1, 2, 3, 4, 5, 6}, {8}), drawRecord(2005, 11, 5, {1, 2, 3, 4, 5, 7}, {9})};
    writeNumbersFile(folder.file("Lotto.rtl"), draws, true);
    writeNumbersFile(folder.file("Lotto05NOV2005.lot"), {entryRecord({10, 11, 12, 13, 14, 15}, 16)});
    const QByteArray before = folder.bytes("Lotto05NOV2005.lot");
    findIn<platform::DatePicker>(start(), "DTPicker2")->setValue(QDate(2005, 11, 5));

    QPointer<LinkProcess> w;
    QTimer::singleShot(0, [&] {
        w = openWindow<LinkProcess>();
        ASSERT_TRUE(w && form().isEnabled());
        findIn<QAction>(form(), "mnuOptCreate")->trigger(); // brings the open one forward, without waiting again
        EXPECT_EQ(w->windowTitle(), "Optimizer for Lotto");
        EXPECT_EQ(findIn<QGroupBox>(w, "Frame1")->title(), "Enter number from 1 to 3");
        expectFits(w);
        const auto process = [&](const QString &typed) {
            findIn<QLineEdit>(w, "Text1")->setText(typed);
            findIn<QPushButton>(w, "Command1")->click();
            return testMode().messages.last();
        };
        EXPECT_EQ(process("0"), "Your entry is outside the permitted draw range");
        EXPECT_TRUE(process("3") == "Last 3 draws have been link processed");
        EXPECT_TRUE(findIn<QPushButton>(w, "Command2")->isEnabled());
        writeNumbersFile(folder.file("Lotto.rtl"), {draws[0], draws[1]}, true);
        findIn<QPushButton>(w, "Command1")->click();
        EXPECT_EQ(testMode().messages.last(), "Your entry is outside the permitted draw range");
        EXPECT_FALSE(findIn<QPushButton>(w, "Command2")->isEnabled());
        writeNumbersFile(folder.file("Lotto.rtl"), draws, true);
        process("3");
        EXPECT_EQ(process("1"), "Last 1 draws have been link processed");

        findIn<platform::DatePicker>(w, "DTPicker1")->setValue(QDate(2005, 11, 5));
        testMode().messages.answers({false, false, true});
        findIn<QPushButton>(w, "Command2")->click(); // No to the append question
        EXPECT_EQ(folder.bytes("Lotto05NOV2005.lot"), before);
        findIn<QPushButton>(w, "Command3")
            ->click(); // No to the close question, else the last Create would write nothing
        findIn<QPushButton>(w, "Command2")->click();
        EXPECT_TRUE(testMode().messages.last().startsWith("Done - 1 entries added to draw "));
        findIn<QPushButton>(w, "Command3")->click();
    });
    findIn<QAction>(form(), "mnuOptCreate")->trigger();
    EXPECT_TRUE(w.isNull() || !w->isVisible());
    EXPECT_EQ(folder.bytes("Lotto05NOV2005.lot"),
        littleEndian({2}, 4) + before.mid(4) + littleEndian({0}, 4)
            + littleEndian({0, 5, 11, 2005, 1, 2, 3, 4, 5, 7, 0, 9, 0}));
    EXPECT_EQ(lines(findIn<QListWidget>(form(), "List1")).size(), 2);
}
