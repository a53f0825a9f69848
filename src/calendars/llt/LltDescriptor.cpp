#include "calendars/llt/LltDescriptor.h"

#include "calendars/descriptor/DescriptorGlue.h"
#include "calendars/llt/LltCal.h"

namespace {

constexpr auto OfDay = &CalendarGlue::RecordOfDay<LltDate, LltCal::JdnToLltDate>;
constexpr int kRefusal = 10;

CalendarGlue::Fields FieldsOf(const LltDate& d) {
    return {{"cycle", d.cycle}, {"year", d.year}, {"month", d.month}, {"triday", d.triday}, {"day", d.day}};
}

template <void (*Move)(LltDate&, bool)>
constexpr CalendarStepFn Step = &CalendarGlue::StepThrough<LltDate, OfDay, LltCal::LltDateToJdn, Move>;

constexpr CalendarStep kSteps[] = {{"month", Step<LltCal::StepLltMonth>},
                                   {"year", Step<LltCal::StepLltYear>},
                                   {"cycle", Step<LltCal::StepLltCycle>}};
constexpr CalendarRefusal kRefusals[] = {
    {kRefusal,
     "Invalid LLT date.  LLT dates must be in the form: cycle-year-month-triday-day or year-month-triday-day"}};

// "Zoe 5 Mellephan.": the day's name without its "sday", the triday and the short month name.
LunationCellTexts Cell(int32_t dayNumber) {
    const LltDate d = OfDay(dayNumber);
    std::string name = LltCal::LltDayName(d.day);  // "Sophiesday" -> "Sophie"
    if (name.size() > 4) name.resize(name.size() - 4);
    return {name + CalendarGlue::Blank(d.triday) + " " + LltCal::LltShortMonthName(d.month), LltCal::LltMonthName(d.month)};
}
// Its cells are longer than the others: wider columns.
constexpr LunationPageTexts kPage{"Lunar Liberalia Triday dates", 129, &Cell};

}  // namespace

const CalendarDescriptor& LltDescriptor() {
    static const CalendarDescriptor descriptor = [] {
        CalendarDescriptor d;
        d.index = 4;
        d.code = "LLT";
        d.name = "Lunar Liberalia Triday Calendar date";
        d.title = "Lunar Liberalia Triday:";
        d.labelName = "lblLTCLunarDate";
        d.displayRank = 50;
        d.listRank = 50;
        d.readDate = &CalendarGlue::ReadThrough<LltDate, LltCal::ParseLltDate, LltCal::LltDateToJdn, kRefusal>;
        d.labelOfDay = &CalendarGlue::LabelThrough<LltDate, OfDay, LltCal::FormatLltDate, 3, FieldsOf>;
        d.steps = kSteps;
        d.refusals = kRefusals;
        d.logCaption = "&LLT (Lunar Liberalia Triday Calendar)";
        d.logCheckBox = "chkIncludeLLT";
        d.lunationPage = &kPage;
        d.entryExample = "8-123-07-05-2 LLT";
        return d;
    }();
    return descriptor;
}
