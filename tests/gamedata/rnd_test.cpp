#include "gamedata/rnd.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

using namespace vx;

namespace {
std::vector<float> draws(int n)
{
    std::vector<float> v;
    for (int i = 0; i < n; ++i)
        v.push_back(Rnd());
    return v;
}

class RndTest : public ::testing::Test
{
protected:
    void TearDown() override { RndTesting::setClock({}); }
};
} // namespace

TEST_F(RndTest, ValuesLieInZeroToOneAndSpreadOverItWithoutRepeats)
{
    RndTesting::setState(1);
    const std::vector<float> v = draws(100000);
    int buckets[10] = {};
    for (float u : v) {
        ASSERT_GE(u, 0.0f);
        ASSERT_LT(u, 1.0f);
        ++buckets[static_cast<int>(u * 10)];
    }
    for (int b : buckets)
        EXPECT_NEAR(b, 10000, 600);
    EXPECT_GT(std::set<float>(v.begin(), v.begin() + 1000).size(), 990u);
}

TEST_F(RndTest, AKnownStateOrSeedGivesTheSameSequence)
{
    RndTesting::setState(42);
    const std::vector<float> a = draws(20);
    RndTesting::setState(42);
    EXPECT_EQ(draws(20), a);
    RndTesting::setState(43);
    EXPECT_NE(draws(20), a);

    RndTesting::setState(99);
    Randomize(1234.5);
    const std::vector<float> b = draws(10);
    RndTesting::setState(99);
    Randomize(1234.5);
    EXPECT_EQ(draws(10), b);
    RndTesting::setState(99);
    Randomize(1234.25);
    EXPECT_NE(draws(10), b);
}

TEST_F(RndTest, ReseedingWithTheSameTimeTwiceStillChangesTheSequence)
{
    const double now = SecondsSinceMidnight();
    EXPECT_GE(now, 0.0);
    EXPECT_LT(now, 86400.0);

    RndTesting::setState(7);
    RndTesting::setClock([] { return 43200.0; });
    RandomizeFromTime();
    const std::vector<float> first = draws(10);
    RandomizeFromTime();
    EXPECT_NE(draws(10), first);
    EXPECT_DOUBLE_EQ(SecondsSinceMidnight(), 43200.0);
}
