// Any bytes as a game's slip layout file: what the reader takes is a sound layout (counts in range,
// every value printable) whose bytes read back as the same layout; what it refuses comes with a
// reason.
#include "fuzzsupport.h"
#include "slips/sliplayout.h"

using namespace vxfuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QString problem;
    const std::optional<vx::SlipLayout> layout = vx::parseSlipLayout(input, &problem);
    FUZZ_CHECK(layout.has_value() == problem.isEmpty());
    if (!layout)
        return 0;
    FUZZ_CHECK(layout->problem().isEmpty());
    FUZZ_CHECK(layout->boardsPerSlip >= 1 && layout->boardsPerSlip <= vx::SlipLayout::MaxBoards);
    FUZZ_CHECK(layout->boardOrigins.size() == static_cast<size_t>(layout->boardsPerSlip));
    FUZZ_CHECK(!layout->mainPositions.empty() && layout->mainPositions.size() <= vx::SlipLayout::MaxPool);
    FUZZ_CHECK(layout->bonusPositions.size() <= vx::SlipLayout::MaxPool);
    FUZZ_CHECK(input.size()
        == 8
            * static_cast<qsizetype>(
                3 + layout->boardOrigins.size() + layout->mainPositions.size() + layout->bonusPositions.size()));
    QString again;
    FUZZ_CHECK(vx::parseSlipLayout(vx::slipLayoutBytes(*layout), &again) == layout);
    return 0;
}
