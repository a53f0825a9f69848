// One full display of a moment: the nine date texts and the Moon's state, as the window and
// selvanor-cli compute them after every change of the moment.
#include <benchmark/benchmark.h>

#include <cmath>

#include "core/DateDisplay.h"
#include "core/shown/ShownMoment.h"
#include "moondata/MoonData.h"

namespace {
// Moments a day and a quarter apart, so that every calendar and the Moon see new days.
void BM_AllNineDates(benchmark::State& state) {
    double ajd = 2451545.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeAllDates(ajd, TimeFrame{false, 60}, NumberFormat{}));
        ajd += 1.25;
    }
}
BENCHMARK(BM_AllNineDates);

void BM_FullDisplayWithMoon(benchmark::State& state) {
    double ajd = 2451545.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeAllDates(ajd, TimeFrame{false, 60}, NumberFormat{}));
        benchmark::DoNotOptimize(MoonData::ComputeMoonState(ajd, false));
        ajd += 1.25;
    }
}
BENCHMARK(BM_FullDisplayWithMoon);

// Far from the present the Moon's state comes from phase times instead of positions.
void BM_FullDisplayWithMoonIn3000BC(benchmark::State& state) {
    double ajd = 625000.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeAllDates(ajd, TimeFrame{true, 0}, NumberFormat{}));
        benchmark::DoNotOptimize(MoonData::ComputeMoonState(ajd, false));
        ajd += 1.25;
    }
}
BENCHMARK(BM_FullDisplayWithMoonIn3000BC);

// The shown value of a moment, as every operation makes it: the dates, the time line, delta T
// and its uncertainty, the Moon and the lunation counts.
void BM_ShownValue(benchmark::State& state) {
    double ajd = 2451545.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Shown::At(ajd, TimeFrame{false, 60}, CalendarTable::CE, NumberFormat{}));
        ajd += 1.25;
    }
}
BENCHMARK(BM_ShownValue);
}  // namespace

namespace {
// The same value of moments 997.3 days apart (over 1900..2100): no phase of one display is
// remembered from the one before, as after a typed entry or a jump through the history.
void BM_ShownValueOfDistantMoments(benchmark::State& state) {
    double ajd = 2415020.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Shown::At(ajd, TimeFrame{false, 60}, CalendarTable::CE, NumberFormat{}));
        ajd = ajd < 2488070.0 ? ajd + 997.3 : 2415020.0 + std::fmod(ajd, 13.7);
    }
}
BENCHMARK(BM_ShownValueOfDistantMoments);
}  // namespace
