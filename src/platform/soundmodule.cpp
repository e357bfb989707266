// The part of the sound seam that plays, built as a module of its own (vxsound) beside the program
// and loaded at the first sound, so that Qt Multimedia and the sound server's libraries are not
// loaded with the program. sound.cpp calls it through vxPlaySound alone.
#include <QCoreApplication>
#include <QPointer>
#include <QSoundEffect>
#include <QString>
#include <QUrl>

extern "C" Q_DECL_EXPORT void vxPlaySound(const QString &path)
{
    // One effect for the whole program: a new request restarts the sound. It goes with the
    // application; left to the end of the program it would outlive the sound system it uses.
    static QPointer<QSoundEffect> effect;
    if (!effect)
        effect = new QSoundEffect(QCoreApplication::instance());
    effect->stop();
    effect->setSource(QUrl::fromLocalFile(path));
    effect->play();
}
