#pragma once

#include "platform/httptransfer.h"

#include <QString>
#include <QVersionNumber>
#include <functional>

namespace vx::online {

// The version of this program.
QVersionNumber programVersion();

// What the update check shows while it waits on the server.
struct UpgradeProgress {
    std::function<void(const QString &what)> waiting; // a transfer starts: what it fetches
    std::function<void(qint64 received, qint64 expected)> received; // expected 0: not known
};

// Checks the download server for a newer version and, when the player agrees, downloads the
// updater nxupd.exe into the application folder and starts it, but only when the signature in the
// version file verifies, against the program's built-in public key, over the version offered and
// the digest of the updater that arrived (and that digest is the version file's). The updater is
// written to disk as it arrives and never held in memory whole. A version file without a signature
// is refused before anything is downloaded. True when the updater has started and the program must
// end; in every other case the player has been told why and nothing of the player's data has
// changed. The transfers go through http, whose cancel() stops the check.
bool checkForUpgrade(const QString &appFolder, platform::HttpTransfer &http, const UpgradeProgress &progress = {});

// Test seam: refuses updaters larger than this many bytes instead of the usual 256 MiB; 0 undoes it.
void SetMaxUpdaterBytesForTesting(qint64 maxBytes);

} // namespace vx::online
