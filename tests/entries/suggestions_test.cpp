#include "entries/suggestions.h"
#include "gamedata/rnd.h"
#include "support/testfolder.h"

#include <gtest/gtest.h>
#include <set>

using namespace vx;
using namespace vx::test;

TEST(SuggestionRequests, TotalAndAdditionalArithmetic)
{
    // Total fills up to the number typed from the count shown (the box decides, not the file), without
    // the 2500 limit of Additional; both round the difference, a half to the even neighbour.
    const QString nothing
        = QStringLiteral("You have not specified a number to add. Please enter a number in: Enter No box");
    const QString already = QStringLiteral("You already have this number of entries or more.");
    const QString limit = QStringLiteral("You are limited to a maximum of 2500 entries");
    struct Case {
        double typed;
        bool total;
        int shown, inFile, toAdd;
        QString refusal;
    };
    const Case cases[] = {{0, true, 0, 0, 0, nothing}, {0.5, false, 0, 0, 0, nothing}, {10, true, 10, 10, 0, already},
        {11, true, 10, 10, 1, {}}, {3000, true, 10, 10, 2990, {}}, {10.5, true, 4, 4, 6, {}}, {11.5, true, 4, 4, 8, {}},
        {10.5, true, 10, 0, 0, {}}, {12, true, 4, 9, 8, {}}, {2, false, 2498, 2498, 2, {}},
        {3, false, 2498, 2498, 0, limit}, {2.5, false, 2498, 2498, 0, limit}, {1.5, false, 0, 0, 2, {}},
        {2.5, false, 0, 0, 2, {}}};
    for (const Case &c : cases) {
        const SuggestionRequest r = checkSuggestionRequest(c.typed, c.total, c.shown, c.inFile);
        EXPECT_EQ(r.refusal, c.refusal) << c.typed << (c.total ? " total" : " additional") << " from " << c.shown;
        if (c.refusal.isEmpty()) {
            EXPECT_EQ(r.toAdd, c.toAdd) << c.typed << (c.total ? " total" : " additional") << " from " << c.shown;
        }
    }
    // Beyond what a file can hold.
    EXPECT_FALSE(checkSuggestionRequest(40000, true, 0, 0).ok());
    EXPECT_FALSE(checkSuggestionRequest(1e12, true, 0, 0).ok());
}

TEST(OverlapLimits, ByDrawnBalls)
{
    const std::pair<int, int> limits[] = {{7, 5}, {6, 4}, {5, 3}, {4, 3}, {3, 2}};
    for (const auto &[drawn, limit] : limits)
        EXPECT_EQ(overlapLimit(drawn), limit) << drawn;
}

namespace {
int shared(const NumbersRecord &a, const NumbersRecord &b, int n)
{
    int count = 0;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            if (a.main[static_cast<size_t>(i)] == b.main[static_cast<size_t>(j)])
                ++count;
    return count;
}

// Runs until `wanted` entries are accepted or the run ends otherwise; returns the last turn.
SuggestionRun::Turn suggest(SuggestionRun &run, int wanted, int *accepted)
{
    *accepted = 0;
    SuggestionRun::Turn turn = SuggestionRun::Turn::Accepted;
    while (*accepted < wanted) {
        turn = run.nextEntry({}, nullptr);
        if (turn != SuggestionRun::Turn::Accepted)
            break;
        ++*accepted;
    }
    return turn;
}

class SeededRun : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RndTesting::setState(12345);
        RndTesting::setClock([] { return 43200.0; });
    }
    void TearDown() override { RndTesting::setClock({}); }
    TestFolder folder;
};
} // namespace

TEST_F(SeededRun, OverlapLimitIsNeverExceededInTheFile)
{
    struct Shape {
        int drawn, pool, want;
    };
    for (const Shape shape : {Shape {6, 10, 25}, Shape {5, 9, 20}, Shape {4, 7, 12}, Shape {7, 11, 15}}) {
        const QString path = folder.file(QStringLiteral("Small%1.lot").arg(shape.drawn));
        SuggestionRun run;
        ASSERT_TRUE(run.openEntries(path).ok);
        ASSERT_TRUE(run.openHistory(folder.file(QStringLiteral("Small.rtl")), {shape.drawn, shape.pool, 0}).ok);
        EXPECT_TRUE(run.uniformMode());
        int accepted = 0;
        suggest(run, shape.want, &accepted);
        run.close();

        const QByteArray bytes = folder.bytes(QStringLiteral("Small%1.lot").arg(shape.drawn));
        const int count = rawInt32(bytes, 0);
        EXPECT_EQ(count, accepted);
        EXPECT_GT(count, 3);
        for (int a = 1; a <= count; ++a) {
            const NumbersRecord ra = rawRecord(bytes, a);
            std::set<int> distinct(ra.main.begin(), ra.main.begin() + shape.drawn);
            EXPECT_EQ(static_cast<int>(distinct.size()), shape.drawn);
            EXPECT_TRUE(std::is_sorted(ra.main.begin(), ra.main.begin() + shape.drawn));
            EXPECT_EQ(ra.extra[0], 0);
            for (int b = a + 1; b <= count; ++b)
                EXPECT_LE(shared(ra, rawRecord(bytes, b), shape.drawn), overlapLimit(shape.drawn))
                    << "entries " << a << " and " << b << " of a " << shape.drawn << "-ball game";
        }
    }
}

