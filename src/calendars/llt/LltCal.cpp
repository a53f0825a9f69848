// The program's side of the Lunar Liberalia Triday calendar over the tridaycalc library.
#include "calendars/CycleYearStep.h"
#include "calendars/llt/LltCal.h"

#include <array>
#include <limits>

#include "support/StrProc.h"

namespace LltCal {


bool ParseLltDate(const std::string& text, LltDate& date) {
    switch (StrProc::CountOccurrences(text, "-", true)) {
        case 3:
            return parse_short_lunar_ltc_date(text.c_str(), &date) == 1;
        case 4:
        case 5:  // a minus sign before the cycle adds one
            return parse_long_lunar_ltc_date(text.c_str(), &date) == 1;
        default:
            return false;
    }
}

bool LltDateToJdn(LltDate& date) {
    if (ltclunar_valid(&date) != 1) return false;
    return ltclunar_to_jdn(&date) == 1;
}

void JdnToLltDate(LltDate& date) { jdn_to_ltclunar(&date); }

std::string LltDayName(int day) {
    static const std::array<const char*, 3> names = {"Sophiesday", "Zoesday", "Norasday"};
    if (day < 1 || day > 3) return {};
    return names[day - 1];
}

std::string LltMonthName(int month) {
    static const std::array<const char*, 12> names = {
        "Armedon", "Nousanios",    "Harmozel", "Phaionios", "Ainios",    "Oraiel",
        "Mellephaneus", "Loios",   "Davithe",  "Mousanios", "Amethes",   "Eleleth"};
    if (month < 1 || month > 12) return {};
    return names[month - 1];
}

std::string LltShortMonthName(int month) {
    if (month == 7) return "Mellephan.";
    return LltMonthName(month);
}

namespace {

// Zero-padded to `width` digits; longer numbers are written whole, negatives as "-5".
std::string Padded(int32_t value, size_t width) {
    std::string digits = std::to_string(value);
    if (value >= 0 && digits.size() < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

}  // namespace

std::string FormatLltDate(const LltDate& date, int form) {
    std::string shortForm;
    if (date.cycle != 0) shortForm = std::to_string(date.cycle) + "-";
    shortForm += Padded(date.year, 3) + "-" + Padded(date.month, 2) + "-" +
                 Padded(date.triday, 2) + "-" + Padded(date.day, 1) + " LLT";
    switch (form) {
        case 1:
            return shortForm;
        case 2:
            return shortForm + " (" + LltDayName(date.day) + " " + std::to_string(date.triday) +
                   " " + LltMonthName(date.month) + " " + std::to_string(date.year) + ")";
        case 3: {
            std::string text = LltDayName(date.day) + " in the " +
                               StrProc::OrdinalOf(date.triday) + " triday of " +
                               LltMonthName(date.month) + " in the year " +
                               std::to_string(date.year);
            if (date.cycle != 0) text += ", Cycle " + std::to_string(date.cycle);
            return text;
        }
        default:
            return {};
    }
}

void LimitLltTriday(LltDate& date) {
    if (date.month == 6 && date.triday > LltTridaysInSixthMonth) {
        date.triday = LltTridaysInSixthMonth;
        date.day = 3;
    } else if (date.month == 12) {
        const int tridays = num_tridays_in_12th_month(date.year);
        if (date.triday > tridays) {
            date.triday = tridays;
            date.day = 3;
        }
    }
}

void StepLltMonth(LltDate& date, bool forward) {
    LltDate next = date;
    if (!CycleYearStep::StepMonthNumber(next, LltYearsPerCycle, [](const LltDate&) { return 12; }, forward)) return;
    LimitLltTriday(next);
    date = next;
}

void StepLltCycle(LltDate& date, bool forward) {
    if (forward ? date.cycle == std::numeric_limits<int32_t>::max() : date.cycle == std::numeric_limits<int32_t>::min())
        return;
    date.cycle += forward ? 1 : -1;
    LimitLltTriday(date);  // month lengths depend on the year in the cycle alone: a guard only
}

void StepLltYear(LltDate& date, bool forward) {
    LltDate next = date;
    if (!CycleYearStep::StepYearNumber(next, LltYearsPerCycle, forward)) return;
    LimitLltTriday(next);
    date = next;
}

}  // namespace LltCal
