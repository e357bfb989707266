#include "platform/clock.h"

#include "platform/testmode.h"

namespace vx::platform {

QDateTime CurrentDateTime()
{
    if (TestMode *mode = TestMode::current())
        return mode->clock.read();
    return QDateTime::currentDateTime();
}

QDate CurrentDate()
{
    return CurrentDateTime().date();
}

QTime CurrentTime()
{
    return CurrentDateTime().time();
}

double SecondsSinceMidnight()
{
    if (TestMode::current())
        return CurrentTime().msecsSinceStartOfDay() / 1000.0;
    static LocalTimeOfDay timeOfDay;
    return timeOfDay.msecsSinceMidnight(QDateTime::currentMSecsSinceEpoch()) / 1000.0;
}

namespace {
constexpr qint64 MsecsPerDay = 86'400'000;

qint64 floorDiv(qint64 a, qint64 b)
{
    return a / b - ((a % b != 0 && (a < 0) != (b < 0)) ? 1 : 0);
}
} // namespace

int LocalTimeOfDay::msecsSinceMidnight(qint64 msecsSinceEpoch)
{
    const qint64 second = floorDiv(msecsSinceEpoch, 1000);
    if (!m_known || second != m_second) {
        const int local = QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch).time().msecsSinceStartOfDay();
        m_offset = local - (msecsSinceEpoch - floorDiv(msecsSinceEpoch, MsecsPerDay) * MsecsPerDay);
        m_second = second;
        m_known = true;
        return local;
    }
    const qint64 local = msecsSinceEpoch + m_offset;
    return static_cast<int>(local - floorDiv(local, MsecsPerDay) * MsecsPerDay);
}

} // namespace vx::platform
