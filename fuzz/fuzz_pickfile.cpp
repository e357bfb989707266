// Any bytes as Pick3.lot or Pick4.lot (the first input byte chooses the game): every line read has
// digits 0 to 9, the sound lines are exactly the sound records within the usable count, in order,
// every other record there counts as a bad line, and the file is not changed.
#include "fuzzsupport.h"
#include "pickdigits/pickfile.h"

#include <algorithm>

using namespace vxfuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const int pickType = (data[0] & 1) ? 4 : 3;
    const QByteArray input(reinterpret_cast<const char *>(data + 1), static_cast<qsizetype>(size - 1));
    const QString path = writeInput(vx::pickFileName(pickType), input);

    const vx::PickFileRead read = vx::readPickFile(path, pickType);
    FUZZ_CHECK(read.readable);

    const qint64 onDisk = input.size() / vx::PickRecord::Size;
    const qint64 limit = std::min<qint64>(onDisk, vx::MaxPickLines);
    const int32_t declared = onDisk == 0 ? 0 : le32(input, 0);
    // A count that cannot be believed (negative or beyond the file) gives every record the file holds.
    const bool countDamaged = declared < 0 || declared > limit;
    const qint64 usable = countDamaged ? limit : declared;

    FUZZ_CHECK(read.recordsOnDisk == onDisk);
    FUZZ_CHECK(read.declaredCount == declared);
    FUZZ_CHECK(read.countDamaged == countDamaged);
    FUZZ_CHECK(static_cast<qint64>(read.lines.size()) + read.badLines == usable);

    size_t next = 0;
    for (qint64 n = 0; n < usable; ++n) {
        const qsizetype at = n * vx::PickRecord::Size;
        vx::PickLine digits {le16(input, at + 4), le16(input, at + 6), le16(input, at + 8), le16(input, at + 10)};
        const int used = pickType == 4 ? 4 : 3;
        if (!std::all_of(digits.begin(), digits.begin() + used, [](int16_t d) { return d >= 0 && d <= 9; }))
            continue;
        if (pickType == 3)
            digits[3] = 0;
        FUZZ_CHECK(next < read.lines.size());
        FUZZ_CHECK(read.lines[next] == digits);
        ++next;
    }
    FUZZ_CHECK(next == read.lines.size());
    for (const vx::PickLine &line : read.lines) {
        FUZZ_CHECK(std::all_of(line.begin(), line.end(), [](int16_t d) { return d >= 0 && d <= 9; }));
        if (pickType == 3)
            FUZZ_CHECK(line[3] == 0);
    }

    FUZZ_CHECK(readBack(path) == input);
    return 0;
}
