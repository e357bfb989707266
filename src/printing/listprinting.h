#pragma once

#include <QString>
#include <QStringList>

namespace vx {

// The lines of a printed list: three empty lines, then every line of the list in order, each
// indented by sixteen spaces.
QStringList ListPrintout(const QStringList &listLines);

// Prints a list on the current printer in the list font (SetPrinterFont). False, with the reason
// in *error, when the printout could not be made or the printer did not take it; nothing of a
// failed printout is sent.
bool PrintList(const QStringList &listLines, QString *error = nullptr);

// What a window's list "Print" button does: "There is no list to print!" for an empty list;
// otherwise the hourglass while the list prints, and a message when printing fails. True when
// the list went to the printer.
bool PrintListCommand(const QStringList &listLines);

} // namespace vx
