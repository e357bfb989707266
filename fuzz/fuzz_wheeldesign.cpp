// Any bytes as a wheel design file: the first byte picks the wheel type, the second the group size
// (sizes no design is made for included), the rest is the file. What the reader takes is a design of
// that type whose every line holds the type's count of positions within the group, which keeps its
// guarantee and which, written out again line by line, reads back the same; what it refuses comes
// with a reason.
#include "fuzzsupport.h"
#include "wheels/wheeldesign.h"

#include <QDir>
#include <bit>

using namespace vxfuzz;

namespace {

QByteArray designText(const std::vector<uint32_t> &lines)
{
    QByteArray text;
    for (const uint32_t line : lines) {
        QByteArray row;
        for (int p = 1; p <= 32; ++p)
            if (line & (1u << (p - 1)))
                row += (row.isEmpty() ? QByteArray() : QByteArray(" ")) + QByteArray::number(p);
        text += row + '\n';
    }
    return text;
}

// Lines that are neither empty nor comments: each one is a line of the design.
qsizetype designLineCount(const QByteArray &text)
{
    qsizetype count = 0;
    for (QByteArray line : text.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        count += !line.isEmpty() && !line.startsWith('#');
    }
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const vx::WheelType type = vx::wheelTypes()[data[0] % vx::WheelTypeCount];
    const int group = data[1] % 24;
    const QByteArray text(reinterpret_cast<const char *>(data + 2), static_cast<qsizetype>(size - 2));
    QDir(folder()).mkpath(QStringLiteral("wheels"));
    writeInput(QStringLiteral("wheels/") + vx::wheelDesignFileName(type, group), text);

    const vx::WheelDesignRead read = vx::readWheelDesign(folder(), type, group);
    FUZZ_CHECK(read.ok == read.error.isEmpty());
    if (!read.ok) {
        FUZZ_CHECK(read.design.lines.empty());
        return 0;
    }
    FUZZ_CHECK(read.design.type == type && read.design.group == group);
    FUZZ_CHECK(group > type.pick && group <= vx::MaxWheelGroup);
    FUZZ_CHECK(!read.design.lines.empty());
    FUZZ_CHECK(static_cast<qsizetype>(read.design.lines.size()) == designLineCount(text));
    const uint32_t full = (1u << group) - 1;
    for (const uint32_t line : read.design.lines)
        FUZZ_CHECK(std::popcount(line) == type.pick && (line & ~full) == 0);
    FUZZ_CHECK(vx::firstUncoveredSet(group, type.drawn, type.match, read.design.lines) == 0);
    const vx::WheelDesignRead again
        = vx::parseWheelDesign(designText(read.design.lines), type, group, QStringLiteral("again"));
    FUZZ_CHECK(again.ok && again.design.lines == read.design.lines);
    return 0;
}
