// The writers of history and entry files run on any file image, damaged ones included. The input is
// one operation byte, a 30-byte parameter block (zeros past the end of the input) and the file:
//   0 insertResult: the block is the result record
//   1 deleteResult: record p = int16 at 0
//   2 appendEntry: main numbers = 7 x int16 at 0, extra = int16 at 14
//   3 rewriteEntry: n = int16 at 0, mains to replace = int8 at 2, extra given = byte 3 odd,
//     extra = int16 at 4, main numbers = 7 x int16 at 6
//   4 deleteEntries: k = byte 0 % 15 lines, int16 each from byte 2
// A refused operation leaves the file byte for byte as it was. A done one leaves records 1 to the
// new count as the operation's rule says, computed here from the usable records of the input
// image only, and every byte past the records it may touch as it was.
#include "fuzzsupport.h"
#include "gamedata/numbersfile.h"

#include <algorithm>
#include <set>

using namespace vxfuzz;
using vx::NumbersRecord;

namespace {

constexpr int RecordSize = NumbersRecord::Size;
constexpr qsizetype HeaderSize = 1 + RecordSize;

NumbersRecord recordAt(const QByteArray &image, int n)
{
    return NumbersRecord::fromBytes(slice(image, qsizetype(n - 1) * RecordSize, RecordSize).constData());
}

std::array<int16_t, 7> mainsAt(const QByteArray &block, qsizetype at)
{
    std::array<int16_t, 7> mains {};
    for (size_t i = 0; i < mains.size(); ++i)
        mains[i] = le16(block, at + 2 * qsizetype(i));
    return mains;
}

// What the operation must leave: the records 1 to `records.size()`, the file length, and where the
// untouched tail starts. `removed` is set when the file must be gone.
struct Expected {
    bool mustFail = false; // the operation must be refused
    std::vector<NumbersRecord> records;
    std::vector<bool> checked; // false: a leftover record whose contents do not matter
    qsizetype length = 0;
    qsizetype untouchedFrom = 0;
    bool removed = false;
};

void checkFile(const QString &path, const QByteArray &input, const Expected &e)
{
    bool exists = false;
    const QByteArray after = readBack(path, &exists);
    if (e.removed) {
        FUZZ_CHECK(!exists);
        FUZZ_CHECK(filesInFolder().isEmpty());
        return;
    }
    FUZZ_CHECK(exists);
    FUZZ_CHECK(filesInFolder() == QStringList {QStringLiteral("numbers.dat")});
    FUZZ_CHECK(after.size() == e.length);
    for (size_t i = 0; i < e.records.size(); ++i)
        if (e.checked[i])
            FUZZ_CHECK(recordAt(after, int(i) + 1) == e.records[i]);
    FUZZ_CHECK(after.mid(e.untouchedFrom) == input.mid(e.untouchedFrom));
}

void setRecords(Expected *e, std::vector<NumbersRecord> records)
{
    e->checked.assign(records.size(), true);
    e->records = std::move(records);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray all(reinterpret_cast<const char *>(data), qsizetype(size));
    const int op = static_cast<uint8_t>(all[0]) % 5;
    const QByteArray block = slice(all, 1, RecordSize);
    const QByteArray input = all.mid(HeaderSize);
    const QString path = writeInput(QStringLiteral("numbers.dat"), input);

    const int32_t declared = le32(input, 0);
    const qint64 onDisk = input.size() / RecordSize;
    const int c = int(std::max<qint64>(0, std::min<qint64>({declared, onDisk, vx::MaxNumbersRecords})));
    std::vector<NumbersRecord> old;
    for (int n = 1; n <= c; ++n)
        old.push_back(recordAt(input, n));

    Expected e;
    e.length = input.size();
    vx::FileResult result;

    switch (op) {
    case 0: {
        NumbersRecord fresh = NumbersRecord::fromBytes(block.constData());
        result = vx::insertResult(path, fresh);
        e.mustFail = declared < 0 || c >= vx::MaxNumbersRecords;
        // The new result goes before the first stored one dated later, or last.
        const long long key = vx::dateKey(fresh.year, fresh.month, fresh.day);
        int r = c + 1;
        for (int i = 0; i < c; ++i)
            if (vx::dateKey(old[size_t(i)].year, old[size_t(i)].month, old[size_t(i)].day) > key) {
                r = i + 1;
                break;
            }
        std::vector<NumbersRecord> records(old.begin(), old.begin() + (r - 1));
        fresh.number = int16_t(r);
        // Record 1 carries the count; a result put in the middle keeps the Count bytes of the record
        // whose place it takes, as the file has always been written.
        fresh.count = (r == 1 || r == c + 1) ? c + 1 : old[size_t(r - 1)].count;
        records.push_back(fresh);
        for (int i = r - 1; i < c; ++i) {
            NumbersRecord moved = old[size_t(i)];
            ++moved.number;
            records.push_back(moved);
        }
        records[0].count = c + 1;
        setRecords(&e, records);
        e.length = std::max<qsizetype>(input.size(), qsizetype(c + 1) * RecordSize);
        e.untouchedFrom = qsizetype(c + 1) * RecordSize;
        break;
    }
    case 1: {
        const int p = le16(block, 0);
        result = vx::deleteResult(path, p);
        e.mustFail = p < 1 || p > c;
        e.removed = c == 1 && p == 1;
        std::vector<NumbersRecord> records;
        for (int i = 0; i < c; ++i) {
            if (i + 1 == p)
                continue;
            NumbersRecord kept = old[size_t(i)];
            if (i + 1 > p)
                --kept.number;
            records.push_back(kept);
        }
        if (!records.empty())
            records[0].count = c - 1;
        setRecords(&e, records);
        // The last old record stays where it was, past the new count.
        e.untouchedFrom = qsizetype(std::max(c - 1, 0)) * RecordSize;
        break;
    }
    case 2: {
        const std::array<int16_t, 7> mains = mainsAt(block, 0);
        const int16_t extra = le16(block, 14);
        int newCount = -1;
        result = vx::appendEntry(path, mains, extra, &newCount);
        e.mustFail = declared < 0 || c >= vx::MaxNumbersRecords;
        if (result.ok)
            FUZZ_CHECK(newCount == c + 1);
        // The new entry is a copy of record 1 (zeros past the end of the file) with the numbers put in.
        NumbersRecord entry = recordAt(input, 1);
        entry.main = mains;
        entry.extra[0] = extra;
        std::vector<NumbersRecord> records = old;
        records.push_back(entry);
        records[0].count = c + 1;
        setRecords(&e, records);
        e.length = std::max<qsizetype>(input.size(), qsizetype(c + 1) * RecordSize);
        e.untouchedFrom = qsizetype(c + 1) * RecordSize;
        break;
    }
    case 3: {
        const int n = le16(block, 0);
        const int toReplace = static_cast<int8_t>(block[2]);
        const std::optional<int16_t> extra
            = (block[3] & 1) ? std::optional<int16_t>(le16(block, 4)) : std::optional<int16_t>();
        const std::array<int16_t, 7> mains = mainsAt(block, 6);
        result = vx::rewriteEntry(path, n, mains, toReplace, extra);
        e.mustFail = n < 1 || n > c;
        std::vector<NumbersRecord> records = old;
        if (!e.mustFail) {
            NumbersRecord &entry = records[size_t(n - 1)];
            for (int i = 0; i < std::clamp(toReplace, 0, 7); ++i)
                entry.main[size_t(i)] = mains[size_t(i)];
            if (extra)
                entry.extra[0] = *extra;
        }
        setRecords(&e, records);
        e.untouchedFrom = qsizetype(c) * RecordSize;
        break;
    }
    default: {
        const int k = static_cast<uint8_t>(block[0]) % 15;
        std::vector<int> lines;
        for (int i = 0; i < k; ++i)
            lines.push_back(le16(block, 2 + 2 * i));
        int newCount = -1;
        result = vx::deleteEntries(path, lines, &newCount);
        const std::set<int> gone(lines.begin(), lines.end());
        std::vector<NumbersRecord> records;
        for (int i = 0; i < c; ++i)
            if (!gone.contains(i))
                records.push_back(old[size_t(i)]);
        FUZZ_CHECK(!result.ok || newCount == int(records.size()));
        const bool anyGone = int(records.size()) < c;
        const size_t kept = records.size();
        // Record 1 always holds the count, even when no entry is left; past the new count come the
        // leftovers of the moves, which no reader takes as entries.
        if (anyGone) {
            if (records.empty())
                records.push_back(old[0]);
            records[0].count = int32_t(kept);
        }
        setRecords(&e, records);
        if (kept == 0 && anyGone) {
            e.checked[0] = false;
            FUZZ_CHECK(!result.ok || recordAt(readBack(path), 1).count == 0);
        }
        e.untouchedFrom = qsizetype(anyGone ? c : 0) * RecordSize;
        break;
    }
    }

    if (!result.ok || e.mustFail) {
        FUZZ_CHECK(!result.ok);
        FUZZ_CHECK(e.mustFail);
        FUZZ_CHECK(!result.message.isEmpty());
        FUZZ_CHECK(readBack(path) == input);
        return 0;
    }
    checkFile(path, input, e);
    return 0;
}
