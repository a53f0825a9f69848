// Lunation pages on paper: printed or written to PDF, one page a landscape sheet, drawn by the
// window's own painting code in dark ink on white, with the text kept as text.
#pragma once
#include <QPageSize>
#include <QString>
#include <string>
#include <vector>

#include "core/lunation/LunationPage.h"
#include "lunation_calendar/LunationPainter.h"

class QPagedPaintDevice;

namespace LunationPrint {

// The sheets of the locale: Letter where the locale's paper is Letter (LC_PAPER), else A4.
QPageSize LocalePaper();

// The colours of paper.
LunationPainter::PaintOptions PaperOptions();
// The pictures with the window's navy around each Moon turned into the paper's white.
LunationPainter::DayPictures OnPaper(const LunationPainter::DayPictures& pictures);

// The resolution the pages are laid out in: that of the window's page at 100 %, so that the
// fonts' point sizes and the page's pixels keep their proportions on any device.
inline constexpr int kLayoutDpi = 96;

// Paints the pages on an open painter of a paged device set to kLayoutDpi (a PDF writer, a
// printer), each scaled to the sheet's printable area with the calendar's name below it.
// pictures are those OnPaper gives. False when a new sheet could not be begun.
bool PaintPages(QPainter& painter, QPagedPaintDevice& device, const std::vector<LunationPage::Page>& pages,
                const LunationPainter::DayPictures& pictures);

// Writes the pages into a PDF file on the paper given; the empty text on success, else what
// went wrong.
std::string WritePdf(const QString& file, const std::vector<LunationPage::Page>& pages,
                     const LunationPainter::DayPictures& pictures, const QPageSize& paper);

}  // namespace LunationPrint
