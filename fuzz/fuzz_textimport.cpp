// Any bytes as a text file to import (the first four input bytes choose the game): the check never
// crashes; every line it accepts holds distinct main numbers in 1 to the main pool, sorted, zeros
// past the ones picked, and an extra in its range (0 when the game picks none); a valid text gives
// one line per line of the file, and the entry file written from it counts and dates them all.
#include "entries/textimport.h"
#include "fuzzsupport.h"

#include <QDate>
#include <QFile>
#include <algorithm>

using namespace vxfuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 4)
        return 0;
    const vx::ImportRules rules {
        int16_t(data[0] % 62), int16_t(data[1] % 9), int16_t(data[2] % 3), int16_t(data[3] % 62)};
    const QByteArray input(reinterpret_cast<const char *>(data + 4), static_cast<qsizetype>(size - 4));
    const QString path = writeInput(QStringLiteral("entries.txt"), input);
    const QString target = vxfuzz::folder() + QStringLiteral("/Lotto05NOV2025.lot");

    const vx::ImportText text = vx::readImportText(input, rules);
    const vx::ImportCheck check = vx::validateImport(path, target, rules);
    FUZZ_CHECK(check.code == text.code);
    const int picked = std::clamp<int>(rules.mainPicked, 0, 7);
    for (const vx::ImportLine &line : text.lines) {
        FUZZ_CHECK(std::all_of(
            line.main.begin(), line.main.begin() + picked, [&](int16_t n) { return n >= 1 && n <= rules.mainPool; }));
        FUZZ_CHECK(std::adjacent_find(line.main.begin(), line.main.begin() + picked, std::greater_equal<int16_t>())
            == line.main.begin() + picked);
        FUZZ_CHECK(std::all_of(line.main.begin() + picked, line.main.end(), [](int16_t n) { return n == 0; }));
        if (rules.bonusPicked == 1)
            FUZZ_CHECK(line.extra >= 1 && line.extra <= rules.highestExtra());
        else
            FUZZ_CHECK(line.extra == 0);
    }
    if (text.code != vx::ImportCode::Valid)
        return 0;
    FUZZ_CHECK(text.lines.size() == size_t(vx::splitImportLines(input).size()));
    FUZZ_CHECK(check.lines == text.lines);

    const QDate date(2025, 11, 5);
    FUZZ_CHECK(vx::writeImport(target, check.lines, date).ok);
    bool exists = false;
    const QByteArray bytes = readBack(target, &exists);
    FUZZ_CHECK(exists && le32(bytes, 0) == int32_t(check.lines.size()));
    FUZZ_CHECK(bytes.size() == qsizetype(std::max<size_t>(check.lines.size(), 1)) * vx::NumbersRecord::Size);
    for (size_t k = 0; k < check.lines.size(); ++k) {
        const qsizetype at = qsizetype(k) * vx::NumbersRecord::Size;
        FUZZ_CHECK(le16(bytes, at + 6) == 5 && le16(bytes, at + 8) == 11 && le16(bytes, at + 10) == 2025);
        for (int m = 0; m < 7; ++m)
            FUZZ_CHECK(le16(bytes, at + 12 + 2 * m) == check.lines[k].main[size_t(m)]);
        FUZZ_CHECK(le16(bytes, at + 26) == check.lines[k].extra && le16(bytes, at + 28) == 0);
    }
    QFile::remove(target);
    return 0;
}
