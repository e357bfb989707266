#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>

// What every fuzz target shares: one private folder per process, the input written there as a file,
// the file read back, little-endian fields read straight from the bytes, and a check that stops the
// run (so libFuzzer keeps the input) when a property does not hold.
namespace vxfuzz {

// The private folder, created on first use and removed when the process ends.
QString folder();

// Writes the bytes as folder()/name, replacing whatever an earlier run left there, and returns
// the path.
QString writeInput(const QString &name, const QByteArray &bytes);
QString writeInput(const QString &name, const uint8_t *data, size_t size);

// The whole file; empty, with *exists false, when the file is gone.
QByteArray readBack(const QString &path, bool *exists = nullptr);

// The files in folder(), sorted by name.
QStringList filesInFolder();

// Little-endian fields at byte offset `at`; bytes past the end of `bytes` count as zeros, as a
// record read past the end of a file does.
int16_t le16(const QByteArray &bytes, qsizetype at);
int32_t le32(const QByteArray &bytes, qsizetype at);

// Bytes [at, at + length) with zeros past the end of `bytes`.
QByteArray slice(const QByteArray &bytes, qsizetype at, qsizetype length);

[[noreturn]] void fail(const char *file, int line, const char *condition);

} // namespace vxfuzz

#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            ::vxfuzz::fail(__FILE__, __LINE__, #condition);                                                            \
    } while (false)
