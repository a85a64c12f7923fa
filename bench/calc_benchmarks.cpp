// The checked polygon doubling against the same loop without checks, and the
// two display formats. Run: build/bench/bench/calc_benchmarks

#include "calc/module1.hpp"
#include "runtime/number_format.hpp"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// The calculation as written, with no fault checks: the floor the checked
// version is measured against.
struct UncheckedPolygons {
    double sideCount = calc::startSideCount;
    double sideLength = calc::startSideLength;
    double lowerBound = 0.0;
    double upperBound = 0.0;

    void run(int steps) {
        for (int step = 1; step <= steps; ++step) {
            const double halfSide = sideLength / 2.0;
            const double apothem = std::sqrt(1.0 - halfSide * halfSide);
            const double outerSide = sideLength / apothem;
            lowerBound = sideCount * sideLength / 2.0;
            upperBound = sideCount * outerSide / 2.0;
            const double sagitta = 1.0 - apothem;
            sideLength = std::sqrt(halfSide * halfSide + sagitta * sagitta);
            sideCount = sideCount + sideCount;
        }
    }
};

constexpr int steps = 500;

void DoublePolygonsChecked(benchmark::State& state) {
    calc::Module1 module;
    for (auto _ : state) {
        module.sideCount = calc::startSideCount;
        module.sideLength = calc::startSideLength;
        module.iterationCount = steps;
        benchmark::DoNotOptimize(module);
        module.DoublePolygons();
        benchmark::DoNotOptimize(module.upperBound);
    }
    state.SetItemsProcessed(state.iterations() * steps);
}
BENCHMARK(DoublePolygonsChecked);

void DoublePolygonsUnchecked(benchmark::State& state) {
    for (auto _ : state) {
        UncheckedPolygons polygons;
        benchmark::DoNotOptimize(polygons);
        polygons.run(steps);
        benchmark::DoNotOptimize(polygons.upperBound);
    }
    state.SetItemsProcessed(state.iterations() * steps);
}
BENCHMARK(DoublePolygonsUnchecked);

void FormatSides(benchmark::State& state) {
    double value = 3.0 * std::ldexp(1.0, 500);
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(runtime::formatNumber(value, "0.000E+00", ","));
    }
}
BENCHMARK(FormatSides);

void FormatBound(benchmark::State& state) {
    double value = 3.4641016151377553;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(runtime::formatNumber(value, "0.00000000", ","));
    }
}
BENCHMARK(FormatBound);

// The window's path: patterns parsed once, by the compiler.
void FormatSidesParsed(benchmark::State& state) {
    constexpr auto pattern = runtime::parseNumberPattern("0.000E+00");
    double value = 3.0 * std::ldexp(1.0, 500);
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(runtime::formatNumber(value, pattern, ","));
    }
}
BENCHMARK(FormatSidesParsed);

void FormatBoundParsed(benchmark::State& state) {
    constexpr auto pattern = runtime::parseNumberPattern("0.00000000");
    double value = 3.4641016151377553;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(runtime::formatNumber(value, pattern, ","));
    }
}
BENCHMARK(FormatBoundParsed);

} // namespace

BENCHMARK_MAIN();
