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

constexpr LunationPageTexts kPage{"Archetypes Calendar dates", 110,
                                  &CalendarGlue::MonthAndDay<CalendarDate, ArcOfDay, ArcCal::ArcMonthName>};

constexpr CalendarDescriptor kDescriptor{.index = 2, .code = "ARC", .name = "Archetypes Calendar date",
    .title = "Archetypes Calendar:", .labelName = "lblArchetypesDate", .displayRank = 30, .listRank = 20,
    .readDate = &ReadDate,
    .labelOfDay = &CalendarGlue::LabelThrough<CalendarDate, ArcOfDay, ArcCal::FormatArcDate, 4, FieldsOf>,
    .steps = kSteps, .refusals = kRefusals, .logCaption = "&ARC (Archetypes Calendar)",
    .logCheckBox = "chkIncludeARC", .lunationPage = &kPage,
    .monthOfDay = &CalendarGlue::MonthThrough<CalendarDate, ArcOfDay, CalendarGlue::DayOne, Step<ArcCal::StepArcMonth>,
                                              ArcCal::ArcMonthName, CalendarGlue::YearAlone, ArcCal::FormatArcDate>,
    .entryExample = "4696-11-25 ARC"};

}  // namespace

const CalendarDescriptor& ArcDescriptor() { return kDescriptor; }

