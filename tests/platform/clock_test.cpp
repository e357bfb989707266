#include "gamedata/rnd.h"
#include "platform/clock.h"

#include <gtest/gtest.h>

using namespace vx;
using namespace vx::platform;

TEST(ClockScript, TheClockStandsWhereSetAndTheTimeOfDayReseedReadsIt)
{
    const QDateTime noon(QDate(2031, 2, 28), QTime(12, 0));
    ClockScript::begin(noon);
    EXPECT_EQ(CurrentDateTime(), noon);
    EXPECT_EQ(CurrentDate(), QDate(2031, 2, 28));
    EXPECT_EQ(ClockScript::readings(), 2);

    // The reseed mixes in the seconds since midnight of the clock, milliseconds included.
    const auto firstAfter = [](auto reseed) {
        RndTesting::setState(7);
        reseed();
        return Rnd();
    };
    EXPECT_EQ(firstAfter(RandomizeFromTime), firstAfter([] { Randomize(43200.0); }));
    EXPECT_EQ(ClockScript::readings(), 3);
    ClockScript::set(noon.addMSecs(500));
    EXPECT_EQ(firstAfter(RandomizeFromTime), firstAfter([] { Randomize(43200.5); }));
    EXPECT_NE(firstAfter(RandomizeFromTime), firstAfter([] { Randomize(43200.0); }));

    ClockScript::end();
    EXPECT_LE(std::abs(CurrentDateTime().secsTo(QDateTime::currentDateTime())), 5);
}
