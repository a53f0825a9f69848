// The date display: the nine date labels, delta T and the mark of the entry calendar.
#include <QLocale>

#include "astro/Syzyg.h"
#include "mainwin/core/CalendarTable.h"
#include "mainwin/core/ComputeSteps.h"
#include "mainwin/frmMain.h"

NumberFormat frmMain::UserNumberFormat() const {
    const QLocale locale;
    NumberFormat format;
    const QString decimal = locale.decimalPoint();
    const char sign = decimal.isEmpty() ? '\0' : decimal.at(0).toLatin1();
    format.decimalSign = sign ? sign : '.';
    format.groupSeparator = locale.groupSeparator().toStdString();
    return format;
}

QString frmMain::ShowAllDates() {
    lastDisplay_ = ComputeAllDates(dblCurrentAJDate, CurrentFrame(), UserNumberFormat());
    auto labels = DateLabels();
    const auto index = static_cast<size_t>(intEntryCalendar >= 0 && intEntryCalendar < 9 ? intEntryCalendar : 0);
    for (size_t i = 0; i < labels.size(); ++i) {
        (*labels[i])[1]->setText(QString::fromStdString(lastDisplay_.labels[i].caption));
        (*labels[i])[1]->setToolTip(QString::fromStdString(lastDisplay_.labels[i].toolTip));
    }
    return QString::fromStdString(lastDisplay_.labels[index].shortText);
}

void frmMain::ShowDeltaT() {
    lblDeltaT[1]->setText(QString::fromStdString(ComputeSteps::DeltaTText(Syzyg::DeltaTAt(dblCurrentAJDate))));
}

void frmMain::MarkEntryCalendar() {
    auto labels = DateLabels();
    for (size_t i = 0; i < labels.size(); ++i)
        SetForeColour((*labels[i])[0], static_cast<int>(i) == intEntryCalendar ? lngSelectedColour : lngUnselectedColour);
}
