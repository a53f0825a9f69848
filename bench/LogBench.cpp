// Logging many results: the entry builder and the append to the log window's text. The log's
// own time for 10,000 results must stay well under a second however long the log grows.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "core/DateDisplay.h"
#include "core/LogEntry.h"
#include "log/frmLog.h"

namespace {

void BM_LogTenThousandResults(benchmark::State& state) {
    const DateDisplay dates = ComputeAllDates(2456283.0, TimeFrame{}, NumberFormat{});
    LogEntry::Display display;
    for (size_t i = 0; i < display.dateLabels.size(); ++i) display.dateLabels[i] = dates.labels[i].caption;
    display.phaseLabel = "Crescent moon (waxing), 23.4%";
    display.ageLabel = "[157] 3 days, 4 hrs, 5 mins (10.7%)";
    LogPreferences all;
    all.SetAll(true);
    for (auto _ : state) {
        frmLog log(std::make_shared<RecordingDialogService>());
        for (int i = 0; i < 10000; ++i)
            log.Append(QString::fromStdString(
                LogEntry::Entry("2012-12-21 CE 12:00 (local = GMT)", "Convert date", "", display, all, "\r\n")));
        benchmark::DoNotOptimize(log.Size());
    }
}
BENCHMARK(BM_LogTenThousandResults)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
