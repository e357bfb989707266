#include "entries/suggestions.h"
#include "gamedata/rnd.h"
#include "support/scriptedplatform.h"
#include "support/testfolder.h"

#include <gtest/gtest.h>
#include <random>
#include <set>

using namespace vx;
using namespace vx::test;

namespace {
void open(SuggestionRun &run, const TestFolder &folder, const QString &name, SuggestionGame game, int limit)
{
    run.setAttemptLimit(limit);
    ASSERT_TRUE(run.openEntries(folder.file(name + ".lot")).ok && run.openHistory(folder.file(name + ".rtl"), game).ok);
}
} // namespace

// Whatever the file held, every suggested entry is within the pools, repeats no number, shares at
// most the limit with every entry before it and repeats record 1's other fields; the file stays
// whole and keeps its old records.
TEST(Suggestions, RespectPoolsAndOverlapAndTheFileStaysWhole)
{
    const platform::TestMode mode(QString(), ScriptedNow); // candidates are seeded from a clock that stands still
    TestFolder folder;
    std::mt19937 rng(1110);
    const int limits[] = {0, 0, 0, 2, 3, 3, 4, 5};
    for (int round = 0; round < 12; ++round) {
        const SuggestionGame game {3 + round % 5, 9 + int(rng() % 6), int(rng() % 2) * 5};
        const int n = game.mainDrawn;
        RndTesting::setState(int(rng()));
        std::vector<NumbersRecord> old(1 + rng() % 4, drawRecord(2005, 11, round + 1, {}));
        for (NumbersRecord &r : old)
            for (int p = 0; p < n; ++p)
                r.main[p] = int16_t(1 + (p + rng() % 3 * n) % game.mainPool);
        const QString name = QString("File%1").arg(round);
        writeNumbersFile(folder.file(name + ".lot"), old, true);
        const QByteArray before = folder.bytes(name + ".lot");
        SuggestionRun run;
        open(run, folder, name, game, 3000);
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
            const std::set<int16_t> numbers(r.main.begin(), r.main.begin() + n);
            EXPECT_TRUE(std::is_sorted(r.main.begin(), r.main.begin() + n) && numbers.size() == size_t(n));
            EXPECT_TRUE(r.main[0] >= 1 && r.main[n - 1] <= game.mainPool && r.extra[0] <= game.bonusPool);
            EXPECT_EQ(r.extra[0] == 0, game.bonusPool == 0);
            EXPECT_TRUE(bytes.mid(e * 30 - 26, 8) == bytes.mid(4, 8) && rawInt32(bytes, e * 30 - 30) == e - 1) << e;
            for (int o = 1; o < e; ++o) {
                const NumbersRecord other = rawRecord(bytes, o);
                EXPECT_LE(
                    std::count_if(other.main.begin(), other.main.begin() + n, [&](int x) { return numbers.count(x); }),
                    limits[n])
                    << e << " " << o;
            }
        }
    }
}

TEST(Suggestions, FromTwentyDrawsEveryNumberComesFromThePastDrawsSamePosition)
{
    const platform::TestMode mode(QString(), ScriptedNow); // candidates are seeded from a clock that stands still
    // Each position of the history has numbers of its own range, so sorting keeps positions.
    TestFolder folder;
    std::vector<NumbersRecord> draws;
    for (int d = 0; d < 20; ++d) {
        draws.push_back(drawRecord(2005, 1, d + 1, {}, {1 + d % 5}));
        for (int p = 0; p < 6; ++p)
            draws.back().main[p] = int16_t(8 * p + 1 + (d * 3 + p) % 8);
    }
    writeNumbersFile(folder.file("Lotto.rtl"), draws, true);
    SuggestionRun run;
    open(run, folder, "Lotto", {6, 49, 10}, 20000);
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

// A disk that fills up during a run: the entries added before the failing one stay, whole and
// counted, and the failing one leaves nothing behind; a file the run created and could not add
// to is gone again.
TEST(Suggestions, AFullDiskEndsTheRunWithTheFileWhole)
{
    const platform::TestMode mode(QString(), ScriptedNow); // candidates are seeded from a clock that stands still
    const SuggestionGame game {5, 30, 0};
    for (const bool existed : {true, false}) {
        for (qint64 accepted = 0; accepted <= 4 * NumbersRecord::Size; accepted += 7) {
            SCOPED_TRACE(testing::Message() << existed << " " << accepted);
            TestFolder folder;
            RndTesting::setState(int(accepted));
            if (existed)
                writeNumbersFile(
                    folder.file("Lotto.lot"), {entryRecord({1, 2, 3, 4, 5}), entryRecord({6, 7, 8, 9, 10})});
            const QByteArray before = folder.bytes("Lotto.lot");
            SuggestionRun run;
            int added = 0;
            SuggestionRun::Turn turn;
            {
                const FailingFileWrites disk(accepted, "Lotto.lot");
                open(run, folder, "Lotto", game, 3000);
                while ((turn = run.nextEntry({}, nullptr)) == SuggestionRun::Turn::Accepted)
                    ++added;
                run.close();
            }
            ASSERT_EQ(turn, SuggestionRun::Turn::WriteFailed);
            EXPECT_EQ(run.failure().message, "The file Lotto.lot could not be written: No space left on device.");
            const QByteArray bytes = folder.bytes("Lotto.lot");
            const int count = (existed ? 2 : 0) + added;
            if (count == 0) {
                EXPECT_FALSE(folder.exists("Lotto.lot"));
                continue;
            }
            EXPECT_EQ(bytes.size(), count * NumbersRecord::Size);
            EXPECT_EQ(rawInt32(bytes, 0), count);
            if (existed) {
                EXPECT_EQ(bytes.mid(4, before.size() - 4), before.mid(4));
            }
        }
    }
}

// Every candidate is seeded from the time of day. Under a clock that stands still, the same
// generator state gives the same suggestions on every run, and the seeds came from that clock.
TEST(Suggestions, TheSameStateAndTimeOfDayGiveTheSameEntries)
{
    const platform::TestMode mode(QString(), ScriptedNow);
    const auto suggest = [](std::uint64_t state) {
        TestFolder folder;
        std::vector<NumbersRecord> draws;
        for (int d = 0; d < 30; ++d)
            draws.push_back(drawRecord(2005, 1, d + 1, {1 + d % 9, 10 + d % 7, 20 + d % 5, 30 + d % 8, 40 + d % 9}));
        writeNumbersFile(folder.file("Lotto.rtl"), draws, true);
        RndTesting::setState(state);
        SuggestionRun run;
        open(run, folder, "Lotto", {5, 49, 0}, 3000);
        for (int e = 0; e < 25; ++e)
            EXPECT_EQ(run.nextEntry({}, nullptr), SuggestionRun::Turn::Accepted);
        run.close();
        return folder.bytes("Lotto.lot");
    };
    const int readings = testMode().clock.readings();
    const QByteArray first = suggest(5);
    EXPECT_EQ(first.size(), 25 * NumbersRecord::Size);
    EXPECT_GE(testMode().clock.readings() - readings, 25);
    EXPECT_EQ(suggest(5), first);
    EXPECT_NE(suggest(6), first);
}
