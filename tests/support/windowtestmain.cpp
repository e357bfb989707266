#include <QApplication>
#include <gtest/gtest.h>

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
    return RUN_ALL_TESTS();
}
