#include "gamedata/entryfiles.h"

#include "gamedata/numberlines.h"
#include "gamedata/numbersfile.h"
#include "gamedata/sharedstate.h"

#include <QFile>
#include <QFileInfo>

namespace vx {

QString historyFileName(const QString &gameName)
{
    return gameName + QStringLiteral(".rtl");
}

QString datedEntryFileName(const QString &gameName, const QDate &date)
{
    return gameName + twoDigits(date.day()) + MonthName(date.month()) + QString::number(date.year())
        + QStringLiteral(".lot");
}

QString standingEntryFileName(const QString &gameName)
{
    return QStringLiteral("Stand") + gameName + QStringLiteral(".lot");
}

QString wheelEntryFileName(const QString &gameName, const QString &suffix)
{
    return gameName + suffix;
}

void DeleteEmptyEntryFile()
{
    if (EntryFile.isEmpty() || !QFileInfo::exists(EntryFile))
        return;
    bool empty = false;
    {
        NumbersFile file;
        if (!file.open(EntryFile))
            return;
        empty = file.declaredCount() == 0;
    }
    if (empty)
        QFile::remove(EntryFile);
}

} // namespace vx
