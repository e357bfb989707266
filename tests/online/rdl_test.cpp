#include "entries/windowfit.h"
#include "online/onlineservices.h"
#include "online/rdl.h"
#include "online/testsigner.h"
#include "online/updatecheck.h"
#include "online/updatesignature.h"
#include "online/upgradewindow.h"
#include "online/versionfile.h"
#include "platform/desktop.h"
#include "platform/events.h"
#include "platform/messages.h"
#include "support/mainwindowfixture.h"
#include "support/windowhelpers.h"

#include <QCryptographicHash>
#include <QCursor>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <malloc.h>
#include <memory>

using namespace vx;
using namespace vx::test;
using vx::test::TestSigner;

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's own count, since its heap is not the C library's (not every compiler ships its header).
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {
// The bytes of the heap in use now, all threads together: what a download holds in memory.
qint64 heapInUse()
{
#if defined(__SANITIZE_ADDRESS__)
    return qint64(__sanitizer_get_current_allocated_bytes());
#else
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks + info.hblkhd);
#endif
}

// An HTTP server on the loopback address that answers each path as told, faults included. It sends
// a body a piece at a time as the client takes it, as a server streams a large file, so that it
// holds little of it and knows how much it has sent.
class LoopbackServer : public QTcpServer
{
public:
    struct Answer {
        int status = 200;
        QByteArray body;
        qint64 declared = -1; // the Content-Length sent; -1: the body's size
        qint64 sent = -1; // body bytes sent before the connection closes; -1: all
        bool stall = false; // after `sent` bytes the connection stays open, silent, until release()
        QByteArray location = {}; // sent as the Location header when not empty
        bool noLength = false; // no Content-Length: the body ends where the connection closes
    };
    static constexpr qint64 Piece = 64 * 1024;
    QMap<QString, Answer> answers; // by path; any other path gets a 404
    QStringList requested;
    QMap<QString, qint64> bodySent; // body bytes sent, by path
    std::function<void()> sending; // called before each piece of a body is sent

    explicit LoopbackServer(const QHostAddress &address = QHostAddress::LocalHost)
    {
        listen(address);
        connect(this, &QTcpServer::newConnection, this, [this] {
            QTcpSocket *socket = nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                if (!socket->peek(socket->bytesAvailable()).contains("\r\n\r\n"))
                    return;
                requested << QString::fromLatin1(socket->readAll().split(' ').value(1));
                const Answer a = answers.value(requested.last(), Answer {404, "missing"});
                socket->write(QStringLiteral("HTTP/1.1 %1 X\r\nConnection: close\r\n").arg(a.status).toLatin1());
                if (!a.noLength)
                    socket->write(
                        "Content-Length: " + QByteArray::number(a.declared < 0 ? a.body.size() : a.declared) + "\r\n");
                if (!a.location.isEmpty())
                    socket->write("Location: " + a.location + "\r\n");
                socket->write("\r\n");
                const qint64 end = a.sent < 0 ? a.body.size() : a.sent;
                send(socket, requested.last(), a.body, 0, end, !a.stall);
                if (a.stall)
                    m_stalled.append({socket, requested.last(), a.body, end});
            });
        });
    }
    QUrl url() const { return QUrl(QStringLiteral("http://%1:%2").arg(serverAddress().toString()).arg(serverPort())); }

    // Sends the rest of every stalled answer, then closes its connection.
    void release()
    {
        for (const Stalled &stalled : std::exchange(m_stalled, {}))
            if (stalled.socket)
                send(stalled.socket, stalled.path, stalled.body, stalled.sent, stalled.body.size(), true);
    }

