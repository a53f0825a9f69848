// The lunation page: the model of one page (two new moons and thirty days of texts) in each
// lunar calendar; the lunar week calendar also finds its year starts.
#include <benchmark/benchmark.h>

#include "calendars/registry/CalendarRegistry.h"
#include "core/lunation/LunationPage.h"

namespace {

void BM_LunationPageModel(benchmark::State& state) {
    const int calendar = static_cast<int>(state.range(0));
    int32_t lunation = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LunationPage::ComputePage(lunation, calendar, 2451545, 60));
        lunation = (lunation + 7) % 1000;  // new pages, so nothing is reused
    }
}
BENCHMARK(BM_LunationPageModel)
    ->Arg(CalendarTable::ARC)->Arg(CalendarTable::VO)->Arg(CalendarTable::LLT)->Arg(CalendarTable::DVG)
    ->Arg(CalendarTable::QLW)->Unit(benchmark::kMicrosecond);

}  // namespace
