#include "platform/sound.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>
#include <memory>

namespace vx::platform {

namespace {
bool g_recording = false;
QStringList g_played;

QSoundEffect *effect()
{
    // One effect for the whole program: a new request restarts the sound.
    static std::unique_ptr<QSoundEffect> instance;
    if (!instance)
        instance = std::make_unique<QSoundEffect>();
    return instance.get();
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
    QSoundEffect *sound = effect();
    sound->stop();
    sound->setSource(QUrl::fromLocalFile(path));
    sound->play();
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
