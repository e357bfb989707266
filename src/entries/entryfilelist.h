#pragma once

#include "gamedata/numbersfile.h"

#include <QString>
#include <QStringList>

namespace vx {

// The entry files of a folder as the file deletion window lists them: every file whose name ends
// in ".lot" (in any case), sorted by name without regard to case (capitals first among names
// that differ only in case).
QStringList entryFileNames(const QString &folder);

// The contents line of one entry of a lotto entry file: Main 1 to 3 always and Main 4 to 7 when
// above 0, each as two digits and a blank; then "PB " and the first extra, and a blank and the
// second extra, each when above 0. The marker is "PB " whatever the game's own tag.
QString entryContentsLine(const NumbersRecord &record);

// What the file deletion window shows of a file.
struct EntryFileContents {
    QStringList lines;
    QString message; // what was left out or could not be read, for the player; empty when all is well
};

// The contents of a file of the folder. "Pick3.lot" and "Pick4.lot" (exactly so) are daily-number
// files: the lines the Pick 3 / Pick 4 window shows of them, as digits joined by blanks. Any other
// file is a lotto entry file, listed from record 1 up to the first record whose first main number is
// 0 or the end of the file, whatever its count says, so records a deletion left past the count show
// too. A missing file shows nothing and is not created.
EntryFileContents readEntryFileContents(const QString &folder, const QString &fileName);

} // namespace vx
