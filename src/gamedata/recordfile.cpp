#include "gamedata/recordfile.h"

#include <QFileInfo>
#include <cstring>

namespace vx {

RecordFile::RecordFile(int recordSize)
    : m_size(recordSize)
{
}

RecordFile::~RecordFile()
{
    close();
}

bool RecordFile::open(const QString &path)
{
    close();
    m_error.clear();
    m_file.setFileName(path);
    if (m_file.open(QIODevice::ReadWrite))
        return true;
    if (QFileInfo::exists(path) && m_file.open(QIODevice::ReadOnly))
        return true;
    m_error = m_file.errorString();
    return false;
}

bool RecordFile::isOpen() const
{
    return m_file.isOpen();
}

bool RecordFile::isWritable() const
{
    return m_file.isOpen() && m_file.isWritable();
}

void RecordFile::close()
{
    if (m_file.isOpen())
        m_file.close();
}

qint64 RecordFile::byteLength() const
{
    return m_file.isOpen() ? m_file.size() : 0;
}

qint64 RecordFile::recordsOnDisk() const
{
    return byteLength() / m_size;
}

QByteArray RecordFile::read(qint64 n)
{
    return readRange(n, 1);
}

QByteArray RecordFile::readRange(qint64 first, qint64 count)
{
    QByteArray bytes(static_cast<qsizetype>(count * m_size), '\0');
    if (!m_file.isOpen() || first < 1 || count < 1)
        return bytes;
    const qint64 offset = (first - 1) * m_size;
    if (offset >= m_file.size() || !m_file.seek(offset))
        return bytes;
    const qint64 got = m_file.read(bytes.data(), bytes.size());
    if (got < 0)
        m_error = m_file.errorString();
    return bytes; // the part not read stays zero
}

bool RecordFile::write(qint64 n, const QByteArray &bytes)
{
    return writeRange(n, bytes);
}

bool RecordFile::writeRange(qint64 first, const QByteArray &bytes)
{
    if (!m_file.isOpen() || !m_file.isWritable()) {
        m_error = m_file.isOpen() ? QStringLiteral("The file %1 cannot be written.").arg(m_file.fileName())
                                  : QStringLiteral("The file is not open.");
        return false;
    }
    if (first < 1 || bytes.size() % m_size != 0) {
        m_error = QStringLiteral("Bad record write.");
        return false;
    }
    const qint64 offset = (first - 1) * m_size;
    if (offset > m_file.size()) {
        // The gap before a record written past the end reads as zeros.
        if (!m_file.resize(offset)) {
            m_error = m_file.errorString();
            return false;
        }
    }
    if (!m_file.seek(offset) || m_file.write(bytes) != bytes.size() || !m_file.flush()) {
        m_error = m_file.errorString();
        return false;
    }
    return true;
}

int16_t getInt16(const char *p)
{
    const auto *u = reinterpret_cast<const unsigned char *>(p);
    return static_cast<int16_t>(static_cast<uint16_t>(u[0] | (u[1] << 8)));
}

int32_t getInt32(const char *p)
{
    const auto *u = reinterpret_cast<const unsigned char *>(p);
    return static_cast<int32_t>(static_cast<uint32_t>(u[0]) | (static_cast<uint32_t>(u[1]) << 8)
        | (static_cast<uint32_t>(u[2]) << 16) | (static_cast<uint32_t>(u[3]) << 24));
}

float getFloat32(const char *p)
{
    const uint32_t bits = static_cast<uint32_t>(getInt32(p));
    float v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

void putInt16(char *p, int16_t v)
{
    const auto u = static_cast<uint16_t>(v);
    p[0] = static_cast<char>(u & 0xff);
    p[1] = static_cast<char>(u >> 8);
}

void putInt32(char *p, int32_t v)
{
    const auto u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<char>((u >> (8 * i)) & 0xff);
}

void putFloat32(char *p, float v)
{
    uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    putInt32(p, static_cast<int32_t>(bits));
}

QString getText(const char *p, int width)
{
    return QString::fromLatin1(p, width);
}

void putText(char *p, int width, const QString &text)
{
    for (int i = 0; i < width; ++i) {
        if (i < text.size()) {
            const char16_t c = text.at(i).unicode();
            p[i] = c < 256 ? static_cast<char>(c) : '?';
        } else {
            p[i] = ' ';
        }
    }
}

} // namespace vx
