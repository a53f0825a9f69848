// Convert, Now, the moves, the time frame and the start, on the shown value.
#include "core/shown/Operations.h"

#include <cmath>

#include "core/ComputeMoment.h"
#include "core/EntryParser.h"
#include "core/shown/EclipseOnShow.h"
#include "core/shown/StartReading.h"
#include "astro/TimeScales.h"
#include "support/StrProc.h"

namespace Shown {

namespace {

Message Warning(const std::string& title, const std::string& text) { return {Message::Icon::Warning, title, text}; }

// A new moment of the user's own: no eclipse on show, none found, the live clock stopped.
ShownMoment WithMoment(ShownMoment value, double ajd) {
    value.ajd = ajd;
    value.eclipse.reset();
    value.lastFound = FoundEclipse{};
    value.liveClock = false;
    Render(value);
    return value;
}

Report Recorded(std::string operation, bool logRepeats = true) {
    Report report;
    report.operation = std::move(operation);
    report.logRepeats = logRepeats;
    return report;
}

}  // namespace

StartReading ReadStart(const ShownMoment& shown, const std::string& dateBox, const std::string& daysBox,
                       bool checkRange) {
    StartReading reading;
    reading.dateBox = StrProc::Trim(dateBox);
    reading.start = shown;
    if (reading.dateBox.empty()) {
        // No entry: the start is the moment on show, which a move's last step may have left
        // beyond the accepted moments; it is refused there as a typed one is.
        if (checkRange) {
            const std::string range = RangeMessage(shown.ajd);
            if (!range.empty()) reading.refusal = Warning(kRangeTitle, range);
        }
        return reading;
    }
    EntryContext context;
    context.entryCalendar = shown.entryCalendar;
    context.daysBoxEmpty = StrProc::Trim(daysBox).empty();
    context.frame = shown.frame;
    context.entryCalendarDateText = shown.EntryDateBoxText();
    const EntryResult entry = ParseDateEntry(reading.dateBox, context);
    if (entry.dateBoxChanged) reading.dateBox = entry.dateBox;
    if (entry.error != EntryError::None) {
        reading.refusal = Warning(kEntryErrorTitle, EntryErrorText(entry.error));
        return reading;
    }
    // The entry's calendar is the entry calendar from now on, as after Convert.
    reading.start.entryCalendar = entry.calendarIndex;
    if (checkRange) {
        const std::string range = RangeMessage(entry.ajd);
        if (!range.empty()) {
            reading.refusal = Warning(kRangeTitle, range);
            return reading;
        }
    }
    if (std::fabs(entry.ajd - shown.ajd) >= kSameMomentDays) reading.start.ajd = entry.ajd;
    return reading;
}

Outcome Compute(const ShownMoment& shown, const std::string& dateBox, const std::string& daysBox, bool plus) {
    ComputeRequest request;
    request.dateBox = dateBox;
    request.daysBox = daysBox;
    request.plus = plus;
    request.entryCalendar = shown.entryCalendar;
    request.frame = shown.frame;
    request.displayed = shown.ajd;
    request.displayedDateText = shown.EntryDateBoxText();
    const ComputeResult result = ComputeMoment(request);

    Outcome out;
    out.dateBox = result.dateBox;
    if (result.error == EntryError::NoDate) {
        out.message = Warning(result.title, result.message);
        return out;
    }
    out.daysBox = result.daysBox;
    ShownMoment next = shown;
    next.lastFound = FoundEclipse{};
    // An entry read that far names the entry calendar, whatever becomes of its moment.
    if (result.entryCalendar >= 0) next.entryCalendar = result.entryCalendar;
    if (!result.Ok()) {
        Render(next);
        out.next = std::move(next);
        out.message = Warning(result.title, result.message);
        return out;
    }
    out.next = WithMoment(std::move(next), result.ajd);
    out.dateBox = out.next->EntryDateBoxText();
    out.report = Recorded(result.operation);
    return out;
}

Outcome Now(const ShownMoment& shown, double nowAjd) {
    Outcome out;
    out.next = WithMoment(shown, nowAjd);
    out.next->liveClock = true;
    out.dateBox = out.daysBox = std::string();
    out.report = Recorded("Now", false);
    return out;
}

ShownMoment Tick(const ShownMoment& shown, double nowAjd) {
    ShownMoment next = shown;
    next.ajd = nowAjd;
    next.eclipse.reset();
    Render(next);
    return next;
}

Outcome BeginMove(const ShownMoment& shown, const std::string& dateBox, const std::string& daysBox) {
    // A typed start outside the accepted range is refused as Convert refuses it: a step from it
    // would show moments the calendars and the Moon do not answer for.
    const StartReading reading = ReadStart(shown, dateBox, daysBox, true);
    Outcome out;
    out.dateBox = reading.dateBox;
    if (reading.refusal) {
        out.message = reading.refusal;
        return out;
    }
    out.next = WithMoment(reading.start, reading.start.ajd);
    return out;
}

Outcome MoveStep(const ShownMoment& shown, const MoveSteps::StepRule& step, bool forward) {
    const MoveSteps::MoveResult moved = MoveSteps::MoveOnce(shown.ajd, step, forward, shown.frame, shown.entryCalendar);
    ShownMoment next = shown;
    if (moved.moved) {
        next.ajd = moved.ajd;
        next.entryCalendar = moved.entryCalendar;
    }
    Render(next);
    Outcome out;
    out.dateBox = next.EntryDateBoxText();
    // A date that its calendar cannot name lies far beyond the accepted moments.
    const std::string range = moved.moved ? MoveSteps::RangeMessage(next.ajd)
                                          : std::string(forward ? MoveSteps::kLatestExceeded : MoveSteps::kEarliestExceeded);
    if (!range.empty()) out.message = Warning(MoveSteps::kRangeTitle, range);
    out.next = std::move(next);
    return out;
}

Report MoveReport(const MoveSteps::StepRule& step, bool forward, bool repeatedly) {
    return Recorded(MoveSteps::StepDescription(step, forward, repeatedly));
}

Outcome ChangeZone(const ShownMoment& shown, int zoneOffsetMinutes) {
    ShownMoment next = shown;
    next.eclipse.reset();
    if (zoneOffsetMinutes != shown.frame.zoneOffsetMinutes) {
        // The local date and time stay; the absolute moment moves.
        next.ajd += (shown.frame.zoneOffsetMinutes - zoneOffsetMinutes) / 1440.0;
        next.frame.zoneOffsetMinutes = zoneOffsetMinutes;
    }
    Render(next);
    Outcome out;
    out.next = std::move(next);
    out.report = Recorded("Timezone changed.", false);
    return out;
}

ShownMoment ChooseTimeSystem(const ShownMoment& shown, bool greenwich) {
    ShownMoment next = shown;
    next.frame.greenwich = greenwich;
    Render(next);
    return next;
}

ShownMoment ChooseEntryCalendar(const ShownMoment& shown, int calendar) {
    ShownMoment next = shown;
    if (CalendarRegistry::IsIndex(calendar)) next.entryCalendar = calendar;
    Render(next);
    return next;
}

Outcome ChoosePlace(const ShownMoment& shown, const PlaceChoice& choice) {
    Outcome out;
    if (choice.outcome != PlaceChoice::Outcome::Empty && !choice.HasPlace()) {
        out.message = Warning("Place", choice.message);
        return out;
    }
    ShownMoment next = shown;
    next.place.reset();
    if (choice.HasPlace()) next.place = ObserverPlace{choice.place, choice.name, choice.label};
    RenderSky(next);
    out.next = std::move(next);
    return out;
}

Outcome Restore(const SavedState& saved, int valuesRead, const TimeFrame& defaultFrame,
                const std::optional<ObserverPlace>& place, double nowAjd, const NumberFormat& format) {
    ShownMoment value;
    value.place = place;
    value.frame = defaultFrame;
    value.entryCalendar = CalendarTable::kDefaultEntryCalendar;
    value.numberFormat = format;
    value.ajd = nowAjd;
    // The values in file order: 1 the moment, 2 the entry calendar, 6 Greenwich, 9 the zone.
    if (valuesRead >= 1) value.ajd = saved.dblCurrentAJDate;
    if (valuesRead >= 2) value.entryCalendar = saved.intEntryCalendar;
    if (valuesRead >= 6) value.frame.greenwich = saved.greenwich;
    if (valuesRead >= 9) value.frame.zoneOffsetMinutes = TimeZones::ZoneOffsetOfIndex(saved.timeZone);
    if (valuesRead < SavedStateFile::kValueCount) return Now(value, nowAjd);
    Render(value);
    if (!saved.eclipseData.empty()) value.eclipse = EclipseOfSavedText(saved.eclipseData, value.ajd);
    RenderSky(value);
    Outcome out;
    out.next = std::move(value);
    out.report = Recorded("Restore saved state on startup");
    return out;
}

Search::DisplayedEclipse DisplayedEclipseOf(const ShownMoment& shown) {
    Search::DisplayedEclipse displayed;
    if (!shown.eclipse || !shown.eclipse->Known()) return displayed;
    displayed.onDisplay = true;
    displayed.lunar = shown.eclipse->Lunar();
    displayed.greatestAjd = TimeScales::GreatestEclipse(shown.eclipse->record).ajd;
    return displayed;
}

}  // namespace Shown