private:
    // Sends the body's bytes from `from` up to `end`, without copying the body.
    void send(QTcpSocket *socket, const QString &path, const QByteArray &body, qint64 from, qint64 end, bool close)
    {
        auto *sender = new QObject(socket);
        const auto next = [this, socket, path, body, end, close, sender, offset = std::make_shared<qint64>(from)] {
            while (*offset < end && socket->bytesToWrite() < Piece) {
                if (sending)
                    sending();
                const qint64 size = std::min(Piece, end - *offset);
                socket->write(body.constData() + *offset, size);
                *offset += size;
                bodySent[path] += size;
            }
            if (*offset < end)
                return;
            QObject::disconnect(socket, nullptr, sender, nullptr);
            sender->deleteLater();
            if (close)
                socket->disconnectFromHost();
        };
        connect(socket, &QTcpSocket::bytesWritten, sender, next);
        next();
    }

    struct Stalled {
        QPointer<QTcpSocket> socket;
        QString path;
        QByteArray body;
        qint64 sent;
    };
    QList<Stalled> m_stalled;
};

const QByteArray Old = numbersFileBytes({drawRecord(2020, 3, 4, {1, 2, 3, 4, 5, 6})});
const QByteArray New = numbersFileBytes({drawRecord(2024, 1, 6, {1, 2, 3, 4, 5, 6}, {7}),
    drawRecord(2024, 1, 13, {7, 8, 9, 10, 11, 12}), drawRecord(2024, 1, 20, {13, 14, 15, 16, 17, 60})});

class OnlineTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        testMode().http.useNetwork(); // these downloads go to a real server
        online::SetDownloadServerForTesting(server.url());
        online::SetUpdatePublicKeyForTesting(maker.publicKey());
        online::SetConnectionForTesting(online::Connection::Online);
        folder.writeBytes("Weekly.rtl", Old);
        folder.writeBytes("Daily.rtl", Old + Old);
    }
    void TearDown() override
    {
        online::SetDownloadServerForTesting({});
        online::SetUpdatePublicKeyForTesting({});
        online::SetConnectionForTesting(std::nullopt);
        online::SetMaxUpdaterBytesForTesting(0);
        MainWindowTest::TearDown();
    }
    // Ticks the games and downloads them, after the preparation given.
    RDL *download(const QStringList &games, const std::function<void(RDL *)> &prepare = {})
    {
        auto *window = new RDL(folder.path(), main);
        openToolWindow(&main.window, window, OpenMode::NoWait);
        if (prepare)
            prepare(window);
        for (int i = 0; i < findIn<QListWidget>(window, "List1")->count(); ++i)
            if (games.contains(findIn<QListWidget>(window, "List1")->item(i)->text()))
                findIn<QListWidget>(window, "List1")->item(i)->setCheckState(Qt::Checked);
        window->Command1_Click();
        return window;
    }

    // The maker's signature of an updater offered as a version: over the version file's first two lines.
    QByteArray makerSigns(const QVersionNumber &version, const QByteArray &updater) const
    {
        return maker.sign(
            versionFileSignedText(version, QCryptographicHash::hash(updater, QCryptographicHash::Sha256)));
    }

    // The files the update check has left in the application folder under the updater's name or
    // beside it (the updater still arriving).
    QStringList updaterFiles() const
    {
        return QDir(folder.path()).entryList({QStringLiteral("nxupd.exe*")}, QDir::Files | QDir::Hidden);
    }

    // What the program has written so far of an updater that is still arriving: the file it holds
    // open in the application folder beside nxupd.exe, named after it or nameless (the system may
    // keep a new file nameless until it is linked under its name, complete).
    QByteArray updaterArriving() const
    {
        const QString appFolder = QDir(folder.path()).canonicalPath() + QLatin1Char('/');
        const QDir open(QStringLiteral("/proc/self/fd"));
        for (const QString &fd : open.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
            const QString target = QFile::symLinkTarget(open.filePath(fd));
            if (!target.startsWith(appFolder)
                || !(target.startsWith(appFolder + "nxupd.exe.") || target.endsWith(" (deleted)")))
                continue;
            QFile file(open.filePath(fd));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }
        return QByteArray();
    }

    LoopbackServer server;
    FakeMainWindow main;
    TestSigner maker; // stands for the maker's key pair
};
} // namespace

