// Searches from 1,000 random moments of the accepted range, per kind of target: each search is
// timed on its own, and the median and the worst are reported (counters median_us, worst_us).
// The coincidence search is also timed across its longest gap and from its last (first)
// coincidence to the range end.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <random>
#include <vector>

#include "core/search/Coincidence.h"
#include "core/search/SearchEngine.h"
#include "support/AcceptedRange.h"

namespace {

std::vector<double> RandomMoments() {
    std::mt19937_64 random(14);
    std::uniform_real_distribution<double> moment(dblEarliestAJD, dblLatestAJD);
    std::vector<double> moments(1000);
    for (double& m : moments) m = moment(random);
    return moments;
}

// The thread's CPU time: on a shared machine the wall time of one search also counts the
// time other programs ran.
double ThreadMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

double Microseconds(const Search::Request& request) {
    const double start = ThreadMicroseconds();
    benchmark::DoNotOptimize(Search::RunSearch(request));
    return ThreadMicroseconds() - start;
}

void Report(benchmark::State& state, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    state.counters["median_us"] = times[times.size() / 2];
    state.counters["worst_us"] = times.back();
}

// Arguments: the row of the window's target list (its blank rows left out; the saros row takes
// the moment as the eclipse on show), and 1 for next or 0 for previous.
void BM_SearchFromRandomMoments(benchmark::State& state) {
    const std::vector<double> moments = RandomMoments();
    std::vector<double> times;
    for (auto _ : state) {
        times.clear();
        for (double moment : moments) {
            Search::Request request;
            request.target = SearchTargets::TargetOfRow(static_cast<int>(state.range(0)));
            request.next = state.range(1) != 0;
            request.ajd = moment;
            request.eclipse = {true, moment > 2000000.0, moment};
            times.push_back(Microseconds(request));
        }
    }
    Report(state, times);
    state.SetLabel(std::string(SearchTargets::kTargets[static_cast<size_t>(
        SearchTargets::TargetOfRow(static_cast<int>(state.range(0))))].text));
}
BENCHMARK(BM_SearchFromRandomMoments)
    ->ArgsProduct({{0, 1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13}, {1, 0}})
    ->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SearchFromRandomMoments)->ArgsProduct({{15}, {1, 0}})->Unit(benchmark::kMillisecond)->Iterations(1);

// Every coincidence of the range, in order.
std::vector<int32_t> AllCoincidences() {
    std::vector<int32_t> days;
    const int32_t first = static_cast<int32_t>(dblEarliestAJD + 0.5), last = static_cast<int32_t>(dblLatestAJD - 0.5);
    for (auto day = Search::FindCoincidence(first - 1, true, last); day; day = Search::FindCoincidence(*day, true, last))
        days.push_back(*day);
    return days;
}

// The searches that walk furthest: across the longest gap in both directions, and from the
// last coincidence to the range end and from the first to the range start.
void BM_CoincidenceWorstCases(benchmark::State& state) {
    const std::vector<int32_t> days = AllCoincidences();
    size_t widest = 1;
    for (size_t i = 1; i < days.size(); ++i)
        if (days[i] - days[i - 1] > days[widest] - days[widest - 1]) widest = i;
    const std::vector<std::pair<double, bool>> starts = {{days[widest - 1] + 0.5, true}, {days[widest] + 0.5, false},
                                                         {days.back() + 0.5, true}, {days.front() + 0.5, false}};
    std::vector<double> times;
    for (auto _ : state) {
        times.clear();
        for (const auto& [ajd, next] : starts) {
            Search::Request request;
            request.target = SearchTargets::kCoincidence;
            request.next = next;
            request.ajd = ajd;
            request.frame.greenwich = true;
            times.push_back(Microseconds(request));
        }
    }
    Report(state, times);
    state.counters["coincidences"] = static_cast<double>(days.size());
    state.counters["longest_gap_years"] = (days[widest] - days[widest - 1]) / 365.2425;
    state.counters["gap_start_jdn"] = days[widest - 1];
    state.counters["first_jdn"] = days.front();
    state.counters["last_jdn"] = days.back();
}
BENCHMARK(BM_CoincidenceWorstCases)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
