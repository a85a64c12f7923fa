// Start-up of the programs against bare ones, side by side in one run. Each
// iteration starts the program and its reference one after the other, the
// order alternating, so that a busy moment of a shared machine falls on both
// alike; the counters are the medians of both, in milliseconds, and the ratio
// of the medians. The time reported is the program's own (manual time).
//  - Lavoro1FirstFrame: lavoro1 against startup-bare-window (Form1's eleven
//    controls and nothing else), from starting the process to its first frame
//    on Qt's offscreen platform.
//  - EsploraFirstFrame: lavoro1 --esplora the same way, against the same
//    bare window.
//  - Archimede5: archimede 5 from starting the process to its exit, against
//    startup-bare-command-line printing the same two lines.
// Run: build/bench/bench/startup_benchmarks (three seconds of each program
// by default; --benchmark_min_time=N for another number).

#include "tests/gui_support/first_frame.hpp"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Set when a program could not be timed: it did not start, showed no frame
// or failed; the run then ends with status 1, so that the short run of the
// tests notices. No time is ever judged here.
bool programFailed = false;

struct Command {
    std::string program;
    std::vector<std::string> arguments;
};

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

QStringList toQStringList(const std::vector<std::string>& strings) {
    QStringList list;
    for (const std::string& string : strings) {
        list << QString::fromStdString(string);
    }
    return list;
}

// Every window started here gets Qt's offscreen platform, the frame log and
// a settings folder of its own: neither the user's remembered windows are
// read nor anything is written to them.
QProcessEnvironment windowEnvironment(const QTemporaryDir& settings) {
    QProcessEnvironment environment =
        testing_support::withFrameLog(QProcessEnvironment::systemEnvironment());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), settings.path());
    return environment;
}

std::optional<double> secondsToFirstFrame(const Command& command,
                                          const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    QByteArray standardError;
    const Clock::time_point start = Clock::now();
    process.start(QString::fromStdString(command.program), toQStringList(command.arguments));
    const bool shown = testing_support::waitForFirstFrame(process, standardError);
    const double seconds = secondsSince(start);
    process.kill();
    process.waitForFinished();
    if (!shown) {
        return std::nullopt;
    }
    return seconds;
}

// Started without Qt's QProcess, whose own costs would be a large part of a
// run of a few milliseconds; standard output goes to /dev/null.
std::optional<double> secondsToExit(const Command& command) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(command.program.c_str()));
    for (const std::string& argument : command.arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const Clock::time_point start = Clock::now();
    pid_t child = 0;
    const int spawned =
        posix_spawn(&child, command.program.c_str(), &actions, nullptr, argv.data(), environ);
    int status = 0;
    while (spawned == 0 && waitpid(child, &status, 0) == -1 && errno == EINTR) {
    }
    const double seconds = secondsSince(start);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    return seconds;
}

double median(std::vector<double> values) {
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    if (values.size() % 2 == 1) {
        return *middle;
    }
    return (*middle + *std::max_element(values.begin(), middle)) / 2.0;
}

// Times measured and reference in turn with time(command) -> seconds, or
// nothing when the command failed.
template <class Time>
void sideBySide(benchmark::State& state, const Time& time, const Command& measured,
                const Command& reference) {
    // Once each untimed, so that the first pair does not pay for the disk.
    if (!time(measured) || !time(reference)) {
        programFailed = true;
        state.SkipWithError("a program failed to start or to show its first frame");
        return;
    }
    std::vector<double> measuredSeconds;
    std::vector<double> referenceSeconds;
    bool measuredFirst = true;
    for (auto _ : state) {
        std::optional<double> first = time(measuredFirst ? measured : reference);
        std::optional<double> second = time(measuredFirst ? reference : measured);
        if (!measuredFirst) {
            std::swap(first, second);
        }
        measuredFirst = !measuredFirst;
        if (!first || !second) {
            programFailed = true;
            state.SkipWithError("a program failed to start or to show its first frame");
            break;
        }
        state.SetIterationTime(*first);
        measuredSeconds.push_back(*first);
        referenceSeconds.push_back(*second);
    }
    if (measuredSeconds.empty()) {
        return;
    }
    const double measuredMedian = median(measuredSeconds);
    const double referenceMedian = median(referenceSeconds);
    state.counters["ms"] = 1e3 * measuredMedian;
    state.counters["bare_ms"] = 1e3 * referenceMedian;
    state.counters["ratio"] = measuredMedian / referenceMedian;
}

void windowAgainstBareWindow(benchmark::State& state, std::vector<std::string> arguments) {
    const QTemporaryDir settings;
    const QProcessEnvironment environment = windowEnvironment(settings);
    const auto time = [&environment](const Command& command) {
        return secondsToFirstFrame(command, environment);
    };
    sideBySide(state, time, {LAVORO1_PROGRAM, std::move(arguments)}, {BARE_WINDOW_PROGRAM, {}});
}

void Lavoro1FirstFrame(benchmark::State& state) {
    windowAgainstBareWindow(state, {});
}
BENCHMARK(Lavoro1FirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond);

void EsploraFirstFrame(benchmark::State& state) {
    windowAgainstBareWindow(state, {"--esplora"});
}
BENCHMARK(EsploraFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond);

void Archimede5(benchmark::State& state) {
    // The two lines the bare command line prints are archimede's own, in
    // this environment's locale.
    QProcess archimede;
    archimede.start(QStringLiteral(ARCHIMEDE_PROGRAM), {QStringLiteral("5")});
    if (!archimede.waitForFinished() || archimede.exitStatus() != QProcess::NormalExit ||
        archimede.exitCode() != 0) {
        programFailed = true;
        state.SkipWithError("archimede 5 failed");
        return;
    }
    const std::string lines = archimede.readAllStandardOutput().toStdString();
    sideBySide(state, secondsToExit, {ARCHIMEDE_PROGRAM, {"5"}},
               {BARE_COMMAND_LINE_PROGRAM, {lines}});
}
BENCHMARK(Archimede5)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    // A start-up takes milliseconds and the machine may be busy: seconds of
    // them make a median worth reading. A --benchmark_min_time given comes
    // later and wins.
    std::vector<char*> arguments(argv, argv + argc);
    std::string defaultMinTime = "--benchmark_min_time=3";
    arguments.insert(arguments.begin() + 1, defaultMinTime.data());
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(count, arguments.data())) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return programFailed ? 1 : 0;
}