TEST_F(OnlineTest, AFailedUnsoundOrCancelledDownloadLeavesTheHistoryAsItWasAndAGoodOneReplacesItOnlyAfterYes)
{
    QByteArray unordered = New;
    unordered.replace(30 + 10, 2, QByteArray("\xd0\x07", 2)); // record 2 in the year 2000
    QByteArray above60 = New;
    above60.replace(12, 2, QByteArray("\x3d\x00", 2));
    const struct {
        LoopbackServer::Answer answer;
        QString said;
    } cases[] = {
        {{404, "gone"}, "The server answered 404"}, // no such file
        {{200, New, -1, 40}, "The download of"}, // dropped half-way
        {{200, New, New.size() + 30}, "The download of"}, // shorter than its Content-length
        {{200, New.chopped(1)}, "not whole records"}, // a byte short of whole records
        {{200, unordered}, "is dated before"}, // the dates out of order
        {{200, above60}, "outside 1 to 60"}, // a number out of range
        {{200, New, -1, 30, true}, server.url().toString() + "/dwnld/NXLWeekly.rtl was cancelled."}, // Cancel stops all
    };
    for (const auto &c : cases) {
        server.answers["/dwnld/NXLWeekly.rtl"] = c.answer;
        server.answers["/dwnld/NXLMidweek.rtl"] = c.answer;
        server.requested.clear();
        testMode().messages.clear();
        RDL *window = download({"Weekly", "Midweek"}, [&](RDL *window) {
            QObject::connect(findIn<QProgressBar>(window, "ProgressBar1"), &QProgressBar::valueChanged, window,
                [&, window](int value) {
                    if (value > 0 && c.answer.stall) {
                        EXPECT_EQ(findIn<QProgressBar>(window, "ProgressBar1")->maximum(), New.size());
                        EXPECT_EQ(folder.bytes("temp.rtl"), Old); // the backup while the download runs
                        findIn<QPushButton>(window, "Command2")->click();
                    }
                });
        });
        ASSERT_EQ(testMode().messages.shown().size(), c.answer.stall ? 1 : 2);
        EXPECT_EQ(server.requested.size(), c.answer.stall ? 1 : 2);
        EXPECT_TRUE(testMode().messages.shown()[0].contains(c.said)) << testMode().messages.shown()[0].toStdString();
        EXPECT_TRUE(testMode().messages.shown()[0].endsWith("The Weekly history has not been changed."));
        EXPECT_EQ(testMode().messages.unansweredQuestions(), 0);
        EXPECT_EQ(folder.bytes("Weekly.rtl"), Old);
        EXPECT_FALSE(folder.exists("Midweek.rtl") || folder.exists("temp.rtl"));
        EXPECT_TRUE(findIn<QPushButton>(window, "Command3")->isEnabled());
        EXPECT_EQ(findIn<QLabel>(window, "Label2")->text(),
            c.answer.stall ? "Cancelled." : "Not downloaded: Weekly, Midweek.");
    }

    // A sound download replaces a history only after Yes.
    testMode().messages.clear();
    server.requested.clear();
    server.answers["/dwnld/NXLWeekly.rtl"] = {200, New};
    server.answers["/dwnld/NXLDaily.rtl"] = {200, New};
    testMode().messages.answers({true, false});
    RDL *window = download({"Weekly", "Daily"});
    expectFits(window);
    EXPECT_EQ(server.requested, QStringList({"/dwnld/NXLWeekly.rtl", "/dwnld/NXLDaily.rtl"}));
    EXPECT_EQ(testMode().messages.shown(),
        QStringList({"Replace the Weekly history with the 3 results downloaded?",
            "Replace the Daily history with the 3 results downloaded?"}));
    EXPECT_EQ(folder.bytes("Weekly.rtl"), New);
    EXPECT_EQ(folder.bytes("Daily.rtl"), Old + Old);
    EXPECT_FALSE(folder.exists("temp.rtl"));
    EXPECT_EQ(findIn<QProgressBar>(window, "ProgressBar1")->maximum(), 1); // back at rest
    EXPECT_EQ(findIn<QLabel>(window, "Label2")->text(), "Done.");
    findIn<QPushButton>(window, "Command3")->click();
    EXPECT_EQ(main.enabled, 1);
    EXPECT_FALSE(window->isVisible());
}

