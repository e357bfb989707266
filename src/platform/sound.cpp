#include "platform/sound.h"

#include "platform/testmode.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace vx::platform {

namespace {
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
    if (TestMode *mode = TestMode::current()) {
        mode->sound.play(path);
        return;
    }
    if (!QFileInfo::exists(path))
        return;
    if (const PlayFunction play = player())
        play(path);
}

} // namespace vx::platform
