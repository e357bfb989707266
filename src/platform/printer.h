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

// The font of the current printer. False (and nothing changes) when there is no usable printer.
bool SetPrinterFont(const QString &family, double pointSize);
QString PrinterFontFamily();
double PrinterFontSize();

// A document on the current printer, written line by line from the top of the page in the
// printer's font; a full page moves on to the next. The document is sent when end() runs.
class PrintDocument
{
public:
    PrintDocument();
    ~PrintDocument();
    PrintDocument(const PrintDocument &) = delete;
    PrintDocument &operator=(const PrintDocument &) = delete;

    bool begin();                          // false when no printer can be used
    bool printLine(const QString &text);   // false on a printer error
    bool end();                            // ends the document; false on a printer error
    QString errorString() const;

private:
    struct Impl;
    Impl *d;
};

} // namespace vx::platform