// Only a newer updater that the maker signed (the test's own key pair stands for the maker's) and
// whose digest matches is started; any other is deleted, and a version file without a signature
// gets nothing downloaded.
TEST_F(OnlineTest, TheUpdateCheckStartsOnlyANewerSignedUpdaterWhoseDigestMatchesAndNothingIsFetchedOffline)
{
    const QByteArray updater = "#!/bin/sh\necho updating\n";
    const QByteArray digest = QCryptographicHash::hash(updater, QCryptographicHash::Sha256);
    const TestSigner stranger;
    const QVersionNumber now = online::programVersion();
    const QVersionNumber newer(now.majorVersion(), now.minorVersion(), now.microVersion() + 1);
    // The maker signs the version file's first two lines: the version with the updater's digest.
    const auto signedBy = [&](const TestSigner &signer, const QVersionNumber &version) {
        return signer.sign(versionFileSignedText(version, digest));
    };
    enum Ask { NotAsked, NotRead, Asked };
    const struct {
        QVersionNumber version;
        QByteArray served, signature, digest;
        Ask ask;
        bool started;
        QString said;
    } cases[] = {
        {now, updater, signedBy(maker, now), digest, NotAsked, false, "You have the latest version"},
        {QVersionNumber(now.majorVersion(), now.minorVersion(), 0), updater,
            signedBy(maker, QVersionNumber(now.majorVersion(), now.minorVersion(), 0)), digest, NotAsked, false,
            "You have the latest version"},
        {QVersionNumber(0), updater, signedBy(maker, QVersionNumber(0)), digest, NotAsked, false,
            "You have the latest version"},
        {newer, updater, {}, digest, NotRead, false, "carries no signature for version " + newer.toString()},
        {newer, updater + "tampered", signedBy(maker, newer), digest, Asked, false,
            "does not carry the signature of this program's maker"},
        {newer, updater, signedBy(stranger, newer), digest, Asked, false,
            "does not carry the signature of this program's maker"},
        {newer, updater, signedBy(maker, newer), QByteArray(32, 'x'), Asked, false,
            "not the one the version file describes"},
        {newer, updater, signedBy(maker, newer), digest, Asked, true, ""},
    };
    start();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.said.toStdString());
        server.requested.clear();
        testMode().messages.reset();
        testMode().program.reset();
        testMode().desktop.reset();
        folder.writeBytes("nxupd.exe", "left over");
        server.answers["/CNXversion.rtl"] = {200, versionFileText({c.version, c.digest, c.signature})};
        server.answers["/nxupd.exe"] = {200, c.served};
        testMode().messages.answer(true);
        form().mnuUpgrade_Click();
        EXPECT_EQ(server.requested.size(), c.ask == Asked ? 2 : 1);
        EXPECT_EQ(testMode().messages.pendingAnswers(), c.ask == Asked ? 0 : 1);
        EXPECT_EQ(testMode().desktop.started(), c.started ? QStringList {folder.file("nxupd.exe")} : QStringList {});
        EXPECT_EQ(testMode().program.ended(), c.started);
        EXPECT_TRUE(testMode().messages.last().contains(c.said)) << testMode().messages.last().toStdString();
        EXPECT_TRUE(c.started || testMode().messages.last().endsWith("not started.")
            || testMode().messages.last().endsWith("Nothing was downloaded or started.") || c.ask == NotAsked);
        EXPECT_EQ(folder.bytes("nxupd.exe"), c.started ? updater : QByteArray(c.ask == NotAsked ? "left over" : ""));
        EXPECT_TRUE(form().isEnabled() && !openWindow<UpgradeCheckWindow>());
    }
    server.answers.clear();
    form().mnuUpgrade_Click();
    EXPECT_TRUE(testMode().messages.last().startsWith("The check for a newer version failed. The server answered 404"));

    // Offline: Update Results waits for its window, whose Download, like the check, fetches nothing.
    online::SetConnectionForTesting(online::Connection::Offline);
    server.requested.clear();
    testMode().messages.clear();
    QTimer::singleShot(0, [this] {
        RDL *window = openWindow<RDL>();
        ASSERT_TRUE(window && !form().isEnabled());
        findIn<QListWidget>(window, "List1")->item(0)->setCheckState(Qt::Checked);
        findIn<QPushButton>(window, "Command1")->click();
        window->close(); // the title bar's close does what Close does
    });
    form().mnuResults_Click();
    EXPECT_TRUE(form().isEnabled());
    form().mnuUpgrade_Click();
    EXPECT_EQ(testMode().messages.shown(), QStringList(2, online::NoConnectionMessage));
    EXPECT_TRUE(server.requested.isEmpty());
}

