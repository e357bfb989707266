#include "platform/messages.h"
#include "platform/printer.h"
#include "printing/printers.h"
#include "support/cupsscheduler.h"
#include "support/mainwindowfixture.h"

#include <QDate>
#include <QFile>
#include <QLocale>
#include <QMenu>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <cmath>
#include <ostream>

using namespace vx;
using namespace vx::test;
using platform::MessageScript::shown;

namespace {
const bool scheduler = UseCupsScheduler({"Alpha", "Beta"});
constexpr int PrintTimeoutMs = 60000;
constexpr double CharacterWidth = 6.0; // the advance of a 10-point character of the list font, in points

// What a list printout looks like on paper.
struct Printout {
    QStringList lines; // text lines of every page, read from the printable area's left edge
    QList<double> blankLinesAbove; // per page: the space above its first line, in lines
};

class TwoPrintersTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        ASSERT_TRUE(cups().running()) << "the private CUPS scheduler is not running";
        for (const QString &queue : cups().queues())
            QFile::remove(cups().outputFile(queue));
    }

    // Game 1 "Lotto" (five of 69 and a PB of 26) with `count` entries dated today.
    void prepareEntries(int count)
    {
        writeGame(folder, 1, makeGame("Lotto", 5, 1, 69, 0, 26, 1, "PB"));
        std::vector<NumbersRecord> entries;
        for (int i = 0; i < count; ++i)
            entries.push_back(i == 0 ? entryRecord({3, 15, 22, 31, 40}, 7)
                                     : entryRecord({1 + i % 60, 61 + i % 5, 66, 67, 68}, 1 + i % 26));
        const QDate today = QDate::currentDate();
        const QString month = QLocale::c().monthName(today.month(), QLocale::ShortFormat).toUpper();
        writeNumbersFile(
            folder.file("Lotto" + today.toString("dd") + month + today.toString("yyyy") + ".lot"), entries);
    }

    // The printout of a queue, once its job has finished. Lines are read inside the printer's
    // printable area, where the program's lines start, in columns of the list font's width.
    static Printout printout(const QString &queue)
    {
        Printout result;
        QString error;
        EXPECT_TRUE(cups().waitForPrintout(queue, PrintTimeoutMs, &error)) << error.toStdString();
        const QString pdf = cups().outputFile(queue);
        const QRectF area = QPrinter(QPrinterInfo::printerInfo(queue)).pageLayout().paintRect(QPageLayout::Point);
        QStringList options {"-layout", "-fixed", QString::number(CharacterWidth)};
        for (const auto &[option, value] :
            {std::pair {"-x", area.left()}, {"-y", area.top()}, {"-W", area.width()}, {"-H", area.height()}})
            options << option << QString::number(std::lround(value));
        for (QString line : pdfTool("pdftotext", options << pdf << "-").split(QLatin1Char('\n')))
            if (!line.remove(QLatin1Char('\f')).isEmpty())
                result.lines << line;

        // The top of each page's first line against the top of the printable area, in line pitches.
        static const QRegularExpression word(QStringLiteral("<page |<word xMin=\"[0-9.]+\" yMin=\"([0-9.]+)\""));
        QList<QList<double>> tops;
        for (const QRegularExpressionMatch &m : word.globalMatch(pdfTool("pdftotext", {"-bbox", pdf, "-"}))) {
            if (m.captured(1).isEmpty())
                tops.append(QList<double>());
            else if (tops.last().isEmpty() || tops.last().last() != m.captured(1).toDouble())
                tops.last().append(m.captured(1).toDouble());
        }
        if (tops.isEmpty() || tops.first().size() < 2) {
            ADD_FAILURE() << "the printout has too few lines to measure";
            return result;
        }
        const double pitch = tops.first().at(1) - tops.first().at(0);
        for (const QList<double> &page : tops)
            result.blankLinesAbove << (page.isEmpty() ? -1 : (page.first() - area.top()) / pitch);
        return result;
    }

    static QStringList indented(const QStringList &lines)
    {
        QStringList result;
        for (const QString &line : lines)
            result << QString(16, QLatin1Char(' ')) + line.trimmed(); // the text reader drops trailing blanks
        return result;
    }
};
} // namespace

