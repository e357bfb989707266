#include "gamedata/drawcheck.h"

#include <gtest/gtest.h>
#include <initializer_list>

using namespace vx;

namespace {

CheckRules rules(int mainDrawn, int bonusDrawn, int bonusPool, std::initializer_list<int> enabled,
    const QString &tag = QStringLiteral("PB"))
{
    CheckRules r;
    r.mainDrawn = static_cast<int16_t>(mainDrawn);
    r.bonusDrawn = static_cast<int16_t>(bonusDrawn);
    r.bonusPool = static_cast<int16_t>(bonusPool);
    for (int k : enabled)
        r.winLines[static_cast<size_t>(k)] = 1;
    r.bonusTag = tag;
    return r;
}

std::initializer_list<int> everyLine()
{
    static const std::initializer_list<int> all = { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15 };
    return all;
}

// Numbers 1 to 9: seven mains, two extras.
CheckNumbers numbers(std::initializer_list<int> mains, int x1 = 0, int x2 = 0)
{
    CheckNumbers n {};
    size_t i = 1;
    for (int m : mains)
        n[i++] = static_cast<int16_t>(m);
    n[8] = static_cast<int16_t>(x1);
    n[9] = static_cast<int16_t>(x2);
    return n;
}

// A seven-ball draw 1..7 with an extra 8 from its own pool; an entry with m main matches (its
// other numbers from 20 up) and the bonus matched or not.
const CheckNumbers sevenDraw = numbers({ 1, 2, 3, 4, 5, 6, 7 }, 8);

CheckNumbers entryWith(int m, bool bonus)
{
    CheckNumbers e {};
    for (int j = 1; j <= 7; ++j)
        e[static_cast<size_t>(j)] = static_cast<int16_t>(j <= m ? j : 20 + j);
    e[8] = static_cast<int16_t>(bonus ? 8 : 9);
    return e;
}

int categoryOf(int m, bool hit)
{
    if (m == 7)
        return 1;
    if (m == 0)
        return hit ? 14 : 15;
    return 2 * (7 - m) + (hit ? 0 : 1);
}

} // namespace

TEST(CheckCategories, WithEveryLineEnabledTheFirstThatHoldsWins)
{
    const DrawChecker checker(sevenDraw, rules(7, 1, 10, everyLine()));
    for (int m = 0; m <= 7; ++m) {
        for (bool hit : { false, true }) {
            const CheckOutcome out = checker.classify(entryWith(m, hit));
            EXPECT_EQ(out.mainMatches, m);
            EXPECT_EQ(out.bonusHit, hit);
            EXPECT_EQ(out.category, categoryOf(m, hit)) << "m " << m << " hit " << hit;
        }
    }
}

TEST(CheckCategories, EachLineAloneWinsExactlyWhenItsConditionHolds)
{
    for (int k = 1; k <= 15; ++k) {
        const DrawChecker checker(sevenDraw, rules(7, 1, 10, { k }));
        for (int m = 0; m <= 7; ++m) {
            for (bool hit : { false, true }) {
                // A line without "Bonus" ignores the bonus, except Match Nothing which needs none.
                bool wins;
                if (k == 1)
                    wins = m == 7;
                else if (k == 15)
                    wins = m == 0 && !hit;
                else if (k == 14)
                    wins = m == 0 && hit;
                else {
                    const bool bonusLine = k % 2 == 0;
                    const int needed = 7 - k / 2;
                    wins = m == needed && (!bonusLine || hit);
                }
                EXPECT_EQ(checker.classify(entryWith(m, hit)).category, wins ? k : 0)
                    << "line " << k << " m " << m << " hit " << hit;
            }
        }
    }
}

TEST(CheckCategories, LabelsCarryTheTag)
{
    const char *expected[] = { "", "(7)", "(6+PB)", "(6)", "(5+PB)", "(5)", "(4+PB)", "(4)", "(3+PB)", "(3)", "(2+PB)",
        "(2)", "(1+PB)", "(1)", "(0+PB)", "(0)" };
    for (int k = 0; k <= 15; ++k)
        EXPECT_EQ(categoryLabel(k, QStringLiteral("PB")), QLatin1String(expected[k])) << k;
    EXPECT_EQ(categoryLabel(16, QStringLiteral("PB")), QString());
    EXPECT_EQ(categoryLabel(2, QStringLiteral("EB")), QStringLiteral("(6+EB)"));
}