TEST_F(SeededRun, FromTwentyDrawsEveryNumberComesFromThePastDrawsSamePosition)
{
    // Each position of the history has numbers of its own range, so sorting keeps positions.
    std::vector<NumbersRecord> draws;
    for (int d = 0; d < 20; ++d) {
        NumbersRecord r = drawRecord(2005, 1, d + 1, {});
        for (int p = 0; p < 6; ++p)
            r.main[static_cast<size_t>(p)] = static_cast<int16_t>(8 * p + 1 + (d * 3 + p) % 8);
        r.extra[0] = static_cast<int16_t>(1 + d % 5);
        draws.push_back(r);
    }
    writeNumbersFile(folder.file("Lotto.rtl"), draws, true);

    SuggestionRun run;
    ASSERT_TRUE(run.openEntries(folder.file("Lotto01JAN2005.lot")).ok);
    ASSERT_TRUE(run.openHistory(folder.file("Lotto.rtl"), {6, 49, 10}).ok);
    EXPECT_FALSE(run.uniformMode());
    EXPECT_EQ(run.drawCount(), 20);
    int accepted = 0;
    suggest(run, 40, &accepted);
    run.close();
    ASSERT_EQ(accepted, 40);

    const QByteArray bytes = folder.bytes("Lotto01JAN2005.lot");
    for (int e = 1; e <= 40; ++e) {
        const NumbersRecord entry = rawRecord(bytes, e);
        for (size_t p = 0; p < 6; ++p) {
            const bool fromColumn = std::any_of(
                draws.begin(), draws.end(), [&](const NumbersRecord &d) { return d.main[p] == entry.main[p]; });
            EXPECT_TRUE(fromColumn) << "entry " << e << " position " << p;
        }
        EXPECT_GE(entry.extra[0], 1);
        EXPECT_LE(entry.extra[0], 5);
    }
}

TEST_F(SeededRun, BelowTwentyDrawsNumbersAreUniform)
{
    std::vector<NumbersRecord> draws;
    for (int d = 0; d < 19; ++d)
        draws.push_back(drawRecord(2005, 1, d + 1, {1, 2, 3, 4, 5, 6}));
    writeNumbersFile(folder.file("Lotto.rtl"), draws, true);
    SuggestionRun run;
    ASSERT_TRUE(run.openEntries(folder.file("Lotto.lot")).ok);
    ASSERT_TRUE(run.openHistory(folder.file("Lotto.rtl"), {6, 49, 0}).ok);
    EXPECT_TRUE(run.uniformMode());
    int accepted = 0;
    suggest(run, 10, &accepted);
    run.close();
    const QByteArray bytes = folder.bytes("Lotto.lot");
    int beyondSix = 0;
    for (int e = 1; e <= 10; ++e)
        for (int16_t v : rawRecord(bytes, e).main)
            beyondSix += v > 6 ? 1 : 0;
    EXPECT_GT(beyondSix, 30);
}

TEST_F(SeededRun, ARunThatCannotFindACandidateEndsOrAsksAndKeepsWhatItAdded)
{
    // Three of five: ten different entries, then only repeats are left.
    SuggestionRun run;
    run.setAttemptLimit(20000);
    ASSERT_TRUE(run.openEntries(folder.file("Tiny.lot")).ok);
    ASSERT_TRUE(run.openHistory(folder.file("Tiny.rtl"), {3, 5, 0}).ok);
    int accepted = 0;
    EXPECT_EQ(suggest(run, 12, &accepted), SuggestionRun::Turn::Exhausted);
    run.close();
    EXPECT_EQ(accepted, 10);
    EXPECT_EQ(rawInt32(folder.bytes("Tiny.lot"), 0), 10);

    // Reopened full: the retries ask whether to go on, and No stops the run.
    SuggestionRun again;
    ASSERT_TRUE(again.openEntries(folder.file("Tiny.lot")).ok);
    EXPECT_EQ(again.entryCount(), 10);
    ASSERT_TRUE(again.openHistory(folder.file("Tiny.rtl"), {3, 5, 0}).ok);
    int asked = 0;
    EXPECT_EQ(again.nextEntry([&] { return ++asked < 3; }, nullptr), SuggestionRun::Turn::Stopped);
    EXPECT_EQ(asked, 3);
    again.close();
    EXPECT_EQ(rawInt32(folder.bytes("Tiny.lot"), 0), 10);
}

