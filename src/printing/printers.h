#pragma once

#include <QString>
#include <QStringList>

namespace vx {

// The printer the player chose is kept in print.dat in the application folder: one record of
// 255 characters, space-padded. At start-up the saved printer is made current again, or the last
// installed printer when the saved one is gone. False (after a message) when no printer exists.
bool SelectSavedPrinter(const QString &appFolder);

// Sets the current printer's font for printing lists: "Courier New", 10 points. Without a usable
// printer nothing changes and nothing is said.
void SetPrinterFont();

// The name saved in print.dat, trimmed; empty when none. Stores a name there; a store that fails
// leaves the file as it was, or none where it would be empty.
QString SavedPrinterName(const QString &appFolder);
bool SavePrinterName(const QString &appFolder, const QString &deviceName, QString *error = nullptr);

} // namespace vx
