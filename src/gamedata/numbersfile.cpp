#include "gamedata/numbersfile.h"

#include "gamedata/filemessages.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <functional>

namespace vx {

NumbersRecord NumbersRecord::fromBytes(const char *b)
{
    NumbersRecord r;
    r.count = getInt32(b);
    r.number = getInt16(b + 4);
    r.day = getInt16(b + 6);
    r.month = getInt16(b + 8);
    r.year = getInt16(b + 10);
    for (int i = 0; i < 7; ++i)
        r.main[static_cast<size_t>(i)] = getInt16(b + 12 + 2 * i);
    r.extra[0] = getInt16(b + 26);
    r.extra[1] = getInt16(b + 28);
    return r;
}

void NumbersRecord::toBytes(char *b) const
{
    putInt32(b, count);
    putInt16(b + 4, number);
    putInt16(b + 6, day);
    putInt16(b + 8, month);
    putInt16(b + 10, year);
    for (int i = 0; i < 7; ++i)
        putInt16(b + 12 + 2 * i, main[static_cast<size_t>(i)]);
    putInt16(b + 26, extra[0]);
    putInt16(b + 28, extra[1]);
}

QByteArray NumbersRecord::toBytes() const
{
    QByteArray bytes(Size, '\0');
    toBytes(bytes.data());
    return bytes;
}

std::array<int16_t, 9> NumbersRecord::numbers() const
{
    return {main[0], main[1], main[2], main[3], main[4], main[5], main[6], extra[0], extra[1]};
}

NumbersRecord::StoredDate NumbersRecord::storedDate(int16_t day, int16_t month, int16_t year)
{
    StoredDate date;
    putInt16(date.bytes, day);
    putInt16(date.bytes + 2, month);
    putInt16(date.bytes + 4, year);
    return date;
}

QString damagedFileMessage(const QString &path, int32_t declared, qint64 onDisk)
{
    if (declared < 0)
        return QStringLiteral("The file %1 is damaged: it gives its number of records as %2. "
                              "None of its records are used.")
            .arg(QFileInfo(path).fileName())
            .arg(declared);
    const qint64 usable = std::clamp<qint64>(std::min<qint64>(declared, onDisk), 0, MaxNumbersRecords);
    return QStringLiteral("The file %1 is damaged: it says it holds %2 records, but %3 can be read. "
                          "Only those %4 records are used.")
        .arg(QFileInfo(path).fileName())
        .arg(declared)
        .arg(std::min<qint64>(onDisk, MaxNumbersRecords))
        .arg(usable);
}

std::vector<NumbersRecord> numbersRecordsOf(const QByteArray &bytes, int count)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    NumbersFile file;
    file.open(&buffer);
    return file.readRange(1, static_cast<int>(std::min<qint64>(count, file.recordsOnDisk())));
}

void putNumbersRecords(QByteArray &bytes, const std::vector<NumbersRecord> &records)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadWrite);
    NumbersFile file;
    file.open(&buffer);
    file.writeRange(1, records);
    file.setCount(static_cast<int32_t>(records.size()));
}

QByteArray recordBytes(const std::vector<NumbersRecord> &records)
{
    QByteArray bytes(static_cast<qsizetype>(records.size()) * NumbersRecord::Size, '\0');
    for (size_t k = 0; k < records.size(); ++k)
        records[k].toBytes(bytes.data() + static_cast<qsizetype>(k) * NumbersRecord::Size);
    return bytes;
}

int32_t storedCount(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray first = file.read(NumbersRecord::Size);
    return first.size() < 4
        ? 0
        : NumbersRecord::fromBytes(first.leftJustified(NumbersRecord::Size, '\0').constData()).count;
}

QString getstringdate(int16_t y, int16_t m, int16_t d)
{
    auto two = [](int16_t v) { return v < 10 ? QStringLiteral("0") + QString::number(v) : QString::number(v); };
    return QString::number(y) + two(m) + two(d);
}

long long dateKey(int16_t y, int16_t m, int16_t d)
{
    return getstringdate(y, m, d).toLongLong();
}

FileResult openFailure(const NumbersFile &file)
{
    return FileResult::failure(cannotOpenFile(file.path(), file.errorString()));
}

FileResult writeFailure(const NumbersFile &file)
{
    return FileResult::failure(cannotWriteFile(file.path(), file.errorString()));
}

// A negative count says nothing about what the file holds; writing on would overwrite record 1.
FileResult negativeCountFailure(NumbersFile &file)
{
    return FileResult::failure(sentences({damagedFileMessage(file.path(), file.declaredCount(), file.recordsOnDisk()),
        QStringLiteral("Nothing was added.")}));
}

FileResult fullFailure(const QString &path)
{
    return FileResult::failure(QStringLiteral("The file %1 already holds %2 records, the most it can hold. "
                                              "Nothing was added.")
                                   .arg(QFileInfo(path).fileName())
                                   .arg(MaxNumbersRecords));
}

