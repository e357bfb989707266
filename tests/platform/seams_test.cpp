#include "gamedata/rnd.h"
#include "platform/clock.h"
#include "platform/filechooser.h"
#include "platform/httptransfer.h"
#include "platform/testmode.h"
#include "support/scriptedplatform.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <gtest/gtest.h>

using namespace vx::platform;

namespace {
const QByteArray Body = QByteArray("\0\xff\r\n\x1a", 5).repeated(120);

// Runs a GET to its end and gives every state it went through.
QList<int> fetch(HttpTransfer &http, const QString &url)
{
    QList<int> states;
    QObject context;
    QObject::connect(&http, &HttpTransfer::stateChanged, &context, [&states](int s) { states << s; });
    http.get(QUrl(url));
    EXPECT_TRUE(QTest::qWaitFor([&http] { return !http.stillExecuting(); }, 20000)) << "the transfer hangs";
    return states;
}
} // namespace

TEST(Scripts, TheClockAndTheFileChoosersAnswerAsScripted)
{
    TestMode mode(QString(), QDateTime(QDate(2031, 2, 28), QTime(12, 0, 0, 500)));
    vx::RndTesting::setState(7);
    vx::RandomizeFromTime();
    const float fromClock = vx::Rnd();
    vx::RndTesting::setState(7);
    vx::Randomize(43200.5); // the seconds since midnight, milliseconds included
    EXPECT_EQ(vx::Rnd(), fromClock);
    using Kind = TestMode::ChooserRequest::Kind;
    mode.fileChooser.choose("/results");
    mode.fileChooser.cancel();
    EXPECT_EQ(ChooseFolder("Results folder", "/home"), "/results");
    EXPECT_EQ(ChooseSaveFile("Save layout", "/app", "Layouts (*.dat)"), "");
    EXPECT_EQ(mode.fileChooser.asked(),
        QList<TestMode::ChooserRequest>({{Kind::Folder, "Results folder", "/home", ""},
            {Kind::SaveFile, "Save layout", "/app", "Layouts (*.dat)"}}));
}

TEST(HttpTransfer, AScriptedAnswerArrivesLikeANetworkOneAndFailuresSayWhy)
{
    TestMode mode(QString(), vx::test::ScriptedNow);
    mode.http.respond(200, Body);
    mode.http.respond(404, "gone");
    mode.http.fail("Host unreachable");
    HttpTransfer http;
    EXPECT_EQ(fetch(http, "http://example.test/dwnld/NXLLotto.rtl"), QList<int>({3, 6, 7, 8, 12}));
    EXPECT_EQ(QByteArrayList({http.getChunk(), http.getChunk(), http.getChunk(), http.getChunk()}),
        QByteArrayList({Body.first(256), Body.mid(256, 256), Body.mid(512), ""}));
    EXPECT_EQ(fetch(http, "http://example.test/a").last(), 11);
    EXPECT_EQ(http.errorString(), "The server answered 404 for http://example.test/a.");
    EXPECT_EQ(fetch(http, "http://example.test/b"), QList<int>({3, 11}));
    EXPECT_EQ(http.errorString(), "The download of http://example.test/b failed: Host unreachable");
    EXPECT_EQ(mode.http.requested().first(), QUrl("http://example.test/dwnld/NXLLotto.rtl"));
}

TEST(HttpTransfer, ARealGetReadsTheServersAnswerAndARefusedConnectionFails)
{
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    QObject::connect(&server, &QTcpServer::newConnection, [&server] {
        QTcpSocket *socket = server.nextPendingConnection();
        QObject::connect(socket, &QTcpSocket::readyRead, [socket] {
            if (socket->readAll().endsWith("\r\n\r\n")) // the whole request
                socket->write("HTTP/1.1 200 OK\r\nContent-Length: 600\r\nConnection: close\r\n\r\n" + Body);
        });
    });
    const QString url = QStringLiteral("http://127.0.0.1:%1/dwnld/CNXversion.rtl").arg(server.serverPort());
    HttpTransfer http;
    EXPECT_EQ(fetch(http, url), QList<int>({3, 6, 7, 8, 12})) << http.errorString().toStdString();
    EXPECT_EQ(http.header("content-LENGTH"), "600");
    EXPECT_EQ(http.getChunk(1000), Body);
    server.close();
    EXPECT_EQ(fetch(http, url).last(), 11);
    EXPECT_EQ(http.errorString(), "The download of " + url + " failed: Connection refused");
}
