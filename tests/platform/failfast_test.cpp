#include "platform/toolwindow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>
#include <gtest/gtest.h>

using namespace vx;

namespace {
class WaitedWindow : public ToolWindow
{
protected:
    void titleBarClose() override { unload(); }
};
} // namespace

// Run only by the test below, in a process of its own: an assertion fails inside a timer before the
// window it would have closed is closed, while the opener waits for that window.
TEST(FailFast, DISABLED_AFailedAssertionWhileAnOpenerWaits)
{
    QWidget main;
    auto *window = new WaitedWindow;
    QTimer::singleShot(0, [window] {
        ASSERT_TRUE(false) << "on purpose";
        window->close();
    });
    openToolWindow(&main, window, OpenMode::Wait);
}

TEST(FailFast, AFailedAssertionInsideATimerFailsTheTestAtOnce)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer clock;
    clock.start();
    child.start(QCoreApplication::applicationFilePath(),
        {"--gtest_filter=FailFast.DISABLED_AFailedAssertionWhileAnOpenerWaits", "--gtest_also_run_disabled_tests"});
    ASSERT_TRUE(child.waitForFinished(60000)) << "the failed test hangs";
    const QString output = QString::fromUtf8(child.readAll());
    EXPECT_NE(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("on purpose")) << output.toStdString();
    EXPECT_TRUE(output.contains("1 FAILED TEST")) << output.toStdString();
    EXPECT_LT(clock.elapsed(), 30000);
}
