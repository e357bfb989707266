#include "analysis/entryfilter.h"

#include "gamedata/numberlines.h"

#include <algorithm>
#include <bit>

namespace vx {

namespace {
// x / 2 rounded to the nearest whole number, a half to the even neighbour.
int halfToEven(int x)
{
    const int down = x >= 0 ? x / 2 : -((-x + 1) / 2);
    return (x % 2 == 0 || down % 2 == 0) ? down : down + 1;
}

int floorHalf(int n)
{
    return n >= 0 ? n / 2 : -((-n + 1) / 2);
}

// The average total the band is centred on. Odd counts take the lowest and the highest numbers in
// pairs and the middle of the pool for the one left over.
int averageTotal(int n, int p)
{
    switch (p) {
    case 3:
        return floorHalf(n) + 1 + n;
    case 4:
        return 2 * n + 2;
    case 5:
        return floorHalf(n) + 3 + n + (n - 1);
    case 6:
        return 3 * n + 3;
    default:
        return floorHalf(n) + 6 + n + (n - 1) + (n - 2);
    }
}

// The entries (bits of one word) that hold at least `least` of the numbers whose column words are
// given: the numbers are added up bit by bit in a three-bit count per entry (at most seven numbers),
// which is then compared with `least` (1 to 7).
uint64_t atLeast(const uint64_t *const *columns, size_t word, int numbers, int least)
{
    if (least == numbers) { // every one of them
        uint64_t all = ~uint64_t {0};
        for (int k = 0; k < numbers; ++k)
            all &= columns[k][word];
        return all;
    }
    uint64_t s0 = 0, s1 = 0, s2 = 0;
    for (int k = 0; k < numbers; ++k) {
        const uint64_t x = columns[k][word];
        const uint64_t c0 = s0 & x;
        s0 ^= x;
        const uint64_t c1 = s1 & c0;
        s1 ^= c0;
        s2 |= c1;
    }
    // count > least - 1, from the highest bit down.
    uint64_t greater = 0;
    uint64_t equal = ~uint64_t {0};
    const uint64_t bits[3] = {s0, s1, s2};
    const int limit = least - 1;
    for (int b = 2; b >= 0; --b) {
        const uint64_t t = ((limit >> b) & 1) ? ~uint64_t {0} : 0;
        greater |= equal & bits[b] & ~t;
        equal &= ~(bits[b] ^ t);
    }
    return greater;
}

// Work of one step of the duplicate filter, in entry comparisons: a few milliseconds.
constexpr long long ComparisonsPerStep = 4'000'000;
} // namespace

std::optional<SumBand> sumBand(int mainPool, int mainPicked, int position)
{
    const int n = mainPool;
    const int p = mainPicked;
    if (p < 3 || p > 7)
        return std::nullopt;
    const int average = averageTotal(n, p);
    const int smallest = p * (p + 1) / 2;
    const int largest = p * n - p * (p - 1) / 2;
    const int s = std::clamp(position, 1, SliderPositions);
    SumBand band {halfToEven(average + smallest), halfToEven(average + largest)};
    if (p > 3) {
        band.lo += 10 * (s - 1);
        band.hi -= 10 * (s - 1);
        return band;
    }
    // Three numbers span three quarters of the totals of four: the band narrows by half as much
    // per position, and never past the average, so that it cannot turn inside out.
    band.lo = std::min(band.lo + 5 * (s - 1), average);
    band.hi = std::max(band.hi - 5 * (s - 1), average);
    return band;
}

std::array<QString, 4> duplicateOptionCaptions(int mainPicked)
{
    // Four-number games offer no "1"; three-number games offer 1 to 3, so that the default of
    // Option3 is again one fewer than the numbers picked.
    std::array<QString, 4> captions;
    if (mainPicked < 3 || mainPicked > 7)
        return captions;
    for (int k = mainPicked <= 4 ? 1 : 0; k < 4; ++k)
        captions[static_cast<size_t>(k)] = QString::number(mainPicked - 3 + k);
    return captions;
}

QString filterLineText(
    const std::array<int16_t, 7> &mains, int16_t extra, int mainPicked, bool bonusPicked, const QString &tag)
{
    QString line;
    const int p = std::clamp(mainPicked, 0, 7);
    for (int a = 0; a < p; ++a) {
        line += twoDigits(mains[static_cast<size_t>(a)]);
        if (a < 6)
            line += QLatin1Char(' ');
    }
    if (bonusPicked)
        line += tag + QLatin1Char(' ') + twoDigits(extra);
    return line;
}

int markBySum(const std::vector<NumbersRecord> &entries, int mainPicked, const SumBand &band, std::vector<char> &marks)
{
    const int p = std::clamp(mainPicked, 0, 7);
    int marked = 0;
    for (size_t k = 0; k < entries.size(); ++k) {
        int total = 0;
        for (int a = 0; a < p; ++a)
            total += entries[k].main[static_cast<size_t>(a)];
        if (!marks[k] && !band.keeps(total)) {
            marks[k] = 1;
            ++marked;
        }
    }
    return marked;
}

DuplicateMarking::DuplicateMarking(
    const std::vector<NumbersRecord> &entries, int mainPicked, int shared, std::vector<char> &marks)
    : m_entries(entries)
    , m_picked(std::clamp(mainPicked, 0, 7))
    , m_shared(shared)
    , m_marks(marks)
    , m_masks(entries.size(), 0)
    , m_words((entries.size() + 63) / 64)
    , m_columns(64 * m_words, 0)
    , m_markBits(m_words, 0)
{
    for (size_t k = 0; k < entries.size(); ++k) {
        uint64_t mask = 0;
        bool distinct = m_picked > 0;
        for (int a = 0; a < m_picked && distinct; ++a) {
            const int v = entries[k].main[static_cast<size_t>(a)];
            const uint64_t bit = (v >= 0 && v < 64) ? uint64_t {1} << v : 0;
            distinct = bit != 0 && !(mask & bit);
            mask |= bit;
        }
        const uint64_t entryBit = uint64_t {1} << (k % 64);
        if (distinct) {
            m_masks[k] = mask;
            for (uint64_t rest = mask; rest != 0; rest &= rest - 1)
                m_columns[static_cast<size_t>(std::countr_zero(rest)) * m_words + k / 64] |= entryBit;
        } else {
            m_unmasked.push_back(static_cast<int>(k));
        }
        if (marks[k])
            m_markBits[k / 64] |= entryBit;
    }
}

int DuplicateMarking::pairCount(int i, int j) const
{
    const auto &a = m_entries[static_cast<size_t>(i)].main;
    const auto &b = m_entries[static_cast<size_t>(j)].main;
    int count = 0;
    for (int x = 0; x < m_picked; ++x)
        for (int y = 0; y < m_picked; ++y)
            count += a[static_cast<size_t>(x)] == b[static_cast<size_t>(y)];
    return count;
}

// An earlier unmarked entry sharing K numbers with j would already have marked j, so only the later
// entries can be marked by it.
void DuplicateMarking::markFrom(int j)
{
    const int c = static_cast<int>(m_entries.size());
    if (m_marks[static_cast<size_t>(j)])
        return;
    const uint64_t mine = m_masks[static_cast<size_t>(j)];
    if (mine == 0) {
        for (int i = j + 1; i < c; ++i)
            if (!m_marks[static_cast<size_t>(i)] && pairCount(i, j) >= m_shared) {
                m_marks[static_cast<size_t>(i)] = 1;
                m_markBits[static_cast<size_t>(i) / 64] |= uint64_t {1} << (i % 64);
                ++m_marked;
            }
        return;
    }
    // An unmasked entry's mask of 0 shares nothing here; it is counted pair by pair below.
    if (m_shared <= 0) {
        for (int i = j + 1; i < c; ++i)
            if (!m_marks[static_cast<size_t>(i)]) {
                m_marks[static_cast<size_t>(i)] = 1;
                m_markBits[static_cast<size_t>(i) / 64] |= uint64_t {1} << (i % 64);
                ++m_marked;
            }
        return;
    }
    markSharingColumns(j, mine);
    for (int i : m_unmasked)
        if (i > j && !m_marks[static_cast<size_t>(i)] && pairCount(i, j) >= m_shared) {
            m_marks[static_cast<size_t>(i)] = 1;
            m_markBits[static_cast<size_t>(i) / 64] |= uint64_t {1} << (i % 64);
            ++m_marked;
        }
}

// Marks every later unmarked entry held as a bit set that shares at least m_shared numbers with
// entry j, whose numbers are `mine`. The entries counted pair by pair have empty columns here.
void DuplicateMarking::markSharingColumns(int j, uint64_t mine)
{
    const int numbers = std::popcount(mine);
    if (m_shared > numbers)
        return; // no entry can share more numbers than j holds
    const uint64_t *columns[7];
    int n = 0;
    for (uint64_t rest = mine; rest != 0; rest &= rest - 1)
        columns[n++] = m_columns.data() + static_cast<size_t>(std::countr_zero(rest)) * m_words;

    const size_t first = static_cast<size_t>(j + 1) / 64;
    for (size_t w = first; w < m_words; ++w) {
        uint64_t hits = atLeast(columns, w, numbers, m_shared) & ~m_markBits[w];
        if (w == first) // only the entries after j
            hits &= ~uint64_t {0} << ((j + 1) % 64);
        if (hits == 0)
            continue;
        m_markBits[w] |= hits;
        m_marked += std::popcount(hits);
        for (; hits != 0; hits &= hits - 1)
            m_marks[w * 64 + static_cast<size_t>(std::countr_zero(hits))] = 1;
    }
}

bool DuplicateMarking::step(const std::function<bool()> &)
{
    const int c = static_cast<int>(m_entries.size());
    long long work = 0;
    while (m_next < c && work < ComparisonsPerStep) {
        markFrom(m_next);
        work += c - m_next;
        ++m_next;
    }
    return m_next < c;
}

QByteArray keptEntriesFile(const QByteArray &file, int count, const std::vector<char> &marks)
{
    const std::vector<NumbersRecord> entries = numbersRecordsOf(file, count);
    std::vector<NumbersRecord> kept;
    for (size_t k = 0; k < entries.size(); ++k)
        if (k >= marks.size() || !marks[k])
            kept.push_back(entries[k]);
    QByteArray bytes;
    putNumbersRecords(bytes, kept);
    return bytes;
}

} // namespace vx
