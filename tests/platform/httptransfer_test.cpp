#include "platform/httptransfer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>

using namespace vx::platform;

namespace {
// Runs a GET to its end and gives every state it went through.
QList<int> fetch(HttpTransfer &http, const QString &url)
{
    QList<int> states;
    const auto c = QObject::connect(&http, &HttpTransfer::stateChanged, [&states](int s) { states << s; });
    http.get(QUrl(url));
    for (QDeadlineTimer deadline(20000); http.stillExecuting() && !deadline.hasExpired();)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QObject::disconnect(c);
    return states;
}

QByteArray allChunks(HttpTransfer &http, QList<int> *sizes)
{
    QByteArray body;
    for (QByteArray chunk = http.getChunk(); sizes->append(int(chunk.size())), !chunk.isEmpty();
         chunk = http.getChunk())
        body += chunk;
    return body;
}

QByteArray bytes(int count)
{
    QByteArray b(count, 0);
    for (int i = 0; i < count; ++i)
        b[i] = char(i * 37 + 11);
    return b;
}
} // namespace

TEST(HttpTransfer, AScriptedAnswerArrivesLikeANetworkOneAndFailuresSayWhy)
{
    HttpScript::begin();
    HttpScript::respond(200, bytes(600));
    HttpScript::respond(404, "gone");
    HttpScript::fail("Host unreachable");
    HttpTransfer http;
    EXPECT_EQ(fetch(http, "http://example.test/dwnld/NXLLotto.rtl"), QList<int>({3, 6, 7, 8, 12}));
    EXPECT_EQ(http.header("content-LENGTH"), "600");
    QList<int> sizes;
    EXPECT_EQ(allChunks(http, &sizes), bytes(600));
    EXPECT_EQ(sizes, QList<int>({256, 256, 88, 0}));

    EXPECT_EQ(fetch(http, "http://example.test/a").last(), 11);
    EXPECT_EQ(http.errorString(), "The server answered 404 for http://example.test/a.");
    EXPECT_EQ(fetch(http, "http://example.test/b"), QList<int>({3, 11}));
    EXPECT_EQ(http.errorString(), "The download of http://example.test/b failed: Host unreachable");
    EXPECT_EQ(fetch(http, "http://example.test/c").last(), 11); // nothing queued
    EXPECT_EQ(HttpScript::unanswered(), 1);
    EXPECT_EQ(HttpScript::requested().size(), 4);
    EXPECT_EQ(HttpScript::requested().first(), QUrl("http://example.test/dwnld/NXLLotto.rtl"));
    HttpScript::end();
}

TEST(HttpTransfer, ARealGetReadsTheServersAnswerAndARefusedConnectionFails)
{
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    QByteArray request;
    QObject::connect(&server, &QTcpServer::newConnection, [&] {
        QTcpSocket *socket = server.nextPendingConnection();
        QObject::connect(socket, &QTcpSocket::readyRead, [&request, socket] {
            request += socket->readAll();
            if (request.contains("\r\n\r\n"))
                socket->write("HTTP/1.1 200 OK\r\nContent-Length: 700\r\nConnection: close\r\n\r\n" + bytes(700));
        });
    });
    const QString url = QStringLiteral("http://127.0.0.1:%1/dwnld/CNXversion.rtl").arg(server.serverPort());
    HttpTransfer http;
    const QList<int> states = fetch(http, url);
    EXPECT_EQ(states.last(), 12) << http.errorString().toStdString();
    EXPECT_TRUE(states.contains(6) && states.contains(7) && states.contains(8));
    EXPECT_TRUE(request.startsWith("GET /dwnld/CNXversion.rtl HTTP/1.1\r\n")) << request.toStdString();
    EXPECT_EQ(http.header("Content-length"), "700");
    QList<int> sizes;
    EXPECT_EQ(allChunks(http, &sizes), bytes(700));

    server.close();
    EXPECT_EQ(fetch(http, url).last(), 11);
    EXPECT_TRUE(http.errorString().startsWith("The download of " + url + " failed: "))
        << http.errorString().toStdString();
}
