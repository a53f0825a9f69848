// The Quillon Lunar Week Calendar (QLW): years from the new moon nearest the March equinox,
// months that are lunations, weeks that run from one principal phase of the Moon to the next.
#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace QLWC {

// QLW year = Common Era year + QlwYearOffset.
constexpr int32_t QlwYearOffset = 3000;

// The Common Era years whose year starts this module computes: every QLW year from
// QlwFirstYear to QlwLastYear converts both ways. That is far wider than the accepted moments
// (the end of -3201 to 6000-01-01 CE) and keeps the ephemeris inside lunation numbers and
// delta T values it handles; dates outside are refused rather than searched for.
constexpr int32_t QlwFirstCeYear = -5000;
constexpr int32_t QlwLastCeYear = 9999;
constexpr int32_t QlwFirstYear = QlwFirstCeYear + QlwYearOffset;
constexpr int32_t QlwLastYear = QlwLastCeYear + QlwYearOffset;

// Result codes of QlwDateToJdn and ParseQlwDate.
constexpr int QlwOk = 0;
constexpr int QlwEmptyText = -1;
constexpr int QlwWrongForm = -2;
constexpr int QlwNoSuchMonth = -3;
constexpr int QlwNoSuchWeek = -4;
constexpr int QlwNoSuchDay = -5;

struct QlwDate {
    int32_t year;   // Common Era year + 3000
    int32_t month;  // 1..13
    int32_t week;   // 1..4
    int32_t day;    // day of the week, 1..9
    int32_t valid;  // 1 when the fields name an existing day, else 0
    int32_t jdn;    // QLW day number (a QLW day starts at 06:00 of the civil day)
    // Days (6..9) of weeks 1..4 of the date's month, 0 where not known: JdnToQlwDate fills all
    // four, QlwDateToJdn the date's own week (the one its day name needs).
    std::array<int32_t, 4> weekLengths{};
};

// A new moon: its GMT Julian date and the lunation it begins.
struct NewMoon {
    double time;
    int32_t lunation;
};

// The QLW day number of a GMT Julian date t: floor(t + 0.25), since a QLW day begins six
// hours after the civil midnight and a Julian date begins at noon.
int32_t QlwDayOfMoment(double t);

// The new moon nearest the GMT Julian date x; when x lies exactly halfway between two new
// moons, the later one. A non-finite x gives a NaN time and
// lunation INT32_MIN.
NewMoon NearestNewMoon(double x);

// Reads date.jdn and fills year, month, week, day and the four week lengths with valid = 1. A day outside the QLW years
// QlwFirstYear..QlwLastYear gives valid = 0, the other fields 0 and no week lengths.
void JdnToQlwDate(QlwDate& date);

// QlwOk with jdn set and valid = 1 when the date exists. Otherwise valid = 0, jdn untouched,
// and QlwNoSuchMonth (month outside 1..13, month 13 of a 12-month year, or a year outside
// QlwFirstYear..QlwLastYear), QlwNoSuchWeek (outside 1..4) or QlwNoSuchDay (outside 1..9 or
// longer than the week).
int QlwDateToJdn(QlwDate& date);

// Reads a typed "year-month-week-day" (blanks anywhere are ignored; a leading "-" makes the
// year negative). QlwOk with the record filled and valid = 1; QlwEmptyText for an empty or
// all-blank text; QlwWrongForm when the text is not four whole numbers in that form or a
// number does not fit 32 bits; otherwise the code of QlwDateToJdn. valid = 0 on failure.
int ParseQlwDate(const std::string& text, QlwDate& date);

// The length in days (6..9) of week 1..4 of the date's month as the date records it; 0 for
// another week number or a length the date does not know.
int QlwWeekLength(const QlwDate& date, int week);

// "Dayone" .. "Dayfive" for days 1..5; later days by their distance from the end of the week
// (the last is "Moonday", then "Freeday", "Herday", "Nineday"), taking the week's length from
// the date's own record. The empty text for a day that the week cannot hold.
std::string QlwDayName(const QlwDate& date);
// "Weekone" .. "Weekfour"; the empty text otherwise.
std::string QlwWeekName(int week);
// Full month names "Brevolt" .. "Dunhale" for 1..13; the empty text otherwise.
std::string QlwMonthName(int month);
// Short month names for the day cells of the lunation page; the empty text otherwise.
std::string QlwShortMonthName(int month);

// Form 1 "5001-01-3-3 QLW"; form 2 "Daythree in Weekthree of Brevolt, 5001"; the empty text
// for other forms.
std::string FormatQlwDate(const QlwDate& date, int form);

// The last step of every move: while the day is too long for its week, one day less.
// Leaves jdn set and valid = 1 when the date then exists.
void FitQlwDay(QlwDate& date);

// One week, month or year forward or back; the day is then fitted to the new week.
void StepQlwWeek(QlwDate& date, bool forward);
void StepQlwMonth(QlwDate& date, bool forward);
void StepQlwYear(QlwDate& date, bool forward);

}  // namespace QLWC
