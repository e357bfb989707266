#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

// The clock: today's date and the local time of day. Every reading of the time goes through here,
// so that a test can stand the clock still at a moment of its choosing (a TestMode, testmode.h).
namespace vx::platform {

QDate CurrentDate();
QDateTime CurrentDateTime(); // local time, to the millisecond
QTime CurrentTime();
double SecondsSinceMidnight(); // of the current time, with the milliseconds as a fraction

// The local time of day of moments given as milliseconds since the epoch, as QDateTime gives it.
// Turning a moment into local time costs far more than reading the clock, and a run of suggested
// entries asks for the time of day thousands of times a second; the offset from UTC changes only
// between two whole seconds, so it is worked out once per second of the moments asked about.
class LocalTimeOfDay
{
public:
    int msecsSinceMidnight(qint64 msecsSinceEpoch);

private:
    qint64 m_second = 0; // the second whose offset is known
    qint64 m_offset = 0; // local time minus UTC there, in milliseconds
    bool m_known = false;
};

} // namespace vx::platform
