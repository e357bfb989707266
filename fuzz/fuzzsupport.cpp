#include "fuzzsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace vxfuzz {

QString folder()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/vx-fuzz-XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "cannot create a temporary folder: %s\n", qPrintable(dir.errorString()));
        std::abort();
    }
    return dir.path();
}

QString writeInput(const QString &name, const QByteArray &bytes)
{
    const QString path = folder() + QLatin1Char('/') + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(file.errorString()));
        std::abort();
    }
    return path;
}

QString writeInput(const QString &name, const uint8_t *data, size_t size)
{
    return writeInput(name, QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
}

QByteArray readBack(const QString &path, bool *exists)
{
    QFile file(path);
    const bool found = file.exists();
    if (exists)
        *exists = found;
    if (!found)
        return {};
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s back: %s\n", qPrintable(path), qPrintable(file.errorString()));
        std::abort();
    }
    return file.readAll();
}

QStringList filesInFolder()
{
    return QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QByteArray slice(const QByteArray &bytes, qsizetype at, qsizetype length)
{
    QByteArray out(length, '\0');
    for (qsizetype i = 0; i < length; ++i)
        if (at + i >= 0 && at + i < bytes.size())
            out[i] = bytes[at + i];
    return out;
}

int16_t le16(const QByteArray &bytes, qsizetype at)
{
    const QByteArray b = slice(bytes, at, 2);
    return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint8_t>(b[0]) | (static_cast<uint8_t>(b[1]) << 8)));
}

int32_t le32(const QByteArray &bytes, qsizetype at)
{
    const QByteArray b = slice(bytes, at, 4);
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<uint8_t>(b[i]);
    return static_cast<int32_t>(v);
}

void fail(const char *file, int line, const char *condition)
{
    std::fprintf(stderr, "%s:%d: property broken: %s\n", file, line, condition);
    std::abort();
}

} // namespace vxfuzz
