#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace vx {

// A random-access file of fixed-length records numbered from 1 (record n starts at byte
// size * (n - 1)). Opening a missing file creates it empty; reading past the end gives zeros;
// writing past the end lengthens the file. The records live in a file opened by path or in any
// random-access device given (a QBuffer, say). A file opened by path is closed when the object goes.
class RecordFile
{
public:
    explicit RecordFile(int recordSize);
    ~RecordFile();
    RecordFile(const RecordFile &) = delete;
    RecordFile &operator=(const RecordFile &) = delete;

    // Opens for reading and writing, creating the file when it is missing. A file that exists
    // but cannot be written is opened for reading only (writes then fail). False when the file
    // can be neither opened nor created.
    bool open(const QString &path);
    // Works on a device the caller keeps; one that is not open yet is opened for reading and
    // writing. The name stands for the device in messages.
    bool open(QIODevice *device, const QString &name = QString());
    bool isOpen() const;
    bool isWritable() const;
    void close();

    int recordSize() const { return m_size; }
    qint64 recordsOnDisk() const; // whole records the file holds
    qint64 byteLength() const;

    // Record n (from 1); bytes beyond the end of the file read as zeros.
    QByteArray read(qint64 n);
    // Records first .. first + count - 1 in one read, zeros beyond the end.
    QByteArray readRange(qint64 first, qint64 count);
    QByteArray readAll(); // every byte, a torn last record included
    // Records first .. first + count - 1 as far as the file holds them whole when they are read, in
    // one plain read: a file that another program cuts short meanwhile gives fewer records, never
    // zeros in place of the missing ones. (A mapped view would fault on a file cut short under it.)
    QByteArray readWholeRecords(qint64 first, qint64 count);
    bool write(qint64 n, const QByteArray &bytes);
    bool writeRange(qint64 first, const QByteArray &bytes); // whole records, one write

    // Replaces the whole content with bytes at least as long as the file. A file opened by path
    // is written beside the old one, which is replaced only once everything is written, so a
    // failure leaves it as it was; a file that cannot be written is refused as write() refuses it.
    bool replaceAll(const QByteArray &bytes);
    // Writes record n so that a write failing part-way leaves the file as it was: the file is
    // written anew beside the old one. Where the folder takes no new file but the file itself can
    // be written, the record is written in place.
    bool replaceRecord(qint64 n, const QByteArray &bytes);

    // Makes the writes from beginChange() on one change (RecordFileChange does this for a scope).
    // Each write keeps the bytes of the file it overwrites; takeBackChange() puts them back, cuts
    // the file to its length at beginChange() and removes it again when this object's open created
    // it and it was still empty then, so that a failure part-way leaves the file exactly as it was.
    // The error of the failed write stays the one reported. endChange() keeps the writes.
    void beginChange();
    void endChange();
    void takeBackChange();

    QString path() const { return m_path; }
    QString errorString() const { return m_error; }

private:
    void refuseWrite();

    int m_size;
    QFile m_file;
    std::unique_ptr<QIODevice> m_hooked; // the test seam's device around m_file
    QIODevice *m_device = nullptr; // where reads and writes go
    QString m_path;
    QString m_error;
    bool m_created = false; // open() created the file

    struct Overwritten {
        qint64 offset;
        QByteArray bytes;
    };
    bool m_changing = false;
    qint64 m_lengthBefore = 0;
    std::vector<Overwritten> m_overwritten; // in the order written
};

// The writes to a record file while one of these lives are one change: unless keep() is called,
// the file is put back as it was when the change began (see RecordFile::takeBackChange).
class RecordFileChange
{
public:
    explicit RecordFileChange(RecordFile &file)
        : m_file(file)
    {
        m_file.beginChange();
    }
    ~RecordFileChange()
    {
        if (!m_kept)
            m_file.takeBackChange();
    }
    RecordFileChange(const RecordFileChange &) = delete;
    RecordFileChange &operator=(const RecordFileChange &) = delete;

    void keep()
    {
        m_kept = true;
        m_file.endChange();
    }

private:
    RecordFile &m_file;
    bool m_kept = false;
};

// Writes bytes as the whole file at path: beside the old file first, which is replaced (keeping
// its permissions) only once everything is written. False with the reason otherwise.
bool saveWholeFile(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// Test seam: while a hook is set, every record file opened by path and every whole-file save
// reads and writes through the device the hook returns around the real file (the hook may return
// null to leave a file alone). Tests use it to stand in for a disk that fills up.
using FileDeviceHook = std::function<std::unique_ptr<QIODevice>(const QString &path, QIODevice *file)>;
void setFileDeviceHook(FileDeviceHook hook); // an empty hook removes it

// Little-endian field access inside a record buffer (inline: readers of whole files call them for
// every field of tens of thousands of records).
inline int16_t getInt16(const char *p)
{
    const auto *u = reinterpret_cast<const unsigned char *>(p);
    return static_cast<int16_t>(static_cast<uint16_t>(u[0] | (u[1] << 8)));
}
inline int32_t getInt32(const char *p)
{
    const auto *u = reinterpret_cast<const unsigned char *>(p);
    return static_cast<int32_t>(static_cast<uint32_t>(u[0]) | (static_cast<uint32_t>(u[1]) << 8)
        | (static_cast<uint32_t>(u[2]) << 16) | (static_cast<uint32_t>(u[3]) << 24));
}
float getFloat32(const char *p);
inline void putInt16(char *p, int16_t v)
{
    const auto u = static_cast<uint16_t>(v);
    p[0] = static_cast<char>(u & 0xff);
    p[1] = static_cast<char>(u >> 8);
}
inline void putInt32(char *p, int32_t v)
{
    const auto u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<char>((u >> (8 * i)) & 0xff);
}
void putFloat32(char *p, float v);

// Single-byte text fields, space-padded on the right. Characters outside Latin-1 are stored as '?'.
QString getText(const char *p, int width);
void putText(char *p, int width, const QString &text);

} // namespace vx
