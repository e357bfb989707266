// Any bytes as game1.dat: the reader reports the length and status the file really has, reads the
// first 88 bytes (zeros past the end) field by field, and leaves the file as it was.
#include "fuzzsupport.h"
#include "gamedata/gamedefinition.h"

using namespace vxfuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString path = writeInput(QStringLiteral("game1.dat"), input);

    const vx::GameFileRead read = vx::readGameDefinition(path);

    FUZZ_CHECK(read.length == input.size());
    if (input.isEmpty())
        FUZZ_CHECK(read.status == vx::GameFileStatus::Empty);
    else if (input.size() == vx::GameDefinition::Size)
        FUZZ_CHECK(read.status == vx::GameFileStatus::Ok);
    else
        FUZZ_CHECK(read.status == vx::GameFileStatus::WrongLength);

    // The record is the file's first 88 bytes, zero-padded; a few fields are decoded here on their
    // own, and writing the record back out must give exactly those bytes.
    const QByteArray record = slice(input, 0, vx::GameDefinition::Size);
    const vx::GameDefinition &g = read.definition;
    FUZZ_CHECK(g.toBytes() == record);
    FUZZ_CHECK(g == vx::GameDefinition::fromBytes(record.constData()));
    FUZZ_CHECK(QByteArray(g.name.data(), 12) == record.left(12));
    FUZZ_CHECK(g.mainDrawn == le16(record, 12));
    FUZZ_CHECK(g.bonusPicked == le16(record, 24));
    FUZZ_CHECK(g.winLines[15] == le16(record, 56));
    FUZZ_CHECK(g.drawDays[7] == le16(record, 72));
    FUZZ_CHECK(g.ballColour == le16(record, 74));
    FUZZ_CHECK(QByteArray(g.bonusTag.data(), 2) == record.mid(76, 2));
    FUZZ_CHECK(QByteArray(g.bonusName.data(), 10) == record.mid(78, 10));

    FUZZ_CHECK(readBack(path) == input);
    return 0;
}
