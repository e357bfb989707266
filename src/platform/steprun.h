#pragma once

#include <functional>

namespace vx::platform {

// A long operation (suggesting entries, checking a history, filtering, searching, downloading)
// that advances one step at a time; LongRunDriver runs it with progress and Cancel.
// Its logic knows nothing of windows.
class StepRun
{
public:
    virtual ~StepRun() = default;
    // Does one step; false when there is nothing more to do. A step that may take long calls
    // keepGoing now and then: it serves the message loop and is false once Cancel was pressed.
    virtual bool step(const std::function<bool()> &keepGoing) = 0;
};

} // namespace vx::platform