// The maker's signature names the version with the updater, so an updater signed for one version
// cannot be offered as a newer one; nor can one signed over its bytes alone, which names none. Either
// is deleted and never started; offered as the version it was signed for, it is started.
TEST_F(OnlineTest, AnUpdaterSignedForOneVersionAndOfferedAsANewerOneIsRefusedDeletedAndNeverStarted)
{
    const QByteArray updater = "#!/bin/sh\necho updating\n";
    const QByteArray digest = QCryptographicHash::hash(updater, QCryptographicHash::Sha256);
    const QVersionNumber now = online::programVersion(); // 1.0
    const QVersionNumber signedFor(now.majorVersion(), now.minorVersion(), now.microVersion() + 1); // 1.0.1
    const QVersionNumber offered(now.majorVersion(), now.minorVersion(), now.microVersion() + 2); // 1.0.2
    const struct {
        QVersionNumber offered;
        QByteArray signature;
        bool started;
    } cases[] = {
        {offered, makerSigns(signedFor, updater), false},
        {offered, maker.sign(updater), false},
        {signedFor, maker.sign(updater), false},
        {signedFor, makerSigns(signedFor, updater), true},
    };
    start();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.offered.toString().toStdString());
        server.requested.clear();
        testMode().messages.reset();
        testMode().program.reset();
        testMode().desktop.reset();
        folder.writeBytes("nxupd.exe", "left over");
        server.answers["/CNXversion.rtl"] = {200, versionFileText({c.offered, digest, c.signature})};
        server.answers["/nxupd.exe"] = {200, updater};
        testMode().messages.answer(true);
        form().mnuUpgrade_Click();
        EXPECT_EQ(server.requested, QStringList({"/CNXversion.rtl", "/nxupd.exe"}));
        EXPECT_EQ(testMode().desktop.started(), c.started ? QStringList {folder.file("nxupd.exe")} : QStringList {});
        EXPECT_EQ(testMode().program.ended(), c.started);
        if (c.started) {
            EXPECT_EQ(updaterFiles(), QStringList {"nxupd.exe"});
            EXPECT_EQ(folder.bytes("nxupd.exe"), updater);
        } else {
            EXPECT_TRUE(testMode().messages.last().startsWith(
                "The downloaded updater does not carry the signature of this program's maker"))
                << testMode().messages.last().toStdString();
            EXPECT_TRUE(testMode().messages.last().endsWith("It has been deleted and was not started."));
            EXPECT_EQ(updaterFiles(), QStringList {});
        }
    }
}

