#pragma once

#include "platform/steprun.h"

#include <functional>

namespace vx::platform {

// Runs a StepRun in the one thread: after each step it reports progress, serves the message loop
// so that the window stays responsive and Cancel can be pressed, and stops on Cancel. Results
// that are costly to show (lines for a long list) go out in batches a few times a second.
class LongRunDriver
{
public:
    enum class Outcome { Finished, Cancelled };

    struct Reports {
        std::function<void()> eachStep; // after every step (a count box)
        std::function<void()> batch; // a few times a second, and once at the end (a list)
    };

    // Steps until the run ends or Cancel. A Cancel pressed while nothing runs is kept and stops
    // the next run after its first step; a stop is forgotten once a run has stopped on it.
    Outcome run(StepRun &run, const Reports &reports = {});
    void cancel() { m_stop = true; }
    bool isRunning() const { return m_running; }

    static constexpr int BatchIntervalMs = 100;

    // A run of many short steps (thousands a second) can serve the message loop less often than
    // after every step: after the first step, and then once at least this many milliseconds have
    // passed since it last did. Cancel still takes effect only between steps, as soon as it is
    // seen. 0, the default: after every step.
    void setYieldInterval(int milliseconds) { m_yieldIntervalMs = milliseconds; }

private:
    bool keepGoing();

    bool m_stop = false;
    bool m_running = false;
    int m_yieldIntervalMs = 0;
};

} // namespace vx::platform