TEST(CheckCategories, ADisabledBonusLineFallsToThePlainLineOrToNothing)
{
    // Match 5 + Bonus disabled: five and the bonus win "(5)".
    const DrawChecker five(sevenDraw, rules(7, 1, 10, { 5, 9 }));
    EXPECT_EQ(five.classify(entryWith(5, true)).category, 5);
    // Match Bonus Only disabled: the bonus alone wins nothing, not even Match Nothing.
    const DrawChecker nothing(sevenDraw, rules(7, 1, 10, { 15 }));
    EXPECT_EQ(nothing.classify(entryWith(0, true)).category, 0);
    EXPECT_EQ(nothing.classify(entryWith(0, false)).category, 15);
    // Only an enabled value of 1 counts.
    CheckRules two = rules(7, 1, 10, {});
    two.winLines[9] = 2;
    EXPECT_EQ(DrawChecker(sevenDraw, two).classify(entryWith(3, false)).category, 0);
}

TEST(CheckBonus, FromItsOwnPoolComparesTheEntrysExtra)
{
    const CheckNumbers draw = numbers({ 5, 10, 15, 20, 25, 30 }, 7);
    const DrawChecker checker(draw, rules(6, 1, 10, everyLine()));
    EXPECT_TRUE(checker.classify(numbers({ 1, 2, 3, 4, 6, 8 }, 7)).bonusHit);
    // The drawn bonus among the entry's mains is no hit: the pools differ.
    EXPECT_FALSE(checker.classify(numbers({ 7, 2, 3, 4, 6, 8 }, 9)).bonusHit);
}

TEST(CheckBonus, FromTheMainPoolLooksAmongTheEntrysMains)
{
    const CheckNumbers draw = numbers({ 5, 10, 15, 20, 25, 30 }, 7);
    const DrawChecker checker(draw, rules(6, 1, 0, everyLine()));
    EXPECT_TRUE(checker.classify(numbers({ 1, 2, 3, 4, 7, 8 })).bonusHit);
    EXPECT_FALSE(checker.classify(numbers({ 1, 2, 3, 4, 6, 8 }, 7)).bonusHit);
    // Only the first MainDrawn numbers of the entry are looked at.
    EXPECT_FALSE(checker.classify(numbers({ 1, 2, 3, 4, 6, 8, 7 })).bonusHit);
}

TEST(CheckBonus, TwoExtrasHitOnEitherOne)
{
    const CheckNumbers draw = numbers({ 5, 10, 15, 20, 25 }, 7, 9);
    const DrawChecker ownPool(draw, rules(5, 2, 12, everyLine()));
    EXPECT_TRUE(ownPool.classify(numbers({ 1, 2, 3, 4, 6 }, 7, 1)).bonusHit);
    EXPECT_TRUE(ownPool.classify(numbers({ 1, 2, 3, 4, 6 }, 1, 9)).bonusHit);
    EXPECT_FALSE(ownPool.classify(numbers({ 1, 2, 3, 4, 6 }, 9, 7)).bonusHit);

    const DrawChecker mainPool(draw, rules(5, 2, 0, everyLine()));
    // Only the second extra among the entry's numbers: the bonus lines still count it.
    const CheckOutcome second = mainPool.classify(numbers({ 1, 2, 3, 9, 6 }));
    EXPECT_TRUE(second.bonusHit);
    EXPECT_EQ(second.category, 14);
    EXPECT_EQ(DrawChecker(draw, rules(5, 2, 0, { 14 })).classify(numbers({ 1, 2, 3, 9, 6 })).category, 14);
    EXPECT_EQ(DrawChecker(draw, rules(5, 2, 0, { 15 })).classify(numbers({ 1, 2, 3, 9, 6 })).category, 0);
    EXPECT_TRUE(mainPool.classify(numbers({ 7, 2, 3, 4, 6 })).bonusHit);
    EXPECT_FALSE(mainPool.classify(numbers({ 1, 2, 3, 4, 6 }, 7, 9)).bonusHit);
}

