#include "entries/entryfilelist.h"

#include "gamedata/filemessages.h"
#include "gamedata/numberlines.h"
#include "gamedata/sharedstate.h"
#include "pickdigits/pickfile.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace vx {

namespace {
// Records read at a time from a lotto entry file, which ends at its first empty entry.
constexpr int ChunkRecords = 1024;

EntryFileContents pickContents(const QString &path, const QString &fileName, int pickType)
{
    EntryFileContents contents;
    const PickFileRead read = readPickFile(path, pickType);
    if (!read.readable) {
        contents.message = cannotReadFile(fileName, read.error);
        return contents;
    }
    for (const PickLine &line : read.lines)
        contents.lines << pickLineText(line, pickType);

    QStringList parts;
    if (read.countDamaged && read.declaredCount < 0)
        parts << QStringLiteral("%1 is damaged: its line count (%2) is negative, so every line the file holds is "
                                "shown.")
                     .arg(fileName)
                     .arg(read.declaredCount);
    else if (read.countDamaged)
        parts << QStringLiteral("%1 is damaged: it claims %2 lines but holds only %3.")
                     .arg(fileName)
                     .arg(read.declaredCount)
                     .arg(std::min<qint64>(read.recordsOnDisk, MaxPickLines));
    if (read.badLines == 1)
        parts << QStringLiteral("1 line of %1 holds digits outside 0 to 9 and is not shown.").arg(fileName);
    else if (read.badLines > 1)
        parts << QStringLiteral("%1 lines of %2 hold digits outside 0 to 9 and are not shown.")
                     .arg(read.badLines)
                     .arg(fileName);
    contents.message = parts.join(QLatin1Char(' '));
    return contents;
}

EntryFileContents lottoContents(const QString &path, const QString &fileName)
{
    EntryFileContents contents;
    NumbersFile file;
    if (!file.open(path)) {
        contents.message = openFailure(file).message;
        return contents;
    }
    const qint64 onDisk = file.recordsOnDisk();
    for (int first = 1; first <= onDisk && first <= MaxNumbersRecords; first += ChunkRecords) {
        const int count
            = static_cast<int>(std::min<qint64>({ChunkRecords, onDisk - first + 1, MaxNumbersRecords - first + 1}));
        for (const NumbersRecord &record : file.readRange(first, count)) {
            if (record.main[0] == 0)
                return contents;
            contents.lines << entryContentsLine(record);
        }
    }
    // No program writes more entries than a count can hold; the rest is no entry list.
    if (onDisk > MaxNumbersRecords && file.read(MaxNumbersRecords + 1).main[0] != 0)
        contents.message = QStringLiteral("%1 holds more than %2 entries: only the first %2 are shown.")
                               .arg(fileName)
                               .arg(MaxNumbersRecords);
    return contents;
}
} // namespace

QStringList entryFileNames(const QString &folder)
{
    QStringList names = QDir(folder).entryList({QStringLiteral("*.lot")}, QDir::Files, QDir::NoSort);
    // Names that differ only in case keep one order, capitals first.
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int byLetters = a.compare(b, Qt::CaseInsensitive);
        return byLetters != 0 ? byLetters < 0 : a < b;
    });
    return names;
}

QString entryContentsLine(const NumbersRecord &record)
{
    QString line;
    for (size_t i = 0; i < record.main.size(); ++i)
        if (i < 3 || record.main[i] > 0)
            line += twoDigits(record.main[i]) + QLatin1Char(' ');
    if (record.extra[0] > 0)
        line += QStringLiteral("PB ") + twoDigits(record.extra[0]);
    if (record.extra[1] > 0)
        line += QLatin1Char(' ') + twoDigits(record.extra[1]);
    return line;
}

EntryFileContents readEntryFileContents(const QString &folder, const QString &fileName)
{
    const QString path = dataPath(folder, fileName);
    if (!QFileInfo::exists(path))
        return {};
    if (fileName == QLatin1String("Pick3.lot"))
        return pickContents(path, fileName, 3);
    if (fileName == QLatin1String("Pick4.lot"))
        return pickContents(path, fileName, 4);
    return lottoContents(path, fileName);
}

} // namespace vx
