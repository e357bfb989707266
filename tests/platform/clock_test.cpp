#include "platform/clock.h"

#include <QDateTime>
#include <QTimeZone>
#include <ctime>
#include <gtest/gtest.h>
#include <random>

using vx::platform::LocalTimeOfDay;

// The time of day worked out once a second is the one QDateTime gives every moment, also across a
// change between winter and summer time and for moments asked about in any order.
TEST(Clock, TheTimeOfDayKnownOnceASecondIsQDateTimesAcrossAChangeOfOffset)
{
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "Europe/London");
    tzset();
    const auto local = [](qint64 ms) { return QDateTime::fromMSecsSinceEpoch(ms).time().msecsSinceStartOfDay(); };
    const qint64 spring = QDateTime(QDate(2026, 3, 29), QTime(1, 0), QTimeZone::utc()).toMSecsSinceEpoch();
    const qint64 autumn = QDateTime(QDate(2026, 10, 25), QTime(1, 0), QTimeZone::utc()).toMSecsSinceEpoch();
    ASSERT_NE(local(spring) - local(spring - 1), 1) << "the zone has no change of offset here";
    LocalTimeOfDay timeOfDay;
    for (const qint64 around : {spring, autumn, qint64 {0}})
        for (qint64 ms = around - 2500; ms < around + 2500; ms += 7)
            ASSERT_EQ(timeOfDay.msecsSinceMidnight(ms), local(ms)) << ms;
    std::mt19937_64 random(2024);
    for (int k = 0; k < 2000; ++k) {
        const qint64 ms = spring + qint64(random() % 400'000'000'000) - 200'000'000'000;
        ASSERT_EQ(timeOfDay.msecsSinceMidnight(ms), local(ms)) << ms;
        ASSERT_EQ(timeOfDay.msecsSinceMidnight(ms + 1), local(ms + 1)) << ms;
    }
    if (zone.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", zone);
    tzset();
}
