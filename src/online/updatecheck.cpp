#include "online/updatecheck.h"

#include "gamedata/filemessages.h"
#include "gamedata/recordfile.h"
#include "gamedata/sharedstate.h"
#include "online/onlineservices.h"
#include "online/updatesignature.h"
#include "online/versionfile.h"
#include "platform/busycursor.h"
#include "platform/desktop.h"
#include "platform/messages.h"

#include <QCryptographicHash>
#include <QFile>

namespace vx::online {

namespace {
// The version file is three short lines; an updater is a program of a few megabytes.
constexpr qint64 MaxVersionFileBytes = 4096;
constexpr qint64 MaxUpdaterBytes = qint64(256) * 1024 * 1024;
} // namespace

QVersionNumber programVersion()
{
    return QVersionNumber::fromString(QStringLiteral(VX_PROGRAM_VERSION));
}

bool checkForUpgrade(const QString &appFolder, platform::HttpTransfer &http, const UpgradeProgress &progress)
{
    if (networkConnection() == Connection::Offline) {
        platform::MsgBox(NoConnectionMessage);
        return false;
    }
    // The hourglass while the server is waited on, gone before any message.
    const auto fetchShown = [&](const QString &what, const QString &path, qint64 maxBytes) {
        if (progress.waiting)
            progress.waiting(what);
        platform::BusyCursor busy;
        return fetch(http, serverUrl(path), maxBytes, progress.received);
    };
    const Fetched fetched = fetchShown(
        QStringLiteral("Checking for a newer version..."), QStringLiteral("/CNXversion.rtl"), MaxVersionFileBytes);
    if (fetched.outcome != Fetched::Outcome::Complete) {
        platform::MsgBox(sentences({QStringLiteral("The check for a newer version failed"), fetched.problem}));
        return false;
    }
    const VersionFileRead read = readVersionFile(fetched.body);
    if (!read.file) {
        platform::MsgBox(QStringLiteral("The version file on the server cannot be read: %1").arg(read.problem));
        return false;
    }
    const QVersionNumber current = programVersion();
    if (!isNewerVersion(read.file->version, current)) {
        platform::MsgBox(QStringLiteral("You have the latest version (%1).").arg(current.toString()));
        return false;
    }
    // Plain HTTP can be tampered with on the way, the version file as much as the updater: only an
    // updater the maker signed is run, and no other one is left behind to be started by mistake.
    const QString path = dataPath(appFolder, QStringLiteral("nxupd.exe"));
    if (read.file->updaterSignature.isEmpty()) {
        QFile::remove(path);
        platform::MsgBox(QStringLiteral("The version file on the server carries no signature for version %1, so its "
                                        "updater cannot be trusted. Nothing was downloaded or started.")
                             .arg(read.file->version.toString()));
        return false;
    }
    if (!platform::AskYesNo(QStringLiteral("Version %1 is available; this is version %2. Download and install it now? "
                                           "The program will close while the new version installs.")
                                .arg(read.file->version.toString(), current.toString())))
        return false;

    const Fetched updater = fetchShown(QStringLiteral("Downloading version %1...").arg(read.file->version.toString()),
        QStringLiteral("/nxupd.exe"), MaxUpdaterBytes);
    if (updater.outcome != Fetched::Outcome::Complete) {
        platform::MsgBox(sentences({QStringLiteral("The download of the new version failed"), updater.problem}));
        return false;
    }
    if (!updaterSignatureVerifies(updater.body, read.file->updaterSignature, updatePublicKey())) {
        QFile::remove(path);
        platform::MsgBox(QStringLiteral("The downloaded updater does not carry the signature of this program's maker: "
                                        "it may have been damaged or tampered with on the way. It has been deleted and "
                                        "was not started."));
        return false;
    }
    if (QCryptographicHash::hash(updater.body, QCryptographicHash::Sha256) != read.file->updaterSha256) {
        QFile::remove(path);
        platform::MsgBox(QStringLiteral("The downloaded updater is not the one the version file describes: it may have "
                                        "been damaged or tampered with on the way. It has been deleted and was not "
                                        "started."));
        return false;
    }
    QString error;
    if (!saveWholeFile(path, updater.body, &error)) {
        platform::MsgBox(sentences({QStringLiteral("The updater could not be saved"), cannotWriteFile(path, error)}));
        return false;
    }
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner | QFile::ExeUser);
    if (!platform::StartProgram(path)) {
        platform::MsgBox(QStringLiteral("The updater %1 cannot be started.").arg(path));
        return false;
    }
    return true;
}

} // namespace vx::online
