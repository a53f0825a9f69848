#include "lunation_calendar/LunationPrint.h"

#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <clocale>
#include <cstdint>

#if defined(__GLIBC__)
#include <langinfo.h>
#endif

#include "calendars/registry/CalendarRegistry.h"

namespace LunationPrint {

namespace {

using namespace LunationPage;

// Room below the last row (as the window's page keeps) and for the calendar's name under it.
constexpr int kBottomMargin = 10;
constexpr int kFooterHeight = 24;
// The sheet's margins, as most printers can print them.
constexpr qreal kMarginMillimetres = 10;
// The width in millimetres of Letter paper, the only paper besides A4 the locales name.
constexpr int kLetterWidthMillimetres = 216;

QString CalendarName(int calendar) {
    if (!CalendarRegistry::IsIndex(calendar)) return {};
    const CalendarDescriptor& descriptor = CalendarRegistry::Calendar(calendar);
    if (descriptor.lunationPage == nullptr) return {};
    const std::string_view text = descriptor.lunationPage->listText;
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QPageSize LocalePaper() {
#if defined(__GLIBC__)
    // The C library knows the paper of LC_PAPER (Qt has set the locale from the environment).
    const auto width = static_cast<int>(reinterpret_cast<intptr_t>(nl_langinfo(_NL_PAPER_WIDTH)));
    return QPageSize(width == kLetterWidthMillimetres ? QPageSize::Letter : QPageSize::A4);
#else
    switch (QLocale::system().territory()) {
        case QLocale::UnitedStates:
        case QLocale::Canada:
        case QLocale::Mexico:
        case QLocale::Chile:
        case QLocale::Colombia:
        case QLocale::Philippines: return QPageSize(QPageSize::Letter);
        default: return QPageSize(QPageSize::A4);
    }
#endif
}

LunationPainter::PaintOptions PaperOptions() {
    LunationPainter::PaintOptions options;
    options.background = Qt::white;
    options.heading = Qt::black;
    options.line = Qt::black;
    options.today = QColor(96, 96, 96);
    return options;
}

LunationPainter::DayPictures OnPaper(const LunationPainter::DayPictures& pictures) {
    LunationPainter::DayPictures paper = pictures;
    const QRgb navy = LunationPainter::kBackground.rgb();
    for (QImage& image : paper.byCell) {
        if (image.isNull()) continue;
        image = image.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if (row[x] == navy) row[x] = qRgb(255, 255, 255);
        }
    }
    return paper;
}

bool PaintPages(QPainter& painter, QPagedPaintDevice& device, const std::vector<Page>& pages,
                const LunationPainter::DayPictures& pictures) {
    const LunationPainter::PaintOptions options = PaperOptions();
    const QRectF sheet(0, 0, device.width(), device.height());
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device.newPage()) return false;
        const Page& page = pages[i];
        const qreal width = PageWidth(page.calendar);
        const qreal height = kGridBottom + kBottomMargin + kFooterHeight;
        const qreal scale = std::min(sheet.width() / width, sheet.height() / height);
        painter.save();
        painter.translate((sheet.width() - width * scale) / 2, 0);
        painter.scale(scale, scale);
        LunationPainter::PaintLunationPage(painter, page, pictures, options);
        painter.setPen(options.line);
        painter.setFont(LunationPainter::DayLineFont());
        painter.drawText(QRectF(kGridLeft, kGridBottom + kBottomMargin, width - 2 * kGridLeft, kFooterHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, CalendarName(page.calendar));
        painter.restore();
    }
    return true;
}

std::string WritePdf(const QString& file, const std::vector<Page>& pages, const LunationPainter::DayPictures& pictures,
                     const QPageSize& paper) {
    QPdfWriter writer(file);
    writer.setResolution(kLayoutDpi);
    writer.setPageSize(paper);
    writer.setPageOrientation(QPageLayout::Landscape);
    writer.setPageMargins(QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
                          QPageLayout::Millimeter);
    writer.setCreator(QStringLiteral("Selvanor"));
    if (!pages.empty())
        writer.setTitle(QStringLiteral("Lunations %1 to %2, %3")
                            .arg(pages.front().lunation)
                            .arg(pages.back().lunation)
                            .arg(CalendarName(pages.front().calendar)));
    QPainter painter;
    if (!painter.begin(&writer)) return "cannot write " + file.toStdString();
    const bool painted = PaintPages(painter, writer, pages, OnPaper(pictures));
    if (!painter.end() || !painted) return "cannot write " + file.toStdString();
    return {};
}

}  // namespace LunationPrint
