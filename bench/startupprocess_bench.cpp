// Start-up as a whole process: the program's start-up on the largest files (bench_startwindow)
// beside a trivial Qt program that shows an empty window (bench_emptywindow), run in turn, one
// after the other, from this benchmark. The time is the program's; "empty_ms" is the trivial
// program's and "ratio" the one over the other, pair by pair.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

namespace {

QString sibling(const QString &name)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
}

// Wall time of one run in seconds, from the spawn to the end of the process; negative when it
// failed. posix_spawn starts the program without copying this process first.
double timedRun(const QString &program, const QStringList &arguments)
{
    std::vector<QByteArray> words {program.toLocal8Bit()};
    for (const QString &argument : arguments)
        words.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &quiet, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&quiet);
    int status = 0;
    if (spawned != 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
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
