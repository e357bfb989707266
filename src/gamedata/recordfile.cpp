#include "gamedata/recordfile.h"

#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cstring>

namespace vx {

namespace {
FileDeviceHook &deviceHook()
{
    static FileDeviceHook hook;
    return hook;
}

// The device a file opened by path is read and written through: the file itself, or what the test
// seam puts around it.
std::unique_ptr<QIODevice> hooked(const QString &path, QIODevice *file)
{
    return deviceHook() ? deviceHook()(path, file) : nullptr;
}

// Writes all of data. A file on a full disk takes what still fits and returns the short count
// without a reason; writing the rest then fails with the system's own ("No space left on device").
bool writeWhole(QIODevice &device, const char *data, qint64 size, QString *error)
{
    for (qint64 done = 0; done < size;) {
        const qint64 written = device.write(data + done, size - done);
        if (written <= 0) {
            *error = device.errorString();
            return false;
        }
        done += written;
    }
    return true;
}

// Writes out what a file still buffers, in the same way: a flush that wrote part of the buffer
// keeps the rest, and flushing again tells why it does not go.
bool flushWhole(QFileDevice &file, QString *error)
{
    for (qint64 left = file.bytesToWrite(); !file.flush();) {
        const qint64 now = file.bytesToWrite();
        if (now <= 0 || now >= left) {
            *error = file.errorString();
            return false;
        }
        left = now;
    }
    return true;
}
} // namespace

void setFileDeviceHook(FileDeviceHook hook)
{
    deviceHook() = std::move(hook);
}

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
    m_path = path;
    m_file.setFileName(path);
    const bool existed = QFileInfo::exists(path);
    if (!m_file.open(QIODevice::ReadWrite) && !(existed && m_file.open(QIODevice::ReadOnly))) {
        m_error = m_file.errorString();
        return false;
    }
    m_created = !existed;
    m_hooked = hooked(path, &m_file);
    m_device = m_hooked ? m_hooked.get() : &m_file;
    return true;
}

bool RecordFile::open(QIODevice *device, const QString &name)
{
    close();
    m_error.clear();
    m_path = name;
    if (!device || (!device->isOpen() && !device->open(QIODevice::ReadWrite))) {
        m_error = device ? device->errorString() : QStringLiteral("No device to open.");
        return false;
    }
    m_device = device;
    return true;
}

bool RecordFile::isOpen() const
{
    return m_device && m_device->isOpen();
}

bool RecordFile::isWritable() const
{
    return isOpen() && m_device->isWritable();
}

void RecordFile::close()
{
    m_changing = false;
    m_overwritten.clear();
    m_device = nullptr;
    m_hooked.reset();
    if (m_file.isOpen())
        m_file.close();
}

qint64 RecordFile::byteLength() const
{
    return isOpen() ? m_device->size() : 0;
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
    // Only the part that is not read is cleared: a whole file's worth need not be written twice.
    QByteArray bytes(static_cast<qsizetype>(std::max<qint64>(count, 0) * m_size), Qt::Uninitialized);
    qint64 got = 0;
    if (isOpen() && first >= 1 && count >= 1) {
        const qint64 offset = (first - 1) * m_size;
        if (offset < m_device->size() && m_device->seek(offset)) {
            got = m_device->read(bytes.data(), bytes.size());
            if (got < 0)
                m_error = m_device->errorString();
        }
    }
    got = std::max<qint64>(got, 0);
    std::fill(bytes.begin() + got, bytes.end(), '\0'); // the part not read is zero
    return bytes;
}

QByteArray RecordFile::readWholeRecords(qint64 first, qint64 count)
{
    QByteArray bytes;
    if (!isOpen() || first < 1 || count < 1 || !m_device->seek((first - 1) * m_size))
        return bytes;
    bytes = QByteArray(static_cast<qsizetype>(count * m_size), Qt::Uninitialized);
    qint64 got = 0;
    while (got < bytes.size()) {
        const qint64 now = m_device->read(bytes.data() + got, bytes.size() - got);
        if (now < 0)
            m_error = m_device->errorString();
        if (now <= 0)
            break;
        got += now;
    }
    bytes.truncate(static_cast<qsizetype>(got - got % m_size));
    return bytes;
}

QByteArray RecordFile::readAll()
{
    if (!isOpen() || !m_device->seek(0))
        return QByteArray();
    const QByteArray bytes = m_device->readAll();
    if (bytes.size() != m_device->size())
        m_error = m_device->errorString();
    return bytes;
}

bool RecordFile::write(qint64 n, const QByteArray &bytes)
{
    return writeRange(n, bytes);
}

void RecordFile::refuseWrite()
{
    // A reason, as the system gives one: the message around it names the file.
    m_error = isOpen() ? QStringLiteral("it is open for reading only") : QStringLiteral("it is not open");
}

