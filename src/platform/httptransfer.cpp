#include "platform/httptransfer.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <utility>

namespace vx::platform {

namespace {
QString shown(const QUrl &url)
{
    return url.toDisplayString();
}

// Scheme, host and port: where a download comes from.
bool sameServer(const QUrl &a, const QUrl &b)
{
    return a.scheme().compare(b.scheme(), Qt::CaseInsensitive) == 0
        && a.host().compare(b.host(), Qt::CaseInsensitive) == 0 && a.port(80) == b.port(80);
}
} // namespace

HttpTransfer::HttpTransfer(QObject *parent)
    : QObject(parent)
{
}

HttpTransfer::~HttpTransfer()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

void HttpTransfer::get(const QUrl &url)
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
        m_reply = nullptr;
    }
    const quint64 generation = ++m_generation;
    m_url = url;
    m_status = 0;
    m_headers.clear();
    m_body.clear();
    m_read = 0;
    m_error.clear();
    setState(TransferState::Connecting);
    if (generation != m_generation)
        return; // a listener has already started another transfer

    if (TestMode *mode = TestMode::current(); mode && mode->http.scripted()) {
        const std::optional<TestMode::HttpAnswer> answer = mode->http.take(url);
        QMetaObject::invokeMethod(
            this, [this, generation, answer] { runScripted(generation, answer); }, Qt::QueuedConnection);
        return;
    }

    if (!m_network)
        m_network = std::make_unique<QNetworkAccessManager>();
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    // Every redirect is looked at first: one to another server is refused.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setTransferTimeout(m_timeoutMs);
    m_reply = m_network->get(request);
    m_reply->setReadBufferSize(ReadAheadBytes);
    QNetworkReply *reply = m_reply;
    connect(reply, &QNetworkReply::requestSent, this, [this] { setState(TransferState::RequestSent); });
    connect(reply, &QNetworkReply::redirected, this, [this, reply](const QUrl &target) { redirect(reply, target); });
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply] {
        receiveHeaders(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), reply->rawHeaderPairs());
    });
    connect(reply, &QNetworkReply::readyRead, this, [this, reply] { receiveBody(reply->readAll()); });
    connect(reply, &QNetworkReply::finished, this, &HttpTransfer::finishReply);
}

void HttpTransfer::redirect(QNetworkReply *reply, const QUrl &target)
{
    const QUrl to = m_url.resolved(target);
    if (sameServer(to, m_url)) {
        Q_EMIT reply->redirectAllowed();
        return;
    }
    // Whatever another server sends is not taken, however it is sent on.
    m_reply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
    fail(QStringLiteral("The download of %1 was refused: the server sent it on to %2, which is not the download "
                        "server. Nothing was taken from there.")
             .arg(shown(m_url), shown(to)));
}

void HttpTransfer::finishReply()
{
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->disconnect(this);
    reply->deleteLater();
    const quint64 generation = m_generation;
    const QByteArray rest = reply->readAll();
    if (!rest.isEmpty())
        receiveBody(rest);
    if (generation != m_generation)
        return;
    if (m_status >= 400)
        fail(QStringLiteral("The server answered %1 for %2.").arg(m_status).arg(shown(m_url)));
    else if (reply->error() == QNetworkReply::OperationCanceledError || reply->error() == QNetworkReply::TimeoutError)
        fail(QStringLiteral("The download of %1 failed: the server did not answer within %2 seconds.")
                 .arg(shown(m_url))
                 .arg(m_timeoutMs / 1000));
    else if (reply->error() != QNetworkReply::NoError)
        fail(QStringLiteral("The download of %1 failed: %2").arg(shown(m_url), reply->errorString()));
    else
        setState(TransferState::ResponseCompleted);
}

void HttpTransfer::runScripted(quint64 generation, const std::optional<TestMode::HttpAnswer> &scripted)
{
    if (generation != m_generation)
        return;
    if (!scripted) {
        fail(QStringLiteral("The download of %1 failed: nothing answers in this test.").arg(shown(m_url)));
        return;
    }
    TestMode::HttpAnswer answer = *scripted;
    if (!answer.failure.isEmpty()) {
        fail(QStringLiteral("The download of %1 failed: %2").arg(shown(m_url), answer.failure));
        return;
    }
    setState(TransferState::RequestSent);
    if (generation != m_generation)
        return;
    bool hasLength = false;
    for (const auto &[name, value] : answer.headers)
        hasLength = hasLength || name.compare("Content-Length", Qt::CaseInsensitive) == 0;
    if (!hasLength)
        answer.headers.append({QByteArray("Content-Length"), QByteArray::number(answer.body.size())});
    receiveHeaders(answer.status, answer.headers);
    if (generation != m_generation)
        return;
    if (!answer.body.isEmpty())
        receiveBody(answer.body);
    if (generation != m_generation)
        return;
    if (answer.status >= 400)
        fail(QStringLiteral("The server answered %1 for %2.").arg(answer.status).arg(shown(m_url)));
    else
        setState(TransferState::ResponseCompleted);
}

void HttpTransfer::receiveHeaders(int status, const QList<QPair<QByteArray, QByteArray>> &headers)
{
    m_status = status;
    m_headers = headers;
    if (m_state != TransferState::ReceivingResponse)
        setState(TransferState::ReceivingResponse);
}

void HttpTransfer::receiveBody(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return;
    m_body.append(bytes);
    setState(TransferState::ResponseReceived);
}

void HttpTransfer::cancel()
{
    if (!stillExecuting())
        return;
    ++m_generation;
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
        m_reply = nullptr;
    }
    setState(TransferState::Disconnected);
}

void HttpTransfer::setTimeout(int milliseconds)
{
    m_timeoutMs = milliseconds;
}

void HttpTransfer::fail(const QString &reason)
{
    m_error = reason;
    setState(TransferState::Error);
}

void HttpTransfer::setState(TransferState state)
{
    m_state = state;
    Q_EMIT stateChanged(int(state));
}

TransferState HttpTransfer::state() const
{
    return m_state;
}

bool HttpTransfer::stillExecuting() const
{
    switch (m_state) {
    case TransferState::None:
    case TransferState::Disconnected:
    case TransferState::Error:
    case TransferState::ResponseCompleted:
        return false;
    default:
        return true;
    }
}

int HttpTransfer::statusCode() const
{
    return m_status;
}

QString HttpTransfer::header(const QString &name) const
{
    const QByteArray wanted = name.toLatin1();
    for (const auto &[key, value] : m_headers)
        if (key.compare(wanted, Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(value);
    return QString();
}

QByteArray HttpTransfer::getChunk(int size)
{
    const QByteArray chunk = m_body.mid(m_read, qMax(0, size));
    m_read += chunk.size();
    // Taken bytes are let go once they are all, or half, of what is held: reading in small chunks
    // then moves each byte at most once more.
    if (m_read == m_body.size()) {
        m_body.clear();
        m_read = 0;
    } else if (m_read > m_body.size() / 2) {
        m_body.remove(0, m_read);
        m_read = 0;
    }
    return chunk;
}

QByteArray HttpTransfer::takeReceived()
{
    QByteArray waiting = m_read == 0 ? std::exchange(m_body, {}) : m_body.sliced(m_read);
    m_body.clear();
    m_read = 0;
    return waiting;
}

QString HttpTransfer::errorString() const
{
    return m_error;
}

} // namespace vx::platform
