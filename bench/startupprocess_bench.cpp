// Start-up as a whole process: the program's start-up on the largest files (bench_startwindow)
// beside a trivial Qt program that shows an empty window (bench_emptywindow), run in turn, one
// after the other, from this benchmark. The time is the program's; "empty_ms" is the trivial
// program's and "ratio" the one over the other, pair by pair.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QString sibling(const QString &name)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
}

// Wall time of one run in seconds; negative when it failed.
double timedRun(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return -1;
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

void BM_StartupToShownWindow(benchmark::State &state)
{
    QTemporaryDir folder;
    if (timedRun(sibling(QStringLiteral("bench_startwindow")), {QStringLiteral("--prepare"), folder.path()}) < 0) {
        state.SkipWithError("the files could not be prepared");
        return;
    }
    double emptyTotal = 0;
    double ratioTotal = 0;
    for (auto _ : state) {
        const double empty = timedRun(sibling(QStringLiteral("bench_emptywindow")), {});
        const double program = timedRun(sibling(QStringLiteral("bench_startwindow")), {folder.path()});
        if (empty <= 0 || program <= 0) {
            state.SkipWithError("a program failed");
            return;
        }
        state.SetIterationTime(program);
        emptyTotal += empty;
        ratioTotal += program / empty;
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["empty_ms"] = emptyTotal / n * 1000;
    state.counters["ratio"] = ratioTotal / n;
}
BENCHMARK(BM_StartupToShownWindow)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace
