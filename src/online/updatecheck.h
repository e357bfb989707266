#pragma once

#include <QString>
#include <QVersionNumber>

namespace vx::online {

// The version of this program.
QVersionNumber programVersion();

// Checks the download server for a newer version and, when the player agrees, downloads the
// updater nxupd.exe into the application folder, checks it against the digest in the version file
// and starts it. True when the updater has started and the program must end; in every other case
// the player has been told why and nothing of the player's data has changed.
bool checkForUpgrade(const QString &appFolder);

} // namespace vx::online
