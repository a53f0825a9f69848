// Speed of the Quillon Lunar Week Calendar: day number to date, date to day number, and the
// calendar's share of one display of a moment (the date and both texts).
#include <benchmark/benchmark.h>

#include "astro/SolEq.h"
#include "astro/Syzyg.h"
#include "calendars/qlw/QLWC.h"
#include "dates/DatePr2.h"

namespace {

// Day numbers of the accepted moments (the end of -3201 to 6000-01-01 CE).
constexpr int32_t kFirstDay = 552284;
constexpr int32_t kLastDay = 3912515;
// A step that is prime to the lunation and the year, so that every position in a month and a
// year is visited.
constexpr int32_t kStride = 1237;

void JdnToQlwDate(benchmark::State& state) {
    QLWC::QlwDate date{};
    int32_t day = kFirstDay;
    for (auto _ : state) {
        date.jdn = day;
        QLWC::JdnToQlwDate(date);
        benchmark::DoNotOptimize(date);
        day = day < kLastDay - kStride ? day + kStride : kFirstDay;
    }
}
BENCHMARK(JdnToQlwDate)->Unit(benchmark::kMicrosecond);

void QlwDateToJdn(benchmark::State& state) {
    QLWC::QlwDate date{};
    int32_t year = 1, month = 1, week = 1, day = 1;
    for (auto _ : state) {
        date = {year, month, week, day, 0, 0};
        benchmark::DoNotOptimize(QLWC::QlwDateToJdn(date));
        year = year < 8999 ? year + 7 : 1;
        month = month % 12 + 1;
        week = week % 4 + 1;
        day = day % 6 + 1;
    }
}
BENCHMARK(QlwDateToJdn)->Unit(benchmark::kMicrosecond);

// What one display of a moment asks of this calendar: the date of the day and its two texts.
void DisplayedQlwDate(benchmark::State& state) {
    QLWC::QlwDate date{};
    int32_t day = 2460409;  // 2024-04-08
    for (auto _ : state) {
        date.jdn = day;
        QLWC::JdnToQlwDate(date);
        std::string text = QLWC::FormatQlwDate(date, 1) + " (" + QLWC::FormatQlwDate(date, 2) + ")";
        benchmark::DoNotOptimize(text);
        ++day;
    }
}
BENCHMARK(DisplayedQlwDate)->Unit(benchmark::kMicrosecond);

// One week step as the Move button makes it: read the label's date, step, back to a day number.
void WeekStep(benchmark::State& state) {
    QLWC::QlwDate date{};
    QLWC::ParseQlwDate("5024-01-2-3", date);
    for (auto _ : state) {
        QLWC::StepQlwWeek(date, true);
        benchmark::DoNotOptimize(date);
        if (date.year > 5900) QLWC::ParseQlwDate("5024-01-2-3", date);
    }
}
BENCHMARK(WeekStep)->Unit(benchmark::kMicrosecond);

}  // namespace
