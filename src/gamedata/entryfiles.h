#pragma once

#include "gamedata/sharedstate.h"

#include <QDate>
#include <QString>

namespace vx {

// File names of a game's numbers files (names only; dataPath() puts them in the application folder).
QString historyFileName(const QString &gameName); // Name.rtl
QString datedEntryFileName(
    const QString &gameName, const QDate &date, const MonthNameTable &monthNames); // Name05NOV2005.lot
QString standingEntryFileName(const QString &gameName); // StandName.lot
QString wheelEntryFileName(const QString &gameName, const QString &suffix); // Name-6-5-3.lot

// What an entry file holds, told from its file name alone (never from the folder it lies in):
// a name holding "Stand" is the standing entry, one holding a hyphen a wheel, any other dated.
enum class EntryFileKind { Dated, Standing, Wheel };
EntryFileKind entryFileKind(const QString &path);
// A hyphen in the file name marks a wheel, whatever else the name holds.
bool namesWheelFile(const QString &path);

// Deletes the entry file when its count is 0. A missing file is not created, and a file whose
// count is damaged (negative) is kept, as it may still hold entries.
void DeleteEmptyEntryFile(const QString &entryFile);

} // namespace vx
