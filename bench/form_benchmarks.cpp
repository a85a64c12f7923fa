// The window's costs, offscreen: the click handler at 500 steps, and start-up
// to the first painted frame against a bare window with the same eleven
// controls. Run: build/bench/bench/form_benchmarks

#include "apps/project.hpp"
#include "calc/module1.hpp"
#include "form/form1.hpp"
#include "runtime/host/application.hpp"
#include "runtime/host/fonts.hpp"
#include "runtime/host/locale.hpp"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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

// The same eleven controls, texts, places and font, written straight in Qt
// with nothing of Form1's own (no frames, colours, accessibility, focus or
// wiring): the floor that Form1's start-up is measured against.
std::unique_ptr<QWidget> bareWindow() {
    auto window = std::make_unique<QWidget>();
    window->resize(999, 227);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(13.5);
    font.setBold(true);
    window->setFont(font);
    const auto add = [&](QWidget* control, QRect geometry) { control->setGeometry(geometry); };
    add(new QLineEdit(QStringLiteral("1"), window.get()), {232, 40, 137, 25});
    add(new QPushButton(QStringLiteral("Calcola costante"), window.get()), {200, 168, 193, 41});
    add(new QLabel(QStringLiteral("  [da 1 a 500]"), window.get()), {376, 40, 137, 33});
    add(new QLabel(QStringLiteral("Numero lati poligono inscritto e circoscritto"), window.get()),
        {8, 104, 297, 49});
    add(new QLabel(window.get()), {320, 120, 137, 25});
    add(new QLabel(window.get()), {848, 120, 137, 25});
    add(new QLabel(QStringLiteral("<"), window.get()), {808, 120, 25, 25});
    add(new QLabel(QStringLiteral("costante"), window.get()), {720, 120, 81, 25});
    add(new QLabel(QStringLiteral("<"), window.get()), {696, 120, 17, 25});
    add(new QLabel(window.get()), {552, 120, 137, 25});
    add(new QLabel(QStringLiteral("Numero iterazioni"), window.get()), {24, 40, 193, 33});
    return window;
}

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
            bare = secondsToFirstFrame(bareWindow);
        } else {
            bare = secondsToFirstFrame(bareWindow);
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
