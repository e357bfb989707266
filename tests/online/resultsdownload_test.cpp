#include "online/resultsdownload.h"
#include "support/scriptedplatform.h"
#include "support/testfolder.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

using namespace vx;
using namespace vx::test;

namespace {
const QByteArray Old = numbersFileBytes({drawRecord(2020, 3, 4, {1, 2, 3, 4, 5, 6})});
const QByteArray New = numbersFileBytes(
    {drawRecord(2024, 1, 6, {1, 2, 3, 4, 5, 6}, {7}), drawRecord(2024, 1, 13, {7, 8, 9, 10, 11, 12})});

// The run as a window drives it: step by step, the prompts recorded, questions answered in turn.
struct Shown {
    QStringList told, asked, started;
    QList<bool> answers;
};
online::DownloadPrompts recording(Shown &shown)
{
    return {[&shown](const QString &text) { shown.told << text; },
        [&shown](const QString &text) {
            shown.asked << text;
            return !shown.answers.isEmpty() && shown.answers.takeFirst();
        },
        [&shown](const QString &status) { shown.started << status; }, [](qint64, qint64) {}};
}
void runToEnd(online::ResultsDownload &run)
{
    while (run.step([] { return true; })) { }
}
} // namespace

// Each game of a run ends replaced after a Yes, or byte for byte as it was; the status line says
// "Done." only when nothing went wrong.
TEST(ResultsDownload, ReplacesOnlyAfterYesKeepsTheHistoryOtherwiseAndSaysWhatFailed)
{
    int argc = 1;
    char name[] = "test";
    char *argv[] = {name};
    QCoreApplication app(argc, argv);
    const struct {
        const char *what;
        bool existed;
        std::function<void()> serve;
        bool yes;
        QByteArray after; // empty: no history file
        QString told; // what the one message starts with; empty: none
        QString summary;
    } cases[] = {
        {"a sound file and Yes", true, [] { testMode().http.respond(200, New); }, true, New, "", "Done."},
        {"a sound file and No", true, [] { testMode().http.respond(200, New); }, false, Old, "", "Done."},
        {"a new history", false, [] { testMode().http.respond(200, New); }, true, New, "", "Done."},
        {"no new history after No", false, [] { testMode().http.respond(200, New); }, false, {}, "", "Done."},
        {"a server error", true, [] { testMode().http.respond(404, "gone"); }, true, Old, "The server answered 404",
            "Not downloaded: Weekly."},
        {"a dropped connection", false, [] { testMode().http.fail("Connection closed"); }, true, {},
            "The download of http://downloads.vexmora.net/dwnld/NXLWeekly.rtl failed: Connection closed",
            "Not downloaded: Weekly."},
        {"an unsound file", true, [] { testMode().http.respond(200, New.chopped(1)); }, true, Old,
            "The file NXLWeekly.rtl is not a results file", "Not downloaded: Weekly."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        TestFolder folder;
        if (c.existed)
            folder.writeBytes("Weekly.rtl", Old);
        const platform::TestMode mode(folder.path(), ScriptedNow);
        c.serve();
        platform::HttpTransfer http;
        Shown shown;
        shown.answers = {c.yes};
        online::ResultsDownload run(folder.path(), {"Weekly"}, http, recording(shown));
        runToEnd(run);
        EXPECT_EQ(shown.started, QStringList({"Downloading the Weekly results..."}));
        EXPECT_EQ(shown.asked.size(), c.told.isEmpty() ? 1 : 0);
        ASSERT_EQ(shown.told.size(), c.told.isEmpty() ? 0 : 1);
        if (!c.told.isEmpty())
            EXPECT_TRUE(shown.told[0].startsWith(c.told)
                && shown.told[0].endsWith(". The Weekly history has not been changed."))
                << shown.told[0].toStdString();
        EXPECT_EQ(folder.exists("Weekly.rtl"), !c.after.isEmpty());
        EXPECT_EQ(folder.bytes("Weekly.rtl"), c.after);
        EXPECT_FALSE(folder.exists("temp.rtl"));
        EXPECT_EQ(run.summary(), c.summary);
        EXPECT_FALSE(run.cancelled());
    }

    // A history that cannot be written after a Yes stays as it was, and the player is told why.
    {
        TestFolder folder;
        folder.writeBytes("Weekly.rtl", Old);
        platform::TestMode mode(folder.path(), ScriptedNow);
        mode.http.respond(200, New);
        platform::HttpTransfer http;
        Shown shown;
        shown.answers = {true};
        online::ResultsDownload run(folder.path(), {"Weekly"}, http, recording(shown));
        {
            const FailingFileWrites disk(40, "Weekly.rtl");
            runToEnd(run);
        }
        EXPECT_EQ(shown.told,
            QStringList({"The file Weekly.rtl could not be written: No space left on device. The Weekly history has "
                         "not been changed."}));
        EXPECT_EQ(folder.bytes("Weekly.rtl"), Old);
        EXPECT_EQ(run.summary(), "Not downloaded: Weekly.");
    }

    // Two games, the first failing: the second is still fetched, and the status names the first.
    TestFolder folder;
    platform::TestMode mode(folder.path(), ScriptedNow);
    mode.http.respond(500, "busy");
    mode.http.respond(200, New);
    platform::HttpTransfer http;
    Shown shown;
    shown.answers = {true};
    online::ResultsDownload two(folder.path(), {"Weekly", "Daily"}, http, recording(shown));
    EXPECT_TRUE(two.step([] { return true; }));
    EXPECT_FALSE(two.step([] { return true; }));
    EXPECT_EQ(folder.bytes("Daily.rtl"), New);
    EXPECT_EQ(two.failed(), QStringList({"Weekly"}));
    EXPECT_EQ(two.summary(), "Not downloaded: Weekly.");

    // A cancel while a file arrives stops it and the games after it, and leaves the history.
    folder.writeBytes("Weekly.rtl", Old);
    mode.http.reset();
    mode.http.respond(200, New);
    mode.http.respond(200, New);
    online::DownloadPrompts prompts = recording(shown);
    online::ResultsDownload *running = nullptr;
    prompts.progress = [&running](qint64, qint64) { running->cancel(); };
    online::ResultsDownload cancelled(folder.path(), {"Weekly", "Daily"}, http, prompts);
    running = &cancelled;
    EXPECT_FALSE(cancelled.step([] { return true; }));
    EXPECT_FALSE(cancelled.step([] { return true; }));
    EXPECT_EQ(mode.http.requested().size(), 1);
    EXPECT_TRUE(cancelled.cancelled() && cancelled.failed().isEmpty());
    EXPECT_EQ(cancelled.summary(), "Cancelled.");
    EXPECT_EQ(folder.bytes("Weekly.rtl"), Old);
    EXPECT_FALSE(folder.exists("temp.rtl"));
}
