#include "core/shown/ShownMoment.h"

#include "astro/DeltaTUncertainty.h"
#include "astro/EclipseTypes.h"
#include "astro/Syzyg.h"
#include "core/ComputeMoment.h"
#include "core/History.h"
#include "astro/TimeScales.h"
#include "core/LunationNumbers.h"
#include "core/place/SkyLines.h"

bool EclipseOnShow::Lunar() const { return EclipseTypes::IsLunar(record.type); }

std::string ShownMoment::EntryDateBoxText() const { return DateBoxTextOfLabel(dates, entryCalendar, frame); }

std::string ShownMoment::EclipseText() const {
    if (!eclipse) return {};
    std::string text = eclipse->label;
    for (const std::string& line : eclipseFromPlace) text += line + "\n";
    return text;
}

namespace Shown {

ShownMoment At(double ajd, const TimeFrame& frame, int entryCalendar, const NumberFormat& format) {
    ShownMoment value;
    value.ajd = ajd;
    value.frame = frame;
    value.entryCalendar = entryCalendar;
    value.numberFormat = format;
    Render(value);
    return value;
}

void Render(ShownMoment& value) {
    const CalendarDescriptor& entry = CalendarRegistry::Calendar(value.entryCalendar);
    value.dates = ComputeAllDates(value.ajd, value.frame, value.numberFormat);
    value.timeLine = TimeZones::TimeLineText(value.ajd, value.frame, entry);
    value.deltaTMinutes = Syzyg::DeltaTAt(value.ajd);
    value.deltaT = DeltaTText(value.deltaTMinutes);
    // How far the model may be off at that date; the time line carries it once it reaches a
    // minute, since the times of day shown depend on it.
    const double sigma = DeltaTUncertainty::SigmaMinutesAt(value.ajd);
    value.deltaTToolTip = DeltaTUncertainty::ToolTip(value.deltaTMinutes, sigma);
    value.timeLineToolTip = sigma >= 1.0 ? value.deltaTToolTip : std::string();
    value.moon = MoonData::ComputeMoonState(value.ajd, value.exact);
    if (value.moon.Ok()) value.exact = value.moon.exact;
    value.ageToolTip = LunationToolTip(Syzyg::LunationAt(value.ajd));
    RenderSky(value);
}

void RenderSky(ShownMoment& value) {
    value.skyLine.clear();
    value.skyToolTip.clear();
    value.eclipseFromPlace.clear();
    if (!value.place) return;
    const Place& place = value.place->place;
    value.skyLine = SkyLines::RiseSetLine(place, value.ajd, value.frame);
    value.skyToolTip = SkyLines::ToolTip(place, value.ajd);
    if (value.eclipse && value.eclipse->Known())
        value.eclipseFromPlace = SkyLines::EclipseLines(value.place->label, place, value.eclipse->record,
                                                        TimeScales::GreatestEclipse(value.eclipse->record).ajd,
                                                        value.frame);
}

LogEntry::Display LogDisplayOf(const ShownMoment& value) {
    LogEntry::Display display;
    for (const DateLabel& label : value.dates.labels) display.dateLabels.push_back(label.caption);
    display.phaseLabel = value.moon.phaseLabel;
    display.ageLabel = value.moon.ageLabel;
    display.entryCalendar = value.entryCalendar;
    return display;
}

std::string HistoryTextOf(const ShownMoment& value) {
    const CalendarDescriptor& entry = CalendarRegistry::Calendar(value.entryCalendar);
    return History::EntryText(value.EntryDateText(), entry.julianDateCount, value.timeLine, value.frame.greenwich,
                              History::CompactZoneText(value.frame.zoneOffsetMinutes));
}

std::string LunationToolTip(int32_t lunation) {
    std::string tip = "Lunation " + std::to_string(lunation) + " (counted from the new moon of 2000-01-06)";
    for (const auto& convention : LunationNumbers::kConventions)
        tip += "\n" + std::string(convention.name) + " lunation number: " + std::to_string(int64_t{lunation} + convention.offset);
    return tip;
}

}  // namespace Shown
