#pragma once

#include <QString>

// The message loop, the program's folder and the end of the program.
namespace vx::platform {

// Lets the message loop handle what is pending, then returns (the waiting openers and long
// loops call this after each step).
void DoEvents();

// Suspends the thread for the given milliseconds.
void SleepMs(int milliseconds);

// The folder of the program file, without a trailing separator. A TestMode (testmode.h) points it
// elsewhere.
QString ProgramFolder();

// Ends the program at once, without asking any window. Under a TestMode it only records the call.
void EndProgram();

} // namespace vx::platform
