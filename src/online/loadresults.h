#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace vx {

// A results file obtained elsewhere and the history file it replaces, both by file name.
struct DownloadedResultsFile {
    QString source; // in the folder the player shows
    QString target; // in the application folder
};

// The downloaded files the program knows, in the order they are copied.
const std::array<DownloadedResultsFile, 4> &downloadedResultsFiles();

// What loading the downloaded files did.
struct LoadedResults {
    QStringList copied; // target names replaced, in order
    QStringList messages; // one for every file that was found but not copied
};

// Copies every downloaded file found in sourceFolder over its history file in appFolder. A missing
// file is skipped without a word; one that cannot be read, is no sound history file (validateHistory) or cannot be
// written is reported and leaves its history file byte for byte as it was. Each target is replaced
// only once its new bytes are wholly written.
LoadedResults loadDownloadedResults(const QString &sourceFolder, const QString &appFolder);

} // namespace vx
