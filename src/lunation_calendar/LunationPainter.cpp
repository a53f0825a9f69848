#include "lunation_calendar/LunationPainter.h"

#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace LunationPainter {

using namespace LunationPage;

namespace {

// Room below the last row, so the Common Era line of row 3 is not cut off.
constexpr int kBottomMargin = 10;

// Draws text whose top edge is at y, as the page's positions are given.
void TextAt(QPainter& painter, qreal x, qreal y, const QString& text) {
    painter.drawText(QPointF(x, y + painter.fontMetrics().ascent()), text);
}

// Draws a day line within its column: a line wider than the column (the lunar-week lines with
// their long day and month names) is written in a smaller size instead of running into the
// next cell.
void LineAt(QPainter& painter, qreal x, qreal y, int columnWidth, const QString& text, const QFont& font) {
    QFont fitted = font;
    const int width = QFontMetrics(font, painter.device()).horizontalAdvance(text);
    const int room = columnWidth - 4;
    if (width > room) fitted.setPointSizeF(font.pointSizeF() * room / width);
    painter.setFont(fitted);
    TextAt(painter, x, y, text);
}

void HeadingAt(QPainter& painter, int width, int y, const QString& text) {
    const QRect box(0, y, width, painter.fontMetrics().height());
    painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, text);
}

}  // namespace

QFont DayNumberFont() {
    QFont font;
    font.setPointSize(18);
    return font;
}

QFont DayLineFont() {
    QFont font;
    font.setPointSize(10);
    font.setBold(false);
    // Narrow letters where the system has them: a column is only 110 pixels wide.
    font.setStretch(QFont::SemiCondensed);
    return font;
}

QFont TitleFont() {
    QFont font;
    font.setPointSize(14);
    font.setBold(true);
    return font;
}

DayPictures LoadDayPictures(const QString& folder) {
    DayPictures pictures;
    const QDir dir(folder);
    for (int cell = 0; cell < kCellCount; ++cell) {
        // Cells 7 and 23 never hold a day; their pictures are never needed.
        if (!IsCellUsed(cell, 30)) continue;
        QImage& image = pictures.byCell[static_cast<size_t>(cell)];
        if (image.load(dir.filePath(QStringLiteral("day%1.gif").arg(cell + 1)))) ++pictures.loaded;
    }
    return pictures;
}

void PaintLunationPage(QPainter& painter, const Page& page, const DayPictures& pictures, const PaintOptions& options) {
    const int cellWidth = CellWidth(page.calendar);
    const int width = PageWidth(page.calendar);
    painter.save();
    painter.fillRect(QRect(0, 0, width, kGridBottom + kBottomMargin), options.background);
    painter.setBackgroundMode(Qt::TransparentMode);

    if (options.headings) {
        painter.setPen(options.heading);
        painter.setFont(TitleFont());
        HeadingAt(painter, width, kTitleTop, QString::fromStdString(page.title));
        HeadingAt(painter, width, kYearAndMonthTop, QString::fromStdString(page.yearAndMonth));
    }

    const QFont numberFont = DayNumberFont();
    const QFont lineFont = DayLineFont();
    QFont weekendFont = lineFont;
    weekendFont.setUnderline(true);
    for (const Day& day : page.dayCells) {
        const int x0 = kGridLeft + (day.cell % kCellsPerRow) * cellWidth;
        const int y0 = kGridTop + (day.cell / kCellsPerRow) * kCellHeight;
        const QImage& picture = pictures.byCell[static_cast<size_t>(day.cell)];
        if (!picture.isNull()) painter.drawImage(QPoint(x0 + 10, y0 + 1), picture);
        if (day.today) {
            painter.setPen(QPen(options.today, 2));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRect(QPoint(x0 - 10, y0 - 4), QPoint(x0 + cellWidth - 20, y0 - 4 + kCellHeight)));
        }
        painter.setPen(options.heading);
        painter.setFont(numberFont);
        TextAt(painter, x0 + cellWidth / 5.0, y0 + kDayNumberDy, QString::fromStdString(day.dayNumberText));
        painter.setPen(options.line);
        LineAt(painter, x0 - 4, y0 + kCalendarLineDy, cellWidth, QString::fromStdString(day.calendarLine), lineFont);
        LineAt(painter, x0 - 4, y0 + kCommonEraLineDy, cellWidth, QString::fromStdString(day.commonEraLine),
               day.weekend ? weekendFont : lineFont);
    }
    painter.restore();
}

QImage RenderLunationPage(const Page& page, const DayPictures& pictures) {
    QImage image(PageWidth(page.calendar), kGridBottom + kBottomMargin, QImage::Format_RGB32);
    image.fill(kBackground);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PaintLunationPage(painter, page, pictures);
    painter.end();
    return image;
}

}  // namespace LunationPainter
