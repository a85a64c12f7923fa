// The three certified methods side by side, each against the bare MPFR loop
// of the two-root doubling recurrence at the same digits (its plan's
// precision and steps, no radii, no decimal rounding), which the polygons
// took before each doubling became one square root.
// Richardson is measured beside the bare half-angle chain c <- sqrt((1 + c)/2)
// at its plan's steps and precision: its square roots, which it cannot beat.
// Run: build/bench/bench/archimede_benchmarks --benchmark_repetitions=3
// The doubling and Huygens stop at 10000 digits: 100000 would take minutes.
// cifre/N and tabella/N run a whole calculation of archimede --cifre N
// (without and with --tabella) in a child process, then the plain MPFR chain
// of the same square roots at the same precision in another: A, B, A, B with
// --benchmark_repetitions, the CPU time and peak memory of each child from
// wait4, and their ratio. At a million digits they take minutes:
//   archimede_benchmarks --benchmark_filter='cifre|tabella' --benchmark_repetitions=2

#include "certified/certified_pi.hpp"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <functional>
#include <iomanip>
#include <iostream>
#include <map>
#include <mpfr.h>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// The doubling of bracketAfter with plain MPFR numbers and no error bounds,
// the final bounds included: the floor certification is measured against.
double bareMpfrBounds(const certified::Plan& plan) {
    const auto precision = static_cast<mpfr_prec_t>(plan.precisionBits);
    mpfr_t sideLength, halfSideSquared, apothem, sagitta, outerSide, lowerBound, upperBound;
    mpfr_inits2(precision, sideLength, halfSideSquared, apothem, sagitta, outerSide, lowerBound,
                upperBound, static_cast<mpfr_ptr>(nullptr));
    mpfr_set_ui(sideLength, 1, MPFR_RNDN);
    for (std::int64_t step = 1; step < plan.steps; ++step) {
        mpfr_div_2ui(halfSideSquared, sideLength, 1, MPFR_RNDN);
        mpfr_sqr(halfSideSquared, halfSideSquared, MPFR_RNDN);
        mpfr_ui_sub(apothem, 1, halfSideSquared, MPFR_RNDN);
        mpfr_sqrt(apothem, apothem, MPFR_RNDN);
        mpfr_ui_sub(sagitta, 1, apothem, MPFR_RNDN);
        mpfr_sqr(sagitta, sagitta, MPFR_RNDN);
        mpfr_add(sideLength, halfSideSquared, sagitta, MPFR_RNDN);
        mpfr_sqrt(sideLength, sideLength, MPFR_RNDN);
    }
    mpfr_div_2ui(halfSideSquared, sideLength, 1, MPFR_RNDN);
    mpfr_sqr(halfSideSquared, halfSideSquared, MPFR_RNDN);
    mpfr_ui_sub(apothem, 1, halfSideSquared, MPFR_RNDN);
    mpfr_sqrt(apothem, apothem, MPFR_RNDN);
    mpfr_div(outerSide, sideLength, apothem, MPFR_RNDN);
    mpfr_mul_ui(lowerBound, sideLength, 3, MPFR_RNDN);
    mpfr_mul_2ui(lowerBound, lowerBound, static_cast<unsigned long>(plan.steps - 1), MPFR_RNDN);
    mpfr_mul_ui(upperBound, outerSide, 3, MPFR_RNDN);
    mpfr_mul_2ui(upperBound, upperBound, static_cast<unsigned long>(plan.steps - 1), MPFR_RNDN);
    const double width = mpfr_get_d(upperBound, MPFR_RNDN) - mpfr_get_d(lowerBound, MPFR_RNDN);
    mpfr_clears(sideLength, halfSideSquared, apothem, sagitta, outerSide, lowerBound, upperBound,
                static_cast<mpfr_ptr>(nullptr));
    return width;
}

// The square roots of a Richardson plan and nothing else: the apothems'
// chain from the hexagon, in plain MPFR numbers.
double bareHalfAngleChain(std::int64_t steps, std::int64_t precisionBits) {
    mpfr_t apothem;
    mpfr_init2(apothem, static_cast<mpfr_prec_t>(precisionBits));
    mpfr_sqrt_ui(apothem, 3, MPFR_RNDN);
    mpfr_div_2ui(apothem, apothem, 1, MPFR_RNDN);
    for (std::int64_t step = 1; step < steps; ++step) {
        mpfr_add_ui(apothem, apothem, 1, MPFR_RNDN);
        mpfr_div_2ui(apothem, apothem, 1, MPFR_RNDN);
        mpfr_sqrt(apothem, apothem, MPFR_RNDN);
    }
    const double last = mpfr_get_d(apothem, MPFR_RNDN);
    mpfr_clear(apothem);
    return last;
}

