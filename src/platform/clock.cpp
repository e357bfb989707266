#include "platform/clock.h"

namespace vx::platform {

namespace {
struct ScriptState {
    bool active = false;
    QDateTime now;
    int readings = 0;
};

ScriptState &script()
{
    static ScriptState state;
    return state;
}
} // namespace

QDateTime CurrentDateTime()
{
    if (script().active) {
        ++script().readings;
        return script().now;
    }
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
    return CurrentTime().msecsSinceStartOfDay() / 1000.0;
}

namespace ClockScript {
void begin(const QDateTime &now)
{
    script() = ScriptState {true, now, 0};
}
void set(const QDateTime &now)
{
    script().now = now;
}
void end()
{
    script() = ScriptState {};
}
bool active()
{
    return script().active;
}
int readings()
{
    return script().readings;
}
} // namespace ClockScript

} // namespace vx::platform