// The updater goes to disk beside its final name as it arrives, also when the server does not say
// how long it is, and the program holds only a piece of it in memory at a time. One larger than
// the cap is refused as soon as that shows: at once when its Content-Length says so, otherwise when
// the bytes that came pass the cap, long before the server has sent it all. A refused one leaves
// nothing behind and nothing is started.
TEST_F(OnlineTest, TheUpdaterIsWrittenAsItArrivesAndOneLargerThanTheCapIsRefusedBeforeItHasAllCome)
{
    constexpr qint64 Cap = 16 * 1024 * 1024;
    constexpr qint64 Held = 6 * 1024 * 1024; // the most the download may add to the heap
    online::SetMaxUpdaterBytesForTesting(Cap);
    QRandomGenerator random(7);
    const auto randomBytes = [&random](qint64 size) {
        QByteArray bytes(size, Qt::Uninitialized);
        random.fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
        return bytes;
    };
    const QByteArray updater = randomBytes(12 * 1024 * 1024);
    const QByteArray tooLarge = randomBytes(4 * Cap);
    const QVersionNumber now = online::programVersion();
    const QVersionNumber newer(now.majorVersion(), now.minorVersion() + 1);
    const QString refused = "The download of the new version failed. The download of " + server.url().toString()
        + "/nxupd.exe failed: the file is larger than 16777216 bytes.";
    start();

    // Runs Check for Upgrade with the updater served as told and gives the most the heap grew while
    // the server sent it. While the download is stalled, goOn says when the server sends the rest; a
    // program still waiting after 5 s gets the rest and a Cancel, so that the test ends.
    QElapsedTimer clock;
    const auto upgrade = [&](const QByteArray &served, const LoopbackServer::Answer &answer,
                             const std::function<bool()> &goOn) {
        server.requested.clear();
        server.bodySent.clear();
        testMode().messages.reset();
        testMode().program.reset();
        testMode().desktop.reset();
        server.answers["/CNXversion.rtl"] = {200,
            versionFileText(
                {newer, QCryptographicHash::hash(served, QCryptographicHash::Sha256), makerSigns(newer, served)})};
        server.answers["/nxupd.exe"] = answer;
        testMode().messages.answer(true);
        QTimer waiting;
        QObject::connect(&waiting, &QTimer::timeout, [&] {
            if (goOn && goOn()) {
                waiting.stop();
                server.release();
            } else if (clock.elapsed() > 5000) {
                waiting.stop();
                server.release();
                if (UpgradeCheckWindow *window = openWindow<UpgradeCheckWindow>())
                    findIn<QPushButton>(window, "Command1")->click();
            }
        });
        qint64 peak = 0;
        const qint64 before = heapInUse();
        server.sending = [&] { peak = std::max(peak, heapInUse() - before); };
        clock.start();
        waiting.start(10);
        form().mnuUpgrade_Click();
        server.sending = {};
        EXPECT_TRUE(form().isEnabled() && !openWindow<UpgradeCheckWindow>());
        return peak;
    };

    // A sound updater without a Content-Length, of which the heap holds far less than its size: the
    // part sent before the server stalls is on disk beside the old updater, which keeps its name until
    // the new one's signature and digest hold.
    constexpr qint64 Part = 4 * 1024 * 1024;
    folder.writeBytes("nxupd.exe", "left over");
    bool seenArriving = false;
    const auto partWritten = [&] {
        seenArriving = updaterArriving() == updater.first(Part) && folder.bytes("nxupd.exe") == "left over";
        return seenArriving;
    };
    EXPECT_LT(upgrade(updater, {200, updater, -1, Part, true, {}, true}, partWritten), Held);
    EXPECT_TRUE(seenArriving);
    EXPECT_EQ(testMode().desktop.started(), QStringList {folder.file("nxupd.exe")});
    EXPECT_TRUE(testMode().program.ended());
    EXPECT_EQ(updaterFiles(), QStringList {"nxupd.exe"});
    EXPECT_TRUE(folder.bytes("nxupd.exe") == updater);

    // Larger than the cap without a Content-Length: refused once the cap is passed, with most of it
    // never sent.
    QFile::remove(folder.file("nxupd.exe"));
    EXPECT_LT(upgrade(tooLarge, {200, tooLarge, -1, -1, false, {}, true}, {}), Held);
    EXPECT_EQ(testMode().messages.last(), refused);
    EXPECT_LT(server.bodySent["/nxupd.exe"], tooLarge.size() / 2);
    EXPECT_TRUE(testMode().desktop.started().isEmpty() && !testMode().program.ended());
    EXPECT_EQ(updaterFiles(), QStringList {});

    // A Content-Length larger than the cap: refused at once, not waited for.
    upgrade(tooLarge, {200, tooLarge, -1, 0, true}, {});
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(testMode().messages.last(), refused);
    EXPECT_EQ(server.bodySent["/nxupd.exe"], 0);
    EXPECT_TRUE(testMode().desktop.started().isEmpty() && !testMode().program.ended());
    EXPECT_EQ(updaterFiles(), QStringList {});
}

