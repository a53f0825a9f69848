// Drawing of a lunation page with QPainter, shared by the lunation window and by the command
// line's PNG output: the same picture whatever the target device.
#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <array>

#include "core/lunation/LunationPage.h"
#include "gui_support/QtColours.h"

class QPainter;

namespace LunationPainter {

// The main window's background.
inline const QColor kBackground = ToQColor(Colours::Navy);
inline const QColor kYellow(255, 255, 0);
inline const QColor kLineColour(255, 255, 255);
inline const QColor kTodayColour(255, 255, 128);

// The Moon pictures "day1.gif" .. "day32.gif", by grid cell; a missing or unreadable file
// leaves a null image and its cell without a picture.
struct DayPictures {
    std::array<QImage, LunationPage::kCellCount> byCell;
    int loaded = 0;
};
DayPictures LoadDayPictures(const QString& folder);

struct PaintOptions {
    QColor background = kBackground;
    // The title and the year-and-month line; the window shows them in labels of its own.
    bool headings = true;
    // The headings and day numbers, the day lines and today's frame (dark ones on paper).
    QColor heading = kYellow, line = kLineColour, today = kTodayColour;
};

// Paints the page at 100 % scale with its top-left corner at the painter's origin: the
// background over PageWidth x GridBottom (more with the headings' room above the grid), the
// pictures, the day numbers, the two lines of each day and today's rectangle.
void PaintLunationPage(QPainter& painter, const LunationPage::Page& page, const DayPictures& pictures,
                       const PaintOptions& options = {});

// The page alone as an image of PageWidth x (GridBottom + 10) pixels.
QImage RenderLunationPage(const LunationPage::Page& page, const DayPictures& pictures);

// The fonts of the page: day numbers 18 pt, day lines 10 pt, headings.
QFont DayNumberFont();
QFont DayLineFont();
QFont TitleFont();

}  // namespace LunationPainter
