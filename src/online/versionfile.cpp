#include "online/versionfile.h"

#include <QList>

namespace vx {

namespace {
bool allOf(const QByteArray &text, bool (*accepted)(char))
{
    return std::all_of(text.begin(), text.end(), accepted);
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool isHexDigit(char c)
{
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
VersionFileRead refused(const QString &problem)
{
    return {std::nullopt, problem};
}
} // namespace

VersionFileRead readVersionFile(const QByteArray &text)
{
    QList<QByteArray> lines = text.split('\n');
    if (lines.size() == 3 && lines.last().isEmpty())
        lines.removeLast();
    if (lines.size() != 2)
        return refused(QStringLiteral("it does not have two lines."));
    for (QByteArray &line : lines)
        if (line.endsWith('\r'))
            line.chop(1);

    const QList<QByteArray> parts = lines[0].split('.');
    QList<int> numbers;
    for (const QByteArray &part : parts) {
        if (parts.size() > 3 || part.isEmpty() || part.size() > 5 || !allOf(part, isDigit))
            return refused(QStringLiteral("its first line is not a version number."));
        numbers << part.toInt();
    }
    if (lines[1].size() != 64 || !allOf(lines[1], isHexDigit))
        return refused(QStringLiteral("its second line is not a SHA-256 digest."));
    return {VersionFile {QVersionNumber(numbers), QByteArray::fromHex(lines[1])}, QString()};
}

bool isNewerVersion(const QVersionNumber &offered, const QVersionNumber &current)
{
    return QVersionNumber::compare(offered.normalized(), current.normalized()) > 0;
}

QByteArray versionFileText(const VersionFile &file)
{
    return file.version.toString().toLatin1() + '\n' + file.updaterSha256.toHex() + '\n';
}

} // namespace vx