// The download server sends a file on to another server (another loopback address): nothing is
// taken from there, the history stays and the player is told why. On the same server a redirect
// is followed.
TEST_F(OnlineTest, ARedirectToAnotherServerIsRefusedAndOneOnTheSameServerFollowed)
{
    LoopbackServer elsewhere(QHostAddress(QStringLiteral("127.0.0.2")));
    ASSERT_TRUE(elsewhere.isListening());
    elsewhere.answers["/NXLWeekly.rtl"] = {200, New};
    elsewhere.answers["/CNXversion.rtl"] = {200, versionFileText({QVersionNumber(99), QByteArray(32, 'x')})};
    const QByteArray foreign = elsewhere.url().toEncoded() + "/NXLWeekly.rtl";
    server.answers["/dwnld/NXLWeekly.rtl"] = {302, "moved", -1, -1, false, foreign};
    testMode().messages.answers({true});
    RDL *window = download({"Weekly"});
    EXPECT_EQ(testMode().messages.shown(),
        QStringList({"The download of " + server.url().toString()
            + "/dwnld/NXLWeekly.rtl was refused: the server "
              "sent it on to "
            + QString::fromLatin1(foreign)
            + ", which is not the download server. Nothing "
              "was taken from there. The Weekly history has not been changed."}));
    EXPECT_EQ(testMode().messages.pendingAnswers(), 1); // no question asked
    EXPECT_TRUE(elsewhere.requested.isEmpty());
    EXPECT_EQ(folder.bytes("Weekly.rtl"), Old);
    EXPECT_FALSE(folder.exists("temp.rtl"));
    findIn<QPushButton>(window, "Command3")->click();

    // Check for Upgrade: the version file sent on elsewhere is not read, nothing is asked or run.
    start();
    server.answers["/CNXversion.rtl"] = {302, "", -1, -1, false, elsewhere.url().toEncoded() + "/CNXversion.rtl"};
    testMode().messages.reset();
    testMode().desktop.reset();
    testMode().messages.answer(true);
    form().mnuUpgrade_Click();
    EXPECT_TRUE(testMode().messages.last().startsWith("The check for a newer version failed. The download of "
        + server.url().toString() + "/CNXversion.rtl was refused"))
        << testMode().messages.last().toStdString();
    EXPECT_EQ(testMode().messages.pendingAnswers(), 1);
    EXPECT_TRUE(testMode().desktop.started().isEmpty() && !testMode().program.ended());
    EXPECT_TRUE(elsewhere.requested.isEmpty());

    // The updater sent on elsewhere is not taken either, however well it is signed.
    const QByteArray updater = "#!/bin/sh\necho updating\n";
    const QVersionNumber now = online::programVersion();
    server.answers["/CNXversion.rtl"] = {200,
        versionFileText(
            {QVersionNumber(now.majorVersion() + 1), QCryptographicHash::hash(updater, QCryptographicHash::Sha256),
                makerSigns(QVersionNumber(now.majorVersion() + 1), updater)})};
    server.answers["/nxupd.exe"] = {302, "", -1, -1, false, elsewhere.url().toEncoded() + "/nxupd.exe"};
    elsewhere.answers["/nxupd.exe"] = {200, updater};
    testMode().messages.reset();
    testMode().messages.answer(true);
    form().mnuUpgrade_Click();
    EXPECT_TRUE(testMode().messages.last().startsWith("The download of the new version failed. The download of "
        + server.url().toString() + "/nxupd.exe was refused"))
        << testMode().messages.last().toStdString();
    EXPECT_TRUE(testMode().desktop.started().isEmpty() && !testMode().program.ended());
    EXPECT_TRUE(elsewhere.requested.isEmpty() && !folder.exists("nxupd.exe"));

    // A redirect that stays on the server is followed.
    server.answers["/dwnld/NXLWeekly.rtl"] = {301, "", -1, -1, false, "/dwnld/moved.rtl"};
    server.answers["/dwnld/moved.rtl"] = {200, New};
    testMode().messages.reset();
    testMode().messages.answers({true});
    window = download({"Weekly"});
    EXPECT_EQ(testMode().messages.shown(), QStringList({"Replace the Weekly history with the 3 results downloaded?"}));
    EXPECT_EQ(folder.bytes("Weekly.rtl"), New);
    EXPECT_EQ(
        server.requested.mid(server.requested.size() - 2), QStringList({"/dwnld/NXLWeekly.rtl", "/dwnld/moved.rtl"}));
    findIn<QPushButton>(window, "Command3")->click();
}

