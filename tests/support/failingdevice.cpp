#include "support/failingdevice.h"

#include "gamedata/recordfile.h"

#include <QFileInfo>
#include <algorithm>

namespace vx::test {

FailingDevice::FailingDevice(QIODevice *inner, qint64 acceptedBytes)
    : m_inner(inner)
    , m_left(acceptedBytes)
{
    QIODevice::open(inner->openMode() | QIODevice::Unbuffered);
}

FailingDevice::~FailingDevice() = default;

qint64 FailingDevice::size() const
{
    return m_inner->size();
}

bool FailingDevice::seek(qint64 pos)
{
    return QIODevice::seek(pos) && m_inner->seek(pos);
}

qint64 FailingDevice::readData(char *data, qint64 maxSize)
{
    return m_inner->seek(pos()) ? m_inner->read(data, maxSize) : -1;
}

qint64 FailingDevice::writeData(const char *data, qint64 maxSize)
{
    const qint64 accepted = std::min(maxSize, std::max<qint64>(m_left, 0));
    if (accepted > 0 && (!m_inner->seek(pos()) || m_inner->write(data, accepted) != accepted)) {
        setErrorString(m_inner->errorString());
        return -1;
    }
    m_left -= accepted;
    if (accepted == maxSize)
        return accepted;
    m_failed = true;
    if (m_onFailure)
        m_onFailure();
    setErrorString(QStringLiteral("No space left on device"));
    return accepted > 0 ? accepted : -1;
}

FailingFileWrites::FailingFileWrites(qint64 acceptedBytes, const QString &fileName)
{
    setFileDeviceHook([acceptedBytes, fileName, failures = m_failures](const QString &path, QIODevice *file) {
        if (!fileName.isEmpty() && QFileInfo(path).fileName() != fileName)
            return std::unique_ptr<QIODevice>();
        auto device = std::make_unique<FailingDevice>(file, acceptedBytes);
        device->onFailure([failures] { ++*failures; });
        return std::unique_ptr<QIODevice>(std::move(device));
    });
}

FailingFileWrites::~FailingFileWrites()
{
    setFileDeviceHook({});
}

} // namespace vx::test
