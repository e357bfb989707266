#pragma once

#include <QMap>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

namespace vx::test {

// An HTTP server on the loopback address that answers each path as told, faults included.
class LoopbackServer : public QTcpServer
{
public:
    struct Answer {
        int status = 200;
        QByteArray body;
        qint64 declared = -1; // the Content-Length sent; -1: the body's size
        qint64 sent = -1; // body bytes sent before the connection closes; -1: all
        bool stall = false; // after `sent` bytes the connection stays open, silent
    };
    QMap<QString, Answer> answers; // by path; any other path gets a 404
    QStringList requested;

    LoopbackServer()
    {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            QTcpSocket *socket = nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                if (!socket->peek(socket->bytesAvailable()).contains("\r\n\r\n"))
                    return;
                requested << QString::fromLatin1(socket->readAll().split(' ').value(1));
                const Answer a = answers.value(requested.last(), Answer {404, "missing"});
                socket->write(QStringLiteral("HTTP/1.1 %1 X\r\nContent-Length: %2\r\nConnection: close\r\n\r\n")
                                  .arg(a.status)
                                  .arg(a.declared < 0 ? a.body.size() : a.declared)
                                  .toLatin1());
                socket->write(a.sent < 0 ? a.body : a.body.first(a.sent));
                if (!a.stall)
                    socket->disconnectFromHost();
            });
        });
    }
    QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(serverPort())); }
};

} // namespace vx::test
