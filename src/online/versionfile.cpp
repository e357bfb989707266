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
    if (lines.size() > 2 && lines.last().isEmpty())
        lines.removeLast();
    if (lines.size() != 2 && lines.size() != 3)
        return refused(QStringLiteral("it does not have two or three lines."));
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
    QByteArray signature;
    if (lines.size() == 3) {
        const auto decoded = QByteArray::fromBase64Encoding(
            lines[2], QByteArray::Base64Encoding | QByteArray::AbortOnBase64DecodingErrors);
        // Only the one spelling of 64 bytes, so that the file reads back as it was written.
        if (!decoded || decoded.decoded.size() != 64 || decoded.decoded.toBase64() != lines[2])
            return refused(QStringLiteral("its third line is not an Ed25519 signature in base64."));
        signature = decoded.decoded;
    }
    return {VersionFile {QVersionNumber(numbers), QByteArray::fromHex(lines[1]), signature}, QString()};
}

bool isNewerVersion(const QVersionNumber &offered, const QVersionNumber &current)
{
    return QVersionNumber::compare(offered.normalized(), current.normalized()) > 0;
}

QByteArray versionFileSignedText(const QVersionNumber &version, const QByteArray &updaterSha256)
{
    return version.toString().toLatin1() + '\n' + updaterSha256.toHex() + '\n';
}

QByteArray versionFileText(const VersionFile &file)
{
    QByteArray text = versionFileSignedText(file.version, file.updaterSha256);
    if (!file.updaterSignature.isEmpty())
        text += file.updaterSignature.toBase64() + '\n';
    return text;
}

} // namespace vx
