#include "platform/toolwindow.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {
// A fatal failure inside a timer or a scripted answer ends that code early, before the close that a
// waiting opener needs: every open tool window is closed then, so the test runs on to its end,
// failed, instead of waiting until CTest gives up on it.
class CloseToolWindowsOnFatalFailure : public ::testing::EmptyTestEventListener
{
    void OnTestPartResult(const ::testing::TestPartResult &result) override
    {
        if (!result.fatally_failed())
            return;
        for (QWidget *top : QApplication::topLevelWidgets())
            if (auto *tool = qobject_cast<vx::ToolWindow *>(top); tool && tool->isVisible()) {
                tool->hide();
                emit tool->closed();
            }
    }
};
} // namespace

// Window tests share one offscreen application; no window ever needs a display.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The machine's own printers must not change what a test sees: without a scheduler of the
    // test's own (support/cupsscheduler.h) there is no printer at all.
    qputenv("CUPS_SERVER", "/nonexistent/vexmora-tests/cups.sock");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new CloseToolWindowsOnFatalFailure);
    return RUN_ALL_TESTS();
}
