#pragma once

#include <QFile>
#include <QString>

// Opening a file for reading only when it is a regular file. Opened the ordinary way, a named pipe
// makes the program wait until some other program writes to it, and a device may never end; a file
// read from a folder the player can fill is therefore opened without waiting and refused unless it
// is a regular file. The check is made on what was opened, so that nothing can put a pipe in the
// file's place between a check and the opening.
namespace vx::platform {

enum class RegularFileOpen {
    Opened,
    Missing, // nothing is there
    NotRegular, // a folder, a named pipe, a device or a socket
    Failed, // the system refused to open it
};

// Opens the file at path for reading in `file`, which must not be open yet; `file` closes it. When
// the system refuses, *error receives its words.
RegularFileOpen openRegularFile(const QString &path, QFile *file, QString *error);

} // namespace vx::platform
