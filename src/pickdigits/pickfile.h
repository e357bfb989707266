#pragma once

#include "gamedata/countedfile.h"
#include "gamedata/numbersfile.h"
#include "gamedata/recordfile.h"
#include "pickdigits/picklines.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace vx {

// The 12-byte record of Pick3.lot and Pick4.lot: the number of lines (meaningful in record 1),
// then the digits d1 to d4 of one line. Records 1 to the count are the lines; record 1 is both the
// first line and the holder of the count.
struct PickRecord {
    static constexpr int Size = 12;

    int32_t count = 0;
    PickLine digits {};

    static PickRecord fromBytes(const char *bytes);
    void toBytes(char *bytes) const;
    QByteArray toBytes() const;
    bool operator==(const PickRecord &) const = default;
};

// "Pick3.lot" or "Pick4.lot" (the name only; dataPath() puts it in the application folder).
QString pickFileName(int pickType);

// A Pick3.lot or Pick4.lot opened for random access, records as stored. Opening a missing file
// creates it empty, as every random-access file of the program does; readPickFile() below does
// not open a missing file at all.
using PickFile = CountedRecordFile<PickRecord, MaxPickLines>;

// A whole list read for the Pick 3 / Pick 4 window: the sound lines in file order, and what was
// found wrong with the rest.
struct PickFileRead {
    bool readable = true; // false: the file is there but could not be read
    QString error; // why it could not be read
    int32_t declaredCount = 0;
    qint64 recordsOnDisk = 0;
    bool countDamaged = false; // the count is negative, too large or beyond the file
    int badLines = 0; // lines within the count holding digits outside 0 to 9, left out
    std::vector<PickLine> lines;

    bool damaged() const { return countDamaged || badLines > 0; }
};

// Reads the lines of a pick file. A missing file reads as empty and is not created. A count
// beyond the file gives the lines the file holds; a negative count, which says nothing, gives
// every whole record of the file; lines with digits outside 0 to 9 are left out.
PickFileRead readPickFile(const QString &path, int pickType);

// What a damaged read means for the player.
QString damagedPickFileMessage(const QString &path, const PickFileRead &read);

// Writes the lines as the whole file: record k holds line k, record 1 also the count; a Pick 3
// line's d4 is written as 0. An empty list is one record of zeros. The file is replaced only once
// everything is written, so a failed save leaves the old file as it was.
FileResult writePickFile(const QString &path, int pickType, const std::vector<PickLine> &lines);

} // namespace vx
