#include "gamedata/sharedstate.h"
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

// Readable failure output for lines of text.
void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

using namespace vx;
using namespace vx::test;

namespace {
const bool scheduler = UseCupsScheduler({ QStringLiteral("Alpha"), QStringLiteral("Beta") });
const QString Alpha = QStringLiteral("Alpha");
const QString Beta = QStringLiteral("Beta");
constexpr int PrintTimeoutMs = 60000;
// The advance of a 10-point character of the list font, in points.
constexpr double CharacterWidth = 6.0;

// What a list printout looks like on paper.
struct Printout {
    QStringList lines; // text lines of every page, read from the printable area's left edge
    QList<double> blankLinesAbove; // per page: the space above its first line, in lines
    int pages = 0;
};

class TwoPrintersTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        ASSERT_TRUE(cups().running()) << "the private CUPS scheduler is not running";
        for (const QString &queue : cups().queues())
            cups().removeOutput(queue);
    }

    static CupsScheduler &cups() { return CupsEnvironment::scheduler(); }

    // Game 1 "Lotto" (five of 69 and a PB of 26) with `count` entries dated today.
    void prepareEntries(int count)
    {
        writeGame(folder, 1, makeGame(QStringLiteral("Lotto"), 5, 1, 69, 0, 26, 1, QStringLiteral("PB")));
        std::vector<NumbersRecord> entries;
        for (int i = 0; i < count; ++i)
            entries.push_back(i == 0 ? entryRecord({ 3, 15, 22, 31, 40 }, 7)
                                     : entryRecord({ 1 + i % 60, 61 + i % 5, 66, 67, 68 }, 1 + i % 26));
        const QDate today = QDate::currentDate();
        const QString month = QLocale::c().monthName(today.month(), QLocale::ShortFormat).toUpper();
        writeNumbersFile(folder.file(QStringLiteral("Lotto%1%2%3.lot")
                                         .arg(today.day(), 2, 10, QLatin1Char('0'))
                                         .arg(month)
                                         .arg(today.year())),
            entries);
    }

    // The printout of a queue, once its job has finished. Lines are read inside the printer's
    // printable area, where the program's lines start, in columns of the list font's width.
    static Printout printout(const QString &queue)
    {
        Printout result;
        QString error;
        EXPECT_TRUE(cups().waitForPrintout(queue, PrintTimeoutMs, &error)) << error.toStdString();
        const QString pdf = cups().outputFile(queue);

        const QPageLayout layout = QPrinter(QPrinterInfo::printerInfo(queue)).pageLayout();
        const QRectF area = layout.paintRect(QPageLayout::Point);
        const QString text = pdfText(pdf,
            { QStringLiteral("-fixed"), QString::number(CharacterWidth), //
                QStringLiteral("-x"), QString::number(std::lround(area.left())), QStringLiteral("-y"),
                QString::number(std::lround(area.top())), QStringLiteral("-W"),
                QString::number(std::lround(area.width())), QStringLiteral("-H"),
                QString::number(std::lround(area.height())) });
        for (QString line : text.split(QLatin1Char('\n'))) {
            line.remove(QLatin1Char('\f'));
            if (!line.isEmpty())
                result.lines << line;
        }

        // Word positions, page by page: the top of each page's first line against the top of
        // the printable area, in line pitches.
        static const QRegularExpression word(QStringLiteral("<page |<word xMin=\"[0-9.]+\" yMin=\"([0-9.]+)\""));
        QList<QList<double>> tops;
        for (const QRegularExpressionMatch &m : word.globalMatch(pdfBoxes(pdf))) {
            if (m.captured(1).isEmpty())
                tops.append(QList<double>());
            else if (tops.isEmpty() || tops.last().isEmpty() || tops.last().last() != m.captured(1).toDouble())
                tops.last().append(m.captured(1).toDouble());
        }
        result.pages = static_cast<int>(tops.size());
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

TEST_F(TwoPrintersTest, LookupPrefersTheSavedPrinterAndOtherwiseTakesTheLast)
{
    // The program sees exactly this test's scheduler.
    ASSERT_EQ(platform::InstalledPrinterNames(), QStringList({ Alpha, Beta }));

    // No print.dat: it is created empty, and the last printer is current.
    EXPECT_TRUE(SelectSavedPrinter());
    EXPECT_EQ(platform::CurrentPrinterName(), Beta);
    ASSERT_TRUE(folder.exists(QStringLiteral("print.dat")));
    EXPECT_TRUE(folder.bytes(QStringLiteral("print.dat")).isEmpty());

    ASSERT_TRUE(SavePrinterName(Alpha));
    EXPECT_TRUE(SelectSavedPrinter());
    EXPECT_EQ(platform::CurrentPrinterName(), Alpha);

    // Names are compared exactly.
    for (const QString &saved : { QStringLiteral("alpha"), QStringLiteral("Gamma") }) {
        ASSERT_TRUE(SavePrinterName(saved));
        EXPECT_TRUE(SelectSavedPrinter());
        EXPECT_EQ(platform::CurrentPrinterName(), Beta) << saved.toStdString();
    }
    EXPECT_TRUE(platform::MessageScript::shown().isEmpty());
}

TEST_F(TwoPrintersTest, StartUpMakesTheSavedPrinterCurrentAndEnablesPrinting)
{
    prepareEntries(1);
    ASSERT_TRUE(SavePrinterName(Alpha));
    Form1 &form = start();
    EXPECT_TRUE(platform::MessageScript::shown().isEmpty());
    EXPECT_TRUE(PrintingEnabled);
    EXPECT_EQ(platform::CurrentPrinterName(), Alpha);
    EXPECT_TRUE(form.Command9->isEnabled());
    EXPECT_TRUE(form.Command10->isEnabled());
    EXPECT_TRUE(form.mnuTicketPrinting->menuAction()->isEnabled());
}

TEST_F(TwoPrintersTest, PrintingTheEntriesPutsEveryLineUnderThreeEmptyLinesSixteenSpacesIn)
{
    prepareEntries(120); // more than one page
    ASSERT_TRUE(SavePrinterName(Alpha));
    Form1 &form = start();
    const QStringList entries = lines(form.List1);
    ASSERT_EQ(entries.size(), 120);
    ASSERT_EQ(entries.first(), QStringLiteral("03 15 22 31 40 PB 07 "));

    form.Command9->click();
    EXPECT_TRUE(platform::MessageScript::shown().isEmpty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    const Printout paper = printout(Alpha);
    EXPECT_EQ(paper.lines, indented(entries));
    ASSERT_GE(paper.pages, 2);
    EXPECT_NEAR(paper.blankLinesAbove.first(), 3.0, 0.25);
    EXPECT_NEAR(paper.blankLinesAbove.at(1), 0.0, 0.25); // the next page goes on at its top
    EXPECT_FALSE(QFile::exists(cups().outputFile(Beta)));

    const QString fonts = pdfFonts(cups().outputFile(Alpha));
    EXPECT_TRUE(fonts.contains(QStringLiteral("Mono")) || fonts.contains(QStringLiteral("Courier")))
        << "the list is not printed in a fixed-pitch font:\n"
        << fonts.toStdString();
    EXPECT_EQ(form.List1->count(), 120);
}

TEST_F(TwoPrintersTest, PrintingTheWinningLinesGoesToTheLastPrinterWhenTheSavedOneIsGone)
{
    prepareEntries(3);
    // Today's draw, which start-up checks the listed entries against: two of them win.
    const QDate today = QDate::currentDate();
    writeNumbersFile(folder.file(QStringLiteral("Lotto.rtl")),
        { drawRecord(today.year(), today.month(), today.day(), { 3, 15, 66, 67, 68 }, { 2 }) }, true);
    ASSERT_TRUE(SavePrinterName(QStringLiteral("Removed Printer")));
    Form1 &form = start();
    ASSERT_EQ(platform::CurrentPrinterName(), Beta);
    const QStringList wins = lines(form.List2);
    ASSERT_EQ(
        wins, QStringList({ QStringLiteral("02 62 66 67 68 PB 02(3+PB)"), QStringLiteral("03 63 66 67 68 PB 03(4)") }));

    form.Command10->click();
    EXPECT_TRUE(platform::MessageScript::shown().isEmpty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    const Printout paper = printout(Beta);
    EXPECT_EQ(paper.lines, indented(wins));
    EXPECT_EQ(paper.pages, 1);
    EXPECT_NEAR(paper.blankLinesAbove.first(), 3.0, 0.25);
    EXPECT_FALSE(QFile::exists(cups().outputFile(Alpha)));
}

TEST_F(TwoPrintersTest, AnEmptyListIsNotPrinted)
{
    prepareEntries(0);
    Form1 &form = start();
    ASSERT_EQ(form.List1->count(), 0);
    ASSERT_EQ(form.List2->count(), 0);
    const int jobsBefore = cups().jobsTaken();
    ASSERT_GE(jobsBefore, 0);

    form.Command9->click();
    form.Command10->click();
    EXPECT_EQ(platform::MessageScript::shown(),
        QStringList({ QStringLiteral("There is no list to print!"), QStringLiteral("There is no list to print!") }));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(cups().jobsTaken(), jobsBefore);
}

TEST_F(TwoPrintersTest, APrinterThatRefusesTheJobIsReportedAndThePointerRestored)
{
    prepareEntries(3);
    ASSERT_TRUE(SavePrinterName(Alpha));
    Form1 &form = start();
    QString error;
    ASSERT_TRUE(cups().setAccepting(Alpha, false, &error)) << error.toStdString();
    struct Reaccept {
        ~Reaccept() { cups().setAccepting(Alpha, true, nullptr); }
    } reaccept;

    form.Command9->click();
    ASSERT_EQ(platform::MessageScript::shown().size(), 1);
    const QString message = platform::MessageScript::last();
    EXPECT_TRUE(message.startsWith(QStringLiteral("The list could not be printed."))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("not accepting"))) << message.toStdString();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(form.List1->count(), 3);

    // Once the printer takes jobs again, the same button prints.
    ASSERT_TRUE(cups().setAccepting(Alpha, true, &error)) << error.toStdString();
    platform::MessageScript::clear();
    form.Command9->click();
    EXPECT_TRUE(platform::MessageScript::shown().isEmpty());
    EXPECT_EQ(printout(Alpha).lines, indented(lines(form.List1)));
}
