// The date display: the nine date labels, delta T, the mark of the entry calendar and the
// whole display of the moment on show.
#include <QLocale>

#include "astro/DeltaTUncertainty.h"
#include "astro/Syzyg.h"
#include "core/ComputeMoment.h"
#include "core/LunationNumbers.h"
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
    lastDisplay_ = ComputeAllDates(state_.dblCurrentAJDate, CurrentFrame(), UserNumberFormat());
    for (size_t i = 0; i < dateLabels_.size(); ++i) {
        dateLabels_[i][1]->setText(QString::fromStdString(lastDisplay_.labels[i].caption));
        dateLabels_[i][1]->setToolTip(QString::fromStdString(lastDisplay_.labels[i].toolTip));
    }
    const int entry = CalendarRegistry::Calendar(state_.intEntryCalendar).index;
    return QString::fromStdString(lastDisplay_.labels[static_cast<size_t>(entry)].shortText);
}

QString frmMain::ShowMoment() {
    ShowTimeOfDay();
    const QString text = ShowAllDates();
    DisplayMoonData(ToQColor(Colours::Navy));
    ShowDeltaT();
    UpdateSarosCommand();
    return text;
}

QString frmMain::RefreshDisplay() {
    const QString text = ShowMoment();
    CopyEntryCalendarDate();
    return text;
}

void frmMain::ShowDeltaT() {
    const double deltaT = Syzyg::DeltaTAt(state_.dblCurrentAJDate);
    lblDeltaT[1]->setText(QString::fromStdString(DeltaTText(deltaT)));
    // How far the model may be off at that date; the time line carries it once it reaches a
    // minute, since the times of day shown depend on it.
    const double sigma = DeltaTUncertainty::SigmaMinutesAt(state_.dblCurrentAJDate);
    const QString tip = QString::fromStdString(DeltaTUncertainty::ToolTip(deltaT, sigma));
    lblDeltaT[1]->setToolTip(tip);
    lblTime[1]->setToolTip(sigma >= 1.0 ? tip : QString());
}

QString LunationToolTip(int32_t lunation) {
    QString tip = QString("Lunation %1 (counted from the new moon of 2000-01-06)").arg(lunation);
    for (const auto& convention : LunationNumbers::kConventions)
        tip += QString("\n%1 lunation number: %2")
                   .arg(QString::fromUtf8(convention.name.data(), static_cast<qsizetype>(convention.name.size())))
                   .arg(int64_t{lunation} + convention.offset);
    return tip;
}

void frmMain::MarkEntryCalendar() {
    for (size_t i = 0; i < dateLabels_.size(); ++i)
        SetForeColour(dateLabels_[i][0], static_cast<int>(i) == state_.intEntryCalendar ? ToQColor(Colours::Selected)
                                                                                        : ToQColor(Colours::Unselected));
}
