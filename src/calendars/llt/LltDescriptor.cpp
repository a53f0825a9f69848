#include "calendars/llt/LltDescriptor.h"

#include "calendars/descriptor/DescriptorGlue.h"
#include "calendars/llt/LltCal.h"

namespace {

constexpr auto OfDay = &CalendarGlue::RecordOfDay<LltDate, LltCal::JdnToLltDate>;
constexpr int kRefusal = 10;

CalendarGlue::Fields FieldsOf(const LltDate& d) {
    return {{"cycle", d.cycle}, {"year", d.year}, {"month", d.month}, {"triday", d.triday}, {"day", d.day}};
}

constexpr auto& kSteps = CalendarGlue::kMonthYearCycle<LltDate, OfDay, LltCal::LltDateToJdn, LltCal::StepLltMonth,
                                                       LltCal::StepLltYear, LltCal::StepLltCycle>;
constexpr CalendarRefusal kRefusals[] = {
    {kRefusal,
     "Invalid LLT date.  LLT dates must be in the form: cycle-year-month-triday-day or year-month-triday-day"}};

// A month begins with the first day of its first triday; a year of cycle 0 is written alone,
// as the date's plain text writes it.
bool FirstOfMonth(const LltDate& d) { return d.triday == 1 && d.day == 1; }
std::string YearText(const LltDate& d) { return (d.cycle != 0 ? std::to_string(d.cycle) + "-" : "") + std::to_string(d.year); }

// "Zoe 5 Mellephan.": the day's name without its "sday", the triday and the short month name.
LunationCellTexts Cell(int32_t dayNumber) {
    const LltDate d = OfDay(dayNumber);
    std::string name = LltCal::LltDayName(d.day);  // "Sophiesday" -> "Sophie"
    if (name.size() > 4) name.resize(name.size() - 4);
    return {name + CalendarGlue::Blank(d.triday) + " " + LltCal::LltShortMonthName(d.month), LltCal::LltMonthName(d.month)};
}
// Its cells are longer than the others: wider columns.
constexpr LunationPageTexts kPage{"Lunar Liberalia Triday dates", 129, &Cell};

constexpr CalendarDescriptor kDescriptor{.index = 4, .code = "LLT", .name = "Lunar Liberalia Triday Calendar date",
    .title = "Lunar Liberalia Triday:", .labelName = "lblLTCLunarDate", .displayRank = 50, .listRank = 50,
    .readDate = &CalendarGlue::ReadThrough<LltDate, LltCal::ParseLltDate, LltCal::LltDateToJdn, kRefusal>,
    .labelOfDay = &CalendarGlue::LabelThrough<LltDate, OfDay, LltCal::FormatLltDate, 3, FieldsOf>, .steps = kSteps,
    .refusals = kRefusals, .logCaption = "&LLT (Lunar Liberalia Triday Calendar)", .logCheckBox = "chkIncludeLLT",
    .lunationPage = &kPage,
    .monthOfDay = &CalendarGlue::MonthThrough<LltDate, OfDay, FirstOfMonth, kSteps[0].apply, LltCal::LltMonthName,
                                              YearText, LltCal::FormatLltDate>,
    .entryExample = "8-123-07-05-2 LLT"};

}  // namespace

const CalendarDescriptor& LltDescriptor() { return kDescriptor; }

