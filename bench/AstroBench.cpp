// Speed of the astronomy engine: phase times, eclipse records, lunation lookups and a scan of
// every eclipse of the accepted range.
#include <benchmark/benchmark.h>

#include "astro/Listings.h"
#include "astro/Syzyg.h"
#include "astro/phasecalc/phasecalc.h"

namespace {

// The first quarters of lunations first..last, stepping by 97: over the whole range, and
// within 1000..3000, where a second correction series applies.
void QuarterPhaseTime(benchmark::State& state, int32_t first, int32_t last) {
    EclipseData record{};
    int32_t n = first;
    for (auto _ : state) {
        benchmark::DoNotOptimize(syzyg(n, 1, &record));
        n = n < last ? n + 97 : first;
    }
}
BENCHMARK_CAPTURE(QuarterPhaseTime, WholeRange, -60000, 49000);
BENCHMARK_CAPTURE(QuarterPhaseTime, Years1000To3000, -12368, 12300);

void SyzygyWithEclipse(benchmark::State& state) {
    EclipseData record{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(syzyg(218, 0, &record));  // 2017-08-21, total solar eclipse
        benchmark::ClobberMemory();
    }
}
BENCHMARK(SyzygyWithEclipse);

void FullMoonWithLunarEclipse(benchmark::State& state) {
    EclipseData record{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(syzyg(282, 2, &record));  // 2022-11-08, total lunar eclipse
        benchmark::ClobberMemory();
    }
}
BENCHMARK(FullMoonWithLunarEclipse);

void LunationAtMoment(benchmark::State& state) {
    double x = 600000.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Syzyg::LunationAt(x));
        x = x < 3900000.0 ? x + 1234.567 : 600000.0;
    }
}
BENCHMARK(LunationAtMoment);

void LatestPhase(benchmark::State& state) {
    const double x = 2460409.0;
    const int32_t n = Syzyg::LunationAt(x);
    bool exact = false;
    for (auto _ : state) benchmark::DoNotOptimize(Syzyg::GetPhase(n, x, exact));
}
BENCHMARK(LatestPhase);

void EveryEclipseOfTheRange(benchmark::State& state) {
    size_t count = 0;
    for (auto _ : state) {
        const auto rows = Listings::ListEclipses(Listings::kEarliestAjd, Listings::kLatestAjd, {});
        count = rows.size();
        benchmark::DoNotOptimize(count);
    }
    state.counters["eclipses"] = static_cast<double>(count);
}
BENCHMARK(EveryEclipseOfTheRange)->Unit(benchmark::kMillisecond);

}  // namespace
