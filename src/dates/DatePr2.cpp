#include "dates/DatePr2.h"

#include <array>
#include <cmath>

#include "dates/ClockService.h"
#include "support/StrProc.h"

namespace DatePr2 {

namespace {
const std::array<const char*, 13> kMonthNames = {
    "",     "January", "February",  "March",   "April",    "May",     "June",
    "July", "August",  "September", "October", "November", "December"};
const std::array<const char*, 7> kWeekdayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};

// Decimal digits of the year, grouped by threes beyond +-9999.
std::string YearText(int32_t year, char group) {
    std::string digits = std::to_string(year);
    if (year >= -9999 && year <= 9999) return digits;
    char out[20];
    separate_thousands(digits.c_str(), static_cast<unsigned char>(group), out);
    return out;
}

std::string TwoDigits(long long n) {
    std::string s = std::to_string(n);
    return s.size() < 2 ? "0" + s : s;
}
}  // namespace

std::string MonthName(int month) {
    return month >= 1 && month <= 12 ? kMonthNames[static_cast<size_t>(month)] : "";
}

std::string WeekdayName(int weekday) {
    return weekday >= 0 && weekday <= 6 ? kWeekdayNames[static_cast<size_t>(weekday)] : "";
}

int32_t DateToJdn(CalendarDate& date) { return euro_date_to_jdn(&date); }

void JdnToDate(CalendarDate& date) { jdn_to_euro_date(&date); }

int DayOfWeek(int32_t jdn) { return euro_day_of_week(jdn); }

std::string WeekdayNameOfJdn(int32_t jdn) { return WeekdayName(DayOfWeek(jdn)); }

CalendarDate DateOfJdn(int32_t jdn, int32_t calendar) {
    CalendarDate date{0, 0, 0, calendar, jdn, 1};
    JdnToDate(date);
    return date;
}

bool IsExistingDate(int year, int month, int day, int32_t calendar) {
    if (month < 1 || month > 12 || day < 1 || day > 31) return false;
    CalendarDate date{year, month, day, calendar, 0, 0};
    const CalendarDate back = DateOfJdn(DateToJdn(date), calendar);
    return back.year == year && back.month == month && back.day == day;
}

std::string FormatDate(const CalendarDate& date, const std::string& separator, char group) {
    return YearText(date.year, group) + separator + TwoDigits(date.month) + separator +
           TwoDigits(date.day);
}

std::string DescribeDate(const CalendarDate& date) {
    const std::string calendarName = date.calendar == DAYCALC_JULIAN ? "Julian" : "Common Era";
    return "The " + StrProc::OrdinalOf(date.day) + " day of " + MonthName(date.month) +
           " in the year " + YearText(date.year, ',') + " in the " + calendarName + " Calendar";
}

std::string FormatTimeOfDay(double fraction) {
    double f = fraction;
    if (!(f >= 0.0 && f < 1.0)) return "XX:XX:XX";
    // A fraction just below a whole minute (from the binary representation of a typed time)
    // must not read as the minute before.
    if (f > 0.0 && f < 1.0 - 1e-8) f += 1e-8;
    long long s = static_cast<long long>(std::floor(f * 86400.0));
    if (s >= 86400) s = 86399;
    const long long seconds = s % 60;
    const long long minutes = ((s - seconds) / 60) % 60;
    const long long hours = s / 3600;
    return TwoDigits(hours) + ":" + TwoDigits(minutes);
}

int ParseDate(const std::string& text, CalendarDate& date) {
    std::string s = StrProc::RemoveSpaces(text);
    s = StrProc::KeepChars(s, "-1234567890");
    int result = 0;
    const int dashes = StrProc::CountOccurrences(s, "-", true);
    if (dashes == 2 || dashes == 3) {
        const int code = str_to_date(s.data(), 2, &date, date.calendar);
        result = code == 0 ? 1 : code == -5 ? -1 : 0;
    }
    if (result == 1 && date.calendar != DAYCALC_ARCHETYPES) DateToJdn(date);
    date.valid = result == 1 ? 1 : 0;
    return result;
}

namespace {
// The number at the start of a text, as the clock texts are read.
long long LeadingDigits(const std::string& text, size_t from, size_t count = std::string::npos) {
    if (from >= text.size()) return 0;
    return StrProc::LeadingInteger(StrProc::Trim(text.substr(from, count)));
}
}  // namespace

int32_t TodayJdn(const ClockService& clock) {
    const std::string text = clock.DateText();
    CalendarDate date{0, 0, 0, DAYCALC_GREGORIAN, 0, 0};
    const char third = text.size() > 2 ? text[2] : '\0';
    if (third == '-' || third == '/' || third == '.') {
        date.month = static_cast<int32_t>(LeadingDigits(text, 0, 2));
        date.day = static_cast<int32_t>(LeadingDigits(text, 3, 2));
        date.year = static_cast<int32_t>(LeadingDigits(text, 6));
    } else {
        date.year = static_cast<int32_t>(LeadingDigits(text, 0, 4));
        date.month = static_cast<int32_t>(LeadingDigits(text, 5, 2));
        date.day = static_cast<int32_t>(LeadingDigits(text, 8, 2));
    }
    return DateToJdn(date);
}

int LocalOffsetMinutes(const ClockService& clock) {
    return static_cast<int>(std::nearbyint(-clock.TimezoneSeconds() / 60.0));
}

double CurrentAjd(const ClockService& clock) {
    const int32_t jdn = TodayJdn(clock);
    const int offset = LocalOffsetMinutes(clock);
    std::string t = clock.TimeText();
    long long hours = 0, minutes = 0, seconds = 0;
    if (t.find('M') != std::string::npos) {
        if (t.size() > 1 && t[1] == 'M') t = (t.size() > 3 ? t.substr(3) : "") + " " + t.substr(0, 2);
        const auto c1 = t.find(':');
        const auto c2 = c1 == std::string::npos ? std::string::npos : t.find(':', c1 + 1);
        const std::string hourText = StrProc::Trim(t.substr(0, c1));
        hours = StrProc::LeadingInteger(hourText);
        std::string marker;
        if (c1 != std::string::npos) {
            minutes = LeadingDigits(t, c1 + 1, c2 == std::string::npos ? std::string::npos : c2 - c1 - 1);
            if (c2 != std::string::npos) {
                const auto blank = t.find(' ', c2 + 1);
                seconds = LeadingDigits(t, c2 + 1, blank == std::string::npos ? std::string::npos : blank - c2 - 1);
            }
            // Only digits, colons and blanks precede the marker, so the whole rest of the
            // text tells morning from afternoon, with or without a blank before the marker.
            marker = t.substr(c1 + 1);
        }
        if (marker.find('A') == std::string::npos) {
            if (hourText != "12") hours += 12;
        } else if (hourText == "12") {
            hours = 0;
        }
    } else {
        hours = LeadingDigits(t, 0, 2);
        minutes = LeadingDigits(t, 3, 2);
        seconds = LeadingDigits(t, 6, 2);
    }
    const double daySeconds = static_cast<double>(hours * 3600 + minutes * 60 + seconds - offset * 60LL);
    return daySeconds / 86400.0 + jdn - 0.5;
}

}  // namespace DatePr2
