// The window's costs, offscreen: the click handler at 500 steps, and start-up
// to the first painted frame against a bare window with the same eleven
// controls. Run: build/bench/bench/form_benchmarks

#include "apps/project.hpp"
#include "bench/bare_window.hpp"
#include "calc/module1.hpp"
#include "form/form1.hpp"
#include "runtime/host/application.hpp"
#include "runtime/host/fonts.hpp"
#include "runtime/host/locale.hpp"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

void Command1ClickAt500Steps(benchmark::State& state) {
    calc::Module1 module;
    form::Form1 form(module, QLocale(QLocale::Italian, QLocale::Italy));
    auto* text1 = form.findChild<QLineEdit*>(QStringLiteral("Text1"));
    // Two counts in turn, so that every click really changes the labels.
    const QString counts[] = {QStringLiteral("500"), QStringLiteral("499")};
    int turn = 0;
    for (auto _ : state) {
        state.PauseTiming();
        text1->setText(counts[turn]);
        turn = 1 - turn;
        state.ResumeTiming();
        form.Command1_Click();
    }
    benchmark::DoNotOptimize(module.upperBound);
}
BENCHMARK(Command1ClickAt500Steps)->Unit(benchmark::kMicrosecond);

// Notes the first paint of a window: the whole frame, children included, is
// painted within the event that delivers it.
class FirstPaint : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted = true;
        }
        return QObject::eventFilter(watched, event);
    }
};

using Clock = std::chrono::steady_clock;

// Seconds from creating a window to the end of its first painted frame.
template <class Create> double secondsToFirstFrame(Create create) {
    FirstPaint firstPaint;
    const Clock::time_point start = Clock::now();
    std::unique_ptr<QWidget> window = create();
    window->installEventFilter(&firstPaint);
    window->show();
    while (!firstPaint.painted) {
        QCoreApplication::processEvents();
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    window.reset();
    QCoreApplication::processEvents();
    return seconds;
}

void StartupAgainstBareWindow(benchmark::State& state) {
    calc::Module1 module;
    const QLocale locale = runtime::host::userLocale();
    const auto createForm = [&] { return std::make_unique<form::Form1>(module, locale); };
    double formSeconds = 0.0;
    double bareSeconds = 0.0;
    bool formFirst = true;
    for (auto _ : state) {
        // Alternate which window goes first, so neither gains from the other's caches.
        double form = 0.0;
        double bare = 0.0;
        if (formFirst) {
            form = secondsToFirstFrame(createForm);
            bare = secondsToFirstFrame(bench::bareWindow);
        } else {
            bare = secondsToFirstFrame(bench::bareWindow);
            form = secondsToFirstFrame(createForm);
        }
        formFirst = !formFirst;
        formSeconds += form;
        bareSeconds += bare;
        state.SetIterationTime(form);
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["form_ms"] = 1e3 * formSeconds / runs;
    state.counters["bare_ms"] = 1e3 * bareSeconds / runs;
    state.counters["ratio"] = formSeconds / bareSeconds;
}
BENCHMARK(StartupAgainstBareWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    runtime::host::configureApplication(apps::lavoro1Project());
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
