#include "mainwin/core/CalendarLabels.h"

#include "calendars/arc/ArcCal.h"
#include "calendars/dvg/DVGCal.h"
#include "calendars/llt/LltCal.h"
#include "calendars/qlw/QLWC.h"
#include "calendars/vo/VoCal.h"
#include "mainwin/core/CalendarTable.h"

namespace CalendarLabels {

namespace {
DateLabel Label(std::string shortText, std::string caption, std::string toolTip,
                std::vector<std::pair<std::string, long long>> fields) {
    return DateLabel{std::move(shortText), std::move(caption), std::move(toolTip), std::move(fields)};
}

DateLabel Archetypes(int32_t jdn) {
    CalendarDate date{0, 0, 0, DAYCALC_ARCHETYPES, jdn, 0};
    ArcCal::JdnToArcDate(date);
    return Label(ArcCal::FormatArcDate(date, 1), ArcCal::FormatArcDate(date, 2), ArcCal::FormatArcDate(date, 4),
                 {{"year", date.year}, {"month", date.month}, {"day", date.day}});
}

DateLabel Solilunar(int32_t jdn) {
    VoDate date{};
    date.jdn = jdn;
    VoCal::JdnToVoDate(date);
    return Label(VoCal::FormatVoDate(date, 1), VoCal::FormatVoDate(date, 2), VoCal::FormatVoDate(date, 4),
                 {{"cycle", date.cycle}, {"year", date.year}, {"month", date.month}, {"day", date.day}});
}

DateLabel Triday(int32_t jdn) {
    LltDate date{};
    date.jdn = jdn;
    LltCal::JdnToLltDate(date);
    return Label(LltCal::FormatLltDate(date, 1), LltCal::FormatLltDate(date, 2), LltCal::FormatLltDate(date, 3),
                 {{"cycle", date.cycle},
                  {"year", date.year},
                  {"month", date.month},
                  {"triday", date.triday},
                  {"day", date.day}});
}

DateLabel Goddess(int32_t jdn) {
    DVGCal::DvgDate date{};
    date.jdn = jdn;
    DVGCal::JdnToDvgDate(date);
    return Label(DVGCal::FormatDvgDate(date, 1), DVGCal::FormatDvgDate(date, 2), DVGCal::FormatDvgDate(date, 3),
                 {{"cycle", date.cycle}, {"year", date.year}, {"month", date.month}, {"day", date.day}});
}
// The lunar-week label: the plain date with its long form in parentheses. The calendar has
// no description form, so the tool tip stays empty.
DateLabel LunarWeek(int32_t jdn) {
    QLWC::QlwDate date{};
    date.jdn = jdn;
    QLWC::JdnToQlwDate(date);
    if (!date.valid) return {};
    const std::string plain = QLWC::FormatQlwDate(date, 1);
    return Label(plain, plain + " (" + QLWC::FormatQlwDate(date, 2) + ")", QLWC::FormatQlwDate(date, 4),
                 {{"year", date.year}, {"month", date.month}, {"week", date.week}, {"day", date.day}});
}
}  // namespace

DateLabel LabelOfDay(int calendarIndex, int32_t jdn) {
    using namespace CalendarTable;
    switch (calendarIndex) {
        case ARC: return Archetypes(jdn);
        case VO: return Solilunar(jdn);
        case LLT: return Triday(jdn);
        case DVG: return Goddess(jdn);
        case QLW: return LunarWeek(jdn);
        default: return {};
    }
}

}  // namespace CalendarLabels
