#pragma once

#include <QList>
#include <QStringList>

namespace vx::test {

// Runs a private CUPS scheduler from before the first test of this program to after the last (call
// once, from a test file's static scope): its files in a temporary folder, listening only on a
// socket there, each queue printing through the generic PDF driver into a file. CUPS_SERVER points
// at it before Qt or the CUPS library read it. When it cannot run, the program fails.
bool UseCupsScheduler(const QStringList &queues);

// Runs a tool (lpstat, cupsreject, pdftotext...) to completion and gives its standard output.
// Without exitCode, a tool that cannot run or fails fails the test.
QString runTool(const QString &tool, const QStringList &arguments, int *exitCode = nullptr);

QString printoutFile(const QString &queue);
// Waits until the queue has no unfinished job and its file holds a whole document. False, with the
// jobs left and the scheduler's log, on a timeout or when the scheduler has ended.
bool waitForPrintout(const QString &queue, QString *error);

// A PDF's words in reading order, each page opened by an entry without text; x and y are a word's
// top-left corner in points from the paper's corner.
struct PdfWord {
    int page;
    double x, y;
    QString text;
};
QList<PdfWord> pdfWords(const QString &pdf);

} // namespace vx::test