using certified::Method;

template <Method method> void CertifiedPi(benchmark::State& state) {
    const int digits = static_cast<int>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(certified::certifyPi(method, digits));
    }
}
BENCHMARK(CertifiedPi<Method::Doubling>)
    ->Name("raddoppi")
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(CertifiedPi<Method::Huygens>)
    ->Name("huygens")
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(CertifiedPi<Method::Richardson>)
    ->Name("richardson")
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

void BareMpfrLoop(benchmark::State& state) {
    const auto plan = certified::planFor(Method::Doubling, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(bareMpfrBounds(plan));
    }
}
BENCHMARK(BareMpfrLoop)
    ->Name("mpfr")
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);

void BareHalfAngleChain(benchmark::State& state) {
    const auto plan = certified::planFor(Method::Richardson, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(bareHalfAngleChain(plan.steps, plan.precisionBits));
    }
}
BENCHMARK(BareHalfAngleChain)
    ->Name("radici")
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

// What a child process took: CPU seconds (user and system), its peak
// resident memory and the page faults it served without reading a disk.
struct ChildUsage {
    double cpuSeconds = 0.0;
    double peakMegabytes = 0.0;
    double minorFaults = 0.0;
};

ChildUsage inChild(const std::function<void()>& work) {
    const pid_t child = fork();
    if (child < 0) {
        throw std::runtime_error("fork failed");
    }
    if (child == 0) {
        work();
        _exit(0);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        throw std::runtime_error("the measured child failed");
    }
    const auto seconds = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) * 1e-6;
    };
    return {seconds(usage.ru_utime) + seconds(usage.ru_stime),
            static_cast<double>(usage.ru_maxrss) / 1024.0, static_cast<double>(usage.ru_minflt)};
}

double loadAverage() {
    std::ifstream file("/proc/loadavg");
    double load = -1.0;
    file >> load;
    return load;
}

// The plain chain of squaresBracket's square roots: its steps, at its
// precision (the plan's, and the 2 (steps - 1) + 8 bits the apothems carry).
void bareChainOf(const certified::Plan& plan) {
    benchmark::DoNotOptimize(
        bareHalfAngleChain(plan.steps, plan.precisionBits + 2 * (plan.steps - 1) + 8));
}

// A whole calculation of archimede --cifre N (table: --tabella) against the
// plain chain, each in a child of its own, one after the other.
template <bool table> void WholeRun(benchmark::State& state) {
    const int digits = static_cast<int>(state.range(0));
    const auto plan = certified::planFor(Method::Richardson, digits);
    ChildUsage run, chain;
    double load = 0.0;
    for (auto _ : state) {
        load = loadAverage();
        const ChildUsage a = inChild([digits] {
            if (table) {
                certified::race(Method::Richardson, digits, [](const certified::RaceRow& row) {
                    benchmark::DoNotOptimize(row);
                });
            } else {
                benchmark::DoNotOptimize(certified::certifyPi(Method::Richardson, digits));
            }
        });
        const ChildUsage b = inChild([&plan] { bareChainOf(plan); });
        state.SetIterationTime(a.cpuSeconds);
        run = a;
        chain = b;
    }
    state.counters["cpu_s"] = run.cpuSeconds;
    state.counters["chain_cpu_s"] = chain.cpuSeconds;
    state.counters["ratio"] = run.cpuSeconds / chain.cpuSeconds;
    state.counters["peak_MB"] = run.peakMegabytes;
    state.counters["chain_peak_MB"] = chain.peakMegabytes;
    state.counters["faults"] = run.minorFaults;
    state.counters["chain_faults"] = chain.minorFaults;
    state.counters["load"] = load;
}
BENCHMARK(WholeRun<false>)
    ->Name("cifre")
    ->Arg(100000)
    ->Arg(1000000)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);
BENCHMARK(WholeRun<true>)
    ->Name("tabella")
    ->Arg(100000)
    ->Arg(1000000)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

