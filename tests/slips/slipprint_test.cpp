#include "entries/windowfit.h"
#include "gamedata/entryfiles.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "slips/adjust.h"
#include "slips/configure.h"
#include "slips/slipprinting.h"
#include "support/cupsscheduler.h"
#include "support/mainwindowfixture.h"
#include "support/windowhelpers.h"

#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QDoubleSpinBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

using namespace vx;
using namespace vx::test;

namespace {
const bool scheduler = UseCupsScheduler({"Slips"});
constexpr double DotsPerMm = 10; // pages are read at 254 dpi

// Reads the queue's printout and expects, page by page, each mark's ink where its line lies, within
// half a millimetre, and no ink anywhere else.
void expectMarksOnPaper(const SlipLayout &layout, const std::vector<SlipMark> &marks)
{
    QString error;
    ASSERT_TRUE(waitForPrintout("Slips", &error)) << error.toStdString();
    const QString pdf = printoutFile("Slips");
    const int pages = int(std::ranges::count_if(pdfWords(pdf), [](const PdfWord &w) { return w.text.isEmpty(); }));
    EXPECT_EQ(pages, marks.back().page);
    QTemporaryDir dir;
    runTool("pdftoppm", {"-r", "254", "-gray", pdf, dir.filePath("page")});
    for (int page = 1; page <= pages; ++page) {
        QImage image
            = QImage(dir.filePath(QStringLiteral("page-%1.pgm").arg(page))).convertToFormat(QImage::Format_Grayscale8);
        // The bounds of the ink in an area, wiped once read so that ink left over shows.
        const auto takeInk = [&image](const QRect &area) {
            QRect ink;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    if (qGray(image.pixel(x, y)) < 128) {
                        ink |= QRect(x, y, 1, 1);
                        image.setPixel(x, y, 0xffffffff);
                    }
            return QRectF(ink);
        };
        for (const SlipMark &mark : marks) {
            if (mark.page != page)
                continue;
            const MarkLine line = markLine(layout, mark);
            const double half = layout.markWidth / 2;
            const QRectF dots(QPointF(line.from.x - half, line.from.y - half) * DotsPerMm,
                QPointF(line.to.x + half, line.to.y + half) * DotsPerMm);
            const QRectF found = takeInk(dots.toAlignedRect().adjusted(-10, -10, 10, 10) & image.rect());
            const double off = std::max({std::fabs(found.left() - dots.left()), std::fabs(found.right() - dots.right()),
                std::fabs(found.top() - dots.top()), std::fabs(found.bottom() - dots.bottom())});
            EXPECT_LE(off / DotsPerMm, 0.5)
                << "page " << page << " board " << mark.board << (mark.bonus ? " bonus " : " main ") << mark.number;
        }
        EXPECT_TRUE(takeInk(image.rect()).isEmpty()) << "page " << page;
    }
    QFile::remove(pdf);
}

using SlipPrintTest = MainWindowTest;
} // namespace

