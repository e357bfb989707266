#include "gamedata/drawcheck.h"
#include "gamedata/numberlines.h"
#include "support/testfolder.h"

#include <cstring>
#include <gtest/gtest.h>
#include <numeric>
#include <random>

using namespace vx;
using namespace vx::test;

// Every winning line enabled, or Match Nothing alone.
static const std::array<int16_t, 16> All {0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
    Nothing {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};

static auto key(const CheckOutcome &o)
{
    return std::tuple(o.category, o.playsSound, o.mainMatches, o.bonusHit);
}

// The prize table read as the player reads it: m counts matching pairs, the lines are tried in order.
static CheckOutcome model(const NumbersRecord &d, const CheckRules &r, const NumbersRecord &e)
{
    CheckOutcome out;
    const auto among
        = [&](const NumbersRecord &n, int16_t v) { return std::count(n.main.data(), n.main.data() + r.mainDrawn, v); };
    for (int j = 0; j < r.mainDrawn; ++j)
        out.mainMatches += among(d, e.main[size_t(j)]);
    const auto extraHit
        = [&](size_t x) { return r.bonusPool > 0 ? e.extra[x] == d.extra[x] : among(e, d.extra[x]) > 0; };
    out.bonusHit = (r.bonusDrawn == 1 || r.bonusDrawn == 2) && (extraHit(0) || (r.bonusDrawn == 2 && extraHit(1)));
    for (int k = 1, m = out.mainMatches; k <= 15 && !out.category; ++k)
        if (r.winLines[size_t(k)] == 1 && m == (15 - k) / 2 && (k % 2 ? k < 15 || !out.bonusHit : out.bonusHit))
            out = {k, k == 1 || (k <= 8 && r.mainDrawn == m && (k % 2 ? r.bonusPool == 0 : r.bonusDrawn == 1)), m,
                out.bonusHit};
    return out;
}

TEST(DrawCheck, EveryEntryTakesTheFirstEnabledCategoryItSatisfies)
{
    std::mt19937 rng(1107);
    const auto pick = [&](int lo, int hi) { return int16_t(std::uniform_int_distribution<int>(lo, hi)(rng)); };
    CheckRules r;
    std::vector<int16_t> balls;
    const auto record = [&] {
        std::shuffle(balls.begin(), balls.end(), rng);
        NumbersRecord n;
        for (size_t j = 0; j < 7; ++j) // past MainDrawn: numbers of a larger game, never looked at
            n.main[j] = j < size_t(r.mainDrawn) ? balls[j] : pick(0, 60);
        for (int16_t &x : n.extra) // from its own pool or from the balls left in the main pool
            x = r.bonusPool > 0 ? pick(1, r.bonusPool) : balls[size_t(pick(r.mainDrawn, int(balls.size()) - 1))];
        return n;
    };
    std::array<bool, 32> reached {};
    std::vector<NumbersRecord> entries(8);
    NumbersRecord draw;
    for (int round = 0; round < 4000; ++round) {
        r = {pick(3, 7), pick(0, 2), int16_t(pick(0, 1) * pick(1, 12)), {}, "PB"};
        std::generate(r.winLines.begin() + 1, r.winLines.end(), [&] { return pick(0, 5) ? pick(0, 7) ? 1 : 2 : 0; });
        balls.resize(size_t(pick(r.mainDrawn + 1, 14)));
        std::iota(balls.begin(), balls.end(), int16_t(1));
        draw = record();
        if (pick(0, 7) == 0) // damaged: a repeated or wild number
            draw.main[size_t(pick(1, r.mainDrawn - 1))] = pick(0, 1) ? draw.main[0] : int16_t(75 * pick(-1, 1));
        std::generate(entries.begin(), entries.end(), record);
        EntriesCheck want;
        for (size_t i = 0; i < entries.size(); ++i) {
            const CheckOutcome out = model(draw, r, entries[i]);
            ASSERT_EQ(key(DrawChecker(checkNumbers(draw), r).classify(checkNumbers(entries[i]))), key(out)) << round;
            reached[size_t(out.category + 16 * out.playsSound)] = true;
            if (const int k = out.category) {
                const QString label = QStringLiteral("(%1%2)").arg((15 - k) / 2).arg(k % 2 ? "" : "+" + r.bonusTag);
                want.winningLines << checkedLineText(entries[i].main, entries[i].extra[0], label, r.bonusTag);
                want.winnerRows.push_back(int(i));
                want.playsSound = want.playsSound || out.playsSound;
            }
        }
        const EntriesCheck got = checkEntries(entries, checkNumbers(draw), r);
        ASSERT_EQ(std::tie(got.entryCount, got.wins, got.playsSound, got.winningLines, got.winnerRows),
            std::tuple(8, int(want.winnerRows.size()), want.playsSound, want.winningLines, want.winnerRows))
            << round;
    }
    EXPECT_EQ(
        std::count(reached.begin(), reached.end(), true), 23); // every category and none, and 1 to 8 with their sound

    // The entry file of the last round gives the same check; a file that cannot be read is reported.
    TestFolder folder;
    writeNumbersFile(folder.file("e.lot"), entries);
    EntriesCheck fromFile;
    ASSERT_TRUE(checkEntryFile(folder.file("e.lot"), checkNumbers(draw), r, &fromFile).ok);
    EXPECT_EQ(fromFile.winningLines, checkEntries(entries, checkNumbers(draw), r).winningLines);
    EXPECT_FALSE(checkEntryFile(folder.file("none/e.lot"), checkNumbers(draw), r, &fromFile).ok);
}

TEST(DrawCheck, EdgesOfTheTableAndTheDrawOfADay)
{
    const std::tuple<CheckNumbers, CheckRules, CheckNumbers, CheckOutcome> rows[] = {
        // Outcomes: category, sound, matches, hit. A damaged draw counts an entry's number once for each time it
        // was drawn; MainDrawn is held at 7.
        {{0, 5, 5, 6, 7, 8, 9}, {6, 0, 0, All, "PB"}, {0, 5, 1, 2, 3, 4, 10}, {11, 0, 2, 0}},
        {{0, 1, 2, 3, 4, 5, 6, 7}, {40, 0, 0, All, "PB"}, {0, 1, 2, 3, 4, 5, 6, 7}, {1, 1, 7, 0}},
        // From the main pool: among the entry's first MainDrawn mains only, the second extra alone too.
        {{0, 5, 10, 15, 20, 25, 30, 0, 7}, {6, 1, 0, All, "PB"}, {0, 1, 2, 3, 4, 7, 8, 7, 7}, {14, 0, 0, 1}},
        {{0, 5, 10, 15, 20, 25, 0, 0, 7, 9}, {5, 2, 0, All, "PB"}, {0, 1, 2, 3, 9, 6, 7, 7}, {14, 0, 0, 1}},
        // Match Nothing needs no bonus; a damaged draw whose bonus repeats a main number plays the bonus line.
        {{0, 1, 2, 3, 4, 5, 6, 0, 7}, {6, 1, 10, Nothing, "PB"}, {0, 11, 12, 13, 14, 15, 16, 0, 7}, {0, 0, 0, 1}},
        {{0, 1, 2, 3, 4, 5, 6, 0, 6}, {6, 1, 0, All, "PB"}, {0, 1, 2, 3, 4, 5, 6}, {2, 1, 6, 1}},
    };
    for (const auto &[draw, rules, entry, want] : rows)
        EXPECT_EQ(key(DrawChecker(draw, rules).classify(entry)), key(want)) << draw[1] << " " << entry[1];
    EXPECT_EQ(categoryLabel(0, QStringLiteral("PB")) + categoryLabel(16, QStringLiteral("PB")), QString());
    EXPECT_FALSE(anyWinLine({1})); // element 0 is no category
    EXPECT_TRUE(anyWinLine(Nothing));
    const std::vector<NumbersRecord> history = {drawRecord(2006, 3, 9, {1}), drawRecord(2006, 3, 10, {2}),
        drawRecord(2006, 3, 10, {3}), drawRecord(2006, 4, 10, {4})};
    for (const auto &[month, day, found] : {std::tuple(3, 10, 2), {4, 10, 4}, {3, 11, 0}, {1, 1, 0}})
        EXPECT_EQ(findDrawByDate(history, 2006, month, day), found) << month << "/" << day; // the first of the day
}

// The check of an entry file classifies the records as they lie in the file: entry by entry the
// same outcome as the numbers taken out of each record, the same winners and the same sound.
TEST(DrawCheck, RecordsAsTheyLieClassifyAsTheirNumbers)
{
    std::mt19937 rng(2106);
    const auto pick = [&](int lo, int hi) { return int16_t(std::uniform_int_distribution<int>(lo, hi)(rng)); };
    TestFolder folder;
    for (int round = 0; round < 400; ++round) {
        CheckRules r {pick(3, 7), pick(0, 2), int16_t(pick(0, 1) * pick(1, 12)), {}, "PB"};
        std::generate(r.winLines.begin() + 1, r.winLines.end(), [&] { return pick(0, 3) ? pick(0, 5) ? 1 : 2 : 0; });
        const auto numbers = [&] { // small pools for many matches; now and then a repeat or a wild number
            NumbersRecord n;
            for (int16_t &v : n.main)
                v = pick(0, 9) ? pick(1, 12) : pick(-70, 70);
            for (int16_t &v : n.extra)
                v = pick(0, 12);
            return n;
        };
        const NumbersRecord draw = numbers();
        std::vector<NumbersRecord> entries(size_t(pick(1, 150)));
        std::generate(entries.begin(), entries.end(), numbers);
        const QByteArray bytes = numbersFileBytes(entries);
        const DrawChecker checker(checkNumbers(draw), r);
        std::vector<uint8_t> categories(entries.size());
        checker.classifyRecords(bytes.constData(), int(entries.size()), categories.data());
        for (size_t i = 0; i < entries.size(); ++i) {
            const CheckOutcome want = checker.classify(checkNumbers(entries[i]));
            ASSERT_EQ(key(checker.classifyRecord(bytes.constData() + 30 * i)), key(want)) << round << " " << i;
            ASSERT_EQ(std::pair(int(categories[i]), checker.playsSound(categories[i])),
                std::pair(want.category, want.category != 0 && want.playsSound))
                << round << " " << i;
        }
        folder.writeBytes("e.lot", bytes);
        EntriesCheck fromFile;
        ASSERT_TRUE(checkEntryFile(folder.file("e.lot"), checkNumbers(draw), r, &fromFile).ok);
        std::vector<NumbersRecord> records; // as the file holds them, record 1 with its count
        for (int n = 1; n <= int(entries.size()); ++n)
            records.push_back(rawRecord(bytes, n));
        const EntriesCheck want = checkEntries(records, checkNumbers(draw), r);
        ASSERT_EQ(std::tie(fromFile.entryCount, fromFile.wins, fromFile.playsSound, fromFile.winningLines,
                      fromFile.winnerRows),
            std::tie(want.entryCount, want.wins, want.playsSound, want.winningLines, want.winnerRows))
            << round;
    }
}

// The draw of a day is the first record of its date, ordered history or not: out of order, a date
// twice, dates no calendar has, a count that says more or less than the file holds.
TEST(DrawCheck, TheDrawOfADayIsTheFirstRecordOfItsDateInAnyHistory)
{
    std::mt19937 rng(2107);
    const auto pick = [&](int lo, int hi) { return int16_t(std::uniform_int_distribution<int>(lo, hi)(rng)); };
    TestFolder folder;
    for (int round = 0; round < 300; ++round) {
        std::vector<NumbersRecord> history;
        QDate date(2020, 1, 1);
        for (int k = pick(1, 200); k > 0; --k, date = date.addDays(pick(0, 2))) // days drawn twice too
            history.push_back(drawRecord(date.year(), date.month(), date.day(), {pick(1, 49)}));
        if (round % 3 == 1) // out of order
            std::shuffle(history.begin(), history.end(), rng);
        if (round % 3 == 2) // wild dates
            for (NumbersRecord &d : history)
                if (pick(0, 4) == 0)
                    std::tie(d.year, d.month, d.day) = std::tuple(pick(-1, 2020), pick(-1, 14), pick(-1, 40));
        QByteArray bytes = numbersFileBytes(history, true);
        const int32_t count = pick(0, 5) ? int32_t(history.size()) : pick(-2, 250);
        std::memcpy(bytes.data(), &count, 4);
        folder.writeBytes("Lotto.rtl", bytes);
        NumbersFileRead whole;
        ASSERT_TRUE(readNumbersFile(folder.file("Lotto.rtl"), &whole).ok);
        for (int ask = 0; ask < 20; ++ask) {
            const NumbersRecord &of = history[size_t(pick(0, int(history.size()) - 1))];
            const auto [y, m, d] = ask % 4 ? std::tuple(int(of.year), int(of.month), int(of.day))
                                           : std::tuple(int(pick(2019, 2021)), int(pick(1, 12)), int(pick(1, 31)));
            const int want = findDrawByDate(whole.records, y, m, d);
            DrawOfDay found;
            ASSERT_TRUE(findDrawOfDay(folder.file("Lotto.rtl"), y, m, d, &found).ok);
            ASSERT_EQ(found.record, want) << round << " " << y << "-" << m << "-" << d;
            EXPECT_EQ(found.draw, want > 0 ? whole.records[size_t(want - 1)] : NumbersRecord {});
            EXPECT_EQ(found.damage, whole.damageMessage());
        }
    }
    DrawOfDay found;
    EXPECT_TRUE(findDrawOfDay(folder.file("New.rtl"), 2020, 1, 1, &found).ok && found.record == 0);
    EXPECT_EQ(folder.bytes("New.rtl"), QByteArray()); // created empty, as every reader of a history does
    EXPECT_EQ(findDrawByDate(std::vector<NumbersRecord> {drawRecord(-31072, 1, 1, {1})}, 34464, 1, 1), 0);
    folder.writeBytes("Big.rtl", numbersFileBytes({drawRecord(-31072, 1, 1, {1})}));
    EXPECT_TRUE(findDrawOfDay(folder.file("Big.rtl"), 34464, 1, 1, &found).ok && found.record == 0); // no wrap
}
