#include "analysis/entryfilter.h"
#include "support/testfolder.h"

#include <gtest/gtest.h>
#include <random>

using namespace vx;
using namespace vx::test;

namespace {
// Duplicate marking as the filter was first described: every unmarked entry against every other,
// number by number, an entry reading its numbers afresh each time.
std::vector<char> slowMarks(const std::vector<NumbersRecord> &e, int p, int k, std::vector<char> marks)
{
    for (size_t j = 0; j < e.size(); ++j)
        for (size_t i = 0; i < e.size() && !marks[j]; ++i) {
            int count = 0;
            for (int a = 0; a < p; ++a)
                for (int b = 0; b < p; ++b)
                    count += e[i].main[size_t(a)] == e[j].main[size_t(b)];
            if (i != j && !marks[i] && count >= k)
                marks[i] = 1;
        }
    return marks;
}

std::vector<char> fastMarks(const std::vector<NumbersRecord> &e, int p, int k, std::vector<char> marks)
{
    DuplicateMarking run(e, p, k, marks);
    const auto before = std::count(marks.begin(), marks.end(), 1);
    while (run.step([] { return true; })) { }
    EXPECT_EQ(run.marked(), std::count(marks.begin(), marks.end(), 1) - before);
    return marks;
}
} // namespace

TEST(EntryFilter, BandsFollowThePoolAndTheSliderAndOptionsThePicks)
{
    using Row = std::tuple<int, int, int, SumBand>;
    for (const auto &[n, p, s, band] : std::vector<Row> {{49, 4, 1, {55, 145}}, {49, 4, 5, {95, 105}},
             {49, 5, 1, {70, 180}}, {49, 5, 2, {80, 170}}, {49, 6, 1, {86, 214}}, {49, 6, 3, {106, 194}},
             {49, 7, 1, {101, 248}}, {49, 7, 4, {131, 218}}, {59, 5, 1, {82, 217}}, {49, 6, 9, {126, 174}},
             {49, 3, 1, {40, 109}}, {49, 3, 5, {60, 89}}, {10, 3, 5, {16, 16}}, {49, 8, 1, {}}})
        EXPECT_EQ(sumBand(n, p, s).value_or(SumBand {}), band) << n << " " << p << " " << s;
    for (int n = 3; n <= 60; ++n) // three numbers: never inside out, the average always kept
        for (int s = 1; s <= 5; ++s)
            EXPECT_TRUE(sumBand(n, 3, s)->keeps(n / 2 + 1 + n)) << n << " " << s;
    QStringList rows; // the options offered, and list lines
    for (int p = 2; p <= 8; ++p) {
        const auto captions = duplicateOptionCaptions(p);
        rows << QStringList(captions.begin(), captions.end()).join(',');
    }
    EXPECT_EQ(rows.join('|'), ",,,|,1,2,3|,2,3,4|2,3,4,5|3,4,5,6|4,5,6,7|,,,");
    EXPECT_EQ(filterLineText({3, 12, 25, 40, 9, 9, 9}, 7, 4, true, "PB"), "03 12 25 40 PB 07");
    EXPECT_EQ(filterLineText({1, 2, 3, 4, 5, 6, 17}, 9, 7, true, "PB"), "01 02 03 04 05 06 17PB 09");
    EXPECT_EQ(filterLineText({1, 2, 3, 4, 5, 6, 17}, 9, 6, false, "PB"), "01 02 03 04 05 06 ");
}

TEST(EntryFilter, TheLowestEntryOfAGroupSurvivesMarkedEntriesMarkNothingAndRemoveKeepsTheRest)
{
    // Entry 2 shares five numbers with entry 1, entry 3 five with entry 2 but four with entry 1.
    const std::vector<NumbersRecord> e {entryRecord({1, 2, 3, 4, 5, 40}), entryRecord({2, 3, 4, 5, 40, 45}),
        entryRecord({3, 4, 5, 40, 45, 46}), entryRecord({10, 20, 30, 41, 47, 48})};
    EXPECT_EQ(fastMarks(e, 6, 5, std::vector<char>(4, 0)), std::vector<char>({0, 1, 0, 0}));
    // Entry 1 taken out by its total (55) first: entry 2 survives and marks entry 3.
    std::vector<char> marks(4, 0);
    EXPECT_EQ(markBySum(e, 6, *sumBand(49, 6, 1), marks), 1);
    EXPECT_EQ(fastMarks(e, 6, 5, marks), std::vector<char>({1, 0, 1, 0}));

    // What Remove writes: the unmarked records byte for byte, the count in record 1.
    QByteArray file;
    for (int k = 0; k < 5; ++k)
        file += QByteArray(NumbersRecord::Size, char('a' + k));
    EXPECT_EQ(keptEntriesFile(file + "torn", 4, {1, 0, 1}),
        QByteArray("\x02\0\0\0", 4) + QByteArray(26, 'b') + QByteArray(30, 'd'));
    EXPECT_EQ(keptEntriesFile(file, 2, {1, 1}), QByteArray(30, '\0'));
    EXPECT_EQ(keptEntriesFile(file, 9, {}).size(), 150); // a count beyond the file keeps what is there
}

// Small pools give many overlaps; repeated numbers, zeros and numbers beyond 63 are counted pair
// by pair as well.
TEST(EntryFilter, BitMasksMarkExactlyWhatComparingNumberByNumberMarks)
{
    std::mt19937 random(2105);
    for (int round = 0; round < 300; ++round) {
        const int p = 3 + int(random() % 5);
        const int pool = p + 2 + int(random() % 12);
        std::vector<NumbersRecord> entries(1 + random() % 60);
        std::vector<char> marks(entries.size(), 0);
        for (size_t k = 0; k < entries.size(); ++k) {
            for (int a = 0; a < p; ++a)
                entries[k].main[size_t(a)] = int16_t(1 + random() % pool);
            if (random() % 8 == 0)
                entries[k].main[random() % 7] = int16_t(random() % 3 == 0 ? 0 : random() % 2 ? 70 : -3);
            marks[k] = random() % 6 == 0;
        }
        const int k = int(random() % (p + 2));
        ASSERT_EQ(fastMarks(entries, p, k, marks), slowMarks(entries, p, k, marks)) << round;
    }
}

// Files of several hundred entries: the entries compared 64 at a time, across the ends of the
// words, mark what comparing them one by one marks, with earlier marks and any count of numbers.
TEST(EntryFilter, ComparingSixtyFourEntriesAtOnceMarksWhatComparingThemOneByOneMarks)
{
    std::mt19937 random(2107);
    for (int round = 0; round < 60; ++round) {
        const int p = 3 + int(random() % 5);
        const int pool = p + 1 + int(random() % 10);
        std::vector<NumbersRecord> entries(60 + random() % 300);
        std::vector<char> marks(entries.size(), 0);
        for (size_t k = 0; k < entries.size(); ++k) {
            std::vector<int16_t> numbers(static_cast<size_t>(pool));
            std::iota(numbers.begin(), numbers.end(), int16_t(random() % 2 ? 1 : 64 - pool)); // up to 63
            std::shuffle(numbers.begin(), numbers.end(), random);
            std::copy(numbers.begin(), numbers.begin() + p, entries[k].main.begin());
            if (random() % 40 == 0)
                entries[k].main[0] = entries[k].main[1]; // counted pair by pair
            marks[k] = random() % 10 == 0;
        }
        const int k = 1 + int(random() % (p + 1));
        ASSERT_EQ(fastMarks(entries, p, k, marks), slowMarks(entries, p, k, marks)) << round << " " << k;
    }
}