TEST(CheckBonus, NoExtraDrawnMeansNoHit)
{
    const CheckNumbers draw = numbers({ 5, 10, 15, 20, 25, 30 }, 7, 8);
    const DrawChecker checker(draw, rules(6, 0, 10, everyLine()));
    const CheckOutcome out = checker.classify(numbers({ 5, 2, 3, 7, 8, 9 }, 7, 8));
    EXPECT_FALSE(out.bonusHit);
    EXPECT_EQ(out.category, 13);
}

TEST(CheckMatches, OnlyTheGamesMainPositionsCount)
{
    // Positions past MainDrawn hold numbers of an earlier, larger draw: they take no part.
    const CheckNumbers draw = numbers({ 1, 2, 3, 4, 5, 40, 41 });
    const DrawChecker checker(draw, rules(5, 0, 0, everyLine()));
    EXPECT_EQ(checker.classify(numbers({ 1, 2, 40, 41, 50, 1, 2 })).mainMatches, 2);
}

TEST(CheckMatches, DamagedNumbersAreCountedAsPairsWithoutHarm)
{
    // A draw holding one number twice counts an entry's match with both.
    const DrawChecker repeated(numbers({ 5, 5, 6, 7, 8, 9 }), rules(6, 0, 0, everyLine()));
    EXPECT_EQ(repeated.classify(numbers({ 5, 1, 2, 3, 4, 10 })).mainMatches, 2);
    // Numbers far outside the pool still compare as numbers.
    const DrawChecker wild(numbers({ -3, 75, 1000, 1, 2, 3 }), rules(6, 0, 0, everyLine()));
    EXPECT_EQ(wild.classify(numbers({ -3, 75, 1000, 1, 4, 5 })).mainMatches, 4);
    EXPECT_EQ(wild.classify(numbers({ -1, 64, 63, 0, 4, 5 })).mainMatches, 0);
    // A MainDrawn outside 0..7 is held inside it.
    const DrawChecker big(numbers({ 1, 2, 3, 4, 5, 6, 7 }), rules(40, 0, 0, everyLine()));
    EXPECT_EQ(big.classify(numbers({ 1, 2, 3, 4, 5, 6, 7 })).category, 1);
}

// ---------------------------------------------------------------------------------------------
// The sound of a top match

TEST(CheckSound, MatchSevenAlwaysPlays)
{
    EXPECT_TRUE(DrawChecker(sevenDraw, rules(7, 1, 10, everyLine())).classify(entryWith(7, false)).playsSound);
    EXPECT_TRUE(DrawChecker(sevenDraw, rules(7, 2, 10, { 1 })).classify(entryWith(7, true)).playsSound);
}

TEST(CheckSound, AFullMainMatchWithTheBonusPlaysForOneExtraOfTheSameSize)
{
    for (int md = 3; md <= 6; ++md) {
        CheckNumbers draw = numbers({ 1, 2, 3, 4, 5, 6 }, 8);
        for (int j = md + 1; j <= 7; ++j)
            draw[static_cast<size_t>(j)] = 0;
        CheckNumbers entry {};
        for (int j = 1; j <= md; ++j)
            entry[static_cast<size_t>(j)] = static_cast<int16_t>(j);
        entry[8] = 8;
        const CheckOutcome one = DrawChecker(draw, rules(md, 1, 10, everyLine())).classify(entry);
        EXPECT_EQ(one.category, 2 * (7 - md)) << md;
        EXPECT_TRUE(one.playsSound) << md;
        // With two extras drawn the same line stays silent.
        const CheckOutcome two = DrawChecker(draw, rules(md, 2, 10, everyLine())).classify(entry);
        EXPECT_EQ(two.category, 2 * (7 - md));
        EXPECT_FALSE(two.playsSound) << md;
    }
    // Six and the bonus in a seven-ball game is not a full match.
    const CheckOutcome partial = DrawChecker(sevenDraw, rules(7, 1, 10, everyLine())).classify(entryWith(6, true));
    EXPECT_EQ(partial.category, 2);
    EXPECT_FALSE(partial.playsSound);
}

