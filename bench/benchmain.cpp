#include "bench/benchmain.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <vector>

namespace vx::bench {

namespace {
std::vector<std::function<void()>> &cleanups()
{
    static std::vector<std::function<void()>> list;
    return list;
}
} // namespace

void atExit(std::function<void()> cleanup)
{
    cleanups().push_back(std::move(cleanup));
}

} // namespace vx::bench

// The window benchmarks share one offscreen application, like the window tests.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (auto &cleanup : vx::bench::cleanups())
        cleanup();
    return 0;
}
