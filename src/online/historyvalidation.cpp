#include "online/historyvalidation.h"

#include "gamedata/numbersfile.h"

#include <QDate>
#include <bitset>

namespace vx {

namespace {
HistoryValidation refused(const QString &problem)
{
    return {false, 0, problem};
}

// The number of main numbers in a record, or -1 when they are not distinct numbers from 1 to 60
// followed only by zeros.
int mainCount(const NumbersRecord &record)
{
    std::bitset<61> seen;
    int count = 0;
    bool ended = false;
    for (const int16_t n : record.main) {
        if (n == 0) {
            ended = true;
            continue;
        }
        if (ended || n < 1 || n > 60 || seen.test(static_cast<size_t>(n)))
            return -1;
        seen.set(static_cast<size_t>(n));
        ++count;
    }
    return count;
}
} // namespace

HistoryValidation validateHistory(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return refused(QStringLiteral("The file is empty."));
    if (bytes.size() % NumbersRecord::Size != 0)
        return refused(QStringLiteral("The file is %1 bytes long, which is not a whole number of %2-byte records.")
                           .arg(bytes.size())
                           .arg(NumbersRecord::Size));
    const qsizetype held = bytes.size() / NumbersRecord::Size;
    const int32_t count = NumbersRecord::fromBytes(bytes.constData()).count;
    if (count < 1 || count > held || count > MaxNumbersRecords)
        return refused(QStringLiteral("The file says it holds %1 results but holds %2 records.").arg(count).arg(held));

    int mains = 0;
    long long lastKey = 0;
    for (int i = 0; i < count; ++i) {
        const NumbersRecord r = NumbersRecord::fromBytes(bytes.constData() + qsizetype(i) * NumbersRecord::Size);
        const QString which = QStringLiteral("Result %1").arg(i + 1);
        if (!QDate(r.year, r.month, r.day).isValid() || r.year < 1)
            return refused(QStringLiteral("%1 has no valid date.").arg(which));
        const long long key = dateKey(r.year, r.month, r.day);
        if (key < lastKey)
            return refused(QStringLiteral("%1 is dated before the result above it.").arg(which));
        lastKey = key;
        const int n = mainCount(r);
        if (n < 0)
            return refused(
                QStringLiteral("%1 has main numbers that are repeated, out of place or outside 1 to 60.").arg(which));
        if (n < 3 || (i > 0 && n != mains))
            return refused(
                QStringLiteral("%1 does not have the same number of main numbers as the others.").arg(which));
        mains = n;
        for (const int16_t e : r.extra)
            if (e < 0 || e > 60)
                return refused(QStringLiteral("%1 has an extra number outside 0 to 60.").arg(which));
    }
    return {true, count, QString()};
}

} // namespace vx
