#pragma once

#include <QString>

namespace vx::test {

// Puts the platform layer in its test state for a program folder: messages, file choosers and
// downloads scripted, sounds recorded, the end of the program only recorded, and the English month
// names (JAN ... DEC) so dated entry files are named alike on every machine.
void beginScriptedPlatform(const QString &programFolder);
void endScriptedPlatform(); // back to the real platform

} // namespace vx::test
