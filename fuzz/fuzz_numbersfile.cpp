// Any bytes as a history or entry file: the reader takes records 1 to the usable count exactly as
// stored, says the file is damaged exactly when its count cannot be believed, and changes nothing.
#include "fuzzsupport.h"
#include "gamedata/numbersfile.h"

#include <algorithm>

using namespace vxfuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString path = writeInput(QStringLiteral("history.dat"), input);

    vx::NumbersFileRead read;
    const vx::FileResult result = vx::readNumbersFile(path, &read);
    FUZZ_CHECK(result.ok);

    const int32_t declared = le32(input, 0);
    const qint64 onDisk = input.size() / vx::NumbersRecord::Size;
    const qint64 usable = std::max<qint64>(0, std::min<qint64>({declared, onDisk, vx::MaxNumbersRecords}));
    const bool damaged = declared < 0 || declared > vx::MaxNumbersRecords || declared > onDisk;

    FUZZ_CHECK(read.declared == declared);
    FUZZ_CHECK(read.onDisk == onDisk);
    FUZZ_CHECK(read.damaged == damaged);
    FUZZ_CHECK(read.damageMessage().isEmpty() == !damaged);
    FUZZ_CHECK(static_cast<qint64>(read.records.size()) == usable);
    for (size_t i = 0; i < read.records.size(); ++i) {
        const QByteArray raw = input.mid(static_cast<qsizetype>(i) * vx::NumbersRecord::Size, vx::NumbersRecord::Size);
        const vx::NumbersRecord &r = read.records[i];
        FUZZ_CHECK(r.toBytes() == raw);
        FUZZ_CHECK(r.count == le32(raw, 0));
        FUZZ_CHECK(r.number == le16(raw, 4));
        FUZZ_CHECK(r.year == le16(raw, 10));
        FUZZ_CHECK(r.main[6] == le16(raw, 24));
        FUZZ_CHECK(r.extra[1] == le16(raw, 28));
    }

    FUZZ_CHECK(readBack(path) == input);
    return 0;
}