// A server that stalls: the check shows its window with the busy bar and the hourglass, the main
// window is disabled meanwhile (no second check, no Update Results), and Cancel ends it at once
// with nothing run.
TEST_F(OnlineTest, CheckForUpgradeOnAStalledServerIsBusyWithTheMainWindowDisabledAndCancels)
{
    const QByteArray updater = "#!/bin/sh\necho updating\n";
    const QVersionNumber now = online::programVersion();
    const QVersionNumber newer(now.majorVersion(), now.minorVersion() + 1);
    start();
    for (const char *stalled : {"/CNXversion.rtl", "/nxupd.exe"}) {
        SCOPED_TRACE(stalled);
        server.answers["/CNXversion.rtl"] = {200,
            versionFileText(
                {newer, QCryptographicHash::hash(updater, QCryptographicHash::Sha256), makerSigns(newer, updater)})};
        server.answers["/nxupd.exe"] = {200, updater};
        server.answers[stalled] = {200, updater, -1, 0, true};
        testMode().messages.reset();
        testMode().messages.answer(true);
        testMode().desktop.reset();
        testMode().program.reset();
        bool seen = false;
        QTimer waiting;
        QObject::connect(&waiting, &QTimer::timeout, [&] {
            UpgradeCheckWindow *window = openWindow<UpgradeCheckWindow>();
            if (!window || !server.requested.contains(stalled))
                return;
            waiting.stop();
            seen = true;
            expectFits(window);
            EXPECT_FALSE(form().isEnabled());
            EXPECT_EQ(findIn<QProgressBar>(window, "ProgressBar1")->maximum(), 0); // busy: nothing has come yet
            EXPECT_TRUE(
                QGuiApplication::overrideCursor() && QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor);
            EXPECT_TRUE(
                findIn<QLabel>(window, "Label1")
                    ->text()
                    .startsWith(QString(stalled) == "/nxupd.exe" ? "Downloading version" : "Checking for a newer"));
            findIn<QPushButton>(window, "Command1")->click();
        });
        waiting.start(20);
        QElapsedTimer clock;
        clock.start();
        form().mnuUpgrade_Click();
        EXPECT_LT(clock.elapsed(), 10000);
        EXPECT_TRUE(seen);
        EXPECT_TRUE(testMode().messages.last().contains(server.url().toString() + stalled + " was cancelled."))
            << testMode().messages.last().toStdString();
        EXPECT_TRUE(testMode().desktop.started().isEmpty() && !testMode().program.ended());
        EXPECT_TRUE(form().isEnabled() && !openWindow<UpgradeCheckWindow>());
        EXPECT_FALSE(QGuiApplication::overrideCursor());
        server.requested.clear();
    }
}
