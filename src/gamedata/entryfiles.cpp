#include "gamedata/entryfiles.h"

#include "gamedata/numberlines.h"
#include "gamedata/numbersfile.h"

#include <QFile>
#include <QFileInfo>

namespace vx {

QString historyFileName(const QString &gameName)
{
    return gameName + QStringLiteral(".rtl");
}

QString datedEntryFileName(const QString &gameName, const QDate &date, const MonthNameTable &monthNames)
{
    return gameName + twoDigits(date.day()) + MonthName(monthNames, date.month()) + QString::number(date.year())
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

bool namesWheelFile(const QString &path)
{
    return QFileInfo(path).fileName().contains(QLatin1Char('-'));
}

EntryFileKind entryFileKind(const QString &path)
{
    if (QFileInfo(path).fileName().contains(QLatin1String("Stand")))
        return EntryFileKind::Standing;
    return namesWheelFile(path) ? EntryFileKind::Wheel : EntryFileKind::Dated;
}

void DeleteEmptyEntryFile(const QString &entryFile)
{
    if (entryFile.isEmpty() || !QFileInfo::exists(entryFile))
        return;
    bool empty = false;
    {
        NumbersFile file;
        if (!file.open(entryFile))
            return;
        empty = file.declaredCount() == 0;
    }
    if (empty)
        QFile::remove(entryFile);
}

} // namespace vx
