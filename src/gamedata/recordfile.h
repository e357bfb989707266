#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace vx {

// A random-access file of fixed-length records numbered from 1 (record n starts at byte
// size * (n - 1)). Opening a missing file creates it empty; reading past the end gives zeros;
// writing past the end lengthens the file. The file is closed when the object goes.
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
    bool write(qint64 n, const QByteArray &bytes);
    bool writeRange(qint64 first, const QByteArray &bytes); // whole records, one write

    QString path() const { return m_file.fileName(); }
    QString errorString() const { return m_error; }

private:
    int m_size;
    QFile m_file;
    QString m_error;
};

// Little-endian field access inside a record buffer.
int16_t getInt16(const char *p);
int32_t getInt32(const char *p);
float getFloat32(const char *p);
void putInt16(char *p, int16_t v);
void putInt32(char *p, int32_t v);
void putFloat32(char *p, float v);

// Single-byte text fields, space-padded on the right. Characters outside Latin-1 are stored as '?'.
QString getText(const char *p, int width);
void putText(char *p, int width, const QString &text);

} // namespace vx
