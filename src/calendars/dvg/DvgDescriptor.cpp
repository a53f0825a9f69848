#include "calendars/dvg/DvgDescriptor.h"

#include "calendars/descriptor/DescriptorGlue.h"
#include "calendars/dvg/DVGCal.h"

namespace {

using DVGCal::DvgDate;
constexpr auto OfDay = &CalendarGlue::RecordOfDay<DvgDate, DVGCal::JdnToDvgDate>;
constexpr int kRefusal = 11;

int ReadDate(const std::string& text, int32_t& jdn) {
    DvgDate date{};
    if (!DVGCal::ParseDvgDate(text, date)) return kRefusal;
    jdn = date.jdn;
    return 0;
}

CalendarGlue::Fields FieldsOf(const DvgDate& d) {
    return {{"cycle", d.cycle}, {"year", d.year}, {"month", d.month}, {"day", d.day}};
}

template <void (*Move)(DvgDate&, bool)>
constexpr CalendarStepFn Step = &CalendarGlue::StepThrough<DvgDate, OfDay, DVGCal::DvgDateToJdn, Move>;

constexpr CalendarStep kSteps[] = {{"month", Step<DVGCal::StepDvgMonth>},
                                   {"year", Step<DVGCal::StepDvgYear>},
                                   {"cycle", Step<DVGCal::StepDvgCycle>}};
constexpr CalendarRefusal kRefusals[] = {
    {kRefusal, "Invalid DVG date.  DVG dates must be in the form: cycle-year-month-day or year-month-day"}};

LunationCellTexts Cell(int32_t dayNumber) {
    const DvgDate d = OfDay(dayNumber);
    const std::string month = DVGCal::DvgMonthName(d.month);
    return {month + CalendarGlue::Blank(d.day), month};
}
// Its month names are long: wider columns.
constexpr LunationPageTexts kPage{"Dunhale-Varnel Goddess dates", 129, &Cell};

}  // namespace

// The window's title has no colon: that is how the date frame has always shown it.
const CalendarDescriptor& DvgDescriptor() {
    static const CalendarDescriptor descriptor = [] {
        CalendarDescriptor d;
        d.index = 5;
        d.code = "DVG";
        d.name = "Dunhale-Varnel Goddess Calendar date";
        d.title = "Dunhale-Varnel Goddess";
        d.labelName = "lblDVGDate";
        d.displayRank = 60;
        d.listRank = 40;
        d.readDate = &ReadDate;
        d.labelOfDay = &CalendarGlue::LabelThrough<DvgDate, OfDay, DVGCal::FormatDvgDate, 3, FieldsOf>;
        d.steps = kSteps;
        d.refusals = kRefusals;
        d.logCaption = "&DVG (Dunhale-Varnel Goddess Calendar)";
        d.logCheckBox = "chkIncludeDVG";
        d.lunationPage = &kPage;
        d.entryExample = "1-94-08-25 DVG";
        return d;
    }();
    return descriptor;
}
