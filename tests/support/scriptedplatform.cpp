#include "support/scriptedplatform.h"

#include "gamedata/rnd.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/events.h"
#include "platform/filechooser.h"
#include "platform/httptransfer.h"
#include "platform/localemonths.h"
#include "platform/messages.h"
#include "platform/sound.h"

#include <QStringList>

namespace vx::test {

void beginScriptedPlatform(const QString &programFolder)
{
    platform::MessageScript::begin();
    platform::ClockScript::begin(QDateTime(ScriptedToday, QTime(10, 0)));
    platform::FileChooserScript::begin();
    platform::HttpScript::begin();
    platform::SoundRecorder::begin();
    platform::DesktopScript::begin();
    platform::SetEndProgramRecordsOnly(true);
    platform::ResetProgramEnded();
    platform::SetProgramFolderForTesting(programFolder);
    platform::SetMonthNamesForTesting(
        QStringList {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"});
}

void endScriptedPlatform()
{
    platform::SetMonthNamesForTesting(std::nullopt);
    platform::SetProgramFolderForTesting(QString());
    platform::SoundRecorder::end();
    platform::DesktopScript::end();
    platform::MessageScript::end();
    platform::HttpScript::end();
    platform::FileChooserScript::end();
    RndTesting::setClock({});
    platform::ClockScript::end();
}

} // namespace vx::test
