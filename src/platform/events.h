#pragma once

#include <QString>

// The message loop, the program's folder and the end of the program.
namespace vx::platform {

// Lets the message loop handle what is pending, then returns (the waiting openers and long
// loops call this after each step).
void DoEvents();

// Suspends the thread for the given milliseconds.
void SleepMs(int milliseconds);

// The folder of the program file, without a trailing separator. Tests point it elsewhere.
QString ProgramFolder();
void SetProgramFolderForTesting(const QString &folder); // empty: the real folder again

// Ends the program at once, without asking any window. Under test it only records the call.
void EndProgram();
bool ProgramEnded();
void SetEndProgramRecordsOnly(bool recordOnly);
void ResetProgramEnded();

} // namespace vx::platform
