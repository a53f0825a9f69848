// The program's side of the Varnel-Ostrik Solilunar calendar over the solicalc library.
#include "calendars/CycleYearStep.h"
#include "calendars/vo/VoCal.h"

#include <array>
#include <limits>

#include "calendars/llt/LltCal.h"
#include "support/StrProc.h"

namespace VoCal {

bool ParseVoDate(const std::string& text, VoDate& date) {
    return voslc_datestr_to_voslc_date(text.c_str(), &date) == 1;
}

bool VoDateToJdn(VoDate& date) {
    voslcdate_to_jdn(&date);
    return date.valid == 1;
}

void JdnToVoDate(VoDate& date) { jdn_to_voslcdate(&date); }

int VoMonthsInYear(int32_t year, int32_t cycle) {
    return is_long_voslc_year(year, cycle) == 1 ? 13 : 12;
}

int VoMonthLength(const VoDate& date) {
    // The library counts years as 60 x cycle + year, so the month is asked of cycle 0 and that
    // year number. Beyond 32 bits the same year is handed over as cycle and year unchanged.
    VoDate query{};
    const int64_t yearNumber = static_cast<int64_t>(date.cycle) * VoYearsPerCycle + date.year;
    if (yearNumber >= std::numeric_limits<int32_t>::min() &&
        yearNumber <= std::numeric_limits<int32_t>::max()) {
        query.cycle = 0;
        query.year = static_cast<int32_t>(yearNumber);
    } else {
        query.cycle = date.cycle;
        query.year = date.year;
    }
    query.month = date.month;
    query.day = date.day;
    return vomonth_length(&query);
}

std::string VoMonthName(int month) {
    static const std::array<const char*, 13> names = {
        "Navoreth", "Olbrisk", "Pandrel",   "Quendris", "Rendalis", "Sethalor", "Tirvane",
        "Ulmarek",  "Vessandor", "Wyndral", "Xalvorn",  "Yrthenis", "Zorathel"};
    if (month < 1 || month > 13) return {};
    return names[month - 1];
}

namespace {

// Zero-padded to two digits; longer numbers are written whole, negatives as "-5".
std::string TwoDigits(int32_t value) {
    std::string digits = std::to_string(value);
    if (value >= 0 && digits.size() < 2) digits.insert(0, 1, '0');
    return digits;
}

// Clamps the day to the length of its month, when the library knows that month.
void ClampDay(VoDate& date) {
    const int length = VoMonthLength(date);
    if (length >= 1 && date.day > length) date.day = length;
}

}  // namespace

std::string FormatVoDate(const VoDate& date, int form) {
    const std::string cycle = std::to_string(date.cycle);
    const std::string shortForm = cycle + "-" + TwoDigits(date.year) + "-" +
                                  TwoDigits(date.month) + "-" + TwoDigits(date.day) + " VO";
    switch (form) {
        case 1:
            return shortForm;
        case 2:
            return shortForm + " (" + VoMonthName(date.month) + " " + std::to_string(date.day) +
                   ", " + cycle + "-" + std::to_string(date.year) + ")";
        case 4: {
            std::string text = "The " + StrProc::OrdinalOf(date.day) + " day of " +
                               VoMonthName(date.month) + " in the year " +
                               std::to_string(date.year);
            if (cycle != "0") text += ", cycle " + cycle;
            return text;
        }
        default:
            return {};
    }
}

void StepVoMonth(VoDate& date, bool forward) {
    VoDate next = date;
    const auto monthsInYear = [](const VoDate& d) { return VoMonthsInYear(d.year, d.cycle); };
    if (!CycleYearStep::StepMonthNumber(next, VoYearsPerCycle, monthsInYear, forward)) return;
    ClampDay(next);
    date = next;
}

void StepVoCycle(VoDate& date, bool forward) {
    if (forward ? date.cycle == std::numeric_limits<int32_t>::max() : date.cycle == std::numeric_limits<int32_t>::min())
        return;
    VoDate next = date;
    next.cycle += forward ? 1 : -1;
    // Fitted as a year step fits it: a 13th month that the new cycle's year lacks becomes the
    // 12th, and the day is clamped to its month.
    const int months = VoMonthsInYear(next.year, next.cycle);
    if (next.month > months) next.month = months;
    ClampDay(next);
    date = next;
}

void StepVoYear(VoDate& date, bool forward) {
    VoDate next = date;
    if (!CycleYearStep::StepYearNumber(next, VoYearsPerCycle, forward)) return;
    const int months = VoMonthsInYear(next.year, next.cycle);
    if (next.month > months) next.month = months;
    ClampDay(next);
    date = next;
}

}  // namespace VoCal
