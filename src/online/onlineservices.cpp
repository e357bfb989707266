#include "online/onlineservices.h"

#include "gamedata/filemessages.h"

#include <QEventLoop>
#include <QNetworkInformation>

namespace vx::online {

namespace {
QUrl &testServer()
{
    static QUrl server;
    return server;
}
std::optional<Connection> &testConnection()
{
    static std::optional<Connection> connection;
    return connection;
}
} // namespace

QUrl serverUrl(const QString &path)
{
    QUrl url = testServer().isEmpty() ? QUrl(QString::fromLatin1(DownloadServer)) : testServer();
    url.setPath(path);
    return url;
}

void SetDownloadServerForTesting(const QUrl &server)
{
    testServer() = server;
}

Connection networkConnection()
{
    if (testConnection())
        return *testConnection();
    if (!QNetworkInformation::instance()
        && !QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability))
        return Connection::Unknown;
    switch (QNetworkInformation::instance()->reachability()) {
    case QNetworkInformation::Reachability::Disconnected:
        return Connection::Offline;
    case QNetworkInformation::Reachability::Unknown:
        return Connection::Unknown;
    default:
        return Connection::Online;
    }
}

void SetConnectionForTesting(std::optional<Connection> connection)
{
    testConnection() = connection;
}

Transferred fetchTo(
    platform::HttpTransfer &http, const QUrl &url, qint64 maxBytes, const BodySink &sink, const FetchProgress &progress)
{
    using platform::TransferState;
    Transferred result;
    qint64 expected = 0;
    qint64 received = 0;
    bool tooLong = false;
    bool sinkRefused = false;
    // Hands on what has arrived, all at once: false when the transfer must stop.
    const auto handOn = [&] {
        const QByteArray piece = http.takeReceived();
        if (piece.isEmpty())
            return true;
        received += piece.size();
        if (received > maxBytes) {
            tooLong = true;
            return false;
        }
        if (!sink(piece, &result.problem)) {
            sinkRefused = true;
            return false;
        }
        return true;
    };
    QEventLoop loop;
    const auto connection = QObject::connect(&http, &platform::HttpTransfer::stateChanged, &loop, [&](int state) {
        switch (TransferState(state)) {
        case TransferState::ReceivingResponse:
            expected = http.header(QStringLiteral("Content-length")).toLongLong();
            // A file announced as too large is not waited for (an error page is the server's answer).
            if (expected > maxBytes && http.statusCode() < 300) {
                tooLong = true;
                http.cancel();
            }
            break;
        case TransferState::ResponseReceived:
            if (!handOn()) {
                http.cancel();
                return;
            }
            if (progress)
                progress(received, expected);
            break;
        case TransferState::ResponseCompleted:
        case TransferState::Error:
        case TransferState::Disconnected:
            loop.quit();
            break;
        default:
            break;
        }
    });
    http.get(url);
    if (http.stillExecuting())
        loop.exec();
    QObject::disconnect(connection);
    if (!tooLong && !sinkRefused)
        handOn();

    const QString shown = url.toDisplayString();
    if (tooLong) {
        result.problem
            = QStringLiteral("The download of %1 failed: the file is larger than %2 bytes.").arg(shown).arg(maxBytes);
    } else if (sinkRefused) {
        // The sink has said why.
    } else if (http.state() == TransferState::Disconnected) {
        result.outcome = Transferred::Outcome::Cancelled;
        result.problem = QStringLiteral("The download of %1 was cancelled.").arg(shown);
    } else if (http.state() == TransferState::Error) {
        result.problem = sentence(http.errorString());
    } else if (expected > 0 && received != expected) {
        result.problem = QStringLiteral("The download of %1 failed: %2 of %3 bytes arrived.")
                             .arg(shown)
                             .arg(received)
                             .arg(expected);
    } else {
        result.outcome = Transferred::Outcome::Complete;
    }
    return result;
}

Fetched fetch(platform::HttpTransfer &http, const QUrl &url, qint64 maxBytes, const FetchProgress &progress)
{
    QByteArray body;
    const auto keep = [&body](const QByteArray &piece, QString *) {
        body += piece;
        return true;
    };
    Fetched fetched {fetchTo(http, url, maxBytes, keep, progress)};
    if (fetched.outcome == Transferred::Outcome::Complete)
        fetched.body = std::move(body);
    return fetched;
}

} // namespace vx::online
