#include "calendars/qlw/QlwDescriptor.h"

#include "calendars/descriptor/DescriptorGlue.h"
#include "calendars/qlw/QLWC.h"

namespace {

constexpr auto QlwOfDay = &CalendarGlue::RecordOfDay<QLWC::QlwDate, QLWC::JdnToQlwDate>;

// The entry errors of the form, the month, the week and the day.
enum Refusal : int { kForm = 15, kMonth = 16, kWeek = 17, kDay = 18 };
constexpr CalendarRefusal kRefusals[] = {
    {kForm, "Invalid QLW date.  QLW dates must be in the form: year-month-week-day"},
    {kMonth, "Invalid month value in QLW date."},
    {kWeek, "Invalid week value in QLW date."},
    {kDay, "Invalid day value in QLW date."}};

// The reader says what is wrong: the form (also for an empty text), the month, the week or
// the day.
int ReadDate(const std::string& text, int32_t& jdn) {
    QLWC::QlwDate date{};
    switch (QLWC::ParseQlwDate(text, date)) {
        case QLWC::QlwOk: jdn = date.jdn; return 0;
        case QLWC::QlwNoSuchMonth: return kMonth;
        case QLWC::QlwNoSuchWeek: return kWeek;
        case QLWC::QlwNoSuchDay: return kDay;
        default: return kForm;
    }
}

// The plain date with its long form in parentheses.
DateLabel LabelOfDay(int32_t jdn) {
    const QLWC::QlwDate date = QlwOfDay(jdn);
    if (!date.valid) return {};
    const std::string plain = QLWC::FormatQlwDate(date, 1);
    return {plain, plain + " (" + QLWC::FormatQlwDate(date, 2) + ")", QLWC::FormatQlwDate(date, 4),
            {{"year", date.year}, {"month", date.month}, {"week", date.week}, {"day", date.day}}};
}

// The moves leave the record valid when its date exists.
bool IsValid(QLWC::QlwDate& date) { return date.valid == 1; }

template <void (*Move)(QLWC::QlwDate&, bool)>
constexpr CalendarStepFn Step = &CalendarGlue::StepThrough<QLWC::QlwDate, QlwOfDay, IsValid, Move>;

constexpr CalendarStep kSteps[] = {
    {"week", Step<QLWC::StepQlwWeek>}, {"month", Step<QLWC::StepQlwMonth>}, {"year", Step<QLWC::StepQlwYear>}};

// "Day3" for days 1 to 5, later days by name ("Nineday" written "9day"), then the week and the
// short month name: "Herday W2 Corven".
LunationCellTexts Cell(int32_t dayNumber) {
    const QLWC::QlwDate d = QlwOfDay(dayNumber);
    std::string name = d.day <= 5 ? "Day" + std::to_string(d.day) : QLWC::QlwDayName(d);
    if (name == "Nineday") name = "9day";
    return {name + " W" + std::to_string(d.week) + " " + QLWC::QlwShortMonthName(d.month), QLWC::QlwMonthName(d.month)};
}
constexpr LunationPageTexts kPage{"Quillon Lunar Week dates", 110, &Cell};

// A month begins with the first day of its first week.
bool FirstOfMonth(const QLWC::QlwDate& d) { return d.valid && d.week == 1 && d.day == 1; }

// Its days begin at 06:00 of the civil day.
constexpr CalendarDescriptor kDescriptor{.index = 8, .code = "QLW", .name = "Quillon Lunar Week Calendar",
    .title = "Quillon Lunar Week:", .labelName = "lblQuillonLWCDate", .displayRank = 70, .listRank = 60,
    .dayStart = 0.25, .readDate = &ReadDate, .labelOfDay = &LabelOfDay, .steps = kSteps, .refusals = kRefusals,
    .logCaption = "&QLW (Quillon Lunar Week Calendar)", .logCheckBox = "chkIncludeQLWC", .logIncludeOptIn = true,
    .lunationPage = &kPage,
    .monthOfDay = &CalendarGlue::MonthThrough<QLWC::QlwDate, QlwOfDay, FirstOfMonth, Step<QLWC::StepQlwMonth>,
                                              QLWC::QlwMonthName, CalendarGlue::YearAlone, QLWC::FormatQlwDate>,
    .entryExample = "5001-01-3-3 QLW"};

}  // namespace

const CalendarDescriptor& QlwDescriptor() { return kDescriptor; }

