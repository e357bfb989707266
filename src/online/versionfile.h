#pragma once

#include <QByteArray>
#include <QString>
#include <QVersionNumber>
#include <optional>

namespace vx {

// The version file CNXversion.rtl on the download server: lines of text, the newest version (such
// as "1.2.0"), the SHA-256 digest of nxupd.exe as 64 hexadecimal digits and the Ed25519 signature
// of the first two lines in base64 (88 characters), each ended by a line feed (a carriage return
// before it is allowed, the last line feed may be missing). The version has one to three parts of
// one to five digits, separated by dots. A file of the first two lines alone, as files were before
// updaters were signed, is read with no signature.
struct VersionFile {
    QVersionNumber version;
    QByteArray updaterSha256; // the 32 bytes of the digest
    QByteArray updaterSignature = {}; // the 64 bytes of the signature; empty when the file has none
};

struct VersionFileRead {
    std::optional<VersionFile> file;
    QString problem; // why the text is not a version file, for the player
};

VersionFileRead readVersionFile(const QByteArray &text);

// Whether the version offered is newer than the current one. Trailing zeros do not count, so
// 1.0.0 is the same version as 1.0 (the About box shows three parts, the project version has two).
bool isNewerVersion(const QVersionNumber &offered, const QVersionNumber &current);

// What the maker signs: the first two lines of the version file for this version and updater
// digest (32 bytes), as `printf '%s\n%s\n' 1.0.2 "$(sha256sum nxupd.exe | cut -c1-64)"` prints them.
// The signature thus holds for that updater offered as that version only, never for an older
// updater offered as a newer version.
QByteArray versionFileSignedText(const QVersionNumber &version, const QByteArray &updaterSha256);

// The text of a version file, as the reader takes it back (two lines without a signature).
QByteArray versionFileText(const VersionFile &file);

} // namespace vx
