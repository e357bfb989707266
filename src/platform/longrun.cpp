#include "platform/longrun.h"

#include "platform/events.h"

#include <QElapsedTimer>

namespace vx::platform {

bool LongRunDriver::keepGoing()
{
    DoEvents();
    return !m_stop;
}

LongRunDriver::Outcome LongRunDriver::run(StepRun &run, const Reports &reports)
{
    m_running = true;
    QElapsedTimer sinceBatch;
    sinceBatch.start();
    const auto sendBatch = [&] {
        if (reports.batch)
            reports.batch();
        sinceBatch.restart();
    };

    QElapsedTimer sinceYield;
    bool yielded = false;
    Outcome outcome = Outcome::Finished;
    for (;;) {
        const bool more = run.step([this] { return keepGoing(); });
        if (reports.eachStep)
            reports.eachStep();
        if (sinceBatch.elapsed() >= BatchIntervalMs)
            sendBatch();
        if (!yielded || sinceYield.elapsed() >= m_yieldIntervalMs) {
            DoEvents();
            sinceYield.start();
            yielded = true;
        }
        if (m_stop || !more)
            break;
    }
    if (m_stop) {
        m_stop = false;
        outcome = Outcome::Cancelled;
    }
    sendBatch();
    m_running = false;
    return outcome;
}

} // namespace vx::platform
