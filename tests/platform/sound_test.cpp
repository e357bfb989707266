#include "platform/sound.h"
#include "support/scriptedplatform.h"

#include <QLibrary>
#include <gtest/gtest.h>

// The program plays its sounds through the module built beside it, loaded at the first sound.
TEST(Sound, TheModuleBesideTheProgramOffersWhatThePlayerCalls)
{
    QLibrary module(QStringLiteral(VX_SOUND_MODULE));
    EXPECT_NE(module.resolve("vxPlaySound"), nullptr) << module.errorString().toStdString();
    vx::platform::TestMode mode(QString(), vx::test::ScriptedNow); // the tests record the sounds instead
    vx::platform::PlaySoundAsync(QStringLiteral("/nowhere/tada.wav"));
    EXPECT_EQ(mode.sound.played(), QStringList {QStringLiteral("/nowhere/tada.wav")});
}
