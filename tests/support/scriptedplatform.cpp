#include "support/scriptedplatform.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace vx::test {

platform::TestMode &testMode()
{
    platform::TestMode *mode = platform::TestMode::current();
    if (!mode) {
        ADD_FAILURE() << "no test mode stands";
        std::abort();
    }
    return *mode;
}

} // namespace vx::test
