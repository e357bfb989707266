#pragma once

// The hourglass while the program is busy: shown for the lifetime of the object, or until
// restore(), whichever comes first.
namespace vx::platform {

class BusyCursor
{
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;

    void restore(); // the default pointer again

private:
    bool m_shown = false;
};

} // namespace vx::platform
