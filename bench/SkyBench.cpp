// Speed of the sky from a place: a month of rises, transits and sets (selvanor-cli riseset
// over a month), the window's line of a day, and the local circumstances of an eclipse.
#include <benchmark/benchmark.h>

#include "astro/sky/LocalEclipse.h"
#include "astro/sky/RiseSet.h"
#include "core/place/SkyLines.h"

namespace {

const Sky::Observer kParis{48.866667, 2.333333, 35};

// June 2024 at Paris, then each later month in turn (the places are not cached).
void RiseSetMonth(benchmark::State& state) {
    double from = 2460462.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Sky::Events(kParis, from, from + 30.0));
        from += 30.0;
    }
}
BENCHMARK(RiseSetMonth)->Unit(benchmark::kMillisecond);

void RiseSetLineOfADay(benchmark::State& state) {
    double ajd = 2460482.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SkyLines::RiseSetLine({48.866667, 2.333333, 35}, ajd, TimeFrame{false, 120}));
        ajd += 1.0;
    }
}
BENCHMARK(RiseSetLineOfADay)->Unit(benchmark::kMicrosecond);

void SolarEclipseFromAPlace(benchmark::State& state) {
    EclipseData record{};
    syzyg(300, 0, &record);  // 2024-04-08
    for (auto _ : state) benchmark::DoNotOptimize(Sky::SolarCircumstances({32.7767, -96.797, 139}, record));
}
BENCHMARK(SolarEclipseFromAPlace)->Unit(benchmark::kMicrosecond);

}  // namespace
