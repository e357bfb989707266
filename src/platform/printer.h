#pragma once

#include <QString>
#include <QStringList>

// The printer system: the installed printers (through Qt's print support, which asks CUPS), the
// program's current printer and its font, and text documents printed line by line.
namespace vx::platform {

// Device names of the installed printers, in the order the printer system lists them.
QStringList InstalledPrinterNames();

// Makes the named printer current. False when no installed printer has that name.
bool SetCurrentPrinter(const QString &deviceName);
QString CurrentPrinterName(); // empty while there is none
void ClearCurrentPrinter();

// The font of the current printer. False (and nothing changes) when there is no usable printer.
bool SetPrinterFont(const QString &family, double pointSize);
QString PrinterFontFamily();
double PrinterFontSize();

// A document on the current printer, written line by line from the top of the printable area in
// the printer's font (a full page moves on to the next), or with lines and text placed anywhere
// on the paper. The pages are laid out in a temporary file and handed to the printer system as
// one job when end() runs, so a printer that refuses the job is reported there. A document that
// is never ended (or is aborted) prints nothing.
class PrintDocument
{
public:
    PrintDocument();
    ~PrintDocument(); // aborts a document that was not ended
    PrintDocument(const PrintDocument &) = delete;
    PrintDocument &operator=(const PrintDocument &) = delete;

    bool begin(); // false when no printer can be used
    bool printLine(const QString &text); // false on a printer error

    // Placement, measured from the top-left corner of the paper (not of the printable area), in
    // millimetres or in twips. Text is placed by the top-left corner of its line, in the
    // printer's font; lines end exactly at their end points.
    bool drawLine(double x1Mm, double y1Mm, double x2Mm, double y2Mm);
    bool drawLineTwips(int x1, int y1, int x2, int y2);
    bool placeText(double xMm, double yMm, const QString &text);
    void setLineWidth(double millimetres); // 0, the start: the thinnest line the printer draws
    bool newPage(); // ends the page; the next line printed goes at the top of the next one

    bool end(); // sends the job; false when it could not be sent
    void abort(); // drops the document unsent
    int jobId() const; // the printer system's number of the sent job, 0 before
    QString errorString() const;

private:
    struct Impl;
    Impl *d;
};

} // namespace vx::platform
