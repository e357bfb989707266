#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

// The clock: today's date and the local time of day. Every reading of the time goes through here,
// so that a test can stand the clock still at a moment of its choosing.
namespace vx::platform {

QDate CurrentDate();
QDateTime CurrentDateTime(); // local time, to the millisecond
QTime CurrentTime();
double SecondsSinceMidnight(); // of the current time, with the milliseconds as a fraction

// Test seam. While scripting is on the clock stands at the set moment and counts its readings.
namespace ClockScript {
void begin(const QDateTime &now); // stand the clock at `now`, with no readings yet
void set(const QDateTime &now); // move the standing clock
void end(); // back to the real clock
bool active();
int readings(); // clock readings since begin()
} // namespace ClockScript

} // namespace vx::platform
