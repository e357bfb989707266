#include "platform/sound.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace vx::platform {

namespace {
bool g_recording = false;
QStringList g_played;

using PlayFunction = void (*)(const QString &);

// Qt Multimedia and the sound server's libraries come with the module that plays (soundmodule.cpp),
// loaded at the first sound: most runs play none, and loading them with the program lengthened
// every start. Without the module nothing plays, as without an audio device.
PlayFunction player()
{
    static const PlayFunction play = [] {
        QLibrary module(QCoreApplication::applicationDirPath() + QStringLiteral("/vxsound"));
        return reinterpret_cast<PlayFunction>(module.resolve("vxPlaySound"));
    }();
    return play;
}
} // namespace

void PlaySoundAsync(const QString &path)
{
    if (g_recording) {
        g_played << path;
        return;
    }
    if (!QFileInfo::exists(path))
        return;
    if (const PlayFunction play = player())
        play(path);
}

namespace SoundRecorder {
void begin()
{
    g_recording = true;
    g_played.clear();
}
void end()
{
    g_recording = false;
    g_played.clear();
}
QStringList played()
{
    return g_played;
}
} // namespace SoundRecorder

} // namespace vx::platform
