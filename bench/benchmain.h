#pragma once

#include <QObject>
#include <functional>

namespace vx::bench {

// Runs before the benchmark program's QApplication goes (windows a benchmark keeps must go first).
void atExit(std::function<void()> cleanup);

// A window's control by its object name, as the tests find them (the windows keep them private).
template <typename T> T *control(const QObject *window, const char *name)
{
    return window->findChild<T *>(QLatin1String(name));
}

} // namespace vx::bench