TEST_F(SeededRun, AppendedRecordsRepeatRecordOnesOtherFields)
{
    NumbersRecord first = entryRecord({1, 2, 3, 4, 5, 6});
    first.number = 7;
    first.day = 5;
    first.month = 11;
    first.year = 2005;
    first.extra[1] = 3;
    writeNumbersFile(folder.file("Lotto.lot"), {first});
    SuggestionRun run;
    ASSERT_TRUE(run.openEntries(folder.file("Lotto.lot")).ok);
    ASSERT_TRUE(run.openHistory(folder.file("Lotto.rtl"), {6, 49, 0}).ok);
    Candidate c {};
    ASSERT_EQ(run.nextEntry({}, &c), SuggestionRun::Turn::Accepted);
    run.close();
    const QByteArray bytes = folder.bytes("Lotto.lot");
    ASSERT_EQ(bytes.size(), 60);
    EXPECT_EQ(rawInt32(bytes, 0), 2);
    const NumbersRecord added = rawRecord(bytes, 2);
    EXPECT_EQ(added.count, 1);
    EXPECT_EQ(added.number, 7);
    EXPECT_EQ(added.year, 2005);
    EXPECT_EQ(added.extra[1], 3);
    EXPECT_EQ(added.main[0], c[0]);
    EXPECT_EQ(added.main[5], c[5]);
    EXPECT_EQ(added.main[6], 0);
}

TEST_F(SeededRun, SharingFourWithAnEntryInTheFileIsAllowedAndFiveIsNot)
{
    // Against 1 to 6 in a pool of 8, a candidate may share four numbers, so it must hold 7 and 8.
    // (A second one then shares 7, 8 and at most two more with the first: there is always one.)
    writeNumbersFile(folder.file("Eight.lot"), {entryRecord({1, 2, 3, 4, 5, 6})});
    SuggestionRun run;
    ASSERT_TRUE(run.openEntries(folder.file("Eight.lot")).ok);
    ASSERT_TRUE(run.openHistory(folder.file("Eight.rtl"), {6, 8, 0}).ok);
    for (int k = 0; k < 2; ++k) {
        Candidate c {};
        ASSERT_EQ(run.nextEntry({}, &c), SuggestionRun::Turn::Accepted);
        EXPECT_EQ(c[4], 7);
        EXPECT_EQ(c[5], 8);
        EXPECT_EQ(shared(rawRecord(folder.bytes("Eight.lot"), 1), rawRecord(folder.bytes("Eight.lot"), k + 2), 6), 4);
    }
    run.close();

    // In a pool of 7 every six numbers share five with 1 to 6: nothing can be suggested.
    SuggestionRun seven;
    seven.setAttemptLimit(5000);
    writeNumbersFile(folder.file("Seven.lot"), {entryRecord({1, 2, 3, 4, 5, 6})});
    ASSERT_TRUE(seven.openEntries(folder.file("Seven.lot")).ok);
    ASSERT_TRUE(seven.openHistory(folder.file("Seven.rtl"), {6, 7, 0}).ok);
    EXPECT_EQ(seven.nextEntry({}, nullptr), SuggestionRun::Turn::Exhausted);
    seven.close();
    EXPECT_EQ(rawInt32(folder.bytes("Seven.lot"), 0), 1);
}

TEST_F(SeededRun, AnEntryFileWithANegativeCountIsRefusedUntouched)
{
    writeNumbersFile(folder.file("Bad.lot"), {entryRecord({1, 2, 3, 4, 5, 6})});
    QByteArray bytes = folder.bytes("Bad.lot");
    bytes.replace(0, 4, QByteArray(4, '\xff'));
    folder.writeBytes(QStringLiteral("Bad.lot"), bytes);
    SuggestionRun run;
    const FileResult opened = run.openEntries(folder.file("Bad.lot"));
    EXPECT_FALSE(opened.ok);
    EXPECT_TRUE(opened.message.contains(QStringLiteral("damaged"))) << opened.message.toStdString();
    run.close();
    EXPECT_EQ(folder.bytes("Bad.lot"), bytes);
}
