#pragma once

#include <QDate>
#include <QString>

namespace vx {

// File names of a game's numbers files (names only; dataPath() puts them in the application folder).
QString historyFileName(const QString &gameName); // Name.rtl
QString datedEntryFileName(const QString &gameName, const QDate &date); // Name05NOV2005.lot
QString standingEntryFileName(const QString &gameName); // StandName.lot
QString wheelEntryFileName(const QString &gameName, const QString &suffix); // Name-6-5-3.lot

// Deletes the entry file named by EntryFile when its count is 0. A missing file is not created,
// and a file whose count is damaged (negative) is kept, as it may still hold entries.
void DeleteEmptyEntryFile();

} // namespace vx
