#include "gamedata/rnd.h"
#include "support/scriptedplatform.h"

#include <gtest/gtest.h>

using namespace vx;

TEST(Rnd, SpreadsOverZeroToOneAndReseedsByMixingTheSeedIn)
{
    RndTesting::setState(1);
    int buckets[10] = {};
    for (int i = 0; i < 100000; ++i) {
        const float u = Rnd();
        ASSERT_TRUE(u >= 0.0f && u < 1.0f) << u;
        ++buckets[int(u * 10)];
    }
    for (int b : buckets)
        EXPECT_NEAR(b, 10000, 600);

    // The same state and time of day give the same numbers, another time others.
    const platform::TestMode mode(QString(), test::ScriptedNow);
    const auto after = [](uint64_t state, double time) {
        RndTesting::setState(state);
        test::testMode().clock.setTime(QTime::fromMSecsSinceStartOfDay(qRound(time * 1000)));
        RandomizeFromTime();
        return std::vector<float> {Rnd(), Rnd(), Rnd()};
    };
    EXPECT_EQ(after(99, 1234.5), after(99, 1234.5));
    EXPECT_NE(after(99, 1234.5), after(99, 1234.25));
    // The seed is mixed into the state, so reseeding at the same time of day still changes the numbers.
    const std::vector<float> once = after(99, 1234.5);
    RandomizeFromTime();
    EXPECT_NE((std::vector<float> {Rnd(), Rnd(), Rnd()}), once);
    EXPECT_EQ(SecondsSinceMidnight(), 1234.5);
}
