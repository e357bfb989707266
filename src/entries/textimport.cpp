#include "entries/textimport.h"

#include "gamedata/boxvalue.h"
#include "gamedata/filemessages.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace vx {

namespace {

QByteArray withoutLineEnding(QByteArray line)
{
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

// Adds one line to a check under way; false once the check has its answer.
bool addLine(ImportText &text, QByteArrayView line, const ImportRules &rules)
{
    if (static_cast<int>(text.lines.size()) >= MaxNumbersRecords) {
        text.code = ImportCode::TooManyLines;
        text.failingLine = MaxNumbersRecords + 1;
        return false;
    }
    ImportLine read;
    text.code = readImportLine(line, rules, &read);
    if (text.code != ImportCode::Valid) {
        text.failingLine = static_cast<int>(text.lines.size()) + 1;
        return false;
    }
    text.lines.push_back(read);
    return true;
}

} // namespace

QString importMessage(ImportCode code)
{
    switch (code) {
    case ImportCode::Valid:
        return {};
    case ImportCode::NoFile:
        return QStringLiteral("You have not selected a file");
    case ImportCode::OutOfRange:
        return QStringLiteral(
            "One or more of your numbers are out of range - or your file is not in the correct format");
    case ImportCode::SameBalls:
        return QStringLiteral("One or more of the balls are the same!");
    case ImportCode::DateHasEntries:
        return QStringLiteral("You already have a date entry for this date, please choose another date");
    case ImportCode::NotReadable:
        return QStringLiteral("Your txt file is not valid");
    case ImportCode::TooManyLines:
        return QStringLiteral("Your txt file has more than %1 lines, but an entry file holds at most %1 entries. "
                              "Split it into smaller files. Nothing was imported.")
            .arg(MaxNumbersRecords);
    case ImportCode::TooLarge:
        return QStringLiteral("Your txt file is larger than any file of %1 entries can be, so it is not a file of "
                              "entries. Nothing was imported.")
            .arg(MaxNumbersRecords);
    }
    return {};
}

ImportRules ImportRules::of(const CurrentGame &game)
{
    return {game.MainPool, game.MainPicked, game.BonusPicked, game.BonusPool};
}

int16_t importField(QByteArrayView line, int column)
{
    const qsizetype at = column - 1;
    if (at < 0 || at >= line.size())
        return 0;
    const QByteArrayView field = line.sliced(at, std::min<qsizetype>(2, line.size() - at));
    return RoundToInt16(BoxValue(QString::fromLatin1(field)));
}

ImportCode readImportLine(QByteArrayView line, const ImportRules &rules, ImportLine *out)
{
    const int picked = std::clamp<int>(rules.mainPicked, 0, 7);
    ImportLine read;
    for (int k = 0; k < picked; ++k) {
        const int16_t n = importField(line, 3 * k + 1);
        if (n < 1 || n > rules.mainPool)
            return ImportCode::OutOfRange;
        read.main[static_cast<size_t>(k)] = n;
    }
    if (rules.bonusPicked == 1) {
        read.extra = importField(line, 3 * picked + 1);
        if (read.extra < 1 || read.extra > rules.highestExtra())
            return ImportCode::OutOfRange;
    }
    std::sort(read.main.begin(), read.main.begin() + picked);
    if (std::adjacent_find(read.main.begin(), read.main.begin() + picked) != read.main.begin() + picked)
        return ImportCode::SameBalls;
    *out = read;
    return ImportCode::Valid;
}

QList<QByteArray> splitImportLines(const QByteArray &text)
{
    QList<QByteArray> lines;
    qsizetype from = 0;
    while (from < text.size()) {
        qsizetype end = text.indexOf('\n', from);
        end = end < 0 ? text.size() : end + 1;
        lines << withoutLineEnding(text.mid(from, end - from));
        from = end;
    }
    return lines;
}

QStringList importListLines(const QByteArray &text)
{
    QStringList shown;
    for (const QByteArray &line : splitImportLines(text))
        shown << QString::fromLatin1(line.left(MaxImportLineLength));
    return shown;
}

ImportText readImportText(const QByteArray &text, const ImportRules &rules)
{
    ImportText read;
    for (const QByteArray &line : splitImportLines(text))
        if (!addLine(read, line, rules))
            break;
    return read;
}

ImportCheck validateImport(const QString &textPath, const QString &targetPath, const ImportRules &rules)
{
    if (textPath.isEmpty())
        return {ImportCode::NoFile, {}};
    QFile file(textPath);
    if (!QFileInfo(textPath).isFile() || !file.open(QIODevice::ReadOnly))
        return {ImportCode::NotReadable, {}};
    if (file.size() > MaxImportFileBytes)
        return {ImportCode::TooLarge, {}};
    // Line by line, so that a huge file stops at its first bad line or at the most lines allowed.
    ImportText read;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine();
        if (line.isEmpty() && file.error() != QFileDevice::NoError)
            return {ImportCode::NotReadable, {}};
        if (!addLine(read, withoutLineEnding(line), rules))
            return {read.code, {}};
    }
    // A damaged (negative) count may still stand for entries, so only a count of 0 lets the date in.
    if (storedCount(targetPath) != 0)
        return {ImportCode::DateHasEntries, {}};
    return {ImportCode::Valid, std::move(read.lines)};
}

QByteArray importedFileBytes(const std::vector<ImportLine> &lines, const QDate &date, const QByteArray &oldBytes)
{
    std::vector<NumbersRecord> records(lines.size());
    for (size_t k = 0; k < lines.size(); ++k) {
        records[k].day = static_cast<int16_t>(date.day());
        records[k].month = static_cast<int16_t>(date.month());
        records[k].year = static_cast<int16_t>(date.year());
        records[k].main = lines[k].main;
        records[k].extra[0] = lines[k].extra;
    }
    QByteArray bytes = oldBytes;
    putNumbersRecords(bytes, records);
    return bytes;
}

FileResult writeImport(const QString &targetPath, const std::vector<ImportLine> &lines, const QDate &date)
{
    if (lines.size() > static_cast<size_t>(MaxNumbersRecords))
        return FileResult::failure(importMessage(ImportCode::TooManyLines));
    QByteArray oldBytes;
    if (QFileInfo::exists(targetPath)) {
        QFile old(targetPath);
        if (!old.open(QIODevice::ReadOnly))
            return FileResult::failure(
                sentences({cannotOpenFile(targetPath, old.errorString()), QStringLiteral("Nothing was imported.")}));
        oldBytes = old.readAll();
    }
    QString error;
    if (!saveWholeFile(targetPath, importedFileBytes(lines, date, oldBytes), &error))
        return FileResult::failure(
            sentences({cannotWriteFile(targetPath, error), QStringLiteral("Nothing was imported.")}));
    return {};
}

} // namespace vx
