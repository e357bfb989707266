// Any bytes as a downloaded results file: whatever the validator takes is a sound history file,
// one the program's own reader reads whole, undamaged, with real dates in ascending order and
// distinct main numbers from 1 to 60; whatever it refuses comes with a reason.
#include "fuzzsupport.h"
#include "gamedata/numbersfile.h"
#include "online/historyvalidation.h"

#include <QDate>
#include <bitset>

using namespace vxfuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const vx::HistoryValidation valid = vx::validateHistory(input, QStringLiteral("NXLGame.rtl"));
    FUZZ_CHECK(valid.ok == valid.problem.isEmpty());
    if (!valid.ok)
        return 0;

    const QString path = writeInput(QStringLiteral("NXLGame.rtl"), input);
    vx::NumbersFileRead read;
    FUZZ_CHECK(vx::readNumbersFile(path, &read).ok);
    FUZZ_CHECK(!read.damaged);
    FUZZ_CHECK(static_cast<int>(read.records.size()) == valid.count && valid.count > 0);
    long long last = 0;
    for (const vx::NumbersRecord &r : read.records) {
        FUZZ_CHECK(QDate(r.year, r.month, r.day).isValid());
        FUZZ_CHECK(vx::dateKey(r.year, r.month, r.day) >= last);
        last = vx::dateKey(r.year, r.month, r.day);
        std::bitset<61> seen;
        int mains = 0;
        for (const int16_t n : r.main) {
            FUZZ_CHECK(n >= 0 && n <= 60);
            if (n == 0)
                continue;
            FUZZ_CHECK(!seen.test(static_cast<size_t>(n)));
            seen.set(static_cast<size_t>(n));
            ++mains;
        }
        FUZZ_CHECK(mains >= 3);
        for (const int16_t e : r.extra)
            FUZZ_CHECK(e >= 0 && e <= 60);
    }
    return 0;
}
