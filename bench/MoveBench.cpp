// One move step and the full display that follows it (nine dates and the Moon's state), per
// step of the step list: what a repeated move does at every tick of its refresh period.
#include <benchmark/benchmark.h>

#include "core/DateDisplay.h"
#include "core/MoveOnce.h"
#include "moondata/MoonData.h"

namespace {

void BM_MoveStepWithDisplay(benchmark::State& state) {
    const int step = static_cast<int>(state.range(0));
    const TimeFrame frame{false, 60};
    double ajd = 2451545.3;
    bool forward = true;
    for (auto _ : state) {
        const MoveSteps::MoveResult moved = MoveSteps::MoveOnce(ajd, step, forward, frame, 0);
        benchmark::DoNotOptimize(ComputeAllDates(moved.ajd, frame, NumberFormat{}));
        benchmark::DoNotOptimize(MoonData::ComputeMoonState(moved.ajd, false));
        ajd = moved.ajd;
        // Back and forth around the present, so that long steps stay inside the range.
        if (ajd > 2451545.0 + 40000 || ajd < 2451545.0 - 40000) forward = !forward;
    }
    state.SetLabel(MoveSteps::Steps()[static_cast<size_t>(step)].text);
}
BENCHMARK(BM_MoveStepWithDisplay)->DenseRange(0, 19)->Unit(benchmark::kMicrosecond);

}  // namespace
