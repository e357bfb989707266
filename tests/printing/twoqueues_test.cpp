#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "printing/printers.h"
#include "support/cupsscheduler.h"
#include "support/mainwindowfixture.h"

#include <QDate>
#include <QFile>
#include <QLocale>
#include <QMenu>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <cmath>

using namespace vx;
using namespace vx::test;

namespace {
const bool scheduler = UseCupsScheduler({"Alpha", "Beta"});
constexpr double CharacterWidth = 6.0; // the advance of a 10-point character of the list font, in points

class TwoPrintersTest : public MainWindowTest
{
protected:
    // Game 1 "Lotto" (five of 69 and a PB of 26) with `count` entries dated today.
    void prepareEntries(int count)
    {
        writeGame(folder, 1, makeGame("Lotto", 5, 1, 69, 0, 26, 1, "PB"));
        std::vector<NumbersRecord> entries;
        for (int i = 0; i < count; ++i)
            entries.push_back(i == 0 ? entryRecord({3, 15, 22, 31, 40}, 7)
                                     : entryRecord({1 + i % 60, 61 + i % 5, 66, 67, 68}, 1 + i % 26));
        const QDate today = platform::CurrentDate();
        const QString month = QLocale::c().monthName(today.month(), QLocale::ShortFormat).toUpper();
        writeNumbersFile(
            folder.file("Lotto" + today.toString("dd") + month + today.toString("yyyy") + ".lot"), entries);
    }

    // The printout of a queue as the player reads it: each word put on a grid of the list font's
    // width and line pitch from the printable area's corner, so blank lines above and indents show;
    // a page ends with "\f". A word off the grid means a proportional font or a shifted line.
    static QStringList printout(const QString &queue)
    {
        QString error;
        EXPECT_TRUE(waitForPrintout(queue, &error)) << error.toStdString();
        const QRectF area = QPrinter(QPrinterInfo::printerInfo(queue)).pageLayout().paintRect(QPageLayout::Point);
        const QList<PdfWord> words = pdfWords(printoutFile(queue));
        QFile::remove(printoutFile(queue)); // so that the next printout is read alone
        double pitch = 0; // from the first line of the first page to the next
        for (qsizetype i = 2; i < words.size() && pitch <= 0; ++i)
            pitch = words.at(i).y - words.at(1).y;
        if (pitch <= 0) {
            ADD_FAILURE() << "fewer than two lines printed";
            return {};
        }
        QStringList lines;
        qsizetype pageTop = 0;
        for (const PdfWord &w : words) {
            if (w.text.isEmpty()) {
                if (w.page > 0)
                    lines << "\f";
                pageTop = lines.size();
                continue;
            }
            const double row = (w.y - area.top()) / pitch, column = (w.x - area.left()) / CharacterWidth;
            EXPECT_NEAR(row, std::round(row), 0.25) << w.text.toStdString();
            EXPECT_NEAR(column, std::round(column), 0.1) << w.text.toStdString();
            const qsizetype at = pageTop + std::max(0L, std::lround(row));
            while (lines.size() <= at)
                lines << QString();
            lines[at] = lines.at(at).leftJustified(std::lround(column)) + w.text;
        }
        return lines;
    }

    // Three empty lines, then every line sixteen spaces in (a printout shows no trailing blanks).
    static QStringList onPaper(const QStringList &lines)
    {
        QStringList result(3, QString());
        for (const QString &line : lines)
            result << QString(16, QLatin1Char(' ')) + line.trimmed();
        return result;
    }
};
} // namespace

TEST_F(TwoPrintersTest, TheSavedPrinterIsChosenOtherwiseTheLastAndPrintingIsEnabled)
{
    // The program sees exactly this test's scheduler. Without print.dat and with
    // names that match no printer exactly, the last printer is current.
    ASSERT_EQ(platform::InstalledPrinterNames(), QStringList({"Alpha", "Beta"}));
    EXPECT_TRUE(SelectSavedPrinter(folder.path()));
    EXPECT_EQ(platform::CurrentPrinterName(), "Beta");
    for (const QString saved : {"alpha", "Gamma"}) {
        ASSERT_TRUE(SavePrinterName(folder.path(), saved));
        EXPECT_TRUE(SelectSavedPrinter(folder.path()));
        EXPECT_EQ(platform::CurrentPrinterName(), "Beta") << saved.toStdString();
    }

    prepareEntries(1);
    ASSERT_TRUE(SavePrinterName(folder.path(), "Alpha"));
    Form1 &form = start();
    EXPECT_TRUE(testMode().messages.shown().isEmpty());
    EXPECT_EQ(platform::CurrentPrinterName(), "Alpha");
    EXPECT_TRUE(form.startup().PrintingEnabled);
    EXPECT_TRUE(findIn<QPushButton>(form, "Command9")->isEnabled());
    EXPECT_TRUE(findIn<QPushButton>(form, "Command10")->isEnabled());
    EXPECT_TRUE(findIn<QMenu>(form, "mnuTicketPrinting")->menuAction()->isEnabled());
}

