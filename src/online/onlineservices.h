#pragma once

#include "platform/httptransfer.h"

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

// What the results downloader and the update check share: where the download server is, whether
// the machine is online, and one transfer run to its end.
namespace vx::online {

// The download server. Result histories are /dwnld/NXL<game>.rtl, the version file
// /CNXversion.rtl and the updater /nxupd.exe.
inline constexpr char DownloadServer[] = "http://downloads.vexmora.net";

// The URL of a path on the download server.
QUrl serverUrl(const QString &path);
// Test seam: points every download at another server (a loopback one); an empty URL undoes it.
void SetDownloadServerForTesting(const QUrl &server);

// Whether the machine has a network connection, as far as the system's network information
// tells; Unknown where it has no answer (the transfer's own error then tells).
enum class Connection { Online, Offline, Unknown };
Connection networkConnection();
void SetConnectionForTesting(std::optional<Connection> connection); // none: ask the system again

inline const QString NoConnectionMessage
    = QStringLiteral("This computer is not connected to a network. Connect it to the Internet, then try again.");

// A GET run to its end while the message loop goes on (so the window stays live and Cancel, which
// cancels the transfer, works).
struct Transferred {
    enum class Outcome { Complete, Failed, Cancelled };
    Outcome outcome = Outcome::Failed;
    QString problem; // why it failed, for the player
};
// Takes the next piece of the body as it arrives; false, with the reason for the player, stops the
// transfer.
using BodySink = std::function<bool(const QByteArray &piece, QString *problem)>;
using FetchProgress = std::function<void(qint64 received, qint64 expected)>;
// Hands the body to sink piece by piece as it arrives, so that nothing holds it whole. progress gets
// the bytes received so far and the Content-length (0 when the server gave none) after each
// arrival. A body longer than maxBytes fails as soon as that shows, before the sink is given more
// than maxBytes (at once when the Content-length says so); so does a body shorter than its
// Content-length, after the sink has had it.
Transferred fetchTo(platform::HttpTransfer &http, const QUrl &url, qint64 maxBytes, const BodySink &sink,
    const FetchProgress &progress = {});

// The same, for a small file: the body collected in memory (empty unless Complete).
struct Fetched : Transferred {
    QByteArray body;
};
Fetched fetch(platform::HttpTransfer &http, const QUrl &url, qint64 maxBytes, const FetchProgress &progress = {});

} // namespace vx::online
