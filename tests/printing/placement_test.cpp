#include "printing/placement.h"
#include "support/cupsscheduler.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vx;
using namespace vx::test;

namespace {
const bool scheduler = UseCupsScheduler({"Slips"});

// The dark dots of a page read at 254 dpi between two heights: their box's edges in whole millimetres.
std::string darkBox(const QImage &page, int fromY, int toY)
{
    QRect box;
    for (int y = fromY; y < toY; ++y)
        for (int x = 0; x < page.width(); ++x)
            box |= qGray(page.pixel(x, y)) < 128 ? QRect(x, y, 1, 1) : QRect();
    const QPoint a = box.topLeft() / 10.0, b = (box.bottomRight() + QPoint(1, 1)) / 10.0;
    return QString::asprintf("%d %d %d %d", a.x(), a.y(), b.x(), b.y()).toStdString();
}
} // namespace

TEST(PlacedPrintout, LinesAndTextLandWhereTheyArePlacedOnThePaper)
{
    ASSERT_TRUE(platform::SetCurrentPrinter("Slips"));
    PlacedPrintout out;
    ASSERT_TRUE(out.begin());
    out.setLineWidth(0.6f);
    out.line(20, 40, 120, 40);
    out.lineTwips(1440, 2880, 1440, 5760); // one inch in, from two inches down to four
    out.endPage();
    out.text(30, 50, "M7");
    QString error;
    ASSERT_TRUE(out.end(&error) && waitForPrintout("Slips", &error)) << error.toStdString();

    // Lines are measured from the paper's corner, not from the printer's margins.
    QTemporaryDir dir;
    runTool("pdftoppm", {"-r", "254", "-gray", "-singlefile", printoutFile("Slips"), dir.filePath("page")}); // page 1
    const QImage page(dir.filePath("page.pgm"));
    EXPECT_EQ(darkBox(page, 0, 450), "20 40 120 40");
    EXPECT_EQ(darkBox(page, 450, page.height()), "25 51 26 102"); // 0.6 mm wide at 25.4 mm: 25.1 to 25.7

    // The text is on the second page only, its top-left corner where it was placed (in millimetres).
    QStringList found;
    for (const PdfWord &w : pdfWords(printoutFile("Slips")))
        found << (w.text.isEmpty() ? QString("page %1").arg(w.page + 1)
                                   : QString::asprintf("%s %ld %ld", qPrintable(w.text), std::lround(w.x * 25.4 / 72),
                                       std::lround(w.y * 25.4 / 72)));
    EXPECT_EQ(found, QStringList({"page 1", "page 2", "M7 30 50"}));
}
