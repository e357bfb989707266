#pragma once

#include <QString>

namespace vx::platform {

// Plays a sound file asynchronously; a missing file or no audio device plays nothing and
// reports nothing. While a TestMode stands (testmode.h) nothing plays and the path is kept.
void PlaySoundAsync(const QString &path);

} // namespace vx::platform
