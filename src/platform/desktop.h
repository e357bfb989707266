#pragma once

#include <QString>

// Handing files and programs to the desktop: opening a document with the application the desktop
// has for its type, finding and starting the system information program. While a TestMode stands
// (testmode.h) nothing is opened or started.
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

} // namespace vx::platform
