#include "calendars/arc/ArcDescriptor.h"

#include "calendars/arc/ArcCal.h"
#include "calendars/descriptor/DescriptorGlue.h"
#include "dates/DatePr2.h"

namespace {

CalendarDate ArcOfDay(int32_t jdn) {
    CalendarDate date{0, 0, 0, DAYCALC_ARCHETYPES, jdn, 0};
    ArcCal::JdnToArcDate(date);
    return date;
}

constexpr int kRefusal = 8;

// The year, month and day numbers come from the common date reader; whether they form an
// Archetypes date is the calendar's own decision.
int ReadDate(const std::string& text, int32_t& jdn) {
    CalendarDate date{0, 0, 0, DAYCALC_ARCHETYPES, 0, 0};
    DatePr2::ParseDate(text, date);
    if (!ArcCal::ArcDateToJdn(date)) return kRefusal;
    jdn = date.jdn;
    return 0;
}

CalendarGlue::Fields FieldsOf(const CalendarDate& d) { return {{"year", d.year}, {"month", d.month}, {"day", d.day}}; }

template <void (*Move)(CalendarDate&, bool)>
constexpr CalendarStepFn Step = &CalendarGlue::StepThrough<CalendarDate, ArcOfDay, ArcCal::ArcDateToJdn, Move>;

constexpr CalendarStep kSteps[] = {{"month", Step<ArcCal::StepArcMonth>}, {"year", Step<ArcCal::StepArcYear>}};
constexpr CalendarRefusal kRefusals[] = {{kRefusal, "Invalid ARC date.  ARC dates must be in the form: year-month-day"}};

// "Dionysus 25".
LunationCellTexts Cell(int32_t dayNumber) {
    const CalendarDate d = ArcOfDay(dayNumber);
    const std::string month = ArcCal::ArcMonthName(d.month);
    return {month + CalendarGlue::Blank(d.day), month};
}
constexpr LunationPageTexts kPage{"Archetypes Calendar dates", 110, &Cell};

}  // namespace

const CalendarDescriptor& ArcDescriptor() {
    static const CalendarDescriptor descriptor = [] {
        CalendarDescriptor d;
        d.index = 2;
        d.code = "ARC";
        d.name = "Archetypes Calendar date";
        d.title = "Archetypes Calendar:";
        d.labelName = "lblArchetypesDate";
        d.displayRank = 30;
        d.listRank = 20;
        d.readDate = &ReadDate;
        d.labelOfDay = &CalendarGlue::LabelThrough<CalendarDate, ArcOfDay, ArcCal::FormatArcDate, 4, FieldsOf>;
        d.steps = kSteps;
        d.refusals = kRefusals;
        d.logCaption = "&ARC (Archetypes Calendar)";
        d.logCheckBox = "chkIncludeARC";
        d.lunationPage = &kPage;
        d.entryExample = "4696-11-25 ARC";
        return d;
    }();
    return descriptor;
}
