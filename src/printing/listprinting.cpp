#include "printing/listprinting.h"

#include "platform/busycursor.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "printing/printers.h"

namespace vx {

namespace {
constexpr int BlankLinesAbove = 3;
constexpr int Indent = 16;
} // namespace

QStringList ListPrintout(const QStringList &listLines)
{
    QStringList out;
    out.reserve(BlankLinesAbove + listLines.size());
    for (int i = 0; i < BlankLinesAbove; ++i)
        out << QString();
    const QString indent(Indent, QLatin1Char(' '));
    for (const QString &line : listLines)
        out << indent + line;
    return out;
}

bool PrintList(const QStringList &listLines, QString *error)
{
    SetPrinterFont();
    platform::PrintDocument document;
    bool ok = document.begin();
    const QStringList printout = ListPrintout(listLines);
    for (qsizetype i = 0; ok && i < printout.size(); ++i)
        ok = document.printLine(printout.at(i));
    if (ok)
        ok = document.end();
    else
        document.abort();
    if (!ok && error)
        *error = document.errorString();
    return ok;
}

bool PrintListCommand(const QStringList &listLines)
{
    if (listLines.isEmpty()) {
        platform::MsgBox(QStringLiteral("There is no list to print!"));
        return false;
    }
    platform::BusyCursor busy;
    QString error;
    const bool printed = PrintList(listLines, &error);
    busy.restore();
    if (!printed)
        platform::MsgBox(QStringLiteral("The list could not be printed.\n\n%1").arg(error));
    return printed;
}

} // namespace vx
