// Esplora's costs, offscreen: redrawing the drawing at a new step, at every
// step up to 500; every frame of a play through 500 steps; filling the table and the chart from 1
// to 500 steps; making the chart; and the memory of the open window. Run:
// build/bench/bench/explore_benchmarks

#include "calc/step_rows.hpp"
#include "explore/explore_window.hpp"
#include "pictures/convergence_chart.hpp"
#include "pictures/polygon_scene.hpp"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

const QLocale italian(QLocale::Italian, QLocale::Italy);

// One window for all the benchmarks, shown at the size it opens with. main()
// closes it while the QApplication still exists: a widget destroyed after it
// crashes the program on its way out.
std::unique_ptr<explore::ExploreWindow> openWindow;

explore::ExploreWindow& shownWindow() {
    if (!openWindow) {
        explore::setChartModulePath(QStringLiteral(LAVORO1_CHART_MODULE));
        openWindow = std::make_unique<explore::ExploreWindow>(italian, calc::minimumSteps);
        openWindow->show();
        // Whole once its first frame is painted: the table's columns
        // measured, then the chart's module loaded.
        QDeadlineTimer deadline(10000);
        while (!openWindow->chartLoaded() && !deadline.hasExpired()) {
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        }
    }
    return *openWindow;
}

explore::PolygonView& drawing() {
    return *shownWindow().findChild<explore::PolygonView*>(QStringLiteral("drawing"));
}

// Moves the drawing from a neighbouring step to step and paints it at once.
void RedrawAtStep(benchmark::State& state) {
    const auto step = static_cast<int>(state.range(0));
    const int neighbour = step == calc::maximumSteps ? step - 1 : step + 1;
    explore::PolygonView& view = drawing();
    int turn = 0;
    for (auto _ : state) {
        view.setStep(turn == 0 ? step : neighbour);
        view.repaint();
        turn = 1 - turn;
    }
    state.counters["width"] = view.width();
    state.counters["height"] = view.height();
}
BENCHMARK(RedrawAtStep)
    ->Arg(1)
    ->Arg(3)
    ->Arg(10)
    ->Arg(20)
    ->Arg(25)
    ->Arg(26)
    ->Arg(100)
    ->Arg(500)
    ->Unit(benchmark::kMillisecond);

// Every step from 1 to 500 in turn: the slowest redraw is the one a user
// would feel.
void RedrawEveryStep(benchmark::State& state) {
    explore::PolygonView& view = drawing();
    double slowest = 0.0;
    for (auto _ : state) {
        for (int step = calc::minimumSteps; step <= calc::maximumSteps; ++step) {
            const Clock::time_point start = Clock::now();
            view.setStep(step);
            view.repaint();
            slowest = std::max(
                slowest, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        }
    }
    state.counters["slowest_ms"] = slowest;
}
BENCHMARK(RedrawEveryStep)->Unit(benchmark::kMillisecond);

// Play through all 500 steps: each frame moves the whole window (drawing,
// lesson, table, chart, the announced bounds) a step on and paints all of
// it, as the play timer's tick does. Every frame must take under 16 ms:
// over_16ms counts those that do not, slowest_ms is the worst; the same in
// the thread's CPU time (_cpu), which a machine shared with other work does
// not lengthen.
double threadCpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return 1e3 * static_cast<double>(now.tv_sec) + 1e-6 * static_cast<double>(now.tv_nsec);
}

void PlayEveryFrame(benchmark::State& state) {
    explore::ExploreWindow& window = shownWindow();
    double slowest = 0.0;
    double slowestCpu = 0.0;
    int slowestCpuStep = 0;
    int over = 0;
    int overCpu = 0;
    std::vector<double> framesCpu;
    for (auto _ : state) {
        window.setStep(calc::minimumSteps);
        QApplication::processEvents();
        for (int step = calc::minimumSteps + 1; step <= calc::maximumSteps; ++step) {
            const Clock::time_point start = Clock::now();
            const double startCpu = threadCpuMilliseconds();
            window.setStep(step);
            window.repaint();
            const double frame =
                std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            const double frameCpu = threadCpuMilliseconds() - startCpu;
            slowest = std::max(slowest, frame);
            if (frameCpu > slowestCpu) {
                slowestCpu = frameCpu;
                slowestCpuStep = step;
            }
            framesCpu.push_back(frameCpu);
            over += frame > 16.0 ? 1 : 0;
            overCpu += frameCpu > 16.0 ? 1 : 0;
        }
    }
    state.counters["slowest_ms"] = slowest;
    state.counters["over_16ms"] = over;
    state.counters["slowest_cpu_ms"] = slowestCpu;
    state.counters["slowest_cpu_step"] = slowestCpuStep;
    std::ranges::nth_element(framesCpu, framesCpu.begin() + std::ssize(framesCpu) / 2);
    state.counters["median_cpu_ms"] = framesCpu.empty() ? 0.0 : framesCpu[framesCpu.size() / 2];
    state.counters["over_16ms_cpu"] = overCpu;
}
BENCHMARK(PlayEveryFrame)->Unit(benchmark::kMillisecond);

// From step 1 to step 500: the table's 500 rows and the chart's 1500
// points set, laid out and painted, with the drawing, as the event loop
// delivers them.
void FillTableAndChartTo500(benchmark::State& state) {
    explore::ExploreWindow& window = shownWindow();
    for (auto _ : state) {
        state.PauseTiming();
        window.setStep(calc::minimumSteps);
        QApplication::processEvents();
        state.ResumeTiming();
        window.setStep(calc::maximumSteps);
        QApplication::processEvents();
    }
}
BENCHMARK(FillTableAndChartTo500)->Unit(benchmark::kMillisecond);

// Making the chart, as the window does once when it opens: the binary64
// series of 500 rows and the three proven series (calc::provenSeries).
void MakeConvergenceChart(benchmark::State& state) {
    const std::vector<calc::StepRow> rows = calc::stepRows(calc::maximumSteps);
    for (auto _ : state) {
        benchmark::DoNotOptimize(pictures::makeConvergenceChart(rows));
    }
}
BENCHMARK(MakeConvergenceChart)->Unit(benchmark::kMillisecond);

// Resident memory of the process with the window open at step 500, in MB.
double residentMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0.0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024.0;
        }
    }
    return 0.0;
}

void OpenWindowMemory(benchmark::State& state) {
    explore::ExploreWindow& window = shownWindow();
    window.setStep(calc::maximumSteps);
    QApplication::processEvents();
    for (auto _ : state) {
        benchmark::DoNotOptimize(window.step());
    }
    state.counters["rss_MB"] = residentMegabytes();
}
BENCHMARK(OpenWindowMemory)->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    openWindow.reset();
    benchmark::Shutdown();
    return 0;
}
