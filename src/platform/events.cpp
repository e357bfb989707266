#include "platform/events.h"

#include "platform/testmode.h"

#include <QApplication>
#include <QDir>
#include <QThread>
#include <cstdio>
#include <cstdlib>

namespace vx::platform {

void DoEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void SleepMs(int milliseconds)
{
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

QString ProgramFolder()
{
    if (const TestMode *mode = TestMode::current(); mode && !mode->program.folder().isEmpty())
        return mode->program.folder();
    return QDir::cleanPath(QCoreApplication::applicationDirPath());
}

void EndProgram()
{
    if (TestMode *mode = TestMode::current()) {
        mode->program.end();
        return;
    }
    // Every window goes without its close handlers running. Every operation of the program
    // closes its files before it returns, so nothing is left half written.
    std::fflush(nullptr);
    std::_Exit(0);
}

} // namespace vx::platform
