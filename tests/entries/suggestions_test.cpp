#include "entries/suggestions.h"
#include "gamedata/rnd.h"
#include "support/testfolder.h"

#include <gtest/gtest.h>
#include <random>
#include <set>

using namespace vx;
using namespace vx::test;

namespace {
class SeededRun : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RndTesting::setClock([] { return 43200.0; });
    }
    void TearDown() override { RndTesting::setClock({}); }
    void open(SuggestionRun &run, const QString &name, SuggestionGame game, int limit = 20000)
    {
        run.setAttemptLimit(limit);
        EXPECT_TRUE(
            run.openEntries(folder.file(name + ".lot")).ok && run.openHistory(folder.file(name + ".rtl"), game).ok);
    }
    TestFolder folder;
};
int shared(const NumbersRecord &a, const NumbersRecord &b, int n)
{
    std::set<int16_t> numbers(a.main.begin(), a.main.begin() + n);
    return int(std::count_if(b.main.begin(), b.main.begin() + n, [&](int16_t x) { return numbers.count(x); }));
}
} // namespace

// Whatever the file held, every suggested entry is within the pools, repeats no number and shares
// at most the limit with every entry in the file; the file stays whole and keeps its old records.
TEST_F(SeededRun, SuggestionsRespectPoolsAndOverlapAndTheFileStaysWhole)
{
    std::mt19937 rng(1110);
    const int limits[] = {0, 0, 0, 2, 3, 3, 4, 5};
    for (int round = 0; round < 12; ++round) {
        const SuggestionGame game {3 + round % 5, 9 + int(rng() % 6), int(rng() % 2) * 5};
        RndTesting::setState(int(rng()));
        std::vector<NumbersRecord> old(1 + rng() % 4);
        for (NumbersRecord &r : old)
            for (int p = 0; p < game.mainDrawn; ++p)
                r.main[p] = int16_t(1 + (p + rng() % 3 * game.mainDrawn) % game.mainPool);
        const QString name = QString("File%1").arg(round);
        writeNumbersFile(folder.file(name + ".lot"), old);
        const QByteArray before = folder.bytes(name + ".lot");
        SuggestionRun run;
        open(run, name, game, 3000);
        int added = 0;
        while (added < 15 && run.nextEntry({}, nullptr) == SuggestionRun::Turn::Accepted)
            ++added;
        run.close();
        const QByteArray bytes = folder.bytes(name + ".lot");
        const int count = int(old.size()) + added;
        ASSERT_EQ(bytes.size(), count * 30);
        EXPECT_EQ(rawInt32(bytes, 0), count);
        EXPECT_EQ(bytes.mid(4, before.size() - 4), before.mid(4));
        for (int e = int(old.size()) + 1; e <= count; ++e) {
            const NumbersRecord r = rawRecord(bytes, e);
            EXPECT_TRUE(std::is_sorted(r.main.begin(), r.main.begin() + game.mainDrawn) && r.main[0] >= 1);
            EXPECT_TRUE(r.main[game.mainDrawn - 1] <= game.mainPool && r.extra[0] <= game.bonusPool);
            EXPECT_EQ(
                std::set<int16_t>(r.main.begin(), r.main.begin() + game.mainDrawn).size(), size_t(game.mainDrawn));
            EXPECT_EQ(r.extra[0] == 0, game.bonusPool == 0);
            for (int o = 1; o < e; ++o)
                EXPECT_LE(shared(rawRecord(bytes, o), r, game.mainDrawn), limits[game.mainDrawn]) << e << " " << o;
        }
    }
}

TEST_F(SeededRun, FromTwentyDrawsEveryNumberComesFromThePastDrawsSamePosition)
{
    // Each position of the history has numbers of its own range, so sorting keeps positions.
    std::vector<NumbersRecord> draws;
    for (int d = 0; d < 20; ++d) {
        draws.push_back(drawRecord(2005, 1, d + 1, {}, {1 + d % 5}));
        for (int p = 0; p < 6; ++p)
            draws.back().main[p] = int16_t(8 * p + 1 + (d * 3 + p) % 8);
    }
    writeNumbersFile(folder.file("Lotto.rtl"), draws, true);
    SuggestionRun run;
    open(run, "Lotto", {6, 49, 10});
    EXPECT_FALSE(run.uniformMode());
    for (int e = 0; e < 40; ++e) {
        Candidate c {};
        ASSERT_EQ(run.nextEntry({}, &c), SuggestionRun::Turn::Accepted);
        for (size_t p = 0; p < 6; ++p)
            EXPECT_TRUE(
                std::any_of(draws.begin(), draws.end(), [&](const NumbersRecord &d) { return d.main[p] == c[p]; }));
        EXPECT_TRUE(c[7] >= 1 && c[7] <= 5);
    }
}

TEST_F(SeededRun, AppendedRecordsRepeatRecordOnesOtherFieldsAndARunWithoutCandidatesEnds)
{
    NumbersRecord first = drawRecord(2005, 11, 5, {1, 2, 3, 4, 5, 6}, {0, 3});
    first.number = 7;
    writeNumbersFile(folder.file("Lotto.lot"), {first});
    SuggestionRun run;
    open(run, "Lotto", {6, 7, 0}); // only 7 numbers: every candidate shares five with 1 to 6
    EXPECT_EQ(run.nextEntry({}, nullptr), SuggestionRun::Turn::Exhausted);
    int asked = 0;
    EXPECT_EQ(run.nextEntry([&] { return ++asked < 3; }, nullptr), SuggestionRun::Turn::Stopped);
    EXPECT_EQ(asked, 3);
    run.close();
    SuggestionRun wider;
    open(wider, "Lotto", {6, 8, 0});
    Candidate c {};
    ASSERT_EQ(wider.nextEntry({}, &c), SuggestionRun::Turn::Accepted);
    wider.close();
    NumbersRecord added = first;
    std::copy(c.begin(), c.begin() + 7, added.main.begin());
    added.count = 1;
    const QByteArray bytes = folder.bytes("Lotto.lot");
    EXPECT_EQ(rawInt32(bytes, 0), 2);
    EXPECT_EQ(bytes.mid(30), added.toBytes());
    EXPECT_EQ(std::vector<int16_t>(c.begin() + 4, c.begin() + 6), (std::vector<int16_t> {7, 8})); // shares four

    folder.writeBytes("Bad.lot", QByteArray(4, '\xff') + bytes.mid(4));
    SuggestionRun bad;
    EXPECT_TRUE(bad.openEntries(folder.file("Bad.lot")).message.contains("damaged"));
    bad.close();
    EXPECT_EQ(folder.bytes("Bad.lot"), QByteArray(4, '\xff') + bytes.mid(4));
}
