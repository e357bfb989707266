#pragma once

#include <QByteArray>
#include <QString>
#include <QVersionNumber>
#include <optional>

namespace vx {

// The version file CNXversion.rtl on the download server: two lines of text, the newest version
// (such as "1.2.0") and the SHA-256 digest of nxupd.exe as 64 hexadecimal digits, each ended by a
// line feed (a carriage return before it is allowed, the last line feed may be missing). The
// version has one to three parts of one to five digits, separated by dots.
struct VersionFile {
    QVersionNumber version;
    QByteArray updaterSha256; // the 32 bytes of the digest
};

struct VersionFileRead {
    std::optional<VersionFile> file;
    QString problem; // why the text is not a version file, for the player
};

VersionFileRead readVersionFile(const QByteArray &text);

// Whether the version offered is newer than the current one. Trailing zeros do not count, so
// 1.0.0 is the same version as 1.0 (the About box shows three parts, the project version has two).
bool isNewerVersion(const QVersionNumber &offered, const QVersionNumber &current);

// The text of a version file, as the reader takes it back.
QByteArray versionFileText(const VersionFile &file);

} // namespace vx
