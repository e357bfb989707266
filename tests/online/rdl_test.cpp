#include "entries/windowfit.h"
#include "loopbackserver.h"
#include "online/onlineservices.h"
#include "online/rdl.h"
#include "platform/messages.h"
#include "support/mainwindowfixture.h"
#include "support/windowhelpers.h"

#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

using namespace vx;
using namespace vx::test;
namespace MessageScript = vx::platform::MessageScript;

namespace {
QByteArray history(std::initializer_list<NumbersRecord> list)
{
    QByteArray bytes;
    for (NumbersRecord r : list) {
        r.count = bytes.isEmpty() ? int32_t(list.size()) : 0;
        bytes += r.toBytes();
    }
    return bytes;
}
const QByteArray Old = history({drawRecord(2020, 3, 4, {1, 2, 3, 4, 5, 6})});
const QByteArray New = history({drawRecord(2024, 1, 6, {1, 2, 3, 4, 5, 6}, {7}),
    drawRecord(2024, 1, 13, {7, 8, 9, 10, 11, 12}), drawRecord(2024, 1, 20, {13, 14, 15, 16, 17, 60})});

class RdlTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        platform::HttpScript::end(); // these downloads go to a real server
        online::SetDownloadServerForTesting(server.url());
        online::SetConnectionForTesting(online::Connection::Online);
        folder.writeBytes("Weekly.rtl", Old);
        folder.writeBytes("Daily.rtl", Old + Old);
    }
    void TearDown() override
    {
        online::SetDownloadServerForTesting({});
        online::SetConnectionForTesting(std::nullopt);
        MainWindowTest::TearDown();
    }
    // Ticks the games and downloads them.
    RDL *download(const QStringList &games)
    {
        auto *window = new RDL(folder.path(), main);
        window->show();
        for (int i = 0; i < window->List1->count(); ++i)
            if (games.contains(window->List1->item(i)->text()))
                window->List1->item(i)->setCheckState(Qt::Checked);
        window->Command1_Click();
        return window;
    }

    LoopbackServer server;
    FakeMainWindow main;
};
} // namespace

TEST_F(RdlTest, AGoodDownloadReplacesTheHistoryOnlyAfterYes)
{
    server.answers["/dwnld/NXLWeekly.rtl"] = {200, New};
    server.answers["/dwnld/NXLDaily.rtl"] = {200, New};
    MessageScript::answers({true, false});
    RDL *window = download({"Weekly", "Daily"});
    expectFits(window);
    EXPECT_EQ(server.requested, QStringList({"/dwnld/NXLWeekly.rtl", "/dwnld/NXLDaily.rtl"}));
    EXPECT_EQ(MessageScript::shown(),
        QStringList({"Replace the Weekly history with the 3 results downloaded?",
            "Replace the Daily history with the 3 results downloaded?"}));
    EXPECT_EQ(folder.bytes("Weekly.rtl"), New);
    EXPECT_EQ(folder.bytes("Daily.rtl"), Old + Old);
    EXPECT_FALSE(folder.exists("temp.rtl"));
    EXPECT_EQ(window->ProgressBar1->maximum(), 1); // back at rest
    window->Command3->click();
    EXPECT_EQ(main.enabled, 1);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(RdlTest, AFailedOrUnsoundDownloadLeavesTheHistoryAsItWasAndSaysWhy)
{
    QByteArray unordered = New;
    unordered.replace(30 + 10, 2, QByteArray("\xd0\x07", 2)); // record 2 in the year 2000
    QByteArray above60 = New;
    above60.replace(12, 2, QByteArray("\x3d\x00", 2));
    const struct {
        LoopbackServer::Answer answer;
        QString said;
    } cases[] = {
        {{404, "gone"}, "The server answered 404"},
        {{200, New, -1, 40}, "The download of"}, // dropped half-way
        {{200, New, New.size() + 30}, "The download of"}, // shorter than its Content-length
        {{200, New.chopped(1)}, "not a whole number"},
        {{200, unordered}, "is dated before"},
        {{200, above60}, "outside 1 to 60"},
    };
    for (const auto &c : cases) {
        server.answers["/dwnld/NXLWeekly.rtl"] = c.answer;
        server.answers["/dwnld/NXLMidweek.rtl"] = c.answer;
        MessageScript::clear();
        download({"Weekly", "Midweek"});
        ASSERT_EQ(MessageScript::shown().size(), 2);
        EXPECT_TRUE(MessageScript::shown()[0].contains(c.said)) << MessageScript::shown()[0].toStdString();
        EXPECT_TRUE(MessageScript::shown()[0].endsWith("The Weekly history has not been changed."));
        EXPECT_EQ(MessageScript::unansweredQuestions(), 0);
        EXPECT_EQ(folder.bytes("Weekly.rtl"), Old);
        EXPECT_FALSE(folder.exists("Midweek.rtl"));
        EXPECT_FALSE(folder.exists("temp.rtl"));
    }
}

TEST_F(RdlTest, CancelDuringASlowTransferStopsEverythingAndKeepsTheHistory)
{
    server.answers["/dwnld/NXLWeekly.rtl"] = {200, New, -1, 30, true};
    server.answers["/dwnld/NXLDaily.rtl"] = {200, New};
    auto *window = new RDL(folder.path(), main);
    window->List1->item(0)->setCheckState(Qt::Checked);
    window->List1->item(3)->setCheckState(Qt::Checked);
    QObject::connect(window->ProgressBar1, &QProgressBar::valueChanged, window, [this, window](int value) {
        if (value > 0) {
            EXPECT_EQ(window->ProgressBar1->maximum(), New.size());
            EXPECT_EQ(folder.bytes("temp.rtl"), Old); // the backup while the download runs
            window->Command2->click();
        }
    });
    window->Command1_Click();
    EXPECT_EQ(server.requested, QStringList({"/dwnld/NXLWeekly.rtl"}));
    EXPECT_EQ(MessageScript::last(),
        "The download of " + server.url().toString()
            + "/dwnld/NXLWeekly.rtl was cancelled. The Weekly history has not been changed.");
    EXPECT_EQ(folder.bytes("Weekly.rtl"), Old);
    EXPECT_EQ(folder.bytes("Daily.rtl"), Old + Old);
    EXPECT_FALSE(folder.exists("temp.rtl"));
    EXPECT_TRUE(window->Command3->isEnabled());
}

TEST_F(RdlTest, UpdateResultsWaitsForTheDownloaderAndReloadsTheDrawPanel)
{
    start();
    QTimer::singleShot(0, [this] {
        RDL *window = openWindow<RDL>();
        ASSERT_TRUE(window);
        EXPECT_FALSE(form().isEnabled());
        window->close(); // the title bar's close does what Close does
    });
    form().mnuResults_Click();
    EXPECT_TRUE(form().isEnabled());
    flushDeletes();
    EXPECT_FALSE(openWindow<RDL>());
}
