// The generic pieces of a calendar descriptor: a day's record and label, reading a typed date
// and stepping a day number, each through a calendar module's own date record.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "calendars/descriptor/CalendarDescriptor.h"

namespace CalendarGlue {

using Fields = std::vector<std::pair<std::string, long long>>;

// The record of a day number, filled by the module's conversion.
template <typename Date, void (*FromJdn)(Date&)>
Date RecordOfDay(int32_t jdn) {
    Date date{};
    date.jdn = jdn;
    FromJdn(date);
    return date;
}

// A day's label from the module's text forms: form 1 the plain text, form 2 the caption, and
// the description form as the tool tip.
template <typename Date, Date (*OfDay)(int32_t), std::string (*Format)(const Date&, int), int TipForm,
          Fields (*FieldsOf)(const Date&)>
DateLabel LabelThrough(int32_t jdn) {
    const Date date = OfDay(jdn);
    return {Format(date, 1), Format(date, 2), Format(date, TipForm), FieldsOf(date)};
}

// Day number -> record -> moved record -> day number; nullopt when the moved record names no
// day (ToJdn refuses it).
template <typename Date, Date (*OfDay)(int32_t), bool (*ToJdn)(Date&), void (*Move)(Date&, bool)>
std::optional<int32_t> StepThrough(int32_t jdn, bool forward) {
    Date date = OfDay(jdn);
    Move(date, forward);
    if (!ToJdn(date)) return std::nullopt;
    return date.jdn;
}

// The steps of a calendar of months, years and cycles: the date one unit on or back.
template <typename Date, Date (*OfDay)(int32_t), bool (*ToJdn)(Date&), void (*Month)(Date&, bool),
          void (*Year)(Date&, bool), void (*Cycle)(Date&, bool)>
inline constexpr CalendarStep kMonthYearCycle[] = {{"month", &StepThrough<Date, OfDay, ToJdn, Month>},
                                                   {"year", &StepThrough<Date, OfDay, ToJdn, Year>},
                                                   {"cycle", &StepThrough<Date, OfDay, ToJdn, Cycle>}};

// A typed date read by the module's reader and converted by its ToJdn; the calendar's refusal
// number when either refuses it.
template <typename Date, bool (*Parse)(const std::string&, Date&), bool (*ToJdn)(Date&), int Refusal>
int ReadThrough(const std::string& text, int32_t& jdn) {
    Date date{};
    if (!Parse(text, date) || !ToJdn(date)) return Refusal;
    jdn = date.jdn;
    return 0;
}

// The number written with one leading blank when it is not negative: " 5", "-5" (the cells of
// a lunation page).
inline std::string Blank(long long value) { return value < 0 ? std::to_string(value) : " " + std::to_string(value); }

// A lunation page's cell of a calendar of named months: "Dionysus 25", and the month's name.
template <typename Date, Date (*OfDay)(int32_t), std::string (*MonthName)(int)>
LunationCellTexts MonthAndDay(int32_t dayNumber) {
    const Date date = OfDay(dayNumber);
    const std::string month = MonthName(date.month);
    return {month + Blank(date.day), month};
}

// The numbers of a date of cycles, years, months and days.
template <typename Date>
Fields CycleYearMonthDay(const Date& d) {
    return {{"cycle", d.cycle}, {"year", d.year}, {"month", d.month}, {"day", d.day}};
}

// A month's first day, for calendars whose months are made of days alone.
template <typename Date>
bool DayOne(const Date& d) {
    return d.day == 1;
}
// The year as "year" and as "cycle-year".
template <typename Date>
std::string YearAlone(const Date& d) {
    return std::to_string(d.year);
}
template <typename Date>
std::string CycleAndYear(const Date& d) {
    return std::to_string(d.cycle) + "-" + std::to_string(d.year);
}

// The month holding a day: back to its first day (First), then the calendar's month step
// (which keeps a first day first) gives the next month's first day and so its length.
template <typename Date, Date (*OfDay)(int32_t), bool (*First)(const Date&), CalendarStepFn MonthStep,
          std::string (*MonthName)(int), std::string (*YearText)(const Date&),
          std::string (*Format)(const Date&, int)>
CalendarMonth MonthThrough(int32_t dayNumber) {
    constexpr int kLongestMonth = 30;
    for (int64_t day = dayNumber; day >= int64_t{dayNumber} - kLongestMonth && day >= INT32_MIN; --day) {
        const Date date = OfDay(static_cast<int32_t>(day));
        if (!First(date)) continue;
        const std::optional<int32_t> next = MonthStep(date.jdn, true);
        if (!next || *next <= date.jdn || !First(OfDay(*next))) return {};
        return {date.jdn, *next - date.jdn, static_cast<int>(date.month), MonthName(date.month), YearText(date),
                Format(date, 1), Format(OfDay(*next - 1), 1)};
    }
    return {};
}

}  // namespace CalendarGlue
