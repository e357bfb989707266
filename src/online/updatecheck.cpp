#include "online/updatecheck.h"

#include "gamedata/filemessages.h"
#include "gamedata/sharedstate.h"
#include "online/onlineservices.h"
#include "online/updatesignature.h"
#include "online/versionfile.h"
#include "platform/busycursor.h"
#include "platform/desktop.h"
#include "platform/messages.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSaveFile>

namespace vx::online {

namespace {
// The version file is three short lines; an updater is a program of a few megabytes.
constexpr qint64 MaxVersionFileBytes = 4096;
constexpr qint64 MaxUpdaterBytes = qint64(256) * 1024 * 1024;
qint64 &updaterCapForTesting()
{
    static qint64 cap = 0;
    return cap;
}
} // namespace

QVersionNumber programVersion()
{
    return QVersionNumber::fromString(QStringLiteral(VX_PROGRAM_VERSION));
}

void SetMaxUpdaterBytesForTesting(qint64 maxBytes)
{
    updaterCapForTesting() = maxBytes;
}

bool checkForUpgrade(const QString &appFolder, platform::HttpTransfer &http, const UpgradeProgress &progress)
{
    if (networkConnection() == Connection::Offline) {
        platform::MsgBox(NoConnectionMessage);
        return false;
    }
    // The hourglass while the server is waited on, gone before any message.
    const auto shown = [&](const QString &what, const auto &transfer) {
        if (progress.waiting)
            progress.waiting(what);
        platform::BusyCursor busy;
        return transfer();
    };
    const Fetched fetched = shown(QStringLiteral("Checking for a newer version..."), [&] {
        return fetch(http, serverUrl(QStringLiteral("/CNXversion.rtl")), MaxVersionFileBytes, progress.received);
    });
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

    // The updater goes to disk as it arrives, beside its final name, its digest taken on the way, so
    // that it is never held in memory whole. It takes its name only once its signature and digest
    // hold; a failed or refused one is discarded when `updater` goes, uncommitted.
    QSaveFile updater(path);
    const auto cannotSave = [&] {
        platform::MsgBox(sentences(
            {QStringLiteral("The updater could not be saved"), cannotWriteFile(path, updater.errorString())}));
        return false;
    };
    if (!updater.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return cannotSave();
    QCryptographicHash digest(QCryptographicHash::Sha256);
    bool writeFailed = false;
    const auto writeUpdater = [&](const QByteArray &piece, QString *) {
        digest.addData(piece);
        writeFailed = updater.write(piece) != piece.size();
        return !writeFailed;
    };
    const qint64 maxBytes = updaterCapForTesting() > 0 ? updaterCapForTesting() : MaxUpdaterBytes;
    const Transferred downloaded
        = shown(QStringLiteral("Downloading version %1...").arg(read.file->version.toString()), [&] {
              return fetchTo(http, serverUrl(QStringLiteral("/nxupd.exe")), maxBytes, writeUpdater, progress.received);
          });
    if (writeFailed)
        return cannotSave();
    if (downloaded.outcome != Transferred::Outcome::Complete) {
        platform::MsgBox(sentences({QStringLiteral("The download of the new version failed"), downloaded.problem}));
        return false;
    }
    // The maker signs the version together with the updater's digest, so an older updater the maker
    // signed cannot be offered as a newer version.
    const QByteArray arrivedSha256 = digest.result();
    if (!updaterSignatureVerifies(
            versionFileSignedText(read.file->version, arrivedSha256), read.file->updaterSignature, updatePublicKey())) {
        QFile::remove(path);
        platform::MsgBox(QStringLiteral("The downloaded updater does not carry the signature of this program's maker: "
                                        "it may have been damaged or tampered with on the way. It has been deleted and "
                                        "was not started."));
        return false;
    }
    if (arrivedSha256 != read.file->updaterSha256) {
        QFile::remove(path);
        platform::MsgBox(QStringLiteral("The downloaded updater is not the one the version file describes: it may have "
                                        "been damaged or tampered with on the way. It has been deleted and was not "
                                        "started."));
        return false;
    }
    if (!updater.commit())
        return cannotSave();
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner | QFile::ExeUser);
    if (!platform::StartProgram(path)) {
        platform::MsgBox(QStringLiteral("The updater %1 cannot be started.").arg(path));
        return false;
    }
    return true;
}

} // namespace vx::online