// Keeps the best real time per iteration of every benchmark, in
// milliseconds, by name: with --benchmark_repetitions the least disturbed run.
// The best CPU time too, which other processes on the cores disturb less.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                const double iterations = static_cast<double>(run.iterations);
                keepBest(milliseconds, run.benchmark_name(),
                         run.real_accumulated_time / iterations * 1e3);
                keepBest(cpuMilliseconds, run.benchmark_name(),
                         run.cpu_accumulated_time / iterations * 1e3);
                if (const auto ratio = run.counters.find("ratio"); ratio != run.counters.end()) {
                    wholeRuns[run.benchmark_name()].push_back({ratio->second.value,
                                                               run.counters.at("peak_MB").value,
                                                               run.counters.at("load").value});
                }
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    std::map<std::string, double> milliseconds;
    std::map<std::string, double> cpuMilliseconds;
    // Of each whole run, repetition by repetition: CPU over the chain's, the
    // run's peak memory in MB, the load when it started.
    struct WholeRun {
        double ratio;
        double peakMegabytes;
        double load;
    };
    std::map<std::string, std::vector<WholeRun>> wholeRuns;

private:
    static void keepBest(std::map<std::string, double>& best, const std::string& name,
                         double time) {
        const auto [entry, added] = best.try_emplace(name, time);
        entry->second = std::min(entry->second, time);
    }
};

// "name/digits", as the benchmark library names a run with one argument.
std::string keyOf(std::string_view name, int digits) {
    std::string key(name);
    key += '/';
    key += std::to_string(digits);
    return key;
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    // The figures: plan and best time of each method, and its ratio to the
    // bare loop of the plain doubling at the same digits.
    std::cout << "\nmethod      digits  steps  depth  bits     best ms  / bare mpfr\n";
    for (const Method method : {Method::Doubling, Method::Huygens, Method::Richardson}) {
        for (const int digits : {100, 1000, 10000, 100000}) {
            const auto measured =
                reporter.milliseconds.find(keyOf(certified::nameOf(method), digits));
            if (measured == reporter.milliseconds.end()) {
                continue;
            }
            const auto plan = certified::planFor(method, digits);
            std::cout << std::left << std::setw(10) << certified::nameOf(method) << std::right
                      << std::setw(8) << digits << std::setw(7) << plan.steps << std::setw(7)
                      << plan.depth << std::setw(8) << plan.precisionBits << std::fixed
                      << std::setprecision(3) << std::setw(12) << measured->second;
            const auto bare = reporter.milliseconds.find(keyOf("mpfr", digits));
            if (bare != reporter.milliseconds.end()) {
                std::cout << std::setprecision(4) << std::setw(12)
                          << measured->second / bare->second;
            }
            std::cout << '\n';
        }
    }
    const auto time = [&](std::string_view name, int digits) {
        const auto found = reporter.milliseconds.find(keyOf(name, digits));
        return found == reporter.milliseconds.end() ? -1.0 : found->second;
    };
    std::cout << "\nrichardson / bare half-angle chain (its steps, its precision):";
    for (const int digits : {100, 1000, 10000, 100000}) {
        if (time("radici", digits) > 0 && time("richardson", digits) > 0) {
            std::cout << ' ' << digits << ": " << std::setprecision(3)
                      << time("richardson", digits) / time("radici", digits);
        }
    }
    // A ratio of two measured times, or a dash where a filter left one out.
    const auto ratio = [&](std::string_view name, std::string_view over, int digits) {
        if (time(name, digits) < 0 || time(over, digits) < 0) {
            return std::string("-");
        }
        std::ostringstream text;
        text << std::setprecision(2) << std::fixed << time(name, digits) / time(over, digits);
        return text.str();
    };
    const auto cpuTime = [&](std::string_view name, int digits) {
        const auto found = reporter.cpuMilliseconds.find(keyOf(name, digits));
        return found == reporter.cpuMilliseconds.end() ? -1.0 : found->second;
    };
    std::cout << "\nthe same in CPU time:";
    for (const int digits : {100, 1000, 10000, 100000}) {
        if (cpuTime("radici", digits) > 0 && cpuTime("richardson", digits) > 0) {
            std::cout << ' ' << digits << ": " << std::setprecision(3)
                      << cpuTime("richardson", digits) / cpuTime("radici", digits);
        }
    }
    for (const auto& [name, runs] : reporter.wholeRuns) {
        std::cout << '\n' << name << " CPU / plain chain of its square roots:";
        for (const auto& run : runs) {
            std::cout << std::fixed << ' ' << std::setprecision(3) << run.ratio << " ("
                      << std::setprecision(0) << run.peakMegabytes << " MB, load "
                      << std::setprecision(2) << run.load << ')';
        }
    }
    std::cout << "\ntargets: raddoppi / bare mpfr at 10000 = " << ratio("raddoppi", "mpfr", 10000)
              << " (at most 1.30); raddoppi / richardson at 10000 = "
              << ratio("raddoppi", "richardson", 10000)
              << " (at least 20); richardson / bare chain at 100000 = "
              << ratio("richardson", "radici", 100000) << " (at most 1.5)\n";
    return 0;
}
