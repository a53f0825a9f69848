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

constexpr auto& kSteps = CalendarGlue::kMonthYearCycle<DvgDate, OfDay, DVGCal::DvgDateToJdn, DVGCal::StepDvgMonth,
                                                       DVGCal::StepDvgYear, DVGCal::StepDvgCycle>;
constexpr CalendarRefusal kRefusals[] = {
    {kRefusal, "Invalid DVG date.  DVG dates must be in the form: cycle-year-month-day or year-month-day"}};

// Its month names are long: wider columns.
constexpr LunationPageTexts kPage{"Dunhale-Varnel Goddess dates", 129,
                                  &CalendarGlue::MonthAndDay<DvgDate, OfDay, DVGCal::DvgMonthName>};

constexpr CalendarDescriptor kDescriptor{.index = 5, .code = "DVG", .name = "Dunhale-Varnel Goddess Calendar date",
    .title = "Dunhale-Varnel Goddess", .labelName = "lblDVGDate", .displayRank = 60, .listRank = 40,
    .readDate = &ReadDate,
    .labelOfDay = &CalendarGlue::LabelThrough<DvgDate, OfDay, DVGCal::FormatDvgDate, 3, CalendarGlue::CycleYearMonthDay>, .steps = kSteps,
    .refusals = kRefusals, .logCaption = "&DVG (Dunhale-Varnel Goddess Calendar)", .logCheckBox = "chkIncludeDVG",
    .lunationPage = &kPage,
    .monthOfDay = &CalendarGlue::MonthThrough<DvgDate, OfDay, CalendarGlue::DayOne, kSteps[0].apply, DVGCal::DvgMonthName,
                                              CalendarGlue::CycleAndYear, DVGCal::FormatDvgDate>,
    .entryExample = "1-94-08-25 DVG"};

}  // namespace

const CalendarDescriptor& DvgDescriptor() { return kDescriptor; }

// The window's title has no colon: that is how the date frame has always shown it.
