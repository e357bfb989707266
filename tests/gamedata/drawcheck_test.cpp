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

// One check and what must come of it (-1: not looked at).
struct Row {
    CheckNumbers draw;
    CheckRules rules;
    CheckNumbers entry;
    int bonusHit, category, sound;
};

void checkRows(std::initializer_list<Row> rows)
{
    int i = 0;
    for (const Row &r : rows) {
        SCOPED_TRACE("row " + std::to_string(i++));
        const CheckOutcome out = DrawChecker(r.draw, r.rules).classify(r.entry);
        EXPECT_TRUE(r.bonusHit < 0 || out.bonusHit == (r.bonusHit == 1)) << out.bonusHit;
        EXPECT_TRUE(r.category < 0 || out.category == r.category) << out.category;
        EXPECT_TRUE(r.sound < 0 || out.playsSound == (r.sound == 1)) << out.playsSound;
    }
}

} // namespace

TEST(CheckCategories, EveryLineOrEachLineAloneWinsExactlyWhenItsConditionHolds)
{
    const DrawChecker all(sevenDraw, rules(7, 1, 10, everyLine()));
    for (int m = 0; m <= 7; ++m) {
        for (bool hit : { false, true }) {
            SCOPED_TRACE("m " + std::to_string(m) + " hit " + std::to_string(hit));
            // With every line enabled the first that holds wins.
            const CheckOutcome out = all.classify(entryWith(m, hit));
            EXPECT_EQ(out.mainMatches, m);
            EXPECT_EQ(out.bonusHit, hit);
            EXPECT_EQ(out.category, m == 7 ? 1 : m == 0 ? (hit ? 14 : 15) : 2 * (7 - m) + (hit ? 0 : 1));
            // A line alone: without "Bonus" it ignores the bonus, except Match Nothing which needs none.
            for (int k = 1; k <= 15; ++k) {
                bool wins = m == 7 - k / 2 && (k % 2 == 1 || hit);
                if (k == 1 || k >= 14)
                    wins = k == 1 ? m == 7 : m == 0 && hit == (k == 14);
                EXPECT_EQ(
                    DrawChecker(sevenDraw, rules(7, 1, 10, { k })).classify(entryWith(m, hit)).category, wins ? k : 0)
                    << "line " << k;
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

TEST(CheckBonus, OwnPoolMainPoolTwoExtrasAndDisabledBonusLines)
{
    CheckRules two = rules(7, 1, 10, {}); // only an enabled value of 1 counts
    two.winLines[9] = 2;
    const CheckNumbers six = numbers({ 5, 10, 15, 20, 25, 30 }, 7);
    const CheckNumbers five = numbers({ 5, 10, 15, 20, 25 }, 7, 9);
    const auto all = everyLine();
    checkRows({
        // From its own pool: the entry's extra; the drawn bonus among the mains is no hit.
        { six, rules(6, 1, 10, all), numbers({ 1, 2, 3, 4, 6, 8 }, 7), 1, 14, -1 },
        { six, rules(6, 1, 10, all), numbers({ 7, 2, 3, 4, 6, 8 }, 9), 0, 15, -1 },
        // From the main pool: among the entry's first MainDrawn mains only.
        { six, rules(6, 1, 0, all), numbers({ 1, 2, 3, 4, 7, 8 }), 1, 14, -1 },
        { six, rules(6, 1, 0, all), numbers({ 1, 2, 3, 4, 6, 8 }, 7), 0, -1, -1 },
        { six, rules(6, 1, 0, all), numbers({ 1, 2, 3, 4, 6, 8, 7 }), 0, -1, -1 },
        // Two extras hit on either one; from the main pool the second alone still counts for the bonus lines.
        { five, rules(5, 2, 12, all), numbers({ 1, 2, 3, 4, 6 }, 7, 1), 1, -1, -1 },
        { five, rules(5, 2, 12, all), numbers({ 1, 2, 3, 4, 6 }, 1, 9), 1, -1, -1 },
        { five, rules(5, 2, 12, all), numbers({ 1, 2, 3, 4, 6 }, 9, 7), 0, -1, -1 },
        { five, rules(5, 2, 0, all), numbers({ 1, 2, 3, 9, 6 }), 1, 14, -1 },
        { five, rules(5, 2, 0, { 14 }), numbers({ 1, 2, 3, 9, 6 }), 1, 14, -1 },
        { five, rules(5, 2, 0, { 15 }), numbers({ 1, 2, 3, 9, 6 }), 1, 0, -1 },
        { five, rules(5, 2, 0, all), numbers({ 7, 2, 3, 4, 6 }), 1, -1, -1 },
        { five, rules(5, 2, 0, all), numbers({ 1, 2, 3, 4, 6 }, 7, 9), 0, -1, -1 },
        // No extra drawn means no hit.
        { numbers({ 5, 10, 15, 20, 25, 30 }, 7, 8), rules(6, 0, 10, all), numbers({ 5, 2, 3, 7, 8, 9 }, 7, 8), 0, 13,
            -1 },
        // A disabled bonus line falls to the plain line; Match Nothing needs no bonus.
        { sevenDraw, rules(7, 1, 10, { 5, 9 }), entryWith(5, true), 1, 5, -1 },
        { sevenDraw, rules(7, 1, 10, { 15 }), entryWith(0, true), 1, 0, -1 },
        { sevenDraw, rules(7, 1, 10, { 15 }), entryWith(0, false), 0, 15, -1 },
        { sevenDraw, two, entryWith(3, false), 0, 0, -1 },
    });
}

TEST(CheckMatches, OnlyTheGamesMainPositionsCountAndDamagedNumbersAreCountedAsPairsWithoutHarm)
{
    // Positions past MainDrawn hold numbers of an earlier, larger draw: they take no part.
    const DrawChecker five(numbers({ 1, 2, 3, 4, 5, 40, 41 }), rules(5, 0, 0, everyLine()));
    EXPECT_EQ(five.classify(numbers({ 1, 2, 40, 41, 50, 1, 2 })).mainMatches, 2);
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

TEST(CheckSound, AFullMainMatchPlaysWithTheBonusForOneExtraOrWithoutItForNoOwnPool)
{
    for (int md = 3; md <= 6; ++md) {
        SCOPED_TRACE(md);
        CheckNumbers draw {};
        CheckNumbers entry {};
        for (int j = 1; j <= md; ++j)
            draw[size_t(j)] = entry[size_t(j)] = int16_t(j);
        draw[8] = 30;
        CheckNumbers withBonus = entry;
        withBonus[8] = 30;
        entry[8] = 31;
        const int plain = 2 * (7 - md) + 1;
        checkRows({
            { draw, rules(md, 1, 10, everyLine()), withBonus, 1, plain - 1, 1 },
            { draw, rules(md, 2, 10, everyLine()), withBonus, 1, plain - 1, 0 },
            { draw, rules(md, 1, 0, everyLine()), entry, 0, plain, md >= 4 },
            { draw, rules(md, 1, 10, everyLine()), entry, 0, plain, 0 },
        });
    }
    for (int m = 0; m <= 2; ++m)
        for (bool hit : { false, true })
            EXPECT_FALSE(DrawChecker(sevenDraw, rules(7, 1, 10, everyLine())).classify(entryWith(m, hit)).playsSound);
}

TEST(CheckSound, TheEdgeCases)
{
    const CheckNumbers sixDraw = numbers({ 1, 2, 3, 4, 5, 6 }, 9);
    const CheckNumbers six = numbers({ 1, 2, 3, 4, 5, 6 });
    checkRows({
        { sevenDraw, rules(7, 1, 10, everyLine()), entryWith(7, false), -1, 1, 1 },
        { sevenDraw, rules(7, 2, 10, { 1 }), entryWith(7, true), -1, 1, 1 },
        { sevenDraw, rules(7, 1, 10, everyLine()), entryWith(6, true), -1, 2, 0 },
        { numbers({ 1, 2, 3 }, 8), rules(3, 1, 0, everyLine()), numbers({ 1, 2, 3 }), -1, 9, 0 },
        { sixDraw, rules(6, 1, 10, { 3 }), numbers({ 1, 2, 3, 4, 5, 6 }, 9), -1, 3, 0 },
        { sixDraw, rules(6, 1, 10, { 3 }), numbers({ 1, 2, 3, 4, 5, 6 }, 5), -1, 3, 0 },
        // Six from the main pool cannot also hold the bonus (it is a seventh number), so only "(6)".
        { numbers({ 1, 2, 3, 4, 5, 6 }, 7), rules(6, 1, 0, { 2, 3 }), six, -1, 3, 1 },
        // A damaged draw whose bonus repeats a main number shows the bonus line and its sound.
        { numbers({ 1, 2, 3, 4, 5, 6 }, 6), rules(6, 1, 0, { 2, 3 }), six, -1, 2, 1 },
    });
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
