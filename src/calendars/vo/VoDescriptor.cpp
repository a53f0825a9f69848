#include "calendars/vo/VoDescriptor.h"

#include "calendars/descriptor/DescriptorGlue.h"
#include "calendars/vo/VoCal.h"

namespace {

constexpr auto OfDay = &CalendarGlue::RecordOfDay<VoDate, VoCal::JdnToVoDate>;
constexpr int kRefusal = 9;

constexpr auto& kSteps = CalendarGlue::kMonthYearCycle<VoDate, OfDay, VoCal::VoDateToJdn, VoCal::StepVoMonth,
                                                       VoCal::StepVoYear, VoCal::StepVoCycle>;
constexpr CalendarRefusal kRefusals[] = {
    {kRefusal, "Invalid VO date.  VO dates must be in the form: cycle-year-month-day"}};

constexpr LunationPageTexts kPage{"Varnel-Ostrik Solilunar dates", 110,
                                  &CalendarGlue::MonthAndDay<VoDate, OfDay, VoCal::VoMonthName>};

constexpr CalendarDescriptor kDescriptor{.index = 3, .code = "VO", .name = "Varnel-Ostrik Solilunar Calendar date",
    .title = "Varnel-Ostrik Solilunar:", .labelName = "lblVarnelOstrikSLCDate", .displayRank = 40, .listRank = 30,
    .readDate = &CalendarGlue::ReadThrough<VoDate, VoCal::ParseVoDate, VoCal::VoDateToJdn, kRefusal>,
    .labelOfDay = &CalendarGlue::LabelThrough<VoDate, OfDay, VoCal::FormatVoDate, 4, CalendarGlue::CycleYearMonthDay>, .steps = kSteps,
    .refusals = kRefusals, .logCaption = "&VO (Varnel-Ostrik Solilunar Calendar)", .logCheckBox = "chkIncludeVO",
    .lunationPage = &kPage,
    .monthOfDay = &CalendarGlue::MonthThrough<VoDate, OfDay, CalendarGlue::DayOne, kSteps[0].apply, VoCal::VoMonthName,
                                              CalendarGlue::CycleAndYear, VoCal::FormatVoDate>,
    .entryExample = "104-06-07-29 VO 6:30"};

}  // namespace

const CalendarDescriptor& VoDescriptor() { return kDescriptor; }

