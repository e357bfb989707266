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

Fetched fetch(
    platform::HttpTransfer &http, const QUrl &url, qint64 maxBytes, const std::function<void(qint64, qint64)> &progress)
{
    using platform::TransferState;
    Fetched result;
    qint64 expected = 0;
    bool tooLong = false;
    QEventLoop loop;
    const auto connection = QObject::connect(&http, &platform::HttpTransfer::stateChanged, &loop, [&](int state) {
        switch (TransferState(state)) {
        case TransferState::ReceivingResponse:
            expected = http.header(QStringLiteral("Content-length")).toLongLong();
            break;
        case TransferState::ResponseReceived:
            for (QByteArray chunk = http.getChunk(); !chunk.isEmpty(); chunk = http.getChunk())
                result.body += chunk;
            if (result.body.size() > maxBytes || expected > maxBytes) {
                tooLong = true;
                http.cancel();
                return;
            }
            if (progress)
                progress(result.body.size(), expected);
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
    for (QByteArray chunk = http.getChunk(); !chunk.isEmpty() && !tooLong; chunk = http.getChunk())
        result.body += chunk;

    const QString shown = url.toDisplayString();
    if (tooLong) {
        result.problem
            = QStringLiteral("The download of %1 failed: the file is larger than %2 bytes.").arg(shown).arg(maxBytes);
    } else if (http.state() == TransferState::Disconnected) {
        result.outcome = Fetched::Outcome::Cancelled;
        result.problem = QStringLiteral("The download of %1 was cancelled.").arg(shown);
    } else if (http.state() == TransferState::Error) {
        result.problem = sentence(http.errorString());
    } else if (expected > 0 && result.body.size() != expected) {
        result.problem = QStringLiteral("The download of %1 failed: %2 of %3 bytes arrived.")
                             .arg(shown)
                             .arg(result.body.size())
                             .arg(expected);
    } else {
        result.outcome = Fetched::Outcome::Complete;
        return result;
    }
    result.body.clear();
    return result;
}

} // namespace vx::online
