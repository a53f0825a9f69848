#include "calendars/ce/CommonEraDescriptor.h"

#include <climits>

#include "calendars/ce/IsoDates.h"

namespace {

constexpr const char* kCode = "CE";

DateLabel LabelOfDay(int32_t jdn) { return IsoDates::LabelOfDay(jdn, DAYCALC_GREGORIAN, kCode); }

// The date moved by whole months and years; a day that the target month lacks is lowered until
// the date exists (31 March back a month is 28 or 29 February, 29 February on a year is
// 28 February).
std::optional<int32_t> MoveDate(int32_t jdn, int32_t months, int32_t years) {
    const CalendarDate from = DatePr2::DateOfJdn(jdn, DAYCALC_GREGORIAN);
    const int64_t monthCount = int64_t{from.year} * 12 + (from.month - 1) + months + int64_t{years} * 12;
    const int64_t year = monthCount >= 0 ? monthCount / 12 : -((-monthCount + 11) / 12);  // floor
    if (year < INT32_MIN / 2 || year > INT32_MAX / 2) return std::nullopt;
    CalendarDate to{static_cast<int32_t>(year), static_cast<int32_t>(monthCount - year * 12 + 1), from.day,
                    DAYCALC_GREGORIAN, 0, 0};
    while (to.day > 1 && !DatePr2::IsExistingDate(to.year, to.month, to.day, DAYCALC_GREGORIAN)) --to.day;
    if (!DatePr2::IsExistingDate(to.year, to.month, to.day, DAYCALC_GREGORIAN)) return std::nullopt;
    return DatePr2::DateToJdn(to);
}

std::optional<int32_t> StepMonth(int32_t jdn, bool forward) { return MoveDate(jdn, forward ? 1 : -1, 0); }
std::optional<int32_t> StepYear(int32_t jdn, bool forward) { return MoveDate(jdn, 0, forward ? 1 : -1); }
std::optional<int32_t> StepCentury(int32_t jdn, bool forward) { return MoveDate(jdn, 0, forward ? 100 : -100); }

constexpr CalendarStep kSteps[] = {{"month", &StepMonth}, {"year", &StepYear}, {"century", &StepCentury}};
constexpr CalendarRefusal kRefusals[] = {
    {6, "Invalid CE date.  CE dates must be in ISO 8601 format: year-month-day"}};

constexpr CalendarDescriptor kDescriptor{.index = 0, .code = kCode, .name = "Common Era date", .title = "Common Era:",
    .labelName = "lblCommonEraDate", .displayRank = 10, .listRank = 10,
    .readDate = &IsoDates::ReadDate<DAYCALC_GREGORIAN, 6>, .labelOfDay = &LabelOfDay, .steps = kSteps,
    .refusals = kRefusals, .logCaption = "&CE (Common Era Calendar)", .logCheckBox = "chkIncludeCE",
    .entryExample = "2003-12-31 CE 15:55"};

}  // namespace

const CalendarDescriptor& CommonEraDescriptor() { return kDescriptor; }

