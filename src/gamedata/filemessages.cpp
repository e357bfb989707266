#include "gamedata/filemessages.h"

#include <QFileInfo>

namespace vx {

namespace {
QString cannot(const QString &verb, const QString &path, const QString &reason)
{
    const QString what = QStringLiteral("The file %1 could not be %2").arg(shownFileName(path), verb);
    const QString why = withoutFullStop(reason);
    return sentence(why.isEmpty() ? what : what + QStringLiteral(": ") + why);
}
} // namespace

QString shownFileName(const QString &path)
{
    return QFileInfo(path).fileName();
}

QString sentence(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.endsWith(QLatin1Char('.')) || trimmed.endsWith(QLatin1Char('?'))
        || trimmed.endsWith(QLatin1Char('!')))
        return trimmed;
    return trimmed + QLatin1Char('.');
}

QString withoutFullStop(const QString &text)
{
    QString trimmed = text.trimmed();
    while (trimmed.endsWith(QLatin1Char('.')))
        trimmed.chop(1);
    return trimmed;
}

QString sentences(std::initializer_list<QString> parts)
{
    QString joined;
    for (const QString &part : parts) {
        const QString one = sentence(part);
        if (one.isEmpty())
            continue;
        if (!joined.isEmpty())
            joined += QLatin1Char(' ');
        joined += one;
    }
    return joined;
}

QString cannotOpenFile(const QString &path, const QString &reason)
{
    return cannot(QStringLiteral("opened"), path, reason);
}

QString cannotReadFile(const QString &path, const QString &reason)
{
    return cannot(QStringLiteral("read"), path, reason);
}

QString cannotWriteFile(const QString &path, const QString &reason)
{
    return cannot(QStringLiteral("written"), path, reason);
}

QString cannotDeleteFile(const QString &path, const QString &reason)
{
    return cannot(QStringLiteral("deleted"), path, reason);
}

QString fileLeftAsItWas(const QString &path)
{
    return QStringLiteral("%1 was left as it was.").arg(shownFileName(path));
}

} // namespace vx
