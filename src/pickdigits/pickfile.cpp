#include "pickdigits/pickfile.h"

#include "gamedata/filemessages.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace vx {

PickRecord PickRecord::fromBytes(const char *b)
{
    PickRecord r;
    r.count = getInt32(b);
    for (size_t i = 0; i < 4; ++i)
        r.digits[i] = getInt16(b + 4 + 2 * static_cast<int>(i));
    return r;
}

void PickRecord::toBytes(char *b) const
{
    putInt32(b, count);
    for (size_t i = 0; i < 4; ++i)
        putInt16(b + 4 + 2 * static_cast<int>(i), digits[i]);
}

QByteArray PickRecord::toBytes() const
{
    QByteArray bytes(Size, '\0');
    toBytes(bytes.data());
    return bytes;
}

QString pickFileName(int pickType)
{
    return pickType == 4 ? QStringLiteral("Pick4.lot") : QStringLiteral("Pick3.lot");
}

PickFileRead readPickFile(const QString &path, int pickType)
{
    PickFileRead result;
    if (!QFileInfo::exists(path))
        return result;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.readable = false;
        result.error = file.errorString();
        return result;
    }
    const QByteArray bytes = file.readAll();
    file.close();

    result.recordsOnDisk = bytes.size() / PickRecord::Size;
    if (result.recordsOnDisk == 0)
        return result; // an empty file holds no lines and claims none
    result.declaredCount = getInt32(bytes.constData());
    const qint64 limit = std::min<qint64>(result.recordsOnDisk, MaxPickLines);
    qint64 usable = result.declaredCount;
    if (result.declaredCount < 0) {
        result.countDamaged = true;
        usable = limit;
    } else if (result.declaredCount > limit) {
        result.countDamaged = true;
        usable = limit;
    }

    result.lines.reserve(static_cast<size_t>(usable));
    for (qint64 n = 0; n < usable; ++n) {
        const PickRecord record = PickRecord::fromBytes(bytes.constData() + n * PickRecord::Size);
        if (!isSoundPickLine(record.digits, pickType)) {
            ++result.badLines;
            continue;
        }
        PickLine line = record.digits;
        if (pickType != 4)
            line[3] = 0;
        result.lines.push_back(line);
    }
    return result;
}

QString damagedPickFileMessage(const QString &path, const PickFileRead &read)
{
    const QString name = QFileInfo(path).fileName();
    QStringList parts;
    if (read.countDamaged) {
        if (read.declaredCount < 0)
            parts << QStringLiteral("%1 is damaged: its line count (%2) is negative, so every line the file holds "
                                    "is shown.")
                         .arg(name)
                         .arg(read.declaredCount);
        else
            parts << QStringLiteral("%1 is damaged: it claims %2 lines but holds only %3.")
                         .arg(name)
                         .arg(read.declaredCount)
                         .arg(std::min<qint64>(read.recordsOnDisk, MaxPickLines));
    }
    if (read.badLines == 1)
        parts << QStringLiteral("1 line of %1 holds digits outside 0 to 9 and is not shown.").arg(name);
    else if (read.badLines > 1)
        parts << QStringLiteral("%1 lines of %2 hold digits outside 0 to 9 and are not shown.")
                     .arg(read.badLines)
                     .arg(name);
    if (read.lines.size() == 1)
        parts << QStringLiteral("1 line is shown; saving keeps only the lines in the list.");
    else
        parts << QStringLiteral("%1 lines are shown; saving keeps only the lines in the list.").arg(read.lines.size());
    return parts.join(QLatin1Char(' '));
}

FileResult writePickFile(const QString &path, int pickType, const std::vector<PickLine> &lines)
{
    if (lines.size() > static_cast<size_t>(MaxPickLines))
        return FileResult::failure(QStringLiteral("A list of more than %1 lines cannot be saved.").arg(MaxPickLines));

    const size_t records = std::max<size_t>(lines.size(), 1);
    QByteArray bytes(static_cast<qsizetype>(records) * PickRecord::Size, '\0');
    for (size_t k = 0; k < lines.size(); ++k) {
        PickRecord record;
        record.count = k == 0 ? static_cast<int32_t>(lines.size()) : 0;
        record.digits = lines[k];
        if (pickType != 4)
            record.digits[3] = 0;
        record.toBytes(bytes.data() + static_cast<qsizetype>(k) * PickRecord::Size);
    }

    QString error;
    if (!saveWholeFile(path, bytes, &error))
        return FileResult::failure(
            sentences({QStringLiteral("Your lines could not be saved."), cannotWriteFile(path, error)}));
    return {};
}

} // namespace vx
