#include "calendars/vo/VoDescriptor.h"

#include "calendars/descriptor/DescriptorGlue.h"
#include "calendars/vo/VoCal.h"

namespace {

constexpr auto OfDay = &CalendarGlue::RecordOfDay<VoDate, VoCal::JdnToVoDate>;
constexpr int kRefusal = 9;

CalendarGlue::Fields FieldsOf(const VoDate& d) {
    return {{"cycle", d.cycle}, {"year", d.year}, {"month", d.month}, {"day", d.day}};
}

template <void (*Move)(VoDate&, bool)>
constexpr CalendarStepFn Step = &CalendarGlue::StepThrough<VoDate, OfDay, VoCal::VoDateToJdn, Move>;

constexpr CalendarStep kSteps[] = {
    {"month", Step<VoCal::StepVoMonth>}, {"year", Step<VoCal::StepVoYear>}, {"cycle", Step<VoCal::StepVoCycle>}};
constexpr CalendarRefusal kRefusals[] = {
    {kRefusal, "Invalid VO date.  VO dates must be in the form: cycle-year-month-day"}};

LunationCellTexts Cell(int32_t dayNumber) {
    const VoDate d = OfDay(dayNumber);
    const std::string month = VoCal::VoMonthName(d.month);
    return {month + CalendarGlue::Blank(d.day), month};
}
constexpr LunationPageTexts kPage{"Varnel-Ostrik Solilunar dates", 110, &Cell};

}  // namespace

const CalendarDescriptor& VoDescriptor() {
    static const CalendarDescriptor descriptor = [] {
        CalendarDescriptor d;
        d.index = 3;
        d.code = "VO";
        d.name = "Varnel-Ostrik Solilunar Calendar date";
        d.title = "Varnel-Ostrik Solilunar:";
        d.labelName = "lblVarnelOstrikSLCDate";
        d.displayRank = 40;
        d.listRank = 30;
        d.readDate = &CalendarGlue::ReadThrough<VoDate, VoCal::ParseVoDate, VoCal::VoDateToJdn, kRefusal>;
        d.labelOfDay = &CalendarGlue::LabelThrough<VoDate, OfDay, VoCal::FormatVoDate, 4, FieldsOf>;
        d.steps = kSteps;
        d.refusals = kRefusals;
        d.logCaption = "&VO (Varnel-Ostrik Solilunar Calendar)";
        d.logCheckBox = "chkIncludeVO";
        d.lunationPage = &kPage;
        d.entryExample = "104-06-07-29 VO 6:30";
        return d;
    }();
    return descriptor;
}
