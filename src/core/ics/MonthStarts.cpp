#include "core/ics/MonthStarts.h"

#include <optional>

#include "calendars/arc/ArcCal.h"
#include "calendars/dvg/DVGCal.h"
#include "calendars/llt/LltCal.h"
#include "calendars/qlw/QLWC.h"
#include "calendars/vo/VoCal.h"
#include "calendars/registry/CalendarRegistry.h"

namespace Ics {

namespace {

// What the walk needs of a calendar module: its date of a day number, whether a date is the
// first of its month, the month step (which keeps day 1 on day 1) and the texts.
struct Arc {
    using Date = CalendarDate;
    static Date Of(int32_t jdn) {
        Date d{0, 0, 0, DAYCALC_ARCHETYPES, jdn, 0};
        ArcCal::JdnToArcDate(d);
        return d;
    }
    static bool First(const Date& d) { return d.day == 1; }
    static bool Step(Date& d) { return ArcCal::StepArcMonth(d, true), ArcCal::ArcDateToJdn(d); }
    static std::string Name(const Date& d) { return ArcCal::ArcMonthName(d.month); }
    static std::string Year(const Date& d) { return std::to_string(d.year); }
    static std::string Text(const Date& d) { return ArcCal::FormatArcDate(d, 1); }
};

struct Vo {
    using Date = VoDate;
    static Date Of(int32_t jdn) {
        Date d{};
        d.jdn = jdn;
        VoCal::JdnToVoDate(d);
        return d;
    }
    static bool First(const Date& d) { return d.day == 1; }
    static bool Step(Date& d) { return VoCal::StepVoMonth(d, true), VoCal::VoDateToJdn(d); }
    static std::string Name(const Date& d) { return VoCal::VoMonthName(d.month); }
    static std::string Year(const Date& d) { return std::to_string(d.cycle) + "-" + std::to_string(d.year); }
    static std::string Text(const Date& d) { return VoCal::FormatVoDate(d, 1); }
};

struct Llt {
    using Date = LltDate;
    static Date Of(int32_t jdn) {
        Date d{};
        d.jdn = jdn;
        LltCal::JdnToLltDate(d);
        return d;
    }
    static bool First(const Date& d) { return d.triday == 1 && d.day == 1; }
    static bool Step(Date& d) { return LltCal::StepLltMonth(d, true), LltCal::LltDateToJdn(d); }
    static std::string Name(const Date& d) { return LltCal::LltMonthName(d.month); }
    // As the date's plain text writes it: no cycle part in cycle 0.
    static std::string Year(const Date& d) {
        return (d.cycle != 0 ? std::to_string(d.cycle) + "-" : "") + std::to_string(d.year);
    }
    static std::string Text(const Date& d) { return LltCal::FormatLltDate(d, 1); }
};

struct Dvg {
    using Date = DVGCal::DvgDate;
    static Date Of(int32_t jdn) {
        Date d{};
        d.jdn = jdn;
        DVGCal::JdnToDvgDate(d);
        return d;
    }
    static bool First(const Date& d) { return d.day == 1; }
    static bool Step(Date& d) { return DVGCal::StepDvgMonth(d, true), DVGCal::DvgDateToJdn(d); }
    static std::string Name(const Date& d) { return DVGCal::DvgMonthName(d.month); }
    static std::string Year(const Date& d) { return std::to_string(d.cycle) + "-" + std::to_string(d.year); }
    static std::string Text(const Date& d) { return DVGCal::FormatDvgDate(d, 1); }
};

struct Qlw {
    using Date = QLWC::QlwDate;
    static Date Of(int32_t jdn) {
        Date d{};
        d.jdn = jdn;
        QLWC::JdnToQlwDate(d);
        return d;
    }
    static bool First(const Date& d) { return d.valid && d.week == 1 && d.day == 1; }
    static bool Step(Date& d) { return QLWC::StepQlwMonth(d, true), d.valid == 1; }
    static std::string Name(const Date& d) { return QLWC::QlwMonthName(d.month); }
    static std::string Year(const Date& d) { return std::to_string(d.year); }
    static std::string Text(const Date& d) { return QLWC::FormatQlwDate(d, 1); }
};

// A month is at most 30 days long, so the first day of the month holding a day lies no more
// than this many days before it.
constexpr int kLongestMonth = 30;

template <typename C>
std::vector<MonthStart> Walk(int32_t firstDay, int32_t lastDay) {
    std::vector<MonthStart> months;
    // The first day of the month that holds firstDay, then month by month.
    std::optional<typename C::Date> start;
    for (int32_t day = firstDay; day > firstDay - kLongestMonth - 1 && !start; --day) {
        const typename C::Date date = C::Of(day);
        if (C::First(date)) start = date;
    }
    while (start && start->jdn <= lastDay) {
        typename C::Date next = *start;
        if (!C::Step(next) || !C::First(next) || next.jdn <= start->jdn) break;
        if (start->jdn >= firstDay)
            months.push_back({start->jdn, next.jdn - start->jdn, static_cast<int>(start->month), C::Name(*start),
                              C::Year(*start), C::Text(*start), C::Text(C::Of(next.jdn - 1))});
        start = next;
    }
    return months;
}

}  // namespace

std::vector<MonthStart> MonthStarts(int calendar, int32_t firstDay, int32_t lastDay) {
    if (firstDay > lastDay) return {};
    switch (calendar) {
        case CalendarTable::ARC: return Walk<Arc>(firstDay, lastDay);
        case CalendarTable::VO: return Walk<Vo>(firstDay, lastDay);
        case CalendarTable::LLT: return Walk<Llt>(firstDay, lastDay);
        case CalendarTable::DVG: return Walk<Dvg>(firstDay, lastDay);
        case CalendarTable::QLW: return Walk<Qlw>(firstDay, lastDay);
        default: return {};
    }
}

}  // namespace Ics
