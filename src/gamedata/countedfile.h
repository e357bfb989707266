#pragma once

#include "gamedata/recordfile.h"

#include <QString>
#include <algorithm>
#include <cstdint>
#include <vector>

namespace vx {

// A file of fixed-length records whose record 1 starts with a 32-bit count of the records in use
// (record 1 itself is the first of them). Record is a struct with Size, an int32_t count as its
// first field, fromBytes(const char *) and toBytes(char *); MaxCount is the most records the count
// may claim. A reader goes by the usable count, which leaves out what a damaged count claims beyond
// the file (or a negative one).
template <typename Record, int MaxCount> class CountedRecordFile
{
public:
    static constexpr int MaxRecords = MaxCount;

    CountedRecordFile()
        : m_file(Record::Size)
    {
    }

    bool open(const QString &path) { return m_file.open(path); } // creates a missing file empty
    bool open(QIODevice *device, const QString &name = QString()) { return m_file.open(device, name); }
    void close() { m_file.close(); }
    bool isOpen() const { return m_file.isOpen(); }
    QString path() const { return m_file.path(); }
    QString errorString() const { return m_file.errorString(); }
    RecordFile &records() { return m_file; }

    int32_t declaredCount() { return getInt32(m_file.read(1).constData()); } // record 1's count as stored

    // What record 1's count says of the file, from one read of it.
    struct Count {
        int32_t declared = 0; // as stored
        qint64 onDisk = 0; // whole records the file holds
        int usable = 0; // the records a reader may use: 0 to MaxCount, never beyond those on disk
        bool damaged = false; // the count is negative, too large, or past the end of the file
    };
    Count readCount()
    {
        Count c;
        c.declared = declaredCount();
        c.onDisk = m_file.recordsOnDisk();
        c.usable = c.declared <= 0 ? 0 : static_cast<int>(std::min<qint64>({c.declared, c.onDisk, MaxCount}));
        c.damaged = c.declared < 0 || c.declared > MaxCount || c.declared > c.onDisk;
        return c;
    }
    int usableCount() { return readCount().usable; }
    bool isDamaged() { return readCount().damaged; }
    qint64 recordsOnDisk() const { return m_file.recordsOnDisk(); }
    bool endsInTornRecord() const { return m_file.byteLength() % Record::Size != 0; }

    Record read(int n) { return Record::fromBytes(m_file.read(n).constData()); } // zeros past the end
    std::vector<Record> readRange(int first, int count) // one read
    {
        std::vector<Record> records;
        if (count <= 0)
            return records;
        const QByteArray bytes = m_file.readRange(first, count);
        records.reserve(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i)
            records.push_back(Record::fromBytes(bytes.constData() + static_cast<qsizetype>(i) * Record::Size));
        return records;
    }
    bool write(int n, const Record &record) { return writeRange(n, {record}); }
    bool writeRange(int first, const std::vector<Record> &records) // one write
    {
        if (records.empty())
            return true;
        QByteArray bytes(static_cast<qsizetype>(records.size()) * Record::Size, '\0');
        for (size_t i = 0; i < records.size(); ++i)
            records[i].toBytes(bytes.data() + static_cast<qsizetype>(i) * Record::Size);
        return m_file.writeRange(first, bytes);
    }
    bool setCount(int32_t count) // read record 1, set its count, write it back
    {
        Record first = read(1);
        first.count = count;
        return write(1, first);
    }

private:
    RecordFile m_file;
};

} // namespace vx
