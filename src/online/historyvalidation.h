#pragma once

#include <QByteArray>
#include <QString>

namespace vx {

// Whether bytes that came from outside the program (a downloaded results file, one the player
// obtained elsewhere) make a history file the program can take as it is: whole 30-byte records, a
// count in record 1 from 1 to the records held, real dates in ascending order, and in every counted
// record the same number (3 to 7) of distinct main numbers from 1 to 60 followed by zeros, with
// extra numbers from 0 to 60. The results downloader and the loading of downloaded results both go
// by it.
struct HistoryValidation {
    bool ok = false;
    int count = 0; // the number of results, when ok
    QString problem; // what is wrong, for the player, naming the file, when not ok
};

HistoryValidation validateHistory(const QByteArray &bytes, const QString &name);

} // namespace vx
