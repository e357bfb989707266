#pragma once

#include <QString>
#include <QStringList>

// Handing files and programs to the desktop: opening a document with the application the desktop
// has for its type, finding and starting the system information program.
namespace vx::platform {

enum class OpenResult {
    Opened,
    NoApplication, // the desktop has no application for the file's type
    Failed, // the file is missing, or the application could not be started
};

// Opens a document with the desktop's application for its type, without waiting for it.
OpenResult OpenDocument(const QString &path);

// The installed system information program, empty when there is none.
QString SystemInfoProgram();

// Starts a program without waiting for it; false when it cannot be started.
bool StartProgram(const QString &path);

// Test seam. While scripting is on nothing is opened or started: each document asked for is
// recorded and takes the next queued result (Failed when the script has run out); the system
// information program is the one given (none unless set); each program started is recorded and
// starts when startsOk.
namespace DesktopScript {
void begin();
void end();
bool active();
void answerOpen(OpenResult result);
void setSystemInfoProgram(const QString &path);
void setStartsOk(bool ok);
QStringList opened(); // documents asked for, oldest first
QStringList started(); // programs asked for, oldest first
} // namespace DesktopScript

} // namespace vx::platform