TEST_F(TwoPrintersTest, TheSavedPrinterIsChosenOtherwiseTheLastAndPrintingIsEnabled)
{
    // The program sees exactly this test's scheduler. Without print.dat (created empty) and with
    // names that match no printer exactly, the last printer is current.
    ASSERT_EQ(platform::InstalledPrinterNames(), QStringList({"Alpha", "Beta"}));
    EXPECT_TRUE(SelectSavedPrinter(folder.path()));
    EXPECT_EQ(platform::CurrentPrinterName(), "Beta");
    EXPECT_EQ(folder.bytes("print.dat"), QByteArray());
    ASSERT_TRUE(folder.exists("print.dat"));
    for (const QString saved : {"alpha", "Gamma"}) {
        ASSERT_TRUE(SavePrinterName(folder.path(), saved));
        EXPECT_TRUE(SelectSavedPrinter(folder.path()));
        EXPECT_EQ(platform::CurrentPrinterName(), "Beta") << saved.toStdString();
    }

    prepareEntries(1);
    ASSERT_TRUE(SavePrinterName(folder.path(), "Alpha"));
    Form1 &form = start();
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_EQ(platform::CurrentPrinterName(), "Alpha");
    EXPECT_TRUE(form.startup().PrintingEnabled);
    EXPECT_TRUE(form.Command9->isEnabled());
    EXPECT_TRUE(form.Command10->isEnabled());
    EXPECT_TRUE(form.mnuTicketPrinting->menuAction()->isEnabled());
}

TEST_F(TwoPrintersTest, PrintingTheEntriesPutsEveryLineUnderThreeEmptyLinesSixteenSpacesIn)
{
    prepareEntries(120); // more than one page
    ASSERT_TRUE(SavePrinterName(folder.path(), "Alpha"));
    Form1 &form = start();
    const QStringList entries = lines(form.List1);
    ASSERT_EQ(entries.size(), 120);
    ASSERT_EQ(entries.first(), "03 15 22 31 40 PB 07 ");

    form.Command9->click();
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    const Printout paper = printout("Alpha");
    EXPECT_EQ(paper.lines, indented(entries));
    ASSERT_GE(paper.blankLinesAbove.size(), 2);
    EXPECT_NEAR(paper.blankLinesAbove.at(0), 3.0, 0.25);
    EXPECT_NEAR(paper.blankLinesAbove.at(1), 0.0, 0.25); // the next page goes on at its top
    EXPECT_FALSE(QFile::exists(cups().outputFile("Beta")));
    const QString fonts = pdfTool("pdffonts", {cups().outputFile("Alpha")});
    EXPECT_TRUE(fonts.contains("Mono") || fonts.contains("Courier"))
        << "the list is not printed in a fixed-pitch font:\n"
        << fonts.toStdString();
}

TEST_F(TwoPrintersTest, PrintingTheWinningLinesGoesToTheLastPrinterWhenTheSavedOneIsGone)
{
    prepareEntries(3);
    // Today's draw, which start-up checks the listed entries against: two of them win.
    const QDate today = QDate::currentDate();
    writeNumbersFile(folder.file("Lotto.rtl"),
        {drawRecord(today.year(), today.month(), today.day(), {3, 15, 66, 67, 68}, {2})}, true);
    ASSERT_TRUE(SavePrinterName(folder.path(), "Removed Printer"));
    Form1 &form = start();
    ASSERT_EQ(platform::CurrentPrinterName(), "Beta");
    const QStringList wins = lines(form.List2);
    ASSERT_EQ(wins, QStringList({"02 62 66 67 68 PB 02(3+PB)", "03 63 66 67 68 PB 03(4)"}));

    form.Command10->click();
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    const Printout paper = printout("Beta");
    EXPECT_EQ(paper.lines, indented(wins));
    ASSERT_EQ(paper.blankLinesAbove.size(), 1);
    EXPECT_NEAR(paper.blankLinesAbove.first(), 3.0, 0.25);
    EXPECT_FALSE(QFile::exists(cups().outputFile("Alpha")));
}

TEST_F(TwoPrintersTest, AnEmptyListOrARefusedJobIsReportedAndThePointerRestored)
{
    prepareEntries(3);
    ASSERT_TRUE(SavePrinterName(folder.path(), "Alpha"));
    Form1 &form = start();
    const int jobsBefore = cups().jobsTaken();
    form.Command10->click(); // no winning lines
    EXPECT_EQ(shown(), QStringList {"There is no list to print!"});
    EXPECT_EQ(cups().jobsTaken(), jobsBefore);
    platform::MessageScript::clear();

    QString error;
    ASSERT_TRUE(cups().setAccepting("Alpha", false, &error)) << error.toStdString();
    struct Reaccept {
        ~Reaccept() { cups().setAccepting("Alpha", true, nullptr); }
    } reaccept;

    form.Command9->click();
    ASSERT_EQ(shown().size(), 1);
    EXPECT_TRUE(shown().last().startsWith("The list could not be printed.")) << shown().last().toStdString();
    EXPECT_TRUE(shown().last().contains("not accepting")) << shown().last().toStdString();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // Once the printer takes jobs again, the same button prints.
    ASSERT_TRUE(cups().setAccepting("Alpha", true, &error)) << error.toStdString();
    platform::MessageScript::clear();
    form.Command9->click();
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_EQ(printout("Alpha").lines, indented(lines(form.List1)));
}