TEST(CheckSound, AFullMainMatchWithoutBonusPlaysOnlyWithoutAnOwnBonusPool)
{
    for (int md = 4; md <= 6; ++md) {
        CheckNumbers draw {};
        CheckNumbers entry {};
        for (int j = 1; j <= md; ++j)
            draw[static_cast<size_t>(j)] = entry[static_cast<size_t>(j)] = static_cast<int16_t>(j);
        draw[8] = 30;
        entry[8] = 31;
        const CheckOutcome mainPool = DrawChecker(draw, rules(md, 1, 0, everyLine())).classify(entry);
        EXPECT_EQ(mainPool.category, 2 * (7 - md) + 1);
        EXPECT_TRUE(mainPool.playsSound) << md;
        const CheckOutcome ownPool = DrawChecker(draw, rules(md, 1, 10, everyLine())).classify(entry);
        EXPECT_EQ(ownPool.category, 2 * (7 - md) + 1);
        EXPECT_FALSE(ownPool.playsSound) << md;
    }
}

TEST(CheckSound, ThreeAndBelowWithoutTheBonusNeverPlay)
{
    const CheckNumbers draw = numbers({ 1, 2, 3 }, 8);
    const CheckOutcome three = DrawChecker(draw, rules(3, 1, 0, everyLine())).classify(numbers({ 1, 2, 3 }));
    EXPECT_EQ(three.category, 9);
    EXPECT_FALSE(three.playsSound);
    const CheckOutcome threeBonus = DrawChecker(draw, rules(3, 1, 20, everyLine())).classify(numbers({ 1, 2, 3 }, 8));
    EXPECT_EQ(threeBonus.category, 8);
    EXPECT_TRUE(threeBonus.playsSound);
    for (int m = 0; m <= 2; ++m)
        for (bool hit : { false, true })
            EXPECT_FALSE(DrawChecker(sevenDraw, rules(7, 1, 10, everyLine())).classify(entryWith(m, hit)).playsSound);
}

TEST(CheckSound, TheEdgeCasesOfSixBallGames)
{
    const CheckNumbers ownPoolDraw = numbers({ 1, 2, 3, 4, 5, 6 }, 9);
    const DrawChecker ownPool(ownPoolDraw, rules(6, 1, 10, { 3 }));
    for (int x : { 9, 5 }) {
        const CheckOutcome out = ownPool.classify(numbers({ 1, 2, 3, 4, 5, 6 }, x));
        EXPECT_EQ(out.category, 3);
        EXPECT_FALSE(out.playsSound);
    }
    const CheckNumbers mainPoolDraw = numbers({ 1, 2, 3, 4, 5, 6 }, 7);
    const DrawChecker mainPool(mainPoolDraw, rules(6, 1, 0, { 2, 3 }));
    // Six from the main pool cannot also hold the bonus (it is a seventh number), so only "(6)".
    const CheckOutcome six = mainPool.classify(numbers({ 1, 2, 3, 4, 5, 6 }));
    EXPECT_EQ(six.category, 3);
    EXPECT_TRUE(six.playsSound);
    // A damaged draw whose bonus repeats a main number shows the bonus line and its sound.
    const DrawChecker repeated(numbers({ 1, 2, 3, 4, 5, 6 }, 6), rules(6, 1, 0, { 2, 3 }));
    const CheckOutcome sixBonus = repeated.classify(numbers({ 1, 2, 3, 4, 5, 6 }));
    EXPECT_EQ(sixBonus.category, 2);
    EXPECT_TRUE(sixBonus.playsSound);
}

TEST(CheckLines, AnyLineLooksAtOneToFifteenOnly)
{
    std::array<int16_t, 16> lines {};
    EXPECT_FALSE(anyWinLine(lines));
    lines[0] = 1;
    EXPECT_FALSE(anyWinLine(lines));
    lines[15] = 1;
    EXPECT_TRUE(anyWinLine(lines));
}
