#include "platform/events.h"

#include <QApplication>
#include <QDir>
#include <QThread>
#include <cstdio>
#include <cstdlib>

namespace vx::platform {

namespace {
QString &folderOverride()
{
    static QString folder;
    return folder;
}
bool g_recordOnly = false;
bool g_ended = false;
} // namespace

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
    if (!folderOverride().isEmpty())
        return folderOverride();
    return QDir::cleanPath(QCoreApplication::applicationDirPath());
}

void SetProgramFolderForTesting(const QString &folder)
{
    folderOverride() = folder;
}

void EndProgram()
{
    g_ended = true;
    if (g_recordOnly)
        return;
    // Every window goes without its close handlers running. Every operation of the program
    // closes its files before it returns, so nothing is left half written.
    std::fflush(nullptr);
    std::_Exit(0);
}

bool ProgramEnded()
{
    return g_ended;
}

void SetEndProgramRecordsOnly(bool recordOnly)
{
    g_recordOnly = recordOnly;
}

void ResetProgramEnded()
{
    g_ended = false;
}

} // namespace vx::platform
