// Calendar files: ten years of a lunar calendar's months with every principal phase and eclipse
// (about 124 months, 495 phases and 24 eclipses), the text written whole. The target is under
// 100 ms for the Archetypes Calendar.
#include <benchmark/benchmark.h>

#include "calendars/registry/CalendarRegistry.h"
#include "core/ics/IcsCalendar.h"

namespace {

void BM_TenYearCalendarFile(benchmark::State& state) {
    Ics::CalendarRequest request;
    request.calendar = static_cast<int>(state.range(0));
    request.firstDay = 2460676;  // 2025-01-01 CE
    request.lastDay = request.firstDay + 3652;
    request.fromAjd = request.firstDay - 0.5;
    request.toAjd = request.lastDay + 0.5;
    request.phases = request.eclipses = true;
    request.stampJulianDate = 2460676.5;
    size_t bytes = 0;
    for (auto _ : state) {
        const Ics::CalendarFile file = Ics::WriteCalendar(request);
        bytes = file.text.size();
        benchmark::DoNotOptimize(file.text.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_TenYearCalendarFile)->Arg(CalendarTable::ARC)->Arg(CalendarTable::QLW)->Unit(benchmark::kMillisecond);

}  // namespace
