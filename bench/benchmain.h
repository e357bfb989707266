#pragma once

#include <functional>

namespace vx::bench {

// Runs before the benchmark program's QApplication goes (windows a benchmark keeps must go first).
void atExit(std::function<void()> cleanup);

} // namespace vx::bench
