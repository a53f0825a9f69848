// One lunation page as the window shows it: the model and the painting into an image with the
// pictures loaded once, as the window keeps them. The target is under 5 ms a page. And a printed
// lunar year: thirteen pages into a PDF file, under 1 s.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <vector>

#include "calendars/registry/CalendarRegistry.h"
#include "core/lunation/LunationPage.h"
#include "lunation_calendar/LunationPainter.h"
#include "lunation_calendar/LunationPrint.h"

namespace {

void BM_LunationPageModelAndPainting(benchmark::State& state) {
    const int calendar = static_cast<int>(state.range(0));
    const LunationPainter::DayPictures pictures =
        LunationPainter::LoadDayPictures(QCoreApplication::applicationDirPath());
    if (pictures.loaded == 0) state.SkipWithError("no day pictures beside the program");
    QImage image(LunationPage::PageWidth(calendar), LunationPage::kGridBottom + 10, QImage::Format_RGB32);
    int32_t lunation = 0;
    for (auto _ : state) {
        const LunationPage::Page page = LunationPage::ComputePage(lunation, calendar, 2451545, 60);
        QPainter painter(&image);
        LunationPainter::PaintLunationPage(painter, page, pictures);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
        lunation = (lunation + 7) % 1000;
    }
}
BENCHMARK(BM_LunationPageModelAndPainting)
    ->Arg(CalendarTable::ARC)->Arg(CalendarTable::LLT)->Arg(CalendarTable::QLW)->Unit(benchmark::kMillisecond);

void BM_LunarYearPdf(benchmark::State& state) {
    const int calendar = static_cast<int>(state.range(0));
    const LunationPainter::DayPictures pictures =
        LunationPainter::LoadDayPictures(QCoreApplication::applicationDirPath());
    if (pictures.loaded == 0) state.SkipWithError("no day pictures beside the program");
    QTemporaryDir folder;
    const QString file = folder.filePath("year.pdf");
    int32_t lunation = 0;
    for (auto _ : state) {
        std::vector<LunationPage::Page> pages;
        for (int32_t n = lunation; n < lunation + 13; ++n) pages.push_back(LunationPage::ComputePage(n, calendar, 2451545, 0));
        const std::string error = LunationPrint::WritePdf(file, pages, pictures, QPageSize(QPageSize::A4));
        if (!error.empty()) state.SkipWithError(error.c_str());
        lunation = (lunation + 13) % 1000;
    }
}
BENCHMARK(BM_LunarYearPdf)->Arg(CalendarTable::ARC)->Arg(CalendarTable::QLW)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