QString NumbersFileRead::damageMessage() const
{
    return damaged ? damagedFileMessage(path, declared, onDisk) : QString();
}

FileResult NumbersFileRecords::open(const QString &path)
{
    m_path = path;
    m_bytes.clear();
    m_count = 0;
    m_damaged = false;
    NumbersFile file;
    if (!file.open(path))
        return openFailure(file);
    const NumbersFile::Count count = file.readCount();
    m_declared = count.declared;
    m_onDisk = count.onDisk;
    m_damaged = count.damaged;
    m_bytes = file.records().readWholeRecords(1, count.usable);
    m_count = static_cast<int>(m_bytes.size() / NumbersRecord::Size);
    if (m_count < count.usable) { // cut short by another program since its size was taken
        m_onDisk = m_count;
        m_damaged = true;
    }
    return {};
}

QString NumbersFileRecords::damageMessage() const
{
    return m_damaged ? damagedFileMessage(m_path, m_declared, m_onDisk) : QString();
}

FileResult readNumbersFile(const QString &path, NumbersFileRead *read)
{
    NumbersFileRecords file;
    if (const FileResult opened = file.open(path); !opened.ok)
        return opened;
    read->damaged = file.damaged();
    read->declared = file.declaredCount();
    read->onDisk = file.recordsOnDisk();
    read->path = path;
    read->records.clear();
    read->records.reserve(static_cast<size_t>(file.count()));
    for (int i = 0; i < file.count(); ++i)
        read->records.push_back(NumbersRecord::fromBytes(file.record(i)));
    return {};
}

namespace {
// Makes the change on a copy of the whole file in memory, then puts the copy in place of the file
// in one go. A refused change writes nothing.
FileResult changeWholeFile(NumbersFile &file, const std::function<FileResult(NumbersFile &)> &change)
{
    const QByteArray before = file.records().readAll();
    if (before.size() != file.records().byteLength()) // a change made from part of the file would lose the rest
        return FileResult::failure(cannotReadFile(file.path(), file.errorString()));
    QByteArray image = before;
    QBuffer buffer(&image);
    buffer.open(QIODevice::ReadWrite);
    NumbersFile copy;
    copy.open(&buffer, file.path());
    const FileResult result = change(copy);
    copy.close();
    buffer.close();
    if (!result.ok || image == before)
        return result;
    return file.records().replaceAll(image) ? FileResult {} : writeFailure(file);
}

FileResult changeWholeFile(const QString &path, const std::function<FileResult(NumbersFile &)> &change)
{
    NumbersFile file;
    if (!file.open(path))
        return openFailure(file);
    return changeWholeFile(file, change);
}
} // namespace

FileResult insertResult(const QString &historyPath, NumbersRecord result)
{
    return changeWholeFile(historyPath, [&](NumbersFile &file) { return insertResult(file, result); });
}

FileResult insertResult(NumbersFile &file, NumbersRecord result)
{
    if (file.declaredCount() < 0)
        return negativeCountFailure(file);
    const int c = file.usableCount();
    if (c >= MaxNumbersRecords)
        return fullFailure(file.path());

    if (c == 0) {
        result.count = 1;
        result.number = 1;
        return file.write(1, result) ? FileResult {} : writeFailure(file);
    }

    // Every record is read once; the moves below happen in memory and go back in one write.
    std::vector<NumbersRecord> records = file.readRange(1, c);
    const long long key = dateKey(result.year, result.month, result.day);
    int r = 0;
    for (int i = 0; i < c; ++i) {
        const NumbersRecord &rec = records[static_cast<size_t>(i)];
        if (dateKey(rec.year, rec.month, rec.day) > key) {
            r = i + 1;
            break;
        }
    }

    if (r > 0) {
        // Records r .. c move up one place with their Numbers raised; the new record takes the
        // buffer of the last one read (record r), so its Count field is record r's old Count.
        std::vector<NumbersRecord> moved(records.begin() + (r - 1), records.end());
        for (NumbersRecord &rec : moved)
            ++rec.number;
        NumbersRecord fresh = result;
        fresh.count = records[static_cast<size_t>(r - 1)].count;
        fresh.number = static_cast<int16_t>(r);
        std::vector<NumbersRecord> tail;
        tail.reserve(moved.size() + 1);
        tail.push_back(fresh);
        tail.insert(tail.end(), moved.begin(), moved.end());
        if (r == 1)
            tail.front().count = c + 1;
        else
            records[0].count = c + 1;
        if (!file.writeRange(r, tail))
            return writeFailure(file);
        if (r != 1 && !file.write(1, records[0]))
            return writeFailure(file);
        return {};
    }

    // After every stored record: record 1's Count goes up, and the new record is built in the
    // same buffer, so it carries the new Count too.
    records[0].count = c + 1;
    if (!file.write(1, records[0]))
        return writeFailure(file);
    result.count = c + 1;
    result.number = static_cast<int16_t>(c + 1);
    return file.write(c + 1, result) ? FileResult {} : writeFailure(file);
}

