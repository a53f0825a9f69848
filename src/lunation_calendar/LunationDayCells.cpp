#include "lunation_calendar/LunationDayCells.h"

#include "calendars/registry/CalendarRegistry.h"

using namespace LunationPage;

namespace {

QString CommonEraCaption(int32_t dayNumber) {
    return QString::fromStdString(CalendarRegistry::Calendar(CalendarTable::CE).labelOfDay(dayNumber).caption);
}

}  // namespace

LunationDayCells::LunationDayCells(QWidget* page) {
    for (size_t i = 0; i < labels_.size(); ++i) {
        QLabel* label = new QLabel(page);
        label->setObjectName(QStringLiteral("lblDay_%1").arg(i + 1));
        // Read, not seen: the page itself is painted by the window.
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->setAutoFillBackground(false);
        label->hide();
        labels_[i] = label;
    }
}

QString LunationDayCells::NameOf(const Day& day) {
    // The Common Era date in full (the cell's line has no year), the lunar calendar's date as the
    // cell writes it. A lunar-week day shares its number with the civil day it begins on.
    QString name = QStringLiteral("Day %1: %2, %3")
                       .arg(day.dayOfLunation)
                       .arg(CommonEraCaption(day.dayNumber), QString::fromStdString(day.calendarLine));
    if (day.today) name += QStringLiteral(", today");
    return name;
}

void LunationDayCells::Show(const Page& page) {
    const int width = CellWidth(page.calendar);
    for (size_t i = 0; i < labels_.size(); ++i) {
        QLabel* label = labels_[i];
        if (i >= page.dayCells.size()) {
            label->hide();
            continue;
        }
        const Day& day = page.dayCells[i];
        label->setGeometry(kGridLeft + (day.cell % kCellsPerRow) * width - 10,
                           kGridTop + (day.cell / kCellsPerRow) * kCellHeight - 4, width, kCellHeight);
        label->setAccessibleName(NameOf(day));
        label->show();
    }
}

const QLabel* LunationDayCells::Cell(int dayOfLunation) const {
    return dayOfLunation >= 1 && dayOfLunation <= static_cast<int>(labels_.size())
               ? labels_[static_cast<size_t>(dayOfLunation - 1)]
               : nullptr;
}
