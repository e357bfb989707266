#include "entries/entrychecks.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <set>

using namespace vx;

namespace {
// Box values: mostly numbers near a small pool (so repeats and range faults are common), some
// halves, empty boxes and numbers beyond sixteen bits. Stored, a half goes to the even neighbour.
double randomBox(std::mt19937 &rng, int pool)
{
    const int kind = int(rng() % 20);
    return kind == 0 ? 0.0 : kind == 1 ? 65537.0 : kind == 2 ? int(rng() % pool) + 0.5 : double(rng() % (pool + 2));
}
const auto stored = [](double v) { return std::nearbyint(v); };
} // namespace

// The fault that stands is the one of the last box failing anything (out of range over below 1
// over a repeat); a bonus of its own pool is tested after all the others.
TEST(EntryChecks, FaultsFollowTheLastFailingBoxAndBuiltEntriesAreSorted)
{
    std::mt19937 rng(1109);
    for (int round = 0; round < 20000; ++round) {
        const EntryRules rules {3 + int(rng() % 5), int(rng() % 2), 8 + int(rng() % 5), rng() % 2 ? 6 : 0};
        std::vector<double> boxes(size_t(rules.mainPicked + rules.bonusPicked));
        for (double &box : boxes)
            box = randomBox(rng, rules.mainPool);
        const int last = rules.bonusPicked && !rules.bonusPool ? rules.mainPicked : rules.mainPicked - 1;
        int model = 0;
        for (int i = last; i >= 0 && model == 0; --i) {
            model = boxes[i] > rules.mainPool ? 3 : boxes[i] < 1 ? 2 : 0;
            for (int j = 0; j <= last && model == 0; ++j)
                model = j != i && stored(boxes[j]) == stored(boxes[i]) ? 1 : 0;
        }
        const double bonus = boxes.back();
        const bool ownBonus = rules.bonusPicked && rules.bonusPool;
        const int add = ownBonus && (bonus < 1 || bonus > rules.bonusPool) ? 3 : model;
        ASSERT_EQ(entryFault(EntryWindow::ManualAdd, boxes, rules), add) << round;
        ASSERT_EQ(entryFault(EntryWindow::Change, boxes, rules), ownBonus && bonus < 1 ? 2 : add) << round;
        if (add != 0)
            continue;
        const EntryNumbers entry = buildEntry(boxes, rules);
        std::multiset<double> mains;
        std::transform(boxes.begin(), boxes.begin() + rules.mainPicked, std::inserter(mains, mains.end()), stored);
        ASSERT_TRUE(std::equal(mains.begin(), mains.end(), entry.mains.begin()));
        ASSERT_EQ(entry.bonus, rules.bonusPicked ? stored(bonus) : 0);
    }
    EXPECT_EQ(entryFaultMessage(3), "One or more of your numbers are out of range for the game!");
}

// Mains out of range, then extras out of their pool, equal extras, repeated mains, and an extra
// of the main pool (after the two extras are put in order) drawn as a main.
TEST(ResultChecks, TheFirstFailingCheckSpeaksAndRecordsAreInOrder)
{
    std::mt19937 rng(1108);
    for (int round = 0; round < 20000; ++round) {
        const int m = 3 + int(rng() % 5), b = int(rng() % 3), source = int(rng() % 3), extraPool = source == 1 ? 9 : 4;
        std::vector<double> typed(size_t(m + b)), v;
        for (double &box : typed)
            v.push_back(stored(box = std::min(randomBox(rng, 9), 10.5)));
        const std::multiset<double> mains(v.begin(), v.begin() + m);
        const double e1 = b > 0 ? v[m] : 0, e2 = b > 1 ? v[m + 1] : 0, low = e1 && e2 ? std::min(e1, e2) : e1;
        const auto outside = [](double x, int pool) { return x < 1 || x > pool; };
        QString model;
        if (std::any_of(mains.begin(), mains.end(), [&](double x) { return outside(x, 9); }))
            model = "One or more of your main numbers is not in the correct range";
        else if (source != 2 && b > 0 && (outside(e1, extraPool) || (b == 2 && outside(e2, extraPool))))
            model = "Your extra number is not in the correct range";
        else if (source != 2 && b == 2 && e1 == e2)
            model = "Your extra numbers are the same";
        else if (std::set<double>(mains.begin(), mains.end()).size() < mains.size())
            model = "You have duplicate main numbers";
        else if (source == 1 && b > 0 && mains.count(low))
            model = "Your extra ball has already been drawn as a main ball number!";
        const ResultCheck check = checkResult(typed, {m, b, 9, source, source == 0 ? 4 : 0});
        ASSERT_EQ(check.message, model) << round;
        if (!check.ok())
            continue;
        ASSERT_TRUE(std::equal(mains.begin(), mains.end(), check.record.main.begin()));
        ASSERT_EQ(check.record.extra[0], low);
        ASSERT_EQ(check.record.extra[1], e1 && e2 ? std::max(e1, e2) : e2);
    }
}
