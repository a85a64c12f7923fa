// Certified bounds for pi against the bare MPFR loop of the same recurrence,
// at the same precision and number of steps, so that the cost of carrying
// the radii and of the outward decimal rounding shows as one ratio.
// Run: build/release/bench/archimede_benchmarks --benchmark_repetitions=3

#include "certified/certified_pi.hpp"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <iomanip>
#include <iostream>
#include <map>
#include <mpfr.h>
#include <string>
#include <vector>

namespace {

// The doubling of bracketAfter with plain MPFR numbers and no error bounds,
// the final bounds included: the floor certification is measured against.
double bareMpfrBounds(const certified::CertifiedPlan& plan) {
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

void CertifiedPi(benchmark::State& state) {
    const int digits = static_cast<int>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(certified::certifyPi(digits));
    }
}
BENCHMARK(CertifiedPi)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BareMpfrLoop(benchmark::State& state) {
    const auto plan = certified::planFor(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(bareMpfrBounds(plan));
    }
}
BENCHMARK(BareMpfrLoop)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// Keeps the best real time per iteration of every benchmark, in
// milliseconds, by name: with --benchmark_repetitions the least disturbed run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                const double time =
                    run.real_accumulated_time / static_cast<double>(run.iterations) * 1e3;
                const auto [entry, added] = milliseconds.try_emplace(run.benchmark_name(), time);
                entry->second = std::min(entry->second, time);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    std::map<std::string, double> milliseconds;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    for (const char* digits : {"1000", "10000"}) {
        const auto certified = reporter.milliseconds.find(std::string("CertifiedPi/") + digits);
        const auto bare = reporter.milliseconds.find(std::string("BareMpfrLoop/") + digits);
        if (certified == reporter.milliseconds.end() || bare == reporter.milliseconds.end()) {
            continue;
        }
        std::cout << std::fixed << std::setprecision(2) << digits
                  << " digits: certified / bare MPFR = " << certified->second << " ms / "
                  << bare->second << " ms = " << certified->second / bare->second
                  << " (target at most 1.30)\n";
    }
    return 0;
}
