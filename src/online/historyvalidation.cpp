#include "online/historyvalidation.h"

#include "gamedata/numbersfile.h"

#include <QBuffer>
#include <QDate>
#include <bitset>

namespace vx {

namespace {
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

// What is wrong with the results the count takes in, empty when nothing is.
QString recordFault(const std::vector<NumbersRecord> &records)
{
    int mains = 0;
    long long lastKey = 0;
    for (size_t i = 0; i < records.size(); ++i) {
        const NumbersRecord &r = records[i];
        const QString which = QStringLiteral("result %1").arg(i + 1);
        if (!QDate(r.year, r.month, r.day).isValid() || r.year < 1)
            return QStringLiteral("%1 has no valid date").arg(which);
        const long long key = dateKey(r.year, r.month, r.day);
        if (key < lastKey)
            return QStringLiteral("%1 is dated before the result above it").arg(which);
        lastKey = key;
        const int n = mainCount(r);
        if (n < 0)
            return QStringLiteral("%1 has main numbers that are repeated, out of place or outside 1 to 60").arg(which);
        if (n < 3 || (i > 0 && n != mains))
            return QStringLiteral("%1 does not have the same number of main numbers as the others").arg(which);
        mains = n;
        for (const int16_t e : r.extra)
            if (e < 0 || e > 60)
                return QStringLiteral("%1 has an extra number outside 0 to 60").arg(which);
    }
    return {};
}
} // namespace

HistoryValidation validateHistory(const QByteArray &bytes, const QString &name)
{
    const auto refused = [&name](const QString &problem) {
        return HistoryValidation {false, 0, QStringLiteral("The file %1 %2.").arg(name, problem)};
    };
    if (bytes.isEmpty())
        return refused(QStringLiteral("is empty: it holds no results"));
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    NumbersFile file;
    file.open(&buffer, name);
    if (file.endsInTornRecord())
        return refused(QStringLiteral("is not a results file: its %1 bytes are not whole records of %2 bytes")
                           .arg(bytes.size())
                           .arg(NumbersRecord::Size));
    const int32_t count = file.declaredCount();
    if (count > MaxNumbersRecords)
        return refused(QStringLiteral("is not a sound results file: it gives its number of results as %1, more than "
                                      "the %2 a results file holds")
                           .arg(count)
                           .arg(MaxNumbersRecords));
    // A count of 0 would leave the game with no draws, whatever records follow it.
    if (file.isDamaged() || count == 0)
        return refused(QStringLiteral("is not a sound results file: it gives its number of results as %1, but it "
                                      "holds %2 records")
                           .arg(count)
                           .arg(file.recordsOnDisk()));
    if (const QString fault = recordFault(file.readRange(1, count)); !fault.isEmpty())
        return refused(QStringLiteral("is not a sound results file: %1").arg(fault));
    return {true, count, QString()};
}

} // namespace vx