FileResult deleteResult(const QString &historyPath, int p)
{
    NumbersFile file;
    if (!file.open(historyPath))
        return openFailure(file);
    if (file.usableCount() == 1 && p == 1) {
        file.close();
        QFile history(historyPath);
        if (!history.remove())
            return FileResult::failure(cannotDeleteFile(historyPath, history.errorString()));
        return {};
    }
    return changeWholeFile(file, [p](NumbersFile &image) { return deleteResult(image, p); });
}

FileResult deleteResult(NumbersFile &file, int p)
{
    const int c = file.usableCount();
    if (p < 1 || p > c)
        return FileResult::failure(
            QStringLiteral("The draw to delete is no longer in the file %1.").arg(QFileInfo(file.path()).fileName()));
    if (p < c) {
        std::vector<NumbersRecord> moved = file.readRange(p + 1, c - p);
        for (NumbersRecord &rec : moved)
            --rec.number;
        if (!file.writeRange(p, moved))
            return writeFailure(file);
    }
    return file.setCount(c - 1) ? FileResult {} : writeFailure(file);
}

FileResult openForAdding(NumbersFile &file, const QString &path)
{
    if (!file.open(path))
        return openFailure(file);
    if (file.declaredCount() < 0) {
        const FileResult refusal = negativeCountFailure(file);
        file.close();
        return refusal;
    }
    return {};
}

FileResult appendEntry(const QString &entryPath, const std::array<int16_t, 7> &mains, int16_t extra1, int *newCount)
{
    NumbersFile file;
    if (const FileResult opened = openForAdding(file, entryPath); !opened.ok)
        return opened;
    const int count = file.usableCount();
    if (count >= MaxNumbersRecords)
        return fullFailure(entryPath);
    NumbersRecord record = file.read(1);
    record.main = mains;
    record.extra[0] = extra1;
    // A full disk part-way leaves the file as it was, not with part of a record after the last entry.
    RecordFileChange change(file.records());
    if (!file.write(count + 1, record))
        return writeFailure(file);
    if (!file.setCount(count + 1))
        return writeFailure(file);
    change.keep();
    if (newCount)
        *newCount = count + 1;
    return {};
}

FileResult rewriteEntry(const QString &entryPath, int n, const std::array<int16_t, 7> &mains, int mainsToReplace,
    std::optional<int16_t> extra1)
{
    NumbersFile file;
    if (!file.open(entryPath))
        return openFailure(file);
    if (n < 1 || n > file.usableCount())
        return FileResult::failure(
            QStringLiteral("The entry to change is no longer in the file %1.").arg(QFileInfo(entryPath).fileName()));
    NumbersRecord record = file.read(n);
    std::copy(mains.begin(), mains.begin() + std::clamp(mainsToReplace, 0, 7), record.main.begin());
    if (extra1)
        record.extra[0] = *extra1;
    return file.write(n, record) ? FileResult {} : writeFailure(file);
}

FileResult deleteEntries(const QString &entryPath, std::vector<int> selectedLines, int *newCount)
{
    int count = 0;
    const FileResult result = changeWholeFile(
        entryPath, [&](NumbersFile &file) { return deleteEntries(file, std::move(selectedLines), &count); });
    if (result.ok && newCount)
        *newCount = count;
    return result;
}

FileResult deleteEntries(NumbersFile &file, std::vector<int> selectedLines, int *newCount)
{
    const int c = file.usableCount();
    std::vector<NumbersRecord> records = file.readRange(1, c);

    std::sort(selectedLines.begin(), selectedLines.end());
    selectedLines.erase(std::unique(selectedLines.begin(), selectedLines.end()), selectedLines.end());
    std::erase_if(selectedLines, [c](int line) { return line < 0 || line >= c; });

    // Deleting the lowest selected line first shifts every later line down by one, so the k-th
    // deletion (from 0) removes what is then line selected[k] - k.
    int count = c;
    for (size_t k = 0; k < selectedLines.size(); ++k) {
        const int line = selectedLines[k] - static_cast<int>(k);
        std::copy(records.begin() + line + 1, records.begin() + count, records.begin() + line);
        --count;
        records[0].count = count;
    }
    if (newCount)
        *newCount = count;
    if (selectedLines.empty())
        return {};
    // Records past the new count keep what the moves left there, as a reader ignores them.
    if (!file.writeRange(1, records))
        return writeFailure(file);
    return {};
}

FileResult copyFileReplacing(const QString &source, const QString &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return FileResult::failure(cannotReadFile(source, in.errorString()));
    const QByteArray bytes = in.readAll();
    in.close();
    QString error;
    if (!saveWholeFile(target, bytes, &error))
        return FileResult::failure(cannotWriteFile(target, error));
    return {};
}

} // namespace vx