TEST_F(SlipPrintTest, ThePlayerCalibratesAndTestPrintsABoardThenTheEntriesAreMarkedSlipAfterSlip)
{
    writeGame(folder, 1, makeGame("Lotto", 5, 1, 69, 0, 26, 1, "PB"));
    Form1 &form = start();
    findIn<QAction>(form, "mnuCalibrate")->trigger();
    auto *window = openWindow<configure>();
    ASSERT_TRUE(window && !form.isEnabled());
    expectFits(window);

    // Two boards; the second board's origin; the main boxes in rows of ten, 4.5 mm apart from
    // (2, 3), then box 7 put right by hand; the bonus boxes in two rows; marks down, 0.6 by 2.5 mm.
    findIn<QSpinBox>(window, "Text1")->setValue(2);
    findIn<QComboBox>(window, "Combo1")->setCurrentIndex(1);
    for (const auto &[box, mm] :
        {std::pair {findIn<QDoubleSpinBox>(window, "Text2"), 60.}, {findIn<QDoubleSpinBox>(window, "Text3"), 30.25},
            {findIn<QDoubleSpinBox>(window, "Text7"), 2.}, {findIn<QDoubleSpinBox>(window, "Text8"), 3.},
            {findIn<QDoubleSpinBox>(window, "Text9"), 4.5}, {findIn<QDoubleSpinBox>(window, "Text10"), 4.5}})
        box->setValue(mm);
    findIn<QPushButton>(window, "Command1")->click();
    findIn<QListWidget>(window, "List1")->setCurrentRow(6);
    findIn<QDoubleSpinBox>(window, "Text4")->setValue(31);
    findIn<QRadioButton>(window, "Option2")->click();
    findIn<QSpinBox>(window, "Text6")->setValue(13);
    findIn<QDoubleSpinBox>(window, "Text8")->setValue(40);
    findIn<QPushButton>(window, "Command1")->click();
    findIn<QRadioButton>(window, "Option4")->click();
    findIn<QDoubleSpinBox>(window, "Text11")->setValue(0.6);
    findIn<QDoubleSpinBox>(window, "Text12")->setValue(2.5);
    EXPECT_EQ(findIn<QListWidget>(window, "List1")->item(25)->text(), "PB 26   56.00 mm across,  44.50 mm down");

    SlipLayout expected = defaultSlipLayout(69, 26);
    expected.boardsPerSlip = 2;
    expected.boardOrigins = {{10, 10}, {60, 30.25f}};
    expected.mainPositions = gridPositions(69, 10, {2, 3}, {4.5f, 4.5f});
    expected.mainPositions[6].x = 31;
    expected.bonusPositions = gridPositions(26, 13, {2, 40}, {4.5f, 4.5f});
    expected.orientation = 1;
    expected.markWidth = 0.6f;
    expected.markLength = 2.5f;
    findIn<QPushButton>(window, "Command2")->click();
    EXPECT_EQ(folder.bytes("Lotto.dat"), slipLayoutBytes(expected));

    // Adjust: one step left and three down, 0.5 mm each; the test print of board 2 marks every box there.
    findIn<QPushButton>(window, "Command3")->click();
    auto *tuning = openWindow<adjust>();
    ASSERT_TRUE(tuning);
    expectFits(tuning);
    findIn<QPushButton>(tuning, "Command3")->click();
    for (int i = 0; i < 3; ++i)
        findIn<QPushButton>(tuning, "Command2")->click();
    EXPECT_EQ(findIn<QLabel>(tuning, "Label2")->text(), "Moved -0.50 mm right and 1.50 mm down");
    findIn<QComboBox>(tuning, "Combo1")->setCurrentIndex(1);
    findIn<QPushButton>(tuning, "Command5")->click();
    EXPECT_EQ(testMode().messages.shown(), QStringList());
    const SlipLayout moved = expected.shifted(-0.5f, 1.5f);
    expectMarksOnPaper(moved, boardTestMarks(moved, 2));
    findIn<QPushButton>(tuning, "Command6")->click();
    flushDeletes();
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(findIn<QDoubleSpinBox>(window, "Text3")->value(), 31.75);

    // Closing asks to save the moved layout; Yes writes it and gives the main window back.
    testMode().messages.answer(true);
    findIn<QPushButton>(window, "Command4")->click();
    EXPECT_EQ(testMode().messages.shown(), QStringList({"Save the changes to the slip layout?"}));
    EXPECT_EQ(folder.bytes("Lotto.dat"), slipLayoutBytes(moved));
    EXPECT_TRUE(form.isEnabled() && !openWindow<configure>());

    // Printing the tickets: none without entries; the listed ones on their boards, two a slip; none with
    // the layout damaged or missing.
    findIn<QAction>(form, "mnuPrintTickets")->trigger();
    EXPECT_EQ(testMode().messages.last(), "There are no entries listed to print!");
    testMode().messages.clear();
    const std::vector<NumbersRecord> entries
        = {entryRecord({3, 15, 22, 31, 40}, 7), entryRecord({1, 69, 10, 11, 60}, 26), entryRecord({59, 2, 3, 4, 5}, 1)};
    writeNumbersFile(
        folder.file(datedEntryFileName("Lotto", platform::CurrentDate(), form.startup().MonthNames)), entries);
    form.refreshEntryPanel();
    findIn<QAction>(form, "mnuPrintTickets")->trigger();
    EXPECT_EQ(testMode().messages.shown(), QStringList());
    QString problem;
    const std::vector<SlipMark> marks = slipMarks(moved, entries, &problem);
    ASSERT_EQ(marks.size(), 18u);
    expectMarksOnPaper(moved, marks);
    EXPECT_EQ(folder.bytes("Lotto.dat"), slipLayoutBytes(moved));
    folder.writeBytes("Lotto.dat", slipLayoutBytes(moved).chopped(8));
    findIn<QAction>(form, "mnuPrintTickets")->trigger();
    ASSERT_EQ(testMode().messages.shown().size(), 1);
    EXPECT_TRUE(testMode().messages.shown().first().contains("is damaged"))
        << testMode().messages.shown().first().toStdString();
    QFile::remove(folder.file("Lotto.dat"));
    findIn<QAction>(form, "mnuPrintTickets")->trigger();
    EXPECT_TRUE(testMode().messages.shown().last().contains("has not been calibrated"));
    EXPECT_FALSE(QFile::exists(printoutFile("Slips")));
}
