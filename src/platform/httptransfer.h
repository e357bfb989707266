#pragma once

#include "platform/testmode.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QUrl>
#include <memory>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

// An HTTP download, watched the way the results downloader and the update check watch theirs:
// start a GET, follow the transfer state until it is complete or has failed, read a header, then
// take the body as it arrives. The transfer keeps only the bytes not taken yet, so a large download
// read as it arrives never lies in memory whole. While a TestMode stands (testmode.h) no transfer
// touches the network unless the test lets it: each GET takes the next answer the test queued,
// delivered as the network would deliver it (after get() has returned); a GET with nothing queued
// fails, and one cancelled before its answer arrives has still used it up.
namespace vx::platform {

// The transfer states, numbered as the program's download loops know them. Qt reports no host
// lookup, so a transfer goes Connecting, RequestSent, ReceivingResponse, ResponseReceived (once
// per arrival of body bytes), then ResponseCompleted or Error; Disconnected after a cancel.
enum class TransferState {
    None = 0,
    ResolvingHost = 1,
    HostResolved = 2,
    Connecting = 3,
    Connected = 4,
    Requesting = 5,
    RequestSent = 6,
    ReceivingResponse = 7,
    ResponseReceived = 8,
    Disconnecting = 9,
    Disconnected = 10,
    Error = 11,
    ResponseCompleted = 12,
};

class HttpTransfer : public QObject
{
    Q_OBJECT
public:
    static constexpr int ChunkSize = 256;
    static constexpr int DefaultTimeoutMs = 60000;
    // How much of the body the network may hold ahead of its reader: a reader that is slower than the
    // network does not make the whole body pile up in memory.
    static constexpr qint64 ReadAheadBytes = qint64(1) * 1024 * 1024;

    explicit HttpTransfer(QObject *parent = nullptr);
    ~HttpTransfer() override;

    // Starts a GET of the URL, dropping any transfer still running; returns at once. The answer
    // is never taken from a cache. A status of 400 or above ends in Error, and so does a redirect to
    // another server (scheme, host or port); a redirect on the same server is followed.
    void get(const QUrl &url);
    void cancel();
    void setTimeout(int milliseconds); // no answer for this long ends the transfer in Error

    TransferState state() const;
    bool stillExecuting() const; // started and neither complete, failed nor cancelled
    int statusCode() const; // the HTTP status, 0 before the answer
    // A header of the answer, its name in any case ("Content-length"); empty when absent.
    QString header(const QString &name) const;
    // The next bytes of the body received so far, at most `size`; empty when none are waiting.
    QByteArray getChunk(int size = ChunkSize);
    // Every byte of the body received and not taken yet, at once; empty when none are waiting.
    QByteArray takeReceived();
    QString errorString() const; // why the transfer failed, for the player

Q_SIGNALS:
    void stateChanged(int state); // a TransferState number

private:
    void setState(TransferState state);
    void fail(const QString &reason);
    void receiveHeaders(int status, const QList<QPair<QByteArray, QByteArray>> &headers);
    void receiveBody(const QByteArray &bytes);
    void runScripted(quint64 generation, const std::optional<TestMode::HttpAnswer> &answer);
    void redirect(QNetworkReply *reply, const QUrl &target);
    void finishReply();

    std::unique_ptr<QNetworkAccessManager> m_network;
    QNetworkReply *m_reply = nullptr;
    QUrl m_url;
    TransferState m_state = TransferState::None;
    int m_timeoutMs = DefaultTimeoutMs;
    int m_status = 0;
    QList<QPair<QByteArray, QByteArray>> m_headers;
    QByteArray m_body; // received; the bytes before m_read have been taken and are dropped soon
    qsizetype m_read = 0;
    QString m_error;
    quint64 m_generation = 0; // tells a scripted answer of an old transfer from the current one
};

} // namespace vx::platform
