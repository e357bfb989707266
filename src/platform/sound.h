#pragma once

#include <QString>
#include <QStringList>

namespace vx::platform {

// Plays a sound file asynchronously; a missing file or no audio device plays nothing and
// reports nothing.
void PlaySoundAsync(const QString &path);

// Test seam: while recording, nothing plays and the requested paths are kept.
namespace SoundRecorder {
void begin();
void end();
QStringList played();
} // namespace SoundRecorder

} // namespace vx::platform