TEST_F(TwoPrintersTest, PrintingTheEntriesPutsEveryLineUnderThreeEmptyLinesAndGoesOnAtTheNextPagesTop)
{
    prepareEntries(120); // more than one page
    ASSERT_TRUE(SavePrinterName(folder.path(), "Alpha"));
    Form1 &form = start();
    const QStringList entries = lines(findIn<QListWidget>(form, "List1"));
    ASSERT_EQ(entries.size(), 120);
    ASSERT_EQ(entries.first(), "03 15 22 31 40 PB 07 ");

    findIn<QPushButton>(form, "Command9")->click();
    EXPECT_TRUE(testMode().messages.shown().isEmpty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    const QStringList paper = printout("Alpha");
    QStringList expected = onPaper(entries); // wherever a page ends, the next goes on at its top
    for (qsizetype i = 0; i < paper.size(); ++i)
        if (paper.at(i) == "\f")
            expected.insert(std::min(i, expected.size()), "\f");
    EXPECT_GE(expected.count("\f"), 1);
    EXPECT_EQ(paper, expected);
    EXPECT_FALSE(QFile::exists(printoutFile("Beta")));
}

TEST_F(TwoPrintersTest, PrintingTheWinningLinesGoesToTheLastPrinterWhenTheSavedOneIsGone)
{
    prepareEntries(3);
    // Today's draw, which start-up checks the listed entries against: two of them win.
    const QDate today = platform::CurrentDate();
    writeNumbersFile(folder.file("Lotto.rtl"),
        {drawRecord(today.year(), today.month(), today.day(), {3, 15, 66, 67, 68}, {2})}, true);
    ASSERT_TRUE(SavePrinterName(folder.path(), "Removed Printer"));
    Form1 &form = start();
    ASSERT_EQ(platform::CurrentPrinterName(), "Beta");
    const QStringList wins = lines(findIn<QListWidget>(form, "List2"));
    ASSERT_EQ(wins, QStringList({"02 62 66 67 68 PB 02(3+PB)", "03 63 66 67 68 PB 03(4)"}));

    findIn<QPushButton>(form, "Command10")->click();
    EXPECT_TRUE(testMode().messages.shown().isEmpty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(printout("Beta"), onPaper(wins));
    EXPECT_FALSE(QFile::exists(printoutFile("Alpha")));
}

TEST_F(TwoPrintersTest, AnEmptyListOrARefusedJobIsReportedAndThePointerRestored)
{
    prepareEntries(3);
    ASSERT_TRUE(SavePrinterName(folder.path(), "Alpha"));
    Form1 &form = start();
    const auto jobsTaken = [] { return runTool("lpstat", {"-W", "all", "-o"}).count('\n'); };
    const qsizetype jobsBefore = jobsTaken();
    findIn<QPushButton>(form, "Command10")->click(); // no winning lines
    EXPECT_EQ(testMode().messages.shown(), QStringList {"There is no list to print!"});
    EXPECT_EQ(jobsTaken(), jobsBefore);
    testMode().messages.clear();

    runTool("cupsreject", {"Alpha"});
    findIn<QPushButton>(form, "Command9")->click();
    EXPECT_TRUE(testMode().messages.shown().size() == 1
        && testMode().messages.shown().last().startsWith("The list could not be printed.")
        && testMode().messages.shown().last().contains("not accepting"))
        << testMode().messages.shown().join('\n').toStdString();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // Once the printer takes jobs again, the same button prints.
    runTool("cupsaccept", {"Alpha"});
    testMode().messages.clear();
    findIn<QPushButton>(form, "Command9")->click();
    EXPECT_TRUE(testMode().messages.shown().isEmpty());
    EXPECT_EQ(printout("Alpha"), onPaper(lines(findIn<QListWidget>(form, "List1"))));
}