bool RecordFile::writeRange(qint64 first, const QByteArray &bytes)
{
    if (!isWritable()) {
        refuseWrite();
        return false;
    }
    if (first < 1 || bytes.size() % m_size != 0) {
        m_error = QStringLiteral("Bad record write.");
        return false;
    }
    // The gap before a record written past the end reads as zeros: it is written as zeros with it.
    qint64 offset = (first - 1) * m_size;
    QByteArray data = bytes;
    if (const qint64 size = m_device->size(); offset > size) {
        data.prepend(QByteArray(static_cast<qsizetype>(offset - size), '\0'));
        offset = size;
    }
    if (m_changing && offset < m_lengthBefore) {
        const qint64 kept = std::min<qint64>(data.size(), m_lengthBefore - offset);
        if (!m_device->seek(offset)) {
            m_error = m_device->errorString();
            return false;
        }
        m_overwritten.push_back({offset, m_device->read(kept)});
        if (m_overwritten.back().bytes.size() != kept) {
            m_error = m_device->errorString();
            return false;
        }
    }
    if (!m_device->seek(offset)) {
        m_error = m_device->errorString();
        return false;
    }
    if (!writeWhole(*m_device, data.constData(), data.size(), &m_error))
        return false;
    return !m_file.isOpen() || flushWhole(m_file, &m_error);
}

void RecordFile::beginChange()
{
    m_changing = isOpen();
    m_lengthBefore = byteLength();
    m_overwritten.clear();
}

void RecordFile::endChange()
{
    m_changing = false;
    m_overwritten.clear();
}

void RecordFile::takeBackChange()
{
    if (!m_changing)
        return;
    const QString error = m_error;
    const std::vector<Overwritten> overwritten = std::move(m_overwritten);
    const qint64 length = m_lengthBefore;
    endChange();
    QString ignored;
    if (!m_file.isOpen()) {
        // A device the caller keeps cannot be cut short: only what was overwritten goes back.
        for (auto it = overwritten.rbegin(); it != overwritten.rend(); ++it)
            if (m_device->seek(it->offset))
                writeWhole(*m_device, it->bytes.constData(), it->bytes.size(), &ignored);
        m_error = error;
        return;
    }
    // Closing drops what the failed write left buffered. Cutting the file frees room and the bytes
    // put back were on the disk already, so neither needs room that a full disk no longer has: they
    // go to the file itself, past any device a test puts around it.
    const QString path = m_path;
    const bool created = m_created;
    close();
    if (created && length == 0) {
        QFile::remove(path);
    } else {
        QFile file(path);
        if (file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
            file.resize(length);
            for (auto it = overwritten.rbegin(); it != overwritten.rend(); ++it)
                if (file.seek(it->offset))
                    writeWhole(file, it->bytes.constData(), it->bytes.size(), &ignored);
            file.close();
        }
        open(path);
    }
    m_error = error;
}

bool RecordFile::replaceAll(const QByteArray &bytes)
{
    if (!isWritable()) {
        refuseWrite();
        return false;
    }
    if (!m_file.isOpen()) {
        if (!m_device->seek(0) || m_device->write(bytes) != bytes.size()) {
            m_error = m_device->errorString();
            return false;
        }
        return true;
    }
    QString error;
    if (!saveWholeFile(m_path, bytes, &error)) {
        m_error = error;
        // The old file is as it was; one that only this object's open made is not left behind empty.
        if (m_created && m_file.size() == 0) {
            const QString path = m_path;
            close();
            QFile::remove(path);
        }
        return false;
    }
    const QString path = m_path; // open() starts by closing, and the new file is the one to go on with
    return open(path);
}

bool RecordFile::replaceRecord(qint64 n, const QByteArray &bytes)
{
    if (!m_file.isOpen() || !QFileInfo(QFileInfo(m_path).absolutePath()).isWritable())
        return write(n, bytes);
    if (!isWritable()) {
        refuseWrite();
        return false;
    }
    QByteArray image = readAll();
    const qint64 end = n * m_size;
    if (image.size() < end)
        image.append(QByteArray(static_cast<qsizetype>(end - image.size()), '\0'));
    image.replace(static_cast<qsizetype>((n - 1) * m_size), bytes.size(), bytes);
    return replaceAll(image);
}

bool saveWholeFile(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile out(path); // keeps the permissions of a file it replaces
    if (!out.open(QIODevice::WriteOnly)) {
        if (error)
            *error = out.errorString();
        return false;
    }
    const std::unique_ptr<QIODevice> device = hooked(path, &out);
    QIODevice *to = device ? device.get() : &out;
    // A full disk may only show when the buffered bytes go out, and commit() would not notice it.
    QString reason;
    if (!writeWhole(*to, bytes.constData(), bytes.size(), &reason) || !flushWhole(out, &reason)) {
        if (error)
            *error = reason;
        out.cancelWriting();
        return false;
    }
    if (!out.commit()) {
        if (error)
            *error = out.errorString();
        return false;
    }
    return true;
}

float getFloat32(const char *p)
{
    const uint32_t bits = static_cast<uint32_t>(getInt32(p));
    float v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
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
