#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace vx::test {

// The reference files in tests/data, written once and never by the program under test.
inline QString referencePath(const QString &name)
{
    return QStringLiteral(VX_TEST_DATA_DIR "/") + name;
}

inline QByteArray referenceFile(const QString &name)
{
    QFile file(referencePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace vx::test
