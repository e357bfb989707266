#pragma once

#include "gamedata/numbersfile.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

namespace vx {

// A number as two digits, a "0" in front below 10.
QString twoDigits(int number);

// The entry list's line of an entry: every main number above 0 as two digits and a space, then
// for each extra above 0 the tag, a space and two digits (a space after the first extra only).
QString entryLineText(const std::array<int16_t, 9> &numbers, const QString &tag);

// The winning-lines list's line: mains 1 to 3 always, 4 to 6 when above 0 (two digits and a
// space each), main 7 when above 0 without a space, the extra when above 0 as the tag, a space and
// two digits, then the suffix.
QString checkedLineText(const std::array<int16_t, 7> &mains, int16_t extra, const QString &suffix, const QString &tag);

// The entry list's lines of every entry of an entry file, made straight from the records as they lie
// in the file. damage receives the message for a damaged file, empty when it is sound.
FileResult readEntryLines(const QString &entryPath, const QString &tag, QStringList *lines, QString *damage);

} // namespace vx
