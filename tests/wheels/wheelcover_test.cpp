#include "platform/messages.h"
#include "support/cupsscheduler.h"
#include "support/mainwindowfixture.h"
#include "support/windowhelpers.h"
#include "wheels/wheelwindow.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace vx;
using namespace vx::test;

namespace {
[[maybe_unused]] const bool scheduler = UseCupsScheduler({"Covers"});
using WheelCoverTest = MainWindowTest;
} // namespace

// Print Cover prints the wheel chosen in the window through the program's list printing; the words
// are read back from the printout.
TEST_F(WheelCoverTest, TheCoverSheetNamesTheGameTheTypeTheGroupAndTheEntryFile)
{
    writeGame(folder, 1, makeGame("Lotto", 5, 1, 39, 0, 10, 1));
    ASSERT_TRUE(QDir(folder.path()).mkpath("wheels"));
    folder.writeBytes("wheels/5-4-3-6.whl", "# two lines\n1 2 3 4 5\n2 3 4 5 6\n");
    folder.writeBytes("wheels/5-4-3-7.whl", "1 2 3 4 5\n1 2 3 6 7\n1 4 5 6 7\n2 3 4 5 6\n2 3 4 5 7\n");
    Form1 &f = start();
    ASSERT_TRUE(f.startup().PrintingEnabled);
    findIn<QAction>(f, "mnuWheelCreate")->trigger();
    WheelWindow *w = openWindow<WheelWindow>();
    ASSERT_TRUE(w);
    ASSERT_TRUE(findIn<QPushButton>(w, "Command2")->isEnabled());
    findIn<QRadioButton>(w, "Option1(4)")->click(); // 5-4-3
    ASSERT_EQ(findIn<QComboBox>(w, "Combo1")->currentText(), "7");
    const QStringList group = {"3", "38", "12", "7", "21", "9", "30"};
    for (int i = 0; i < group.size(); ++i)
        findIn<QLineEdit>(w, QStringLiteral("Text1(%1)").arg(i))->setText(group[i]);
    findIn<QPushButton>(w, "Command2")->click();

    QString error;
    ASSERT_TRUE(waitForPrintout("Covers", &error)) << error.toStdString();
    QStringList words;
    for (const PdfWord &word : pdfWords(printoutFile("Covers")))
        words << word.text.split(' ', Qt::SkipEmptyParts);
    EXPECT_EQ(words.join(' '),
        "Wheel for Lotto Guarantee Match 3 if 4 Picked from Group Group of 7 balls: 03 38 12 "
        "07 21 09 30 Lines (tickets): 5 Entry file: Lotto-5-4-3.lot");
    EXPECT_FALSE(folder.exists("Lotto-5-4-3.lot")); // printing saves nothing
}
